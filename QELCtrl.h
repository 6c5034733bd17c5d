// QELCtrl: editable report list, header, themes, themed edit and folder chooser for MFC applications.
// Include this one header to use the whole library.
#pragma once

// First, so that its character-set check speaks before any other header.
#include "QELCtrlApi.h"

#include <afxwin.h>
#include <afxcmn.h>
#include <afxdtctl.h>

// Themes and colours.
#include "QELWindowColor.h"
#include "QELThemeBase.h"
#include "QELThemeExBase.h"
#include "QELThemeDefault.h"
#include "QELThemeSystem.h"
#include "QELThemeManager.h"

// Header control.
#include "QELHeaderCtrl.h"

// Editable list control and its editors.
#include "QELListTypes.h"
#include "QELListCtrl.h"
#include "QELBaseListItem.h"
#include "QELListItemEdit.h"
#include "QELListEdit.h"
#include "QELListItemDateTimeCtrl.h"
#include "QELListDateTimeCtrl.h"
#include "QELListItemComboBoxCtrl.h"
#include "QELListComboBox.h"

// Auxiliary controls.
#include "QELEdit.h"
#include "QELFolderDialog.h"
