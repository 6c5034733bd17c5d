// The list fixture, its test editor and factories, and the list in a dialog.
#include "QELListFixture.h"

namespace qeltest {

// ---- Test editor and factories --------------------------------------------------------------------------

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
        ::SendMessage(hList, WM_QEL_LISTEDITTING, 0, (LPARAM)&changed);
        strText.ReleaseBuffer();
    }
    // The list deletes this editor while handling the end report.
    ::SendMessage(hList, WM_QEL_LISTEDITEND, 0, (LPARAM)&info);
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
    s_data = pStyle->pData != NULL ? Narrow(pStyle->pData) : "";
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

// ---- Dialog ---------------------------------------------------------------------------------------------

BOOL CForwardingDialog::CreateWithList(CWnd* pOwner, UINT nListId)
{
    CDialogTemplate t("List", 320, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT);
    t.AddControl("SysListView32", "", nListId, 5, 5, 310, 150, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
    t.AddControl("Button", "OK", IDOK, 260, 170, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
    return CreateIndirect(t.Get(), pOwner);
}

LRESULT CForwardingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= 0xC000 && message <= 0xFFFF && m_pRecorder != nullptr && m_pRecorder->GetSafeHwnd() != NULL)
        return m_pRecorder->Receive(m_hWnd, message, wParam, lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

// ---- Parent ---------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CListParent, CRecorderWnd)
    ON_NOTIFY(LVN_GETDISPINFO, kListId, &CListParent::OnGetDispInfo)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, &CListParent::OnEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITMAX, &CListParent::OnEditMax)
END_MESSAGE_MAP()

tstring CListParent::Text(int nItem, int nSubItem) const
{
    const auto it = texts.find({ nItem, nSubItem });
    if (it != texts.end())
        return it->second;
    TCHAR text[32];
    _stprintf(text, _T("r%dc%d"), nItem, nSubItem);
    return text;
}

void CListParent::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item;
    if (ownerList != nullptr && (item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0)
        lstrcpyn(item.pszText, Text(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
    *pResult = 0;
}

LRESULT CListParent::OnEditting(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    if (ownerList != nullptr && pInfo != nullptr)
        texts[{ pInfo->nItem, pInfo->nSubItem }] = pInfo->pszText;
    return 0;
}

LRESULT CListParent::OnEditMax(WPARAM, LPARAM)
{
    if (ownerList == nullptr)
        return 0;
    const int nRow = ownerList->GetItemCount();
    ownerList->SetItemCount(nRow + 1);
    return nRow;
}

// ---- Fixture --------------------------------------------------------------------------------------------

void ListTest::SetUp()
{
    ReleaseAllKeys();
    // Keep the real pointer away from the windows: no stray mouse moves or leaves.
    ::SetCursorPos(1270, 1010);
    ASSERT_TRUE(parent.CreateParent(700, 480));
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
    if (dialog != nullptr)
        dialog->DestroyWindow();
    dialog.reset();
    if (parent.GetSafeHwnd() != NULL)
        parent.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(0, CTestCellEditor::s_nLive) << "editor windows leaked";
    EXPECT_EQ(0, CTestFactory::s_nLive) << "factories leaked";
}

void ListTest::Fill(int nRows, int nCols, int nWidth)
{
    for (int c = 0; c < nCols; ++c)
    {
        CString caption;
        caption.Format(_T("Col%d"), c);
        list->InsertColumn(c, caption, LVCFMT_LEFT, nWidth);
    }
    if (list->GetStyle() & LVS_OWNERDATA)
    {
        parent.ownerList = list;
        list->SetItemCount(nRows);
        return;
    }
    for (int r = 0; r < nRows; ++r)
    {
        CString text;
        text.Format(_T("r%dc0"), r);
        list->InsertItem(r, text);
        list->SetItemData(r, 100 + r);
        for (int c = 1; c < nCols; ++c)
        {
            text.Format(_T("r%dc%d"), r, c);
            list->SetItemText(r, c, text);
        }
    }
}

void ListTest::CreateList(int nRows, int nCols, DWORD dwStyle, DWORD dwExStyle, int nWidth)
{
    const DWORD dwCommon = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_SHOWSELALWAYS;
    ASSERT_TRUE(list->Create(dwCommon | dwStyle, CRect(CPoint(10, 10), listSize), &parent, kId));
    list->SetExtendedStyle(dwExStyle);
    Fill(nRows, nCols, nWidth);
    list->UpdateWindow();
    PumpUntilIdle();
    parent.Flush();
}

void ListTest::CreateListInDialog(int nRows, int nCols, int nWidth)
{
    dialog.reset(new CForwardingDialog(&parent));
    ASSERT_TRUE(dialog->CreateWithList(&parent, kId));
    ASSERT_TRUE(list->SubclassDlgItem(kId, dialog.get()));
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    Fill(nRows, nCols, nWidth);
    dialog->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dialog->GetSafeHwnd());
    list->SetFocus();
    PumpUntilIdle();
    parent.Flush();
}

void ListTest::SetStyle(int nColumn, CRuntimeClass* pClass, DWORD dwStyle, DWORD dwFlags, const char* pData,
                        int nLimitText, DWORD dwRemoveStyle)
{
    _tag_QELListColumnStyle style = {};
    style.nColumn = nColumn;
    style.nLimitText = nLimitText;
    style.dwStyle = dwStyle;
    style.dwRemoveStyle = dwRemoveStyle;
    style.dwFlags = dwFlags;
    CString data(pData != nullptr ? pData : "");
    style.pData = pData != nullptr ? data.GetBuffer(0) : nullptr;
    style.nDataLen = pData != nullptr ? DataLength(data) : 0;
    style.pRuntimeClass = pClass;
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
}

void ListTest::SetEditorStyles()
{
    SetStyle(1, RUNTIME_CLASS(CQELListItemEdit));
    SetStyle(2, RUNTIME_CLASS(CQELListItemComboBoxCtrl));
    SetStyle(3, RUNTIME_CLASS(CQELListItemDateTimeCtrl));
}

CWnd* ListTest::StartEdit(int nItem, int nSubItem)
{
    parent.Flush();
    EXPECT_EQ(0, list->EditSubItem(nItem, nSubItem));
    PumpUntilIdle();
    EXPECT_NE(nullptr, Editor()) << MatchesEdits({}).message();
    return Editor();
}

void ListTest::Commit()
{
    list->SetFocus();
    PumpUntilIdle();
}

void ListTest::Cancel()
{
    Press(::GetFocus(), VK_ESCAPE);
}

bool ListTest::ClickToEdit(int nItem, int nSubItem)
{
    const CPoint pt = CellPoint(nItem, nSubItem);
    Click(list->GetSafeHwnd(), pt);                // selects the row
    PumpFor(::GetDoubleClickTime() + 50);          // not a double-click
    Click(list->GetSafeHwnd(), pt);                // a click on the selected row arms the edit
    return PumpUntil([this] { return Editor() != nullptr; }, ::GetDoubleClickTime() * 4 + 2000);
}

std::string ListTest::EditorText() const
{
    if (Editor() == nullptr)
        return std::string();
    CString s;
    Editor()->GetWindowText(s);
    return Narrow(s);
}

CRect ListTest::EditorRectInList() const
{
    CRect r;
    if (Editor() == nullptr)
        return r;
    Editor()->GetWindowRect(&r);
    list->ScreenToClient(&r);
    return r;
}

CRect ListTest::LabelRect(int nItem, int nSubItem) const
{
    CRect r;
    list->GetSubItemRect(nItem, nSubItem, LVIR_LABEL, r);
    return r;
}

CPoint ListTest::CellPoint(int nItem, int nSubItem) const
{
    const CRect r = LabelRect(nItem, nSubItem);
    return CPoint(r.left + 5, (r.top + r.bottom) / 2);
}

void ListTest::SelectOnly(int nItem)
{
    for (int r = 0; r < list->GetItemCount(); ++r)
        list->SetItemState(r, r == nItem ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
    PumpUntilIdle();
}

void ListTest::Press(HWND hwnd, UINT vk, bool ctrl, bool shift)
{
    SetModifierKeys(ctrl, shift);
    PressKey(hwnd, vk);
    SetModifierKeys(false, false);
    PumpUntilIdle();
}

void ListTest::Type(HWND hwnd, const char* text)
{
    TypeText(hwnd, text);
    PumpUntilIdle();
}

static bool IsEditMessage(UINT message)
{
    return message == WM_QEL_LISTEDITBEGIN || message == WM_QEL_LISTITEMCONST || message == WM_QEL_LISTEDITTING
        || message == WM_QEL_LISTEDITEND || message == WM_QEL_LISTEDITMAX;
}

std::vector<RecordedMessage> ListTest::EditMessages() const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : parent.Messages())
        if (IsEditMessage(m.message))
            result.push_back(m);
    return result;
}

std::vector<RecordedMessage> ListTest::ListMessages() const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : parent.Messages())
        if (IsEditMessage(m.message) || m.message == WM_QEL_HEADERCHANGED || m.message == WM_QEL_HEADERVISIABLECHANGE)
            result.push_back(m);
    return result;
}

::testing::AssertionResult ListTest::MatchesEdits(std::initializer_list<Expected> expected) const
{
    return MatchSequence(EditMessages(), expected);
}

} // namespace qeltest
