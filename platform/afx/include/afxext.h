// Extensions of the window classes; in this layer it gathers the window and common dialog declarations.
#pragma once

#ifndef __AFXEXT_H__
#define __AFXEXT_H__

#include <afxwin.h>
#include <afxdlgs.h>

#endif // __AFXEXT_H__
