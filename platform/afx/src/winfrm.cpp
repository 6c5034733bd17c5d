// Frame windows: a top-level window with a registered class, an optional menu and accelerators.
#include "afximpl_.h"

#include <string.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// x and y CW_USEDEFAULT; right and bottom 0, so that width and height come out as CW_USEDEFAULT too.
const AFX_DATADEF CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_bHelpMode(FALSE), m_hAccelTable(NULL), m_nIDHelp(0)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        if (!AfxRegisterLayerClass(AFX_WNDFRAMEORVIEW, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                (HBRUSH)(COLOR_WINDOW + 1), ::LoadIcon(NULL, IDI_APPLICATION)))
            return FALSE;
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        hMenu = ::LoadMenu(AfxFindResourceHandle(lpszMenuName, (LPCTSTR)RT_MENU), lpszMenuName);
        if (hMenu == NULL)
        {
            PostNcDestroy();
            return FALSE;
        }
    }

    // Width and height are computed unsigned: with rectDefault they wrap to CW_USEDEFAULT on purpose.
    int cx = (int)((UINT)rect.right - (UINT)rect.left);
    int cy = (int)((UINT)rect.bottom - (UINT)rect.top);
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
            pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext))
    {
        // The object may be gone already (PostNcDestroy); only the menu is ours to free.
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    HINSTANCE hInst = AfxGetResourceHandle();

    TCHAR szTitle[256];
    if (::LoadString(hInst, nIDResource, szTitle, _countof(szTitle)) <= 0)
        szTitle[0] = '\0';
    TCHAR* pszNewline = AfxFindChar(szTitle, '\n');
    if (pszNewline != NULL)
        *pszNewline = '\0';

    LPCTSTR lpszClass = NULL;
    HICON hIcon = ::LoadIcon(hInst, MAKEINTRESOURCE(nIDResource));
    if (hIcon != NULL)
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
            (HBRUSH)(COLOR_WINDOW + 1), hIcon);

    LPCTSTR lpszMenuName = ::FindResource(hInst, MAKEINTRESOURCE(nIDResource), (LPCTSTR)RT_MENU) != NULL
        ? MAKEINTRESOURCE(nIDResource) : NULL;
    if (!Create(lpszClass, szTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenuName, 0, pContext))
        return FALSE;
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE;
    m_hAccelTable = ::LoadAccelerators(AfxFindResourceHandle(lpszResourceName, (LPCTSTR)RT_ACCELERATOR),
        lpszResourceName);
    return m_hAccelTable != NULL;
}

void CFrameWnd::RecalcLayout(BOOL)
{
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
    {
        ShowWindow(nCmdShow);
        BringWindowToTop();
    }
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != NULL &&
        ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return FALSE;
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;    // frames are heap objects owned by their window
}
