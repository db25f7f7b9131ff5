#pragma once

#include <windows.h>

namespace quillora::complemento {

// The class factory of Connect, asked for its interface `iid`. Each Connect it makes shows its
// dialogs on the Windows desktop.
HRESULT CrearFabricaConnect(REFIID iid, void** fabrica);

}  // namespace quillora::complemento
