#pragma once

// <windows.h> without the macros that would rename the registry interface's members RegOpenKey
// and RegQueryValueEx to their ANSI functions.
#include <windows.h>
#undef RegOpenKey
#undef RegQueryValueEx
