#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct zip;

namespace quillora::docx {

// A part to write: it replaces the entry of that name, or is added after the others.
struct CambioParte {
  std::string nombre;
  std::string contenido;
};

// The ZIP package of a .docx, held in memory. Opening checks that the bytes are a readable ZIP
// whose parts are safe to decompress (sizes and compression ratios are capped against zip
// bombs) and tells apart what is not a ZIP at all (an OLE file: an encrypted document or an old
// .doc).
class Paquete {
 public:
  static constexpr std::uint64_t kMaximoParte = 256ull << 20;
  static constexpr std::uint64_t kMaximoTotal = 512ull << 20;
  static constexpr std::uint64_t kRazonMaxima = 200;
  static constexpr std::uint64_t kParteGrande = 1ull << 20;

  explicit Paquete(std::vector<std::uint8_t> bytes);
  Paquete(Paquete&&) noexcept;
  Paquete& operator=(Paquete&&) noexcept;
  ~Paquete();

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  // The entry holding a part (names compare without case, as part names do).
  std::optional<std::size_t> Buscar(std::string_view parte) const;
  bool Existe(std::string_view parte) const { return Buscar(parte).has_value(); }
  const std::string& NombreEntrada(std::size_t entrada) const { return entradas_[entrada].nombre; }
  // The part's bytes, decompressed.
  std::string Leer(std::size_t entrada) const;
  std::string Leer(std::string_view parte) const;
  std::time_t Fecha(std::size_t entrada) const { return entradas_[entrada].fecha; }

  // A new package with these parts written; every other entry is copied as it is stored, in
  // its place. New entries take the date `fechaNuevas`.
  std::vector<std::uint8_t> Escribir(const std::vector<CambioParte>& cambios,
                                     std::time_t fechaNuevas) const;

 private:
  struct Entrada {
    std::string nombre;
    std::uint64_t tamano = 0;
    std::int32_t metodo = 0;
    std::time_t fecha = 0;
  };
  struct Cerrar {
    void operator()(zip* archivo) const;
  };

  std::vector<std::uint8_t> bytes_;
  std::unique_ptr<zip, Cerrar> zip_;
  std::vector<Entrada> entradas_;
  std::unordered_map<std::string, std::size_t> porNombre_;  // lower-case part name
};

}  // namespace quillora::docx
