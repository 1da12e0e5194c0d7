#include "server/TagReader.h"

#include "platform/Win1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "support/QtPrinters.h"
#include <string_view>

using namespace server;
using namespace std::literals;

namespace {

const QString kUntouched = QStringLiteral("<untouched>");

// Texts as they come from a response file.
QString bytes(std::string_view s) { return platform::fromWin1252(QByteArrayView(s.data(), static_cast<qsizetype>(s.size()))); }

} // namespace

TEST(TagReader, SelectTakesTheBodyFromTheFirstTagToTheFirstClosingTag) {
    const struct {
        std::string_view document, name, selection;
    } cases[] = {
        {"<r><User><Name_>Bob</Name_><US1>x</US1></User></r>", "User", "<Name_>Bob</Name_><US1>x</US1>"},
        {"<Now>12/05/2009</Now>", "Now", ""}, // a leaf selects nothing
        {"<r><A>1</A></r>", "B", ""},                                      // no such element
        {"<r><A><x>1</x></r>", "A", ""},                                   // no closing tag
        {"<TVehS><TVeh><a>1</a></TVeh></TVehS>", "TVeh", "<TVeh><a>1</a>"}, // prefix match
        {"<AXQueryS RowCount=\"3\" EOF=\"True\"><AXQuery><a>1</a></AXQuery></AXQueryS>", "AXQueryS",
         "<AXQuery><a>1</a></AXQuery>"},
        {"<T>text before<a>1</a></T>", "T", "<a>1</a>"},     // text before the first tag is dropped
        {"<T><a>1</a></T><T><a>2</a></T>", "T", "<a>1</a>"}, // always the first element
        {"<T><a>1</a>\0</T>"sv, "T", ""},                     // the text ends at its NUL
        {"<T>\xE9<a>\xFF\x80</a></T>", "T", "<a>\xFF\x80</a>"},
        {"<site><a>1</a></site>", "Site", ""}, // case counts
    };
    for (const auto& c : cases) {
        TXml x;
        x.Document = bytes(c.document);
        x.Item = "old";
        x.Count = 7;
        XmlSelect(x, bytes(c.name));
        EXPECT_EQ(x.Selection().toString(), bytes(c.selection)) << c.document;
        EXPECT_EQ(x.Item, bytes(c.selection)) << c.document;
        EXPECT_EQ(x.Count, 0);
    }
}

TEST(TagReader, NextStepsThroughItemsAndConsumesTheSelection) {
    const struct {
        std::string_view selection, name;
        int position;
        std::string_view item, rest; // item "?" : unchanged
    } cases[] = {
        {"<Pars><type>A</type></Pars><Pars><type>B</type></Pars>", "Pars", 1, "<type>A</type>",
         "<Pars><type>B</type></Pars>"},
        {"<x>1</x><Pars>v</Pars>", "Pars", 9, "v", ""},
        {"<Pars id=\"1\">v</Pars>", "Pars", 0, "?", "<Pars id=\"1\">v</Pars>"},
        {"<a><a>1</a></a>", "a", 1, "<a>1", "</a>"},
        {"</Pars><Pars>x</Pars>", "Pars", 8, "", "<Pars>x</Pars>"},
        {"<TVeh><a>1</a>", "TVeh", 0, "?", "<TVeh><a>1</a>"},
        {"<P></P>tail", "P", 1, "", "tail"},
    };
    for (const auto& c : cases) {
        TXml x;
        x.SetSelection(bytes(c.selection));
        x.Item = "?";
        EXPECT_EQ(XmlNext(x, bytes(c.name)), c.position) << c.selection;
        EXPECT_EQ(x.Item, bytes(c.item)) << c.selection;
        EXPECT_EQ(x.Selection().toString(), bytes(c.rest)) << c.selection;
    }
}

TEST(TagReader, ALoopReadsEveryItemThenLeavesTheLastOne) {
    TXml x;
    x.Document = "<doc><ParsS><Pars><type>A</type></Pars><Pars><type>B</type></Pars></ParsS></doc>";
    XmlSelect(x, "ParsS");
    QStringList seen;
    while (XmlNext(x, "Pars") != 0) {
        QString type;
        XmlGet(x, "type", type);
        seen << type;
    }
    EXPECT_EQ(seen, QStringList({"A", "B"}));
    EXPECT_EQ(x.Item, "<type>B</type>");
    EXPECT_TRUE(x.Selection().isEmpty());

    TXml copy = x; // a copy is an independent cursor
    XmlSelect(copy, "ParsS");
    EXPECT_EQ(XmlNext(copy, "Pars"), 1);
    EXPECT_TRUE(x.Selection().isEmpty());
}

TEST(TagReader, GetReadsTheFirstChildAtAnyDepthOrLeavesTheValue) {
    const struct {
        std::string_view item, name, value; // value "<untouched>": destination kept
    } cases[] = {
        {"<Name_>Bob</Name_><US1>x</US1>", "US1", "x"},
        {"<TVeh><Site>B</Site></TVeh><Site>A</Site>", "Site", "B"},
        {"<Commentaire>a &amp; b</Commentaire>", "Commentaire", "a &amp; b"},
        {"<C> x\r\n </C>", "C", " x\r\n "},
        {"<C></C>", "C", ""},
        {"<Site x=\"1\">A</Site>", "Site", "<untouched>"},
        {"<Site/>", "Site", "<untouched>"},
        {"</C><C>", "C", "<untouched>"},
        {"<C>x", "C", "<untouched>"},
        {"<c>x</c>", "C", "<untouched>"},
    };
    for (const auto& c : cases) {
        TXml x;
        x.Item = bytes(c.item);
        QString v = kUntouched;
        XmlGet(x, bytes(c.name), v);
        EXPECT_EQ(v, bytes(c.value)) << c.item;
    }
}

TEST(TagReader, AttrReadsShortValuesOfTheWholeDocument) {
    const struct {
        std::string_view document, name, value;
    } cases[] = {
        {"<AXQueryS RowCount=\"12\" EOF=\"True\">", "RowCount", "12"},
        {"<a RowCount=\"1234567890123456789\">", "RowCount", "1234567890123456789"}, // 19 characters
        {"<a RowCount=\"12345678901234567890\">", "RowCount", "<untouched>"},        // 20
        {"<a RowCount = \"12\">", "RowCount", "<untouched>"},
        {"<a RowCount='12'>", "RowCount", "<untouched>"},
        {"<a xEOF=\"1\" EOF=\"True\">", "EOF", "1"}, // a longer name ending the same way
        {"<a>\0 EOF=\"True\">"sv, "EOF", "<untouched>"},
    };
    for (const auto& c : cases) {
        TXml x;
        x.Document = bytes(c.document);
        x.Item = "EOF=\"no\"";
        QString v = kUntouched;
        XmlAttr(x, bytes(c.name), v);
        EXPECT_EQ(v, bytes(c.value)) << c.document;
    }
}

TEST(TagReader, LoadTextFileEndsEveryLineWithCrLfAndStopsAtNul) {
    const struct {
        std::string_view bytes, text;
    } cases[] = {
        {"a\nb", "a\r\nb\r\n"},
        {"", ""},
        {"a\rb\r\n\nc\r\n", "a\r\nb\r\n\r\nc\r\n"},
        {"a\r\nb\0c\nd"sv, "a\r\nb\r\n"},
        {"\x80\xE9\xFF", "\x80\xE9\xFF\r\n"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString name = dir.filePath("f.xml");
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        f.close();
        const auto text = LoadTextFile(name);
        ASSERT_TRUE(text.has_value());
        QString expected;
        for (const char ch : c.text) expected += QChar(static_cast<unsigned char>(ch));
        EXPECT_EQ(text->size(), expected.size());
        // 0x80 is the euro sign in the code page.
        EXPECT_EQ(*text, expected.replace(QChar(0x80), QChar(0x20AC))) << c.bytes;
    }
    EXPECT_FALSE(LoadTextFile(dir.filePath("missing.xml")).has_value());
}

TEST(TagReader, GetListFieldCountsFromOne) {
    const struct {
        const char* text;
        int n;
        const char* field;
    } cases[] = {{"a;b;c", 1, "a"}, {"a;b;c", 3, "c"}, {"a;b;c", 4, ""}, {"a;b;c", 0, ""},
                 {"a;b;c", -1, ""}, {"A;B", 2, "B"},   {"A;;C", 2, ""},   {"", 1, ""}};
    for (const auto& c : cases) EXPECT_EQ(GetListField(c.text, c.n), c.field) << c.text << c.n;
}
