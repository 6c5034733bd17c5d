// Shared pieces of the header tests.
#include "HeaderTestSupport.h"

#include <string.h>

using namespace qeltest;

namespace headertest {

BEGIN_MESSAGE_MAP(CProbeHeader, CQELHeaderCtrl)
    ON_WM_MOUSELEAVE()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

WNDPROC CDefaultLog::s_original = NULL;
std::vector<MSG> CDefaultLog::s_messages;
std::vector<std::string> CDefaultLog::s_marks;

void CDefaultLog::Install(HWND hwnd)
{
    s_messages.clear();
    s_marks.clear();
    s_original = (WNDPROC)::SetWindowLongPtr(hwnd, GWLP_WNDPROC, (LONG_PTR)&CDefaultLog::Proc);
}

LRESULT CALLBACK CDefaultLog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    s_messages.push_back(msg);
    return ::CallWindowProc(s_original, hwnd, message, wParam, lParam);
}

int CDefaultLog::Count(UINT message)
{
    int n = 0;
    for (const MSG& m : s_messages)
        if (m.message == message && m.hwnd != NULL)
            ++n;
    return n;
}

void CDefaultLog::Mark(const char* text)
{
    MSG msg = {};
    msg.wParam = s_marks.size();
    s_marks.push_back(text);
    s_messages.push_back(msg);
}

std::vector<std::string> CDefaultLog::Sequence()
{
    std::vector<std::string> out;
    for (const MSG& m : s_messages)
    {
        if (m.hwnd == NULL)
            out.push_back(s_marks[m.wParam]);
        else
            out.push_back(MessageName(m.message));
    }
    return out;
}

HWND CreateNativeHeader(HWND hParent, int x, int y, int cx, int cy, DWORD dwStyle)
{
    return ::CreateWindowEx(0, WC_HEADER, _T(""), dwStyle, x, y, cx, cy, hParent, (HMENU)(INT_PTR)7,
                            ::GetModuleHandle(NULL), NULL);
}

void AddColumn(HWND hHeader, const char* text, int width, int fmt)
{
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<LPSTR>(text);
    item.cxy = width;
    item.fmt = fmt;
    const int n = (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0);
    ::SendMessageA(hHeader, HDM_INSERTITEMA, n, (LPARAM)&item);
}

int ItemWidth(HWND hHeader, int nColumn)
{
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = 0x0BAD;
    if (!::SendMessageA(hHeader, HDM_GETITEMA, nColumn, (LPARAM)&item))
        return -12345;
    return item.cxy;
}

void SetItemWidth(HWND hHeader, int nColumn, int width)
{
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    ::SendMessageA(hHeader, HDM_SETITEMA, nColumn, (LPARAM)&item);
}

CRect ItemRect(HWND hHeader, int nColumn)
{
    CRect r(0, 0, 0, 0);
    ::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, (LPARAM)&r);
    return r;
}

CCapture::CCapture(HWND hwnd)
{
    ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpUntilIdle();
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    HDC hWndDC = ::GetDC(hwnd);
    m_hDC = ::CreateCompatibleDC(hWndDC);
    m_hBitmap = ::CreateCompatibleBitmap(hWndDC, rc.right, rc.bottom);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    ::BitBlt(m_hDC, 0, 0, rc.right, rc.bottom, hWndDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hwnd, hWndDC);
}

CCapture::~CCapture()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

int CCapture::FirstInk(int x0, int x1, int y0, int y1, COLORREF background) const
{
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (At(x, y) != background)
                return x;
    return -1;
}

int CCapture::LastInk(int x0, int x1, int y0, int y1, COLORREF background) const
{
    for (int x = x1 - 1; x >= x0; --x)
        for (int y = y0; y < y1; ++y)
            if (At(x, y) != background)
                return x;
    return -1;
}

int CCapture::CountColour(int x0, int x1, int y0, int y1, COLORREF colour) const
{
    int n = 0;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (At(x, y) == colour)
                ++n;
    return n;
}

void HeaderTest::SetUp()
{
    ::GetCursorPos(&savedCursor);
    // Park the cursor away from the test windows so that painting sees no pressed column by accident.
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(parent.CreateParent(640, 200));
}

void HeaderTest::TearDown()
{
    if (header.GetSafeHwnd() != NULL)
        header.DestroyWindow();
    if (parent.GetSafeHwnd() != NULL)
        parent.DestroyWindow();
    PumpUntilIdle();
    ::SetCursorPos(savedCursor.x, savedCursor.y);
}

void HeaderTest::MakeHeader(std::initializer_list<int> widths, int cx, int cy)
{
    HWND hNative = CreateNativeHeader(parent.GetSafeHwnd(), 0, 0, cx, cy);
    ASSERT_TRUE(hNative != NULL);
    int i = 0;
    for (int w : widths)
    {
        char caption[16];
        wsprintfA(caption, "Col%d", i++);
        AddColumn(hNative, caption, w);
    }
    CDefaultLog::Install(hNative);
    ASSERT_TRUE(header.SubclassWindow(hNative));
    hwnd = hNative;
    PumpUntilIdle();
    header.ResetProbe();
    CDefaultLog::Clear();
    parent.Flush();
}

std::vector<RecordedMessage> HeaderTest::HeaderMessages() const
{
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : parent.Messages())
        if (m.message == WM_QEL_HEADERCHANGED || m.message == WM_QEL_HEADERVISIABLECHANGE)
            out.push_back(m);
    return out;
}

void HeaderTest::PlaceCursor(CPoint pt)
{
    ::ClientToScreen(hwnd, &pt);
    ::SetCursorPos(pt.x, pt.y);
    PumpUntilIdle();
}

void HeaderTest::Repaint()
{
    ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpUntilIdle();
}

} // namespace headertest
