// Sample tasks and the small parsing helpers the demo needs.
#include "TaskStore.h"

#include <stdio.h>
#include <stdlib.h>
#include <tchar.h>

static LPCTSTR const s_statuses[] = { _T("Open"), _T("In progress"), _T("Blocked"), _T("Done"), NULL };

static LPCTSTR const s_verbs[] = { _T("Replace"), _T("Inspect"), _T("Calibrate"), _T("Order"), _T("Paint"), _T("Repair"),
                                   _T("Clean"), _T("Test"), _T("Assemble"), _T("Document") };
static LPCTSTR const s_things[] = { _T("drill press"), _T("conveyor belt"), _T("air compressor"), _T("lathe chuck"),
                                    _T("spray booth"), _T("loading dock door"), _T("forklift battery"),
                                    _T("dust extractor"), _T("band saw blade"), _T("workbench lights"),
                                    _T("safety signs"), _T("welding screens"), _T("pallet racking"),
                                    _T("fire extinguishers"), _T("first-aid kit") };
static LPCTSTR const s_owners[] = { _T("Avery"), _T("Blake"), _T("Casey"), _T("Devon"), _T("Emery"), _T("Finley"),
                                    _T("Harper"), _T("Jordan") };

#ifdef _UNICODE
// A few tasks of the Unicode build carry Greek and Cyrillic titles and owners.
struct LocalTask
{
    LPCTSTR pszTitle;
    LPCTSTR pszOwner;
};
static const LocalTask s_localTasks[] = {
    { L"\u0388\u03bb\u03b5\u03b3\u03c7\u03bf\u03c2 \u03c4\u03cc\u03c1\u03bd\u03bf\u03c5", L"\u0395\u03bb\u03ad\u03bd\u03b7" },
    { L"\u0417\u0430\u043c\u0435\u043d\u0430 \u0440\u0435\u043c\u043d\u044f", L"\u041e\u043b\u044c\u0433\u0430" },
    { L"\u0392\u03b1\u03c6\u03ae \u03c1\u03b1\u03c6\u03b9\u03ce\u03bd", L"\u039d\u03af\u03ba\u03bf\u03c2" },
    { L"\u041f\u0440\u043e\u0432\u0435\u0440\u043a\u0430 \u043f\u0440\u0435\u0441\u0441\u0430", L"\u0418\u0432\u0430\u043d" },
};
#endif

// Fixed "today" of the sample data, so that the screenshots do not change from day to day.
static const int s_todayDay = 8, s_todayMonth = 12, s_todayYear = 2026;

CTaskStore::CTaskStore()
{
    Fill();
}

void CTaskStore::Fill()
{
    unsigned seed = 20261208;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 200; ++i)
    {
        CTask task;
        task.nId = 1001 + i;
        task.strTitle.Format(_T("%s %s"), s_verbs[next(10)], s_things[next(15)]);
        task.nHours = 1 + static_cast<int>(next(40));
        const int day = 1 + static_cast<int>(next(28));
        const int month = 1 + static_cast<int>(next(12));
        const int year = 2026 + static_cast<int>(next(2));
        if (next(12) != 0)
            task.strDue.Format(_T("%02d.%02d.%04d"), day, month, year);
        task.strStatus = s_statuses[next(4)];
        task.strOwner = s_owners[next(8)];
        task.strRef.Format(_T("WS-%05u"), 10000 + next(90000));
#ifdef _UNICODE
        if (i % 20 == 3)
        {
            const LocalTask& local = s_localTasks[(i / 20) % _countof(s_localTasks)];
            task.strTitle = local.pszTitle;
            task.strOwner = local.pszOwner;
        }
#endif
        m_tasks.push_back(task);
    }
}

int CTaskStore::Append()
{
    CTask task;
    task.nId = m_tasks.empty() ? 1001 : m_tasks.back().nId + 1;
    task.strTitle = _T("New task");
    task.nHours = 1;
    task.strDue.Format(_T("%02d.%02d.%04d"), s_todayDay + 7, s_todayMonth, s_todayYear);
    task.strStatus = s_statuses[0];
    task.strOwner = s_owners[0];
    task.strRef.Format(_T("WS-%05d"), 10000 + task.nId);
    m_tasks.push_back(task);
    return GetCount() - 1;
}

const LPCTSTR* CTaskStore::Statuses()
{
    return s_statuses;
}

int CTaskStore::StatusRank(const CString& strStatus)
{
    for (int i = 0; s_statuses[i] != NULL; ++i)
        if (strStatus == s_statuses[i])
            return i;
    return 99;
}

BOOL CTaskStore::ParseDate(const CString& strText, SYSTEMTIME& st)
{
    int day = 0, month = 0, year = 0;
    TCHAR tail = 0;
    if (_stscanf(strText, _T("%2d.%2d.%4d%c"), &day, &month, &year, &tail) != 3)
        return FALSE;
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1601)
        return FALSE;
    st = SYSTEMTIME();
    st.wDay = static_cast<WORD>(day);
    st.wMonth = static_cast<WORD>(month);
    st.wYear = static_cast<WORD>(year);
    return TRUE;
}

static long DateKey(const SYSTEMTIME& st)
{
    return st.wYear * 10000L + st.wMonth * 100L + st.wDay;
}

int CTaskStore::CompareDates(const CString& a, const CString& b)
{
    SYSTEMTIME sa, sb;
    const BOOL bA = ParseDate(a, sa);
    const BOOL bB = ParseDate(b, sb);
    if (!bA || !bB)
        return (bA ? -1 : 0) + (bB ? 1 : 0);
    const long ka = DateKey(sa), kb = DateKey(sb);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

BOOL CTaskStore::ParseHours(LPCTSTR pszText, int& nHours)
{
    if (pszText == NULL || *pszText == _T('\0'))
        return FALSE;
    TCHAR* end = NULL;
    const long value = _tcstol(pszText, &end, 10);
    if (*end != _T('\0') || value < 0 || value > 9999)
        return FALSE;
    for (LPCTSTR p = pszText; *p != _T('\0'); ++p)
        if (*p < _T('0') || *p > _T('9'))
            return FALSE;
    nHours = static_cast<int>(value);
    return TRUE;
}

BOOL CTaskStore::IsOverdue(const CTask& task)
{
    SYSTEMTIME st;
    if (task.strStatus == _T("Done") || !ParseDate(task.strDue, st))
        return FALSE;
    SYSTEMTIME today = {};
    today.wDay = s_todayDay;
    today.wMonth = s_todayMonth;
    today.wYear = s_todayYear;
    return DateKey(st) < DateKey(today);
}
