#include "webserver/DemoLoader.h"

#include "webserver/Database.h"
#include "webserver/DemoGenerator.h"
#include "webserver/EmbeddedData.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace webserver::demo {
namespace {

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

// One table per file "Table.tsv": a header line of column names, then one row per line; "#"
// starts a comment line, an empty cell is NULL.
void loadTable(Connection& c, std::string_view file, std::string_view text) {
    std::size_t lineNo = 0;
    // The next line that is neither empty nor a comment; false at the end of the file.
    const auto nextLine = [&](std::string_view& line) {
        while (!text.empty()) {
            const auto eol = text.find('\n');
            line = text.substr(0, eol);
            text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!line.empty() && line[0] != '#') return true;
        }
        return false;
    };
    std::string_view line;
    if (!nextLine(line)) return;
    const std::vector<std::string> columns = splitTabs(line);
    std::string sql = "INSERT INTO \"" + std::string(file.substr(0, file.size() - 4)) + "\" (";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i ? ", \"" : "\"") + columns[i] + "\"";
    sql += ") VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += i ? ", ?" : "?";
    sql += ")";
    while (nextLine(line)) {
        const auto cells = splitTabs(line);
        if (cells.size() != columns.size())
            throw DemoError(std::string(file) + ", ligne " + std::to_string(lineNo) + " : " +
                            std::to_string(cells.size()) + " colonnes au lieu de " + std::to_string(columns.size()));
        auto insert = c.query(sql);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty()) sqlite3_bind_null(insert.handle(), static_cast<int>(i + 1));
            else insert.bind(static_cast<int>(i + 1), cells[i]);
        }
        insert.step();
    }
}

void removeDatabase(const std::string& path) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix, ignored);
}

} // namespace

void createDemo(const DemoOptions& options) {
    std::error_code ec;
    if (std::filesystem::exists(options.dbPath, ec))
        throw DemoError("Le fichier " + options.dbPath +
                        " existe déjà : --init-demo ne charge la démonstration que dans un nouveau fichier");
    try {
        const auto& files = embeddedFiles();
        Connection c(options.dbPath, std::chrono::milliseconds(2000));
        c.exec("BEGIN");
        c.exec(std::string(files.at("schema.sql")));
        for (const auto& [name, text] : files)
            if (name.size() > 4 && name.substr(name.size() - 4) == ".tsv") loadTable(c, name, text);
        generateRecords(c, options);
        c.exec("COMMIT");
    } catch (const DemoError&) {
        removeDatabase(options.dbPath);
        throw;
    } catch (const std::exception& e) {
        removeDatabase(options.dbPath);
        throw DemoError(std::string("Chargement de la démonstration impossible : ") + e.what());
    }
}

} // namespace webserver::demo
