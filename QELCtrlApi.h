// Export and import of the control library's classes, functions and data, and its character set.
#pragma once

// The library is an ANSI/MBCS build. A Unicode program stops here with one message rather than with many
// conversion errors in the headers after this one: GCC goes on after #error, but not after a missing include.
#if defined(UNICODE) || defined(_UNICODE)
#error "QELCtrl::QELCtrl is an ANSI/MBCS build: compile without UNICODE and _UNICODE, or link the Unicode build QELCtrl::QELCtrlU"
#include <QELCtrl_requires_ANSI_MBCS>
#endif

#ifdef QELCTRL_BUILD
#define QELCTRL_API __declspec(dllexport)
#else
#define QELCTRL_API __declspec(dllimport)
#endif
