// Sorting through header clicks, the compare hook, and the header's messages passed to the parent.
#include "QELListFixture.h"

#include <map>
#include <set>

using namespace qeltest;

namespace {

HWND g_hPaintCounted = NULL;   // the window whose WM_PAINT messages CountPaints counts
int  g_nPaints = 0;

LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMsg->hwnd == g_hPaintCounted && pMsg->message == WM_PAINT)
        ++g_nPaints;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Compares rows by item data, or by the list's own comparison, and records what the hooks see.
class CSortList : public CTestList
{
public:
    int OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn) override
    {
        columns.push_back(nColumn);
        data.insert(lParam1);
        data.insert(lParam2);
        waitCursor = waitCursor && ::GetCursor() == ::LoadCursor(NULL, IDC_WAIT);
        if (builtIn)
            return CTestList::OnCompareItems(lParam1, lParam2, nColumn);
        return (int)(lParam1 - lParam2);
    }
    void Sort(int nColumn, int bAscending, int bAdd) override
    {
        sorts.push_back({ nColumn, bAscending, bAdd });
        const int nPaintsBefore = g_nPaints;
        CTestList::Sort(nColumn, bAscending, bAdd);
        paintsInSort.push_back(g_nPaints - nPaintsBefore);
    }
    std::vector<int> columns;
    std::vector<std::vector<int>> sorts;
    std::vector<int> paintsInSort;   // paints of the g_hPaintCounted window during each Sort
    bool waitCursor = true;   // the wait cursor was up at every comparison
    bool builtIn = false;     // answer with the list's own comparison
    std::set<LPARAM> data;    // item data the hook received
};

class ListSorting : public ListTest
{
protected:
    void SetUp() override
    {
        list = &sortList;
        ListTest::SetUp();
        CreateList(5, 4, LVS_REPORT, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
        for (int c = 0; c < 4; ++c)
            list->EnableSortColumn(c, c != 3);
    }
    // LVN_COLUMNCLICK as the list view sends it to its parent.
    void ColumnClick(int nColumn)
    {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = list->m_hWnd;
        nm.hdr.idFrom = kId;
        nm.hdr.code = LVN_COLUMNCLICK;
        nm.iItem = -1;
        nm.iSubItem = nColumn;
        parent.SendMessage(WM_NOTIFY, kId, (LPARAM)&nm);
        PumpUntilIdle();
    }
    void ShiftInput(bool down)
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_SHIFT;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        ::SendInput(1, &in, sizeof(in));
        PumpUntilIdle();
    }
    std::vector<DWORD_PTR> RowData()
    {
        std::vector<DWORD_PTR> data;
        for (int r = 0; r < list->GetItemCount(); ++r)
            data.push_back(list->GetItemData(r));
        return data;
    }
    std::vector<tstring> ColumnTexts(int nColumn)
    {
        std::vector<tstring> texts;
        for (int r = 0; r < list->GetItemCount(); ++r)
            texts.push_back(static_cast<LPCTSTR>(list->GetItemText(r, nColumn)));
        return texts;
    }
    int Mark(int nColumn) { return list->GetHeaderCtrl()->GetColumnState(nColumn); }
    // The middle rows of the header's pixels, across its width.
    std::vector<COLORREF> HeaderPixels()
    {
        const HWND hHeader = list->GetHeaderCtrl()->m_hWnd;
        CRect r;
        ::GetClientRect(hHeader, &r);
        std::vector<COLORREF> pixels;
        for (int y = r.Height() / 2 - 4; y <= r.Height() / 2 + 4; ++y)
            for (int x = 0; x < r.right; ++x)
                pixels.push_back(PixelAt(hHeader, x, y));
        return pixels;
    }
    CPoint HeaderPoint(int nColumn)
    {
        CRect r;
        list->GetHeaderCtrl()->GetItemRect(nColumn, &r);
        return r.CenterPoint();
    }

    CSortList sortList;
};

const std::vector<DWORD_PTR> kUp = { 100, 101, 102, 103, 104 };
const std::vector<DWORD_PTR> kDown = { 104, 103, 102, 101, 100 };

} // namespace

TEST_F(ListSorting, RepeatedClicksRunDescendingAscendingDescending)
{
    const int expectedMark[] = { -1, 1, -1 };
    for (int i = 0; i < 3; ++i)
    {
        sortList.columns.clear();
        ColumnClick(1);
        EXPECT_EQ(expectedMark[i], Mark(1));
        EXPECT_EQ(i == 1, sortList.m_bSortAscending != FALSE);
        EXPECT_EQ(1, sortList.m_nSortColumn);
        EXPECT_EQ(i == 1 ? kUp : kDown, RowData());
        ASSERT_FALSE(sortList.columns.empty());
        for (int c : sortList.columns)
            EXPECT_EQ(1, c);
    }
    EXPECT_EQ(3u, sortList.sorts.size());
    EXPECT_TRUE(sortList.waitCursor);
    EXPECT_NE(::LoadCursor(NULL, IDC_WAIT), ::GetCursor());
}

// Each built-in comparison, by a descending and then an ascending click, over rows with distinct and with
// all-zero item data: an override calling the default hook receives the rows' own data, which stay with their
// rows. A column without a built-in comparison keeps the order.
TEST_F(ListSorting, BuiltInComparisonsOrderTheCellTexts)
{
    EXPECT_EQ(0, list->SetColumnCompare(4, QEL_COMPARE_TEXT));   // no such column
    EXPECT_EQ(0, list->SetColumnCompare(-1, QEL_COMPARE_TEXT));
    EXPECT_EQ(0, list->SetColumnCompare(1, QEL_COMPARE_DATE + 1));
    EXPECT_EQ(QEL_COMPARE_NONE, list->GetColumnCompare(1));
    sortList.builtIn = true;
    using Texts = std::vector<tstring>;
    const struct
    {
        int         nCompare;
        LPCTSTR     pszFormat;                     // the column's date format
        Texts       texts, ascending, descending;  // descending empty: ascending reversed
    } cases[] = {
        { QEL_COMPARE_TEXT, nullptr, { _T("b"), _T("C"), _T("a"), _T("B"), _T("c") },
          { _T("a"), _T("b"), _T("B"), _T("c"), _T("C") }, {} },
        // "b" and "B" compare equal: they keep their order both ways.
        { QEL_COMPARE_TEXTNOCASE, nullptr, { _T("b"), _T("Charlie"), _T("B"), _T("alpha") },
          { _T("alpha"), _T("b"), _T("B"), _T("Charlie") }, { _T("Charlie"), _T("b"), _T("B"), _T("alpha") } },
        { QEL_COMPARE_NUMBER, nullptr, { _T("10"), _T("x1"), _T("-2.5"), _T(""), _T("3"), _T("-10"), _T("2.75") },
          { _T("-10"), _T("-2.5"), _T("2.75"), _T("3"), _T("10"), _T(""), _T("x1") }, {} },
        { QEL_COMPARE_DATE, _T("dd.MM.yyyy"),
          { _T("15.03.2009"), _T("2009-01-01"), _T("01.12.2008"), _T("not a date"), _T("28.02.2009") },
          { _T("01.12.2008"), _T("28.02.2009"), _T("15.03.2009"), _T("2009-01-01"), _T("not a date") }, {} },
#ifdef _UNICODE
        // Scripts in the locale's order: Latin, Greek, Cyrillic, then ideographs.
        { QEL_COMPARE_TEXT, nullptr,
          { L"\u6771\u4eac\u90fd", L"\u041c\u043e\u0441\u043a\u0432\u0430", L"Berlin", L"\u0391\u03b8\u03ae\u03bd\u03b1" },
          { L"Berlin", L"\u0391\u03b8\u03ae\u03bd\u03b1", L"\u041c\u043e\u0441\u043a\u0432\u0430",
            L"\u6771\u4eac\u90fd" }, {} },
#endif
    };
    for (const auto& c : cases)
    {
        _tag_QELListColumnStyle style = {};
        style.nColumn = 1;
        style.pRuntimeClass = c.pszFormat != nullptr ? RUNTIME_CLASS(CTestFactory) : nullptr;
        style.pData = const_cast<LPTSTR>(c.pszFormat);
        style.nDataLen = c.pszFormat != nullptr ? DataLength(c.pszFormat) : 0;
        list->SetColumnStyle(&style);
        ASSERT_EQ(1, list->SetColumnCompare(1, c.nCompare));
        EXPECT_EQ(c.nCompare, list->GetColumnCompare(1));
        const Texts descending =
            c.descending.empty() ? Texts(c.ascending.rbegin(), c.ascending.rend()) : c.descending;
        for (bool zeroData : { false, true })
        {
            list->DeleteAllItems();
            std::map<tstring, DWORD_PTR> dataOf;
            std::set<LPARAM> ownData;
            for (size_t i = 0; i < c.texts.size(); ++i)
            {
                dataOf[c.texts[i]] = zeroData ? 0 : 500 - 10 * i;
                ownData.insert((LPARAM)dataOf[c.texts[i]]);
                list->InsertItem((int)i, _T(""));
                list->SetItemText((int)i, 1, c.texts[i].c_str());
                list->SetItemText((int)i, 2, CString(std::to_string(i).c_str()));
                list->SetItemData((int)i, dataOf[c.texts[i]]);
            }
            sortList.data.clear();
            for (const Texts* expected : { &descending, &c.ascending })
            {
                ColumnClick(1);
                EXPECT_EQ(*expected, ColumnTexts(1)) << c.nCompare << (zeroData ? " zero data" : "");
                std::vector<DWORD_PTR> expectedData;
                for (const tstring& text : *expected)
                    expectedData.push_back(dataOf[text]);
                EXPECT_EQ(expectedData, RowData()) << c.nCompare << (zeroData ? " zero data" : "");
            }
            for (LPARAM lParam : sortList.data)
                EXPECT_EQ(1u, ownData.count(lParam)) << lParam;
        }
    }
    const Texts before = ColumnTexts(2);
    ColumnClick(2);
    EXPECT_EQ(before, ColumnTexts(2));
}

TEST_F(ListSorting, AnOpenEditCommitsToItsOwnRowBeforeTheRowsMove)
{
    SetStyle(1);
    SelectOnly(0);
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    ASSERT_NE(nullptr, Editor());
    Editor()->SetWindowText(_T("new"));
    parent.Flush();
    ColumnClick(0);   // descending: the edited row (item data 100) goes to the bottom
    EXPECT_EQ(kDown, RowData());
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ("new", Narrow(list->GetItemText(4, 1)));
    EXPECT_EQ("r4c1", Narrow(list->GetItemText(0, 1)));
    EXPECT_TRUE(MatchSequence(ListMessages(), {
        CellText(WM_QEL_LISTEDITTING, 0, 1, "new"),
        Cell(WM_QEL_LISTEDITEND, 0, 1),
    }));
}

TEST_F(ListSorting, RealHeaderClicksReachTheVirtualSort)
{
    const HWND hHeader = list->GetHeaderCtrl()->m_hWnd;
    const CPoint pt = HeaderPoint(2);
    g_hPaintCounted = hHeader;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CountPaints, NULL, ::GetCurrentThreadId());
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpUntilIdle();
    ::UnhookWindowsHookEx(hHook);
    ASSERT_EQ(1u, sortList.sorts.size());
    EXPECT_EQ((std::vector<int>{ 2, 0, 0 }), sortList.sorts[0]);
    EXPECT_EQ(-1, Mark(2));
    EXPECT_EQ(kDown, RowData());
    // The final marks come in one repaint, and the header shows what a full repaint of them shows.
    EXPECT_EQ(std::vector<int>{ 1 }, sortList.paintsInSort);
    const std::vector<COLORREF> shown = HeaderPixels();
    ::RedrawWindow(hHeader, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(shown, HeaderPixels());
}

TEST_F(ListSorting, ColumnsNotEnabledAreNeitherMarkedNorSorted)
{
    ColumnClick(3);
    EXPECT_EQ(1u, sortList.sorts.size());
    EXPECT_TRUE(sortList.columns.empty());
    EXPECT_EQ(0, Mark(3));
    EXPECT_EQ(-1, sortList.m_nSortColumn);
    list->Sort(-1, 1, 0);
    list->Sort(9, 1, 0);
    EXPECT_TRUE(sortList.columns.empty());
    EXPECT_EQ(kUp, RowData());
}

TEST_F(ListSorting, ShiftAddsAKeyOnlyInMultipleSortMode)
{
    for (bool multiple : { true, false })
    {
        list->EnableMultipleSort(multiple);
        ColumnClick(0);
        sortList.columns.clear();
        ShiftInput(true);
        ColumnClick(2);
        ShiftInput(false);
        EXPECT_EQ(multiple ? -1 : 0, Mark(0)) << multiple;
        EXPECT_EQ(-1, Mark(2));
        EXPECT_EQ((std::vector<int>{ 2, 0, multiple ? 1 : 0 }), sortList.sorts.back());
        for (int c : sortList.columns)
            EXPECT_EQ(2, c);   // the other mark takes no part in the comparison
    }
    list->EnableMultipleSort(1);
    ColumnClick(0);
    ColumnClick(1);   // without Shift only the clicked column stays marked
    EXPECT_EQ(0, Mark(0));
    EXPECT_EQ(-1, Mark(1));
}

// The list view cannot sort an owner-data list: a header click ends the open edit, marks the header as on any
// list and asks the parent to sort its data, then the rows repaint. Shift adds a key in multiple sort.
TEST_F(ListSorting, OwnerDataListsHaveTheParentSortItsData)
{
    list->DestroyWindow();
    CreateList(5, 4, LVS_REPORT | LVS_OWNERDATA);
    for (int c = 0; c < 3; ++c)
        list->EnableSortColumn(c, 1);
    list->EnableMultipleSort(1);
    SetStyle(1);
    StartEdit(0, 1);
    Editor()->SetWindowText(_T("new"));
    parent.Flush();
    ColumnClick(1);
    EXPECT_TRUE(parent.Matches({
        CellText(WM_QEL_LISTEDITTING, 0, 1, "new"),
        Cell(WM_QEL_LISTEDITEND, 0, 1),
        Sent(WithLParam(WithWParam(Msg(WM_QEL_LISTSORTDATA), ((WPARAM)kId << 16 | 1)), MAKELPARAM(0, 0))),
    }));
    EXPECT_EQ(-1, Mark(1));
    EXPECT_EQ(1, sortList.m_nSortColumn);
    EXPECT_FALSE(sortList.m_bSortAscending);

    parent.Flush();
    ShiftInput(true);
    ColumnClick(2);
    ColumnClick(2);
    ShiftInput(false);
    EXPECT_TRUE(parent.Matches({
        WithLParam(WithWParam(Msg(WM_QEL_LISTSORTDATA), ((WPARAM)kId << 16 | 2)), MAKELPARAM(0, 1)),
        WithLParam(WithWParam(Msg(WM_QEL_LISTSORTDATA), ((WPARAM)kId << 16 | 2)), MAKELPARAM(1, 1)),
    }));
    EXPECT_EQ(-1, Mark(1));
    EXPECT_EQ(1, Mark(2));
    EXPECT_TRUE(sortList.columns.empty());

    list->UpdateWindow();
    list->Sort(0, 1, 0);
    CRect update, client;
    ASSERT_TRUE(list->GetUpdateRect(&update));
    list->GetClientRect(&client);
    EXPECT_EQ(client, update);
    EXPECT_EQ(0, Mark(1));
}

TEST_F(ListSorting, MarksSetByTheApplicationDoNotReorder)
{
    list->SetSortColumn(1, 1, 0);
    EXPECT_EQ(1, Mark(1));
    EXPECT_EQ(-1, sortList.m_nSortColumn);
    EXPECT_TRUE(sortList.columns.empty());
    ColumnClick(2);
    EXPECT_EQ(2, sortList.columns.at(0));
    list->RemoveSortColumn(2);
    EXPECT_EQ(0, Mark(2));
    EXPECT_EQ(2, sortList.m_nSortColumn);
}

TEST_F(ListSorting, HeaderMessagesReachTheParentWithTheListId)
{
    parent.SetAnswer(WM_QEL_HEADERVISIABLECHANGE, 5);
    EXPECT_EQ(5, list->SendMessage(WM_QEL_HEADERVISIABLECHANGE, 2, 1));
    EXPECT_EQ(0, list->SendMessage(WM_QEL_HEADERCHANGED, 0, 0));
    ASSERT_EQ(2u, ListMessages().size());
    EXPECT_EQ(WM_QEL_HEADERVISIABLECHANGE, ListMessages()[0].message);
    EXPECT_EQ(((WPARAM)kId << 16) | 2, ListMessages()[0].wParam);
    EXPECT_EQ(1, ListMessages()[0].lParam);
    EXPECT_EQ((WPARAM)kId << 16, ListMessages()[1].wParam);

    // The header's own post after a release that recorded new widths.
    parent.Flush();
    const HWND hHeader = list->GetHeaderCtrl()->m_hWnd;
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpUntilIdle();
    ASSERT_EQ(1, parent.Count(WM_QEL_HEADERCHANGED));
    EXPECT_EQ((WPARAM)kId << 16, parent.MessagesOf(WM_QEL_HEADERCHANGED)[0].wParam);
}

TEST_F(ListSorting, WithoutAParentForwardedMessagesAnswerZero)
{
    CTestList orphan;
    ASSERT_TRUE(orphan.CreateEx(0, WC_LISTVIEW, _T(""), WS_POPUP | LVS_REPORT, CRect(0, 0, 200, 100), NULL, 0));
    EXPECT_EQ(0, orphan.SendMessage(WM_QEL_HEADERVISIABLECHANGE, 1, 1));
    NMHEADER nm = {};
    nm.hdr.hwndFrom = orphan.GetHeaderCtrl()->m_hWnd;
    nm.hdr.code = HDN_ENDDRAG;
    EXPECT_EQ(0, orphan.SendMessage(WM_NOTIFY, 0, (LPARAM)&nm));
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, (HWND)-1, WM_QEL_HEADERCHANGED, WM_QEL_HEADERCHANGED, PM_NOREMOVE));
    orphan.DestroyWindow();
}

TEST_F(ListSorting, EndOfADragPostsAfterTheDrop)
{
    NMHEADER nm = {};
    nm.hdr.hwndFrom = list->GetHeaderCtrl()->m_hWnd;
    nm.hdr.code = HDN_ENDDRAG;
    nm.iItem = 0;
    EXPECT_EQ(0, list->SendMessage(WM_NOTIFY, 0, (LPARAM)&nm));
    EXPECT_EQ(list->m_hWnd, ::GetFocus());
    EXPECT_EQ(0, parent.Count(WM_QEL_HEADERCHANGED));   // posted, not sent
    PumpUntilIdle();
    ASSERT_EQ(1, parent.Count(WM_QEL_HEADERCHANGED));
    EXPECT_EQ((WPARAM)kId << 16, parent.MessagesOf(WM_QEL_HEADERCHANGED)[0].wParam);
    EXPECT_EQ(0, parent.MessagesOf(WM_QEL_HEADERCHANGED)[0].lParam);
}

TEST_F(ListSorting, ARealColumnDragMovesCellsAndEditors)
{
    const HWND hHeader = list->GetHeaderCtrl()->m_hWnd;
    CRect r0, r2;
    list->GetHeaderCtrl()->GetItemRect(0, &r0);
    list->GetHeaderCtrl()->GetItemRect(2, &r2);
    const CPoint from = r0.CenterPoint();
    const CPoint to(r2.right - 5, r2.CenterPoint().y);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    for (int x = from.x + 4; x <= to.x; x += 20)
        ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, from.y));
    ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    PumpUntilIdle();

    int order[4] = {};
    list->GetColumnOrderArray(order, 4);
    ASSERT_EQ((std::vector<int>{ 1, 2, 0, 3 }), std::vector<int>(order, order + 4));
    EXPECT_GE(parent.Count(WM_QEL_HEADERCHANGED), 1);
    EXPECT_TRUE(sortList.sorts.empty());

    // The list view's cells follow the new order: 1, 2, 0, 3 from the left.
    CRect cell0, cell2;
    list->GetSubItemRect(1, 0, LVIR_LABEL, cell0);
    list->GetSubItemRect(1, 2, LVIR_LABEL, cell2);
    EXPECT_GE(cell2.left, 79);
    EXPECT_LT(cell2.left, 100);
    EXPECT_GE(cell0.left, 159);
    SetStyle(1);
    ASSERT_EQ(0, list->EditSubItem(1, 1));
    EXPECT_LT(CTestFactory::s_rect.left, 10);   // column 1 now shown first
    list->SetFocus();
}

