#include "ColumnStyle.h"

void SetColumnEditor(CQELListCtrl& list, int nColumn, CRuntimeClass* pClass, DWORD dwStyle, int nLimit,
                     LPCTSTR pszData, DWORD dwFlags)
{
    _tag_QELListColumnStyle style = {};
    style.dwFlags = dwFlags;
    style.nColumn = nColumn;
    style.nLimitText = nLimit;
    style.dwStyle = dwStyle;
    style.pData = const_cast<LPTSTR>(pszData);
    style.nDataLen = pszData != NULL ? lstrlen(pszData) : 0;
    style.pRuntimeClass = pClass;
    list.SetColumnStyle(&style);
}
