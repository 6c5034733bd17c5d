// Column style store, creation in every view, subclassing, and the list's run-time class.
#include "QELListFixture.h"
#include "QELDC.h"

#include <algorithm>
#include <string.h>

using namespace qeltest;

namespace {

_tag_QELListColumnStyle MakeStyle(int nColumn, CRuntimeClass* pClass = RUNTIME_CLASS(CTestFactory))
{
    _tag_QELListColumnStyle style = {};
    style.nColumn = nColumn;
    style.pRuntimeClass = pClass;
    return style;
}

class ListStyles : public ListTest {};

} // namespace

TEST_F(ListStyles, StoresACopyOfEveryFieldEvenBeyondTheColumns)
{
    CreateList(2, 3);
    TCHAR format[] = _T("yyyy-MM-dd");
    _tag_QELListColumnStyle style = MakeStyle(5);
    style.nLimitText = 12;
    style.dwStyle = ES_RIGHT;
    style.dwRemoveStyle = WS_BORDER;
    style.dwExtra1 = 0xdeadbeef;
    style.dwExtra2 = 7;
    style.dwFlags = QEL_STYLEFLAG_AUTO;
    style.pData = format;
    style.nDataLen = DataLength(format);
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
    std::fill(format, format + 10, _T('X'));   // the caller's block may change afterwards

    _tag_QELListColumnStyle got = {};
    ASSERT_TRUE(list->GetEditColumnStyle(5, got));
    EXPECT_TRUE(list->IsEditColumn(5));
    EXPECT_EQ(12, got.nLimitText);
    EXPECT_EQ((DWORD)ES_RIGHT, got.dwStyle);
    EXPECT_EQ((DWORD)WS_BORDER, got.dwRemoveStyle);
    EXPECT_EQ(0xdeadbeefu, got.dwExtra1);
    EXPECT_EQ(7u, got.dwExtra2);
    EXPECT_EQ(QEL_STYLEFLAG_AUTO, got.dwFlags);
    EXPECT_EQ(DataLength(_T("yyyy-MM-dd")), got.nDataLen);
    EXPECT_EQ(RUNTIME_CLASS(CTestFactory), got.pRuntimeClass);
    ASSERT_NE(format, got.pData);
    EXPECT_EQ(0, memcmp(got.pData, _T("yyyy-MM-dd"), sizeof(format)));   // ends with a zero character

    // A shorter length copies only that much, zero-terminated.
    TCHAR longer[] = _T("abcdefgh");
    style.pData = longer;
    style.nDataLen = DataLength(_T("abcd"));
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
    ASSERT_TRUE(list->GetEditColumnStyle(5, got));
    EXPECT_STREQ(_T("abcd"), got.pData);
    EXPECT_EQ(1, list->m_mapColumnStyle.GetCount());   // replaced, not added
}

TEST_F(ListStyles, RefusalsLeaveTheStoredStyleInForce)
{
    CreateList(2, 3);
    _tag_QELListColumnStyle style = MakeStyle(1);
    style.dwExtra1 = 1;
    ASSERT_EQ(0u, list->SetColumnStyle(&style));

    EXPECT_EQ(0xFFFFFFFFu, list->SetColumnStyle(NULL));
    _tag_QELListColumnStyle foreign = MakeStyle(1, RUNTIME_CLASS(CWnd));
    foreign.dwExtra1 = 2;
    EXPECT_EQ(0xFFFFFFFFu, list->SetColumnStyle(&foreign));

    _tag_QELListColumnStyle got = {};
    ASSERT_TRUE(list->GetEditColumnStyle(1, got));
    EXPECT_EQ(1u, got.dwExtra1);

    got.dwExtra1 = 0x5a5a;
    EXPECT_FALSE(list->GetEditColumnStyle(2, got));
    EXPECT_EQ(0x5a5au, got.dwExtra1);   // untouched on failure

    _tag_QELListColumnStyle none = MakeStyle(2, NULL);
    EXPECT_EQ(0u, list->SetColumnStyle(&none));   // nothing to remove, still success
    none.nColumn = 1;
    EXPECT_EQ(0u, list->SetColumnStyle(&none));
    EXPECT_FALSE(list->IsEditColumn(1));
}

TEST_F(ListStyles, DataWithoutPositiveLengthIsNeitherKeptNorFreed)
{
    CreateList(1, 2);
    TCHAR block[] = _T("not the list's");
    for (int nLen : { 0, -3 })
    {
        _tag_QELListColumnStyle style = MakeStyle(0);
        style.pData = block;
        style.nDataLen = nLen;
        ASSERT_EQ(0u, list->SetColumnStyle(&style));   // set
        ASSERT_EQ(0u, list->SetColumnStyle(&style));   // replaced
        _tag_QELListColumnStyle got = {};
        ASSERT_TRUE(list->GetEditColumnStyle(0, got));
        EXPECT_EQ(NULL, got.pData);
        list->RemoveColumnStyle(0);                   // removed
        ASSERT_EQ(0u, list->SetColumnStyle(&style));   // left for the destructor
    }
    list->DestroyWindow();
    {
        CTestList other;   // destroyed with such a style still stored
        _tag_QELListColumnStyle style = MakeStyle(3);
        style.pData = block;
        style.nDataLen = -1;
        EXPECT_EQ(0u, other.SetColumnStyle(&style));
    }
    EXPECT_STREQ(_T("not the list's"), block);
}

TEST_F(ListStyles, RemovalByIndexAllAndNegativeKeys)
{
    CreateList(2, 3);
    for (int c : { 0, 1, 2, -2 })
        SetStyle(c);
    list->RemoveColumnStyle(1);
    EXPECT_FALSE(list->IsEditColumn(1));
    list->RemoveColumnStyle(7);   // no style there: nothing happens
    EXPECT_EQ(3, list->m_mapColumnStyle.GetCount());

    // A negative key goes only with a null class for that key, or with everything.
    _tag_QELListColumnStyle none = MakeStyle(-2, NULL);
    ASSERT_EQ(0u, list->SetColumnStyle(&none));
    EXPECT_FALSE(list->IsEditColumn(-2));
    EXPECT_TRUE(list->IsEditColumn(0));
    SetStyle(-5);

    list->RemoveColumnStyle(-7);
    EXPECT_EQ(0, list->m_mapColumnStyle.GetCount());
    EXPECT_FALSE(list->IsEditColumn(0));
    EXPECT_FALSE(list->IsEditColumn(-5));

    SetStyle(2);   // the emptied store takes styles again
    EXPECT_TRUE(list->IsEditColumn(2));
}

TEST_F(ListStyles, ListViewBarsEveryColumnButTheFirst)
{
    CreateList(3, 3, LVS_LIST);
    SetStyle(0);
    SetStyle(1);
    _tag_QELListColumnStyle got = {};
    EXPECT_TRUE(list->IsEditColumn(0));
    EXPECT_FALSE(list->IsEditColumn(1));
    EXPECT_FALSE(list->GetEditColumnStyle(1, got));
    EXPECT_EQ(2, list->EditSubItem(0, 1));   // one column only in this view
    EXPECT_EQ(0, list->EditSubItem(0, 0));
    ASSERT_NE(nullptr, Editor());

    list->SetFocus();
    PumpUntilIdle();
    list->ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(list->IsEditColumn(1));
    EXPECT_EQ(2, list->m_mapColumnStyle.GetCount());
}

TEST(ListMembers, ConstructionValuesAndRunTimeClasses)
{
    CTestList list;
    EXPECT_EQ(-1, list.m_nSortColumn);
    EXPECT_TRUE(list.m_bSortAscending);
    EXPECT_EQ(0xFFFFFFFFu, list.m_crSortedColumn);
    EXPECT_EQ(-1, list.m_nEditItem);
    EXPECT_EQ(-1, list.m_nEditSubItem);
    EXPECT_EQ(NULL, list.GetEditControl());
    EXPECT_EQ(NULL, list.GetHeaderCtrl()->GetSafeHwnd());
    EXPECT_STREQ("CQELListCtrl", RUNTIME_CLASS(CQELListCtrl)->m_lpszClassName);
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListCtrl)));
    EXPECT_EQ(NULL, RUNTIME_CLASS(CQELListCtrl)->m_pfnCreateObject);

    CObject* pFactory = RUNTIME_CLASS(CQELBaseListItem)->CreateObject();
    ASSERT_NE(nullptr, pFactory);
    EXPECT_STREQ("CQELBaseListItem", pFactory->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(NULL, static_cast<CQELBaseListItem*>(pFactory)->CreateItem(0, 0, CRect(), NULL, &list));
    delete pFactory;
}

class ListViews : public ListTest {};

TEST_F(ListViews, ReportViewAttachesTheHeaderAtCreation)
{
    CreateList(2, 3);
    const HWND hHeader = ::GetDlgItem(list->m_hWnd, 0);
    ASSERT_NE(nullptr, hHeader);
    EXPECT_EQ(hHeader, list->GetHeaderCtrl()->m_hWnd);
    EXPECT_EQ(list->GetHeaderCtrl(), CWnd::FromHandlePermanent(hHeader));
    EXPECT_EQ(PixelAlpha(list->GetBkColor(), 0.97, 0.97, 0.97), list->m_crSortedColumn);
}

TEST_F(ListViews, HiddenReportListAttachesTheHeaderWhenTheListViewMakesIt)
{
    // Some list views make the header of a hidden report list only when a column comes or the list shows.
    ASSERT_TRUE(list->Create(WS_CHILD | LVS_REPORT, CRect(10, 10, 410, 310), &parent, kId));
    list->InsertColumn(0, _T("Name"), LVCFMT_LEFT, 80);
    list->InsertColumn(1, _T("Size"), LVCFMT_LEFT, 80);
    list->ShowWindow(SW_SHOW);
    const HWND hHeader = ::GetDlgItem(list->m_hWnd, 0);
    ASSERT_NE(nullptr, hHeader);
    EXPECT_EQ(hHeader, list->GetHeaderCtrl()->m_hWnd);
    EXPECT_EQ(list->GetHeaderCtrl(), CWnd::FromHandlePermanent(hHeader));
    EXPECT_EQ(1, list->EnableSortColumn(1, TRUE));
}

TEST_F(ListViews, OtherViewsGetTheHeaderWhenSwitchedToReport)
{
    for (DWORD view : { (DWORD)LVS_ICON, (DWORD)LVS_SMALLICON, (DWORD)LVS_LIST })
    {
        CreateList(2, 3, view);
        EXPECT_EQ(NULL, list->GetHeaderCtrl()->m_hWnd) << view;
        EXPECT_NE(0xFFFFFFFFu, list->m_crSortedColumn);
        SetStyle(0);
        EXPECT_EQ(2, list->EditSubItem(0, 1)) << view;
        WriteClipboardText("kept");   // no header window, no columns: the clipboard is left alone
        EXPECT_EQ(0, list->CopyToClipboard(LVIS_SELECTED | LVIS_FOCUSED)) << view;
        EXPECT_EQ("kept", ReadClipboardText()) << view;

        list->ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
        const HWND hHeader = ::GetDlgItem(list->m_hWnd, 0);
        ASSERT_NE(nullptr, hHeader) << view;
        EXPECT_EQ(hHeader, list->GetHeaderCtrl()->m_hWnd) << view;
        EXPECT_EQ(3, list->GetHeaderCtrl()->GetItemCount());
        list->DestroyWindow();
        list->RemoveColumnStyle(-1);
    }
}

TEST_F(ListViews, StylesStayWithTheIndexWhenColumnsComeAndGo)
{
    CreateList(2, 4);
    SetStyle(3);
    list->DeleteColumn(0);
    EXPECT_TRUE(list->IsEditColumn(3));
    EXPECT_EQ(2, list->EditSubItem(0, 3));   // only three columns now
    list->InsertColumn(1, _T("Back"), LVCFMT_LEFT, 60);
    EXPECT_EQ(0, list->EditSubItem(0, 3));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(3, TestEditor()->m_nSubItem);
    list->SetFocus();
}

TEST_F(ListViews, SubclassedDialogControlIsInitialised)
{
    CDialogTemplate tmpl("List", 220, 140, WS_POPUP | WS_CAPTION | DS_SETFONT);
    tmpl.AddControl("SysListView32", "", 1001, 5, 5, 200, 120, LVS_REPORT | WS_BORDER);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), &parent));

    CTestList sub;
    // A Create that failed on the object before makes the subclassing no creation all the same.
    EXPECT_FALSE(sub.CWnd::CreateEx(0, _T("NoSuchClass"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &dlg, 1002));
    ASSERT_TRUE(sub.SubclassDlgItem(1001, &dlg));
    EXPECT_EQ(::GetDlgItem(sub.m_hWnd, 0), sub.GetHeaderCtrl()->m_hWnd);
    EXPECT_NE(nullptr, sub.GetHeaderCtrl()->m_hWnd);
    EXPECT_EQ(PixelAlpha(sub.GetBkColor(), 0.97, 0.97, 0.97), sub.m_crSortedColumn);
    sub.DestroyWindow();
    dlg.DestroyWindow();
}
