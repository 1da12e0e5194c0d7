// The two built programs end to end: the web server on a demo database, the client on a virtual X
// display driven by xdotool like a user, and the new price read back from the SQLite file.
// Where to click is asked of the same window built in this process on the same record.
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/FormBuilder.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "server/Requests.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

constexpr const char* kVehicle = "1001";
constexpr const char* kUser = "1000001"; // the demo's super-administrator

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    return true;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

std::string price(const QString& db) {
    sqlite3* handle = nullptr;
    std::string value;
    if (sqlite3_open_v2(db.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        const std::string sql = std::string("SELECT PrixVente FROM tVehicles WHERE idTVO=") + kVehicle;
        if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
            value = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
    }
    sqlite3_close(handle);
    return value;
}

class SavePriceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QProcess server, client;
    QString base;

    void SetUp() override {
        ASSERT_FALSE(qgetenv("DISPLAY").isEmpty()) << "runs under xvfb-run";
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start(GARVEX_WEBSERVER_BIN, {"--db", dir.filePath("demo.sqlite"), "--photos",
                                            dir.filePath("photos"), "--port", "0", "--init-demo"});
        QString log;
        const QRegularExpression listening("listening on 127\\.0\\.0\\.1:(\\d+)");
        ASSERT_TRUE(waitFor(
            [&] {
                server.waitForReadyRead(100);
                log += QString::fromUtf8(server.readAll());
                if (const auto m = listening.match(log); m.hasMatch())
                    base = QStringLiteral("http://127.0.0.1:%1/").arg(m.captured(1));
                return !base.isEmpty() || server.state() == QProcess::NotRunning;
            },
            60000));
        ASSERT_FALSE(base.isEmpty()) << log.toStdString();
    }

    void TearDown() override {
        for (QProcess* p : {&client, &server}) {
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
        }
    }

    // A parameter folder opening the demo vehicle, with the trace on: APPDATA and TEMP of one client.
    QString Folder(const QString& name) {
        const QString root = dir.filePath(name);
        QDir().mkpath(root + "/Garvex");
        QDir().mkpath(root + "/temp");
        QFile ini(root + "/Garvex/TAXGarvex.ini");
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(("[Options]\r\nHttpRoot=" + base + "\r\nBaseHRef=" + base + "\r\nidTVO=" + kVehicle +
                   "\r\nidClient=\r\nidTypeVO=1\r\nidUser=" + kUser +
                   "\r\nUserConcession=MER\r\nUserSite=#\r\nTrace=1\r\nURLImages=" + base + "voimages/\r\n")
                      .toLatin1());
        return root;
    }

    // Where the price field and the Save button are in the window, from the same window built here.
    std::pair<QPoint, QPoint> Places() {
        const QString root = Folder("probe");
        qputenv("APPDATA", root.toUtf8());
        qputenv("TEMP", (root + "/temp").toUtf8());
        platform::ScriptedDialogs dialogs;
        app::TAxGarvex w(dialogs);
        w.Timer1->stop();
        record::TRecordForm& form = record::AttachRecordForm(w);
        std::pair<QPoint, QPoint> places;
        {
            lists::PickLists lists(w);
            record::ConnectPickLists(form, lists);
            w.Timer1Timer();
            w.show(); // the tab pages take their places when shown
            QCoreApplication::processEvents();
            QWidget* priceField = platform::Require<QWidget>(w.Sheets[0], "cPrixVente");
            EXPECT_TRUE(priceField->isEnabled());
            EXPECT_EQ(w.WarningLine(), "");
            places = {priceField->mapTo(&w, priceField->rect().center()),
                      w.JvXPBtnSave->mapTo(&w, w.JvXPBtnSave->rect().center())};
            w.Http().DropConnection();
        }
        qunsetenv("APPDATA");
        qunsetenv("TEMP");
        return places;
    }
};

} // namespace

TEST_F(SavePriceTest, APriceTypedAndSavedInTheWindowIsInTheDatabase) {
    const auto [priceAt, saveAt] = Places();
    const std::string before = price(dir.filePath("demo.sqlite"));
    ASSERT_NE(before, "");
    ASSERT_NE(before, "12345.5");

    const QString root = Folder("client");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APPDATA", root);
    env.insert("TEMP", root + "/temp");
    env.insert("QT_QPA_PLATFORM", "xcb");
    client.setProcessEnvironment(env);
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(GARVEX_CLIENT_BIN, {});
    ASSERT_TRUE(client.waitForStarted());

    // The window, once its record is laid out: the trace's last line of the layout pass.
    const auto laidOut = [&] {
        QFile trace(root + "/temp/TAXGarvex.log");
        return trace.open(QIODevice::ReadOnly) && trace.readAll().contains("UpdateTabDesc FlagNewEnreg");
    };
    QString window;
    ASSERT_TRUE(waitFor(
        [&] {
            window = run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(client.processId())})
                         .section('\n', -1);
            return !window.isEmpty() && laidOut();
        },
        30000))
        << client.readAll().toStdString();
    QThread::msleep(300); // the end of the pass: header, lists, splash

    const auto click = [&](QPoint at) {
        run("xdotool", {"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()),
                        "click", "1"});
    };
    run("xdotool", {"windowfocus", "--sync", window});
    click(priceAt);
    run("xdotool", {"key", "--window", window, "ctrl+a"});
    run("xdotool", {"type", "--delay", "30", "12345.50"});
    click(saveAt);

    EXPECT_TRUE(waitFor([&] { return price(dir.filePath("demo.sqlite")) == "12345.5"; }, 20000))
        << "price " << price(dir.filePath("demo.sqlite")) << ", clicked at " << priceAt.x() << ","
        << priceAt.y() << " and " << saveAt.x() << "," << saveAt.y() << "\n"
        << client.readAll().toStdString();
}
