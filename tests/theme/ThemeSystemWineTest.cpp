// The visual-style theme against Wine's own UxTheme: with the bundled light style active (as in a new
// prefix) and with visual styles switched off.
#include "ThemeTestSupport.h"

using namespace themetest;
using qeltest::CTestBitmap;

namespace {

typedef HTHEME (WINAPI* PFN_Open)(HWND, LPCWSTR);
typedef HRESULT (WINAPI* PFN_Close)(HTHEME);
typedef HRESULT (WINAPI* PFN_DrawBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT (WINAPI* PFN_GetColor)(HTHEME, int, int, int, COLORREF*);

template <typename PFN>
PFN Proc(HMODULE hModule, const char* pszName)
{
    return reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

// Direct access to Wine's UxTheme, to draw and read what the theme should have drawn and read.
class CUxTheme
{
public:
    CUxTheme() : m_hModule(::LoadLibrary(_T("uxtheme.dll")))
    {
        m_pfnOpen = Proc<PFN_Open>(m_hModule, "OpenThemeData");
        m_pfnClose = Proc<PFN_Close>(m_hModule, "CloseThemeData");
        m_pfnDraw = Proc<PFN_DrawBackground>(m_hModule, "DrawThemeBackground");
        m_pfnColor = Proc<PFN_GetColor>(m_hModule, "GetThemeColor");
    }
    ~CUxTheme() { ::FreeLibrary(m_hModule); }

    HTHEME Open(LPCWSTR pszClass) { return m_pfnOpen != NULL ? m_pfnOpen(NULL, pszClass) : NULL; }
    void Close(HTHEME hTheme) { if (hTheme != NULL) m_pfnClose(hTheme); }
    void Draw(HTHEME hTheme, HDC hdc, int nPart, int nState, const RECT& rc)
    {
        m_pfnDraw(hTheme, hdc, nPart, nState, &rc, NULL);
    }
    // The colour set that the theme should produce: defaults, overwritten by every property the style has.
    CQELWindowColor ExpectedColors(int* pnFound)
    {
        CQELWindowColor color;
        struct Read { LPCWSTR cls; int prop; COLORREF CQELWindowColor::* field; };
        const Read reads[] = {
            {L"TOOLBAR", 3803, &CQELWindowColor::m_crToolbarText},
            {L"TOOLBAR", 3802, &CQELWindowColor::m_crToolbarFill},
            {L"TOOLBAR", 3804, &CQELWindowColor::m_crToolbarLight},
            {L"TOOLBAR", 3805, &CQELWindowColor::m_crToolbarHighlight},
            {L"TOOLBAR", 3806, &CQELWindowColor::m_crToolbarShadow},
            {L"TOOLBAR", 3807, &CQELWindowColor::m_crToolbarDkShadow},
            {L"BUTTON", 3803, &CQELWindowColor::m_crBtnText},
            {L"BUTTON", 3802, &CQELWindowColor::m_crBtnFace},
            {L"BUTTON", 3804, &CQELWindowColor::m_crButtonLight},
            {L"BUTTON", 3805, &CQELWindowColor::m_crBtnHighlight},
            {L"BUTTON", 3806, &CQELWindowColor::m_crBtnShadow},
            {L"BUTTON", 3807, &CQELWindowColor::m_crButtonDkShadow},
        };
        *pnFound = 0;
        for (const Read& r : reads)
        {
            HTHEME hTheme = Open(r.cls);
            COLORREF cr = 0;
            if (hTheme != NULL && m_pfnColor(hTheme, 1, 0, r.prop, &cr) == S_OK)
            {
                color.*r.field = cr;
                ++*pnFound;
            }
            Close(hTheme);
        }
        return color;
    }

private:
    HMODULE            m_hModule;
    PFN_Open           m_pfnOpen = NULL;
    PFN_Close          m_pfnClose = NULL;
    PFN_DrawBackground m_pfnDraw = NULL;
    PFN_GetColor       m_pfnColor = NULL;
};

class WineVisualStyle : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _gThemeManager.InitThemeManager();
        if (!_gThemeManager.IsSystemTheme())
            GTEST_SKIP() << "Wine's visual style is not active in this prefix";
    }

    void TearDown() override
    {
        _gThemeManager.ExInitThemeManager();
    }

    CKeepGlobalColors m_keep;
    CUxTheme          m_ux;
};

} // namespace

TEST_F(WineVisualStyle, InitThemeManagerRefreshesTheGlobalColoursFromTheStyle)
{
    int nFound = 0;
    const CQELWindowColor expected = m_ux.ExpectedColors(&nFound);
    EXPECT_GT(nFound, 0) << "the light style defines some of the colours read";
    EXPECT_TRUE(SameColors(expected, _gWindowColor));

    _gWindowColor = TellingColors();
    CQELWindowColor color = TellingColors();
    _gThemeManager.UpdateWindowColor(&color);
    EXPECT_TRUE(_gThemeManager.IsSystemTheme()) << "reloaded";
    EXPECT_TRUE(SameColors(expected, color));
    EXPECT_TRUE(SameColors(TellingColors(), _gWindowColor)) << "only the given set changes";
}

TEST_F(WineVisualStyle, HeaderItemsAreDrawnByTheStyleInTheirState)
{
    HTHEME hHeader = m_ux.Open(L"HEADER");
    ASSERT_TRUE(hHeader != NULL);
    bool bDiffersFromBuiltIn = false;
    struct Case { BOOL bPressed, bHot; int nState; };
    for (const Case& c : {Case{FALSE, FALSE, 1}, Case{FALSE, TRUE, 2}, Case{TRUE, FALSE, 3}, Case{TRUE, TRUE, 3}})
    {
        SCOPED_TRACE(testing::Message() << "pressed " << c.bPressed << " hot " << c.bHot);
        CTestBitmap bitmap(60, 24), reference(60, 24), builtIn(60, 24);
        CRect rect(0, 0, 60, 24);
        EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, c.bPressed, c.bHot, NULL, NULL));
        EXPECT_EQ(CRect(0, 0, 60, 24), rect) << "the style's pressed item does not move the rectangle";
        m_ux.Draw(hHeader, reference.GetSafeHdc(), 1, c.nState, CRect(0, 0, 60, 24));
        EXPECT_TRUE(SameBitmaps(reference, bitmap, 60, 24));

        CQELThemeDefault theme;
        CRect rc(0, 0, 60, 24);
        theme.DrawHeaderCtrlBorder(builtIn.GetDC(), rc, c.bPressed, c.bHot, NULL, NULL);
        if (!SameBitmaps(builtIn, bitmap, 60, 24))
            bDiffersFromBuiltIn = true;
    }
    EXPECT_TRUE(bDiffersFromBuiltIn) << "the style's look is not the built-in one";
    m_ux.Close(hHeader);
}

TEST_F(WineVisualStyle, DropButtonIsDrawnByTheStyleInTheFirstApplicableState)
{
    HTHEME hCombo = m_ux.Open(L"COMBOBOX");
    ASSERT_TRUE(hCombo != NULL);
    struct Case { BOOL bDisabled, bPressed, bHot; int nState; };
    const Case cases[] = {{TRUE, TRUE, TRUE, 4}, {FALSE, TRUE, TRUE, 3}, {FALSE, FALSE, TRUE, 2},
                          {FALSE, FALSE, FALSE, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "state " << c.nState);
        CTestBitmap bitmap(17, 20), reference(17, 20);
        CRect rect(0, 0, 17, 20);
        EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButton(bitmap.GetDC(), rect, c.bDisabled, c.bPressed, c.bHot,
                                                           NULL, NULL));
        m_ux.Draw(hCombo, reference.GetSafeHdc(), 1, c.nState, CRect(0, 0, 17, 20));
        EXPECT_TRUE(SameBitmaps(reference, bitmap, 17, 20));
    }
    m_ux.Close(hCombo);
}

TEST_F(WineVisualStyle, ComboBorderIsTheStylesFlatFrame)
{
    CQELWindowColor colors = TellingColors();
    CTestBitmap bitmap(10, 8);
    CRect rect(0, 0, 10, 8);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorder(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, &colors));
    EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(0, 0)) << "the outer ring is left";
    EXPECT_EQ(colors.m_crHighlight, bitmap.Pixel(1, 1));
    EXPECT_EQ(colors.m_crHighlight, bitmap.Pixel(8, 6));
}

TEST_F(WineVisualStyle, ExtendedDrawingsStayBuiltIn)
{
    CQELWindowColor colors = TellingColors();
    CTestBitmap bitmap(10, 8), untouched(10, 8);
    CRect rect(0, 0, 10, 8);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorderEx(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, &colors));
    EXPECT_EQ(colors.m_crWindowFrame, bitmap.Pixel(0, 0));
    EXPECT_EQ(colors.m_crWindowFrame, bitmap.Pixel(9, 7));

    CTestBitmap button(17, 20);
    CTestBitmap blank(17, 20);
    CRect rc(0, 0, 17, 20);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButtonEx(button.GetDC(), rc, FALSE, FALSE, TRUE, NULL, &colors));
    EXPECT_TRUE(SameBitmaps(blank, button, 17, 20));
}

TEST_F(WineVisualStyle, ExInitThemeManagerReturnsToTheBuiltInLook)
{
    _gThemeManager.ExInitThemeManager();
    EXPECT_FALSE(_gThemeManager.IsSystemTheme());
    CTestBitmap bitmap(8, 6);
    CRect rect(1, 1, 7, 5);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CRect(2, 2, 7, 5), rect);
    EXPECT_EQ(_gWindowColor.m_crBtnShadow, bitmap.Pixel(1, 1));
    _gThemeManager.ExInitThemeManager();
    EXPECT_FALSE(_gThemeManager.IsSystemTheme()) << "a second release changes nothing";
}

TEST_F(WineVisualStyle, LoadThemeOpensTheClassesTheStyleHasAndClearThemeReleasesThem)
{
    CTestThemeSystem theme;
    ASSERT_TRUE(theme.IsAllZero());
    ASSERT_EQ(TRUE, theme.LoadTheme());
    EXPECT_EQ(TRUE, theme.IsLoadTheme());
    EXPECT_TRUE(theme.Module() != NULL);
    EXPECT_EQ(5, theme.EntryPointCount());
    const std::vector<HTHEME> handles = theme.Handles();
    const LPCWSTR names[] = {L"HEADER",   L"TOOLBAR",     L"REBAR",    L"BUTTON",     L"STATUS",   L"WINDOW",
                             L"COMBOBOX", L"PROGRESS",    L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW",
                             L"STARTPANEL", L"TASKBAND", L"TASKBAR",  L"SPIN",       L"TAB"};
    for (int i = 0; i < 16; ++i)
    {
        HTHEME hDirect = m_ux.Open(names[i]);
        EXPECT_EQ(hDirect != NULL, handles[i] != NULL) << "class " << i;
        m_ux.Close(hDirect);
    }

    // Loading again starts from scratch.
    EXPECT_EQ(TRUE, theme.LoadTheme());
    EXPECT_EQ(TRUE, theme.IsLoadTheme());

    theme.ClearTheme();
    EXPECT_TRUE(theme.IsAllZero());
    EXPECT_EQ(FALSE, theme.IsLoadTheme());
    theme.ClearTheme();
    EXPECT_TRUE(theme.IsAllZero());
}

// ---- Without visual styles: child programs --------------------------------------------------------------

namespace {

// What a program without usable visual styles must see; run in a child program.
void CheckNoVisualStyles()
{
    MarkChildRan();
    const bool bLoadedBefore = ::GetModuleHandle(_T("uxtheme.dll")) != NULL;

    CTestThemeSystem theme;
    EXPECT_EQ(FALSE, theme.LoadTheme());
    EXPECT_EQ(FALSE, theme.IsLoadTheme());
    EXPECT_TRUE(theme.IsAllZero());
    if (!bLoadedBefore)
    {
        EXPECT_TRUE(::GetModuleHandle(_T("uxtheme.dll")) == NULL) << "no module stays loaded";
    }

    CKeepGlobalColors keep;
    _gWindowColor = TellingColors();
    _gThemeManager.InitThemeManager();
    EXPECT_FALSE(_gThemeManager.IsSystemTheme());
    EXPECT_TRUE(SameColors(CQELWindowColor(), _gWindowColor)) << "the built-in theme filled the defaults";
    if (!bLoadedBefore)
    {
        EXPECT_TRUE(::GetModuleHandle(_T("uxtheme.dll")) == NULL);
    }

    CTestBitmap bitmap(8, 6);
    CRect rect(1, 1, 7, 5);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CRect(2, 2, 7, 5), rect) << "the built-in look drew";
}

} // namespace

TEST(ChildWithoutVisualStyles, LoadThemeFailsAndTheBuiltInLookRemains)
{
    if (!IsChildRun())
        GTEST_SKIP() << "runs in a child program started by WineWithoutVisualStyles";
    CheckNoVisualStyles();
}

TEST(WineWithoutVisualStyles, StylesSwitchedOff)
{
    // UxTheme reads the setting when it starts, so the check runs in a program started after the change.
    bool bRan = false;
    int nExit;
    {
        CThemeActiveSetting off("0");
        nExit = RunChildTests("ChildWithoutVisualStyles.*", {}, &bRan);
    }
    EXPECT_TRUE(bRan);
    EXPECT_EQ(0, nExit);
}
