// CString: a growable character string with value semantics, narrow (multibyte) or wide.
#pragma once

#include "afxver_.h"
#include <stdarg.h>

// Header stored just before the characters of every string buffer.
struct CStringData
{
    long nRefs;          // 1 for an owned buffer, -1 for the shared empty buffer
    int nDataLength;     // characters in use, without the terminator
    int nAllocLength;    // characters that fit, without the terminator
    void* data() { return this + 1; }
};

// The character types of a string: its own (XCHAR) and the other one it converts from (YCHAR).
template <typename BaseType> class StrTraitMFC;
template <> class StrTraitMFC<char>
{
public:
    typedef char XCHAR;
    typedef wchar_t YCHAR;
};
template <> class StrTraitMFC<wchar_t>
{
public:
    typedef wchar_t XCHAR;
    typedef char YCHAR;
};

// Manages one zero-terminated character string. The object is a single pointer to its characters, so a
// string is as large as a character pointer; every copy owns its own buffer (no sharing, no reference
// counting). Instantiated for char (multibyte aware: indexes and lengths count bytes, double-byte
// characters are never split) and for wchar_t; text of the other character type is converted through the
// ANSI code page.
template <typename BaseType, class StringTraits>
class AFX_CLASS_API CStringT
{
public:
    typedef typename StringTraits::XCHAR XCHAR;
    typedef XCHAR* PXSTR;
    typedef const XCHAR* PCXSTR;
    typedef typename StringTraits::YCHAR YCHAR;
    typedef const YCHAR* PCYSTR;

    // Construction; a PCXSTR made by MAKEINTRESOURCE loads that string resource.
    CStringT();
    CStringT(const CStringT& stringSrc);
    CStringT(XCHAR ch, int nRepeat = 1);
    CStringT(PCXSTR lpsz);
    CStringT(PCYSTR lpsz);
    CStringT(PCXSTR lpch, int nLength);
    CStringT(const unsigned char* psz);
    ~CStringT();

    // Attributes & Operations
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    XCHAR GetAt(int nIndex) const;
    XCHAR operator[](int nIndex) const;
    void SetAt(int nIndex, XCHAR ch);
    operator PCXSTR() const { return m_pchData; }

    CStringT& operator=(const CStringT& stringSrc);
    CStringT& operator=(XCHAR ch);
    CStringT& operator=(PCXSTR lpsz);
    CStringT& operator=(PCYSTR lpsz);
    CStringT& operator=(const unsigned char* psz);

    CStringT& operator+=(const CStringT& string);
    CStringT& operator+=(XCHAR ch);
    CStringT& operator+=(PCXSTR lpsz);

    // Comparison: case-sensitive and case-insensitive, multibyte aware; Collate follows the locale.
    int Compare(PCXSTR lpsz) const;
    int CompareNoCase(PCXSTR lpsz) const;
    int Collate(PCXSTR lpsz) const;
    int CollateNoCase(PCXSTR lpsz) const;

    // Extraction; out-of-range arguments are clamped to the string.
    CStringT Mid(int nFirst, int nCount) const;
    CStringT Mid(int nFirst) const;
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;
    CStringT SpanIncluding(PCXSTR lpszCharSet) const;
    CStringT SpanExcluding(PCXSTR lpszCharSet) const;

    // Upper/lower/reverse conversion, multibyte aware
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Editing; each returns the new length or the number of changes as MFC does
    int Replace(XCHAR chOld, XCHAR chNew);
    int Replace(PCXSTR lpszOld, PCXSTR lpszNew);
    int Remove(XCHAR chRemove);
    int Insert(int nIndex, XCHAR ch);
    int Insert(int nIndex, PCXSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Trimming of white space or of given characters
    void TrimRight();
    void TrimLeft();
    void TrimRight(XCHAR chTarget);
    void TrimRight(PCXSTR lpszTargets);
    void TrimLeft(XCHAR chTarget);
    void TrimLeft(PCXSTR lpszTargets);

    // Searching; results are character (for char: byte) indexes, -1 when not found
    int Find(XCHAR ch) const;
    int Find(XCHAR ch, int nStart) const;
    int Find(PCXSTR lpszSub) const;
    int Find(PCXSTR lpszSub, int nStart) const;
    int ReverseFind(XCHAR ch) const;
    int FindOneOf(PCXSTR lpszCharSet) const;

    // printf-style formatting, of any length
    void AFX_CDECL Format(PCXSTR lpszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(PCXSTR lpszFormat, va_list argList);

    // Character-set conversion in place; wide text has no OEM form and stays as it is.
    void AnsiToOem();
    void OemToAnsi();

    // Loads a string resource from the resource module; FALSE (and an empty string) when absent.
    BOOL LoadString(UINT nID);

    // Direct buffer access: the returned buffer holds at least nMinBufLength characters plus a terminator
    // and stays valid until the next change; ReleaseBuffer fixes the length (-1: up to the first zero).
    PXSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    PXSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    PXSTR LockBuffer();
    void UnlockBuffer();

    // Concatenation
    friend CStringT operator+(const CStringT& string1, const CStringT& string2)
    { CStringT s(string1); s += string2; return s; }
    friend CStringT operator+(const CStringT& string, XCHAR ch)
    { CStringT s(string); s += ch; return s; }
    friend CStringT operator+(XCHAR ch, const CStringT& string)
    { CStringT s(ch); s += string; return s; }
    friend CStringT operator+(const CStringT& string, PCXSTR lpsz)
    { CStringT s(string); s += lpsz; return s; }
    friend CStringT operator+(PCXSTR lpsz, const CStringT& string)
    { CStringT s(lpsz); s += string; return s; }

    // Comparison, through Compare (multibyte aware); equality also with text of the other character type
    friend bool operator==(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) == 0; }
    friend bool operator==(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) == 0; }
    friend bool operator==(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) == 0; }
    friend bool operator==(const CStringT& s1, PCYSTR s2) { return s1.Compare(CStringT(s2)) == 0; }
    friend bool operator==(PCYSTR s1, const CStringT& s2) { return s2.Compare(CStringT(s1)) == 0; }
    friend bool operator!=(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) != 0; }
    friend bool operator!=(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) != 0; }
    friend bool operator!=(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) != 0; }
    friend bool operator!=(const CStringT& s1, PCYSTR s2) { return s1.Compare(CStringT(s2)) != 0; }
    friend bool operator!=(PCYSTR s1, const CStringT& s2) { return s2.Compare(CStringT(s1)) != 0; }
    friend bool operator<(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) < 0; }
    friend bool operator<(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) < 0; }
    friend bool operator<(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) > 0; }
    friend bool operator>(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) > 0; }
    friend bool operator>(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) > 0; }
    friend bool operator>(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) < 0; }
    friend bool operator<=(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) <= 0; }
    friend bool operator<=(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) <= 0; }
    friend bool operator<=(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) >= 0; }
    friend bool operator>=(const CStringT& s1, const CStringT& s2) { return s1.Compare(s2) >= 0; }
    friend bool operator>=(const CStringT& s1, PCXSTR s2) { return s1.Compare(s2) >= 0; }
    friend bool operator>=(PCXSTR s1, const CStringT& s2) { return s2.Compare(s1) <= 0; }

protected:
    PXSTR m_pchData;   // characters of the string; never null (the shared empty buffer when empty)

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, PCXSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, PCXSTR lpszSrcData);
    void EnsureCapacity(int nLen);
    void Release();
    static int PASCAL SafeStrlen(PCXSTR lpsz);
};

// The two instances, built and exported once by the layer (its members not defined in this header come from
// there; the inline ones are compiled where they are used, optimised or not): the narrow and the wide string
// always exist, CString is the one of the build's character set. CString has to be named by its typedef:
// `class CString;` does not declare it.
typedef CStringT<char, StrTraitMFC<char>> CStringA;
typedef CStringT<wchar_t, StrTraitMFC<wchar_t>> CStringW;
typedef CStringT<TCHAR, StrTraitMFC<TCHAR>> CString;

// Extracts the iSubString-th field of a string separated by chSep; FALSE when there are fewer fields.
AFX_CLASS_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
