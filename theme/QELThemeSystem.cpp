// The look of the operating system's visual styles.
#include "QELThemeSystem.h"
#include "QELWindowColor.h"
#include "QELDC.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CQELThemeSystem, CQELThemeBase)

namespace
{
// Classes opened by LoadControl(), in opening (and closing) order; wide in either character set, as UxTheme
// takes them.
const WCHAR* const kClassNames[] = {
    L"HEADER", L"TOOLBAR", L"BUTTON", L"STATUS", L"WINDOW", L"REBAR", L"COMBOBOX", L"PROGRESS",
    L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR", L"SPIN", L"TAB",
};
const int kClassCount = sizeof(kClassNames) / sizeof(kClassNames[0]);

// Parts, states and properties of the visual styles that the theme uses.
const int kHeaderItemPart      = 1;     // HP_HEADERITEM
const int kHeaderItemNormal    = 1;     // HIS_NORMAL
const int kHeaderItemHot       = 2;     // HIS_HOT
const int kHeaderItemPressed   = 3;     // HIS_PRESSED
const int kComboDropButtonPart = 1;     // CP_DROPDOWNBUTTON
const int kComboNormal         = 1;     // CBXS_NORMAL
const int kComboHot            = 2;     // CBXS_HOT
const int kComboPressed        = 3;     // CBXS_PRESSED
const int kComboDisabled       = 4;     // CBXS_DISABLED
const int kToolbarButtonPart   = 1;     // TP_BUTTON
const int kPushButtonPart      = 1;     // BP_PUSHBUTTON
const int kTextColor           = 3803;  // TMT_TEXTCOLOR
const int kFillColor           = 3802;  // TMT_FILLCOLOR
const int kEdgeLightColor      = 3804;  // TMT_EDGELIGHTCOLOR
const int kEdgeHighlightColor  = 3805;  // TMT_EDGEHIGHLIGHTCOLOR
const int kEdgeShadowColor     = 3806;  // TMT_EDGESHADOWCOLOR
const int kEdgeDkShadowColor   = 3807;  // TMT_EDGEDKSHADOWCOLOR

// The pen colour and arguments that give CPenDC's invisible pen (PS_NULL), so that Polygon only fills.
const COLORREF kInvisiblePenColor = 0xFFFFFFFF;
const int      kInvisiblePenWidth = 1;
const int      kInvisiblePenStyle = PS_NULL;

// An entry point of a module, typed (null when the module lacks it).
// The name is narrow in either character set: GetProcAddress has no wide form.
template <typename PFN>
PFN EntryPoint(HINSTANCE hModule, LPCSTR pszName)
{
    // The detour through void (*)() keeps the conversion from FARPROC free of cast warnings.
    return reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

// UxTheme from the system directory, by its full path: a bare name would search the application's folder
// first, where a planted UxTheme.dll would be loaded and run. A path that does not fit means no UxTheme.
HINSTANCE LoadSystemUxTheme()
{
    static const TCHAR kFileName[] = _T("\\UxTheme.dll");
    TCHAR szPath[MAX_PATH];
    const UINT nDirLength = ::GetSystemDirectory(szPath, _countof(szPath));
    if (nDirLength == 0 || nDirLength + _countof(kFileName) > _countof(szPath))
        return NULL;
    memcpy(szPath + nDirLength, kFileName, sizeof(kFileName));
    return ::LoadLibrary(szPath);
}
}

CQELThemeSystem::CQELThemeSystem()
    : m_bLoadTheme(FALSE)
    , m_hThemeDll(NULL)
    , m_pfnOpenThemeData(NULL)
    , m_pfnCloseThemeData(NULL)
    , m_pfnDrawThemeBackground(NULL)
    , m_pfnGetThemeColor(NULL)
    , m_pfnDrawThemeParentBackground(NULL)
    , m_hThemeHeader(NULL)
    , m_hThemeToolbar(NULL)
    , m_hThemeRebar(NULL)
    , m_hThemeButton(NULL)
    , m_hThemeStatus(NULL)
    , m_hThemeWindow(NULL)
    , m_hThemeComboBox(NULL)
    , m_hThemeProgress(NULL)
    , m_hThemeScrollBar(NULL)
    , m_hThemeExplorerBar(NULL)
    , m_hThemeTreeView(NULL)
    , m_hThemeStartPanel(NULL)
    , m_hThemeTaskBand(NULL)
    , m_hThemeTaskBar(NULL)
    , m_hThemeSpin(NULL)
    , m_hThemeTab(NULL)
{
}

CQELThemeSystem::~CQELThemeSystem()
{
    ClearTheme();
}

HTHEME& CQELThemeSystem::ClassHandle(int nClass)
{
    // Opening order of the classes, which differs from the order of the fields.
    static HTHEME CQELThemeSystem::* const s_handles[] = {
        &CQELThemeSystem::m_hThemeHeader,      &CQELThemeSystem::m_hThemeToolbar,
        &CQELThemeSystem::m_hThemeButton,      &CQELThemeSystem::m_hThemeStatus,
        &CQELThemeSystem::m_hThemeWindow,      &CQELThemeSystem::m_hThemeRebar,
        &CQELThemeSystem::m_hThemeComboBox,    &CQELThemeSystem::m_hThemeProgress,
        &CQELThemeSystem::m_hThemeScrollBar,   &CQELThemeSystem::m_hThemeExplorerBar,
        &CQELThemeSystem::m_hThemeTreeView,    &CQELThemeSystem::m_hThemeStartPanel,
        &CQELThemeSystem::m_hThemeTaskBand,    &CQELThemeSystem::m_hThemeTaskBar,
        &CQELThemeSystem::m_hThemeSpin,        &CQELThemeSystem::m_hThemeTab,
    };
    static_assert(sizeof(s_handles) / sizeof(s_handles[0]) == kClassCount, "one handle per class");
    return this->*s_handles[nClass];
}

BOOL CQELThemeSystem::LoadTheme()
{
    ClearTheme();

    m_hThemeDll = LoadSystemUxTheme();
    if (m_hThemeDll == NULL)
        return FALSE;

    m_pfnOpenThemeData             = EntryPoint<PFN_OPENTHEMEDATA>(m_hThemeDll, "OpenThemeData");
    m_pfnCloseThemeData            = EntryPoint<PFN_CLOSETHEMEDATA>(m_hThemeDll, "CloseThemeData");
    m_pfnDrawThemeBackground       = EntryPoint<PFN_DRAWTHEMEBACKGROUND>(m_hThemeDll, "DrawThemeBackground");
    m_pfnDrawThemeParentBackground = EntryPoint<PFN_DRAWTHEMEPARENTBACKGROUND>(m_hThemeDll,
                                                                               "DrawThemeParentBackground");
    m_pfnGetThemeColor             = EntryPoint<PFN_GETTHEMECOLOR>(m_hThemeDll, "GetThemeColor");

    if (m_pfnOpenThemeData != NULL && LoadControl())
    {
        m_bLoadTheme = TRUE;
        return TRUE;
    }

    // No visual style in force (or no usable UxTheme): release everything again.
    ClearTheme();
    m_bLoadTheme = FALSE;
    return FALSE;
}

void CQELThemeSystem::ClearTheme()
{
    if (m_hThemeDll == NULL)
        return;

    for (int i = 0; i < kClassCount; ++i)
    {
        HTHEME& hTheme = ClassHandle(i);
        if (hTheme != NULL)
        {
            if (m_pfnCloseThemeData != NULL)
                m_pfnCloseThemeData(hTheme);
            hTheme = NULL;
        }
    }

    ::FreeLibrary(m_hThemeDll);
    m_hThemeDll = NULL;
    m_bLoadTheme = FALSE;
    m_pfnOpenThemeData = NULL;
    m_pfnCloseThemeData = NULL;
    m_pfnDrawThemeBackground = NULL;
    m_pfnGetThemeColor = NULL;
    m_pfnDrawThemeParentBackground = NULL;
}

BOOL CQELThemeSystem::IsLoadTheme()
{
    return m_bLoadTheme;
}

BOOL CQELThemeSystem::LoadControl()
{
    if (m_pfnOpenThemeData == NULL)
        return FALSE;

    HWND hWndMain = NULL;
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        CWnd* pMainWnd = pThread->GetMainWnd();
        if (pMainWnd != NULL)
            hWndMain = pMainWnd->GetSafeHwnd();
    }

    BOOL bAnyOpen = FALSE;
    for (int i = 0; i < kClassCount; ++i)
    {
        HTHEME& hTheme = ClassHandle(i);
        hTheme = m_pfnOpenThemeData(hWndMain, kClassNames[i]);
        if (hTheme != NULL)
            bAnyOpen = TRUE;
    }
    return bAnyOpen;
}

void CQELThemeSystem::UpdateWindowColor(CQELWindowColor* pColor)
{
    if (pColor == NULL)
        return;

    *pColor = CQELWindowColor();
    if (m_pfnGetThemeColor == NULL)
        return;

    // A property that the style lacks leaves the default in place.
    if (m_hThemeToolbar != NULL)
    {
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kTextColor, &pColor->m_crToolbarText);
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kFillColor, &pColor->m_crToolbarFill);
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kEdgeLightColor, &pColor->m_crToolbarLight);
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kEdgeHighlightColor,
                           &pColor->m_crToolbarHighlight);
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kEdgeShadowColor, &pColor->m_crToolbarShadow);
        m_pfnGetThemeColor(m_hThemeToolbar, kToolbarButtonPart, 0, kEdgeDkShadowColor,
                           &pColor->m_crToolbarDkShadow);
    }
    if (m_hThemeButton != NULL)
    {
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kTextColor, &pColor->m_crBtnText);
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kFillColor, &pColor->m_crBtnFace);
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kEdgeLightColor, &pColor->m_crButtonLight);
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kEdgeHighlightColor, &pColor->m_crBtnHighlight);
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kEdgeShadowColor, &pColor->m_crBtnShadow);
        m_pfnGetThemeColor(m_hThemeButton, kPushButtonPart, 0, kEdgeDkShadowColor, &pColor->m_crButtonDkShadow);
    }
}

BOOL CQELThemeSystem::DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* /*pColor*/)
{
    if (pDC == NULL || m_pfnDrawThemeParentBackground == NULL)
        return FALSE;
    const HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    return m_pfnDrawThemeParentBackground(hWnd, pDC->m_hDC, lpRect) == S_OK;
}

BOOL CQELThemeSystem::DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* /*pWnd*/,
                                           CQELWindowColor* /*pColor*/)
{
    if (m_pfnDrawThemeBackground == NULL || m_hThemeHeader == NULL)
        return FALSE;

    int nState = kHeaderItemNormal;
    if (bPressed)
        nState = kHeaderItemPressed;
    else if (bHot)
        nState = kHeaderItemHot;

    const HDC hDC = pDC != NULL ? pDC->m_hDC : NULL;
    const RECT rc = rect;
    return m_pfnDrawThemeBackground(m_hThemeHeader, hDC, kHeaderItemPart, nState, &rc, NULL) == S_OK;
}

BOOL CQELThemeSystem::DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* /*pWnd*/,
                                              CQELWindowColor* pColor)
{
    if (pDC == NULL)
        return FALSE;
    const CQELWindowColor* pColors = pColor != NULL ? pColor : &_gWindowColor;

    const int nMid = (rect.left + rect.right) / 2;
    POINT points[3];
    if (bAscending)
    {
        points[0].x = rect.left;       points[0].y = rect.bottom;
        points[1].x = nMid;            points[1].y = rect.top;
        points[2].x = rect.right;      points[2].y = rect.bottom;
    }
    else
    {
        points[0].x = rect.left + 1;   points[0].y = rect.top + 1;
        points[1].x = nMid;            points[1].y = rect.bottom;
        points[2].x = rect.right - 1;  points[2].y = rect.top + 1;
    }

    // The pen goes before the brush: the helpers restore the device context in reverse order.
    CBrushDC brush(pDC->m_hDC, pColors->m_crBtnShadow);
    CPenDC pen(pDC->m_hDC, kInvisiblePenColor, kInvisiblePenWidth, kInvisiblePenStyle);
    pDC->Polygon(points, 3);
    return TRUE;
}

BOOL CQELThemeSystem::DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL /*bPressed*/, BOOL bHot,
                                      CWnd* /*pWnd*/, CQELWindowColor* pColor)
{
    if (pDC == NULL || m_pfnDrawThemeBackground == NULL || m_hThemeComboBox == NULL)
        return FALSE;
    const CQELWindowColor* pColors = pColor != NULL ? pColor : &_gWindowColor;

    const COLORREF crFrame = (bHot && !bDisabled) ? pColors->m_crHighlight : pColors->m_crBtnShadow;
    CRect rc(rect);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, crFrame, crFrame);
    return TRUE;
}

BOOL CQELThemeSystem::DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                          CWnd* /*pWnd*/, CQELWindowColor* /*pColor*/)
{
    if (pDC == NULL || m_pfnDrawThemeBackground == NULL || m_hThemeComboBox == NULL)
        return FALSE;

    int nState = kComboNormal;
    if (bDisabled)
        nState = kComboDisabled;
    else if (bPressed)
        nState = kComboPressed;
    else if (bHot)
        nState = kComboHot;

    const RECT rc = rect;
    return m_pfnDrawThemeBackground(m_hThemeComboBox, pDC->m_hDC, kComboDropButtonPart, nState, &rc, NULL) == S_OK;
}
