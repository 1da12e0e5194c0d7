// A screenshot of the search panel with results: the real window, offscreen, against the web
// server with a fresh demo database. Usage: shot_search <output folder>
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/Hints.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "search/SearchPanel.h"
#include "tests/support/DemoFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    if (argc < 2) {
        std::fputs("usage: shot_search <dossier>\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/search.png");
    const DemoFolder demo(false);
    demo.WriteIni("1001", "", "1", "1000005"); // a user of two of the three sites
    platform::ScriptedDialogs dialogs;
    app::TAxGarvex window(dialogs);
    window.Timer1->stop();
    record::TRecordForm& form = record::AttachRecordForm(window);
    lists::PickLists pickLists(window);
    record::ConnectPickLists(form, pickLists);
    search::TSearchPanel panel(window);
    window.show();
    window.Timer1Timer();
    window.JvXPBtnSearch->click();
    panel.BtnActivate(panel.TSLbClient, panel.TSClient);
    panel.ncbSearch->setText(QStringLiteral("MAR"));
    while (window.State.SearchCountdown > 0)
        window.Timer1Timer();
    QApplication::processEvents();
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}
