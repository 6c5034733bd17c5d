// The demo dialog: wiring of the list's messages (vetoes, filling the choice list, new rows) and the tools.
#include "DemoDlg.h"

#include "RecordsDlg.h"
#include "ScreenshotTour.h"
#include "resource.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_EN_CHANGE(IDC_FILTER, &CDemoDlg::OnFilterChange)
    ON_BN_CLICKED(IDC_COPY, &CDemoDlg::OnCopy)
    ON_BN_CLICKED(IDC_FOLDER, &CDemoDlg::OnChooseFolder)
    ON_BN_CLICKED(IDC_RECORDS, &CDemoDlg::OnRecords)
    ON_BN_CLICKED(IDC_VISUALSTYLES, &CDemoDlg::OnVisualStyles)
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITBEGIN, &CDemoDlg::OnListEditBegin)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTITEMCONST, &CDemoDlg::OnListItemConst)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, &CDemoDlg::OnListEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITEND, &CDemoDlg::OnListEditEnd)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITMAX, &CDemoDlg::OnListEditMax)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERCHANGED, &CDemoDlg::OnHeaderChanged)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERVISIABLECHANGE, &CDemoDlg::OnHeaderVisiableChange)
END_MESSAGE_MAP()

CDemoDlg::CDemoDlg(CScreenshotTour* pTour)
    : CDialog(IDD_DEMO), m_pTour(pTour)
{
}

CDemoDlg::~CDemoDlg()
{
}

BOOL CDemoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    m_editFilter.SubclassDlgItem(IDC_FILTER, this);
    m_list.Init(&m_store);
    m_list.Fill(CString());
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    FitToWorkArea();
    CRect rect;
    GetClientRect(&rect);
    Layout(rect.Width(), rect.Height());
    SetStatus(_T("Click a cell of the selected row to edit it; Ctrl+Tab moves on, Enter commits, Escape cancels."));
    if (m_pTour != NULL)
        m_pTour->Start(this);
    m_list.SetFocus();
    return FALSE;
}

// The demo has no OK button: Enter outside an editor does not close it (an editor keeps Enter to itself).
void CDemoDlg::OnOK()
{
}

// The template grows with the dialog font; on a screen too small for it at a large scaling, the window
// shrinks to the work area (the list and the status line take what is left) instead of running off it.
void CDemoDlg::FitToWorkArea()
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfo(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const CRect work(monitor.rcWork);
    CRect rect;
    GetWindowRect(&rect);
    if (rect.Width() <= work.Width() && rect.Height() <= work.Height())
        return;
    const int cx = std::min(rect.Width(), work.Width());
    const int cy = std::min(rect.Height(), work.Height());
    MoveWindow(work.left + (work.Width() - cx) / 2, work.top + (work.Height() - cy) / 2, cx, cy);
}

void CDemoDlg::Layout(int cx, int cy)
{
    if (m_list.GetSafeHwnd() == NULL)
        return;
    CRect list;
    m_list.GetWindowRect(&list);
    ScreenToClient(&list);
    CWnd* pStatus = GetDlgItem(IDC_STATUS);
    CRect status;
    pStatus->GetWindowRect(&status);
    ScreenToClient(&status);
    const int margin = list.left;
    const int statusHeight = status.Height();
    pStatus->MoveWindow(margin, cy - margin - statusHeight, cx - 2 * margin, statusHeight);
    m_list.MoveWindow(margin, list.top, cx - 2 * margin, cy - list.top - 2 * margin - statusHeight);
}

void CDemoDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    Layout(cx, cy);
}

void CDemoDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (m_pTour != NULL && m_pTour->OnTimer(nIDEvent))
        return;
    CDialog::OnTimer(nIDEvent);
}

void CDemoDlg::SetStatus(const CString& strText)
{
    SetDlgItemText(IDC_STATUS, strText);
}

CString CDemoDlg::CellName(const _tag_QELListEditInfo* pInfo) const
{
    CString s;
    if (pInfo != NULL)
    {
        LVCOLUMN column = {};
        TCHAR caption[64] = {};
        column.mask = LVCF_TEXT;
        column.pszText = caption;
        column.cchTextMax = _countof(caption);
        const_cast<CTaskList&>(m_list).GetColumn(pInfo->nSubItem, &column);
        s.Format(_T("%s of row %d"), caption, pInfo->nItem + 1);
    }
    return s;
}

void CDemoDlg::OnFilterChange()
{
    CString filter;
    m_editFilter.GetWindowText(filter);
    m_list.Fill(filter);
    CString s;
    s.Format(_T("Filter \"%s\": %d tasks shown."), static_cast<LPCTSTR>(filter), m_list.GetItemCount());
    SetStatus(s);
}

void CDemoDlg::OnCopy()
{
    CString s;
    if (m_list.CopyToClipboard(LVIS_SELECTED))
        s.Format(_T("Copied the captions and %u selected rows to the clipboard as tab-separated text."), m_list.GetSelectedCount());
    else
        s = _T("The clipboard is busy; nothing was copied.");
    SetStatus(s);
}

void CDemoDlg::OnChooseFolder()
{
    CQELFolderDialog dlg(this, m_strFolder, _T("Choose the folder for exports"));
    if (dlg.DoModal() == IDOK)
    {
        m_strFolder = dlg.GetFolder();
        SetDlgItemText(IDC_FOLDER_LABEL, m_strFolder);
        SetStatus(_T("Export folder: ") + m_strFolder);
    }
    else
        SetStatus(_T("No folder chosen."));
}

void CDemoDlg::OnRecords()
{
    CWaitCursor wait;   // the records are generated before the dialog shows
    CRecordsDlg dlg(this);
    dlg.DoModal();
}

void CDemoDlg::SetVisualStyles(BOOL bOn)
{
    if (bOn)
        _gThemeManager.InitThemeManager();
    else
    {
        _gThemeManager.ExInitThemeManager();
        _gWindowColor.Default();
    }
    CheckDlgButton(IDC_VISUALSTYLES, _gThemeManager.IsSystemTheme() ? BST_CHECKED : BST_UNCHECKED);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SetStatus(_gThemeManager.IsSystemTheme() ? _T("Drawing with the system's visual styles.")
                                             : bOn ? _T("No visual style is active: the built-in look stays.")
                                                   : _T("Drawing with the built-in look."));
}

void CDemoDlg::OnVisualStyles()
{
    SetVisualStyles(IsDlgButtonChecked(IDC_VISUALSTYLES) == BST_CHECKED);
}

LRESULT CDemoDlg::OnListEditBegin(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    const CTask& task = m_store.At(static_cast<int>(pInfo->dwItemData));
    if (task.strStatus == _T("Done") && pInfo->nSubItem != colStatus)
    {
        SetStatus(_T("WM_QEL_LISTEDITBEGIN refused: task ") + m_list.CellText(task, colId) + _T(" is done; only its status can change."));
        return 1;
    }
    SetStatus(_T("WM_QEL_LISTEDITBEGIN: editing ") + CellName(pInfo) + _T("."));
    return 0;
}

LRESULT CDemoDlg::OnListItemConst(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    if (pInfo->nCtrlID == QEL_EDITID_COMBO)
    {
        CComboBox* pCombo = static_cast<CComboBox*>(pInfo->pEditWnd);
        for (const LPCTSTR* p = CTaskStore::Statuses(); *p != NULL; ++p)
            pCombo->AddString(*p);
        pCombo->SelectString(-1, m_list.GetItemText(pInfo->nItem, pInfo->nSubItem));
    }
    return 0;
}

LRESULT CDemoDlg::OnListEditting(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    int nHours = 0;
    if (pInfo->nSubItem == colHours && !CTaskStore::ParseHours(pInfo->pszText, nHours))
    {
        CString s;
        s.Format(_T("WM_QEL_LISTEDITTING refused: \"%s\" is not a whole number of hours."), pInfo->pszText);
        SetStatus(s);
        return 1;
    }
    m_list.Store(pInfo->nItem, pInfo->nSubItem, pInfo->pszText);
    CString s;
    s.Format(_T("WM_QEL_LISTEDITTING: %s is now \"%s\"."), static_cast<LPCTSTR>(CellName(pInfo)), pInfo->pszText);
    SetStatus(s);
    return 0;
}

LRESULT CDemoDlg::OnListEditEnd(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CDemoDlg::OnListEditMax(WPARAM, LPARAM)
{
    const int nRow = m_list.AddRow(m_store.Append());
    CString s;
    s.Format(_T("WM_QEL_LISTEDITMAX: appended task %d as row %d."), m_store.At(m_store.GetCount() - 1).nId, nRow + 1);
    SetStatus(s);
    return nRow;
}

LRESULT CDemoDlg::OnHeaderChanged(WPARAM, LPARAM)
{
    SetStatus(_T("WM_QEL_HEADERCHANGED: column widths, order or visibility changed."));
    return 0;
}

LRESULT CDemoDlg::OnHeaderVisiableChange(WPARAM wParam, LPARAM lParam)
{
    const int nColumn = LOWORD(wParam);
    if (nColumn == colTitle && lParam != 0)
    {
        SetStatus(_T("WM_QEL_HEADERVISIABLECHANGE refused: the Task column stays visible."));
        return 1;
    }
    SetStatus(lParam != 0 ? _T("WM_QEL_HEADERVISIABLECHANGE: hiding a column.") : _T("WM_QEL_HEADERVISIABLECHANGE: showing a column."));
    return 0;
}
