// Fixture and helpers of the in-place editor tests.
#include "EditorTestSupport.h"

#include <string.h>

namespace qeltest {

// ---- Message sequences ------------------------------------------------------------------------------

static bool IsEditMessage(UINT message)
{
    return message == WM_QEL_LISTEDITBEGIN || message == WM_QEL_LISTITEMCONST || message == WM_QEL_LISTEDITTING
        || message == WM_QEL_LISTEDITEND || message == WM_QEL_LISTEDITMAX;
}

std::vector<RecordedMessage> EditMessages(const CRecorderWnd& wnd)
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : wnd.Messages())
        if (IsEditMessage(m.message))
            result.push_back(m);
    return result;
}

::testing::AssertionResult MatchesEdits(const CRecorderWnd& wnd, std::initializer_list<Expected> expected)
{
    return MatchSequence(EditMessages(wnd), expected);
}

// ---- Creation spy -----------------------------------------------------------------------------------

CCreationSpy* CCreationSpy::s_pActive = nullptr;

CCreationSpy::CCreationSpy()
{
    s_pActive = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, NULL, ::GetCurrentThreadId());
}

CCreationSpy::~CCreationSpy()
{
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    s_pActive = nullptr;
}

LRESULT CALLBACK CCreationSpy::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && s_pActive != nullptr)
    {
        const CBT_CREATEWNDA* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        Creation c;
        char name[256] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name));
        c.className = name;
        c.style = static_cast<DWORD>(pCreate->lpcs->style);
        c.exStyle = pCreate->lpcs->dwExStyle;
        c.x = pCreate->lpcs->x;
        c.y = pCreate->lpcs->y;
        c.cx = pCreate->lpcs->cx;
        c.cy = pCreate->lpcs->cy;
        if (pCreate->lpcs->lpszName != nullptr && !IS_INTRESOURCE(pCreate->lpcs->lpszName))
            c.text = pCreate->lpcs->lpszName;
        s_pActive->m_creations.push_back(c);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

const CCreationSpy::Creation* CCreationSpy::Last(const char* className) const
{
    for (auto it = m_creations.rbegin(); it != m_creations.rend(); ++it)
        if (_stricmp(it->className.c_str(), className) == 0)
            return &*it;
    return nullptr;
}

// ---- Dialog -----------------------------------------------------------------------------------------

BOOL CForwardingDialog::CreateWithList(CWnd* pOwner)
{
    CDialogTemplate t("Editors", 320, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT);
    t.AddControl("SysListView32", "", kDialogListId, 5, 5, 310, 150,
                 LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP);
    t.AddControl("Button", "OK", IDOK, 260, 170, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
    return CreateIndirect(t.Get(), pOwner);
}

LRESULT CForwardingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= 0xC000 && message <= 0xFFFF && m_pRecorder != nullptr && m_pRecorder->GetSafeHwnd() != NULL)
        return m_pRecorder->SendMessage(message, wParam, lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

// ---- Fixture ----------------------------------------------------------------------------------------

void EditorTest::SetUp()
{
    ReleaseAllKeys();
    // Keep the real pointer away from the windows: no stray mouse moves or leaves.
    ::SetCursorPos(1270, 1010);
    ASSERT_TRUE(parent.CreateParent(700, 480));
    WatchListMessages(parent);
    LOGFONTA lf = {};
    lf.lfHeight = -17;
    lf.lfWeight = FW_BOLD;
    strcpy(lf.lfFaceName, "Tahoma");
    ASSERT_TRUE(listFont.CreateFontIndirect(&lf));
}

void EditorTest::TearDown()
{
    ReleaseAllKeys();
    if (list.GetSafeHwnd() != NULL)
        list.DestroyWindow();
    if (dialog != nullptr)
    {
        dialog->DestroyWindow();
        delete dialog;
        dialog = nullptr;
    }
    parent.DestroyWindow();
    PumpUntilIdle();
}

void EditorTest::FillList(CQELListCtrl& lst, int nRows)
{
    lst.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    lst.InsertColumn(1, "Amount", LVCFMT_RIGHT, 100);
    lst.InsertColumn(2, "City", LVCFMT_CENTER, 100);
    lst.InsertColumn(3, "Date", LVCFMT_LEFT, 110);
    lst.InsertColumn(4, "Choice", LVCFMT_LEFT, 110);
    for (int row = 0; row < nRows; ++row)
    {
        char text[32];
        sprintf(text, "r%dc0", row);
        lst.InsertItem(row, text);
        lst.SetItemData(row, 100 + row);
        for (int col = 1; col < 5; ++col)
        {
            sprintf(text, "r%dc%d", row, col);
            lst.SetItemText(row, col, text);
        }
    }
    lst.SetFont(&listFont);
}

void EditorTest::CreateList(DWORD dwStyle, DWORD dwExStyle)
{
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, CRect(10, 10, 690, 470), &parent, kListId));
    list.SetExtendedStyle(dwExStyle);
    FillList(list, 5);
    list.SetFocus();
    PumpUntilIdle();
}

void EditorTest::CreateListInDialog()
{
    dialog = new CForwardingDialog(&parent);
    ASSERT_TRUE(dialog->CreateWithList(&parent));
    ASSERT_TRUE(list.SubclassDlgItem(kDialogListId, dialog));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    FillList(list, 5);
    dialog->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dialog->GetSafeHwnd());
    list.SetFocus();
    PumpUntilIdle();
}

void EditorTest::SetColumnStyle(int nColumn, CRuntimeClass* pClass, DWORD dwStyle, DWORD dwFlags, const char* pData,
                                int nLimitText, DWORD dwRemoveStyle)
{
    _tag_QELListColumnStyle style = {};
    style.nColumn = nColumn;
    style.nLimitText = nLimitText;
    style.dwStyle = dwStyle;
    style.dwRemoveStyle = dwRemoveStyle;
    style.dwFlags = dwFlags;
    style.pData = const_cast<LPSTR>(pData);
    style.nDataLen = pData != nullptr ? static_cast<int>(strlen(pData)) : 0;
    style.pRuntimeClass = pClass;
    ASSERT_EQ(0u, list.SetColumnStyle(&style));
}

CRect EditorTest::LabelRect(int nItem, int nSubItem)
{
    CRect r;
    list.GetSubItemRect(nItem, nSubItem, LVIR_LABEL, r);
    return r;
}

CRect EditorTest::EditorRectInList()
{
    CRect r;
    if (Editor() == nullptr)
        return r;
    Editor()->GetWindowRect(&r);
    list.ScreenToClient(&r);
    return r;
}

std::string EditorTest::EditorText()
{
    if (Editor() == nullptr)
        return std::string();
    CString s;
    Editor()->GetWindowText(s);
    return std::string(s);
}

bool EditorTest::ClickToEdit(int nItem, int nSubItem)
{
    const CRect r = LabelRect(nItem, nSubItem);
    const POINT pt = { r.left + 5, (r.top + r.bottom) / 2 };
    Click(list.GetSafeHwnd(), pt);                 // selects the row
    PumpFor(::GetDoubleClickTime() + 50);          // not a double-click
    Click(list.GetSafeHwnd(), pt);                 // a click on the selected row arms the edit
    return PumpUntil([this] { return Editor() != nullptr; }, ::GetDoubleClickTime() * 4 + 2000);
}

void EditorTest::Press(HWND hwnd, UINT vk, bool ctrl, bool shift)
{
    SetModifierKeys(ctrl, shift);
    PressKey(hwnd, vk);
    SetModifierKeys(false, false);
    PumpUntilIdle();
}

void EditorTest::Type(HWND hwnd, const char* text)
{
    TypeText(hwnd, text);
    PumpUntilIdle();
}

} // namespace qeltest
