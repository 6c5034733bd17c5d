// Painting read back from the screen: faces, empty area, sort arrow, icon, bitmap, caption, fonts, colours.
#include "HeaderTestSupport.h"

#include <afxcmn.h>

using namespace qeltest;
using namespace headertest;

namespace {

struct Colours
{
    COLORREF face = _gWindowColor.m_crBtnFace;
    COLORREF light = _gWindowColor.m_crBtnHighlight;
    COLORREF shadow = _gWindowColor.m_crBtnShadow;
    COLORREF dark = _gWindowColor.m_cr3DDkShadow;
    COLORREF text = _gWindowColor.m_crBtnText;
};

class HeaderPaint : public HeaderTest
{
protected:
    void SetUp() override
    {
        HeaderTest::SetUp();
        ASSERT_NE(c.face, c.light);
        ASSERT_NE(c.face, c.shadow);
        ASSERT_NE(c.face, c.dark);
        ASSERT_NE(c.light, c.dark);
    }

    void SetCaption(int nColumn, LPCTSTR text, int fmt = HDF_LEFT | HDF_STRING)
    {
        HDITEM item = {};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = const_cast<LPTSTR>(text);
        item.fmt = fmt;
        ::SendMessage(hwnd, HDM_SETITEM, nColumn, (LPARAM)&item);
    }

    void MarkSorted(int nColumn, bool ascending)
    {
        ASSERT_EQ(1, header.EnableSortColumn(nColumn, 1));
        header.SetSortColumn(nColumn, ascending ? 1 : 0, 0);
    }

    const DrawCall* FindDraw(int nItem) const
    {
        for (const DrawCall& d : header.draws)
            if (d.nItem == nItem)
                return &d;
        return nullptr;
    }

    // Compares the pixels of `area` with the caption drawn by DrawText on the face colour, with the given
    // font, colour, rectangle and format.
    ::testing::AssertionResult CaptionMatches(const CCapture& cap, const CRect& area, LPCTSTR text,
                                              CRect textRect, UINT format, HFONT hFont, COLORREF crText)
    {
        CRect client;
        ::GetClientRect(hwnd, &client);
        CTestBitmap expected(client.Width(), client.Height(), c.face);
        HDC hdc = expected.GetSafeHdc();
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        ::SetTextColor(hdc, crText);
        ::SetBkMode(hdc, TRANSPARENT);
        ::IntersectClipRect(hdc, area.left, area.top, area.right, area.bottom);
        ::DrawText(hdc, text, -1, &textRect, format);
        ::SelectObject(hdc, hOld);
        int ink = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
            {
                if (expected.Pixel(x, y) != c.face)
                    ++ink;
                if (cap.At(x, y) != expected.Pixel(x, y))
                    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is 0x" << std::hex
                                                         << cap.At(x, y) << ", expected 0x" << expected.Pixel(x, y);
            }
        if (ink == 0)
            return ::testing::AssertionFailure() << "the expected caption has no ink in the area";
        return ::testing::AssertionSuccess();
    }

    Colours c;
};

TEST_F(HeaderPaint, ColumnFacesAndTheEmptyAreaUseTheBuiltInLook)
{
    MakeHeader({100, 150, 120});
    CCapture cap(hwnd);
    // Column 0: light top and left, shadow right and bottom, face inside.
    EXPECT_EQ(c.light, cap.At(0, 0));
    EXPECT_EQ(c.light, cap.At(0, 12));
    EXPECT_EQ(c.light, cap.At(50, 0));
    EXPECT_EQ(c.shadow, cap.At(99, 12));
    EXPECT_EQ(c.shadow, cap.At(50, 23));
    EXPECT_EQ(c.face, cap.At(95, 3));
    // Column 1 starts with its own light edge.
    EXPECT_EQ(c.light, cap.At(100, 12));
    EXPECT_EQ(c.shadow, cap.At(249, 12));
    // The empty area from 370: its face reaches the client's right edge, whose shadow lies outside.
    EXPECT_EQ(c.light, cap.At(370, 12));
    EXPECT_EQ(c.face, cap.At(450, 12));
    EXPECT_EQ(c.shadow, cap.At(450, 23));
    EXPECT_EQ(c.face, cap.At(499, 12));
}

TEST_F(HeaderPaint, EveryColumnIsClippedToItsRectangleAndTheEmptyAreaComesLast)
{
    MakeHeader({100, 150, 120});
    header.ResetProbe();
    Repaint();
    ASSERT_EQ(4u, header.draws.size());
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(i, header.draws[i].nItem);
        EXPECT_EQ(ItemRect(hwnd, i), header.draws[i].rect);
        EXPECT_EQ(SIMPLEREGION, header.draws[i].nClip);
        EXPECT_EQ(ItemRect(hwnd, i), header.draws[i].clipBox);
        EXPECT_EQ(0, header.draws[i].bPressed);
        EXPECT_EQ(0, header.draws[i].bHot);
    }
    EXPECT_EQ(-1, header.draws[3].nItem);
    EXPECT_EQ(CRect(370, 0, 501, 24), header.draws[3].rect);
    EXPECT_EQ(-1, header.draws[3].nClip);    // no clip region for the empty area
    EXPECT_EQ(1, header.nPaints);
}

TEST_F(HeaderPaint, HeaderWithoutColumnsIsOneEmptyArea)
{
    MakeHeader({});
    header.ResetProbe();
    CCapture cap(hwnd);
    ASSERT_EQ(1u, header.draws.size());
    EXPECT_EQ(-1, header.draws[0].nItem);
    EXPECT_EQ(CRect(0, 0, 501, 24), header.draws[0].rect);
    EXPECT_EQ(0, header.draws[0].bPressed);
    EXPECT_EQ(0, header.draws[0].bHot);
    EXPECT_EQ(c.light, cap.At(0, 12));
    EXPECT_EQ(c.light, cap.At(200, 0));
    EXPECT_EQ(c.shadow, cap.At(200, 23));
    EXPECT_EQ(c.face, cap.At(200, 12));
    EXPECT_EQ(c.face, cap.At(499, 12));
}

TEST_F(HeaderPaint, AscendingArrowSitsAtTheRightEndOfItsColumn)
{
    MakeHeader({100, 150, 120});
    MarkSorted(1, true);
    header.ResetProbe();
    CCapture cap(hwnd);
    // R = 250, h = 8: the arrow box is (229, 8, 245, 16).
    ASSERT_EQ(1u, header.arrows.size());
    EXPECT_EQ(CRect(229, 8, 245, 16), header.arrows[0].first);
    EXPECT_EQ(1, header.arrows[0].second);
    EXPECT_EQ(c.light, cap.At(229, 16));   // base, light
    EXPECT_EQ(c.light, cap.At(237, 16));
    EXPECT_EQ(c.light, cap.At(245, 16));   // right corner, where the right side starts
    EXPECT_EQ(c.light, cap.At(244, 15));   // right side, light
    EXPECT_EQ(c.dark, cap.At(237, 8));     // apex, where the dark left side starts
    EXPECT_EQ(c.dark, cap.At(236, 9));     // left side, dark
    EXPECT_EQ(c.face, cap.At(237, 7));
    EXPECT_EQ(c.face, cap.At(237, 13));    // inside the triangle
    EXPECT_EQ(c.face, cap.At(246, 16));
    EXPECT_EQ(c.face, cap.At(228, 16));
    EXPECT_EQ(c.face, cap.At(237, 17));
}

TEST_F(HeaderPaint, DescendingArrowPointsDown)
{
    MakeHeader({100, 150, 120});
    MarkSorted(2, false);
    header.ResetProbe();
    CCapture cap(hwnd);
    // R = 370: the arrow box is (349, 8, 365, 16).
    ASSERT_EQ(1u, header.arrows.size());
    EXPECT_EQ(CRect(349, 8, 365, 16), header.arrows[0].first);
    EXPECT_EQ(0, header.arrows[0].second);
    EXPECT_EQ(c.light, cap.At(365, 8));    // start of the light right side
    EXPECT_EQ(c.light, cap.At(364, 9));
    EXPECT_EQ(c.dark, cap.At(357, 16));    // bottom tip, where the dark left side starts
    EXPECT_EQ(c.dark, cap.At(356, 15));
    EXPECT_EQ(c.dark, cap.At(349, 8));     // top edge, dark
    EXPECT_EQ(c.face, cap.At(357, 12));
    EXPECT_EQ(c.face, cap.At(357, 17));
    EXPECT_EQ(c.face, cap.At(357, 7));
}

TEST_F(HeaderPaint, EachMarkedColumnGetsItsOwnArrow)
{
    MakeHeader({100, 150, 120});
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(1, header.EnableSortColumn(i, 1));
    header.EnableMultipleSort(1);
    header.SetSortColumn(0, 1, 1);
    header.SetSortColumn(2, 0, 1);
    header.ResetProbe();
    Repaint();
    ASSERT_EQ(2u, header.arrows.size());
    EXPECT_EQ(CRect(79, 8, 95, 16), header.arrows[0].first);
    EXPECT_EQ(1, header.arrows[0].second);
    EXPECT_EQ(CRect(349, 8, 365, 16), header.arrows[1].first);
    EXPECT_EQ(0, header.arrows[1].second);
}

TEST_F(HeaderPaint, LongCaptionEndsWithAnEllipsisLeftOfTheArrow)
{
    MakeHeader({100, 150, 120});
    LPCTSTR text = _T("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    SetCaption(1, text);
    MarkSorted(1, true);
    CCapture cap(hwnd);
    // The caption ends at R - 27 = 223; nothing of it lies between there and the arrow.
    EXPECT_TRUE(CaptionMatches(cap, CRect(101, 1, 228, 23), text, CRect(105, 0, 223, 24),
                               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT,
                               header.OwnFont(), c.text));
    EXPECT_EQ(-1, cap.FirstInk(223, 229, 1, 23, c.face));
}

TEST_F(HeaderPaint, CaptionShowsAnAmpersandAndFollowsTheAlignment)
{
    MakeHeader({100, 150, 120});
    SetCaption(0, _T("A&B"));
    SetCaption(1, _T("Mid"), HDF_CENTER | HDF_STRING);
    SetCaption(2, _T("Right"), HDF_RIGHT | HDF_STRING);
    CCapture cap(hwnd);
    const UINT base = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    EXPECT_TRUE(CaptionMatches(cap, CRect(1, 1, 99, 23), _T("A&B"), CRect(5, 0, 95, 24), base | DT_LEFT,
                               header.OwnFont(), c.text));
    EXPECT_FALSE(CaptionMatches(cap, CRect(1, 1, 99, 23), _T("A&B"), CRect(5, 0, 95, 24),
                                DT_SINGLELINE | DT_VCENTER | DT_LEFT, header.OwnFont(), c.text));
    EXPECT_TRUE(CaptionMatches(cap, CRect(101, 1, 249, 23), _T("Mid"), CRect(105, 0, 245, 24), base | DT_CENTER,
                               header.OwnFont(), c.text));
    EXPECT_TRUE(CaptionMatches(cap, CRect(251, 1, 369, 23), _T("Right"), CRect(255, 0, 365, 24), base | DT_RIGHT,
                               header.OwnFont(), c.text));
}

#ifdef _UNICODE
TEST_F(HeaderPaint, NonLatinCaptionsPaintAsDrawTextDrawsThem)
{
    MakeHeader({100, 150, 120});
    SetCaption(0, L"\u0391\u03b8\u03ae\u03bd\u03b1");
    SetCaption(1, L"\u041c\u043e\u0441\u043a\u0432\u0430");
    SetCaption(2, L"\u6771\u4eac\u90fd");
    CCapture cap(hwnd);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT;
    EXPECT_TRUE(CaptionMatches(cap, CRect(1, 1, 99, 23), L"\u0391\u03b8\u03ae\u03bd\u03b1", CRect(5, 0, 95, 24), format,
                               header.OwnFont(), c.text));
    EXPECT_TRUE(CaptionMatches(cap, CRect(101, 1, 249, 23), L"\u041c\u043e\u0441\u043a\u0432\u0430",
                               CRect(105, 0, 245, 24), format, header.OwnFont(), c.text));
    EXPECT_TRUE(CaptionMatches(cap, CRect(251, 1, 369, 23), L"\u6771\u4eac\u90fd", CRect(255, 0, 365, 24), format,
                               header.OwnFont(), c.text));
}
#endif

TEST_F(HeaderPaint, IconTakesTheLeftEndAndPushesTheCaption)
{
    MakeHeader({100, 150, 120});
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
    CTestBitmap red(16, 16, RGB(255, 0, 0));
    HBITMAP hRed = ::CreateBitmap(16, 16, 1, 32, NULL);
    {
        HDC hdc = ::CreateCompatibleDC(red.GetSafeHdc());
        HGDIOBJ old = ::SelectObject(hdc, hRed);
        ::BitBlt(hdc, 0, 0, 16, 16, red.GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
    }
    ASSERT_EQ(0, ImageList_Add(images.GetSafeHandle(), hRed, NULL));
    ::DeleteObject(hRed);
    ::SendMessageA(hwnd, HDM_SETIMAGELIST, 0, (LPARAM)images.GetSafeHandle());
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_IMAGE | HDI_TEXT;
    item.fmt = HDF_LEFT | HDF_STRING | HDF_IMAGE;
    item.iImage = 0;
    item.pszText = const_cast<LPSTR>("Icon");
    ::SendMessageA(hwnd, HDM_SETITEMA, 1, (LPARAM)&item);

    CCapture cap(hwnd);
    const COLORREF red24 = RGB(255, 0, 0);
    // Drawn at x = L + 1, y = (0 + 24 - 16) / 2.
    EXPECT_EQ(red24, cap.At(101, 4));
    EXPECT_EQ(red24, cap.At(116, 19));
    EXPECT_NE(red24, cap.At(117, 10));
    EXPECT_NE(red24, cap.At(101, 3));
    EXPECT_EQ(c.light, cap.At(100, 10));
    // The caption begins at L + 16 + 5.
    EXPECT_TRUE(CaptionMatches(cap, CRect(117, 1, 249, 23), _T("Icon"), CRect(121, 0, 245, 24),
                               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT,
                               header.OwnFont(), c.text));
    ::SendMessageA(hwnd, HDM_SETIMAGELIST, 0, 0);
    images.DeleteImageList();
}

TEST_F(HeaderPaint, BitmapOnTheLeftOrTheRight)
{
    MakeHeader({100, 150, 120});
    CTestBitmap blue(10, 10, RGB(0, 0, 255));
    HBITMAP hBlue = ::CreateBitmap(10, 10, 1, 32, NULL);
    {
        HDC hdc = ::CreateCompatibleDC(blue.GetSafeHdc());
        HGDIOBJ old = ::SelectObject(hdc, hBlue);
        ::BitBlt(hdc, 0, 0, 10, 10, blue.GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
    }
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP | HDI_TEXT;
    item.fmt = HDF_LEFT | HDF_STRING | HDF_BITMAP;
    item.hbm = hBlue;
    item.pszText = const_cast<LPSTR>("Left");
    ::SendMessageA(hwnd, HDM_SETITEMA, 0, (LPARAM)&item);
    item.fmt = HDF_RIGHT | HDF_STRING | HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
    item.pszText = const_cast<LPSTR>("Right");
    ::SendMessageA(hwnd, HDM_SETITEMA, 1, (LPARAM)&item);

    CCapture cap(hwnd);
    const COLORREF blue24 = RGB(0, 0, 255);
    const UINT base = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    // Left: x = L + 1, y = (24 - 10) / 2; the caption begins 5 pixels after it.
    EXPECT_EQ(blue24, cap.At(1, 7));
    EXPECT_EQ(blue24, cap.At(10, 16));
    EXPECT_NE(blue24, cap.At(11, 10));
    EXPECT_NE(blue24, cap.At(5, 6));
    EXPECT_TRUE(CaptionMatches(cap, CRect(11, 1, 99, 23), _T("Left"), CRect(16, 0, 95, 24), base | DT_LEFT,
                               header.OwnFont(), c.text));
    // Right: x = R - 1 - 10 = 239; the caption ends 5 pixels before it.
    EXPECT_EQ(blue24, cap.At(239, 7));
    EXPECT_EQ(blue24, cap.At(248, 16));
    EXPECT_NE(blue24, cap.At(238, 10));
    EXPECT_TRUE(CaptionMatches(cap, CRect(101, 1, 239, 23), _T("Right"), CRect(105, 0, 234, 24), base | DT_RIGHT,
                               header.OwnFont(), c.text));
    SetCaption(0, _T("x"));
    SetCaption(1, _T("y"));
    ::DeleteObject(hBlue);
}

TEST_F(HeaderPaint, HiddenMarkedColumnLeavesNoTrace)
{
    MakeHeader({100, 150, 120});
    SetCaption(0, _T(""));
    SetCaption(1, _T("WWWWWWWWWWWWWWWWWWWW"));
    ASSERT_EQ(1, header.ShowColumn(1, 0, -1));
    MarkSorted(1, true);
    header.ResetProbe();
    CCapture cap(hwnd);
    const DrawCall* hidden = FindDraw(1);
    ASSERT_TRUE(hidden != nullptr);
    EXPECT_EQ(NULLREGION, hidden->nClip);
    // Unclipped, its arrow would fall at 79..95 inside column 0.
    EXPECT_EQ(-1, cap.FirstInk(1, 99, 1, 23, c.face));
    // Column 2 now starts at 100.
    EXPECT_EQ(c.light, cap.At(100, 12));
}

TEST_F(HeaderPaint, HotColumnIsFlaggedAndLooksLikeANormalOneInTheBuiltInTheme)
{
    MakeHeader({100, 150, 120});
    CCapture before(hwnd);
    PlaceCursor(CPoint(175, 12));
    MouseMove(hwnd, CPoint(175, 12));
    ASSERT_EQ(1, header.HotItem());
    header.ResetProbe();
    Repaint();
    const DrawCall* hot = FindDraw(1);
    ASSERT_TRUE(hot != nullptr);
    EXPECT_EQ(1, hot->bHot);
    EXPECT_EQ(0, FindDraw(0)->bHot);
    CCapture after(hwnd);
    for (int x = 100; x < 250; ++x)
        for (int y = 0; y < 24; ++y)
            ASSERT_EQ(before.At(x, y), after.At(x, y)) << x << "," << y;
}

TEST_F(HeaderPaint, BackgroundBrushKeepsTheColourOfConstructionTextColourFollowsTheSet)
{
    const CQELWindowColor saved(_gWindowColor);
    MakeHeader({100, 150, 120});
    const COLORREF newFace = RGB(10, 200, 30);
    const COLORREF newText = RGB(200, 0, 0);
    _gWindowColor.m_crBtnFace = newFace;
    _gWindowColor.m_crBtnText = newText;
    CCapture cap(hwnd);
    CProbeHeader later;
    _gWindowColor = saved;

    EXPECT_EQ(c.face, cap.At(450, 12));
    EXPECT_TRUE(CaptionMatches(cap, CRect(1, 1, 99, 23), _T("Col0"), CRect(5, 0, 95, 24),
                               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT,
                               header.OwnFont(), newText));
    LOGBRUSH lb = {};
    ASSERT_NE(0, ::GetObjectA(later.BackgroundBrush(), sizeof(lb), &lb));
    EXPECT_EQ(newFace, lb.lbColor);
}

// ---- Fonts -----------------------------------------------------------------------------------------

TEST_F(HeaderPaint, OwnFontIsUsedWithoutUserFontOutsideDialogs)
{
    MakeHeader({100, 150});
    EXPECT_EQ(0, header.DialogControl());
    header.ResetProbe();
    Repaint();
    ASSERT_FALSE(header.draws.empty());
    for (const DrawCall& d : header.draws)
        EXPECT_EQ(header.OwnFont(), d.hFont);
}

TEST_F(HeaderPaint, UserFontIsKeptAndNotPassedToTheControl)
{
    MakeHeader({100, 150});
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(140, _T("Arial")));
    header.ResetProbe();
    EXPECT_EQ(0, ::SendMessageA(hwnd, WM_SETFONT, (WPARAM)font.GetSafeHandle(), FALSE));
    EXPECT_EQ(0, header.nPaints);
    EXPECT_EQ((HFONT)font.GetSafeHandle(), header.UserFont());
    EXPECT_EQ(0, CDefaultLog::Count(WM_SETFONT));

    ::SendMessageA(hwnd, WM_SETFONT, (WPARAM)font.GetSafeHandle(), TRUE);
    EXPECT_EQ(1, header.nPaints);    // repainted at once
    ASSERT_FALSE(header.draws.empty());
    for (const DrawCall& d : header.draws)
        EXPECT_EQ((HFONT)font.GetSafeHandle(), d.hFont);
    ::SendMessageA(hwnd, WM_SETFONT, 0, FALSE);
}

TEST_F(HeaderPaint, OwnFontFollowsTheMenuFontWithTheTahomaRule)
{
    MakeHeader({100});
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = 340;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0));
    LOGFONTA lf = {};
    ASSERT_NE(0, ::GetObjectA(header.OwnFont(), sizeof(lf), &lf));
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, lf.lfHeight);
    EXPECT_EQ(ncm.lfMenuFont.lfWeight, lf.lfWeight);
    EXPECT_EQ(ncm.lfMenuFont.lfItalic, lf.lfItalic);
    HDC hScreen = ::GetWindowDC(NULL);
    EXPECT_EQ(::GetTextCharsetInfo(hScreen, NULL, 0), lf.lfCharSet);
    // Is Tahoma installed? Ask by family name, another way than the header does.
    struct Found { static int CALLBACK Proc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM l) { *(bool*)l = true; return 0; } };
    bool tahoma = false;
    ::EnumFontFamiliesA(hScreen, "Tahoma", Found::Proc, (LPARAM)&tahoma);
    ::ReleaseDC(NULL, hScreen);
    if (ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET)
        EXPECT_STREQ(tahoma ? "Tahoma" : "MS Sans Serif", lf.lfFaceName);
    else
        EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, lf.lfFaceName);

    // Each call builds a new font of the same description.
    HFONT hOther = header.BuildFont();
    ASSERT_TRUE(hOther != NULL);
    EXPECT_NE(header.OwnFont(), hOther);
    LOGFONTA lf2 = {};
    ::GetObjectA(hOther, sizeof(lf2), &lf2);
    EXPECT_STREQ(lf.lfFaceName, lf2.lfFaceName);
    ::DeleteObject(hOther);
}

// A dialog object for the dialog-font and IsDialogControl cases.
class CTestDialog : public CDialog
{
public:
    BOOL Open(CWnd* pParent)
    {
        return CreateIndirect(m_template.Get(), pParent);
    }
    CDialogTemplate m_template{"Dialog", 300, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT};
};

TEST_F(HeaderPaint, HeaderCreatedInADialogPaintsWithTheGuiFontUnlessGivenOne)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Open(&parent));
    CProbeHeader inDialog;
    ASSERT_TRUE(inDialog.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 24), &dialog, 5));
    EXPECT_EQ(1, inDialog.DialogControl());
    AddColumn(inDialog.GetSafeHwnd(), "A", 100);
    inDialog.ResetProbe();
    ::RedrawWindow(inDialog.GetSafeHwnd(), NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(inDialog.draws.empty());
    EXPECT_EQ((HFONT)::GetStockObject(DEFAULT_GUI_FONT), inDialog.draws[0].hFont);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, _T("Arial")));
    inDialog.ResetProbe();
    ::SendMessageA(inDialog.GetSafeHwnd(), WM_SETFONT, (WPARAM)font.GetSafeHandle(), TRUE);
    ASSERT_FALSE(inDialog.draws.empty());
    EXPECT_EQ((HFONT)font.GetSafeHandle(), inDialog.draws[0].hFont);
    inDialog.DestroyWindow();
    dialog.DestroyWindow();
}

TEST_F(HeaderPaint, HeaderSubclassedInADialogIsADialogControl)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Open(&parent));
    HWND hNative = CreateNativeHeader(dialog.GetSafeHwnd(), 0, 0, 300, 24);
    CProbeHeader inDialog;
    ASSERT_TRUE(inDialog.SubclassWindow(hNative));
    EXPECT_EQ(1, inDialog.DialogControl());
    inDialog.DestroyWindow();
    dialog.DestroyWindow();
}

// ---- IsDialogControl ---------------------------------------------------------------------------------

TEST_F(HeaderPaint, IsDialogControlLooksForAnMfcDialogObjectAmongTheAncestors)
{
    EXPECT_FALSE(IsDialogControl(NULL));
    EXPECT_FALSE(IsDialogControl(&parent));

    CStatic inTopLevel;
    ASSERT_TRUE(inTopLevel.Create(_T("x"), WS_CHILD, CRect(0, 0, 10, 10), &parent, 9));
    EXPECT_FALSE(IsDialogControl(&inTopLevel));

    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Frame")));
    CStatic inFrame;
    ASSERT_TRUE(inFrame.Create(_T("x"), WS_CHILD, CRect(0, 0, 10, 10), pFrame, 9));
    EXPECT_FALSE(IsDialogControl(&inFrame));
    inFrame.DestroyWindow();
    pFrame->DestroyWindow();   // deletes itself

    CTestDialog dialog;
    ASSERT_TRUE(dialog.Open(&parent));
    CStatic panel;
    ASSERT_TRUE(panel.Create(_T(""), WS_CHILD, CRect(0, 0, 50, 50), &dialog, 10));
    CStatic inPanel;
    ASSERT_TRUE(inPanel.Create(_T("x"), WS_CHILD, CRect(0, 0, 10, 10), &panel, 11));
    EXPECT_TRUE(IsDialogControl(&panel));
    EXPECT_TRUE(IsDialogControl(&inPanel));
    EXPECT_FALSE(IsDialogControl(&dialog));   // the dialog itself has the top-level parent as owner

    // An owned pop-up climbs to its owner.
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), _T("popup"), WS_POPUP, CRect(0, 0, 10, 10), &dialog, 0));
    EXPECT_TRUE(IsDialogControl(&popup));
    popup.DestroyWindow();
    inPanel.DestroyWindow();
    panel.DestroyWindow();
    dialog.DestroyWindow();
}

TEST_F(HeaderPaint, DialogWithoutAnMfcObjectDoesNotCount)
{
    CDialogTemplate tmpl("Plain", 100, 50, WS_POPUP | WS_CAPTION | DS_SETFONT);
    struct Plain { static INT_PTR CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) { return FALSE; } };
    HWND hDialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), tmpl.Get(), parent.GetSafeHwnd(),
                                                Plain::Proc, 0);
    ASSERT_TRUE(hDialog != NULL);
    HWND hChild = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, hDialog, NULL, NULL, NULL);
    CStatic child;
    ASSERT_TRUE(child.SubclassWindow(hChild));
    EXPECT_FALSE(IsDialogControl(&child));
    child.UnsubclassWindow();
    ::DestroyWindow(hDialog);
    PumpUntilIdle();
}

} // namespace
