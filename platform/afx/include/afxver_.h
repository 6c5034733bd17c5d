// Build configuration of the MFC-compatible layer: export of its classes, functions and data.
#pragma once

#ifdef QELAFX_BUILD
#define AFX_CLASS_API __declspec(dllexport)
#else
#define AFX_CLASS_API __declspec(dllimport)
#endif

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
