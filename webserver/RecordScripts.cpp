#include "webserver/RecordScripts.h"

#include "webserver/ScriptAnswer.h"
#include "webserver/Text.h"
#include "webserver/XmlAnswer.h"

#include <charconv>
#include <ctime>
#include <optional>

namespace webserver {
namespace {

std::optional<long long> identifier(std::string_view text) {
    long long n = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
    return n;
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d/%m/%Y", &local);
    return buf;
}

// Every column of the current row as one child each.
void writeColumns(XmlAnswer& xml, const Query& q) {
    for (int c = 0; c < q.columns(); ++c) xml.value(q.name(c), q.text(c));
}

// User, OptDates and GNames: who asks, with the date limits of the user's dealership.
void writeUser(XmlAnswer& xml, Connection& c, std::string_view userId) {
    std::string concession;
    xml.open("User");
    {
        auto q = c.query("SELECT idUser, Concession AS UserConcession, UserSite, Name_, US1 FROM Users WHERE idUser=?");
        q.bind(1, utf8FromWin1252(userId));
        if (q.step()) {
            writeColumns(xml, q);
            concession = q.text(1);
        }
    }
    xml.close("User");
    xml.open("OptDates");
    {
        auto q = c.query("SELECT Opt_LimiteDateDeb, Opt_LimiteDateDebFrevo, Opt_LimiteDateDebKundor, "
                         "Opt_LimiteDateVerrouVNVO FROM OptDates WHERE Concession=?");
        q.bind(1, concession);
        if (q.step()) writeColumns(xml, q);
    }
    xml.value("Now", today());
    xml.close("OptDates");
    auto q = c.query("SELECT GName FROM UserGroups WHERE idUser=? ORDER BY GName");
    q.bind(1, utf8FromWin1252(userId));
    xml.open("GNames");
    while (q.step()) xml.value("GName", q.text(0));
    xml.close("GNames");
}

// The customer section. Without such a customer: every field, empty, when `emptyFields`, else none.
void writeCustomer(XmlAnswer& xml, Connection& c, long long idClient, bool emptyFields) {
    auto q = c.query("SELECT * FROM tClients WHERE idClient=?");
    q.bind(1, idClient);
    xml.open("TVC");
    if (q.step()) writeColumns(xml, q);
    else if (emptyFields)
        for (int col = 0; col < q.columns(); ++col) xml.value(q.name(col), "");
    xml.close("TVC");
}

[[noreturn]] void badIdentifier(const char* what, std::string_view text) {
    throw DatabaseError(std::string("Identifiant ") + what + " invalide : \"" + utf8FromWin1252(text) + "\"");
}

} // namespace

std::string runAxInfoVO(Database& db, std::string_view idTVOText, std::string_view userId, std::string_view idClientText) {
    return answering([&] {
        const auto idTVO = identifier(idTVOText);
        if (!idTVO) badIdentifier("de véhicule", idTVOText);
        const auto idClient = idClientText.empty() ? std::optional<long long>(0) : identifier(idClientText);
        if (!idClient) badIdentifier("client", idClientText);

        auto conn = db.acquire();
        XmlAnswer xml;
        xml.open("document");
        writeUser(xml, *conn, userId);

        long long idVO = 0, buyer = 0;
        bool found = false;
        xml.open("tVO");
        {
            auto q = conn->query("SELECT *, idTVO AS idtVO FROM tVehicles WHERE idTVO=?");
            q.bind(1, *idTVO);
            if (q.step()) {
                found = true;
                writeColumns(xml, q);
                idVO = q.integer(q.column("idVO"));
                buyer = q.integer(q.column("idClient"));
            }
        }
        if (found) {
            auto q = conn->query(
                "SELECT printf('%.2f', total(MontantHT)) AS Frevo,"
                " printf('%.2f', total(CASE WHEN upper(TypeFrevo)='FIXE' THEN MontantHT END)) AS FrevoFixe,"
                " printf('%.2f', total(CASE WHEN upper(TypeFrevo)='INTERNE' THEN MontantHT END)) AS FrevoInterne,"
                " printf('%.2f', total(CASE WHEN upper(TypeFrevo)='EXTERNE' THEN MontantHT END)) AS FrevoExterne,"
                " printf('%.2f', total(CASE WHEN upper(coalesce(TypeFrevo,'')) NOT IN ('FIXE','INTERNE','EXTERNE')"
                " THEN MontantHT END)) AS FrevoPrevision FROM [tVO - Frevo] WHERE idVO=?");
            q.bind(1, idVO);
            if (q.step()) writeColumns(xml, q);
        }
        xml.close("tVO");
        {
            auto q = conn->query("SELECT DResaMax, Vendeur, Acheteur, Commentaire FROM Reservations"
                                 " WHERE idTVO=? AND DResaMax >= date('now','localtime') ORDER BY DResaMax");
            q.bind(1, found ? *idTVO : 0);
            writeRows(xml, q, "ResaS", "Resa");
        }
        {
            auto q = conn->query("SELECT idFrevo, DateFrevo, LibelleFrevo, NComptable, NomFournisseur, NFacture,"
                                 " TypeFrevo, MontantHT FROM [tVO - Frevo] WHERE idVO=? ORDER BY DateFrevo, idFrevo");
            q.bind(1, found ? idVO : 0);
            writeRows(xml, q, "FrevoS", "Frevo");
        }
        {
            auto q = conn->query("SELECT NomImage, NumImage, DateImage FROM [tVO - Liens Images]"
                                 " WHERE idVO=? ORDER BY NumImage, idImage");
            q.bind(1, found ? idVO : 0);
            writeRows(xml, q, "ImageS", "Image");
        }
        // A customer record opened from the vehicle ("-1") reads its values here: the buyer.
        if (*idClient == -1) writeCustomer(xml, *conn, buyer, true);
        xml.close("document");
        return xml.bytes();
    });
}

std::string runAxInfoCL(Database& db, std::string_view userId, std::string_view idClientText) {
    return answering([&] {
        const auto idClient = identifier(idClientText);
        if (!idClient) badIdentifier("client", idClientText);
        auto conn = db.acquire();
        XmlAnswer xml;
        xml.open("document");
        writeUser(xml, *conn, userId);
        writeCustomer(xml, *conn, *idClient, false);
        {
            auto q = conn->query("SELECT idAction, DateAction, idCom, TypeAction, SujetAction, CommentaireAction,"
                                 " DateRelance, idComRelance, SujetRelance, PrioriteRelance FROM tActions"
                                 " WHERE idClient=? ORDER BY DateAction DESC, idAction DESC");
            q.bind(1, *idClient);
            writeRows(xml, q, "TActS", "TAct");
        }
        {
            auto q = conn->query("SELECT idTVO AS idtVO, * FROM TVehiclesKundor WHERE idClient=? ORDER BY idTVO");
            q.bind(1, *idClient);
            writeRows(xml, q, "TVehS", "TVeh");
        }
        xml.close("document");
        return xml.bytes();
    });
}

} // namespace webserver
