#include "common/enviar_sugerencia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quillora::comun {
namespace {

const std::string kAsunto = "?subject=%5BQuillora%5D%20Sugerencia";

std::string Decodificar(const std::string& codificado) {
  std::string texto;
  for (std::size_t i = 0; i < codificado.size(); ++i) {
    const bool escape = codificado[i] == '%' && i + 2 < codificado.size();
    texto += escape ? static_cast<char>(std::stoi(codificado.substr(i + 1, 2), nullptr, 16))
                    : codificado[i];
    if (escape) i += 2;
  }
  return texto;
}

TEST(EnviarSugerencia, EncodesEverythingThatCouldAddHeadersToTheLink) {
  EXPECT_EQ(EnlaceSugerencia("sugerencias@brenmoor.es"),
            "mailto:sugerencias@brenmoor.es" + kAsunto);
  EXPECT_EQ(EnlaceSugerencia("a@b.org?cc=x@y.org&bcc=z"),
            "mailto:a@b.org%3Fcc%3Dx@y.org%26bcc%3Dz" + kAsunto);
  EXPECT_EQ(EnlaceSugerencia("a@b.org\r\nBcc: z@y.org"),
            "mailto:a@b.org%0D%0ABcc:%20z@y.org" + kAsunto);
  EXPECT_EQ(EnlaceSugerencia("año@b.es"), "mailto:a%C3%B1o@b.es" + kAsunto);

  // Whatever the address, the only "?" opens the subject and the address decodes back whole.
  for (const auto& direccion :
       std::vector<std::string>{"a@b.org#x", "100%@b.org", "%3F@b.org", "a b@c.org\t", "../x/y=z",
                                "\"a\"<a@b.org>", std::string("a\0b", 3), "€@b.org\x7f\xff"}) {
    const auto enlace = EnlaceSugerencia(direccion);
    const auto fin = enlace.size() - kAsunto.size();
    EXPECT_EQ(enlace.find_first_of("?&#=/ \"<>"), fin) << enlace;
    EXPECT_TRUE(std::ranges::all_of(enlace, [](char c) { return c > ' ' && c < '\x7f'; }));
    EXPECT_EQ(Decodificar(enlace.substr(7, fin - 7)), direccion) << enlace;
  }
}

}  // namespace
}  // namespace quillora::comun
