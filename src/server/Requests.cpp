#include "Requests.h"

#include "CurlSession.h"
#include "TagReader.h"
#include "platform/DelphiDate.h"
#include "platform/Win1252.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace server {
namespace {

constexpr int kReadTimeoutMs = 5000;
constexpr int kAttempts = 5;
constexpr int kPauseMs = 250;
constexpr int kIdleDropSeconds = 300;

QString markerOf(const QByteArray& answer) {
    const QByteArray upper = answer.toUpper();
    QString marker;
    if (upper.contains("WAIT_TIMEOUT")) marker = QStringLiteral("WAIT_TIMEOUT");
    if (upper.contains("<![CDATA[TIMEOUT]]>")) marker = QStringLiteral("TIMEOUT");
    if (upper.contains("<![CDATA[WAIT_TIMEOUT]]>")) marker = QStringLiteral("WAIT_TIMEOUT");
    return marker;
}

// The answers declare ISO-8859-15 now and then; the files always say ISO-8859-1.
QByteArray withLatin1Declaration(const QByteArray& answer) {
    const QByteArray upper = answer.toUpper();
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = upper.indexOf("8859-15"); at >= 0; at = upper.indexOf("8859-15", from)) {
        out += answer.mid(from, at - from) + "8859-1";
        from = at + 7;
    }
    return from == 0 ? answer : out + answer.mid(from);
}

QString logItemsOf(const QString& answer) {
    TXml xml(answer);
    XmlSelect(xml, QStringLiteral("LogItems"));
    QString text;
    while (XmlNext(xml, QStringLiteral("LogItem")) != 0)
        text += xml.Item + QStringLiteral(" - ");
    return text;
}

QString escapedAddress(QString address) {
    return address.replace(u' ', QStringLiteral("%20")).replace(u'#', QStringLiteral("%23"));
}

QByteArray wireAddress(QString address) {
    return platform::toWin1252(address.replace(u'\\', u'/'));
}

} // namespace

void MultipartForm::AddField(const QString& name, const QString& value) {
    parts.push_back({name, platform::toWin1252(value), {}, {}});
}

void MultipartForm::AddFile(const QString& name, const QString& fileName, QByteArray data,
                            const QString& contentType) {
    parts.push_back({name, std::move(data), fileName, contentType});
}

struct Requests::Impl {
    RequestHost& host;
    CurlSession session;

    explicit Impl(RequestHost& h) : host(h), session([&h] { h.ProcessEvents(); }) {}

    void startRequest() {
        if (host.IdleSeconds() > kIdleDropSeconds) session.DropConnection();
        host.IdleSeconds() = 0;
    }

    void pause(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            host.ProcessEvents();
            QThread::msleep(5);
        }
    }

    // Writes the answer and sets the warning line from its LogItems, after `warning`.
    bool store(const QByteArray& answer, const QString& file, QString warning) {
        const QByteArray stored = withLatin1Declaration(answer);
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(stored) != stored.size() || !out.commit()) {
            const QString why = QStringLiteral("Impossible d'écrire le fichier de réponse ") + file;
            host.WriteTrace(why);
            host.SetWarningLine(why);
            return false;
        }
        warning += logItemsOf(platform::fromWin1252(stored));
        host.SetWarningLine(warning);
        return warning.isEmpty();
    }
};

Requests::Requests(RequestHost& host) : d(std::make_unique<Impl>(host)) {}
Requests::~Requests() = default;

void Requests::SetProxy(const QString& host, int port) {
    d->session.SetProxy(host, port);
}
void Requests::DropConnection() {
    d->session.DropConnection();
}

bool Requests::HttpExecute(const QString& address, const QString& file) {
    const QString url = escapedAddress(address + QStringLiteral("&idClient=") + d->host.idClient());
    d->startRequest();
    d->host.WriteTrace(QStringLiteral("HttpExecute : ") + url + QStringLiteral(" -> ") + file);
    const QByteArray wire = wireAddress(url);
    CurlSession::Result answer;
    QString marker;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (attempt > 1) d->pause(kPauseMs);
        answer = d->session.Perform(wire, nullptr, kReadTimeoutMs);
        if (!answer.ok) {
            d->host.SetWarningLine(QStringLiteral("Exception : ") + answer.error);
            d->host.WriteTrace(QStringLiteral("HttpExecute Exception : ") + answer.error);
            return false;
        }
        marker = markerOf(answer.body);
        if (marker.isEmpty()) break;
    }
    // Still marked after the last attempt: the whole answer says what the server was doing.
    const QString warning = marker.isEmpty() ? QString() : platform::fromWin1252(answer.body);
    return d->store(answer.body, file, warning);
}

bool Requests::HttpPost(const QString& address, const QString& file, const MultipartForm& form) {
    const QString url = escapedAddress(address);
    d->host.WriteTrace(QStringLiteral("HttpPost : ") + url + QStringLiteral(" -> ") + file);
    d->startRequest();
    CurlSession::Result answer = d->session.Perform(wireAddress(url), &form, kReadTimeoutMs);
    if (!answer.ok) {
        // The file carries the agreed failure text; the warning line says it too, so that no
        // caller takes a failed transfer for a success.
        d->host.WriteTrace(QStringLiteral("HttpPost Exception : ") + answer.error);
        d->store(platform::toWin1252(u" - Erreur de transfert sur le serveur "), file, {});
        d->host.SetWarningLine(QStringLiteral("Exception : ") + answer.error);
        return false;
    }
    return d->store(answer.body, file, {});
}

bool Requests::HttpGetCached(const QString& address, const QString& file) {
    const QFileInfo info(file);
    if (!d->host.CtrlHeld() && info.exists()) {
        // File dates count in steps of two seconds.
        QDateTime written = info.lastModified();
        written = written.addSecs(-(written.time().second() % 2)).addMSecs(-written.time().msec());
        if (platform::FromQDateTime(written) > platform::Now() - 0.5) return true;
    }
    return HttpExecute(address, file);
}

void Requests::UpdateParams(const QString& BaseHRef, const QString& UserConcession) {
    if (BaseHRef.isEmpty()) return;
    const QString equip = d->host.TempDir() + QStringLiteral("/XmlEquip.xml");
    if (QFile::exists(equip)) {
        const std::optional<QString> text = LoadTextFile(equip);
        if (!text) return;
        TXml xml(*text);
        XmlSelect(xml, QStringLiteral("document"));
        QString concession;
        XmlGet(xml, QStringLiteral("Concession"), concession);
        // Another dealership's lists must never be reused.
        if (concession != UserConcession && !QFile::remove(equip)) return;
    }
    HttpGetCached(BaseHRef + QStringLiteral("AxInfoEquip?XMLC_OutputFormat=XML&UserConcession=") +
                      UserConcession +
                      QStringLiteral("&WHERE_CLAUSE=Where (RubricItem='..') or (RubricItem='") +
                      UserConcession + QStringLiteral("')"),
                  equip);
    HttpGetCached(BaseHRef + QStringLiteral("AxInfoStruct?XMLC_OutputFormat=XML&UserConcession=") +
                      UserConcession,
                  d->host.TempDir() + QStringLiteral("/XmlStruct.xml"));
}

QByteArray Requests::PostForm(const QString& address, const MultipartForm& form, QString* error) {
    d->startRequest();
    CurlSession::Result answer =
        d->session.Perform(wireAddress(escapedAddress(address)), &form, kReadTimeoutMs);
    if (error) *error = answer.error;
    return answer.body;
}

} // namespace server
