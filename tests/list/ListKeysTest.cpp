// Key and wheel rules that every editor applies through its factory.
#include "QELListFixture.h"

using namespace qeltest;

namespace {

class EditorKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target.CreateParent(200, 100));
        target.SetFocus();
    }
    void TearDown() override
    {
        ReleaseAllKeys();
        target.DestroyWindow();
    }
    // The move requests posted to the target since the last call.
    std::vector<RecordedMessage> Requests()
    {
        PumpUntilIdle();
        std::vector<RecordedMessage> r = target.MessagesOf(WM_QEL_LISTITEMEDIT);
        target.Flush();
        return r;
    }

    CRecorderWnd     target;
    CQELBaseListItem item;
};

} // namespace

TEST_F(EditorKeys, KeysPostMoveRequestsWithTheirFlags)
{
    struct Case { UINT vk; bool ctrl; bool shift; bool posts; };
    const Case cases[] = {
        { VK_PRIOR, false, false, true },  { VK_NEXT, false, false, true },
        { VK_PRIOR, true,  false, true },  { VK_NEXT, true,  true,  true },
        { VK_TAB,   false, false, false }, { VK_TAB,  true,  false, true },  { VK_TAB, true, true, true },
        { VK_TAB,   false, true,  false },
        { VK_HOME,  false, false, false }, { VK_HOME, true,  false, true },
        { VK_END,   false, false, false }, { VK_END,  true,  false, true },
        { VK_UP,    false, false, false }, { VK_UP,   true,  false, true },
        { VK_DOWN,  false, false, false }, { VK_DOWN, true,  true,  true },
        { VK_LEFT,  true,  false, false }, { 'A',     true,  false, false }, { VK_DELETE, false, false, false },
    };
    for (const Case& c : cases)
    {
        SetModifierKeys(c.ctrl, c.shift);
        BOOL bCancel = FALSE;
        EXPECT_TRUE(item.OnKeyDown(c.vk, 1, 0, &target, 3, 2, bCancel)) << c.vk;
        EXPECT_FALSE(bCancel);
        const std::vector<RecordedMessage> posted = Requests();
        ASSERT_EQ(c.posts ? 1u : 0u, posted.size()) << "key " << c.vk << " ctrl " << c.ctrl << " shift " << c.shift;
        if (!c.posts)
            continue;
        const UINT high = c.vk | (c.ctrl ? QEL_LISTKEY_CTRL : 0) | (c.shift ? QEL_LISTKEY_SHIFT : 0);
        EXPECT_EQ(Delivery::Posted, posted[0].delivery);
        EXPECT_EQ(3u, posted[0].wParam);
        EXPECT_EQ((LPARAM)((high << 16) | 2), posted[0].lParam) << c.vk;
    }
}

TEST_F(EditorKeys, EnterCommitsAndEscapeCancelsThroughTheFocus)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &target, 1));
    for (UINT vk : { (UINT)VK_RETURN, (UINT)VK_ESCAPE })
    {
        SetModifierKeys(true, false);
        edit.SetFocus();
        BOOL bCancel = FALSE;
        EXPECT_FALSE(item.OnKeyDown(vk, 1, 0, &target, 0, 0, bCancel));
        EXPECT_EQ(vk == VK_ESCAPE, bCancel != FALSE);
        EXPECT_EQ(target.m_hWnd, ::GetFocus());
        EXPECT_TRUE(Requests().empty());
    }
}

TEST_F(EditorKeys, WithoutATargetNothingHappens)
{
    SetModifierKeys(true, true);
    for (UINT vk : { (UINT)VK_RETURN, (UINT)VK_ESCAPE, (UINT)VK_TAB, (UINT)VK_NEXT })
    {
        BOOL bCancel = FALSE;
        EXPECT_TRUE(item.OnKeyDown(vk, 1, 0, NULL, 0, 0, bCancel));
        EXPECT_FALSE(bCancel);
    }
    BOOL bCancel = FALSE;
    EXPECT_TRUE(item.OnMouseWheel(0, 120, CPoint(), NULL, 0, 0, bCancel));
}

TEST_F(EditorKeys, CtrlWheelMovesUpOrDown)
{
    BOOL bCancel = FALSE;
    SetModifierKeys(false, false);
    EXPECT_FALSE(item.OnMouseWheel(0, 120, CPoint(), &target, 4, 1, bCancel));
    SetModifierKeys(true, true);
    EXPECT_FALSE(item.OnMouseWheel(0, 0, CPoint(), &target, 4, 1, bCancel));
    EXPECT_TRUE(Requests().empty());

    EXPECT_TRUE(item.OnMouseWheel(0, 120, CPoint(), &target, 4, 1, bCancel));
    EXPECT_TRUE(item.OnMouseWheel(0, -240, CPoint(), &target, 4, 0x12345, bCancel));
    const std::vector<RecordedMessage> posted = Requests();
    ASSERT_EQ(2u, posted.size());
    EXPECT_EQ((LPARAM)(((VK_UP | QEL_LISTKEY_CTRL) << 16) | 1), posted[0].lParam);   // Shift is never added
    EXPECT_EQ((LPARAM)(((VK_DOWN | QEL_LISTKEY_CTRL) << 16) | 0x2345), posted[1].lParam);
    EXPECT_EQ(4u, posted[1].wParam);
    EXPECT_EQ(Delivery::Posted, posted[1].delivery);
    EXPECT_FALSE(bCancel);
}
