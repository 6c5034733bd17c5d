// The library's colour set.
#include "QELWindowColor.h"

IMPLEMENT_DYNCREATE(CQELWindowColor, CObject)

namespace
{
// The colours that systems before version 5 (and, for the menu colours, version x.0) do not report.
const COLORREF kFixedHotLight                 = RGB(0, 0, 255);
const COLORREF kFixedGradientActiveCaption    = RGB(166, 202, 240);
const COLORREF kFixedGradientInactiveCaption  = RGB(192, 192, 192);
const COLORREF kFixedMenuHilight              = RGB(49, 106, 197);
const COLORREF kFixedMenuBar                  = RGB(236, 233, 216);

// TRUE when the version the system reports to this program compares with `condition` against dwMajor.dwMinor,
// in the parts dwTypeMask names (VER_MAJORVERSION, VER_MINORVERSION); FALSE also when the query fails.
BOOL ReportedVersionIs(DWORD dwTypeMask, BYTE condition, DWORD dwMajor, DWORD dwMinor)
{
    OSVERSIONINFOEX info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwMajorVersion = dwMajor;
    info.dwMinorVersion = dwMinor;
    ULONGLONG conditions = 0;
    if (dwTypeMask & VER_MAJORVERSION)
        conditions = ::VerSetConditionMask(conditions, VER_MAJORVERSION, condition);
    if (dwTypeMask & VER_MINORVERSION)
        conditions = ::VerSetConditionMask(conditions, VER_MINORVERSION, condition);
    return ::VerifyVersionInfo(&info, dwTypeMask, conditions);
}

// The 44 colours in field order.
COLORREF CQELWindowColor::* const kColorFields[] = {
    &CQELWindowColor::m_crScrollBar,
    &CQELWindowColor::m_crBackground,
    &CQELWindowColor::m_crActiveCaption,
    &CQELWindowColor::m_crInactiveCaption,
    &CQELWindowColor::m_crMenu,
    &CQELWindowColor::m_crWindow,
    &CQELWindowColor::m_crWindowFrame,
    &CQELWindowColor::m_crMenuText,
    &CQELWindowColor::m_crWindowText,
    &CQELWindowColor::m_crCaptionText,
    &CQELWindowColor::m_crActiveBorder,
    &CQELWindowColor::m_crInactiveBorder,
    &CQELWindowColor::m_crAppWorkspace,
    &CQELWindowColor::m_crHighlight,
    &CQELWindowColor::m_crHighlightText,
    &CQELWindowColor::m_crBtnFace,
    &CQELWindowColor::m_crBtnShadow,
    &CQELWindowColor::m_crGrayText,
    &CQELWindowColor::m_crBtnText,
    &CQELWindowColor::m_crInactiveCaptionText,
    &CQELWindowColor::m_crBtnHighlight,
    &CQELWindowColor::m_cr3DDkShadow,
    &CQELWindowColor::m_cr3DLight,
    &CQELWindowColor::m_crInfoText,
    &CQELWindowColor::m_crInfoBk,
    &CQELWindowColor::m_crHotLight,
    &CQELWindowColor::m_crGradientActiveCaption,
    &CQELWindowColor::m_crGradientInactiveCaption,
    &CQELWindowColor::m_crMenuHilight,
    &CQELWindowColor::m_crMenuBar,
    &CQELWindowColor::m_crEdgeBackground,
    &CQELWindowColor::m_crEdgeFace,
    &CQELWindowColor::m_crEdgeShadow,
    &CQELWindowColor::m_crEdgeHighlight,
    &CQELWindowColor::m_crEdgeHighlight2,
    &CQELWindowColor::m_crEdgeHighlight3,
    &CQELWindowColor::m_crButtonDkShadow,
    &CQELWindowColor::m_crButtonLight,
    &CQELWindowColor::m_crToolbarText,
    &CQELWindowColor::m_crToolbarFill,
    &CQELWindowColor::m_crToolbarLight,
    &CQELWindowColor::m_crToolbarHighlight,
    &CQELWindowColor::m_crToolbarShadow,
    &CQELWindowColor::m_crToolbarDkShadow
};

const int kColorCount = sizeof(kColorFields) / sizeof(kColorFields[0]);
static_assert(kColorCount == 44, "a colour set has 44 colours");

void CopyColors(CQELWindowColor& dst, const CQELWindowColor& src)
{
    for (int i = 0; i < kColorCount; ++i)
        dst.*kColorFields[i] = src.*kColorFields[i];
}
}

CQELWindowColor::CQELWindowColor()
{
    Default();
}

CQELWindowColor::CQELWindowColor(const CQELWindowColor& src)
    : CObject()
{
    CopyColors(*this, src);
}

CQELWindowColor& CQELWindowColor::operator=(const CQELWindowColor& src)
{
    if (this != &src)
        CopyColors(*this, src);
    return *this;
}

CQELWindowColor::~CQELWindowColor()
{
}

void CQELWindowColor::Default()
{
    // Fields 1 to 25 follow system colour indices 0 to 24.
    for (int i = COLOR_SCROLLBAR; i <= COLOR_INFOBK; ++i)
        this->*kColorFields[i] = ::GetSysColor(i);

    // A failed query counts as an old system, which selects the fixed colours.
    if (!ReportedVersionIs(VER_MAJORVERSION | VER_MINORVERSION, VER_GREATER_EQUAL, 5, 0))
    {
        m_crHotLight                = kFixedHotLight;
        m_crGradientActiveCaption   = kFixedGradientActiveCaption;
        m_crGradientInactiveCaption = kFixedGradientInactiveCaption;
        m_crMenuHilight             = kFixedMenuHilight;
        m_crMenuBar                 = kFixedMenuBar;
    }
    else
    {
        m_crHotLight                = ::GetSysColor(COLOR_HOTLIGHT);
        m_crGradientActiveCaption   = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
        m_crGradientInactiveCaption = ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
        if (!ReportedVersionIs(VER_MINORVERSION, VER_EQUAL, 0, 0))
        {
            m_crMenuHilight = ::GetSysColor(COLOR_MENUHILIGHT);
            m_crMenuBar     = ::GetSysColor(COLOR_MENUBAR);
        }
        else
        {
            m_crMenuHilight = kFixedMenuHilight;
            m_crMenuBar     = kFixedMenuBar;
        }
    }

    m_crEdgeBackground    = ::GetSysColor(COLOR_BACKGROUND);
    m_crEdgeFace          = ::GetSysColor(COLOR_BTNFACE);
    m_crEdgeShadow        = ::GetSysColor(COLOR_BTNSHADOW);
    m_crEdgeHighlight     = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crEdgeHighlight2    = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crEdgeHighlight3    = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crButtonDkShadow    = ::GetSysColor(COLOR_3DDKSHADOW);
    m_crButtonLight       = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crToolbarText       = ::GetSysColor(COLOR_BTNTEXT);
    m_crToolbarFill       = ::GetSysColor(COLOR_BTNFACE);
    m_crToolbarLight      = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crToolbarHighlight  = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crToolbarShadow     = ::GetSysColor(COLOR_BTNSHADOW);
    m_crToolbarDkShadow   = ::GetSysColor(COLOR_3DDKSHADOW);
}
