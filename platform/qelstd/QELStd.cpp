// Date-time text reading and SYSTEMTIME validation.
#include "QELStd.h"

#include <string.h>

namespace
{

const TCHAR* const kMonthNames[12] = {_T("January"), _T("February"), _T("March"),     _T("April"),
                                      _T("May"),     _T("June"),     _T("July"),      _T("August"),
                                      _T("September"), _T("October"), _T("November"), _T("December")};
const TCHAR* const kMonthAbbrevs[12] = {_T("Jan"), _T("Feb"), _T("Mar"), _T("Apr"), _T("May"), _T("Jun"),
                                        _T("Jul"), _T("Aug"), _T("Sep"), _T("Oct"), _T("Nov"), _T("Dec")};
// Indexed by wDayOfWeek: 0 is Sunday.
const TCHAR* const kDayNames[7] = {_T("Sunday"),   _T("Monday"), _T("Tuesday"), _T("Wednesday"),
                                   _T("Thursday"), _T("Friday"), _T("Saturday")};
const TCHAR* const kDayAbbrevs[7] = {_T("Sun"), _T("Mon"), _T("Tue"), _T("Wed"), _T("Thu"), _T("Fri"), _T("Sat")};

const int kMinYear = 1601;
const int kMaxYear = 30827;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

bool IsRealDate(int year, int month, int day)
{
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// 0 is Sunday; valid for Gregorian years from 1 on.
int WeekdayOf(int year, int month, int day)
{
    static const int kShift[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    return (year + year / 4 - year / 100 + year / 400 + kShift[month - 1] + day) % 7;
}

TCHAR FoldAscii(TCHAR c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<TCHAR>(c - 'A' + 'a') : c;
}

// Number of TCHARs of `text` that spell `name` (ignoring ASCII case), or 0. Stops at the text's terminator.
size_t PrefixLength(const TCHAR* text, const TCHAR* name)
{
    size_t i = 0;
    for (; name[i] != '\0'; ++i)
    {
        if (text[i] == '\0' || FoldAscii(text[i]) != FoldAscii(name[i]))
            return 0;
    }
    return i;
}

// Keeps the longest candidate seen so far.
struct NameMatch
{
    int index = -1;
    size_t length = 0;

    void Offer(const TCHAR* text, const TCHAR* name, int nameIndex)
    {
        if (name[0] == '\0')
            return;
        const size_t n = PrefixLength(text, name);
        if (n > length)
        {
            length = n;
            index = nameIndex;
        }
    }
};

enum NameKind
{
    kMonthFull,
    kMonthShort,
    kDayFull,
    kDayShort,
    kDesignator,       // "AM"/"PM": index 0 AM, 1 PM
    kDesignatorLetter  // first character of each designator
};

#ifdef _WIN32
// Length in TCHARs of the first character of a non-empty text: a double-byte character takes two.
#ifdef _UNICODE
size_t FirstCharLength(const TCHAR*)
{
    return 1;
}
#else
size_t FirstCharLength(const TCHAR* text)
{
    return IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text[1] != '\0' ? 2 : 1;
}
#endif

// Offers the user locale's names of one kind. The picker displays these, so its own text reads back.
void OfferLocaleNames(const TCHAR* text, NameKind kind, NameMatch& match)
{
    TCHAR buf[128];
    auto offer = [&](LCTYPE type, int index, bool firstCharOnly) {
        if (GetLocaleInfo(LOCALE_USER_DEFAULT, type, buf, _countof(buf)) <= 0)
            return;
        buf[_countof(buf) - 1] = '\0';
        if (firstCharOnly && buf[0] != '\0')
            buf[FirstCharLength(buf)] = '\0';
        match.Offer(text, buf, index);
    };
    switch (kind)
    {
    case kMonthFull:
        for (int i = 0; i < 12; ++i)
            offer(LOCALE_SMONTHNAME1 + i, i, false);
        break;
    case kMonthShort:
        for (int i = 0; i < 12; ++i)
            offer(LOCALE_SABBREVMONTHNAME1 + i, i, false);
        break;
    case kDayFull:  // the locale's list starts with Monday
        for (int i = 0; i < 7; ++i)
            offer(LOCALE_SDAYNAME1 + i, (i + 1) % 7, false);
        break;
    case kDayShort:
        for (int i = 0; i < 7; ++i)
            offer(LOCALE_SABBREVDAYNAME1 + i, (i + 1) % 7, false);
        break;
    case kDesignator:
    case kDesignatorLetter:
        offer(LOCALE_S1159, 0, kind == kDesignatorLetter);
        offer(LOCALE_S2359, 1, kind == kDesignatorLetter);
        break;
    }
}
#endif

// Index of the name at the start of `text` and its length in TCHARs; index -1 when none matches.
NameMatch MatchName(const TCHAR* text, NameKind kind)
{
    static const TCHAR* const kDesignators[2] = {_T("AM"), _T("PM")};
    static const TCHAR* const kDesignatorLetters[2] = {_T("A"), _T("P")};
    NameMatch match;
    const TCHAR* const* names = nullptr;
    int count = 0;
    switch (kind)
    {
    case kMonthFull: names = kMonthNames; count = 12; break;
    case kMonthShort: names = kMonthAbbrevs; count = 12; break;
    case kDayFull: names = kDayNames; count = 7; break;
    case kDayShort: names = kDayAbbrevs; count = 7; break;
    case kDesignator: names = kDesignators; count = 2; break;
    case kDesignatorLetter: names = kDesignatorLetters; count = 2; break;
    }
    for (int i = 0; i < count; ++i)
        match.Offer(text, names[i], i);
#ifdef _WIN32
    OfferLocaleNames(text, kind, match);
#endif
    return match;
}

// What the text said, field by field; -1 where a field was not read.
struct Reading
{
    int year = -1;
    int month = -1;
    int day = -1;
    int weekday = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
    bool hourIs12 = false;  // the last hour read was a 12-hour value
    int pm = -1;            // designator: 0 AM, 1 PM
};

// Walks the text while the format is interpreted; every read stops at the text's terminator.
class TextCursor
{
public:
    explicit TextCursor(const TCHAR* text) : m_p(text) {}

    bool AtEnd() const { return *m_p == '\0'; }

    bool Literal(TCHAR c)
    {
        if (*m_p != c)  // also false at the terminator, since c is never '\0'
            return false;
        ++m_p;
        return true;
    }

    // Between minCount and maxCount (at most 4) ASCII digits, as many as are there.
    bool Number(int minCount, int maxCount, int& value)
    {
        int n = 0;
        int v = 0;
        while (n < maxCount && m_p[n] >= '0' && m_p[n] <= '9')
        {
            v = v * 10 + (m_p[n] - '0');
            ++n;
        }
        if (n < minCount)
            return false;
        m_p += n;
        value = v;
        return true;
    }

    bool Name(NameKind kind, int& index)
    {
        const NameMatch match = MatchName(m_p, kind);
        if (match.index < 0)
            return false;
        m_p += match.length;
        index = match.index;
        return true;
    }

private:
    const TCHAR* m_p;
};

// Length of the field starting at f: the run of one letter, cut at the letter's longest form. The picker
// reads a longer run as the longest form followed by another field ("ddddd" is "dddd" then "d").
size_t FieldLength(const TCHAR* f)
{
    const size_t longest = (*f == 'd' || *f == 'M' || *f == 'y') ? 4 : 2;
    size_t n = 1;
    while (n < longest && f[n] == f[0])
        ++n;
    return n;
}

// One-or-two digits for a single letter, exactly two for a longer run; value checked against [lo, hi].
bool ReadSmallNumber(TextCursor& text, size_t run, int lo, int hi, int& field)
{
    int v = 0;
    if (!text.Number(run == 1 ? 1 : 2, 2, v) || v < lo || v > hi)
        return false;
    field = v;
    return true;
}

// Reads the field that `run` copies of the format letter `letter` stand for (run within the letter's forms).
// Returns false when the text does not hold it.
bool ReadField(TextCursor& text, TCHAR letter, size_t run, Reading& r)
{
    switch (letter)
    {
    case 'd':
        if (run <= 2)
            return ReadSmallNumber(text, run, 1, 31, r.day);
        return text.Name(run == 3 ? kDayShort : kDayFull, r.weekday);
    case 'M':
        if (run <= 2)
            return ReadSmallNumber(text, run, 1, 12, r.month);
        if (!text.Name(run == 3 ? kMonthShort : kMonthFull, r.month))
            return false;
        ++r.month;
        return true;
    case 'y':
    {
        int v = 0;
        if (run == 1)
        {
            if (!text.Number(1, 1, v))
                return false;
            r.year = 2020 + v;  // the latest year of 1930-2029 ending in that digit
        }
        else if (run == 2)
        {
            if (!text.Number(2, 2, v))
                return false;
            r.year = v >= 30 ? 1900 + v : 2000 + v;
        }
        else
        {
            if (!text.Number(4, 4, v))
                return false;
            r.year = v;
        }
        return true;
    }
    case 'h':
        if (!ReadSmallNumber(text, run, 1, 12, r.hour))
            return false;
        r.hourIs12 = true;
        return true;
    case 'H':
        if (!ReadSmallNumber(text, run, 0, 23, r.hour))
            return false;
        r.hourIs12 = false;
        return true;
    case 'm':
        return ReadSmallNumber(text, run, 0, 59, r.minute);
    case 's':
        return ReadSmallNumber(text, run, 0, 59, r.second);
    case 't':
        return text.Name(run == 1 ? kDesignatorLetter : kDesignator, r.pm);
    }
    return false;
}

bool IsFieldLetter(TCHAR c)
{
    return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't';
}

// Interprets the whole format against the whole text.
bool ReadText(const TCHAR* text, const TCHAR* format, Reading& r)
{
    TextCursor cursor(text);
    const TCHAR* f = format;
    while (*f != '\0')
    {
        if (*f == '\'')
        {
            if (f[1] == '\'')  // '' outside a quoted part: one quote
            {
                if (!cursor.Literal('\''))
                    return false;
                f += 2;
                continue;
            }
            ++f;
            while (*f != '\0')
            {
                if (*f == '\'')
                {
                    if (f[1] != '\'')
                    {
                        ++f;  // end of the quoted part
                        break;
                    }
                    ++f;  // '' inside: one quote
                }
                if (!cursor.Literal(*f))
                    return false;
                ++f;
            }
            continue;
        }
        if (IsFieldLetter(*f))
        {
            const size_t run = FieldLength(f);
            if (!ReadField(cursor, *f, run, r))
                return false;
            f += run;
            continue;
        }
        if (!cursor.Literal(*f))
            return false;
        ++f;
    }
    return cursor.AtEnd();
}

// Applies the designator and cross-checks the weekday; false when the reading contradicts itself.
bool Reconcile(Reading& r)
{
    if (r.pm >= 0 && r.hour >= 0)
    {
        if (r.hourIs12)
            r.hour = r.hour % 12 + (r.pm ? 12 : 0);
        else if ((r.hour >= 12) != (r.pm == 1))
            return false;
    }
    if (r.year >= 0 && r.month >= 0 && r.day >= 0 && IsRealDate(r.year, r.month, r.day))
    {
        const int weekday = WeekdayOf(r.year, r.month, r.day);
        if (r.weekday >= 0 && r.weekday != weekday)
            return false;
        r.weekday = weekday;
    }
    return true;
}

void Store(const Reading& r, SYSTEMTIME& st)
{
    auto put = [](int value, decltype(st.wYear)& field) {
        if (value >= 0)
            field = static_cast<decltype(st.wYear)>(value);
    };
    put(r.year, st.wYear);
    put(r.month, st.wMonth);
    put(r.weekday, st.wDayOfWeek);
    put(r.day, st.wDay);
    put(r.hour, st.wHour);
    put(r.minute, st.wMinute);
    put(r.second, st.wSecond);
}

} // namespace

namespace QELDateTime
{

int ConvertStringToSystemtime(const TCHAR* text, const TCHAR* format, SYSTEMTIME* result)
{
    if (text == nullptr || format == nullptr || result == nullptr)
        return 0;
    Reading reading;
    if (!ReadText(text, format, reading) || !Reconcile(reading))
        return 0;
    Store(reading, *result);
    return 1;
}

int AvailabilityTime(SYSTEMTIME st)
{
    if (!IsRealDate(st.wYear, st.wMonth, st.wDay))
        return 0;
    if (st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59 || st.wMilliseconds > 999)
        return 0;
    return 1;
}

} // namespace QELDateTime
