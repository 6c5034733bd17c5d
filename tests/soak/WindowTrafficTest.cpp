// Editor windows made, focused and destroyed over a list many times, as the soak's edits make them: by the
// system alone, through the layer's controls, and as the library's editors, with the ledger installed as in the
// soak. The soak's heap checkpoints allow nothing per window but what the system's own edit control keeps after
// a move by words, so none of these may leave heap in use per window, the ledger's own records of the windows
// that went away included; the system's edit moved by words keeps exactly its word-break block.
#include "SoakFrame.h"
#include "SoakSnapshot.h"
#include "QELTest.h"
#include "QELTestLedger.h"

#include <afxdtctl.h>
#include <stdio.h>

#include <functional>
#include <memory>
#include <random>

using namespace soak;

namespace {

const int kKinds = 3;                 // edit, date-time, drop-down list: the library's three editors
const int kRounds = 100;              // each makes one window of every kind
const long kMaxBlocks = 100;          // heap growth allowed over all rounds of one way of making windows
const long long kMaxBytes = 8 * 1024;
const UINT kEditorId = 10;
const TCHAR kWordMoveText[] = _T("123 note a");
const RECT kEditorRect = { 10, 20, 110, 40 };
const RECT kDropDownRect = { 10, 20, 110, 140 };

struct Growth
{
    long long nBytes;
    long      nBlocks;
    long      nWindows;
};

// Heap and windows in use after kRounds rounds against before them; a few rounds first let one-time
// allocations (classes, fonts, caches) happen.
Growth MeasureRounds(const std::function<void(int)>& round)
{
    for (int i = 0; i < 3; ++i)
        for (int nKind = 0; nKind < kKinds; ++nKind)
            round(nKind);
    CSoakSnapshot before;
    before.Take();
    for (int i = 0; i < kRounds; ++i)
        for (int nKind = 0; nKind < kKinds; ++nKind)
            round(nKind);
    CSoakSnapshot after;
    after.Take();
    return Growth{ static_cast<long long>(after.HeapBytes()) - static_cast<long long>(before.HeapBytes()),
                   after.HeapBlocks() - before.HeapBlocks(), after.Windows() - before.Windows() };
}

HWND CreatePlainEditor(int nKind, HWND hList)
{
    const RECT& r = nKind == 2 ? kDropDownRect : kEditorRect;
    LPCTSTR const kClasses[kKinds] = { WC_EDIT, DATETIMEPICK_CLASS, WC_COMBOBOX };
    const DWORD kStyles[kKinds] = { WS_BORDER | ES_AUTOHSCROLL, DTS_SHORTDATEFORMAT, WS_VSCROLL | CBS_DROPDOWNLIST };
    return ::CreateWindowEx(0, kClasses[nKind], _T(""), WS_CHILD | WS_VISIBLE | kStyles[nKind], r.left, r.top,
                            r.right - r.left, r.bottom - r.top, hList, reinterpret_cast<HMENU>(kEditorId), NULL, NULL);
}

// bWordMove: the edit gets a text and Ctrl+Down (a move by words in a single-line edit) before it goes.
void PlainRound(int nKind, HWND hList, bool bWordMove = false)
{
    const HWND hEditor = CreatePlainEditor(nKind, hList);
    ASSERT_NE(hEditor, nullptr);
    ::SetFocus(hEditor);
    if (bWordMove)
    {
        ::SetWindowText(hEditor, kWordMoveText);
        qeltest::SetModifierKeys(true, false);
        qeltest::PressKey(hEditor, VK_DOWN);
        qeltest::SetModifierKeys(false, false);
    }
    qeltest::PumpUntilIdle();
    ::DestroyWindow(hEditor);
    qeltest::PumpUntilIdle();
}

std::unique_ptr<CWnd> CreateLayerEditor(int nKind, CListCtrl& list)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE;
    if (nKind == 0)
    {
        auto pEdit = std::make_unique<CEdit>();
        pEdit->Create(dwStyle | WS_BORDER | ES_AUTOHSCROLL, kEditorRect, &list, kEditorId);
        return pEdit;
    }
    if (nKind == 1)
    {
        auto pDate = std::make_unique<CDateTimeCtrl>();
        pDate->Create(dwStyle | DTS_SHORTDATEFORMAT, kEditorRect, &list, kEditorId);
        return pDate;
    }
    auto pCombo = std::make_unique<CComboBox>();
    pCombo->Create(dwStyle | WS_VSCROLL | CBS_DROPDOWNLIST, kDropDownRect, &list, kEditorId);
    return pCombo;
}

void LayerRound(int nKind, CListCtrl& list)
{
    const std::unique_ptr<CWnd> pEditor = CreateLayerEditor(nKind, list);
    ASSERT_NE(pEditor->GetSafeHwnd(), nullptr);
    pEditor->SetFocus();
    qeltest::PumpUntilIdle();
    pEditor->DestroyWindow();
    qeltest::PumpUntilIdle();
}

// Opens the editor of the kind's column (the parent refuses some starts at random) and ends it with Escape.
void LibraryRound(int nKind, CSoakList& list)
{
    int nResult = 1;
    while (nResult == 1)
        nResult = list.EditSubItem(1, nKind + 1);
    qeltest::PumpUntilIdle();
    ASSERT_NE(list.GetEditControl(), nullptr) << "EditSubItem answered " << nResult << ", column " << nKind + 1;
    ::SendMessage(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    qeltest::PumpUntilIdle();
    ASSERT_EQ(list.GetEditControl(), nullptr);
}

void ExpectNoGrowth(const char* pszWay, const Growth& growth)
{
    printf("%s: %d windows made and destroyed, heap in use %+lld bytes in %+ld blocks\n", pszWay, kRounds * kKinds,
           growth.nBytes, growth.nBlocks);
    EXPECT_LE(growth.nBlocks, kMaxBlocks) << pszWay;
    EXPECT_LE(growth.nBytes, kMaxBytes) << pszWay;
    EXPECT_EQ(growth.nWindows, 0) << pszWay;
}

} // namespace

TEST(WindowTraffic, EditorWindowsLeaveOnlyWinesWordBreakBlocks)
{
    qeltest::CLedger ledger;

    const HWND hPlainList = ::CreateWindowEx(0, WC_LISTVIEW, _T(""), WS_POPUP | WS_VISIBLE | LVS_REPORT, 40, 40, 400,
                                             300, NULL, NULL, NULL, NULL);
    ASSERT_NE(hPlainList, nullptr);
    ExpectNoGrowth("plain windows over a plain list view", MeasureRounds([hPlainList](int nKind) {
        PlainRound(nKind, hPlainList);
    }));
    const Growth moved = MeasureRounds([hPlainList](int nKind) {
        if (nKind == 0)
            PlainRound(nKind, hPlainList, true);
    });
    printf("plain edits moved by words: %d windows made and destroyed, heap in use %+lld bytes in %+ld blocks\n",
           kRounds, moved.nBytes, moved.nBlocks);
    const long long nChars = _countof(kWordMoveText) - 1;
    EXPECT_NEAR(moved.nBlocks, kRounds * kWordBreakBlocksPerEdit, 2);
    EXPECT_NEAR(moved.nBytes, kRounds * nChars * static_cast<long long>(kWordBreakBytesPerChar), 64);
    ::DestroyWindow(hPlainList);

    CListCtrl layerList;
    ASSERT_TRUE(layerList.CreateEx(0, WC_LISTVIEW, _T(""), WS_POPUP | WS_VISIBLE | LVS_REPORT, CRect(40, 40, 440, 340),
                                   NULL, 0));
    ExpectNoGrowth("the layer's controls over its list", MeasureRounds([&layerList](int nKind) {
        LayerRound(nKind, layerList);
    }));
    layerList.DestroyWindow();

    CSoakModel model;
    std::mt19937 random(1);
    CSoakParent parent(model, random);
    CSoakList list(model);
    CSoakFrame frame(parent, list);
    ASSERT_TRUE(frame.CreateHost(false));
    parent.Populate(list, 3);
    ExpectNoGrowth("the library's editors", MeasureRounds([&list](int nKind) { LibraryRound(nKind, list); }));
    EXPECT_EQ(parent.Failure(), "");
    frame.DestroyWindow();
    parent.Detach();
    qeltest::PumpUntilIdle();
}
