// The application object and the message loop: start-up state, pre-translation up the window tree, the
// run loop with idle processing, the main window's end, and the wait cursor.
#include "AfxTestSupport.h"

#include <string>
#include <vector>

using namespace afxcore;

namespace {

// Logs its pre-translation and its key-down handler into a shared log.
class CCorePreWnd : public CWnd
{
public:
    CCorePreWnd(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}
    BOOL m_bTake = FALSE;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_log.push_back(m_name);
        return m_bTake;
    }

protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { m_log.push_back(m_name + ":keydown"); }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

BEGIN_MESSAGE_MAP(CCorePreWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class AfxCorePreTranslate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(mainWnd, _T("Main window")));
        hMiddle = CreateForeignChild(mainWnd.m_hWnd, _T("STATIC"), 81);     // no object: skipped by the walk
        RECT rc = { 0, 0, 50, 20 };
        ASSERT_TRUE(leaf.Create(NULL, _T("leaf"), WS_CHILD | WS_VISIBLE, rc, CWnd::FromHandle(hMiddle), 82));
        AfxGetThread()->m_pMainWnd = &mainWnd;
        qeltest::PumpUntilIdle();
        log.clear();
    }
    void TearDown() override
    {
        // Reset first: destroying the main window would end the test program's loop.
        AfxGetThread()->m_pMainWnd = NULL;
        mainWnd.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    // Posts a key to the window and lets the thread object pump exactly that message.
    void PumpKeyTo(HWND hWnd)
    {
        qeltest::PumpUntilIdle();
        log.clear();
        ::PostMessage(hWnd, WM_KEYDOWN, 'A', 0x001E0001);
        ASSERT_TRUE(AfxGetThread()->PumpMessage());    // posted messages come before paints and timers
        ASSERT_EQ((UINT)WM_KEYDOWN, AfxGetThread()->m_msgCur.message);
        ASSERT_EQ(hWnd, AfxGetThread()->m_msgCur.hwnd);
    }

    std::vector<std::string> log;
    CCorePreWnd mainWnd{ log, "main" };
    CCorePreWnd leaf{ log, "leaf" };
    HWND hMiddle = NULL;
};

} // namespace

TEST_F(AfxCorePreTranslate, WalkGoesFromTheTargetUpToTheMainWindowThenDispatches)
{
    PumpKeyTo(leaf.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "leaf", "main", "leaf:keydown" }), log);
}

TEST_F(AfxCorePreTranslate, WindowThatTakesTheMessageEndsTheWalkAndTheDispatch)
{
    mainWnd.m_bTake = TRUE;
    PumpKeyTo(leaf.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "leaf", "main" }), log);

    log.clear();
    mainWnd.m_bTake = FALSE;
    leaf.m_bTake = TRUE;
    PumpKeyTo(leaf.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "leaf" }), log);
}

TEST_F(AfxCorePreTranslate, WindowsOutsideTheMainWindowGiveItTheLastChance)
{
    CCorePreWnd other(log, "other");
    ASSERT_TRUE(CreateTopLevel(other, _T("Other top-level window")));
    PumpKeyTo(other.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "other", "main", "other:keydown" }), log);
    other.DestroyWindow();
}

TEST_F(AfxCorePreTranslate, FocusedChildReceivesRealKeyboardInputThroughTheWalk)
{
    mainWnd.SetForegroundWindow();
    leaf.SetFocus();
    qeltest::PumpUntilIdle();
    if (::GetFocus() != leaf.m_hWnd)
        GTEST_SKIP() << "the window did not get the keyboard focus";
    log.clear();
    qeltest::InputKey('B');
    ASSERT_TRUE(qeltest::PumpUntil([&] { return !log.empty() && log.back() == "leaf:keydown"; }));
    EXPECT_EQ((std::vector<std::string>{ "leaf", "main", "leaf:keydown" }), log);
}

TEST(AfxCoreApplication, ConsoleProgramIsInitialisedLikeAnApplication)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(nullptr, pApp);
    EXPECT_EQ(pApp, AfxGetThread());
    EXPECT_TRUE(pApp->IsKindOf(RUNTIME_CLASS(CWinApp)));
    EXPECT_STREQ(_T("QELTest"), pApp->m_pszAppName);
    EXPECT_STREQ(_T("QELTest"), AfxGetAppName());
    EXPECT_STREQ(_T("QELAfxTests"), pApp->m_pszExeName);
    EXPECT_STREQ(_T("QELAfxTests.INI"), pApp->m_pszProfileName);
    EXPECT_EQ(::GetModuleHandle(NULL), pApp->m_hInstance);
    EXPECT_EQ(::GetModuleHandle(NULL), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandle(NULL), AfxGetResourceHandle());
    EXPECT_EQ(::GetCommandLine(), pApp->m_lpCmdLine);
    EXPECT_EQ(nullptr, pApp->m_hPrevInstance);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

namespace {

// A thread object whose idle calls are recorded.
class CCoreLoopThread : public CWinThread
{
public:
    std::vector<LONG> m_idleCounts;
    BOOL OnIdle(LONG lCount) override
    {
        m_idleCounts.push_back(lCount);
        return CWinThread::OnIdle(lCount);
    }
    int ExitInstance() override { return CWinThread::ExitInstance() + 1000; }
};

void CALLBACK QuitFromTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::PostQuitMessage(7);
}

} // namespace

TEST(AfxCoreMessageLoop, RunIdlesThenEndsWithTheQuitCode)
{
    qeltest::PumpUntilIdle();
    CCoreLoopThread thread;
    // The quit comes from a timer, so that the loop first runs out of messages and idles.
    ASSERT_NE(0u, ::SetTimer(NULL, 0, 10, QuitFromTimer));
    EXPECT_EQ(1007, thread.Run());
    EXPECT_EQ((UINT)WM_QUIT, thread.m_msgCur.message);
    ASSERT_GE(thread.m_idleCounts.size(), 2u);
    EXPECT_EQ(0, thread.m_idleCounts[0]);
    EXPECT_EQ(1, thread.m_idleCounts[1]);
}

TEST(AfxCoreMessageLoop, DestroyingTheMainWindowEndsTheLoop)
{
    qeltest::PumpUntilIdle();
    CWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, _T("Main to destroy")));
    AfxGetThread()->m_pMainWnd = &wnd;
    EXPECT_EQ(&wnd, AfxGetMainWnd());
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, AfxGetThread()->m_pMainWnd);

    MSG msg;
    bool bQuit = false;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            bQuit = true;
            EXPECT_EQ(0u, msg.wParam);
        }
    }
    EXPECT_TRUE(bQuit);
}

TEST(AfxCoreWaitCursor, NestedBeginsNeedAsManyEnds)
{
    CWinApp* pApp = AfxGetApp();
    const HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    const HCURSOR hWait = ::LoadCursor(NULL, IDC_WAIT);
    ::SetCursor(hArrow);

    pApp->BeginWaitCursor();
    EXPECT_EQ(1, pApp->m_nWaitCursorCount);
    EXPECT_EQ(hWait, ::GetCursor());
    {
        CWaitCursor wait;
        EXPECT_EQ(2, pApp->m_nWaitCursorCount);
        ::SetCursor(hArrow);
        wait.Restore();
        EXPECT_EQ(hWait, ::GetCursor());
    }
    EXPECT_EQ(1, pApp->m_nWaitCursorCount);
    EXPECT_EQ(hWait, ::GetCursor());
    pApp->EndWaitCursor();
    EXPECT_EQ(0, pApp->m_nWaitCursorCount);
    EXPECT_EQ(hArrow, ::GetCursor());

    // One End too many leaves the count at zero.
    pApp->EndWaitCursor();
    EXPECT_EQ(0, pApp->m_nWaitCursorCount);
    pApp->BeginWaitCursor();
    EXPECT_EQ(1, pApp->m_nWaitCursorCount);
    pApp->EndWaitCursor();
}

TEST(AfxCoreApplication, WinMainInitialisesRunsAndEndsWithoutAMainWindow)
{
    qeltest::PumpUntilIdle();
    CWinApp* pApp = AfxGetApp();
    // The application has no main window, so its loop ends at once with exit code 0.
    EXPECT_EQ(0, AfxWinMain(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWMINIMIZED));
    EXPECT_EQ(SW_SHOWMINIMIZED, pApp->m_nCmdShow);
    EXPECT_EQ(::GetModuleHandle(NULL), AfxGetInstanceHandle());
    EXPECT_STREQ(_T("QELTest"), pApp->m_pszAppName);
    pApp->m_nCmdShow = 0;
}
