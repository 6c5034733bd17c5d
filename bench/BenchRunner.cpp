#include "BenchRunner.h"
#include "BenchList.h"
#include "PlainStripeList.h"
#include "BenchSupport.h"

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tchar.h>
#include <string>
#include <vector>

namespace {

const int  kSortColumn = 2;

std::string Rows(int nRows)
{
    char sz[32];
    sprintf(sz, "%d rows", nRows);
    return sz;
}

// A permutation of the rows that does not depend on their current order: the item data (the row's original
// index) multiplied by an odd constant is a bijection on 32 bits, so every scramble gives the same order.
int CALLBACK ScrambleCompare(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    const DWORD h1 = (DWORD)lParam1 * 2654435761u;
    const DWORD h2 = (DWORD)lParam2 * 2654435761u;
    return h1 < h2 ? -1 : (h1 > h2 ? 1 : 0);
}

// The comparison of the plain side: the same numeric comparison, reversed for descending order as the QEL list
// reverses its hook's answer.
int CALLBACK PlainCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const int nResult = CompareNumbers(lParam1, lParam2);
    return lParamSort != 0 ? nResult : -nResult;
}

// The QEL list's own hook as the comparison of a plain SortItems call.
int CALLBACK HookCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return ((CBenchList*)lParamSort)->OnCompareItems(lParam1, lParam2, kSortColumn);
}

// Counts the paint messages sent to g_hCountedWindow while installed as a hook (Pump counts the posted ones).
LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMsg->hwnd == g_hCountedWindow && pMsg->message == WM_PAINT)
        ++g_nPaints;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Microseconds per message of nCount sends of a message with a trivial answer.
double MessageCost(HWND hWnd, int nCount)
{
    const double start = Now();
    for (int i = 0; i < nCount; ++i)
        ::SendMessage(hWnd, LVM_GETITEMCOUNT, 0, 0);
    return (Now() - start) * 1000.0 / nCount;
}

} // namespace

CBenchRunner::CBenchRunner(int nRepetitions, CBenchReport& report)
    : m_nRepetitions(nRepetitions)
    , m_report(report)
    , m_hFont((HFONT)::GetStockObject(DEFAULT_GUI_FONT))
    , m_pPlainForEdit(NULL)
    , m_copy10k()
    , m_copy100k()
{
}

CBenchRunner::~CBenchRunner()
{
    if (m_wndFrame.m_hWnd != NULL)
        m_wndFrame.DestroyWindow();
}

BOOL CBenchRunner::Create()
{
    if (!m_wndFrame.CreateEx(0, AfxRegisterWndClass(0), _T("QELBench"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             kWidth, kHeight, NULL, NULL))
        return FALSE;
    ::SetForegroundWindow(m_wndFrame.m_hWnd);
    Pump();
    return TRUE;
}

// ---- Measuring -------------------------------------------------------------------------------------------

double CBenchRunner::MedianOf(const std::function<double()>& work)
{
    work();
    std::vector<double> times;
    for (int i = 0; i < m_nRepetitions; ++i)
        times.push_back(work());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::vector<CBenchRunner::CSpread> CBenchRunner::InterleaveAll(const std::vector<std::function<double()>>& works,
                                                                int nRepetitions)
{
    for (const auto& work : works)
        work();
    const size_t nWorks = works.size();
    std::vector<std::vector<double>> times(nWorks);
    for (int i = 0; i < nRepetitions; ++i)
    {
        // Each repetition starts with the next work, so that none always runs in another's wake.
        for (size_t k = 0; k < nWorks; ++k)
        {
            const size_t nWork = (i + k) % nWorks;
            times[nWork].push_back(works[nWork]());
        }
    }
    std::vector<CSpread> spreads;
    for (std::vector<double>& t : times)
    {
        std::sort(t.begin(), t.end());
        spreads.push_back(CSpread{ t[t.size() / 2], t.front(), t.back() });
    }
    return spreads;
}

CBenchRunner::CMedians CBenchRunner::Interleave(const std::function<double()>& qel, const std::function<double()>& plain)
{
    const std::vector<CSpread> spreads = InterleaveAll({ qel, plain }, m_nRepetitions);
    return CMedians{ spreads[0].median, spreads[1].median, spreads[0].min, spreads[0].max, spreads[1].min,
                     spreads[1].max };
}

void CBenchRunner::Report(CBenchReport::CRow row, const CMedians& medians)
{
    row.qelMin = medians.qelMin;
    row.qelMax = medians.qelMax;
    row.plainMin = medians.plainMin;
    row.plainMax = medians.plainMax;
    m_report.Add(row);
}

// ---- Lists -----------------------------------------------------------------------------------------------

BOOL CBenchRunner::CreatePair(CListCtrl& qel, CListCtrl& plain, int nRows, int nColumns, int nColumnWidth)
{
    return CreateList(qel, 100, nRows, nColumns, nColumnWidth) && CreateList(plain, 101, nRows, nColumns, nColumnWidth);
}

BOOL CBenchRunner::CreateColumns(CListCtrl& list, CWnd* pParent, UINT nId, DWORD dwOwnerData, int nColumns,
                                 int nColumnWidth)
{
    // Visible from the start: the list view makes its header window only for a visible report view.
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | dwOwnerData;
    if (!list.Create(dwStyle, CRect(0, 0, kWidth, kHeight), pParent, nId))
        return FALSE;
    list.SendMessage(WM_SETFONT, (WPARAM)m_hFont, FALSE);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    TCHAR sz[32];
    for (int c = 0; c < nColumns; ++c)
    {
        _stprintf(sz, _T("Column %d"), c);
        list.InsertColumn(c, sz, c % 4 == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT, nColumnWidth);
    }
    return TRUE;
}

BOOL CBenchRunner::CreateList(CListCtrl& list, UINT nId, int nRows, int nColumns, int nColumnWidth)
{
    if (!CreateColumns(list, &m_wndFrame, nId, 0, nColumns, nColumnWidth))
        return FALSE;
    TCHAR sz[32];
    list.SetRedraw(FALSE);
    list.SetItemCount(nRows);
    for (int r = 0; r < nRows; ++r)
    {
        CellText(sz, r, 0);
        LVITEM item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = r;
        item.pszText = sz;
        item.lParam = r;
        const int nItem = (int)list.SendMessage(LVM_INSERTITEM, 0, (LPARAM)&item);
        if (nItem < 0)
            return FALSE;
        for (int c = 1; c < nColumns; ++c)
        {
            CellText(sz, r, c);
            LVITEM sub = {};
            sub.iSubItem = c;
            sub.pszText = sz;
            list.SendMessage(LVM_SETITEMTEXT, (WPARAM)nItem, (LPARAM)&sub);
        }
    }
    list.SetRedraw(TRUE);
    return TRUE;
}

void CBenchRunner::ShowOnly(CListCtrl& show, CListCtrl& hide)
{
    if (hide.IsWindowVisible())
        hide.ShowWindow(SW_HIDE);
    if (!show.IsWindowVisible())
        show.ShowWindow(SW_SHOW);
    show.UpdateWindow();
    Pump();
}

// ---- Case 1: full repaint ----------------------------------------------------------------------------------

double CBenchRunner::PaintOnce(CListCtrl& show, CListCtrl& hide)
{
    ShowOnly(show, hide);
    const double start = Now();
    show.RedrawWindow(NULL, NULL, kRedrawAll);
    ::GdiFlush();
    return Now() - start;
}

double CBenchRunner::RowsPaintOnce(CListCtrl& show, CListCtrl& hide)
{
    ShowOnly(show, hide);
    const double start = Now();
    show.RedrawWindow(NULL, NULL, kRedrawNow);
    ::GdiFlush();
    return Now() - start;
}

// The rows below the header only: the header is neither invalidated nor repainted.
double CBenchRunner::RowsAreaOnce(CListCtrl& show, CListCtrl& hide)
{
    ShowOnly(show, hide);
    CRect rectHeader;
    show.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    CRect rect;
    show.GetClientRect(&rect);
    rect.top = rectHeader.Height();
    const double start = Now();
    show.RedrawWindow(&rect, NULL, kRedrawNow);
    ::GdiFlush();
    return Now() - start;
}

void CBenchRunner::Breakdown(const char* pszWhat, int nRows, const std::function<double()>& work)
{
    printf("  breakdown %-58s %7d rows %10.3f ms\n", pszWhat, nRows, MedianOf(work));
    fflush(stdout);
}

void CBenchRunner::RunPaint(int nRows)
{
    CBenchList qel;
    CPlainStripeList plain;
    if (!CreatePair(qel, plain, nRows, 10, 120))
        return;
    for (int nRow : { 3, 4, 10 })
    {
        qel.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
        plain.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    const int nVisible = plain.GetCountPerPage();
    char szSize[64];
    sprintf(szSize, "%d rows (%d visible) x 10", nRows, nVisible);

    const CMedians plainDefault = Interleave([&] { return PaintOnce(qel, plain); }, [&] { return PaintOnce(plain, qel); });
    Report({ "1 full repaint, default hooks", szSize, "ms", plainDefault.qel, plainDefault.plain, 0, "report" },
           plainDefault);
    const CMedians rowsArea = Interleave([&] { return RowsAreaOnce(qel, plain); }, [&] { return RowsAreaOnce(plain, qel); });
    Report({ "1 rows area alone, default hooks", szSize, "ms", rowsArea.qel, rowsArea.plain, 1.15, "<= 1.15x" },
           rowsArea);
    const CMedians rowsOnly = Interleave([&] { return RowsPaintOnce(qel, plain); }, [&] { return RowsPaintOnce(plain, qel); });
    Report({ "1 repaint, list window only", szSize, "ms", rowsOnly.qel, rowsOnly.plain, 0, "report" }, rowsOnly);
    if (nRows == 1000)
        BreakdownPaint(qel, plain);
    const CMedians header = Interleave([&] { return HeaderPaintOnce(qel, plain, 1); },
                                       [&] { return HeaderPaintOnce(plain, qel, 1); });
    Report({ "1 repaint, header window only", szSize, "ms", header.qel, header.plain, 0, "report" }, header);

    qel.EnableStripes(true);
    plain.EnableStripes(true);
    const CMedians striped = Interleave([&] { return PaintOnce(qel, plain); }, [&] { return PaintOnce(plain, qel); });
    Report({ "1 full repaint, striped rows", szSize, "ms", striped.qel, striped.plain, 0, "report" }, striped);
    const CMedians stripedRows = Interleave([&] { return RowsAreaOnce(qel, plain); }, [&] { return RowsAreaOnce(plain, qel); });
    Report({ "1 rows area alone, striped rows", szSize, "ms", stripedRows.qel, stripedRows.plain, 1.15, "<= 1.15x" },
           stripedRows);
    m_report.Add({ "1 striped QEL vs unstriped plain", szSize, "ms", striped.qel, plainDefault.plain, 0, "report" });
}

// ---- Cases 2 and 3: sorting and clipboard copy -------------------------------------------------------------

double CBenchRunner::ClickSortOnce(CListCtrl& qel, CListCtrl& plain, int nColumn)
{
    ShowOnly(qel, plain);
    qel.SortItems(ScrambleCompare, 0);
    Pump();
    const HWND hHeader = ((CBenchList&)qel).GetHeaderCtrl()->m_hWnd;
    const CPoint pt = HeaderItemCentre(hHeader, nColumn);
    const double start = Now();
    ::SendMessage(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::SendMessage(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    const double elapsed = Now() - start;
    Pump();
    return elapsed;
}

double CBenchRunner::PlainSortOnce(CListCtrl& qel, CListCtrl& plain, bool bAscending)
{
    ShowOnly(plain, qel);
    plain.SortItems(ScrambleCompare, 0);
    Pump();
    const double start = Now();
    plain.SortItems(PlainCompare, bAscending ? 1 : 0);
    const double elapsed = Now() - start;
    Pump();
    return elapsed;
}

void CBenchRunner::RunSortAndCopy(int nRows)
{
    CBenchList qel;
    CPlainStripeList plain;
    const int nColumns = 8;
    if (!CreatePair(qel, plain, nRows, nColumns, 150))
        return;
    qel.EnableSortColumn(kSortColumn, TRUE);

    // The click sorts descending first, then alternates; the plain side follows the same sequence.
    int nPlainSorts = 0;
    const CMedians sort = Interleave([&] { return ClickSortOnce(qel, plain, kSortColumn); },
                                     [&] { return PlainSortOnce(qel, plain, nPlainSorts++ % 2 == 1); });
    if (qel.GetHeaderCtrl()->GetColumnState(kSortColumn) == 0 || qel.GetItemData(0) != plain.GetItemData(0))
        printf("  warning: the header clicks and SortItems did not give the same order\n");
    Report({ "2 sort by header click vs SortItems", Rows(nRows), "ms", sort.qel, sort.plain, 1.05, "<= 1.05x" }, sort);
    BreakdownSort(qel, plain, nRows);

    qel.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    plain.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    Pump();
    const CMedians copy = Interleave(
        [&] {
            const double start = Now();
            const int nResult = qel.CopyToClipboard(LVIS_SELECTED);
            const double elapsed = Now() - start;
            if (nResult != 1)
                printf("  warning: CopyToClipboard failed\n");
            return elapsed;
        },
        [&] { return PlainCopy(plain, nColumns); });
    Report({ "3 copy selected rows x 8 columns", Rows(nRows), "ms", copy.qel, copy.plain, 1.15, "<= 1.15x" }, copy);
    BreakdownCopy(qel, nRows, nColumns);
    if (nRows == 10000)
        m_copy10k = copy;
    if (nRows == 100000)
        m_copy100k = copy;
}

void CBenchRunner::BreakdownSort(CListCtrl& qel, CListCtrl& plain, int nRows)
{
    CBenchList& list = (CBenchList&)qel;
    const HWND hHeader = list.GetHeaderCtrl()->m_hWnd;
    ShowOnly(qel, plain);
    const auto scrambled = [&](const std::function<void()>& work) {
        return [&qel, work] {
            qel.SortItems(ScrambleCompare, 0);
            Pump();
            const double start = Now();
            work();
            const double elapsed = Now() - start;
            Pump();
            return elapsed;
        };
    };
    Breakdown("2 Sort() called directly (marks, redraw, wait cursor, sort)", nRows,
              scrambled([&] { list.Sort(kSortColumn, TRUE, FALSE); }));
    Breakdown("2 SortItems on the QEL list with the same comparison", nRows,
              scrambled([&] { qel.SortItems(PlainCompare, 1); }));
    Breakdown("2 SortItems on the QEL list, comparison through its virtual hook", nRows,
              scrambled([&] { qel.SortItems(HookCompare, (DWORD_PTR)&list); }));
    Breakdown("2 SetSortColumn alone (clears the marks, marks the column)", nRows, [&] {
        const double start = Now();
        list.SetSortColumn(kSortColumn, TRUE, FALSE);
        return Now() - start;
    });
    Breakdown("2 header redraw (RedrawWindow, update now)", nRows, [&] {
        const double start = Now();
        ::RedrawWindow(hHeader, NULL, NULL, kRedrawNow);
        return Now() - start;
    });
    Breakdown("2 wait cursor on and off", nRows, [&] {
        const double start = Now();
        AfxGetApp()->BeginWaitCursor();
        AfxGetApp()->EndWaitCursor();
        return Now() - start;
    });
    const CPoint pt = HeaderItemCentre(hHeader, kSortColumn + 1);
    const int nPaints = HeaderPaintsDuring(qel, [&] { list.Sort(kSortColumn, TRUE, FALSE); });
    printf("  breakdown %-58s %7d rows %10d\n", "2 header paints during one Sort", nRows, nPaints);
    Breakdown("2 click on a column not enabled for sorting", nRows, [&] {
        const double start = Now();
        ::SendMessage(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::SendMessage(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        const double elapsed = Now() - start;
        Pump();
        return elapsed;
    });
}

int CBenchRunner::HeaderPaintsDuring(CListCtrl& list, const std::function<void()>& work)
{
    g_hCountedWindow = list.GetHeaderCtrl()->m_hWnd;
    g_nPaints = 0;
    HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, CountPaints, NULL, ::GetCurrentThreadId());
    work();
    Pump();
    ::UnhookWindowsHookEx(hHook);
    return g_nPaints;
}

void CBenchRunner::BreakdownPaint(CListCtrl& qel, CListCtrl& plain)
{
    ShowOnly(qel, plain);
    const int nQel = HeaderPaintsDuring(qel, [&] { qel.RedrawWindow(NULL, NULL, kRedrawNow); });
    ShowOnly(plain, qel);
    const int nPlain = HeaderPaintsDuring(plain, [&] { plain.RedrawWindow(NULL, NULL, kRedrawNow); });
    printf("  breakdown %-58s %12d %d\n", "1 header paints in a repaint of the list window, QEL, plain", nQel, nPlain);
    // The rows as drawn: both sides must put the same pixels left of the last column's right edge.
    const CRect rectRows(0, 40, 1200, kHeight - 40);
    const bool bSame = RowPixels(qel, plain, rectRows) == RowPixels(plain, qel, rectRows);
    printf("  breakdown %-58s %12s\n", "1 rows area painted alike on both sides", bSame ? "yes" : "NO");
    fflush(stdout);
}

// The pixels of a rectangle of the list's client area after a full repaint.
std::vector<DWORD> CBenchRunner::RowPixels(CListCtrl& show, CListCtrl& hide, const CRect& rect)
{
    PaintOnce(show, hide);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = rect.Width();
    info.bmiHeader.biHeight = -rect.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HDC hWindowDC = ::GetDC(show.m_hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    HBITMAP hBitmap = ::CreateDIBSection(hWindowDC, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, rect.Width(), rect.Height(), hWindowDC, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const DWORD* pFirst = (const DWORD*)pBits;
    std::vector<DWORD> pixels(pFirst, pFirst + (size_t)rect.Width() * (size_t)rect.Height());
    ::SelectObject(hMemDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(show.m_hWnd, hWindowDC);
    return pixels;
}

double CBenchRunner::EditorAloneOnce(CListCtrl& list)
{
    CRect rect;
    list.GetSubItemRect(5, 1, LVIR_LABEL, rect);
    const double start = Now();
    CQELListItemEdit factory;
    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    CWnd* pEditor = factory.CreateItem(5, 1, rect, &style, (CBenchList*)&list);
    if (pEditor != NULL)
        pEditor->DestroyWindow();
    return Now() - start;
}

void CBenchRunner::BreakdownEdit(CListCtrl& list)
{
    CBenchList& qel = (CBenchList&)list;
    double starts = 0, commits = 0, pumps = 0;
    const int nEdits = 20;
    g_hCountedWindow = qel.m_hWnd;
    g_nPaints = 0;
    for (int i = 0; i < nEdits; ++i)
    {
        TCHAR szText[32];
        _stprintf(szText, _T("Phase %d"), i);
        double start = Now();
        if (qel.EditSubItem(i % 40, 1) != 0 || qel.GetEditControl() == NULL)
            continue;
        starts += Now() - start;
        qel.GetEditControl()->SetWindowText(szText);
        start = Now();
        qel.SetFocus();
        commits += Now() - start;
        start = Now();
        Pump();
        pumps += Now() - start;
    }
    const int nListPaints = g_nPaints;
    g_hCountedWindow = NULL;
    printf("  breakdown %-58s %12.3f ms\n", "5 EditSubItem: check, ask, create the editor, select the row", starts / nEdits);
    printf("  breakdown %-58s %12.3f ms\n", "5 commit: focus back, store the text, destroy the editor", commits / nEdits);
    printf("  breakdown %-58s %12.3f ms\n", "5 pending messages after the commit (repaints)", pumps / nEdits);
    printf("  breakdown %-58s %12.1f\n", "5 list paints per edit", (double)nListPaints / nEdits);
    Breakdown("5 single selection on, select the row, off (as EditSubItem)", 1000, [&] {
        const double start = Now();
        qel.ModifyStyle(0, LVS_SINGLESEL);
        qel.SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        qel.ModifyStyle(LVS_SINGLESEL, 0);
        const double elapsed = Now() - start;
        Pump();
        return elapsed;
    });
    // Shown, as the edited list is: a style change redraws the scroll bars of a visible list only.
    ShowOnly(*m_pPlainForEdit, qel);
    Breakdown("5 the same three steps on the plain list", 1000, [&] {
        const double start = Now();
        m_pPlainForEdit->ModifyStyle(0, LVS_SINGLESEL);
        m_pPlainForEdit->SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_pPlainForEdit->ModifyStyle(LVS_SINGLESEL, 0);
        const double elapsed = Now() - start;
        Pump();
        return elapsed;
    });
    ShowOnly(qel, *m_pPlainForEdit);
    Breakdown("5 editor window alone: create over a cell, focus, destroy", 1000, [&] { return EditorAloneOnce(qel); });
    fflush(stdout);
}

void CBenchRunner::BreakdownMessages(CListCtrl& qel, CListCtrl& plain)
{
    const HWND hRaw = ::CreateWindowEx(0, WC_LISTVIEW, _T(""), WS_CHILD | LVS_REPORT, 0, 0, 100, 100,
                                       m_wndFrame.m_hWnd, NULL, NULL, NULL);
    const int nCount = 20000;
    printf("  breakdown %-58s %12.3f us\n", "4 one message to the QEL list (MFC window procedure)",
           MedianOf([&] { return MessageCost(qel.m_hWnd, nCount); }));
    printf("  breakdown %-58s %12.3f us\n", "4 one message to the plain CListCtrl (MFC window procedure)",
           MedianOf([&] { return MessageCost(plain.m_hWnd, nCount); }));
    printf("  breakdown %-58s %12.3f us\n", "4 one message to a list view without MFC",
           MedianOf([&] { return MessageCost(hRaw, nCount); }));
    ::DestroyWindow(hRaw);
    ShowOnly(qel, plain);
    const double hitTest = MedianOf([&] {
        int nCol = -1;
        const double start = Now();
        for (int i = 0; i < 1000; ++i)
            ((CBenchList&)qel).HitTestEx(CPoint(1240, 40), nCol);
        return (Now() - start) * 1000.0 / 1000;
    });
    printf("  breakdown %-58s %12.3f us\n", "4 HitTestEx on the 50th column (50 rectangles, 50 counts)", hitTest);
    fflush(stdout);
}

void CBenchRunner::BreakdownCopy(CListCtrl& qel, int nRows, int nColumns)
{
    Breakdown("3 GetItemText (CString) of every cell", nRows, [&] {
        const double start = Now();
        size_t nTotal = 0;
        for (int r = 0; r < nRows; ++r)
            for (int c = 0; c < nColumns; ++c)
                nTotal += (size_t)qel.GetItemText(r, c).GetLength();
        return nTotal > 0 ? Now() - start : 0.0;
    });
    Breakdown("3 LVM_GETITEMTEXT of every cell into one buffer", nRows, [&] {
        TCHAR sz[256];
        const double start = Now();
        for (int r = 0; r < nRows; ++r)
            for (int c = 0; c < nColumns; ++c)
                qel.GetItemText(r, c, sz, _countof(sz));
        return Now() - start;
    });
    Breakdown("3 LVM_GETITEMSTATE and LVM_GETITEMCOUNT of every row", nRows, [&] {
        const double start = Now();
        for (int r = 0; r < (int)qel.SendMessage(LVM_GETITEMCOUNT); ++r)
            qel.SendMessage(LVM_GETITEMSTATE, (WPARAM)r, LVIS_SELECTED);
        return Now() - start;
    });
    Breakdown("3 clipboard hand-off of the text (80 characters a row)", nRows, [&] {
        const size_t nSize = (size_t)nRows * 80;
        const double start = Now();
        if (::OpenClipboard(qel.m_hWnd))
        {
            ::EmptyClipboard();
            HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, nSize * sizeof(TCHAR));
            TCHAR* pBlock = hBlock != NULL ? (TCHAR*)::GlobalLock(hBlock) : NULL;
            if (pBlock != NULL)
            {
                std::fill(pBlock, pBlock + nSize - 1, _T('a'));
                pBlock[nSize - 1] = _T('\0');
                ::GlobalUnlock(hBlock);
                ::SetClipboardData(kClipboardText, hBlock);
            }
            ::CloseClipboard();
        }
        return Now() - start;
    });
}

void CBenchRunner::ReportCopyLinearity()
{
    if (m_copy10k.qel <= 0 || m_copy100k.qel <= 0)
        return;
    m_report.AddRatioOnly("3 copy 100,000 rows / 10,000 rows", "QEL", m_copy100k.qel / m_copy10k.qel, 11.0, "<= 11x");
    // The same growth of the baseline shows what the platform's own reads of 10 times more cells cost.
    m_report.AddRatioOnly("3 copy 100,000 rows / 10,000 rows", "plain baseline", m_copy100k.plain / m_copy10k.plain, 0,
                          "report");
}

// ---- Cases 4 and 6: mouse moves and header painting over 50 columns ------------------------------------------

double CBenchRunner::MouseMovesOnce(CListCtrl& show, CListCtrl& hide, int nMoves)
{
    ShowOnly(show, hide);
    CRect rectHeader;
    show.GetHeaderCtrl()->GetWindowRect(&rectHeader);
    const int nTop = rectHeader.Height() + 2;
    const double start = Now();
    for (int i = 0; i < nMoves; ++i)
    {
        // Across the whole width, so that every column is hit, and down the visible rows.
        const int x = (i * 7) % (kWidth - 4);
        const int y = nTop + (i * 13) % (kHeight - nTop - 8);
        show.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    Pump();
    return (Now() - start) * 1000.0 / nMoves;
}

double CBenchRunner::HeaderPaintOnce(CListCtrl& show, CListCtrl& hide, int nPaints)
{
    ShowOnly(show, hide);
    CHeaderCtrl* pHeader = show.GetHeaderCtrl();
    const double start = Now();
    for (int i = 0; i < nPaints; ++i)
    {
        pHeader->RedrawWindow(NULL, NULL, kRedrawNow);
        ::GdiFlush();
    }
    return (Now() - start) / nPaints;
}

void CBenchRunner::RunMouseMovesAndHeaderPaint()
{
    CBenchList qel;
    CPlainStripeList plain;
    const int nColumns = 50;
    // 25 pixels a column: all 50 columns fit in the window.
    if (!CreatePair(qel, plain, 1000, nColumns, 25))
        return;

    const int nMoves = 2000;
    const CMedians moves = Interleave([&] { return MouseMovesOnce(qel, plain, nMoves); },
                                      [&] { return MouseMovesOnce(plain, qel, nMoves); });
    Report({ "4 mouse move (hit test, message)", "1000 rows x 50", "us/move", moves.qel, moves.plain, 3.0, "<= 3x" },
           moves);
    BreakdownMessages(qel, plain);

    // Sort marks on three columns: ascending, descending, ascending.
    const int marks[3][2] = { { 1, 1 }, { 4, -1 }, { 9, 1 } };
    qel.EnableMultipleSort(TRUE);
    for (const auto& mark : marks)
    {
        qel.EnableSortColumn(mark[0], TRUE);
        qel.SetSortColumn(mark[0], mark[1] > 0, TRUE);
        SetPlainSortMark(plain.GetHeaderCtrl()->m_hWnd, mark[0], mark[1]);
    }
    const int nPaints = 20;
    const CMedians header = Interleave([&] { return HeaderPaintOnce(qel, plain, nPaints); },
                                       [&] { return HeaderPaintOnce(plain, qel, nPaints); });
    Report({ "6 header paint, 50 columns, 3 marks", "50 columns", "ms", header.qel, header.plain, 0, "report" }, header);
    // Milliseconds for 1,000 queries: microseconds for one.
    const double cursorQuery = MedianOf([] {
        POINT pt;
        const double start = Now();
        for (int i = 0; i < 1000; ++i)
            ::GetCursorPos(&pt);
        return Now() - start;
    });
    printf("  breakdown %-58s %12.3f us\n", "6 GetCursorPos (the header's paint asks it)", cursorQuery);
}

// ---- Case 5: in-place text edit ------------------------------------------------------------------------------

void CBenchRunner::RunEdit()
{
    CBenchList qel;
    CPlainStripeList plain;
    if (!CreatePair(qel, plain, 1000, 4, 200))
        return;
    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    qel.SetColumnStyle(&style);
    ShowOnly(qel, plain);
    ::SetForegroundWindow(m_wndFrame.m_hWnd);
    qel.SetFocus();
    Pump();

    const int nEdits = 50;
    int nSerial = 0;
    int nFailures = 0;
    // Beside the floor: the bare editor window created over a cell, focused and destroyed.
    const CMedians edit = Interleave([&] {
        const double start = Now();
        for (int i = 0; i < nEdits; ++i)
        {
            const int nRow = i % 40;
            TCHAR szText[32];
            _stprintf(szText, _T("Edited %d"), ++nSerial);
            const int nStart = qel.EditSubItem(nRow, 1);
            if (nStart != 0 || qel.GetEditControl() == NULL)
            {
                if (nFailures == 0)
                    printf("  edit start result %d, editor %p\n", nStart, (void*)qel.GetEditControl());
                ++nFailures;
                continue;
            }
            qel.GetEditControl()->SetWindowText(szText);
            qel.SetFocus();
            Pump();
            if (qel.GetItemText(nRow, 1) != szText)
                ++nFailures;
        }
        return (Now() - start) / nEdits;
    }, [&] { return EditorAloneOnce(qel); });
    if (nFailures > 0)
        printf("  warning: %d edits did not store their text\n", nFailures);
    Report({ "5 start and commit a text edit vs the editor window alone", "1000 rows", "ms/edit", edit.qel, edit.plain,
             2.0, "<= 2x" }, edit);
    m_pPlainForEdit = &plain;
    BreakdownEdit(qel);
    m_pPlainForEdit = NULL;
}

// ---- Case 7: scale ------------------------------------------------------------------------------------------

void CBenchRunner::RunScale(int nRows)
{
    // One measurement per side, each side alone in the process, after a plain list of the same size was
    // filled and destroyed: the heaps have grown to the size both sides need, so neither pays for it.
    {
        CListCtrl warmUp;
        CreateList(warmUp, 102, nRows, 8, 150);
        warmUp.DestroyWindow();
        Pump();
    }
    CScaleFigures qel, plain;
    {
        CBenchList list;
        qel = ScaleSide(list, nRows);
    }
    {
        CPlainStripeList list;
        plain = ScaleSide(list, nRows);
    }
    char szSize[48];
    sprintf(szSize, "%d rows x 8", nRows);
    m_report.Add({ "7 fill (insert every row and cell)", szSize, "ms", qel.fill, plain.fill, 0, "report" });
    m_report.Add({ "7 heap memory the filled list holds", szSize, "MB", qel.megabytes, plain.megabytes, 0, "report" });
    m_report.Add({ "7 full repaint", szSize, "ms", qel.repaint, plain.repaint, 0, "report" });
    m_report.Add({ "7 scroll to the end", szSize, "ms", qel.scroll, plain.scroll, 0, "report" });
    m_report.Add({ "7 edit start at the last row vs a plain edit window", szSize, "ms", qel.edit, plain.edit, 0, "report" });
    m_report.Add({ "7 sort by header click vs SortItems", szSize, "ms", qel.sort, plain.sort, 0, "report" });
    m_report.Add({ "7 copy of all rows", szSize, "ms", qel.copy, plain.copy, 0, "report" });
}

// Fills one list with nRows x 8 cells and times each step once; a side is a CBenchList or a plain list.
CBenchRunner::CScaleFigures CBenchRunner::ScaleSide(CListCtrl& list, int nRows)
{
    const int nColumns = 8;
    CBenchList* const pQel = dynamic_cast<CBenchList*>(&list);
    CScaleFigures figures = {};
    const double megabytes = HeapMegabytes();
    double start = Now();
    if (!CreateList(list, 102, nRows, nColumns, 150))
    {
        printf("  warning: the list did not take %d rows\n", nRows);
        return figures;
    }
    figures.fill = Now() - start;
    figures.megabytes = HeapMegabytes() - megabytes;
    Pump();

    start = Now();
    list.RedrawWindow(NULL, NULL, kRedrawAll);
    ::GdiFlush();
    figures.repaint = Now() - start;

    start = Now();
    list.EnsureVisible(nRows - 1, FALSE);
    list.UpdateWindow();
    figures.scroll = Now() - start;
    Pump();

    figures.edit = ScaleEditOnce(list, pQel, nRows - 1);

    start = Now();
    if (pQel != NULL)
    {
        pQel->EnableSortColumn(kSortColumn, TRUE);
        const HWND hHeader = pQel->GetHeaderCtrl()->m_hWnd;
        const CPoint pt = HeaderItemCentre(hHeader, kSortColumn);
        ::SendMessage(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::SendMessage(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    else
    {
        list.SortItems(PlainCompare, 0);
    }
    figures.sort = Now() - start;
    Pump();

    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    Pump();
    if (pQel != NULL)
    {
        start = Now();
        if (pQel->CopyToClipboard(LVIS_SELECTED) != 1)
            printf("  warning: CopyToClipboard failed at %d rows\n", nRows);
        figures.copy = Now() - start;
    }
    else
    {
        figures.copy = PlainCopy(list, nColumns);
    }
    list.DestroyWindow();
    Pump();
    return figures;
}

// An edit of column 1 of the row started on the QEL side (and committed untimed); on the plain side an edit
// window created over the same cell and focused, as an application without the library would. The row above
// is edited first, untimed, so that neither side pays for its first window of the kind.
double CBenchRunner::ScaleEditOnce(CListCtrl& list, CBenchList* pQel, int nRow)
{
    ScaleEditRow(list, pQel, nRow - 1);
    return ScaleEditRow(list, pQel, nRow);
}

double CBenchRunner::ScaleEditRow(CListCtrl& list, CBenchList* pQel, int nRow)
{
    double elapsed = 0;
    if (pQel != NULL)
    {
        _tag_QELListColumnStyle style = {};
        style.nColumn = 1;
        style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
        pQel->SetColumnStyle(&style);
        const double start = Now();
        const int nResult = pQel->EditSubItem(nRow, 1);
        elapsed = Now() - start;
        if (nResult != 0)
            printf("  warning: the edit at row %d did not start (%d)\n", nRow, nResult);
        pQel->SetFocus();
    }
    else
    {
        CRect rect;
        const double start = Now();
        list.EnsureVisible(nRow, FALSE);
        list.GetSubItemRect(nRow, 1, LVIR_LABEL, rect);
        CEdit edit;
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &list, 1);
        edit.SetWindowText(list.GetItemText(nRow, 1));
        edit.SetFocus();
        elapsed = Now() - start;
        edit.DestroyWindow();
    }
    Pump();
    return elapsed;
}
