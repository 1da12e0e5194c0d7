#include "platform/AsciiCase.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace platform;

TEST(Win1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = fromWin1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toWin1252(text), all);
}

TEST(Win1252, MapsTheCodePageAndItsFiveHoles) {
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {{0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
                 {0x9D, 0x009D}, {0x9C, 0x0153}, {0x9F, 0x0178}, {0xE9, 0x00E9}, {0x41, 0x0041}};
    for (const auto& c : cases) {
        const QByteArray byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(fromWin1252(byte), QString(QChar(c.unit))) << int(c.byte);
        EXPECT_EQ(toWin1252(QString(QChar(c.unit))), byte) << int(c.byte);
    }
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // U+0080 is a C1 control Windows-1252 does not hold; the emoji is one character in two units.
    EXPECT_EQ(toWin1252(QString::fromUtf8("a\u03A9b\u0080c\U0001F600d")), QByteArray("a?b?c?d"));
}

TEST(AsciiCase, ChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(asciiUpper(u"élan vital z"), QString::fromUtf8("éLAN VITAL Z"));
    EXPECT_EQ(asciiLower(u"ÉLAN Z"), QString::fromUtf8("Élan z"));
}
