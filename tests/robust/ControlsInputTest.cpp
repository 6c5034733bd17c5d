// Degenerate geometry through the themes, hostile styles and long texts in the themed edit, and captions
// of 64 KB in the folder chooser.
#include "RobustTestSupport.h"

#include <cstdlib>
#include <cstring>

using namespace qeltest;

namespace {

std::vector<CRect> DegenerateRects()
{
    return {CRect(0, 0, 0, 0),        CRect(50, 20, 10, 5),          CRect(-100, -100, -10, -10),
            CRect(0, 0, 1, 1),        CRect(0, 0, 30000, 30000),     CRect(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2),
            CRect(10, 10, 10, 40),    CRect(INT_MAX - 5, 0, INT_MAX, 10)};
}

// Draws every themed part of the manager into a bitmap; the results in drawing order.
std::vector<BOOL> DrawEverything(CDC* pDC, CRect rect, CWnd* pWnd)
{
    std::vector<BOOL> results;
    CRect r = rect;
    results.push_back(_gThemeManager.DrawHeaderCtrlBorder(pDC, r, TRUE, TRUE, pWnd, nullptr));
    r = rect;
    results.push_back(_gThemeManager.DrawHeaderCtrlSortArrow(pDC, r, FALSE, pWnd, nullptr));
    r = rect;
    results.push_back(_gThemeManager.DrawComboBorder(pDC, r, TRUE, FALSE, TRUE, pWnd, nullptr));
    r = rect;
    results.push_back(_gThemeManager.DrawComboDropButton(pDC, r, FALSE, TRUE, FALSE, pWnd, nullptr));
    r = rect;
    results.push_back(_gThemeManager.DrawComboBorderEx(pDC, r, FALSE, FALSE, TRUE, pWnd, nullptr));
    r = rect;
    results.push_back(_gThemeManager.DrawComboDropButtonEx(pDC, r, TRUE, TRUE, TRUE, pWnd, nullptr));
    return results;
}

class ControlsInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateParent(400, 300));
        PumpUntilIdle();
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd() != NULL)
            parent.DestroyWindow();
        PumpUntilIdle();
    }
    CRecorderWnd parent;
};

TEST_F(ControlsInput, ThemesDrawDegenerateRectanglesWithoutLeaking)
{
    CTestBitmap bitmap(64, 64);
    DrawEverything(bitmap.GetDC(), CRect(0, 0, 20, 20), &parent);
    CLedger ledger;
    const LedgerSnapshot before = ledger.Snapshot();
    int tried = 0;
    for (const bool visualStyles : {false, true})
    {
        if (visualStyles)
            _gThemeManager.InitThemeManager();
        for (const CRect& rect : DegenerateRects())
        {
            // Wine's visual styles crash on themed parts many thousand pixels wide, inside the platform.
            if (visualStyles && (std::abs(rect.Width()) > 4096 || std::abs(rect.Height()) > 4096))
                continue;
            SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top << "," << rect.right << ","
                                            << rect.bottom << (visualStyles ? " visual styles" : ""));
            // The built-in theme draws anything it is given a device context for.
            EXPECT_EQ(std::vector<BOOL>(6, TRUE), DrawEverything(bitmap.GetDC(), rect, &parent));
            EXPECT_EQ(std::vector<BOOL>(6, FALSE), DrawEverything(nullptr, rect, &parent));
            RECT raw = rect;
            _gThemeManager.DrawParentBackground(bitmap.GetDC(), &raw, nullptr, nullptr);
            tried += 13;
        }
        _gThemeManager.ExInitThemeManager();
    }
    PumpUntilIdle();
    const std::string diff = Difference(before, ledger.Snapshot(), false);
    EXPECT_EQ("", diff) << ledger.Leaks(before);
    figures::Inputs("theme drawing with degenerate rectangles and null contexts", tried);
}

TEST_F(ControlsInput, WindowColorCopiesSurviveSelfAssignment)
{
    CQELWindowColor colors(_gWindowColor);
    colors.m_crHighlight = RGB(1, 2, 3);
    CQELWindowColor& alias = colors;
    colors = alias;
    EXPECT_EQ(RGB(1, 2, 3), colors.m_crHighlight);
    CQELWindowColor copy(colors);
    EXPECT_EQ(0, memcmp(&copy.m_crHighlight, &colors.m_crHighlight, sizeof(COLORREF)));
    _gThemeManager.UpdateWindowColor(&colors);
    _gThemeManager.UpdateWindowColor(nullptr);
    figures::Inputs("colour set copies and null colour sets", 3);
}

TEST_F(ControlsInput, ThemedEditWithAnyStyleValueAndALongText)
{
    CLedger ledger;
    int tried = 0;
    const CString text(_T('w'), 64 * 1024);
    for (const DWORD style : {DWORD(1), DWORD(0), DWORD(2), DWORD(0xFFFFFFFF), DWORD(0x80000001)})
    {
        CQELEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &parent, 9));
        PumpUntilIdle();
        const LedgerSnapshot before = ledger.Snapshot();
        edit.SetStyle(style);
        edit.SetWindowText(text);
        edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        edit.SetFocus();
        edit.SendMessage(WM_NCPAINT, 1, 0);
        edit.SendMessage(WM_MOUSELEAVE, 0, 0);
        parent.SetFocus();
        edit.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        PumpUntilIdle();
        EXPECT_EQ(text.GetLength(), edit.GetWindowTextLength()) << style;
        EXPECT_EQ("", Difference(before, ledger.Snapshot(), false)) << style << "\n" << ledger.Leaks(before);
        edit.DestroyWindow();
        ++tried;
    }
    figures::Inputs("themed edit style values with a 64 KB text", tried);
}

// Closes the shell's folder browser with Cancel once it is on screen.
VOID CALLBACK CancelBrowser(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    struct Finder
    {
        static BOOL CALLBACK Find(HWND hwnd, LPARAM lParam)
        {
            TCHAR name[16] = {};
            ::GetClassName(hwnd, name, _countof(name));
            if (lstrcmp(name, _T("#32770")) == 0 && ::IsWindowVisible(hwnd))
            {
                *reinterpret_cast<HWND*>(lParam) = hwnd;
                return FALSE;
            }
            return TRUE;
        }
    };
    HWND hBrowser = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), &Finder::Find, reinterpret_cast<LPARAM>(&hBrowser));
    if (hBrowser == NULL)
        return;
    ::KillTimer(NULL, idEvent);
    ::PostMessage(hBrowser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hBrowser, IDCANCEL)));
}

TEST_F(ControlsInput, FolderChooserWithHugeTitleAndInitialFolderIsCancelled)
{
    const CString title(_T('T'), 64 * 1024);
    const CString folder = _T("C:\\") + CString(_T('f'), 64 * 1024);
    int tried = 0;
    for (const bool withParent : {true, false})
    {
        const UINT_PTR timer = ::SetTimer(NULL, 0, 50, CancelBrowser);
        CQELFolderDialog dialog(withParent ? &parent : nullptr, folder, title);
        ::KillTimer(NULL, timer);
        EXPECT_EQ(IDABORT, dialog.DoModal());
        EXPECT_EQ("", Narrow(dialog.GetFolder()));
        ++tried;
    }
    figures::Inputs("folder chooser with a 64 KB title and initial folder", tried);
}

} // namespace
