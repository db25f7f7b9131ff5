#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>

#include "dictionary/clave_texto.h"

extern "C" const char kClavesMuestraTsv[];
extern "C" const std::size_t kClavesMuestraTsvLongitud;

namespace quillora {
namespace {

// The build machine's ICU listed the key of every entry and alternative of the sample; the
// system's own case mapping must give the same ones, or terms would go unfound on Windows.
TEST(ClavesMuestraTest, ElSistemaDaLasClavesDeIcuATodoElDiccionarioDeMuestra) {
  std::istringstream lineas(std::string(kClavesMuestraTsv, kClavesMuestraTsvLongitud));
  std::string linea;
  int comprobadas = 0;
  while (std::getline(lineas, linea)) {
    const auto tabulador = linea.find('\t');
    ASSERT_NE(tabulador, std::string::npos) << linea;
    const auto texto = linea.substr(0, tabulador);
    EXPECT_EQ(ClaveTexto(texto), linea.substr(tabulador + 1)) << texto;
    ++comprobadas;
  }
  EXPECT_GT(comprobadas, 5000);
}

}  // namespace
}  // namespace quillora
