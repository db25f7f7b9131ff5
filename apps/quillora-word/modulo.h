#pragma once

#include <windows.h>

#include <string>

namespace quillora::complemento {

// The module this code is linked into: the add-in's DLL, or a test program built with it.
HINSTANCE InstanciaModulo();
// Its full path, where registration points COM and where the type library is read from.
std::wstring RutaModulo();

// What keeps the DLL loaded: live objects and the callers' locks on the class factory.
void ObjetoCreado();
void ObjetoDestruido();
void BloquearServidor(bool bloquear);
bool ServidorEnUso();

}  // namespace quillora::complemento
