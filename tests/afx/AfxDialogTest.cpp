// Dialogs from in-memory templates: the modal loop with keyboard handling, controls subclassed in
// OnInitDialog, data exchange and validation, ending during initialisation, and modeless dialogs.
#include "AfxTestSupport.h"

#include <commctrl.h>

using namespace afxcore;

namespace {

const UINT kDlgListId = 2001;
const UINT kDlgEditId = 2002;
const UINT_PTR kStepTimer = 77;

// The dialog's list view: paints through its own reflected custom draw.
class CCoreDialogList : public CWnd
{
public:
    int m_nItemPrePaints = 0;
    bool m_bInitWasNull = false;

    void PreSubclassWindow() override
    {
        m_bInitWasNull = AfxGetThreadState()->m_pWndInit == NULL;
        CWnd::PreSubclassWindow();
    }

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMCUSTOMDRAW* pDraw = (NMCUSTOMDRAW*)pNMHDR;
        if (pDraw->dwDrawStage == CDDS_ITEMPREPAINT)
            ++m_nItemPrePaints;
        *pResult = pDraw->dwDrawStage == CDDS_PREPAINT ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreDialogList, CWnd)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CCoreDialogList::OnCustomDraw)
END_MESSAGE_MAP()

// What a dialog run should do once its modal loop runs.
enum class Finish { Escape, OkButton, EndDialog };

class CCoreListDialog : public CDialog
{
public:
    explicit CCoreListDialog(CWnd* pParent) : CDialog((UINT)0, pParent) { m_lpszTemplateName = NULL; }

    CCoreDialogList m_list;
    CWnd m_edit;
    CString m_strName = "initial";
    Finish m_finish = Finish::Escape;
    int m_nEndAtInit = 0;           // non-zero: EndDialog with it in OnInitDialog
    int m_nInitDialog = 0;
    int m_nExchangesIn = 0;
    int m_nExchangesOut = 0;
    BOOL m_bListSubclassed = FALSE;
    bool m_bVisibleInLoop = false;
    bool m_bModalLoop = false;
    bool m_bParentDisabled = false;
    HWND m_hParentSeen = NULL;
    int m_nEarlyTicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kDlgEditId, m_edit);
        DDX_Text(pDX, kDlgEditId, m_strName);
        if (pDX->m_bSaveAndValidate)
            ++m_nExchangesOut;
        else
            ++m_nExchangesIn;
    }

    BOOL OnInitDialog() override
    {
        ++m_nInitDialog;
        CDialog::OnInitDialog();
        m_bListSubclassed = m_list.SubclassDlgItem(kDlgListId, this);
        if (m_bListSubclassed)
        {
            LVCOLUMN col = {};
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.cx = 100;
            col.pszText = (LPTSTR)_T("Name");
            m_list.SendMessage(LVM_INSERTCOLUMN, 0, (LPARAM)&col);
            for (int i = 0; i < 2; i++)
            {
                LVITEM item = {};
                item.mask = LVIF_TEXT;
                item.iItem = i;
                item.pszText = (LPTSTR)_T("item");
                m_list.SendMessage(LVM_INSERTITEM, 0, (LPARAM)&item);
            }
        }
        if (m_nEndAtInit != 0)
        {
            EndDialog(m_nEndAtInit);
            return FALSE;
        }
        // A timer, not a posted message: the loop first goes idle and shows the dialog.
        SetTimer(kStepTimer, 10, NULL);
        return TRUE;
    }

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        // The loop shows the dialog when it first runs out of messages; a slow start may let the
        // timer come first, so wait for that.
        if (nIDEvent != kStepTimer || (!IsWindowVisible() && ++m_nEarlyTicks < 100))
            return;
        KillTimer(kStepTimer);
        m_bVisibleInLoop = IsWindowVisible() != FALSE;
        m_bModalLoop = (m_nFlags & WF_MODALLOOP) != 0;
        m_hParentSeen = ::GetWindow(m_hWnd, GW_OWNER);
        m_bParentDisabled = m_hParentSeen != NULL && !::IsWindowEnabled(m_hParentSeen);
        m_list.RedrawWindow();
        switch (m_finish)
        {
        case Finish::Escape:
            // Through the queue, so that the loop's pre-translation gives it to the dialog manager.
            m_list.SetFocus();
            m_list.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            break;
        case Finish::OkButton:
            m_edit.SetWindowText(_T("typed"));
            GetDlgItem(IDOK)->PostMessage(BM_CLICK);
            break;
        case Finish::EndDialog:
            EndDialog(42);
            break;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreListDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class AfxCoreDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(owner, _T("Dialog owner")));
        dlgTemplate.AddControl(WC_LISTVIEWA, "", kDlgListId, 5, 5, 150, 60,
            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT);
        dlgTemplate.AddControl("EDIT", "", kDlgEditId, 5, 70, 150, 12, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
        dlgTemplate.AddControl("BUTTON", "OK", IDOK, 160, 5, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
        dlgTemplate.AddControl("BUTTON", "Cancel", IDCANCEL, 160, 25, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    }
    void TearDown() override
    {
        owner.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    CWnd owner;
    qeltest::CDialogTemplate dlgTemplate{ "Core dialog", 210, 90 };
};

} // namespace

TEST_F(AfxCoreDialog, EscapeInTheSubclassedListCancelsTheModalDialog)
{
    CCoreListDialog dlg(&owner);
    ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate.Get(), &owner));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    EXPECT_EQ(1, dlg.m_nInitDialog);
    EXPECT_TRUE(dlg.m_bListSubclassed);
    EXPECT_TRUE(dlg.m_list.m_bInitWasNull);
    EXPECT_GE(dlg.m_list.m_nItemPrePaints, 2);
    EXPECT_TRUE(dlg.m_bVisibleInLoop);
    EXPECT_TRUE(dlg.m_bModalLoop);
    EXPECT_EQ(owner.m_hWnd, dlg.m_hParentSeen);
    EXPECT_TRUE(dlg.m_bParentDisabled);

    // Afterwards: window and controls gone, objects detached, owner enabled again.
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_list.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(1, dlg.m_nExchangesIn);
    EXPECT_EQ(0, dlg.m_nExchangesOut);
}

TEST_F(AfxCoreDialog, OkButtonExchangesDataAndEndsWithIdOk)
{
    CCoreListDialog dlg(&owner);
    dlg.m_finish = Finish::OkButton;
    ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate.Get(), &owner));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nExchangesOut);
    EXPECT_STREQ(_T("typed"), (LPCTSTR)dlg.m_strName);
}

TEST_F(AfxCoreDialog, EndDialogFromAHandlerEndsTheLoopWithItsResult)
{
    CCoreListDialog dlg(&owner);
    dlg.m_finish = Finish::EndDialog;
    ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate.Get(), &owner));
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nExchangesOut);
}

TEST_F(AfxCoreDialog, EndDialogDuringInitialisationNeverShowsTheDialog)
{
    CCoreListDialog dlg(&owner);
    dlg.m_nEndAtInit = 7;
    ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate.Get(), &owner));
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInitDialog);
    EXPECT_FALSE(dlg.m_bVisibleInLoop);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(AfxCoreDialog, DialogWithoutTemplateFailsAtOnce)
{
    CDialog dlg((UINT)0x7ABC, &owner);      // no such resource
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(AfxCoreDialog, ModelessDialogFromAnInMemoryTemplate)
{
    CCoreListDialog dlg(&owner);
    dlg.m_finish = Finish::EndDialog;
    ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate.Get(), &owner));
    ASSERT_NE(nullptr, dlg.m_hWnd);
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_EQ(1, dlg.m_nInitDialog);
    EXPECT_TRUE(dlg.m_bListSubclassed);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(owner.m_hWnd, ::GetWindow(dlg.m_hWnd, GW_OWNER));
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CDialog)));

    dlg.ShowWindow(SW_SHOW);
    // The step's timer: EndDialog hides a modeless dialog.
    ASSERT_TRUE(qeltest::PumpUntil([&] { return !dlg.IsWindowVisible(); }));
    EXPECT_FALSE(dlg.m_bModalLoop);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());

    const HWND hList = dlg.m_list.m_hWnd;
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_FALSE(::IsWindow(hList));
    EXPECT_EQ(nullptr, dlg.m_list.m_hWnd);
}

namespace {

const UINT kDlgRadioId = 2010;      // first of three radio buttons
const UINT kDlgDropListId = 2013;
const UINT kDlgDropDownId = 2014;
const UINT kDlgListBoxId = 2015;
const UINT kDlgCountId = 2016;

// Exchanges choices and validated values with the fixture's controls plus a radio group, two combo
// boxes, a list box and a number field.
class CCoreChoicesDialog : public CDialog
{
public:
    int m_nSize = 1;
    int m_nDropList = 2;
    CString m_strDropDown = "be";   // a prefix of "beta"
    int m_nListBox = 0;
    int m_nCount = 5;               // 1..9
    CString m_strName = "abc";      // at most 4 characters

protected:
    BOOL OnInitDialog() override
    {
        for (LPCTSTR item : { _T("alpha"), _T("beta"), _T("gamma") })
        {
            SendDlgItemMessage(kDlgDropListId, CB_ADDSTRING, 0, (LPARAM)item);
            SendDlgItemMessage(kDlgDropDownId, CB_ADDSTRING, 0, (LPARAM)item);
            SendDlgItemMessage(kDlgListBoxId, LB_ADDSTRING, 0, (LPARAM)item);
        }
        return CDialog::OnInitDialog();     // loads the members into the filled controls
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Radio(pDX, kDlgRadioId, m_nSize);
        DDX_CBIndex(pDX, kDlgDropListId, m_nDropList);
        DDX_CBString(pDX, kDlgDropDownId, m_strDropDown);
        DDX_LBIndex(pDX, kDlgListBoxId, m_nListBox);
        DDX_Text(pDX, kDlgCountId, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 9);
        DDX_Text(pDX, kDlgEditId, m_strName);
        DDV_MaxChars(pDX, m_strName, 4);
    }
};

} // namespace

TEST_F(AfxCoreDialog, ChoicesAndValidatedValuesExchangeBothWays)
{
    const DWORD radio = WS_TABSTOP | BS_AUTORADIOBUTTON;
    dlgTemplate.AddControl("BUTTON", "S", kDlgRadioId, 5, 100, 20, 10, radio | WS_GROUP);
    dlgTemplate.AddControl("BUTTON", "M", kDlgRadioId + 1, 30, 100, 20, 10, radio);
    dlgTemplate.AddControl("BUTTON", "L", kDlgRadioId + 2, 55, 100, 20, 10, radio);
    dlgTemplate.AddControl("COMBOBOX", "", kDlgDropListId, 5, 115, 60, 50, WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST);
    dlgTemplate.AddControl("COMBOBOX", "", kDlgDropDownId, 70, 115, 60, 50, WS_TABSTOP | CBS_DROPDOWN);
    dlgTemplate.AddControl("LISTBOX", "", kDlgListBoxId, 135, 115, 60, 30, WS_TABSTOP | WS_BORDER);
    dlgTemplate.AddControl("EDIT", "", kDlgCountId, 5, 130, 40, 12, WS_TABSTOP | WS_BORDER);
    CCoreChoicesDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate.Get(), &owner));
    dlg.ShowWindow(SW_SHOW);

    EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(kDlgRadioId));
    EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(kDlgRadioId + 1));
    EXPECT_EQ(2, dlg.SendDlgItemMessage(kDlgDropListId, CB_GETCURSEL));
    EXPECT_EQ(1, dlg.SendDlgItemMessage(kDlgDropDownId, CB_GETCURSEL));
    EXPECT_EQ(0, dlg.SendDlgItemMessage(kDlgListBoxId, LB_GETCURSEL));
    EXPECT_EQ(5u, dlg.GetDlgItemInt(kDlgCountId));
    EXPECT_EQ(4, dlg.SendDlgItemMessage(kDlgEditId, EM_GETLIMITTEXT));

    // The user changes every field; saving reads them all back.
    dlg.GetDlgItem(kDlgRadioId + 2)->SendMessage(BM_CLICK);
    dlg.SendDlgItemMessage(kDlgDropListId, CB_SETCURSEL, 0);
    dlg.SetDlgItemText(kDlgDropDownId, _T("free text"));
    dlg.SendDlgItemMessage(kDlgListBoxId, LB_SETCURSEL, 2);
    dlg.SetDlgItemText(kDlgCountId, _T("9"));
    dlg.SetDlgItemText(kDlgEditId, _T("wxyz"));
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(2, dlg.m_nSize);
    EXPECT_EQ(0, dlg.m_nDropList);
    EXPECT_STREQ(_T("free text"), (LPCTSTR)dlg.m_strDropDown);
    EXPECT_EQ(2, dlg.m_nListBox);
    EXPECT_EQ(9, dlg.m_nCount);
    EXPECT_STREQ(_T("wxyz"), (LPCTSTR)dlg.m_strName);

    // A value out of its range or too long fails the exchange at its own field.
    dlg.SetDlgItemText(kDlgCountId, _T("10"));
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.GetDlgItem(kDlgCountId)->m_hWnd, ::GetFocus());
    dlg.SetDlgItemText(kDlgCountId, _T("1"));
    dlg.SetDlgItemText(kDlgEditId, _T("vwxyz"));
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.GetDlgItem(kDlgEditId)->m_hWnd, ::GetFocus());
    EXPECT_EQ(1, dlg.m_nCount);

    // No radio button checked reads as -1.
    dlg.CheckRadioButton(kDlgRadioId, kDlgRadioId + 2, 0);
    dlg.SetDlgItemText(kDlgEditId, _T("v"));
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, dlg.m_nSize);
    EXPECT_TRUE(dlg.DestroyWindow());
}

namespace {

// Ends itself as soon as it is initialised; the template comes from a resource.
class CCoreResourceDialog : public CDialog
{
public:
    CCoreResourceDialog(LPCTSTR lpszTemplateName, CWnd* pParent) : CDialog(lpszTemplateName, pParent) {}
    int m_nEndAtInit = 0;
    int m_nControls = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
            ++m_nControls;
        if (m_nEndAtInit != 0)
            EndDialog(m_nEndAtInit);
        return TRUE;
    }
};

// Resources are looked up in another module for the duration of a test.
class ResourceModule
{
public:
    explicit ResourceModule(HINSTANCE hModule) : m_hOld(AfxGetResourceHandle()) { AfxSetResourceHandle(hModule); }
    ~ResourceModule() { AfxSetResourceHandle(m_hOld); }

private:
    HINSTANCE m_hOld;
};

} // namespace

// The system's message-box template serves as a dialog resource of another module: an extension DLL's while
// that is on the chain, then the resource handle's.
TEST_F(AfxCoreDialog, DialogsFromResourceTemplates)
{
    HMODULE hUser = ::GetModuleHandle(_T("user32.dll"));
    if (::FindResource(hUser, _T("MSGBOX"), (LPCTSTR)RT_DIALOG) == NULL)
        GTEST_SKIP() << "no message-box dialog resource in this user32";

    AFX_EXTENSION_MODULE extension = { FALSE, NULL, NULL, NULL, NULL };
    ASSERT_TRUE(AfxInitExtensionModule(extension, hUser));
    new CDynLinkLibrary(extension);
    CCoreResourceDialog chained(_T("MSGBOX"), &owner);
    chained.m_nEndAtInit = 6;
    EXPECT_EQ(6, chained.DoModal());
    AfxTermExtensionModule(extension);
    EXPECT_EQ(-1, CDialog(_T("MSGBOX"), &owner).DoModal());

    ResourceModule resources(hUser);

    CCoreResourceDialog modal(_T("MSGBOX"), &owner);
    modal.m_nEndAtInit = 5;
    EXPECT_EQ(5, modal.DoModal());
    EXPECT_GT(modal.m_nControls, 0);

    CCoreResourceDialog modeless(_T("MSGBOX"), &owner);
    ASSERT_TRUE(modeless.Create(_T("MSGBOX"), &owner));
    EXPECT_GT(modeless.m_nControls, 0);
    EXPECT_TRUE(modeless.DestroyWindow());

    CDialog missing(_T("NO_SUCH_DIALOG"), &owner);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(_T("NO_SUCH_DIALOG"), &owner));
}
