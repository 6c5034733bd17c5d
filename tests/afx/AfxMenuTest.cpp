// CMenu: building and inspecting menus, handle maps, tracking a popup.
#include "QELTest.h"

namespace {

// Closes a menu that is still tracking, so that a broken test cannot hang the run.
void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

class MenuValues : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, 100, _T("&First")));
        ASSERT_TRUE(m_menu.AppendMenu(MF_SEPARATOR));
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_CHECKED, 101, _T("Second")));
        CMenu sub;
        ASSERT_TRUE(sub.CreatePopupMenu());
        sub.AppendMenu(MF_STRING, 200, _T("Inner"));
        // the parent menu owns the submenu from now on
        ASSERT_TRUE(m_menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), _T("Sub")));
    }

    void TearDown() override { CMenu::DeleteTempMap(); }

    CMenu m_menu;
};

TEST_F(MenuValues, ItemsAndIds)
{
    EXPECT_EQ(4u, m_menu.GetMenuItemCount());
    EXPECT_EQ(100u, m_menu.GetMenuItemID(0));
    EXPECT_EQ(101u, m_menu.GetMenuItemID(2));
    EXPECT_EQ((UINT)-1, m_menu.GetMenuItemID(3));      // a submenu
    EXPECT_EQ((UINT)-1, m_menu.GetMenuItemID(9));
}

TEST_F(MenuValues, StringsInBothForms)
{
    CString s;
    EXPECT_EQ(6, m_menu.GetMenuString(100, s, MF_BYCOMMAND));
    EXPECT_STREQ(_T("&First"), (LPCTSTR)s);
    EXPECT_EQ(3, m_menu.GetMenuString(3, s, MF_BYPOSITION));
    EXPECT_STREQ(_T("Sub"), (LPCTSTR)s);
    EXPECT_EQ(0, m_menu.GetMenuString(999, s, MF_BYCOMMAND));
    EXPECT_TRUE(s.IsEmpty());

    TCHAR buf[16] = _T("");
    EXPECT_EQ(6, m_menu.GetMenuString(101, buf, _countof(buf), MF_BYCOMMAND));
    EXPECT_STREQ(_T("Second"), buf);
}

TEST_F(MenuValues, CheckEnableAndState)
{
    EXPECT_EQ((UINT)MF_CHECKED, m_menu.CheckMenuItem(101, MF_BYCOMMAND | MF_UNCHECKED));
    EXPECT_EQ(0u, m_menu.GetMenuState(101, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ((UINT)MF_UNCHECKED, m_menu.CheckMenuItem(0, MF_BYPOSITION | MF_CHECKED));
    EXPECT_NE(0u, m_menu.GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED);

    EXPECT_EQ((UINT)MF_ENABLED, m_menu.EnableMenuItem(100, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_NE(0u, m_menu.GetMenuState(100, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ((UINT)-1, m_menu.EnableMenuItem(555, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ((UINT)-1, m_menu.GetMenuState(555, MF_BYCOMMAND));
    EXPECT_NE(0u, m_menu.GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(MenuValues, InsertModifyRemoveDelete)
{
    ASSERT_TRUE(m_menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 99, _T("Zero")));
    EXPECT_EQ(99u, m_menu.GetMenuItemID(0));
    ASSERT_TRUE(m_menu.ModifyMenu(99, MF_BYCOMMAND | MF_STRING, 98, _T("Changed")));
    CString s;
    m_menu.GetMenuString(0, s, MF_BYPOSITION);
    EXPECT_STREQ(_T("Changed"), (LPCTSTR)s);
    EXPECT_EQ(98u, m_menu.GetMenuItemID(0));

    // RemoveMenu leaves a submenu alive, DeleteMenu destroys it
    HMENU hSub = ::GetSubMenu(m_menu.m_hMenu, 4);
    ASSERT_NE(nullptr, hSub);
    EXPECT_TRUE(m_menu.RemoveMenu(4, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hSub));
    EXPECT_TRUE(m_menu.AppendMenu(MF_POPUP, (UINT_PTR)hSub, _T("Again")));
    EXPECT_TRUE(m_menu.DeleteMenu(4, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hSub));
    EXPECT_TRUE(m_menu.DeleteMenu(98, MF_BYCOMMAND));
    EXPECT_EQ(3u, m_menu.GetMenuItemCount());
    EXPECT_FALSE(m_menu.DeleteMenu(98, MF_BYCOMMAND));
}

TEST_F(MenuValues, SubmenusAndHandleMaps)
{
    CMenu* pSub = m_menu.GetSubMenu(3);
    ASSERT_NE(nullptr, pSub);
    EXPECT_EQ(::GetSubMenu(m_menu.m_hMenu, 3), pSub->m_hMenu);
    EXPECT_EQ(pSub, m_menu.GetSubMenu(3));
    EXPECT_EQ(200u, pSub->GetMenuItemID(0));
    EXPECT_EQ(nullptr, m_menu.GetSubMenu(0));
    EXPECT_EQ(&m_menu, CMenu::FromHandle(m_menu.m_hMenu));

    // dropping the temporary wrapper leaves the submenu alone
    HMENU hSub = pSub->m_hMenu;
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hSub));
}

TEST_F(MenuValues, DestroyAndDetach)
{
    HMENU h = m_menu.m_hMenu;
    {
        CMenu other;
        ASSERT_TRUE(other.Attach(h));
        EXPECT_EQ(h, other.Detach());
    }
    EXPECT_TRUE(::IsMenu(h));
    EXPECT_TRUE(m_menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(h));
    EXPECT_EQ(nullptr, m_menu.GetSafeHmenu());
    EXPECT_FALSE(m_menu.DestroyMenu());

    HMENU hKept = NULL;
    {
        CMenu temp;
        ASSERT_TRUE(temp.CreateMenu());
        hKept = temp.Detach();
    }
    EXPECT_TRUE(::IsMenu(hKept));
    ::DestroyMenu(hKept);
}

TEST_F(MenuValues, TrackPopupMenuReturnsTheChosenCommand)
{
    qeltest::CRecorderWnd owner;
    ASSERT_TRUE(owner.CreateParent(200, 100));
    ::SetForegroundWindow(owner.m_hWnd);
    // the menu loop reads the queue: choose the first item with the keyboard
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessage(owner.m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 5000, EndMenuTimer);
    const BOOL nCmd = m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                            10, 10, &owner);
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ(100, nCmd);
    owner.DestroyWindow();
}

} // namespace
