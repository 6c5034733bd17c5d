// Control wrappers against the real controls: list view in report view, header, combo box, date picker,
// edit, button and static.
#include "QELTest.h"

#include <afxcmn.h>
#include <afxdtctl.h>

#include <algorithm>
#include <string>

namespace {

// One parent window per suite (making a top-level window active is slow); each test's controls are
// destroyed with their objects at the end of the test.
class ControlValues : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pParent = new qeltest::CRecorderWnd;
        s_pParent->CreateParent(400, 300);
    }

    static void TearDownTestSuite()
    {
        s_pParent->DestroyWindow();
        delete s_pParent;
        s_pParent = NULL;
        qeltest::PumpUntilIdle();
    }

    void SetUp() override { ASSERT_TRUE(::IsWindow(s_pParent->m_hWnd)); }
    void TearDown() override { qeltest::PumpUntilIdle(); }

    static qeltest::CRecorderWnd* s_pParent;
    qeltest::CRecorderWnd& m_parent = *s_pParent;
};

qeltest::CRecorderWnd* ControlValues::s_pParent = NULL;

// A report-view list of three columns and four rows.
class ListCtrlValues : public ControlValues
{
protected:
    void SetUp() override
    {
        ControlValues::SetUp();
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 360, 200),
                                  &m_parent, 10));
        ASSERT_EQ(0, m_list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 100));
        ASSERT_EQ(1, m_list.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 80));
        ASSERT_EQ(2, m_list.InsertColumn(2, _T("Date"), LVCFMT_LEFT, 90));
        const LPCTSTR names[4] = { _T("delta"), _T("alpha"), _T("charlie"), _T("bravo") };
        for (int i = 0; i < 4; i++)
        {
            ASSERT_EQ(i, m_list.InsertItem(i, names[i]));
            CString s;
            s.Format(_T("%d"), (i + 1) * 10);
            ASSERT_TRUE(m_list.SetItemText(i, 1, s));
            ASSERT_TRUE(m_list.SetItemData(i, (DWORD_PTR)(i + 1) * 1000));
        }
    }

    CListCtrl m_list;
};

TEST_F(ListCtrlValues, RunTimeClassAndHeader)
{
    EXPECT_TRUE(m_list.IsKindOf(RUNTIME_CLASS(CListCtrl)));
    EXPECT_TRUE(m_list.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_STREQ("CListCtrl", m_list.GetRuntimeClass()->m_lpszClassName);
    EXPECT_FALSE(m_list.IsKindOf(RUNTIME_CLASS(CHeaderCtrl)));
    TCHAR className[64] = _T("");
    ::GetClassName(m_list.m_hWnd, className, _countof(className));
    EXPECT_STREQ(WC_LISTVIEW, className);

    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    ASSERT_NE(nullptr, pHeader);
    EXPECT_EQ(3, pHeader->GetItemCount());
    EXPECT_EQ(::GetDlgItem(m_list.m_hWnd, 0), pHeader->m_hWnd);
}

TEST_F(ListCtrlValues, ColumnsReadBack)
{
    TCHAR text[32] = _T("");
    LVCOLUMN col = {};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    col.pszText = text;
    col.cchTextMax = _countof(text);
    ASSERT_TRUE(m_list.GetColumn(1, &col));
    EXPECT_STREQ(_T("Size"), text);
    EXPECT_EQ(LVCFMT_RIGHT, col.fmt & LVCFMT_JUSTIFYMASK);
    EXPECT_EQ(80, col.cx);
    EXPECT_EQ(90, m_list.GetColumnWidth(2));
    EXPECT_TRUE(m_list.SetColumnWidth(2, 120));
    EXPECT_EQ(120, m_list.GetColumnWidth(2));

    col.mask = LVCF_TEXT;
    col.pszText = (LPTSTR)_T("Renamed");
    EXPECT_TRUE(m_list.SetColumn(0, &col));
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT;
    hdi.pszText = text;
    hdi.cchTextMax = _countof(text);
    ASSERT_TRUE(m_list.GetHeaderCtrl()->GetItem(0, &hdi));
    EXPECT_STREQ(_T("Renamed"), text);

    EXPECT_TRUE(m_list.DeleteColumn(2));
    EXPECT_EQ(2, m_list.GetHeaderCtrl()->GetItemCount());
}

TEST_F(ListCtrlValues, ItemTextsInBothForms)
{
    EXPECT_EQ(4, m_list.GetItemCount());
    EXPECT_STREQ(_T("charlie"), (LPCTSTR)m_list.GetItemText(2, 0));
    EXPECT_STREQ(_T("30"), (LPCTSTR)m_list.GetItemText(2, 1));
    EXPECT_TRUE(m_list.GetItemText(2, 2).IsEmpty());
    EXPECT_TRUE(m_list.GetItemText(99, 0).IsEmpty());

    TCHAR buf[16];
    std::fill(buf, buf + _countof(buf), _T('x'));
    EXPECT_EQ(7, m_list.GetItemText(2, 0, buf, _countof(buf)));
    EXPECT_STREQ(_T("charlie"), buf);

    // texts longer than the first buffers are read whole
    const CString longText(_T('L'), 1000);
    ASSERT_TRUE(m_list.SetItemText(1, 2, longText));
    EXPECT_EQ(1000, m_list.GetItemText(1, 2).GetLength());
    const CString exact(_T('e'), 255);
    ASSERT_TRUE(m_list.SetItemText(1, 2, exact));
    EXPECT_EQ(255, m_list.GetItemText(1, 2).GetLength());
}

TEST_F(ListCtrlValues, ItemDataKeepsPointerWidth)
{
    EXPECT_EQ((DWORD_PTR)3000, m_list.GetItemData(2));
    const DWORD_PTR wide = (DWORD_PTR)&m_list;
    ASSERT_TRUE(m_list.SetItemData(3, wide));
    EXPECT_EQ(wide, m_list.GetItemData(3));
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 3;
    ASSERT_TRUE(m_list.GetItem(&item));
    EXPECT_EQ((LPARAM)wide, item.lParam);
}

TEST_F(ListCtrlValues, SelectionStateAndIteration)
{
    EXPECT_EQ(0u, m_list.GetSelectedCount());
    EXPECT_EQ(nullptr, m_list.GetFirstSelectedItemPosition());
    ASSERT_TRUE(m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    ASSERT_TRUE(m_list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ((UINT)LVIS_SELECTED, m_list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ((UINT)(LVIS_SELECTED | LVIS_FOCUSED), m_list.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(2u, m_list.GetSelectedCount());
    EXPECT_EQ(3, m_list.GetNextItem(-1, LVNI_FOCUSED));
    EXPECT_EQ(3, m_list.GetNextItem(1, LVNI_SELECTED));

    std::vector<int> rows;
    POSITION pos = m_list.GetFirstSelectedItemPosition();
    while (pos != NULL)
        rows.push_back(m_list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 3}), rows);
}

TEST_F(ListCtrlValues, ColumnOrderArray)
{
    int order[3] = { 2, 0, 1 };
    ASSERT_TRUE(m_list.SetColumnOrderArray(3, order));
    int readBack[3] = { -1, -1, -1 };
    ASSERT_TRUE(m_list.GetColumnOrderArray(readBack));   // the count comes from the header
    EXPECT_EQ(2, readBack[0]);
    EXPECT_EQ(0, readBack[1]);
    EXPECT_EQ(1, readBack[2]);
    int headerOrder[3] = { -1, -1, -1 };
    ASSERT_TRUE(m_list.GetHeaderCtrl()->GetOrderArray(headerOrder, 3));
    EXPECT_EQ(2, headerOrder[0]);
    EXPECT_EQ(1, headerOrder[2]);
}

TEST_F(ListCtrlValues, SubItemRectsFollowTheHeader)
{
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    for (int col = 1; col < 3; col++)
    {
        CRect header;
        ASSERT_TRUE(pHeader->GetItemRect(col, &header));
        CRect cell(-1, -1, -1, -1);
        ASSERT_TRUE(m_list.GetSubItemRect(2, col, LVIR_BOUNDS, cell));
        EXPECT_EQ(header.left, cell.left) << "column " << col;
        EXPECT_EQ(header.right, cell.right) << "column " << col;
        CRect row;
        ASSERT_TRUE(m_list.GetItemRect(2, &row, LVIR_BOUNDS));
        EXPECT_EQ(row.top, cell.top);
        EXPECT_EQ(row.bottom, cell.bottom);
    }
    CRect label;
    ASSERT_TRUE(m_list.GetItemRect(2, &label, LVIR_LABEL));
    UINT flags = 0;
    EXPECT_EQ(2, m_list.HitTest(label.CenterPoint(), &flags));
    EXPECT_NE(0u, flags & LVHT_ONITEM);
    LVHITTESTINFO hti = {};
    hti.pt = label.CenterPoint();
    EXPECT_EQ(2, m_list.SubItemHitTest(&hti));
    EXPECT_EQ(0, hti.iSubItem);
    EXPECT_EQ(-1, m_list.HitTest(CPoint(350, 190)));
}

int CALLBACK CompareByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    EXPECT_EQ(0x5150, lParamSort);
    return (lParam1 < lParam2) ? 1 : (lParam1 > lParam2) ? -1 : 0;
}

TEST_F(ListCtrlValues, SortItemsDeleteAndColours)
{
    ASSERT_TRUE(m_list.SortItems(CompareByDataDescending, 0x5150));
    EXPECT_STREQ(_T("bravo"), (LPCTSTR)m_list.GetItemText(0, 0));
    EXPECT_STREQ(_T("delta"), (LPCTSTR)m_list.GetItemText(3, 0));
    EXPECT_EQ((DWORD_PTR)4000, m_list.GetItemData(0));

    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(3, m_list.GetItemCount());
    EXPECT_FALSE(m_list.DeleteItem(10));

    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), m_list.GetExtendedStyle());
    EXPECT_TRUE(m_list.SetBkColor(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), m_list.GetBkColor());
    EXPECT_TRUE(m_list.SetTextColor(RGB(4, 5, 6)));
    EXPECT_EQ(RGB(4, 5, 6), m_list.GetTextColor());
    EXPECT_TRUE(m_list.SetTextBkColor(RGB(7, 8, 9)));
    EXPECT_EQ(RGB(7, 8, 9), m_list.GetTextBkColor());

    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(0, m_list.GetItemCount());
}

TEST_F(ListCtrlValues, ScrollingAndPages)
{
    for (int i = 4; i < 60; i++)
        m_list.InsertItem(i, _T("more"));
    const int nPage = m_list.GetCountPerPage();
    EXPECT_GT(nPage, 0);
    EXPECT_LT(nPage, 60);
    EXPECT_EQ(0, m_list.GetTopIndex());
    EXPECT_TRUE(m_list.EnsureVisible(59, FALSE));
    EXPECT_GT(m_list.GetTopIndex(), 0);
    EXPECT_TRUE(m_list.Scroll(CSize(0, -10000)));
    EXPECT_EQ(0, m_list.GetTopIndex());
    EXPECT_TRUE(m_list.RedrawItems(0, 5));
    EXPECT_TRUE(m_list.Update(0));
}

TEST_F(ListCtrlValues, ImageListsOwnedByObjectsSurviveTheList)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
    HICON hIcon = ::LoadIcon(NULL, MAKEINTRESOURCE(32512));   // IDI_APPLICATION
    EXPECT_EQ(0, images.Add(hIcon));
    EXPECT_EQ(1, images.GetImageCount());
    EXPECT_EQ(nullptr, m_list.SetImageList(&images, LVSIL_SMALL));
    EXPECT_EQ(&images, m_list.GetImageList(LVSIL_SMALL));
    m_list.DestroyWindow();
    // without LVS_SHAREIMAGELISTS the list would have destroyed it; the wrapper took it back first
    EXPECT_EQ(1, ImageList_GetImageCount(images.m_hImageList));
}

TEST_F(ControlValues, HeaderItems)
{
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 24), &m_parent, 11));
    EXPECT_STREQ("CHeaderCtrl", header.GetRuntimeClass()->m_lpszClassName);
    const LPCTSTR captions[3] = { _T("One"), _T("Two"), _T("Three") };
    for (int i = 0; i < 3; i++)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
        hdi.pszText = (LPTSTR)captions[i];
        hdi.cxy = 50 + i * 10;
        hdi.lParam = 0x100 + i;
        ASSERT_EQ(i, header.InsertItem(i, &hdi));
    }
    EXPECT_EQ(3, header.GetItemCount());

    TCHAR text[16] = _T("");
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
    hdi.pszText = text;
    hdi.cchTextMax = _countof(text);
    ASSERT_TRUE(header.GetItem(1, &hdi));
    EXPECT_STREQ(_T("Two"), text);
    EXPECT_EQ(60, hdi.cxy);
    EXPECT_EQ(0x101, hdi.lParam);

    hdi.mask = HDI_WIDTH;
    hdi.cxy = 77;
    ASSERT_TRUE(header.SetItem(1, &hdi));
    CRect r;
    ASSERT_TRUE(header.GetItemRect(1, &r));
    EXPECT_EQ(50, r.left);
    EXPECT_EQ(127, r.right);

    int order[3] = { 1, 2, 0 };
    ASSERT_TRUE(header.SetOrderArray(3, order));
    int readBack[3] = {};
    ASSERT_TRUE(header.GetOrderArray(readBack, 3));
    EXPECT_EQ(1, readBack[0]);
    EXPECT_EQ(0, readBack[2]);
    EXPECT_EQ(2, header.OrderToIndex(1));

    // item 1 is shown first now, from x = 0 to 77
    HDHITTESTINFO hti = {};
    hti.pt = CPoint(10, 5);
    EXPECT_EQ(1, header.HitTest(&hti));
    EXPECT_NE(0u, hti.flags & HHT_ONHEADER);

    EXPECT_TRUE(header.DeleteItem(0));
    EXPECT_EQ(2, header.GetItemCount());
    EXPECT_EQ(nullptr, header.GetImageList());
}

TEST_F(ControlValues, ComboBoxStrings)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 150, 200), &m_parent, 12));
    TCHAR className[32] = _T("");
    ::GetClassName(combo.m_hWnd, className, _countof(className));
    EXPECT_STREQ(_T("ComboBox"), className);
    EXPECT_EQ(0, combo.AddString(_T("apple")));
    EXPECT_EQ(1, combo.AddString(_T("banana")));
    EXPECT_EQ(1, combo.InsertString(1, _T("apricot")));
    EXPECT_EQ(3, combo.GetCount());

    CString s;
    combo.GetLBText(1, s);
    EXPECT_STREQ(_T("apricot"), (LPCTSTR)s);
    EXPECT_EQ(6, combo.GetLBTextLen(2));
    TCHAR buf[16] = _T("");
    EXPECT_EQ(6, combo.GetLBText(2, buf));
    EXPECT_STREQ(_T("banana"), buf);
    s = "stale";
    combo.GetLBText(7, s);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(CB_ERR, combo.GetLBTextLen(7));

    EXPECT_EQ(0, combo.FindString(-1, _T("ap")));
    EXPECT_EQ(1, combo.FindString(0, _T("ap")));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, _T("ap")));
    EXPECT_EQ(2, combo.FindStringExact(-1, _T("BANANA")));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(1, combo.SelectString(-1, _T("apr")));
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ(2, combo.SetCurSel(2));
    EXPECT_EQ(2, combo.GetCurSel());

    const DWORD_PTR data = (DWORD_PTR)&combo;
    EXPECT_NE(CB_ERR, combo.SetItemData(0, data));
    EXPECT_EQ(data, combo.GetItemData(0));

    EXPECT_FALSE(combo.GetDroppedState());
    combo.ShowDropDown(TRUE);
    EXPECT_TRUE(combo.GetDroppedState());
    CRect dropped;
    combo.GetDroppedControlRect(&dropped);
    EXPECT_GT(dropped.Height(), 0);
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());

    EXPECT_EQ(2, combo.DeleteString(0));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST_F(ControlValues, ComboBoxEditPart)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL, CRect(0, 0, 150, 200), &m_parent, 13));
    combo.LimitText(4);
    HWND hEdit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    ASSERT_NE(nullptr, hEdit);
    EXPECT_EQ(4, (int)::SendMessage(hEdit, EM_GETLIMITTEXT, 0, 0));
    combo.SetWindowText(_T("abcdef"));
    EXPECT_TRUE(combo.SetEditSel(1, 3));
    const DWORD sel = combo.GetEditSel();
    EXPECT_EQ(1, LOWORD(sel));
    EXPECT_EQ(3, HIWORD(sel));
}

TEST_F(ControlValues, DateTimePickerTime)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT | DTS_SHOWNONE, CRect(0, 0, 150, 24),
                              &m_parent, 14));
    TCHAR className[64] = _T("");
    ::GetClassName(picker.m_hWnd, className, _countof(className));
    EXPECT_STREQ(DATETIMEPICK_CLASS, className);

    SYSTEMTIME st = {};
    st.wYear = 2021;
    st.wMonth = 3;
    st.wDay = 4;
    st.wDayOfWeek = 4;
    ASSERT_TRUE(picker.SetTime(&st));
    SYSTEMTIME got;
    memset(&got, 0xcd, sizeof(got));
    EXPECT_EQ((DWORD)GDT_VALID, picker.GetTime(&got));
    EXPECT_EQ(2021, got.wYear);
    EXPECT_EQ(3, got.wMonth);
    EXPECT_EQ(4, got.wDay);

    ASSERT_TRUE(picker.SetFormat(_T("yyyy'-'MM'-'dd")));
    TCHAR text[32] = _T("");
    ::GetWindowText(picker.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("2021-03-04"), text);

    EXPECT_TRUE(picker.SetTime(NULL));
    EXPECT_EQ((DWORD)GDT_NONE, picker.GetTime(&got));
    EXPECT_EQ((DWORD)GDT_ERROR, picker.GetTime(NULL));
}

TEST_F(ControlValues, DateTimePickerRange)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 24), &m_parent, 15));
    SYSTEMTIME lo = {};
    lo.wYear = 2000;
    lo.wMonth = 1;
    lo.wDay = 1;
    SYSTEMTIME hi = lo;
    hi.wYear = 2030;
    ASSERT_TRUE(picker.SetRange(&lo, &hi));
    SYSTEMTIME a;
    SYSTEMTIME b;
    memset(&a, 0, sizeof(a));
    memset(&b, 0, sizeof(b));
    EXPECT_EQ((DWORD)(GDTR_MIN | GDTR_MAX), picker.GetRange(&a, &b));
    EXPECT_EQ(2000, a.wYear);
    EXPECT_EQ(2030, b.wYear);

    ASSERT_TRUE(picker.SetRange(NULL, &hi));
    EXPECT_EQ((DWORD)GDTR_MAX, picker.GetRange(&a, &b) & (GDTR_MIN | GDTR_MAX));
}

TEST_F(ControlValues, EditLimitAndSelection)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 150, 22), &m_parent, 16));
    EXPECT_STREQ("CEdit", edit.GetRuntimeClass()->m_lpszClassName);
    edit.SetWindowText(_T("hello world"));
    edit.SetSel(0, 5);
    int nStart = -1;
    int nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ(MAKELONG(0, 5), (LONG)edit.GetSel());
    edit.ReplaceSel(_T("HELLO"));
    TCHAR text[32] = _T("");
    ::GetWindowText(edit.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("HELLO world"), text);

    edit.SetSel(0, -1);
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(11, nEnd);

    edit.LimitText(8);
    EXPECT_EQ(8u, edit.GetLimitText());
    edit.SetWindowText(_T(""));
    edit.ReplaceSel(_T("0123456789"));
    ::GetWindowText(edit.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("01234567"), text);
    edit.SetLimitText(20);
    EXPECT_EQ(20u, edit.GetLimitText());

    EXPECT_TRUE(edit.SetReadOnly(TRUE));
    EXPECT_NE(0u, (UINT)::GetWindowLong(edit.m_hWnd, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(edit.SetReadOnly(FALSE));
    EXPECT_EQ(0u, (UINT)::GetWindowLong(edit.m_hWnd, GWL_STYLE) & ES_READONLY);
}

TEST_F(ControlValues, EditUndoAndClipboard)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 150, 22), &m_parent, 17));
    edit.SetWindowText(_T("abc"));
    edit.SetSel(3, 3);
    edit.ReplaceSel(_T("def"), TRUE);
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    TCHAR text[32] = _T("");
    ::GetWindowText(edit.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("abc"), text);

    edit.SetSel(0, 2);
    edit.Copy();
    EXPECT_EQ("ab", qeltest::ReadClipboardText());
    edit.SetSel(3, 3);
    edit.Paste();
    edit.SetSel(0, 1);
    edit.Cut();
    ::GetWindowText(edit.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("bcab"), text);
    edit.SetSel(0, 1);
    edit.Clear();
    ::GetWindowText(edit.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("cab"), text);

    // A copy of the application's own: the window that opened the clipboard owns what it put there.
    ASSERT_TRUE(m_parent.OpenClipboard());
    EXPECT_EQ(&m_parent, CWnd::GetOpenClipboardWindow());
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_EQ(nullptr, CWnd::GetOpenClipboardWindow());
    EXPECT_EQ(&m_parent, CWnd::GetClipboardOwner());
}

TEST_F(ControlValues, MultiLineEditLines)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &m_parent, 18));
    edit.SetWindowText(_T("first\r\nsecond line\r\nthird"));
    EXPECT_EQ(3, edit.GetLineCount());
    EXPECT_EQ(7, edit.LineIndex(1));
    EXPECT_EQ(11, edit.LineLength(7));
    EXPECT_EQ(1, edit.LineFromChar(9));
    TCHAR line[32];
    const int n = edit.GetLine(1, line, _countof(line) - 1);
    line[n] = '\0';
    EXPECT_STREQ(_T("second line"), line);
    TCHAR tiny[1] = { 'x' };
    EXPECT_EQ(1, edit.GetLine(0, tiny, 1));
    EXPECT_EQ('f', tiny[0]);
}

TEST_F(ControlValues, ButtonAndStatic)
{
    CButton check;
    ASSERT_TRUE(check.Create(_T("Check"), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 100, 20), &m_parent, 19));
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_NE(0u, check.GetState() & BST_CHECKED);
    check.SetState(TRUE);
    EXPECT_NE(0u, check.GetState() & BST_PUSHED);
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0f);

    CStatic label;
    ASSERT_TRUE(label.Create(_T("Label"), WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 30, 100, 50), &m_parent));
    TCHAR text[16] = _T("");
    ::GetWindowText(label.m_hWnd, text, _countof(text));
    EXPECT_STREQ(_T("Label"), text);
    EXPECT_EQ(0xffff, ::GetDlgCtrlID(label.m_hWnd));
    EXPECT_TRUE(label.IsKindOf(RUNTIME_CLASS(CStatic)));
}

TEST_F(ControlValues, ListBoxStringsAndData)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 120, 100), &m_parent, 20));
    EXPECT_EQ(0, list.AddString(_T("one")));
    EXPECT_EQ(1, list.AddString(_T("two")));
    EXPECT_EQ(1, list.InsertString(1, _T("between")));
    CString s;
    list.GetText(1, s);
    EXPECT_STREQ(_T("between"), (LPCTSTR)s);
    list.GetText(9, s);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(2, list.FindStringExact(-1, _T("two")));
    EXPECT_EQ(0, list.SetCurSel(0));
    EXPECT_EQ(0, list.GetCurSel());
    EXPECT_NE(LB_ERR, list.SetItemDataPtr(2, &list));
    EXPECT_EQ(&list, list.GetItemDataPtr(2));
}

} // namespace
