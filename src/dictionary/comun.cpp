#include "dictionary/comun.h"

#include "db/conexion.h"

namespace quillora::comun {

namespace {

constexpr const char* kOrigenDatos = "Quillora";

std::shared_ptr<db::Conexion>& Compartida() {
  static std::shared_ptr<db::Conexion> conexion;
  return conexion;
}

}  // namespace

std::string CadenaConexion() { return std::string("DSN=") + kOrigenDatos + ";UID=;PWD=QmZtR_1996"; }

void Conectar() {
  Desconectar();
  auto conexion = std::make_shared<db::Conexion>();
  Compartida() = conexion;
  conexion->Open(CadenaConexion(), "", "");
}

void Desconectar() {
  auto& conexion = Compartida();
  if (!conexion) return;
  if (conexion->GetState() == db::Conexion::kAbierta) conexion->Close();
  conexion.reset();
}

std::shared_ptr<db::Conexion> Conexion() { return Compartida(); }

}  // namespace quillora::comun
