// Screenshots of the demo dealership's records: the real window, offscreen, against the web
// server with a fresh demo database. Usage: shot_records <output folder>
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/Hints.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "tests/support/DemoFolder.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    if (argc < 2) {
        std::fputs("usage: shot_records <dossier>\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const DemoFolder demo(true);

    const struct {
        const char *file, *idTVO, *idClient, *idTypeVO, *idUser;
    } shots[] = {
        {"window.png", "1001", "", "1", "1000001"}, // what ./run demo opens
        {"record-vo.png", "1001", "", "1", "1000005"}, {"record-vd.png", "1009", "", "3", "1000001"},
        {"record-vn.png", "1017", "", "2", "1000002"}, {"record-cl.png", "", "80", "1", "1000003"},
    };
    platform::ScriptedDialogs dialogs;
    for (const auto& s : shots) {
        demo.WriteIni(s.idTVO, s.idClient, s.idTypeVO, s.idUser);
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
