#include "SoakFrame.h"

namespace soak {

BEGIN_MESSAGE_MAP(CSoakFrame, CFrameWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CSoakFrame::CreateHost()
{
    if (!Create(NULL, _T("Soak"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 460, 330)))
        return FALSE;
    CRect rect;
    GetClientRect(&rect);
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, rect, this, kListId))
        return FALSE;
    ::SetForegroundWindow(m_hWnd);
    m_list.SetFocus();
    return TRUE;
}

LRESULT CSoakFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (message >= 0xC000 && m_parent.Handle(message, wParam, lParam, lResult))
        return lResult;
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CSoakFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd() != NULL)
        m_list.MoveWindow(0, 0, cx, cy);
}

} // namespace soak
