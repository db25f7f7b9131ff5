#include "diccionario_generado.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace quillora::bench {

namespace {

std::string Sintetico(std::mt19937& azar) {
  static const std::string letras = "abcdefghijklmnopqrstuvwxyz";
  std::uniform_int_distribution<int> longitud(5, 11);
  std::uniform_int_distribution<std::size_t> letra(0, letras.size() - 1);
  std::string palabra;
  for (int i = longitud(azar); i > 0; --i) palabra += letras[letra(azar)];
  return palabra;
}

}  // namespace

DiccionarioMuestra DiccionarioGenerado(int entradas,
                                       const std::function<bool(const std::string&)>& conservar) {
  DiccionarioMuestra diccionario = DiccionarioMuestra::Incorporado();
  const auto muestra = diccionario.entradas;
  std::set<std::string> textos;
  for (const auto& entrada : muestra) textos.insert(entrada.entrada);
  std::mt19937 azar(7);
  if (diccionario.entradas.size() > static_cast<std::size_t>(entradas)) {
    std::shuffle(diccionario.entradas.begin(), diccionario.entradas.end(), azar);
    if (conservar) {
      std::stable_partition(diccionario.entradas.begin(), diccionario.entradas.end(),
                            [&](const auto& entrada) { return conservar(entrada.entrada); });
    }
    diccionario.entradas.resize(static_cast<std::size_t>(entradas));
  }
  while (diccionario.entradas.size() < static_cast<std::size_t>(entradas)) {
    DiccionarioMuestra::Entrada nueva = muestra[azar() % muestra.size()];
    const std::string& modelo = nueva.entrada;
    const auto blanco = modelo.find(' ');
    std::string texto = blanco == std::string::npos ? Sintetico(azar) : modelo.substr(0, blanco);
    for (auto resto = blanco; resto != std::string::npos; resto = modelo.find(' ', resto + 1)) {
      texto += ' ' + Sintetico(azar);
    }
    if (!textos.insert(texto).second) continue;
    nueva.entrada = std::move(texto);
    diccionario.entradas.push_back(std::move(nueva));
  }
  return diccionario;
}

}  // namespace quillora::bench
