// Themed edit box.
#include "QELEdit.h"

#include "QELStdWin.h"
#include "QELThemeManager.h"
#include "QELWindowColor.h"

IMPLEMENT_DYNAMIC(CQELEdit, CEdit)

BEGIN_MESSAGE_MAP(CQELEdit, CEdit)
    ON_WM_NCPAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_MOUSELEAVE, &CQELEdit::OnMouseLeave)
END_MESSAGE_MAP()

CQELEdit::CQELEdit()
    : m_bHover(FALSE)
    , m_dwStyle(1)
{
}

CQELEdit::~CQELEdit()
{
}

void CQELEdit::SetStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle;
}

void CQELEdit::DrawFrame()
{
    if (m_dwStyle != 1)
    {
        // The system keeps the frame. Only a WM_NCPAINT still waits for its default processing; the
        // mouse and focus handlers have passed their messages on already.
        const MSG* pMsg = GetCurrentMessage();
        if (pMsg != NULL && pMsg->message == WM_NCPAINT && pMsg->hwnd == m_hWnd)
            Default();
        return;
    }

    CWindowRect rect(this, 0);
    CWindowDC dc(this);

    CQELWindowColor color(_gWindowColor);
    color.m_crWindowFrame = color.m_crHighlight;

    rect.OffsetRect(-rect.left, -rect.top);

    BOOL bHot = 0;
    if (m_bHover)
        bHot = 1;
    else if (::GetFocus() == m_hWnd)
        bHot = 1;

    // Outer ring: the highlight colour when hot, the dark shadow otherwise.
    _gThemeManager.DrawComboBorderEx(&dc, rect, 0, 0, bHot, this, &color);

    // Inner ring in the control's background colour.
    if (GetStyle() & (WS_DISABLED | ES_READONLY))
        color.m_crWindowFrame = color.m_crBtnFace;
    else
        color.m_crWindowFrame = color.m_crWindow;
    rect.DeflateRect(1, 1);
    _gThemeManager.DrawComboBorderEx(&dc, rect, 0, 0, 1, this, &color);
}

void CQELEdit::OnNcPaint()
{
    DrawFrame();
}

void CQELEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    CWindowRect rect(this, 1);
    const BOOL bOldHover = m_bHover;
    if (!m_bHover && rect.PtInRect(point))
        m_bHover = TRUE;

    // Renewed on every move: a leave request lapses once it has been delivered.
    TRACKMOUSEEVENT tme;
    tme.cbSize = sizeof(TRACKMOUSEEVENT);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    tme.dwHoverTime = 0;
    ::TrackMouseEvent(&tme);

    if (m_bHover != bOldHover)
        DrawFrame();
    CEdit::OnMouseMove(nFlags, point);
}

void CQELEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    DrawFrame();
}

void CQELEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    // With the mouse captured (selecting text by dragging) the button can be released outside.
    CWindowRect rect(this, 1);
    const BOOL bOldHover = m_bHover;
    if (!rect.PtInRect(point))
        m_bHover = FALSE;
    if (m_bHover != bOldHover)
        DrawFrame();
    CEdit::OnLButtonUp(nFlags, point);
}

void CQELEdit::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    DrawFrame();
}

LRESULT CQELEdit::OnMouseLeave(WPARAM, LPARAM)
{
    m_bHover = FALSE;
    DrawFrame();
    return 0;
}
