#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "addin/connect.h"
#include "common/procesos.h"
#include "db/motores_prueba.h"
#include "memory_application.h"
#include "origen_quillora_prueba.h"
#include "registro_archivo.h"
#include "servicios_guionizados.h"
#include "shell_xdg.h"

namespace quillora::prueba {

// A machine running `instanciasWord` Word processes among others.
class ProcesosPrueba final : public comun::Procesos {
 public:
  std::optional<std::vector<std::uint32_t>> Enumerar() override;
  std::vector<std::string> NombresPrograma(std::uint32_t id) override;
  int instanciasWord = 1;
};

// The add-in in an in-memory Word, with the sample dictionary in a SQLite database behind the
// data source "Quillora" and a registry file of the test's own. Each test runs in a process of
// its own (ctest), as the data source can be pointed only once per process.
class PruebaAddin : public ::testing::Test {
 protected:
  PruebaAddin();
  ~PruebaAddin() override;

  // A Word with every context menu the add-in uses, unless told otherwise.
  static memory::MemoryWordOptions WordCompleto();
  // Creates Word (when not yet created) and connects the add-in as Word does at start-up.
  void Arrancar(memory::MemoryWordOptions opciones = WordCompleto());
  // Writes the registry file with these values of the program's key.
  void Ajustes(const std::string& valores);

  std::shared_ptr<word::CommandBarControl> Boton(std::int32_t posicion) const;
  void Pulsar(std::int32_t posicion) const;
  // The add-in's entry in a context menu; none when it has none.
  std::shared_ptr<word::CommandBarControl> Entrada(const std::string& menu) const;
  // Which of the seven entries are shown, in the menus' order; absent ones count as hidden.
  std::vector<bool> EntradasVisibles() const;
  // The texts the marks of the document cover, in document order.
  static std::vector<std::string> Marcas(const memory::MemoryDocument& documento);

  std::filesystem::path carpeta_;
  db::prueba::BaseDatosPrueba bd_{db::Motor::SQLite};
  std::unique_ptr<OrigenQuillora> origen_;
  ServiciosGuionizados servicios_;
  posix::RegistroArchivo registro_;
  posix::ShellXdg shell_{"true"};  // opens nothing, and says it did
  ProcesosPrueba procesos_;
  std::shared_ptr<memory::MemoryApplication> word_;
  Connect connect_{servicios_, {registro_, shell_, procesos_}};
};

inline const std::vector<std::string> kMenus = {"Comment",     "Ink Comment", "Spelling", "Grammar",
                                                "Grammar (2)", "Text",        "Fields"};

}  // namespace quillora::prueba
