#pragma once
// The photo folder: the JPEG files the client reads at URLImages + name + ".jpg" and posts with
// its photo links.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace webserver {

class PhotoStore {
public:
    explicit PhotoStore(std::filesystem::path dir);

    // A plain file name of letters, digits, "-" and "_" ending in ".jpg": nothing that could
    // leave the folder.
    static bool validName(std::string_view name);
    // The file's bytes, or nothing when the name is not valid or the file does not exist.
    std::optional<std::string> read(std::string_view name) const;

    struct Upload {
        std::string name;
        std::string bytes;
    };
    // Empty when the upload is acceptable, else the French reason.
    static std::string check(const Upload& upload, std::size_t maxBytes);
    // Writes every file under a temporary name, then renames them all into place; throws
    // std::runtime_error with a French message, leaving no temporary file behind.
    void store(const std::vector<Upload>& uploads) const;

    const std::filesystem::path& dir() const { return m_dir; }

private:
    std::filesystem::path m_dir;
};

} // namespace webserver
