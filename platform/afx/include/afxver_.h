// Build configuration of the MFC-compatible layer: its character set, and export of its classes, functions
// and data.
#pragma once

// One source, two character sets: the ANSI/MBCS build (_MBCS) and the Unicode build (UNICODE and _UNICODE
// together). A translation unit with a mixed definition stops here with one message rather than with many
// conversion errors in the headers after this one: GCC goes on after #error, but not after a missing include.
#if defined(_MBCS) && (defined(UNICODE) || defined(_UNICODE))
#error "QELCtrl::QELCtrl is an ANSI/MBCS build: compile without UNICODE and _UNICODE, or link the Unicode build QELCtrl::QELCtrlU"
#include <QELCtrl_requires_ANSI_MBCS>
#elif defined(UNICODE) != defined(_UNICODE)
#error "QELCtrl::QELCtrlU is a Unicode build: define both UNICODE and _UNICODE"
#include <QELCtrlU_requires_UNICODE_and__UNICODE>
#endif

#include "afxv_w32.h"

// An MFC extension DLL (_AFXEXT) is built on the shared layer (_AFXDLL). AFX_EXT_CLASS and its relatives
// export from the extension DLL being built and import into the modules that use it.
#if defined(_AFXEXT) && !defined(_AFXDLL)
#define _AFXDLL
#endif
#ifndef AFX_EXT_CLASS
#if defined(_AFXEXT)
#define AFX_EXT_CLASS __declspec(dllexport)
#elif defined(_AFXDLL)
#define AFX_EXT_CLASS __declspec(dllimport)
#else
#define AFX_EXT_CLASS
#endif
#define AFX_EXT_API  AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS
#endif

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
