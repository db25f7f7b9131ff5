#include "common/leer_registro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace quillora::comun {
namespace {

// One key holding one value, "Valor", whose answers the test sets: what a registry file cannot
// give, such as a read that fails once the size is known.
class RegistroFalso : public Registro {
 public:
  std::uint32_t tipo = kRegTexto;
  std::vector<std::uint8_t> datos;
  std::int32_t apertura = kRegCorrecto;
  std::int32_t segundaLectura = kRegCorrecto;
  std::string abierta;
  int cerradas = 0;

  std::int32_t RegOpenKey(std::string_view subclave, Clave& clave) override {
    abierta = subclave;
    clave = 7;
    return apertura;
  }
  std::int32_t RegQueryValueEx(Clave, std::string_view nombre, std::uint32_t& tipoLeido,
                               std::uint8_t* destino, std::uint32_t& tamano) override {
    if (nombre != "Valor") return kRegNoEncontrado;
    tipoLeido = tipo;
    const auto capacidad = std::exchange(tamano, static_cast<std::uint32_t>(datos.size()));
    if (destino == nullptr) return kRegCorrecto;
    if (segundaLectura != kRegCorrecto) return segundaLectura;
    if (capacidad < tamano) return kRegMasDatos;
    std::ranges::copy(datos, destino);
    return kRegCorrecto;
  }
  std::int32_t RegCloseKey(Clave) override {
    ++cerradas;
    return kRegCorrecto;
  }
};

// What a registry file cannot give: a read that fails once the size is known, and a key that
// does not open. Values that read well are read through the file in registro_archivo_test.
TEST(LeerRegistro, KeepsOrEmptiesTheValueWhenAReadFailsAndClosesWhatItOpened) {
  RegistroFalso registro;
  const ValorRegistro intacto = std::int32_t{5};
  ValorRegistro valor = intacto;
  registro.datos = {'a', 0};
  registro.segundaLectura = kRegMasDatos;  // the value grew between the two reads
  EXPECT_EQ(LeerValorRegistro(registro, 7, "Valor", valor), kRegMasDatos);
  EXPECT_EQ(valor, ValorRegistro(std::string()));
  EXPECT_EQ(LeerRegistro(registro, "Valor"), "");
  EXPECT_EQ(registro.abierta, "Software\\Brenmoor\\Quillora\\");
  EXPECT_EQ(registro.cerradas, 1);

  registro.tipo = kRegNumero;
  registro.datos = {1, 0, 0, 0};
  valor = intacto;
  EXPECT_EQ(LeerValorRegistro(registro, 7, "Valor", valor), kRegMasDatos);
  EXPECT_EQ(valor, intacto);
  registro.segundaLectura = kRegCorrecto;
  registro.datos = {1, 0};  // a number of fewer than 32 bits
  EXPECT_EQ(LeerValorRegistro(registro, 7, "Valor", valor), kRegCorrecto);
  EXPECT_EQ(valor, intacto);

  registro.cerradas = 0;
  registro.apertura = kRegNoEncontrado;
  registro.datos = {1, 0, 0, 0};
  EXPECT_EQ(LeerRegistro(registro, "Valor"), "");
  EXPECT_EQ(registro.cerradas, 0);
}

}  // namespace
}  // namespace quillora::comun
