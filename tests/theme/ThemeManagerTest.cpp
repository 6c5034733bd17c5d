// The manager's choice of theme: custom theme first, then the built-in look (the visual styles are not
// loaded here; their place in the order is checked by the stand-in UxTheme tests).
#include "ThemeTestSupport.h"

using namespace themetest;
using qeltest::CTestBitmap;

namespace {

class ThemeManagerDispatch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _gThemeManager.ExInitThemeManager();
        ASSERT_FALSE(_gThemeManager.IsSystemTheme());
        m_colors = TellingColors();
    }

    // Asks the manager for all seven drawings with a valid device context; returns their results.
    std::vector<BOOL> DrawAll(CDC* pDC, CRect& rect, CQELWindowColor* pColor)
    {
        std::vector<BOOL> results;
        results.push_back(_gThemeManager.DrawHeaderCtrlBorder(pDC, rect, TRUE, TRUE, NULL, pColor));
        results.push_back(_gThemeManager.DrawHeaderCtrlSortArrow(pDC, rect, TRUE, NULL, pColor));
        results.push_back(_gThemeManager.DrawComboBorder(pDC, rect, FALSE, FALSE, TRUE, NULL, pColor));
        results.push_back(_gThemeManager.DrawComboDropButton(pDC, rect, FALSE, FALSE, TRUE, NULL, pColor));
        results.push_back(_gThemeManager.DrawComboBorderEx(pDC, rect, FALSE, FALSE, TRUE, NULL, pColor));
        results.push_back(_gThemeManager.DrawComboDropButtonEx(pDC, rect, FALSE, FALSE, TRUE, NULL, pColor));
        return results;
    }

    CQELWindowColor m_colors;
};

const char* const kDrawOps[] = {
    "DrawHeaderCtrlBorder", "DrawHeaderCtrlSortArrow", "DrawComboBorder",
    "DrawComboDropButton",  "DrawComboBorderEx",       "DrawComboDropButtonEx",
};

} // namespace

TEST(ThemeManagerState, StartsWithoutCustomThemeAndWithoutVisualStyles)
{
    // Nothing in this program has called InitThemeManager before the first test runs, but other tests may
    // have: only the parts that no operation of the library changes are checked.
    EXPECT_EQ(nullptr, _gThemeManager.m_pCustomTheme);
    CQELThemeManager manager;
    EXPECT_EQ(nullptr, manager.m_pCustomTheme);
    EXPECT_FALSE(manager.IsSystemTheme());
}

TEST_F(ThemeManagerDispatch, CustomThemeThatDeclinesPassesEveryRequestOnWithTheColourSet)
{
    CRecordingTheme custom(FALSE);
    CInstallTheme install(&custom);

    CTestBitmap bitmap(20, 20);
    CRect rect(2, 2, 18, 18);
    const std::vector<BOOL> results = DrawAll(bitmap.GetDC(), rect, NULL);
    EXPECT_EQ(std::vector<BOOL>(6, TRUE), results) << "the built-in look drew each";
    EXPECT_EQ(CRect(3, 3, 18, 18), rect) << "the built-in pressed border moved the rectangle";

    ASSERT_EQ(6u, custom.m_calls.size());
    for (size_t i = 0; i < 6; ++i)
    {
        EXPECT_EQ(kDrawOps[i], custom.m_calls[i].op);
        EXPECT_EQ(bitmap.GetDC(), custom.m_calls[i].pDC);
        EXPECT_EQ(&_gWindowColor, custom.m_calls[i].pColor) << "a null colour set is replaced by the global one";
    }

    custom.m_calls.clear();
    DrawAll(bitmap.GetDC(), rect, &m_colors);
    for (const CRecordingTheme::Call& call : custom.m_calls)
        EXPECT_EQ(&m_colors, call.pColor) << call.op;
}

TEST_F(ThemeManagerDispatch, CustomThemeThatDrawsStopsTheRequest)
{
    CRecordingTheme custom(7);
    CInstallTheme install(&custom);

    CTestBitmap bitmap(20, 20), untouched(20, 20);
    CRect rect(2, 2, 18, 18);
    EXPECT_EQ(std::vector<BOOL>(6, TRUE), DrawAll(bitmap.GetDC(), rect, &m_colors))
        << "the manager reports 1, not the custom theme's value";
    EXPECT_EQ(CRect(2, 2, 18, 18), rect) << "the built-in border did not run";
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 20, 20));

    EXPECT_EQ(TRUE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), NULL, NULL, NULL));
    ASSERT_EQ(7u, custom.m_calls.size());
    EXPECT_EQ("DrawParentBackground", custom.m_calls[6].op);
}

TEST_F(ThemeManagerDispatch, CustomThemeIsAskedEvenWithoutDeviceContext)
{
    CRecordingTheme declining(FALSE);
    {
        CInstallTheme install(&declining);
        CRect rect(2, 2, 18, 18);
        EXPECT_EQ(std::vector<BOOL>(6, FALSE), DrawAll(NULL, rect, NULL));
        EXPECT_EQ(6u, declining.m_calls.size());
    }
    CRecordingTheme drawing(TRUE);
    {
        CInstallTheme install(&drawing);
        CRect rect(2, 2, 18, 18);
        EXPECT_EQ(std::vector<BOOL>(6, TRUE), DrawAll(NULL, rect, NULL));
    }
}

TEST_F(ThemeManagerDispatch, WithoutCustomThemeResultsAreTheBuiltInOnes)
{
    CTestBitmap bitmap(20, 20);
    CRect rect(2, 2, 18, 18);
    EXPECT_EQ(std::vector<BOOL>(6, TRUE), DrawAll(bitmap.GetDC(), rect, NULL));
    EXPECT_EQ(std::vector<BOOL>(6, FALSE), DrawAll(NULL, rect, NULL));
    EXPECT_EQ(FALSE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), NULL, NULL, NULL));
}

TEST_F(ThemeManagerDispatch, UpdateWindowColorOfNullDoesNothing)
{
    CRecordingTheme custom(TRUE);
    {
        CInstallTheme install(&custom);
        _gThemeManager.UpdateWindowColor(NULL);
    }
    EXPECT_TRUE(custom.m_calls.empty());
    _gThemeManager.UpdateWindowColor(NULL);
    EXPECT_FALSE(_gThemeManager.IsSystemTheme()) << "nothing was loaded";
}

TEST_F(ThemeManagerDispatch, UpdateWindowColorIsLeftToTheCustomTheme)
{
    CRecordingTheme custom(FALSE);
    CInstallTheme install(&custom);
    CQELWindowColor color = TellingColors();
    _gThemeManager.UpdateWindowColor(&color);
    ASSERT_EQ(1u, custom.m_calls.size());
    EXPECT_EQ("UpdateWindowColor", custom.m_calls[0].op);
    EXPECT_EQ(&color, custom.m_calls[0].pColor);
    EXPECT_TRUE(SameColors(TellingColors(), color)) << "nothing else touched the set";
    EXPECT_FALSE(_gThemeManager.IsSystemTheme()) << "the visual styles were not loaded";
}

// ---- Class tree -------------------------------------------------------------------------------------------

TEST(ThemeClassTree, RuntimeClassesNameEachClassAndItsBase)
{
    struct Case { CRuntimeClass* pClass; const char* name; CRuntimeClass* pBase; };
    const Case cases[] = {
        {RUNTIME_CLASS(CQELThemeBase), "CQELThemeBase", RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(CQELThemeExBase), "CQELThemeExBase", RUNTIME_CLASS(CQELThemeBase)},
        {RUNTIME_CLASS(CQELThemeDefault), "CQELThemeDefault", RUNTIME_CLASS(CQELThemeExBase)},
        {RUNTIME_CLASS(CQELThemeSystem), "CQELThemeSystem", RUNTIME_CLASS(CQELThemeBase)},
        {RUNTIME_CLASS(CQELThemeManager), "CQELThemeManager", RUNTIME_CLASS(CQELThemeExBase)},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.name, c.pClass->m_lpszClassName);
        EXPECT_TRUE(c.pClass->IsDerivedFrom(c.pBase)) << c.name;
        EXPECT_EQ(nullptr, c.pClass->CreateObject()) << c.name << " is not dynamically creatable";
    }
    EXPECT_FALSE(RUNTIME_CLASS(CQELThemeSystem)->IsDerivedFrom(RUNTIME_CLASS(CQELThemeExBase)));
    EXPECT_TRUE(_gThemeManager.IsKindOf(RUNTIME_CLASS(CQELThemeManager)));
}

namespace {

// Position in the virtual table of a virtual member function (Itanium C++ ABI, as mingw-w64 uses: the
// pointer-to-member holds 1 + the byte offset of the slot).
template <typename PMF>
ptrdiff_t Slot(PMF pmf)
{
    struct Repr { ptrdiff_t ptr; ptrdiff_t adj; } repr;
    static_assert(sizeof(pmf) == sizeof(repr), "two-word member function pointer");
    memcpy(&repr, &pmf, sizeof(repr));
    return (repr.ptr - 1) / static_cast<ptrdiff_t>(sizeof(void*));
}

} // namespace

TEST(ThemeClassTree, OperationsFollowTheObjectBaseInTheirDocumentedSlotOrder)
{
    const ptrdiff_t first = Slot(&CQELThemeBase::UpdateWindowColor);
    EXPECT_EQ(Slot(&CObject::Dump) + 1, first) << "right after the object base's virtual functions";
    EXPECT_EQ(first + 1, Slot(&CQELThemeBase::DrawParentBackground));
    EXPECT_EQ(first + 2, Slot(&CQELThemeBase::DrawHeaderCtrlBorder));
    EXPECT_EQ(first + 3, Slot(&CQELThemeBase::DrawHeaderCtrlSortArrow));
    EXPECT_EQ(first + 4, Slot(&CQELThemeBase::DrawComboBorder));
    EXPECT_EQ(first + 5, Slot(&CQELThemeBase::DrawComboDropButton));
    EXPECT_EQ(first + 6, Slot(&CQELThemeExBase::DrawComboBorderEx));
    EXPECT_EQ(first + 7, Slot(&CQELThemeExBase::DrawComboDropButtonEx));
    // Overrides keep the slots.
    EXPECT_EQ(first + 2, Slot(&CQELThemeManager::DrawHeaderCtrlBorder));
    EXPECT_EQ(first + 7, Slot(&CQELThemeManager::DrawComboDropButtonEx));
    EXPECT_EQ(first + 5, Slot(&CQELThemeSystem::DrawComboDropButton));
}
