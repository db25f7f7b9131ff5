#include "registro_archivo.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/leer_registro.h"
#include "common/texto_unicode.h"
#include "docx/paquete_prueba.h"

namespace quillora::posix {
namespace {

namespace fs = std::filesystem;

constexpr const char* kClave = "HKEY_LOCAL_MACHINE\\SOFTWARE\\BRENMOOR\\QUILLORA";
const std::string kCabecera = "Windows Registry Editor Version 5.00\r\n";
const std::string kSeccion = "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora]\r\n";

// The bytes the registry editor writes: UTF-16 little-endian after a byte-order mark.
std::string Utf16(const std::string& utf8) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unidad : texto::Utf8AUtf16(utf8)) {
    bytes += {static_cast<char>(unidad & 0xFF), static_cast<char>(unidad >> 8)};
  }
  return bytes;
}

class RegistroArchivoTest : public ::testing::Test {
 protected:
  // The setting `nombre` as the add-in reads it, with `contenido` as the registry file.
  std::string Leer(const std::string& contenido, std::string_view nombre = "Path") {
    docx::prueba::EscribirBytes(archivo_, contenido);
    return comun::LeerRegistro(registro_, nombre);
  }

  docx::prueba::CarpetaTemporal carpeta_;
  fs::path archivo_ = carpeta_ / "quillora.reg";
  RegistroArchivo registro_{archivo_};
};

TEST_F(RegistroArchivoTest, ReadsEveryKindOfValueOfAnExport) {
  const auto exportado =
      Utf16(kCabecera + "\r\n; Quillora\r\n" + kSeccion + "; \"X\"=hex:01,\\\r\n" +
            "\"Path\"=\"C:\\\\Archivos\\\\Quillora \\\"beta\\\"\"\r\n"
            "\"Año\"=\"España\"\r\n"
            "\"Nivel\"=dword:0000001f\r\n"
            "\"Todo\"=dword:FFFFFFFF\r\n"
            "\"Binario\"=hex:01,02\r\n"
            "\"Expandible\"=hex(2):25,00,41,00,00,00\r\n"
            "\"Vacio\"=hex(1):\r\n"
            "\"Nada\"=\"\"\r\n"
            "\"Largo\"=hex(1):48,00,6f,00,6c,00,\\\r\n  61,00,00,00\r\n"
            "@=\"predeterminado\"\r\n");
  EXPECT_EQ(Leer(exportado, "path"), "C:\\Archivos\\Quillora \"beta\"");
  EXPECT_EQ(Leer(exportado, "año"), "España");
  EXPECT_EQ(Leer(exportado, "NIVEL"), "31");
  EXPECT_EQ(Leer(exportado, "Todo"), "-1");
  EXPECT_EQ(Leer(exportado, "Largo"), "Hola");
  EXPECT_EQ(Leer(exportado, ""), "predeterminado");
  for (const auto* nombre : {"Binario", "Expandible", "Vacio", "Nada", "Falta"}) {
    EXPECT_EQ(Leer(exportado, nombre), "") << nombre;
  }

  comun::Registro::Clave clave = 0;
  ASSERT_EQ(registro_.RegOpenKey("software\\brenmoor\\quillora", clave), comun::kRegCorrecto);
  const comun::ValorRegistro intacto = std::int32_t{9};
  comun::ValorRegistro valor = intacto;
  EXPECT_EQ(comun::LeerValorRegistro(registro_, clave, "Vacio", valor), comun::kRegCorrecto);
  EXPECT_EQ(comun::LeerValorRegistro(registro_, clave, "Binario", valor), -1);
  EXPECT_EQ(comun::LeerValorRegistro(registro_, clave, "Falta", valor), comun::kRegNoEncontrado);
  EXPECT_EQ(valor, intacto);
  EXPECT_EQ(comun::LeerValorRegistro(registro_, clave, "Nada", valor), comun::kRegCorrecto);
  EXPECT_EQ(valor, comun::ValorRegistro(std::string()));
  EXPECT_EQ(registro_.RegCloseKey(clave), comun::kRegCorrecto);
  EXPECT_EQ(comun::LeerValorRegistro(registro_, clave, "Nada", valor), comun::kRegClaveNoValida);
}

TEST_F(RegistroArchivoTest, ReadsOtherEncodingsAndAppliesDeletions) {
  EXPECT_EQ(Leer("\xEF\xBB\xBFWindows Registry Editor Version 5.00\n"
                 "[HKLM\\software\\brenmoor\\quillora]\n\"Path\"=\"/opt/quillora\"\n"),
            "/opt/quillora");
  // Text written as bytes is UTF-16 in version 5 exports, the file's own bytes in version 4.
  EXPECT_EQ(Leer("REGEDIT4\r\n\r\n" + kSeccion + "\"Path\"=hex(1):48,6f,6c,61,00\r\n"), "Hola");
  // Version 4 exports are in the Windows code page; one written by hand in UTF-8 stays so.
  EXPECT_EQ(Leer("REGEDIT4\r\n\r\n" + kSeccion + "\"Path\"=\"C:\\A\xF1o\"\r\n"), "C:\\Año");
  EXPECT_EQ(Leer("REGEDIT4\r\n\r\n" + kSeccion + "\"Path\"=\"/a\xC3\xB1o\"\r\n"), "/año");

  const std::string borrados =
      kCabecera + kSeccion + "\"Path\"=\"antes\"\n\"EmailTo\"=\"a@b.es\"\n" +
      "[-HKEY_LOCAL_MACHINE\\Software\\Brenmoor]\n" + kSeccion +
      "\"Path\"=\"despues\"\n\"Nivel\"=dword:00000002\n\"nivel\"=-\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora\\Hija]\n\"EmailTo\"=\"hija@b.es\"\n"
      "[HKEY_CURRENT_USER\\Software\\Brenmoor\\Quillora]\n\"EmailTo\"=\"usuario@b.es\"\n";
  EXPECT_EQ(Leer(borrados), "despues");
  EXPECT_EQ(Leer(borrados, "EmailTo"), "");
  EXPECT_EQ(Leer(borrados, "Nivel"), "");
  EXPECT_EQ(Leer(borrados + "[-HKLM\\SOFTWARE\\BRENMOOR\\QUILLORA\\]\n"), "");
  EXPECT_EQ(LeerArchivoRegistro(borrados + "[-HKLM\\Software\\Brenmoor\\Quil]\n").at(kClave).size(),
            1u);

  setenv("QUILLORA_REGISTRO", "", 1);
  EXPECT_EQ(RutaRegistro().string(), "/etc/quillora/quillora.reg");
  setenv("QUILLORA_REGISTRO", archivo_.c_str(), 1);
  EXPECT_EQ(RutaRegistro().string(), archivo_.string());
  unsetenv("QUILLORA_REGISTRO");
  EXPECT_EQ(RutaRegistro().string(), "/etc/quillora/quillora.reg");
}

TEST_F(RegistroArchivoTest, MalformedFilesHoldNothing) {
  for (const auto& sinClave : std::vector<std::string>{
           kSeccion + "\"Path\"=\"x\"\n", "Windows Registry Editor Version 4.00\n" + kSeccion,
           std::string("\0\xFF\x01[]\"=\\", 8), "", std::string("\xFF\xFE\x00\xD8[", 5) + kSeccion,
           kCabecera + "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora\n\"Path\"=\"x\"\n"}) {
    EXPECT_TRUE(LeerArchivoRegistro(sinClave).empty()) << sinClave;
    EXPECT_EQ(Leer(sinClave), "") << sinClave;
  }
  // A value before any key belongs to none.
  for (const std::string valor :
       {"\"Path\"=\"abc", "\"Path=\"x\"", "\"Path\"=\"x\" y", "\"Path\"=dword:xyz",
        "\"Path\"=dword:123456789", "\"Path\"=dword:", "\"Path\"=hex(1):4g,00",
        "\"Path\"=hex(1):123,00", "\"Path\"=hex(1):41,,00", "\"Path\"=hex(zz):41,00",
        "\"Path\"=hex(1:41,00", "\"Path\"=hex(1)41,00", "\"Path\"=texto", "Path=\"x\"",
        "\"Path\""}) {
    const auto claves = LeerArchivoRegistro(kCabecera + "\"Path\"=\"x\"\n" + kSeccion + valor);
    ASSERT_EQ(claves.size(), 1u) << valor;
    EXPECT_TRUE(claves.at(kClave).empty()) << valor;
  }

  // Cut anywhere, a file gives a value whole or not at all.
  const std::string completo = Utf16(kCabecera + kSeccion + "\"Path\"=\"C:\\\\Quillora\"\r\n");
  for (std::size_t largo = 0; largo <= completo.size(); ++largo) {
    const auto leido = Leer(completo.substr(0, largo));
    EXPECT_TRUE(leido.empty() || leido == "C:\\Quillora") << largo;
  }
  EXPECT_EQ(Leer(completo), "C:\\Quillora");

  EXPECT_EQ(Leer(kCabecera + kSeccion + "\"Path\"=\"x\"\n;" + std::string(1 << 20, 'x')), "");
  fs::remove(archivo_);
  EXPECT_EQ(comun::LeerRegistro(registro_, "Path"), "");
  fs::create_directory(archivo_);
  EXPECT_EQ(comun::LeerRegistro(registro_, "Path"), "");
}

}  // namespace
}  // namespace quillora::posix
