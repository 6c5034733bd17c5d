// The demo's list: a CQELListCtrl that sorts tasks and colours them through the library's hooks.
#pragma once

#include <QELCtrl.h>
#include "TaskStore.h"

// Column indexes of the task list.
enum TaskColumn
{
    colId, colTitle, colHours, colDue, colStatus, colOwner, colRef, colCount
};

// Manages the task rows: texts from the store, comparison by value, colours and fonts by state.
class CTaskList : public CQELListCtrl
{
public:
    CTaskList();
    ~CTaskList() override;

    // Sets up columns, editors, sorting and the look; call once after subclassing.
    void Init(CTaskStore* pStore);
    // Shows the tasks whose title contains the filter text (case-insensitive); all when it is empty.
    void Fill(const CString& strFilter);
    // Adds a row for task nIndex of the store; returns the row.
    int AddRow(int nIndex);
    CString CellText(const CTask& task, int nColumn) const;
    // Stores an edited text into the task behind the row.
    void Store(int nRow, int nColumn, LPCTSTR pszText);

    int  OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn) override;
    COLORREF OnGetCellTextColor(int nItem, int nSubItem) override;
    COLORREF OnGetCellBkColor(int nItem, int nSubItem) override;
    HFONT OnGetCellFont(int nItem, int nSubItem, DWORD_PTR dwItemData) override;

private:
    void InsertColumns();
    int  CompareColumn(const CTask& a, const CTask& b, int nColumn) const;
    const CTask& TaskOfRow(int nRow) const;

    CTaskStore* m_pStore;      // not owned
    CFont       m_fontBold;    // open tasks
    static TCHAR s_szDateFormat[];
};
