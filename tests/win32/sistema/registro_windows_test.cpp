#include "registro_windows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/leer_registro.h"

namespace quillora::win32 {
namespace {

// A key of the test's own under HKEY_LOCAL_MACHINE, written with the wide functions and read
// back through the narrow ones of the adapter.
constexpr wchar_t kClavePrueba[] = L"Software\\QuilloraPruebas\\Configuración";
constexpr char kClavePruebaUtf8[] = "Software\\QuilloraPruebas\\Configuración\\";

class RegistroWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY clave = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kClavePrueba, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &clave, nullptr),
              ERROR_SUCCESS);
    EscribirTexto(clave, L"Path", L"C:\\Programas\\Cañón de Ávila");
    EscribirTexto(clave, L"Vacío", L"");
    const DWORD numero = static_cast<DWORD>(-1234);
    RegSetValueExW(clave, L"Número", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&numero),
                   sizeof numero);
    const std::array<BYTE, 3> binario = {1, 2, 3};
    RegSetValueExW(clave, L"Binario", 0, REG_BINARY, binario.data(), binario.size());
    RegCloseKey(clave);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\QuilloraPruebas"); }

  static void EscribirTexto(HKEY clave, const wchar_t* nombre, const std::wstring& texto) {
    RegSetValueExW(clave, nombre, 0, REG_SZ, reinterpret_cast<const BYTE*>(texto.c_str()),
                   static_cast<DWORD>((texto.size() + 1) * sizeof(wchar_t)));
  }

  RegistroWindows registro;
};

TEST_F(RegistroWindowsTest, AbreLaClaveSinDistinguirMayusculasYFallaSiNoExiste) {
  comun::Registro::Clave clave = 0;
  ASSERT_EQ(registro.RegOpenKey(kClavePruebaUtf8, clave), comun::kRegCorrecto);
  EXPECT_EQ(registro.RegCloseKey(clave), comun::kRegCorrecto);
  ASSERT_EQ(registro.RegOpenKey("SOFTWARE\\quillorapruebas\\CONFIGURACIÓN", clave),
            comun::kRegCorrecto);
  EXPECT_EQ(registro.RegCloseKey(clave), comun::kRegCorrecto);

  comun::Registro::Clave intacta = 77;
  EXPECT_EQ(registro.RegOpenKey("Software\\QuilloraPruebas\\NoExiste", intacta),
            comun::kRegNoEncontrado);
  EXPECT_EQ(intacta, 77u);
}

TEST_F(RegistroWindowsTest, UnTextoConAcentosSeLeeEnUtf8ConSuTamanoEnBytes) {
  comun::Registro::Clave clave = 0;
  ASSERT_EQ(registro.RegOpenKey(kClavePruebaUtf8, clave), comun::kRegCorrecto);
  const std::string esperado = "C:\\Programas\\Cañón de Ávila";

  std::uint32_t tipo = 0;
  std::uint32_t tamano = 0;
  ASSERT_EQ(registro.RegQueryValueEx(clave, "Path", tipo, nullptr, tamano), comun::kRegCorrecto);
  EXPECT_EQ(tipo, comun::kRegTexto);
  EXPECT_EQ(tamano, esperado.size() + 1);

  std::vector<std::uint8_t> datos(tamano, 0xAA);
  ASSERT_EQ(registro.RegQueryValueEx(clave, "path", tipo, datos.data(), tamano),
            comun::kRegCorrecto);
  EXPECT_EQ(std::string(datos.begin(), datos.end()), esperado + '\0');

  std::vector<std::uint8_t> corto(tamano - 1, 0xAA);
  std::uint32_t tamanoCorto = static_cast<std::uint32_t>(corto.size());
  EXPECT_EQ(registro.RegQueryValueEx(clave, "Path", tipo, corto.data(), tamanoCorto),
            comun::kRegMasDatos);
  EXPECT_EQ(tamanoCorto, esperado.size() + 1);

  tamano = 0;
  ASSERT_EQ(registro.RegQueryValueEx(clave, "Vacío", tipo, nullptr, tamano), comun::kRegCorrecto);
  EXPECT_EQ(tipo, comun::kRegTexto);
  EXPECT_EQ(tamano, 1u);
  registro.RegCloseKey(clave);
}

TEST_F(RegistroWindowsTest, OtrosTiposPasanTalCualYUnValorQueFaltaDaSuCodigo) {
  comun::Registro::Clave clave = 0;
  ASSERT_EQ(registro.RegOpenKey(kClavePruebaUtf8, clave), comun::kRegCorrecto);

  std::uint32_t tipo = 0;
  std::array<std::uint8_t, 4> numero = {};
  std::uint32_t tamano = numero.size();
  ASSERT_EQ(registro.RegQueryValueEx(clave, "Número", tipo, numero.data(), tamano),
            comun::kRegCorrecto);
  EXPECT_EQ(tipo, comun::kRegNumero);
  EXPECT_EQ(tamano, 4u);
  EXPECT_EQ(numero, (std::array<std::uint8_t, 4>{0x2E, 0xFB, 0xFF, 0xFF}));

  std::array<std::uint8_t, 2> corto = {};
  tamano = corto.size();
  EXPECT_EQ(registro.RegQueryValueEx(clave, "Número", tipo, corto.data(), tamano),
            comun::kRegMasDatos);
  EXPECT_EQ(tamano, 4u);

  tamano = 0;
  ASSERT_EQ(registro.RegQueryValueEx(clave, "Binario", tipo, nullptr, tamano), comun::kRegCorrecto);
  EXPECT_EQ(tipo, static_cast<std::uint32_t>(REG_BINARY));
  EXPECT_EQ(tamano, 3u);

  EXPECT_EQ(registro.RegQueryValueEx(clave, "EmailTo", tipo, nullptr, tamano),
            comun::kRegNoEncontrado);
  registro.RegCloseKey(clave);
}

TEST_F(RegistroWindowsTest, LosAjustesSeLeenComoTextoONumero) {
  comun::Registro::Clave clave = 0;
  ASSERT_EQ(registro.RegOpenKey(kClavePruebaUtf8, clave), comun::kRegCorrecto);

  comun::ValorRegistro valor;
  EXPECT_EQ(comun::LeerValorRegistro(registro, clave, "Path", valor), 0);
  EXPECT_EQ(valor, comun::ValorRegistro(std::string("C:\\Programas\\Cañón de Ávila")));
  EXPECT_EQ(comun::LeerValorRegistro(registro, clave, "Número", valor), 0);
  EXPECT_EQ(valor, comun::ValorRegistro(std::int32_t{-1234}));
  EXPECT_EQ(comun::LeerValorRegistro(registro, clave, "Vacío", valor), 0);
  EXPECT_EQ(valor, comun::ValorRegistro(std::string()));
  EXPECT_EQ(comun::LeerValorRegistro(registro, clave, "Binario", valor), -1);
  EXPECT_EQ(comun::LeerValorRegistro(registro, clave, "EmailTo", valor), comun::kRegNoEncontrado);
  EXPECT_EQ(valor, comun::ValorRegistro(std::string()));
  registro.RegCloseKey(clave);
}

}  // namespace
}  // namespace quillora::win32
