#include "webserver/ClientStatement.h"

#include "webserver/SqlTokenizer.h"

#include <sqlite3.h>

#include <utility>

namespace webserver {
namespace {

std::string frenchMessage(std::string_view message) {
    static constexpr std::pair<std::string_view, std::string_view> kKnown[] = {
        {"no such table: ", "Table inconnue : "},
        {"no such column: ", "Colonne inconnue : "},
        {"near ", "Erreur de syntaxe SQL près de "},
        {"incomplete input", "Instruction SQL incomplète"},
    };
    for (const auto& [english, french] : kKnown)
        if (message.substr(0, english.size()) == english) {
            std::string rest(message.substr(english.size()));
            if (auto p = rest.find(": syntax error"); p != std::string::npos) rest.erase(p);
            return std::string(french) + rest;
        }
    return "Instruction SQL refusée par la base : " + std::string(message);
}

} // namespace

ClientStatement::ClientStatement(Connection& c, const std::string& sqliteText, const Confinement& rules,
                                 const SqlLimits& limits)
    : m_db(c.handle()), m_limits(limits) {
    {
        ConfinementGuard guard(m_db, rules);
        const int rc = sqlite3_prepare_v2(m_db, sqliteText.c_str(), static_cast<int>(sqliteText.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            // SQLite reports some refusals of the authorizer as plain errors; its reason is kept.
            if (!guard.refusal().empty()) throw sql::SqlError("Instruction refusée : " + guard.refusal());
            if ((rc & 0xFF) == SQLITE_BUSY) throw DatabaseBusy("Base de données occupée");
            throw sql::SqlError(frenchMessage(sqlite3_errmsg(m_db)));
        }
    }
    if (!m_stmt) throw sql::SqlError("Instruction SQL vide");
    m_deadline = std::chrono::steady_clock::now() + limits.maxDuration;
    sqlite3_progress_handler(m_db, 1000, &ClientStatement::overtime, this);
}

ClientStatement::~ClientStatement() {
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    sqlite3_finalize(m_stmt);
}

int ClientStatement::overtime(void* self) {
    return std::chrono::steady_clock::now() > static_cast<ClientStatement*>(self)->m_deadline ? 1 : 0;
}

bool ClientStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const int primary = rc & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) throw DatabaseBusy("Base de données occupée");
    if (primary == SQLITE_INTERRUPT)
        throw sql::SqlError("Requête interrompue : durée maximale de " + std::to_string(m_limits.maxDuration.count()) +
                            " ms dépassée");
    if (primary == SQLITE_CONSTRAINT) throw sql::SqlError(std::string("Contrainte non respectée : ") + sqlite3_errmsg(m_db));
    throw sql::SqlError(frenchMessage(sqlite3_errmsg(m_db)));
}

} // namespace webserver
