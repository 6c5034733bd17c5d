// The visual-style theme's own GDI drawing: the filled sort arrow, which needs no theme data.
#include "ThemeTestSupport.h"

using namespace themetest;
using qeltest::CTestBitmap;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// The pixels of the bitmap that are not white, as a set of points (x, y) of a 20 x 12 area.
std::vector<std::string> Filled(const CTestBitmap& bitmap, COLORREF crFill, bool* pbOtherColour)
{
    std::vector<std::string> rows;
    *pbOtherColour = false;
    for (int y = 0; y < 12; ++y)
    {
        std::string row;
        for (int x = 0; x < 20; ++x)
        {
            const COLORREF c = bitmap.Pixel(x, y);
            row += c == kWhite ? '.' : '#';
            if (c != kWhite && c != crFill)
                *pbOtherColour = true;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(VisualStyleSortArrow, DescendingArrowFillsTheInsetTriangleWithApexDown)
{
    CTestThemeSystem theme;
    CQELWindowColor colors = TellingColors();
    CTestBitmap bitmap(20, 12);
    CRect box(10, 4, 18, 8);
    EXPECT_EQ(TRUE, theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, FALSE, NULL, &colors));
    EXPECT_EQ(CRect(10, 4, 18, 8), box);

    bool bOther = false;
    const std::vector<std::string> rows = Filled(bitmap, colors.m_crBtnShadow, &bOther);
    EXPECT_FALSE(bOther) << "filled in m_crBtnShadow only, no outline";
    // The triangle (11, 5), (14, 8), (17, 5): nothing above y = 5, left of 11 or right of 17.
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(std::string(20, '.'), rows[y]) << "row " << y;
    for (int y = 5; y < 12; ++y)
    {
        EXPECT_EQ(std::string::npos, rows[y].substr(0, 11).find('#')) << "row " << y << ": " << rows[y];
        EXPECT_EQ(std::string::npos, rows[y].substr(18).find('#')) << "row " << y << ": " << rows[y];
    }
    for (int y = 9; y < 12; ++y)
        EXPECT_EQ(std::string(20, '.'), rows[y]) << "row " << y;
    EXPECT_EQ('#', rows[5][12]) << rows[5];
    EXPECT_EQ('#', rows[5][16]) << rows[5];
    EXPECT_EQ('#', rows[6][14]) << rows[6];
    EXPECT_EQ('.', rows[7][11]) << "the sides narrow towards the apex: " << rows[7];
}

TEST(VisualStyleSortArrow, AscendingArrowFillsTheBoxTriangleWithApexUp)
{
    CTestThemeSystem theme;
    CQELWindowColor colors = TellingColors();
    CTestBitmap bitmap(20, 12);
    CRect box(10, 4, 18, 8);
    EXPECT_EQ(TRUE, theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, TRUE, NULL, &colors));

    bool bOther = false;
    const std::vector<std::string> rows = Filled(bitmap, colors.m_crBtnShadow, &bOther);
    EXPECT_FALSE(bOther);
    // The triangle (10, 8), (14, 4), (18, 8).
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(std::string(20, '.'), rows[y]) << "row " << y;
    for (int y = 9; y < 12; ++y)
        EXPECT_EQ(std::string(20, '.'), rows[y]) << "row " << y;
    EXPECT_EQ('#', rows[7][11]) << "wide near the base: " << rows[7];
    EXPECT_EQ('#', rows[7][16]) << rows[7];
    EXPECT_EQ('#', rows[5][14]) << rows[5];
    EXPECT_EQ('.', rows[5][11]) << "narrow near the apex: " << rows[5];
    for (int y = 4; y < 9; ++y)
        EXPECT_EQ(std::string::npos, rows[y].substr(0, 10).find('#')) << "row " << y << ": " << rows[y];
}

TEST(VisualStyleSortArrow, UsesTheGlobalColoursByDefaultAndRestoresTheDevice)
{
    CKeepGlobalColors keep;
    _gWindowColor.m_crBtnShadow = RGB(10, 20, 30);
    CTestThemeSystem theme;
    CTestBitmap bitmap(20, 12);
    HGDIOBJ hPen = ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_PEN);
    HGDIOBJ hBrush = ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_BRUSH);
    CRect box(10, 4, 18, 8);
    EXPECT_EQ(TRUE, theme.DrawHeaderCtrlSortArrow(bitmap.GetDC(), box, TRUE, NULL, NULL));
    EXPECT_EQ(RGB(10, 20, 30), bitmap.Pixel(14, 6));
    EXPECT_EQ(hPen, ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_PEN));
    EXPECT_EQ(hBrush, ::GetCurrentObject(bitmap.GetSafeHdc(), OBJ_BRUSH));
    EXPECT_EQ(FALSE, theme.DrawHeaderCtrlSortArrow(NULL, box, TRUE, NULL, NULL));
}

TEST(VisualStyleUnloaded, DrawsNothingThatNeedsTheStyle)
{
    CTestThemeSystem theme;
    CTestBitmap bitmap(20, 20), untouched(20, 20);
    CRect rect(0, 0, 20, 20);
    EXPECT_EQ(FALSE, theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, TRUE, NULL, NULL));
    EXPECT_EQ(FALSE, theme.DrawComboBorder(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, NULL));
    EXPECT_EQ(FALSE, theme.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, NULL));
    EXPECT_EQ(FALSE, theme.DrawParentBackground(bitmap.GetDC(), NULL, CWnd::GetDesktopWindow(), NULL));
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 20, 20));
    EXPECT_EQ(CRect(0, 0, 20, 20), rect);

    CQELWindowColor color = TellingColors();
    theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(CQELWindowColor(), color)) << "defaults without the style's colours";
    theme.ClearTheme();
    EXPECT_TRUE(theme.IsAllZero());
}
