// Every allocation site of the list and its editors, the clipboard calls and the visual-style binding made
// to fail in turn, first call, second call, ..., until the operation runs through without meeting a
// fault: each time the documented result, and nothing left held.
#include "RobustTestSupport.h"

#include <functional>

using namespace qeltest;

namespace {

// The editors' report buffer comes from the nothrow array new, named after the width of size_t.
#ifdef _WIN64
const char kNewArrayNothrow[] = "_ZnayRKSt9nothrow_t";
#else
const char kNewArrayNothrow[] = "_ZnajRKSt9nothrow_t";
#endif

class FaultInjection : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        CreateList(5, 4);
        SetEditorStyles();
        // One round of everything the tests do, so that the framework's tables have grown already.
        StartEdit(0, 1);
        Commit();
        StartEdit(0, 2);
        Commit();
        StartEdit(0, 3);
        Commit();
        list->CopyToClipboard(LVIS_SELECTED);
        parent.Flush();
    }

    // Runs `operation` with the n-th call of the armed kind failing, n = 1, 2, ... until a run meets no
    // fault; `check` sees the result of each faulted run, after which nothing may be held that the run
    // acquired. Returns the number of faults injected.
    int EachFault(const std::function<void(int)>& arm, const std::function<int()>& operation,
                  const std::function<void(int)>& check, const char* pszSite)
    {
        int injected = 0;
        for (int n = 1; n < 200; ++n)
        {
            SCOPED_TRACE(std::string(pszSite) + ", fault at call " + std::to_string(n));
            const LedgerSnapshot before = ledger.Snapshot();
            const int faultsBefore = ledger.FaultsInjected();
            arm(n);
            int result = 0;
            try
            {
                result = operation();
            }
            catch (...)
            {
                ADD_FAILURE() << "an exception crossed the library's interface";
                ledger.Disarm();
                break;
            }
            ledger.Disarm();
            const bool faulted = ledger.FaultsInjected() != faultsBefore;
            if (faulted)
            {
                SCOPED_TRACE("failed: " + ledger.LastFault());
                ++injected;
                check(result);
            }
            Cleanup();
            if (!faulted)
                break;
            ExpectReleased(ledger, before, pszSite);
        }
        figures::Faults(pszSite, injected);
        return injected;
    }
    void Cleanup()
    {
        Commit();
        parent.Flush();
    }
    std::function<void(int)> FailAllocation()
    {
        return [this](int n) { ledger.FailAllocation(n, kLibraryFile); };
    }
    std::function<void(int)> FailCall(const char* pszFunction)
    {
        return [this, pszFunction](int n) { ledger.FailCall(pszFunction, n); };
    }

    CLedger ledger;
};

// ---- Editors -------------------------------------------------------------------------------------------

TEST_F(FaultInjection, EditStartWithFailingFactoryOrEditorOpensNothing)
{
    for (int column = 1; column <= 3; ++column)
    {
        const std::string site = "edit start: factory and editor objects, column " + std::to_string(column);
        const int injected = EachFault(
            FailAllocation(), [&] { return list->EditSubItem(1, column); },
            [&](int result) {
                if (result == -1)
                {
                    EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITBEGIN)) << "the parent is not asked without a factory";
                }
                else
                {
                    EXPECT_EQ(0, result);
                    EXPECT_EQ(nullptr, list->GetEditControl());
                    EXPECT_EQ(0, parent.Count(WM_QEL_LISTITEMCONST));
                }
            },
            site.c_str());
        EXPECT_GE(injected, 2) << "factory and editor object";
    }
}

TEST_F(FaultInjection, EditorWindowCreationFailureOpensNothing)
{
    for (int column = 1; column <= 3; ++column)
    {
        const std::string site = "edit start: editor window creation, column " + std::to_string(column);
        const int injected = EachFault(
            FailCall(QEL_TEXT_FUNCTION("CreateWindowEx")), [&] { return list->EditSubItem(1, column); },
            [&](int result) {
                EXPECT_EQ(0, result);
                EXPECT_EQ(nullptr, list->GetEditControl());
                EXPECT_EQ(0, parent.Count(WM_QEL_LISTITEMCONST));
            },
            site.c_str());
        EXPECT_GE(injected, 1);
    }
}

TEST_F(FaultInjection, ReportBufferFailureEndsTheEditUnchanged)
{
    for (int column = 1; column <= 3; ++column)
    {
        const std::string site = "edit end: report text buffer, column " + std::to_string(column);
        const std::string before = ItemText(2, column);
        // Armed between start and end: the only allocation of the end is the report's text buffer.
        int faults = 0;
        for (int n = 1; n <= 3; ++n)
        {
            const LedgerSnapshot snap = ledger.Snapshot();
            CWnd* pEditor = StartEdit(2, column);
            ASSERT_NE(nullptr, pEditor);
            if (column != 3)
                pEditor->SetWindowText(_T("changed"));
            parent.Flush();
            const int faultsBefore = ledger.FaultsInjected();
            ledger.FailAllocation(n, kLibraryFile);
            Commit();
            ledger.Disarm();
            if (ledger.FaultsInjected() == faultsBefore)
                break;
            ++faults;
            SCOPED_TRACE("failed: " + ledger.LastFault());
            EXPECT_EQ(1, parent.Count(WM_QEL_LISTEDITEND));
            if (ledger.LastFault() == kNewArrayNothrow)
            {
                EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITTING));
                EXPECT_EQ(before, ItemText(2, column));
            }
            ExpectReleased(ledger, snap, site.c_str());
        }
        EXPECT_GE(faults, 1);
        figures::Faults(site.c_str(), faults);
    }
}

// ---- Column styles -------------------------------------------------------------------------------------

TEST_F(FaultInjection, StyleStoreAllocationFailureKeepsTheStoreAsItWas)
{
    TCHAR format[] = _T("yyyy-MM-dd");
    // Replacing the style of a styled column, adding styles to columns without one, and the first style of
    // an empty store (which allocates the store's table and first block).
    for (const int column : {3, 0, 7, -1})
    {
        if (column == -1)
            list->RemoveColumnStyle(-1);
        const std::string site = "column style data block and store, column " + std::to_string(column);
        _tag_QELListColumnStyle original = {};
        const BOOL had = list->GetEditColumnStyle(column, original);
        EachFault(
            FailAllocation(),
            [&]() -> int {
                _tag_QELListColumnStyle style = {};
                style.nColumn = column;
                style.pRuntimeClass = RUNTIME_CLASS(CQELListItemDateTimeCtrl);
                style.pData = format;
                style.nDataLen = static_cast<int>(_tcslen(format));
                return static_cast<int>(list->SetColumnStyle(&style));
            },
            [&](int result) {
                EXPECT_EQ(-1, result);
                _tag_QELListColumnStyle now = {};
                EXPECT_EQ(had, list->GetEditColumnStyle(column, now));
                if (had)
                {
                    EXPECT_EQ(original.pRuntimeClass, now.pRuntimeClass);
                    EXPECT_EQ(original.pData, now.pData);
                }
            },
            site.c_str());
        if (!had)
            list->RemoveColumnStyle(column);
        else
            SetStyle(column, original.pRuntimeClass);
    }
    figures::Defect("SetColumnStyle let an allocation failure of its style store escape as an exception, leaking "
                    "the new data block and, for the only stored style, losing the old one", "FaultInjection.StyleStoreAllocationFailureKeepsTheStoreAsItWas");
}

// ---- Column order arrays -------------------------------------------------------------------------------

TEST_F(FaultInjection, OrderArrayFailureEndsTheMovement)
{
    int injected = 0;
    for (int n = 1; n < 50; ++n)
    {
        SCOPED_TRACE("movement, fault at allocation " + std::to_string(n));
        const LedgerSnapshot before = ledger.Snapshot();
        ASSERT_NE(nullptr, StartEdit(1, 3));
        parent.Flush();
        const int faultsBefore = ledger.FaultsInjected();
        ledger.FailAllocation(n, kLibraryFile);
        const LRESULT result = list->SendMessage(WM_QEL_LISTITEMEDIT, 1, QELEncodeMoveRequest(VK_TAB, TRUE, FALSE, 3));
        ledger.Disarm();
        PumpUntilIdle();
        if (ledger.FaultsInjected() == faultsBefore)
        {
            EXPECT_EQ(1, result);
            Cleanup();
            break;
        }
        ++injected;
        // Without the order no column is found and the movement ends (0); a failed factory or editor ends it
        // too (1).
        EXPECT_TRUE(result == 0 || result == 1) << result;
        Cleanup();
        ExpectReleased(ledger, before, "column order arrays (keyboard movement)");
    }
    EXPECT_GE(injected, 1);
    figures::Faults("column order arrays (keyboard movement)", injected);

    list->EnableMarkSortedColumn(TRUE, FALSE);
    const int painted = EachFault(
        FailAllocation(),
        [&] {
            list->SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
            list->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            return 0;
        },
        [](int) {}, "column order arrays (painting and selection changes)");
    EXPECT_GE(painted, 1);
}

// ---- Clipboard -----------------------------------------------------------------------------------------

class ClipboardFaults : public FaultInjection
{
protected:
    void SetUp() override
    {
        FaultInjection::SetUp();
        // Enough text to grow the buffer several times.
        const CString cell(_T('x'), 60000);
        for (int r = 0; r < 5; ++r)
        {
            list->SetItemText(r, 1, cell);
            list->SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    int Copy()
    {
        WriteClipboardText("before");
        return list->CopyToClipboard(LVIS_SELECTED);
    }
    void CheckFailedCopy(int result, bool contentsKept)
    {
        EXPECT_EQ(0, result);
        EXPECT_EQ(0, ledger.Snapshot().clipboardOpen);
        EXPECT_EQ(NULL, ::GetOpenClipboardWindow()) << "the clipboard was left open";
        bool present = false;
        const std::string text = ReadClipboardCopy(&present);
        if (contentsKept)
        {
            EXPECT_EQ("before", text);
        }
        else
        {
            EXPECT_FALSE(present) << "emptied before the block was made";
        }
    }
};

TEST_F(ClipboardFaults, BufferAllocationFailuresReturnZeroAndReleaseAll)
{
    const int injected = EachFault(FailAllocation(), [&] { return Copy(); },
                                   [&](int result) { CheckFailedCopy(result, true); },
                                   "clipboard order and text buffers, growth");
    EXPECT_GE(injected, 4) << "order buffer, text buffer and at least two enlargements";
    EXPECT_EQ(1, Copy()) << "a copy after the failures";
}

TEST_F(ClipboardFaults, SystemCallFailuresReturnZeroAndReleaseAll)
{
    struct Site
    {
        const char* function;
        bool        contentsKept;   // the failure comes before the clipboard was emptied
        const char* name;
    };
    for (const Site& site : {Site{"OpenClipboard", true, "OpenClipboard"},
                             Site{"GlobalAlloc", false, "clipboard global block (GlobalAlloc)"},
                             Site{"GlobalLock", false, "clipboard global block lock (GlobalLock)"},
                             Site{"SetClipboardData", false, "clipboard hand-over (SetClipboardData)"}})
    {
        const int injected = EachFault(FailCall(site.function), [&] { return Copy(); },
                                       [&](int result) { CheckFailedCopy(result, site.contentsKept); }, site.name);
        EXPECT_EQ(1, injected) << site.function;
    }
}

// ---- Visual styles -------------------------------------------------------------------------------------

TEST_F(FaultInjection, VisualStyleBindingFailuresFallBackToTheBuiltInTheme)
{
    CTestBitmap bitmap(60, 30);
    auto draw = [&] {
        CRect rect(0, 0, 60, 30);
        EXPECT_TRUE(_gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, FALSE, list, nullptr));
        CRect arrow(20, 5, 40, 25);
        EXPECT_TRUE(_gThemeManager.DrawHeaderCtrlSortArrow(bitmap.GetDC(), arrow, TRUE, list, nullptr));
        list->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    draw();
    PumpUntilIdle();
    const LedgerSnapshot before = ledger.Snapshot();
    int injected = 0;
    const std::string system = QEL_TEXT_FUNCTION("GetSystemDirectory");
    const std::string load = QEL_TEXT_FUNCTION("LoadLibrary");
    std::vector<std::string> names = {system, load};
    for (const char* pszEntry : {"OpenThemeData", "CloseThemeData", "DrawThemeBackground",
                                 "DrawThemeParentBackground", "GetThemeColor"})
        names.push_back(std::string("GetProcAddress(") + pszEntry + ")");
    for (const std::string& name : names)
    {
        SCOPED_TRACE(name);
        const int faultsBefore = ledger.FaultsInjected();
        ledger.FailCall(name.c_str(), 1);
        _gThemeManager.InitThemeManager();
        ledger.Disarm();
        injected += ledger.FaultsInjected() - faultsBefore;
        if (name == system || name == load || name == "GetProcAddress(OpenThemeData)")
        {
            EXPECT_FALSE(_gThemeManager.IsSystemTheme());
        }
        // Drawing goes on, through whichever theme is in force.
        draw();
        _gThemeManager.ExInitThemeManager();
        EXPECT_FALSE(_gThemeManager.IsSystemTheme());
        PumpUntilIdle();
        EXPECT_EQ(before.modules, ledger.Snapshot().modules) << "UxTheme stays loaded";
    }
    EXPECT_EQ(static_cast<int>(names.size()), injected) << "every call of the binding failed once";
    figures::Faults("UxTheme binding (GetSystemDirectory, LoadLibrary, GetProcAddress per entry point)",
                    injected);
    ExpectReleased(ledger, before, "visual styles");
}

// ---- Column menu ---------------------------------------------------------------------------------------

TEST_F(FaultInjection, ColumnMenuCreationFailureShowsNothing)
{
    CQELHeaderCtrl* pHeader = list->GetHeaderCtrl();
    const LedgerSnapshot before = ledger.Snapshot();
    ledger.FailCall("CreatePopupMenu", 1);
    pHeader->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 5));
    ledger.Disarm();
    EXPECT_EQ(1, ledger.FaultsInjected());
    PumpUntilIdle();
    EXPECT_EQ(0, parent.Count(WM_QEL_HEADERVISIABLECHANGE));
    ExpectReleased(ledger, before, "column menu");
    figures::Faults("column menu (CreatePopupMenu)", 1);
}

} // namespace
