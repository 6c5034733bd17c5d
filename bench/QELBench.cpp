// Times the same work on a CQELListCtrl and on a plain list view with the same data, window size and font:
// full repaint, sorting through a header click, clipboard copy, mouse moves, in-place editing, header
// painting, the same steps once on a list of a million rows (case 7, --scale ROWS), and the user's actions
// on owner-data lists of 1,000 rows and of the --scale size (case 8). Prints medians of repeated runs with the
// ratio QEL/plain as a table and as CSV.
// Run: cmake/wine-run.sh build/x64/bin/QELBench.exe [--repetitions N] [--csv FILE] [--cases 12345678]
//      [--scale ROWS] [--quick]
#include "BenchReport.h"
#include "BenchRunner.h"

#include <afxwin.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

CWinApp theApp(_T("QELBench"));

namespace {

// QELBench.csv beside the executable; a narrow path, for fopen.
std::string DefaultCsvPath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != NULL)
        pSlash[1] = '\0';
    return std::string(szPath) + "QELBench.csv";
}

} // namespace

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0))
        return 1;
    int nRepetitions = 9;
    bool bQuick = false;
    std::string strCases = "12345678";
    int nScaleRows = 1000000;
    std::string strCsv = DefaultCsvPath();
    for (int i = 1; i < argc; ++i)
    {
        if (strcmp(argv[i], "--repetitions") == 0 && i + 1 < argc)
            nRepetitions = atoi(argv[++i]);
        else if (strcmp(argv[i], "--csv") == 0 && i + 1 < argc)
            strCsv = argv[++i];
        else if (strcmp(argv[i], "--cases") == 0 && i + 1 < argc)
            strCases = argv[++i];
        else if (strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            nScaleRows = atoi(argv[++i]);
        else if (strcmp(argv[i], "--quick") == 0)
            bQuick = true;
    }
    if (nRepetitions < 5)
        nRepetitions = 5;

    CBenchReport report;
    CBenchRunner runner(nRepetitions, report);
    if (!runner.Create())
        return 1;
    printf("QELBench: %d repetitions after a warm-up, medians; ratio = QEL / plain\n", nRepetitions);
    const auto wanted = [&](char cCase) { return strCases.find(cCase) != std::string::npos; };
    if (wanted('1'))
    {
        for (int nRows : { 1000, 10000 })
            runner.RunPaint(nRows);
    }
    if (wanted('2') || wanted('3'))
    {
        for (int nRows : { 10000, 100000 })
        {
            if (bQuick && nRows > 10000)
                break;
            runner.RunSortAndCopy(nRows);
        }
        runner.ReportCopyLinearity();
    }
    if (wanted('4') || wanted('6'))
        runner.RunMouseMovesAndHeaderPaint();
    if (wanted('5'))
        runner.RunEdit();
    if (wanted('7') && nScaleRows > 0)
        runner.RunScale(bQuick ? std::min(nScaleRows, 100000) : nScaleRows);
    if (wanted('8') && nScaleRows > 0)
        runner.RunOwnerData(bQuick ? std::min(nScaleRows, 100000) : nScaleRows);

    report.PrintTable();
    if (!report.WriteCsv(strCsv.c_str()))
        printf("cannot write %s\n", strCsv.c_str());
    else
        printf("\nCSV: %s\n", strCsv.c_str());
    printf("%d goal(s) missed\n", report.MissCount());
    return 0;
}
