// The extended theme interface.
#include "QELThemeExBase.h"

IMPLEMENT_DYNAMIC(CQELThemeExBase, CQELThemeBase)

CQELThemeExBase::CQELThemeExBase()
{
}

CQELThemeExBase::~CQELThemeExBase()
{
}
