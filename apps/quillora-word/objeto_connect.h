#pragma once

#include <windows.h>

#include <memory>

namespace quillora::ui {
class Servicios;
}

namespace quillora::complemento {

// Creates the add-in's COM object, Connect, and answers its interface `iid`. Its dialogs and
// messages show on `servicios`: the Windows desktop's for Word, a scripted one in tests.
HRESULT CrearConnect(std::shared_ptr<ui::Servicios> servicios, REFIID iid, void** objeto);

}  // namespace quillora::complemento
