#include "webserver/PhotoStore.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace webserver {

PhotoStore::PhotoStore(std::filesystem::path dir) : m_dir(std::move(dir)) {}

bool PhotoStore::validName(std::string_view name) {
    if (name.size() < 5 || name.size() > 100) return false;
    const auto stem = name.substr(0, name.size() - 4);
    const auto ext = name.substr(name.size() - 4);
    if (ext != ".jpg" && ext != ".JPG") return false;
    for (char c : stem)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            return false;
    return true;
}

std::optional<std::string> PhotoStore::read(std::string_view name) const {
    if (!validName(name)) return std::nullopt;
    std::ifstream in(m_dir / std::string(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string PhotoStore::check(const Upload& upload, std::size_t maxBytes) {
    if (!validName(upload.name))
        return "Nom de fichier photo refusé : \"" + upload.name + "\" (lettres, chiffres, - et _ suivis de .jpg)";
    if (upload.bytes.empty()) return "Fichier photo vide : " + upload.name;
    if (upload.bytes.size() > maxBytes)
        return "Fichier photo trop gros : " + upload.name + " (" + std::to_string(upload.bytes.size()) + " octets)";
    if (upload.bytes.size() < 3 || static_cast<unsigned char>(upload.bytes[0]) != 0xFF ||
        static_cast<unsigned char>(upload.bytes[1]) != 0xD8 || static_cast<unsigned char>(upload.bytes[2]) != 0xFF)
        return "Le fichier " + upload.name + " n'est pas une image JPEG";
    return {};
}

void PhotoStore::store(const std::vector<Upload>& uploads) const {
    std::vector<std::filesystem::path> temporary;
    const auto cleanUp = [&temporary] {
        std::error_code ignored;
        for (const auto& t : temporary) std::filesystem::remove(t, ignored);
    };
    std::error_code ec;
    std::filesystem::create_directories(m_dir, ec);
    for (const auto& u : uploads) {
        temporary.push_back(m_dir / ("." + u.name + ".part"));
        std::ofstream out(temporary.back(), std::ios::binary | std::ios::trunc);
        out.write(u.bytes.data(), static_cast<std::streamsize>(u.bytes.size()));
        if (!out.flush()) {
            cleanUp();
            throw std::runtime_error("Impossible d'écrire la photo " + u.name + " dans " + m_dir.string());
        }
    }
    for (std::size_t i = 0; i < uploads.size(); ++i) {
        std::filesystem::rename(temporary[i], m_dir / uploads[i].name, ec);
        if (ec) {
            cleanUp();
            throw std::runtime_error("Impossible d'enregistrer la photo " + uploads[i].name + " : " + ec.message());
        }
    }
}

} // namespace webserver
