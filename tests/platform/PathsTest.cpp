#include "platform/Paths.h"

#include <QDir>
#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace platform;

TEST(Paths, FollowTheEnvironmentInOrder) {
    const QByteArray keep[] = {qgetenv("APPDATA"), qgetenv("XDG_CONFIG_HOME"), qgetenv("TEMP"), qgetenv("TMPDIR")};
    qputenv("APPDATA", "/a");
    qputenv("XDG_CONFIG_HOME", "/x");
    EXPECT_EQ(AppDataDir(), "/a");
    qunsetenv("APPDATA");
    EXPECT_EQ(AppDataDir(), "/x");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(AppDataDir(), QDir::homePath() + "/.config");

    qputenv("TEMP", "/t");
    qputenv("TMPDIR", "/d");
    EXPECT_EQ(TempDir(), "/t");
    qunsetenv("TEMP");
    EXPECT_EQ(TempDir(), "/d");
    qunsetenv("TMPDIR");
    EXPECT_EQ(TempDir(), "/tmp");

    const char* names[] = {"APPDATA", "XDG_CONFIG_HOME", "TEMP", "TMPDIR"};
    for (int i = 0; i < 4; ++i)
        if (!keep[i].isEmpty()) qputenv(names[i], keep[i]);
}
