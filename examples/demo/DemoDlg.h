// The demo's main window: the task list with its filter, copy, folder and look switches, and a status line;
// a button opens the million records.
#pragma once

#include <QELCtrl.h>
#include "TaskList.h"
#include "TaskStore.h"

class CScreenshotTour;

// Manages the demo dialog and answers the list's registered messages.
class CDemoDlg : public CDialog
{
public:
    explicit CDemoDlg(CScreenshotTour* pTour = NULL);
    ~CDemoDlg() override;

    CTaskList& List() { return m_list; }
    void SetStatus(const CString& strText);
    void SetVisualStyles(BOOL bOn);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void    OnFilterChange();
    afx_msg void    OnCopy();
    afx_msg void    OnChooseFolder();
    afx_msg void    OnRecords();
    afx_msg void    OnVisualStyles();
    afx_msg void    OnSize(UINT nType, int cx, int cy);
    afx_msg void    OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnListEditBegin(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListItemConst(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListEditting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListEditEnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListEditMax(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHeaderChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHeaderVisiableChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void FitToWorkArea();
    void Layout(int cx, int cy);
    CString CellName(const _tag_QELListEditInfo* pInfo) const;

    CTaskStore       m_store;
    CTaskList        m_list;
    CQELEdit         m_editFilter;
    CString          m_strFolder;
    CScreenshotTour* m_pTour;   // scripted tour, or null when a person drives the demo
};
