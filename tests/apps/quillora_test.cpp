// The quillora command end to end: the real program run on real .docx files, with the embedded
// SQLite dictionary, a registry file and an xdg-open of the test's own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "docx/paquete_prueba.h"

namespace quillora {
namespace {

namespace fs = std::filesystem;
using docx::prueba::CarpetaTemporal;
using docx::prueba::LeerBytes;

struct Resultado {
  int estado = -1;
  std::string salida;
  std::string errores;
};

class QuilloraTest : public ::testing::Test {
 protected:
  QuilloraTest() {
    fs::create_directories(carpeta_ / "bin");
    fs::create_directories(carpeta_ / "casa");
    // An xdg-open that writes down what it is asked to open and answers as told.
    const auto xdg = carpeta_ / "bin" / "xdg-open";
    std::ofstream(xdg) << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '"
                       << (carpeta_ / "abiertos").string() << "'\nexit $(cat '"
                       << (carpeta_ / "estado-xdg").string() << "' 2>/dev/null || echo 0)\n";
    fs::permissions(xdg, fs::perms::owner_all);
  }

  // Runs quillora with these arguments in an environment of the test's own, plus `otras`
  // variables, with `entrada` as its standard input.
  Resultado Quillora(const std::vector<std::string>& argumentos,
                     const std::vector<std::string>& otras = {},
                     const std::string& entrada = "") const {
    std::vector<std::string> texto = {QUILLORA_PROGRAMA};
    texto.insert(texto.end(), argumentos.begin(), argumentos.end());
    return Ejecutar(texto, otras, entrada);
  }

  // Runs quillora in a pseudo-terminal, as a person at a terminal would, typing `teclas`.
  Resultado EnTerminal(const std::string& orden, const std::vector<std::string>& otras,
                       const std::string& teclas) const {
    return Ejecutar(
        {"/usr/bin/script", "-qec", std::string(QUILLORA_PROGRAMA) + " " + orden, "/dev/null"},
        otras, teclas);
  }

  Resultado Ejecutar(const std::vector<std::string>& texto, const std::vector<std::string>& otras,
                     const std::string& entrada) const {
    docx::prueba::EscribirBytes(carpeta_ / "stdin", entrada);
    std::vector<std::string> entorno = {
        "PATH=" + (carpeta_ / "bin").string() + ":/usr/bin:/bin",
        "HOME=" + (carpeta_ / "casa").string(), "XDG_DATA_HOME=" + (carpeta_ / "datos").string(),
        "QUILLORA_REGISTRO=" + (carpeta_ / "quillora.reg").string(), "LANG=C.UTF-8"};
    entorno.insert(entorno.end(), otras.begin(), otras.end());
    std::vector<char*> argv;
    for (auto& a : texto) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : entorno) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const auto salida = carpeta_ / "stdout";
    const auto errores = carpeta_ / "stderr";
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const auto stdin = carpeta_ / "stdin";
    posix_spawn_file_actions_addopen(&acciones, 0, stdin.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 1, salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t hijo = 0;
    Resultado resultado;
    if (posix_spawn(&hijo, argv[0], &acciones, nullptr, argv.data(), envp.data()) == 0) {
      int estado = 0;
      waitpid(hijo, &estado, 0);
      resultado.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    }
    posix_spawn_file_actions_destroy(&acciones);
    resultado.salida = LeerBytes(salida);
    resultado.errores = LeerBytes(errores);
    return resultado;
  }

  void Ajustes(const std::string& valores) const {
    std::ofstream(carpeta_ / "quillora.reg")
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora]\r\n"
        << valores;
  }

  std::string Abiertos() const { return LeerBytes(carpeta_ / "abiertos"); }

  CarpetaTemporal carpeta_;
  const fs::path ejemplo_ = QUILLORA_EJEMPLO;
};

TEST_F(QuilloraTest, UsageErrorsAreSpanishAndExitWithTwo) {
  for (const auto& argumentos :
       std::vector<std::vector<std::string>>{{},
                                             {"procesar"},
                                             {"procesar", "a.docx", "b.docx"},
                                             {"marcas", "--foo", "a.docx"},
                                             {"procesar", "a.docx", "-o"},
                                             {"diccionario"}}) {
    const auto r = Quillora(argumentos);
    EXPECT_EQ(r.estado, 2) << r.errores;
    EXPECT_TRUE(r.errores.starts_with("quillora: ")) << r.errores;
    EXPECT_TRUE(r.errores.ends_with("Use --help para más información.\n")) << r.errores;
  }
  EXPECT_NE(Quillora({}).errores.find("falta la orden"), std::string::npos);
  EXPECT_NE(Quillora({"procesar"}).errores.find("falta el argumento obligatorio DOC"),
            std::string::npos);
  EXPECT_NE(Quillora({"marcas", "--foo", "a.docx"}).errores.find("opción desconocida: --foo"),
            std::string::npos);

  for (const auto& orden :
       {"procesar", "marcas", "ocultar", "mostrar", "sugerencia", "ayuda", "diccionario"}) {
    const auto r = Quillora({orden, "--help"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_NE(r.salida.find("Uso: quillora " + std::string(orden)), std::string::npos) << r.salida;
    EXPECT_EQ(r.salida.find("Options"), std::string::npos) << r.salida;
  }
  EXPECT_EQ(Quillora({"--version"}).salida, "quillora " QUILLORA_VERSION "\n");
}

TEST_F(QuilloraTest, MarksTheExampleListsTheMarksAndHidesThem) {
  const auto marcada = carpeta_ / "marcada.docx";
  auto r = Quillora({"procesar", ejemplo_.string(), "-o", marcada.string()});
  ASSERT_EQ(r.estado, 0) << r.errores;
  EXPECT_NE(r.errores.find("se ha creado el diccionario incorporado"), std::string::npos);
  EXPECT_NE(r.errores.find("Quillora: 13 marcas; guardado en"), std::string::npos) << r.errores;

  r = Quillora({"marcas", "--json", marcada.string()});
  ASSERT_EQ(r.estado, 0) << r.errores;
  const auto marcas = nlohmann::json::parse(r.salida);
  ASSERT_EQ(marcas.size(), 13u);
  EXPECT_EQ(marcas[3]["texto"], "Todos los alumnos");
  EXPECT_EQ(marcas[3]["alternativas"],
            (nlohmann::json{"todo el alumnado", "todas las alumnas y todos los alumnos"}));
  int anterior = -1;
  for (const auto& marca : marcas) {
    EXPECT_EQ(marca["autor"], "Quillora");
    EXPECT_EQ(marca["iniciales"], "QKV");
    EXPECT_GT(marca["inicio"].get<int>(), anterior);
    EXPECT_LT(marca["inicio"].get<int>(), marca["fin"].get<int>());
    anterior = marca["inicio"].get<int>();
  }

  // In place: the same marks; hiding them in a .docx deletes them.
  const auto copia = carpeta_ / "copia.docx";
  fs::copy_file(ejemplo_, copia);
  ASSERT_EQ(Quillora({"procesar", copia.string()}).estado, 0);
  EXPECT_EQ(Quillora({"marcas", "--json", copia.string()}).salida, r.salida);
  r = Quillora({"mostrar", copia.string()});
  EXPECT_EQ(r.estado, 0);
  EXPECT_NE(r.errores.find("no hay nada que mostrar"), std::string::npos);
  r = Quillora({"ocultar", copia.string()});
  EXPECT_EQ(r.estado, 0) << r.errores;
  EXPECT_EQ(Quillora({"marcas", "--json", copia.string()}).salida, "[]\n");
}

TEST_F(QuilloraTest, AMissingOrBrokenFileOrAnUnreachableDictionaryFailsAndWritesNothing) {
  const auto salida = carpeta_ / "salida.docx";
  auto r = Quillora({"procesar", (carpeta_ / "no-existe.docx").string(), "-o", salida.string()});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("quillora: No se puede leer el archivo"), std::string::npos);
  docx::prueba::EscribirBytes(carpeta_ / "roto.docx", "PK\x03\x04 esto no es un documento");
  r = Quillora({"procesar", (carpeta_ / "roto.docx").string(), "-o", salida.string()});
  EXPECT_EQ(r.estado, 1);
  EXPECT_TRUE(r.errores.starts_with("quillora: ")) << r.errores;
  r = Quillora({"marcas", (carpeta_ / "roto.docx").string()});
  EXPECT_EQ(r.estado, 1);

  // A data source of the user's that cannot be reached: said, and the document left alone.
  std::ofstream(carpeta_ / "odbc.ini") << "[Quillora]\nDriver=/no/existe/controlador.so\n";
  const auto copia = carpeta_ / "copia.docx";
  fs::copy_file(ejemplo_, copia);
  r = Quillora({"procesar", copia.string()}, {"ODBCINI=" + (carpeta_ / "odbc.ini").string()});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("Quillora: No se ha podido acceder a la base de datos"),
            std::string::npos)
      << r.errores;
  EXPECT_TRUE(LeerBytes(copia) == LeerBytes(ejemplo_));
  EXPECT_FALSE(fs::exists(salida));
}

TEST_F(QuilloraTest, HelpAndSuggestionOpenThroughXdgOpenAndReportFailures) {
  auto r = Quillora({"ayuda"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("Quillora: No se ha podido abrir la ayuda"), std::string::npos);

  Ajustes("\"Path\"=\"/opt/quillora\"\r\n\"EmailTo\"=\"ideas@brenmoor.es?bcc=otro@x.es\"\r\n");
  EXPECT_EQ(Quillora({"ayuda"}).estado, 0);
  EXPECT_EQ(Quillora({"sugerencia"}).estado, 0);
  EXPECT_EQ(Abiertos(),
            "/opt/quillora/Ayuda.chm\n"
            "mailto:ideas@brenmoor.es%3Fbcc%3Dotro@x.es?subject=%5BQuillora%5D%20Sugerencia\n");

  std::ofstream(carpeta_ / "estado-xdg") << "3";
  r = Quillora({"sugerencia"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("xdg-open no ha podido abrir «mailto:"), std::string::npos);
}

TEST_F(QuilloraTest, ASessionScriptReviewsChangesAndSkipsLikeWord) {
  const auto salida = carpeta_ / "sesion.docx";
  auto r = Quillora({"sesion", ejemplo_.string(), "-o", salida.string()}, {},
                    "# una sesión\nprocesar\n\nrevisar 4\nrevisar 2 cambiar 1\n"
                    "revisar 1 omitir-todas\nprocesar\nmarcas\n");
  ASSERT_EQ(r.estado, 0) << r.errores;
  const auto primera = r.salida.substr(0, r.salida.find('\n'));
  const auto dialogo = nlohmann::json::parse(primera);
  EXPECT_NE(dialogo["termino"].get<std::string>().find("el curso 2027-2028. Todos los alumnos"),
            std::string::npos);
  EXPECT_EQ(dialogo["alternativas"].size(), 2u);
  EXPECT_EQ(dialogo["alternativas"][0]["sugerencia"], "todo el alumnado");
  EXPECT_NE(dialogo["rtf"]["termino"].get<std::string>().find("\\cf1 \\b Todos los alumnos"),
            std::string::npos);
  EXPECT_TRUE(dialogo["informacion"].get<std::string>().starts_with("Clasificación sexista: "));
  // The skipped entry is not marked again by the second run; the changed one is gone.
  const auto marcas = nlohmann::json::parse(r.salida.substr(r.salida.find('\n') + 1));
  for (const auto& marca : marcas) {
    EXPECT_NE(marca["texto"], "padres");
    EXPECT_NE(marca["texto"], "El director");
  }
  EXPECT_EQ(marcas.size(), 11u);
  const auto documento = docx::prueba::PartesDe(salida).at("word/document.xml");
  EXPECT_NE(documento.find("La dirección"), std::string::npos);
  EXPECT_NE(documento.find("Estimados padres"), std::string::npos);
  // Another session, another Word: the entry is marked again.
  EXPECT_NE(
      Quillora({"sesion", salida.string()}, {}, "procesar\nmarcas\n").salida.find("\"padres\""),
      std::string::npos);

  for (const auto* linea : {"revisar 0", "revisar 1 cambiar", "revisar 99", "bailar",
                            "procesar\nrevisar 1 cambiar 9"}) {
    const auto otra = carpeta_ / "no.docx";
    r = Quillora({"sesion", ejemplo_.string(), "-o", otra.string()}, {}, linea);
    EXPECT_EQ(r.estado, 2) << linea;
    EXPECT_NE(r.errores.find("no se ha guardado nada"), std::string::npos) << r.errores;
    EXPECT_FALSE(fs::exists(otra));
  }
}

TEST_F(QuilloraTest, ReviewsInATerminalWithTheTermInColour) {
  const auto marcada = carpeta_ / "marcada.docx";
  ASSERT_EQ(Quillora({"procesar", ejemplo_.string(), "-o", marcada.string()}).estado, 0);
  const auto revisada = carpeta_ / "revisada.docx";
  const auto orden = "revisar " + marcada.string() + " -o " + revisada.string();
  auto r = EnTerminal(orden, {}, "1\nc\nq\n");
  EXPECT_EQ(r.estado, 0) << r.salida;
  EXPECT_NE(r.salida.find("Estimados \x1b[1;38;2;255;0;255mpadres\x1b[0m:"), std::string::npos)
      << r.salida;
  EXPECT_NE(r.salida.find("marca 2 de 12"), std::string::npos);
  auto marcas = nlohmann::json::parse(Quillora({"marcas", "--json", revisada.string()}).salida);
  EXPECT_EQ(marcas.size(), 12u);
  EXPECT_EQ(marcas[0]["texto"], "El director");  // closed, so left in place

  r = EnTerminal(orden, {"NO_COLOR=1"}, "o\n\n");
  EXPECT_EQ(r.salida.find("\x1b["), std::string::npos);
  EXPECT_NE(r.salida.find("Estimados «padres»:"), std::string::npos);
  EXPECT_NE(r.salida.find("marca 1 de 12"), std::string::npos);  // the first one omitted
  marcas = nlohmann::json::parse(Quillora({"marcas", "--json", revisada.string()}).salida);
  EXPECT_EQ(marcas.size(), 12u);
}

TEST_F(QuilloraTest, TheDictionaryCommandsReportAndRefuse) {
  auto r = Quillora({"diccionario", "info"});
  EXPECT_EQ(r.estado, 0) << r.errores;
  EXPECT_NE(r.salida.find("571 entradas"), std::string::npos);
  r = Quillora({"diccionario", "muestra"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("ya tiene entradas"), std::string::npos);
}

}  // namespace
}  // namespace quillora
