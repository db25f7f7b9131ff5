#pragma once

#include <cstdint>
#include <functional>

namespace quillora::comun {

class Procesos;

// How many running processes run Word's program: a name that ends in exactly "WINWORD.EXE".
// Every process is examined; after each one `procesarMensajes` lets the pending window messages
// run. 0 when the process list cannot be read.
std::int16_t ContarInstanciasWord(Procesos& procesos,
                                  const std::function<void()>& procesarMensajes);

}  // namespace quillora::comun
