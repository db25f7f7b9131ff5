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
  // Peak memory, measured with `quillora procesar` on generated documents of many shapes (long
  // runs, short paragraphs, empty paragraphs, marked documents), is at most kPorBytePrincipal
  // for each byte of the main part (its text is held several times over: tree, walk, story,
  // save), kPorByteXml for each byte of the other XML parts read, kPorElemento for each element
  // of the parts read, and kPorByteArchivo for each byte of the file (held, written and read
  // back while saving). A package is refused when that estimate passes kMemoria, which is
  // 1.5 GiB less 64 MiB for the program, its libraries and the dictionary: before anything is
  // decompressed when its XML parts, taken at the main part's rate, could not fit (more than
  // 92 MiB of XML), and when a part is read, once its elements are counted.
  static constexpr std::uint64_t kMemoria = (1536ull - 64) << 20;
  static constexpr std::uint64_t kPorBytePrincipal = 16;
  static constexpr std::uint64_t kPorByteXml = 6;
  static constexpr std::uint64_t kPorElemento = 60;
  static constexpr std::uint64_t kPorByteArchivo = 3;
  static constexpr std::uint64_t kMaximoXml = kMemoria / kPorBytePrincipal;
  static constexpr std::uint64_t kMaximoArchivo = kMemoria / kPorByteArchivo;
  // What a new comment adds to the estimate of the package saved with it: its anchors and the
  // run split around them in the main part, and in the comments part its element with a
  // paragraph (styled) for each line of its text, escaped. New comments are taken while that
  // package stays within the bound, so that memory stays bounded while marking and whatever is
  // saved can be opened again.
  static std::uint64_t CosteComentario(std::string_view texto);
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

  // The main part, charged at its own rate; set before it is read.
  void FijarPrincipal(std::string_view parte);
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
    mutable std::optional<std::uint64_t> elementos;  // counted when the part is first read
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
  void Heredar(Paquete& escrito, const std::vector<CambioParte>& cambios) const;

  std::vector<std::uint8_t> bytes_;
  std::unique_ptr<zip, Cerrar> zip_;
  std::vector<Entrada> entradas_;
  std::unordered_map<std::string, std::size_t> porNombre_;  // lower-case part name
  Cota cota_;
  std::uint64_t bytesXml_ = 0;  // the XML parts' size, at most kMemoria
  std::optional<std::size_t> principal_;
  mutable std::uint64_t elementosXml_ = 0;  // of the XML parts read
};

}  // namespace quillora::docx
