// A program ended by Ctrl+C or a signal while it saves a .docx leaves no temporary file and the
// document as it was.
#include "interrupcion.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "memory_document.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora::terminal {
namespace {

namespace fs = std::filesystem;
using docx::prueba::CarpetaTemporal;

struct Caso {
  const char* nombre;
  bool instalada;          // Interrupcion::Instalar, as `quillora procesar` does
  std::vector<int> antes;  // signals before the save starts
  int durante;             // the signal that arrives while the temporary file exists
  int salida;              // the exit status, or 0 when the signal itself ends the program
};

// The signal a save is to receive once its temporary file exists.
int senalDurante = 0;

void TemporalInterrumpido(const char* ruta) {
  Interrupcion::Temporal(ruta);
  // Held back until the file is known to be there, then delivered at once.
  if (ruta != nullptr) std::raise(senalDurante);
}

class Interrumpido : public ::testing::TestWithParam<Caso> {};

TEST_P(Interrumpido, DuranteElGuardadoNoQuedaTemporalYElDocumentoNoCambia) {
  CarpetaTemporal carpeta;
  docx::prueba::Docx docx;
  docx.cuerpo = "<w:p><w:r><w:t>Los alumnos</w:t></w:r></w:p>";
  const auto ruta = carpeta / "carta.docx";
  docx.Escribir(ruta);
  const auto antes = docx::prueba::LeerBytes(ruta);

  const pid_t hijo = fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    const int devnull = ::open("/dev/null", O_WRONLY);
    ::dup2(devnull, STDERR_FILENO);
    std::signal(SIGINT, SIG_DFL);
    if (GetParam().instalada) Interrupcion::Instalar();
    for (const int senal : GetParam().antes) std::raise(senal);
    auto documento = docx::DocumentoDocx::Abrir(ruta);
    const auto& memoria = *documento.Documento();
    memoria.GetComments()->Add(*memoria.Range(4, 11), "alumnado");
    senalDurante = GetParam().durante;
    documento.Guardar(ruta, TemporalInterrumpido);
    _exit(0);
  }
  int estado = 0;
  ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
  if (GetParam().salida != 0) {
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == GetParam().salida) << estado;
  } else {
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == GetParam().durante) << estado;
  }
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"carta.docx"});
  EXPECT_TRUE(docx::prueba::LeerBytes(ruta) == antes);
}

INSTANTIATE_TEST_SUITE_P(Guardado, Interrumpido,
                         ::testing::Values(Caso{"SegundoCtrlC", true, {SIGINT}, SIGINT, 130},
                                           Caso{"CtrlCSinInstalar", false, {}, SIGINT, 0},
                                           Caso{"Terminado", true, {}, SIGTERM, 0},
                                           Caso{"TerminalCerrado", false, {}, SIGHUP, 0}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace quillora::terminal
