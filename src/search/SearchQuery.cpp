#include "SearchQuery.h"

#include "platform/AsciiCase.h"

#include <algorithm>

namespace search {
namespace {

using platform::asciiLower;
using platform::asciiUpper;

enum class Without { MatchAll, MatchNone }; // what a search without text finds
struct Kind {
    const char* table;
    const char* field;
    const char* orderBy;
    int resultColumn;
    Without without;
};

constexpr Kind kKinds[] = {
    {"TVehicles", "Immatriculation", "Immatriculation, DateOrdre desc", ngsInfo3, Without::MatchAll},
    {"TVehicles", "Acheteur", "Acheteur, DateOrdre desc", ngsInfo5, Without::MatchAll},
    {"TVehicles", "NVO", "NVO, DateOrdre desc", ngsInfo1, Without::MatchNone},
    {"TVehiclesKundor", "Immatriculation", "Immatriculation, DateOrdre desc", ngsInfo3, Without::MatchAll},
    {"TClients", "CliNom", "CliNom, CliPreNom, idClient desc", ngsInfo5, Without::MatchNone},
    {"TClients", "CliMobile", "CliMobile, idClient desc", ngsInfo3, Without::MatchNone},
    {"TClients", "CliTelDom", "CliTelDom, idClient desc", ngsInfo2, Without::MatchNone},
};

const Kind& kindOf(int option) {
    return kKinds[std::clamp(option, 1, 7) - 1];
}

bool vehicleKind(int option) {
    return option <= VehicleNumber;
}

QString doubledQuotes(QString text) {
    return text.replace(u'\'', QStringLiteral("''"));
}

bool onlyDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The comparison is chosen here rather than by rewriting the composed text, so that a "like" or
// a "%" the user typed reaches the server as typed.
QString match(const QString& field, const QString& value, bool exact) {
    return exact ? u'(' + field + QStringLiteral(" = '") + value + QStringLiteral("')")
                 : u'(' + field + QStringLiteral(" like '%") + value + QStringLiteral("%')");
}

QString typedCriterion(const SearchRequest& r) {
    const Kind& kind = kindOf(r.option);
    const QString field = QString::fromLatin1(kind.field);
    const QString t = doubledQuotes(r.text);
    QString criterion;
    if (r.option == VehicleNumber)
        criterion = onlyDigits(t) ? QStringLiteral("(NVO>=") + t + u')' : QStringLiteral("(false)");
    else if (t.isEmpty() && kind.without == Without::MatchNone)
        criterion = QStringLiteral("(false)");
    else
        criterion = match(field, t, r.exact);
    if (r.option == CustomerName && r.withFirstName && !t.isEmpty())
        criterion +=
            QStringLiteral(" and ") + match(QStringLiteral("CliPreNom"), doubledQuotes(r.firstName), r.exact);
    if (!vehicleKind(r.option)) return criterion;
    if (!r.site.isEmpty())
        criterion = QStringLiteral("(SITE='") + doubledQuotes(r.site) + QStringLiteral("') and ") + criterion;
    if (r.typeIndex == 1)
        criterion = QStringLiteral("(TypeVO=1) and ") + criterion;
    else if (r.typeIndex == 2)
        criterion = QStringLiteral("(TypeVO=2) and (isnull(StatutVD)) and ") + criterion;
    else if (r.typeIndex >= 3)
        criterion = QStringLiteral("(TypeVO=2) and (not isnull(StatutVD)) and ") + criterion;
    return criterion;
}

// The stored clause may be written for the vehicle view ("VO.") and start with its own WHERE.
QString presetCriterion(QString clause) {
    clause.remove(QStringLiteral("VO."), Qt::CaseInsensitive);
    clause.remove(QStringLiteral("WHERE "), Qt::CaseInsensitive);
    return u' ' + clause;
}

QString selectList(int option) {
    const QString searched = QString::fromLatin1(kindOf(option).field);
    const QString vehicleColumns = QStringLiteral(
        "NVO as VO_NO, Immatriculation AS VO_IMMAT, [InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, "
        "Acheteur AS VO_BUYER, DateOrdre AS VO_ORDRE, ");
    const QString tail = QStringLiteral(" AS VO_Result, Site as VO_SITE, Concession, idOwner");
    if (vehicleKind(option))
        return QStringLiteral("TypeVO, idTVO as VO_ID, StatutVD, ") + vehicleColumns + searched + tail;
    if (option == CustomerImmat)
        return QStringLiteral("TypeVO, idClient as VO_ID, ") + vehicleColumns + searched + tail;
    return QStringLiteral(
        "-1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], [CliVille], "
        "[CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS VO_SITE, "
        "Concession, idOwner");
}

} // namespace

int ResultColumn(int option) {
    return kindOf(option).resultColumn;
}

QString SearchQuery(const SearchRequest& r) {
    const Kind& kind = kindOf(r.option);
    const QString criterion = QStringLiteral("(Concession='") + doubledQuotes(r.userConcession) +
                              QStringLiteral("') and (") +
                              (r.preset ? presetCriterion(r.whereClause) : typedCriterion(r)) + u')';
    return QStringLiteral("SELECT ") + selectList(r.option) + QStringLiteral(" FROM ") +
           QString::fromLatin1(kind.table) + QStringLiteral(" Where ") + criterion +
           QStringLiteral(" ORDER BY ") + QString::fromLatin1(kind.orderBy);
}

QString SearchAddress(const QString& baseHRef, const QString& query, int maxRows) {
    // The statement travels in the address: "%" first, then "&", which would end the parameter.
    QString sql = query;
    sql.replace(u'%', QStringLiteral("%25")).replace(u'&', QStringLiteral("%26"));
    return baseHRef + QStringLiteral("AxQuery?XMLC_OutputFormat=XML&SQL=") + sql +
           QStringLiteral("&MaxRows=") + QString::number(maxRows);
}

std::array<QString, SearchColumns> SearchRowCells(const server::TXml& row, int option,
                                                  const QString& userConcession, const QString& userSite) {
    // An element missing from the row gives an empty value: each one is read into a fresh text
    // instead of keeping what the row before, or the cell before, held.
    const auto get = [&row](const QString& tag) {
        QString value;
        server::XmlGet(row, tag, value);
        return value;
    };
    std::array<QString, SearchColumns> cells;
    cells[ngsIndex] = get(QStringLiteral("VO_ID"));

    const QString site = get(QStringLiteral("VO_SITE"));
    const bool siteMatches =
        userSite == u"#" || (!site.isEmpty() && asciiUpper(userSite).contains(asciiUpper(site)));
    cells[ngsImage] = get(QStringLiteral("Concession")) != userConcession ? QStringLiteral("2")
                      : siteMatches                                       ? QStringLiteral("4")
                                                                          : QStringLiteral("3");

    QString reference = site.left(1) + asciiLower(site.right(1)) + u'-' + get(QStringLiteral("VO_NO"));
    if (vehicleKind(option)) {
        const QString type =
            get(QStringLiteral("StatutVD")).isEmpty() ? get(QStringLiteral("TypeVO")) : QStringLiteral("3");
        reference.prepend(type == u"1"   ? QStringLiteral("VO-")
                          : type == u"2" ? QStringLiteral("VN-")
                                         : QStringLiteral("VD-"));
    }
    cells[ngsInfo1] = reference;

    if (option >= CustomerName) {
        cells[ngsInfo2] = get(QStringLiteral("CliTelDom"));
        cells[ngsInfo3] = get(QStringLiteral("CliMobile"));
        QString address = get(QStringLiteral("CliCP")) + u' ' + get(QStringLiteral("CliVille"));
        for (const QString& line : {get(QStringLiteral("CliAdresse1")), get(QStringLiteral("CliAdresse2"))})
            if (!line.isEmpty()) address += QStringLiteral(" - ") + line;
        cells[ngsInfo4] = address.trimmed();
    } else {
        cells[ngsInfo2] = get(QStringLiteral("VO_ORDRE"));
        cells[ngsInfo3] = get(QStringLiteral("VO_IMMAT"));
        cells[ngsInfo4] =
            (get(QStringLiteral("InfoMarque")) + u' ' + get(QStringLiteral("InfoModele"))).trimmed();
    }
    cells[ngsInfo5] = asciiUpper(get(QStringLiteral("VO_BUYER")));
    if (cells[ngsInfo5].isEmpty())
        cells[ngsInfo5] =
            (asciiUpper(get(QStringLiteral("CliNom"))) + u' ' + get(QStringLiteral("CliPrenom"))).trimmed();
    return cells;
}

} // namespace search
