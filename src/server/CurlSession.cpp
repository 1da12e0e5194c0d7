#include "CurlSession.h"

#include "Requests.h"

#include <QElapsedTimer>
#include <curl/curl.h>
#include <map>

namespace server {
namespace {

// The longest address sent as it is; the web server's limit on a request line is 8 KB.
constexpr qsizetype kMaxRequestLine = 7168;

struct Transfer {
    QByteArray body;
    QElapsedTimer sinceData;
};

size_t onData(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    t->body.append(data, static_cast<qsizetype>(size * count));
    t->sinceData.restart();
    return size * count;
}

size_t onHeader(char*, size_t size, size_t count, void* user) {
    static_cast<Transfer*>(user)->sinceData.restart();
    return size * count;
}

QString describe(CURLcode code, const char* detail) {
    QString what;
    switch (code) {
    case CURLE_COULDNT_CONNECT: what = QStringLiteral("Connexion au serveur impossible"); break;
    case CURLE_COULDNT_RESOLVE_HOST: what = QStringLiteral("Serveur introuvable"); break;
    case CURLE_COULDNT_RESOLVE_PROXY: what = QStringLiteral("Proxy introuvable"); break;
    case CURLE_URL_MALFORMAT: what = QStringLiteral("Adresse de requête invalide"); break;
    case CURLE_GOT_NOTHING: what = QStringLiteral("Le serveur a fermé la connexion sans répondre"); break;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR: what = QStringLiteral("Réponse du serveur interrompue"); break;
    case CURLE_SEND_ERROR: what = QStringLiteral("Envoi de la requête interrompu"); break;
    default: what = QStringLiteral("Erreur réseau"); break;
    }
    const QString more = QString::fromUtf8(detail && *detail ? detail : curl_easy_strerror(code));
    return what + QStringLiteral(" (") + more + u')';
}

// Control bytes, and a "?" after the one that starts the query, cannot stand raw in a request
// line; they travel %-escaped, which the server decodes like any other escape.
QByteArray escapeForRequestLine(const QByteArray& url) {
    QByteArray out;
    out.reserve(url.size());
    bool inQuery = false;
    for (const char c : url) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || (c == '?' && inQuery))
            out += '%' + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
        inQuery = inQuery || c == '?';
    }
    return out;
}

} // namespace

struct CurlSession::Impl {
    std::function<void()> pump;
    CURLSH* share = nullptr;
    CURLM* multi = nullptr;
    QByteArray proxy;
    int active = 0;
    std::map<CURL*, CURLcode> finished;

    void collect() {
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left))
            if (msg->msg == CURLMSG_DONE) finished[msg->easy_handle] = msg->data.result;
    }
};

CurlSession::CurlSession(std::function<void()> pump) : d(std::make_unique<Impl>()) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    d->pump = std::move(pump);
    d->share = curl_share_init();
    curl_share_setopt(d->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    d->multi = curl_multi_init();
}

CurlSession::~CurlSession() {
    curl_multi_cleanup(d->multi);
    curl_share_cleanup(d->share);
}

void CurlSession::SetProxy(const QString& host, int port) {
    d->proxy = host.isEmpty() ? QByteArray() : (host + u':' + QString::number(port)).toUtf8();
}

void CurlSession::DropConnection() {
    // Connections live in the multi handle's pool; a transfer still running keeps it.
    if (d->active > 0) return;
    curl_multi_cleanup(d->multi);
    d->multi = curl_multi_init();
}

CurlSession::Result CurlSession::Perform(const QByteArray& url, const MultipartForm* form, int readTimeoutMs) {
    Result result;
    CURL* easy = curl_easy_init();
    if (!easy) {
        result.error = QStringLiteral("Erreur réseau (initialisation impossible)");
        return result;
    }
    Transfer transfer;
    char errors[CURL_ERROR_SIZE] = {};
    QByteArray address = escapeForRequestLine(url);
    // Servers refuse request lines beyond about 8 KB, and a statement with a long text goes past
    // that: such a query travels as the body of a POST instead, "+" escaped since a body reads it
    // as a blank. It is sent as plain text: the web server library caps bodies declared as
    // url-encoded forms at 8 KB too, and our server reads the body the same way whatever its type.
    QByteArray longQuery;
    if (!form && address.size() > kMaxRequestLine && address.contains('?')) {
        const qsizetype q = address.indexOf('?');
        longQuery = address.mid(q + 1).replace("+", "%2B");
        address.truncate(q);
    }
    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(easy, CURLOPT_SHARE, d->share);
    curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(easy, CURLOPT_PROXY, d->proxy.constData()); // "" ignores the environment
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
    curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
    curl_mime* mime = nullptr;
    if (form) {
        mime = curl_mime_init(easy);
        for (const auto& part : form->parts) {
            curl_mimepart* p = curl_mime_addpart(mime);
            curl_mime_name(p, part.name.toUtf8().constData());
            curl_mime_data(p, part.data.constData(), static_cast<size_t>(part.data.size()));
            if (!part.fileName.isEmpty()) {
                curl_mime_filename(p, part.fileName.toUtf8().constData());
                curl_mime_type(p, part.contentType.toUtf8().constData());
            }
        }
        curl_easy_setopt(easy, CURLOPT_MIMEPOST, mime);
        headers = curl_slist_append(headers, "Expect:");
    } else if (!longQuery.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(longQuery.size()));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, longQuery.constData());
        headers = curl_slist_append(headers, "Content-Type: text/plain");
        headers = curl_slist_append(headers, "Expect:");
    } else {
        headers = curl_slist_append(headers, "Content-Type: text/html");
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);

    CURLM* multi = d->multi;
    curl_multi_add_handle(multi, easy);
    ++d->active;
    transfer.sinceData.start();
    bool timedOut = false;
    for (;;) {
        int running = 0;
        curl_multi_perform(multi, &running);
        d->collect();
        if (d->finished.count(easy)) break;
        if (readTimeoutMs > 0 && transfer.sinceData.elapsed() > readTimeoutMs) {
            timedOut = true;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, 20, nullptr);
        if (d->pump) d->pump();
    }
    const auto done = d->finished.find(easy);
    const CURLcode code = done == d->finished.end() ? CURLE_OK : done->second;
    if (done != d->finished.end()) d->finished.erase(done);
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(multi, easy);
    --d->active;
    curl_easy_cleanup(easy);
    curl_mime_free(mime);
    curl_slist_free_all(headers);

    if (timedOut) {
        result.error = QStringLiteral("Délai de lecture dépassé : pas de réponse du serveur depuis %1 s")
                           .arg(readTimeoutMs / 1000.0);
    } else if (code != CURLE_OK) {
        result.error = describe(code, errors);
    } else if (status >= 400) {
        result.error = QStringLiteral("Erreur HTTP %1 du serveur").arg(status);
    } else {
        result.ok = true;
        result.body = std::move(transfer.body);
    }
    return result;
}

} // namespace server
