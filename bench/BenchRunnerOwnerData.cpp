// Case 8: the same user actions on an owner-data CQELListCtrl and on a plain owner-data list view, both
// shown by one application (COwnerDataHost), at 1,000 rows and at a million. Both sizes are measured in turn
// within each action, so that the comparison of the sizes does not follow the machine's load.
#include "BenchRunner.h"
#include "BenchSupport.h"
#include "OwnerDataHost.h"

#include <QELCtrl.h>

#include <algorithm>
#include <stdio.h>
#include <tchar.h>

namespace {

const int kColumns = 8;
const int kSmallRows = 1000;

std::string Size(int nRows)
{
    char sz[48];
    sprintf(sz, "%d rows x %d", nRows, kColumns);
    return sz;
}

// Sends a key press to hWnd with Ctrl held, as the keyboard would deliver it.
void PressWithCtrl(HWND hWnd, UINT vk)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessage(hWnd, WM_KEYDOWN, vk, 1);
    ::SendMessage(hWnd, WM_KEYUP, vk, (LPARAM)0xC0000001);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    ::SetKeyboardState(keys);
}

// An application's own in-place editor: the row selected and scrolled into view, an edit window over the
// cell with its text, focused.
void OpenPlainEditor(CListCtrl& list, int nRow, CEdit& edit)
{
    list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.EnsureVisible(nRow, FALSE);
    CRect rect;
    list.GetSubItemRect(nRow, COwnerDataHost::kEditColumn, LVIR_LABEL, rect);
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &list, 1);
    edit.SetFont(list.GetFont(), FALSE);
    edit.SetWindowText(list.GetItemText(nRow, COwnerDataHost::kEditColumn));
    edit.SetFocus();
}

// Selects every row with redrawing off: Wine's list view invalidates each row it selects, which makes a
// select-all of a million rows take many minutes otherwise.
void SelectAll(CListCtrl& list)
{
    list.SetRedraw(FALSE);
    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetRedraw(TRUE);
    Pump();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

struct CBenchRunner::COwnerDataPair
{
    int                 nRows = 0;
    COwnerDataHost      host;
    CQELListCtrl        qel;
    CListCtrl           plain;
    std::vector<double> qelSortMs, plainSortMs;   // the application's sorts during the timed clicks
};

void CBenchRunner::RunOwnerData(int nRows)
{
    if (nRows <= kSmallRows)
    {
        printf("  case 8 needs a --scale above %d rows\n", kSmallRows);
        return;
    }
    COwnerDataPair small, large;
    if (!CreateOwnerDataPair(small, kSmallRows) || !CreateOwnerDataPair(large, nRows))
        return;
    CompareOwnerData("full repaint", small, large, [&](COwnerDataPair& p) { return PaintOnce(p.qel, p.plain); },
                     [&](COwnerDataPair& p) { return PaintOnce(p.plain, p.qel); });
    CompareOwnerData("scroll to the end", small, large,
                     [&](COwnerDataPair& p) { return ScrollToEndOnce(p.qel, p.plain); },
                     [&](COwnerDataPair& p) { return ScrollToEndOnce(p.plain, p.qel); });
    CompareOwnerData("edit start and commit at the last row", small, large,
                     [&](COwnerDataPair& p) { return OwnerDataEditOnce(p); },
                     [&](COwnerDataPair& p) { return PlainOwnerDataEditOnce(p); });
    CompareOwnerData("edit moved from row 0 to the last (Ctrl+Page Down)", small, large,
                     [&](COwnerDataPair& p) { return OwnerDataMoveOnce(p); },
                     [&](COwnerDataPair& p) { return PlainOwnerDataMoveOnce(p); });
    CompareOwnerData("sort click, the list's share", small, large,
                     [&](COwnerDataPair& p) { return OwnerDataSortOnce(p.qel, p.plain, p.host, p.qelSortMs); },
                     [&](COwnerDataPair& p) { return OwnerDataSortOnce(p.plain, p.qel, p.host, p.plainSortMs); });
    for (COwnerDataPair* pPair : { &small, &large })
    {
        m_report.Add({ "8 owner data: sort click, the application's sort", Size(pPair->nRows), "ms",
                       Median(pPair->qelSortMs), Median(pPair->plainSortMs), 0, "report" });
    }
    OwnerDataCopy(small, large);
    OwnerDataCopy(large, small);
}

BOOL CBenchRunner::CreateOwnerDataPair(COwnerDataPair& pair, int nRows)
{
    pair.nRows = nRows;
    if (!pair.host.Create(&m_wndFrame, nRows))
        return FALSE;
    OwnerDataMemory(pair);
    if (pair.qel.m_hWnd == NULL || pair.plain.m_hWnd == NULL)
        return FALSE;
    _tag_QELListColumnStyle style = {};
    style.nColumn = COwnerDataHost::kEditColumn;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    pair.qel.SetColumnStyle(&style);
    pair.qel.EnableSortColumn(COwnerDataHost::kSortColumn, TRUE);
    return TRUE;
}

// Creates each list in turn and reports the heap and working set it holds after a repaint and a scroll to
// the end: the owner-data list keeps nothing per row. A list of each kind is shown and destroyed first, so
// that neither side pays for what the first list of its kind loads for all later ones.
void CBenchRunner::OwnerDataMemory(COwnerDataPair& pair)
{
    {
        CQELListCtrl warmQel;
        CListCtrl warmPlain;
        ShowOwnerDataList(warmQel, pair.host, COwnerDataHost::kQelId, pair.nRows);
        ShowOwnerDataList(warmPlain, pair.host, COwnerDataHost::kPlainId, pair.nRows);
        warmQel.DestroyWindow();
        warmPlain.DestroyWindow();
        Pump();
    }
    double heap[2] = {}, workingSet[2] = {};
    CListCtrl* const lists[2] = { &pair.qel, &pair.plain };
    const UINT ids[2] = { COwnerDataHost::kQelId, COwnerDataHost::kPlainId };
    for (int side = 0; side < 2; ++side)
    {
        const double heapBefore = HeapMegabytes();
        const double workingSetBefore = WorkingSetMegabytes();
        if (!ShowOwnerDataList(*lists[side], pair.host, ids[side], pair.nRows))
            return;
        heap[side] = HeapMegabytes() - heapBefore;
        workingSet[side] = WorkingSetMegabytes() - workingSetBefore;
        lists[side]->ShowWindow(SW_HIDE);
    }
    const std::string strSize = Size(pair.nRows);
    m_report.Add({ "8 owner data: heap the shown list holds", strSize, "MB", heap[0], heap[1], 0, "report" });
    m_report.Add({ "8 owner data: working set the shown list adds", strSize, "MB", workingSet[0], workingSet[1], 0,
                   "report" });
}

// An owner-data list of nRows rows in host, painted at the top and at the end.
BOOL CBenchRunner::ShowOwnerDataList(CListCtrl& list, COwnerDataHost& host, UINT nId, int nRows)
{
    if (!CreateColumns(list, &host, nId, LVS_OWNERDATA, kColumns, 150))
    {
        printf("  warning: the owner-data list was not created\n");
        return FALSE;
    }
    list.SetItemCount(nRows);
    list.UpdateWindow();
    list.EnsureVisible(nRows - 1, FALSE);
    list.UpdateWindow();
    Pump();
    return TRUE;
}

// The application window of one size in front, the other's hidden.
void CBenchRunner::ShowPair(COwnerDataPair& show, COwnerDataPair& hide)
{
    if (hide.host.IsWindowVisible())
        hide.host.ShowWindow(SW_HIDE);
    if (!show.host.IsWindowVisible())
        show.host.ShowWindow(SW_SHOW);
}

// One action on both sides at both sizes, in turn, three times as often as the other cases repeat (single
// actions of 10 to 40 ms vary widely here); reports each size and each side's growth from 1,000 rows to the
// large size, the plain side's as the platform's own.
void CBenchRunner::CompareOwnerData(const char* pszAction, COwnerDataPair& small, COwnerDataPair& large,
                                    const COwnerDataWork& qel, const COwnerDataWork& plain)
{
    const auto on = [this](COwnerDataPair& pair, COwnerDataPair& other, const COwnerDataWork& work) {
        return std::function<double()>([this, &pair, &other, work] {
            ShowPair(pair, other);
            return work(pair);
        });
    };
    const std::vector<CSpread> s = InterleaveAll(
        { on(small, large, qel), on(small, large, plain), on(large, small, qel), on(large, small, plain) },
        3 * m_nRepetitions);
    char szCase[128];
    sprintf(szCase, "8 owner data: %s", pszAction);
    for (int i = 0; i < 2; ++i)
    {
        const CSpread& q = s[2 * i];
        const CSpread& p = s[2 * i + 1];
        Report({ szCase, Size((i == 0 ? small : large).nRows), "ms", q.median, p.median, 0, "report" },
               CMedians{ q.median, p.median, q.min, q.max, p.min, p.max });
    }
    sprintf(szCase, "8 %s: %d rows / %d rows", pszAction, large.nRows, small.nRows);
    m_report.AddRatioOnly(szCase, "QEL", s[0].median > 0 ? s[2].median / s[0].median : 0, 1.25, "<= 1.25x");
    m_report.AddRatioOnly(szCase, "plain baseline", s[1].median > 0 ? s[3].median / s[1].median : 0, 0, "report");
}

// Every row selected, then copied; a copy of a million rows takes tens of seconds, so the large size is
// copied once per side.
void CBenchRunner::OwnerDataCopy(COwnerDataPair& pair, COwnerDataPair& other)
{
    ShowPair(pair, other);
    SelectAll(pair.qel);
    SelectAll(pair.plain);
    const auto qelCopy = [&] {
        const double start = Now();
        if (pair.qel.CopyToClipboard(LVIS_SELECTED) != 1)
            printf("  warning: CopyToClipboard failed at %d owner-data rows\n", pair.nRows);
        return Now() - start;
    };
    const auto plainCopy = [&] { return PlainCopy(pair.plain, kColumns); };
    const CMedians copy = pair.nRows <= kSmallRows ? Interleave(qelCopy, plainCopy)
                                                   : CMedians{ qelCopy(), plainCopy(), -1, -1, -1, -1 };
    Report({ "8 owner data: copy of all rows", Size(pair.nRows), "ms", copy.qel, copy.plain, 0, "report" }, copy);
    ::OpenClipboard(m_wndFrame.m_hWnd);
    ::EmptyClipboard();
    ::CloseClipboard();
}

double CBenchRunner::ScrollToEndOnce(CListCtrl& show, CListCtrl& hide)
{
    ShowOnly(show, hide);
    show.EnsureVisible(0, FALSE);
    show.UpdateWindow();
    const double start = Now();
    show.EnsureVisible(show.GetItemCount() - 1, FALSE);
    show.UpdateWindow();
    return Now() - start;
}

// Shows the list alone and focused; pszText (32 characters) receives a text no earlier edit stored.
void CBenchRunner::PrepareEdit(CListCtrl& show, CListCtrl& hide, TCHAR* pszText)
{
    ShowOnly(show, hide);
    show.SetFocus();
    Pump();
    _stprintf(pszText, _T("Edited %.0f"), Now());
}

// EditSubItem, the user's text, EndEdit(TRUE): the parent stores the text, the list repaints the row.
double CBenchRunner::OwnerDataEditOnce(COwnerDataPair& pair)
{
    CQELListCtrl& list = pair.qel;
    const int nRow = pair.nRows - 1;
    TCHAR szText[32];
    PrepareEdit(list, pair.plain, szText);
    const double start = Now();
    if (list.EditSubItem(nRow, COwnerDataHost::kEditColumn) != 0 || list.GetEditControl() == NULL)
    {
        printf("  warning: the owner-data edit did not start at row %d\n", nRow);
        return 0;
    }
    list.GetEditControl()->SetWindowText(szText);
    list.EndEdit(TRUE);
    list.UpdateWindow();
    const double elapsed = Now() - start;
    Pump();
    if (pair.host.Text(nRow, COwnerDataHost::kEditColumn) != szText)
        printf("  warning: the owner-data edit did not reach the parent\n");
    return elapsed;
}

// The application's own editor opened over the cell, the user's text stored, the row repainted.
double CBenchRunner::PlainOwnerDataEditOnce(COwnerDataPair& pair)
{
    CListCtrl& list = pair.plain;
    const int nRow = pair.nRows - 1;
    TCHAR szText[32];
    PrepareEdit(list, pair.qel, szText);
    const double start = Now();
    CEdit edit;
    OpenPlainEditor(list, nRow, edit);
    edit.SetWindowText(szText);
    CString text;
    edit.GetWindowText(text);
    pair.host.StoreText(nRow, COwnerDataHost::kEditColumn, text);
    edit.DestroyWindow();
    list.RedrawItems(nRow, nRow);
    list.UpdateWindow();
    const double elapsed = Now() - start;
    Pump();
    return elapsed;
}

// An edit open at row 0 moves to the last row with Ctrl+Page Down: the key to the editor, the list's move
// request, the commit and the new editor at the last row, scrolled into view.
double CBenchRunner::OwnerDataMoveOnce(COwnerDataPair& pair)
{
    CQELListCtrl& list = pair.qel;
    ShowOnly(list, pair.plain);
    list.EnsureVisible(0, FALSE);
    list.SetFocus();
    if (list.EditSubItem(0, COwnerDataHost::kEditColumn) != 0 || list.GetEditControl() == NULL)
    {
        printf("  warning: the owner-data edit did not start at row 0\n");
        return 0;
    }
    Pump();
    const double start = Now();
    PressWithCtrl(list.GetEditControl()->m_hWnd, VK_NEXT);
    Pump();
    list.UpdateWindow();
    const double elapsed = Now() - start;
    if (list.GetEditControl() == NULL || list.GetItemState(pair.nRows - 1, LVIS_FOCUSED) == 0)
        printf("  warning: Ctrl+Page Down did not move the edit to the last row\n");
    list.EndEdit(FALSE);
    Pump();
    return elapsed;
}

// The application's counterpart: its editor at row 0 closed, Ctrl+End in the list, its editor opened at the
// last row.
double CBenchRunner::PlainOwnerDataMoveOnce(COwnerDataPair& pair)
{
    CListCtrl& list = pair.plain;
    ShowOnly(list, pair.qel);
    list.SetFocus();
    CEdit first;
    OpenPlainEditor(list, 0, first);
    Pump();
    const double start = Now();
    first.DestroyWindow();
    PressWithCtrl(list.m_hWnd, VK_END);
    CEdit last;
    OpenPlainEditor(list, pair.nRows - 1, last);
    Pump();
    list.UpdateWindow();
    const double elapsed = Now() - start;
    last.DestroyWindow();
    Pump();
    return elapsed;
}

// A click on the sort column's header item from the same scrambled order each time, until the list has
// repainted; returns the time without the application's sort, which goes to appMs.
double CBenchRunner::OwnerDataSortOnce(CListCtrl& show, CListCtrl& hide, COwnerDataHost& host,
                                       std::vector<double>& appMs)
{
    ShowOnly(show, hide);
    host.Scramble();
    show.Invalidate();
    show.UpdateWindow();
    const HWND hHeader = show.GetHeaderCtrl()->m_hWnd;
    const CPoint pt = HeaderItemCentre(hHeader, COwnerDataHost::kSortColumn);
    const double start = Now();
    ::SendMessage(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::SendMessage(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    show.UpdateWindow();
    const double elapsed = Now() - start;
    Pump();
    appMs.push_back(host.LastSortMs());
    return elapsed - host.LastSortMs();
}
