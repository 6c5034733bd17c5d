// The application side of the soak: the list's parent that answers, vetoes and records, and the application's
// own changes of rows, columns and texts.
#pragma once

#include "SoakModel.h"
#include "SoakList.h"

#include <random>
#include <string>
#include <vector>

namespace soak {

// What the parent saw and did, for the figures.
struct SoakTally
{
    long nBeginAsked = 0;      // WM_QEL_LISTEDITBEGIN received
    long nBeginVetoed = 0;     // ... answered with a refusal
    long nOpened = 0;          // WM_QEL_LISTITEMCONST: editors created
    long nEnded = 0;           // WM_QEL_LISTEDITEND received
    long nCommitted = 0;       // WM_QEL_LISTEDITTING let through
    long nTextVetoed = 0;      // WM_QEL_LISTEDITTING refused
    long nUnchanged = 0;       // edits that ended without a new text (Escape or nothing changed)
    long nMaxAsked = 0;        // WM_QEL_LISTEDITMAX received
    long nMaxRows = 0;         // ... answered with a new row
    long nVisibilityAsked = 0; // WM_QEL_HEADERVISIABLECHANGE received
    long nVisibilityVetoed = 0;
    long nHeaderChanged = 0;   // WM_QEL_HEADERCHANGED from the header that reached the soaked lists
    long nRowsInserted = 0;    // by the application, WM_QEL_LISTEDITMAX rows included
    long nRowsDeleted = 0;
    long nColumnsInserted = 0;
    long nColumnsDeleted = 0;
    long nOwnTexts = 0;        // texts the application set itself
    long nRowsInsertedAt[3] = {};  // rows inserted above, at and below the open edit's record
    long nRowsDeletedAt[3] = {};   // ... deleted
    long nStylesChanged = 0;   // the edited column's style replaced inside an edit message
    long nStylesRemoved = 0;   // ... removed
    long nListsDestroyed = 0;  // second lists destroyed inside one of their edit messages
    long nSecondOpened = 0;    // editors the second lists announced
    long nSecondEnded = 0;     // ... and the ends they reported
    long nCopiesRefused = 0;   // copies asked while another window held the clipboard
    long nCopiesAfter = 0;     // copies asked once that window had let it go
    long nColumnsShut = 0;     // columns dragged to width 0 with the mouse
    long nColumnsReopened = 0; // ... and dragged open again
    long nParentSorts = 0;     // WM_QEL_LISTSORTDATA: sorts of an owner-data list's rows by the parent
    long nWordMovedEditors = 0; // text editors that got Ctrl with an arrow key
};

// Manages the parent's side of the soaked list: random refusals, the drop-down entries, new rows on request,
// column styles changed inside edit messages, the model of cell texts and styles, the count of open editors,
// a short-lived second list destroyed inside one of its edit messages, and the first broken rule it notices.
// For an owner-data list it also keeps the rows' order, answers for their texts and sorts them.
class CSoakParent
{
public:
    static const int kFixedColumns = 4;   // name, text editor, date editor, drop-down editor
    static const int kMaxColumns = 8;
    static const int kMaxRows = 20;      // the application inserts no rows beyond this
    static const UINT kSecondListId = 1002;
    static const int kTextLimit = 40;    // characters an editor takes

    CSoakParent(CSoakModel& model, std::mt19937& random) : m_model(model), m_random(random) {}

    // Fills a newly created list: columns, styles, sorting, rows; the model follows.
    void Populate(CSoakList& list, int nRows);
    // Takes the list's figures and forgets it (its window is gone or about to go).
    void Detach();

    // Answers a registered message that reached the list's parent; FALSE for messages it does not handle.
    BOOL Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    // Fills in the text of an owner-data list's cell (LVN_GETDISPINFO).
    void GetDispInfo(LVITEM& item) const;
    // Identity of a row of the list: its item data, or the parent's record of an owner-data list's rows.
    DWORD_PTR RowId(int nRow) const;

    // While on, each edit message may replace or remove the edited column's style.
    void ChangeStylesInEdits(bool bOn) { m_bChangeStyles = bOn; }
    // Gives the editable columns that lost their style one again.
    void RestoreStyles();
    // Fills a second list of the same parent (one row, one editable column of a random kind) and destroys it
    // inside its next `message`; Disarm, once it is gone, checks that every editor it announced reported one
    // end, forgets it and returns the editor window it announced, if any.
    void ArmSecondList(CQELListCtrl& list, UINT message);
    HWND DisarmSecondList();

    // The application's own changes, model updated; each returns FALSE when it had nothing to change.
    BOOL InsertRow();
    BOOL DeleteRow();
    BOOL InsertColumn();
    BOOL DeleteColumn();
    BOOL SetOwnText();

    int  ColumnCount() const;
    long OpenEditors() const { return m_tally.nOpened - m_tally.nEnded; }
    const SoakTally& Tally() const { return m_tally; }
    SoakTally& Tally() { return m_tally; }
    const CSoakModel& Model() const { return m_model; }
    // First rule broken inside a message, empty while none.
    const std::string& Failure() const { return m_failure; }

private:
    LRESULT OnEditBegin(const _tag_QELListEditInfo* pInfo);
    LRESULT OnItemConst(const _tag_QELListEditInfo* pInfo);
    LRESULT OnEditting(const _tag_QELListEditInfo* pInfo);
    LRESULT OnEditEnd(const _tag_QELListEditInfo* pInfo);
    LRESULT OnEditMax();
    LRESULT OnVisibilityChange();
    LRESULT OnSortData(WPARAM wParam, LPARAM lParam);
    DWORD_PTR RecordOf(const _tag_QELListEditInfo* pInfo) const;
    BOOL HandleSecondList(UINT message, const _tag_QELListEditInfo* pInfo, LRESULT& lResult);
    void AddChoices(const _tag_QELListEditInfo* pInfo, LPCTSTR pszSelected);
    void SetKind(CQELListCtrl& list, int nColumn, int nKind, DWORD dwFlags);
    void ChangeStyle(const _tag_QELListEditInfo* pInfo);
    int  PlaceOfOpenEdit(int nRow) const;
    int  RowOf(DWORD_PTR id) const;
    bool Chance(int nPercent) { return static_cast<int>(m_random() % 100) < nPercent; }
    int  Pick(int nCount) { return nCount > 0 ? static_cast<int>(m_random() % static_cast<unsigned>(nCount)) : 0; }
    std::string RandomText(int nColumn);
    int  AddRow(int nIndex);
    void Fail(const std::string& text);

    CSoakModel&    m_model;
    std::mt19937&  m_random;
    CSoakList*     m_pList = nullptr;
    bool           m_bOwnerData = false;   // the list is an owner-data list: m_order holds its rows
    std::vector<DWORD_PTR> m_order;        // row ids of an owner-data list, in row order
    SoakTally      m_tally;
    std::string    m_failure;
    DWORD_PTR      m_openRowId = 0;      // row id of the open editor's cell at its creation
    int            m_nOpenColumn = -1;   // column of the open editor
    bool           m_bOpenTexted = false; // the open editor has reported a new text
    bool           m_bChangeStyles = false;
    CRuntimeClass* m_pBeginClass = nullptr; // editor class named by the last WM_QEL_LISTEDITBEGIN
    CQELListCtrl*  m_pSecond = nullptr;     // the armed second list
    UINT           m_nSecondDoom = 0;       // the message inside which it goes
    long           m_nSecondOpened = 0;     // its editors announced and ends reported
    long           m_nSecondEnded = 0;
    HWND           m_hSecondEditor = NULL;
};

} // namespace soak
