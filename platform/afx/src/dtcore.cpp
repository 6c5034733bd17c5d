// CDateTimeCtrl and CMonthCalCtrl: thin wrappers over the date picker and the month calendar.
#include <afxwin.h>
#include <afxdtctl.h>

#include <string.h>

namespace
{

inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(hWnd, message, wParam, lParam);
}

void InitDateClasses()
{
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_DATE_CLASSES;
    ::InitCommonControlsEx(&icc);
}

// Fills the two-element range array from optional sides; returns the GDTR_ flags of the sides given.
WPARAM RangeOf(SYSTEMTIME (&sysTimes)[2], const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    memset(sysTimes, 0, sizeof(sysTimes));
    WPARAM wFlags = 0;
    if (pMinRange != NULL)
    {
        sysTimes[0] = *pMinRange;
        wFlags |= GDTR_MIN;
    }
    if (pMaxRange != NULL)
    {
        sysTimes[1] = *pMaxRange;
        wFlags |= GDTR_MAX;
    }
    return wFlags;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CDateTimeCtrl

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

CDateTimeCtrl::CDateTimeCtrl()
{
}

CDateTimeCtrl::~CDateTimeCtrl()
{
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitDateClasses();
    CWnd* pWnd = this;
    return pWnd->Create(DATETIMEPICK_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
}

COLORREF CDateTimeCtrl::GetMonthCalColor(int iColor) const
{
    return (COLORREF)Send(m_hWnd, DTM_GETMCCOLOR, (WPARAM)iColor);
}

COLORREF CDateTimeCtrl::SetMonthCalColor(int iColor, COLORREF ref)
{
    return (COLORREF)Send(m_hWnd, DTM_SETMCCOLOR, (WPARAM)iColor, (LPARAM)ref);
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat)
{
    return (BOOL)Send(m_hWnd, DTM_SETFORMAT, 0, (LPARAM)pstrFormat);
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const
{
    HWND hWnd = (HWND)Send(m_hWnd, DTM_GETMONTHCAL);
    return (hWnd == NULL) ? NULL : (CMonthCalCtrl*)CWnd::FromHandle(hWnd);
}

CFont* CDateTimeCtrl::GetMonthCalFont() const
{
    return CFont::FromHandle((HFONT)Send(m_hWnd, DTM_GETMCFONT));
}

void CDateTimeCtrl::SetMonthCalFont(HFONT hFont, BOOL bRedraw)
{
    Send(m_hWnd, DTM_SETMCFONT, (WPARAM)hFont, MAKELONG(bRedraw, 0));
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    SYSTEMTIME sysTimes[2];
    const WPARAM wFlags = RangeOf(sysTimes, pMinRange, pMaxRange);
    return (BOOL)Send(m_hWnd, DTM_SETRANGE, wFlags, (LPARAM)sysTimes);
}

DWORD CDateTimeCtrl::GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const
{
    SYSTEMTIME sysTimes[2];
    memset(sysTimes, 0, sizeof(sysTimes));
    const DWORD dwResult = (DWORD)Send(m_hWnd, DTM_GETRANGE, 0, (LPARAM)sysTimes);
    if (pMinRange != NULL && (dwResult & GDTR_MIN))
        *pMinRange = sysTimes[0];
    if (pMaxRange != NULL && (dwResult & GDTR_MAX))
        *pMaxRange = sysTimes[1];
    return dwResult;
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    if (pTimeDest == NULL)
        return (DWORD)GDT_ERROR;
    return (DWORD)Send(m_hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
}

// The picker ignores the time with GDT_NONE, but some implementations refuse a null pointer: pass a dummy.
BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    if (pTimeNew == NULL)
    {
        SYSTEMTIME stNone;
        memset(&stNone, 0, sizeof(stNone));
        return (BOOL)Send(m_hWnd, DTM_SETSYSTEMTIME, GDT_NONE, (LPARAM)&stNone);
    }
    return (BOOL)Send(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)pTimeNew);
}

/////////////////////////////////////////////////////////////////////////////
// CMonthCalCtrl

IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

CMonthCalCtrl::CMonthCalCtrl()
{
}

CMonthCalCtrl::~CMonthCalCtrl()
{
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitDateClasses();
    CWnd* pWnd = this;
    return pWnd->Create(MONTHCAL_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
}

// Created hidden at zero size, then sized to its minimum and shown if it was asked to be visible.
BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID)
{
    const BOOL bWasVisible = (dwStyle & WS_VISIBLE) != 0;
    dwStyle &= ~WS_VISIBLE;
    CRect rect(pt.x, pt.y, pt.x, pt.y);
    if (!Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    if (!SizeMinReq())
    {
        DestroyWindow();
        return FALSE;
    }
    if (bWasVisible)
        ::ShowWindow(m_hWnd, SW_SHOWNA);
    return TRUE;
}

BOOL CMonthCalCtrl::GetMinReqRect(RECT* pRect) const
{
    return (BOOL)Send(m_hWnd, MCM_GETMINREQRECT, 0, (LPARAM)pRect);
}

int CMonthCalCtrl::SetMonthDelta(int iDelta) { return (int)Send(m_hWnd, MCM_SETMONTHDELTA, (WPARAM)iDelta); }
int CMonthCalCtrl::GetMonthDelta() const { return (int)Send(m_hWnd, MCM_GETMONTHDELTA); }

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld)
{
    const DWORD dwResult = (DWORD)Send(m_hWnd, MCM_SETFIRSTDAYOFWEEK, 0, (LPARAM)iDay);
    if (lpnOld != NULL)
        *lpnOld = (int)LOWORD(dwResult);
    return (BOOL)HIWORD(dwResult);
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const
{
    const DWORD dwResult = (DWORD)Send(m_hWnd, MCM_GETFIRSTDAYOFWEEK);
    if (pbLocal != NULL)
        *pbLocal = (BOOL)HIWORD(dwResult);
    return (int)LOWORD(dwResult);
}

COLORREF CMonthCalCtrl::GetColor(int nRegion) const { return (COLORREF)Send(m_hWnd, MCM_GETCOLOR, (WPARAM)nRegion); }
COLORREF CMonthCalCtrl::SetColor(int nRegion, COLORREF ref)
{
    return (COLORREF)Send(m_hWnd, MCM_SETCOLOR, (WPARAM)nRegion, (LPARAM)ref);
}
DWORD CMonthCalCtrl::HitTest(PMCHITTESTINFO pMCHitTest) { return (DWORD)Send(m_hWnd, MCM_HITTEST, 0, (LPARAM)pMCHitTest); }

BOOL CMonthCalCtrl::SizeMinReq(BOOL bRepaint)
{
    CRect rect;
    if (!GetMinReqRect(rect))
        return FALSE;
    DWORD dwFlags = SWP_NOZORDER | SWP_NOREPOSITION | SWP_NOMOVE | SWP_NOACTIVATE;
    if (!bRepaint)
        dwFlags |= SWP_NOREDRAW;
    ::SetWindowPos(m_hWnd, NULL, 0, 0, rect.Width(), rect.Height(), dwFlags);
    return TRUE;
}

void CMonthCalCtrl::SetToday(const SYSTEMTIME* pDateTime) { Send(m_hWnd, MCM_SETTODAY, 0, (LPARAM)pDateTime); }
BOOL CMonthCalCtrl::GetToday(LPSYSTEMTIME pDateTime) const { return (BOOL)Send(m_hWnd, MCM_GETTODAY, 0, (LPARAM)pDateTime); }
BOOL CMonthCalCtrl::GetCurSel(LPSYSTEMTIME pDateTime) const { return (BOOL)Send(m_hWnd, MCM_GETCURSEL, 0, (LPARAM)pDateTime); }
BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* pDateTime) { return (BOOL)Send(m_hWnd, MCM_SETCURSEL, 0, (LPARAM)pDateTime); }
BOOL CMonthCalCtrl::SetDayState(int nMonths, LPMONTHDAYSTATE pStates)
{
    return (BOOL)Send(m_hWnd, MCM_SETDAYSTATE, (WPARAM)nMonths, (LPARAM)pStates);
}
BOOL CMonthCalCtrl::SetMaxSelCount(int nMax) { return (BOOL)Send(m_hWnd, MCM_SETMAXSELCOUNT, (WPARAM)nMax); }
int CMonthCalCtrl::GetMaxSelCount() const { return (int)Send(m_hWnd, MCM_GETMAXSELCOUNT); }

BOOL CMonthCalCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    SYSTEMTIME sysTimes[2];
    const WPARAM wFlags = RangeOf(sysTimes, pMinRange, pMaxRange);
    return (BOOL)Send(m_hWnd, MCM_SETRANGE, wFlags, (LPARAM)sysTimes);
}

DWORD CMonthCalCtrl::GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const
{
    SYSTEMTIME sysTimes[2];
    memset(sysTimes, 0, sizeof(sysTimes));
    const DWORD dwResult = (DWORD)Send(m_hWnd, MCM_GETRANGE, 0, (LPARAM)sysTimes);
    if (pMinRange != NULL && (dwResult & GDTR_MIN))
        *pMinRange = sysTimes[0];
    if (pMaxRange != NULL && (dwResult & GDTR_MAX))
        *pMaxRange = sysTimes[1];
    return dwResult;
}

int CMonthCalCtrl::GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const
{
    SYSTEMTIME sysTimes[2];
    memset(sysTimes, 0, sizeof(sysTimes));
    const int nCount = (int)Send(m_hWnd, MCM_GETMONTHRANGE, (WPARAM)dwFlags, (LPARAM)sysTimes);
    if (pMinRange != NULL)
        *pMinRange = sysTimes[0];
    if (pMaxRange != NULL)
        *pMaxRange = sysTimes[1];
    return nCount;
}

BOOL CMonthCalCtrl::SetSelRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    if (pMinRange == NULL || pMaxRange == NULL)
        return FALSE;
    SYSTEMTIME sysTimes[2] = { *pMinRange, *pMaxRange };
    return (BOOL)Send(m_hWnd, MCM_SETSELRANGE, 0, (LPARAM)sysTimes);
}

BOOL CMonthCalCtrl::GetSelRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const
{
    SYSTEMTIME sysTimes[2];
    memset(sysTimes, 0, sizeof(sysTimes));
    const BOOL bResult = (BOOL)Send(m_hWnd, MCM_GETSELRANGE, 0, (LPARAM)sysTimes);
    if (pMinRange != NULL)
        *pMinRange = sysTimes[0];
    if (pMaxRange != NULL)
        *pMaxRange = sysTimes[1];
    return bResult;
}
