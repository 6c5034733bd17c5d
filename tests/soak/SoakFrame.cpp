#include "SoakFrame.h"

namespace soak {

BEGIN_MESSAGE_MAP(CSoakFrame, CFrameWnd)
    ON_WM_SIZE()
    ON_NOTIFY(LVN_GETDISPINFO, kListId, &CSoakFrame::OnGetDispInfo)
END_MESSAGE_MAP()

BOOL CSoakFrame::CreateHost(bool bOwnerData)
{
    if (!Create(NULL, _T("Soak"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 460, 330)))
        return FALSE;
    CRect rect;
    GetClientRect(&rect);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    if (!m_list.Create(dwStyle | (bOwnerData ? LVS_OWNERDATA : 0), rect, this, kListId))
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

void CSoakFrame::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_parent.GetDispInfo(reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item);
    *pResult = 0;
}

} // namespace soak
