// Keeping the dictionary from the command line: the editor's windows driven by the real program
// on the embedded SQLite dictionary, and the processing run seeing what changed.
#include <algorithm>

#include "quillora_prueba.h"

namespace quillora {
namespace {

using nlohmann::json;
using prueba::QuilloraTest;
using prueba::Resultado;

class QuilloraEntradasTest : public QuilloraTest {
 protected:
  json Json(const std::vector<std::string>& argumentos) const {
    const auto r = Quillora(argumentos);
    EXPECT_EQ(r.estado, 0) << r.errores;
    return json::parse(r.salida);
  }

  // The texts the example's marks cover once processed with the dictionary as it stands.
  std::vector<std::string> Marcados() const {
    const auto marcada = (carpeta_ / "marcada.docx").string();
    EXPECT_EQ(Quillora({"procesar", ejemplo_.string(), "-o", marcada}).estado, 0);
    std::vector<std::string> textos;
    for (const auto& marca : Json({"marcas", "--json", marcada})) textos.push_back(marca["texto"]);
    return textos;
  }

  static bool Contiene(const std::vector<std::string>& textos, const std::string& texto) {
    return std::find(textos.begin(), textos.end(), texto) != textos.end();
  }
};

TEST_F(QuilloraEntradasTest, CreatesFindsChangesAndDeletesEntriesSeenByTheNextRun) {
  const auto clases = Json({"clases", "--json"});
  ASSERT_EQ(clases["morfologia"].size(), Muestra().morfologias.size());
  EXPECT_EQ(clases["morfologia"][0]["nombre"], "Adjetivo o participio");  // by name, not by key
  EXPECT_FALSE(Contiene(Marcados(), "un monitor"));

  auto r = Quillora({"entradas", "crear", "  un monitor ", "--sexismo", "MASCULINO GENÉRICO",
                     "--morfologia", "Grupo nominal con determinante", "--comentario",
                     "Masculino genérico.\nEn plural, también."});
  ASSERT_EQ(r.estado, 0) << r.errores;
  const auto id = std::stoi(r.salida);

  // The windows' own refusals, on the error stream, with exit status 1; nothing is saved.
  for (const auto& [argumentos, mensaje] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"entradas", "crear", "UN MONITOR"},
            "Quillora: El nombre de la entrada ya existe para otra entrada\n"},
           {{"entradas", "crear", "   "},
            "Quillora: El nombre de la entrada no puede estar vacío\n"},
           {{"alternativas", "crear", std::to_string(id), " "},
            "Quillora: El texto de la alternativa no puede estar vacío\n"}}) {
    r = Quillora(argumentos);
    EXPECT_EQ(r.estado, 1);
    EXPECT_EQ(r.errores, mensaje);
    EXPECT_TRUE(r.salida.empty());
  }
  r = Quillora({"entradas", "crear", "x", "--sexismo", "machista"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("«machista»"), std::string::npos) << r.errores;
  EXPECT_NE(r.errores.find("«Masculino genérico»"), std::string::npos) << r.errores;
  r = Quillora({"entradas", "crear", std::string(251, 'a')});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("250 caracteres"), std::string::npos) << r.errores;

  r = Quillora({"alternativas", "crear", std::to_string(id), "una persona monitora", "--contexto",
                "en singular"});
  ASSERT_EQ(r.estado, 0) << r.errores;
  const auto alternativa = std::stoi(r.salida);
  r = Quillora({"alternativas", "crear", std::to_string(id), " UNA PERSONA MONITORA"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.errores, "Quillora: Ya existe una alternativa con el mismo texto para la entrada\n");

  auto entrada = Json({"entradas", "ver", std::to_string(id), "--json"});
  EXPECT_EQ(entrada["entrada"], "un monitor");
  EXPECT_EQ(entrada["sexismo"], "Masculino genérico");
  EXPECT_EQ(entrada["comentario"], "Masculino genérico.\nEn plural, también.");
  EXPECT_TRUE(entrada["comentario_rtf"].get<std::string>().starts_with("{\\rtf1"));
  EXPECT_EQ(entrada["alternativas"], (json{{{"id", alternativa},
                                            {"alternativa", "una persona monitora"},
                                            {"contexto", "en singular"}}}));
  r = Quillora({"entradas", "copiar", std::to_string(id)});
  EXPECT_EQ(r.salida,
            "Entrada: un monitor\n\nClasificación morfológica: Grupo nominal con determinante\n\n"
            "Clasificación sexista: Masculino genérico\n\nComentario: Masculino genérico.\nEn "
            "plural, también.\n\nSugerencias:\n    una persona monitora\n");

  // Found with or without accents, with wildcards, by class; the count as the browser shows it.
  const auto encontradas = [&](const std::vector<std::string>& filtro) {
    std::vector<std::string> argumentos = {"entradas", "buscar", "--json"};
    argumentos.insert(argumentos.end(), filtro.begin(), filtro.end());
    const auto resultado = Json(argumentos);
    std::vector<std::string> textos;
    for (const auto& fila : resultado["entradas"]) textos.push_back(fila["entrada"]);
    EXPECT_EQ(resultado["elementos"], textos.size());
    return textos;
  };
  EXPECT_EQ(encontradas({"un mónitor"}), std::vector<std::string>{"un monitor"});
  EXPECT_EQ(encontradas({"UN M?NIT*"}), std::vector<std::string>{"un monitor"});
  EXPECT_EQ(encontradas({"un monitor", "--sexismo", "Androcentrismo"}), std::vector<std::string>{});
  EXPECT_EQ(encontradas({}).size(), Muestra().entradas.size() + 1);
  r = Quillora({"entradas", "buscar", "un monitor"});
  EXPECT_EQ(r.salida, std::to_string(id) +
                          "\tun monitor\tGrupo nominal con determinante\tMasculino genérico\n"
                          "1 elementos\n");
  EXPECT_TRUE(Contiene(Marcados(), "un monitor"));

  ASSERT_EQ(Quillora({"entradas", "modificar", std::to_string(id), "--texto", "l'monitor",
                      "--sin-sexismo"})
                .estado,
            0);
  ASSERT_EQ(
      Quillora({"alternativas", "modificar", std::to_string(alternativa), "--contexto", ""}).estado,
      0);
  entrada = Json({"entradas", "ver", std::to_string(id), "--json"});
  EXPECT_EQ(entrada["entrada"], "l'monitor");
  EXPECT_EQ(entrada["sexismo"], nullptr);
  EXPECT_EQ(entrada["morfologia"], "Grupo nominal con determinante");
  EXPECT_EQ(entrada["alternativas"][0]["contexto"], "");
  EXPECT_EQ(encontradas({"l'mon"}), std::vector<std::string>{"l'monitor"});
  EXPECT_FALSE(Contiene(Marcados(), "un monitor"));

  // Deleting asks first: no answer deletes nothing; --si answers yes.
  r = Quillora({"entradas", "eliminar", std::to_string(id)});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("¿Está seguro de que desea eliminar los elementos seleccionados?"),
            std::string::npos);
  EXPECT_EQ(Quillora({"entradas", "ver", std::to_string(id)}).estado, 0);
  r = Quillora({"entradas", "eliminar", std::to_string(id), "99999", "--si"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("no existe ninguna entrada con el número 99999"), std::string::npos);
  r = Quillora({"entradas", "eliminar", std::to_string(id), "--si"});
  EXPECT_EQ(r.estado, 0) << r.errores;
  EXPECT_EQ(r.salida, "Entradas eliminadas: 1\n");
  r = Quillora({"entradas", "ver", std::to_string(id)});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.errores,
            "quillora: no existe ninguna entrada con el número " + std::to_string(id) + "\n");
  r = Quillora({"alternativas", "eliminar", std::to_string(alternativa), "--si"});
  EXPECT_EQ(r.estado, 1);  // gone with its entry
  EXPECT_EQ(encontradas({}).size(), Muestra().entradas.size());
}

TEST_F(QuilloraEntradasTest, DeletesAlternativesAfterTheQuestion) {
  const auto id = std::stoi(Quillora({"entradas", "crear", "los cuidadores de comedor"}).salida);
  std::vector<std::string> alternativas;
  for (const auto* texto :
       {"el personal de monitoría", "las personas monitoras", "quienes vigilan"}) {
    alternativas.push_back(Quillora({"alternativas", "crear", std::to_string(id), texto}).salida);
    alternativas.back().pop_back();
  }
  auto r =
      EnTerminal("alternativas eliminar " + alternativas[0] + " " + alternativas[2], {}, "n\n");
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(Json({"entradas", "ver", std::to_string(id), "--json"})["alternativas"].size(), 3u);
  r = EnTerminal("alternativas eliminar " + alternativas[0] + " " + alternativas[2], {}, "s\n");
  EXPECT_EQ(r.estado, 0) << r.salida;
  const auto quedan = Json({"entradas", "ver", std::to_string(id), "--json"})["alternativas"];
  ASSERT_EQ(quedan.size(), 1u);
  EXPECT_EQ(quedan[0]["alternativa"], "las personas monitoras");
}

}  // namespace
}  // namespace quillora
