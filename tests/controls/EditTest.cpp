// The themed edit's frame, read back from the window's pixels (non-client area included).
#include "QELTest.h"

#include "QELEdit.h"
#include "QELWindowColor.h"

using namespace qeltest;

namespace {

// Reads a pixel of the whole window without pumping: what the last paint left there.
COLORREF RawPixel(HWND hwnd, int x, int y)
{
    HDC hdc = ::GetWindowDC(hwnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return c;
}

// Paints one window pixel in a marker colour, to see whether the frame is painted again.
void MarkPixel(HWND hwnd, int x, int y, COLORREF colour)
{
    HDC hdc = ::GetWindowDC(hwnd);
    ::SetPixel(hdc, x, y, colour);
    ::ReleaseDC(hwnd, hdc);
}

const COLORREF kMarker = RGB(255, 0, 255);

// Handles the leave in its own map entry, as a derived class of an application may, and passes it on.
class CCountingEdit : public CQELEdit
{
public:
    using CQELEdit::m_bHover;
    int m_nLeaves = 0;

protected:
    afx_msg void OnMouseLeave()
    {
        ++m_nLeaves;
        CQELEdit::OnMouseLeave();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CQELEdit)
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

class ThemedEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ReleaseAllKeys();
        ::SetCursorPos(1270, 1010);
        ASSERT_TRUE(parent.CreateParent(400, 200));
        ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, _T("Edit"), _T("some text"), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                  20, 20, 200, 26, parent.GetSafeHwnd(), (HMENU)(UINT_PTR)500));
        ASSERT_TRUE(other.CreateEx(0, _T("Button"), _T("other"), WS_CHILD | WS_VISIBLE, 20, 80, 100, 26,
                                   parent.GetSafeHwnd(), (HMENU)(UINT_PTR)501));
        other.SetFocus();
        PumpUntilIdle();
        hEdit = edit.GetSafeHwnd();
        CRect r;
        edit.GetWindowRect(&r);
        w = r.Width();
        h = r.Height();

        crHighlight = _gWindowColor.m_crHighlight;
        crDark = _gWindowColor.m_cr3DDkShadow;
        crWindow = _gWindowColor.m_crWindow;
        crFace = _gWindowColor.m_crBtnFace;
        ASSERT_NE(crHighlight, crDark);
        ASSERT_NE(crWindow, crFace);
    }

    void TearDown() override
    {
        edit.DestroyWindow();
        other.DestroyWindow();
        parent.DestroyWindow();
        PumpUntilIdle();
    }

    void RepaintFrame()
    {
        ::RedrawWindow(hEdit, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }

    // Checks the four sides of the outer and the inner ring.
    void ExpectRings(COLORREF outer, COLORREF inner, int line)
    {
        SCOPED_TRACE(testing::Message() << "from line " << line);
        EXPECT_EQ(outer, RawPixel(hEdit, 0, h / 2));
        EXPECT_EQ(outer, RawPixel(hEdit, w - 1, h / 2));
        EXPECT_EQ(outer, RawPixel(hEdit, w / 2, 0));
        EXPECT_EQ(outer, RawPixel(hEdit, w / 2, h - 1));
        EXPECT_EQ(inner, RawPixel(hEdit, 1, h / 2));
        EXPECT_EQ(inner, RawPixel(hEdit, w - 2, h / 2));
        EXPECT_EQ(inner, RawPixel(hEdit, w / 2, 1));
        EXPECT_EQ(inner, RawPixel(hEdit, w / 2, h - 2));
    }

    CRecorderWnd  parent;
    CCountingEdit edit;
    CWnd          other;
    HWND          hEdit = NULL;
    int           w = 0, h = 0;
    COLORREF      crHighlight = 0, crDark = 0, crWindow = 0, crFace = 0;
};

TEST_F(ThemedEdit, IsAnEditWithItsOwnRuntimeClass)
{
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_STREQ("CQELEdit", RUNTIME_CLASS(CQELEdit)->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CEdit), RUNTIME_CLASS(CQELEdit)->m_pfnGetBaseClass());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CQELEdit)->m_pfnCreateObject);
    EXPECT_FALSE(edit.m_bHover);
}

TEST_F(ThemedEdit, AtRestTheOuterRingIsDarkAndTheInnerRingTheWindowColour)
{
    RepaintFrame();
    ExpectRings(crDark, crWindow, __LINE__);
}

TEST_F(ThemedEdit, TheFocusTurnsTheOuterRingToTheHighlightAndLosingItTurnsItBack)
{
    edit.SetFocus();
    ExpectRings(crHighlight, crWindow, __LINE__);
    other.SetFocus();
    ExpectRings(crDark, crWindow, __LINE__);
}

TEST_F(ThemedEdit, HoverPaintsTheFrameOnceAndLeavingPaintsItAgain)
{
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(edit.m_bHover);
    ExpectRings(crHighlight, crWindow, __LINE__);

    // A further move inside repaints nothing.
    MarkPixel(hEdit, 0, h / 2, kMarker);
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(30, 6));
    EXPECT_EQ(kMarker, RawPixel(hEdit, 0, h / 2));

    ::SendMessageA(hEdit, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(edit.m_bHover);
    EXPECT_EQ(1, edit.m_nLeaves);
    ExpectRings(crDark, crWindow, __LINE__);

    // Leaving repaints even when the pointer was not over the control.
    MarkPixel(hEdit, 0, h / 2, kMarker);
    ::SendMessageA(hEdit, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(crDark, RawPixel(hEdit, 0, h / 2));
}

TEST_F(ThemedEdit, TheClientEdgeCountsAsInsideAndNoMoveEndsTheHover)
{
    // A move outside the window does not start the hover.
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(-40, 300));
    EXPECT_FALSE(edit.m_bHover);

    // The two-pixel edge lies left of and above the client area: (-1, -1) is inside the window.
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(-1, -1));
    EXPECT_TRUE(edit.m_bHover);

    // Only the leave notification or a button release outside ends it, never a move.
    ::SendMessageA(hEdit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-40, 300));
    EXPECT_TRUE(edit.m_bHover);
    ExpectRings(crHighlight, crWindow, __LINE__);
}

TEST_F(ThemedEdit, TheRealPointerLeavingEndsTheHover)
{
    CRect r;
    edit.GetWindowRect(&r);
    ::SetCursorPos(r.left + 20, r.top + r.Height() / 2);
    ASSERT_TRUE(PumpUntil([this] { return edit.m_bHover != FALSE; }));
    EXPECT_EQ(crHighlight, RawPixel(hEdit, 0, h / 2));
    ::SetCursorPos(1270, 1010);
    ASSERT_TRUE(PumpUntil([this] { return edit.m_bHover == FALSE; }));
    EXPECT_EQ(crDark, RawPixel(hEdit, 0, h / 2));
}

TEST_F(ThemedEdit, AFocusedControlKeepsTheHighlightAfterTheMouseLeaves)
{
    edit.SetFocus();
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    ::SendMessageA(hEdit, WM_MOUSELEAVE, 0, 0);
    ExpectRings(crHighlight, crWindow, __LINE__);
}

TEST_F(ThemedEdit, AButtonReleaseOutsideEndsTheHover)
{
    ::SendMessageA(hEdit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    ASSERT_TRUE(edit.m_bHover);
    ::SendMessageA(hEdit, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(edit.m_bHover);
    ::SendMessageA(hEdit, WM_LBUTTONUP, 0, MAKELPARAM(-40, 300));
    EXPECT_FALSE(edit.m_bHover);
    ExpectRings(crDark, crWindow, __LINE__);
}

TEST_F(ThemedEdit, ADisabledOrReadOnlyControlHasAButtonFaceInnerRing)
{
    edit.EnableWindow(FALSE);
    RepaintFrame();
    ExpectRings(crDark, crFace, __LINE__);

    edit.EnableWindow(TRUE);
    edit.SetReadOnly(TRUE);
    RepaintFrame();
    ExpectRings(crDark, crFace, __LINE__);

    edit.SetReadOnly(FALSE);
    RepaintFrame();
    ExpectRings(crDark, crWindow, __LINE__);
}

TEST_F(ThemedEdit, StyleZeroLeavesTheFrameToTheSystem)
{
    // A plain edit of the same size shows what the system paints.
    CWnd reference;
    ASSERT_TRUE(reference.CreateEx(WS_EX_CLIENTEDGE, _T("Edit"), _T("some text"), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                   20, 130, 200, 26, parent.GetSafeHwnd(), (HMENU)(UINT_PTR)502));
    const HWND hRef = reference.GetSafeHwnd();
    ::RedrawWindow(hRef, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

    edit.SetStyle(0);
    // No repaint of its own: the old frame stays until the next non-client paint.
    EXPECT_EQ(crDark, WindowPixelAt(hEdit, 0, h / 2));
    RepaintFrame();
    for (int x : { 0, 1 })
    {
        EXPECT_EQ(RawPixel(hRef, x, h / 2), RawPixel(hEdit, x, h / 2)) << "x=" << x;
        EXPECT_EQ(RawPixel(hRef, w - 1 - x, h / 2), RawPixel(hEdit, w - 1 - x, h / 2)) << "x=" << x;
        EXPECT_EQ(RawPixel(hRef, w / 2, x), RawPixel(hEdit, w / 2, x)) << "y=" << x;
    }

    // Focus changes get the edit's normal processing exactly once each.
    parent.WatchCommand(true);
    parent.Flush();
    edit.SetFocus();
    other.SetFocus();
    PumpUntilIdle();
    int setFocus = 0, killFocus = 0;
    for (const RecordedMessage& m : parent.MessagesOf(WM_COMMAND))
    {
        if (LOWORD(m.wParam) != 500)
            continue;
        if (HIWORD(m.wParam) == EN_SETFOCUS)
            ++setFocus;
        if (HIWORD(m.wParam) == EN_KILLFOCUS)
            ++killFocus;
    }
    EXPECT_EQ(1, setFocus);
    EXPECT_EQ(1, killFocus);
    reference.DestroyWindow();
}

TEST_F(ThemedEdit, FocusChangesInTheOwnFrameModeAlsoReachTheEditOnce)
{
    parent.WatchCommand(true);
    parent.Flush();
    edit.SetFocus();
    other.SetFocus();
    PumpUntilIdle();
    int setFocus = 0, killFocus = 0;
    for (const RecordedMessage& m : parent.MessagesOf(WM_COMMAND))
    {
        if (LOWORD(m.wParam) == 500 && HIWORD(m.wParam) == EN_SETFOCUS)
            ++setFocus;
        if (LOWORD(m.wParam) == 500 && HIWORD(m.wParam) == EN_KILLFOCUS)
            ++killFocus;
    }
    EXPECT_EQ(1, setFocus);
    EXPECT_EQ(1, killFocus);
}

} // namespace
