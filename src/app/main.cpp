// garvex: one window per user and parameter folder; a second start brings the first to the
// front, and "garvex --actualize" makes it re-read its parameters and reload.
#include "app/AxGarvex.h"
#include "app/IniStore.h"
#include "lists/PickLists.h"
#include "platform/Hints.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/QtDialogs.h"
#include "platform/SingleInstance.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "search/SearchPanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

namespace {

// Hands the message to the running instance, whose process id its INI file holds. It may be
// starting at this very moment, so it gets a few seconds to open its socket.
bool tellFirstInstance(const platform::SingleInstance& instance, const QByteArray& message) {
    QElapsedTimer waited;
    waited.start();
    do {
        const qint64 pid = platform::IniFile(app::GetIniFileName())
                               .ReadString(u"Options", u"FirstApplicationHandle")
                               .toLongLong();
        if (instance.Send(pid, message, 1000)) return true;
        QThread::msleep(100);
    } while (waited.elapsed() < 3000);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("garvex"));
    QApplication::setStyle(platform::CreateAppStyle());
    const bool actualize = QApplication::arguments().contains(QStringLiteral("--actualize"));

    QDir(platform::AppDataDir()).mkpath(QStringLiteral("Garvex"));
    platform::SingleInstance instance(QStringLiteral("ProjGarvex"),
                                      platform::AppDataDir() + QStringLiteral("/Garvex/ProjGarvex.lock"));
    if (!instance.Claim()) {
        if (tellFirstInstance(instance, actualize ? "actualize" : "activate")) return 0;
        std::fputs("garvex : une autre instance est ouverte mais ne répond pas\n", stderr);
        return 1;
    }
    if (actualize) {
        std::fputs("garvex : aucune fenêtre ouverte à actualiser\n", stderr);
        return 1;
    }

    platform::QtDialogs dialogs;
    app::TAxGarvex window(dialogs);
    dialogs.SetOwner(&window);
    record::TRecordForm& form = record::AttachRecordForm(window);
    lists::PickLists pickLists(window); // goes before the window, with its handlers
    record::ConnectPickLists(form, pickLists);
    search::TSearchPanel searchPanel(window); // goes before the window, with its handlers
    searchPanel.Reload = [&form] { form.Commands.JvXPBtnActualizeClick(); };
    searchPanel.SaveChanges = [&form] { return form.Commands.SaveChanges(); };
    QObject::connect(&instance, &platform::SingleInstance::MessageReceived, &window,
                     [&window](const QByteArray& message) {
                         if (message == "actualize")
                             window.OnMsgActualize();
                         else
                             window.ActivateFirstWindow();
                     });
    if (!instance.Listen())
        std::fputs("garvex : les démarrages suivants ne pourront pas joindre cette fenêtre\n", stderr);
    window.show();
    return QApplication::exec();
}
