// Date text reading and date validation of QELStd.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "QELStd.h"

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

::testing::AssertionResult Reads(const char* text, const char* format, const Fields& want)
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
::testing::AssertionResult Refuses(const char* text, const char* format)
{
    SYSTEMTIME st = Sentinel();
    const SYSTEMTIME before = st;
    const int ok = QELDateTime::ConvertStringToSystemtime(text, format, &st);
    if (ok == 0 && memcmp(&st, &before, sizeof(st)) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << (text ? text : "(null)") << "\" by \""
                                         << (format ? format : "(null)") << "\" returned " << ok << ", "
                                         << Describe(st);
}

const int X = -1;  // field not read

TEST(DateTextReading, ReadsTheEditorsDefaultFormat)
{
    // 15 March 2009 was a Sunday.
    EXPECT_TRUE(Reads("2009-03-15", "yyyy-MM-dd", {2009, 3, 15, X, X, X, 0}));
    EXPECT_TRUE(Reads("1999-12-31", "yyyy-MM-dd", {1999, 12, 31, X, X, X, 5}));
    EXPECT_TRUE(Reads("15.03.2009", "dd.MM.yyyy", {2009, 3, 15, X, X, X, 0}));
}

TEST(DateTextReading, NumericFieldsByWidth)
{
    // One letter: one or two digits; two letters: exactly two.
    EXPECT_TRUE(Reads("5.3.2009", "d.M.yyyy", {2009, 3, 5, X, X, X, 4}));
    EXPECT_TRUE(Reads("25.12.2009", "d.M.yyyy", {2009, 12, 25, X, X, X, 5}));
    EXPECT_TRUE(Reads("7:4:3", "H:m:s", {X, X, X, 7, 4, 3, X}));
    EXPECT_TRUE(Reads("07:04:03", "HH:mm:ss", {X, X, X, 7, 4, 3, X}));
    EXPECT_TRUE(Reads("23:59:59", "H:m:s", {X, X, X, 23, 59, 59, X}));
    EXPECT_TRUE(Refuses("2009-3-15", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-03-5", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("7:04:03", "HH:mm:ss"));
    EXPECT_TRUE(Refuses("07:4:03", "HH:mm:ss"));
    EXPECT_TRUE(Refuses("07:04:3", "HH:mm:ss"));
    // One-or-two-digit fields take two digits when there are two.
    EXPECT_TRUE(Reads("123", "dM", {X, 3, 12, X, X, X, X}));
    EXPECT_TRUE(Refuses("1213", "dM"));
}

TEST(DateTextReading, FieldsOutOfTheirRangeAreRefused)
{
    EXPECT_TRUE(Refuses("2009-13-01", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-00-01", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-01-32", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-01-00", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("24", "H"));
    EXPECT_TRUE(Refuses("0", "h"));
    EXPECT_TRUE(Refuses("13", "hh"));
    EXPECT_TRUE(Refuses("60", "mm"));
    EXPECT_TRUE(Refuses("60", "s"));
    // The day is checked against 1-31 only; the calendar check belongs to AvailabilityTime.
    EXPECT_TRUE(Reads("2009-02-30", "yyyy-MM-dd", {2009, 2, 30, X, X, X, X}));
}

TEST(DateTextReading, YearForms)
{
    EXPECT_TRUE(Reads("2009", "yyyy", {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("2009", "yyy", {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("0987", "yyyy", {987, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses("209", "yyyy"));
    EXPECT_TRUE(Refuses("20091", "yyyy"));
    // Two digits: 1930-2029.
    EXPECT_TRUE(Reads("09", "yy", {2009, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("29", "yy", {2029, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("30", "yy", {1930, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("99", "yy", {1999, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("00", "yy", {2000, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses("9", "yy"));
    // One digit: the latest year of that window ending in it.
    EXPECT_TRUE(Reads("9", "y", {2029, X, X, X, X, X, X}));
    EXPECT_TRUE(Reads("0", "y", {2020, X, X, X, X, X, X}));
    EXPECT_TRUE(Refuses("09", "y"));
}

TEST(DateTextReading, TwelveHourClock)
{
    EXPECT_TRUE(Reads("12:00 AM", "hh:mm tt", {X, X, X, 0, 0, X, X}));
    EXPECT_TRUE(Reads("12:30 PM", "hh:mm tt", {X, X, X, 12, 30, X, X}));
    EXPECT_TRUE(Reads("01:05 PM", "hh:mm tt", {X, X, X, 13, 5, X, X}));
    EXPECT_TRUE(Reads("11:59 pm", "hh:mm tt", {X, X, X, 23, 59, X, X}));
    EXPECT_TRUE(Reads("1:05 A", "h:mm t", {X, X, X, 1, 5, X, X}));
    EXPECT_TRUE(Reads("3 P", "h t", {X, X, X, 15, X, X, X}));
    EXPECT_TRUE(Reads("PM 3", "tt h", {X, X, X, 15, X, X, X}));  // the designator may come first
    // Without a designator the 12-hour value is kept as read.
    EXPECT_TRUE(Reads("12", "hh", {X, X, X, 12, X, X, X}));
    EXPECT_TRUE(Refuses("03 XM", "hh tt"));
    EXPECT_TRUE(Refuses("03 A", "hh tt"));
    EXPECT_TRUE(Refuses("03 AM", "hh t"));
    // A designator that contradicts a 24-hour value.
    EXPECT_TRUE(Reads("15 PM", "HH tt", {X, X, X, 15, X, X, X}));
    EXPECT_TRUE(Reads("09 AM", "HH tt", {X, X, X, 9, X, X, X}));
    EXPECT_TRUE(Refuses("15 AM", "HH tt"));
    EXPECT_TRUE(Refuses("09 PM", "HH tt"));
}

TEST(DateTextReading, MonthAndWeekdayNames)
{
    EXPECT_TRUE(Reads("Mar", "MMM", {X, 3, X, X, X, X, X}));
    EXPECT_TRUE(Reads("DEC", "MMM", {X, 12, X, X, X, X, X}));
    EXPECT_TRUE(Reads("september", "MMMM", {X, 9, X, X, X, X, X}));
    EXPECT_TRUE(Reads("May 5", "MMMM d", {X, 5, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses("Sep", "MMMM"));
    EXPECT_TRUE(Refuses("Sept", "MMM"));
    EXPECT_TRUE(Refuses("Mars", "MMMM"));
    EXPECT_TRUE(Reads("Wed", "ddd", {X, X, X, X, X, X, 3}));
    EXPECT_TRUE(Reads("saturday", "dddd", {X, X, X, X, X, X, 6}));
    EXPECT_TRUE(Reads("Sunday", "dddd", {X, X, X, X, X, X, 0}));
    EXPECT_TRUE(Refuses("Sun", "dddd"));
    EXPECT_TRUE(Reads("Sunday, March 15, 2009", "dddd, MMMM d, yyyy", {2009, 3, 15, X, X, X, 0}));
    EXPECT_TRUE(Reads("Thu 5 Mar 09", "ddd d MMM yy", {2009, 3, 5, X, X, X, 4}));
}

TEST(DateTextReading, WeekdayMustAgreeWithACompleteDate)
{
    EXPECT_TRUE(Refuses("Monday, March 15, 2009", "dddd, MMMM d, yyyy"));
    EXPECT_TRUE(Refuses("Sat 2000-02-29", "ddd yyyy-MM-dd"));      // a Tuesday
    EXPECT_TRUE(Reads("Tue 2000-02-29", "ddd yyyy-MM-dd", {2000, 2, 29, X, X, X, 2}));
    // Without a complete real date the name is taken as it stands.
    EXPECT_TRUE(Reads("Mon 15.03", "ddd dd.MM", {X, 3, 15, X, X, X, 1}));
    EXPECT_TRUE(Reads("Mon 2009-02-30", "ddd yyyy-MM-dd", {2009, 2, 30, X, X, X, 1}));
}

TEST(DateTextReading, LiteralsAndQuotes)
{
    EXPECT_TRUE(Refuses("2009/03/15", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-03-15 ", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses(" 2009-03-15", "yyyy-MM-dd"));
    EXPECT_TRUE(Reads("20090315T1207", "yyyyMMdd'T'HHmm", {2009, 3, 15, 12, 7, X, 0}));
    // Format letters inside quotes are literal text.
    EXPECT_TRUE(Reads("day 5 of Mar", "'day' d 'of' MMM", {X, 3, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses("day 5 of Mar", "day d of MMM"));
    // '' is one quote, inside or outside a quoted part.
    EXPECT_TRUE(Reads("It's 5", "'It''s' d", {X, X, 5, X, X, X, X}));
    EXPECT_TRUE(Reads("5'09", "d''yy", {2009, X, 5, X, X, X, X}));
    // A quote left open runs to the end of the format.
    EXPECT_TRUE(Reads("5 dd", "d 'dd", {X, X, 5, X, X, X, X}));
    // Other letters are literal.
    EXPECT_TRUE(Reads("X5", "Xd", {X, X, 5, X, X, X, X}));
    EXPECT_TRUE(Refuses("x5", "Xd"));
}

TEST(DateTextReading, RunsLongerThanALetterFormSplitAsInThePicker)
{
    EXPECT_TRUE(Reads("Thursday5", "ddddd", {X, X, 5, X, X, X, 4}));
    EXPECT_TRUE(Reads("March3", "MMMMM", {X, 3, X, X, X, X, X}));
    EXPECT_TRUE(Reads("20099", "yyyyy", {2029, X, X, X, X, X, X}));  // the later field counts
    EXPECT_TRUE(Reads("077", "hhh", {X, X, X, 7, X, X, X}));
    EXPECT_TRUE(Reads("AMA", "ttt", {X, X, X, X, X, X, X}));
}

TEST(DateTextReading, NullAndEmptyArguments)
{
    SYSTEMTIME st = Sentinel();
    EXPECT_EQ(0, QELDateTime::ConvertStringToSystemtime("2009-03-15", "yyyy-MM-dd", nullptr));
    EXPECT_TRUE(Refuses(nullptr, "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-03-15", nullptr));
    EXPECT_TRUE(Refuses(nullptr, nullptr));
    EXPECT_TRUE(Refuses("", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009", ""));
    EXPECT_EQ(1, QELDateTime::ConvertStringToSystemtime("", "", &st));
    EXPECT_EQ(Describe(Sentinel()), Describe(st));
}

TEST(DateTextReading, PartialTextWritesNothing)
{
    // Even when the fields read before the mismatch form a date, nothing of them is kept.
    EXPECT_TRUE(Refuses("2009-03-15 garbage", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-03-15", "yyyy-MM-dd HH:mm"));
    EXPECT_TRUE(Refuses("2009-03", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("\xff\x80\x01", "yyyy-MM-dd"));
    EXPECT_TRUE(Refuses("2009-03-15", "\xff\x80\x01"));
}

// A string placed so that its terminator is the last readable byte before an inaccessible page: reading
// one byte further faults.
class GuardedString
{
public:
    explicit GuardedString(const std::string& s)
    {
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        m_page = si.dwPageSize;
        m_base = static_cast<char*>(VirtualAlloc(nullptr, 2 * m_page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
        m_text = m_base + m_page - (s.size() + 1);
        memcpy(m_text, s.c_str(), s.size() + 1);
    }
    ~GuardedString() { VirtualFree(m_base, 0, MEM_RELEASE); }
    GuardedString(const GuardedString&) = delete;
    GuardedString& operator=(const GuardedString&) = delete;
    const char* c_str() const { return m_text; }

private:
    size_t m_page;
    char* m_base;
    char* m_text;
};

TEST(DateTextReading, NeverReadsPastEitherTerminator)
{
    // Texts that end inside a field, a name, a designator or a literal, and formats that end inside a
    // run or a quote; each string ends right before an inaccessible page.
    const char* const formats[] = {"yyyy-MM-dd", "dddd, MMMM d, yyyy", "ddd d MMM yy", "hh:mm:ss tt", "h t",
                                   "'at' H", "d 'of", "''", "'", "yyyy", "MMMM", "ddd", "tt", "mmss", "X"};
    const char* const texts[] = {"",     "2",       "2009-0", "2009-03-1", "Thursda", "Thursday, Marc",
                                 "Thu 5 Ma", "12:3", "12:30:00 A", "3 ", "a",      "at",
                                 "5 o",  "'",       "Septembe", "A", "59"};
    for (const char* format : formats)
    {
        for (const char* text : texts)
        {
            GuardedString guardedFormat(format);
            GuardedString guardedText(text);
            SYSTEMTIME st = Sentinel();
            QELDateTime::ConvertStringToSystemtime(guardedText.c_str(), guardedFormat.c_str(), &st);
        }
    }
    // Bytes after a terminator are never looked at.
    const char text[] = "2009-03-15\0-01";
    const char format[] = "yyyy-MM-dd\0-dd";
    EXPECT_TRUE(Reads(text, format, {2009, 3, 15, X, X, X, 0}));
}

// Text the date-time picker displays for a value reads back to that value.
TEST(DateTextReading, ReadsBackWhatTheDatePickerDisplays)
{
    // Never shown: its window text is the formatted value all the same.
    HWND hPicker = CreateWindowExA(0, DATETIMEPICK_CLASSA, "", WS_POPUP | DTS_SHORTDATEFORMAT, 20, 20, 320, 28,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hPicker);

    enum { kY = 1, kMo = 2, kD = 4, kH = 8, kMi = 16, kS = 32, kDow = 64 };
    struct Case
    {
        const char* format;
        unsigned fields;
    };
    // Wine's picker shows "MMM" wrongly (the full name followed by stray characters), so the abbreviated
    // month is left out here; it is covered by the tests above.
    const Case cases[] = {
        {"yyyy-MM-dd", kY | kMo | kD | kDow},
        {"dd.MM.yyyy", kY | kMo | kD | kDow},
        {"d/M/yy", kY | kMo | kD | kDow},
        {"dddd, MMMM d, yyyy", kY | kMo | kD | kDow},
        {"ddd dd MMMM yyy", kY | kMo | kD | kDow},
        {"yyyyMMdd'T'HHmmss", kY | kMo | kD | kH | kMi | kS | kDow},
        {"'Date:' yyyy-MM-dd H:m:s", kY | kMo | kD | kH | kMi | kS | kDow},
        {"hh:mm:ss tt", kH | kMi | kS},
        {"h:m:s t", kH | kMi | kS},
    };
    const SYSTEMTIME values[] = {Date(2009, 3, 15, 15, 7, 9), Date(2000, 2, 29, 0, 0, 0),
                                 Date(1999, 12, 31, 12, 30, 5), Date(2024, 1, 1, 23, 59, 59)};
    for (const Case& c : cases)
    {
        SendMessageA(hPicker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(c.format));
        for (SYSTEMTIME value : values)
        {
            ASSERT_TRUE(SendMessageA(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value)));
            SYSTEMTIME shown = {};
            SendMessageA(hPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
            char text[256] = {};
            GetWindowTextA(hPicker, text, sizeof(text));

            SYSTEMTIME st = Sentinel();
            ASSERT_EQ(1, QELDateTime::ConvertStringToSystemtime(text, c.format, &st))
                << "\"" << text << "\" by \"" << c.format << "\"";
            const std::string where = std::string(text) + " by " + c.format + ": " + Describe(st);
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
    auto usable = [](const char* text) {
        SYSTEMTIME st = {};
        QELDateTime::ConvertStringToSystemtime(text, "yyyy-MM-dd", &st);
        return QELDateTime::AvailabilityTime(st);
    };
    EXPECT_EQ(1, usable("2009-03-15"));
    EXPECT_EQ(1, usable("2000-02-29"));
    EXPECT_EQ(0, usable("2009-02-29"));
    EXPECT_EQ(0, usable(""));
    EXPECT_EQ(0, usable("2009-03-15x"));
    EXPECT_EQ(0, usable("1600-12-31"));
}

} // namespace
