#pragma once
// Dates as the record values carry them: a day count since 30/12/1899 (0 = no date), written
// "dd/mm/yyyy". "Today" comes from a replaceable clock so that tests can fix it.
#include <QDateTime>
#include <QString>
#include <functional>

namespace platform {

using TDateTime = double;
inline constexpr TDateTime kZeroDate = 0.0;

// An empty function puts the system clock back.
void SetClock(std::function<QDateTime()> clock);
TDateTime Now();
TDateTime Date(); // today, without the time of day

TDateTime FromQDateTime(const QDateTime& dt);
QDateTime ToQDateTime(TDateTime value);
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime value, int& year, int& month, int& day);

// Reads "d/m/y" (one or two digit day and month, a year of up to four digits; two-digit years fall
// within 50 years of today, a missing year is this year). Blanks around the text are ignored.
bool TryStrToDate(QStringView text, TDateTime& value);
TDateTime StrToDateDef(QStringView text, TDateTime fallback);

// The tokens the program uses: d dd ddddd m mm yy yyyy h hh n nn s ss zzz tt, "quoted" text;
// "m" after an hour token means minutes.
QString FormatDateTime(QStringView format, TDateTime value);
QString DateToStr(TDateTime value); // "dd/mm/yyyy"
int DaysBetween(TDateTime a, TDateTime b);

} // namespace platform
