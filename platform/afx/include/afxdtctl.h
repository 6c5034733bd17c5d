// Wrappers of the date controls: CDateTimeCtrl (date and time picker) and CMonthCalCtrl (month calendar).
#pragma once

#include <afxwin.h>
#include <commctrl.h>

class CMonthCalCtrl;

// Manages a date and time picker (DATETIMEPICK_CLASS window class).
class AFX_CLASS_API CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    // Constructors
    CDateTimeCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    COLORREF GetMonthCalColor(int iColor) const;
    COLORREF SetMonthCalColor(int iColor, COLORREF ref);
    BOOL SetFormat(LPCTSTR pstrFormat);
    // The drop-down calendar: a temporary object, and only while it is shown (null otherwise).
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const;
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE);
    // Limits of the allowed range; a null pointer leaves that side open. GetRange answers GDTR_MIN/GDTR_MAX
    // for the sides that are set and fills only those.
    BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
    DWORD GetRange(SYSTEMTIME* pMinRange, SYSTEMTIME* pMaxRange) const;

    // Operations
    // GDT_VALID with the time, or GDT_NONE when a DTS_SHOWNONE picker is unchecked.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    // A null time unchecks a DTS_SHOWNONE picker.
    BOOL SetTime(LPSYSTEMTIME pTimeNew = NULL);

    // Implementation
    virtual ~CDateTimeCtrl();
};

// Manages a month calendar (MONTHCAL_CLASS window class).
class AFX_CLASS_API CMonthCalCtrl : public CWnd
{
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    // Constructors
    CMonthCalCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Created at pt with the size that shows one month.
    virtual BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    // Attributes
    BOOL GetMinReqRect(RECT* pRect) const;
    int SetMonthDelta(int iDelta);
    int GetMonthDelta() const;
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = NULL);
    int GetFirstDayOfWeek(BOOL* pbLocal = NULL) const;
    COLORREF GetColor(int nRegion) const;
    COLORREF SetColor(int nRegion, COLORREF ref);
    DWORD HitTest(PMCHITTESTINFO pMCHitTest);

    // Operations
    BOOL SizeMinReq(BOOL bRepaint = TRUE);
    void SetToday(const SYSTEMTIME* pDateTime);
    BOOL GetToday(LPSYSTEMTIME pDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const;
    BOOL SetCurSel(const SYSTEMTIME* pDateTime);
    BOOL SetDayState(int nMonths, LPMONTHDAYSTATE pStates);
    BOOL SetMaxSelCount(int nMax);
    int GetMaxSelCount() const;
    BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
    DWORD GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;
    int GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const;
    BOOL SetSelRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
    BOOL GetSelRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;

    // Implementation
    virtual ~CMonthCalCtrl();
};
