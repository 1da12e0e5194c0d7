#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace platform;

namespace {

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFile, ReadsLikeWindowsDoes) {
    QTemporaryDir dir;
    const QString name = dir.filePath("a.ini");
    writeAll(name, "; note\r\n[Other]\r\nTrace=9\r\n[OPTIONS]\r\ntrace= 1\r\nBaseHRef=http://h/x=y\n"
                   "idTypeVO=3\r\nNom=No\xEBl\rHex=$1F\r\n");
    const IniFile ini(name);
    EXPECT_EQ(ini.ReadString(u"Options", u"Trace"), " 1"); // the value is raw
    EXPECT_EQ(ini.ReadString(u"options", u"BASEHREF"), "http://h/x=y");
    EXPECT_EQ(ini.ReadString(u"Options", u"Nom"), QString::fromUtf8("Noël"));
    EXPECT_EQ(ini.ReadString(u"Options", u"Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString(u"Nowhere", u"Trace", "def"), "def");
    EXPECT_EQ(ini.ReadInteger(u"Options", u"idTypeVO", 0), 3);
    EXPECT_EQ(ini.ReadInteger(u"Options", u"Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger(u"Options", u"BaseHRef", -7), -7);

    const IniFile missing(dir.filePath("none.ini"));
    EXPECT_TRUE(missing.readable());
    EXPECT_EQ(missing.ReadString(u"Options", u"Trace", "0"), "0");
}

TEST(IniFile, WritingChangesOnlyItsOwnLine) {
    QTemporaryDir dir;
    const QString name = dir.filePath("a.ini");
    writeAll(name, "; keep me\r\n[options]\r\nTRACE=0\r\nidUser=7\r\n\r\n[Other]\r\nx=1\r\n");
    IniFile ini(name);
    ASSERT_TRUE(ini.WriteString(u"Options", u"Trace", "1"));
    ASSERT_TRUE(ini.WriteString(u"Options", u"PathImages", QString::fromUtf8("/home/é")));
    ASSERT_TRUE(ini.WriteString(u"Nouvelle", u"k", "v"));
    EXPECT_EQ(readAll(name), QByteArray("; keep me\r\n[options]\r\nTRACE=1\r\nidUser=7\r\nPathImages=/home/\xE9\r\n\r\n"
                                        "[Other]\r\nx=1\r\n[Nouvelle]\r\nk=v\r\n"));
    EXPECT_EQ(IniFile(name).ReadString(u"OPTIONS", u"pathimages"), QString::fromUtf8("/home/é"));
}

TEST(IniFile, AFailedWriteKeepsTheFileAndSaysSo) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath("no/such/folder/a.ini"));
    EXPECT_FALSE(ini.WriteString(u"Options", u"Trace", "1"));
    EXPECT_EQ(ini.ReadString(u"Options", u"Trace", "0"), "0");
}
