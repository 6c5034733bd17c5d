// Steps of the screenshot tour. Each timer tick performs one action or takes one picture, so that the
// window has painted (and pop-ups are open) before it is captured.
#include "ScreenshotTour.h"

#include "DemoDlg.h"
#include "PngWriter.h"

static const UINT_PTR TOUR_TIMER = 0x7A11;
static const UINT TOUR_TICK_MS = 700;

CScreenshotTour::CScreenshotTour(const CString& strFolder)
    : m_strFolder(strFolder), m_pDlg(NULL), m_nStep(0), m_nExitCode(0)
{
}

void CScreenshotTour::Start(CDemoDlg* pDlg)
{
    m_pDlg = pDlg;
    // Pictures taken at a display scaling other than 100 % say which in their names: 01-overview-150.png.
    CClientDC dc(pDlg);
    const int nPercent = ::MulDiv(dc.GetDeviceCaps(LOGPIXELSY), 100, 96);
    if (nPercent != 100)
        m_strSuffix.Format(_T("-%d"), nPercent);
    m_pDlg->SetTimer(TOUR_TIMER, TOUR_TICK_MS, NULL);
}

BOOL CScreenshotTour::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TOUR_TIMER)
        return FALSE;
    Act(m_nStep++);
    return TRUE;
}

void CScreenshotTour::Shoot(LPCTSTR pszName)
{
    CRect rect;
    m_pDlg->GetWindowRect(&rect);
    const CString path = m_strFolder + _T("\\") + pszName + m_strSuffix + _T(".png");
    if (!CPngWriter::SaveScreenRect(rect, path))
        m_nExitCode = 1;
}

void CScreenshotTour::EndEdit()
{
    CWnd* pEditor = m_pDlg->List().GetEditControl();
    if (pEditor != NULL)
        pEditor->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    m_pDlg->List().SetFocus();
}

void CScreenshotTour::TypeIntoEditor(LPCTSTR pszText)
{
    CWnd* pEditor = m_pDlg->List().GetEditControl();
    for (LPCTSTR p = pszText; pEditor != NULL && *p != _T('\0'); ++p)
        pEditor->SendMessage(WM_CHAR, static_cast<_TUCHAR>(*p), 1);
}

void CScreenshotTour::Act(int nStep)
{
    CTaskList& list = m_pDlg->List();
    switch (nStep)
    {
    case 0:
        Shoot(_T("01-overview"));
        break;
    case 1:
        list.EditSubItem(2, colTitle);
        TypeIntoEditor(_T("Replace the drill press motor and belts"));
        break;
    case 2:
        Shoot(_T("02-text-editor"));
        break;
    case 3:
        EndEdit();
        list.EditSubItem(3, colDue);
        if (CWnd* pPicker = list.GetEditControl())
        {
            CRect r;
            pPicker->GetClientRect(&r);
            const LPARAM pt = MAKELPARAM(r.right - 6, r.Height() / 2);
            pPicker->PostMessage(WM_LBUTTONUP, 0, pt);
            pPicker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        }
        break;
    case 4:
        Shoot(_T("03-date-picker"));
        break;
    case 5:
        EndEdit();
        list.EditSubItem(5, colStatus);
        if (CComboBox* pCombo = static_cast<CComboBox*>(list.GetEditControl()))
            pCombo->ShowDropDown(TRUE);
        break;
    case 6:
        Shoot(_T("04-drop-down-list"));
        break;
    case 7:
        if (CComboBox* pCombo = static_cast<CComboBox*>(list.GetEditControl()))
            pCombo->ShowDropDown(FALSE);
        EndEdit();
        m_pDlg->SetStatus(_T("Right click on the header: the column menu shows and hides columns; Ref is hidden by force."));
        {
            CRect r;
            list.GetHeaderCtrl()->GetItemRect(colHours, &r);
            // The menu runs its own modal loop; the next tick takes the picture from inside it.
            list.GetHeaderCtrl()->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(r.left + 10, r.Height() / 2));
        }
        break;
    case 8:
        Shoot(_T("05-column-menu"));
        ::EndMenu();
        break;
    case 9:
        // A click on Due, then a Shift+click on Status: rows by status, each status by due date.
        list.Sort(colDue, TRUE, FALSE);
        list.Sort(colStatus, TRUE, TRUE);
        list.EnsureVisible(0, FALSE);
        m_pDlg->SetStatus(_T("Sorted by status, ties by due date (Shift+click keeps both marks)."));
        break;
    case 10:
        Shoot(_T("06-multiple-sort"));
        break;
    case 11:
        m_pDlg->SetVisualStyles(TRUE);
        break;
    case 12:
        Shoot(_T("07-visual-styles"));
        break;
    default:
        m_pDlg->KillTimer(TOUR_TIMER);
        m_pDlg->EndDialog(IDOK);
        break;
    }
}
