#pragma once
// The real main window, offscreen, in a temporary APPDATA and TEMP, against a TestServer, with
// scripted dialogs and a fixed clock. The window's timer is stopped: tests tick it by hand.
#include "TestServer.h"
#include "app/AxGarvex.h"
#include "platform/DelphiDate.h"
#include "platform/ScriptedDialogs.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

class WindowTest : public ::testing::Test {
protected:
    using Keys = std::vector<std::pair<QString, QString>>;

    QTemporaryDir dir;
    TestServer server;
    platform::ScriptedDialogs dialogs;

    void SetUp() override {
        for (const char* name : {"http_proxy", "HTTP_PROXY"})
            qunsetenv(name);
        qputenv("APPDATA", AppData().toUtf8());
        qputenv("TEMP", Temp().toUtf8());
        QDir().mkpath(AppData() + "/Garvex");
        QDir().mkpath(Temp());
        platform::SetClock([] { return QDateTime(QDate(2009, 12, 25), QTime(14, 3, 22)); });
    }
    void TearDown() override {
        platform::SetClock({});
        for (const char* name : {"APPDATA", "TEMP", "http_proxy", "HTTP_PROXY"})
            qunsetenv(name);
    }

    QString AppData() const { return dir.filePath("appdata"); }
    QString Temp() const { return dir.filePath("temp"); }
    QString IniPath() const { return AppData() + "/Garvex/TAXGarvex.ini"; }

    // The usual parameters against the test server, with `changes` applied (an empty value
    // removes the key).
    Keys Parameters(const Keys& changes = {}) const {
        Keys keys = {{"BaseHRef", server.Base()},
                     {"HttpRoot", "http://garvex.test/"},
                     {"idTVO", "12"},
                     {"idUser", "1000042"},
                     {"UserConcession", "MERISCA"},
                     {"UserSite", "#"},
                     {"URLImages", server.Base() + "images/"}};
        for (const auto& [key, value] : changes) {
            std::erase_if(keys, [&](const auto& k) { return k.first == key; });
            if (!value.isEmpty()) keys.emplace_back(key, value);
        }
        return keys;
    }
    void WriteIni(const Keys& keys) const {
        QFile f(IniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Options]\r\n");
        for (const auto& [key, value] : keys)
            f.write((key + '=' + value + "\r\n").toLatin1());
    }

    std::unique_ptr<app::TAxGarvex> Open() {
        auto w = std::make_unique<app::TAxGarvex>(dialogs);
        w->Timer1->stop();
        return w;
    }
    static void Tick(app::TAxGarvex& w, int n = 1) {
        for (int i = 0; i < n; ++i)
            w.Timer1Timer();
    }
    static QStringList TraceLines(const QString& folder) {
        QFile f(folder + "/TAXGarvex.log");
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
        lines.removeAll(QString());
        return lines;
    }
};
