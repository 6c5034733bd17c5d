// GDI wrappers: selection and restoring, temporary objects, drawing helpers read back pixel by pixel.
#include "QELTest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);

// A 32-bit memory DC of 40 x 30 pixels, filled white.
class GdiValues : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(NULL));
        ASSERT_TRUE(m_bitmap.CreateBitmap(40, 30, 1, 32, NULL));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        ASSERT_NE(nullptr, m_pOldBitmap);
        m_dc.FillSolidRect(0, 0, 40, 30, kWhite);
    }

    void TearDown() override
    {
        if (m_pOldBitmap != NULL)
            m_dc.SelectObject(m_pOldBitmap);
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }

    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }

    // Number of pixels that are not white.
    int CountNonWhite() const
    {
        int n = 0;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++)
                if (Pixel(x, y) != kWhite)
                    n++;
        return n;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = NULL;
};

TEST_F(GdiValues, SelectObjectReturnsThePreviousObject)
{
    CPen red(PS_SOLID, 1, kRed);
    CPen blue(PS_SOLID, 1, kBlue);
    CPen* pFirst = m_dc.SelectObject(&red);
    ASSERT_NE(nullptr, pFirst);
    // the DC's initial pen is not attached to any object: a temporary wrapper of the stock pen
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pFirst->GetSafeHandle());
    // an attached object comes back as itself
    EXPECT_EQ(&red, m_dc.SelectObject(&blue));
    EXPECT_EQ(&blue, m_dc.SelectObject(pFirst));
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN));

    CBrush brush(kGreen);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    EXPECT_EQ(&brush, m_dc.GetCurrentBrush());
    m_dc.SelectObject(pOldBrush);
    CGdiObject* pStock = m_dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), pStock->GetSafeHandle());
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(m_dc.m_hDC, OBJ_BRUSH));
}

TEST_F(GdiValues, TemporaryWrappersLeaveTheHandlesAlone)
{
    HBRUSH hBrush = ::CreateSolidBrush(kBlue);
    CBrush* pTemp = CBrush::FromHandle(hBrush);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CBrush::FromHandle(hBrush));
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(hBrush));

    // once attached, the permanent object is what FromHandle answers
    CBrush owner;
    ASSERT_TRUE(owner.Attach(hBrush));
    EXPECT_EQ(&owner, CBrush::FromHandle(hBrush));
    EXPECT_EQ(hBrush, owner.Detach());
    EXPECT_NE(&owner, CBrush::FromHandle(hBrush));
    EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(hBrush));
    ::DeleteObject(hBrush);
}

TEST_F(GdiValues, ObjectsDeleteTheirHandleUnlessDetached)
{
    HGDIOBJ hDeleted = NULL;
    HGDIOBJ hKept = NULL;
    {
        CPen a(PS_SOLID, 2, kRed);
        CPen b(PS_SOLID, 2, kRed);
        hDeleted = a.m_hObject;
        hKept = b.Detach();
    }
    EXPECT_EQ(0, (int)::GetObjectType(hDeleted));
    EXPECT_EQ(OBJ_PEN, (int)::GetObjectType(hKept));
    ::DeleteObject(hKept);
    CGdiObject empty;
    EXPECT_FALSE(empty.DeleteObject());
    CGdiObject* volatile pNone = NULL;
    EXPECT_EQ(nullptr, pNone->GetSafeHandle());
}

TEST_F(GdiValues, DCFromHandleIsTemporaryForForeignDCs)
{
    HDC hdc = ::CreateCompatibleDC(NULL);
    CDC* pTemp = CDC::FromHandle(hdc);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hdc, pTemp->m_hDC);
    EXPECT_EQ(hdc, pTemp->m_hAttribDC);
    EXPECT_EQ(pTemp, CDC::FromHandle(hdc));
    CDC::DeleteTempMap();
    EXPECT_EQ(OBJ_MEMDC, (int)::GetObjectType(hdc));
    ::DeleteDC(hdc);

    EXPECT_EQ(&m_dc, CDC::FromHandle(m_dc.m_hDC));
    EXPECT_EQ(nullptr, CDC::FromHandle(NULL));
    CDC* volatile pNone = NULL;
    EXPECT_EQ(nullptr, pNone->GetSafeHdc());
}

TEST_F(GdiValues, Draw3dRectColoursEachEdge)
{
    m_dc.Draw3dRect(5, 4, 10, 8, kRed, kBlue);
    // top edge and left edge in the first colour, except the corners owned by the other edges
    for (int x = 5; x <= 13; x++)
        EXPECT_EQ(kRed, Pixel(x, 4)) << "top x=" << x;
    for (int y = 4; y <= 10; y++)
        EXPECT_EQ(kRed, Pixel(5, y)) << "left y=" << y;
    // right edge (x = 14) and bottom edge (y = 11) in the second colour
    for (int y = 4; y <= 11; y++)
        EXPECT_EQ(kBlue, Pixel(14, y)) << "right y=" << y;
    for (int x = 5; x <= 14; x++)
        EXPECT_EQ(kBlue, Pixel(x, 11)) << "bottom x=" << x;
    // nothing inside, nothing outside
    EXPECT_EQ(kWhite, Pixel(6, 5));
    EXPECT_EQ(kWhite, Pixel(13, 10));
    EXPECT_EQ(kWhite, Pixel(15, 4));
    EXPECT_EQ(kWhite, Pixel(5, 12));
    EXPECT_EQ(9 + 6 + 8 + 9, CountNonWhite());   // corners counted once

    m_dc.FillSolidRect(0, 0, 40, 30, kWhite);
    m_dc.Draw3dRect(CRect(20, 20, 23, 23), kGreen, kRed);
    EXPECT_EQ(kGreen, Pixel(20, 20));
    EXPECT_EQ(kGreen, Pixel(21, 20));
    EXPECT_EQ(kRed, Pixel(22, 20));
    EXPECT_EQ(kRed, Pixel(20, 22));
    EXPECT_EQ(kWhite, Pixel(21, 21));
}

TEST_F(GdiValues, FillAndFrameRectangles)
{
    CBrush red(kRed);
    m_dc.FillRect(CRect(2, 2, 6, 5), &red);
    EXPECT_EQ(kRed, Pixel(2, 2));
    EXPECT_EQ(kRed, Pixel(5, 4));
    EXPECT_EQ(kWhite, Pixel(6, 4));
    EXPECT_EQ(kWhite, Pixel(5, 5));
    EXPECT_EQ(12, CountNonWhite());

    CBrush blue(kBlue);
    m_dc.FrameRect(CRect(10, 10, 15, 14), &blue);
    EXPECT_EQ(kBlue, Pixel(10, 10));
    EXPECT_EQ(kBlue, Pixel(14, 13));
    EXPECT_EQ(kWhite, Pixel(12, 12));

    m_dc.FillSolidRect(CRect(30, 20, 32, 22), kGreen);
    EXPECT_EQ(kGreen, Pixel(31, 21));
    EXPECT_EQ(kGreen, m_dc.GetBkColor());
}

TEST_F(GdiValues, ClipRegionLimitsDrawingAndIsReported)
{
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(10, 10, 20, 20));
    EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(&rgn));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&box));
    EXPECT_EQ(CRect(10, 10, 20, 20), box);
    CBrush red(kRed);
    m_dc.FillRect(CRect(0, 0, 40, 30), &red);
    EXPECT_EQ(kRed, Pixel(10, 10));
    EXPECT_EQ(kRed, Pixel(19, 19));
    EXPECT_EQ(kWhite, Pixel(9, 10));
    EXPECT_EQ(kWhite, Pixel(20, 19));
    EXPECT_EQ(100, CountNonWhite());

    // the DC keeps its own copy of the region
    rgn.OffsetRgn(5, 5);
    m_dc.GetClipBox(&box);
    EXPECT_EQ(CRect(10, 10, 20, 20), box);

    m_dc.SelectClipRgn(NULL);
    m_dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 40, 30), box);
}

TEST_F(GdiValues, SaveAndRestoreState)
{
    m_dc.SetTextColor(kRed);
    m_dc.SetBkMode(TRANSPARENT);
    const int nSaved = m_dc.SaveDC();
    ASSERT_NE(0, nSaved);
    EXPECT_EQ(kRed, m_dc.SetTextColor(kBlue));
    EXPECT_EQ(TRANSPARENT, m_dc.SetBkMode(OPAQUE));
    m_dc.SetWindowOrg(5, 6);
    EXPECT_TRUE(m_dc.RestoreDC(nSaved));
    EXPECT_EQ(kRed, m_dc.GetTextColor());
    EXPECT_EQ(TRANSPARENT, m_dc.GetBkMode());
    EXPECT_EQ(CPoint(0, 0), m_dc.GetWindowOrg());
}

TEST_F(GdiValues, OriginsShiftDrawing)
{
    EXPECT_EQ(CPoint(0, 0), m_dc.SetWindowOrg(10, 0));
    EXPECT_EQ(CPoint(10, 0), m_dc.OffsetWindowOrg(0, 5));
    EXPECT_EQ(CPoint(10, 5), m_dc.GetWindowOrg());
    m_dc.SetPixel(12, 7, kRed);   // logical (12,7) is device (2,2)
    EXPECT_EQ(kRed, ::GetPixel(m_dc.m_hDC, 12, 7));
    m_dc.SetWindowOrg(0, 0);
    EXPECT_EQ(kRed, Pixel(2, 2));

    EXPECT_EQ(CPoint(0, 0), m_dc.SetViewportOrg(3, 3));
    EXPECT_EQ(CPoint(3, 3), m_dc.OffsetViewportOrg(1, 1));
    m_dc.SetPixel(0, 0, kBlue);
    m_dc.SetViewportOrg(0, 0);
    EXPECT_EQ(kBlue, Pixel(4, 4));
}

TEST_F(GdiValues, LinesAndPolygons)
{
    CPen pen(PS_SOLID, 1, kRed);
    CPen* pOld = m_dc.SelectObject(&pen);
    EXPECT_EQ(CPoint(0, 0), m_dc.MoveTo(2, 2));
    EXPECT_TRUE(m_dc.LineTo(8, 2));
    EXPECT_EQ(CPoint(8, 2), m_dc.GetCurrentPosition());
    m_dc.SelectObject(pOld);
    for (int x = 2; x < 8; x++)
        EXPECT_EQ(kRed, Pixel(x, 2));
    EXPECT_EQ(kWhite, Pixel(8, 2));   // the end point is not drawn

    // a filled triangle without outline: the null pen
    CBrush brush(kBlue);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    CGdiObject* pOldPen = m_dc.SelectStockObject(NULL_PEN);
    POINT pts[3] = { { 10, 10 }, { 30, 10 }, { 20, 25 } };
    EXPECT_TRUE(m_dc.Polygon(pts, 3));
    m_dc.SelectObject(pOldPen);
    m_dc.SelectObject(pOldBrush);
    EXPECT_EQ(kBlue, Pixel(20, 15));
    EXPECT_EQ(kWhite, Pixel(10, 24));

    m_dc.FillSolidRect(0, 0, 40, 30, kWhite);
    CPen green(PS_SOLID, 1, kGreen);
    pOld = m_dc.SelectObject(&green);
    POINT line[3] = { { 1, 20 }, { 5, 20 }, { 5, 25 } };
    EXPECT_TRUE(m_dc.Polyline(line, 3));
    EXPECT_TRUE(m_dc.Rectangle(30, 0, 35, 5));
    m_dc.SelectObject(pOld);
    EXPECT_EQ(kGreen, Pixel(3, 20));
    EXPECT_EQ(kGreen, Pixel(5, 23));
    EXPECT_EQ(kGreen, Pixel(30, 0));
    EXPECT_EQ(kGreen, Pixel(34, 4));
}

TEST_F(GdiValues, TextMeasuresAgree)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, _T("Arial")));
    LOGFONT lf;
    ASSERT_NE(0, font.GetLogFont(&lf));
    EXPECT_LT(lf.lfHeight, 0);   // a character height, from tenths of a point
    CFont* pOld = m_dc.SelectObject(&font);
    EXPECT_EQ(&font, m_dc.GetCurrentFont());
    const CSize size = m_dc.GetTextExtent(CString("Hello"));
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(size, m_dc.GetTextExtent(_T("Hello"), 5));
    CRect r(0, 0, 0, 0);
    EXPECT_GT(m_dc.DrawText(CString("Hello"), &r, DT_SINGLELINE | DT_CALCRECT), 0);
    EXPECT_EQ(size.cx, r.Width());
    CRect r2(0, 0, 0, 0);
    m_dc.DrawText(_T("Hello"), -1, &r2, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(r, r2);
    CString face;
    EXPECT_GT(m_dc.GetTextFace(face), 0);
    EXPECT_FALSE(face.IsEmpty());
    m_dc.SetTextColor(kBlue);
    m_dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(m_dc.TextOut(0, 0, CString("WWW")));
    m_dc.SelectObject(pOld);
    EXPECT_GT(CountNonWhite(), 0);
}

TEST_F(GdiValues, FrameControlAndEdgeDrawSomething)
{
    CRect r(2, 2, 18, 18);
    EXPECT_TRUE(m_dc.DrawFrameControl(&r, DFC_SCROLL, DFCS_SCROLLDOWN));
    EXPECT_GT(CountNonWhite(), 0);
    m_dc.FillSolidRect(0, 0, 40, 30, kWhite);
    CRect e(20, 2, 38, 20);
    EXPECT_TRUE(m_dc.DrawEdge(&e, EDGE_SUNKEN, BF_RECT));
    EXPECT_NE(kWhite, Pixel(20, 2));
    EXPECT_EQ(kWhite, Pixel(29, 11));
}

TEST_F(GdiValues, BitBltCopiesBetweenDCs)
{
    m_dc.FillSolidRect(0, 0, 5, 5, kRed);
    CDC other;
    ASSERT_TRUE(other.CreateCompatibleDC(&m_dc));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(10, 10, 1, 32, NULL));
    CBitmap* pOld = other.SelectObject(&bmp);
    other.FillSolidRect(0, 0, 10, 10, kGreen);
    EXPECT_TRUE(m_dc.BitBlt(20, 20, 10, 10, &other, 0, 0, SRCCOPY));
    other.SelectObject(pOld);
    EXPECT_EQ(kGreen, Pixel(20, 20));
    EXPECT_EQ(kGreen, Pixel(29, 29));
    EXPECT_EQ(kRed, Pixel(4, 4));
}

TEST(GdiRegions, CombineAndQuery)
{
    CRgn a, b, c;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    ASSERT_TRUE(c.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, c.CombineRgn(&a, &b, RGN_OR));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, c.GetRgnBox(&box));
    EXPECT_EQ(CRect(0, 0, 15, 15), box);
    EXPECT_TRUE(c.PtInRegion(12, 12));
    EXPECT_FALSE(c.PtInRegion(12, 2));
    EXPECT_EQ(SIMPLEREGION, c.CombineRgn(&a, &b, RGN_AND));
    c.GetRgnBox(&box);
    EXPECT_EQ(CRect(5, 5, 10, 10), box);
    EXPECT_EQ(SIMPLEREGION, c.CopyRgn(&a));
    EXPECT_TRUE(c.EqualRgn(&a));
    c.OffsetRgn(CPoint(1, 1));
    EXPECT_FALSE(c.EqualRgn(&a));
    EXPECT_TRUE(c.RectInRegion(CRect(9, 9, 12, 12)));
}

// A child window that paints its client area through CPaintDC and remembers what the DC looked like.
class CPaintProbeWnd : public CWnd
{
public:
    int m_nPaints = 0;
    HWND m_hPaintWnd = NULL;     // CPaintDC's window during the last paint
    bool m_bDCWasPermanent = false;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_nPaints++;
        m_hPaintWnd = ::WindowFromDC(dc.m_hDC);
        m_bDCWasPermanent = (CDC::FromHandle(dc.m_hDC) == &dc) && dc.m_ps.hdc == dc.m_hDC;
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, kGreen);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbeWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(GdiWindowDC, PaintAndClientDCsDrawIntoTheWindow)
{
    qeltest::CRecorderWnd parent;
    ASSERT_TRUE(parent.CreateParent(200, 100));
    CPaintProbeWnd probe;
    ASSERT_TRUE(probe.Create(NULL, _T("probe"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &parent, 1));
    probe.Invalidate();
    EXPECT_EQ(kGreen, qeltest::PixelAt(probe.m_hWnd, 5, 5));
    EXPECT_GE(probe.m_nPaints, 1);
    EXPECT_EQ(probe.m_hWnd, probe.m_hPaintWnd);
    EXPECT_TRUE(probe.m_bDCWasPermanent);

    {
        CClientDC dc(&probe);
        ASSERT_NE(nullptr, dc.GetSafeHdc());
        EXPECT_EQ(&probe, dc.GetWindow());
        dc.FillSolidRect(0, 0, 4, 4, kRed);
    }
    EXPECT_EQ(kRed, ::GetPixel(CClientDC(&probe).m_hDC, 1, 1));
    {
        // the window DC's origin is the window's corner, the same as the client's for a borderless child
        CWindowDC dc(&probe);
        EXPECT_EQ(kRed, dc.GetPixel(2, 2));
    }
    CDC::DeleteTempMap();
    probe.DestroyWindow();
    parent.DestroyWindow();
}

TEST(GdiScreenDC, NullWindowMeansTheScreen)
{
    CClientDC client(NULL);
    ASSERT_NE((HDC)NULL, client.GetSafeHdc());
    EXPECT_GT(client.GetDeviceCaps(HORZRES), 0);
    EXPECT_EQ(&client, CDC::FromHandle(client.m_hDC));
    CWindowDC window(NULL);
    ASSERT_NE((HDC)NULL, window.GetSafeHdc());
    EXPECT_GT(window.GetDeviceCaps(LOGPIXELSY), 0);
}

} // namespace
