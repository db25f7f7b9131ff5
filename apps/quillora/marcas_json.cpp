#include "marcas_json.h"

#include "documento_en_word.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "word/range.h"

namespace quillora {

namespace {

// The lines of a comment's text.
std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    auto fin = texto.find_first_of("\r\n", inicio);
    if (fin == std::string::npos) fin = texto.size();
    lineas.push_back(texto.substr(inicio, fin - inicio));
    if (texto.compare(fin, 2, "\r\n") == 0) ++fin;
    inicio = fin + 1;
  }
  return lineas;
}

}  // namespace

nlohmann::json MarcasJson(const memory::MemoryDocument& documento) {
  auto lista = nlohmann::json::array();
  for (const auto& marca : MarcasDe(documento)) {
    const auto& alcance = marca->Scope();
    lista.push_back({{"inicio", alcance.start},
                     {"fin", alcance.end},
                     {"texto", documento.Range(alcance.start, alcance.end)->GetText()},
                     {"alternativas", Lineas(marca->Text())},
                     {"autor", marca->author},
                     {"iniciales", marca->initials}});
  }
  return lista;
}

std::string Escribir(const nlohmann::json& json, int sangria) {
  return json.dump(sangria, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace quillora
