// CString: buffer management, editing, searching and formatting.
#include "afximpl_.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace
{

// The shared buffer of every empty string. Its header says "no room", so no operation ever writes into it
// except the terminator position, which already holds zero.
struct EmptyStringData
{
    CStringData hdr;
    wchar_t chNil;    // zero, read as the terminator of either character type
};
EmptyStringData g_emptyString = { { -1, 0, 0 }, 0 };

template <typename XCHAR>
XCHAR* Chars(CStringData* pData)
{
    return static_cast<XCHAR*>(pData->data());
}

template <typename XCHAR>
CStringData* NewData(int nLen)
{
    BYTE* pRaw = new BYTE[sizeof(CStringData) + (nLen + 1) * sizeof(XCHAR)];
    CStringData* pData = reinterpret_cast<CStringData*>(pRaw);
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    Chars<XCHAR>(pData)[nLen] = 0;
    return pData;
}

void FreeData(CStringData* pData)
{
    if (pData != &g_emptyString.hdr)
        delete[] reinterpret_cast<BYTE*>(pData);
}

// Character operations of each string type: multibyte aware on char, plain on wchar_t.
template <typename XCHAR> struct StrOps;

template <> struct StrOps<char>
{
    static const unsigned char* Mbs(const char* psz) { return reinterpret_cast<const unsigned char*>(psz); }
    static unsigned char* Mbs(char* psz) { return reinterpret_cast<unsigned char*>(psz); }
    static const char* Chars(const unsigned char* psz) { return reinterpret_cast<const char*>(psz); }
    static char* Chars(unsigned char* psz) { return reinterpret_cast<char*>(psz); }

    static bool IsLead(char ch) { return _ismbblead(static_cast<unsigned char>(ch)) != 0; }
    static bool IsSpace(char ch) { return !IsLead(ch) && isspace(static_cast<unsigned char>(ch)) != 0; }
    static int Length(const char* psz) { return lstrlenA(psz); }
    static int Compare(const char* a, const char* b) { return _mbscmp(Mbs(a), Mbs(b)); }
    static int CompareNoCase(const char* a, const char* b) { return _mbsicmp(Mbs(a), Mbs(b)); }
    static int Collate(const char* a, const char* b) { return _mbscoll(Mbs(a), Mbs(b)); }
    static int CollateNoCase(const char* a, const char* b) { return _mbsicoll(Mbs(a), Mbs(b)); }
    static size_t Span(const char* psz, const char* set) { return _mbsspn(Mbs(psz), Mbs(set)); }
    static size_t SpanNot(const char* psz, const char* set) { return _mbscspn(Mbs(psz), Mbs(set)); }
    static void Upper(char* psz) { _mbsupr(Mbs(psz)); }
    static void Lower(char* psz) { _mbslwr(Mbs(psz)); }
    static void Reverse(char* psz) { _mbsrev(Mbs(psz)); }
    static const char* FindChar(const char* psz, char ch) { return Chars(_mbschr(Mbs(psz), static_cast<unsigned char>(ch))); }
    static const char* FindLastChar(const char* psz, char ch) { return Chars(_mbsrchr(Mbs(psz), static_cast<unsigned char>(ch))); }
    static const char* FindString(const char* psz, const char* sub) { return Chars(_mbsstr(Mbs(psz), Mbs(sub))); }
    static const char* FindOneOf(const char* psz, const char* set) { return Chars(_mbspbrk(Mbs(psz), Mbs(set))); }
    // Single-byte search among the targets, for characters already known not to be lead bytes.
    static bool InSet(const char* set, char ch) { return strchr(set, ch) != NULL; }
    static int FormattedLength(const char* fmt, va_list args) { return _vscprintf(fmt, args); }
    static void Format(char* buf, int nCount, const char* fmt, va_list args) { _vsnprintf(buf, nCount, fmt, args); }
    static int Load(HINSTANCE hInst, UINT nID, char* buf, int nSize) { return ::LoadStringA(hInst, nID, buf, nSize); }
    static void ToOem(char* psz) { ::CharToOemA(psz, psz); }
    static void FromOem(char* psz) { ::OemToCharA(psz, psz); }
    // Text of the other character type, converted through the ANSI code page: the needed size with the
    // terminator, or the conversion into a buffer of that size.
    static int Convert(const wchar_t* psz, char* buf, int nSize)
    { return ::WideCharToMultiByte(CP_ACP, 0, psz, -1, buf, nSize, NULL, NULL); }
};

template <> struct StrOps<wchar_t>
{
    static bool IsLead(wchar_t) { return false; }
    static bool IsSpace(wchar_t ch) { return iswspace(ch) != 0; }
    static int Length(const wchar_t* psz) { return lstrlenW(psz); }
    static int Compare(const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); }
    static int CompareNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
    static int Collate(const wchar_t* a, const wchar_t* b) { return wcscoll(a, b); }
    static int CollateNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicoll(a, b); }
    static size_t Span(const wchar_t* psz, const wchar_t* set) { return wcsspn(psz, set); }
    static size_t SpanNot(const wchar_t* psz, const wchar_t* set) { return wcscspn(psz, set); }
    static void Upper(wchar_t* psz) { _wcsupr(psz); }
    static void Lower(wchar_t* psz) { _wcslwr(psz); }
    static void Reverse(wchar_t* psz) { _wcsrev(psz); }
    static const wchar_t* FindChar(const wchar_t* psz, wchar_t ch) { return wcschr(psz, ch); }
    static const wchar_t* FindLastChar(const wchar_t* psz, wchar_t ch) { return wcsrchr(psz, ch); }
    static const wchar_t* FindString(const wchar_t* psz, const wchar_t* sub) { return wcsstr(psz, sub); }
    static const wchar_t* FindOneOf(const wchar_t* psz, const wchar_t* set) { return wcspbrk(psz, set); }
    static bool InSet(const wchar_t* set, wchar_t ch) { return wcschr(set, ch) != NULL; }
    static int FormattedLength(const wchar_t* fmt, va_list args) { return _vscwprintf(fmt, args); }
    static void Format(wchar_t* buf, int nCount, const wchar_t* fmt, va_list args) { _vsnwprintf(buf, nCount, fmt, args); }
    static int Load(HINSTANCE hInst, UINT nID, wchar_t* buf, int nSize) { return ::LoadStringW(hInst, nID, buf, nSize); }
    static void ToOem(wchar_t*) {}
    static void FromOem(wchar_t*) {}
    static int Convert(const char* psz, wchar_t* buf, int nSize)
    { return ::MultiByteToWideChar(CP_ACP, 0, psz, -1, buf, nSize); }
};

// Count of units of the character starting at psz: 2 for a complete double-byte character, else 1.
template <typename XCHAR>
int CharSize(const XCHAR* psz)
{
    return (StrOps<XCHAR>::IsLead(psz[0]) && psz[1] != 0) ? 2 : 1;
}

// Text for comparing: a null string compares as the empty one.
template <typename XCHAR>
const XCHAR* NonNull(const XCHAR* psz)
{
    static const XCHAR chNil = 0;
    return psz != NULL ? psz : &chNil;
}

// Index of a found position within the string, -1 when not found.
template <typename XCHAR>
int IndexOf(const XCHAR* pFound, const XCHAR* pStart)
{
    return (pFound == NULL) ? -1 : static_cast<int>(pFound - pStart);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Buffer management

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::Init()
{
    m_pchData = Chars<XCHAR>(&g_emptyString.hdr);
}

template <typename BaseType, class StringTraits>
int PASCAL CStringT<BaseType, StringTraits>::SafeStrlen(PCXSTR lpsz)
{
    return (lpsz == NULL) ? 0 : StrOps<XCHAR>::Length(lpsz);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::Release()
{
    FreeData(GetData());
    Init();
}

// Replaces the buffer by a new one of nLen characters (contents undefined, terminated at nLen).
template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::AllocBuffer(int nLen)
{
    if (nLen < 0)
        nLen = 0;
    CStringData* pOld = GetData();
    m_pchData = Chars<XCHAR>(NewData<XCHAR>(nLen));
    FreeData(pOld);
}

// Makes room for nLen characters, keeping the current contents; the empty buffer is always replaced.
template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::EnsureCapacity(int nLen)
{
    CStringData* pOld = GetData();
    if (pOld != &g_emptyString.hdr && pOld->nAllocLength >= nLen)
        return;
    CStringData* pNew = NewData<XCHAR>(nLen);
    memcpy(Chars<XCHAR>(pNew), m_pchData, (pOld->nDataLength + 1) * sizeof(XCHAR));
    pNew->nDataLength = pOld->nDataLength;
    m_pchData = Chars<XCHAR>(pNew);
    FreeData(pOld);
}

// The source may lie inside this string's own buffer.
template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::AssignCopy(int nSrcLen, PCXSTR lpszSrcData)
{
    if (nSrcLen <= 0)
    {
        Empty();
        return;
    }
    CStringData* pData = GetData();
    if (pData != &g_emptyString.hdr && pData->nAllocLength >= nSrcLen)
    {
        memmove(m_pchData, lpszSrcData, nSrcLen * sizeof(XCHAR));
        pData->nDataLength = nSrcLen;
        m_pchData[nSrcLen] = '\0';
        return;
    }
    CStringData* pNew = NewData<XCHAR>(nSrcLen);
    memcpy(Chars<XCHAR>(pNew), lpszSrcData, nSrcLen * sizeof(XCHAR));
    m_pchData = Chars<XCHAR>(pNew);
    FreeData(pData);
}

// The source may lie inside this string's own buffer; the old buffer is released only after copying.
template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::ConcatInPlace(int nSrcLen, PCXSTR lpszSrcData)
{
    if (nSrcLen <= 0)
        return;
    CStringData* pData = GetData();
    const int nOldLen = pData->nDataLength;
    const int nNewLen = nOldLen + nSrcLen;
    if (pData != &g_emptyString.hdr && pData->nAllocLength >= nNewLen)
    {
        memmove(m_pchData + nOldLen, lpszSrcData, nSrcLen * sizeof(XCHAR));
        pData->nDataLength = nNewLen;
        m_pchData[nNewLen] = '\0';
        return;
    }
    // Grow by half again so that repeated appends stay linear overall.
    int nAlloc = nNewLen;
    if (pData != &g_emptyString.hdr && nAlloc < pData->nAllocLength + pData->nAllocLength / 2)
        nAlloc = pData->nAllocLength + pData->nAllocLength / 2;
    CStringData* pNew = NewData<XCHAR>(nAlloc);
    memcpy(Chars<XCHAR>(pNew), m_pchData, nOldLen * sizeof(XCHAR));
    memcpy(Chars<XCHAR>(pNew) + nOldLen, lpszSrcData, nSrcLen * sizeof(XCHAR));
    pNew->nDataLength = nNewLen;
    Chars<XCHAR>(pNew)[nNewLen] = '\0';
    m_pchData = Chars<XCHAR>(pNew);
    FreeData(pData);
}

/////////////////////////////////////////////////////////////////////////////
// Construction

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT()
{
    Init();
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(const CStringT& stringSrc)
{
    Init();
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(XCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        for (int i = 0; i < nRepeat; i++)
            m_pchData[i] = ch;
    }
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(PCXSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<DWORD_PTR>(lpsz)));
    else
        AssignCopy(SafeStrlen(lpsz), lpsz);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(PCYSTR lpsz)
{
    Init();
    if (lpsz == NULL || *lpsz == 0)
        return;
    const int nSize = StrOps<XCHAR>::Convert(lpsz, NULL, 0);
    if (nSize <= 1)
        return;
    AllocBuffer(nSize - 1);
    StrOps<XCHAR>::Convert(lpsz, m_pchData, nSize);
    m_pchData[nSize - 1] = 0;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(PCXSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL)
        AssignCopy(nLength, lpch);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::CStringT(const unsigned char* psz)
{
    Init();
    *this = reinterpret_cast<const char*>(psz);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>::~CStringT()
{
    FreeData(GetData());
}

/////////////////////////////////////////////////////////////////////////////
// Element access and assignment

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::Empty()
{
    if (GetData() != &g_emptyString.hdr)
        Release();
}

template <typename BaseType, class StringTraits>
typename CStringT<BaseType, StringTraits>::XCHAR CStringT<BaseType, StringTraits>::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pchData[nIndex];
}

template <typename BaseType, class StringTraits>
typename CStringT<BaseType, StringTraits>::XCHAR CStringT<BaseType, StringTraits>::operator[](int nIndex) const
{
    return GetAt(nIndex);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::SetAt(int nIndex, XCHAR ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    m_pchData[nIndex] = ch;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator=(const CStringT& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator=(XCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator=(PCXSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator=(PCYSTR lpsz)
{
    CStringT strTemp(lpsz);
    return *this = strTemp;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<const char*>(psz);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator+=(const CStringT& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator+=(XCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits>& CStringT<BaseType, StringTraits>::operator+=(PCXSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Compare(PCXSTR lpsz) const
{
    return StrOps<XCHAR>::Compare(m_pchData, NonNull(lpsz));
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::CompareNoCase(PCXSTR lpsz) const
{
    return StrOps<XCHAR>::CompareNoCase(m_pchData, NonNull(lpsz));
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Collate(PCXSTR lpsz) const
{
    return StrOps<XCHAR>::Collate(m_pchData, NonNull(lpsz));
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::CollateNoCase(PCXSTR lpsz) const
{
    return StrOps<XCHAR>::CollateNoCase(m_pchData, NonNull(lpsz));
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::Mid(int nFirst, int nCount) const
{
    const int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst >= nLen)
        return CStringT();
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    return CStringT(m_pchData + nFirst, nCount);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CStringT(m_pchData, nCount);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::Right(int nCount) const
{
    const int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return CStringT(m_pchData + nLen - nCount, nCount);
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::SpanIncluding(PCXSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CStringT();
    return Left(static_cast<int>(StrOps<XCHAR>::Span(m_pchData, lpszCharSet)));
}

template <typename BaseType, class StringTraits>
CStringT<BaseType, StringTraits> CStringT<BaseType, StringTraits>::SpanExcluding(PCXSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left(static_cast<int>(StrOps<XCHAR>::SpanNot(m_pchData, lpszCharSet)));
}

/////////////////////////////////////////////////////////////////////////////
// Conversion

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::MakeUpper()
{
    if (!IsEmpty())
        StrOps<XCHAR>::Upper(m_pchData);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::MakeLower()
{
    if (!IsEmpty())
        StrOps<XCHAR>::Lower(m_pchData);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::MakeReverse()
{
    if (!IsEmpty())
        StrOps<XCHAR>::Reverse(m_pchData);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::AnsiToOem()
{
    if (!IsEmpty())
        StrOps<XCHAR>::ToOem(m_pchData);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::OemToAnsi()
{
    if (!IsEmpty())
        StrOps<XCHAR>::FromOem(m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Editing

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Replace(XCHAR chOld, XCHAR chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    PXSTR psz = m_pchData;
    PXSTR pszEnd = psz + GetLength();
    while (psz < pszEnd)
    {
        const int nSize = CharSize<XCHAR>(psz);
        if (nSize == 1 && *psz == chOld)
        {
            *psz = chNew;
            nCount++;
        }
        psz += nSize;
    }
    return nCount;
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Replace(PCXSTR lpszOld, PCXSTR lpszNew)
{
    const int nSourceLen = SafeStrlen(lpszOld);
    if (nSourceLen == 0)
        return 0;
    const int nReplacementLen = SafeStrlen(lpszNew);

    // Build the result in a new string; the search runs over the zero-terminated pieces of this one.
    CStringT strResult;
    int nCount = 0;
    PCXSTR pszStart = m_pchData;
    PCXSTR pszEnd = m_pchData + GetLength();
    while (pszStart < pszEnd)
    {
        PCXSTR pszTarget;
        while ((pszTarget = StrOps<XCHAR>::FindString(pszStart, lpszOld)) != NULL)
        {
            strResult.ConcatInPlace(static_cast<int>(pszTarget - pszStart), pszStart);
            strResult.ConcatInPlace(nReplacementLen, lpszNew);
            pszStart = pszTarget + nSourceLen;
            nCount++;
        }
        const int nRest = StrOps<XCHAR>::Length(pszStart);
        strResult.ConcatInPlace(nRest, pszStart);
        pszStart += nRest;
        if (pszStart < pszEnd)
        {
            // an embedded zero: keep it and go on behind it
            strResult.ConcatInPlace(1, pszStart);
            pszStart++;
        }
    }
    if (nCount > 0)
        *this = strResult;
    return nCount;
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Remove(XCHAR chRemove)
{
    PXSTR pstrSource = m_pchData;
    PXSTR pstrDest = m_pchData;
    PXSTR pstrEnd = m_pchData + GetLength();
    while (pstrSource < pstrEnd)
    {
        const int nSize = CharSize<XCHAR>(pstrSource);
        if (nSize == 2 || *pstrSource != chRemove)
        {
            memmove(pstrDest, pstrSource, nSize * sizeof(XCHAR));
            pstrDest += nSize;
        }
        pstrSource += nSize;
    }
    const int nCount = static_cast<int>(pstrSource - pstrDest);
    if (nCount > 0)
    {
        *pstrDest = '\0';
        GetData()->nDataLength -= nCount;
    }
    return nCount;
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Insert(int nIndex, XCHAR ch)
{
    XCHAR sz[2] = { ch, '\0' };
    if (ch == '\0')
        return GetLength();
    return Insert(nIndex, sz);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Insert(int nIndex, PCXSTR pstr)
{
    const int nInsertLength = SafeStrlen(pstr);
    const int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    if (nInsertLength > 0)
    {
        CStringT strResult(m_pchData, nIndex);
        strResult.ConcatInPlace(nInsertLength, pstr);
        strResult.ConcatInPlace(nLen - nIndex, m_pchData + nIndex);
        *this = strResult;
    }
    return GetLength();
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Delete(int nIndex, int nCount)
{
    const int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen)
    {
        if (nCount > nLen - nIndex)
            nCount = nLen - nIndex;
        const int nBytesToCopy = nLen - (nIndex + nCount) + 1;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nBytesToCopy * sizeof(XCHAR));
        GetData()->nDataLength = nLen - nCount;
    }
    return GetLength();
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimRight()
{
    PXSTR lpsz = m_pchData;
    PXSTR lpszLast = NULL;
    PXSTR lpszEnd = m_pchData + GetLength();
    while (lpsz < lpszEnd && *lpsz != '\0')
    {
        if (StrOps<XCHAR>::IsSpace(*lpsz))
        {
            if (lpszLast == NULL)
                lpszLast = lpsz;
        }
        else
            lpszLast = NULL;
        lpsz += CharSize<XCHAR>(lpsz);
    }
    if (lpszLast != NULL)
    {
        *lpszLast = '\0';
        GetData()->nDataLength = static_cast<int>(lpszLast - m_pchData);
    }
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimRight(XCHAR chTarget)
{
    XCHAR sz[2] = { chTarget, '\0' };
    if (chTarget != '\0')
        TrimRight(sz);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimRight(PCXSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    PXSTR lpsz = m_pchData;
    PXSTR lpszLast = NULL;
    PXSTR lpszEnd = m_pchData + GetLength();
    while (lpsz < lpszEnd && *lpsz != '\0')
    {
        const int nSize = CharSize<XCHAR>(lpsz);
        if (nSize == 1 && StrOps<XCHAR>::InSet(lpszTargets, *lpsz))
        {
            if (lpszLast == NULL)
                lpszLast = lpsz;
        }
        else
            lpszLast = NULL;
        lpsz += nSize;
    }
    if (lpszLast != NULL)
    {
        *lpszLast = '\0';
        GetData()->nDataLength = static_cast<int>(lpszLast - m_pchData);
    }
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimLeft()
{
    PCXSTR lpsz = m_pchData;
    while (StrOps<XCHAR>::IsSpace(*lpsz))
        lpsz++;
    if (lpsz != m_pchData)
        Delete(0, static_cast<int>(lpsz - m_pchData));
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimLeft(XCHAR chTarget)
{
    XCHAR sz[2] = { chTarget, '\0' };
    if (chTarget != '\0')
        TrimLeft(sz);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::TrimLeft(PCXSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    PCXSTR lpsz = m_pchData;
    while (*lpsz != 0 && !StrOps<XCHAR>::IsLead(*lpsz) && StrOps<XCHAR>::InSet(lpszTargets, *lpsz))
        lpsz++;
    if (lpsz != m_pchData)
        Delete(0, static_cast<int>(lpsz - m_pchData));
}

/////////////////////////////////////////////////////////////////////////////
// Searching

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Find(XCHAR ch) const
{
    return Find(ch, 0);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Find(XCHAR ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= GetLength() || ch == '\0')
        return -1;
    return IndexOf(StrOps<XCHAR>::FindChar(m_pchData + nStart, ch), m_pchData);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Find(PCXSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::Find(PCXSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    return IndexOf(StrOps<XCHAR>::FindString(m_pchData + nStart, lpszSub), m_pchData);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::ReverseFind(XCHAR ch) const
{
    if (ch == '\0')
        return -1;
    return IndexOf(StrOps<XCHAR>::FindLastChar(m_pchData, ch), m_pchData);
}

template <typename BaseType, class StringTraits>
int CStringT<BaseType, StringTraits>::FindOneOf(PCXSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    return IndexOf(StrOps<XCHAR>::FindOneOf(m_pchData, lpszCharSet), m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

// Formats into a new buffer first: an argument may point into this string's own characters.
template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::FormatV(PCXSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list argCount;
    va_copy(argCount, argList);
    const int nLen = StrOps<XCHAR>::FormattedLength(lpszFormat, argCount);
    va_end(argCount);
    if (nLen <= 0)
    {
        Empty();
        return;
    }
    CStringData* pNew = NewData<XCHAR>(nLen);
    va_list argWrite;
    va_copy(argWrite, argList);
    StrOps<XCHAR>::Format(Chars<XCHAR>(pNew), nLen + 1, lpszFormat, argWrite);
    va_end(argWrite);
    Chars<XCHAR>(pNew)[nLen] = '\0';
    CStringData* pOld = GetData();
    m_pchData = Chars<XCHAR>(pNew);
    FreeData(pOld);
}

template <typename BaseType, class StringTraits>
void AFX_CDECL CStringT<BaseType, StringTraits>::Format(PCXSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

template <typename BaseType, class StringTraits>
void AFX_CDECL CStringT<BaseType, StringTraits>::Format(UINT nFormatID, ...)
{
    CStringT strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

template <typename BaseType, class StringTraits>
BOOL CStringT<BaseType, StringTraits>::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    int nSize = 256;
    for (;;)
    {
        PXSTR pBuf = GetBuffer(nSize - 1);
        const int nLen = StrOps<XCHAR>::Load(hInst, nID, pBuf, nSize);
        if (nLen < nSize - 1 || nSize >= 0x10000)
        {
            ReleaseBuffer(nLen > 0 ? nLen : 0);
            FreeExtra();
            return nLen > 0;
        }
        nSize *= 2;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Direct buffer access

template <typename BaseType, class StringTraits>
typename CStringT<BaseType, StringTraits>::PXSTR CStringT<BaseType, StringTraits>::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    EnsureCapacity(nMinBufLength);
    return m_pchData;
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::ReleaseBuffer(int nNewLength)
{
    CStringData* pData = GetData();
    if (pData == &g_emptyString.hdr)
        return;
    if (nNewLength < 0)
    {
        // up to the first zero, never past the buffer
        nNewLength = 0;
        while (nNewLength < pData->nAllocLength && m_pchData[nNewLength] != '\0')
            nNewLength++;
    }
    if (nNewLength > pData->nAllocLength)
        nNewLength = pData->nAllocLength;
    pData->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

template <typename BaseType, class StringTraits>
typename CStringT<BaseType, StringTraits>::PXSTR CStringT<BaseType, StringTraits>::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
    return m_pchData;
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData == &g_emptyString.hdr || pData->nDataLength == pData->nAllocLength)
        return;
    if (pData->nDataLength == 0)
    {
        Release();
        return;
    }
    CStringT strCopy(m_pchData, pData->nDataLength);
    AllocBuffer(strCopy.GetLength());
    memcpy(m_pchData, strCopy.m_pchData, strCopy.GetLength() * sizeof(XCHAR));
}

template <typename BaseType, class StringTraits>
typename CStringT<BaseType, StringTraits>::PXSTR CStringT<BaseType, StringTraits>::LockBuffer()
{
    return GetBuffer(0);
}

template <typename BaseType, class StringTraits>
void CStringT<BaseType, StringTraits>::UnlockBuffer()
{
}

/////////////////////////////////////////////////////////////////////////////
// Helpers

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    if (lpszFullString == NULL)
    {
        rString.Empty();
        return FALSE;
    }
    while (iSubString-- > 0)
    {
        lpszFullString = AfxFindChar(lpszFullString, chSep);
        if (lpszFullString == NULL || chSep == '\0')
        {
            rString.Empty();
            return FALSE;
        }
        lpszFullString++;
    }
    LPCTSTR lpchEnd = (chSep == '\0') ? NULL : AfxFindChar(lpszFullString, chSep);
    const int nLen = (lpchEnd == NULL) ? lstrlen(lpszFullString) : static_cast<int>(lpchEnd - lpszFullString);
    rString = CString(lpszFullString, nLen);
    return TRUE;
}

template class CStringT<char, StrTraitMFC<char>>;
template class CStringT<wchar_t, StrTraitMFC<wchar_t>>;
