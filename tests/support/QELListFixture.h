// The list fixture shared by the list, editor and bad-input tests: a CQELListCtrl under a recording parent,
// in a top-level window or in a modeless dialog, with its edit styles, edits started, committed and
// cancelled, and the list's messages recorded for sequence comparison.
#pragma once

#include "QELTest.h"
#include "QELTestMessages.h"
#include "QELCtrl.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qeltest {

// Length of a column style's data block as the record counts it: in characters, without the terminator.
inline int DataLength(LPCTSTR psz)
{
    return static_cast<int>(_tcslen(psz));
}

// A plain edit laid over a cell that keeps the editor contract: focus at creation, the key and wheel rules
// of its factory, and WM_QEL_LISTEDITTING / WM_QEL_LISTEDITEND to the list when it loses the focus.
class CTestCellEditor : public CEdit
{
public:
    CTestCellEditor(int nItem, int nSubItem) : m_nItem(nItem), m_nSubItem(nSubItem) { ++s_nLive; }
    ~CTestCellEditor() override;

    CQELBaseListItem m_item;
    int     m_nItem;
    int     m_nSubItem;
    BOOL    m_bCancel = FALSE;
    CString m_strInitial;

    static int s_nLive;   // editor objects alive

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

// Factory of CTestCellEditor; counts its objects and remembers the last call.
class CTestFactory : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CTestFactory)
public:
    CTestFactory() { ++s_nLive; }
    ~CTestFactory() override { --s_nLive; }
    CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                     CQELListCtrl* pList) override;

    static int   s_nLive;
    static int   s_nCalls;
    static CRect s_rect;
    static _tag_QELListColumnStyle s_style;
    static std::string s_data;   // the style's data block as CreateItem read it
};

// Factory whose CreateItem makes no window.
class CNullFactory : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CNullFactory)
public:
    CNullFactory() { ++CTestFactory::s_nLive; }
    ~CNullFactory() override { --CTestFactory::s_nLive; }
};

// Derived from the factory base but not dynamically creatable: CreateObject gives null.
class CNoCreateFactory : public CQELBaseListItem
{
    DECLARE_DYNAMIC(CNoCreateFactory)
};

// The list with its protected parts reachable from tests.
class CTestList : public CQELListCtrl
{
public:
    using CQELListCtrl::EditNewSubItem;
    using CQELListCtrl::FirstEditColumn;
    using CQELListCtrl::LastEditColumn;
    using CQELListCtrl::NextEditColumn;
    using CQELListCtrl::PreviousEditColumn;
    using CQELListCtrl::m_mapColumnStyle;
    using CQELListCtrl::m_nSortColumn;
    using CQELListCtrl::m_bSortAscending;
    using CQELListCtrl::m_crSortedColumn;
    using CQELListCtrl::m_nEditItem;
    using CQELListCtrl::m_nEditSubItem;

    std::map<UINT, int> received;   // messages that reached the list's window procedure, by message

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++received[message];
        return CQELListCtrl::WindowProc(message, wParam, lParam);
    }
};

// Modeless dialog holding a list view control (id `nListId`) and a push button (IDOK), built from an
// in-memory template. Registered messages that reach the dialog are handed to the recorder as they come,
// so the recorder sees them while their records are alive and answers them.
class CForwardingDialog : public CDialog
{
public:
    explicit CForwardingDialog(CRecorderWnd* pRecorder) : m_pRecorder(pRecorder) {}
    BOOL CreateWithList(CWnd* pOwner, UINT nListId);

    int defaultCommands = 0;   // IDOK and IDCANCEL that reached the dialog (Enter, Escape)

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Counted only: the dialog stays open for the test.
    void OnOK() override { ++defaultCommands; }
    void OnCancel() override { ++defaultCommands; }

private:
    CRecorderWnd* m_pRecorder;
};

// The fixture's recording parent. To an owner-data list it is the application that keeps the rows: it
// answers LVN_GETDISPINFO with "r<row>c<col>" or the text stored for the cell since, stores the text of
// WM_QEL_LISTEDITTING, and on WM_QEL_LISTEDITMAX raises the item count by one row and continues there. Answers
// set on the recorder come first.
class CListParent : public CRecorderWnd
{
public:
    static const UINT kListId = 0x1234;   // control id of the fixture's list
    tstring Text(int nItem, int nSubItem) const;

    CListCtrl* ownerList = nullptr;                     // the owner-data list served; null for an ordinary list
    std::map<std::pair<int, int>, tstring> texts;       // texts stored by row and column

protected:
    afx_msg void    OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnEditting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditMax(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A report list of rows x columns cells "r<row>c<col>" (item data 100 + row) under captions "Col<col>",
// under a recording parent of 700 x 480. With LVS_OWNERDATA the parent holds the cells and the list has no
// item data.
class ListTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window of `list` in the parent, at (10, 10) and `listSize` large.
    void CreateList(int nRows = 5, int nCols = 4, DWORD dwStyle = LVS_REPORT,
                    DWORD dwExStyle = LVS_EX_FULLROWSELECT, int nWidth = 80);
    // The same list subclassed from the list view control of a modeless dialog, focused.
    void CreateListInDialog(int nRows, int nCols, int nWidth);
    // Sets the edit style of a column.
    void SetStyle(int nColumn, CRuntimeClass* pClass = RUNTIME_CLASS(CTestFactory), DWORD dwStyle = 0,
                  DWORD dwFlags = 0, const char* pData = nullptr, int nLimitText = 0, DWORD dwRemoveStyle = 0);
    // Columns 1, 2 and 3 edited by the text, the drop-down list and the date editor.
    void SetEditorStyles();

    // Opens the editor of a cell through EditSubItem, the recorded messages flushed first; the editor.
    CWnd* StartEdit(int nItem, int nSubItem);
    // Ends the open edit by moving the focus to the list.
    void Commit();
    // Ends the open edit with Escape to the window that has the focus.
    void Cancel();
    // Opens an editor by a click on a cell of an already selected row, as a user does.
    bool ClickToEdit(int nItem, int nSubItem);

    CWnd* Editor() const { return list->GetEditControl(); }
    CTestCellEditor* TestEditor() const { return static_cast<CTestCellEditor*>(Editor()); }
    HWND EditorHwnd() const { return Editor() != nullptr ? Editor()->GetSafeHwnd() : NULL; }
    std::string EditorText() const;
    CRect EditorRectInList() const;   // the open editor's window rectangle in list coordinates
    std::string ItemText(int nItem, int nSubItem) const { return Narrow(list->GetItemText(nItem, nSubItem)); }
    CRect LabelRect(int nItem, int nSubItem) const;
    CPoint CellPoint(int nItem, int nSubItem) const;   // a point in the cell's label, near its left edge
    void SelectOnly(int nItem);

    // Keys sent to a window as from real input (WM_KEYDOWN, WM_CHAR, WM_KEYUP), Ctrl and Shift as given.
    void Press(HWND hwnd, UINT vk, bool ctrl = false, bool shift = false);
    void Type(HWND hwnd, const char* text);

    // The list's registered edit messages, in order (EditMessages), and those with the header's.
    std::vector<RecordedMessage> EditMessages() const;
    std::vector<RecordedMessage> ListMessages() const;
    ::testing::AssertionResult MatchesEdits(std::initializer_list<Expected> expected) const;

    CListParent                        parent;
    CTestList*                         list = nullptr;   // ownList unless a test points it at its own list
    CTestList                          ownList;
    std::unique_ptr<CForwardingDialog> dialog;
    CSize                              listSize = CSize(400, 300);
    static const UINT                  kId = CListParent::kListId;

private:
    void Fill(int nRows, int nCols, int nWidth);
};

} // namespace qeltest
