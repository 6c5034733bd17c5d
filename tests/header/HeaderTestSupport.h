// Shared pieces of the header tests: a probing header class, a log of what reaches the control's own
// window procedure, column set-up and screen capture.
#pragma once

#include "QELTest.h"
#include "QELTestImportPatch.h"
#include "QELHeaderCtrl.h"
#include "QELWindowColor.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace headertest {

// One OnDrawItem call as the painting routine made it.
struct DrawCall
{
    int   nItem;
    CRect rect;       // rectangle handed in
    int   bPressed;
    int   bHot;
    HFONT hFont;      // font selected in the device context at the time
    CRect clipBox;    // clip box of the device context (empty rectangle for no clip region)
    int   nClip;      // GetClipBox result: NULLREGION, SIMPLEREGION, ...
};

// The header under test, with its protected state readable and its paint hooks recorded.
class CProbeHeader : public CQELHeaderCtrl
{
public:
    int   HotItem() const { return m_nHotItem; }
    int   LButtonDown() const { return m_bLButtonDown; }
    int   TrackMouse() const { return m_bTrackMouse; }
    int   DialogControl() const { return m_bDialogControl; }
    int   ColumnMenu() const { return m_bColumnMenu; }
    HFONT OwnFont() const { return m_hFont; }
    HFONT UserFont() const { return m_hUserFont; }
    HFONT BuildFont() { return CreateFontA(); }
    HBRUSH BackgroundBrush() const { return (HBRUSH)m_brushBackground.GetSafeHandle(); }
    bool  HasRecord(int nColumn) const
    {
        _tag_QELHeaderColumnState state;
        return m_mapColumnState.Lookup(nColumn, state) != FALSE;
    }
    void PlantRecord(int nColumn, _tag_QELHeaderColumnState state) { m_mapColumnState.SetAt(nColumn, state); }
    _tag_QELHeaderColumnState Record(int nColumn) const
    {
        _tag_QELHeaderColumnState state = { 0x0BAD, 0x0BAD, 0x0BAD, 0x0BAD, 0x0BAD };
        m_mapColumnState.Lookup(nColumn, state);
        return state;
    }

    void ResetProbe()
    {
        draws.clear();
        arrows.clear();
        nPaints = 0;
    }

    std::vector<DrawCall> draws;
    std::vector<std::pair<CRect, int>> arrows;   // arrow rectangle and direction
    int nPaints = 0;
    int nLeaves = 0;   // WM_MOUSELEAVE through this class's own map entry

protected:
    // A derived class handles the MFC messages as with any CWnd, WM_DRAWITEM beside the overridden hook.
    using CQELHeaderCtrl::OnDrawItem;
    afx_msg void OnMouseLeave()
    {
        ++nLeaves;
        CQELHeaderCtrl::OnMouseLeave();
    }
    DECLARE_MESSAGE_MAP()

    void OnFillBackground(CDC* pDC) override
    {
        ++nPaints;
        CQELHeaderCtrl::OnFillBackground(pDC);
    }
    void OnDrawItem(CDC* pDC, int nItem, CRect rect, int bPressed, int bHot) override
    {
        DrawCall call;
        call.nItem = nItem;
        call.rect = rect;
        call.bPressed = bPressed;
        call.bHot = bHot;
        call.hFont = (HFONT)::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT);
        HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
        const int nHasClip = ::GetClipRgn(pDC->GetSafeHdc(), hClip);
        call.nClip = nHasClip == 1 ? ::GetRgnBox(hClip, &call.clipBox) : -1;
        if (nHasClip != 1)
            call.clipBox.SetRectEmpty();
        ::DeleteObject(hClip);
        draws.push_back(call);
        CQELHeaderCtrl::OnDrawItem(pDC, nItem, rect, bPressed, bHot);
    }
    void OnDrawSortArrow(CDC* pDC, CRect rectArrow) override
    {
        arrows.emplace_back(rectArrow, m_bAscending);
        CQELHeaderCtrl::OnDrawSortArrow(pDC, rectArrow);
    }
};

// Records the messages that reach a window's own (pre-MFC) window procedure, that is, the control's
// default processing once the window is subclassed by an MFC object. One window at a time.
class CDefaultLog
{
public:
    static void Install(HWND hwnd);
    static void Clear() { s_messages.clear(); }
    static int Count(UINT message);
    static const std::vector<MSG>& Messages() { return s_messages; }
    // Free-form marks interleaved with the messages (message 0, text in s_marks at wParam).
    static void Mark(const char* text);
    static std::vector<std::string> Sequence();   // "WM_xxx" names and marks, in order

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static WNDPROC s_original;
    static std::vector<MSG> s_messages;
    static std::vector<std::string> s_marks;
};

using qeltest::CImportPatch;

// Creates a plain header control (not yet an MFC object).
HWND CreateNativeHeader(HWND hParent, int x, int y, int cx, int cy,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS | HDS_FULLDRAG);

// Appends a column with an ANSI caption.
void AddColumn(HWND hHeader, const char* text, int width, int fmt = HDF_LEFT | HDF_STRING);

int ItemWidth(HWND hHeader, int nColumn);
void SetItemWidth(HWND hHeader, int nColumn, int width);
CRect ItemRect(HWND hHeader, int nColumn);

// A copy of a window's client area as it is on screen after it painted.
class CCapture
{
public:
    explicit CCapture(HWND hwnd);
    ~CCapture();
    CCapture(const CCapture&) = delete;
    CCapture& operator=(const CCapture&) = delete;

    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    // Leftmost / rightmost x in [x0, x1) of a pixel in rows [y0, y1) that differs from `background`;
    // -1 when there is none.
    int FirstInk(int x0, int x1, int y0, int y1, COLORREF background) const;
    int LastInk(int x0, int x1, int y0, int y1, COLORREF background) const;
    int CountColour(int x0, int x1, int y0, int y1, COLORREF colour) const;

private:
    HDC     m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// Fixture: a recording top-level parent with a subclassed header of the given columns at (0, 0), 24 high.
class HeaderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the header with columns of these widths, captions "Col0", "Col1", ...
    void MakeHeader(std::initializer_list<int> widths, int cx = 500, int cy = 24);

    // Messages of the header kinds the parent received, in order.
    std::vector<qeltest::RecordedMessage> HeaderMessages() const;
    int Changed() const { return parent.Count(WM_QEL_HEADERCHANGED); }

    // Moves the real cursor onto a client point of the header.
    void PlaceCursor(CPoint pt);
    void Repaint();

    qeltest::CRecorderWnd parent;
    CProbeHeader header;
    HWND hwnd = NULL;
    CPoint savedCursor;
};

} // namespace headertest
