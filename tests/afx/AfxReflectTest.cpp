// Reflection: notifications and control messages offered to the child that sent them before the parent.
#include "AfxTestSupport.h"

#include <commctrl.h>

using namespace afxcore;

namespace {

const UINT kListId = 1001;
const UINT kEditId = 1002;
const UINT kStaticId = 1003;

// Counts what reaches the parent's own entries.
class CCoreReflectParent : public CWnd
{
public:
    int m_nColumnClicks = 0;
    int m_nCustomDraws = 0;
    int m_nEditChanges = 0;
    int m_nEditKillFocus = 0;
    int m_nColumnClicked = -1;

protected:
    afx_msg void OnListColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nColumnClicks;
        m_nColumnClicked = ((NMLISTVIEW*)pNMHDR)->iSubItem;
        *pResult = 0;
    }
    afx_msg void OnListCustomDraw(NMHDR*, LRESULT* pResult)
    {
        ++m_nCustomDraws;
        *pResult = CDRF_DODEFAULT;
    }
    afx_msg void OnEditChange() { ++m_nEditChanges; }
    afx_msg void OnEditKillFocus() { ++m_nEditKillFocus; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreReflectParent, CWnd)
    ON_NOTIFY(LVN_COLUMNCLICK, kListId, &CCoreReflectParent::OnListColumnClick)
    ON_NOTIFY(NM_CUSTOMDRAW, kListId, &CCoreReflectParent::OnListCustomDraw)
    ON_EN_CHANGE(kEditId, &CCoreReflectParent::OnEditChange)
    ON_EN_KILLFOCUS(kEditId, &CCoreReflectParent::OnEditKillFocus)
END_MESSAGE_MAP()

// A list view that draws through its own reflected NM_CUSTOMDRAW and may take its column clicks.
class CCoreReflectList : public CWnd
{
public:
    int m_nPrePaints = 0;
    int m_nItemPrePaints = 0;
    int m_nColumnClicks = 0;
    int m_nColumnClicked = -1;
    BOOL m_bTakeColumnClick = TRUE;
    bool m_bInitWasNull = false;

    void PreSubclassWindow() override
    {
        m_bInitWasNull = AfxGetThreadState()->m_pWndInit == NULL;
        CWnd::PreSubclassWindow();
    }

    void Fill()
    {
        LVCOLUMN col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 80;
        col.pszText = (LPTSTR)_T("First");
        SendMessage(LVM_INSERTCOLUMN, 0, (LPARAM)&col);
        col.pszText = (LPTSTR)_T("Second");
        SendMessage(LVM_INSERTCOLUMN, 1, (LPARAM)&col);
        for (int i = 0; i < 3; i++)
        {
            LVITEM item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = (LPTSTR)_T("row");
            SendMessage(LVM_INSERTITEM, 0, (LPARAM)&item);
        }
    }

    // Header of the report view; a real click on a column's header makes the list send LVN_COLUMNCLICK.
    void ClickColumn(int nColumn)
    {
        HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
        RECT rc = {};
        ::SendMessage(hHeader, HDM_GETITEMRECT, nColumn, (LPARAM)&rc);
        POINT pt = { (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
        qeltest::Click(hHeader, pt);
        qeltest::PumpUntilIdle();
    }

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
        if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT)
        {
            ++m_nPrePaints;
            *pResult = CDRF_NOTIFYITEMDRAW;
        }
        else
        {
            if (pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
                ++m_nItemPrePaints;
            *pResult = CDRF_DODEFAULT;
        }
    }
    afx_msg BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nColumnClicks;
        m_nColumnClicked = ((NMLISTVIEW*)pNMHDR)->iSubItem;
        *pResult = 0;
        return m_bTakeColumnClick;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreReflectList, CWnd)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CCoreReflectList::OnCustomDraw)
    ON_NOTIFY_REFLECT_EX(LVN_COLUMNCLICK, &CCoreReflectList::OnColumnClick)
END_MESSAGE_MAP()

// An edit that sees its own EN_CHANGE (and may let the parent see it too) and always takes EN_KILLFOCUS.
class CCoreReflectEdit : public CWnd
{
public:
    int m_nChanges = 0;
    int m_nKillFocus = 0;
    BOOL m_bTakeChange = TRUE;

protected:
    afx_msg BOOL OnChange()
    {
        ++m_nChanges;
        return m_bTakeChange;
    }
    afx_msg void OnReflectKillFocus() { ++m_nKillFocus; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreReflectEdit, CWnd)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, &CCoreReflectEdit::OnChange)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, &CCoreReflectEdit::OnReflectKillFocus)
END_MESSAGE_MAP()

// A static whose colours come from its own reflected WM_CTLCOLOR.
class CCoreColorStatic : public CWnd
{
public:
    HBRUSH m_hBrush = ::CreateSolidBrush(RGB(10, 20, 30));
    UINT m_nCtlType = 0xdeadbeef;
    BOOL m_bAnswerBrush = TRUE;
    ~CCoreColorStatic() override { ::DeleteObject(m_hBrush); }

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlType)
    {
        m_nCtlType = nCtlType;
        pDC->SetTextColor(RGB(1, 2, 3));
        return m_bAnswerBrush ? m_hBrush : NULL;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreColorStatic, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class AfxCoreReflection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(parent, _T("Reflection parent"), 500, 400));
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        qeltest::PumpUntilIdle();
    }

    void CreateList()
    {
        RECT rc = { 10, 10, 300, 200 };
        ASSERT_TRUE(list.Create(WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | LVS_REPORT, rc, &parent, kListId));
        list.Fill();
        qeltest::PumpUntilIdle();
    }

    CCoreReflectParent parent;
    CCoreReflectList list;
};

} // namespace

TEST_F(AfxCoreReflection, CustomDrawGoesToTheListNotToItsParent)
{
    CreateList();
    list.m_nPrePaints = list.m_nItemPrePaints = 0;
    parent.m_nCustomDraws = 0;
    list.RedrawWindow();
    EXPECT_GE(list.m_nPrePaints, 1);
    EXPECT_GE(list.m_nItemPrePaints, 3);     // the list's answer asked for item notifications
    EXPECT_EQ(0, parent.m_nCustomDraws);
}

TEST_F(AfxCoreReflection, ColumnClickTakenByTheListIsNotSeenByTheParent)
{
    CreateList();
    list.ClickColumn(1);
    EXPECT_EQ(1, list.m_nColumnClicks);
    EXPECT_EQ(1, list.m_nColumnClicked);
    EXPECT_EQ(0, parent.m_nColumnClicks);
}

TEST_F(AfxCoreReflection, ColumnClickDeclinedByTheListReachesTheParentToo)
{
    CreateList();
    list.m_bTakeColumnClick = FALSE;
    list.ClickColumn(0);
    EXPECT_EQ(1, list.m_nColumnClicks);
    EXPECT_EQ(1, parent.m_nColumnClicks);
    EXPECT_EQ(0, parent.m_nColumnClicked);
}

TEST_F(AfxCoreReflection, ListWithoutObjectNotifiesItsParentDirectly)
{
    HWND hList = CreateForeignChild(parent.m_hWnd, WC_LISTVIEW, kListId, LVS_REPORT);
    CWnd* pTemp = CWnd::FromHandle(hList);      // a temporary object does not take notifications
    ASSERT_NE(nullptr, pTemp);
    LVCOLUMN col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 80;
    col.pszText = (LPTSTR)_T("Only");
    ::SendMessage(hList, LVM_INSERTCOLUMN, 0, (LPARAM)&col);
    ::RedrawWindow(hList, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GE(parent.m_nCustomDraws, 1);
    ::DestroyWindow(hList);
}

TEST_F(AfxCoreReflection, ListSubclassedLaterReflectsFromThen)
{
    HWND hList = CreateForeignChild(parent.m_hWnd, WC_LISTVIEW, kListId, LVS_REPORT);
    ASSERT_TRUE(list.SubclassWindow(hList));
    EXPECT_TRUE(list.m_bInitWasNull);
    list.MoveWindow(10, 10, 290, 190);
    list.Fill();
    parent.m_nCustomDraws = 0;
    list.RedrawWindow();
    EXPECT_GE(list.m_nItemPrePaints, 3);
    EXPECT_EQ(0, parent.m_nCustomDraws);
}

TEST_F(AfxCoreReflection, EditChangeTakenOrSharedByTheEdit)
{
    CCoreReflectEdit edit;
    RECT rc = { 10, 220, 200, 250 };
    ASSERT_TRUE(edit.Create(_T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_BORDER, rc, &parent, kEditId));

    edit.SetWindowText(_T("one"));
    EXPECT_EQ(1, edit.m_nChanges);
    EXPECT_EQ(0, parent.m_nEditChanges);

    edit.m_bTakeChange = FALSE;
    edit.SetWindowText(_T("two"));
    EXPECT_EQ(2, edit.m_nChanges);
    EXPECT_EQ(1, parent.m_nEditChanges);

    // A plain ON_CONTROL_REFLECT entry always consumes the notification.
    edit.SetFocus();
    parent.SetFocus();
    EXPECT_EQ(1, edit.m_nKillFocus);
    EXPECT_EQ(0, parent.m_nEditKillFocus);
}

TEST_F(AfxCoreReflection, EditWithoutObjectNotifiesTheParent)
{
    HWND hEdit = CreateForeignChild(parent.m_hWnd, _T("EDIT"), kEditId);
    ::SetWindowText(hEdit, _T("text"));
    EXPECT_EQ(1, parent.m_nEditChanges);
    ::DestroyWindow(hEdit);
}

TEST_F(AfxCoreReflection, ControlColoursComeFromTheReflectedHandler)
{
    CCoreColorStatic colored;
    ASSERT_TRUE(colored.Create(_T("STATIC"), _T("colour"), WS_CHILD | WS_VISIBLE, CRect(10, 260, 200, 290), &parent, kStaticId));
    HDC hdc = ::GetDC(colored.m_hWnd);
    LRESULT hbr = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)colored.m_hWnd);
    EXPECT_EQ((LRESULT)colored.m_hBrush, hbr);
    EXPECT_EQ((UINT)CTLCOLOR_STATIC, colored.m_nCtlType);
    EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hdc));

    // No brush from the control: the parent's default colouring answers.
    colored.m_bAnswerBrush = FALSE;
    hbr = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)colored.m_hWnd);
    EXPECT_NE((LRESULT)colored.m_hBrush, hbr);
    EXPECT_EQ((LRESULT)::DefWindowProc(parent.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)colored.m_hWnd), hbr);
    ::ReleaseDC(colored.m_hWnd, hdc);
}

namespace {

// An owner-drawn button and a trackbar that handle their own drawing and scrolling.
class CCoreSelfDrawnButton : public CWnd
{
public:
    int m_nDrawItems = 0;

protected:
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++m_nDrawItems;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreSelfDrawnButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

class CCoreSelfScrollingBar : public CWnd
{
public:
    UINT m_nLastCode = 0xdeadbeef;
    UINT m_nLastPos = 0xdeadbeef;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT nPos)
    {
        m_nLastCode = nSBCode;
        m_nLastPos = nPos;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCoreSelfScrollingBar, CWnd)
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

} // namespace

TEST_F(AfxCoreReflection, OwnerDrawAndScrollMessagesReachTheControl)
{
    CCoreSelfDrawnButton button;
    ASSERT_TRUE(button.Create(_T("BUTTON"), _T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &parent, 1101));
    button.RedrawWindow();
    EXPECT_GE(button.m_nDrawItems, 1);
    EXPECT_EQ(RGB(0, 0, 0), qeltest::PixelAt(button.m_hWnd, 25, 15));

    CCoreSelfScrollingBar bar;
    ASSERT_TRUE(bar.Create(TRACKBAR_CLASS, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 60, 200, 90), &parent, 1102));
    bar.SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    bar.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);       // the trackbar reports to its parent
    EXPECT_EQ((UINT)TB_LINEDOWN, bar.m_nLastCode);
}
