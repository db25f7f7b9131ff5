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
struct zip_file;

namespace quillora::docx {

// A part to write: it replaces the entry of that name, or is added after the others.
struct CambioParte {
  std::string nombre;
  std::string contenido;
};

// The ZIP package of a .docx, held in memory. Opening checks that the bytes are a readable ZIP
// whose parts are safe to decompress and to work on within bounded memory (from the sizes the
// archive declares, before anything is decompressed; reading enforces them), and tells apart what
// is not a ZIP at all (an OLE file: an encrypted document or an old .doc). The XML parts are
// those named *.xml or *.rels: the host decompresses nothing else, except parts up to
// kParteGrande.
class Paquete {
 public:
  // Peak memory, measured with `quillora procesar` (one mark) on generated documents, is at most
  // 46 bytes for each byte of the XML parts (a body of empty paragraphs written "<p/>", the
  // densest shape; ordinary text takes about 20) plus 3 for each byte of the file (held, written
  // and read back while saving). A package is refused when that estimate passes kMemoria, which
  // is 1.5 GiB less 64 MiB for the program, its libraries and the dictionary: the XML parts may
  // thus take up to 32 MiB uncompressed, less as the file grows.
  static constexpr std::uint64_t kMemoria = (1536ull - 64) << 20;
  static constexpr std::uint64_t kPorByteXml = 46;
  static constexpr std::uint64_t kPorByteArchivo = 3;
  static constexpr std::uint64_t kMaximoXml = kMemoria / kPorByteXml;
  static constexpr std::uint64_t kMaximoArchivo = kMemoria / kPorByteArchivo;
  // A new comment adds to the XML parts its anchors in the main part and its element in the
  // comments part: less than kXmlPorComentario bytes and two for each byte of its text. New
  // comments are taken while the package they make stays within the estimate's bound, so that
  // memory stays bounded while marking and whatever is saved can be opened again.
  static constexpr std::uint64_t kXmlPorComentario = 512;
  static constexpr std::uint64_t CosteComentario(std::size_t bytesTexto) {
    return kPorByteXml * (kXmlPorComentario + 2 * bytesTexto);
  }
  // XML parts above kParteGrande compressed more than this are zip bombs.
  static constexpr std::uint64_t kRazonMaxima = 200;
  static constexpr std::uint64_t kParteGrande = 1ull << 20;

  explicit Paquete(std::vector<std::uint8_t> bytes);
  // A package this host wrote: its memory was accounted for by what it holds, so it is not
  // refused for its size.
  static Paquete Propio(std::vector<std::uint8_t> bytes);
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

  // What this package is estimated to take in memory once opened, by the figures above.
  std::uint64_t Estimacion() const;

  // A new package with these parts written; every other entry is copied as it is stored, in
  // its place. New entries take the date `fechaNuevas`. The new package is read back entry by
  // entry before it is answered: each written part must hold exactly its content, each copied
  // one the same bytes (size and CRC) as here.
  Paquete Escribir(const std::vector<CambioParte>& cambios, std::time_t fechaNuevas) const;

 private:
  struct Entrada {
    std::string nombre;
    bool xml = false;
    std::uint64_t tamano = 0;
    std::uint64_t comprimido = 0;
    std::int32_t metodo = 0;
    std::time_t fecha = 0;
    std::uint32_t crc = 0;
  };
  struct Cerrar {
    void operator()(zip* archivo) const;
  };

  enum class Cota { Memoria, Ninguna };
  Paquete(std::vector<std::uint8_t> bytes, Cota cota);
  // Whether the entry decompresses to exactly `contenido`, read a block at a time.
  bool Contiene(std::size_t entrada, std::string_view contenido) const;
  zip_file* AbrirEntrada(std::size_t entrada) const;
  void ComprobarEscrito(const Paquete& escrito, const std::vector<CambioParte>& cambios) const;

  std::vector<std::uint8_t> bytes_;
  std::unique_ptr<zip, Cerrar> zip_;
  std::vector<Entrada> entradas_;
  std::unordered_map<std::string, std::size_t> porNombre_;  // lower-case part name
  std::uint64_t bytesXml_ = 0;  // the XML parts' size, at most kMemoria
};

}  // namespace quillora::docx
