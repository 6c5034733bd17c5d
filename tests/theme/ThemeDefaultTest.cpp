// The built-in look, drawn on memory bitmaps and read back pixel by pixel.
#include "ThemeTestSupport.h"

#include <vector>

using namespace themetest;
using qeltest::CTestBitmap;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class BuiltInTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _gThemeManager.ExInitThemeManager();
        m_colors = TellingColors();
    }

    CQELThemeDefault m_theme;
    CQELWindowColor  m_colors;
};

// Which of a few known colours a pixel has, for readable failures.
char Key(COLORREF c, const CQELWindowColor& colors)
{
    if (c == kWhite) return '.';
    if (c == colors.m_crBtnShadow) return 'S';
    if (c == colors.m_crBtnHighlight) return 'H';
    if (c == colors.m_cr3DDkShadow) return 'D';
    if (c == colors.m_crToolbarShadow) return 'T';
    if (c == colors.m_crButtonDkShadow) return 'K';
    if (c == colors.m_crBtnFace) return 'F';
    if (c == colors.m_crWindowFrame) return 'W';
    if (c == colors.m_crHighlight) return 'L';
    return '?';
}

// The bitmap as rows of keys.
std::vector<std::string> Picture(const CTestBitmap& bitmap, int cx, int cy, const CQELWindowColor& colors)
{
    std::vector<std::string> rows;
    for (int y = 0; y < cy; ++y)
    {
        std::string row;
        for (int x = 0; x < cx; ++x)
            row += Key(bitmap.Pixel(x, y), colors);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST_F(BuiltInTheme, NormalHeaderBorderIsRaisedAndLeavesTheRectangle)
{
    CTestBitmap bitmap(8, 6);
    CRect rect(1, 1, 7, 5);
    EXPECT_EQ(TRUE, m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, FALSE, NULL, &m_colors));
    EXPECT_EQ(CRect(1, 1, 7, 5), rect);
    const std::vector<std::string> expected = {
        "........",
        ".HHHHHS.",
        ".H....S.",
        ".H....S.",
        ".SSSSSS.",
        "........",
    };
    EXPECT_EQ(expected, Picture(bitmap, 8, 6, m_colors));
}

TEST_F(BuiltInTheme, PressedHeaderBorderIsFlatAndPushesTheRectangleIn)
{
    CTestBitmap bitmap(8, 6);
    CRect rect(1, 1, 7, 5);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, &m_colors));
    EXPECT_EQ(CRect(2, 2, 7, 5), rect);
    const std::vector<std::string> expected = {
        "........",
        ".SSSSSS.",
        ".S....S.",
        ".S....S.",
        ".SSSSSS.",
        "........",
    };
    EXPECT_EQ(expected, Picture(bitmap, 8, 6, m_colors));
}

TEST_F(BuiltInTheme, HotStateDoesNotChangeTheHeaderBorder)
{
    for (BOOL bPressed = FALSE; bPressed <= TRUE; ++bPressed)
    {
        CTestBitmap plain(8, 6), hot(8, 6);
        CRect r1(1, 1, 7, 5), r2(1, 1, 7, 5);
        m_theme.DrawHeaderCtrlBorder(plain.GetDC(), r1, bPressed, FALSE, NULL, &m_colors);
        m_theme.DrawHeaderCtrlBorder(hot.GetDC(), r2, bPressed, TRUE, NULL, &m_colors);
        EXPECT_TRUE(SameBitmaps(plain, hot, 8, 6));
        EXPECT_EQ(r1, r2);
    }
}

TEST_F(BuiltInTheme, NullColourSetMeansTheGlobalSet)
{
    CKeepGlobalColors keep;
    _gWindowColor = m_colors;
    CTestBitmap bitmap(8, 6);
    CRect rect(1, 1, 7, 5);
    m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, FALSE, NULL, NULL);
    EXPECT_EQ(m_colors.m_crBtnHighlight, bitmap.Pixel(1, 1));
    EXPECT_EQ(m_colors.m_crBtnShadow, bitmap.Pixel(6, 4));
}

TEST_F(BuiltInTheme, EveryDrawingFailsWithoutADeviceContext)
{
    CRect rect(1, 1, 7, 5);
    CTestBitmap bitmap(4, 4);
    CWnd* pWnd = CWnd::GetDesktopWindow();
    for (CQELThemeExBase* pTheme : {static_cast<CQELThemeExBase*>(&m_theme),
                                    static_cast<CQELThemeExBase*>(&_gThemeManager)})
    {
        EXPECT_EQ(FALSE, pTheme->DrawHeaderCtrlBorder(NULL, rect, TRUE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawHeaderCtrlSortArrow(NULL, rect, TRUE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawComboBorder(NULL, rect, FALSE, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawComboDropButton(NULL, rect, FALSE, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawComboBorderEx(NULL, rect, FALSE, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawComboDropButtonEx(NULL, rect, FALSE, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawParentBackground(NULL, NULL, pWnd, NULL));
        EXPECT_EQ(FALSE, pTheme->DrawParentBackground(bitmap.GetDC(), NULL, NULL, NULL));
    }
    EXPECT_EQ(CRect(1, 1, 7, 5), rect) << "a failed pressed border leaves the rectangle";
}

TEST_F(BuiltInTheme, AscendingArrowOutlineHasItsApexUpAndDarkLeftSide)
{
    CTestBitmap bitmap(20, 16);
    CRect box(10, 4, 17, 12);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, TRUE, NULL, &m_colors));
    EXPECT_EQ(CRect(10, 4, 17, 12), box);
    const std::vector<std::string> picture = Picture(bitmap, 20, 16, m_colors);

    // Apex: the top row holds one pixel, at mid = (10 + 17) / 2 = 13, drawn by the dark pen.
    EXPECT_EQ(std::string(13, '.') + "D" + std::string(6, '.'), picture[4]);
    EXPECT_EQ(std::string(10, '.') + "HHHHHHHH" + "..", picture[12]) << "the base is light, ends included";
    for (int y = 6; y < 12; ++y)
    {
        const std::string& row = picture[y];
        EXPECT_NE(std::string::npos, row.find('D')) << "row " << y << ": " << row;
        EXPECT_NE(std::string::npos, row.find('H')) << "row " << y << ": " << row;
        EXPECT_LT(row.rfind('D'), row.find('H')) << "dark left side, light right side; row " << y << ": " << row;
    }
    for (int y : {0, 1, 2, 3, 13, 14, 15})
        EXPECT_EQ(std::string(20, '.'), picture[y]) << "row " << y;
}

TEST_F(BuiltInTheme, DescendingArrowOutlineHasItsApexDownAndDarkTopEdge)
{
    CTestBitmap bitmap(20, 16);
    CRect box(10, 4, 17, 12);
    EXPECT_EQ(TRUE, m_theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, FALSE, NULL, &m_colors));
    const std::vector<std::string> picture = Picture(bitmap, 20, 16, m_colors);

    // The light stroke starts at (right, top); the dark top edge stops just before it.
    EXPECT_EQ(std::string(10, '.') + "DDDDDDDH" + "..", picture[4]);
    EXPECT_EQ(std::string(13, '.') + "D" + std::string(6, '.'), picture[12]) << "apex at x = 13";
    for (int y = 5; y < 12; ++y)
    {
        const std::string& row = picture[y];
        EXPECT_LT(row.rfind('D'), row.find('H')) << "row " << y << ": " << row;
    }
}

TEST_F(BuiltInTheme, ArrowOutlineUsesDashedPens)
{
    // A cosmetic dashed pen leaves gaps along a long stroke; a solid pen would not.
    CTestBitmap bitmap(80, 12, RGB(0, 0, 0));
    ::SetBkMode(bitmap.GetSafeHdc(), TRANSPARENT);
    CRect box(2, 2, 72, 10);
    m_theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, TRUE, NULL, &m_colors);
    // Away from the corners, where the shallow sides touch the base row.
    int nLight = 0, nGap = 0;
    for (int x = 10; x < 65; ++x)
    {
        const COLORREF c = bitmap.Pixel(x, 10);
        if (c == m_colors.m_crBtnHighlight)
            ++nLight;
        else if (c == RGB(0, 0, 0))
            ++nGap;
    }
    EXPECT_GT(nLight, 30);
    EXPECT_GT(nGap, 0) << "the base is dashed";
    EXPECT_EQ(55, nLight + nGap);
}

TEST_F(BuiltInTheme, ArrowRestoresTheDevicePen)
{
    CTestBitmap bitmap(20, 16);
    HGDIOBJ hPen = ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_PEN);
    CRect box(10, 4, 17, 12);
    m_theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, TRUE, NULL, &m_colors);
    EXPECT_EQ(hPen, ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_PEN));
}

TEST_F(BuiltInTheme, ComboBorderIsSunkenTwoPixelsDeepWhateverTheState)
{
    const std::vector<std::string> expected = {
        "..........",
        ".TTTTTTTH.",
        ".TKKKKKFH.",
        ".TK....FH.",
        ".TK....FH.",
        ".TFFFFFFH.",
        ".HHHHHHHH.",
        "..........",
    };
    for (int state = 0; state < 8; ++state)
    {
        CTestBitmap bitmap(10, 8);
        CRect rect(1, 1, 9, 7);
        EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorder(bitmap.GetDC(), rect, state & 1, state & 2, state & 4, NULL,
                                                       &m_colors));
        EXPECT_EQ(CRect(1, 1, 9, 7), rect);
        EXPECT_EQ(expected, Picture(bitmap, 10, 8, m_colors)) << "state " << state;
    }
}

TEST_F(BuiltInTheme, ExtendedComboBorderIsFlatInTheFrameColourOnlyWhenHotAndEnabled)
{
    struct Case { BOOL bDisabled, bPressed, bHot; char key; };
    const Case cases[] = {
        {FALSE, FALSE, TRUE, 'W'}, {FALSE, TRUE, TRUE, 'W'}, {FALSE, FALSE, FALSE, 'D'},
        {FALSE, TRUE, FALSE, 'D'}, {TRUE, FALSE, TRUE, 'D'}, {TRUE, TRUE, FALSE, 'D'},
    };
    for (const Case& c : cases)
    {
        CTestBitmap bitmap(8, 6);
        CRect rect(1, 1, 7, 5);
        EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorderEx(bitmap.GetDC(), rect, c.bDisabled, c.bPressed, c.bHot,
                                                         NULL, &m_colors));
        const std::string k(1, c.key);
        const std::vector<std::string> expected = {
            "........",
            "." + k + k + k + k + k + k + ".",
            "." + k + "...." + k + ".",
            "." + k + "...." + k + ".",
            "." + k + k + k + k + k + k + ".",
            "........",
        };
        EXPECT_EQ(expected, Picture(bitmap, 8, 6, m_colors))
            << "disabled " << c.bDisabled << " pressed " << c.bPressed << " hot " << c.bHot;
        EXPECT_EQ(CRect(1, 1, 7, 5), rect);
    }
}

TEST_F(BuiltInTheme, ExtendedDropButtonDrawsNothing)
{
    CTestBitmap bitmap(10, 10), untouched(10, 10);
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButtonEx(bitmap.GetDC(), rect, FALSE, TRUE, TRUE, NULL, &m_colors));
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 10, 10));
}

namespace {

struct FrameControlCall
{
    HDC  hdc;
    RECT rect;
    UINT uType;
    UINT uState;
};
std::vector<FrameControlCall> g_frameCalls;
void* g_pfnDrawFrameControl = nullptr;

BOOL WINAPI RecordingDrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState)
{
    g_frameCalls.push_back(FrameControlCall{hdc, *lprc, uType, uState});
    return reinterpret_cast<BOOL(WINAPI*)(HDC, LPRECT, UINT, UINT)>(g_pfnDrawFrameControl)(hdc, lprc, uType,
                                                                                            uState);
}

} // namespace

TEST_F(BuiltInTheme, DropButtonIsTheSystemScrollDownButtonInTheFirstApplicableState)
{
    CImportPatch patch(ControlLibrary(), "DrawFrameControl", reinterpret_cast<void*>(&RecordingDrawFrameControl));
    ASSERT_GT(patch.Count(), 0) << "the control library calls DrawFrameControl itself";
    g_pfnDrawFrameControl = patch.Original();

    struct Case { BOOL bDisabled, bPressed, bHot; UINT uState; };
    const Case cases[] = {
        {TRUE, TRUE, TRUE, 0x0101},   {TRUE, FALSE, FALSE, 0x0101}, {FALSE, TRUE, TRUE, 0x4001},
        {FALSE, TRUE, FALSE, 0x4001}, {FALSE, FALSE, TRUE, 0x1001}, {FALSE, FALSE, FALSE, 0x0001},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "disabled " << c.bDisabled << " pressed " << c.bPressed << " hot "
                                        << c.bHot);
        g_frameCalls.clear();
        CTestBitmap bitmap(20, 20), reference(20, 20);
        CRect rect(2, 3, 18, 17);
        EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButton(bitmap.GetDC(), rect, c.bDisabled, c.bPressed, c.bHot,
                                                           NULL, &m_colors));
        ASSERT_EQ(1u, g_frameCalls.size());
        EXPECT_EQ(bitmap.GetSafeHdc(), g_frameCalls[0].hdc);
        EXPECT_EQ(CRect(2, 3, 18, 17), CRect(g_frameCalls[0].rect));
        EXPECT_EQ(static_cast<UINT>(DFC_SCROLL), g_frameCalls[0].uType);
        EXPECT_EQ(c.uState, g_frameCalls[0].uState);
        EXPECT_EQ(CRect(2, 3, 18, 17), rect);

        RECT rc = {2, 3, 18, 17};
        ::DrawFrameControl(reference.GetSafeHdc(), &rc, DFC_SCROLL, c.uState);
        EXPECT_TRUE(SameBitmaps(reference, bitmap, 20, 20));
    }
}

TEST_F(BuiltInTheme, UpdateWindowColorRestoresTheDefaults)
{
    CQELWindowColor color = TellingColors();
    m_theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(CQELWindowColor(), color));
}

// ---- Parent background ----------------------------------------------------------------------------------

namespace {

// A parent that paints its client area in two colours when asked to erase, and tells how it was asked.
struct EraseRecord
{
    int   nCalls = 0;
    HDC   hdc = NULL;
    POINT ptOrigin = {};
    int   nClip = -1;          // GetClipRgn's answer during the call
    RECT  rcClipBox = {};      // logical coordinates
    LRESULT result = 1;
};
EraseRecord g_erase;

const COLORREF kParentLeft = RGB(200, 0, 0);    // parent client x < 40
const COLORREF kParentRight = RGB(0, 150, 0);   // parent client x >= 40

LRESULT CALLBACK ErasingParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_ERASEBKGND)
        return ::DefWindowProc(hwnd, msg, wParam, lParam);
    HDC hdc = reinterpret_cast<HDC>(wParam);
    ++g_erase.nCalls;
    g_erase.hdc = hdc;
    ::GetWindowOrgEx(hdc, &g_erase.ptOrigin);
    HRGN hrgn = ::CreateRectRgn(0, 0, 0, 0);
    g_erase.nClip = ::GetClipRgn(hdc, hrgn);
    ::DeleteObject(hrgn);
    ::GetClipBox(hdc, &g_erase.rcClipBox);
    HBRUSH left = ::CreateSolidBrush(kParentLeft), right = ::CreateSolidBrush(kParentRight);
    RECT rcLeft = {0, 0, 40, 200}, rcRight = {40, 0, 200, 200};
    ::FillRect(hdc, &rcLeft, left);
    ::FillRect(hdc, &rcRight, right);
    ::DeleteObject(left);
    ::DeleteObject(right);
    return g_erase.result;
}

class ParentBackground : public BuiltInTheme
{
protected:
    void SetUp() override
    {
        BuiltInTheme::SetUp();
        WNDCLASS wc = {};
        wc.lpfnWndProc = ErasingParentProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = _T("QELThemeErasingParent");
        ::RegisterClass(&wc);
        m_hParent = ::CreateWindow(_T("QELThemeErasingParent"), _T(""), WS_POPUP, 0, 0, 200, 200, NULL, NULL,
                                   wc.hInstance, NULL);
        m_hChild = ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, 30, 20, 40, 30, m_hParent, NULL, wc.hInstance, NULL);
        ASSERT_TRUE(m_hChild != NULL);
        g_erase = EraseRecord();
    }

    void TearDown() override
    {
        ::DestroyWindow(m_hParent);
    }

    CWnd* Child() { return CWnd::FromHandle(m_hChild); }

    HWND m_hParent = NULL;
    HWND m_hChild = NULL;
};

} // namespace

TEST_F(ParentBackground, ParentErasesUnderTheChildThroughAnOffsetOrigin)
{
    CTestBitmap bitmap(40, 30);
    EXPECT_EQ(TRUE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), NULL, Child(), NULL));
    ASSERT_EQ(1, g_erase.nCalls);
    EXPECT_EQ(bitmap.GetSafeHdc(), g_erase.hdc);
    EXPECT_EQ(30, g_erase.ptOrigin.x);
    EXPECT_EQ(20, g_erase.ptOrigin.y);
    EXPECT_EQ(0, g_erase.nClip) << "no clip region without a rectangle";

    // Parent x = 40 is child x = 10.
    EXPECT_EQ(kParentLeft, bitmap.Pixel(0, 0));
    EXPECT_EQ(kParentLeft, bitmap.Pixel(9, 29));
    EXPECT_EQ(kParentRight, bitmap.Pixel(10, 0));

    POINT pt;
    ::GetWindowOrgEx(bitmap.GetSafeHdc(), &pt);
    EXPECT_EQ(0, pt.x);
    EXPECT_EQ(0, pt.y);
}

TEST_F(ParentBackground, RectangleClipsAndEverythingIsRestoredAfterwards)
{
    CTestBitmap bitmap(40, 30);
    ::SetWindowOrgEx(bitmap.GetSafeHdc(), 5, 5, NULL);
    RECT rcClip = {0, 0, 8, 6};
    EXPECT_EQ(TRUE, m_theme.DrawParentBackground(bitmap.GetDC(), &rcClip, Child(), NULL));

    ASSERT_EQ(1, g_erase.nCalls);
    EXPECT_EQ(35, g_erase.ptOrigin.x) << "the origin is offset, not replaced";
    EXPECT_EQ(25, g_erase.ptOrigin.y);
    EXPECT_EQ(1, g_erase.nClip);
    EXPECT_EQ(CRect(35, 25, 43, 31), CRect(g_erase.rcClipBox)) << "the clip rectangle is in device units";

    POINT pt;
    ::GetWindowOrgEx(bitmap.GetSafeHdc(), &pt);
    EXPECT_EQ(5, pt.x);
    EXPECT_EQ(5, pt.y);
    HRGN hrgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(bitmap.GetSafeHdc(), hrgn)) << "the clip region is removed";
    ::DeleteObject(hrgn);

    // Device (0, 0) shows parent (35, 25); device x = 5 shows parent x = 40; nothing beyond the clip.
    ::SetWindowOrgEx(bitmap.GetSafeHdc(), 0, 0, NULL);
    EXPECT_EQ(kParentLeft, bitmap.Pixel(0, 0));
    EXPECT_EQ(kParentLeft, bitmap.Pixel(4, 5));
    EXPECT_EQ(kParentRight, bitmap.Pixel(5, 0));
    EXPECT_EQ(kParentRight, bitmap.Pixel(7, 5));
    EXPECT_EQ(kWhite, bitmap.Pixel(8, 0));
    EXPECT_EQ(kWhite, bitmap.Pixel(0, 6));
}

TEST_F(ParentBackground, ResultIsTheParentsAnswer)
{
    CTestBitmap bitmap(40, 30);
    g_erase.result = 0;
    EXPECT_EQ(FALSE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), NULL, Child(), NULL));
    EXPECT_EQ(1, g_erase.nCalls);
    g_erase.result = 1;
    EXPECT_EQ(TRUE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), NULL, Child(), NULL));
}

TEST_F(ParentBackground, WindowWithoutParentIsNotDrawn)
{
    CTestBitmap bitmap(40, 30);
    EXPECT_EQ(FALSE, m_theme.DrawParentBackground(bitmap.GetDC(), NULL, CWnd::FromHandle(m_hParent), NULL));
    EXPECT_EQ(0, g_erase.nCalls);
    HRGN hrgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(bitmap.GetSafeHdc(), hrgn));
    ::DeleteObject(hrgn);
}
