#include "webserver/Server.h"

#include "webserver/ClientSql.h"
#include "webserver/Database.h"
#include "webserver/PhotoStore.h"
#include "webserver/RecordScripts.h"
#include "webserver/ReferenceScripts.h"
#include "webserver/SmsScript.h"
#include "webserver/Text.h"
#include "webserver/XmlAnswer.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

namespace webserver {
namespace {

using Params = std::map<std::string, std::string>;

constexpr const char* kXmlType = "text/xml; charset=ISO-8859-1";
constexpr std::size_t kMaxPhotoBytes = 4096000;

// The scripts answer under any folder of the server (the client's root address ends with "/").
std::string scriptPattern(const char* name) { return std::string(R"((?:/[^/]+)*/)") + name; }

// Parameters of the query string, and of a form body: the query string is decoded without
// turning "+" into a blank (the client sends "+" as it is), a url-encoded body the usual way, and
// a multipart body not at all (the client's own "%22"-style escapes are then still in the SQL).
struct Request {
    Params params;
    bool fromForm = false;
};

Request parameters(const httplib::Request& req) {
    Request r;
    const auto q = req.target.find('?');
    if (q != std::string::npos) r.params = parseQueryString(std::string_view(req.target).substr(q + 1));
    if (req.is_multipart_form_data()) {
        r.fromForm = true;
        for (const auto& [name, part] : req.files)
            if (part.filename.empty()) r.params.emplace(name, part.content);
    } else if (req.method == "POST") {
        std::string body = req.body;
        for (char& c : body)
            if (c == '+') c = ' ';
        for (auto& [name, value] : parseQueryString(body)) r.params.emplace(name, value);
    }
    return r;
}

std::string param(const Params& params, const char* name) {
    const auto it = params.find(name);
    return it == params.end() ? std::string() : it->second;
}

const char* statusText(int status) {
    switch (status) {
    case 400: return "Requête mal formée";
    case 404: return "Script ou fichier inconnu";
    case 405: return "Méthode HTTP non acceptée";
    case 413: return "Requête trop volumineuse";
    case 414: return "Adresse trop longue : l'instruction dépasse la limite d'une adresse (8 Ko)";
    default: return "Erreur du serveur";
    }
}

} // namespace

struct Server::Impl {
    std::unique_ptr<Database> db;
    std::unique_ptr<PhotoStore> photos;
    httplib::Server http;
    std::thread worker;
    std::atomic<bool> ended{false};
    ServerOptions options;
    int port = 0;

    void xml(httplib::Response& res, std::string body) { res.set_content(std::move(body), kXmlType); }
    void observe(const char* script, const Params& params) {
        if (options.onRequest) options.onRequest(script, params);
    }

    void routes() {
        // A script answers GET (the client's requests) and POST (a form, for statements too long
        // for an address).
        const auto script = [this](const char* name, auto handler) {
            const auto wrapped = [this, name, handler](const httplib::Request& req, httplib::Response& res) {
                const Request r = parameters(req);
                observe(name, r.params);
                xml(res, handler(r.params, r.fromForm));
            };
            http.Get(scriptPattern(name), wrapped);
            http.Post(scriptPattern(name), wrapped);
        };
        script("AxInfoVO", [this](const Params& p, bool) {
            return runAxInfoVO(*db, param(p, "idTVO"), param(p, "UserID"), param(p, "idClient"));
        });
        script("AxInfoCL", [this](const Params& p, bool) {
            return runAxInfoCL(*db, param(p, "UserID"), param(p, "idClient"));
        });
        script("AxInfoStruct", [this](const Params& p, bool) { return runAxInfoStruct(*db, param(p, "UserConcession")); });
        script("AxInfoEquip", [this](const Params& p, bool) {
            return runAxInfoEquip(*db, param(p, "UserConcession"), param(p, "WHERE_CLAUSE"), options.limits);
        });
        script("AxQuery", [this](const Params& p, bool fromForm) {
            return runAxQuery(*db, param(p, "SQL"), fromForm, param(p, "MaxRows"), options.limits);
        });
        script("AxUpdate", [this](const Params& p, bool fromForm) {
            return runAxUpdate(*db, param(p, "SQLExecute"), fromForm, options.limits);
        });
        http.Get(scriptPattern("AxInsert"), [this](const httplib::Request& req, httplib::Response& res) {
            const Request r = parameters(req);
            observe("AxInsert", r.params);
            xml(res, runAxInsert(*db, param(r.params, "SQLExecute"), false, options.limits));
        });
        http.Post(scriptPattern("AxInsert"), [this](const httplib::Request& req, httplib::Response& res) {
            xml(res, insertWithPhotos(req));
        });
        http.Get(std::string(kPhotoPath) + "([^/]+)", [this](const httplib::Request& req, httplib::Response& res) {
            if (auto bytes = photos->read(req.matches[1].str())) {
                res.set_content(std::move(*bytes), "image/jpeg");
            } else {
                res.status = 404;
                res.set_content("Photo introuvable : " + win1252FromUtf8(req.matches[1].str()), "text/plain; charset=ISO-8859-1");
            }
        });
        http.Post("/tools/smssend/smssend.php5", [this](const httplib::Request& req, httplib::Response& res) {
            const Params p = parameters(req).params;
            res.set_content(win1252FromUtf8(runSmsSend(*db, param(p, "destinataire"), param(p, "texte"))),
                            "text/plain; charset=ISO-8859-1");
        });
        http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
            if (res.body.empty())
                res.set_content(logItemsAnswer({"HTTP " + std::to_string(res.status) + " : " + statusText(res.status)}),
                                kXmlType);
        });
        http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
            std::string what = "Erreur interne du serveur";
            try {
                std::rethrow_exception(ep);
            } catch (const std::exception& e) {
                what += std::string(" : ") + e.what();
            } catch (...) {
            }
            res.status = 500;
            res.set_content(logItemsAnswer({what}), kXmlType);
        });
    }

    // AxInsert posted as a form: the statement, and for a photo the two files named by
    // NFImage and NFImageMini, stored only when the statement succeeds.
    std::string insertWithPhotos(const httplib::Request& req) {
        const Request r = parameters(req);
        const Params& p = r.params;
        observe("AxInsert", p);
        std::vector<PhotoStore::Upload> uploads;
        std::vector<std::string> names;
        for (const char* key : {"NFImage", "NFImageMini"})
            if (auto it = p.find(key); it != p.end()) names.push_back(it->second);
        const auto files = req.files.equal_range("File");
        for (auto it = files.first; it != files.second; ++it) {
            if (uploads.size() == names.size()) return logItemsAnswer({"Fichier envoyé sans son nom (NFImage, NFImageMini)"});
            uploads.push_back({names[uploads.size()], it->second.content});
        }
        if (uploads.size() != names.size()) return logItemsAnswer({"Nom de photo envoyé sans son fichier"});
        for (const auto& u : uploads)
            if (auto why = PhotoStore::check(u, kMaxPhotoBytes); !why.empty()) return logItemsAnswer({why});
        return runAxInsert(*db, param(p, "SQLExecute"), r.fromForm, options.limits, [&] {
            try {
                photos->store(uploads);
            } catch (const std::exception& e) {
                throw sql::SqlError(e.what());
            }
        });
    }
};

Server::Server() : d(std::make_unique<Impl>()) {}
Server::~Server() { stop(); }

int Server::start(const std::string& dbPath, const std::string& photosDir, const std::string& bindAddress, int port) {
    ServerOptions options;
    options.dbPath = dbPath;
    options.photosDir = photosDir;
    options.bindAddress = bindAddress;
    options.port = port;
    return start(options);
}

int Server::start(const ServerOptions& options) {
    if (d->worker.joinable()) throw StartError(StartError::Cause::Listen, "Le serveur est déjà démarré");
    d->options = options;
    try {
        d->db = std::make_unique<Database>(options.dbPath, Database::Options{options.busyTimeout, false});
    } catch (const DatabaseError& e) {
        throw StartError(StartError::Cause::Database, e.what());
    }
    d->photos = std::make_unique<PhotoStore>(options.photosDir);
    d->http.set_tcp_nodelay(true);
    // The library's default adds SO_REUSEPORT, with which a second server would silently share a
    // port already taken instead of reporting it.
    d->http.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    d->http.set_keep_alive_max_count(100000);
    // An idle connection holds a worker, and stop() waits for it: keep the wait short.
    d->http.set_keep_alive_timeout(5);
    d->http.set_payload_max_length(16 * 1024 * 1024);
    const std::size_t threads = options.threads;
    d->http.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    d->routes();
    const int bound = options.port == 0 ? d->http.bind_to_any_port(options.bindAddress)
                                        : (d->http.bind_to_port(options.bindAddress, options.port) ? options.port : -1);
    if (bound <= 0)
        throw StartError(StartError::Cause::Listen, "Impossible d'écouter sur " + options.bindAddress + ":" + std::to_string(options.port) +
                         " (port déjà utilisé ou adresse invalide)");
    d->port = bound;
    d->ended = false;
    d->worker = std::thread([this] {
        d->http.listen_after_bind();
        d->ended = true;
    });
    while (!d->http.is_running() && !d->ended) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (d->ended) {
        d->worker.join();
        throw StartError(StartError::Cause::Listen, "Le serveur s'est arrêté dès son démarrage sur le port " + std::to_string(bound));
    }
    return bound;
}

void Server::stop() {
    if (!d->worker.joinable()) return;
    d->http.stop();
    d->worker.join();
}

int Server::port() const { return d->port; }

} // namespace webserver
