// Fuzzes QELDateTime::ConvertStringToSystemtime with text and format together, and AvailabilityTime on
// what it produces. Input: the text, a zero byte, then the format (no zero byte: the whole input is the text
// and the format is "yyyy-MM-dd"). Each string is copied into a buffer of exactly its size, so that any read
// past a terminator is caught by AddressSanitizer.
#include "QELStd.h"

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

namespace
{

const uint16_t kSentinel = 0xA5A5;

void Check(bool condition)
{
    if (!condition)
        abort();
}

bool InRangeOrUntouched(uint16_t value, uint16_t lo, uint16_t hi)
{
    return value == kSentinel || (value >= lo && value <= hi);
}

SYSTEMTIME Sentinel()
{
    SYSTEMTIME st;
    st.wYear = st.wMonth = st.wDayOfWeek = st.wDay = kSentinel;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = kSentinel;
    return st;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* zero = static_cast<const uint8_t*>(memchr(data, 0, size));
    const size_t textSize = zero ? static_cast<size_t>(zero - data) : size;
    std::vector<char> text(data, data + textSize);
    text.push_back('\0');
    std::vector<char> format;
    if (zero)
        format.assign(zero + 1, data + size);
    else
    {
        static const char kDefault[] = "yyyy-MM-dd";
        format.assign(kDefault, kDefault + sizeof(kDefault) - 1);
    }
    format.push_back('\0');
    // Exactly sized heap copies: the vectors' capacity may exceed their size.
    char* textBuf = static_cast<char*>(malloc(text.size()));
    char* formatBuf = static_cast<char*>(malloc(format.size()));
    memcpy(textBuf, text.data(), text.size());
    memcpy(formatBuf, format.data(), format.size());

    const SYSTEMTIME before = Sentinel();
    SYSTEMTIME st = before;
    const int ok = QELDateTime::ConvertStringToSystemtime(textBuf, formatBuf, &st);
    if (!ok)
    {
        Check(memcmp(&st, &before, sizeof(st)) == 0);  // nothing written on failure
    }
    else
    {
        Check(ok == 1);
        Check(InRangeOrUntouched(st.wYear, 0, 9999));
        Check(InRangeOrUntouched(st.wMonth, 1, 12));
        Check(InRangeOrUntouched(st.wDayOfWeek, 0, 6));
        Check(InRangeOrUntouched(st.wDay, 1, 31));
        Check(InRangeOrUntouched(st.wHour, 0, 23));
        Check(InRangeOrUntouched(st.wMinute, 0, 59));
        Check(InRangeOrUntouched(st.wSecond, 0, 59));
        Check(st.wMilliseconds == kSentinel);
    }

    // The same input reads the same way again.
    SYSTEMTIME again = before;
    Check(QELDateTime::ConvertStringToSystemtime(textBuf, formatBuf, &again) == ok);
    Check(memcmp(&st, &again, sizeof(st)) == 0);

    // Null arguments are refused without touching anything.
    SYSTEMTIME untouched = before;
    Check(QELDateTime::ConvertStringToSystemtime(nullptr, formatBuf, &untouched) == 0);
    Check(QELDateTime::ConvertStringToSystemtime(textBuf, nullptr, &untouched) == 0);
    Check(QELDateTime::ConvertStringToSystemtime(textBuf, formatBuf, nullptr) == 0);
    Check(memcmp(&untouched, &before, sizeof(untouched)) == 0);

    // A usable value has every field in range, whatever produced it.
    SYSTEMTIME raw;
    memset(&raw, 0, sizeof(raw));
    memcpy(&raw, data, size < sizeof(raw) ? size : sizeof(raw));
    for (const SYSTEMTIME* v : {&st, &raw})
    {
        if (QELDateTime::AvailabilityTime(*v))
        {
            Check(v->wYear >= 1601 && v->wYear <= 30827);
            Check(v->wMonth >= 1 && v->wMonth <= 12);
            Check(v->wDay >= 1 && v->wDay <= 31);
            Check(v->wHour <= 23 && v->wMinute <= 59 && v->wSecond <= 59 && v->wMilliseconds <= 999);
        }
    }

    free(textBuf);
    free(formatBuf);
    return 0;
}
