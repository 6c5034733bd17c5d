#pragma once

#include "BenchReport.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <functional>
#include <vector>

// Runs the benchmark cases: the same work on a CQELListCtrl and on a plain list view with the same data,
// window size and font, warm-up first, then repetitions that alternate which side goes first; reports medians.
class CBenchRunner
{
public:
    CBenchRunner(int nRepetitions, CBenchReport& report);
    ~CBenchRunner();
    CBenchRunner(const CBenchRunner&) = delete;
    CBenchRunner& operator=(const CBenchRunner&) = delete;

    BOOL Create();

    void RunPaint(int nRows);
    void RunSortAndCopy(int nRows);
    void ReportCopyLinearity();
    void RunMouseMovesAndHeaderPaint();
    void RunEdit();
    void RunScale(int nRows);
    void RunOwnerData(int nRows);

private:
    struct CMedians
    {
        double qel;
        double plain;
        double qelMin, qelMax, plainMin, plainMax;   // the spread of the repetitions
    };
    void Report(CBenchReport::CRow row, const CMedians& medians);   // a row with the medians' spread
    struct CSpread
    {
        double median, min, max;
    };
    // Case 8's application window and its two lists at one size.
    struct COwnerDataPair;
    using COwnerDataWork = std::function<double(COwnerDataPair&)>;
    // One side of the scale case: milliseconds, and the megabytes of heap the filled list holds.
    struct CScaleFigures
    {
        double fill, megabytes, repaint, scroll, edit, sort, copy;
    };
    // Each function times its own work (so that it can prepare untimed) and returns milliseconds.
    CMedians Interleave(const std::function<double()>& qel, const std::function<double()>& plain);
    std::vector<CSpread> InterleaveAll(const std::vector<std::function<double()>>& works, int nRepetitions);
    double   MedianOf(const std::function<double()>& work);

    BOOL CreateColumns(CListCtrl& list, CWnd* pParent, UINT nId, DWORD dwOwnerData, int nColumns, int nColumnWidth);
    BOOL CreatePair(CListCtrl& qel, CListCtrl& plain, int nRows, int nColumns, int nColumnWidth);
    BOOL CreateList(CListCtrl& list, UINT nId, int nRows, int nColumns, int nColumnWidth);
    void ShowOnly(CListCtrl& show, CListCtrl& hide);

    double PaintOnce(CListCtrl& show, CListCtrl& hide);
    double ClickSortOnce(CListCtrl& qel, CListCtrl& plain, int nColumn);
    double PlainSortOnce(CListCtrl& qel, CListCtrl& plain, bool bAscending);
    double MouseMovesOnce(CListCtrl& show, CListCtrl& hide, int nMoves);
    double HeaderPaintOnce(CListCtrl& show, CListCtrl& hide, int nPaints);
    double RowsPaintOnce(CListCtrl& show, CListCtrl& hide);
    double EditorAloneOnce(CListCtrl& list);
    double RowsAreaOnce(CListCtrl& show, CListCtrl& hide);
    CScaleFigures ScaleSide(CListCtrl& list, int nRows);
    double ScaleEditOnce(CListCtrl& list, class CBenchList* pQel, int nRow);
    double ScaleEditRow(CListCtrl& list, class CBenchList* pQel, int nRow);
    BOOL   CreateOwnerDataPair(COwnerDataPair& pair, int nRows);
    void   OwnerDataMemory(COwnerDataPair& pair);
    void   ShowPair(COwnerDataPair& show, COwnerDataPair& hide);
    void   CompareOwnerData(const char* pszAction, COwnerDataPair& small, COwnerDataPair& large,
                            const COwnerDataWork& qel, const COwnerDataWork& plain);
    void   OwnerDataCopy(COwnerDataPair& pair, COwnerDataPair& other);
    BOOL   ShowOwnerDataList(CListCtrl& list, class COwnerDataHost& host, UINT nId, int nRows);
    double ScrollToEndOnce(CListCtrl& show, CListCtrl& hide);
    void   PrepareEdit(CListCtrl& show, CListCtrl& hide, TCHAR* pszText);
    double OwnerDataEditOnce(COwnerDataPair& pair);
    double PlainOwnerDataEditOnce(COwnerDataPair& pair);
    double OwnerDataMoveOnce(COwnerDataPair& pair);
    double PlainOwnerDataMoveOnce(COwnerDataPair& pair);
    double OwnerDataSortOnce(CListCtrl& show, CListCtrl& hide, COwnerDataHost& host, std::vector<double>& appMs);

    // Single steps of a case timed on their own, printed as "breakdown" lines.
    void Breakdown(const char* pszWhat, int nRows, const std::function<double()>& work);
    void BreakdownSort(CListCtrl& qel, CListCtrl& plain, int nRows);
    void BreakdownMessages(CListCtrl& qel, CListCtrl& plain);
    void BreakdownPaint(CListCtrl& qel, CListCtrl& plain);
    void BreakdownEdit(CListCtrl& qel);
    int  HeaderPaintsDuring(CListCtrl& list, const std::function<void()>& work);
    std::vector<DWORD> RowPixels(CListCtrl& show, CListCtrl& hide, const CRect& rect);
    void BreakdownCopy(CListCtrl& qel, int nRows, int nColumns);

    int           m_nRepetitions;
    CBenchReport& m_report;
    CWnd          m_wndFrame;     // the 1280x1024 window both lists fill, one shown at a time
    HFONT         m_hFont;        // the one font of both sides
    CListCtrl*    m_pPlainForEdit; // the plain list beside the edited one, during BreakdownEdit only
    CMedians      m_copy10k;      // copy medians at 10,000 rows; 0 until measured
    CMedians      m_copy100k;     // the same at 100,000 rows
};
