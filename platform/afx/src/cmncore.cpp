// CImageList, CListCtrl and CHeaderCtrl: thin wrappers over the common controls.
#include <afxwin.h>
#include <afxcmn.h>
#include "valhandlemap_.h"

#include <string.h>

namespace
{

inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(hWnd, message, wParam, lParam);
}

// The common-control classes are registered once per process before the first creation.
void InitCommonControlClasses(DWORD dwICC)
{
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = dwICC;
    ::InitCommonControlsEx(&icc);
}

void ReleaseTempImageList(CImageList* pImageList)
{
    pImageList->m_hImageList = NULL;
    delete pImageList;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
    return (HBITMAP)(pBitmap == NULL ? NULL : pBitmap->m_hObject);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CImageList

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList()
    : m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return NULL;
    CValueHandleMap<CImageList, HIMAGELIST>& map = AfxGetValueThreadMaps().imageList;
    CImageList* pImageList = map.LookupPermanent(hImageList);
    if (pImageList == NULL)
        pImageList = map.LookupTemporary(hImageList);
    if (pImageList == NULL)
    {
        pImageList = new CImageList;
        pImageList->m_hImageList = hImageList;
        map.SetTemporary(hImageList, pImageList);
    }
    return pImageList;
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return NULL;
    return AfxGetValueThreadMaps().imageList.LookupPermanent(hImageList);
}

void PASCAL CImageList::DeleteTempMap()
{
    AfxGetValueThreadMaps().imageList.DeleteTemp(&ReleaseTempImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return FALSE;
    if (m_hImageList != NULL)
        Detach();
    m_hImageList = hImageList;
    AfxGetValueThreadMaps().imageList.SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != NULL)
        AfxGetValueThreadMaps().imageList.RemovePermanent(hImageList, this);
    m_hImageList = NULL;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImage(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy)
{
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    if (pImageList == NULL)
        return FALSE;
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_ExtractIcon(NULL, m_hImageList, nImage);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC == NULL ? NULL : pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    if (pimldp == NULL)
        return FALSE;
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags)
{
    if (pSrc == NULL)
        return FALSE;
    return ImageList_Copy(m_hImageList, iDst, pSrc->m_hImageList, iSrc, uFlags);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void PASCAL CImageList::EndDrag()
{
    ImageList_EndDrag();
}

BOOL PASCAL CImageList::DragMove(CPoint pt)
{
    return ImageList_DragMove(pt.x, pt.y);
}

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot)
{
    return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow)
{
    return ImageList_DragShowNolock(bShow);
}

CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
{
    return CImageList::FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock == NULL ? NULL : pWndLock->m_hWnd, point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock == NULL ? NULL : pWndLock->m_hWnd);
}

/////////////////////////////////////////////////////////////////////////////
// CListCtrl

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CListCtrl::CListCtrl()
{
}

CListCtrl::~CListCtrl()
{
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    CWnd* pWnd = this;
    return pWnd->Create(WC_LISTVIEW, NULL, dwStyle, rect, pParentWnd, nID);
}

COLORREF CListCtrl::GetBkColor() const { return (COLORREF)Send(m_hWnd, LVM_GETBKCOLOR); }
BOOL CListCtrl::SetBkColor(COLORREF cr) { return (BOOL)Send(m_hWnd, LVM_SETBKCOLOR, 0, cr); }

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, LVM_GETIMAGELIST, nImageList));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, LVM_SETIMAGELIST, nImageListType,
                                                   (LPARAM)pImageList->GetSafeHandle()));
}

int CListCtrl::GetItemCount() const { return (int)Send(m_hWnd, LVM_GETITEMCOUNT); }
BOOL CListCtrl::GetItem(LVITEM* pItem) const { return (BOOL)Send(m_hWnd, LVM_GETITEM, 0, (LPARAM)pItem); }
BOOL CListCtrl::SetItem(const LVITEM* pItem) { return (BOOL)Send(m_hWnd, LVM_SETITEM, 0, (LPARAM)pItem); }

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (BOOL)Send(m_hWnd, LVM_SETITEM, 0, (LPARAM)&lvi);
}

UINT CListCtrl::GetCallbackMask() const { return (UINT)Send(m_hWnd, LVM_GETCALLBACKMASK); }
BOOL CListCtrl::SetCallbackMask(UINT nMask) { return (BOOL)Send(m_hWnd, LVM_SETCALLBACKMASK, nMask); }

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return (int)Send(m_hWnd, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return (POSITION)(DWORD_PTR)(1 + GetNextItem(-1, LVIS_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const DWORD_PTR nOldPos = (DWORD_PTR)pos - 1;
    pos = (POSITION)(DWORD_PTR)(1 + GetNextItem((int)nOldPos, LVIS_SELECTED));
    return (int)nOldPos;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (lpRect == NULL)
        return FALSE;
    lpRect->left = nCode;
    return (BOOL)Send(m_hWnd, LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::SetItemPosition(int nItem, POINT pt)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMPOSITION32, nItem, (LPARAM)&pt);
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
{
    return (BOOL)Send(m_hWnd, LVM_GETITEMPOSITION, nItem, (LPARAM)lpPoint);
}

int CListCtrl::GetStringWidth(LPCTSTR lpsz) const
{
    return (int)Send(m_hWnd, LVM_GETSTRINGWIDTH, 0, (LPARAM)lpsz);
}

CEdit* CListCtrl::GetEditControl() const
{
    return (CEdit*)CWnd::FromHandle((HWND)Send(m_hWnd, LVM_GETEDITCONTROL));
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    return (BOOL)Send(m_hWnd, LVM_GETCOLUMN, nCol, (LPARAM)pColumn);
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMN, nCol, (LPARAM)pColumn);
}

int CListCtrl::GetColumnWidth(int nCol) const { return (int)Send(m_hWnd, LVM_GETCOLUMNWIDTH, nCol); }
BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
}
BOOL CListCtrl::GetViewRect(LPRECT lpRect) const { return (BOOL)Send(m_hWnd, LVM_GETVIEWRECT, 0, (LPARAM)lpRect); }
COLORREF CListCtrl::GetTextColor() const { return (COLORREF)Send(m_hWnd, LVM_GETTEXTCOLOR); }
BOOL CListCtrl::SetTextColor(COLORREF cr) { return (BOOL)Send(m_hWnd, LVM_SETTEXTCOLOR, 0, cr); }
COLORREF CListCtrl::GetTextBkColor() const { return (COLORREF)Send(m_hWnd, LVM_GETTEXTBKCOLOR); }
BOOL CListCtrl::SetTextBkColor(COLORREF cr) { return (BOOL)Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, cr); }
int CListCtrl::GetTopIndex() const { return (int)Send(m_hWnd, LVM_GETTOPINDEX); }
int CListCtrl::GetCountPerPage() const { return (int)Send(m_hWnd, LVM_GETCOUNTPERPAGE); }
BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const { return (BOOL)Send(m_hWnd, LVM_GETORIGIN, 0, (LPARAM)lpPoint); }

BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)pItem);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)&lvi);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return (UINT)Send(m_hWnd, LVM_GETITEMSTATE, nItem, nMask);
}

// Reads into a growing buffer until the text fits with room to spare (an exact fit may be a cut).
CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    CString str;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        nRes = (int)Send(m_hWnd, LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1 && nLen < 0x1000000);
    str.ReleaseBuffer(nRes > 0 ? nRes : 0);
    return str;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)Send(m_hWnd, LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    return SetItem(nItem, nSubItem, LVIF_TEXT, lpszText, 0, 0, 0, 0);
}

void CListCtrl::SetItemCount(int nItems) { Send(m_hWnd, LVM_SETITEMCOUNT, nItems); }
BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags)
{
    return (BOOL)Send(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)iCount, (LPARAM)dwFlags);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    Send(m_hWnd, LVM_GETITEM, 0, (LPARAM)&lvi);
    return (DWORD_PTR)lvi.lParam;
}

UINT CListCtrl::GetSelectedCount() const { return (UINT)Send(m_hWnd, LVM_GETSELECTEDCOUNT); }

BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray)
{
    return (BOOL)Send(m_hWnd, LVM_SETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount)
{
    int nCount = iCount;
    if (nCount == -1)
    {
        CHeaderCtrl* pCtrl = GetHeaderCtrl();
        if (pCtrl != NULL)
            nCount = pCtrl->GetItemCount();
    }
    if (nCount == -1)
        return FALSE;
    return (BOOL)Send(m_hWnd, LVM_GETCOLUMNORDERARRAY, nCount, (LPARAM)piArray);
}

CSize CListCtrl::SetIconSpacing(CSize size)
{
    const DWORD dwRet = (DWORD)Send(m_hWnd, LVM_SETICONSPACING, 0, MAKELONG(size.cx, size.cy));
    return CSize((int)LOWORD(dwRet), (int)HIWORD(dwRet));
}

CSize CListCtrl::SetIconSpacing(int cx, int cy)
{
    return SetIconSpacing(CSize(cx, cy));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    HWND hWnd = (HWND)Send(m_hWnd, LVM_GETHEADER);
    if (hWnd == NULL)
        return NULL;
    return (CHeaderCtrl*)CWnd::FromHandle(hWnd);
}

HCURSOR CListCtrl::GetHotCursor() { return (HCURSOR)Send(m_hWnd, LVM_GETHOTCURSOR); }
HCURSOR CListCtrl::SetHotCursor(HCURSOR hc) { return (HCURSOR)Send(m_hWnd, LVM_SETHOTCURSOR, 0, (LPARAM)hc); }

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref)
{
    RECT rect;
    rect.top = iSubItem;
    rect.left = nArea;
    rect.right = 0;
    rect.bottom = 0;
    const BOOL bRet = (BOOL)Send(m_hWnd, LVM_GETSUBITEMRECT, iItem, (LPARAM)&rect);
    if (bRet)
        ref = rect;
    return bRet;
}

int CListCtrl::GetHotItem() { return (int)Send(m_hWnd, LVM_GETHOTITEM); }
int CListCtrl::SetHotItem(int iIndex) { return (int)Send(m_hWnd, LVM_SETHOTITEM, iIndex); }
int CListCtrl::GetSelectionMark() { return (int)Send(m_hWnd, LVM_GETSELECTIONMARK); }
int CListCtrl::SetSelectionMark(int iIndex) { return (int)Send(m_hWnd, LVM_SETSELECTIONMARK, 0, iIndex); }
DWORD CListCtrl::GetExtendedStyle() { return (DWORD)Send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE); }
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return (DWORD)Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) { return (int)Send(m_hWnd, LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo); }

CSize CListCtrl::ApproximateViewRect(CSize sz, int iCount) const
{
    const DWORD dwRet = (DWORD)Send(m_hWnd, LVM_APPROXIMATEVIEWRECT, iCount, MAKELPARAM(sz.cx, sz.cy));
    return CSize((int)LOWORD(dwRet), (int)HIWORD(dwRet));
}

DWORD CListCtrl::GetHoverTime() const { return (DWORD)Send(m_hWnd, LVM_GETHOVERTIME); }
DWORD CListCtrl::SetHoverTime(DWORD dwHoverTime) { return (DWORD)Send(m_hWnd, LVM_SETHOVERTIME, 0, dwHoverTime); }

BOOL CListCtrl::GetCheck(int nItem) const
{
    const int nState = (int)Send(m_hWnd, LVM_GETITEMSTATE, nItem, LVIS_STATEIMAGEMASK);
    // state image 1 is unchecked, 2 is checked
    return (BOOL)((nState >> 12) - 1);
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.stateMask = LVIS_STATEIMAGEMASK;
    lvi.state = INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1);
    return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)&lvi);
}

int CListCtrl::InsertItem(const LVITEM* pItem) { return (int)Send(m_hWnd, LVM_INSERTITEM, 0, (LPARAM)pItem); }

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam)
{
    LVITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = 0;
    item.pszText = (LPTSTR)lpszItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) { return (BOOL)Send(m_hWnd, LVM_DELETEITEM, nItem); }
BOOL CListCtrl::DeleteAllItems() { return (BOOL)Send(m_hWnd, LVM_DELETEALLITEMS); }
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const
{
    return (int)Send(m_hWnd, LVM_FINDITEM, nStart, (LPARAM)pFindInfo);
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    return (int)Send(m_hWnd, LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = pt;
    const int nRes = (int)Send(m_hWnd, LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return (BOOL)Send(m_hWnd, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0));
}
BOOL CListCtrl::Scroll(CSize size) { return (BOOL)Send(m_hWnd, LVM_SCROLL, size.cx, size.cy); }
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) { return (BOOL)Send(m_hWnd, LVM_REDRAWITEMS, nFirst, nLast); }
BOOL CListCtrl::Arrange(UINT nCode) { return (BOOL)Send(m_hWnd, LVM_ARRANGE, nCode); }
CEdit* CListCtrl::EditLabel(int nItem) { return (CEdit*)CWnd::FromHandle((HWND)Send(m_hWnd, LVM_EDITLABEL, nItem)); }

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    return (int)Send(m_hWnd, LVM_INSERTCOLUMN, nCol, (LPARAM)pColumn);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column;
    memset(&column, 0, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) { return (BOOL)Send(m_hWnd, LVM_DELETECOLUMN, nCol); }

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    HIMAGELIST hImageList = (HIMAGELIST)Send(m_hWnd, LVM_CREATEDRAGIMAGE, nItem, (LPARAM)lpPoint);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

BOOL CListCtrl::Update(int nItem) { return (BOOL)Send(m_hWnd, LVM_UPDATE, nItem); }

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return (BOOL)Send(m_hWnd, LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

void CListCtrl::RemoveImageList(int nImageList)
{
    HIMAGELIST h = (HIMAGELIST)Send(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList);
    if (CImageList::FromHandlePermanent(h) != NULL)
        Send(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageList, 0);
}

void CListCtrl::OnNcDestroy()
{
    RemoveImageList(LVSIL_NORMAL);
    RemoveImageList(LVSIL_SMALL);
    RemoveImageList(LVSIL_STATE);
    CWnd::OnNcDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// CHeaderCtrl

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::CHeaderCtrl()
{
}

CHeaderCtrl::~CHeaderCtrl()
{
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    CWnd* pWnd = this;
    return pWnd->Create(WC_HEADER, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const { return (int)Send(m_hWnd, HDM_GETITEMCOUNT); }
BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    return (BOOL)Send(m_hWnd, HDM_GETITEM, nPos, (LPARAM)pHeaderItem);
}
BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem)
{
    return (BOOL)Send(m_hWnd, HDM_SETITEM, nPos, (LPARAM)pHeaderItem);
}
CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, HDM_GETIMAGELIST));
}
CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)Send(m_hWnd, HDM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}
BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (BOOL)Send(m_hWnd, HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount)
{
    int nCount = iCount;
    if (nCount == -1)
    {
        nCount = GetItemCount();
        if (nCount == -1)
            return FALSE;
    }
    return (BOOL)Send(m_hWnd, HDM_GETORDERARRAY, nCount, (LPARAM)piArray);
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray)
{
    return (BOOL)Send(m_hWnd, HDM_SETORDERARRAY, iCount, (LPARAM)piArray);
}

int CHeaderCtrl::OrderToIndex(int nOrder) const { return (int)Send(m_hWnd, HDM_ORDERTOINDEX, nOrder); }
int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi) { return (int)Send(m_hWnd, HDM_INSERTITEM, nPos, (LPARAM)phdi); }
BOOL CHeaderCtrl::DeleteItem(int nPos) { return (BOOL)Send(m_hWnd, HDM_DELETEITEM, nPos); }
BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)Send(m_hWnd, HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }

CImageList* CHeaderCtrl::CreateDragImage(int nIndex)
{
    HIMAGELIST hImageList = (HIMAGELIST)Send(m_hWnd, HDM_CREATEDRAGIMAGE, nIndex);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

int CHeaderCtrl::SetHotDivider(CPoint pt)
{
    return (int)Send(m_hWnd, HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y));
}

int CHeaderCtrl::SetHotDivider(int nIndex) { return (int)Send(m_hWnd, HDM_SETHOTDIVIDER, FALSE, nIndex); }

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
{
    return (int)Send(m_hWnd, HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
