// Fixture and helpers of the in-place editor tests.
#include "EditorTestSupport.h"

#include <string.h>

namespace qeltest {

void FillChoicesWhenAnnounced(CRecorderWnd& parent, CQELListCtrl& list, const std::vector<tstring>& choices)
{
    parent.SetAnswer(WM_QEL_LISTITEMCONST, [&list, choices](const RecordedMessage& m, bool& handled) {
        const _tag_QELListEditInfo info = EditInfo(m);
        CComboBox* pCombo = static_cast<CComboBox*>(info.pEditWnd);
        if (info.nCtrlID == QEL_EDITID_COMBO && pCombo != nullptr)
        {
            for (const tstring& choice : choices)
                pCombo->AddString(choice.c_str());
            const CString cell = list.GetItemText(info.nItem, info.nSubItem);
            const int index = pCombo->FindStringExact(-1, cell);
            CString entry;
            if (index >= 0)
                pCombo->GetLBText(index, entry);
            if (index >= 0 && entry == cell)
                pCombo->SetCurSel(index);
        }
        handled = true;
        return 0;
    });
}

// ---- Creation spy -----------------------------------------------------------------------------------

CCreationSpy* CCreationSpy::s_pActive = nullptr;

CCreationSpy::CCreationSpy()
{
    s_pActive = this;
    m_hHook = ::SetWindowsHookEx(WH_CBT, CbtProc, NULL, ::GetCurrentThreadId());
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
        const CBT_CREATEWND* pCreate = reinterpret_cast<const CBT_CREATEWND*>(lParam);
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
            c.text = Narrow(pCreate->lpcs->lpszName);
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

// ---- Fixture ----------------------------------------------------------------------------------------

void EditorTest::SetUp()
{
    ListTest::SetUp();
    listSize = CSize(680, 460);
    LOGFONT lf = {};
    lf.lfHeight = -17;
    lf.lfWeight = FW_BOLD;
    _tcscpy(lf.lfFaceName, _T("Tahoma"));
    ASSERT_TRUE(listFont.CreateFontIndirect(&lf));
}

void EditorTest::CreateEditorList(bool inDialog)
{
    if (inDialog)
        CreateListInDialog(5, 5, 110);
    else
        CreateList(5, 5, LVS_REPORT, LVS_EX_FULLROWSELECT, 110);
    list->SetFont(&listFont);
    list->SetFocus();
    PumpUntilIdle();
}

} // namespace qeltest
