// Window rectangles of QELStdWin, on real windows with and without non-client edges.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "QELStdWin.h"

namespace
{

::testing::AssertionResult SameRect(const RECT& expected, const RECT& actual)
{
    if (EqualRect(&expected, &actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.left << "," << expected.top << ","
                                         << expected.right << "," << expected.bottom << ") but got ("
                                         << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ")";
}

// Children of one framed top-level host; child windows are created and destroyed at once under Wine,
// while a top-level window waits for the X server when it goes away.
class WindowRectTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_hHost = CreateWindowEx(0, _T("STATIC"), _T("host"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 400, 300,
                                 nullptr, nullptr, GetModuleHandle(nullptr), nullptr);
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(s_hHost);
        s_hHost = nullptr;
    }

    void TearDown() override
    {
        for (HWND hwnd : m_children)
            DestroyWindow(hwnd);
    }

    // A 120x60 child at (30, 20) of the host's client area.
    CWnd* Child(DWORD style, DWORD exStyle)
    {
        HWND hwnd = CreateWindowEx(exStyle, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | style, 30, 20, 120, 60,
                                   s_hHost, nullptr, GetModuleHandle(nullptr), nullptr);
        EXPECT_NE(nullptr, hwnd);
        m_children.push_back(hwnd);
        return CWnd::FromHandle(hwnd);
    }

    static POINT HostClientOrigin()
    {
        POINT pt = {0, 0};
        ClientToScreen(s_hHost, &pt);
        return pt;
    }

    static HWND s_hHost;
    std::vector<HWND> m_children;
};

HWND WindowRectTest::s_hHost = nullptr;

TEST_F(WindowRectTest, ClientRectStartsAtTheOriginAndExcludesEdges)
{
    const int edge = GetSystemMetrics(SM_CXEDGE);
    EXPECT_TRUE(SameRect(CRect(0, 0, 120, 60), CClientRect(Child(0, 0))));
    EXPECT_TRUE(SameRect(CRect(0, 0, 120 - 2 * edge, 60 - 2 * edge), CClientRect(Child(0, WS_EX_CLIENTEDGE))));

    CWnd* pHost = CWnd::FromHandle(s_hHost);
    RECT client;
    ::GetClientRect(s_hHost, &client);
    const CClientRect rc(pHost);
    EXPECT_TRUE(SameRect(client, rc));
    EXPECT_LT(rc.Width(), 400);  // the frame and caption take room
    EXPECT_LT(rc.Height(), 300);
}

TEST_F(WindowRectTest, FlagZeroGivesScreenCoordinates)
{
    const POINT origin = HostClientOrigin();
    const CRect expected(origin.x + 30, origin.y + 20, origin.x + 150, origin.y + 80);
    EXPECT_TRUE(SameRect(expected, CWindowRect(Child(0, 0), 0)));
    EXPECT_TRUE(SameRect(expected, CWindowRect(Child(WS_BORDER, WS_EX_CLIENTEDGE), 0)));
    EXPECT_TRUE(SameRect(CRect(100, 80, 500, 380), CWindowRect(CWnd::FromHandle(s_hHost), 0)));
}

TEST_F(WindowRectTest, FlagOneGivesTheWindowsOwnClientCoordinates)
{
    const int edge = GetSystemMetrics(SM_CXEDGE);
    EXPECT_TRUE(SameRect(CRect(0, 0, 120, 60), CWindowRect(Child(0, 0), 1)));
    EXPECT_TRUE(SameRect(CRect(-edge, -edge, 120 - edge, 60 - edge), CWindowRect(Child(0, WS_EX_CLIENTEDGE), 1)));
    // A vertical scroll bar lies in the non-client area on the right only.
    EXPECT_TRUE(SameRect(CRect(-edge, -edge, 120 - edge, 60 - edge),
                         CWindowRect(Child(WS_VSCROLL, WS_EX_CLIENTEDGE), 1)));

    // A framed top-level window: the window's corner lies up and left of the client origin.
    CWnd* pHost = CWnd::FromHandle(s_hHost);
    const CWindowRect rc(pHost, 1);
    POINT corner = {rc.left, rc.top};
    ClientToScreen(s_hHost, &corner);
    EXPECT_EQ(100, corner.x);
    EXPECT_EQ(80, corner.y);
    EXPECT_LT(rc.left, 0);
    EXPECT_LT(rc.top, rc.left);  // the caption is taller than the side frame
    EXPECT_EQ(400, rc.Width());
    EXPECT_EQ(300, rc.Height());
}

TEST_F(WindowRectTest, FlagOneHitTestsClientPointsFromMouseMessages)
{
    // Client coordinates of a point as a mouse message over the window would carry it.
    CWnd* pWnd = Child(0, WS_EX_CLIENTEDGE);
    auto clientPoint = [&](int screenX, int screenY) {
        POINT pt = {screenX, screenY};
        ::ScreenToClient(pWnd->GetSafeHwnd(), &pt);
        return pt;
    };
    const CWindowRect screen(pWnd, 0);
    const CWindowRect rc(pWnd, 1);
    const CClientRect client(pWnd);
    // On the edge: inside the window but outside the client area.
    const POINT onEdge = clientPoint(screen.left, screen.top);
    EXPECT_TRUE(rc.PtInRect(onEdge));
    EXPECT_FALSE(client.PtInRect(onEdge));
    EXPECT_TRUE(rc.PtInRect(clientPoint(screen.right - 1, screen.bottom - 1)));
    EXPECT_FALSE(rc.PtInRect(clientPoint(screen.right, screen.bottom - 1)));
    EXPECT_FALSE(rc.PtInRect(clientPoint(screen.left - 1, screen.top)));
    EXPECT_FALSE(rc.PtInRect(clientPoint(screen.left, screen.bottom)));
}

TEST_F(WindowRectTest, MirroredWindowKeepsAnOrderedRectangle)
{
    CWnd* pWnd = Child(0, WS_EX_CLIENTEDGE | WS_EX_LAYOUTRTL);
    const CWindowRect rc(pWnd, 1);
    EXPECT_LT(rc.left, rc.right);
    EXPECT_EQ(120, rc.Width());
    EXPECT_EQ(60, rc.Height());
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
}

TEST_F(WindowRectTest, OtherFlagsMeanScreenCoordinates)
{
    CWnd* pWnd = Child(0, WS_EX_CLIENTEDGE);
    const CWindowRect screen(pWnd, 0);
    EXPECT_TRUE(SameRect(screen, CWindowRect(pWnd, 2)));
    EXPECT_TRUE(SameRect(screen, CWindowRect(pWnd, -1)));
}

TEST_F(WindowRectTest, WithoutAWindowTheRectangleIsEmpty)
{
    const CRect zero(0, 0, 0, 0);
    EXPECT_TRUE(SameRect(zero, CClientRect(nullptr)));
    EXPECT_TRUE(SameRect(zero, CWindowRect(nullptr, 0)));
    EXPECT_TRUE(SameRect(zero, CWindowRect(nullptr, 1)));
    CWnd unattached;
    EXPECT_TRUE(SameRect(zero, CClientRect(&unattached)));
    EXPECT_TRUE(SameRect(zero, CWindowRect(&unattached, 1)));
}

TEST_F(WindowRectTest, UsableWhereverACRectIs)
{
    // As the non-client painting uses it: the outer rectangle moved to the origin.
    CWindowRect rc(Child(0, WS_EX_CLIENTEDGE), 0);
    rc.OffsetRect(-rc.left, -rc.top);
    EXPECT_TRUE(SameRect(CRect(0, 0, 120, 60), rc));
    const CRect copy = CClientRect(Child(0, 0));
    EXPECT_EQ(CSize(120, 60), copy.Size());
    auto area = [](LPCRECT p) { return (p->right - p->left) * (p->bottom - p->top); };
    EXPECT_EQ(120 * 60, area(CClientRect(Child(0, 0))));
}

} // namespace
