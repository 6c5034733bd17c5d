// Dialog boxes: creation from resource and in-memory templates, the modal loop, and dialog data exchange.
#include "afximpl_.h"

#include <stdio.h>

namespace {

// Thrown by CDataExchange::Fail and caught by UpdateData: ends the exchange at the failing control.
struct DataExchangeFailure
{
};

// Win16 message numbers still found in dialog-init resources.
const WORD kWin16LbAddString = 0x0401;
const WORD kWin16CbAddString = 0x0403;

void ReadWindowText(HWND hWnd, CString& value)
{
    const int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, value.GetBuffer(nLen), nLen + 1);
    value.ReleaseBuffer();
}

// The selection index of a list box or a combo box, read and set with the control's own messages.
void ExchangeSelection(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, nGetMessage, 0, 0);
    else
        ::SendMessage(hWndCtrl, nSetMessage, (WPARAM)index, 0);
}

} // namespace

// ---- Dialog data exchange --------------------------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_bFailed(FALSE), m_hWndLastControl(NULL)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = NULL;
    if (m_pDlgWnd != NULL)
        m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == NULL)
        Fail();
    m_hWndLastControl = hWndCtrl;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    return PrepareCtrl(nIDC);
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
        ::SetFocus(m_hWndLastControl);      // the user goes back to the control that failed
    throw DataExchangeFailure();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == NULL)
    {
        HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
        if (!rControl.SubclassWindow(hWndCtrl))
            pDX->Fail();
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ReadWindowText(hWndCtrl, value);
    else
        ::SetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        TCHAR szText[64];
        ::GetWindowText(hWndCtrl, szText, _countof(szText));
        int nValue = 0;
        TCHAR chExtra = 0;
        if (_stscanf(szText, _T("%d %c"), &nValue, &chExtra) != 1)
            pDX->Fail();
        value = nValue;
    }
    else
    {
        TCHAR szText[16];
        wsprintf(szText, _T("%d"), value);
        ::SetWindowText(hWndCtrl, szText);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hWndFirst = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // Controls of the group that are not radio buttons take no index.
    int nButton = 0;
    for (HWND hWnd = hWndFirst; hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != hWndFirst && (::GetWindowLong(hWnd, GWL_STYLE) & WS_GROUP) != 0)
            break;
        if ((::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0)
            continue;
        if (!pDX->m_bSaveAndValidate)
            ::SendMessage(hWnd, BM_SETCHECK, nButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
        else if (::SendMessage(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
            value = nButton;
        ++nButton;
    }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ReadWindowText(hWndCtrl, value);    // a drop-down list answers with its selected item
    else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        ::SetWindowText(hWndCtrl, value);  // a drop-down list ignores it
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
            pDX->Fail();
    }
    else if (pDX->m_hWndLastControl != NULL)
    {
        // An edit control understands the first, a combo box the second; each ignores the other.
        ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
        ::SendMessage(pDX->m_hWndLastControl, CB_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        pDX->Fail();
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);

    // Controls changed by the exchange must not notify their parent meanwhile.
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    HWND hWndOldLockout = pThreadState->m_hLockoutNotifyWindow;
    pThreadState->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (const DataExchangeFailure&)
    {
    }
    pThreadState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    LPVOID lpResource = NULL;
    if (lpszResourceName != NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCE(240));
        HRSRC hDlgInit = ::FindResource(hInst, lpszResourceName, MAKEINTRESOURCE(240));   // RT_DLGINIT
        if (hDlgInit != NULL)
        {
            HGLOBAL hResource = ::LoadResource(hInst, hDlgInit);
            if (hResource != NULL)
                lpResource = ::LockResource(hResource);
        }
    }
    return ExecuteDlgInit(lpResource);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // Records of: control id, message, data length, data; a zero id ends the list. Only list and combo
    // box strings are supported.
    BOOL bSuccess = TRUE;
    if (lpResource != NULL)
    {
        const BYTE* p = (const BYTE*)lpResource;
        for (;;)
        {
            WORD nIDC;
            memcpy(&nIDC, p, sizeof(WORD));
            if (nIDC == 0)
                break;
            WORD nMsg;
            DWORD dwLen;
            memcpy(&nMsg, p + 2, sizeof(WORD));
            memcpy(&dwLen, p + 4, sizeof(DWORD));
            p += 8;
            if (nMsg == kWin16LbAddString)
                nMsg = LB_ADDSTRING;
            else if (nMsg == kWin16CbAddString)
                nMsg = CB_ADDSTRING;
            if ((nMsg == LB_ADDSTRING || nMsg == CB_ADDSTRING) &&
                ::SendDlgItemMessage(m_hWnd, nIDC, nMsg, 0, (LPARAM)p) == -1)
            {
                bSuccess = FALSE;
                break;
            }
            p += dwLen;
        }
    }
    if (bSuccess)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, FALSE, FALSE);
    return bSuccess;
}

// ---- Dialog creation -------------------------------------------------------------------------------------

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    // The dialog manager calls this for WM_INITDIALOG when CDialog's handler passes it on (Default()).
    if (message == WM_INITDIALOG)
    {
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
    }
    return 0;
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL || m_hWnd != NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetInstanceHandle();

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    // EndDialog during OnInitDialog ends the dialog before it is shown.
    if (hWnd != NULL && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = NULL;
    }
    if (hWnd == NULL)
        m_nFlags &= ~WF_CONTINUEMODAL;
    return hWnd != NULL;
}

// ---- CDialog ---------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_nIDHelp(0), m_lpszTemplateName(NULL), m_hDialogTemplate(NULL), m_lpDialogTemplate(NULL),
      m_lpDialogInit(NULL), m_pParentWnd(NULL), m_hWndTop(NULL)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_lpszTemplateName(lpszTemplateName), m_hDialogTemplate(NULL), m_lpDialogTemplate(NULL),
      m_lpDialogInit(NULL), m_pParentWnd(pParentWnd), m_hWndTop(NULL)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_hDialogTemplate(NULL),
      m_lpDialogTemplate(NULL), m_lpDialogInit(NULL), m_pParentWnd(pParentWnd), m_hWndTop(NULL)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);

    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCTSTR)RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, (LPCTSTR)RT_DIALOG);
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (hTemplate == NULL)
        return FALSE;
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect((LPCDLGTEMPLATE)::LockResource(hTemplate), pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    if (hDialogTemplate == NULL)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(hDialogTemplate);
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd, NULL);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND CDialog::PreModal()
{
    HWND hWnd = AfxGetSafeOwner(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    AfxHookWindowCreate(this);
    return hWnd;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    Detach();
    if (m_hWndTop != NULL && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != NULL)
        return -1;      // already a modeless dialog

    LPCDLGTEMPLATE lpDialogTemplate = m_lpDialogTemplate;
    HGLOBAL hDialogTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    BOOL bLockedGlobal = FALSE;
    if (m_lpszTemplateName != NULL)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, (LPCTSTR)RT_DIALOG);
        HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, (LPCTSTR)RT_DIALOG);
        hDialogTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
        if (hDialogTemplate != NULL)
            lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    }
    else if (hDialogTemplate != NULL)
    {
        lpDialogTemplate = (LPCDLGTEMPLATE)::GlobalLock(hDialogTemplate);
        bLockedGlobal = TRUE;
    }
    if (lpDialogTemplate == NULL)
        return -1;

    // Disable the parent before the dialog exists.
    HWND hWndParent = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    if (CreateDlgIndirect(lpDialogTemplate, CWnd::FromHandle(hWndParent), hInst))
    {
        if (m_nFlags & WF_CONTINUEMODAL)
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        // Hide before the parent is enabled again, so that activation goes back to it.
        if (m_hWnd != NULL)
            SetWindowPos(NULL, 0, 0, 0, 0,
                SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    PostModal();

    if (bLockedGlobal)
        ::GlobalUnlock(hDialogTemplate);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit = m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit || !UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;    // focus to the first control
}

void CDialog::OnSetFont(CFont*)
{
}

void CDialog::PreInitDialog()
{
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::CheckAutoCenter()
{
    return !(GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != NULL && pFrameWnd->m_bHelpMode)
        return FALSE;

    // Escape in a multi-line edit of a dialog without an enabled Cancel button still cancels.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        TCHAR szClass[8];
        if (::GetClassName(pMsg->hwnd, szClass, _countof(szClass)) > 0 && lstrcmpi(szClass, _T("Edit")) == 0)
        {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == NULL || ::IsWindowEnabled(hItem))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return PreTranslateInput(pMsg);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    return Default();   // the dialog manager calls AfxDlgProc, which calls OnInitDialog
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}
