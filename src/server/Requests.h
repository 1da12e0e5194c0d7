#pragma once
// The request client: every exchange with the server scripts, its response files and the warning
// line. One instance per window; it keeps its connection and cookies for the life of the process.
#include "server/RequestHost.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace server {

// A multipart/form-data body: text fields and files, in the order added.
struct MultipartForm {
    struct Part {
        QString name;
        QByteArray data;
        QString fileName;    // empty for a plain field
        QString contentType; // for files
    };
    std::vector<Part> parts;

    void AddField(const QString& name, const QString& value);
    void AddFile(const QString& name, const QString& fileName, QByteArray data,
                 const QString& contentType = QStringLiteral("image/jpeg"));
};

class Requests {
public:
    explicit Requests(RequestHost& host);
    ~Requests();
    Requests(const Requests&) = delete;
    Requests& operator=(const Requests&) = delete;

    // An empty host switches the proxy off.
    void SetProxy(const QString& host, int port);
    // Closes the open connection; the next request opens a new one (cookies are kept).
    void DropConnection();

    // Each of these writes its answer to `file` (a full path) and sets the warning line; true when
    // the warning line is empty, that is when the file is fresh and clean.

    // GET with "&idClient=" appended and up to five attempts while the server answers with a
    // time-out marker. A failed exchange keeps the old file.
    bool HttpExecute(const QString& address, const QString& file);
    // One multipart POST; when it fails the file holds " - Erreur de transfert sur le serveur ".
    bool HttpPost(const QString& address, const QString& file, const MultipartForm& form);
    // HttpExecute unless the file is less than twelve hours old (Ctrl held forces the request).
    bool HttpGetCached(const QString& address, const QString& file);
    // Refreshes XmlEquip.xml and XmlStruct.xml in TempDir.
    void UpdateParams(const QString& BaseHRef, const QString& UserConcession);

    // A plain POST of a form answered in memory (the SMS script). Empty on failure, with the
    // error in `error`.
    QByteArray PostForm(const QString& address, const MultipartForm& form, QString* error);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace server
