#include "ListTestSupport.h"

namespace qeltest {

int CTestCellEditor::s_nLive = 0;
int CTestFactory::s_nLive = 0;
int CTestFactory::s_nCalls = 0;
CRect CTestFactory::s_rect;
_tag_QELListColumnStyle CTestFactory::s_style;
std::string CTestFactory::s_data;

BEGIN_MESSAGE_MAP(CTestCellEditor, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CTestCellEditor::~CTestCellEditor()
{
    --s_nLive;
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CTestCellEditor::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_item.OnKeyDown(nChar, nRepCnt, nFlags, GetParent(), m_nItem, m_nSubItem, m_bCancel))
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CTestCellEditor::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    m_item.OnMouseWheel(nFlags, zDelta, pt, GetParent(), m_nItem, m_nSubItem, m_bCancel);
    return TRUE;
}

void CTestCellEditor::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    CString strText;
    GetWindowText(strText);
    const HWND hList = ::GetParent(m_hWnd);
    _tag_QELListEditInfo info = {};
    info.nCtrlID = (UINT)GetDlgCtrlID();
    info.nItem = m_nItem;
    info.nSubItem = m_nSubItem;
    if (strText != m_strInitial && !m_bCancel)
    {
        _tag_QELListEditInfo changed = info;
        changed.pszText = strText.GetBuffer(0);
        changed.pEditWnd = this;
        ::SendMessageA(hList, WM_QEL_LISTEDITTING, 0, (LPARAM)&changed);
        strText.ReleaseBuffer();
    }
    // The list deletes this editor while handling the end report.
    ::SendMessageA(hList, WM_QEL_LISTEDITEND, 0, (LPARAM)&info);
}

IMPLEMENT_DYNCREATE(CTestFactory, CQELBaseListItem)
IMPLEMENT_DYNCREATE(CNullFactory, CQELBaseListItem)
IMPLEMENT_DYNAMIC(CNoCreateFactory, CQELBaseListItem)

CWnd* CTestFactory::CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                               CQELListCtrl* pList)
{
    ++s_nCalls;
    s_rect = rect;
    s_style = *pStyle;
    s_data = pStyle->pData != NULL ? pStyle->pData : "";
    CTestCellEditor* pEdit = new CTestCellEditor(nItem, nSubItem);
    if (!pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, pList, QEL_EDITID_TEXT))
    {
        delete pEdit;
        return NULL;
    }
    pEdit->m_strInitial = pList->GetItemText(nItem, nSubItem);
    pEdit->SetWindowText(pEdit->m_strInitial);
    pEdit->SetFocus();
    return pEdit;
}

void ListTest::SetUp()
{
    // Keep the real cursor away, so that no spontaneous mouse move reaches the list.
    ::SetCursorPos(1270, 1010);
    ASSERT_TRUE(parent.CreateParent(640, 480));
    WatchListMessages(parent);
    CTestFactory::s_nLive = 0;
    CTestFactory::s_nCalls = 0;
    CTestCellEditor::s_nLive = 0;
    if (list == nullptr)
        list = &ownList;
}

void ListTest::TearDown()
{
    ReleaseAllKeys();
    if (list != nullptr && list->GetSafeHwnd() != NULL)
        list->DestroyWindow();
    parent.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(0, CTestCellEditor::s_nLive) << "editor windows leaked";
    EXPECT_EQ(0, CTestFactory::s_nLive) << "factories leaked";
}

void ListTest::CreateList(int nRows, int nCols, DWORD dwStyle, DWORD dwExStyle, int nWidth)
{
    ASSERT_TRUE(list->Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_SHOWSELALWAYS | dwStyle,
                             CRect(10, 10, 410, 310), &parent, kId));
    list->SetExtendedStyle(dwExStyle);
    for (int c = 0; c < nCols; ++c)
    {
        CString caption;
        caption.Format("Col%d", c);
        list->InsertColumn(c, caption, LVCFMT_LEFT, nWidth);
    }
    for (int r = 0; r < nRows; ++r)
    {
        CString text;
        text.Format("r%dc0", r);
        list->InsertItem(r, text);
        list->SetItemData(r, 100 + r);
        for (int c = 1; c < nCols; ++c)
        {
            text.Format("r%dc%d", r, c);
            list->SetItemText(r, c, text);
        }
    }
    list->UpdateWindow();
    PumpUntilIdle();
    parent.Flush();
}

void ListTest::SetStyle(int nColumn, CRuntimeClass* pClass)
{
    _tag_QELListColumnStyle style = {};
    style.nColumn = nColumn;
    style.pRuntimeClass = pClass;
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
}

CPoint ListTest::CellPoint(int nItem, int nSubItem)
{
    CRect rect;
    list->GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect);
    return CPoint(rect.left + 5, (rect.top + rect.bottom) / 2);
}

void ListTest::SelectOnly(int nItem)
{
    for (int r = 0; r < list->GetItemCount(); ++r)
        list->SetItemState(r, r == nItem ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
    PumpUntilIdle();
}

std::vector<RecordedMessage> ListTest::ListMessages() const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : parent.Messages())
    {
        if (m.message == WM_QEL_LISTEDITBEGIN || m.message == WM_QEL_LISTITEMCONST
            || m.message == WM_QEL_LISTEDITTING || m.message == WM_QEL_LISTEDITEND
            || m.message == WM_QEL_LISTEDITMAX || m.message == WM_QEL_HEADERCHANGED
            || m.message == WM_QEL_HEADERVISIABLECHANGE)
            result.push_back(m);
    }
    return result;
}

} // namespace qeltest
