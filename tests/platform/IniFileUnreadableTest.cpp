// A parameter file that cannot be read is never overwritten by a write.
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(IniFileUnreadable, WriteRefusesAndKeepsTheContent) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    QTemporaryDir dir;
    const QString name = dir.filePath("TAXGarvex.ini");
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Options]\r\nBaseHRef=http://serveur/\r\n");
    f.close();
    ASSERT_TRUE(QFile::setPermissions(name, QFileDevice::WriteOwner));
    platform::IniFile ini(name);
    EXPECT_FALSE(ini.readable());
    EXPECT_FALSE(ini.WriteString(u"Options", u"FirstFormHandle", "42"));
    QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[Options]\r\nBaseHRef=http://serveur/\r\n");
}
