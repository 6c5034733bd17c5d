// The demo's task list, built from the demo's own sources: its columns at the dialog font of 100 %, 150 %
// and 200 % display scaling.
#include "QELTest.h"
#include "RecordStore.h"
#include "TaskList.h"

#include <algorithm>

using namespace qeltest;

namespace {

const int kCellMargins = 12;   // the list view's text margins in a cell, both sides

CString Caption(CListCtrl& list, int nColumn)
{
    TCHAR text[64] = {};
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = _countof(text);
    list.GetColumn(nColumn, &column);
    return text;
}

} // namespace

// Every caption fits beside the header's sort arrow and every cell text of the sample data fits its column,
// measured in the bold font open tasks are drawn in.
TEST(DemoTaskListTest, ColumnsFitCaptionsAndCellsAtEveryScaling)
{
    for (const int nFontHeight : { 11, 16, 21 })
    {
        SCOPED_TRACE(nFontHeight);
        CRecorderWnd parent;
        ASSERT_TRUE(parent.CreateParent(1200, 600));
        CFont font;
        CFont bold;
        font.CreateFont(-nFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, _T("MS Shell Dlg"));
        bold.CreateFont(-nFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, _T("MS Shell Dlg"));
        CTaskStore store;
        CTaskList list;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 1180, 580), &parent, 1));
        list.SetFont(&font);
        list.Init(&store);
        list.Fill(CString());

        CRect header;
        list.GetHeaderCtrl()->GetItemRect(colId, &header);
        // The caption's margins and the arrow with its gaps, as the header lays them out.
        const int nCaptionRoom = 5 + 5 + 2 * (header.Height() / 3) + 6;
        {
            CClientDC dc(&list);
            CFont* const pOldFont = dc.SelectObject(&bold);
            for (int c = colId; c < colRef; ++c)
            {
                int nWidest = 0;
                for (int r = 0; r < list.GetItemCount(); ++r)
                    nWidest = std::max(nWidest, static_cast<int>(dc.GetTextExtent(list.GetItemText(r, c)).cx));
                const CString caption = Caption(list, c);
                EXPECT_LE(dc.GetTextExtent(caption).cx + nCaptionRoom, list.GetColumnWidth(c)) << Narrow(caption);
                EXPECT_LE(nWidest + kCellMargins, list.GetColumnWidth(c)) << Narrow(caption);
            }
            dc.SelectObject(pOldFont);
        }
        list.DestroyWindow();
        parent.DestroyWindow();
    }
}

// The records behind the owner-data view: a multiple sort orders by every key in turn, a filter keeps that
// order, and edits land in the record shown by the row.
TEST(DemoRecordStoreTest, SortsByEveryKeyFiltersAndStoresThroughRows)
{
    CRecordStore store(20000);
    store.Sort(recKind, TRUE, FALSE);
    store.Sort(recDate, FALSE, TRUE);
    const auto sorted = [&] {
        for (int r = 1; r < store.GetRowCount(); ++r)
        {
            const CString k0 = store.CellText(r - 1, recKind), k1 = store.CellText(r, recKind);
            SYSTEMTIME d0 = {}, d1 = {};
            CTaskStore::ParseDate(store.CellText(r - 1, recDate), d0);
            CTaskStore::ParseDate(store.CellText(r, recDate), d1);
            const long n0 = d0.wYear * 400 + d0.wMonth * 32 + d0.wDay, n1 = d1.wYear * 400 + d1.wMonth * 32 + d1.wDay;
            if (k0.Compare(k1) > 0 || (k0 == k1 && n0 < n1))
                return false;
        }
        return true;
    };
    EXPECT_TRUE(sorted());

    store.Filter(_T("a"));
    EXPECT_GT(store.GetRowCount(), 0);
    EXPECT_LT(store.GetRowCount(), store.GetRecordCount());
    EXPECT_NE(-1, store.CellText(0, recCode).Find(_T('A')));
    EXPECT_TRUE(sorted());

    EXPECT_TRUE(store.Store(0, recCode, _T("zz-9")));
    EXPECT_TRUE(store.Store(0, recDate, _T("29.02.2024")));
    EXPECT_FALSE(store.Store(0, recKind, _T("Gift")));
    EXPECT_EQ(CString(_T("ZZ-9")), store.CellText(0, recCode));
    EXPECT_EQ(CString(_T("29.02.2024")), store.CellText(0, recDate));
    store.Filter(CString());
    EXPECT_EQ(store.GetRecordCount(), store.GetRowCount());
}
