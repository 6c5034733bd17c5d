// The folder chooser driving the shell's real folder browser: found from a timer while it runs modally
// inside the constructor, inspected, and closed with OK or Cancel.
#include "QELTest.h"

#include "QELFolderDialog.h"

#include <shlobj.h>
#include <string>
#include <vector>

using namespace qeltest;

namespace {

// What the browser showed and was asked while it ran, and how the test closes it.
struct BrowserRun
{
    UINT                      closeWith = IDOK;
    bool                      selectComputer = false;   // move the selection to an item without a path
    HWND                      hBrowser = NULL;
    HWND                      hOwner = (HWND)-1;
    std::vector<std::string>  staticTexts;
    std::vector<WPARAM>       selectionWParams;           // BFFM_SETSELECTIONA seen by the browser
    std::vector<std::string>  selectionPaths;
    int                       ticks = 0;
};

BrowserRun* g_pRun = nullptr;
HHOOK g_hCallHook = NULL;

LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_pRun != nullptr)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (p->message == BFFM_SETSELECTION && p->wParam == TRUE)
        {
            g_pRun->selectionWParams.push_back(p->wParam);
            g_pRun->selectionPaths.push_back(p->lParam != 0 ? Narrow(reinterpret_cast<LPCTSTR>(p->lParam)) : "<null>");
        }
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

BOOL CALLBACK FindBrowser(HWND hwnd, LPARAM lParam)
{
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (strcmp(name, "#32770") == 0 && ::IsWindowVisible(hwnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatics(HWND hwnd, LPARAM lParam)
{
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (_stricmp(name, "Static") == 0)
    {
        char text[512] = {};
        ::GetWindowTextA(hwnd, text, sizeof(text));
        reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(text);
    }
    return TRUE;
}

VOID CALLBACK BrowserTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (g_pRun == nullptr)
        return;
    ++g_pRun->ticks;
    HWND hBrowser = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBrowser, reinterpret_cast<LPARAM>(&hBrowser));
    if (hBrowser == NULL)
        return;
    ::KillTimer(NULL, idEvent);

    g_pRun->hBrowser = hBrowser;
    g_pRun->hOwner = ::GetWindow(hBrowser, GW_OWNER);
    ::EnumChildWindows(hBrowser, CollectStatics, reinterpret_cast<LPARAM>(&g_pRun->staticTexts));
    if (g_pRun->selectComputer)
    {
        LPITEMIDLIST pidl = NULL;
        if (SUCCEEDED(::SHGetSpecialFolderLocation(hBrowser, CSIDL_DRIVES, &pidl)))
        {
            ::SendMessageA(hBrowser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(pidl));
            ::CoTaskMemFree(pidl);
        }
    }
    ::PostMessageA(hBrowser, WM_COMMAND, MAKEWPARAM(g_pRun->closeWith, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hBrowser, g_pRun->closeWith)));
}

class FolderDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_pRun = &run;
        g_hCallHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, NULL, ::GetCurrentThreadId());
        // Runs inside the browser's modal loop, which dispatches thread timers.
        timer = ::SetTimer(NULL, 0, 50, BrowserTimer);
    }

    void TearDown() override
    {
        ::KillTimer(NULL, timer);
        ::UnhookWindowsHookEx(g_hCallHook);
        g_pRun = nullptr;
        PumpUntilIdle();
    }

    static std::string WindowsFolder()
    {
        char path[MAX_PATH] = {};
        ::GetWindowsDirectoryA(path, MAX_PATH);
        return path;
    }

    static int SystemImageIndex(const std::string& path)
    {
        SHFILEINFOA info = {};
        ::SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX);
        return info.iIcon;
    }

    BrowserRun run;
    UINT_PTR   timer = 0;
};

TEST_F(FolderDialog, PreselectsTheInitialFolderAndReturnsItsPath)
{
    const std::string folder = WindowsFolder() + "\\system32";
    CQELFolderDialog dlg(nullptr, CString(folder.c_str()));
    ASSERT_NE(HWND(NULL), run.hBrowser) << "the browser did not appear";

    ASSERT_EQ(1u, run.selectionPaths.size());
    EXPECT_EQ(WPARAM(TRUE), run.selectionWParams[0]);
    EXPECT_EQ(folder, run.selectionPaths[0]);

    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, _stricmp(folder.c_str(), Narrow(dlg.GetFolder()).c_str()));
    // The browser either leaves the -1 it was given or sets the folder's index in the system image list.
    const int image = dlg.GetFolderImage();
    if (image != -1)
    {
        EXPECT_EQ(SystemImageIndex(folder), image);
    }
    // It may be called again: same answer, same path.
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, _stricmp(folder.c_str(), Narrow(dlg.GetFolder()).c_str()));
}

TEST_F(FolderDialog, DefaultsGiveNoOwnerAnEmptyTitleAndAnEmptyPreselection)
{
    run.closeWith = IDCANCEL;
    CQELFolderDialog dlg;
    ASSERT_NE(HWND(NULL), run.hBrowser);
    EXPECT_EQ(HWND(NULL), run.hOwner);
    ASSERT_EQ(1u, run.selectionPaths.size());
    EXPECT_EQ("", run.selectionPaths[0]);
    for (const std::string& text : run.staticTexts)
        EXPECT_EQ(std::string::npos, text.find("Choose")) << text;

    // Cancelled: no path, no image.
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_EQ(CString(""), dlg.GetFolder());
    EXPECT_EQ(-1, dlg.GetFolderImage());
}

TEST_F(FolderDialog, TheOwnerAndTitleReachTheBrowser)
{
    CRecorderWnd owner;
    ASSERT_TRUE(owner.CreateParent(200, 100));
    run.closeWith = IDCANCEL;
    CQELFolderDialog dlg(&owner, nullptr, _T("Choose the export folder"));
    ASSERT_NE(HWND(NULL), run.hBrowser);
    EXPECT_EQ(owner.GetSafeHwnd(), run.hOwner);
    bool found = false;
    for (const std::string& text : run.staticTexts)
        found = found || text == "Choose the export folder";
    EXPECT_TRUE(found);
    owner.DestroyWindow();
}

TEST_F(FolderDialog, AChoiceWithoutAFileSystemPathIsNoSuccess)
{
    run.selectComputer = true;
    CQELFolderDialog dlg(nullptr, nullptr, nullptr, 0);
    ASSERT_NE(HWND(NULL), run.hBrowser);
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_EQ(CString(""), dlg.GetFolder());
}

TEST_F(FolderDialog, HasItsOwnRuntimeClass)
{
    EXPECT_STREQ("CQELFolderDialog", RUNTIME_CLASS(CQELFolderDialog)->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CQELFolderDialog)->m_pfnGetBaseClass());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CQELFolderDialog)->m_pfnCreateObject);
}

} // namespace
