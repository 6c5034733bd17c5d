// Helpers of the theme tests.
#include "ThemeTestSupport.h"

#include <stdio.h>
#include <string.h>

namespace themetest {

HMODULE ControlLibrary()
{
    return qeltest::LibraryModule("QELCtrl");
}

const char* const kColorFieldNames[44] = {
    "m_crScrollBar", "m_crBackground", "m_crActiveCaption", "m_crInactiveCaption", "m_crMenu", "m_crWindow",
    "m_crWindowFrame", "m_crMenuText", "m_crWindowText", "m_crCaptionText", "m_crActiveBorder",
    "m_crInactiveBorder", "m_crAppWorkspace", "m_crHighlight", "m_crHighlightText", "m_crBtnFace",
    "m_crBtnShadow", "m_crGrayText", "m_crBtnText", "m_crInactiveCaptionText", "m_crBtnHighlight",
    "m_cr3DDkShadow", "m_cr3DLight", "m_crInfoText", "m_crInfoBk", "m_crHotLight", "m_crGradientActiveCaption",
    "m_crGradientInactiveCaption", "m_crMenuHilight", "m_crMenuBar", "m_crEdgeBackground", "m_crEdgeFace",
    "m_crEdgeShadow", "m_crEdgeHighlight", "m_crEdgeHighlight2", "m_crEdgeHighlight3", "m_crButtonDkShadow",
    "m_crButtonLight", "m_crToolbarText", "m_crToolbarFill", "m_crToolbarLight", "m_crToolbarHighlight",
    "m_crToolbarShadow", "m_crToolbarDkShadow",
};

COLORREF& ColorAt(CQELWindowColor& color, int nField)
{
    static COLORREF CQELWindowColor::* const fields[44] = {
        &CQELWindowColor::m_crScrollBar, &CQELWindowColor::m_crBackground, &CQELWindowColor::m_crActiveCaption,
        &CQELWindowColor::m_crInactiveCaption, &CQELWindowColor::m_crMenu, &CQELWindowColor::m_crWindow,
        &CQELWindowColor::m_crWindowFrame, &CQELWindowColor::m_crMenuText, &CQELWindowColor::m_crWindowText,
        &CQELWindowColor::m_crCaptionText, &CQELWindowColor::m_crActiveBorder,
        &CQELWindowColor::m_crInactiveBorder, &CQELWindowColor::m_crAppWorkspace,
        &CQELWindowColor::m_crHighlight, &CQELWindowColor::m_crHighlightText, &CQELWindowColor::m_crBtnFace,
        &CQELWindowColor::m_crBtnShadow, &CQELWindowColor::m_crGrayText, &CQELWindowColor::m_crBtnText,
        &CQELWindowColor::m_crInactiveCaptionText, &CQELWindowColor::m_crBtnHighlight,
        &CQELWindowColor::m_cr3DDkShadow, &CQELWindowColor::m_cr3DLight, &CQELWindowColor::m_crInfoText,
        &CQELWindowColor::m_crInfoBk, &CQELWindowColor::m_crHotLight,
        &CQELWindowColor::m_crGradientActiveCaption, &CQELWindowColor::m_crGradientInactiveCaption,
        &CQELWindowColor::m_crMenuHilight, &CQELWindowColor::m_crMenuBar, &CQELWindowColor::m_crEdgeBackground,
        &CQELWindowColor::m_crEdgeFace, &CQELWindowColor::m_crEdgeShadow, &CQELWindowColor::m_crEdgeHighlight,
        &CQELWindowColor::m_crEdgeHighlight2, &CQELWindowColor::m_crEdgeHighlight3,
        &CQELWindowColor::m_crButtonDkShadow, &CQELWindowColor::m_crButtonLight,
        &CQELWindowColor::m_crToolbarText, &CQELWindowColor::m_crToolbarFill, &CQELWindowColor::m_crToolbarLight,
        &CQELWindowColor::m_crToolbarHighlight, &CQELWindowColor::m_crToolbarShadow,
        &CQELWindowColor::m_crToolbarDkShadow,
    };
    return color.*fields[nField];
}

CQELWindowColor TellingColors()
{
    CQELWindowColor color;
    for (int i = 0; i < 44; ++i)
        ColorAt(color, i) = RGB(16 + i * 5, 200 - i * 4, 40 + (i % 7) * 30);
    return color;
}

::testing::AssertionResult SameColors(const CQELWindowColor& expected, const CQELWindowColor& actual)
{
    CQELWindowColor e(expected);
    CQELWindowColor a(actual);
    for (int i = 0; i < 44; ++i)
    {
        if (ColorAt(e, i) != ColorAt(a, i))
        {
            char text[160];
            sprintf(text, "%s (field %d): expected 0x%08lX, actual 0x%08lX", kColorFieldNames[i], i + 1,
                    static_cast<unsigned long>(ColorAt(e, i)), static_cast<unsigned long>(ColorAt(a, i)));
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameBitmaps(const qeltest::CTestBitmap& expected, const qeltest::CTestBitmap& actual,
                                       int cx, int cy)
{
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
        {
            if (expected.Pixel(x, y) != actual.Pixel(x, y))
            {
                char text[120];
                sprintf(text, "pixel (%d, %d): expected 0x%06lX, actual 0x%06lX", x, y,
                        static_cast<unsigned long>(expected.Pixel(x, y)),
                        static_cast<unsigned long>(actual.Pixel(x, y)));
                return ::testing::AssertionFailure() << text;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<COLORREF> Row(const qeltest::CTestBitmap& bitmap, int y, int cx)
{
    std::vector<COLORREF> row;
    for (int x = 0; x < cx; ++x)
        row.push_back(bitmap.Pixel(x, y));
    return row;
}

BOOL CRecordingTheme::Record(const char* op, CDC* pDC, CQELWindowColor* pColor)
{
    m_calls.push_back(Call{op, pDC, pColor});
    return m_bResult;
}

void CRecordingTheme::UpdateWindowColor(CQELWindowColor* pColor)
{
    Record("UpdateWindowColor", NULL, pColor);
}

BOOL CRecordingTheme::DrawParentBackground(CDC* pDC, RECT*, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawParentBackground", pDC, pColor);
}

BOOL CRecordingTheme::DrawHeaderCtrlBorder(CDC* pDC, CRect&, BOOL, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawHeaderCtrlBorder", pDC, pColor);
}

BOOL CRecordingTheme::DrawHeaderCtrlSortArrow(CDC* pDC, CRect&, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawHeaderCtrlSortArrow", pDC, pColor);
}

BOOL CRecordingTheme::DrawComboBorder(CDC* pDC, CRect&, BOOL, BOOL, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawComboBorder", pDC, pColor);
}

BOOL CRecordingTheme::DrawComboDropButton(CDC* pDC, CRect&, BOOL, BOOL, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawComboDropButton", pDC, pColor);
}

BOOL CRecordingTheme::DrawComboBorderEx(CDC* pDC, CRect&, BOOL, BOOL, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawComboBorderEx", pDC, pColor);
}

BOOL CRecordingTheme::DrawComboDropButtonEx(CDC* pDC, CRect&, BOOL, BOOL, BOOL, CWnd*, CQELWindowColor* pColor)
{
    return Record("DrawComboDropButtonEx", pDC, pColor);
}

std::vector<HTHEME> CTestThemeSystem::Handles() const
{
    return {m_hThemeHeader,      m_hThemeToolbar,  m_hThemeRebar,      m_hThemeButton,   m_hThemeStatus,
            m_hThemeWindow,      m_hThemeComboBox, m_hThemeProgress,   m_hThemeScrollBar, m_hThemeExplorerBar,
            m_hThemeTreeView,    m_hThemeStartPanel, m_hThemeTaskBand, m_hThemeTaskBar,  m_hThemeSpin,
            m_hThemeTab};
}

int CTestThemeSystem::EntryPointCount() const
{
    return (m_pfnOpenThemeData != NULL) + (m_pfnCloseThemeData != NULL) + (m_pfnDrawThemeBackground != NULL)
           + (m_pfnGetThemeColor != NULL) + (m_pfnDrawThemeParentBackground != NULL);
}

bool CTestThemeSystem::IsAllZero() const
{
    for (HTHEME h : Handles())
    {
        if (h != NULL)
            return false;
    }
    return !m_bLoadTheme && m_hThemeDll == NULL && EntryPointCount() == 0;
}

// The child runs, its environment and its mark file work on narrow strings in either character set: none of
// them reaches the library.
namespace {
const char kChildMarkVariable[] = "QEL_THEME_CHILD_MARK";
}

int RunChildTests(const char* pszFilter, const std::vector<std::string>& environment, bool* ran)
{
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    char szTempDir[MAX_PATH], szMark[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTempDir);
    ::GetTempFileNameA(szTempDir, "qel", 0, szMark);
    ::DeleteFileA(szMark);

    // The child inherits this environment block; the extra variables are set around its start only.
    struct Saved { std::string name; bool bHad; std::string value; };
    std::vector<Saved> saved;
    std::vector<std::string> all = environment;
    all.push_back(std::string(kChildMarkVariable) + "=" + szMark);
    for (const std::string& assignment : all)
    {
        const size_t eq = assignment.find('=');
        const std::string name = assignment.substr(0, eq);
        char old[1024];
        const DWORD n = ::GetEnvironmentVariableA(name.c_str(), old, sizeof(old));
        const bool bHad = n > 0 && n < sizeof(old);
        saved.push_back(Saved{name, bHad, bHad ? std::string(old) : std::string()});
        ::SetEnvironmentVariableA(name.c_str(), assignment.substr(eq + 1).c_str());
    }

    std::string command = std::string("\"") + szExe + "\" --gtest_color=no --gtest_filter=" + pszFilter;
    std::vector<char> buffer(command.begin(), command.end());
    buffer.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    DWORD dwExit = 0xFFFFFFFF;
    if (::CreateProcessA(NULL, buffer.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    {
        ::WaitForSingleObject(pi.hProcess, 120000);
        ::GetExitCodeProcess(pi.hProcess, &dwExit);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }

    for (const Saved& var : saved)
        ::SetEnvironmentVariableA(var.name.c_str(), var.bHad ? var.value.c_str() : NULL);

    if (ran != nullptr)
        *ran = ::GetFileAttributesA(szMark) != INVALID_FILE_ATTRIBUTES;
    ::DeleteFileA(szMark);
    return static_cast<int>(dwExit);
}

bool IsChildRun()
{
    return ::GetEnvironmentVariableA(kChildMarkVariable, NULL, 0) > 0;
}

void MarkChildRan()
{
    char szMark[MAX_PATH];
    if (::GetEnvironmentVariableA(kChildMarkVariable, szMark, MAX_PATH) == 0)
        return;
    HANDLE h = ::CreateFileA(szMark, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
}

// The setting is the test's own, read and written narrow in either character set.
namespace {
const char kThemeManagerKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
}

CThemeActiveSetting::CThemeActiveSetting(const char* pszValue)
{
    HKEY hKey = NULL;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kThemeManagerKey, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &hKey,
                          NULL) != ERROR_SUCCESS)
        return;
    char value[64] = {};
    DWORD cb = sizeof(value) - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(hKey, "ThemeActive", NULL, &type, reinterpret_cast<BYTE*>(value), &cb) == ERROR_SUCCESS)
    {
        m_bHadValue = true;
        m_oldValue = value;
    }
    ::RegSetValueExA(hKey, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue),
                     static_cast<DWORD>(strlen(pszValue) + 1));
    ::RegCloseKey(hKey);
}

CThemeActiveSetting::~CThemeActiveSetting()
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kThemeManagerKey, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return;
    if (m_bHadValue)
        ::RegSetValueExA(hKey, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_oldValue.c_str()),
                         static_cast<DWORD>(m_oldValue.size() + 1));
    else
        ::RegDeleteValueA(hKey, "ThemeActive");
    ::RegCloseKey(hKey);
}

} // namespace themetest
