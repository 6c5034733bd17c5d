// Thread and application objects: message loop, pre-translation, idle processing, start-up and wait cursor.
#include "afximpl_.h"

#include <afxcmn.h>
#include <afxres.h>
#include <stdlib.h>
#include <string.h>

namespace {

TCHAR* DuplicateString(LPCTSTR psz)
{
    return psz != NULL ? _tcsdup(psz) : NULL;
}

void FreeString(LPCTSTR& psz)
{
    free((void*)psz);
    psz = NULL;
}

} // namespace

// ---- Temporary objects -----------------------------------------------------------------------------------

void AfxDeleteAllTempMaps()
{
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
}

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock != 0 && --pState->m_nTempMapLock == 0 && bDeleteTemps)
        AfxDeleteAllTempMaps();
    return pState->m_nTempMapLock != 0;    // still locked
}

// ---- Message loop shared by thread objects and threads without one --------------------------------------

BOOL AfxInternalPreTranslateMessage(MSG* pMsg)
{
    // Walk from the target window up to the main window, then give the main window a last chance with
    // messages of windows outside it (modeless dialogs).
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd == NULL || pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL AfxInternalPumpMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_msgCur;
    if (!::GetMessage(pMsg, NULL, 0, 0))
        return FALSE;
    if (pMsg->message != WM_KICKIDLE && !AfxInternalPreTranslateMessage(pMsg))
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessage(pMsg);
    }
    return TRUE;
}

BOOL AfxInternalIsIdleMessage(MSG* pMsg)
{
    // Frequent messages that change nothing visible do not restart idle processing.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 &&
        pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_NCMOUSEMOVE;
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->PumpMessage() : AfxInternalPumpMessage();
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

// ---- CWinThread ------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(0),
      m_ptCursorLast(-1, -1), m_nMsgLast(0)
{
    ZeroMemory(&m_msgCur, sizeof(m_msgCur));
}

CWinThread::~CWinThread()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pCurrentWinThread == this)
        pState->m_pCurrentWinThread = NULL;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessage(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return AfxInternalPreTranslateMessage(pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        // A mouse move to where the mouse already was is no reason for idle work.
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast.x = pMsg->pt.x;
        m_ptCursorLast.y = pMsg->pt.y;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;   // 0x0118: caret blink
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
    }
    else if (AfxGetThreadState()->m_nTempMapLock == 0)
    {
        // Free the temporary objects made by FromHandle since the last idle time.
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }
    return lCount < 1;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

// ---- CWinApp ---------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pszAppName(DuplicateString(lpszAppName)), m_pszExeName(NULL), m_pszHelpFilePath(NULL),
      m_pszProfileName(NULL), m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL)
{
    // The application object is the thread object of the thread that constructs it.
    AfxGetThreadState()->m_pCurrentWinThread = this;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    AfxGetModuleState()->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_pCurrentWinApp == this)
    {
        pModuleState->m_pCurrentWinApp = NULL;
        pModuleState->m_lpszCurrentAppName = NULL;
    }
    FreeString(m_pszAppName);
    FreeString(m_pszExeName);
    FreeString(m_pszHelpFilePath);
    FreeString(m_pszProfileName);
}

void CWinApp::SetCurrentHandles()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = m_hInstance;
    pModuleState->m_hCurrentResourceHandle = m_hInstance;

    // The executable's path without directory and extension names the application by default.
    TCHAR szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileName(m_hInstance, szPath, MAX_PATH);
    if (nLen == 0 || nLen >= MAX_PATH)
        lstrcpy(szPath, _T("app.exe"));
    TCHAR* pszFileName = szPath;
    for (TCHAR* p = szPath; *p != '\0'; p = ::CharNext(p))
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            pszFileName = p + 1;
    }
    TCHAR* pszExtension = AfxFindLastChar(pszFileName, '.');

    if (m_pszExeName == NULL)
    {
        TCHAR szExeName[MAX_PATH];
        lstrcpyn(szExeName, pszFileName, MAX_PATH);
        if (pszExtension != NULL)
            szExeName[pszExtension - pszFileName] = '\0';
        m_pszExeName = DuplicateString(szExeName);
    }

    if (m_pszAppName == NULL)
    {
        TCHAR szTitle[256];
        if (::LoadString(m_hInstance, AFX_IDS_APP_TITLE, szTitle, _countof(szTitle)) > 0)
            m_pszAppName = DuplicateString(szTitle);
        else
            m_pszAppName = DuplicateString(m_pszExeName);
    }
    pModuleState->m_lpszCurrentAppName = m_pszAppName;

    if (m_pszHelpFilePath == NULL)
    {
        TCHAR szHelp[MAX_PATH + 4];
        lstrcpyn(szHelp, szPath, MAX_PATH);
        TCHAR* pszDot = AfxFindLastChar(szHelp, '.');
        if (pszDot != NULL && pszDot > szHelp + (pszFileName - szPath))
            *pszDot = '\0';
        lstrcat(szHelp, _T(".HLP"));
        m_pszHelpFilePath = DuplicateString(szHelp);
    }

    if (m_pszProfileName == NULL)
    {
        TCHAR szProfile[MAX_PATH + 4];
        lstrcpyn(szProfile, m_pszExeName, MAX_PATH);
        lstrcat(szProfile, _T(".INI"));
        m_pszProfileName = DuplicateString(szProfile);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    // Without a main window nothing would ever end the loop.
    if (m_pMainWnd == NULL)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndTop = NULL;
    HWND hWnd = AfxGetSafeOwner(NULL, &hWndTop);
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        default:
            break;
        }
    }
    int nResult = ::MessageBox(hWnd, lpszPrompt, m_pszAppName, nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        m_nWaitCursorCount = 0;     // an unbalanced End must not make the count negative
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIcon(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    TCHAR szValue[16];
    wsprintf(szValue, _T("%d"), nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, szValue, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    TCHAR szValue[4096];
    ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault != NULL ? lpszDefault : _T(""), szValue,
        _countof(szValue), m_pszProfileName);
    return CString(szValue);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

// ---- CWaitCursor -----------------------------------------------------------------------------------------

CWaitCursor::CWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->EndWaitCursor();
}

void CWaitCursor::Restore()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->RestoreWaitCursor();
}

// ---- Global functions ------------------------------------------------------------------------------------

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetThreadState()->m_pCurrentWinThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    // No system message boxes for missing drives or files.
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    pModuleState->m_hCurrentResourceHandle = hInstance;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxUnhookWindowCreate();
    AfxDeleteAllTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();

    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pThread != NULL &&
        (pApp == NULL || pApp->InitApplication()))
    {
        if (!pThread->InitInstance())
        {
            if (pThread->m_pMainWnd != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        }
        else
        {
            nReturnCode = pThread->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBox(AfxGetSafeOwner(NULL, NULL), lpszText, NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    TCHAR szPrompt[1024];
    if (::LoadString(AfxGetResourceHandle(), nIDPrompt, szPrompt, _countof(szPrompt)) <= 0)
        szPrompt[0] = '\0';
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(szPrompt, nType, nIDHelp);
}
