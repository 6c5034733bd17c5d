// Fixture, test editor and test factories of the list control tests.
#pragma once

#include "QELTest.h"
#include "QELTestMessages.h"
#include "QELListCtrl.h"
#include "QELBaseListItem.h"

#include <string>
#include <vector>

namespace qeltest {

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
};

// Report list of rows x cols cells "r<row>c<col>" (item data 100 + row) under a recording parent.
class ListTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window of `list`.
    void CreateList(int nRows = 5, int nCols = 4, DWORD dwStyle = LVS_REPORT,
                    DWORD dwExStyle = LVS_EX_FULLROWSELECT, int nWidth = 80);
    void SetStyle(int nColumn, CRuntimeClass* pClass = RUNTIME_CLASS(CTestFactory));
    CPoint CellPoint(int nItem, int nSubItem);
    void SelectOnly(int nItem);
    CTestCellEditor* Editor() { return static_cast<CTestCellEditor*>(list->GetEditControl()); }
    // Registered messages of the list and its header only, in order.
    std::vector<RecordedMessage> ListMessages() const;

    CRecorderWnd     parent;
    CTestList*       list = nullptr;   // ownList unless a test points it at its own derived list
    CTestList        ownList;
    static const UINT kId = 0x1234;
};

} // namespace qeltest
