// Sample tasks and the small parsing helpers the demo needs.
#include "TaskStore.h"

#include <stdio.h>
#include <stdlib.h>

static const char* const s_statuses[] = { "Open", "In progress", "Blocked", "Done", NULL };

static const char* const s_verbs[] = { "Replace", "Inspect", "Calibrate", "Order", "Paint", "Repair", "Clean", "Test",
                                       "Assemble", "Document" };
static const char* const s_things[] = { "drill press", "conveyor belt", "air compressor", "lathe chuck", "spray booth",
                                        "loading dock door", "forklift battery", "dust extractor", "band saw blade",
                                        "workbench lights", "safety signs", "welding screens", "pallet racking",
                                        "fire extinguishers", "first-aid kit" };
static const char* const s_owners[] = { "Avery", "Blake", "Casey", "Devon", "Emery", "Finley", "Harper", "Jordan" };

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
        task.strTitle.Format("%s %s", s_verbs[next(10)], s_things[next(15)]);
        task.nHours = 1 + static_cast<int>(next(40));
        const int day = 1 + static_cast<int>(next(28));
        const int month = 1 + static_cast<int>(next(12));
        const int year = 2026 + static_cast<int>(next(2));
        if (next(12) != 0)
            task.strDue.Format("%02d.%02d.%04d", day, month, year);
        task.strStatus = s_statuses[next(4)];
        task.strOwner = s_owners[next(8)];
        task.strRef.Format("WS-%05u", 10000 + next(90000));
        m_tasks.push_back(task);
    }
}

int CTaskStore::Append()
{
    CTask task;
    task.nId = m_tasks.empty() ? 1001 : m_tasks.back().nId + 1;
    task.strTitle = "New task";
    task.nHours = 1;
    task.strDue.Format("%02d.%02d.%04d", s_todayDay + 7, s_todayMonth, s_todayYear);
    task.strStatus = s_statuses[0];
    task.strOwner = s_owners[0];
    task.strRef.Format("WS-%05d", 10000 + task.nId);
    m_tasks.push_back(task);
    return GetCount() - 1;
}

const char* const* CTaskStore::Statuses()
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
    char tail = 0;
    if (sscanf(strText, "%2d.%2d.%4d%c", &day, &month, &year, &tail) != 3)
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

BOOL CTaskStore::ParseHours(const char* pszText, int& nHours)
{
    if (pszText == NULL || *pszText == '\0')
        return FALSE;
    char* end = NULL;
    const long value = strtol(pszText, &end, 10);
    if (*end != '\0' || value < 0 || value > 9999)
        return FALSE;
    for (const char* p = pszText; *p != '\0'; ++p)
        if (*p < '0' || *p > '9')
            return FALSE;
    nHours = static_cast<int>(value);
    return TRUE;
}

BOOL CTaskStore::IsOverdue(const CTask& task)
{
    SYSTEMTIME st;
    if (task.strStatus == "Done" || !ParseDate(task.strDue, st))
        return FALSE;
    SYSTEMTIME today = {};
    today.wDay = s_todayDay;
    today.wMonth = s_todayMonth;
    today.wYear = s_todayYear;
    return DateKey(st) < DateKey(today);
}
