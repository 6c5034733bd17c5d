// Command targets and windows: message maps, AfxWndProc, creation and subclassing, handle maps, reflection.
#include "afximpl_.h"

#include <stdio.h>

// ---- CHandleMap ------------------------------------------------------------------------------------------

CHandleMap::~CHandleMap()
{
    DeleteTemp();
}

CWnd* CHandleMap::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    CWnd* pWnd = LookupPermanent(hWnd);
    if (pWnd != NULL)
        return pWnd;
    pWnd = LookupTemporary(hWnd);
    if (pWnd != NULL)
        return pWnd;
    pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    m_temporary[hWnd] = pWnd;
    return pWnd;
}

void CHandleMap::RemoveHandle(HWND hWnd, const CWnd* pWnd)
{
    Map::iterator it = m_permanent.find(hWnd);
    if (it != m_permanent.end() && it->second == pWnd)
    {
        m_permanent.erase(it);
        return;
    }
    // A temporary object losing its window stays owned by the map until the next DeleteTemp, but no
    // longer answers for the handle, which a new window may reuse.
    it = m_temporary.find(hWnd);
    if (it != m_temporary.end() && it->second == pWnd)
    {
        m_detachedTemps.push_back(it->second);
        m_temporary.erase(it);
    }
}

void CHandleMap::DeleteTemp()
{
    // Take the objects out first: a destructor may look into the map.
    std::vector<CWnd*> objects(m_detachedTemps);
    m_detachedTemps.clear();
    for (Map::iterator it = m_temporary.begin(); it != m_temporary.end(); ++it)
        objects.push_back(it->second);
    m_temporary.clear();
    for (size_t i = 0; i < objects.size(); i++)
    {
        objects[i]->m_hWnd = NULL;      // the window is not ours to destroy
        delete objects[i];
    }
}

// ---- CCmdTarget ------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget()
{
}

CCmdTarget::~CCmdTarget()
{
}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = { { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } };
    static const AFX_MSGMAP messageMap = { NULL, &_messageEntries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; lpEntry++)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*)
{
    // The message is packed into the high word of nCode; 0 means WM_COMMAND.
    UINT nMsg = 0;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    else
    {
        return FALSE;       // command-UI updates are not supported
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL)
    {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, (UINT)nCode, nID);
        if (lpEntry != NULL)
            return lpEntry->pfn(this, (WPARAM)nID, (LPARAM)pExtra, NULL);
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->DoWaitCursor(0);
}

// ---- AfxWndProc and the creation hook --------------------------------------------------------------------

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    MSG oldState = pThreadState->m_lastSentMsg;     // messages nest; Default() must see the innermost
    pThreadState->m_lastSentMsg.hwnd = hWnd;
    pThreadState->m_lastSentMsg.message = nMsg;
    pThreadState->m_lastSentMsg.wParam = wParam;
    pThreadState->m_lastSentMsg.lParam = lParam;

    // A hidden pop-up dialog that neither moved nor showed itself during WM_INITDIALOG is centred over
    // its owner afterwards.
    RECT rectOld = { 0, 0, 0, 0 };
    DWORD dwStyleOld = 0;
    if (nMsg == WM_INITDIALOG)
    {
        ::GetWindowRect(hWnd, &rectOld);
        dwStyleOld = (DWORD)::GetWindowLong(hWnd, GWL_STYLE);
    }

    // An exception must not unwind through the system's frames: the message fails instead (creation is
    // refused, a paint is marked done so that it does not come back at once).
    LRESULT lResult = 0;
    BOOL bThrown = FALSE;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (...)
    {
        bThrown = TRUE;
        if (nMsg == WM_CREATE || nMsg == WM_NCCREATE)
            lResult = nMsg == WM_CREATE ? -1 : FALSE;
        else if (nMsg == WM_PAINT)
            ::ValidateRect(hWnd, NULL);
    }

    // The handler may have deleted the object: look it up again before using it.
    if (nMsg == WM_INITDIALOG && !bThrown && CWnd::FromHandlePermanent(hWnd) == pWnd && !(dwStyleOld & WS_VISIBLE))
    {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        if (!(pWnd->GetStyle() & (WS_VISIBLE | WS_CHILD)) && rect.left == rectOld.left && rect.top == rectOld.top &&
            (hWndOwner == NULL || !::IsWindowEnabled(hWndOwner)) && pWnd->CheckAutoCenter())
        {
            pWnd->CenterWindow();
        }
    }

    pThreadState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;

    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);     // no object on this thread: nothing to route to

    LRESULT lResult = AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);

    // A window whose object swallowed WM_NCDESTROY is still in the map: detach the (live) object so that
    // the dead handle no longer leads to it.
    if (nMsg == WM_NCDESTROY)
    {
        pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL)
            pWnd->Detach();
    }
    return lResult;
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

namespace {

// Window classes of the input-method editor get their own windows while ours are created; they are
// never the window being created.
BOOL IsImeWindow(HWND hWnd, LPCREATESTRUCT lpcs)
{
    if (::GetClassLongPtr(hWnd, GCL_STYLE) & CS_IME)
        return TRUE;
    TCHAR szClassName[8];
    LPCTSTR pszClassName;
    if ((DWORD_PTR)lpcs->lpszClass > 0xffff)
    {
        pszClassName = lpcs->lpszClass;
    }
    else
    {
        szClassName[0] = '\0';
        ::GlobalGetAtomName((ATOM)(DWORD_PTR)lpcs->lpszClass, szClassName, _countof(szClassName));
        pszClassName = szClassName;
    }
    return lstrcmpi(pszClassName, _T("ime")) == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pThreadState->m_pWndInit != NULL)
    {
        HWND hWnd = (HWND)wParam;
        LPCREATESTRUCT lpcs = ((LPCBT_CREATEWND)lParam)->lpcs;
        if (lpcs != NULL && !IsImeWindow(hWnd, lpcs))
        {
            CWnd* pWndInit = pThreadState->m_pWndInit;
            if (pWndInit->Attach(hWnd))
            {
                // PreSubclassWindow sees m_pWndInit set: the window is being created, not subclassed.
                pWndInit->PreSubclassWindow();
                WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
                if (oldWndProc != &AfxWndProc)
                    pWndInit->m_pfnSuper = oldWndProc;
            }
            pThreadState->m_pWndInit = NULL;
        }
    }
    return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit == pWnd)
        return;
    if (pThreadState->m_hHookOldCbtFilter == NULL)
        pThreadState->m_hHookOldCbtFilter = ::SetWindowsHookEx(WH_CBT, CbtFilterHook, NULL, ::GetCurrentThreadId());
    pThreadState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pThreadState->m_hHookOldCbtFilter);
        pThreadState->m_hHookOldCbtFilter = NULL;
    }
    if (pThreadState->m_pWndInit != NULL)
    {
        pThreadState->m_pWndInit = NULL;
        return FALSE;       // the window was never attached
    }
    return TRUE;
}

// ---- CWnd: handle maps, attach, subclass -----------------------------------------------------------------

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd()
    : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && this != &wndTop && this != &wndBottom && this != &wndTopMost && this != &wndNoTopMost)
    {
        // Only CWnd's handlers run now: the derived parts are already gone.
        DestroyWindow();
        if (m_hWnd != NULL)
        {
            // The window survived (another thread's window): give it back its own procedure and forget it.
            if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == &AfxWndProc)
                ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
            Detach();
        }
    }
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxMapHWND()->FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState->m_pmapHWND != NULL ? pState->m_pmapHWND->LookupPermanent(hWnd) : NULL;
}

void PASCAL CWnd::DeleteTempMap()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHWND != NULL)
        pState->m_pmapHWND->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || m_hWnd != NULL)
        return FALSE;
    CHandleMap* pMap = AfxMapHWND();
    if (pMap->LookupPermanent(hWndNew) != NULL)
        return FALSE;       // another object owns this window
    m_hWnd = hWndNew;
    pMap->SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        _AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->m_pmapHWND != NULL)
            pState->m_pmapHWND->RemoveHandle(hWnd, this);
        m_hWnd = NULL;
    }
    m_hWndOwner = NULL;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == NULL || !::IsWindow(hWnd) || (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == &AfxWndProc)
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;

    // No creation is under way for this window: PreSubclassWindow sees m_pWndInit null.
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    CWnd* pWndInitOld = pThreadState->m_pWndInit;
    pThreadState->m_pWndInit = NULL;
    PreSubclassWindow();
    pThreadState->m_pWndInit = pWndInitOld;

    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    if (oldWndProc != &AfxWndProc)
        m_pfnSuper = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == NULL || pParent->m_hWnd == NULL)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL)
        return NULL;
    if (m_pfnSuper != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    return Detach();
}

// ---- CWnd: creation and destruction ----------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxRegisterLayerClass(AFX_WND, CS_DBLCLKS, NULL, NULL))
            return FALSE;
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // Child windows only: pop-ups and top-level windows go through CreateEx.
    if (pParentWnd == NULL || (dwStyle & WS_POPUP))
        return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID,
        (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;       // one window per object

    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();    // creation failed before the window was attached
    return hWnd != NULL;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    CWnd* pWnd = FromHandlePermanent(m_hWnd);
    BOOL bResult = ::DestroyWindow(m_hWnd);
    // A permanent object was detached by OnNcDestroy and may be deleted by now; do not touch it.
    if (pWnd != this)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::OnNcDestroy()
{
    // The main window going away ends the thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            AfxPostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }

    // Default processing, then give the window back its original procedure and detach.
    LONG_PTR pfnWndProc = ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if (::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc && m_pfnSuper != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    Detach();

    PostNcDestroy();        // may delete this
}

// ---- CWnd: dispatch --------------------------------------------------------------------------------------

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    pThreadState->m_lastSentMsg.time = ::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pThreadState->m_lastSentMsg.pt.x = (short)LOWORD(dwPos);
    pThreadState->m_lastSentMsg.pt.y = (short)HIWORD(dwPos);
    return &pThreadState->m_lastSentMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        const AFX_MSGMAP_ENTRY* lpEntry = NULL;
        for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
             pMap = pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL)
        {
            if (message < 0xC000)
            {
                lpEntry = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0);
            }
            else
            {
                // Registered messages: the entry holds the address of the variable with the id.
                for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries;
                     (p = AfxFindMessageEntry(p, 0xC000, 0, 0)) != NULL; p++)
                {
                    if (*(const UINT*)p->nSig == message)
                    {
                        lpEntry = p;
                        break;
                    }
                }
            }
        }
        if (lpEntry == NULL)
            return FALSE;
        lpEntry->pfn(this, wParam, lParam, &lResult);   // may delete this
    }

    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::Default()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    return DefWindowProc(pThreadState->m_lastSentMsg.message, pThreadState->m_lastSentMsg.wParam,
        pThreadState->m_lastSentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        if (nID == 0)
            return FALSE;       // menu and accelerator commands need an id
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;        // the control took its own notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    // The id comes from the window itself, not from the record.
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;

    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;            // the control took its own notification

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    // Only permanent objects get their notifications reflected.
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    return OnChildNotify(pThreadState->m_lastSentMsg.message, pThreadState->m_lastSentMsg.wParam,
        pThreadState->m_lastSentMsg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Reflected messages go straight to this class's map; they are not routed any further.
    LRESULT lResultDummy = 0;
    if (pResult == NULL)
        pResult = &lResultDummy;

    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

    case WM_COMMAND:
        if (CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;

    case WM_NOTIFY:
        {
            NMHDR* pNMHDR = (NMHDR*)lParam;
            AFX_NOTIFY notify;
            notify.pResult = pResult;
            notify.pNMHDR = pNMHDR;
            return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
        }

    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = (HWND)lParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            *pResult = 0;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
            // A reflected handler answering no brush leaves the colours to the parent.
            if ((HBRUSH)*pResult == NULL)
                bResult = FALSE;
            return bResult;
        }
        return FALSE;
    }
}

// ---- CWnd: default handlers with reflection --------------------------------------------------------------

LRESULT CWnd::OnNTCtlColor(WPARAM wParam, LPARAM lParam)
{
    // Pack as the 16-bit WM_CTLCOLOR and run it through WindowProc, so that Default() still passes the
    // original WM_CTLCOLOR* message on.
    AFX_CTLCOLOR ctl;
    ctl.hDC = (HDC)wParam;
    ctl.hWnd = (HWND)lParam;
    ctl.nCtlType = AfxGetThreadState()->m_lastSentMsg.message - WM_CTLCOLORMSGBOX;
    return WindowProc(WM_CTLCOLOR, 0, (LPARAM)&ctl);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && pWnd->SendChildNotifyLastMsg(&lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(((CWnd*)pWnd)->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(((CWnd*)pWnd)->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

void CWnd::OnSysColorChange()
{
    // Top-level windows pass the change on to their MFC descendants.
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_MESSAGE(WM_CTLCOLORSTATIC, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLOREDIT, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLORBTN, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLORLISTBOX, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLORDLG, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLORMSGBOX, &CWnd::OnNTCtlColor)
    ON_MESSAGE(WM_CTLCOLORSCROLLBAR, &CWnd::OnNTCtlColor)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_COMPAREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_DELETEITEM()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_NCDESTROY()
    ON_WM_PARENTNOTIFY()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

// ---- CWnd: pre-translation and modal loops ---------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    // From the target up to hWndStop, every window with a permanent object may take the message.
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL CWnd::CheckAutoCenter()
{
    return TRUE;
}

void CWnd::WinHelp(DWORD_PTR, UINT)
{
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);       // wake the loop
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);

    CWinThread* pThread = AfxGetThread();
    MSG* pMsg = pThread != NULL ? &pThread->m_msgCur : &AfxGetThreadState()->m_msgCur;

    for (;;)
    {
        // Idle: show the window once, tell the parent, kick the window.
        while (bIdle && !::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }

        // Pump while messages are there.
        do
        {
            BOOL bPumped = pThread != NULL ? pThread->PumpMessage() : AfxInternalPumpMessage();
            if (!bPumped)
            {
                AfxPostQuitMessage(0);      // leave the quit for the outer loop
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && (pMsg->message == 0x118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
            {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            if (pThread != NULL ? pThread->IsIdleMessage(pMsg) : AfxInternalIsIdleMessage(pMsg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }
}

// ---- CWnd: window tree ------------------------------------------------------------------------------------

namespace {

HWND GetParentOwnerHandle(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL)
        return pWnd->GetOwner()->GetSafeHwnd();
    return (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : ::GetWindow(hWnd, GW_OWNER);
}

} // namespace

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = GetParentOwnerHandle(hWndParent)) != NULL)
        hWndParent = hWndT;
    return CWnd::FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL)
        hWndOwner = hWndT;
    return CWnd::FromHandle(hWndOwner);
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLong(hWndParent, GWL_STYLE) & WS_CHILD) && (hWndT = ::GetParent(hWndParent)) != NULL)
        hWndParent = hWndT;
    return CWnd::FromHandle(hWndParent);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    CWnd* pParentWnd = GetParent();
    while (pParentWnd != NULL)
    {
        if (pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return (CFrameWnd*)pParentWnd;
        pParentWnd = pParentWnd->GetParent();
    }
    return NULL;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    CWnd* pFrameWnd = (CWnd*)this;
    if (!IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pFrameWnd = GetParentFrame();
    if (pFrameWnd != NULL)
    {
        CFrameWnd* pTemp;
        while ((pTemp = pFrameWnd->GetParentFrame()) != NULL)
            pFrameWnd = pTemp;
    }
    return (CFrameWnd*)pFrameWnd;
}

HWND AfxGetSafeOwner(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();

    // A pop-up cannot be owned by a child window.
    while (hWnd != NULL && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    for (HWND hWndTemp = hWnd; hWndTemp != NULL; hWndTemp = ::GetParent(hWndTemp))
        hWndTop = hWndTemp;

    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != NULL)
    {
        if (hWndTop != NULL && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd)
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
        else
        {
            *pWndTop = NULL;
        }
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return CWnd::FromHandle(AfxGetSafeOwner(pParent->GetSafeHwnd(), pWndTop));
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    HWND hWndChild = ::GetDlgItem(m_hWnd, nID);
    if (hWndChild != NULL)
    {
        if (::GetTopWindow(hWndChild) != NULL)
        {
            // The direct child with that id has children itself: look deeper first.
            CWnd wndChild(hWndChild);
            CWnd* pWnd = wndChild.GetDescendantWindow(nID, bOnlyPerm);
            wndChild.m_hWnd = NULL;
            if (pWnd != NULL)
                return pWnd;
        }
        return bOnlyPerm ? CWnd::FromHandlePermanent(hWndChild) : CWnd::FromHandle(hWndChild);
    }
    for (hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd wndChild(hWndChild);
        CWnd* pWnd = wndChild.GetDescendantWindow(nID, bOnlyPerm);
        wndChild.m_hWnd = NULL;
        if (pWnd != NULL)
            return pWnd;
    }
    return NULL;
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
        {
            ::SendMessage(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// ---- CWnd: helpers -------------------------------------------------------------------------------------

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, GWL_STYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, GWL_STYLE, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, GWL_EXSTYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, GWL_EXSTYLE, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBuffer(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != NULL)
    {
        int nLen = ::GetWindowTextLength(hWnd);
        ::GetWindowText(hWnd, rString.GetBuffer(nLen), nLen + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
    {
        if (IsDlgButtonChecked(nID))
            return nID;
    }
    return 0;
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const
{
    return NULL;
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    ::ShowScrollBar(m_hWnd, nBar, bEnable);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    HWND hWnd = m_hWnd;
    CWnd* pBar;
    if (nBar != SB_CTL && (pBar = (CWnd*)GetScrollBarCtrl(nBar)) != NULL)
    {
        hWnd = pBar->m_hWnd;
        nBar = SB_CTL;
    }
    lpScrollInfo->cbSize = sizeof(*lpScrollInfo);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    HWND hWnd = m_hWnd;
    CWnd* pBar;
    if (nBar != SB_CTL && (pBar = (CWnd*)GetScrollBarCtrl(nBar)) != NULL)
    {
        hWnd = pBar->m_hWnd;
        nBar = SB_CTL;
    }
    lpScrollInfo->cbSize = sizeof(*lpScrollInfo);
    ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

int CWnd::GetScrollLimit(int nBar)
{
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(nBar, &nMin, &nMax);
    SCROLLINFO info;
    if (GetScrollInfo(nBar, &info, SIF_PAGE) && info.nPage > 1)
        nMax -= (int)info.nPage - 1;
    return nMax;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == NULL)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            HWND hWndTemp = (HWND)::SendMessage(hWndCenter, WM_QUERYCENTERWND, 0, 0);
            if (hWndTemp != NULL)
                hWndCenter = hWndTemp;
        }
    }

    RECT rcDlg;
    GetWindowRect(&rcDlg);
    RECT rcArea;
    RECT rcCenter;
    if (!(dwStyle & WS_CHILD))
    {
        // Never centre over an invisible or minimised window.
        if (hWndCenter != NULL)
        {
            DWORD dwCenterStyle = (DWORD)::GetWindowLong(hWndCenter, GWL_STYLE);
            if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE))
                hWndCenter = NULL;
        }
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcArea, 0);
        if (hWndCenter == NULL)
            rcCenter = rcArea;
        else
            ::GetWindowRect(hWndCenter, &rcCenter);
    }
    else
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter == NULL)
            hWndCenter = hWndParent;
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, (POINT*)&rcCenter, 2);
    }

    int cxDlg = rcDlg.right - rcDlg.left;
    int cyDlg = rcDlg.bottom - rcDlg.top;
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - cxDlg / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - cyDlg / 2;
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    else if (xLeft + cxDlg > rcArea.right)
        xLeft = rcArea.right - cxDlg;
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    else if (yTop + cyDlg > rcArea.bottom)
        yTop = rcArea.bottom - cyDlg;
    ::SetWindowPos(m_hWnd, NULL, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Window classes --------------------------------------------------------------------------------------

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}

BOOL AfxRegisterLayerClass(LPCTSTR lpszClassName, UINT nStyle, HBRUSH hbrBackground, HICON hIcon)
{
    WNDCLASS wndcls;
    ZeroMemory(&wndcls, sizeof(wndcls));
    wndcls.style = nStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hIcon = hIcon;
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszClassName;
    return AfxRegisterClass(&wndcls);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    LPTSTR lpszName = AfxGetThreadState()->m_szTempClassName;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        _sntprintf(lpszName, 96, _T("Afx:%p:%x"), (void*)hInst, nClassStyle);
    else
        _sntprintf(lpszName, 96, _T("Afx:%p:%x:%p:%p:%p"), (void*)hInst, nClassStyle, (void*)hCursor,
            (void*)hbrBackground, (void*)hIcon);

    WNDCLASS wndcls;
    if (::GetClassInfo(hInst, lpszName, &wndcls))
        return lpszName;

    ZeroMemory(&wndcls, sizeof(wndcls));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wndcls))
        return NULL;
    return lpszName;
}
