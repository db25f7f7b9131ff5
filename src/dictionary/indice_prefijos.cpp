#include "dictionary/indice_prefijos.h"

#include <atomic>

#include "dictionary/entrada.h"

namespace quillora {

namespace {

constexpr std::size_t kRanurasIniciales = 16;

std::atomic<std::uint64_t> versiones{0};

// FNV-1a: words are short, and this runs inline once per word fed.
std::uint64_t Huella(std::string_view palabra) {
  std::uint64_t huella = 0xCBF29CE484222325ULL;
  for (const char c : palabra) {
    huella ^= static_cast<unsigned char>(c);
    huella *= 0x100000001B3ULL;
  }
  return huella;
}

// Where the probe for a step starts: the word's hash mixed with the place it leaves.
std::size_t Inicio(IndicePrefijos::Nodo padre, std::uint64_t huella) {
  std::uint64_t mezcla = huella ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(padre)) *
                                   0x9E3779B97F4A7C15ULL);
  mezcla ^= mezcla >> 33;
  mezcla *= 0xFF51AFD7ED558CCDULL;
  mezcla ^= mezcla >> 33;
  return static_cast<std::size_t>(mezcla);
}

// Calls `hacer` with each word of `texto`, empty ones included, while it answers true.
template <typename Hacer>
void CadaPalabra(std::string_view texto, Hacer hacer) {
  for (;;) {
    const auto blanco = texto.find(' ');
    if (!hacer(texto.substr(0, blanco)) || blanco == std::string_view::npos) return;
    texto.remove_prefix(blanco + 1);
  }
}

}  // namespace

IndicePrefijos::IndicePrefijos() { Clear(); }

void IndicePrefijos::Add(const std::shared_ptr<Entrada>& entrada) {
  NuevaVersion();
  const Nodo ultimo = Anadir(entrada->Mayusculas(), true);
  // With outer blanks the key is not the upper text; the entry is found under its key, as the
  // collection finds it, though only its upper text says which words begin an entry.
  const bool aparte = entrada->Clave() != entrada->Mayusculas();
  nodos_[static_cast<std::size_t>(aparte ? Anadir(entrada->Clave(), false) : ultimo)].entrada =
      entrada.get();
}

void IndicePrefijos::Remove(const Entrada& entrada) {
  NuevaVersion();
  const bool aparte = entrada.Clave() != entrada.Mayusculas();
  Quitar(entrada.Mayusculas(), true, !aparte);
  if (aparte) Quitar(entrada.Clave(), false, true);
}

void IndicePrefijos::Clear() {
  NuevaVersion();
  nodos_.assign(1, Datos{});
  libres_.clear();
  ranuras_.assign(kRanurasIniciales, Ranura{});
  ocupadas_ = 0;
}

IndicePrefijos::Nodo IndicePrefijos::Avanzar(Nodo nodo, std::string_view clave) const {
  CadaPalabra(clave, [this, &nodo](std::string_view palabra) {
    const auto ranura = Buscar(nodo, palabra, Huella(palabra));
    nodo = ranura == kSinRanura ? kNinguno : ranuras_[ranura].hijo;
    // A place no entry passes through has none beyond it either.
    if (nodo != kNinguno && nodos_[static_cast<std::size_t>(nodo)].prefijos == 0) nodo = kNinguno;
    return nodo != kNinguno;
  });
  return nodo;
}

std::size_t IndicePrefijos::Buscar(Nodo padre, std::string_view palabra,
                                   std::uint64_t huella) const {
  const std::size_t mascara = ranuras_.size() - 1;
  for (auto i = Inicio(padre, huella) & mascara;; i = (i + 1) & mascara) {
    const Ranura& ranura = ranuras_[i];
    if (ranura.hijo == kNinguno) return kSinRanura;
    if (ranura.padre == padre && ranura.huella == huella &&
        nodos_[static_cast<std::size_t>(ranura.hijo)].palabra == palabra) {
      return i;
    }
  }
}

IndicePrefijos::Nodo IndicePrefijos::Anadir(std::string_view texto, bool prefijo) {
  Nodo nodo = kRaiz;
  CadaPalabra(texto, [this, &nodo, prefijo](std::string_view palabra) {
    const auto huella = Huella(palabra);
    const auto ranura = Buscar(nodo, palabra, huella);
    nodo = ranura == kSinRanura ? Crear(nodo, palabra, huella) : ranuras_[ranura].hijo;
    auto& datos = nodos_[static_cast<std::size_t>(nodo)];
    ++datos.usos;
    if (prefijo) ++datos.prefijos;
    return true;
  });
  return nodo;
}

void IndicePrefijos::Quitar(std::string_view texto, bool prefijo, bool propia) {
  Nodo nodo = kRaiz;
  CadaPalabra(texto, [this, &nodo, prefijo, propia, &texto](std::string_view palabra) {
    const auto ranura = Buscar(nodo, palabra, Huella(palabra));
    if (ranura == kSinRanura) return false;
    nodo = ranuras_[ranura].hijo;
    auto& datos = nodos_[static_cast<std::size_t>(nodo)];
    if (prefijo) --datos.prefijos;
    // The last word of the path ends where the text does.
    if (propia && palabra.data() + palabra.size() == texto.data() + texto.size()) {
      datos.entrada = nullptr;
    }
    if (--datos.usos == 0) {
      // The places beyond are still found from this one until the walk has passed them.
      Vaciar(ranura);
      datos.palabra.clear();
      libres_.push_back(nodo);
    }
    return true;
  });
}

IndicePrefijos::Nodo IndicePrefijos::Crear(Nodo padre, std::string_view palabra,
                                           std::uint64_t huella) {
  Nodo nodo = kNinguno;
  if (libres_.empty()) {
    nodo = static_cast<Nodo>(nodos_.size());
    nodos_.emplace_back();
  } else {
    nodo = libres_.back();
    libres_.pop_back();
  }
  nodos_[static_cast<std::size_t>(nodo)] = Datos{std::string(palabra), nullptr, 0, 0};
  if ((ocupadas_ + 1) * 2 > ranuras_.size()) {
    std::vector<Ranura> anteriores(ranuras_.size() * 2);
    anteriores.swap(ranuras_);
    for (const auto& ranura : anteriores) {
      if (ranura.hijo != kNinguno) Colocar(ranura);
    }
  }
  Colocar(Ranura{huella, padre, nodo});
  ++ocupadas_;
  return nodo;
}

void IndicePrefijos::Colocar(const Ranura& ranura) {
  const std::size_t mascara = ranuras_.size() - 1;
  auto i = Inicio(ranura.padre, ranura.huella) & mascara;
  while (ranuras_[i].hijo != kNinguno) i = (i + 1) & mascara;
  ranuras_[i] = ranura;
}

void IndicePrefijos::Vaciar(std::size_t ranura) {
  // Later slots of the same run move back into the hole when their probe starts at or before
  // it, so that no probe meets a free slot before its step.
  const std::size_t mascara = ranuras_.size() - 1;
  for (auto i = (ranura + 1) & mascara; ranuras_[i].hijo != kNinguno; i = (i + 1) & mascara) {
    const auto inicio = Inicio(ranuras_[i].padre, ranuras_[i].huella) & mascara;
    if (((i - inicio) & mascara) >= ((i - ranura) & mascara)) {
      ranuras_[ranura] = ranuras_[i];
      ranura = i;
    }
  }
  ranuras_[ranura] = Ranura{};
  --ocupadas_;
}

void IndicePrefijos::NuevaVersion() { version_ = ++versiones; }

}  // namespace quillora
