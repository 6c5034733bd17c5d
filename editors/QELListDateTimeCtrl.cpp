// In-place date editor window of the list control.
#include "QELListDateTimeCtrl.h"

#include <string.h>

#include "QELListEditorInternal.h"
#include "QELListKeysInternal.h"
#include "QELStd.h"
#include "QELStdWin.h"
#include "QELThemeManager.h"
#include "QELWindowColor.h"

namespace {

// Posted to the picker itself after its calendar closed; handled once the picker's own processing of the
// close is over.
const UINT kCalendarClosed = WM_APP + 0x0E1;

} // namespace

BEGIN_MESSAGE_MAP(CQELListDateTimeCtrl, CDateTimeCtrl)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEWHEEL()
    ON_NOTIFY_REFLECT(DTN_DROPDOWN, &CQELListDateTimeCtrl::OnDropdown)
    ON_NOTIFY_REFLECT(DTN_CLOSEUP, &CQELListDateTimeCtrl::OnCloseup)
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_MESSAGE(kCalendarClosed, &CQELListDateTimeCtrl::OnCalendarClosed)
END_MESSAGE_MAP()

CQELListDateTimeCtrl::CQELListDateTimeCtrl()
    : m_nItem(-1)
    , m_nSubItem(-1)
    , m_bCancel(0)
    , m_bDropDown(0)
{
    memset(&m_stStart, 0, sizeof(m_stStart));
}

CQELListDateTimeCtrl::~CQELListDateTimeCtrl()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        DestroyWindow();
}

int CQELListDateTimeCtrl::Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem,
                                 CWnd* pParentWnd, _tag_QELListColumnStyle* const pStyle)
{
    const DWORD dwStyle = (pStyle != NULL ? (pStyle->dwStyle & ~(DWORD)WS_BORDER) : 0) | WS_CHILD | WS_VISIBLE;
    if (!CDateTimeCtrl::Create(dwStyle, rect, pParentWnd, nID))
        return 0;

    SetOwner(pParentWnd);
    m_nItem = nItem;
    m_nSubItem = nSubItem;

    LPCTSTR pszFormat = QEL_DATEFORMAT_DEFAULT;
    if (pStyle != NULL && pStyle->pData != NULL && pStyle->pData[0] != '\0')
        pszFormat = pStyle->pData;
    ::SendMessage(m_hWnd, DTM_SETFORMAT, 0, (LPARAM)pszFormat);

    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    QELDateTime::ConvertStringToSystemtime(pszText, pszFormat, &st);
    if (QELDateTime::AvailabilityTime(st) == 0)
    {
        if (pStyle != NULL && (pStyle->dwFlags & QEL_STYLEFLAG_AUTO))
        {
            ::GetLocalTime(&st);
        }
        else
        {
            st.wYear = 1900;
            st.wMonth = 1;
            st.wDay = 1;
        }
    }

    SetTime(&st);
    ::SendMessage(m_hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)&m_stStart);
    return 1;
}

int CQELListDateTimeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDateTimeCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetFocus();
    return 0;
}

void CQELListDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // A key that asked the list to move the edit is not the picker's: Ctrl+Down would first change the date
    // that the move then commits.
    if (QELListEditor::ApplyKeyRules(this, m_item, nChar, nRepCnt, nFlags, m_nItem, m_nSubItem, m_bCancel)
        && !QELListKeys::IsMoveKey(nChar))
        Default();
}

BOOL CQELListDateTimeCtrl::PreTranslateMessage(MSG* pMsg)
{
    // Tab, Enter, Escape and Ctrl combinations go straight to OnKeyDown, past a dialog's navigation and
    // default buttons and past accelerators.
    if (QELListEditor::DispatchEditorKey(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CQELListDateTimeCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    QELListEditor::ApplyWheelRule(this, m_item, nFlags, zDelta, pt, m_nItem, m_nSubItem, m_bCancel);
    return TRUE;   // handled: the picker's fields never change with the wheel
}

void CQELListDateTimeCtrl::OnDropdown(NMHDR*, LRESULT* pResult)
{
    m_bDropDown = 1;
    *pResult = 0;
}

void CQELListDateTimeCtrl::OnCloseup(NMHDR*, LRESULT* pResult)
{
    m_bDropDown = 0;
    InvalidateRect(NULL, TRUE);
    PostMessage(kCalendarClosed, 0, 0);
    *pResult = 0;
}

LRESULT CQELListDateTimeCtrl::OnCalendarClosed(WPARAM, LPARAM)
{
    // The calendar held the focus while it was open, so the picker has not seen it go. When hiding the
    // calendar left the focus nowhere in particular (no window, or the top-level window itself), the edit
    // goes on in the picker; when the user put it into another window, the edit ends as on any focus loss.
    const HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd || m_bDropDown)
        return 0;
    if (hFocus == NULL || hFocus == ::GetAncestor(m_hWnd, GA_ROOT))
    {
        SetFocus();
        return 0;
    }
    if (IsCalendarWindow(hFocus))
        return 0;
    SetListText();
    return 0;
}

BOOL CQELListDateTimeCtrl::IsCalendarWindow(HWND hWnd) const
{
    const HWND hCalendar = (HWND)::SendMessage(m_hWnd, DTM_GETMONTHCAL, 0, 0);
    if (hWnd == NULL || hCalendar == NULL)
        return FALSE;
    // The calendar itself, a popup that hosts it, or a window inside it.
    return hWnd == hCalendar || ::IsChild(hWnd, hCalendar) || ::IsChild(hCalendar, hWnd);
}

void CQELListDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    // The open calendar takes the focus without ending the edit. Some pickers activate the calendar
    // before they announce the drop-down, so the calendar receiving the focus counts as open as well.
    if (m_bDropDown)
        return;
    const HWND hNewWnd = pNewWnd != NULL ? pNewWnd->GetSafeHwnd() : NULL;
    if (hNewWnd == m_hWnd || IsCalendarWindow(hNewWnd))
        return;
    SetListText();
}

void CQELListDateTimeCtrl::SetListText()
{
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL)
        return;

    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    ::SendMessage(m_hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)&st);

    // The date as the picker displays it, in the column's display format.
    LPTSTR pszText = NULL;
    if (!m_bCancel && memcmp(&st, &m_stStart, sizeof(SYSTEMTIME)) != 0)
        pszText = QELListEditor::CopyWindowText(this);
    // The list deletes this editor while handling the end; nothing of it is used afterwards.
    QELListEditor::Report(this, pOwner->GetSafeHwnd(), m_nItem, m_nSubItem, pszText);
}

void CQELListDateTimeCtrl::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // One pixel less border on every side than the default computes: room for the one-pixel frame.
    ::InflateRect(&lpncsp->rgrc[0], 1, 1);
    Default();
}

void CQELListDateTimeCtrl::OnNcPaint()
{
    const HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(hDC);

    CWindowRect rect(this, 0);
    ::OffsetRect(&rect, -rect.left, -rect.top);

    CQELWindowColor color(_gWindowColor);
    color.m_crWindowFrame = color.m_crHighlight;
    _gThemeManager.DrawComboBorderEx(pDC, rect, 0, 0, 1, this, &color);

    ::ReleaseDC(m_hWnd, hDC);
}
