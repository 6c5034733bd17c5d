#include "SoakModel.h"
#include "QELListCtrl.h"
#include "QELTest.h"

#include <stdio.h>

namespace soak {

void CSoakModel::InsertColumn(int nColumn)
{
    for (auto& row : m_rows)
        if (nColumn >= 0 && nColumn <= static_cast<int>(row.second.size()))
            row.second.insert(row.second.begin() + nColumn, std::string());
}

void CSoakModel::DeleteColumn(int nColumn)
{
    for (auto& row : m_rows)
        if (nColumn >= 0 && nColumn < static_cast<int>(row.second.size()))
            row.second.erase(row.second.begin() + nColumn);
}

void CSoakModel::SetText(DWORD_PTR id, int nColumn, const std::string& text)
{
    auto it = m_rows.find(id);
    if (it == m_rows.end() || nColumn < 0)
        return;
    if (nColumn >= static_cast<int>(it->second.size()))
        it->second.resize(nColumn + 1);
    it->second[nColumn] = text;
}

std::string CSoakModel::Text(DWORD_PTR id, int nColumn) const
{
    auto it = m_rows.find(id);
    if (it == m_rows.end() || nColumn < 0 || nColumn >= static_cast<int>(it->second.size()))
        return std::string();
    return it->second[nColumn];
}

std::string CSoakModel::Compare(CListCtrl& list, int nColumns, const std::function<DWORD_PTR(int)>& rowId) const
{
    char buffer[512];
    const int nRows = list.GetItemCount();
    if (nRows != RowCount())
    {
        sprintf(buffer, "the list has %d rows, the model %d", nRows, RowCount());
        return buffer;
    }
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        const DWORD_PTR id = rowId(nRow);
        if (!HasRow(id))
        {
            sprintf(buffer, "row %d carries the unknown id %lu", nRow, static_cast<unsigned long>(id));
            return buffer;
        }
        for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        {
            const std::string cell = qeltest::Narrow(list.GetItemText(nRow, nColumn));
            const std::string expected = Text(id, nColumn);
            if (expected != cell)
            {
                sprintf(buffer, "cell (%d, %d) of row id %lu reads \"%.100s\", expected \"%.100s\"", nRow, nColumn,
                        static_cast<unsigned long>(id), cell.c_str(), expected.c_str());
                return buffer;
            }
        }
    }
    return std::string();
}

CRuntimeClass* CSoakModel::StyleClass(int nColumn) const
{
    auto it = m_styles.find(nColumn);
    return it != m_styles.end() ? it->second.pClass : nullptr;
}

std::string CSoakModel::CompareStyles(CQELListCtrl& list, int nColumns) const
{
    // The list view type bars every column but 0 from editing, whatever is stored.
    const bool bListView = (list.GetStyle() & LVS_TYPEMASK) == LVS_LIST;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
    {
        auto it = m_styles.find(nColumn);
        const Style expected = it != m_styles.end() && !(bListView && nColumn != 0) ? it->second : Style{ nullptr, 0 };
        _tag_QELListColumnStyle stored = {};
        if (!list.GetEditColumnStyle(nColumn, stored))
            stored.pRuntimeClass = nullptr;
        if (stored.pRuntimeClass == expected.pClass && (expected.pClass == nullptr || stored.dwFlags == expected.dwFlags))
            continue;
        char buffer[256];
        sprintf(buffer, "column %d has the style %s with flags %lu, expected %s with flags %lu", nColumn,
                stored.pRuntimeClass != nullptr ? stored.pRuntimeClass->m_lpszClassName : "(none)",
                static_cast<unsigned long>(stored.dwFlags),
                expected.pClass != nullptr ? expected.pClass->m_lpszClassName : "(none)",
                static_cast<unsigned long>(expected.dwFlags));
        return buffer;
    }
    return std::string();
}

} // namespace soak
