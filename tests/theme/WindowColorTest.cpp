// The colour set: field order, defaults with the version rule, copying, run-time class.
#include "ThemeTestSupport.h"

#include <vector>

using namespace themetest;

namespace {

// Stand-ins for the system's colour table and version query, reached through the control library's
// imports while a test runs.
std::vector<int> g_sysColorIndices;
DWORD g_major = 6;
DWORD g_minor = 1;
BOOL g_versionResult = TRUE;

COLORREF FakeSysColor(int nIndex)
{
    return RGB(0x10, 0x20, nIndex);
}

DWORD WINAPI FakeGetSysColor(int nIndex)
{
    g_sysColorIndices.push_back(nIndex);
    return FakeSysColor(nIndex);
}

// The name of the version check the control library imports, which takes the build's record.
#ifdef _UNICODE
const char kVerifyVersionInfo[] = "VerifyVersionInfoW";
#else
const char kVerifyVersionInfo[] = "VerifyVersionInfoA";
#endif

// Answers as a system reporting g_major.g_minor, comparing the parts the type mask names as one number;
// a record of another size fails, as the system's check does.
BOOL WINAPI FakeVerifyVersionInfo(LPOSVERSIONINFOEX pInfo, DWORD dwTypeMask, DWORDLONG dwlConditionMask)
{
    if (!g_versionResult || pInfo->dwOSVersionInfoSize != sizeof(OSVERSIONINFOEX))
        return FALSE;
    const bool major = (dwTypeMask & VER_MAJORVERSION) != 0;
    const bool minor = (dwTypeMask & VER_MINORVERSION) != 0;
    const DWORD have = (major ? g_major * 100 : 0) + (minor ? g_minor : 0);
    const DWORD want = (major ? pInfo->dwMajorVersion * 100 : 0) + (minor ? pInfo->dwMinorVersion : 0);
    switch ((dwlConditionMask >> (major ? 3 : 0)) & 7)   // three bits per part, the minor's first
    {
    case VER_EQUAL:         return have == want;
    case VER_GREATER:       return have > want;
    case VER_GREATER_EQUAL: return have >= want;
    case VER_LESS:          return have < want;
    case VER_LESS_EQUAL:    return have <= want;
    default:                return FALSE;
    }
}

class WindowColorDefaults : public ::testing::Test
{
protected:
    WindowColorDefaults()
        : m_sysColor(ControlLibrary(), "GetSysColor", reinterpret_cast<void*>(&FakeGetSysColor))
        , m_version(ControlLibrary(), kVerifyVersionInfo, reinterpret_cast<void*>(&FakeVerifyVersionInfo))
    {
    }

    void SetUp() override
    {
        ASSERT_GT(m_sysColor.Count(), 0) << "the control library imports GetSysColor";
        ASSERT_GT(m_version.Count(), 0) << "the control library imports " << kVerifyVersionInfo;
        g_sysColorIndices.clear();
        g_versionResult = TRUE;
    }

    // A default-filled set on a system reporting the given version.
    CQELWindowColor DefaultsFor(DWORD major, DWORD minor)
    {
        g_major = major;
        g_minor = minor;
        g_sysColorIndices.clear();
        CQELWindowColor color;
        return color;
    }

    CImportPatch m_sysColor;
    CImportPatch m_version;
};

const int kEdgeIndices[14] = {1, 15, 16, 20, 20, 20, 21, 20, 18, 15, 20, 20, 16, 21};
const COLORREF kFixed[5] = {0x00FF0000, 0x00F0CAA6, 0x00C0C0C0, 0x00C56A31, 0x00D8E9EC};

} // namespace

TEST(WindowColorLayout, FortyFourColoursFollowTheObjectHeaderInOrder)
{
    CQELWindowColor color;
    COLORREF* pFirst = &color.m_crScrollBar;
    for (int i = 0; i < 44; ++i)
        EXPECT_EQ(pFirst + i, &ColorAt(color, i)) << kColorFieldNames[i];
    EXPECT_EQ(reinterpret_cast<BYTE*>(pFirst), reinterpret_cast<BYTE*>(&color) + sizeof(void*))
        << "the colours start right after the virtual table pointer";
    EXPECT_EQ(sizeof(CQELWindowColor), sizeof(void*) + ((44 * sizeof(COLORREF) + sizeof(void*) - 1)
                                                          / sizeof(void*)) * sizeof(void*));
}

TEST_F(WindowColorDefaults, ReadsTheSystemColoursInTheDocumentedOrder)
{
    const CQELWindowColor color = DefaultsFor(5, 1);

    std::vector<int> expected;
    for (int i = 0; i <= 24; ++i)
        expected.push_back(i);
    for (int i = 26; i <= 30; ++i)
        expected.push_back(i);
    expected.insert(expected.end(), kEdgeIndices, kEdgeIndices + 14);
    EXPECT_EQ(expected, g_sysColorIndices);

    CQELWindowColor actual(color);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(FakeSysColor(i), ColorAt(actual, i)) << kColorFieldNames[i];
    for (int i = 25; i < 30; ++i)
        EXPECT_EQ(FakeSysColor(i + 1), ColorAt(actual, i)) << kColorFieldNames[i];
    for (int i = 30; i < 44; ++i)
        EXPECT_EQ(FakeSysColor(kEdgeIndices[i - 30]), ColorAt(actual, i)) << kColorFieldNames[i];
}

TEST_F(WindowColorDefaults, VersionRuleChoosesFixedColoursBeforeVersionFiveAndForMenusOnDotZero)
{
    struct Case { DWORD major, minor; bool fixedFirstThree, fixedMenus; };
    const Case cases[] = {
        {4, 0, true, true},   {4, 10, true, true}, {5, 0, false, true}, {5, 1, false, false},
        {5, 2, false, false}, {6, 0, false, true}, {6, 1, false, false}, {10, 0, false, true},
    };
    for (const Case& c : cases)
    {
        CQELWindowColor color = DefaultsFor(c.major, c.minor);
        SCOPED_TRACE(testing::Message() << "version " << c.major << "." << c.minor);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.fixedFirstThree ? kFixed[i] : FakeSysColor(26 + i), ColorAt(color, 25 + i))
                << kColorFieldNames[25 + i];
        for (int i = 3; i < 5; ++i)
            EXPECT_EQ(c.fixedMenus ? kFixed[i] : FakeSysColor(26 + i), ColorAt(color, 25 + i))
                << kColorFieldNames[25 + i];
    }
}

TEST_F(WindowColorDefaults, FailedVersionQueryCountsAsAnOldSystem)
{
    g_versionResult = FALSE;
    CQELWindowColor color = DefaultsFor(6, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(kFixed[i], ColorAt(color, 25 + i)) << kColorFieldNames[25 + i];
    EXPECT_EQ(FakeSysColor(COLOR_BTNFACE), color.m_crBtnFace);
}

TEST_F(WindowColorDefaults, DefaultRefillsEveryField)
{
    CQELWindowColor expected = DefaultsFor(6, 0);
    CQELWindowColor color(expected);
    for (int i = 0; i < 44; ++i)
        ColorAt(color, i) = 0x00ABCDEF;
    color.Default();
    EXPECT_TRUE(SameColors(expected, color));
}

TEST(WindowColorCopy, CopyConstructionAndAssignmentCopyAllFieldsAndStayIndependent)
{
    CKeepGlobalColors keep;
    _gWindowColor = TellingColors();

    CQELWindowColor copy(_gWindowColor);
    EXPECT_TRUE(SameColors(_gWindowColor, copy));
    copy.m_crBtnFace = RGB(1, 2, 3);
    EXPECT_TRUE(SameColors(TellingColors(), _gWindowColor)) << "changing a copy leaves the source alone";

    CQELWindowColor assigned;
    CQELWindowColor& result = (assigned = copy);
    EXPECT_EQ(&assigned, &result);
    EXPECT_TRUE(SameColors(copy, assigned));
    EXPECT_EQ(RGB(1, 2, 3), assigned.m_crBtnFace);
}

TEST(WindowColorCopy, SelfAssignmentChangesNothing)
{
    CQELWindowColor color = TellingColors();
    CQELWindowColor& alias = color;
    color = alias;
    EXPECT_TRUE(SameColors(TellingColors(), color));
}

TEST(WindowColorRuntimeClass, IsDynamicallyCreatableWithDefaults)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CQELWindowColor);
    EXPECT_STREQ("CQELWindowColor", pClass->m_lpszClassName);
    EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CObject)));

    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CQELWindowColor)));
    EXPECT_TRUE(SameColors(CQELWindowColor(), *static_cast<CQELWindowColor*>(pObject)));
    delete pObject;
}

TEST(WindowColorGlobal, HoldsTheDefaultsAfterLoad)
{
    // Nothing in this program has asked the theme manager to refresh the global set.
    EXPECT_TRUE(SameColors(CQELWindowColor(), _gWindowColor));
}
