#include "common/ordenar_lista.h"

#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/texto_unicode.h"
#include "ui/combo_imagen.h"
#include "ui/formulario.h"
#include "ui/vista_lista.h"

namespace quillora::comun {

namespace {

constexpr std::size_t kAnchoNumero = 100;

enum class Tipo { Texto, Fecha, Numero };

Tipo TipoDe(const ui::VistaLista::Columna& columna) {
  std::string tag;
  for (const char c : columna.Tag)
    tag += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (tag == "date") return Tipo::Fecha;
  if (tag == "number") return Tipo::Numero;
  return Tipo::Texto;
}

// Whole numbers separated by "/": exactly three, each of 1 to 4 digits.
std::optional<std::array<int, 3>> TresNumeros(std::string_view texto) {
  std::array<int, 3> numeros{};
  std::size_t parte = 0;
  std::size_t cifras = 0;
  for (const char c : texto) {
    if (c == '/') {
      if (cifras == 0 || ++parte == numeros.size()) return std::nullopt;
      cifras = 0;
    } else if (c >= '0' && c <= '9' && cifras < 4) {
      numeros[parte] = numeros[parte] * 10 + (c - '0');
      ++cifras;
    } else {
      return std::nullopt;
    }
  }
  if (parte != 2 || cifras == 0) return std::nullopt;
  return numeros;
}

std::optional<std::chrono::year_month_day> Fecha(int anio, int mes, int dia) {
  const std::chrono::year_month_day fecha{std::chrono::year{anio},
                                          std::chrono::month{static_cast<unsigned>(mes)},
                                          std::chrono::day{static_cast<unsigned>(dia)}};
  if (!fecha.ok()) return std::nullopt;
  return fecha;
}

std::string Escribir(const char* patron, int a, int b, int c) {
  char texto[48];
  std::snprintf(texto, sizeof texto, patron, a, b, c);
  return texto;
}

// day/month/year → YYYY/MM/DD; a two-digit year is read in 1930–2029.
std::string FechaOrdenable(const std::string& texto) {
  const auto partes = TresNumeros(texto);
  if (!partes) return texto;
  auto [dia, mes, anio] = *partes;
  if (anio < 100) anio += anio < 30 ? 2000 : 1900;
  if (!Fecha(anio, mes, dia)) return texto;
  return Escribir("%04d/%02d/%02d", anio, mes, dia);
}

// YYYY/MM/DD → DD/MM/YYYY.
std::string FechaLegible(const std::string& texto) {
  const auto partes = TresNumeros(texto);
  if (!partes) return texto;
  const auto [anio, mes, dia] = *partes;
  if (!Fecha(anio, mes, dia)) return texto;
  return Escribir("%02d/%02d/%04d", dia, mes, anio);
}

std::string NumeroOrdenable(const std::string& texto) {
  const auto letras = texto::CodePoints(texto).size();
  if (letras > kAnchoNumero) {
    throw std::invalid_argument("«" + texto + "» es demasiado largo para ordenarlo como un número");
  }
  return std::string(kAnchoNumero - letras, ' ') + texto;
}

std::string SinBlancos(const std::string& texto) {
  return std::string(texto::SinBlancosExteriores(texto));
}

ui::Formulario& VentanaDe(const ui::VistaLista& lista) {
  if (lista.GetParent() == nullptr) {
    throw std::logic_error("La lista " + lista.GetName() + " no está en ninguna ventana");
  }
  return *lista.GetParent();
}

}  // namespace

void OrdenarLista(ui::VistaLista& lista, std::size_t columna) {
  auto& ventana = VentanaDe(lista);
  ventana.SetMousePointer(ui::Puntero::RelojDeArena);
  auto& cabeceras = lista.ColumnHeaders();
  if (columna >= cabeceras.size()) {
    throw std::out_of_range("La lista " + lista.GetName() + " no tiene la columna " +
                            std::to_string(columna + 1));
  }
  for (std::size_t i = 0; i < cabeceras.size(); ++i) {
    if (i != columna) cabeceras[i].Icon = kSinOrden;
  }
  auto& cabecera = cabeceras[columna];
  const bool descendente = cabecera.Icon == kAscendente;
  cabecera.Icon = descendente ? kDescendente : kAscendente;
  lista.SetSortOrder(descendente ? ui::OrdenLista::Descendente : ui::OrdenLista::Ascendente);

  const auto tipo = TipoDe(cabecera);
  const auto reescribir = [&](auto&& transformar) {
    for (auto& fila : lista.ListItems()) {
      auto& celda = fila.Celda(columna);
      celda = transformar(celda);
    }
  };
  if (tipo == Tipo::Fecha) reescribir(FechaOrdenable);
  if (tipo == Tipo::Numero) reescribir(NumeroOrdenable);
  lista.SetSorted(true);
  lista.SetSortKey(static_cast<std::int32_t>(columna));
  lista.Refresh();
  if (tipo == Tipo::Fecha) reescribir(FechaLegible);
  if (tipo == Tipo::Numero) reescribir(SinBlancos);
  ventana.SetMousePointer(ui::Puntero::Predeterminado);
}

std::int16_t IndiceCombo(const ui::ComboImagen& combo, std::int16_t valor) {
  const auto buscado = std::to_string(valor);
  const auto& elementos = combo.ComboItems();
  for (std::size_t i = 0; i < elementos.size(); ++i) {
    if (elementos[i].Tag == buscado) return static_cast<std::int16_t>(i);
  }
  return -1;
}

}  // namespace quillora::comun
