// Window objects deleted from inside their own handlers: the layer must not touch them afterwards. The
// objects live in their own pages, which become inaccessible on deletion, so any late access faults.
#include "AfxTestSupport.h"

using namespace afxcore;

namespace {

const UINT WM_CORE_EDITEND = WM_APP + 20;      // child to owner: "I am done, delete me"
const UINT WM_CORE_SELFNOTIFY = WM_APP + 21;   // makes the child notify its parent about itself
const WORD kSelfNotifyCode = 0x0123;

class CCoreDeletingOwner;

// An editor-like child that reports the end of its life to its owner, which deletes it.
class CCoreGuardedChild : public CWnd
{
public:
    static void* operator new(size_t size) { return GuardedAlloc(size); }
    static void operator delete(void* p, size_t size) { GuardedFree(p, size); }

    HWND m_hOwner = NULL;

protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd)
    {
        CWnd::OnKillFocus(pNewWnd);
        ::SendMessage(m_hOwner, WM_CORE_EDITEND, 0, (LPARAM)m_hWnd);
        // The owner deleted this object: nothing of it may be used from here on.
    }
    afx_msg LRESULT OnSelfNotify(WPARAM, LPARAM)
    {
        const HWND hWnd = m_hWnd;
        ::SendMessage(::GetParent(hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWnd), kSelfNotifyCode), (LPARAM)hWnd);
        return 5;       // answered after this object was deleted by its reflected notification
    }
    afx_msg void OnReflectedSelfNotify()
    {
        ::SendMessage(m_hOwner, WM_CORE_EDITEND, 0, (LPARAM)m_hWnd);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreGuardedChild, CWnd)
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_CORE_SELFNOTIFY, &CCoreGuardedChild::OnSelfNotify)
    ON_CONTROL_REFLECT(kSelfNotifyCode, &CCoreGuardedChild::OnReflectedSelfNotify)
END_MESSAGE_MAP()

class CCoreDeletingOwner : public CWnd
{
public:
    CCoreGuardedChild* m_pChild = NULL;
    int m_nDeleted = 0;

protected:
    afx_msg LRESULT OnEditEnd(WPARAM, LPARAM)
    {
        delete m_pChild;
        m_pChild = NULL;
        ++m_nDeleted;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreDeletingOwner, CWnd)
    ON_MESSAGE(WM_CORE_EDITEND, &CCoreDeletingOwner::OnEditEnd)
END_MESSAGE_MAP()

class AfxCoreSelfDeletion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(owner, _T("Deleting owner")));
        hOther = CreateForeignChild(owner.m_hWnd, _T("EDIT"), 92);
        owner.m_pChild = new CCoreGuardedChild;
        owner.m_pChild->m_hOwner = owner.m_hWnd;
        RECT rc = { 10, 50, 200, 80 };
        ASSERT_TRUE(owner.m_pChild->Create(_T("EDIT"), _T("text"), WS_CHILD | WS_VISIBLE | WS_BORDER, rc, &owner, 91));
        hChild = owner.m_pChild->m_hWnd;
        pChildMemory = owner.m_pChild;
    }
    void TearDown() override
    {
        delete owner.m_pChild;
        owner.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    CCoreDeletingOwner owner;
    HWND hOther = NULL;
    HWND hChild = NULL;
    void* pChildMemory = NULL;
};

} // namespace

TEST_F(AfxCoreSelfDeletion, GuardMakesDeletedObjectsInaccessible)
{
    EXPECT_FALSE(::IsBadReadPtr(pChildMemory, sizeof(void*)));
    delete owner.m_pChild;
    owner.m_pChild = NULL;
    EXPECT_TRUE(::IsBadReadPtr(pChildMemory, sizeof(void*)));
    EXPECT_FALSE(::IsWindow(hChild));
}

TEST_F(AfxCoreSelfDeletion, ObjectDeletedByItsOwnerDuringItsKillFocus)
{
    ::SetFocus(hChild);
    ASSERT_EQ(hChild, ::GetFocus());
    ::SetFocus(hOther);     // WM_KILLFOCUS: the child reports, the owner deletes it, the handler returns

    EXPECT_EQ(1, owner.m_nDeleted);
    EXPECT_EQ(nullptr, owner.m_pChild);
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hChild));
    EXPECT_EQ(hOther, ::GetFocus());
    EXPECT_TRUE(::IsBadReadPtr(pChildMemory, sizeof(void*)));
    qeltest::PumpUntilIdle();
}

TEST_F(AfxCoreSelfDeletion, ObjectDeletedInsideItsReflectedNotification)
{
    // child handler → parent's WM_COMMAND → reflected back to the child → owner deletes the child → all return
    EXPECT_EQ(5, ::SendMessage(hChild, WM_CORE_SELFNOTIFY, 0, 0));
    EXPECT_EQ(1, owner.m_nDeleted);
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_TRUE(::IsBadReadPtr(pChildMemory, sizeof(void*)));
    qeltest::PumpUntilIdle();
}
