#include "platform/DelphiDate.h"

#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace platform;

namespace {

struct FixedClock : ::testing::Test {
    void SetUp() override { SetClock([] { return QDateTime(QDate(2026, 12, 11), QTime(14, 3, 22)); }); }
    void TearDown() override { SetClock({}); }
};

} // namespace

TEST_F(FixedClock, DaysCountFromTheEndOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2009, 12, 25), 40172.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_EQ(Date(), EncodeDate(2026, 12, 11));
    EXPECT_NEAR(Now() - Date(), (14 * 3600 + 3 * 60 + 22) / 86400.0, 1e-9);
}

TEST_F(FixedClock, ReadsDayMonthYearTexts) {
    const struct {
        const char* text;
        double expected; // -1: not a date
    } cases[] = {
        {"31/12/2009", EncodeDate(2009, 12, 31)}, {"1/2/2009", EncodeDate(2009, 2, 1)},
        {" 25/12/2009 ", EncodeDate(2009, 12, 25)}, {"25/12/09", EncodeDate(2009, 12, 25)},
        {"25/12/80", EncodeDate(1980, 12, 25)},     {"25/12", EncodeDate(2026, 12, 25)},
        {"30/12/1899", 0},                          {"", -1},
        {"abc", -1},                                {"31/02/2009", -1},
        {"12-05-2009", -1},                         {"__/__/____", -1},
        {"1/1/2009/1", -1},                         {"//", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToDateDef(QString::fromUtf8(c.text), -1), c.expected) << c.text;
}

TEST_F(FixedClock, FormatsDatesAndTimes) {
    const TDateTime t = FromQDateTime(QDateTime(QDate(2009, 5, 3), QTime(7, 8, 9)));
    EXPECT_EQ(DateToStr(t), "03/05/2009");
    EXPECT_EQ(FormatDateTime(u"mm/dd/yyyy", t), "05/03/2009");
    EXPECT_EQ(FormatDateTime(u"dd/mm/yyyy hh:nn:ss", t), "03/05/2009 07:08:09");
    EXPECT_EQ(FormatDateTime(u"d/m/yy h:mm", t), "3/5/09 7:08");
    EXPECT_EQ(FormatDateTime(u"ddddd tt", t), "03/05/2009 07:08:09");
    EXPECT_EQ(FormatDateTime(u"\"le\" dd", t), "le 03");
    EXPECT_EQ(ToQDateTime(t), QDateTime(QDate(2009, 5, 3), QTime(7, 8, 9)));
}

TEST_F(FixedClock, CountsWholeDaysBetweenTwoMoments) {
    EXPECT_EQ(DaysBetween(EncodeDate(2009, 12, 31), EncodeDate(2009, 1, 1)), 364);
    EXPECT_EQ(DaysBetween(EncodeDate(2009, 1, 1), EncodeDate(2009, 12, 31)), 364);
    EXPECT_EQ(DaysBetween(10.75, 10.0), 0);
    EXPECT_EQ(DaysBetween(11.0 - 1e-12, 10.0), 1);
}
