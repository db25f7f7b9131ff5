#pragma once

// The one question about a character's Unicode class that the portable helpers ask of the
// platform's character database.
namespace quillora::texto {

// Letters, combining marks and numbers of any script (general categories L, M and N).
bool EsLetraMarcaONumero(char32_t c);

}  // namespace quillora::texto
