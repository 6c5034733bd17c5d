// What the three in-place editor windows of the list share.
#include "QELListEditorInternal.h"

#include <new>
#include <string.h>

#include "QELListKeysInternal.h"
#include "QELListTypes.h"

namespace QELListEditor
{

void TakeParentFont(CWnd* pEditor)
{
    HFONT hFont = NULL;
    const HWND hParent = ::GetParent(pEditor->GetSafeHwnd());
    if (hParent != NULL)
        hFont = (HFONT)::SendMessage(hParent, WM_GETFONT, 0, 0);
    pEditor->SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
}

static CWnd* ListOf(CWnd* pEditor)
{
    return CWnd::FromHandle(::GetParent(pEditor->GetSafeHwnd()));
}

BOOL ApplyKeyRules(CWnd* pEditor, CQELBaseListItem& item, UINT nChar, UINT nRepCnt, UINT nFlags, int nItem,
                   int nSubItem, BOOL& bCancel)
{
    return item.OnKeyDown(nChar, nRepCnt, nFlags, ListOf(pEditor), nItem, nSubItem, bCancel);
}

void ApplyWheelRule(CWnd* pEditor, CQELBaseListItem& item, UINT nFlags, short zDelta, CPoint pt, int nItem,
                    int nSubItem, BOOL& bCancel)
{
    item.OnMouseWheel(nFlags, zDelta, pt, ListOf(pEditor), nItem, nSubItem, bCancel);
}

static BOOL IsEditorKey(WPARAM nChar)
{
    return nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE || QELListKeys::IsKeyDown(VK_CONTROL);
}

BOOL DispatchEditorKey(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || !IsEditorKey(pMsg->wParam))
        return FALSE;
    ::TranslateMessage(pMsg);
    ::DispatchMessage(pMsg);
    return TRUE;
}

LPTSTR CopyWindowText(CWnd* pWnd)
{
    const int nLength = pWnd->GetWindowTextLength();
    LPTSTR pszText = new (std::nothrow) TCHAR[nLength + 1];
    if (pszText == NULL)
        return NULL;
    memset(pszText, 0, (nLength + 1) * sizeof(TCHAR));
    pWnd->GetWindowText(pszText, nLength + 1);
    return pszText;
}

LPTSTR CopyChangedText(CWnd* pWnd, const CString& strStart)
{
    LPTSTR pszText = CopyWindowText(pWnd);
    if (pszText != NULL && strStart.Compare(pszText) == 0)
    {
        delete[] pszText;
        return NULL;
    }
    return pszText;
}

void Report(CWnd* pEditor, HWND hOwner, int nItem, int nSubItem, LPTSTR pszChanged)
{
    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nCtrlID = pEditor->GetDlgCtrlID();
    info.nItem = nItem;
    info.nSubItem = nSubItem;

    if (pszChanged != NULL)
    {
        info.pszText = pszChanged;
        info.pEditWnd = pEditor;
        ::SendMessage(hOwner, WM_QEL_LISTEDITTING, 0, (LPARAM)&info);
        delete[] pszChanged;
    }

    info.pszText = NULL;
    info.pEditWnd = NULL;
    ::SendMessage(hOwner, WM_QEL_LISTEDITEND, 0, (LPARAM)&info);
}

void ReportText(CWnd* pEditor, const CString& strStart, int nItem, int nSubItem, BOOL bCancel)
{
    CWnd* pOwner = pEditor->GetOwner();
    if (pOwner == NULL)
        return;
    LPTSTR pszText = bCancel ? NULL : CopyChangedText(pEditor, strStart);
    Report(pEditor, pOwner->GetSafeHwnd(), nItem, nSubItem, pszText);
}

} // namespace QELListEditor
