#include "Parameters.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace app {

std::optional<int> ZeroPrefixedInteger(const QString& value) {
    const QString text = u'0' + value;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

bool TraceSwitch(const QString& value) {
    return ZeroPrefixedInteger(value).value_or(0) != 0;
}

QString CheckIniFile(const QString& fileName) {
    if (!QFileInfo::exists(fileName))
        return QStringLiteral("Fichier de paramètres introuvable : ") + fileName;
    const platform::IniFile ini(fileName);
    if (!ini.readable()) return QStringLiteral("Fichier de paramètres illisible : ") + fileName;
    for (const ParameterKey& p : ParameterKeys)
        if (!ini.ReadString(u"Options", QString::fromLatin1(p.key)).isEmpty()) return {};
    return QStringLiteral("Aucun paramètre dans la section [Options] du fichier : ") + fileName;
}

QString ProxyFromEnvironment() {
    QString value = qEnvironmentVariable("http_proxy");
    if (value.isEmpty()) value = qEnvironmentVariable("HTTP_PROXY");
    value = value.trimmed();
    if (value.isEmpty()) return {};
    const QUrl url = QUrl::fromUserInput(value);
    if (!value.contains(QStringLiteral("://")) || !url.isValid() || url.host().isEmpty()) return value;
    return url.port() < 0 ? url.host() : url.host() + u':' + QString::number(url.port());
}

QString DefaultComponentFolder() {
    return platform::AppDataDir() + QStringLiteral("/Garvex/Downloaded Program Files");
}

QString InstalledVersionOf(const QString& folder, const QString& OCXName) {
    const QString name = QFileInfo(OCXName).fileName();
    if (name.isEmpty()) return {};
    QFile f(folder + u'/' + name + QStringLiteral(".version"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString version = QString::fromLatin1(f.readLine(256)).trimmed();
    version.replace(u'.', u',');
    return version;
}

QString ProgramVersion() {
    return QStringLiteral(GARVEX_VERSION);
}

} // namespace app
