// Record generation from the index alone (the same million records every run), formatting, parsing, sorting.
#include "RecordStore.h"
#include "TaskStore.h"

#include <algorithm>
#include <stdio.h>
#include <tchar.h>

namespace {

const ULONGLONG kTicksPerDay = 864000000000ULL;

ULONGLONG DayZero()
{
    SYSTEMTIME st = {};
    st.wYear = 2020;
    st.wMonth = 1;
    st.wDay = 1;
    ULARGE_INTEGER t = {};
    SystemTimeToFileTime(&st, reinterpret_cast<FILETIME*>(&t));
    return t.QuadPart;
}

CString FormatDay(int nDay)
{
    ULARGE_INTEGER t = {};
    t.QuadPart = DayZero() + nDay * kTicksPerDay;
    SYSTEMTIME st = {};
    FileTimeToSystemTime(reinterpret_cast<const FILETIME*>(&t), &st);
    CString s;
    s.Format(_T("%02d.%02d.%04d"), st.wDay, st.wMonth, st.wYear);
    return s;
}

BOOL ParseDay(LPCTSTR pszText, WORD& nDay)
{
    SYSTEMTIME st = {};
    ULARGE_INTEGER t = {};
    if (!CTaskStore::ParseDate(pszText, st) || !SystemTimeToFileTime(&st, reinterpret_cast<FILETIME*>(&t)))
        return FALSE;
    const ULONGLONG zero = DayZero();
    if (t.QuadPart < zero || (t.QuadPart - zero) / kTicksPerDay > 0xFFFF)
        return FALSE;
    nDay = static_cast<WORD>((t.QuadPart - zero) / kTicksPerDay);
    return TRUE;
}

template <typename T>
int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Code order: character by character, as the codes are plain letters, digits and signs.
int CompareCodes(const TCHAR* a, const TCHAR* b)
{
    while (*a != 0 && *a == *b)
        ++a, ++b;
    return Order(*a, *b);
}

} // namespace

const LPCTSTR* CRecordStore::Kinds()
{
    static const LPCTSTR kinds[] = { _T("Credit"), _T("Debit"), _T("Fee"), _T("Refund"), _T("Transfer"), NULL };
    return kinds;
}

// A multiplicative hash of the index spreads codes, kinds, dates and amounts evenly and repeatably.
CRecordStore::CRecordStore(int nCount)
    : m_records(nCount), m_rows(nCount)
{
    int nKinds = 0;
    while (Kinds()[nKinds] != NULL)
        ++nKinds;
    for (int i = 0; i < nCount; ++i)
    {
        const unsigned h = static_cast<unsigned>(i) * 2654435761u;
        CRecord& r = m_records[i];
        r.nId = i + 1;
        _stprintf(r.szCode, _T("%c%c-%04u"), _T('A') + h % 26, _T('A') + (h >> 5) % 26, (h >> 10) % 10000);
        r.nDay = static_cast<WORD>((h >> 7) % 2192);
        r.nKind = static_cast<BYTE>((h >> 13) % nKinds);
        r.nAmount = static_cast<int>((h >> 3) % 1000000);
        m_rows[i] = i;
    }
}

CString CRecordStore::CellText(int nRow, int nColumn) const
{
    const CRecord& r = m_records[m_rows[nRow]];
    CString s;
    switch (nColumn)
    {
    case recId:     s.Format(_T("%d"), r.nId); break;
    case recCode:   s = r.szCode; break;
    case recKind:   s = Kinds()[r.nKind]; break;
    case recDate:   s = FormatDay(r.nDay); break;
    case recAmount: s.Format(_T("%d.%02d"), r.nAmount / 100, r.nAmount % 100); break;
    default:        break;
    }
    return s;
}

BOOL CRecordStore::Store(int nRow, int nColumn, LPCTSTR pszText)
{
    CRecord& r = m_records[m_rows[nRow]];
    switch (nColumn)
    {
    case recCode:
        lstrcpyn(r.szCode, pszText, _countof(r.szCode));
        CharUpper(r.szCode);
        return TRUE;
    case recKind:
        for (const LPCTSTR* p = Kinds(); *p != NULL; ++p)
            if (lstrcmp(*p, pszText) == 0)
            {
                r.nKind = static_cast<BYTE>(p - Kinds());
                return TRUE;
            }
        return FALSE;
    case recDate:
        return ParseDay(pszText, r.nDay);
    default:
        return FALSE;
    }
}

int CRecordStore::Compare(const CRecord& a, const CRecord& b, int nColumn) const
{
    switch (nColumn)
    {
    case recCode:   return CompareCodes(a.szCode, b.szCode);
    case recKind:   return Order(a.nKind, b.nKind);
    case recDate:   return Order(a.nDay, b.nDay);
    case recAmount: return Order(a.nAmount, b.nAmount);
    default:        return Order(a.nId, b.nId);
    }
}

void CRecordStore::Sort(int nColumn, BOOL bAscending, BOOL bAdd)
{
    if (!bAdd)
        m_keys.clear();
    const auto key = std::find_if(m_keys.begin(), m_keys.end(), [&](const SortKey& k) { return k.nColumn == nColumn; });
    if (key != m_keys.end())
        key->bAscending = bAscending;
    else
        m_keys.push_back({ nColumn, bAscending });
    ApplySort();
}

// Ties under all keys keep id order, so that every sort of the same keys gives the same rows.
void CRecordStore::ApplySort()
{
    std::sort(m_rows.begin(), m_rows.end(), [this](int a, int b) {
        for (const SortKey& k : m_keys)
            if (const int n = Compare(m_records[a], m_records[b], k.nColumn))
                return k.bAscending ? n < 0 : n > 0;
        return a < b;
    });
}

void CRecordStore::Filter(const CString& strText)
{
    CString upper(strText);
    upper.MakeUpper();
    m_rows.clear();
    const LPCTSTR pszFrom = upper, pszTo = pszFrom + upper.GetLength();
    for (int i = 0; i < GetRecordCount(); ++i)
    {
        const TCHAR* const pszCode = m_records[i].szCode;
        const TCHAR* const pszEnd = pszCode + lstrlen(pszCode);
        if (pszFrom == pszTo || std::search(pszCode, pszEnd, pszFrom, pszTo) != pszEnd)
            m_rows.push_back(i);
    }
    if (!m_keys.empty())
        ApplySort();
}
