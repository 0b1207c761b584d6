#include "jetdate.h"

#include "valueerror.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace mdbwrite {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

const int64_t EpochOffset = daysFromCivil(1899, 12, 30);

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

class Scanner
{
public:
    explicit Scanner(std::string_view text)
        : m_text(text)
    {
    }

    int digits(size_t count)
    {
        int value = 0;
        for (size_t i = 0; i < count; ++i) {
            if (m_at >= m_text.size() || m_text[m_at] < '0' || m_text[m_at] > '9')
                fail();
            value = value * 10 + (m_text[m_at++] - '0');
        }
        return value;
    }

    bool accept(char c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    void expect(char c)
    {
        if (!accept(c))
            fail();
    }

    double fraction()
    {
        double value = 0;
        double scale = 0.1;
        if (m_at >= m_text.size() || m_text[m_at] < '0' || m_text[m_at] > '9')
            fail();
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            value += scale * (m_text[m_at++] - '0');
            scale /= 10;
        }
        return value;
    }

    bool atEnd() const { return m_at == m_text.size(); }

    [[noreturn]] void fail() const
    {
        throw ValueError("\"" + std::string(m_text)
                         + "\" is not a date of the form YYYY-MM-DD[ HH:MM[:SS]]");
    }

private:
    std::string_view m_text;
    size_t m_at = 0;
};

} // namespace

double jetDateFromText(std::string_view text)
{
    Scanner scan(text);
    const int year = scan.digits(4);
    scan.expect('-');
    const int month = scan.digits(2);
    scan.expect('-');
    const int day = scan.digits(2);
    int hour = 0;
    int minute = 0;
    double second = 0;
    if (scan.accept(' ') || scan.accept('T')) {
        hour = scan.digits(2);
        scan.expect(':');
        minute = scan.digits(2);
        if (scan.accept(':')) {
            second = scan.digits(2);
            if (scan.accept('.'))
                second += scan.fraction();
        }
    }
    if (!scan.atEnd() || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)
        || hour > 23 || minute > 59 || second >= 60)
        scan.fail();
    if (year < 100)
        throw ValueError("date " + std::string(text) + " is before the year 100");

    const auto days = static_cast<double>(daysFromCivil(year, month, day) - EpochOffset);
    const double time = (hour * 3600 + minute * 60 + second) / SecondsPerDay;
    // Before 1899-12-30 the whole days count down while the time of day still counts up.
    return days < 0 ? days - time : days + time;
}

double jetDateNow()
{
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return seconds / SecondsPerDay - static_cast<double>(EpochOffset);
}

} // namespace mdbwrite
