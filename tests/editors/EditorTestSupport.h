// Fixture and helpers of the in-place editor tests: a real CQELListCtrl under a recording parent, in a
// top-level window or in a modeless dialog.
#pragma once

#include "QELTest.h"
#include "QELTestMessages.h"
#include "QELListCtrl.h"

#include <string>
#include <vector>

namespace qeltest {

// wParam of WM_MOUSEWHEEL: key flags in the low word, the signed delta in the high word.
inline WPARAM WheelWParam(UINT flags, int delta)
{
    return MAKEWPARAM(flags, static_cast<WORD>(static_cast<short>(delta)));
}

// The list's registered edit messages (move requests and mouse moves excluded), in order.
std::vector<RecordedMessage> EditMessages(const CRecorderWnd& wnd);

// Compares the list's edit messages (as EditMessages filters them) with the expected sequence.
::testing::AssertionResult MatchesEdits(const CRecorderWnd& wnd, std::initializer_list<Expected> expected);

// Captures the creation parameters of windows created on this thread while it lives (CBT hook).
class CCreationSpy
{
public:
    struct Creation
    {
        std::string className;
        DWORD       style;
        DWORD       exStyle;
        int         x, y, cx, cy;
        std::string text;
    };

    CCreationSpy();
    ~CCreationSpy();
    CCreationSpy(const CCreationSpy&) = delete;
    CCreationSpy& operator=(const CCreationSpy&) = delete;

    // The last creation of a window of the class (case-insensitive); null when there was none.
    const Creation* Last(const char* className) const;

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK                 m_hHook;
    std::vector<Creation> m_creations;
    static CCreationSpy*  s_pActive;
};

// Modeless dialog holding a list view control (id kDialogListId) and a push button (IDOK), built from an
// in-memory template. Registered messages that reach the dialog are passed to the recorder, synchronously,
// so the recorder sees them while their records are alive and answers them.
class CForwardingDialog : public CDialog
{
public:
    explicit CForwardingDialog(CRecorderWnd* pRecorder) : m_pRecorder(pRecorder) {}
    BOOL CreateWithList(CWnd* pOwner);

    int defaultCommands = 0;   // IDOK and IDCANCEL that reached the dialog (Enter, Escape)

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Counted only: the dialog stays open for the test.
    void OnOK() override { ++defaultCommands; }
    void OnCancel() override { ++defaultCommands; }

private:
    CRecorderWnd* m_pRecorder;
};

const UINT kListId = 0x3E8;         // list control id in the top-level window (1000)
const UINT kDialogListId = 0x3E9;   // list control id in the dialog (1001)

// A report list of 5 rows ("r<row>c<col>", item data 100 + row) and five columns: 0 "Name" left,
// 1 "Amount" right, 2 "City" centred, 3 "Date" left, 4 "Choice" left, under a recording parent.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the list in the top-level recorder window.
    void CreateList(DWORD dwStyle = LVS_REPORT | LVS_SHOWSELALWAYS, DWORD dwExStyle = LVS_EX_FULLROWSELECT);
    // Creates the list inside a modeless dialog (subclassed from the dialog's list view control).
    void CreateListInDialog();
    void FillList(CQELListCtrl& lst, int nRows);

    // Sets the edit style of a column.
    void SetColumnStyle(int nColumn, CRuntimeClass* pClass, DWORD dwStyle = 0, DWORD dwFlags = 0,
                        const char* pData = nullptr, int nLimitText = 0, DWORD dwRemoveStyle = 0);

    CRect LabelRect(int nItem, int nSubItem);   // the cell's label rectangle in list client coordinates
    CRect EditorRectInList();                   // the open editor's window rectangle in list coordinates
    CWnd* Editor() { return list.GetEditControl(); }
    HWND EditorHwnd() { return Editor() != nullptr ? Editor()->GetSafeHwnd() : NULL; }
    std::string EditorText();
    std::string ItemText(int nItem, int nSubItem) { return std::string(list.GetItemText(nItem, nSubItem)); }

    // Opens an editor by a click on a cell of an already selected row, as a user does.
    bool ClickToEdit(int nItem, int nSubItem);

    // Keys sent to a window as from real input (WM_KEYDOWN, WM_CHAR, WM_KEYUP); Ctrl/Shift as given.
    void Press(HWND hwnd, UINT vk, bool ctrl = false, bool shift = false);
    void Type(HWND hwnd, const char* text);

    CRecorderWnd       parent;
    CQELListCtrl       list;
    CFont              listFont;
    CForwardingDialog* dialog = nullptr;
};

} // namespace qeltest
