// Date text reading and date validation of QELStd.
#include "QELStd.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace
{

const WORD kUntouched = 0xBEEF;

SYSTEMTIME Sentinel()
{
    SYSTEMTIME st;
    st.wYear = st.wMonth = st.wDayOfWeek = st.wDay = kUntouched;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = kUntouched;
    return st;
}

SYSTEMTIME Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    st.wMilliseconds = static_cast<WORD>(ms);
    return st;
}

// -1 in an expectation: the field must keep the sentinel.
struct Fields
{
    int year, month, day, hour, minute, second, weekday;
};

std::string Describe(const SYSTEMTIME& st)
{
    char buf[128];
    snprintf(buf, sizeof(buf), "y=%u M=%u d=%u H=%u m=%u s=%u ms=%u dow=%u", st.wYear, st.wMonth, st.wDay,
             st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return buf;
}

::testing::AssertionResult Reads(const TCHAR* text, const TCHAR* format, const Fields& want)
{
    SYSTEMTIME st = Sentinel();
    const int ok = QELDateTime::ConvertStringToSystemtime(text, format, &st);
    auto same = [](int expected, WORD actual) { return actual == (expected < 0 ? kUntouched : expected); };
    if (ok == 1 && same(want.year, st.wYear) && same(want.month, st.wMonth) && same(want.day, st.wDay) &&
        same(want.hour, st.wHour) && same(want.minute, st.wMinute) && same(want.second, st.wSecond) &&
        same(want.weekday, st.wDayOfWeek) && st.wMilliseconds == kUntouched)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text << "\" by \"" << format << "\" returned " << ok << ", "
                                         << Describe(st);
}

// Refused: returns 0 and leaves the result exactly as it was.
::testing::AssertionResult Refuses(const TCHAR* text, const TCHAR* format)
{
    SYSTEMTIME st = Sentinel();
    const SYSTEMTIME before = st;
    const int ok = QELDateTime::ConvertStringToSystemtime(text, format, &st);
    if (ok == 0 && memcmp(&st, &before, sizeof(st)) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << (text ? text : _T("(null)")) << "\" by \""
                                         << (format ? format : _T("(null)")) << "\" returned " << ok << ", "
                                         << Describe(st);
}

const int X = -1;  // field not read

TEST(DateTextReading, ReadsTheEditorsDefaultFormat)
{
    // 15 March 2009 was a Sunday.
    EXPECT_TRUE(Reads(_T("2009-03-15"), _T("yyyy-MM-dd"), {2009, 3, 15, X, X, X, 0}));
    EXPECT_TRUE(Reads(_T("1999-12-31"), _T("yyyy-MM-dd"), {1999, 12, 31, X, X, X, 5}));
    EXPECT_TRUE(Reads(_T("15.03.2009"), _T("dd.MM.yyyy"), {2009, 3, 15, X, X, X, 0}));
}

TEST(DateTextReading, NumericFieldsByWidth)
{
    // One letter: one or two digits; two letters: exactly two.
    EXPECT_TRUE(Reads(_T("5.3.2009"), _T("d.M.yyyy"), {2009, 3, 5, X, X, X, 4}));
    EXPECT_TRUE(Reads(_T("25.12.2009"), _T("d.M.yyyy"), {2009, 12, 25, X, X, X, 5}));
    EXPECT_TRUE(Reads(_T("7:4:3"), _T("H:m:s"), {X, X, X, 7, 4, 3, X}));
    EXPECT_TRUE(Reads(_T("07:04:03"), _T("HH:mm:ss"), {X, X, X, 7, 4, 3, X}));
    EXPECT_TRUE(Reads(_T("23:59:59"), _T("H:m:s"), {X, X, X, 23, 59, 59, X}));
    EXPECT_TRUE(Refuses(_T("2009-3-15"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-03-5"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("7:04:03"), _T("HH:mm:ss")));
    EXPECT_TRUE(Refuses(_T("07:4:03"), _T("HH:mm:ss")));
    EXPECT_TRUE(Refuses(_T("07:04:3"), _T("HH:mm:ss")));
    // One-or-two-digit fields take two digits when there are two.
    EXPECT_TRUE(Reads(_T("123"), _T("dM"), {X, 3, 12, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("1213"), _T("dM")));
}

TEST(DateTextReading, FieldsOutOfTheirRangeAreRefused)
{
    EXPECT_TRUE(Refuses(_T("2009-13-01"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-00-01"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-01-32"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-01-00"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("24"), _T("H")));
    EXPECT_TRUE(Refuses(_T("0"), _T("h")));
    EXPECT_TRUE(Refuses(_T("13"), _T("hh")));
    EXPECT_TRUE(Refuses(_T("60"), _T("mm")));
    EXPECT_TRUE(Refuses(_T("60"), _T("s")));
    // The day is checked against 1-31 only; the calendar check belongs to AvailabilityTime.
    EXPECT_TRUE(Reads(_T("2009-02-30"), _T("yyyy-MM-dd"), {2009, 2, 30, X, X, X, X}));
}

TEST(DateTextReading, YearForms)
{
    EXPECT_TRUE(Reads(_T("2009"), _T("yyyy"), {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("2009"), _T("yyy"), {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("0987"), _T("yyyy"), {987, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("209"), _T("yyyy")));
    EXPECT_TRUE(Refuses(_T("20091"), _T("yyyy")));
    // Two digits: 1930-2029.
    EXPECT_TRUE(Reads(_T("09"), _T("yy"), {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("29"), _T("yy"), {2029, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("30"), _T("yy"), {1930, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("99"), _T("yy"), {1999, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("00"), _T("yy"), {2000, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("9"), _T("yy")));
    // One digit: the latest year of that window ending in it.
    EXPECT_TRUE(Reads(_T("9"), _T("y"), {2029, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("0"), _T("y"), {2020, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("09"), _T("y")));
}

TEST(DateTextReading, TwelveHourClock)
{
    EXPECT_TRUE(Reads(_T("12:00 AM"), _T("hh:mm tt"), {X, X, X, 0, 0, X, X}));
    EXPECT_TRUE(Reads(_T("12:30 PM"), _T("hh:mm tt"), {X, X, X, 12, 30, X, X}));
    EXPECT_TRUE(Reads(_T("01:05 PM"), _T("hh:mm tt"), {X, X, X, 13, 5, X, X}));
    EXPECT_TRUE(Reads(_T("11:59 pm"), _T("hh:mm tt"), {X, X, X, 23, 59, X, X}));
    EXPECT_TRUE(Reads(_T("1:05 A"), _T("h:mm t"), {X, X, X, 1, 5, X, X}));
    EXPECT_TRUE(Reads(_T("3 P"), _T("h t"), {X, X, X, 15, X, X, X}));
    EXPECT_TRUE(Reads(_T("PM 3"), _T("tt h"), {X, X, X, 15, X, X, X}));  // the designator may come first
    // Without a designator the 12-hour value is kept as read.
    EXPECT_TRUE(Reads(_T("12"), _T("hh"), {X, X, X, 12, X, X, X}));
    EXPECT_TRUE(Refuses(_T("03 XM"), _T("hh tt")));
    EXPECT_TRUE(Refuses(_T("03 A"), _T("hh tt")));
    EXPECT_TRUE(Refuses(_T("03 AM"), _T("hh t")));
    // A designator that contradicts a 24-hour value.
    EXPECT_TRUE(Reads(_T("15 PM"), _T("HH tt"), {X, X, X, 15, X, X, X}));
    EXPECT_TRUE(Reads(_T("09 AM"), _T("HH tt"), {X, X, X, 9, X, X, X}));
    EXPECT_TRUE(Refuses(_T("15 AM"), _T("HH tt")));
    EXPECT_TRUE(Refuses(_T("09 PM"), _T("HH tt")));
}

TEST(DateTextReading, MonthAndWeekdayNames)
{
    EXPECT_TRUE(Reads(_T("Mar"), _T("MMM"), {X, 3, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("DEC"), _T("MMM"), {X, 12, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("september"), _T("MMMM"), {X, 9, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("May 5"), _T("MMMM d"), {X, 5, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("Sep"), _T("MMMM")));
    EXPECT_TRUE(Refuses(_T("Sept"), _T("MMM")));
    EXPECT_TRUE(Refuses(_T("Mars"), _T("MMMM")));
    EXPECT_TRUE(Reads(_T("Wed"), _T("ddd"), {X, X, X, X, X, X, 3}));
    EXPECT_TRUE(Reads(_T("saturday"), _T("dddd"), {X, X, X, X, X, X, 6}));
    EXPECT_TRUE(Reads(_T("Sunday"), _T("dddd"), {X, X, X, X, X, X, 0}));
    EXPECT_TRUE(Refuses(_T("Sun"), _T("dddd")));
    EXPECT_TRUE(Reads(_T("Sunday, March 15, 2009"), _T("dddd, MMMM d, yyyy"), {2009, 3, 15, X, X, X, 0}));
    EXPECT_TRUE(Reads(_T("Thu 5 Mar 09"), _T("ddd d MMM yy"), {2009, 3, 5, X, X, X, 4}));
}

TEST(DateTextReading, WeekdayMustAgreeWithACompleteDate)
{
    EXPECT_TRUE(Refuses(_T("Monday, March 15, 2009"), _T("dddd, MMMM d, yyyy")));
    EXPECT_TRUE(Refuses(_T("Sat 2000-02-29"), _T("ddd yyyy-MM-dd")));      // a Tuesday
    EXPECT_TRUE(Reads(_T("Tue 2000-02-29"), _T("ddd yyyy-MM-dd"), {2000, 2, 29, X, X, X, 2}));
    // Without a complete real date the name is taken as it stands.
    EXPECT_TRUE(Reads(_T("Mon 15.03"), _T("ddd dd.MM"), {X, 3, 15, X, X, X, 1}));
    EXPECT_TRUE(Reads(_T("Mon 2009-02-30"), _T("ddd yyyy-MM-dd"), {2009, 2, 30, X, X, X, 1}));
}

TEST(DateTextReading, LiteralsAndQuotes)
{
    EXPECT_TRUE(Refuses(_T("2009/03/15"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-03-15 "), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T(" 2009-03-15"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Reads(_T("20090315T1207"), _T("yyyyMMdd'T'HHmm"), {2009, 3, 15, 12, 7, X, 0}));
    // Format letters inside quotes are literal text.
    EXPECT_TRUE(Reads(_T("day 5 of Mar"), _T("'day' d 'of' MMM"), {X, 3, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("day 5 of Mar"), _T("day d of MMM")));
    // '' is one quote, inside or outside a quoted part.
    EXPECT_TRUE(Reads(_T("It's 5"), _T("'It''s' d"), {X, X, 5, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("5'09"), _T("d''yy"), {2009, X, 5, X, X, X, X}));
    // A quote left open runs to the end of the format.
    EXPECT_TRUE(Reads(_T("5 dd"), _T("d 'dd"), {X, X, 5, X, X, X, X}));
    // Other letters are literal.
    EXPECT_TRUE(Reads(_T("X5"), _T("Xd"), {X, X, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses(_T("x5"), _T("Xd")));
#ifdef _UNICODE
    // Literal text beyond any narrow code page is compared character for character.
    EXPECT_TRUE(Reads(L"2009\u5e743\u670815\u65e5", L"yyyy'\u5e74'M'\u6708'd'\u65e5'", {2009, 3, 15, X, X, X, 0}));
    EXPECT_TRUE(Refuses(L"15 \u043c\u0430\u0440", L"d '\u043c\u0430\u044f'"));
#endif
}

TEST(DateTextReading, RunsLongerThanALetterFormSplitAsInThePicker)
{
    EXPECT_TRUE(Reads(_T("Thursday5"), _T("ddddd"), {X, X, 5, X, X, X, 4}));
    EXPECT_TRUE(Reads(_T("March3"), _T("MMMMM"), {X, 3, X, X, X, X, X}));
    EXPECT_TRUE(Reads(_T("20099"), _T("yyyyy"), {2029, X, X, X, X, X, X}));  // the later field counts
    EXPECT_TRUE(Reads(_T("077"), _T("hhh"), {X, X, X, 7, X, X, X}));
    EXPECT_TRUE(Reads(_T("AMA"), _T("ttt"), {X, X, X, X, X, X, X}));
}

TEST(DateTextReading, NullAndEmptyArguments)
{
    SYSTEMTIME st = Sentinel();
    EXPECT_EQ(0, QELDateTime::ConvertStringToSystemtime(_T("2009-03-15"), _T("yyyy-MM-dd"), nullptr));
    EXPECT_TRUE(Refuses(nullptr, _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-03-15"), nullptr));
    EXPECT_TRUE(Refuses(nullptr, nullptr));
    EXPECT_TRUE(Refuses(_T(""), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009"), _T("")));
    EXPECT_EQ(1, QELDateTime::ConvertStringToSystemtime(_T(""), _T(""), &st));
    EXPECT_EQ(Describe(Sentinel()), Describe(st));
}

TEST(DateTextReading, PartialTextWritesNothing)
{
    // Even when the fields read before the mismatch form a date, nothing of them is kept.
    EXPECT_TRUE(Refuses(_T("2009-03-15 garbage"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-03-15"), _T("yyyy-MM-dd HH:mm")));
    EXPECT_TRUE(Refuses(_T("2009-03"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("\xff\x80\x01"), _T("yyyy-MM-dd")));
    EXPECT_TRUE(Refuses(_T("2009-03-15"), _T("\xff\x80\x01")));
}

// A string placed so that its terminator is the last readable byte before an inaccessible page: reading
// one byte further faults.
class GuardedString
{
public:
    explicit GuardedString(const std::basic_string<TCHAR>& s)
    {
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        m_page = si.dwPageSize;
        m_base = static_cast<char*>(VirtualAlloc(nullptr, 2 * m_page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
        m_text = reinterpret_cast<TCHAR*>(m_base + m_page) - (s.size() + 1);
        memcpy(m_text, s.c_str(), (s.size() + 1) * sizeof(TCHAR));
    }
    ~GuardedString() { VirtualFree(m_base, 0, MEM_RELEASE); }
    GuardedString(const GuardedString&) = delete;
    GuardedString& operator=(const GuardedString&) = delete;
    const TCHAR* c_str() const { return m_text; }

private:
    size_t m_page;
    char* m_base;
    TCHAR* m_text;
};

TEST(DateTextReading, NeverReadsPastEitherTerminator)
{
    // Texts that end inside a field, a name, a designator or a literal, and formats that end inside a
    // run or a quote; each string ends right before an inaccessible page.
    const TCHAR* const formats[] = {_T("yyyy-MM-dd"), _T("dddd, MMMM d, yyyy"), _T("ddd d MMM yy"),
                                    _T("hh:mm:ss tt"), _T("h t"), _T("'at' H"), _T("d 'of"), _T("''"), _T("'"),
                                    _T("yyyy"), _T("MMMM"), _T("ddd"), _T("tt"), _T("mmss"), _T("X")};
    const TCHAR* const texts[] = {_T(""), _T("2"), _T("2009-0"), _T("2009-03-1"), _T("Thursda"),
                                  _T("Thursday, Marc"), _T("Thu 5 Ma"), _T("12:3"), _T("12:30:00 A"), _T("3 "),
                                  _T("a"), _T("at"), _T("5 o"), _T("'"), _T("Septembe"), _T("A"), _T("59")};
    for (const TCHAR* format : formats)
    {
        for (const TCHAR* text : texts)
        {
            GuardedString guardedFormat(format);
            GuardedString guardedText(text);
            SYSTEMTIME st = Sentinel();
            QELDateTime::ConvertStringToSystemtime(guardedText.c_str(), guardedFormat.c_str(), &st);
        }
    }
    // Bytes after a terminator are never looked at.
    const TCHAR text[] = _T("2009-03-15\0-01");
    const TCHAR format[] = _T("yyyy-MM-dd\0-dd");
    EXPECT_TRUE(Reads(text, format, {2009, 3, 15, X, X, X, 0}));
}

// Text the date-time picker displays for a value reads back to that value.
TEST(DateTextReading, ReadsBackWhatTheDatePickerDisplays)
{
    // Never shown: its window text is the formatted value all the same.
    HWND hPicker = CreateWindowEx(0, DATETIMEPICK_CLASS, _T(""), WS_POPUP | DTS_SHORTDATEFORMAT, 20, 20, 320, 28,
                                  nullptr, nullptr, GetModuleHandle(nullptr), nullptr);
    ASSERT_NE(nullptr, hPicker);

    enum { kY = 1, kMo = 2, kD = 4, kH = 8, kMi = 16, kS = 32, kDow = 64 };
    struct Case
    {
        const TCHAR* format;
        unsigned fields;
    };
    // Wine's picker shows "MMM" wrongly (the full name followed by stray characters), so the abbreviated
    // month is left out here; it is covered by the tests above.
    const Case cases[] = {
        {_T("yyyy-MM-dd"), kY | kMo | kD | kDow},
        {_T("dd.MM.yyyy"), kY | kMo | kD | kDow},
        {_T("d/M/yy"), kY | kMo | kD | kDow},
        {_T("dddd, MMMM d, yyyy"), kY | kMo | kD | kDow},
        {_T("ddd dd MMMM yyy"), kY | kMo | kD | kDow},
        {_T("yyyyMMdd'T'HHmmss"), kY | kMo | kD | kH | kMi | kS | kDow},
        {_T("'Date:' yyyy-MM-dd H:m:s"), kY | kMo | kD | kH | kMi | kS | kDow},
        {_T("hh:mm:ss tt"), kH | kMi | kS},
        {_T("h:m:s t"), kH | kMi | kS},
    };
    const SYSTEMTIME values[] = {Date(2009, 3, 15, 15, 7, 9), Date(2000, 2, 29, 0, 0, 0),
                                 Date(1999, 12, 31, 12, 30, 5), Date(2024, 1, 1, 23, 59, 59)};
    for (const Case& c : cases)
    {
        SendMessage(hPicker, DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(c.format));
        for (SYSTEMTIME value : values)
        {
            ASSERT_TRUE(SendMessage(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value)));
            SYSTEMTIME shown = {};
            SendMessage(hPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
            TCHAR text[256] = {};
            GetWindowText(hPicker, text, _countof(text));

            SYSTEMTIME st = Sentinel();
            ASSERT_EQ(1, QELDateTime::ConvertStringToSystemtime(text, c.format, &st))
                << "\"" << text << "\" by \"" << c.format << "\"";
            const std::string where = (::testing::Message() << text << " by " << c.format << ": " << Describe(st))
                                          .GetString();
            const WORD want[7] = {shown.wYear, shown.wMonth, shown.wDay, shown.wHour, shown.wMinute,
                                  shown.wSecond, shown.wDayOfWeek};
            const WORD got[7] = {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
            for (int i = 0; i < 7; ++i)
            {
                if (c.fields & (1u << i))
                {
                    EXPECT_EQ(want[i], got[i]) << where;
                }
            }
        }
    }
    DestroyWindow(hPicker);
}

TEST(DateValidity, CalendarDates)
{
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 3, 15)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(SYSTEMTIME{}));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 0, 15)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 13, 15)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 3, 0)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 1, 31)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 4, 31)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 4, 30)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 12, 31)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 12, 32)));
}

TEST(DateValidity, LeapYears)
{
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2008, 2, 29)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 2, 29)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 2, 28)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(1900, 2, 29)));  // century
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2000, 2, 29)));  // fourth century
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2100, 2, 29)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2008, 2, 30)));
}

TEST(DateValidity, YearAndTimeRanges)
{
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(1600, 12, 31)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(1601, 1, 1)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(30827, 12, 31, 23, 59, 59, 999)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(30828, 1, 1)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 3, 15, 24, 0, 0)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 3, 15, 0, 60, 0)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 3, 15, 0, 0, 60)));
    EXPECT_EQ(0, QELDateTime::AvailabilityTime(Date(2009, 3, 15, 0, 0, 0, 1000)));
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(Date(2009, 3, 15, 23, 59, 59, 999)));
    SYSTEMTIME anyWeekday = Date(2009, 3, 15);
    anyWeekday.wDayOfWeek = 9;
    EXPECT_EQ(1, QELDateTime::AvailabilityTime(anyWeekday));
}

// Usable exactly when the system converts the value (within the documented SYSTEMTIME years). Wine's
// converter takes 29 February in every year, which is no calendar date outside leap years; that day is
// left to the leap-year test above.
TEST(DateValidity, AgreesWithSystemTimeToFileTime)
{
    const int years[] = {1, 1600, 1601, 1900, 1999, 2000, 2004, 2009, 2100, 2400, 9999, 30827};
    const int times[][4] = {{0, 0, 0, 0}, {23, 59, 59, 999}, {24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0},
                            {0, 0, 0, 1000}};
    int checked = 0;
    for (int year : years)
        for (int month = 0; month <= 13; ++month)
            for (int day = 0; day <= 32; ++day)
                for (const auto& t : times)
                {
                    if (month == 2 && day == 29)
                        continue;
                    const SYSTEMTIME st = Date(year, month, day, t[0], t[1], t[2], t[3]);
                    FILETIME ft;
                    const bool system = SystemTimeToFileTime(&st, &ft) != FALSE;
                    ASSERT_EQ(system, QELDateTime::AvailabilityTime(st) != 0) << Describe(st);
                    ++checked;
                }
    EXPECT_GT(checked, 1000);
}

TEST(DateValidity, WhatTheReaderProducesFromADefaultFormatCell)
{
    // The editor zero-fills, reads, and falls back when the value is not usable.
    auto usable = [](const TCHAR* text) {
        SYSTEMTIME st = {};
        QELDateTime::ConvertStringToSystemtime(text, _T("yyyy-MM-dd"), &st);
        return QELDateTime::AvailabilityTime(st);
    };
    EXPECT_EQ(1, usable(_T("2009-03-15")));
    EXPECT_EQ(1, usable(_T("2000-02-29")));
    EXPECT_EQ(0, usable(_T("2009-02-29")));
    EXPECT_EQ(0, usable(_T("")));
    EXPECT_EQ(0, usable(_T("2009-03-15x")));
    EXPECT_EQ(0, usable(_T("1600-12-31")));
}

} // namespace
