// The right-click column menu: its entries while it is open, the commands it produces, the owner's veto,
// the routing of command ids and the off switch.
#include "HeaderTestSupport.h"

#include <algorithm>
#include <functional>

using namespace qeltest;
using namespace headertest;

namespace {

struct MenuEntry
{
    UINT         id;
    UINT         state;
    std::string  text;       // as an ANSI program reads it
    std::wstring wideText;
};

// Watches for the header's popup menu on this thread: reads it once the menu loop is idle (the menu is
// then on screen), then runs an action that normally closes it.
class CMenuWatcher
{
public:
    explicit CMenuWatcher(std::function<void()> action = [] { ::EndMenu(); })
    {
        s_this = this;
        m_action = std::move(action);
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CMenuWatcher::Hook, NULL, ::GetCurrentThreadId());
        // Should the idle notification never come, close the menu anyway.
        m_timer = ::SetTimer(NULL, 0, 3000, &CMenuWatcher::Fallback);
    }
    ~CMenuWatcher()
    {
        ::KillTimer(NULL, m_timer);
        ::UnhookWindowsHookEx(m_hHook);
        s_this = nullptr;
    }

    bool opened = false;
    bool readWhileOpen = false;
    HMENU hMenu = NULL;
    CRect windowRect;
    std::vector<MenuEntry> entries;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && s_this != nullptr)
        {
            if (p->message == WM_INITMENUPOPUP && !s_this->opened)
            {
                s_this->opened = true;
                s_this->hMenu = (HMENU)p->wParam;
                CDefaultLog::Mark("menu open");
            }
            else if (p->message == WM_ENTERIDLE && p->wParam == MSGF_MENU && s_this->opened && !s_this->m_acted)
            {
                s_this->m_acted = true;
                s_this->ReadOpenMenu();
                s_this->m_action();
            }
        }
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }
    static void CALLBACK Fallback(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EndMenu();
    }
    void ReadOpenMenu()
    {
        HWND hPopup = ::FindWindowA("#32768", NULL);
        if (hPopup != NULL && ::IsWindowVisible(hPopup))
        {
            readWhileOpen = true;
            ::GetWindowRect(hPopup, &windowRect);
            HMENU hShown = (HMENU)::SendMessageA(hPopup, MN_GETHMENU, 0, 0);
            if (hShown != NULL)
                hMenu = hShown;
        }
        const int n = ::GetMenuItemCount(hMenu);
        for (int i = 0; i < n; ++i)
        {
            MenuEntry e;
            e.id = ::GetMenuItemID(hMenu, i);
            e.state = ::GetMenuState(hMenu, i, MF_BYPOSITION);
            char text[1024] = "";
            ::GetMenuStringA(hMenu, i, text, sizeof(text), MF_BYPOSITION);
            e.text = text;
            wchar_t wideText[1024] = L"";
            ::GetMenuStringW(hMenu, i, wideText, _countof(wideText), MF_BYPOSITION);
            e.wideText = wideText;
            entries.push_back(e);
        }
    }

    static CMenuWatcher* s_this;
    std::function<void()> m_action;
    HHOOK m_hHook = NULL;
    UINT_PTR m_timer = 0;
    bool m_acted = false;
};

CMenuWatcher* CMenuWatcher::s_this = nullptr;

class HeaderMenu : public HeaderTest
{
protected:
    void SetUp() override
    {
        HeaderTest::SetUp();
        MakeHeader({100, 110, 120, 130, 90});
    }
    void RightButtonDown(CPoint pt)
    {
        ::SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    LRESULT Command(WPARAM id)
    {
        return ::SendMessageA(hwnd, WM_COMMAND, id, 0);
    }
};

TEST_F(HeaderMenu, MenuListsEveryColumnInIndexOrderWithItsState)
{
    ASSERT_EQ(1, header.ShowColumn(2, 0, -1));
    ASSERT_EQ(1, header.ForceHideColumn(4, 1, 0));
    int order[] = {4, 3, 2, 1, 0};
    ASSERT_TRUE(::SendMessageA(hwnd, HDM_SETORDERARRAY, 5, (LPARAM)order));
    CDefaultLog::Clear();
    {
        CMenuWatcher watcher;
        RightButtonDown(CPoint(30, 10));
        ASSERT_TRUE(watcher.opened);
        EXPECT_TRUE(watcher.readWhileOpen);
        ASSERT_EQ(5u, watcher.entries.size());
        for (int i = 0; i < 5; ++i)
        {
            const MenuEntry& e = watcher.entries[i];
            char caption[16];
            wsprintfA(caption, "Col%d", i);
            EXPECT_EQ(5050u + i, e.id);
            EXPECT_EQ(caption, e.text);
            const bool checked = (i == 0 || i == 1 || i == 3);
            EXPECT_EQ(checked, (e.state & MF_CHECKED) != 0) << i;
            const bool grey = (i == 4);
            EXPECT_EQ(grey, (e.state & MF_GRAYED) != 0) << i;
            EXPECT_EQ(grey, (e.state & MF_DISABLED) != 0) << i;
        }
        // Shown at the click point, on screen.
        CPoint pt(30, 10);
        ::ClientToScreen(hwnd, &pt);
        EXPECT_EQ(pt, watcher.windowRect.TopLeft());
        // The control sees the right button after the menu has closed; the menu is gone afterwards.
        const std::vector<std::string> seq = CDefaultLog::Sequence();
        const auto open = std::find(seq.begin(), seq.end(), "menu open");
        const auto press = std::find(seq.begin(), seq.end(), MessageName(WM_RBUTTONDOWN));
        EXPECT_TRUE(open != seq.end() && press != seq.end() && open < press);
        EXPECT_EQ(1, CDefaultLog::Count(WM_RBUTTONDOWN));
        EXPECT_FALSE(::IsMenu(watcher.hMenu));
    }
    PumpUntilIdle();
    EXPECT_TRUE(HeaderMessages().empty());
}

TEST_F(HeaderMenu, LongCaptionIsCutTo255Characters)
{
    const std::string longText(300, 'x');
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPSTR>(longText.c_str());
    ::SendMessageA(hwnd, HDM_SETITEMA, 1, (LPARAM)&item);
    CMenuWatcher watcher;
    RightButtonDown(CPoint(30, 10));
    ASSERT_EQ(5u, watcher.entries.size());
    EXPECT_EQ(std::string(255, 'x'), watcher.entries[1].text);
}

#ifdef _UNICODE
TEST_F(HeaderMenu, NonLatinCaptionsReachTheMenuEntries)
{
    const wchar_t* const captions[] = { L"\u0391\u03b8\u03ae\u03bd\u03b1", L"\u041c\u043e\u0441\u043a\u0432\u0430",
                                        L"\u6771\u4eac\u90fd" };
    for (int i = 0; i < 3; ++i)
    {
        HDITEMW item = {};
        item.mask = HDI_TEXT;
        item.pszText = const_cast<LPWSTR>(captions[i]);
        ::SendMessageW(hwnd, HDM_SETITEMW, i, (LPARAM)&item);
    }
    CMenuWatcher watcher;
    RightButtonDown(CPoint(30, 10));
    ASSERT_EQ(5u, watcher.entries.size());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(captions[i], watcher.entries[i].wideText) << i;
}
#endif

TEST_F(HeaderMenu, ChoosingACheckedEntryHidesItsColumn)
{
    {
        CMenuWatcher watcher([this] {
            // Down twice selects the second entry; Enter chooses it.
            for (UINT vk : {VK_DOWN, VK_DOWN, VK_RETURN})
            {
                ::PostMessageA(hwnd, WM_KEYDOWN, vk, 1);
                ::PostMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
            }
        });
        RightButtonDown(CPoint(30, 10));
        ASSERT_TRUE(watcher.opened);
    }
    PumpUntilIdle();
    EXPECT_EQ(0, ItemWidth(hwnd, 1));
    EXPECT_EQ(0, header.IsVisibleColumn(1));
    EXPECT_EQ(110, header.GetColumnWidth(1));
    EXPECT_TRUE(MatchSequence(HeaderMessages(), {
        Sent(WithLParam(WithWParam(Msg(WM_QEL_HEADERVISIABLECHANGE), 1), 1)),
        Posted(Msg(WM_QEL_HEADERCHANGED)),
    }));
}

TEST_F(HeaderMenu, CommandTogglesAColumnAsksFirstAndReportsAfter)
{
    ::SetFocus(hwnd);
    EXPECT_EQ(0, Command(5050));
    EXPECT_EQ(0, ItemWidth(hwnd, 0));
    EXPECT_EQ(100, header.GetColumnWidth(0));
    EXPECT_EQ(parent.GetSafeHwnd(), ::GetFocus());
    PumpUntilIdle();
    EXPECT_TRUE(MatchSequence(HeaderMessages(), {
        Sent(WithLParam(WithWParam(Msg(WM_QEL_HEADERVISIABLECHANGE), 0), 1)),   // visible now
        Posted(WithLParam(WithWParam(Msg(WM_QEL_HEADERCHANGED), 0), 0)),
    }));

    parent.Flush();
    EXPECT_EQ(0, Command(5050));
    PumpUntilIdle();
    EXPECT_EQ(100, ItemWidth(hwnd, 0));
    EXPECT_EQ(1, header.IsVisibleColumn(0));
    EXPECT_TRUE(MatchSequence(HeaderMessages(), {
        Sent(WithLParam(Msg(WM_QEL_HEADERVISIABLECHANGE), 0)),                 // hidden now
        Posted(Msg(WM_QEL_HEADERCHANGED)),
    }));
}

TEST_F(HeaderMenu, OwnersRefusalChangesNothing)
{
    parent.SetAnswer(WM_QEL_HEADERVISIABLECHANGE, 1);
    ::SetFocus(hwnd);
    EXPECT_EQ(0, Command(5051));
    PumpUntilIdle();
    EXPECT_EQ(110, ItemWidth(hwnd, 1));
    EXPECT_EQ(1, header.IsVisibleColumn(1));
    EXPECT_FALSE(header.HasRecord(1));
    EXPECT_EQ(hwnd, ::GetFocus());
    const std::vector<RecordedMessage> msgs = HeaderMessages();
    ASSERT_EQ(1u, msgs.size());
    EXPECT_EQ(WM_QEL_HEADERVISIABLECHANGE, msgs[0].message);
}

TEST_F(HeaderMenu, ForcedColumnIsAskedAboutButStaysHidden)
{
    ASSERT_EQ(1, header.ForceHideColumn(2, 1, 0));
    EXPECT_EQ(0, Command(5052));
    PumpUntilIdle();
    EXPECT_EQ(0, ItemWidth(hwnd, 2));
    const std::vector<RecordedMessage> msgs = HeaderMessages();
    ASSERT_EQ(1u, msgs.size());
    EXPECT_EQ(WM_QEL_HEADERVISIABLECHANGE, msgs[0].message);
    EXPECT_EQ(2u, msgs[0].wParam);
    EXPECT_EQ(0, msgs[0].lParam);
}

TEST_F(HeaderMenu, HidingAHiddenColumnKeepsTheWidthToGiveBack)
{
    Command(5051);                                   // hidden by the user
    ASSERT_EQ(1, header.ForceHideColumn(1, 1, 0));   // then by the application
    EXPECT_EQ(110, header.GetColumnWidth(1));
    ASSERT_EQ(1, header.ForceHideColumn(1, 0, 1));
    EXPECT_EQ(110, ItemWidth(hwnd, 1));

    ASSERT_EQ(1, header.ShowColumn(2, 0, -1));
    ASSERT_EQ(1, header.ShowColumn(2, 0, -1));
    Command(5052);
    EXPECT_EQ(120, ItemWidth(hwnd, 2));
}

TEST_F(HeaderMenu, NotificationsOfChildControlsAreNoMenuChoices)
{
    // Controls placed on the header report to it with their ids, here in the column menu's range.
    const HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, hwnd,
                                         (HMENU)(INT_PTR)5051, NULL, NULL);
    const HWND hButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 60, 0, 60, 20,
                                           hwnd, (HMENU)(INT_PTR)5052, NULL, NULL);
    ASSERT_TRUE(hEdit != NULL && hButton != NULL);
    CDefaultLog::Clear();
    ::SetWindowTextA(hEdit, "x");              // EN_CHANGE in the high word
    ::SendMessageA(hButton, BM_CLICK, 0, 0);   // BN_CLICKED is code 0, but comes with the button's window
    PumpUntilIdle();
    EXPECT_TRUE(HeaderMessages().empty());
    EXPECT_EQ(110, ItemWidth(hwnd, 1));
    EXPECT_EQ(120, ItemWidth(hwnd, 2));
    EXPECT_GE(CDefaultLog::Count(WM_COMMAND), 2);   // ordinary dispatch ends in the control's own procedure
}

TEST_F(HeaderMenu, EveryColumnCanBeHidden)
{
    for (WPARAM id = 5050; id < 5055; ++id)
        Command(id);
    PumpUntilIdle();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(0, ItemWidth(hwnd, i)) << i;
    EXPECT_EQ(5, Changed());
}

TEST_F(HeaderMenu, CommandIdsFrom5000AreTakenByTheHeader)
{
    CDefaultLog::Clear();
    EXPECT_EQ(0, Command(5000));
    EXPECT_EQ(0, Command(5049));
    EXPECT_EQ(0, CDefaultLog::Count(WM_COMMAND));
    Command(4999);                          // ordinary dispatch ends in the control's own procedure
    EXPECT_EQ(1, CDefaultLog::Count(WM_COMMAND));
    EXPECT_EQ(0, Command(5050 + 10));       // no such column: asked, then refused by the range check
    EXPECT_EQ(1, CDefaultLog::Count(WM_COMMAND));
    PumpUntilIdle();
    const std::vector<RecordedMessage> msgs = HeaderMessages();
    ASSERT_EQ(1u, msgs.size());
    EXPECT_EQ(WM_QEL_HEADERVISIABLECHANGE, msgs[0].message);
    EXPECT_EQ(10u, msgs[0].wParam);
}

TEST_F(HeaderMenu, OwnerReceivesTheMessagesFocusGoesToTheParent)
{
    CRecorderWnd owner;
    ASSERT_TRUE(owner.CreateParent(100, 100, "owner"));
    header.SetOwner(&owner);
    parent.SetActiveWindow();
    ::SetFocus(hwnd);
    Command(5053);
    PumpUntilIdle();
    EXPECT_TRUE(HeaderMessages().empty());
    EXPECT_TRUE(owner.Matches({ Sent(Msg(WM_QEL_HEADERVISIABLECHANGE)), Posted(Msg(WM_QEL_HEADERCHANGED)) }));
    EXPECT_EQ(0, ItemWidth(hwnd, 3));
    header.SetOwner(NULL);
}

TEST_F(HeaderMenu, SwitchedOffTheRightClickDoesNothingAtAll)
{
    header.EnableColumnMenu(0);
    EXPECT_EQ(0, header.IsColumnMenu());
    CDefaultLog::Clear();
    {
        CMenuWatcher watcher;
        RightButtonDown(CPoint(30, 10));
        EXPECT_FALSE(watcher.opened);
    }
    EXPECT_EQ(0, CDefaultLog::Count(WM_RBUTTONDOWN));

    header.EnableColumnMenu(1);
    {
        CMenuWatcher watcher;
        RightButtonDown(CPoint(30, 10));
        EXPECT_TRUE(watcher.opened);
    }
    EXPECT_EQ(1, CDefaultLog::Count(WM_RBUTTONDOWN));
}

} // namespace
