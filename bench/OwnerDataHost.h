#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <map>
#include <utility>
#include <vector>

// The parent of the owner-data lists of both sides, and the application's data: generated records shown in
// m_order's order, with the texts edited so far. Answers LVN_GETDISPINFO of both lists, stores the QEL
// list's edits (WM_QEL_LISTEDITTING) and sorts by the numeric column, on WM_QEL_LISTSORTDATA from the QEL
// list and on LVN_COLUMNCLICK from the plain one (marking its header as an application would).
class COwnerDataHost : public CWnd
{
public:
    static const UINT kQelId = 200;
    static const UINT kPlainId = 201;
    static const int  kSortColumn = 1;   // numbers, one per record
    static const int  kEditColumn = 2;

    COwnerDataHost();

    // A child window filling pFrame, with records 0 to nRows - 1 in a scrambled order.
    BOOL Create(CWnd* pFrame, int nRows);
    // Puts the records back in the scrambled order, so that every timed sort does the same work.
    void Scramble();
    void StoreText(int nRow, int nColumn, LPCTSTR pszText);
    CString Text(int nRow, int nColumn) const;
    double LastSortMs() const { return m_lastSortMs; }   // the application's part of the last sort

protected:
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnPlainColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnEditting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSortData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SortRecords(bool bAscending);

    std::vector<int>                      m_order;       // record shown in each row
    std::vector<int>                      m_scrambled;   // the order every sort starts from
    std::map<std::pair<int, int>, CString> m_edits;      // texts edited so far, by record and column
    double                                m_lastSortMs;
    bool                                  m_bPlainAscending;
};
