// The resource ledger itself: it sees what the library modules acquire and release, fails the call it is
// told to, and leaves the modules untouched once it is gone.
#include "RobustTestSupport.h"
#include "QELTestImportPatch.h"
#include "QELTestLedger.h"
#include "QELListCtrl.h"

using namespace qeltest;

namespace {

class Ledger : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateParent());
        PumpUntilIdle();
    }
    void TearDown() override
    {
        if (parent.GetSafeHwnd() != NULL)
            parent.DestroyWindow();
        PumpUntilIdle();
    }
    void CreateList(CQELListCtrl& list)
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &parent, 1));
        list.InsertColumn(0, _T("A"), LVCFMT_LEFT, 80);
        list.InsertItem(0, _T("r0"));
    }

    CRecorderWnd parent;
};

TEST_F(Ledger, ListWindowIsCountedWhileItLivesAndBalancedAfter)
{
    CLedger ledger;
    {
        // The first window of a kind grows the framework's handle maps for good.
        CQELListCtrl warmUp;
        CreateList(warmUp);
    }
    PumpUntilIdle();
    const LedgerSnapshot before = ledger.Snapshot();
    {
        CQELListCtrl list;
        CreateList(list);
        list.UpdateWindow();
        PumpUntilIdle();
        const LedgerSnapshot during = ledger.Snapshot();
        EXPECT_GE(during.windows, before.windows + 1);
        EXPECT_GT(during.threadWindows, before.threadWindows);
        EXPECT_GT(during.sequence, before.sequence);
        EXPECT_NE("", ledger.Leaks(before));
        list.DestroyWindow();
    }
    PumpUntilIdle();
    const LedgerSnapshot after = ledger.Snapshot();
    EXPECT_EQ("", Difference(before, after)) << ledger.Leaks(before);
}

TEST_F(Ledger, NamedCallFailsOnceAtTheChosenCount)
{
    CQELListCtrl list;
    CreateList(list);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    CLedger ledger;
    const LedgerSnapshot before = ledger.Snapshot();
    ledger.FailCall("OpenClipboard", 1);
    EXPECT_EQ(0, list.CopyToClipboard(LVIS_SELECTED));
    EXPECT_EQ(1, ledger.FaultsInjected());
    EXPECT_EQ(1, list.CopyToClipboard(LVIS_SELECTED));
    EXPECT_EQ(2, ledger.Calls("OpenClipboard"));
    EXPECT_GE(ledger.Calls("GlobalAlloc"), 1);
    EXPECT_EQ("", Difference(before, ledger.Snapshot())) << ledger.Leaks(before);
}

TEST_F(Ledger, AllocationFailureReachesTheLibraryAndCountsNoBlock)
{
    CQELListCtrl list;
    CreateList(list);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    CLedger ledger;
    const LedgerSnapshot before = ledger.Snapshot();
    ledger.FailAllocation(1);
    EXPECT_EQ(0, list.CopyToClipboard(LVIS_SELECTED));
    EXPECT_EQ(1, ledger.FaultsInjected());
    EXPECT_EQ("", Difference(before, ledger.Snapshot())) << ledger.Leaks(before);
    EXPECT_GE(ledger.Calls("alloc"), 1);
}

TEST_F(Ledger, ImportsAreTheSystemsOwnOnceTheLedgerIsGone)
{
    const HMODULE hCtrl = LibraryModule("QELCtrl");
    auto slot = [hCtrl](const char* pszFunction) {
        static const int kMarker = 0;
        const CImportPatch probe(hCtrl, pszFunction, &kMarker);
        return probe.Original();
    };
    const void* pfnBefore = slot("GlobalAlloc");
    {
        CLedger ledger;
        EXPECT_NE(pfnBefore, slot("GlobalAlloc"));
        const std::vector<std::string> hooked = ledger.HookedFunctions();
        for (const char* pszName : {"calloc", "free", QEL_TEXT_FUNCTION("CreateFontIndirect"), "OpenClipboard", "GlobalAlloc", "GetProcAddress"})
            EXPECT_NE(hooked.end(), std::find(hooked.begin(), hooked.end(), pszName)) << pszName;
    }
    EXPECT_EQ(pfnBefore, slot("GlobalAlloc"));
    EXPECT_EQ(reinterpret_cast<const void*>(::GetProcAddress(::GetModuleHandle(_T("kernel32.dll")), "GlobalAlloc")), pfnBefore);
}

} // namespace
