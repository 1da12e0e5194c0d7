#include "DelphiDate.h"

#include <cmath>

namespace platform {
namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

std::function<QDateTime()>& clockFunction() {
    static std::function<QDateTime()> clock;
    return clock;
}

QDate dateOf(TDateTime value) {
    return kEpoch.addDays(static_cast<qint64>(std::trunc(value)));
}

QTime timeOf(TDateTime value) {
    const double frac = std::fabs(value - std::trunc(value));
    const int ms = static_cast<int>(std::floor(frac * kMsPerDay + 0.5));
    return QTime(0, 0).addMSecs(std::min(ms, 86399999));
}

} // namespace

void SetClock(std::function<QDateTime()> clock) { clockFunction() = std::move(clock); }

TDateTime Now() {
    const auto& clock = clockFunction();
    return FromQDateTime(clock ? clock() : QDateTime::currentDateTime());
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime FromQDateTime(const QDateTime& dt) {
    const double days = static_cast<double>(kEpoch.daysTo(dt.date()));
    return days + dt.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime ToQDateTime(TDateTime value) { return QDateTime(dateOf(value), timeOf(value)); }

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<double>(kEpoch.daysTo(QDate(year, month, day)));
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) { dateOf(value).getDate(&year, &month, &day); }

bool TryStrToDate(QStringView text, TDateTime& value) {
    const QStringView t = text.trimmed();
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int n = 0;
    for (const QChar c : t) {
        if (c == u'/') {
            if (digits[n] == 0 || ++n > 2) return false;
        } else if (c.isDigit() && c.unicode() < 128) {
            if (++digits[n] > 4) return false;
            parts[n] = parts[n] * 10 + (c.unicode() - '0');
        } else {
            return false;
        }
    }
    if (n < 1 || digits[n] == 0) return false;
    int year;
    if (n == 1) {
        int d, m;
        DecodeDate(Date(), year, m, d);
    } else {
        year = parts[2];
        if (digits[2] <= 2) {
            // The hundred years that start fifty years ago.
            int cy, cm, cd;
            DecodeDate(Date(), cy, cm, cd);
            const int windowStart = cy - 50;
            year += windowStart / 100 * 100;
            if (year < windowStart) year += 100;
        }
    }
    const QDate d(year, parts[1], parts[0]);
    if (!d.isValid() || year < 1) return false;
    value = static_cast<double>(kEpoch.daysTo(d));
    return true;
}

TDateTime StrToDateDef(QStringView text, TDateTime fallback) {
    TDateTime v;
    return TryStrToDate(text, v) ? v : fallback;
}

QString FormatDateTime(QStringView format, TDateTime value) {
    const QDate date = dateOf(value);
    const QTime time = timeOf(value);
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype n = 0;
        while (i + n < format.size() && format[i + n].toLower() == c) ++n;
        return n;
    };
    auto two = [](int v) { return QString::number(v).rightJustified(2, u'0'); };
    while (i < format.size()) {
        const QChar c = format[i].toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = format.indexOf(format[i], i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const qsizetype n = run(c);
        if (c == u'd') {
            if (n >= 5) out += DateToStr(value);
            else out += n >= 2 ? two(date.day()) : QString::number(date.day());
            afterHour = false;
        } else if (c == u'm') {
            const int v = afterHour ? time.minute() : date.month();
            out += n >= 2 ? two(v) : QString::number(v);
            afterHour = false;
        } else if (c == u'y') {
            out += n >= 3 ? QString::number(date.year()).rightJustified(4, u'0') : two(date.year() % 100);
        } else if (c == u'h') {
            out += n >= 2 ? two(time.hour()) : QString::number(time.hour());
            afterHour = true;
        } else if (c == u'n') {
            out += n >= 2 ? two(time.minute()) : QString::number(time.minute());
        } else if (c == u's') {
            out += n >= 2 ? two(time.second()) : QString::number(time.second());
        } else if (c == u'z') {
            out += QString::number(time.msec()).rightJustified(n >= 3 ? 3 : 1, u'0');
        } else if (c == u't' && n >= 2) {
            out += two(time.hour()) + u':' + two(time.minute()) + u':' + two(time.second());
        } else {
            out += format.mid(i, n);
        }
        i += n;
    }
    return out;
}

QString DateToStr(TDateTime value) { return FormatDateTime(u"dd/mm/yyyy", value); }

int DaysBetween(TDateTime a, TDateTime b) {
    // Half a millisecond of slack, so that a day minus rounding noise still counts as a day.
    return static_cast<int>(std::trunc(std::fabs(a - b) + 0.5 / kMsPerDay));
}

} // namespace platform
