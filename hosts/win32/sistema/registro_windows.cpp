#include "registro_windows.h"

#include <algorithm>
#include <vector>

#include "texto_ansi.h"

namespace quillora::win32 {

namespace {

HKEY Manejador(comun::Registro::Clave clave) { return reinterpret_cast<HKEY>(clave); }

// The whole of a text value in the ANSI code page, up to its first NUL. The value may grow
// between the query of its size and the read, so the read is repeated until it fits.
LSTATUS LeerTextoAnsi(HKEY clave, const std::string& nombre, std::string& texto) {
  DWORD tipo = 0;
  DWORD tamano = 0;
  auto resultado = RegQueryValueExA(clave, nombre.c_str(), nullptr, &tipo, nullptr, &tamano);
  std::vector<BYTE> datos;
  while (resultado == ERROR_SUCCESS || resultado == ERROR_MORE_DATA) {
    datos.resize(tamano);
    resultado = RegQueryValueExA(clave, nombre.c_str(), nullptr, &tipo, datos.data(), &tamano);
    if (resultado == ERROR_SUCCESS) {
      datos.resize(tamano);
      const auto fin = std::ranges::find(datos, BYTE{0});
      texto.assign(datos.begin(), fin);
      return ERROR_SUCCESS;
    }
  }
  return resultado;
}

}  // namespace

std::int32_t RegistroWindows::RegOpenKey(std::string_view subclave, Clave& clave) {
  HKEY abierta = nullptr;
  const auto resultado =
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, Utf8AAnsi(subclave).c_str(), 0, KEY_QUERY_VALUE, &abierta);
  if (resultado == ERROR_SUCCESS) clave = reinterpret_cast<Clave>(abierta);
  return resultado;
}

std::int32_t RegistroWindows::RegQueryValueEx(Clave clave, std::string_view nombre,
                                              std::uint32_t& tipo, std::uint8_t* datos,
                                              std::uint32_t& tamano) {
  const auto nombreAnsi = Utf8AAnsi(nombre);
  DWORD tipoValor = 0;
  DWORD tamanoValor = 0;
  const auto consulta = RegQueryValueExA(Manejador(clave), nombreAnsi.c_str(), nullptr, &tipoValor,
                                         nullptr, &tamanoValor);
  if (consulta != ERROR_SUCCESS) return consulta;
  if (tipoValor == REG_SZ) {
    std::string ansi;
    const auto lectura = LeerTextoAnsi(Manejador(clave), nombreAnsi, ansi);
    if (lectura != ERROR_SUCCESS) return lectura;
    auto utf8 = AnsiAUtf8(ansi);
    utf8.push_back('\0');
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    return comun::ResponderConsulta(REG_SZ, {bytes, utf8.size()}, tipo, datos, tamano);
  }
  if (datos == nullptr) {
    tipo = tipoValor;
    tamano = tamanoValor;
    return consulta;
  }
  DWORD tamanoLeido = tamano;
  const auto lectura = RegQueryValueExA(Manejador(clave), nombreAnsi.c_str(), nullptr, &tipoValor,
                                        datos, &tamanoLeido);
  tipo = tipoValor;
  tamano = tamanoLeido;
  return lectura;
}

std::int32_t RegistroWindows::RegCloseKey(Clave clave) { return ::RegCloseKey(Manejador(clave)); }

}  // namespace quillora::win32
