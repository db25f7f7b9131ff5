#include "common/patron_busqueda.h"

#include <array>
#include <utility>

namespace quillora::comun {

namespace {

// Each replacement works on the result of the one before, left to right, exactly as written.
constexpr std::array<std::pair<std::string_view, std::string_view>, 37> kReemplazos{{
    {"[", "[[]"},   {"_", "[_]"},   {"%", "[%]"},   {"'", "''"},    {"*", "%"},     {"^", "[^]"},
    {"?", "_"},     {"á", "a"},     {"é", "e"},     {"í", "i"},     {"ó", "o"},     {"ú", "u"},
    {"à", "a"},     {"è", "e"},     {"ì", "i"},     {"ò", "o"},     {"ù", "u"},     {"Á", "A"},
    {"É", "E"},     {"Í", "I"},     {"Ó", "O"},     {"Ú", "U"},     {"À", "A"},     {"È", "E"},
    {"Ì", "I"},     {"Ò", "O"},     {"Ù", "U"},     {"a", "[aáà]"}, {"e", "[eéè]"}, {"i", "[iíì]"},
    {"o", "[oóò]"}, {"u", "[uúù]"}, {"A", "[AÁÀ]"}, {"E", "[EÉÈ]"}, {"I", "[IÍÌ]"}, {"O", "[OÓÒ]"},
    {"U", "[UÚÙ]"},
}};

std::string Reemplazar(std::string_view texto, std::string_view buscar,
                       std::string_view reemplazo) {
  std::string resultado;
  resultado.reserve(texto.size());
  std::size_t desde = 0;
  for (auto hallado = texto.find(buscar); hallado != std::string_view::npos;
       hallado = texto.find(buscar, desde)) {
    resultado.append(texto, desde, hallado - desde);
    resultado += reemplazo;
    desde = hallado + buscar.size();
  }
  resultado.append(texto, desde);
  return resultado;
}

}  // namespace

std::string PatronBusqueda(std::string_view texto) {
  std::string patron(texto);
  for (const auto& [buscar, reemplazo] : kReemplazos)
    patron = Reemplazar(patron, buscar, reemplazo);
  return patron;
}

}  // namespace quillora::comun
