#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>
#include <string_view>

namespace quillora::com {

// What was being done with a member when it failed.
enum class Operacion { Buscar, Leer, Escribir, Llamar };

// Throws word::HostError: `que` (what failed), the code and, when known, what it means.
[[noreturn]] void LanzarFallo(HRESULT hr, const std::string& que);

// Throws the error of a late-bound call: word::NotSupported when the host lacks one of the members
// reached by name at run time, word::HostError otherwise, with the member, the code and the
// description Word gave in `info` (whose texts it frees), if any.
[[noreturn]] void LanzarFalloMiembro(HRESULT hr, std::string_view miembro, Operacion operacion,
                                     EXCEPINFO* info);

// The answer of an Invoke that failed with `mensaje`: DISP_E_EXCEPTION, with `codigo`, `fuente`
// and the message in `excepcion` when the caller gave one; E_OUTOFMEMORY when they do not fit.
HRESULT DescribirExcepcion(EXCEPINFO* excepcion, HRESULT codigo, const char* fuente,
                           const char* mensaje) noexcept;

}  // namespace quillora::com
