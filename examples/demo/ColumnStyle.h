#pragma once

#include <QELCtrl.h>

// Gives a column of the list its editor: the editor class, the editor window's style, the text limit (0 for
// none), the editor's data (a date format, or NULL) and the style flags.
void SetColumnEditor(CQELListCtrl& list, int nColumn, CRuntimeClass* pClass, DWORD dwStyle, int nLimit,
                     LPCTSTR pszData, DWORD dwFlags);
