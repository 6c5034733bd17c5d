// Window creation through the hook, subclassing of existing windows, Default(), destruction and the window
// tree helpers.
#include "AfxTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace afxcore;

namespace {

// Records the order of PreSubclassWindow and the messages it receives, and what the thread state said.
class CCoreHookWnd : public CWnd
{
public:
    std::vector<UINT> m_messages;         // every message that reached WindowProc, in order
    int m_nPreSubclass = 0;
    size_t m_nMessagesAtPreSubclass = 99;
    bool m_bInitWasThis = false;
    bool m_bInitWasNull = false;
    bool m_bAttachedAtPreSubclass = false;
    int m_nPostNcDestroy = 0;
    int m_nCreateResult = 0;              // what OnCreate answers
    CCoreHookWnd* m_pNested = NULL;       // created from OnCreate when set

    void PreSubclassWindow() override
    {
        ++m_nPreSubclass;
        m_nMessagesAtPreSubclass = m_messages.size();
        CWnd* pInit = AfxGetThreadState()->m_pWndInit;
        m_bInitWasThis = pInit == this;
        m_bInitWasNull = pInit == NULL;
        m_bAttachedAtPreSubclass = m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this;
        CWnd::PreSubclassWindow();
    }

    size_t IndexOf(UINT message) const
    {
        return (size_t)(std::find(m_messages.begin(), m_messages.end(), message) - m_messages.begin());
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        if (m_pNested != NULL)
        {
            RECT rc = { 0, 0, 50, 20 };
            if (!m_pNested->Create(NULL, _T("nested"), WS_CHILD | WS_VISIBLE, rc, this, 7))
                return -1;
        }
        return m_nCreateResult;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreHookWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// A subclassed edit control: swallows 'x', passes every other character to the edit's own procedure.
class CCoreFilterEdit : public CWnd
{
public:
    int m_nChars = 0;
    bool m_bInitWasNull = false;

    void PreSubclassWindow() override
    {
        m_bInitWasNull = AfxGetThreadState()->m_pWndInit == NULL;
        CWnd::PreSubclassWindow();
    }

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        if (nChar != 'x')
            CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreFilterEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// Subclasses a child while its own creation runs, as a list does with its header.
class CCoreSubclassingParent : public CWnd
{
public:
    CCoreFilterEdit m_edit;
    BOOL m_bSubclassed = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        CreateForeignChild(m_hWnd, _T("EDIT"), 12);
        m_bSubclassed = m_edit.SubclassDlgItem(12, this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreSubclassingParent, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CCoreFrame : public CFrameWnd
{
public:
    static int s_nDestroyed;
    ~CCoreFrame() override { ++s_nDestroyed; }
};
int CCoreFrame::s_nDestroyed = 0;

std::string WindowText(HWND hWnd)
{
    TCHAR szText[256] = _T("");
    ::GetWindowText(hWnd, szText, _countof(szText));
    return qeltest::Narrow(szText);
}

std::string ClassName(HWND hWnd)
{
    TCHAR szClass[256] = _T("");
    ::GetClassName(hWnd, szClass, _countof(szClass));
    return qeltest::Narrow(szClass);
}

class AfxCoreCreation : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateTopLevel(parent, _T("Creation parent"))); }
    void TearDown() override
    {
        if (parent.m_hWnd != NULL)
            parent.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    CWnd parent;
};

} // namespace

TEST_F(AfxCoreCreation, HookAttachesBeforeTheFirstMessageAndPreSubclassSeesTheCreation)
{
    CCoreHookWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, _T("Hooked")));

    EXPECT_EQ(1, wnd.m_nPreSubclass);
    EXPECT_EQ(0u, wnd.m_nMessagesAtPreSubclass);
    EXPECT_TRUE(wnd.m_bInitWasThis);
    EXPECT_TRUE(wnd.m_bAttachedAtPreSubclass);

    const size_t nNcCreate = wnd.IndexOf(WM_NCCREATE);
    const size_t nCreate = wnd.IndexOf(WM_CREATE);
    ASSERT_LT(nNcCreate, wnd.m_messages.size());
    ASSERT_LT(nCreate, wnd.m_messages.size());
    EXPECT_LT(nNcCreate, nCreate);

    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ((LONG_PTR)&AfxWndProc, ::GetWindowLongPtr(wnd.m_hWnd, GWLP_WNDPROC));
    // a window of the build's character set, so that controls notify it in that form
    const BOOL bUnicode = sizeof(TCHAR) == sizeof(WCHAR);
    EXPECT_EQ(bUnicode, ::IsWindowUnicode(wnd.m_hWnd));
    EXPECT_EQ(bUnicode ? NFR_UNICODE : NFR_ANSI, wnd.SendMessage(WM_NOTIFYFORMAT, (WPARAM)wnd.m_hWnd, NF_QUERY));
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit);
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_hHookOldCbtFilter);
}

TEST_F(AfxCoreCreation, ChildCreatedInsideCreationIsHookedToItsOwnObject)
{
    CCoreHookWnd outer;
    CCoreHookWnd nested;
    outer.m_pNested = &nested;
    RECT rc = { 0, 0, 200, 100 };
    ASSERT_TRUE(outer.Create(NULL, _T("outer"), WS_CHILD | WS_VISIBLE, rc, &parent, 5));

    ASSERT_NE(nullptr, nested.m_hWnd);
    EXPECT_EQ(outer.m_hWnd, ::GetParent(nested.m_hWnd));
    EXPECT_TRUE(outer.m_bInitWasThis);
    EXPECT_TRUE(nested.m_bInitWasThis);
    EXPECT_EQ(&nested, CWnd::FromHandlePermanent(nested.m_hWnd));
    EXPECT_EQ(&outer, CWnd::FromHandlePermanent(outer.m_hWnd));
    EXPECT_EQ(qeltest::Narrow(AFX_WND), ClassName(outer.m_hWnd));
    EXPECT_EQ(5, outer.GetDlgCtrlID());
}

TEST_F(AfxCoreCreation, CreateRefusedByOnCreateLeavesTheObjectDetached)
{
    CCoreHookWnd wnd;
    wnd.m_nCreateResult = -1;
    RECT rc = { 0, 0, 100, 100 };
    EXPECT_FALSE(wnd.Create(NULL, _T("refused"), WS_CHILD, rc, &parent, 6));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, ::GetDlgItem(parent.m_hWnd, 6));
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit);
}

TEST_F(AfxCoreCreation, CreateWithUnknownClassFailsWithoutAWindow)
{
    CCoreHookWnd wnd;
    RECT rc = { 0, 0, 100, 100 };
    EXPECT_FALSE(wnd.Create(_T("NoSuchClass.QEL"), _T("x"), WS_CHILD, rc, &parent, 8));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(0, wnd.m_nPreSubclass);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);     // creation failed before the window was attached
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit);
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_hHookOldCbtFilter);

    EXPECT_FALSE(wnd.Create(NULL, _T("x"), WS_POPUP, rc, &parent, 8));   // child windows only
    EXPECT_FALSE(wnd.Create(NULL, _T("x"), WS_CHILD, rc, NULL, 8));
}

TEST_F(AfxCoreCreation, SubclassedEditStillEditsThroughDefault)
{
    HWND hEdit = CreateForeignChild(parent.m_hWnd, _T("EDIT"), 11);
    const LONG_PTR editProc = ::GetWindowLongPtr(hEdit, GWLP_WNDPROC);

    CCoreFilterEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_TRUE(edit.m_bInitWasNull);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ((LONG_PTR)&AfxWndProc, ::GetWindowLongPtr(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(sizeof(TCHAR) == sizeof(WCHAR), ::IsWindowUnicode(hEdit) != FALSE);

    qeltest::TypeText(hEdit, "axbxc");
    EXPECT_EQ(5, edit.m_nChars);
    EXPECT_EQ("abc", WindowText(hEdit));
    EXPECT_EQ(3, edit.GetWindowTextLength());

    // A second object cannot take the same window.
    CWnd other;
    EXPECT_FALSE(other.SubclassWindow(hEdit));
    EXPECT_FALSE(other.Attach(hEdit));

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ(editProc, ::GetWindowLongPtr(hEdit, GWLP_WNDPROC));
    qeltest::TypeText(hEdit, "x");
    EXPECT_EQ(5, edit.m_nChars);
    EXPECT_EQ("abcx", WindowText(hEdit));
    ::DestroyWindow(hEdit);
}

TEST_F(AfxCoreCreation, SubclassDlgItemFindsTheChildById)
{
    HWND hEdit = CreateForeignChild(parent.m_hWnd, _T("EDIT"), 21);
    CCoreFilterEdit edit;
    EXPECT_FALSE(edit.SubclassDlgItem(22, &parent));
    EXPECT_FALSE(edit.SubclassDlgItem(21, NULL));
    ASSERT_TRUE(edit.SubclassDlgItem(21, &parent));
    EXPECT_EQ(hEdit, edit.m_hWnd);
    EXPECT_TRUE(edit.m_bInitWasNull);
    EXPECT_FALSE(edit.SubclassDlgItem(21, &parent));     // already attached
}

TEST_F(AfxCoreCreation, SubclassingDuringTheParentsCreationIsNotACreation)
{
    CCoreSubclassingParent wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, _T("Subclassing parent")));
    EXPECT_TRUE(wnd.m_bSubclassed);
    EXPECT_TRUE(wnd.m_edit.m_bInitWasNull);
    ASSERT_NE(nullptr, wnd.m_edit.m_hWnd);
    qeltest::TypeText(wnd.m_edit.m_hWnd, "oxk");
    EXPECT_EQ("ok", WindowText(wnd.m_edit.m_hWnd));
}

TEST_F(AfxCoreCreation, DestroyingTheParentDetachesChildObjects)
{
    CCoreHookWnd child;
    CCoreFilterEdit edit;
    RECT rc = { 0, 0, 100, 30 };
    ASSERT_TRUE(child.Create(NULL, _T("child"), WS_CHILD | WS_VISIBLE, rc, &parent, 31));
    ASSERT_TRUE(edit.SubclassWindow(CreateForeignChild(parent.m_hWnd, _T("EDIT"), 32)));
    const HWND hChild = child.m_hWnd;

    ASSERT_TRUE(parent.DestroyWindow());
    EXPECT_EQ(nullptr, parent.m_hWnd);
    EXPECT_EQ(nullptr, child.m_hWnd);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(1, child.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hChild));
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(WM_NCDESTROY, child.m_messages.back());
}

TEST_F(AfxCoreCreation, DeletingAnAttachedObjectDestroysItsWindow)
{
    CCoreHookWnd* pWnd = new CCoreHookWnd;
    RECT rc = { 0, 0, 100, 30 };
    ASSERT_TRUE(pWnd->Create(NULL, _T("doomed"), WS_CHILD | WS_VISIBLE, rc, &parent, 41));
    const HWND hWnd = pWnd->m_hWnd;
    delete pWnd;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(AfxCoreCreation, AttachAndDetachOnlyChangeTheMap)
{
    HWND hStatic = CreateForeignChild(parent.m_hWnd, _T("STATIC"), 51);
    const LONG_PTR proc = ::GetWindowLongPtr(hStatic, GWLP_WNDPROC);
    CWnd wnd;
    EXPECT_FALSE(wnd.Attach(NULL));
    ASSERT_TRUE(wnd.Attach(hStatic));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hStatic));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hStatic));
    EXPECT_EQ(proc, ::GetWindowLongPtr(hStatic, GWLP_WNDPROC));
    EXPECT_EQ(hStatic, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hStatic));
    EXPECT_TRUE(::IsWindow(hStatic));
    EXPECT_EQ(nullptr, wnd.Detach());
}

TEST_F(AfxCoreCreation, FrameWindowRegistersItsClassAndDeletesItself)
{
    CCoreFrame::s_nDestroyed = 0;
    CCoreFrame* pFrame = new CCoreFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Frame title")));
    const HWND hFrame = pFrame->m_hWnd;
    EXPECT_EQ(qeltest::Narrow(AFX_WNDFRAMEORVIEW), ClassName(hFrame));
    EXPECT_EQ("Frame title", WindowText(hFrame));
    EXPECT_TRUE(::GetWindowLong(hFrame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd)));

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(1, CCoreFrame::s_nDestroyed);
}

TEST_F(AfxCoreCreation, RegisteredClassNamesDependOnTheirAttributes)
{
    const CString first = AfxRegisterWndClass(CS_HREDRAW);
    const CString again = AfxRegisterWndClass(CS_HREDRAW);
    const CString other = AfxRegisterWndClass(CS_VREDRAW, ::LoadCursor(NULL, IDC_CROSS));
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    WNDCLASS wc;
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), other, &wc));
    EXPECT_EQ((UINT)CS_VREDRAW, wc.style);
    EXPECT_EQ(::LoadCursor(NULL, IDC_CROSS), wc.hCursor);
}

TEST_F(AfxCoreCreation, NullObjectsHaveNoHandle)
{
    CWnd* pNull = AfxLaunderPtr((CWnd*)NULL);
    EXPECT_EQ(nullptr, pNull->GetSafeHwnd());
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(NULL));
}

TEST_F(AfxCoreCreation, OwnerAndTopLevelParent)
{
    CWnd child;
    CWnd grandChild;
    ASSERT_TRUE(CreateChild(child, parent, NULL, 61));
    ASSERT_TRUE(CreateChild(grandChild, child, NULL, 62));

    EXPECT_EQ(&child, grandChild.GetParent());
    EXPECT_EQ(&child, grandChild.GetOwner());
    EXPECT_EQ(&parent, grandChild.GetTopLevelParent());
    EXPECT_EQ(&parent, grandChild.GetParentOwner());

    grandChild.SetOwner(&parent);
    EXPECT_EQ(&parent, grandChild.GetOwner());
    EXPECT_EQ(&child, grandChild.GetParent());
    EXPECT_EQ(&grandChild, parent.GetDescendantWindow(62));
    EXPECT_EQ(&grandChild, parent.GetDescendantWindow(62, TRUE));
    EXPECT_EQ(nullptr, parent.GetDescendantWindow(63));

    EXPECT_TRUE(parent.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_TRUE(parent.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(parent.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_FALSE(parent.GetExStyle() & WS_EX_TOPMOST);
}

TEST_F(AfxCoreCreation, ModifyStyleReportsWhetherAnythingChanged)
{
    EXPECT_TRUE(parent.ModifyStyle(0, WS_HSCROLL));
    EXPECT_TRUE(parent.GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(parent.ModifyStyle(0, WS_HSCROLL));
    EXPECT_TRUE(parent.ModifyStyle(WS_HSCROLL, 0, SWP_FRAMECHANGED));
    EXPECT_FALSE(parent.GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(parent.ModifyStyleEx(0, WS_EX_TOOLWINDOW));
    EXPECT_TRUE(parent.GetExStyle() & WS_EX_TOOLWINDOW);
}

namespace {

// Throws from its handlers, as code that runs out of memory would.
class CCoreThrowingWnd : public CWnd
{
public:
    BOOL m_bThrowOnCreate = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_bThrowOnCreate)
            throw std::bad_alloc();
        return CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { throw std::bad_alloc(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_USER + 7, &CCoreThrowingWnd::OnThrow)
END_MESSAGE_MAP()

} // namespace

TEST_F(AfxCoreCreation, ExceptionsFromHandlersFailTheMessageNotTheProgram)
{
    CCoreThrowingWnd refused;
    refused.m_bThrowOnCreate = TRUE;
    RECT rc = { 0, 0, 50, 20 };
    EXPECT_FALSE(refused.Create(NULL, _T("x"), WS_CHILD, rc, &parent, 101));
    EXPECT_EQ(nullptr, refused.m_hWnd);

    CCoreThrowingWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, _T("x"), WS_CHILD, rc, &parent, 102));
    EXPECT_EQ(0, wnd.SendMessage(WM_USER + 7));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_NE((UINT)(WM_USER + 7), AfxGetThreadState()->m_lastSentMsg.message);   // nesting state restored
}
