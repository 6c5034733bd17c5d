// QELStd: reading date-time text by the date-time picker's format letters, and validating a SYSTEMTIME.
//
// The two functions are plain C++ over a SYSTEMTIME and TCHAR text. On Windows they come from QELStd.dll, or
// QELStdU.dll with wide text in the Unicode build; elsewhere (the native fuzzing build) this header declares a
// layout-compatible SYSTEMTIME, narrow TCHAR and no export decoration.
#pragma once

#ifdef _WIN32
// In programs on the shared MFC the Windows headers come through MFC's, which must precede them.
#ifdef _AFXDLL
#include <afx.h>
#else
#include <windows.h>
#endif
#ifdef QELSTD_BUILD
#define QELSTD_API __declspec(dllexport)
#else
#define QELSTD_API __declspec(dllimport)
#endif
#include <tchar.h>
#else
// Text is narrow outside Windows.
typedef char TCHAR;
#define _T(text) text
#include <stdint.h>
// Same eight unsigned 16-bit fields, in the same order, as the Windows structure.
typedef struct _SYSTEMTIME
{
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;
#define QELSTD_API
#endif

namespace QELDateTime
{

// Reads `text` according to `format` and, on a full match, writes the fields that the format names into
// *result; the other fields keep their values. Returns 1 on a full match, 0 otherwise; on 0, *result is left
// exactly as it was. A null text, format or result gives 0. Neither string is read past its terminator.
//
// Format letters (case matters), as the date-time picker displays them:
//   d     day, one or two digits          dd    day, exactly two digits
//   ddd   weekday abbreviation ("Mon")     dddd  weekday name ("Monday")
//   M     month, one or two digits        MM    month, exactly two digits
//   MMM   month abbreviation ("Mar")       MMMM  month name ("March")
//   y     last digit of the year          yy    last two digits of the year
//   yyy, yyyy  the full year, exactly four digits
//   h     hour 1-12, one or two digits    hh    hour 1-12, exactly two digits
//   H     hour 0-23, one or two digits    HH    hour 0-23, exactly two digits
//   m/mm  minute 0-59, s/ss second 0-59, with the same one-or-two / exactly-two rule
//   t     "A" or "P"                       tt    "AM" or "PM"
//   A run of one letter longer than its longest form is, as in the picker, that form followed by a new
//   field for the rest of the run: "ddddd" is "dddd" then "d", "hhh" is "hh" then "h".
//   '...' literal text; '' stands for one quote, inside or outside a quoted part. A quote left open runs to
//         the end of the format.
//   Every other character is literal and must appear in the text as it stands.
// Reading rules:
//   - A one-or-two-digit field takes two digits when two are there (there is no backtracking, so two such
//     fields written without a separator between them are read greedily).
//   - Short years are placed in the hundred years 1930-2029: yy "30".."99" are 1930-1999, "00".."29" are
//     2000-2029; y is the latest year of that window ending in the digit (2020-2029).
//   - Names and AM/PM designators match without regard to ASCII case. The English names are always
//     understood; on Windows the names and designators of the user's locale are understood as well (the
//     picker displays those). When several names match, the longest wins.
//   - Each field is checked against its own range (day 1-31, month 1-12, hours, minutes and seconds as
//     above); the calendar check of the whole date is AvailabilityTime's. A weekday name must agree with the
//     date when the format also reads year, month and day and they form a real date.
//   - A 12-hour value (h, hh) becomes 0-23 with the AM/PM designator when one is read (12 AM is 0, 12 PM is
//     12); without a designator it is stored as read. A designator that contradicts a 24-hour value fails.
//   - A weekday name sets wDayOfWeek (0 = Sunday). When year, month and day are all read and form a real
//     date, wDayOfWeek is set to that date's weekday.
//   - When a field is read twice, the last reading counts. An empty format matches only an empty text.
QELSTD_API int ConvertStringToSystemtime(const TCHAR* text, const TCHAR* format, SYSTEMTIME* result);

// Returns 1 when `st` is a usable date and time, 0 otherwise: year 1601-30827 (the years SystemTimeToFileTime
// converts), month 1-12, day within the month (leap years by the Gregorian rule), hour 0-23, minute and second
// 0-59, milliseconds 0-999. wDayOfWeek is not examined, as SystemTimeToFileTime ignores it. The all-zero value
// is not usable.
QELSTD_API int AvailabilityTime(SYSTEMTIME st);

} // namespace QELDateTime
