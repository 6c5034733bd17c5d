// CString: buffer management, editing, searching and formatting.
#include <afxwin.h>

#include <ctype.h>
#include <stdio.h>
#include <string.h>

namespace
{

// The shared buffer of every empty string. Its header says "no room", so no operation ever writes into it
// except the terminator position, which already holds zero.
struct EmptyStringData
{
    CStringData hdr;
    TCHAR chNil;
};
EmptyStringData g_emptyString = { { -1, 0, 0 }, 0 };

CStringData* NewData(int nLen)
{
    BYTE* pRaw = new BYTE[sizeof(CStringData) + (nLen + 1) * sizeof(TCHAR)];
    CStringData* pData = reinterpret_cast<CStringData*>(pRaw);
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    pData->data()[nLen] = '\0';
    return pData;
}

void FreeData(CStringData* pData)
{
    if (pData != &g_emptyString.hdr)
        delete[] reinterpret_cast<BYTE*>(pData);
}

bool IsLead(TCHAR ch)
{
    return _ismbblead(static_cast<unsigned char>(ch)) != 0;
}

// Byte count of the character starting at psz (2 for a complete double-byte character).
int CharSize(LPCTSTR psz)
{
    return (IsLead(psz[0]) && psz[1] != '\0') ? 2 : 1;
}

bool IsSpace(TCHAR ch)
{
    return !IsLead(ch) && isspace(static_cast<unsigned char>(ch)) != 0;
}

const unsigned char* Mbs(LPCTSTR psz)
{
    return reinterpret_cast<const unsigned char*>(psz);
}

unsigned char* Mbs(LPTSTR psz)
{
    return reinterpret_cast<unsigned char*>(psz);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Buffer management

void CString::Init()
{
    m_pchData = g_emptyString.hdr.data();
}

int PASCAL CString::SafeStrlen(LPCTSTR lpsz)
{
    return (lpsz == NULL) ? 0 : lstrlenA(lpsz);
}

void CString::Release()
{
    FreeData(GetData());
    Init();
}

// Replaces the buffer by a new one of nLen characters (contents undefined, terminated at nLen).
void CString::AllocBuffer(int nLen)
{
    if (nLen < 0)
        nLen = 0;
    CStringData* pOld = GetData();
    m_pchData = NewData(nLen)->data();
    FreeData(pOld);
}

// Makes room for nLen characters, keeping the current contents; the empty buffer is always replaced.
void CString::EnsureCapacity(int nLen)
{
    CStringData* pOld = GetData();
    if (pOld != &g_emptyString.hdr && pOld->nAllocLength >= nLen)
        return;
    CStringData* pNew = NewData(nLen);
    memcpy(pNew->data(), m_pchData, (pOld->nDataLength + 1) * sizeof(TCHAR));
    pNew->nDataLength = pOld->nDataLength;
    m_pchData = pNew->data();
    FreeData(pOld);
}

// The source may lie inside this string's own buffer.
void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
    {
        Empty();
        return;
    }
    CStringData* pData = GetData();
    if (pData != &g_emptyString.hdr && pData->nAllocLength >= nSrcLen)
    {
        memmove(m_pchData, lpszSrcData, nSrcLen * sizeof(TCHAR));
        pData->nDataLength = nSrcLen;
        m_pchData[nSrcLen] = '\0';
        return;
    }
    CStringData* pNew = NewData(nSrcLen);
    memcpy(pNew->data(), lpszSrcData, nSrcLen * sizeof(TCHAR));
    m_pchData = pNew->data();
    FreeData(pData);
}

// The source may lie inside this string's own buffer; the old buffer is released only after copying.
void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
        return;
    CStringData* pData = GetData();
    const int nOldLen = pData->nDataLength;
    const int nNewLen = nOldLen + nSrcLen;
    if (pData != &g_emptyString.hdr && pData->nAllocLength >= nNewLen)
    {
        memmove(m_pchData + nOldLen, lpszSrcData, nSrcLen * sizeof(TCHAR));
        pData->nDataLength = nNewLen;
        m_pchData[nNewLen] = '\0';
        return;
    }
    // Grow by half again so that repeated appends stay linear overall.
    int nAlloc = nNewLen;
    if (pData != &g_emptyString.hdr && nAlloc < pData->nAllocLength + pData->nAllocLength / 2)
        nAlloc = pData->nAllocLength + pData->nAllocLength / 2;
    CStringData* pNew = NewData(nAlloc);
    memcpy(pNew->data(), m_pchData, nOldLen * sizeof(TCHAR));
    memcpy(pNew->data() + nOldLen, lpszSrcData, nSrcLen * sizeof(TCHAR));
    pNew->nDataLength = nNewLen;
    pNew->data()[nNewLen] = '\0';
    m_pchData = pNew->data();
    FreeData(pData);
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CString::CStringT()
{
    Init();
}

CString::CStringT(const CString& stringSrc)
{
    Init();
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CStringT(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CStringT(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<DWORD_PTR>(lpsz)));
    else
        AssignCopy(SafeStrlen(lpsz), lpsz);
}

CString::CStringT(LPCWSTR lpsz)
{
    Init();
    if (lpsz == NULL || *lpsz == L'\0')
        return;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, NULL, 0, NULL, NULL);
    if (nBytes <= 1)
        return;
    AllocBuffer(nBytes - 1);
    ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, m_pchData, nBytes, NULL, NULL);
    m_pchData[nBytes - 1] = '\0';
}

CString::CStringT(LPCTSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL)
        AssignCopy(nLength, lpch);
}

CString::CStringT(const unsigned char* psz)
{
    Init();
    LPCSTR lpsz = reinterpret_cast<LPCSTR>(psz);
    AssignCopy(SafeStrlen(lpsz), lpsz);
}

CString::~CStringT()
{
    FreeData(GetData());
}

/////////////////////////////////////////////////////////////////////////////
// Element access and assignment

void CString::Empty()
{
    if (GetData() != &g_emptyString.hdr)
        Release();
}

TCHAR CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pchData[nIndex];
}

TCHAR CString::operator[](int nIndex) const
{
    return GetAt(nIndex);
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    CString strTemp(lpsz);
    return *this = strTemp;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(LPCTSTR lpsz) const
{
    return _mbscmp(Mbs(m_pchData), Mbs(lpsz != NULL ? lpsz : ""));
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _mbsicmp(Mbs(m_pchData), Mbs(lpsz != NULL ? lpsz : ""));
}

int CString::Collate(LPCTSTR lpsz) const
{
    return _mbscoll(Mbs(m_pchData), Mbs(lpsz != NULL ? lpsz : ""));
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _mbsicoll(Mbs(m_pchData), Mbs(lpsz != NULL ? lpsz : ""));
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst >= nLen)
        return CString();
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pchData, nCount);
}

CString CString::Right(int nCount) const
{
    const int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return CString(m_pchData + nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left(static_cast<int>(_mbsspn(Mbs(m_pchData), Mbs(lpszCharSet))));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left(static_cast<int>(_mbscspn(Mbs(m_pchData), Mbs(lpszCharSet))));
}

/////////////////////////////////////////////////////////////////////////////
// Conversion

void CString::MakeUpper()
{
    if (!IsEmpty())
        _mbsupr(Mbs(m_pchData));
}

void CString::MakeLower()
{
    if (!IsEmpty())
        _mbslwr(Mbs(m_pchData));
}

void CString::MakeReverse()
{
    if (!IsEmpty())
        _mbsrev(Mbs(m_pchData));
}

void CString::AnsiToOem()
{
    if (!IsEmpty())
        ::CharToOemA(m_pchData, m_pchData);
}

void CString::OemToAnsi()
{
    if (!IsEmpty())
        ::OemToCharA(m_pchData, m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Editing

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    LPTSTR psz = m_pchData;
    LPTSTR pszEnd = psz + GetLength();
    while (psz < pszEnd)
    {
        const int nSize = CharSize(psz);
        if (nSize == 1 && *psz == chOld)
        {
            *psz = chNew;
            nCount++;
        }
        psz += nSize;
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const int nSourceLen = SafeStrlen(lpszOld);
    if (nSourceLen == 0)
        return 0;
    const int nReplacementLen = SafeStrlen(lpszNew);

    // Build the result in a new string; the search runs over the zero-terminated pieces of this one.
    CString strResult;
    int nCount = 0;
    LPCTSTR pszStart = m_pchData;
    LPCTSTR pszEnd = m_pchData + GetLength();
    while (pszStart < pszEnd)
    {
        LPCTSTR pszTarget;
        while ((pszTarget = reinterpret_cast<LPCTSTR>(_mbsstr(Mbs(pszStart), Mbs(lpszOld)))) != NULL)
        {
            strResult.ConcatInPlace(static_cast<int>(pszTarget - pszStart), pszStart);
            strResult.ConcatInPlace(nReplacementLen, lpszNew);
            pszStart = pszTarget + nSourceLen;
            nCount++;
        }
        const int nRest = lstrlenA(pszStart);
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

int CString::Remove(TCHAR chRemove)
{
    LPTSTR pstrSource = m_pchData;
    LPTSTR pstrDest = m_pchData;
    LPTSTR pstrEnd = m_pchData + GetLength();
    while (pstrSource < pstrEnd)
    {
        const int nSize = CharSize(pstrSource);
        if (nSize == 2 || *pstrSource != chRemove)
        {
            memmove(pstrDest, pstrSource, nSize);
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

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR sz[2] = { ch, '\0' };
    if (ch == '\0')
        return GetLength();
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    const int nInsertLength = SafeStrlen(pstr);
    const int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    if (nInsertLength > 0)
    {
        CString strResult(m_pchData, nIndex);
        strResult.ConcatInPlace(nInsertLength, pstr);
        strResult.ConcatInPlace(nLen - nIndex, m_pchData + nIndex);
        *this = strResult;
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    const int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen)
    {
        if (nCount > nLen - nIndex)
            nCount = nLen - nIndex;
        const int nBytesToCopy = nLen - (nIndex + nCount) + 1;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nBytesToCopy * sizeof(TCHAR));
        GetData()->nDataLength = nLen - nCount;
    }
    return GetLength();
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

void CString::TrimRight()
{
    LPTSTR lpsz = m_pchData;
    LPTSTR lpszLast = NULL;
    LPTSTR lpszEnd = m_pchData + GetLength();
    while (lpsz < lpszEnd && *lpsz != '\0')
    {
        if (IsSpace(*lpsz))
        {
            if (lpszLast == NULL)
                lpszLast = lpsz;
        }
        else
            lpszLast = NULL;
        lpsz += CharSize(lpsz);
    }
    if (lpszLast != NULL)
    {
        *lpszLast = '\0';
        GetData()->nDataLength = static_cast<int>(lpszLast - m_pchData);
    }
}

void CString::TrimRight(TCHAR chTarget)
{
    TCHAR sz[2] = { chTarget, '\0' };
    if (chTarget != '\0')
        TrimRight(sz);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    LPTSTR lpsz = m_pchData;
    LPTSTR lpszLast = NULL;
    LPTSTR lpszEnd = m_pchData + GetLength();
    while (lpsz < lpszEnd && *lpsz != '\0')
    {
        const int nSize = CharSize(lpsz);
        if (nSize == 1 && strchr(lpszTargets, *lpsz) != NULL)
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

void CString::TrimLeft()
{
    LPCTSTR lpsz = m_pchData;
    while (IsSpace(*lpsz))
        lpsz++;
    if (lpsz != m_pchData)
        Delete(0, static_cast<int>(lpsz - m_pchData));
}

void CString::TrimLeft(TCHAR chTarget)
{
    TCHAR sz[2] = { chTarget, '\0' };
    if (chTarget != '\0')
        TrimLeft(sz);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    LPCTSTR lpsz = m_pchData;
    while (*lpsz != '\0' && !IsLead(*lpsz) && strchr(lpszTargets, *lpsz) != NULL)
        lpsz++;
    if (lpsz != m_pchData)
        Delete(0, static_cast<int>(lpsz - m_pchData));
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= GetLength() || ch == '\0')
        return -1;
    const unsigned char* psz = _mbschr(Mbs(m_pchData + nStart), static_cast<unsigned char>(ch));
    return (psz == NULL) ? -1 : static_cast<int>(reinterpret_cast<LPCTSTR>(psz) - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    const unsigned char* psz = _mbsstr(Mbs(m_pchData + nStart), Mbs(lpszSub));
    return (psz == NULL) ? -1 : static_cast<int>(reinterpret_cast<LPCTSTR>(psz) - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    if (ch == '\0')
        return -1;
    const unsigned char* psz = _mbsrchr(Mbs(m_pchData), static_cast<unsigned char>(ch));
    return (psz == NULL) ? -1 : static_cast<int>(reinterpret_cast<LPCTSTR>(psz) - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    const unsigned char* psz = _mbspbrk(Mbs(m_pchData), Mbs(lpszCharSet));
    return (psz == NULL) ? -1 : static_cast<int>(reinterpret_cast<LPCTSTR>(psz) - m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

// Formats into a new buffer first: an argument may point into this string's own characters.
void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list argCount;
    va_copy(argCount, argList);
    const int nLen = _vscprintf(lpszFormat, argCount);
    va_end(argCount);
    if (nLen <= 0)
    {
        Empty();
        return;
    }
    CStringData* pNew = NewData(nLen);
    va_list argWrite;
    va_copy(argWrite, argList);
    _vsnprintf(pNew->data(), nLen + 1, lpszFormat, argWrite);
    va_end(argWrite);
    pNew->data()[nLen] = '\0';
    CStringData* pOld = GetData();
    m_pchData = pNew->data();
    FreeData(pOld);
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    int nSize = 256;
    for (;;)
    {
        LPTSTR pBuf = GetBuffer(nSize - 1);
        const int nLen = ::LoadStringA(hInst, nID, pBuf, nSize);
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

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    EnsureCapacity(nMinBufLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
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

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData == &g_emptyString.hdr || pData->nDataLength == pData->nAllocLength)
        return;
    if (pData->nDataLength == 0)
    {
        Release();
        return;
    }
    CString strCopy(m_pchData, pData->nDataLength);
    AllocBuffer(strCopy.GetLength());
    memcpy(m_pchData, strCopy.m_pchData, strCopy.GetLength() * sizeof(TCHAR));
}

LPTSTR CString::LockBuffer()
{
    return GetBuffer(0);
}

void CString::UnlockBuffer()
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
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == NULL || chSep == '\0')
        {
            rString.Empty();
            return FALSE;
        }
        lpszFullString++;
    }
    LPCTSTR lpchEnd = (chSep == '\0') ? NULL : strchr(lpszFullString, chSep);
    const int nLen = (lpchEnd == NULL) ? lstrlenA(lpszFullString) : static_cast<int>(lpchEnd - lpszFullString);
    rString = CString(lpszFullString, nLen);
    return TRUE;
}
