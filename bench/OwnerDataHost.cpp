#include "OwnerDataHost.h"
#include "BenchSupport.h"

#include <QELCtrl.h>

#include <algorithm>
#include <random>

namespace {

// The number column 1 shows for a record, as CellText writes it.
int SortKey(int nRecord)
{
    return (int)(((long long)nRecord * 7919 + COwnerDataHost::kSortColumn) % 1000003);
}

} // namespace

BEGIN_MESSAGE_MAP(COwnerDataHost, CWnd)
    ON_NOTIFY(LVN_GETDISPINFO, COwnerDataHost::kQelId, &COwnerDataHost::OnGetDispInfo)
    ON_NOTIFY(LVN_GETDISPINFO, COwnerDataHost::kPlainId, &COwnerDataHost::OnGetDispInfo)
    ON_NOTIFY(LVN_COLUMNCLICK, COwnerDataHost::kPlainId, &COwnerDataHost::OnPlainColumnClick)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, &COwnerDataHost::OnEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTSORTDATA, &COwnerDataHost::OnSortData)
END_MESSAGE_MAP()

COwnerDataHost::COwnerDataHost()
    : m_lastSortMs(0)
    , m_bPlainAscending(false)
{
}

BOOL COwnerDataHost::Create(CWnd* pFrame, int nRows)
{
    m_scrambled.resize((size_t)nRows);
    for (int i = 0; i < nRows; ++i)
        m_scrambled[(size_t)i] = i;
    std::shuffle(m_scrambled.begin(), m_scrambled.end(), std::mt19937(12345));
    m_order = m_scrambled;
    return CWnd::Create(AfxRegisterWndClass(0), _T("Owner data"), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                        CRect(0, 0, kWidth, kHeight), pFrame, 1);
}

void COwnerDataHost::Scramble()
{
    m_order = m_scrambled;
}

void COwnerDataHost::StoreText(int nRow, int nColumn, LPCTSTR pszText)
{
    m_edits[std::make_pair(m_order[(size_t)nRow], nColumn)] = pszText;
}

CString COwnerDataHost::Text(int nRow, int nColumn) const
{
    const int nRecord = m_order[(size_t)nRow];
    const auto it = m_edits.find(std::make_pair(nRecord, nColumn));
    if (it != m_edits.end())
        return it->second;
    TCHAR sz[32];
    ::CellText(sz, nRecord, nColumn);
    return sz;
}

void COwnerDataHost::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.iItem >= 0 && item.iItem < (int)m_order.size())
        lstrcpyn(item.pszText, Text(item.iItem, item.iSubItem), item.cchTextMax);
    *pResult = 0;
}

void COwnerDataHost::OnPlainColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (pInfo->iSubItem == kSortColumn)
    {
        m_bPlainAscending = !m_bPlainAscending;
        SortRecords(m_bPlainAscending);
        CListCtrl* pList = (CListCtrl*)GetDlgItem(kPlainId);
        SetPlainSortMark(pList->GetHeaderCtrl()->m_hWnd, kSortColumn, m_bPlainAscending ? 1 : -1);
        pList->Invalidate();
    }
    *pResult = 0;
}

LRESULT COwnerDataHost::OnEditting(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    StoreText(pInfo->nItem, pInfo->nSubItem, pInfo->pszText);
    return 0;
}

LRESULT COwnerDataHost::OnSortData(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == kSortColumn)
        SortRecords(LOWORD(lParam) != 0);
    return 0;
}

void COwnerDataHost::SortRecords(bool bAscending)
{
    const double start = Now();
    std::sort(m_order.begin(), m_order.end(), [bAscending](int a, int b) {
        return bAscending ? SortKey(a) < SortKey(b) : SortKey(a) > SortKey(b);
    });
    m_lastSortMs = Now() - start;
}
