#include "webserver/DemoGenerator.h"

#include "webserver/PhotoGenerator.h"
#include "webserver/Text.h"

#include <sqlite3.h>

#include <cstdio>
#include <cctype>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace webserver::demo {
namespace {

// A fixed-seed generator, so that every demo database holds the same records.
struct Rng {
    std::uint32_t state;
    std::uint32_t next() { return (state = state * 1103515245u + 12345u) >> 8; }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    template <typename T> const T& pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))]; }
    bool chance(int percent) { return below(100) < percent; }
};

// Days since 1970-01-01 <-> ISO date.
std::string isoDate(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04ld-%02ld-%02ld", y, m, d);
    return buf;
}

// The demo's "today": records are dated before it. Reservations follow the real clock instead,
// so that the demo always shows some that are running.
constexpr long kDemoToday = 20787; // 2026-11-30

long realToday() { return static_cast<long>(std::time(nullptr) / 86400); }

std::vector<std::string> column(Connection& c, const std::string& sql, const std::string& arg = {}) {
    std::vector<std::string> out;
    auto q = c.query(sql);
    if (!arg.empty()) q.bind(1, arg);
    while (q.step()) out.push_back(q.text(0));
    return out;
}

std::vector<std::string> list(Connection& c, const std::string& type) {
    return column(c, "SELECT RubricText FROM ListRubrics WHERE RubricType=? AND RubricText<>'..' ORDER BY RubricIndex",
                  type);
}

struct Staffer {
    std::string idCom, site, name;
};

struct Dealership {
    std::string code;
    std::vector<std::string> sites, users;
    std::vector<Staffer> staff;
    std::vector<std::pair<std::string, std::string>> models;                   // used makes and models
    std::vector<std::tuple<std::string, std::string, std::string>> versions;  // new: make, model, version
};

struct Customer {
    long long id;
    std::string name, site;
};

const std::vector<std::string> kSurnames = {
    "ARNOLDI", "BERTELOT", "CARMINAT", "DELVAUX", "ESTRADE", "FONTENAC", "GAUDRIL", "HERVOUET", "ISAMBERT",
    "JOUVENEL", "LAMBRET", "MARCHAIS", "NOVELLE", "OUDRAIN", "PASQUIER", "QUENTRIC", "RAVENEL", "SORBIER",
    "TALMONT", "URVOY", "VAUDREY", "WARTEL", "DUPONT", "LEFRANC", "MOREAUX", "O'NEIL"};
const std::vector<std::string> kFirstNames = {"Jean", "Marie", "Luc", "Sophie", "Hélène", "Paul", "Chloé", "Marc",
                                              "Anne", "Jérôme", "Claire", "Thomas", "Léa", "Hugo", "Inès", "Noël"};
const std::vector<std::pair<std::string, std::string>> kTowns = {
    {"59000", "LILLE"}, {"59100", "ROUBAIX"}, {"62300", "LENS"},  {"62000", "ARRAS"},
    {"59500", "DOUAI"}, {"59400", "CAMBRAI"}, {"59200", "TOURCOING"}, {"62400", "BETHUNE"}};
const std::vector<std::string> kStreets = {"RUE DES TILLEULS", "AVENUE DE LA GARE", "RUE PASTEUR", "BD VICTOR HUGO",
                                           "CHEMIN DU MOULIN", "PLACE DU MARCHE", "RUE DE L'EGLISE"};
const std::vector<Rgb> kColours = {{200, 30, 30}, {30, 60, 160}, {230, 230, 230}, {30, 30, 30}, {120, 120, 125}, {20, 110, 60}};

std::string digits(Rng& rng, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + rng.below(10));
    return s;
}

std::string plate(Rng& rng) {
    std::string s;
    for (int i = 0; i < 2; ++i) s += static_cast<char>('A' + rng.below(26));
    s += digits(rng, 3);
    for (int i = 0; i < 2; ++i) s += static_cast<char>('A' + rng.below(26));
    return s;
}

std::string money(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

std::string keysOf(Rng& rng, const std::vector<std::string>& keys) {
    std::string out;
    for (const auto& k : keys)
        if (rng.chance(40)) out += ";" + k;
    return out.empty() ? out : out + ";";
}

// Binds name -> value pairs to "INSERT INTO table (names) VALUES (?...)"; empty values are NULL.
using Row = std::vector<std::pair<std::string, std::string>>;
long long insert(Connection& c, const std::string& table, const Row& row) {
    std::string sql = "INSERT INTO " + table + " (", marks;
    for (std::size_t i = 0; i < row.size(); ++i) {
        sql += (i ? ", " : "") + row[i].first;
        marks += i ? ", ?" : "?";
    }
    auto q = c.query(sql + ") VALUES (" + marks + ")");
    for (std::size_t i = 0; i < row.size(); ++i)
        if (row[i].second.empty()) sqlite3_bind_null(q.handle(), static_cast<int>(i + 1));
        else q.bind(static_cast<int>(i + 1), row[i].second);
    q.step();
    return sqlite3_last_insert_rowid(c.handle());
}

class Generator {
public:
    Generator(Connection& c, const DemoOptions& o) : m_c(c), m_options(o) {
        for (const auto& type : {"InfoCouleur", "InfoCarrosserie", "InfoEnergie", "InfoBoite", "InfoOrigine",
                                 "TypeGarantie", "DureeGarantie", "Destination", "TypeFinancement", "StatutVN",
                                 "StatutVD", "LibFrevo", "Fournisseur", "CliCivilite", "CliSituationFamille",
                                 "CliOrigine", "TypeAction", "SujetAction", "PrioriteRelance", "SituationAchat",
                                 "SatisfVehicle", "AbbrFinancement"})
            m_lists[type] = list(c, type);
        for (const auto& n : {"EquiInterieur", "EquiExterieur", "EquiSecurite", "Complement", "OptionsVN"})
            m_keys[n] = column(c, "SELECT Abbr FROM ListOptions WHERE ListName=? ORDER BY rowid", n);
    }

    void run() {
        for (const auto& code : column(m_c, "SELECT Concession FROM Concessions ORDER BY rowid")) {
            Dealership d = dealership(code);
            std::vector<Customer> customers;
            for (int i = 0; i < m_options.customersPerDealership; ++i) customers.push_back(customer(d));
            for (int i = 0; i < m_options.vehiclesPerDealership; ++i) vehicle(d, customers, i);
        }
    }

private:
    const std::vector<std::string>& L(const char* type) { return m_lists[type]; }
    std::string code(const char* type) { // the code part of a "code : label" item
        const std::string item = m_rng.pick(L(type));
        return item.substr(0, item.find(" : "));
    }

    Dealership dealership(const std::string& code) {
        Dealership d{code, column(m_c, "SELECT Site FROM Sites WHERE Concession=? ORDER BY Site", code),
                     column(m_c, "SELECT idUser FROM Users WHERE Concession=? ORDER BY idUser", code), {}, {}, {}};
        auto staff = m_c.query("SELECT idCom, Site, cNom FROM Staff WHERE Concession=? ORDER BY idCom");
        staff.bind(1, code);
        while (staff.step()) d.staff.push_back({staff.text(0), staff.text(1), staff.text(2)});
        auto models = m_c.query("SELECT VMarque, VModele FROM ListModels ORDER BY rowid");
        while (models.step()) d.models.emplace_back(models.text(0), models.text(1));
        auto versions = m_c.query("SELECT VMarque, VModele, VVersion FROM ListVersions WHERE VConcession IN ('..', ?)");
        versions.bind(1, code);
        while (versions.step()) d.versions.emplace_back(versions.text(0), versions.text(1), versions.text(2));
        return d;
    }

    // A staff member who works on `site`: the id, or the name.
    std::string staffOf(const Dealership& d, const std::string& site, bool name = false) {
        std::vector<std::string> here;
        for (const auto& s : d.staff)
            if (s.site.find(site) != std::string::npos) here.push_back(name ? s.name : s.idCom);
        return here.empty() ? std::string() : m_rng.pick(here);
    }

    std::string position(const char* type) { return std::to_string(1 + m_rng.below(static_cast<int>(L(type).size()))); }

    Customer customer(const Dealership& d) {
        const std::string site = m_rng.pick(d.sites);
        const std::string name = m_rng.pick(kSurnames), first = m_rng.pick(kFirstNames);
        const auto& town = m_rng.pick(kTowns);
        const long created = kDemoToday - 30 - m_rng.below(1500);
        std::string email;
        for (char ch : first + "." + name)
            if (std::isalpha(static_cast<unsigned char>(ch)) || ch == '.') email += static_cast<char>(std::tolower(ch));
        Row row = {{"Concession", d.code}, {"Site", site}, {"idOwner", m_rng.pick(d.users)}, {"idCom", staffOf(d, site)},
                   {"CliCivilite", m_rng.pick(L("CliCivilite"))}, {"CliNom", name}, {"CliPrenom", first},
                   {"CliAdresse1", std::to_string(1 + m_rng.below(120)) + " " + m_rng.pick(kStreets)},
                   {"CliCP", town.first}, {"CliVille", town.second}, {"CliPays", "FRANCE"},
                   {"CliEmail", email + "@example.fr"}, {"CliMobile", "06" + digits(m_rng, 8)},
                   {"CliTelDom", m_rng.chance(60) ? "03" + digits(m_rng, 8) : ""},
                   {"CliDateNaissance", isoDate(kDemoToday - 7000 - m_rng.below(18000))},
                   {"CliSituationFamille", m_rng.pick(L("CliSituationFamille"))},
                   {"CliNbEnfants", std::to_string(m_rng.below(4))}, {"CliOrigine", m_rng.pick(L("CliOrigine"))},
                   {"DateCreation", isoDate(created)},
                   {"CliObservations", m_rng.chance(20) ? "Client fidèle\r\nPréfère être appelé le soir" : ""},
                   {"PATypeVO", m_rng.chance(30) ? ";VO;" : ""}, {"CliDateProchainAchat", m_rng.chance(30) ? isoDate(kDemoToday + 60 + m_rng.below(400)) : ""}};
        const long long id = insert(m_c, "tClients", row);
        for (int a = m_rng.below(4); a > 0; --a) {
            const long when = created + m_rng.below(static_cast<int>(kDemoToday - created));
            insert(m_c, "tActions",
                   {{"idClient", std::to_string(id)}, {"DateAction", isoDate(when)}, {"idCom", staffOf(d, site)},
                    {"TypeAction", position("TypeAction")}, {"SujetAction", position("SujetAction")},
                    {"CommentaireAction", m_rng.chance(80) ? "Contact " + m_rng.pick(L("TypeAction")) : ""},
                    {"DateRelance", isoDate(when + 15 + m_rng.below(60))}, {"idComRelance", staffOf(d, site)},
                    {"SujetRelance", position("SujetAction")}, {"PrioriteRelance", position("PrioriteRelance")}});
        }
        for (int v = m_rng.below(3); v > 0; --v) {
            const auto& [make, model] = m_rng.pick(d.models);
            const long bought = created - m_rng.below(2000);
            insert(m_c, "TVehiclesKundor",
                   {{"idClient", std::to_string(id)}, {"NVO", std::to_string(100 + m_rng.below(9000))},
                    {"idOwner", m_rng.pick(d.users)}, {"Concession", d.code}, {"TypeVO", m_rng.chance(50) ? "VO" : "VN"},
                    {"DateOrdre", isoDate(bought)}, {"Site", site}, {"InfoMarque", make}, {"InfoModele", model},
                    {"InfoVersion", asciiUpper(model) + " 1.6"}, {"MEC", isoDate(bought - m_rng.below(900))},
                    {"Immatriculation", plate(m_rng)}, {"KMS", std::to_string(5000 + m_rng.below(150000))},
                    {"DateFinGarantie", isoDate(bought + 730)}, {"TypeFinancement", m_rng.pick(L("TypeFinancement"))},
                    {"AbbrFinancement", m_rng.pick(L("AbbrFinancement"))},
                    {"MensualiteFinancement", money(150 + m_rng.below(400))},
                    {"DateLastSAV", isoDate(kDemoToday - m_rng.below(300))}, {"KmLastSAV", std::to_string(m_rng.below(90000))},
                    {"SatisfVehicle", m_rng.pick(L("SatisfVehicle"))}, {"SatisfSAV", m_rng.pick(L("SatisfVehicle"))}});
        }
        return {id, name + " " + first, site};
    }

    void vehicle(const Dealership& d, const std::vector<Customer>& customers, int i) {
        const int kind = i % 10 < 5 ? 1 : (i % 10 < 8 ? 2 : 3); // VO, VN, VD
        const long long idTVO = ++m_lastId;
        const long long idVO = idTVO + 40000;
        const std::string site = m_rng.pick(d.sites);
        const long entry = kDemoToday - 5 - m_rng.below(900);
        const bool sold = !customers.empty() && m_rng.chance(kind == 3 ? 10 : 50);
        const Customer* buyer = sold ? &customers[static_cast<std::size_t>(m_rng.below(static_cast<int>(customers.size())))] : nullptr;
        const long order = entry + 5 + m_rng.below(60);
        Row row = {{"idTVO", std::to_string(idTVO)}, {"idVO", std::to_string(idVO)},
                   {"TypeVO", kind == 1 ? "1" : "2"}, {"Concession", d.code}, {"Site", site},
                   {"idOwner", m_rng.pick(d.users)}, {"idCom", staffOf(d, site)},
                   {"NVO", std::to_string(kind == 1 ? 24000 + i : (kind == 2 ? 5000 + i : 8000 + i))},
                   {"InfoCouleur", m_rng.pick(L("InfoCouleur"))}, {"InfoCarrosserie", m_rng.pick(L("InfoCarrosserie"))},
                   {"InfoEnergie", m_rng.pick(L("InfoEnergie"))}, {"InfoBoite", code("InfoBoite")},
                   {"CV", std::to_string(4 + m_rng.below(9))}, {"DateEntree", isoDate(entry)},
                   {"DateCreation", isoDate(entry)}, {"ModeTVA", kind == 1 ? std::to_string(1 + m_rng.below(2)) : "1"}};
        if (buyer) {
            row.insert(row.end(), {{"Acheteur", buyer->name}, {"idClient", std::to_string(buyer->id)},
                                   {"DateOrdre", isoDate(order)}, {"Destination", m_rng.pick(L("Destination"))}});
            if (order + 20 < kDemoToday) row.emplace_back("DateLivraison", isoDate(order + 3 + m_rng.below(17)));
        }
        if (kind == 1) {
            const auto& [make, model] = m_rng.pick(d.models);
            const double reprise = 3000 + m_rng.below(17000);
            row.insert(row.end(), {{"InfoMarque", make}, {"InfoModele", model},
                                   {"InfoVersion", asciiUpper(model) + " " + std::to_string(1 + m_rng.below(2)) + ".6 " + code("InfoEnergie")},
                                   {"InfoOrigine", m_rng.pick(L("InfoOrigine"))},
                                   {"KMS", std::to_string(5000 + m_rng.below(175000))},
                                   {"MEC", isoDate(entry - 200 - m_rng.below(2500))}, {"Immatriculation", plate(m_rng)},
                                   {"PrixReprise", money(reprise)}, {"PrixVente", money(reprise + 500 + m_rng.below(3000))},
                                   {"TPVO", m_rng.chance(30) ? "150" : "0"}, {"PrixGarantie", m_rng.chance(50) ? "290" : "0"},
                                   {"TypeGarantie", m_rng.pick(L("TypeGarantie"))}, {"DureeGarantie", m_rng.pick(L("DureeGarantie"))},
                                   {"InfoEquiInterieur", keysOf(m_rng, m_keys["EquiInterieur"])},
                                   {"InfoEquiExterieur", keysOf(m_rng, m_keys["EquiExterieur"])},
                                   {"InfoEquiSecurite", keysOf(m_rng, m_keys["EquiSecurite"])},
                                   {"InfoComplement", keysOf(m_rng, m_keys["Complement"])}});
        } else {
            const auto& [make, model, version] = m_rng.pick(d.versions);
            const double catalogue = 14000 + m_rng.below(30000);
            row.insert(row.end(), {{"InfoMarque", make}, {"InfoModele", model}, {"InfoTypeVersion", version},
                                   {"InfoVersion", asciiUpper(model) + " " + asciiUpper(version)},
                                   {"PrixCatalogue", money(catalogue)}, {"PrixVente", money(catalogue * 0.92)},
                                   {"InfoOptions", keysOf(m_rng, m_keys["OptionsVN"])}});
            if (kind == 3) {
                row.insert(row.end(), {{"StatutVD", m_rng.pick(L("StatutVD"))}, {"KMS", std::to_string(500 + m_rng.below(9000))},
                                       {"MEC", isoDate(entry)}, {"Immatriculation", plate(m_rng)}});
            } else {
                row.insert(row.end(), {{"StatutVN", m_rng.pick(L("StatutVN"))}, {"DateDisponibilite", isoDate(order + 30 + m_rng.below(60))},
                                       {"TypeFinancement", m_rng.pick(L("TypeFinancement"))},
                                       {"SituationAchat", m_rng.pick(L("SituationAchat"))},
                                       {"MontantAchat", money(catalogue * 0.8)}, {"DateAchat", isoDate(order + 20)},
                                       {"DateFacture", isoDate(order + 20)}, {"DateEcheance", isoDate(order + 80)},
                                       {"VFinancement", buyer ? money(catalogue * 0.5) : ""},
                                       {"MontantAcompte", buyer ? "1500.00" : ""}});
                if (!buyer && m_rng.chance(20)) row.emplace_back("DateAnnulation", isoDate(entry + 10));
                if (!buyer && m_rng.chance(40))
                    insert(m_c, "Reservations", {{"idTVO", std::to_string(idTVO)}, {"DResaMax", isoDate(realToday() + 3 + m_rng.below(20))},
                                                 {"Vendeur", staffOf(d, site, true)}, {"Acheteur", m_rng.pick(customers).name},
                                                 {"Commentaire", "Attente accord de financement"}});
            }
        }
        insert(m_c, "tVehicles", row);
        if (kind == 1) costsAndPhotos(d, idTVO, idVO, entry, i);
    }

    void costsAndPhotos(const Dealership& d, long long idTVO, long long idVO, long entry, int i) {
        for (int k = m_rng.below(5); k > 0; --k) {
            const bool booked = m_rng.chance(35);
            insert(m_c, "[tVO - Frevo]",
                   {{"idVO", std::to_string(idVO)}, {"DateFrevo", isoDate(entry + m_rng.below(40))},
                    {"LibelleFrevo", m_rng.pick(L("LibFrevo"))}, {"NComptable", booked ? "6061" + digits(m_rng, 2) : ""},
                    {"NomFournisseur", m_rng.pick(L("Fournisseur"))},
                    {"NFacture", booked || m_rng.chance(20) ? "F" + digits(m_rng, 6) : ""},
                    {"TypeFrevo", m_rng.pick(std::vector<std::string>{"interne", "externe", "prévision"})},
                    {"MontantHT", money(40 + m_rng.below(900))}});
        }
        if (i % 3 != 0) return;
        std::string first;
        for (int k = 1, n = 1 + m_rng.below(3); k <= n; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "%c%07lld-%02d", d.code[0], idVO, k);
            if (first.empty()) first = name;
            insert(m_c, "[tVO - Liens Images]", {{"idVO", std::to_string(idVO)}, {"NumImage", std::to_string(k)},
                                                  {"NomImage", name}, {"DateImage", isoDate(entry + k) + " 10:0" + std::to_string(k) + ":00"}});
            if (m_options.photos)
                writeVehiclePhotos(m_options.photosDir, name, kColours[static_cast<std::size_t>(i + k) % kColours.size()],
                                   static_cast<unsigned>(idVO * 10 + k));
        }
        auto q = m_c.query("UPDATE tVehicles SET NomImage=? WHERE idTVO=?");
        q.bind(1, first).bind(2, idTVO);
        q.step();
    }

    Connection& m_c;
    const DemoOptions& m_options;
    Rng m_rng{20261130u};
    long long m_lastId = 1000;
    std::map<std::string, std::vector<std::string>> m_lists, m_keys;
};

} // namespace

void generateRecords(Connection& c, const DemoOptions& options) { Generator(c, options).run(); }

} // namespace webserver::demo
