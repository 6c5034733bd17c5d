// Editor factory base: creates the editor window of one cell and holds the key and wheel rules of every editor.
#pragma once

#include <afxwin.h>
#include "QELCtrlApi.h"
#include "QELListTypes.h"

class CQELListCtrl;

// Manages nothing: a stateless factory created for one edit start, plus the keyboard rules of open editors.
class QELCTRL_API CQELBaseListItem : public CObject
{
    DECLARE_DYNCREATE(CQELBaseListItem)

// Construction
public:
    CQELBaseListItem();
    virtual ~CQELBaseListItem();

// Overridables
public:
    // Applies the editor key rules for a WM_KEYDOWN of an open editor. pWnd is the list (the editor's parent),
    // bCancel the editor's cancel flag. FALSE: the key was consumed; TRUE: give it default processing.
    virtual BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags, CWnd* pWnd, int nItem, int nSubItem,
                           BOOL& bCancel);

    // Creates the editor window over rect as a visible child of pList; the list owns and deletes it.
    // The base class creates nothing and returns null.
    virtual CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                             CQELListCtrl* pList);

// Operations
public:
    // Applies the wheel rule for a WM_MOUSEWHEEL of an open editor: Ctrl+wheel posts a move request up or down.
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt, CWnd* pWnd, int nItem, int nSubItem, BOOL& bCancel);

// Implementation
protected:
    // Posts WM_QEL_LISTITEMEDIT to pWnd: wParam the row, lParam the column in the low word and the key with the
    // modifier flags in the high word.
    static void PostMoveRequest(CWnd* pWnd, int nItem, int nSubItem, UINT nChar, BOOL bCtrl, BOOL bShift);
};
