// Cell drawing: custom-draw answers, hooks in real paints, the sorted-column shade and the strip right
// of the last column, read back as pixels.
#include "QELListFixture.h"
#include "QELWindowColor.h"
#include "QELDC.h"

#include <map>
#include <set>

using namespace qeltest;

namespace {

typedef std::pair<int, int> CellId;

// Colours cells from tables and logs every hook call as (hook letter, row, column).
class CDrawList : public CTestList
{
public:
    struct Call { char hook; int row; int col; };

    COLORREF OnGetCellBkColor(int nItem, int nSubItem) override
    {
        calls.push_back({ 'B', nItem, nSubItem });
        auto it = bk.find(CellId(nItem, nSubItem));
        if (it != bk.end())
            return it->second;
        if (nSubItem == -1 && strip != CLR_INVALID)
            return strip;
        return CTestList::OnGetCellBkColor(nItem, nSubItem);
    }
    COLORREF OnGetCellTextColor(int nItem, int nSubItem) override
    {
        calls.push_back({ 'T', nItem, nSubItem });
        return text;
    }
    HFONT OnGetCellFont(int nItem, int nSubItem, DWORD_PTR dwItemData) override
    {
        calls.push_back({ 'F', nItem, nSubItem });
        EXPECT_EQ(ItemData(nItem), dwItemData);
        return CellId(nItem, nSubItem) == fontCell ? font : NULL;
    }
    BOOL CustomDrawSubItem(int nItem, int nSubItem, LPARAM lParam) override
    {
        calls.push_back({ 'C', nItem, nSubItem });
        EXPECT_EQ(ItemData(nItem), (DWORD_PTR)lParam);
        return drawCells.count(CellId(nItem, nSubItem)) != 0;
    }
    void OnDrawSubItem(CDC* pDC, int nItem, int nSubItem, RECT rect, LPARAM) override
    {
        calls.push_back({ 'D', nItem, nSubItem });
        drawnRects.push_back(rect);
        fontsAtDraw.push_back((HFONT)::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT));
        CRect inner(rect);
        inner.DeflateRect(2, 2);
        pDC->FillSolidRect(&inner, RGB(0, 0, 255));
    }
    // The fixture's item data of a row; an owner-data list has none.
    DWORD_PTR ItemData(int nItem) const { return (GetStyle() & LVS_OWNERDATA) ? 0 : (DWORD_PTR)(100 + nItem); }
    int Count(char hook, int row, int col) const
    {
        int n = 0;
        for (const Call& c : calls)
            n += c.hook == hook && c.row == row && c.col == col;
        return n;
    }

    std::vector<Call> calls;
    std::map<CellId, COLORREF> bk;
    COLORREF strip = CLR_INVALID;
    COLORREF text = RGB(0, 0, 0);
    HFONT font = NULL;
    CellId fontCell = CellId(-9, -9);
    std::set<CellId> drawCells;
    std::vector<CRect> drawnRects;
    std::vector<HFONT> fontsAtDraw;
};

class ListDrawing : public ListTest
{
protected:
    void SetUp() override
    {
        list = &drawList;
        ListTest::SetUp();
    }
    void Create(DWORD dwExStyle = LVS_EX_FULLROWSELECT, int nRows = 3, DWORD dwStyle = LVS_REPORT)
    {
        CreateList(nRows, 3, dwStyle, dwExStyle);
        list->SetBkColor(RGB(255, 255, 255));
        list->SetTextBkColor(RGB(255, 255, 255));
        PaintNow();
    }
    void PaintNow()
    {
        drawList.calls.clear();
        list->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpUntilIdle();
    }
    // A point in the blank right part of a cell label, away from its text.
    CPoint Blank(int nItem, int nSubItem)
    {
        CRect r;
        list->GetSubItemRect(nItem, nSubItem, LVIR_LABEL, r);
        return CPoint(r.right - 6, (r.top + r.bottom) / 2);
    }
    COLORREF Pixel(CPoint pt) { return PixelAt(list->m_hWnd, pt.x, pt.y); }
    LRESULT Notify(NMLVCUSTOMDRAW& cd, DWORD dwStage, int nItem = 0, int nSubItem = 0)
    {
        cd.nmcd.hdr.hwndFrom = list->m_hWnd;
        cd.nmcd.hdr.idFrom = kId;
        cd.nmcd.hdr.code = NM_CUSTOMDRAW;
        cd.nmcd.dwDrawStage = dwStage;
        cd.nmcd.dwItemSpec = (DWORD_PTR)nItem;
        cd.nmcd.lItemlParam = 100 + nItem;
        cd.iSubItem = nSubItem;
        return parent.SendMessage(WM_NOTIFY, kId, (LPARAM)&cd);
    }

    CDrawList drawList;
};

} // namespace

TEST_F(ListDrawing, CustomDrawStagesAnswerAndRestoreTheFont)
{
    Create();
    CTestBitmap bmp(8, 8);
    const HFONT hOriginal = (HFONT)::GetCurrentObject(bmp.GetSafeHdc(), OBJ_FONT);
    drawList.font = (HFONT)::GetStockObject(ANSI_FIXED_FONT);
    drawList.fontCell = CellId(1, 1);
    drawList.drawCells = { CellId(1, 2) };
    drawList.bk[CellId(1, 1)] = RGB(1, 2, 3);
    drawList.text = RGB(4, 5, 6);

    NMLVCUSTOMDRAW cd = {};
    cd.nmcd.hdc = bmp.GetSafeHdc();
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, Notify(cd, CDDS_PREPAINT));
    EXPECT_EQ(CDRF_NOTIFYSUBITEMDRAW, Notify(cd, CDDS_ITEMPREPAINT, 1));
    EXPECT_EQ(CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT, Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 1));
    EXPECT_EQ(RGB(1, 2, 3), cd.clrTextBk);
    EXPECT_EQ(RGB(4, 5, 6), cd.clrText);
    EXPECT_EQ(drawList.font, (HFONT)::GetCurrentObject(bmp.GetSafeHdc(), OBJ_FONT));
    EXPECT_EQ(CDRF_DODEFAULT, Notify(cd, CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, 1, 1));
    EXPECT_EQ(hOriginal, (HFONT)::GetCurrentObject(bmp.GetSafeHdc(), OBJ_FONT));
    EXPECT_EQ(0, drawList.Count('D', 1, 1));

    EXPECT_EQ(CDRF_NOTIFYPOSTPAINT, Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 2));
    EXPECT_EQ(CDRF_DODEFAULT, Notify(cd, CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, 1, 2));
    EXPECT_EQ(1, drawList.Count('D', 1, 2));
    EXPECT_EQ(CDRF_DODEFAULT, Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 0));
    EXPECT_EQ(0, Notify(cd, CDDS_POSTPAINT));

    // Hooks in their order: background, text, font, then the draw request.
    drawList.calls.clear();
    Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 2, 1);
    ASSERT_EQ(4u, drawList.calls.size());
    EXPECT_EQ("BTFC", std::string({ drawList.calls[0].hook, drawList.calls[1].hook, drawList.calls[2].hook,
                                    drawList.calls[3].hook }));

    list->EnableCustomColor(0, 0);
    list->EnableCustomFont(0, 0);
    drawList.calls.clear();
    cd.clrTextBk = RGB(9, 9, 9);
    EXPECT_EQ(CDRF_DODEFAULT, Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 1));   // font not asked
    ASSERT_EQ(1u, drawList.calls.size());
    EXPECT_EQ('C', drawList.calls[0].hook);
    EXPECT_EQ(RGB(9, 9, 9), cd.clrTextBk);
}

TEST_F(ListDrawing, SortedColumnShadeGivesWayToTheHooksColour)
{
    Create();
    list->EnableSortColumn(2, 1);
    list->Sort(2, 1, 0);
    const COLORREF shade = PixelAlpha(RGB(255, 255, 255), 0.97, 0.97, 0.97);
    ASSERT_EQ(shade, drawList.m_crSortedColumn);
    NMLVCUSTOMDRAW cd = {};
    CTestBitmap bmp(8, 8);
    cd.nmcd.hdc = bmp.GetSafeHdc();
    Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 2);
    EXPECT_EQ(RGB(255, 255, 255), cd.clrTextBk);   // marking is off

    drawList.bk[CellId(1, 2)] = RGB(0, 160, 0);
    list->EnableMarkSortedColumn(1, 1);
    Notify(cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 2);
    EXPECT_EQ(shade, cd.clrTextBk);
    EXPECT_EQ(shade, Pixel(Blank(0, 2)));
    EXPECT_EQ(RGB(0, 160, 0), Pixel(Blank(1, 2)));
    EXPECT_EQ(RGB(255, 255, 255), Pixel(Blank(0, 1)));
    CRect client;
    list->GetClientRect(&client);
    EXPECT_EQ(shade, Pixel(CPoint(Blank(0, 2).x, client.bottom - 3)));   // the band below the rows
    EXPECT_EQ(RGB(255, 255, 255), Pixel(CPoint(Blank(0, 1).x, client.bottom - 3)));

    list->SetColumnWidth(0, 300);   // column 2 now at 380..460, then scrolled to 280..360
    list->Scroll(CSize(100, 0));
    PaintNow();
    list->GetClientRect(&client);
    EXPECT_EQ(shade, Pixel(CPoint(320, client.bottom - 3)));   // the band follows its column
    EXPECT_EQ(RGB(255, 255, 255), Pixel(CPoint(240, client.bottom - 3)));
}

TEST_F(ListDrawing, RealPaintsAskEveryCellAndDrawRequestedOnesOnce)
{
    Create();
    drawList.drawCells = { CellId(1, 1) };
    drawList.bk[CellId(2, 0)] = RGB(255, 0, 0);
    LOGFONT lf = {};
    lf.lfHeight = -20;
    lstrcpy(lf.lfFaceName, _T("Arial"));
    CFont font;
    font.CreateFontIndirect(&lf);
    drawList.font = (HFONT)font.GetSafeHandle();
    drawList.fontCell = CellId(1, 1);
    drawList.drawCells.insert(CellId(1, 2));
    drawList.received.clear();
    PaintNow();
    EXPECT_EQ(1, drawList.received[LVM_GETBKCOLOR]);   // once per paint, not once per cell and strip

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
        {
            EXPECT_GE(drawList.Count('B', r, c), 1) << r << "," << c;
            EXPECT_EQ(drawList.Count('B', r, c), drawList.Count('C', r, c));
        }
    EXPECT_EQ(1, drawList.Count('D', 1, 1));
    EXPECT_EQ(1, drawList.Count('D', 1, 2));
    EXPECT_EQ(2u, drawList.drawnRects.size());
    CRect bounds;
    list->GetSubItemRect(1, 1, LVIR_BOUNDS, bounds);
    EXPECT_EQ(bounds, drawList.drawnRects.at(0));
    for (HFONT h : drawList.fontsAtDraw)
        EXPECT_NE(drawList.font, h);   // put back before the next cell
    EXPECT_EQ(OBJ_FONT, (int)::GetObjectType(drawList.font));

    EXPECT_EQ(RGB(0, 0, 255), Pixel(CPoint(bounds.CenterPoint().x, bounds.top + 4)));   // after the default paint
    EXPECT_EQ(RGB(255, 0, 0), Pixel(Blank(2, 0)));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(1, drawList.Count('B', r, -1)) << "strip of row " << r;
}

TEST_F(ListDrawing, StripRightOfTheLastColumn)
{
    Create();
    drawList.strip = RGB(0, 200, 0);
    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list->SetFocus();
    PaintNow();
    CRect label;
    list->GetSubItemRect(1, 2, LVIR_LABEL, label);
    const CPoint strip1(label.right + 30, label.top + 3);
    const CPoint strip0(strip1.x, strip1.y - label.Height());
    EXPECT_EQ(_gWindowColor.m_crHighlight, Pixel(strip1));
    EXPECT_EQ(RGB(0, 200, 0), Pixel(strip0));

    parent.SetFocus();
    PaintNow();
    EXPECT_EQ(_gWindowColor.m_crBtnFace, Pixel(strip1));

    list->SetItemState(1, 0, LVIS_SELECTED);   // the row change repaints its strip
    PumpUntilIdle();
    EXPECT_EQ(RGB(0, 200, 0), Pixel(strip1));

    list->SetExtendedStyle(0);
    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list->SetFocus();
    PaintNow();
    EXPECT_EQ(RGB(0, 200, 0), Pixel(strip1));   // without full-row select the hook's colour

    drawList.calls.clear();
    list->EnableCustomColor(0, 1);
    PumpUntilIdle();
    EXPECT_EQ(RGB(255, 255, 255), Pixel(strip1));
    EXPECT_EQ(0, drawList.Count('B', 1, -1));
}

// An owner-data list paints through the same hooks, with item data 0: colours, fonts, drawn cells, the shade
// of the column its parent sorted and the strips of selected rows; hit tests and mouse moves find its cells.
TEST_F(ListDrawing, OwnerDataRowsPaintThroughTheHooks)
{
    Create(LVS_EX_FULLROWSELECT, 3, LVS_REPORT | LVS_OWNERDATA);
    drawList.bk[CellId(2, 0)] = RGB(255, 0, 0);
    drawList.drawCells = { CellId(1, 1) };
    drawList.strip = RGB(0, 200, 0);
    list->EnableSortColumn(2, 1);
    list->Sort(2, 1, 0);
    list->EnableMarkSortedColumn(1, 0);
    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list->SetFocus();
    PaintNow();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(drawList.Count('B', r, c), drawList.Count('C', r, c)) << r << "," << c;
    EXPECT_EQ(1, drawList.Count('D', 1, 1));
    EXPECT_EQ(RGB(255, 0, 0), Pixel(Blank(2, 0)));
    EXPECT_EQ(PixelAlpha(RGB(255, 255, 255), 0.97, 0.97, 0.97), Pixel(Blank(2, 2)));
    CRect label;
    list->GetSubItemRect(1, 2, LVIR_LABEL, label);
    EXPECT_EQ(_gWindowColor.m_crHighlight, Pixel(CPoint(label.right + 30, label.top + 3)));
    EXPECT_EQ(RGB(0, 200, 0), Pixel(CPoint(label.right + 30, label.bottom + 3)));

    int nCol = -1;
    EXPECT_EQ(1, list->HitTestEx(CellPoint(1, 2), nCol));
    EXPECT_EQ(2, nCol);
    parent.Flush();
    MouseMove(list->m_hWnd, CellPoint(2, 1));
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({ WithLParam(WithWParam(Msg(WM_QEL_LISTMOUSEMOVE), ((WPARAM)kId << 16) | 1), 2) }));
}

TEST_F(ListDrawing, GridLinesStayVisibleBesideTheStrip)
{
    Create(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    drawList.strip = RGB(0, 200, 0);
    PaintNow();
    CRect label;
    list->GetSubItemRect(1, 2, LVIR_LABEL, label);
    const int x = label.right + 30;
    EXPECT_EQ(RGB(0, 200, 0), Pixel(CPoint(x, label.top + 3)));
    EXPECT_NE(RGB(0, 200, 0), Pixel(CPoint(x, label.bottom - 1)));
    EXPECT_NE(RGB(0, 200, 0), Pixel(CPoint(label.right, label.top + 3)));
}

TEST_F(ListDrawing, SwitchesAndColourChanges)
{
    Create();
    list->ValidateRect(NULL);
    list->EnableCustomFont(0, 0);
    CRect update;
    EXPECT_FALSE(list->GetUpdateRect(&update));
    list->EnableCustomColor(1, 1);
    EXPECT_TRUE(list->GetUpdateRect(&update));
    list->UpdateWindow();
    list->EnableMarkSortedColumn(1, 1);   // repainted at once
    EXPECT_FALSE(list->GetUpdateRect(&update));
    EXPECT_EQ(0, list->IsCustomFont());
    EXPECT_EQ(1, list->IsCustomColor());
    EXPECT_EQ(1, list->IsMarkSortedColumn());

    const COLORREF before = drawList.m_crSortedColumn;
    list->SetBkColor(RGB(200, 100, 50));
    EXPECT_EQ(before, drawList.m_crSortedColumn);
    list->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(PixelAlpha(RGB(200, 100, 50), 0.97, 0.97, 0.97), drawList.m_crSortedColumn);
}
