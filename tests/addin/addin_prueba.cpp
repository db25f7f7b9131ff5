#include "addin_prueba.h"

#include <cstdlib>
#include <fstream>

#include "dictionary/diccionario_muestra.h"
#include "dictionary/esquema_bd.h"
#include "memory_command_bars.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/frm_procesar.h"
#include "word/command_bars.h"
#include "word/range.h"

namespace quillora::prueba {

namespace {

std::filesystem::path CarpetaNueva() {
  std::string plantilla =
      (std::filesystem::temp_directory_path() / "quillora-addin-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
  return plantilla;
}

}  // namespace

std::optional<std::vector<std::uint32_t>> ProcesosPrueba::Enumerar() {
  return std::vector<std::uint32_t>{1, 100, 200, 300};
}

std::vector<std::string> ProcesosPrueba::NombresPrograma(std::uint32_t id) {
  if (id == 1) return {"/sbin/init"};
  if (static_cast<int>(id / 100) <= instanciasWord) {
    return {"C:\\Program Files\\Microsoft Office\\Office16\\WINWORD.EXE"};
  }
  return {"/usr/bin/bash"};
}

PruebaAddin::PruebaAddin() : carpeta_(CarpetaNueva()), registro_(carpeta_ / "quillora.reg") {
  esquema_bd::CrearEsquema(*bd_.GetConexion());
  DiccionarioMuestra::Incorporado().Guardar(bd_.GetConexion());
  origen_ = std::make_unique<OrigenQuillora>(bd_);
}

PruebaAddin::~PruebaAddin() { std::filesystem::remove_all(carpeta_); }

memory::MemoryWordOptions PruebaAddin::WordCompleto() {
  memory::MemoryWordOptions opciones;
  opciones.builtInBars = kMenus;
  opciones.builtInBars.push_back("Standard");
  return opciones;
}

void PruebaAddin::Arrancar(memory::MemoryWordOptions opciones) {
  if (!word_) word_ = std::make_shared<memory::MemoryApplication>(std::move(opciones));
  connect_.OnConnection(word_, ext_ConnectMode::ext_cm_Startup, nullptr, {});
  connect_.OnStartupComplete({});
}

void PruebaAddin::Ajustes(const std::string& valores) {
  std::ofstream(carpeta_ / "quillora.reg")
      << "Windows Registry Editor Version "
         "5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora]\n"
      << valores;
}

std::shared_ptr<word::CommandBarControl> PruebaAddin::Boton(std::int32_t posicion) const {
  return word_->GetCommandBars()->Item("Quillora")->GetControls()->Item(posicion);
}

void PruebaAddin::Pulsar(std::int32_t posicion) const {
  word_->CommandBars()->Pulsar(Boton(posicion));
}

std::shared_ptr<word::CommandBarControl> PruebaAddin::Entrada(const std::string& menu) const {
  return word_->GetCommandBars()->Item(menu)->FindControl("QKV " + menu);
}

std::vector<bool> PruebaAddin::EntradasVisibles() const {
  std::vector<bool> visibles;
  for (const auto& menu : kMenus) {
    const auto entrada = Entrada(menu);
    visibles.push_back(entrada && entrada->GetVisible());
  }
  return visibles;
}

std::vector<std::string> PruebaAddin::Marcas(const memory::MemoryDocument& documento) {
  std::vector<std::string> marcas;
  for (const auto& comentario : documento.CommentList()) {
    if (comentario->initials != kIniciales) continue;
    marcas.push_back(
        documento.Range(comentario->Scope().start, comentario->Scope().end)->GetText());
  }
  return marcas;
}

}  // namespace quillora::prueba
