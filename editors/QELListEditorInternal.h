// What the three in-place editor windows of the list share: the list's font, the early dispatch of the keys
// that belong to the edit, and the report made to the list when an edit ends.
#pragma once

#include <afxwin.h>

#include "QELBaseListItem.h"

// Internal to the library: used by CQELListEdit, CQELListDateTimeCtrl and CQELListComboBox.
namespace QELListEditor
{

// Gives pEditor the font of its parent window (the list), or no font when the list has none.
void TakeParentFont(CWnd* pEditor);

// Applies the key rules of item (CQELBaseListItem::OnKeyDown) to a WM_KEYDOWN of pEditor, for the list (the
// editor's parent); TRUE when the key also gets the editor's default processing. Enter and Escape move the
// focus to the list, which deletes the editor on the way: nothing of the editor may be used after FALSE.
BOOL ApplyKeyRules(CWnd* pEditor, CQELBaseListItem& item, UINT nChar, UINT nRepCnt, UINT nFlags, int nItem,
                   int nSubItem, BOOL& bCancel);

// Applies the wheel rule of item (CQELBaseListItem::OnMouseWheel) to a WM_MOUSEWHEEL of pEditor.
void ApplyWheelRule(CWnd* pEditor, CQELBaseListItem& item, UINT nFlags, short zDelta, CPoint pt, int nItem,
                    int nSubItem, BOOL& bCancel);

// A WM_KEYDOWN of Tab, Enter or Escape, or of any key while Ctrl is down, is translated and dispatched at once
// and TRUE is returned, so that neither a dialog's navigation and default buttons nor accelerators see it;
// FALSE for every other message.
BOOL DispatchEditorKey(MSG* pMsg);

// The window text of pWnd in a new zero-filled buffer of (length + 1) characters, to be freed with delete[];
// null when the buffer cannot be allocated.
LPTSTR CopyWindowText(CWnd* pWnd);

// The window text of pWnd as CopyWindowText gives it when it differs from strStart (CString::Compare:
// character for character, case-sensitive); null when it is the same or cannot be allocated.
LPTSTR CopyChangedText(CWnd* pWnd, const CString& strStart);

// A new editor object, or null when memory is short (CObject's new throws CMemoryException* then).
template <class TEditor>
TEditor* NewEditor()
{
    try
    {
        return new TEditor;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return NULL;
    }
}

// Reports the end of the edit of the cell (nItem, nSubItem) by pEditor to hOwner: WM_QEL_LISTEDITTING with
// pszChanged when that is not null (the buffer is taken over and freed right after that send), then
// WM_QEL_LISTEDITEND. The list deletes the editor while handling the end, so the caller must not use the
// editor after this returns.
void Report(CWnd* pEditor, HWND hOwner, int nItem, int nSubItem, LPTSTR pszChanged);

// Reports the end of the edit of a text-showing editor to its owner: its window text as changed against
// strStart unless bCancel, then the end. Nothing of the editor may be used after this returns.
void ReportText(CWnd* pEditor, const CString& strStart, int nItem, int nSubItem, BOOL bCancel);

} // namespace QELListEditor
