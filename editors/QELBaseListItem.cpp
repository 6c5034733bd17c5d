#include "QELBaseListItem.h"

#include "QELListEditorInternal.h"

IMPLEMENT_DYNCREATE(CQELBaseListItem, CObject)

CQELBaseListItem::CQELBaseListItem()
{
}

CQELBaseListItem::~CQELBaseListItem()
{
}

static BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x80) != 0;
}

void CQELBaseListItem::PostMoveRequest(CWnd* pWnd, int nItem, int nSubItem, UINT nChar, BOOL bCtrl, BOOL bShift)
{
    ::PostMessageA(pWnd->GetSafeHwnd(), WM_QEL_LISTITEMEDIT, (WPARAM)(INT_PTR)nItem,
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
        if (QELListEditor::IsMoveKey(nChar))
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
