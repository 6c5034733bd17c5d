// Records, constants and registered messages shared by the list control and its editors.
#pragma once

#include <afxwin.h>
#include "QELCtrlApi.h"

class CQELListCtrl;

// Edit style of one column; the list keeps a copy per column index.
struct _tag_QELListColumnStyle
{
    int            nColumn;        // column index; the key of the style store
    int            nLimitText;     // character limit of the text editor (EM_LIMITTEXT)
    DWORD          dwStyle;        // styles added to the editor window (WS_BORDER is always cleared)
    DWORD          dwRemoveStyle;  // styles removed from the editor window after creation
    DWORD          dwExtra1;       // the application's own, handed back unchanged
    DWORD          dwExtra2;       // the application's own, handed back unchanged
    DWORD          dwFlags;        // editor options (QEL_STYLEFLAG_...)
    LPTSTR         pData;          // editor data block (the date editor's display format)
    int            nDataLen;       // length of pData in TCHARs, without terminator
    CRuntimeClass* pRuntimeClass;  // editor factory class, CQELBaseListItem or derived; null removes
};

// Record carried in lParam of the list's edit messages; lives on the sender's stack.
struct _tag_QELListEditInfo
{
    UINT                     nCtrlID;      // editor control id, 0 while no editor exists
    int                      nItem;        // row of the cell
    int                      nSubItem;     // column of the cell
    LPTSTR                   pszText;      // new cell text (WM_QEL_LISTEDITTING only), sender-owned
    DWORD_PTR                dwItemData;   // item data of nItem, filled in by the list
    LPARAM                   lColumnData;  // lParam of header item nSubItem, filled in by the list
    CWnd*                    pEditWnd;     // the editor window (WM_QEL_LISTITEMCONST, WM_QEL_LISTEDITTING)
    DWORD                    dwReserved;   // always 0
    _tag_QELListColumnStyle* pStyle;       // the column's style (WM_QEL_LISTEDITBEGIN, WM_QEL_LISTITEMCONST)
};

#ifndef _WIN64
static_assert(sizeof(_tag_QELListColumnStyle) == 40, "column style record is ten 32-bit fields");
static_assert(sizeof(_tag_QELListEditInfo) == 36, "edit record is nine 32-bit fields");
#endif

// The two records under names without the reserved leading underscore.
typedef _tag_QELListColumnStyle QELListColumnStyle;
typedef _tag_QELListEditInfo    QELListEditInfo;

// Results of CQELListCtrl::EditSubItem.
const int QEL_EDIT_STARTED     = 0;    // the edit started (or the factory made no window)
const int QEL_EDIT_REFUSED     = 1;    // the parent refused it (WM_QEL_LISTEDITBEGIN answered non-zero)
const int QEL_EDIT_OUTOFRANGE  = 2;    // no such row or column, or it went while the parent was asked
const int QEL_EDIT_NOTEDITABLE = 3;    // the column has no edit style
const int QEL_EDIT_HIDDEN      = 4;    // the column is hidden or has no width
const int QEL_EDIT_FAILED      = -1;   // the factory could not be created

// Result of CQELListCtrl::SetColumnStyle for a record it refuses.
const DWORD QEL_STYLE_REFUSED = 0xFFFFFFFF;

// Built-in comparisons of a column (CQELListCtrl::SetColumnCompare), made by the default OnCompareItems.
const int QEL_COMPARE_NONE       = 0;   // none: the default OnCompareItems answers 0
const int QEL_COMPARE_TEXT       = 1;   // cell texts in the user's locale order (lstrcmp)
const int QEL_COMPARE_TEXTNOCASE = 2;   // cell texts in that order without regard to case (lstrcmpi)
const int QEL_COMPARE_NUMBER     = 3;   // cell texts read as decimal numbers
const int QEL_COMPARE_DATE       = 4;   // cell texts read as dates in the column's date format

// Date format of a column whose style has no data block, for the date editor and the date comparison.
const TCHAR QEL_DATEFORMAT_DEFAULT[] = _T("yyyy-MM-dd");

// Editor control identifiers.
const UINT QEL_EDITID_TEXT  = 100;
const UINT QEL_EDITID_DATE  = 101;
const UINT QEL_EDITID_COMBO = 102;

// Option bits of _tag_QELListColumnStyle::dwFlags.
const DWORD QEL_STYLEFLAG_AUTO = 0x1;  // text editor grows with its text; date editor falls back to now

// Modifier flags in the high word of a move request's lParam (key code in bits 16-23).
const UINT QEL_LISTKEY_CTRL  = 0x2000;
const UINT QEL_LISTKEY_SHIFT = 0x4000;

// A move request of an editor (WM_QEL_LISTITEMEDIT, wParam the editor's row) taken apart.
struct _tag_QELListMoveRequest
{
    UINT nKey;       // virtual-key code
    BOOL bCtrl;      // Ctrl was down
    BOOL bShift;     // Shift was down
    int  nSubItem;   // the editor's column, 0 to 0xFFFF
};

// lParam of a move request: the column in the low word, the key with QEL_LISTKEY_CTRL and QEL_LISTKEY_SHIFT
// in the high word.
inline LPARAM QELEncodeMoveRequest(UINT nKey, BOOL bCtrl, BOOL bShift, int nSubItem)
{
    const UINT nHigh = nKey | (bCtrl ? QEL_LISTKEY_CTRL : 0) | (bShift ? QEL_LISTKEY_SHIFT : 0);
    return (LPARAM)(DWORD)(((nHigh & 0xFFFF) << 16) | ((DWORD)nSubItem & 0xFFFF));
}

inline _tag_QELListMoveRequest QELDecodeMoveRequest(LPARAM lParam)
{
    const DWORD dwParam = (DWORD)lParam;
    _tag_QELListMoveRequest request;
    request.nKey = (dwParam & 0x00FF0000) >> 16;
    request.bCtrl = (dwParam & (QEL_LISTKEY_CTRL << 16)) != 0;
    request.bShift = (dwParam & (QEL_LISTKEY_SHIFT << 16)) != 0;
    request.nSubItem = (int)(dwParam & 0xFFFF);
    return request;
}

// Click-to-edit timer of the list.
const UINT_PTR QEL_TIMER_CLICKEDIT = 831;

// Growth step of the clipboard text buffer.
const int QEL_LIST_CLIPBOARD_BLOCK = 102400;

// Registered messages of the list, registered at load under their own names.
extern QELCTRL_API UINT WM_QEL_LISTITEMEDIT;
extern QELCTRL_API UINT WM_QEL_LISTEDITBEGIN;
extern QELCTRL_API UINT WM_QEL_LISTEDITTING;
extern QELCTRL_API UINT WM_QEL_LISTEDITEND;
extern QELCTRL_API UINT WM_QEL_LISTEDITMAX;
extern QELCTRL_API UINT WM_QEL_LISTITEMCONST;
extern QELCTRL_API UINT WM_QEL_LISTMOUSEMOVE;
// Sent to the parent of an owner-data list by the default Sort, which cannot reorder rows the list view does
// not hold: wParam the column, lParam MAKELPARAM(ascending, key added); the parent sorts its data. The answer
// is ignored.
extern QELCTRL_API UINT WM_QEL_LISTSORTDATA;

// The same message as WM_QEL_LISTEDITTING, under its correct spelling.
#define WM_QEL_LISTEDITING WM_QEL_LISTEDITTING
