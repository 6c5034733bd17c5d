// Entry-point support of an MFC extension DLL: included once, by the source file that defines its DllMain.
// The layer has one module state for every module, so a DLL needs no set-up here beyond what DllMain does
// with AfxInitExtensionModule and CDynLinkLibrary.
#pragma once

#include <afxwin.h>
