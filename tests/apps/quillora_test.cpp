// The quillora command end to end: documents, review, help and the dictionary database.
#include "quillora_prueba.h"

namespace quillora {
namespace {

using prueba::QuilloraTest;
using prueba::Resultado;
namespace fs = std::filesystem;
using docx::prueba::LeerBytes;

TEST_F(QuilloraTest, UsageErrorsAreSpanishAndExitWithTwo) {
  for (const auto& [argumentos, motivo] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, "falta la orden"},
           {{"procesar"}, "falta el argumento obligatorio DOC"},
           {{"procesar", "a.docx", "b.docx"}, ""},
           {{"marcas", "--foo", "a.docx"}, "opción desconocida: --foo"},
           {{"procesar", "a.docx", "-o"}, ""},
           {{"diccionario"}, ""}}) {
    const auto r = Quillora(argumentos);
    EXPECT_EQ(r.estado, 2) << r.errores;
    EXPECT_TRUE(r.errores.starts_with("quillora: ")) << r.errores;
    EXPECT_NE(r.errores.find(motivo), std::string::npos) << r.errores;
    EXPECT_TRUE(r.errores.ends_with("Use --help para más información.\n")) << r.errores;
  }

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
  nlohmann::json alternativas;
  for (const auto& entrada : Muestra().entradas) {
    if (entrada.entrada != "todos los alumnos") continue;
    for (const auto& sustituto : entrada.sustitutos) alternativas.push_back(sustituto.sustituto);
  }
  EXPECT_EQ(marcas[3]["alternativas"], alternativas);
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

// Terms in content controls that close the document have no place for their mark that every
// word processor reads whole: they are left unmarked, and the summary counts them.
TEST_F(QuilloraTest, CountsTheTermsLeftUnmarkedInContentControls) {
  const auto control = [](const std::string& texto) {
    return "<w:sdt><w:sdtPr><w:id w:val=\"1\"/></w:sdtPr><w:sdtContent><w:p><w:r><w:t>" + texto +
           "</w:t></w:r></w:p></w:sdtContent></w:sdt>";
  };
  docx::prueba::Docx docx;
  docx.cuerpo = "<w:p><w:r><w:t>Los alumnos llegan.</w:t></w:r></w:p>" +
                control("Firman los padres.") + control("Y el director.");
  docx.Escribir(carpeta_ / "controles.docx");
  const auto marcada = carpeta_ / "marcada.docx";
  auto r = Quillora({"procesar", (carpeta_ / "controles.docx").string(), "-o", marcada.string()});
  ASSERT_EQ(r.estado, 0) << r.errores;
  EXPECT_NE(r.errores.find("Quillora: 1 marca; guardado en"), std::string::npos) << r.errores;
  EXPECT_NE(r.errores.find("Quillora: 2 términos sin marcar dentro de controles de contenido"),
            std::string::npos)
      << r.errores;
  const auto marcas =
      nlohmann::json::parse(Quillora({"marcas", "--json", marcada.string()}).salida);
  ASSERT_EQ(marcas.size(), 1u);
  EXPECT_EQ(marcas[0]["texto"], "Los alumnos");
}

TEST_F(QuilloraTest, DoubletsStayUnmarkedUnlessTheOptionOrTheSettingAsks) {
  docx::prueba::Docx docx;
  docx.cuerpo =
      "<w:p><w:r><w:t>Los niños y las niñas juegan. Los alumnos llegan.</w:t></w:r></w:p>";
  const auto documento = carpeta_ / "desdoble.docx";
  docx.Escribir(documento);
  const auto marcada = (carpeta_ / "marcada.docx").string();
  const auto marcas = [&](const std::vector<std::string>& opciones) {
    std::vector<std::string> argumentos = {"procesar", documento.string(), "-o", marcada};
    argumentos.insert(argumentos.end(), opciones.begin(), opciones.end());
    const auto r = Quillora(argumentos);
    EXPECT_EQ(r.estado, 0) << r.errores;
    std::vector<std::string> textos;
    for (const auto& marca :
         nlohmann::json::parse(Quillora({"marcas", "--json", marcada}).salida)) {
      textos.push_back(marca["texto"]);
    }
    return textos;
  };
  using Textos = std::vector<std::string>;
  EXPECT_EQ(marcas({}), (Textos{"Los alumnos"}));
  EXPECT_EQ(marcas({"--marcar-todo"}), (Textos{"Los niños", "Los alumnos"}));
  Ajustes("\"MarcarDesdobles\"=dword:00000001\r\n");
  EXPECT_EQ(marcas({}), (Textos{"Los niños", "Los alumnos"}));
  Ajustes("\"MarcarDesdobles\"=dword:00000002\r\n");
  EXPECT_EQ(marcas({}), (Textos{"Los alumnos"}));
  EXPECT_NE(Quillora({"procesar", "--help"}).salida.find("«MarcarDesdobles» con valor 1"),
            std::string::npos);
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
  EXPECT_NE(r.salida.find(std::to_string(Muestra().entradas.size()) + " entradas"),
            std::string::npos);
  r = Quillora({"diccionario", "muestra"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("ya tiene entradas"), std::string::npos);

  // A damaged or empty database is a failure that names it, and stays as it was.
  const auto base = carpeta_ / "datos" / "quillora" / "quillora.db";
  const auto sana = LeerBytes(base);
  for (const auto& danada : {std::string(), sana.substr(0, sana.size() / 3),
                             std::string(4096, '\x5a'), sana.substr(0, 100)}) {
    docx::prueba::EscribirBytes(base, danada);
    r = Quillora({"diccionario", "info"});
    EXPECT_EQ(r.estado, 1) << r.salida;
    EXPECT_NE(r.errores.find(base.string()), std::string::npos) << r.errores;
    EXPECT_EQ(r.salida.find("entradas"), std::string::npos) << r.salida;
    EXPECT_TRUE(LeerBytes(base) == danada);
  }
}

}  // namespace
}  // namespace quillora
