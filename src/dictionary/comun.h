#pragma once

#include <memory>
#include <string>

namespace quillora::db {
class Conexion;
}

// The one database connection shared by the loader and the dictionary editor.
namespace quillora::comun {

// "DSN=Quillora;UID=;PWD=QmZtR_1996".
std::string CadenaConexion();
// Closes the shared connection, then opens a new one; a failure reaches the caller.
void Conectar();
// Closes the shared connection if it is open and lets it go.
void Desconectar();
// The shared connection, or none.
std::shared_ptr<db::Conexion> Conexion();

}  // namespace quillora::comun
