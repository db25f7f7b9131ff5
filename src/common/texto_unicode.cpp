#include "common/texto_unicode.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <stdexcept>

#include "common/clase_unicode.h"

namespace quillora::texto {

namespace {

constexpr UChar32 kSustituto = 0xFFFD;

void Comprobar(UErrorCode estado) {
  if (U_FAILURE(estado)) {
    throw std::runtime_error(std::string("Error de conversión de texto Unicode: ") +
                             u_errorName(estado));
  }
}

}  // namespace

std::u16string Utf8AUtf16(std::string_view utf8) {
  // A UTF-8 byte never yields more than one UTF-16 unit.
  std::u16string resultado(utf8.size(), u'\0');
  int32_t longitud = 0;
  UErrorCode estado = U_ZERO_ERROR;
  u_strFromUTF8WithSub(resultado.data(), static_cast<int32_t>(resultado.size()), &longitud,
                       utf8.data(), static_cast<int32_t>(utf8.size()), kSustituto, nullptr,
                       &estado);
  if (estado == U_STRING_NOT_TERMINATED_WARNING) estado = U_ZERO_ERROR;
  Comprobar(estado);
  resultado.resize(static_cast<size_t>(longitud));
  return resultado;
}

bool EsUtf8(std::string_view texto) {
  const auto longitud = static_cast<int32_t>(texto.size());
  for (int32_t i = 0; i < longitud;) {
    UChar32 c = 0;
    U8_NEXT(texto.data(), i, longitud, c);
    if (c < 0) return false;
  }
  return true;
}

std::string Windows1252AUtf8(std::string_view texto) {
  // One byte of the code page never yields more than three UTF-8 bytes.
  std::string resultado(texto.size() * 3 + 1, '\0');
  UErrorCode estado = U_ZERO_ERROR;
  const auto longitud = ucnv_convert("UTF-8", "windows-1252", resultado.data(),
                                     static_cast<int32_t>(resultado.size()), texto.data(),
                                     static_cast<int32_t>(texto.size()), &estado);
  Comprobar(estado);
  resultado.resize(static_cast<size_t>(longitud));
  return resultado;
}

std::string Utf16AUtf8(std::u16string_view utf16) {
  // A UTF-16 unit never yields more than three UTF-8 bytes.
  std::string resultado(utf16.size() * 3, '\0');
  int32_t longitud = 0;
  UErrorCode estado = U_ZERO_ERROR;
  u_strToUTF8WithSub(resultado.data(), static_cast<int32_t>(resultado.size()), &longitud,
                     utf16.data(), static_cast<int32_t>(utf16.size()), kSustituto, nullptr,
                     &estado);
  if (estado == U_STRING_NOT_TERMINATED_WARNING) estado = U_ZERO_ERROR;
  Comprobar(estado);
  resultado.resize(static_cast<size_t>(longitud));
  return resultado;
}

std::string Mayusculas(std::string_view utf8) {
  std::string resultado;
  resultado.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto longitud = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  while (i < longitud) {
    if (bytes[i] < 0x80) {  // ASCII: the common case, without ICU
      const char c = static_cast<char>(bytes[i++]);
      resultado.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
      continue;
    }
    UChar32 c = 0;
    U8_NEXT(bytes, i, longitud, c);
    if (c < 0) c = kSustituto;
    AnadirUtf8(resultado, static_cast<char32_t>(u_toupper(c)));
  }
  return resultado;
}

char32_t Mayuscula(char32_t c) { return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c))); }

char32_t Minuscula(char32_t c) { return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))); }

std::u32string CodePoints(std::string_view utf8) {
  std::u32string resultado;
  resultado.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto longitud = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < longitud;) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, longitud, c);
    resultado.push_back(static_cast<char32_t>(c < 0 ? kSustituto : c));
  }
  return resultado;
}

void AnadirUtf8(std::string& destino, char32_t c) {
  char codificado[U8_MAX_LENGTH];
  int32_t n = 0;
  U8_APPEND_UNSAFE(codificado, n, static_cast<UChar32>(c));
  destino.append(codificado, static_cast<size_t>(n));
}

bool EsLetraMarcaONumero(char32_t c) {
  const auto mascara = U_GET_GC_MASK(static_cast<UChar32>(c));
  return (mascara & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

}  // namespace quillora::texto
