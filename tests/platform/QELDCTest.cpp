// Scoped device-context helpers and colour scaling of QELDC, on real windows and memory DCs.
#include "QELDC.h"

#include <gtest/gtest.h>

#include <math.h>
#include <tchar.h>

namespace
{

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

void Fill(HDC hdc, const RECT& rc, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
}

// What a fresh client DC of the window reads at a client point.
COLORREF ScreenPixel(HWND hwnd, int x, int y)
{
    HDC hdc = GetDC(hwnd);
    const COLORREF c = GetPixel(hdc, x, y);
    ReleaseDC(hwnd, hdc);
    return c;
}

struct PaintState
{
    COLORREF colour = RGB(0, 0, 0);
    HWND watched = nullptr;  // the window whose paints are counted
    int paints = 0;
};
PaintState s_paint;

// Paints the whole client area in s_paint.colour through a CQELMemDC.

LRESULT CALLBACK PaintingWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        {
            CQELMemDC mem(hdc, hwnd);
            RECT rc;
            GetClientRect(hwnd, &rc);
            Fill(mem.GetDC(), rc, s_paint.colour);
        }
        EndPaint(hwnd, &ps);
        if (hwnd == s_paint.watched)
            ++s_paint.paints;
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

LPCTSTR TestWindowClass()
{
    static ATOM atom = 0;
    if (atom == 0)
    {
        WNDCLASS wc = {};
        wc.lpfnWndProc = PaintingWndProc;
        wc.hInstance = GetModuleHandle(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = _T("QELDCTestWindow");
        atom = RegisterClass(&wc);
    }
    return _T("QELDCTestWindow");
}

void PumpPending()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

// A visible child window that paints itself through CQELMemDC; the tests draw on it directly too. Children
// of one top-level host: under Wine without a window manager, hiding or destroying a top-level window
// waits two seconds for the X server, while child windows come and go at once.
class MemDCTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_hHost = CreateWindowEx(0, TestWindowClass(), _T("QELDC"), WS_POPUP | WS_VISIBLE, 40, 40, 420, 320,
                                 nullptr, nullptr, GetModuleHandle(nullptr), nullptr);
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(s_hHost);
        s_hHost = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_hHost);
        Create(WS_CHILD | WS_VISIBLE, 0);
    }
    void TearDown() override
    {
        if (m_hwnd)
            DestroyWindow(m_hwnd);
    }

    void Create(DWORD style, DWORD exStyle)
    {
        if (m_hwnd)
            DestroyWindow(m_hwnd);
        s_paint.colour = kWhite;
        m_hwnd = CreateWindowEx(exStyle, TestWindowClass(), _T("QELDC"), style, 20, 20, 180, 120, s_hHost, nullptr,
                                GetModuleHandle(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hwnd);
        UpdateWindow(m_hwnd);
        PumpPending();
        GetClientRect(m_hwnd, &m_client);
    }

    // Paints the whole client area directly, bypassing CQELMemDC.
    void PaintDirect(COLORREF colour)
    {
        HDC hdc = GetDC(m_hwnd);
        Fill(hdc, m_client, colour);
        ReleaseDC(m_hwnd, hdc);
    }

    static HWND s_hHost;
    HWND m_hwnd = nullptr;
    RECT m_client = {};
};

HWND MemDCTest::s_hHost = nullptr;

TEST_F(MemDCTest, DrawingReachesTheWindowOnlyWhenDestroyed)
{
    PaintDirect(kRed);
    HDC hdc = GetDC(m_hwnd);
    {
        CQELMemDC mem(hdc, m_hwnd);
        ASSERT_NE(nullptr, mem.GetDC());
        EXPECT_NE(hdc, mem.GetDC());
        Fill(mem.GetDC(), m_client, kBlue);
        EXPECT_EQ(kBlue, GetPixel(mem.GetDC(), 10, 10));
        EXPECT_EQ(kRed, GetPixel(hdc, 10, 10));
        EXPECT_EQ(kRed, ScreenPixel(m_hwnd, 10, 10));
    }
    EXPECT_EQ(kBlue, GetPixel(hdc, 10, 10));
    ReleaseDC(m_hwnd, hdc);
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 10, 10));
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, m_client.right - 1, m_client.bottom - 1));
}

TEST_F(MemDCTest, CoversTheClientAreaOfAFramedWindow)
{
    Create(WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, WS_EX_CLIENTEDGE);
    RECT window;
    GetWindowRect(m_hwnd, &window);
    ASSERT_LT(m_client.right, window.right - window.left);  // the frame takes room
    PaintDirect(kRed);

    HDC hdc = GetDC(m_hwnd);
    {
        CQELMemDC mem(hdc, m_hwnd);
        BITMAP bm = {};
        ASSERT_TRUE(GetObject(GetCurrentObject(mem.GetDC(), OBJ_BITMAP), sizeof(bm), &bm));
        EXPECT_EQ(m_client.right, bm.bmWidth);
        EXPECT_EQ(m_client.bottom, bm.bmHeight);
        // The four corner pixels of the client area, in client coordinates.
        SetPixel(mem.GetDC(), 0, 0, kBlue);
        SetPixel(mem.GetDC(), m_client.right - 1, 0, kBlue);
        SetPixel(mem.GetDC(), 0, m_client.bottom - 1, kBlue);
        SetPixel(mem.GetDC(), m_client.right - 1, m_client.bottom - 1, kBlue);
    }
    ReleaseDC(m_hwnd, hdc);
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 0, 0));
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, m_client.right - 1, 0));
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 0, m_client.bottom - 1));
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, m_client.right - 1, m_client.bottom - 1));
    EXPECT_EQ(kRed, ScreenPixel(m_hwnd, 1, 1));
}

TEST_F(MemDCTest, UnpaintedAreasKeepWhatTheWindowShowed)
{
    PaintDirect(kGreen);
    HDC hdc = GetDC(m_hwnd);
    {
        CQELMemDC mem(hdc, m_hwnd);
        const RECT part = {0, 0, 20, 20};
        Fill(mem.GetDC(), part, kBlue);
    }
    ReleaseDC(m_hwnd, hdc);
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 5, 5));
    EXPECT_EQ(kGreen, ScreenPixel(m_hwnd, 50, 50));
}

TEST_F(MemDCTest, CopyStaysWithinTheTargetsClipping)
{
    PaintDirect(kGreen);
    HDC hdc = GetDC(m_hwnd);
    IntersectClipRect(hdc, 0, 0, 40, 40);
    {
        CQELMemDC mem(hdc, m_hwnd);
        Fill(mem.GetDC(), m_client, kBlue);
    }
    ReleaseDC(m_hwnd, hdc);
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 39, 39));
    EXPECT_EQ(kGreen, ScreenPixel(m_hwnd, 40, 40));
    EXPECT_EQ(kGreen, ScreenPixel(m_hwnd, 100, 10));
}

TEST_F(MemDCTest, DrawsWithTheTargetsFontAndColours)
{
    HDC hdc = GetDC(m_hwnd);
    HGDIOBJ font = GetStockObject(ANSI_FIXED_FONT);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetTextColor(hdc, RGB(1, 2, 3));
    SetBkColor(hdc, RGB(4, 5, 6));
    SetBkMode(hdc, TRANSPARENT);
    {
        CQELMemDC mem(hdc, m_hwnd);
        EXPECT_EQ(font, GetCurrentObject(mem.GetDC(), OBJ_FONT));
        EXPECT_EQ(RGB(1, 2, 3), GetTextColor(mem.GetDC()));
        EXPECT_EQ(RGB(4, 5, 6), GetBkColor(mem.GetDC()));
        EXPECT_EQ(TRANSPARENT, GetBkMode(mem.GetDC()));
    }
    EXPECT_EQ(font, GetCurrentObject(hdc, OBJ_FONT));
    SelectObject(hdc, oldFont);
    ReleaseDC(m_hwnd, hdc);
}

TEST_F(MemDCTest, PaintsAWindowFromItsPaintHandler)
{
    s_paint.colour = kBlue;
    s_paint.watched = m_hwnd;
    const int paints = s_paint.paints;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
    EXPECT_EQ(paints + 1, s_paint.paints);
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, 0, 0));
    EXPECT_EQ(kBlue, ScreenPixel(m_hwnd, m_client.right - 1, m_client.bottom - 1));
}

TEST_F(MemDCTest, WithoutAWindowOrTargetNothingBreaks)
{
    HDC hdc = GetDC(m_hwnd);
    {
        CQELMemDC direct(hdc, nullptr);  // no window: painting goes straight to the target
        EXPECT_EQ(hdc, direct.GetDC());
    }
    {
        CQELMemDC none(nullptr, m_hwnd);
        EXPECT_EQ(nullptr, none.GetDC());
    }
    ReleaseDC(m_hwnd, hdc);
}

// GetGuiResources counts GDI objects on Windows; Wine leaves it unimplemented (always 0). The created
// objects are therefore also checked one by one: a deleted handle has no object type any more.
TEST_F(MemDCTest, CreatesAndReleasesItsObjects)
{
    HDC hdc = GetDC(m_hwnd);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 500; ++i)
    {
        HDC memDC = nullptr;
        HGDIOBJ bitmap = nullptr;
        {
            CQELMemDC mem(hdc, m_hwnd);
            memDC = mem.GetDC();
            bitmap = GetCurrentObject(memDC, OBJ_BITMAP);
            ASSERT_NE(hdc, memDC);
            ASSERT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(memDC));
            ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap));
        }
        ASSERT_EQ(0u, GetObjectType(memDC)) << "iteration " << i;
        ASSERT_EQ(0u, GetObjectType(bitmap)) << "iteration " << i;
    }
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 2);  // the GDI count stays flat where the platform reports it
    ReleaseDC(m_hwnd, hdc);
}

// A memory DC with a small 32-bit bitmap for selection tests.
class SelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hdc = CreateCompatibleDC(nullptr);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = 48;
        bi.bmiHeader.biHeight = -48;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_oldBitmap = SelectObject(m_hdc, m_bitmap);
        const RECT all = {0, 0, 48, 48};
        Fill(m_hdc, all, kWhite);
    }
    void TearDown() override
    {
        SelectObject(m_hdc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(m_hdc);
    }

    HDC m_hdc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};

TEST_F(SelectionTest, FontIsSelectedAndTheFormerOneRestored)
{
    HGDIOBJ former = SelectObject(m_hdc, GetStockObject(SYSTEM_FONT));
    HFONT font = CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, _T("Arial"));
    SetTextColor(m_hdc, RGB(9, 8, 7));
    {
        CFontDC select(m_hdc, font, 0xFF000000);
        EXPECT_EQ(font, GetCurrentObject(m_hdc, OBJ_FONT));
        EXPECT_EQ(RGB(9, 8, 7), GetTextColor(m_hdc));  // 0xFF000000 leaves the colour alone
    }
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), GetCurrentObject(m_hdc, OBJ_FONT));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(font));  // the caller's font is not deleted
    EXPECT_EQ(RGB(9, 8, 7), GetTextColor(m_hdc));
    DeleteObject(font);
    SelectObject(m_hdc, former);
}

TEST_F(SelectionTest, FontTextColourIsSetAndRestored)
{
    SetTextColor(m_hdc, RGB(9, 8, 7));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    {
        CFontDC select(m_hdc, font, RGB(200, 100, 50));
        EXPECT_EQ(RGB(200, 100, 50), GetTextColor(m_hdc));
    }
    EXPECT_EQ(RGB(9, 8, 7), GetTextColor(m_hdc));
    {
        CFontDC select(m_hdc, font, RGB(0, 0, 0));  // black is a colour like any other
        EXPECT_EQ(RGB(0, 0, 0), GetTextColor(m_hdc));
    }
    EXPECT_EQ(RGB(9, 8, 7), GetTextColor(m_hdc));
    {
        CFontDC select(m_hdc, font, 0xFFFFFFFF);  // CLR_NONE is not a colour either
        EXPECT_EQ(RGB(9, 8, 7), GetTextColor(m_hdc));
    }
}

TEST_F(SelectionTest, NullFontSelectsNothing)
{
    HGDIOBJ current = GetCurrentObject(m_hdc, OBJ_FONT);
    {
        CFontDC select(m_hdc, nullptr, 0xFF000000);
        EXPECT_EQ(current, GetCurrentObject(m_hdc, OBJ_FONT));
    }
    EXPECT_EQ(current, GetCurrentObject(m_hdc, OBJ_FONT));
    CFontDC noDC(nullptr, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), RGB(1, 1, 1));
}

TEST_F(SelectionTest, BrushIsCreatedSelectedAndDeleted)
{
    HGDIOBJ former = SelectObject(m_hdc, GetStockObject(GRAY_BRUSH));
    HGDIOBJ created = nullptr;
    {
        CBrushDC brush(m_hdc, RGB(10, 20, 30));
        created = GetCurrentObject(m_hdc, OBJ_BRUSH);
        ASSERT_NE(GetStockObject(GRAY_BRUSH), created);
        LOGBRUSH lb = {};
        ASSERT_TRUE(GetObject(created, sizeof(lb), &lb));
        EXPECT_EQ(static_cast<UINT>(BS_SOLID), lb.lbStyle);
        EXPECT_EQ(RGB(10, 20, 30), lb.lbColor);
        PatBlt(m_hdc, 0, 0, 4, 4, PATCOPY);
        EXPECT_EQ(RGB(10, 20, 30), GetPixel(m_hdc, 1, 1));
    }
    EXPECT_EQ(GetStockObject(GRAY_BRUSH), GetCurrentObject(m_hdc, OBJ_BRUSH));
    EXPECT_EQ(0u, GetObjectType(created));
    SelectObject(m_hdc, former);
}

TEST_F(SelectionTest, NoColourBrushIsHollow)
{
    HGDIOBJ former = GetCurrentObject(m_hdc, OBJ_BRUSH);
    {
        CBrushDC brush(m_hdc, 0xFFFFFFFF);
        EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetCurrentObject(m_hdc, OBJ_BRUSH));
    }
    EXPECT_EQ(former, GetCurrentObject(m_hdc, OBJ_BRUSH));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(GetStockObject(HOLLOW_BRUSH)));
}

TEST_F(SelectionTest, PenIsCreatedSelectedAndDeleted)
{
    HPEN former = CreatePen(PS_SOLID, 1, kGreen);
    HGDIOBJ original = SelectObject(m_hdc, former);
    HGDIOBJ created = nullptr;
    {
        CPenDC pen(m_hdc, RGB(1, 2, 3), 3, PS_DASH);
        created = GetCurrentObject(m_hdc, OBJ_PEN);
        LOGPEN lp = {};
        ASSERT_TRUE(GetObject(created, sizeof(lp), &lp));
        EXPECT_EQ(static_cast<UINT>(PS_DASH), lp.lopnStyle);
        EXPECT_EQ(3, lp.lopnWidth.x);
        EXPECT_EQ(RGB(1, 2, 3), lp.lopnColor);
    }
    EXPECT_EQ(former, GetCurrentObject(m_hdc, OBJ_PEN));
    EXPECT_EQ(0u, GetObjectType(created));
    {
        CPenDC pen(m_hdc, kBlue, 1, 99);  // unknown style: solid
        LOGPEN lp = {};
        ASSERT_TRUE(GetObject(GetCurrentObject(m_hdc, OBJ_PEN), sizeof(lp), &lp));
        EXPECT_EQ(static_cast<UINT>(PS_SOLID), lp.lopnStyle);
        EXPECT_EQ(kBlue, lp.lopnColor);
    }
    SelectObject(m_hdc, original);
    DeleteObject(former);
}

// Fills the square (10,10)-(30,30) with a red brush, outlined by the given pen (a blue pen is selected
// before it), and returns the colours seen on the square's edges.
struct EdgeColours
{
    bool anyBlue = false;
    bool topLeftEdgesRed = true;
    bool insideRed = true;
};

EdgeColours DrawSquare(HDC hdc, COLORREF penColour, int width, int style)
{
    HPEN blue = CreatePen(PS_SOLID, 1, kBlue);
    HGDIOBJ original = SelectObject(hdc, blue);
    {
        CBrushDC brush(hdc, kRed);
        CPenDC pen(hdc, penColour, width, style);
        const POINT square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
        Polygon(hdc, square, 4);
    }
    SelectObject(hdc, original);
    DeleteObject(blue);

    EdgeColours seen;
    for (int i = 10; i <= 30; ++i)
    {
        const COLORREF edge[4] = {GetPixel(hdc, i, 10), GetPixel(hdc, 10, i), GetPixel(hdc, i, 30),
                                  GetPixel(hdc, 30, i)};
        for (COLORREF c : edge)
            seen.anyBlue = seen.anyBlue || c == kBlue;
        if (i < 30 && (edge[0] != kRed || edge[1] != kRed))
            seen.topLeftEdgesRed = false;
    }
    for (int y = 11; y < 29; ++y)
        for (int x = 11; x < 29; ++x)
            if (GetPixel(hdc, x, y) != kRed)
                seen.insideRed = false;
    return seen;
}

TEST_F(SelectionTest, InvisiblePenFillsPolygonWithoutOutline)
{
    HGDIOBJ former = GetCurrentObject(m_hdc, OBJ_PEN);
    {
        CPenDC pen(m_hdc, 0xFFFFFFFF, 1, 5);
        EXPECT_EQ(GetStockObject(NULL_PEN), GetCurrentObject(m_hdc, OBJ_PEN));
    }
    EXPECT_EQ(former, GetCurrentObject(m_hdc, OBJ_PEN));

    const EdgeColours seen = DrawSquare(m_hdc, 0xFFFFFFFF, 1, PS_NULL);
    EXPECT_FALSE(seen.anyBlue);
    EXPECT_TRUE(seen.topLeftEdgesRed);
    EXPECT_TRUE(seen.insideRed);
}

TEST_F(SelectionTest, VisiblePenOutlinesThePolygon)
{
    // The same drawing with a real pen: the edges take the pen's colour, so the check above can fail.
    const EdgeColours seen = DrawSquare(m_hdc, kBlue, 1, PS_SOLID);
    EXPECT_TRUE(seen.anyBlue);
    EXPECT_FALSE(seen.topLeftEdgesRed);
    EXPECT_TRUE(seen.insideRed);
}

TEST_F(SelectionTest, NullStyleOrNoColourMeansNoOutline)
{
    {
        CPenDC pen(m_hdc, kBlue, 1, PS_NULL);
        EXPECT_EQ(GetStockObject(NULL_PEN), GetCurrentObject(m_hdc, OBJ_PEN));
    }
    {
        CPenDC pen(m_hdc, 0xFF000000, 1, PS_SOLID);
        EXPECT_EQ(GetStockObject(NULL_PEN), GetCurrentObject(m_hdc, OBJ_PEN));
    }
    CPenDC noDC(nullptr, kBlue, 1, PS_SOLID);
    CBrushDC noBrushDC(nullptr, kBlue);
}

TEST_F(SelectionTest, NestedHelpersUnwindInReverseOrder)
{
    HGDIOBJ font = GetCurrentObject(m_hdc, OBJ_FONT);
    HGDIOBJ brush = GetCurrentObject(m_hdc, OBJ_BRUSH);
    HGDIOBJ pen = GetCurrentObject(m_hdc, OBJ_PEN);
    {
        CFontDC f(m_hdc, static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)), 0xFF000000);
        CBrushDC b1(m_hdc, kRed);
        CPenDC p(m_hdc, kGreen, 1, PS_SOLID);
        CBrushDC b2(m_hdc, kBlue);
    }
    EXPECT_EQ(font, GetCurrentObject(m_hdc, OBJ_FONT));
    EXPECT_EQ(brush, GetCurrentObject(m_hdc, OBJ_BRUSH));
    EXPECT_EQ(pen, GetCurrentObject(m_hdc, OBJ_PEN));
}

TEST(PixelAlphaTest, ScalesEachChannel)
{
    // The sorted-column shade of a white list.
    EXPECT_EQ(RGB(247, 247, 247), PixelAlpha(RGB(255, 255, 255), 0.97, 0.97, 0.97));
    EXPECT_EQ(RGB(97, 194, 233), PixelAlpha(RGB(100, 200, 240), 0.97, 0.97, 0.97));
    EXPECT_EQ(RGB(50, 100, 0), PixelAlpha(RGB(100, 100, 100), 0.5, 1.0, 0.0));
    EXPECT_EQ(RGB(1, 2, 3), PixelAlpha(RGB(1, 2, 3), 1.0, 1.0, 1.0));
}

TEST(PixelAlphaTest, RoundsToNearestWithHalvesUp)
{
    EXPECT_EQ(RGB(51, 1, 0), PixelAlpha(RGB(101, 1, 0), 0.5, 0.5, 0.5));
    EXPECT_EQ(RGB(0, 0, 1), PixelAlpha(RGB(1, 1, 1), 0.49, 0.25, 0.75));
}

TEST(PixelAlphaTest, ClampsWithoutCarryingIntoTheNextChannel)
{
    EXPECT_EQ(RGB(10, 255, 10), PixelAlpha(RGB(10, 200, 10), 1.0, 2.0, 1.0));
    EXPECT_EQ(RGB(255, 255, 255), PixelAlpha(RGB(255, 255, 255), 1.01, 100.0, HUGE_VAL));
    EXPECT_EQ(RGB(0, 0, 0), PixelAlpha(RGB(255, 255, 255), -1.0, -0.001, NAN));
    // Palette markers in the high byte are dropped: the result is a plain RGB value.
    EXPECT_EQ(RGB(50, 50, 50), PixelAlpha(PALETTERGB(100, 100, 100), 0.5, 0.5, 0.5));
}

} // namespace
