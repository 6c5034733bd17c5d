// CString: a growable multibyte (MBCS) character string with value semantics.
#pragma once

#include "afxver_.h"
#include <stdarg.h>

// Header stored just before the characters of every CString buffer.
struct CStringData
{
    long nRefs;          // 1 for an owned buffer, -1 for the shared empty buffer
    int nDataLength;     // characters in use, without the terminator
    int nAllocLength;    // characters that fit, without the terminator
    TCHAR* data() { return (TCHAR*)(this + 1); }
};

// CString is the multibyte instance of the string template, as in MFC, so it has to be named by its
// typedef: `class CString;` does not declare it. No other instance exists.
template <typename BaseType> class StrTraitMFC;
template <typename BaseType, class StringTraits> class CStringT;
typedef CStringT<char, StrTraitMFC<char>> CString;

// Manages one zero-terminated character string. The object is a single pointer to its characters, so a
// CString is as large as an LPTSTR; every copy owns its own buffer (no sharing, no reference counting).
template <>
class AFX_CLASS_API CStringT<char, StrTraitMFC<char>>
{
public:
    // Construction
    CStringT();
    CStringT(const CString& stringSrc);
    CStringT(TCHAR ch, int nRepeat = 1);
    CStringT(LPCSTR lpsz);
    CStringT(LPCWSTR lpsz);
    CStringT(LPCTSTR lpch, int nLength);
    CStringT(const unsigned char* psz);
    ~CStringT();

    // Attributes & Operations
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const;
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    // Comparison: case-sensitive and case-insensitive, multibyte aware; Collate follows the locale.
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Extraction; out-of-range arguments are clamped to the string.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Upper/lower/reverse conversion, multibyte aware
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Editing; each returns the new length or the number of changes as MFC does
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Trimming of white space or of given characters
    void TrimRight();
    void TrimLeft();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    // Searching; results are byte indexes, -1 when not found
    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // printf-style formatting, of any length
    void AFX_CDECL Format(LPCTSTR lpszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList);

    // Character-set conversion in place
    void AnsiToOem();
    void OemToAnsi();

    // Loads a string resource from the resource module; FALSE (and an empty string) when absent.
    BOOL LoadString(UINT nID);

    // Direct buffer access: the returned buffer holds at least nMinBufLength characters plus a terminator
    // and stays valid until the next change; ReleaseBuffer fixes the length (-1: up to the first zero).
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

protected:
    LPTSTR m_pchData;   // characters of the string; never null (the shared empty buffer when empty)

    CStringData* GetData() const { return ((CStringData*)m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void EnsureCapacity(int nLen);
    void Release();
    static int PASCAL SafeStrlen(LPCTSTR lpsz);
};

// Concatenation
inline CString AFXAPI operator+(const CString& string1, const CString& string2)
{ CString s(string1); s += string2; return s; }
inline CString AFXAPI operator+(const CString& string, TCHAR ch)
{ CString s(string); s += ch; return s; }
inline CString AFXAPI operator+(TCHAR ch, const CString& string)
{ CString s(ch); s += string; return s; }
inline CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{ CString s(string); s += lpsz; return s; }
inline CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{ CString s(lpsz); s += string; return s; }

// Comparison, through CString::Compare (multibyte aware)
inline bool AFXAPI operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool AFXAPI operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// Extracts the iSubString-th field of a string separated by chSep; FALSE when there are fewer fields.
AFX_CLASS_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
