// Build configuration of the MFC-compatible layer: its character set, and export of its classes, functions
// and data.
#pragma once

// The layer is an ANSI/MBCS build. A Unicode program stops here with one message rather than with many
// conversion errors in the headers after this one: GCC goes on after #error, but not after a missing include.
#if defined(UNICODE) || defined(_UNICODE)
#error "QELCtrl::QELCtrl is an ANSI/MBCS build: compile without UNICODE and _UNICODE, or link the Unicode build QELCtrl::QELCtrlU"
#include <QELCtrl_requires_ANSI_MBCS>
#endif

#include "afxv_w32.h"

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
