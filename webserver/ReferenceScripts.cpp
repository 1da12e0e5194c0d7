#include "webserver/ReferenceScripts.h"

#include "webserver/Confinement.h"
#include "webserver/ScriptAnswer.h"
#include "webserver/SqlDialect.h"
#include "webserver/Text.h"
#include "webserver/XmlAnswer.h"

namespace webserver {
namespace {

// The answer of a dealership's reference document, opened with its dealership code.
XmlAnswer dealershipDocument(const std::string& concession) {
    XmlAnswer xml;
    xml.open("document");
    xml.value("Concession", concession);
    return xml;
}

void writeList(XmlAnswer& xml, Query& q, std::string_view item) {
    writeRows(xml, q, std::string(item) + "S", item);
}

// The generic lists (Pars items) that the client's filter keeps. Entries added from the client
// carry the position 0; they go after the existing entries of their list, so that the stored
// positions of the others do not move.
void writePars(XmlAnswer& xml, Connection& c, std::string_view whereClause, const SqlLimits& limits) {
    const std::string where = utf8FromWin1252(whereClause);
    const sql::Statement st = sql::translate("SELECT RubricType, RubricIndex, RubricText, rowid AS RubricRow "
                                             "FROM ListRubrics " + where, false);
    const std::string sqlText = "SELECT RubricType AS type, RubricText AS text FROM (" + st.sql +
                                ") ORDER BY RubricType COLLATE NOCASE,"
                                " (RubricIndex = 0 AND RubricText <> '..'), RubricIndex, RubricRow";
    ClientStatement stmt(c, sqlText, Confinement{{sql::StatementKind::Select}, {"listrubrics"}}, limits);
    xml.open("ParsS");
    while (stmt.step()) {
        xml.open("Pars");
        xml.value("type", formatColumn(stmt.handle(), 0));
        xml.value("text", formatColumn(stmt.handle(), 1));
        xml.close("Pars");
    }
    xml.close("ParsS");
}

} // namespace

std::string runAxInfoStruct(Database& db, std::string_view concessionBytes) {
    return answering([&] {
        const std::string concession = utf8FromWin1252(concessionBytes);
        auto conn = db.acquire();
        XmlAnswer xml = dealershipDocument(concession);
        // Every key is written for every item: the client keeps a missing key's previous value.
        auto q = conn->query("SELECT descInfo, idNum, txtInfo, vInfo, tag, defval, width, \"left\", top, height,"
                             " length, tInfo, tControl, color, \"notNull\", enabled, fieldInfo FROM StructDesc"
                             " WHERE Concession IN ('..', ?) ORDER BY Position");
        q.bind(1, concession);
        writeList(xml, q, "axStruct");
        xml.close("document");
        return xml.bytes();
    });
}

std::string runAxInfoEquip(Database& db, std::string_view concessionBytes, std::string_view whereClause,
                           const SqlLimits& limits) {
    return answering([&] {
        const std::string concession = utf8FromWin1252(concessionBytes);
        auto conn = db.acquire();
        XmlAnswer xml = dealershipDocument(concession);
        if (whereClause.empty()) {
            std::string quoted;
            for (char ch : concession) quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
            writePars(xml, *conn, "Where (RubricItem='..') or (RubricItem='" + win1252FromUtf8(quoted) + "')", limits);
        } else {
            writePars(xml, *conn, whereClause, limits);
        }
        const auto list = [&](const char* sqlText, const char* item, bool byConcession) {
            auto q = conn->query(sqlText);
            if (byConcession) q.bind(1, concession);
            writeList(xml, q, item);
        };
        list("SELECT idCom, cNom, Site FROM Staff WHERE Concession=? ORDER BY cNom", "InfoCom", true);
        list("SELECT Site, Marques, MontantFraisDossier FROM Sites WHERE Concession=? ORDER BY Site", "InfoSite", true);
        list("SELECT DISTINCT VMarque AS vMark FROM ListModels ORDER BY upper(VMarque)", "Marks", false);
        list("SELECT VMarque AS vMark, VModele AS vModel FROM ListModels ORDER BY upper(VMarque), VModele", "Models",
             false);
        list("SELECT DISTINCT VMarque AS vnMark FROM ListVersions WHERE VConcession IN ('..', ?)"
             " ORDER BY upper(VMarque)", "VNMarks", true);
        list("SELECT DISTINCT VMarque AS vnMark, VModele AS vnModel FROM ListVersions WHERE VConcession IN ('..', ?)"
             " ORDER BY upper(VMarque), VModele", "VNModels", true);
        list("SELECT DISTINCT VModele AS vnModel, VVersion AS vnVers FROM ListVersions WHERE VConcession IN ('..', ?)"
             " ORDER BY upper(VModele), VVersion", "VNVersions", true);
        // One section per list-box list, named after the list.
        std::vector<std::string> names;
        {
            auto q = conn->query("SELECT DISTINCT ListName FROM ListOptions WHERE Concession IN ('..', ?) ORDER BY ListName");
            q.bind(1, concession);
            while (q.step()) names.push_back(q.text(0));
        }
        for (const auto& name : names) {
            auto q = conn->query("SELECT Abbr, eText FROM ListOptions WHERE ListName=? AND Concession IN ('..', ?)"
                                 " ORDER BY Position, rowid");
            q.bind(1, name).bind(2, concession);
            writeList(xml, q, xmlName(name));
        }
        xml.close("document");
        return xml.bytes();
    });
}

} // namespace webserver
