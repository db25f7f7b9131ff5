#include "registro_archivo.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string_view>

#include "common/texto_unicode.h"

namespace quillora::posix {

namespace {

namespace fs = std::filesystem;
using Valor = RegistroArchivo::Valor;
using Valores = RegistroArchivo::Valores;

// Settings are a few lines: a larger file is not a settings file.
constexpr std::uintmax_t kTamanoMaximo = 1 << 20;
constexpr std::string_view kRaiz = "HKEY_LOCAL_MACHINE";

std::string MayusculasAscii(std::string_view texto) {
  std::string resultado(texto);
  for (auto& c : resultado) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return resultado;
}

// A key's full name as the map keeps it: upper case, single backslashes, none at the ends, and
// the machine hive written out.
std::string NormalizarClave(std::string_view nombre) {
  std::string resultado;
  for (const char c : nombre) {
    if (c == '\\' && (resultado.empty() || resultado.back() == '\\')) continue;
    resultado += c;
  }
  while (!resultado.empty() && resultado.back() == '\\') resultado.pop_back();
  resultado = MayusculasAscii(resultado);
  if (resultado == "HKLM" || resultado.starts_with("HKLM\\")) {
    resultado.replace(0, 4, kRaiz);
  }
  return resultado;
}

// The text as UTF-8: exports of version 5 are UTF-16 little-endian with a byte-order mark, those
// of REGEDIT4 are in the Windows code page; a file written by hand may be UTF-8 either way.
std::string Decodificar(const std::string& bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    std::u16string utf16;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      utf16 += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return texto::Utf16AUtf8(utf16);
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
  if (bytes.starts_with("REGEDIT4") && !texto::EsUtf8(bytes)) return texto::Windows1252AUtf8(bytes);
  return bytes;
}

// The logical lines: line ends of any platform, and a backslash at the end of a hex value's
// line joining it to the next one.
std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::string actual;
  std::istringstream entrada(texto);
  std::string linea;
  while (std::getline(entrada, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (!actual.empty()) {
      linea.erase(0, linea.find_first_not_of(" \t"));
    }
    actual += linea;
    // A comment never continues, whatever it ends in.
    if (!actual.empty() && actual.back() == '\\' &&
        actual[actual.find_first_not_of(" \t")] != ';' &&
        actual.find("=hex") != std::string::npos) {
      actual.pop_back();
      continue;
    }
    lineas.push_back(std::move(actual));
    actual.clear();
  }
  if (!actual.empty()) lineas.push_back(std::move(actual));
  return lineas;
}

// A quoted text starting at `pos` (on its opening quote), with \\ and \" escapes; `pos` ends
// after the closing quote. None when it does not close.
std::optional<std::string> TextoEntreComillas(std::string_view linea, std::size_t& pos) {
  if (pos >= linea.size() || linea[pos] != '"') return std::nullopt;
  std::string texto;
  for (++pos; pos < linea.size(); ++pos) {
    const char c = linea[pos];
    if (c == '"') {
      ++pos;
      return texto;
    }
    const bool escape =
        c == '\\' && pos + 1 < linea.size() && (linea[pos + 1] == '\\' || linea[pos + 1] == '"');
    texto += escape ? linea[++pos] : c;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> Hexadecimal(std::string_view texto) {
  if (texto.empty() || texto.size() > 8) return std::nullopt;
  std::uint32_t numero = 0;
  for (const char c : texto) {
    std::uint32_t digito = 0;
    if (c >= '0' && c <= '9') {
      digito = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digito = static_cast<std::uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digito = static_cast<std::uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    numero = numero * 16 + digito;
  }
  return numero;
}

std::optional<std::vector<std::uint8_t>> Bytes(std::string_view lista) {
  std::vector<std::uint8_t> bytes;
  std::size_t inicio = 0;
  while (inicio < lista.size()) {
    auto fin = lista.find(',', inicio);
    if (fin == std::string_view::npos) fin = lista.size();
    auto byte = lista.substr(inicio, fin - inicio);
    while (!byte.empty() && (byte.front() == ' ' || byte.front() == '\t')) byte.remove_prefix(1);
    while (!byte.empty() && (byte.back() == ' ' || byte.back() == '\t')) byte.remove_suffix(1);
    const auto numero = Hexadecimal(byte);
    if (!numero || byte.size() > 2) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(*numero));
    inicio = fin + 1;
  }
  return bytes;
}

std::vector<std::uint8_t> TextoComoDatos(const std::string& texto) {
  std::vector<std::uint8_t> datos(texto.begin(), texto.end());
  datos.push_back(0);
  return datos;
}

// The data of a value after its "=": a text, a dword, or hex bytes of a kind. Text kinds written
// as hex bytes are UTF-16 in version 5 exports and become UTF-8 like every other text here.
std::optional<Valor> LeerDato(std::string_view dato, bool utf16) {
  if (dato.starts_with('"')) {
    std::size_t pos = 0;
    const auto texto = TextoEntreComillas(dato, pos);
    if (!texto || dato.find_first_not_of(" \t", pos) != std::string_view::npos) return std::nullopt;
    return Valor{comun::kRegTexto, TextoComoDatos(*texto)};
  }
  if (dato.starts_with("dword:")) {
    const auto numero = Hexadecimal(dato.substr(6));
    if (!numero) return std::nullopt;
    return Valor{
        comun::kRegNumero,
        {static_cast<std::uint8_t>(*numero), static_cast<std::uint8_t>(*numero >> 8),
         static_cast<std::uint8_t>(*numero >> 16), static_cast<std::uint8_t>(*numero >> 24)}};
  }
  if (!dato.starts_with("hex")) return std::nullopt;
  std::uint32_t tipo = 3;  // REG_BINARY
  auto resto = dato.substr(3);
  if (resto.starts_with('(')) {
    const auto cierre = resto.find(')');
    if (cierre == std::string_view::npos) return std::nullopt;
    const auto numero = Hexadecimal(resto.substr(1, cierre - 1));
    if (!numero) return std::nullopt;
    tipo = *numero;
    resto = resto.substr(cierre + 1);
  }
  if (!resto.starts_with(':')) return std::nullopt;
  auto bytes = Bytes(resto.substr(1));
  if (!bytes) return std::nullopt;
  if (tipo == comun::kRegTexto && utf16 && !bytes->empty()) {
    std::u16string unidades;
    for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
      unidades += static_cast<char16_t>((*bytes)[i] | ((*bytes)[i + 1] << 8));
    }
    while (!unidades.empty() && unidades.back() == u'\0') unidades.pop_back();
    return Valor{tipo, TextoComoDatos(texto::Utf16AUtf8(unidades))};
  }
  return Valor{tipo, std::move(*bytes)};
}

}  // namespace

fs::path RutaRegistro() {
  if (const char* ruta = std::getenv("QUILLORA_REGISTRO"); ruta != nullptr && *ruta != '\0') {
    return ruta;
  }
  return "/etc/quillora/quillora.reg";
}

std::map<std::string, Valores> LeerArchivoRegistro(const std::string& bytes) {
  const auto lineas = Lineas(Decodificar(bytes));
  std::map<std::string, Valores> claves;
  auto linea = lineas.begin();
  while (linea != lineas.end() && linea->find_first_not_of(" \t") == std::string::npos) ++linea;
  if (linea == lineas.end()) return claves;
  bool utf16 = true;
  if (*linea == "REGEDIT4") {
    utf16 = false;
  } else if (*linea != "Windows Registry Editor Version 5.00") {
    return claves;
  }

  Valores* actual = nullptr;
  for (++linea; linea != lineas.end(); ++linea) {
    std::string_view texto = *linea;
    texto.remove_prefix(std::min(texto.find_first_not_of(" \t"), texto.size()));
    if (texto.empty() || texto.starts_with(';')) continue;
    if (texto.starts_with('[')) {
      const auto cierre = texto.rfind(']');
      if (cierre == std::string_view::npos) {
        actual = nullptr;
        continue;
      }
      auto nombre = texto.substr(1, cierre - 1);
      if (nombre.starts_with('-')) {
        // A deleted key goes with every key below it.
        const auto borrada = NormalizarClave(nombre.substr(1));
        std::erase_if(claves, [&borrada](const auto& par) {
          return par.first == borrada || par.first.starts_with(borrada + "\\");
        });
        actual = nullptr;
        continue;
      }
      actual = &claves[NormalizarClave(nombre)];
      continue;
    }
    if (actual == nullptr) continue;
    std::string nombre;
    std::size_t pos = 0;
    if (texto.starts_with('@')) {
      pos = 1;
    } else if (const auto leido = TextoEntreComillas(texto, pos)) {
      nombre = *leido;
    } else {
      continue;
    }
    if (pos >= texto.size() || texto[pos] != '=') continue;
    const auto dato = texto.substr(pos + 1);
    if (dato == "-") {
      actual->erase(MayusculasAscii(nombre));
    } else if (auto valor = LeerDato(dato, utf16)) {
      (*actual)[MayusculasAscii(nombre)] = std::move(*valor);
    }
  }
  return claves;
}

RegistroArchivo::RegistroArchivo(fs::path archivo) : archivo_(std::move(archivo)) {}

std::int32_t RegistroArchivo::RegOpenKey(std::string_view subclave, Clave& clave) {
  std::error_code error;
  if (!fs::is_regular_file(archivo_, error) || fs::file_size(archivo_, error) > kTamanoMaximo ||
      error) {
    return comun::kRegNoEncontrado;
  }
  std::ifstream entrada(archivo_, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(entrada), {}};
  if (!entrada && !entrada.eof()) return comun::kRegNoEncontrado;
  auto claves = LeerArchivoRegistro(bytes);
  const auto encontrada =
      claves.find(NormalizarClave(std::string(kRaiz) + "\\" + std::string(subclave)));
  if (encontrada == claves.end()) return comun::kRegNoEncontrado;
  clave = siguiente_++;
  abiertas_[clave] = std::move(encontrada->second);
  return comun::kRegCorrecto;
}

std::int32_t RegistroArchivo::RegQueryValueEx(Clave clave, std::string_view nombre,
                                              std::uint32_t& tipo, std::uint8_t* datos,
                                              std::uint32_t& tamano) {
  const auto abierta = abiertas_.find(clave);
  if (abierta == abiertas_.end()) return comun::kRegClaveNoValida;
  const auto valor = abierta->second.find(MayusculasAscii(nombre));
  if (valor == abierta->second.end()) return comun::kRegNoEncontrado;
  return comun::ResponderConsulta(valor->second.tipo, valor->second.datos, tipo, datos, tamano);
}

std::int32_t RegistroArchivo::RegCloseKey(Clave clave) {
  return abiertas_.erase(clave) == 1 ? comun::kRegCorrecto : comun::kRegClaveNoValida;
}

}  // namespace quillora::posix
