#include "app/IniStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "support/QtPrinters.h"

TEST(IniStore, KeepsOptionsInTheUsersIniFile) {
    QTemporaryDir dir;
    const QByteArray keep = qgetenv("APPDATA");
    qputenv("APPDATA", dir.path().toUtf8());
    EXPECT_EQ(app::GetIniFileName(), dir.path() + "/Garvex/TAXGarvex.ini");
    EXPECT_EQ(app::GetTagRegistry("svSite"), "");
    EXPECT_FALSE(app::SetTagRegistry("svSite", "2")); // the Garvex folder is made at start-up, not here
    ASSERT_TRUE(QDir(dir.path()).mkdir("Garvex"));
    EXPECT_TRUE(app::SetTagRegistry("svSite", "2"));
    EXPECT_TRUE(app::SetTagRegistry("PathImages", "/home/x"));
    EXPECT_EQ(app::GetTagRegistry("SVSITE"), "2");
    EXPECT_EQ(app::GetTagRegistry("PathImages"), "/home/x");
    qputenv("APPDATA", keep);
}
