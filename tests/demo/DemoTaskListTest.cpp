// The demo's task list, built from the demo's own sources: its columns at the dialog font of 100 %, 150 %
// and 200 % display scaling.
#include "QELTest.h"
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
