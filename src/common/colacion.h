#pragma once

#include <memory>
#include <string_view>

// Order of texts as a Spanish reader expects it; ICU stays behind this header.
namespace quillora::texto {

// Spanish collation: letters by their base letter first (ñ after n), then accents, then letter
// case, so "Ábaco" comes before "abad" and "Zona" after "zapato". Not for sharing between threads.
class Colacion {
 public:
  Colacion();
  ~Colacion();
  Colacion(const Colacion&) = delete;
  Colacion& operator=(const Colacion&) = delete;

  // Negative, zero or positive as a sorts before, with or after b.
  int Comparar(std::string_view a, std::string_view b) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillora::texto
