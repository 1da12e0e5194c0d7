// Screenshots of the demo dealership's records: the real window, offscreen, against the web
// server with a fresh demo database. Usage: shot_records <output folder>
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/Hints.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "webserver/DemoLoader.h"
#include "webserver/Server.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

void writeIni(const QString& folder, const QString& base, const QString& idTVO, const QString& idClient,
              const QString& idTypeVO, const QString& idUser) {
    QFile f(folder + "/Garvex/TAXGarvex.ini");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    const QString text = "[Options]\r\nHttpRoot=" + base + "\r\nBaseHRef=" + base + "\r\nidTVO=" + idTVO +
                         "\r\nidClient=" + idClient + "\r\nidTypeVO=" + idTypeVO + "\r\nidUser=" + idUser +
                         "\r\nUserConcession=MER\r\nUserSite=#\r\nURLImages=" + base + "voimages/\r\n";
    f.write(text.toLatin1());
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    if (argc < 2) {
        std::fputs("usage: shot_records <dossier>\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    qputenv("APPDATA", dir.path().toUtf8());
    qputenv("TEMP", dir.filePath("temp").toUtf8());
    QDir().mkpath(dir.filePath("Garvex"));
    QDir().mkpath(dir.filePath("temp"));
    webserver::demo::DemoOptions demo;
    demo.dbPath = dir.filePath("demo.sqlite").toStdString();
    demo.photosDir = dir.filePath("photos").toStdString();
    webserver::demo::createDemo(demo);
    webserver::Server web;
    const int port = web.start(demo.dbPath, demo.photosDir);
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(port);

    const struct {
        const char *file, *idTVO, *idClient, *idTypeVO, *idUser;
    } shots[] = {
        {"window.png", "1001", "", "1", "1000001"}, // what ./run demo opens
        {"record-vo.png", "1001", "", "1", "1000005"}, {"record-vd.png", "1009", "", "3", "1000001"},
        {"record-vn.png", "1017", "", "2", "1000002"}, {"record-cl.png", "", "80", "1", "1000003"},
    };
    platform::ScriptedDialogs dialogs;
    for (const auto& s : shots) {
        writeIni(dir.path(), base, s.idTVO, s.idClient, s.idTypeVO, s.idUser);
        app::TAxGarvex window(dialogs);
        window.Timer1->stop();
        record::TRecordForm& form = record::AttachRecordForm(window);
        lists::PickLists pickLists(window);
        record::ConnectPickLists(form, pickLists);
        window.show();
        window.Timer1Timer();
        QApplication::processEvents();
        const QString file = out + u'/' + QString::fromLatin1(s.file);
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
