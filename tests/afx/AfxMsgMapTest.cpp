// Message maps: lookup through the class and its base maps, and how each entry cracks wParam/lParam.
#include "AfxTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace afxcore;

namespace {

UINT g_nCoreRegisteredMsg = 0;     // id of the registered message entry; read at dispatch time

const UINT kCmdId = 100;
const UINT kRangeFirst = 200;
const UINT kRangeLast = 210;
const UINT kButtonId = 300;
const UINT kNotifyId = 400;
const UINT kNotifyRangeFirst = 500;
const UINT kNotifyRangeLast = 509;

// Records what its handlers receive.
class CCoreBaseMapWnd : public CWnd
{
public:
    std::vector<std::string> m_calls;
    UINT_PTR m_nTimerId = 0;
    UINT m_nSizeType = 0xdeadbeef;
    int m_cx = -1;
    int m_cy = -1;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_calls.push_back("base:OnTimer");
        m_nTimerId = nIDEvent;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_calls.push_back("base:OnSize");
        m_nSizeType = nType;
        m_cx = cx;
        m_cy = cy;
    }
    afx_msg LRESULT OnUser2(WPARAM, LPARAM) { m_calls.push_back("base:OnUser2"); return 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreBaseMapWnd, CWnd)
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_MESSAGE(WM_USER + 2, &CCoreBaseMapWnd::OnUser2)
END_MESSAGE_MAP()

class CCoreMapWnd : public CCoreBaseMapWnd
{
public:
    // Cracked arguments of the last call of each handler.
    UINT m_nFlags = 0xdeadbeef;
    CPoint m_point = CPoint(-999, -999);
    UINT m_nChar = 0, m_nRepCnt = 0, m_nKeyFlags = 0;
    short m_zDelta = 0;
    HWND m_hOtherWnd = (HWND)-1;
    int m_nStyleType = 0;
    DWORD m_dwNewStyle = 0;
    UINT m_nHitTest = 0, m_nMouseMsg = 0;
    UINT m_nCmdId = 0;
    NMHDR* m_pLastNMHDR = NULL;
    UINT m_nNotifyId = 0;
    LPCREATESTRUCT m_pCreate = NULL;
    std::string m_createName;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_calls.push_back("OnCreate");
        m_pCreate = lpcs;
        m_createName = lpcs->lpszName != NULL ? qeltest::Narrow(lpcs->lpszName) : std::string();
        return CCoreBaseMapWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_calls.push_back("derived:OnSize");
        CCoreBaseMapWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_calls.push_back("OnLButtonDown");
        m_nFlags = nFlags;
        m_point = point;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_calls.push_back("OnKeyDown");
        m_nChar = nChar;
        m_nRepCnt = nRepCnt;
        m_nKeyFlags = nFlags;
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_calls.push_back("OnMouseWheel");
        m_nFlags = nFlags;
        m_zDelta = zDelta;
        m_point = pt;
        return TRUE;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd)
    {
        m_calls.push_back("OnSetFocus");
        m_hOtherWnd = pOldWnd->GetSafeHwnd();
    }
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
    {
        m_calls.push_back("OnStyleChanged");
        m_nStyleType = nStyleType;
        m_dwNewStyle = lpStyleStruct->styleNew;
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        m_calls.push_back("OnContextMenu");
        m_hOtherWnd = pWnd->GetSafeHwnd();
        m_point = pos;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        m_calls.push_back("OnSetCursor");
        m_hOtherWnd = pWnd->GetSafeHwnd();
        m_nHitTest = nHitTest;
        m_nMouseMsg = message;
        return TRUE;
    }
    afx_msg UINT OnGetDlgCode() { m_calls.push_back("OnGetDlgCode"); return DLGC_WANTALLKEYS; }
    afx_msg LRESULT OnNcHitTest(CPoint point) { m_point = point; return HTCAPTION; }
    afx_msg LRESULT OnUser1(WPARAM wParam, LPARAM lParam)
    {
        m_calls.push_back("OnUser1");
        return OnUser1((int)(wParam + lParam));
    }
    // An overload beside the handler: the map entry's &CCoreMapWnd::OnUser1 must pick the handler by its type.
    LRESULT OnUser1(int nSum) { return nSum; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { m_calls.push_back("OnRegistered"); return (LRESULT)wParam * 2; }
    afx_msg void OnCommandOne() { m_calls.push_back("OnCommandOne"); }
    afx_msg void OnCommandRange(UINT nID) { m_calls.push_back("OnCommandRange"); m_nCmdId = nID; }
    afx_msg void OnButtonClicked() { m_calls.push_back("OnButtonClicked"); }
    afx_msg void OnChildClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_calls.push_back("OnChildClick");
        m_pLastNMHDR = pNMHDR;
        *pResult = 77;
    }
    afx_msg void OnChildRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_calls.push_back("OnChildRange");
        m_nNotifyId = nID;
        m_pLastNMHDR = pNMHDR;
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreMapWnd, CCoreBaseMapWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETFOCUS()
    ON_WM_STYLECHANGED()
    ON_WM_CONTEXTMENU()
    ON_WM_SETCURSOR()
    ON_WM_GETDLGCODE()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_USER + 1, &CCoreMapWnd::OnUser1)
    ON_REGISTERED_MESSAGE(g_nCoreRegisteredMsg, &CCoreMapWnd::OnRegistered)
    ON_COMMAND(kCmdId, &CCoreMapWnd::OnCommandOne)
    ON_COMMAND_RANGE(kRangeFirst, kRangeLast, &CCoreMapWnd::OnCommandRange)
    ON_BN_CLICKED(kButtonId, &CCoreMapWnd::OnButtonClicked)
    ON_NOTIFY(NM_CLICK, kNotifyId, &CCoreMapWnd::OnChildClick)
    ON_NOTIFY_RANGE(NM_RCLICK, kNotifyRangeFirst, kNotifyRangeLast, &CCoreMapWnd::OnChildRange)
END_MESSAGE_MAP()

class AfxCoreMessageMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(wnd, _T("MapWindow")));
        wnd.m_calls.clear();
    }
    void TearDown() override
    {
        wnd.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    CCoreMapWnd wnd;
};

} // namespace

TEST_F(AfxCoreMessageMap, CreateReachesTheMapWithTheCreationRecord)
{
    CCoreMapWnd other;
    ASSERT_TRUE(CreateTopLevel(other, _T("Second window")));
    ASSERT_FALSE(other.m_calls.empty());
    EXPECT_NE(other.m_calls.end(), std::find(other.m_calls.begin(), other.m_calls.end(), "OnCreate"));
    EXPECT_EQ("Second window", other.m_createName);
    other.DestroyWindow();
}

TEST_F(AfxCoreMessageMap, DerivedEntryWinsAndBaseMapAnswersTheRest)
{
    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    EXPECT_EQ((std::vector<std::string>{ "derived:OnSize", "base:OnSize" }), wnd.m_calls);
    EXPECT_EQ((UINT)SIZE_MAXIMIZED, wnd.m_nSizeType);
    EXPECT_EQ(640, wnd.m_cx);
    EXPECT_EQ(480, wnd.m_cy);

    wnd.m_calls.clear();
    EXPECT_EQ(2, wnd.SendMessage(WM_USER + 2, 0, 0));
    EXPECT_EQ((std::vector<std::string>{ "base:OnUser2" }), wnd.m_calls);

    // No entry anywhere: the message goes to the window's own procedure.
    wnd.m_calls.clear();
    EXPECT_EQ(0, wnd.SendMessage(WM_USER + 3, 1, 2));
    EXPECT_TRUE(wnd.m_calls.empty());
}

TEST_F(AfxCoreMessageMap, TimerIdKeepsItsFullWidth)
{
    const UINT_PTR id = (UINT_PTR)0x12345678u | ((UINT_PTR)sizeof(void*) > 4 ? ((UINT_PTR)1 << (sizeof(void*) * 8 - 4)) : 0);
    wnd.SendMessage(WM_TIMER, id, 0);
    EXPECT_EQ(id, wnd.m_nTimerId);
}

TEST_F(AfxCoreMessageMap, MouseMessagesCrackSignedCoordinates)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM((WORD)(short)-5, 300));
    EXPECT_EQ((UINT)(MK_LBUTTON | MK_SHIFT), wnd.m_nFlags);
    EXPECT_EQ(-5, wnd.m_point.x);
    EXPECT_EQ(300, wnd.m_point.y);

    EXPECT_EQ(TRUE, wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-240),
                                     MAKELPARAM(100, (WORD)(short)-20)));
    EXPECT_EQ((UINT)MK_CONTROL, wnd.m_nFlags);
    EXPECT_EQ(-240, wnd.m_zDelta);
    EXPECT_EQ(100, wnd.m_point.x);
    EXPECT_EQ(-20, wnd.m_point.y);

    EXPECT_EQ(HTCAPTION, wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM((WORD)(short)-1, 7)));
    EXPECT_EQ(-1, wnd.m_point.x);
    EXPECT_EQ(7, wnd.m_point.y);
}

TEST_F(AfxCoreMessageMap, KeyMessagesCrackRepeatCountAndFlags)
{
    wnd.SendMessage(WM_KEYDOWN, VK_F5, 0x413F0003);
    EXPECT_EQ((UINT)VK_F5, wnd.m_nChar);
    EXPECT_EQ(3u, wnd.m_nRepCnt);
    EXPECT_EQ(0x413Fu, wnd.m_nKeyFlags);
    EXPECT_EQ(DLGC_WANTALLKEYS, wnd.SendMessage(WM_GETDLGCODE));
}

TEST_F(AfxCoreMessageMap, WindowArgumentsBecomeWindowObjects)
{
    HWND hOther = CreateForeignChild(wnd.m_hWnd, _T("STATIC"), 1);
    wnd.SendMessage(WM_SETFOCUS, (WPARAM)hOther, 0);
    EXPECT_EQ(hOther, wnd.m_hOtherWnd);
    wnd.SendMessage(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(nullptr, wnd.m_hOtherWnd);

    wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)hOther, MAKELPARAM(30, 40));
    EXPECT_EQ(hOther, wnd.m_hOtherWnd);
    EXPECT_EQ(CPoint(30, 40), wnd.m_point);

    EXPECT_EQ(TRUE, wnd.SendMessage(WM_SETCURSOR, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(wnd.m_hWnd, wnd.m_hOtherWnd);
    EXPECT_EQ((UINT)HTCLIENT, wnd.m_nHitTest);
    EXPECT_EQ((UINT)WM_MOUSEMOVE, wnd.m_nMouseMsg);
    ::DestroyWindow(hOther);
}

TEST_F(AfxCoreMessageMap, StyleChangeCarriesTheStyleRecord)
{
    wnd.ModifyStyle(0, WS_VSCROLL);
    EXPECT_EQ(GWL_STYLE, wnd.m_nStyleType);
    EXPECT_TRUE(wnd.m_dwNewStyle & WS_VSCROLL);
}

TEST_F(AfxCoreMessageMap, UserMessageHandlerAnswersTheSender)
{
    EXPECT_EQ(42, wnd.SendMessage(WM_USER + 1, 40, 2));
}

TEST_F(AfxCoreMessageMap, RegisteredMessageIdIsReadWhenTheMessageArrives)
{
    const UINT first = ::RegisterWindowMessage(_T("QELAfxCoreTest.First"));
    const UINT second = ::RegisterWindowMessage(_T("QELAfxCoreTest.Second"));
    ASSERT_NE(first, second);

    g_nCoreRegisteredMsg = first;
    EXPECT_EQ(14, wnd.SendMessage(first, 7, 0));
    EXPECT_EQ(0, wnd.SendMessage(second, 7, 0));

    g_nCoreRegisteredMsg = second;
    EXPECT_EQ(0, wnd.SendMessage(first, 7, 0));
    EXPECT_EQ(16, wnd.SendMessage(second, 8, 0));
    EXPECT_EQ((std::vector<std::string>{ "OnRegistered", "OnRegistered" }), wnd.m_calls);
    g_nCoreRegisteredMsg = 0;
}

TEST_F(AfxCoreMessageMap, CommandsFromMenusAndRangesReachTheirHandlers)
{
    // A handled command answers 1, an unhandled one what the default procedure answers (0).
    EXPECT_EQ(1, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdId, 0), 0));
    EXPECT_EQ((std::vector<std::string>{ "OnCommandOne" }), wnd.m_calls);

    wnd.m_calls.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kRangeFirst + 4, 1), 0);   // accelerator
    EXPECT_EQ((std::vector<std::string>{ "OnCommandRange" }), wnd.m_calls);
    EXPECT_EQ(kRangeFirst + 4, wnd.m_nCmdId);

    wnd.m_calls.clear();
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kRangeLast + 1, 0), 0));
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(0, 0), 0));
    EXPECT_TRUE(wnd.m_calls.empty());
}

TEST_F(AfxCoreMessageMap, ButtonClickFromARealButtonReachesOnBnClicked)
{
    HWND hButton = CreateForeignChild(wnd.m_hWnd, _T("BUTTON"), kButtonId, BS_PUSHBUTTON);
    ::SendMessage(hButton, BM_CLICK, 0, 0);
    qeltest::PumpUntilIdle();
    EXPECT_EQ((std::vector<std::string>{ "OnButtonClicked" }), wnd.m_calls);

    // Another notification code of the same button has no entry.
    wnd.m_calls.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_DOUBLECLICKED), (LPARAM)hButton);
    EXPECT_TRUE(wnd.m_calls.empty());
    ::DestroyWindow(hButton);
}

TEST_F(AfxCoreMessageMap, NotificationsAreRoutedByTheSendersWindowId)
{
    HWND hChild = CreateForeignChild(wnd.m_hWnd, _T("STATIC"), kNotifyId);
    NMHDR nm = { hChild, 9999, (UINT)NM_CLICK };     // idFrom deliberately wrong: the window's id counts
    EXPECT_EQ(77, wnd.SendMessage(WM_NOTIFY, 9999, (LPARAM)&nm));
    EXPECT_EQ((std::vector<std::string>{ "OnChildClick" }), wnd.m_calls);
    EXPECT_EQ(&nm, wnd.m_pLastNMHDR);

    // Same window, other code: not handled, the answer is the default procedure's.
    wnd.m_calls.clear();
    nm.code = (UINT)NM_DBLCLK;
    EXPECT_EQ(0, wnd.SendMessage(WM_NOTIFY, kNotifyId, (LPARAM)&nm));
    EXPECT_TRUE(wnd.m_calls.empty());
    ::DestroyWindow(hChild);

    HWND hRanged = CreateForeignChild(wnd.m_hWnd, _T("STATIC"), kNotifyRangeFirst + 3);
    NMHDR nmRange = { hRanged, kNotifyRangeFirst + 3, (UINT)NM_RCLICK };
    EXPECT_EQ(5, wnd.SendMessage(WM_NOTIFY, kNotifyRangeFirst + 3, (LPARAM)&nmRange));
    EXPECT_EQ(kNotifyRangeFirst + 3, wnd.m_nNotifyId);
    ::DestroyWindow(hRanged);
}

TEST_F(AfxCoreMessageMap, NotificationWithoutSenderIsNotRouted)
{
    NMHDR nm = { NULL, kNotifyId, (UINT)NM_CLICK };
    EXPECT_EQ(0, wnd.SendMessage(WM_NOTIFY, kNotifyId, (LPARAM)&nm));
    EXPECT_TRUE(wnd.m_calls.empty());
}

namespace {

// Every window-message entry of the layer, with CWnd's own handlers: each must answer exactly what the
// window's procedure answers.
class CCoreAllEntriesWnd : public CWnd
{
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreAllEntriesWnd, CWnd)
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_CHAR()
    ON_WM_CLOSE()
    ON_WM_CONTEXTMENU()
    ON_WM_CREATE()
    ON_WM_DEADCHAR()
    ON_WM_DESTROY()
    ON_WM_ENABLE()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_GETMINMAXINFO()
    ON_WM_INITMENUPOPUP()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MBUTTONDBLCLK()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONUP()
    ON_WM_MOUSEACTIVATE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOVE()
    ON_WM_NCACTIVATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCCREATE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCPAINT()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCRBUTTONUP()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_SETTINGCHANGE()
    ON_WM_SHOWWINDOW()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_STYLECHANGED()
    ON_WM_STYLECHANGING()
    ON_WM_SYSCHAR()
    ON_WM_SYSCOMMAND()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_THEMECHANGED()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

} // namespace

TEST(AfxCoreDefaultHandlers, EveryEntryAnswersLikeTheWindowsOwnProcedure)
{
    CCoreAllEntriesWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, _T("All entries")));
    RECT rc;
    wnd.GetWindowRect(&rc);
    const LPARAM inCaption = MAKELPARAM(rc.left + 40, rc.top + 5);
    const LPARAM inClient = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    struct { UINT message; WPARAM wParam; LPARAM lParam; } cases[] = {
        { WM_NCHITTEST, 0, inCaption },
        { WM_NCHITTEST, 0, inClient },
        { WM_GETDLGCODE, 0, 0 },
        { WM_MOUSEACTIVATE, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN) },
        { WM_SETCURSOR, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE) },
        { WM_NCACTIVATE, TRUE, 0 },
        { WM_MOUSEWHEEL, MAKEWPARAM(0, 120), inClient },
        { WM_KEYDOWN, VK_F9, 1 },
        { WM_TIMER, 12345, 0 },
        { WM_QUERYDRAGICON, 0, 0 },
    };
    for (const auto& c : cases)
    {
        const LRESULT expected = ::DefWindowProc(wnd.m_hWnd, c.message, c.wParam, c.lParam);
        EXPECT_EQ(expected, wnd.SendMessage(c.message, c.wParam, c.lParam)) << "message " << std::hex << c.message;
    }

    HDC hdc = ::GetDC(wnd.m_hWnd);
    EXPECT_EQ(::DefWindowProc(wnd.m_hWnd, WM_ERASEBKGND, (WPARAM)hdc, 0), wnd.SendMessage(WM_ERASEBKGND, (WPARAM)hdc));
    ::ReleaseDC(wnd.m_hWnd, hdc);

    wnd.SendMessage(WM_CLOSE);      // default processing destroys the window
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}
