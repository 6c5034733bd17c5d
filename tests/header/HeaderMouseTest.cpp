// Width recording on release, refused tracking of hidden columns, cursor, hover, pressed look.
#include "HeaderTestSupport.h"

#include <afxcmn.h>

using namespace qeltest;
using namespace headertest;

namespace {

class HeaderMouse : public HeaderTest
{
protected:
    void SetUp() override
    {
        HeaderTest::SetUp();
        MakeHeader({100, 150, 120});
    }

    // The messages a user's drag of a divider produces, sent as the system would deliver them.
    void Drag(HWND hHeader, CPoint from, CPoint to)
    {
        ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((from.x + to.x) / 2, to.y));
        ::SendMessageA(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        ::SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        PumpUntilIdle();
    }
    // A report list view below the header, with columns A, B and C 100, 150 and 120 wide unless `columns` is
    // false; its header window is attached to `listHeader`, declared before the list so that it goes second.
    void MakeList(CListCtrl& list, CProbeHeader& listHeader, bool columns = true)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 40, 500, 180), &parent, 100));
        if (columns)
            AddListColumns(list);
        ASSERT_TRUE(listHeader.SubclassDlgItem(0, &list));
    }
    static void AddListColumns(CListCtrl& list)
    {
        list.InsertColumn(0, _T("A"), LVCFMT_LEFT, 100);
        list.InsertColumn(1, _T("B"), LVCFMT_LEFT, 150);
        list.InsertColumn(2, _T("C"), LVCFMT_LEFT, 120);
    }

    void Release(CPoint pt = CPoint(50, 12))
    {
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpUntilIdle();
    }

    // A client point where the header's hit test names the column with one of the given flags; the
    // point (-1, -1) when there is none.
    static CPoint FindHit(HWND hHeader, int nColumn, UINT flags)
    {
        for (int x = 0; x < 500; ++x)
        {
            HDHITTESTINFO hti = {};
            hti.pt.x = x;
            hti.pt.y = 10;
            if ((int)::SendMessageA(hHeader, HDM_HITTEST, 0, (LPARAM)&hti) == nColumn && (hti.flags & flags))
                return CPoint(x, 10);
        }
        return CPoint(-1, -1);
    }

    // Leave requests that the header (not the control underneath) makes.
    static BOOL WINAPI CountingTrackMouseEvent(LPTRACKMOUSEEVENT tme)
    {
        s_requests.push_back(*tme);
        return TRUE;
    }
    static std::vector<TRACKMOUSEEVENT> s_requests;

    // Cursor queries that the header makes; the real position is answered.
    static BOOL WINAPI CountingGetCursorPos(LPPOINT pt)
    {
        ++s_nCursorQueries;
        return s_pfnGetCursorPos(pt);
    }
    static int s_nCursorQueries;
    static BOOL(WINAPI* s_pfnGetCursorPos)(LPPOINT);
};

std::vector<TRACKMOUSEEVENT> HeaderMouse::s_requests;
int HeaderMouse::s_nCursorQueries = 0;
BOOL(WINAPI* HeaderMouse::s_pfnGetCursorPos)(LPPOINT) = ::GetCursorPos;

// ---- Width recording -------------------------------------------------------------------------------

TEST_F(HeaderMouse, FirstReleaseRecordsEveryColumnAndPosts)
{
    Release();
    EXPECT_TRUE(MatchSequence(HeaderMessages(), { Posted(WithLParam(WithWParam(Msg(WM_QEL_HEADERCHANGED), 0), 0)) }));
    const int widths[] = {100, 150, 120};
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_TRUE(header.HasRecord(i));
        EXPECT_EQ(widths[i], header.Record(i).nWidth);
        EXPECT_EQ(1, header.Record(i).bVisible);
    }

    parent.Flush();
    Release();
    EXPECT_EQ(0, Changed());
    EXPECT_EQ(2, CDefaultLog::Count(WM_LBUTTONUP));   // both releases reached the control
}

TEST_F(HeaderMouse, DragOfADividerIsRecordedAndReported)
{
    Release();
    parent.Flush();
    Drag(hwnd, CPoint(100, 12), CPoint(140, 12));
    EXPECT_EQ(140, ItemWidth(hwnd, 0));
    EXPECT_EQ(1, Changed());
    EXPECT_EQ(140, header.GetColumnWidth(0));
}

TEST_F(HeaderMouse, ReorderingAloneIsNoChange)
{
    Release();
    parent.Flush();
    int order[] = {2, 0, 1};
    ASSERT_TRUE(::SendMessageA(hwnd, HDM_SETORDERARRAY, 3, (LPARAM)order));
    Release();
    EXPECT_EQ(0, Changed());
}

TEST_F(HeaderMouse, ColumnDraggedShutWhileVisibleIsReportedOnEveryRelease)
{
    Release();
    parent.Flush();
    SetItemWidth(hwnd, 1, 0);
    Release();
    EXPECT_EQ(1, Changed());
    EXPECT_EQ(150, header.Record(1).nWidth);   // the width to give back stays
    parent.Flush();
    Release();
    EXPECT_EQ(1, Changed());

    // Hidden through the header it is no change any more.
    ASSERT_EQ(1, header.ShowColumn(2, 0, -1));
    SetItemWidth(hwnd, 1, 150);
    Release();
    parent.Flush();
    Release();
    EXPECT_EQ(0, Changed());
}

TEST_F(HeaderMouse, ChangedGoesToTheOwnerWhenOneIsSet)
{
    CRecorderWnd owner;
    ASSERT_TRUE(owner.CreateParent(100, 100, "owner"));
    header.SetOwner(&owner);
    Release();
    EXPECT_EQ(0, Changed());
    EXPECT_TRUE(owner.Matches({ Posted(Msg(WM_QEL_HEADERCHANGED)) }));
    header.SetOwner(NULL);
}

TEST_F(HeaderMouse, HeaderWithoutOwnerOrParentPostsNoThreadMessage)
{
    const HWND hLone = ::CreateWindowExA(0, WC_HEADERA, NULL, WS_POPUP | HDS_HORZ | HDS_BUTTONS, 0, 0, 300, 24,
                                         NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hLone != NULL);
    AddColumn(hLone, "A", 100);
    AddColumn(hLone, "B", 120);
    CProbeHeader lone;
    ASSERT_TRUE(lone.SubclassWindow(hLone));
    ASSERT_TRUE(lone.GetOwner() == NULL);

    ::SendMessageA(hLone, WM_LBUTTONUP, 0, MAKELPARAM(50, 12));    // first release: widths changed
    EXPECT_EQ(0, ::SendMessageA(hLone, WM_COMMAND, 5051, 0));       // menu choice: hides column 1
    EXPECT_EQ(0, ItemWidth(hLone, 1));
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, (HWND)-1, WM_QEL_HEADERCHANGED, WM_QEL_HEADERCHANGED, PM_REMOVE));
    lone.DestroyWindow();
}

// ---- Tracking of hidden columns and the cursor -------------------------------------------------------

TEST_F(HeaderMouse, BeginTrackIsRefusedForHiddenColumnsInBothCharacterSets)
{
    ASSERT_EQ(1, header.ShowColumn(1, 0, -1));
    for (UINT code : {(UINT)HDN_BEGINTRACKA, (UINT)HDN_BEGINTRACKW})
    {
        NMHEADERA nm = {};
        nm.hdr.hwndFrom = hwnd;
        nm.hdr.idFrom = 7;
        nm.hdr.code = code;
        nm.iItem = 1;
        EXPECT_EQ(1, ::SendMessageA(parent.GetSafeHwnd(), WM_NOTIFY, 7, (LPARAM)&nm)) << (int)code;
        nm.iItem = 0;
        EXPECT_EQ(0, ::SendMessageA(parent.GetSafeHwnd(), WM_NOTIFY, 7, (LPARAM)&nm)) << (int)code;
    }
}

TEST_F(HeaderMouse, HiddenColumnCannotBeDraggedOpen)
{
    ASSERT_EQ(1, header.ShowColumn(1, 0, -1));
    const CPoint at = FindHit(hwnd, 1, HHT_ONDIVIDER | HHT_ONDIVOPEN);
    if (at.x < 0)
        GTEST_SKIP() << "the header's hit test never names the hidden column";
    Drag(hwnd, at, CPoint(at.x + 40, at.y));
    EXPECT_EQ(0, ItemWidth(hwnd, 1));
    // A visible column is still resized by the same gesture.
    const CPoint at0 = FindHit(hwnd, 0, HHT_ONDIVIDER);
    ASSERT_GE(at0.x, 0);
    Drag(hwnd, at0, CPoint(at0.x + 30, at0.y));
    EXPECT_EQ(130, ItemWidth(hwnd, 0));
}

TEST_F(HeaderMouse, HiddenColumnOfAListViewCannotBeDraggedOpen)
{
    // The list view is a Unicode window: its header sends the W form of the track notification.
    CProbeHeader listHeader;
    CListCtrl list;
    MakeList(list, listHeader);
    const HWND hHeader = listHeader.GetSafeHwnd();
    ASSERT_EQ(1, listHeader.ShowColumn(1, 0, -1));
    EXPECT_EQ(0, list.GetColumnWidth(1));

    const CPoint at = FindHit(hHeader, 1, HHT_ONDIVIDER | HHT_ONDIVOPEN);
    if (at.x >= 0)
    {
        Drag(hHeader, at, CPoint(at.x + 40, at.y));
        EXPECT_EQ(0, ItemWidth(hHeader, 1));
        EXPECT_EQ(0, list.GetColumnWidth(1));
    }
    NMHEADERW nm = {};
    nm.hdr.hwndFrom = hHeader;
    nm.hdr.code = HDN_BEGINTRACKW;
    nm.iItem = 1;
    EXPECT_EQ(1, ::SendMessageA(list.GetSafeHwnd(), WM_NOTIFY, 0, (LPARAM)&nm));

    const CPoint at0 = FindHit(hHeader, 0, HHT_ONDIVIDER);
    ASSERT_GE(at0.x, 0);
    Drag(hHeader, at0, CPoint(at0.x + 30, at0.y));
    EXPECT_EQ(130, list.GetColumnWidth(0));
}

TEST_F(HeaderMouse, DividerDoubleClickDoesNotOpenAHiddenColumnOfAListView)
{
    CProbeHeader listHeader;
    CListCtrl list;
    MakeList(list, listHeader);
    list.InsertItem(0, _T("first"));
    list.SetItemText(0, 1, _T("a rather long cell text to size to"));
    list.SetItemText(0, 2, _T("x"));
    ASSERT_EQ(1, listHeader.ShowColumn(1, 0, -1));

    auto doubleClickDivider = [&](int nColumn) {
        NMHEADERW nm = {};
        nm.hdr.hwndFrom = listHeader.GetSafeHwnd();
        nm.hdr.code = HDN_DIVIDERDBLCLICKW;
        nm.iItem = nColumn;
        ::SendMessageA(list.GetSafeHwnd(), WM_NOTIFY, 0, (LPARAM)&nm);
        PumpUntilIdle();
    };
    doubleClickDivider(1);
    EXPECT_EQ(0, list.GetColumnWidth(1));
    EXPECT_EQ(0, listHeader.IsVisibleColumn(1));

    // A visible column still gets the list view's own sizing.
    doubleClickDivider(2);
    EXPECT_NE(120, list.GetColumnWidth(2));
}

TEST_F(HeaderMouse, HiddenColumnGetsAWidthOnlyThroughShowColumn)
{
    ASSERT_EQ(1, header.ShowColumn(1, 0, -1));
    SetItemWidth(hwnd, 1, 150);   // the control's own item change, in the A form here
    EXPECT_EQ(0, ItemWidth(hwnd, 1));

    // The list view's width setting and autosizing (W form).
    CProbeHeader listHeader;
    CListCtrl list;
    MakeList(list, listHeader);
    list.InsertItem(0, _T("a rather long cell text to size to"));
    ASSERT_EQ(1, listHeader.ShowColumn(0, 0, -1));
    list.SetColumnWidth(0, 80);
    list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(0, list.GetColumnWidth(0));
    EXPECT_EQ(0, listHeader.IsVisibleColumn(0));
    EXPECT_EQ(100, listHeader.GetColumnWidth(0));

    ASSERT_EQ(1, listHeader.ShowColumn(0, 1, -1));
    EXPECT_EQ(100, list.GetColumnWidth(0));
    list.SetColumnWidth(0, 80);   // shown, it is sized as any other column
    EXPECT_EQ(80, list.GetColumnWidth(0));
}

TEST_F(HeaderMouse, SameObjectOnANewWindowStartsAfreshAndHidesItsHiddenColumns)
{
    PlaceCursor(CPoint(50, 12));
    MouseMove(hwnd, CPoint(50, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12));
    ::SendMessageA(hwnd, WM_COMMAND, 5051, 0);   // column 1 hidden from the menu
    ASSERT_EQ(0, header.HotItem());
    ASSERT_EQ(1, header.LButtonDown());
    ASSERT_EQ(1, header.TrackMouse());
    header.DestroyWindow();

    // A list view that makes its columns after the header is attached, as a list control does.
    CListCtrl list;
    MakeList(list, header, false);
    EXPECT_EQ(-1, header.HotItem());
    EXPECT_EQ(0, header.LButtonDown());
    EXPECT_EQ(0, header.TrackMouse());
    AddListColumns(list);
    EXPECT_EQ(100, list.GetColumnWidth(0));
    EXPECT_EQ(0, list.GetColumnWidth(1));
    EXPECT_EQ(120, list.GetColumnWidth(2));
    EXPECT_EQ(150, header.GetColumnWidth(1));
    ::SendMessageA(header.GetSafeHwnd(), WM_COMMAND, 5051, 0);   // shown from the menu
    EXPECT_EQ(150, list.GetColumnWidth(1));
    ::SendMessageA(header.GetSafeHwnd(), WM_COMMAND, 5052, 0);
    list.DestroyWindow();

    // A header that has its columns before it is attached.
    const HWND hNative = CreateNativeHeader(parent.GetSafeHwnd(), 0, 0, 500, 24);
    for (const char* caption : {"A", "B", "C"})
        AddColumn(hNative, caption, 90);
    ASSERT_TRUE(header.SubclassWindow(hNative));
    EXPECT_EQ(90, ItemWidth(hNative, 1));
    EXPECT_EQ(0, ItemWidth(hNative, 2));
    EXPECT_EQ(120, header.GetColumnWidth(2));
}

TEST_F(HeaderMouse, ArrowCursorOverAHiddenColumn)
{
    const HCURSOR hArrow = ::LoadCursorA(NULL, MAKEINTRESOURCEA(32512));
    ASSERT_EQ(1, header.ShowColumn(1, 0, -1));
    const CPoint at = FindHit(hwnd, 1, ~0u);
    if (at.x < 0)
        GTEST_SKIP() << "the header's hit test never names the hidden column";
    PlaceCursor(at);
    CDefaultLog::Clear();
    ::SetCursor(NULL);
    EXPECT_EQ(TRUE, ::SendMessageA(hwnd, WM_SETCURSOR, (WPARAM)hwnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(hArrow, ::GetCursor());
    EXPECT_EQ(0, CDefaultLog::Count(WM_SETCURSOR));

    // Over a visible column the control chooses.
    PlaceCursor(CPoint(200, 12));
    CDefaultLog::Clear();
    ::SendMessageA(hwnd, WM_SETCURSOR, (WPARAM)hwnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(1, CDefaultLog::Count(WM_SETCURSOR));

    // A column without a record reads as visible even at width 0.
    SetItemWidth(hwnd, 2, 0);
    const CPoint at2 = FindHit(hwnd, 2, ~0u);
    if (at2.x >= 0)
    {
        PlaceCursor(at2);
        CDefaultLog::Clear();
        ::SendMessageA(hwnd, WM_SETCURSOR, (WPARAM)hwnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(1, CDefaultLog::Count(WM_SETCURSOR));
    }
}

// ---- Hover -------------------------------------------------------------------------------------------

TEST_F(HeaderMouse, HotColumnFollowsTheMouseAndDividersAreNotHot)
{
    PlaceCursor(CPoint(50, 12));       // the real pointer too, so that the system's own moves agree
    MouseMove(hwnd, CPoint(100, 12));  // divider
    ASSERT_EQ(-1, header.HotItem());
    header.ResetProbe();
    CDefaultLog::Clear();
    MouseMove(hwnd, CPoint(50, 12));
    EXPECT_EQ(0, header.HotItem());
    EXPECT_EQ(1, header.nPaints);
    MouseMove(hwnd, CPoint(60, 12));
    EXPECT_EQ(1, header.nPaints);       // same column: no redraw
    MouseMove(hwnd, CPoint(100, 12));
    EXPECT_EQ(-1, header.HotItem());
    EXPECT_EQ(2, header.nPaints);
    MouseMove(hwnd, CPoint(175, 12));
    EXPECT_EQ(1, header.HotItem());
    MouseMove(hwnd, CPoint(450, 12));   // right of the last column
    EXPECT_EQ(-1, header.HotItem());
    EXPECT_EQ(5, CDefaultLog::Count(WM_MOUSEMOVE));   // every move reaches the control
}

TEST_F(HeaderMouse, OneLeaveRequestAtATime)
{
    CImportPatch patch(LibraryModule("QELCtrl"), "TrackMouseEvent", (const void*)&CountingTrackMouseEvent, "user32.dll");
    ASSERT_TRUE(patch.Installed());
    s_requests.clear();
    MouseMove(hwnd, CPoint(50, 12));
    ASSERT_EQ(1u, s_requests.size());
    EXPECT_EQ(sizeof(TRACKMOUSEEVENT), s_requests[0].cbSize);
    EXPECT_EQ((DWORD)TME_LEAVE, s_requests[0].dwFlags);
    EXPECT_EQ(hwnd, s_requests[0].hwndTrack);
    EXPECT_EQ((DWORD)HOVER_DEFAULT, s_requests[0].dwHoverTime);
    EXPECT_EQ(1, header.TrackMouse());

    // Until the leave arrives, further moves request nothing; after it, the next move asks again.
    MouseMove(hwnd, CPoint(175, 12));
    MouseMove(hwnd, CPoint(100, 12));
    EXPECT_EQ(1u, s_requests.size());
    ::SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, header.TrackMouse());
    MouseMove(hwnd, CPoint(175, 12));
    EXPECT_EQ(2u, s_requests.size());
    // A move with the left button down does not track at all.
    ::SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    MouseMove(hwnd, CPoint(60, 12), MK_LBUTTON);
    EXPECT_EQ(2u, s_requests.size());
}

TEST_F(HeaderMouse, LeavingClearsTheHotColumn)
{
    PlaceCursor(CPoint(50, 12));
    MouseMove(hwnd, CPoint(50, 12));
    ASSERT_EQ(0, header.HotItem());
    header.ResetProbe();
    CDefaultLog::Clear();
    // The real cursor leaves: the system delivers the leave notification.
    PlaceCursor(CPoint(250, 150));
    EXPECT_TRUE(PumpUntil([&] { return header.TrackMouse() == 0; }, 3000));
    EXPECT_EQ(-1, header.HotItem());
    EXPECT_EQ(1, header.nPaints);
    EXPECT_EQ(1, header.nLeaves);
    EXPECT_EQ(0, CDefaultLog::Count(WM_MOUSELEAVE));

    // A leave without a hot column does not redraw.
    header.ResetProbe();
    ::SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0, header.nPaints);
}

TEST_F(HeaderMouse, CancelModeClearsTheHotColumnAfterTheControl)
{
    PlaceCursor(CPoint(175, 12));
    MouseMove(hwnd, CPoint(175, 12));
    ASSERT_EQ(1, header.HotItem());
    header.ResetProbe();
    CDefaultLog::Clear();
    ::SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(1, CDefaultLog::Count(WM_CANCELMODE));
    EXPECT_EQ(-1, header.HotItem());
    EXPECT_EQ(1, header.nPaints);
    ::SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(1, header.nPaints);
}

TEST_F(HeaderMouse, DragKeepsTheHotColumnWhereItBegan)
{
    PlaceCursor(CPoint(50, 12));
    MouseMove(hwnd, CPoint(50, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12));
    MouseMove(hwnd, CPoint(175, 12), MK_LBUTTON);
    EXPECT_EQ(0, header.HotItem());
    EXPECT_EQ(1, header.LButtonDown());
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(175, 12));
    EXPECT_EQ(0, header.LButtonDown());
}

// ---- Pressed look -------------------------------------------------------------------------------------

TEST_F(HeaderMouse, PressedColumnIsDrawnPushedIn)
{
    ASSERT_EQ(1, header.EnableSortColumn(1, 1));
    header.SetSortColumn(1, 1, 0);
    PlaceCursor(CPoint(175, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(175, 12));
    ASSERT_EQ(1, header.LButtonDown());
    EXPECT_EQ(1, CDefaultLog::Count(WM_LBUTTONDOWN));
    header.ResetProbe();
    {
        CCapture cap(hwnd);
        const COLORREF shadow = _gWindowColor.m_crBtnShadow;
        EXPECT_EQ(shadow, cap.At(100, 0));
        EXPECT_EQ(shadow, cap.At(100, 12));
        EXPECT_EQ(_gWindowColor.m_crBtnHighlight, cap.At(0, 0));   // column 0 is not pressed
        ASSERT_EQ(3u + 1u, header.draws.size());
        EXPECT_EQ(1, header.draws[1].bPressed);
        EXPECT_EQ(0, header.draws[0].bPressed);
        EXPECT_EQ(0, header.draws[2].bPressed);
        // The theme pushed the rectangle in to (101, 1): h = 23 / 3 = 7, and the arrow grows by one.
        ASSERT_EQ(1u, header.arrows.size());
        EXPECT_EQ(CRect(231, 7, 246, 15), header.arrows[0].first);
        EXPECT_EQ(_gWindowColor.m_crBtnHighlight, cap.At(231, 15));
        EXPECT_EQ(_gWindowColor.m_crBtnHighlight, cap.At(246, 15));
    }
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(175, 12));
    PumpUntilIdle();
    EXPECT_EQ(0, header.LButtonDown());
    header.ResetProbe();
    Repaint();
    EXPECT_EQ(0, header.draws[1].bPressed);
}

TEST_F(HeaderMouse, PressedIsTheColumnUnderTheCursor)
{
    // The press is over column 1, but the system cursor is over column 0 when the header paints.
    PlaceCursor(CPoint(50, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(175, 12));
    header.ResetProbe();
    Repaint();
    ASSERT_EQ(4u, header.draws.size());
    EXPECT_EQ(1, header.draws[0].bPressed);
    EXPECT_EQ(0, header.draws[1].bPressed);
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(175, 12));
    // Over a divider nothing is pressed.
    PlaceCursor(CPoint(100, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(175, 12));
    header.ResetProbe();
    Repaint();
    ASSERT_EQ(4u, header.draws.size());
    for (const DrawCall& d : header.draws)
        EXPECT_EQ(0, d.bPressed) << d.nItem;
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(175, 12));
}

TEST_F(HeaderMouse, OnePaintAsksForTheCursorOnceForAllColumns)
{
    // The cursor position can cost a round trip to the display server: a paint of many columns (a sort
    // repaints the whole header once per column) asks for it once, and every column still agrees on it.
    CImportPatch patch(LibraryModule("QELCtrl"), "GetCursorPos", (const void*)&CountingGetCursorPos, "user32.dll");
    ASSERT_TRUE(patch.Installed());
    PlaceCursor(CPoint(300, 12));
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 12));
    header.ResetProbe();
    s_nCursorQueries = 0;
    Repaint();
    EXPECT_EQ(1, s_nCursorQueries);
    ASSERT_EQ(4u, header.draws.size());
    EXPECT_EQ(0, header.draws[0].bPressed);
    EXPECT_EQ(0, header.draws[1].bPressed);
    EXPECT_EQ(1, header.draws[2].bPressed);
    EXPECT_EQ(0, header.draws[3].bPressed);   // the empty area
    Release(CPoint(300, 12));
    // Without a press nothing can be drawn pressed: no query at all.
    s_nCursorQueries = 0;
    Repaint();
    EXPECT_EQ(0, s_nCursorQueries);
}

TEST_F(HeaderMouse, PressOnAHiddenColumnIsNotDrawnButReachesTheControl)
{
    header.PlantRecord(1, {0, 150, 0, 0, 0});   // marked hidden, but the window shows the column
    PlaceCursor(CPoint(175, 12));
    CDefaultLog::Clear();
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(175, 12));
    EXPECT_EQ(0, header.LButtonDown());
    EXPECT_EQ(1, CDefaultLog::Count(WM_LBUTTONDOWN));
    header.ResetProbe();
    Repaint();
    ASSERT_EQ(4u, header.draws.size());
    EXPECT_EQ(0, header.draws[1].bPressed);
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(175, 12));
}

TEST_F(HeaderMouse, PressOutsideAnyColumnCountsAsVisible)
{
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(450, 12));
    EXPECT_EQ(1, header.LButtonDown());
    MouseMove(hwnd, CPoint(450, 12));   // a move without the button clears it
    EXPECT_EQ(0, header.LButtonDown());
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(450, 12));
}

} // namespace
