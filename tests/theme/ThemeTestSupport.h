// Helpers of the theme tests: import patching of the control library, a recording custom theme, colour
// sets with telling colours, and bitmap comparison.
#pragma once

#include "QELTest.h"
#include "QELTestImportPatch.h"
#include "QELThemeManager.h"
#include "QELWindowColor.h"

#include <string>
#include <vector>

namespace themetest {

using qeltest::CImportPatch;

// The control library's module.
HMODULE ControlLibrary();

// A colour set whose colours are all different from each other, from white and from black: every
// drawing shows which field it used.
CQELWindowColor TellingColors();

// Field-by-field comparison of two colour sets; a mismatch names the field.
::testing::AssertionResult SameColors(const CQELWindowColor& expected, const CQELWindowColor& actual);

// The names of the 44 colour fields in order, and access by position.
extern const char* const kColorFieldNames[44];
COLORREF& ColorAt(CQELWindowColor& color, int nField);

// Every pixel of a bitmap equals the other's.
::testing::AssertionResult SameBitmaps(const qeltest::CTestBitmap& expected, const qeltest::CTestBitmap& actual,
                                       int cx, int cy);

// Pixels of one row (x from 0 to cx-1).
std::vector<COLORREF> Row(const qeltest::CTestBitmap& bitmap, int y, int cx);

// A custom theme that records the operations asked of it and answers with a fixed result.
class CRecordingTheme : public CQELThemeExBase
{
public:
    struct Call
    {
        std::string      op;
        CDC*             pDC;
        CQELWindowColor* pColor;
    };

    explicit CRecordingTheme(BOOL bResult = FALSE) : m_bResult(bResult) {}

    void UpdateWindowColor(CQELWindowColor* pColor) override;
    BOOL DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* pColor) override;
    BOOL DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                              CQELWindowColor* pColor) override;
    BOOL DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* pWnd,
                                 CQELWindowColor* pColor) override;
    BOOL DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                         CQELWindowColor* pColor) override;
    BOOL DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                             CQELWindowColor* pColor) override;
    BOOL DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                           CQELWindowColor* pColor) override;
    BOOL DrawComboDropButtonEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                               CQELWindowColor* pColor) override;

    BOOL              m_bResult;
    std::vector<Call> m_calls;

private:
    BOOL Record(const char* op, CDC* pDC, CQELWindowColor* pColor);
};

// Installs a custom theme in the global manager for its lifetime, as an application does.
class CInstallTheme
{
public:
    explicit CInstallTheme(CQELThemeExBase* pTheme) { _gThemeManager.m_pCustomTheme = pTheme; }
    ~CInstallTheme() { _gThemeManager.m_pCustomTheme = NULL; }
    CInstallTheme(const CInstallTheme&) = delete;
    CInstallTheme& operator=(const CInstallTheme&) = delete;
};

// Keeps a copy of _gWindowColor and puts it back at the end of the scope.
class CKeepGlobalColors
{
public:
    CKeepGlobalColors() : m_saved(_gWindowColor) {}
    ~CKeepGlobalColors() { _gWindowColor = m_saved; }
    CKeepGlobalColors(const CKeepGlobalColors&) = delete;
    CKeepGlobalColors& operator=(const CKeepGlobalColors&) = delete;

private:
    CQELWindowColor m_saved;
};

// The visual-style theme with its state readable, as a derived application class sees it.
class CTestThemeSystem : public CQELThemeSystem
{
public:
    using CQELThemeSystem::LoadControl;

    // The sixteen handles in field order.
    std::vector<HTHEME> Handles() const;
    HINSTANCE Module() const { return m_hThemeDll; }
    HTHEME Header() const { return m_hThemeHeader; }
    HTHEME Toolbar() const { return m_hThemeToolbar; }
    HTHEME Button() const { return m_hThemeButton; }
    HTHEME ComboBox() const { return m_hThemeComboBox; }
    BOOL LoadFlag() const { return m_bLoadTheme; }
    // Number of the five entry points that are set.
    int EntryPointCount() const;
    // Nothing loaded, opened or found: the state after construction.
    bool IsAllZero() const;
};

// Runs this test program again with a test filter and extra environment variables ("NAME=value"), waits
// for it, and returns its exit code; `ran` tells whether a child test called MarkChildRan().
int RunChildTests(const char* pszFilter, const std::vector<std::string>& environment, bool* ran);

// True in a program started by RunChildTests.
bool IsChildRun();

// Tells the parent that a child test ran.
void MarkChildRan();

// Sets the value ThemeActive of the user's theme settings for its lifetime; the old value (or its
// absence) is put back by the destructor.
class CThemeActiveSetting
{
public:
    explicit CThemeActiveSetting(const char* pszValue);
    ~CThemeActiveSetting();
    CThemeActiveSetting(const CThemeActiveSetting&) = delete;
    CThemeActiveSetting& operator=(const CThemeActiveSetting&) = delete;

private:
    bool        m_bHadValue = false;
    std::string m_oldValue;
};

} // namespace themetest
