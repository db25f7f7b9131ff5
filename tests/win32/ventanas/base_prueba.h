#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillora {
struct DiccionarioMuestra;
}

namespace quillora::win32 {
class OrigenWine;
}

namespace quillora::win32::prueba {

// The key of the entry with that text; an error when there is none.
std::int32_t IdEntrada(const OrigenWine& origen, const std::string& texto);
// The column's texts in the query's rows; "(Null)" for Null.
std::vector<std::string> Columna(const OrigenWine& origen, const std::string& sql,
                                 const std::string& columna);

// A small dictionary: two classes of each kind, four determiners, and a few entries with their
// alternatives and comments.
const DiccionarioMuestra& DiccionarioPrueba();

}  // namespace quillora::win32::prueba
