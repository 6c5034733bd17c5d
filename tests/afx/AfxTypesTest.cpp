// CPoint, CSize and CRect arithmetic.
#include "QELTest.h"

namespace {

TEST(GeometryValues, LayoutMatchesTheWin32Structures)
{
    EXPECT_EQ(sizeof(POINT), sizeof(CPoint));
    EXPECT_EQ(sizeof(SIZE), sizeof(CSize));
    EXPECT_EQ(sizeof(RECT), sizeof(CRect));
    CRect r(1, 2, 3, 4);
    LPRECT p = r;
    EXPECT_EQ(&r.left, &p->left);
}

TEST(GeometryValues, PointArithmetic)
{
    CPoint p(10, 20);
    EXPECT_EQ(CPoint(13, 24), p + CSize(3, 4));
    EXPECT_EQ(CPoint(7, 16), p - CSize(3, 4));
    EXPECT_EQ(CPoint(11, 22), p + CPoint(1, 2));
    const CSize d = p - CPoint(4, 5);
    EXPECT_EQ(CSize(6, 15), d);
    EXPECT_EQ(CPoint(-10, -20), -p);
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    p.Offset(5, -5);
    EXPECT_EQ(CPoint(14, 14), p);
    EXPECT_TRUE(p != CPoint(14, 15));
    EXPECT_EQ(CRect(15, 16, 17, 18), CPoint(1, 2) + CRect(14, 14, 16, 16));
}

TEST(GeometryValues, PointFromPackedCoordinatesIsSigned)
{
    const CPoint p((LPARAM)MAKELPARAM(-5, -7));
    EXPECT_EQ(-5, p.x);
    EXPECT_EQ(-7, p.y);
    const CPoint q((LPARAM)MAKELPARAM(300, 0x7FFF));
    EXPECT_EQ(300, q.x);
    EXPECT_EQ(0x7FFF, q.y);
}

TEST(GeometryValues, SizeArithmetic)
{
    CSize s(3, 4);
    EXPECT_EQ(CSize(5, 7), s + CSize(2, 3));
    EXPECT_EQ(CSize(1, 1), s - CSize(2, 3));
    EXPECT_EQ(CSize(-3, -4), -s);
    EXPECT_EQ(CPoint(4, 6), s + CPoint(1, 2));
    s += CSize(1, 1);
    EXPECT_EQ(CSize(4, 5), s);
}

TEST(GeometryValues, RectDimensionsAndCorners)
{
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(40, r.Width());
    EXPECT_EQ(60, r.Height());
    EXPECT_EQ(CSize(40, 60), r.Size());
    EXPECT_EQ(CPoint(30, 50), r.CenterPoint());
    // the corners are references into the rectangle
    r.TopLeft() = CPoint(0, 0);
    r.BottomRight().x = 5;
    EXPECT_EQ(CRect(0, 0, 5, 80), r);
    EXPECT_EQ(CPoint(5, 80), r.BottomRight());
}

TEST(GeometryValues, RectEmptinessAndContainment)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));   // right and bottom edges lie outside
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
}

TEST(GeometryValues, RectInflateDeflateOffset)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    EXPECT_EQ(CRect(9, 8, 21, 22), r);
    r.DeflateRect(1, 2);
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 8, 23, 24), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.OffsetRect(CPoint(-10, 5));
    EXPECT_EQ(CRect(0, 15, 10, 25), r);
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 210), r);
    r.MoveToX(0);
    EXPECT_EQ(CRect(0, 200, 10, 210), r);
}

TEST(GeometryValues, RectOperators)
{
    const CRect a(0, 0, 10, 10);
    const CRect b(5, 5, 15, 15);
    EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
    EXPECT_EQ(CRect(0, 0, 15, 15), a | b);
    EXPECT_EQ(CRect(2, 3, 12, 13), a + CPoint(2, 3));
    EXPECT_EQ(CRect(-2, -3, 8, 7), a - CSize(2, 3));
    EXPECT_EQ(CRect(-1, -2, 13, 14), a + CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(1, 2, 7, 6), a - CRect(1, 2, 3, 4));
    EXPECT_TRUE((a & CRect(20, 20, 30, 30)).IsRectEmpty());

    CRect c(a);
    c &= b;
    EXPECT_EQ(CRect(5, 5, 10, 10), c);
    c |= a;
    EXPECT_EQ(a, c);
    c += CPoint(1, 1);
    c -= CSize(1, 1);
    EXPECT_EQ(a, c);
    EXPECT_TRUE(c == a);
    EXPECT_FALSE(c != a);
}

TEST(GeometryValues, RectSetOperationsReportEmptiness)
{
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(CRect(5, 5, 10, 10), r);
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(CRect(0, 0, 1, 1), CRect(4, 4, 5, 5)));
    EXPECT_EQ(CRect(0, 0, 5, 5), r);
    EXPECT_TRUE(r.SubtractRect(CRect(0, 0, 10, 10), CRect(5, 0, 10, 10)));
    EXPECT_EQ(CRect(0, 0, 5, 10), r);
}

TEST(GeometryValues, RectNormalizeAndScale)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    r.NormalizeRect();
    EXPECT_EQ(CRect(0, 5, 10, 20), r);
    EXPECT_EQ(CRect(0, 10, 20, 40), r.MulDiv(2, 1));
    EXPECT_EQ(CRect(0, 2, 3, 7), CRect(0, 5, 10, 20).MulDiv(1, 3));
    CRect s(1, 2, 3, 4);
    s.SwapLeftRight();
    EXPECT_EQ(CRect(3, 2, 1, 4), s);
}

} // namespace
