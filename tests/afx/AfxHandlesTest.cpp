// Handle maps: temporary objects for windows without one, freed at idle; permanent objects win.
#include "AfxTestSupport.h"

using namespace afxcore;

namespace {

struct ThreadLookup
{
    HWND hForeign;
    HWND hParent;
    CWnd* pPermanent;
    CWnd* pFromHandle;
    CWnd* pParent;
};

DWORD WINAPI LookupOnAnotherThread(LPVOID p)
{
    ThreadLookup* pLookup = (ThreadLookup*)p;
    pLookup->pPermanent = CWnd::FromHandlePermanent(pLookup->hParent);
    pLookup->pFromHandle = CWnd::FromHandle(pLookup->hForeign);
    pLookup->pParent = CWnd::FromHandle(pLookup->hParent);
    return 0;       // the thread's temporary objects go with its state
}

class AfxCoreHandleMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(parent, _T("Handle maps")));
        hForeign = CreateForeignChild(parent.m_hWnd, _T("STATIC"), 71);
        ASSERT_NE(nullptr, hForeign);
        FreeTemporaries();
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    // The application's second idle round frees the temporary objects.
    static void FreeTemporaries()
    {
        AfxGetApp()->OnIdle(0);
        AfxGetApp()->OnIdle(1);
    }

    CWnd parent;
    HWND hForeign = NULL;
};

} // namespace

TEST_F(AfxCoreHandleMap, ForeignWindowGetsOneTemporaryObjectUntilIdle)
{
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(RUNTIME_CLASS(CWnd), pTemp->GetRuntimeClass());
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
    EXPECT_EQ(pTemp, LookupTemporary(hForeign));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));

    // The first idle round only updates the user interface; the second frees.
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(pTemp, LookupTemporary(hForeign));
    EXPECT_FALSE(AfxGetApp()->OnIdle(1));
    EXPECT_EQ(nullptr, LookupTemporary(hForeign));
    EXPECT_EQ(0u, TemporaryCount());
    EXPECT_TRUE(::IsWindow(hForeign));     // freeing the object leaves the window alone
}

TEST_F(AfxCoreHandleMap, TemporariesOfWindowArgumentsAreFreedToo)
{
    CWnd* pParentOfForeign = CWnd::FromHandle(hForeign)->GetParent();
    EXPECT_EQ(&parent, pParentOfForeign);          // permanent object, no temporary made
    CWnd* pFocus = CWnd::GetDesktopWindow();
    ASSERT_NE(nullptr, pFocus);
    EXPECT_GE(TemporaryCount(), 2u);
    FreeTemporaries();
    EXPECT_EQ(0u, TemporaryCount());
}

TEST_F(AfxCoreHandleMap, LockedTemporariesSurviveIdle)
{
    CWnd::FromHandle(hForeign);
    AfxLockTempMaps();
    AfxGetApp()->OnIdle(1);
    EXPECT_NE(nullptr, LookupTemporary(hForeign));
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(nullptr, LookupTemporary(hForeign));
}

TEST_F(AfxCoreHandleMap, PermanentObjectReplacesTheTemporaryForLookups)
{
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hForeign));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hForeign));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hForeign));
    EXPECT_EQ(pTemp, LookupTemporary(hForeign));     // still owned by the map until idle
    FreeTemporaries();
    EXPECT_EQ(&wnd, CWnd::FromHandle(hForeign));
    EXPECT_EQ(hForeign, wnd.m_hWnd);                 // freeing the temporary did not detach the object
    wnd.UnsubclassWindow();
}

TEST_F(AfxCoreHandleMap, DestroyingThroughATemporaryDetachesIt)
{
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_FALSE(::IsWindow(hForeign));
    EXPECT_EQ(nullptr, pTemp->m_hWnd);
    EXPECT_EQ(nullptr, LookupTemporary(hForeign));
    EXPECT_EQ(1u, TemporaryCount());            // freed at the next idle time
    FreeTemporaries();
    EXPECT_EQ(0u, TemporaryCount());

    // A new window that happens to get the same handle value gets a fresh object.
    HWND hNew = CreateForeignChild(parent.m_hWnd, _T("STATIC"), 72);
    CWnd* pNew = CWnd::FromHandle(hNew);
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(hNew, pNew->m_hWnd);
}

TEST_F(AfxCoreHandleMap, ObjectsAreKeptPerThread)
{
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ThreadLookup result = { hForeign, parent.m_hWnd, NULL, NULL, NULL };
    HANDLE hThread = ::CreateThread(NULL, 0, LookupOnAnotherThread, &result, 0, NULL);
    ASSERT_NE(nullptr, hThread);
    ::WaitForSingleObject(hThread, 5000);
    ::CloseHandle(hThread);

    EXPECT_EQ(nullptr, result.pPermanent);           // the parent's object belongs to this thread
    EXPECT_NE(nullptr, result.pFromHandle);
    EXPECT_NE(pTemp, result.pFromHandle);
    EXPECT_NE(&parent, result.pParent);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
}
