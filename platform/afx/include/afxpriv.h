// Implementation details an MFC program may reach for: the layer's private messages and thread state,
// all declared in afxwin.h.
#pragma once

#include <afxwin.h>
