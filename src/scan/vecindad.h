#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

namespace quillora {

namespace word {
class Range;
}

// The words around a match, as the document writes them (outer blanks removed), read from the
// document only as far as a check asks. A paragraph mark or a break ends
// the words on each side: what lies past it is another sentence.
class Vecindad {
 public:
  Vecindad(std::shared_ptr<word::Range> primera, std::shared_ptr<word::Range> ultima);

  // No check looks further than this many words on either side.
  static constexpr std::size_t kPalabrasMaximas = 16;

  // The n-th word after the match (0: the one right after it), or none.
  const std::string* Despues(std::size_t n);
  // The n-th word before the match (0: the one right before it), or none.
  const std::string* Antes(std::size_t n);

 private:
  struct Lado {
    std::shared_ptr<word::Range> ultimo;                 // the last word read on this side
    std::array<std::string, kPalabrasMaximas> palabras;  // held in place: answers stay valid
    std::size_t leidas = 0;
    bool acabado = false;
  };
  const std::string* Leer(Lado& lado, std::size_t n, bool haciaDelante);

  Lado despues_;
  Lado antes_;
};

}  // namespace quillora
