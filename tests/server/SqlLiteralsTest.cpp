#include "server/SqlLiterals.h"

#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace server;

TEST(SqlLiterals, QuoteSqlTextEscapesForTheQueryString) {
    const struct {
        const char* text;
        const char* literal;
    } cases[] = {
        {"  l'AUTO & Cie  ", "'l''AUTO %26 Cie'"},
        {"", "''"},
        {"\t\r\n x \r\n", "'x'"},
        {"a\"b<c>d", "'a%22b%3Cc%3Ed'"},
        {"l1\r\nl2\nl3\rl4", "'l1%0D%0Al2\nl3\rl4'"},
        {"%41 + #", "'%41 + #'"},
        {"O'NEIL", "'O''NEIL'"},
        {"\xC3\xA9t\xC3\xA9", "'\xC3\xA9t\xC3\xA9'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuoteSqlText(QString::fromUtf8(c.text)), QString::fromUtf8(c.literal)) << c.text;
}

TEST(SqlLiterals, NumbersAndDates) {
    EXPECT_EQ(SqlFloatText(" 12,50 "), "12.50");
    EXPECT_EQ(SqlFloatText("abc"), "abc");
    const struct {
        const char* text;
        const char* literal;
    } dates[] = {{"31/12/2009", "#12/31/2009#"}, {"1/2/2009", "#02/01/2009#"}, {"", "NULL"},
                 {"abc", "NULL"},                {"30/12/1899", "NULL"},      {"__/__/____", "NULL"}};
    for (const auto& c : dates) EXPECT_EQ(SqlDateText(c.text), c.literal) << c.text;
}

TEST(SqlLiterals, FormatPhoneGroupsByPairs) {
    const struct {
        const char* text;
        const char* formatted;
    } cases[] = {
        {"0612345678", "06.12.34.56.78"}, {"612345678", "612.34.56.78"}, {"06 12", "06 12"},
        {"5", ""},                        {"", ""},                      {"06", "06"},
        {"0612-45678", "0612-45678"},     {"06AB", "06AB"},               {"06 1", "06. 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatPhone(c.text), c.formatted) << c.text;
}
