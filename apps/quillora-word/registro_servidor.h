#pragma once

namespace quillora::complemento {

// Registers the add-in for the current user: the class Connect with its programmatic
// identifier "Quillora.Connect", the type library, and the Word add-in key that makes Word load
// it at every start. Throws ErrorCom; what it had written by then is removed again.
void RegistrarServidor();

// Removes exactly what RegistrarServidor writes; what is already missing is no error.
void QuitarRegistroServidor();

}  // namespace quillora::complemento
