// The soak test's expectation of every cell text, kept beside the list and compared with it.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class CQELListCtrl;

namespace soak {

// Manages the expected texts of the list's cells by row identity (the row's item data, which sorting keeps)
// and column index, and the edit style of each column; only the list's own messages and the application's
// calls change them.
class CSoakModel
{
public:
    // Identity of a new row, never handed out before; 0 is never a row.
    DWORD_PTR NewRowId() { return ++m_lastId; }

    void AddRow(DWORD_PTR id, const std::vector<std::string>& texts) { m_rows[id] = texts; }
    void RemoveRow(DWORD_PTR id) { m_rows.erase(id); }
    bool HasRow(DWORD_PTR id) const { return m_rows.count(id) != 0; }
    void InsertColumn(int nColumn);
    void DeleteColumn(int nColumn);
    void SetText(DWORD_PTR id, int nColumn, const std::string& text);
    std::string Text(DWORD_PTR id, int nColumn) const;
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // The column's editor class and option flags as the application last set them; a null class: no style.
    void SetStyle(int nColumn, CRuntimeClass* pClass, DWORD dwFlags) { m_styles[nColumn] = Style{ pClass, dwFlags }; }
    CRuntimeClass* StyleClass(int nColumn) const;
    void Clear() { m_rows.clear(); m_styles.clear(); }

    // Compares every cell of the list with the model, rows known by rowId; empty when they agree, else the
    // first difference.
    std::string Compare(CListCtrl& list, int nColumns, const std::function<DWORD_PTR(int)>& rowId) const;
    // Compares the list's stored styles of columns 0 to nColumns - 1 with the model; empty when they agree.
    std::string CompareStyles(CQELListCtrl& list, int nColumns) const;

private:
    struct Style
    {
        CRuntimeClass* pClass;
        DWORD          dwFlags;
    };

    std::map<DWORD_PTR, std::vector<std::string>> m_rows;  // texts by row id; one entry per column
    std::map<int, Style> m_styles;                          // styles by column; absent or a null class: none
    DWORD_PTR m_lastId = 0;                                 // highest id handed out
};

} // namespace soak
