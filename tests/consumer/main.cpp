// A console MFC program using the installed package: a list with an editable column in a frame window.
#include <afxwin.h>
#include <QELCtrl.h>
#include <stdio.h>

CWinApp theApp;

int main()
{
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0))
        return 1;

    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), "Consumer", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, NULL))
        return 2;

    CQELListCtrl list;
    if (!list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &frame, 1))
        return 3;
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.InsertItem(0, "Ann");

    _tag_QELListColumnStyle style = {};
    style.nColumn = 0;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    if (list.SetColumnStyle(&style) != 0 || !list.IsEditColumn(0))
        return 4;
    if (WM_QEL_LISTEDITEND == 0 || WM_QEL_HEADERCHANGED == 0)
        return 5;

    frame.DestroyWindow();
    printf("consumer: ok\n");
    return 0;
}
