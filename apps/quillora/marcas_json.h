#pragma once

#include <nlohmann/json.hpp>

namespace quillora {

namespace memory {
class MemoryDocument;
}

// The marks of the document in document order, each with "inicio" and "fin" (positions in the
// main text), "texto", "alternativas" (the comment's lines), "autor" and "iniciales".
nlohmann::json MarcasJson(const memory::MemoryDocument& documento);

// JSON as the commands print it: UTF-8, any broken byte replaced.
std::string Escribir(const nlohmann::json& json, int sangria);

}  // namespace quillora
