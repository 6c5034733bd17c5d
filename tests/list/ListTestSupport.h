// The list tests' fixture, test editor and factories are the shared list fixture's.
#pragma once

#include "QELListFixture.h"
