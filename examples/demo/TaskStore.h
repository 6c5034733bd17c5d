// The demo's data: about two hundred tasks of a small workshop, with parsing and formatting helpers.
#pragma once

#include <afxwin.h>
#include <vector>

// One task; the list row's item data is its index in the store.
struct CTask
{
    int     nId;
    CString strTitle;
    int     nHours;
    CString strDue;      // "dd.MM.yyyy", or empty
    CString strStatus;   // one of CTaskStore::Statuses()
    CString strOwner;
    CString strRef;      // internal reference, in a column hidden by force
};

// Manages the tasks; indexes stay valid while the program runs (tasks are only appended).
class CTaskStore
{
public:
    CTaskStore();

    int GetCount() const { return static_cast<int>(m_tasks.size()); }
    CTask& At(int nIndex) { return m_tasks[nIndex]; }
    const CTask& At(int nIndex) const { return m_tasks[nIndex]; }
    int Append();                               // a new open task due in a week; returns its index

    static const LPCTSTR* Statuses();           // null-terminated
    static int StatusRank(const CString& strStatus);
    static BOOL ParseDate(const CString& strText, SYSTEMTIME& st);   // "dd.MM.yyyy"
    static int CompareDates(const CString& a, const CString& b);     // empty dates sort last
    static BOOL ParseHours(LPCTSTR pszText, int& nHours);            // a whole number 0..9999
    static BOOL IsOverdue(const CTask& task);

private:
    void Fill();

    std::vector<CTask> m_tasks;
};
