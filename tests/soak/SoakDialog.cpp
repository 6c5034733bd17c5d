#include "SoakDialog.h"
#include "QELTest.h"

namespace soak {

BEGIN_MESSAGE_MAP(CSoakDialog, CDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CSoakDialog::CreateHost()
{
    qeltest::CDialogTemplate t("Soak", 250, 170, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT);
    t.AddControl("SysListView32", "", kListId, 5, 5, 240, 140,
                 LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
    t.AddControl("Button", "OK", IDOK, 195, 150, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
    if (!CreateIndirect(t.Get(), NULL))
        return FALSE;
    if (!m_list.SubclassDlgItem(kListId, this))
        return FALSE;
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

LRESULT CSoakDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (message >= 0xC000 && m_parent.Handle(message, wParam, lParam, lResult))
        return lResult;
    return CDialog::WindowProc(message, wParam, lParam);
}

void CSoakDialog::ForwardToEditor(UINT nKey)
{
    CWnd* pEditor = m_list.GetEditControl();
    if (pEditor != NULL)
        pEditor->SendMessage(WM_KEYDOWN, nKey, 1);
}

void CSoakDialog::OnOK()
{
    ForwardToEditor(VK_RETURN);
}

void CSoakDialog::OnCancel()
{
    ForwardToEditor(VK_ESCAPE);
}

void CSoakDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd() == NULL)
        return;
    CWnd* pButton = GetDlgItem(IDOK);
    const int nButtonHeight = 24;
    m_list.MoveWindow(8, 8, cx > 16 ? cx - 16 : 0, cy > 48 ? cy - 48 : 0);
    if (pButton != NULL)
        pButton->MoveWindow(cx > 90 ? cx - 90 : 0, cy > 32 ? cy - 32 : 0, 80, nButtonHeight);
}

} // namespace soak
