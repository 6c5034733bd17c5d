// Thread and module state of the layer (declared in afxwin.h: _AFX_THREAD_STATE, AfxGetThreadState,
// AFX_MODULE_STATE, AfxGetModuleState).
#pragma once

#include <afxwin.h>
