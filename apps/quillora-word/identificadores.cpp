// The type library's identifiers, defined once for the whole module.
#include <windows.h>
// After <windows.h>: it turns the declarations that follow into definitions.
#include <initguid.h>

#include "quillora_word_idl.h"
