// The demo's large data set: a million generated records behind an owner-data list, sorted and filtered here.
#pragma once

#include <afxwin.h>
#include <vector>

// Column indexes of the record list.
enum RecordColumn
{
    recId, recCode, recKind, recDate, recAmount, recCount
};

// One record, kept compact: the cells are formatted from these fields when the list draws them.
struct CRecord
{
    int   nId;         // 1-based, the record's place in the store
    TCHAR szCode[8];   // "AB-1234" as generated; upper case, up to 7 characters
    WORD  nDay;        // days since 1 January 2020
    BYTE  nKind;       // index into CRecordStore::Kinds()
    int   nAmount;     // in cents
};

// Manages the records and the rows that show them: the matching records, in the order of the sort keys.
class CRecordStore
{
public:
    explicit CRecordStore(int nCount);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetRecordCount() const { return static_cast<int>(m_records.size()); }
    CString CellText(int nRow, int nColumn) const;
    // Stores an edited cell text; FALSE leaves the record as it was (a text the column cannot take).
    BOOL Store(int nRow, int nColumn, LPCTSTR pszText);
    // Sorts the rows by nColumn, or adds it as a further key to the keys so far when bAdd is set.
    void Sort(int nColumn, BOOL bAscending, BOOL bAdd);
    // Keeps the records whose code contains the text (any case), in the current sort order; all when empty.
    void Filter(const CString& strText);

    static const LPCTSTR* Kinds();   // null-terminated, in alphabetical order

private:
    struct SortKey
    {
        int  nColumn;
        BOOL bAscending;
    };
    void ApplySort();
    int  Compare(const CRecord& a, const CRecord& b, int nColumn) const;

    std::vector<CRecord> m_records;
    std::vector<int>     m_rows;   // index into m_records of each row
    std::vector<SortKey> m_keys;   // sort keys, most significant first; empty: in id order
};
