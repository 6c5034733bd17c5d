// Times painting, sorting, clipboard copy, hit testing and editor start on a CQELListCtrl and, where the
// plain list view can do the same, on a CListCtrl, at several row counts; prints medians and ratios.
// Run: cmake/wine-run.sh build/x64/bin/QELBench.exe [repetitions]
#include <afxwin.h>
#include <QELCtrl.h>

#include <algorithm>
#include <functional>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

CWinApp theApp("QELBench");

namespace {

// A list whose compare hook orders rows by their item data.
class CBenchList : public CQELListCtrl
{
public:
    int OnCompareItems(LPARAM lParam1, LPARAM lParam2, int) override
    {
        return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
    }
};

int CALLBACK PlainCompare(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return lParam1 < lParam2 ? 1 : (lParam1 > lParam2 ? -1 : 0);
}

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double Median(const std::function<void()>& work, int repetitions)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i)
    {
        const double start = Now();
        work();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void FillList(CListCtrl& list, int rows)
{
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int c = 0; c < 5; ++c)
        list.InsertColumn(c, "Column", LVCFMT_LEFT, 90);
    list.SetRedraw(FALSE);
    char text[32];
    for (int r = 0; r < rows; ++r)
    {
        sprintf(text, "Row %d", r);
        const int item = list.InsertItem(r, text);
        list.SetItemData(item, static_cast<DWORD_PTR>((r * 7919) % rows));
        for (int c = 1; c < 5; ++c)
        {
            sprintf(text, "Cell %d.%d", r, c);
            list.SetItemText(item, c, text);
        }
        list.SetItemState(item, (r % 3 == 0) ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
    list.SetRedraw(TRUE);
}

void Report(const char* what, int rows, double qel, double plain)
{
    if (plain > 0)
        printf("%-22s %7d rows  QELCtrl %9.3f ms   list view %9.3f ms   ratio %5.2f\n", what, rows, qel, plain, qel / plain);
    else
        printf("%-22s %7d rows  QELCtrl %9.3f ms\n", what, rows, qel);
}

} // namespace

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0))
        return 1;
    const int repetitions = argc > 1 ? atoi(argv[1]) : 7;

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "QELBench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500, NULL, NULL);

    for (int rows : { 100, 1000, 10000 })
    {
        CBenchList qel;
        CListCtrl plain;
        const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT;
        qel.Create(style, CRect(0, 0, 680, 460), &frame, 1);
        plain.Create(style, CRect(0, 0, 680, 460), &frame, 2);
        FillList(qel, rows);
        FillList(plain, rows);
        qel.EnableSortColumn(1, TRUE);
        qel.EnableMarkSortedColumn(TRUE, FALSE);
        _tag_QELListColumnStyle edit = {};
        edit.nColumn = 1;
        edit.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
        qel.SetColumnStyle(&edit);

        auto paint = [](CListCtrl& list) {
            list.ShowWindow(SW_SHOW);
            list.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        };
        plain.ShowWindow(SW_HIDE);
        const double paintQel = Median([&] { paint(qel); }, repetitions);
        qel.ShowWindow(SW_HIDE);
        const double paintPlain = Median([&] { paint(plain); }, repetitions);
        plain.ShowWindow(SW_HIDE);
        qel.ShowWindow(SW_SHOW);
        Report("paint", rows, paintQel, paintPlain);

        Report("sort", rows, Median([&] { qel.Sort(1, TRUE, FALSE); }, repetitions),
               Median([&] { plain.SortItems(PlainCompare, 0); }, repetitions));

        Report("copy selected", rows, Median([&] { qel.CopyToClipboard(LVIS_SELECTED); }, repetitions), 0);

        Report("hit test x1000", rows, Median([&] {
                   int col = 0;
                   for (int i = 0; i < 1000; ++i)
                       qel.HitTestEx(CPoint(20 + (i * 37) % 400, 30 + (i * 13) % 400), col);
               }, repetitions),
               Median([&] {
                   for (int i = 0; i < 1000; ++i)
                       plain.HitTest(CPoint(20 + (i * 37) % 400, 30 + (i * 13) % 400));
               }, repetitions));

        Report("editor start and end", rows, Median([&] {
                   qel.EditSubItem(rows / 2, 1);
                   qel.SetFocus();
                   Pump();
               }, repetitions), 0);

        qel.DestroyWindow();
        plain.DestroyWindow();
        Pump();
    }
    frame.DestroyWindow();
    return 0;
}
