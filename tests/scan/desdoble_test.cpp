#include "scan/desdoble.h"

#include <gtest/gtest.h>

#include "common/texto_unicode.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/sustitutos.h"
#include "memory_document.h"
#include "scan/aposicion.h"
#include "scan/vecindad.h"
#include "word/range.h"

namespace quillora {
namespace {

// The paragraphs in an in-memory Word, and the words around the first place where `coincidencia`
// is written, as the processing run reads them when it has matched those words.
class Texto {
 public:
  explicit Texto(const std::vector<std::string>& parrafos)
      : documento_(memory::MemoryDocument::Create(parrafos)) {}

  Vecindad En(const std::string& coincidencia) const {
    const auto todo = documento_->Range()->GetText();
    const auto donde = todo.find(coincidencia);
    EXPECT_NE(donde, std::string::npos) << coincidencia;
    const auto inicio = static_cast<std::int32_t>(texto::Utf8AUtf16(todo.substr(0, donde)).size());
    const auto fin = inicio + static_cast<std::int32_t>(texto::Utf8AUtf16(coincidencia).size());
    const auto palabras = documento_->Range(inicio, fin)->GetWords();
    return Vecindad(palabras->GetFirst(), palabras->Item(palabras->Count()));
  }

 private:
  std::shared_ptr<memory::MemoryDocument> documento_;
};

std::shared_ptr<Entrada> EntradaCon(const std::string& texto,
                                    std::initializer_list<const char*> alternativas) {
  const auto entradas = std::make_shared<GestionBD>()->GetEntradas();
  auto entrada = entradas->Add(texto);
  for (const auto* alternativa : alternativas) entrada->GetSustitutos()->Add(alternativa);
  return entrada;
}

bool Desdoble(const std::string& frase, const std::string& coincidencia,
              std::initializer_list<const char*> alternativas = {"el alumnado"}) {
  const Texto texto({frase});
  auto vecindad = texto.En(coincidencia);
  return EsDesdoble(*EntradaCon(coincidencia, alternativas), vecindad);
}

TEST(Desdoble, BothFormsInEitherOrderWithOrWithoutTheirDeterminers) {
  EXPECT_TRUE(Desdoble("Los niños y las niñas jugaban.", "Los niños"));
  EXPECT_TRUE(Desdoble("Hablé con los alumnos y alumnas del centro.", "los alumnos"));
  EXPECT_TRUE(Desdoble("Las alumnas y los alumnos votaron.", "los alumnos"));
  EXPECT_TRUE(Desdoble("Las profesoras y los profesores firmaron.", "los profesores"));
  EXPECT_TRUE(Desdoble("Vinieron todas las alumnas y todos los alumnos.", "los alumnos"));
  EXPECT_TRUE(Desdoble("Vinieron todos los alumnos y todas las alumnas.", "todos los alumnos"));
  EXPECT_TRUE(Desdoble("Vinieron todos los alumnos y todas las alumnas.", "los alumnos"));
  EXPECT_TRUE(Desdoble("Firma el director o la directora.", "el director"));
  EXPECT_TRUE(Desdoble("La firma del alumno o de la alumna.", "del alumno"));
  EXPECT_TRUE(Desdoble("La firma del alumno o alumna.", "del alumno"));
  EXPECT_TRUE(Desdoble("Se premia al ganador o a la ganadora.", "al ganador"));
  EXPECT_TRUE(Desdoble("Sus hijos e hijas.", "hijos"));
  EXPECT_TRUE(Desdoble("Los campeones u campeonas.", "Los campeones"));
  EXPECT_TRUE(Desdoble("Los jóvenes y las jóvenes del barrio.", "Los jóvenes"));
  EXPECT_TRUE(Desdoble("LOS CIUDADANOS Y LAS CIUDADANAS.", "LOS CIUDADANOS"));
  EXPECT_TRUE(Desdoble("El juez o la jueza decide.", "El juez"));

  // Neither a pair nor the same noun twice.
  EXPECT_FALSE(Desdoble("Los alumnos y los profesores firmaron.", "Los alumnos"));
  EXPECT_FALSE(Desdoble("Los alumnos y las notas.", "Los alumnos"));
  EXPECT_FALSE(Desdoble("Los jóvenes y jóvenes.", "Los jóvenes"));
  EXPECT_FALSE(Desdoble("Los alumnos llegaron y las alumnas también.", "Los alumnos"));
  EXPECT_TRUE(Desdoble("Un alumno o una alumna", "Un alumno"));
  // A stop, a comma or another paragraph parts them.
  EXPECT_FALSE(Desdoble("Vienen los niños. Y las niñas se quedan.", "los niños"));
  EXPECT_FALSE(Desdoble("Vienen los niños, y las niñas se quedan.", "los niños"));
  const Texto parrafos({"Vienen los niños", "y las niñas."});
  auto vecindad = parrafos.En("los niños");
  EXPECT_FALSE(EsDesdoble(*EntradaCon("los niños", {"la infancia"}), vecindad));
}

TEST(Desdoble, PairsThatOnlyTheEntrysOwnAlternativesKnow) {
  // No regular ending turns "padres" into "madres": the entry's alternative says they pair, in
  // the order written or with its halves swapped, with or without their determiners.
  EXPECT_FALSE(Desdoble("Reunión de padres y madres.", "padres", {"familias"}));
  EXPECT_TRUE(Desdoble("Reunión de padres y madres.", "padres", {"familias", "madres y padres"}));
  EXPECT_TRUE(Desdoble("Reunión de madres y padres.", "padres", {"madres y padres"}));
  EXPECT_TRUE(Desdoble("Reunión de padres o madres.", "padres", {"madres y padres"}));
  EXPECT_TRUE(Desdoble("Los padres y las madres firman.", "Los padres",
                       {"las familias", "las madres y los padres"}));
  EXPECT_TRUE(Desdoble("Los padres y madres firman.", "Los padres", {"las madres y los padres"}));
  EXPECT_TRUE(
      Desdoble("Las madres y los padres firman.", "los padres", {"las madres y los padres"}));
  EXPECT_FALSE(
      Desdoble("Los padres y los abuelos firman.", "Los padres", {"las madres y los padres"}));
  // A half of determiners only shares the noun that follows it.
  EXPECT_TRUE(
      Desdoble("Las y los periodistas llegaron.", "los periodistas", {"las y los periodistas"}));
  EXPECT_FALSE(Desdoble("Los periodistas y las cámaras llegaron.", "Los periodistas",
                        {"las y los periodistas"}));
}

bool Aposicion(const std::string& frase, const std::string& coincidencia) {
  const Texto texto({frase});
  auto vecindad = texto.En(coincidencia);
  return SigueNombreDePersona(*EntradaCon(coincidencia, {"x"}), vecindad);
}

TEST(Aposicion, ASingularTermFollowedByThePersonsName) {
  EXPECT_TRUE(Aposicion("El director del colegio, Andrés Gil, se jubila.", "El director"));
  EXPECT_TRUE(Aposicion("Habló el ganador, Luis Sanz.", "el ganador"));
  EXPECT_TRUE(Aposicion("Habló el ganador, Luis Sanz", "el ganador"));
  EXPECT_TRUE(Aposicion("El director Andrés Gil se jubila.", "El director"));
  EXPECT_TRUE(Aposicion("El presidente de la Junta de Andalucía, Juan Manuel Moreno, habló.",
                        "El presidente"));
  EXPECT_TRUE(Aposicion("El autor, Juan de la Cierva, patentó el autogiro.", "El autor"));

  EXPECT_FALSE(Aposicion("El director debe firmar el acta.", "El director"));
  EXPECT_FALSE(Aposicion("Los directores, Andrés Gil y Luis Sanz, firman.", "Los directores"));
  EXPECT_FALSE(Aposicion("El director, que llegó tarde, firmó.", "El director"));
  EXPECT_FALSE(Aposicion("Para el ciudadano, Madrid ofrece ventajas.", "el ciudadano"));
  EXPECT_FALSE(Aposicion("Lo dijo el director Andrés.", "el director"));
}

}  // namespace
}  // namespace quillora
