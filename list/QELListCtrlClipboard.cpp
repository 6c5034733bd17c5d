// CQELListCtrl: copying the captions and the chosen rows to the clipboard as tab-separated text.
#include "QELListCtrlInternal.h"

#include <stdlib.h>
#include <string.h>
#include <tchar.h>

using namespace QELList;

namespace {

// The text's clipboard format in this build's character set; for a wide text the system offers the narrow
// formats to programs that ask for them.
#ifdef _UNICODE
const UINT kClipboardFormat = CF_UNICODETEXT;
#else
const UINT kClipboardFormat = CF_TEXT;
#endif

// Every addition to the text is up to three pieces: a line break, a separator and a caption or cell text.
size_t PiecesLength(LPCTSTR pszLead, LPCTSTR pszSep, size_t nTextLen)
{
    return _tcslen(pszLead) + _tcslen(pszSep) + nTextLen;
}

// Writes the three pieces of one addition to the text at pDest.
void WritePieces(TCHAR* pDest, LPCTSTR pszLead, LPCTSTR pszSep, LPCTSTR pszText, size_t nTextLen)
{
    const size_t nLead = _tcslen(pszLead);
    const size_t nSep = _tcslen(pszSep);
    memcpy(pDest, pszLead, nLead * sizeof(TCHAR));
    memcpy(pDest + nLead, pszSep, nSep * sizeof(TCHAR));
    memcpy(pDest + nLead + nSep, pszText, nTextLen * sizeof(TCHAR));
}

// Text of the clipboard copy, grown in steps of QEL_LIST_CLIPBOARD_BLOCK characters; one character always stays
// free for the terminating zero. The storage behind the capacity is enlarged geometrically: one reallocation
// per step would move the whole text every 100 K characters, which makes a copy of a large list quadratic.
class CClipboardText
{
public:
    CClipboardText() : m_pText(NULL), m_nLength(0), m_nCapacity(0), m_nStorage(0) {}
    ~CClipboardText() { free(m_pText); }
    CClipboardText(const CClipboardText&) = delete;
    CClipboardText& operator=(const CClipboardText&) = delete;

    BOOL Init()
    {
        m_pText = (TCHAR*)calloc(QEL_LIST_CLIPBOARD_BLOCK, sizeof(TCHAR));
        if (m_pText == NULL)
            return FALSE;
        m_nCapacity = QEL_LIST_CLIPBOARD_BLOCK;
        m_nStorage = QEL_LIST_CLIPBOARD_BLOCK;
        return TRUE;
    }

    // Appends up to three pieces as one addition; FALSE when the buffer could not grow.
    BOOL Append(LPCTSTR pszLead, LPCTSTR pszSep, LPCTSTR pszText, size_t nTextLen)
    {
        const size_t nNeeded = m_nLength + PiecesLength(pszLead, pszSep, nTextLen);
        while (nNeeded > m_nCapacity - 1)
        {
            if (!Grow())
                return FALSE;
        }
        WritePieces(m_pText + m_nLength, pszLead, pszSep, pszText, nTextLen);
        m_nLength = nNeeded;
        return TRUE;
    }

    LPCTSTR GetText() const { return m_pText; }
    size_t  GetLength() const { return m_nLength; }

private:
    // One more block of zero-filled capacity; FALSE when the storage could not be enlarged.
    BOOL Grow()
    {
        const size_t nCapacity = m_nCapacity + QEL_LIST_CLIPBOARD_BLOCK;
        if (nCapacity > m_nStorage)
        {
            const size_t nStorage = nCapacity > 2 * m_nStorage ? nCapacity : 2 * m_nStorage;
            TCHAR* pGrown = (TCHAR*)realloc(m_pText, nStorage * sizeof(TCHAR));
            if (pGrown == NULL)
                return FALSE;
            m_pText = pGrown;
            m_nStorage = nStorage;
        }
        memset(m_pText + m_nCapacity, 0, QEL_LIST_CLIPBOARD_BLOCK * sizeof(TCHAR));
        m_nCapacity = nCapacity;
        return TRUE;
    }

    TCHAR* m_pText;
    size_t m_nLength;
    size_t m_nCapacity;   // grows in QEL_LIST_CLIPBOARD_BLOCK steps; never above m_nStorage
    size_t m_nStorage;    // characters allocated at m_pText
};

// The length of the text that the same additions make, and nothing else.
class CTextLength
{
public:
    BOOL Append(LPCTSTR pszLead, LPCTSTR pszSep, LPCTSTR /*pszText*/, size_t nTextLen)
    {
        m_nLength += PiecesLength(pszLead, pszSep, nTextLen);
        return TRUE;
    }
    size_t GetLength() const { return m_nLength; }

private:
    size_t m_nLength = 0;
};

// Text written straight into a block of a given length; an addition that would run past it fails.
class CBlockText
{
public:
    CBlockText(TCHAR* pBlock, size_t nCapacity) : m_pBlock(pBlock), m_nLength(0), m_nCapacity(nCapacity) {}
    CBlockText(const CBlockText&) = delete;
    CBlockText& operator=(const CBlockText&) = delete;

    BOOL Append(LPCTSTR pszLead, LPCTSTR pszSep, LPCTSTR pszText, size_t nTextLen)
    {
        const size_t nNeeded = m_nLength + PiecesLength(pszLead, pszSep, nTextLen);
        if (nNeeded > m_nCapacity)
            return FALSE;
        WritePieces(m_pBlock + m_nLength, pszLead, pszSep, pszText, nTextLen);
        m_nLength = nNeeded;
        return TRUE;
    }

private:
    TCHAR* const m_pBlock;
    size_t       m_nLength;
    const size_t m_nCapacity;
};

// One cell's text, read whole into a buffer that serves every cell of a copy: a string per cell would cost
// an allocation and a release for each of a large list's cells.
class CCellText
{
public:
    CCellText() : m_pText(NULL), m_nSize(0), m_nLength(0) {}
    ~CCellText() { free(m_pText); }
    CCellText(const CCellText&) = delete;
    CCellText& operator=(const CCellText&) = delete;

    // Reads the text, doubling the buffer while the text fills it; FALSE when the buffer could not grow.
    BOOL Read(CListCtrl* pList, int nRow, int nColumn)
    {
        if (m_pText == NULL && !Grow())
            return FALSE;
        for (;;)
        {
            const int nLength = pList->GetItemText(nRow, nColumn, m_pText, m_nSize);
            // The same limit as the string-returning GetItemText: a text of 16 M characters or more is cut.
            if (nLength < m_nSize - 1 || m_nSize >= kMaxSize)
            {
                m_nLength = nLength > 0 ? (size_t)nLength : 0;
                return TRUE;
            }
            if (!Grow())
                return FALSE;
        }
    }

    LPCTSTR GetText() const { return m_pText; }
    size_t  GetLength() const { return m_nLength; }

private:
    static const int kFirstSize = 256;
    static const int kMaxSize = 0x1000000;

    BOOL Grow()
    {
        const int nSize = m_nSize == 0 ? kFirstSize : 2 * m_nSize;
        TCHAR* pGrown = (TCHAR*)realloc(m_pText, (size_t)nSize * sizeof(TCHAR));
        if (pGrown == NULL)
            return FALSE;
        m_pText = pGrown;
        m_nSize = nSize;
        return TRUE;
    }

    TCHAR* m_pText;
    int    m_nSize;     // characters at m_pText
    size_t m_nLength;   // length of the last text read
};

// Length of a caption read into a full buffer. In a Unicode build the cut may fall between the two halves
// of a surrogate pair: the lone first half is left out rather than copied as broken text.
size_t CaptionLength(LPCTSTR pszCaption)
{
    const size_t nLength = _tcslen(pszCaption);
#ifdef _UNICODE
    if (nLength > 0 && IS_HIGH_SURROGATE(pszCaption[nLength - 1]))
        return nLength - 1;
#endif
    return nLength;
}

// The rows whose state has any bit of a mask, in ascending order. The list view finds selected and focused
// rows in its own records (GetNextItem): a copy of 3 selected rows of a million asks for 3 rows, not for
// the state of every row. Other state bits are asked row by row.
class CChosenRows
{
public:
    CChosenRows(CListCtrl* pList, DWORD dwMask)
        : m_pList(pList)
        , m_dwMask(dwMask)
        , m_bFromView((dwMask & ~(DWORD)(LVIS_SELECTED | LVIS_FOCUSED)) == 0)
        , m_nFocused(m_bFromView && (dwMask & LVIS_FOCUSED) != 0 ? pList->GetNextItem(-1, LVNI_FOCUSED) : -1)
    {
    }
    CChosenRows(const CChosenRows&) = delete;
    CChosenRows& operator=(const CChosenRows&) = delete;

    // The first chosen row after nRow (-1 for the first of all); -1 when there is none.
    int Next(int nRow) const
    {
        if (!m_bFromView)
        {
            while (++nRow < (int)m_pList->SendMessage(LVM_GETITEMCOUNT))
            {
                if (m_pList->SendMessage(LVM_GETITEMSTATE, (WPARAM)nRow, (LPARAM)m_dwMask) != 0)
                    return nRow;
            }
            return -1;
        }
        const int nSelected = (m_dwMask & LVIS_SELECTED) != 0 ? m_pList->GetNextItem(nRow, LVNI_SELECTED) : -1;
        if (m_nFocused > nRow && (nSelected < 0 || m_nFocused < nSelected))
            return m_nFocused;
        return nSelected;
    }

private:
    CListCtrl* const m_pList;
    const DWORD      m_dwMask;
    const BOOL       m_bFromView;   // the mask has no bits but LVIS_SELECTED and LVIS_FOCUSED
    const int        m_nFocused;    // the focused row when the mask has LVIS_FOCUSED; else -1
};

// The caption line: the visible columns' captions in display order, cut at 1,023 characters.
template <class TText>
BOOL AppendCaptions(HWND hHeader, const COrderArray& columns, TText& text)
{
    for (int nPos = 0; nPos < columns.GetCount(); ++nPos)
    {
        if (columns[nPos] == -1)
            continue;
        TCHAR szCaption[1024];
        memset(szCaption, 0, sizeof(szCaption));
        HDITEM item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_TEXT;
        item.pszText = szCaption;
        item.cchTextMax = _countof(szCaption);
        if (!::SendMessage(hHeader, HDM_GETITEM, (WPARAM)columns[nPos], (LPARAM)&item))
            continue;
        szCaption[_countof(szCaption) - 1] = '\0';
        if (!text.Append(_T(""), nPos > 0 ? _T("\t") : _T(""), szCaption, CaptionLength(szCaption)))
            return FALSE;
    }
    return TRUE;
}

// One line per row whose state has any bit of dwMask: its visible cells in display order.
template <class TText>
BOOL AppendRows(CListCtrl* pList, DWORD dwMask, const COrderArray& columns, TText& text)
{
    CCellText cell;
    const CChosenRows rows(pList, dwMask);
    for (int nRow = rows.Next(-1); nRow >= 0; nRow = rows.Next(nRow))
    {
        BOOL bFirst = TRUE;
        for (int nPos = 0; nPos < columns.GetCount(); ++nPos)
        {
            if (columns[nPos] == -1)
                continue;
            if (!cell.Read(pList, nRow, columns[nPos])
                || !text.Append(bFirst ? _T("\r\n") : _T(""), nPos > 0 ? _T("\t") : _T(""), cell.GetText(),
                               cell.GetLength()))
                return FALSE;
            bFirst = FALSE;
        }
    }
    return TRUE;
}

// Hands a text of nLength characters to the open clipboard in the build's format, written into the zeroed block
// by write(pBlock, nLength), which answers FALSE when it could not. From here the previous contents are gone;
// on failure the block is freed, as the clipboard did not take it.
template <class TWrite>
BOOL PutClipboardText(size_t nLength, TWrite write)
{
    ::EmptyClipboard();
    const size_t nSize = (nLength + 1) * sizeof(TCHAR);
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hBlock == NULL)
        return FALSE;
    TCHAR* pBlock = (TCHAR*)::GlobalLock(hBlock);
    if (pBlock == NULL)
    {
        ::GlobalFree(hBlock);
        return FALSE;
    }
    memset(pBlock, 0, nSize);
    const BOOL bWritten = write(pBlock, nLength);
    ::GlobalUnlock(hBlock);
    if (!bWritten || ::SetClipboardData(kClipboardFormat, hBlock) == NULL)
    {
        ::GlobalFree(hBlock);
        return FALSE;
    }
    return TRUE;
}

// The text built in a buffer of its own, then handed over: the list view holds every text anyway, and each is
// read once.
BOOL CopyBuilt(CListCtrl* pList, HWND hHeader, DWORD dwMask, const COrderArray& columns)
{
    CClipboardText text;
    return text.Init() && AppendCaptions(hHeader, columns, text) && AppendRows(pList, dwMask, columns, text)
        && PutClipboardText(text.GetLength(), [&text](TCHAR* pBlock, size_t nLength) {
               memcpy(pBlock, text.GetText(), nLength * sizeof(TCHAR));
               return TRUE;
           });
}

// The text measured first, then written straight into the clipboard's block. An owner-data list view holds
// no texts, so a copy of its million rows holds the text once instead of twice, at the price of asking the
// parent for every cell twice. Texts that grew in between make the copy fail.
BOOL CopyMeasured(CListCtrl* pList, HWND hHeader, DWORD dwMask, const COrderArray& columns)
{
    CTextLength length;
    return AppendCaptions(hHeader, columns, length) && AppendRows(pList, dwMask, columns, length)
        && PutClipboardText(length.GetLength(), [&](TCHAR* pBlock, size_t nLength) {
               CBlockText text(pBlock, nLength);
               return AppendCaptions(hHeader, columns, text) && AppendRows(pList, dwMask, columns, text);
           });
}

} // namespace

int CQELListCtrl::CopyToClipboard(DWORD dwMask)
{
    // Without a header window (the icon and list views) there are no columns to copy: the clipboard stays as it is.
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader == NULL || !::IsWindow(pHeader->m_hWnd))
        return 0;
    if (!::OpenClipboard(m_hWnd))
        return 0;
    COrderArray columns;
    BOOL bCopied = columns.Load(this, pHeader->m_hWnd, TRUE);
    if (bCopied)
    {
        // Hidden columns are left out; their positions still count for the separators.
        columns.MarkHidden(pHeader);
        bCopied = IsOwnerData() ? CopyMeasured(this, pHeader->m_hWnd, dwMask, columns)
                                : CopyBuilt(this, pHeader->m_hWnd, dwMask, columns);
    }
    ::CloseClipboard();
    return bCopied ? 1 : 0;
}
