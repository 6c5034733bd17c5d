// The editor factory base: the extension point through which the list creates the editor of a cell, and the
// key and wheel rules every editor applies.
#include "QELBaseListItem.h"

#include "QELListKeysInternal.h"

IMPLEMENT_DYNCREATE(CQELBaseListItem, CObject)

using QELListKeys::IsKeyDown;
using QELListKeys::IsMoveKey;

BOOL QELListKeys::IsMoveKey(UINT nChar)
{
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT:
        return TRUE;
    case VK_TAB:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN:
        return IsKeyDown(VK_CONTROL);
    default:
        return FALSE;
    }
}

CQELBaseListItem::CQELBaseListItem()
{
}

CQELBaseListItem::~CQELBaseListItem()
{
}

void CQELBaseListItem::PostMoveRequest(CWnd* pWnd, int nItem, int nSubItem, UINT nChar, BOOL bCtrl, BOOL bShift)
{
    ::PostMessage(pWnd->GetSafeHwnd(), WM_QEL_LISTITEMEDIT, (WPARAM)(INT_PTR)nItem,
                   QELEncodeMoveRequest(nChar, bCtrl, bShift, nSubItem));
}

BOOL CQELBaseListItem::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/, CWnd* pWnd, int nItem,
                                 int nSubItem, BOOL& bCancel)
{
    if (pWnd == NULL)
        return TRUE;

    switch (nChar)
    {
    case VK_RETURN:
        // The editor loses the focus here, reports and is deleted together with this object: touch nothing after.
        pWnd->SetFocus();
        return FALSE;

    case VK_ESCAPE:
        bCancel = TRUE;
        pWnd->SetFocus();
        return FALSE;

    default:
        if (IsMoveKey(nChar))
            PostMoveRequest(pWnd, nItem, nSubItem, nChar, IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT));
        return TRUE;
    }
}

CWnd* CQELBaseListItem::CreateItem(int /*nItem*/, int /*nSubItem*/, CRect /*rect*/,
                                   _tag_QELListColumnStyle* const /*pStyle*/, CQELListCtrl* /*pList*/)
{
    return NULL;
}

BOOL CQELBaseListItem::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/, CWnd* pWnd, int nItem,
                                    int nSubItem, BOOL& /*bCancel*/)
{
    if (zDelta == 0)
        return FALSE;
    if (!IsKeyDown(VK_CONTROL))
        return FALSE;
    if (pWnd == NULL)
        return TRUE;
    PostMoveRequest(pWnd, nItem, nSubItem, zDelta > 0 ? VK_UP : VK_DOWN, TRUE, FALSE);
    return TRUE;
}
