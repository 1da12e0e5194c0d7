#include "webserver/SmsScript.h"

#include "webserver/Text.h"

#include <ctime>

namespace webserver {

std::string runSmsSend(Database& db, std::string_view destinataire, std::string_view texte) {
    bool number = destinataire.size() == 12 && destinataire[0] == '+';
    for (std::size_t i = 1; number && i < destinataire.size(); ++i) number = destinataire[i] >= '0' && destinataire[i] <= '9';
    if (!number) return "Erreur : destinataire invalide (attendu : + suivi de 11 chiffres)";
    if (texte.empty()) return "Erreur : message vide (un message de 1024 caractères ou plus arrive vide)";
    // The client sends UTF-8; anything else is taken as Windows-1252 rather than stored broken.
    const std::string text = isValidUtf8(texte) ? std::string(texte) : utf8FromWin1252(texte);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    try {
        auto conn = db.acquire();
        auto q = conn->query("INSERT INTO SmsMessages (Destinataire, Texte, DateEnvoi) VALUES (?, ?, ?)");
        q.bind(1, destinataire).bind(2, text).bind(3, std::string_view(stamp));
        q.step();
    } catch (const DatabaseError& e) {
        return std::string("Erreur : message non enregistré (") + e.what() + ")";
    }
    return std::string(kSmsSuccess);
}

} // namespace webserver
