// Every object of the library that is built at load time, in one translation unit so that the order of
// construction (and the reverse order of destruction) is the order below.
#include "QELThemeManager.h"
#include "QELWindowColor.h"
#include "QELHeaderCtrl.h"
#include "QELListTypes.h"

// The theme manager first: it loads nothing, and it goes last at unload, releasing the visual styles.
CQELThemeManager _gThemeManager;

CQELWindowColor _gWindowColor;

UINT WM_QEL_HEADERCHANGED        = ::RegisterWindowMessage(_T("WM_QEL_HEADERCHANGED"));
UINT WM_QEL_HEADERVISIABLECHANGE = ::RegisterWindowMessage(_T("WM_QEL_HEADERVISIABLECHANGE"));

UINT WM_QEL_LISTITEMEDIT  = ::RegisterWindowMessage(_T("WM_QEL_LISTITEMEDIT"));
UINT WM_QEL_LISTEDITBEGIN = ::RegisterWindowMessage(_T("WM_QEL_LISTEDITBEGIN"));
UINT WM_QEL_LISTEDITTING  = ::RegisterWindowMessage(_T("WM_QEL_LISTEDITTING"));
UINT WM_QEL_LISTEDITEND   = ::RegisterWindowMessage(_T("WM_QEL_LISTEDITEND"));
UINT WM_QEL_LISTEDITMAX   = ::RegisterWindowMessage(_T("WM_QEL_LISTEDITMAX"));
UINT WM_QEL_LISTITEMCONST = ::RegisterWindowMessage(_T("WM_QEL_LISTITEMCONST"));
UINT WM_QEL_LISTMOUSEMOVE = ::RegisterWindowMessage(_T("WM_QEL_LISTMOUSEMOVE"));
UINT WM_QEL_LISTSORTDATA  = ::RegisterWindowMessage(_T("WM_QEL_LISTSORTDATA"));

const CString _gstrFaceTahoma(_T("Tahoma"));
const CString _gstrFaceMSSansSerif(_T("MS Sans Serif"));
