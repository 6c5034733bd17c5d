// In-place drop-down list editor window of the list control.
#include "QELListComboBox.h"

#include "QELListEditorInternal.h"
#include "QELListKeysInternal.h"

IMPLEMENT_DYNAMIC(CQELListComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CQELListComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_CONTROL_REFLECT(CBN_KILLFOCUS, &CQELListComboBox::OnComboKillFocus)
END_MESSAGE_MAP()

CQELListComboBox::CQELListComboBox()
    : m_nItem(0)
    , m_nSubItem(0)
    , m_bCancel(0)
{
}

CQELListComboBox::~CQELListComboBox()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        DestroyWindow();
}

int CQELListComboBox::Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem, CWnd* pParentWnd,
                             _tag_QELListColumnStyle* const pStyle)
{
    const DWORD dwStyle = (pStyle != NULL ? pStyle->dwStyle : 0) | WS_CHILD | WS_VISIBLE | WS_VSCROLL;
    if (!CComboBox::Create(dwStyle, rect, pParentWnd, nID))
        return 0;

    m_nItem = nItem;
    m_nSubItem = nSubItem;
    if (pszText != NULL)
    {
        m_strStart = pszText;
        SetWindowText(pszText);
    }
    SetOwner(pParentWnd);
    return 1;
}

BOOL CQELListComboBox::HasEditField() const
{
    // CBS_SIMPLE and CBS_DROPDOWN keep the focus in their edit child; CBS_DROPDOWNLIST keeps it itself.
    return (GetStyle() & 0x3) != CBS_DROPDOWNLIST;
}

int CQELListComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;

    QELListEditor::TakeParentFont(this);
    SetFocus();
    return 0;
}

BOOL CQELListComboBox::PreTranslateMessage(MSG* pMsg)
{
    // Enter and Escape are consumed, and their focus change may already have deleted this editor; a move
    // key is not the edit field's, which would pass it to the drop-down list and change the choice first.
    if (pMsg->message == WM_KEYDOWN && IsEditFieldKey(pMsg)
        && (!ApplyKeyRules(pMsg) || QELListKeys::IsMoveKey((UINT)pMsg->wParam)))
        return TRUE;

    // Tab, Enter, Escape and Ctrl combinations go straight to the combo box or its edit field, past a
    // dialog's navigation and default buttons and past accelerators.
    if (QELListEditor::DispatchEditorKey(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CQELListComboBox::IsEditFieldKey(const MSG* pMsg) const
{
    // The edit field of a CBS_DROPDOWN or CBS_SIMPLE combo box is no window of ours: its keys never reach
    // OnKeyDown, so the shared key rules are applied to them here.
    return pMsg->hwnd != m_hWnd && ::IsChild(m_hWnd, pMsg->hwnd);
}

BOOL CQELListComboBox::ApplyKeyRules(const MSG* pMsg)
{
    return QELListEditor::ApplyKeyRules(this, m_item, (UINT)pMsg->wParam, LOWORD(pMsg->lParam),
                                        HIWORD(pMsg->lParam), m_nItem, m_nSubItem, m_bCancel);
}

void CQELListComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // A key that asked the list to move the edit is not the combo box's: Ctrl+End would first choose the
    // last entry, which the move then commits.
    if (QELListEditor::ApplyKeyRules(this, m_item, nChar, nRepCnt, nFlags, m_nItem, m_nSubItem, m_bCancel)
        && !QELListKeys::IsMoveKey(nChar))
        Default();
}

BOOL CQELListComboBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    QELListEditor::ApplyWheelRule(this, m_item, nFlags, zDelta, pt, m_nItem, m_nSubItem, m_bCancel);
    return TRUE;   // handled: the wheel never changes the chosen entry
}

void CQELListComboBox::OnKillFocus(CWnd*)
{
    // Read before the default processing, which may already report through CBN_KILLFOCUS.
    const BOOL bEditField = HasEditField();
    Default();
    // With an edit field the focus moves between the combo box and its edit child; the combo box reports
    // CBN_KILLFOCUS once the focus has left both, and the edit ends there (OnComboKillFocus).
    if (bEditField)
        return;
    SetListText();
}

void CQELListComboBox::OnComboKillFocus()
{
    if (HasEditField())
        SetListText();
}

void CQELListComboBox::SetListText()
{
    // The list deletes this editor while handling the end; nothing of it is used afterwards.
    QELListEditor::ReportText(this, m_strStart, m_nItem, m_nSubItem, m_bCancel);
}
