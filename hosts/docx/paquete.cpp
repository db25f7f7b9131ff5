#include "paquete.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <span>

#include "documento_docx.h"

namespace quillora::docx {

namespace {

constexpr std::array<std::uint8_t, 8> kFirmaOle = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

std::string Minusculas(std::string_view texto) {
  std::string salida(texto);
  std::transform(salida.begin(), salida.end(), salida.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  });
  return salida;
}

// Whether the OLE file names a stream `nombre` (directory entries hold names in UTF-16LE).
bool TieneFlujo(std::span<const std::uint8_t> bytes, std::string_view nombre) {
  std::vector<std::uint8_t> buscado;
  for (const char c : nombre) {
    buscado.push_back(static_cast<std::uint8_t>(c));
    buscado.push_back(0);
  }
  return std::search(bytes.begin(), bytes.end(), buscado.begin(), buscado.end()) != bytes.end();
}

[[noreturn]] void ErrorOle(std::span<const std::uint8_t> bytes) {
  if (TieneFlujo(bytes, "EncryptedPackage")) {
    throw ErrorDocx(
        "El documento está cifrado con contraseña; quite la contraseña en Word (Archivo > "
        "Información > Proteger documento) y vuelva a intentarlo");
  }
  if (TieneFlujo(bytes, "WordDocument")) {
    throw ErrorDocx(
        "El archivo es un documento de Word 97-2003 (.doc), no un .docx; ábralo en Word y "
        "guárdelo como documento de Word (.docx)");
  }
  throw ErrorDocx(
      "El archivo no es un documento .docx: es un archivo compuesto OLE (un documento cifrado "
      "con contraseña o de un formato antiguo)");
}

[[noreturn]] void ErrorZip(int codigo, std::span<const std::uint8_t> bytes) {
  if (codigo == ZIP_ER_MEMORY) throw ErrorDocx("No hay memoria suficiente para abrir el documento");
  const bool pareceZip = bytes.size() >= 2 && bytes[0] == 'P' && bytes[1] == 'K';
  if (codigo == ZIP_ER_NOZIP && !pareceZip) {
    throw ErrorDocx("El archivo no es un documento .docx: no es un archivo ZIP");
  }
  throw ErrorDocx(
      "El archivo no es un documento .docx válido: el archivo ZIP está dañado o incompleto");
}

// Sizes found are rounded up and limits down, so that a size over its limit never reads as equal.
std::string Mib(std::uint64_t bytes) {
  return std::to_string((bytes + (1ull << 20) - 1) >> 20) + " MiB";
}
std::string MibLimite(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

bool NombreXml(std::string_view nombre) {
  const std::string minusculas = Minusculas(nombre);
  return minusculas.ends_with(".xml") || minusculas.ends_with(".rels");
}

}  // namespace

void Paquete::Cerrar::operator()(zip* archivo) const { zip_discard(archivo); }

Paquete::Paquete(std::vector<std::uint8_t> bytes) : Paquete(std::move(bytes), Cota::Memoria) {}

Paquete Paquete::Propio(std::vector<std::uint8_t> bytes) {
  return Paquete(std::move(bytes), Cota::Ninguna);
}

Paquete::Paquete(std::vector<std::uint8_t> bytes, Cota cota)
    : bytes_(std::move(bytes)), cota_(cota) {
  if (bytes_.empty()) throw ErrorDocx("El archivo no es un documento .docx: está vacío");
  if (bytes_.size() >= sizeof kFirmaOle &&
      std::equal(std::begin(kFirmaOle), std::end(kFirmaOle), bytes_.begin())) {
    ErrorOle(bytes_);
  }
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* fuente = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
  if (fuente == nullptr) ErrorZip(zip_error_code_zip(&error), bytes_);
  zip_t* archivo = zip_open_from_source(fuente, ZIP_RDONLY, &error);
  if (archivo == nullptr) {
    zip_source_free(fuente);
    const int codigo = zip_error_code_zip(&error);
    zip_error_fini(&error);
    ErrorZip(codigo, bytes_);
  }
  zip_error_fini(&error);
  zip_.reset(archivo);

  const zip_int64_t cuantas = zip_get_num_entries(archivo, 0);
  std::uint64_t& xml = bytesXml_;
  for (zip_int64_t i = 0; i < cuantas; ++i) {
    zip_stat_t estado;
    if (zip_stat_index(archivo, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &estado) != 0 ||
        (estado.valid & (ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE)) !=
            (ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE)) {
      ErrorZip(ZIP_ER_INCONS, bytes_);
    }
    Entrada entrada;
    entrada.nombre = estado.name;
    entrada.xml = NombreXml(entrada.nombre);
    entrada.tamano = estado.size;
    entrada.comprimido = estado.comp_size;
    entrada.metodo = (estado.valid & ZIP_STAT_COMP_METHOD) ? estado.comp_method : ZIP_CM_DEFLATE;
    entrada.fecha = (estado.valid & ZIP_STAT_MTIME) ? estado.mtime : 0;
    entrada.crc = (estado.valid & ZIP_STAT_CRC) ? estado.crc : 0;
    if ((estado.valid & ZIP_STAT_ENCRYPTION_METHOD) && estado.encryption_method != ZIP_EM_NONE) {
      throw ErrorDocx(
          "El documento está cifrado con contraseña; quite la contraseña y vuelva a intentarlo");
    }
    // Two entries of one name (part names compare without case) would leave which of them is
    // the part to the reader.
    const auto [igual, nueva] = porNombre_.emplace(Minusculas(entrada.nombre), entradas_.size());
    if (!nueva) {
      const std::string& primera = entradas_[igual->second].nombre;
      throw ErrorDocx(
          "El documento .docx no se abre: tiene dos partes con el nombre «" + primera + "»" +
          (primera == entrada.nombre ? "" : " (o que solo se diferencian en mayúsculas)"));
    }
    if (entrada.xml) xml = std::min(xml + entrada.tamano, kMemoria);
    entradas_.push_back(std::move(entrada));
  }
  const std::uint64_t enArchivo = std::min<std::uint64_t>(bytes_.size(), kMaximoArchivo);
  const std::uint64_t permitido = (kMemoria - enArchivo * kPorByteArchivo) / kPorBytePrincipal;
  if (cota == Cota::Memoria && xml > permitido) {
    throw ErrorDocx(
        "El documento .docx es demasiado grande para tratarlo sin agotar la memoria: sus partes "
        "XML ocupan " +
        Mib(xml) + " descomprimidas" +
        (permitido < kMaximoXml ? ", y con un archivo de " + Mib(bytes_.size()) + " el máximo es " +
                                      MibLimite(permitido)
                                : " (el máximo es " + MibLimite(kMaximoXml) + ")"));
  }
  for (const auto& entrada : entradas_) {
    if (entrada.xml && entrada.tamano > kParteGrande &&
        entrada.tamano / kRazonMaxima > entrada.comprimido) {
      throw ErrorDocx("El documento .docx no se abre: la parte «" + entrada.nombre +
                      "» está comprimida más de " + std::to_string(kRazonMaxima) +
                      " a 1, como en una bomba ZIP");
    }
  }
}

Paquete::Paquete(Paquete&&) noexcept = default;
Paquete& Paquete::operator=(Paquete&&) noexcept = default;
Paquete::~Paquete() = default;

std::optional<std::size_t> Paquete::Buscar(std::string_view parte) const {
  if (parte.starts_with('/')) parte.remove_prefix(1);
  const auto encontrada = porNombre_.find(Minusculas(parte));
  if (encontrada == porNombre_.end()) return std::nullopt;
  return encontrada->second;
}

std::string Paquete::Leer(std::string_view parte) const {
  const auto entrada = Buscar(parte);
  if (!entrada)
    throw ErrorDocx("El documento .docx no tiene la parte «" + std::string(parte) + "»");
  return Leer(*entrada);
}

namespace {

// Start tags and empty-element tags: '<' not followed by '/', '?' or '!'.
std::uint64_t ContarElementos(std::string_view xml) {
  std::uint64_t elementos = 0;
  for (auto menor = xml.find('<'); menor != std::string_view::npos;
       menor = xml.find('<', menor + 1)) {
    const char siguiente = menor + 1 < xml.size() ? xml[menor + 1] : '/';
    if (siguiente != '/' && siguiente != '?' && siguiente != '!') ++elementos;
  }
  return elementos;
}

}  // namespace

std::uint64_t Paquete::CosteComentario(std::string_view texto) {
  // Bytes of the anchors with a run split in two (its properties copied), of the comment's
  // element, and of each paragraph with its style and reference; elements likewise.
  constexpr std::uint64_t kXmlAnclas = 256, kXmlComentario = 160, kXmlLinea = 112;
  constexpr std::uint64_t kElementosAnclas = 16, kElementosComentario = 5, kElementosLinea = 5;
  std::uint64_t escrito = 0, lineas = 1, sueltos = 0;
  for (const char c : texto) {
    escrito += c == '&' ? 5 : (c == '<' || c == '>') ? 4 : 1;
    lineas += c == '\r' || c == '\n';
    sueltos += c == '\t' || c == '\v' || c == '\f';
  }
  return kPorBytePrincipal * kXmlAnclas +
         kPorByteXml * (kXmlComentario + escrito + kXmlLinea * lineas) +
         kPorElemento *
             (kElementosAnclas + kElementosComentario + kElementosLinea * lineas + sueltos);
}

void Paquete::FijarPrincipal(std::string_view parte) { principal_ = Buscar(parte); }

std::uint64_t Paquete::Estimacion() const {
  const std::uint64_t principal = principal_ ? entradas_[*principal_].tamano : 0;
  return (bytesXml_ - std::min(principal, bytesXml_)) * kPorByteXml +
         principal * kPorBytePrincipal + elementosXml_ * kPorElemento +
         bytes_.size() * kPorByteArchivo;
}

zip_file* Paquete::AbrirEntrada(std::size_t entrada) const {
  zip_file_t* archivo = zip_fopen_index(zip_.get(), entrada, 0);
  if (archivo == nullptr) {
    throw ErrorDocx("El documento .docx está dañado: la parte «" + entradas_[entrada].nombre +
                    "» no se puede descomprimir");
  }
  return archivo;
}

bool Paquete::Contiene(std::size_t entrada, std::string_view contenido) const {
  if (entradas_[entrada].tamano != contenido.size()) return false;
  zip_file_t* archivo = AbrirEntrada(entrada);
  std::array<char, 1 << 16> bloque;
  std::size_t leidos = 0;
  bool igual = true;
  for (;;) {
    const zip_int64_t n = zip_fread(archivo, bloque.data(), bloque.size());
    if (n <= 0) {
      igual = n == 0 && leidos == contenido.size();
      break;
    }
    const auto cuantos = static_cast<std::size_t>(n);
    if (cuantos > contenido.size() - leidos ||
        contenido.substr(leidos, cuantos) != std::string_view(bloque.data(), cuantos)) {
      igual = false;
      break;
    }
    leidos += cuantos;
  }
  return zip_fclose(archivo) == 0 && igual;
}

std::string Paquete::Leer(std::size_t entrada) const {
  const auto& datos = entradas_[entrada];
  if (!datos.xml && datos.tamano > kParteGrande) {
    throw ErrorDocx("El documento .docx no se abre: la parte «" + datos.nombre +
                    "» no se lee: ocupa " + Mib(datos.tamano) +
                    " descomprimida, y solo las partes con nombre de XML (.xml, .rels) pueden "
                    "ocupar más de " +
                    MibLimite(kParteGrande));
  }
  auto danada = [&] {
    return ErrorDocx("El documento .docx está dañado: la parte «" + datos.nombre +
                     "» no se puede descomprimir");
  };
  zip_file_t* archivo = AbrirEntrada(entrada);
  // One byte more than declared tells a part that lies about its size.
  std::string contenido(datos.tamano + 1, '\0');
  std::uint64_t leidos = 0;
  for (;;) {
    const zip_int64_t n = zip_fread(archivo, contenido.data() + leidos, contenido.size() - leidos);
    if (n < 0) {
      zip_fclose(archivo);
      throw danada();
    }
    if (n == 0) break;
    leidos += static_cast<std::uint64_t>(n);
    if (leidos > datos.tamano) {
      zip_fclose(archivo);
      throw danada();
    }
  }
  if (zip_fclose(archivo) != 0 || leidos != datos.tamano) throw danada();
  contenido.resize(leidos);
  if (datos.xml && !datos.elementos) {
    datos.elementos = ContarElementos(contenido);
    elementosXml_ += *datos.elementos;
    if (cota_ == Cota::Memoria && Estimacion() > kMemoria) {
      throw ErrorDocx(
          "El documento .docx es demasiado grande para tratarlo sin agotar la memoria: la parte «" +
          datos.nombre + "» tiene " + std::to_string(*datos.elementos) + " elementos XML");
    }
  }
  return contenido;
}

Paquete Paquete::Escribir(const std::vector<CambioParte>& cambios, std::time_t fechaNuevas) const {
  if (cambios.empty()) {
    Paquete copia = Propio(bytes_);
    Heredar(copia, cambios);
    return copia;
  }
  auto fallo = [](const std::string& detalle) {
    return ErrorDocx("No se puede guardar el documento: " + detalle);
  };
  // A new archive in memory of libzip's own (so that it never writes over the bytes it reads):
  // each entry in its place, unchanged ones copied compressed as they are.
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* destino = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_error_fini(&error);
  if (destino == nullptr) throw fallo("sin memoria");
  zip_source_keep(destino);
  struct Fuente {
    zip_source_t* s;
    ~Fuente() { zip_source_free(s); }
  } guardaDestino{destino};
  zip_error_init(&error);
  zip_t* archivo = zip_open_from_source(destino, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  if (archivo == nullptr) throw fallo("no se pudo crear el paquete");
  std::unique_ptr<zip, Cerrar> guardaArchivo(archivo);

  auto anadir = [&](const std::string& nombre, zip_source_t* datos, std::int32_t metodo,
                    std::time_t fecha) {
    if (datos == nullptr) throw fallo(zip_strerror(archivo));
    const zip_int64_t indice = zip_file_add(archivo, nombre.c_str(), datos, 0);
    if (indice < 0) {
      zip_source_free(datos);
      throw fallo(zip_strerror(archivo));
    }
    const auto i = static_cast<zip_uint64_t>(indice);
    // Level 6, zlib's usual balance: the best compression costs much more time on large parts.
    if (zip_set_file_compression(archivo, i, metodo, metodo == ZIP_CM_DEFLATE ? 6 : 0) != 0 ||
        zip_file_set_mtime(archivo, i, fecha, 0) != 0) {
      throw fallo(zip_strerror(archivo));
    }
  };
  auto fuenteDe = [&](const CambioParte& cambio) {
    return zip_source_buffer(archivo, cambio.contenido.data(), cambio.contenido.size(), 0);
  };
  std::vector<bool> escritos(cambios.size());
  for (std::size_t i = 0; i < entradas_.size(); ++i) {
    const auto& entrada = entradas_[i];
    std::size_t cambio = 0;
    while (cambio < cambios.size() && Buscar(cambios[cambio].nombre) != i) ++cambio;
    if (cambio < cambios.size()) {
      escritos[cambio] = true;
      anadir(entrada.nombre, fuenteDe(cambios[cambio]),
             entrada.metodo == ZIP_CM_STORE ? ZIP_CM_STORE : ZIP_CM_DEFLATE, entrada.fecha);
    } else {
      anadir(entrada.nombre, zip_source_zip(archivo, zip_.get(), i, 0, 0, -1), entrada.metodo,
             entrada.fecha);
    }
  }
  for (std::size_t cambio = 0; cambio < cambios.size(); ++cambio) {
    if (!escritos[cambio])
      anadir(cambios[cambio].nombre, fuenteDe(cambios[cambio]), ZIP_CM_DEFLATE, fechaNuevas);
  }
  if (zip_close(archivo) != 0) throw fallo(zip_strerror(archivo));
  static_cast<void>(guardaArchivo.release());  // zip_close freed it

  zip_stat_t estado;
  if (zip_source_stat(destino, &estado) != 0 || zip_source_open(destino) != 0) {
    throw fallo("no se pudo leer el paquete escrito");
  }
  std::vector<std::uint8_t> salida(estado.size);
  const zip_int64_t leidos = zip_source_read(destino, salida.data(), salida.size());
  zip_source_close(destino);
  if (leidos < 0 || static_cast<std::uint64_t>(leidos) != salida.size()) {
    throw fallo("no se pudo leer el paquete escrito");
  }
  Paquete escrito = Propio(std::move(salida));
  ComprobarEscrito(escrito, cambios);
  Heredar(escrito, cambios);
  return escrito;
}

// The new package is charged as this one: the parts written for their elements, the others as
// counted here.
void Paquete::Heredar(Paquete& escrito, const std::vector<CambioParte>& cambios) const {
  std::unordered_map<std::size_t, const CambioParte*> porEntrada;
  for (const auto& cambio : cambios) porEntrada[*escrito.Buscar(cambio.nombre)] = &cambio;
  for (std::size_t i = 0; i < escrito.entradas_.size(); ++i) {
    const auto& nueva = escrito.entradas_[i];
    if (!nueva.xml) continue;
    if (const auto cambio = porEntrada.find(i); cambio != porEntrada.end()) {
      nueva.elementos = ContarElementos(cambio->second->contenido);
    } else if (const auto antigua = Buscar(nueva.nombre)) {
      nueva.elementos = entradas_[*antigua].elementos;
    }
    escrito.elementosXml_ += nueva.elementos.value_or(0);
  }
  if (principal_) escrito.FijarPrincipal(entradas_[*principal_].nombre);
}

void Paquete::ComprobarEscrito(const Paquete& escrito,
                               const std::vector<CambioParte>& cambios) const {
  const auto fallo = [] {
    return ErrorDocx(
        "No se puede guardar el documento sin dañarlo: el paquete escrito no guarda lo que se "
        "quería escribir");
  };
  std::vector<bool> cambiadas(escrito.entradas_.size());
  for (const auto& cambio : cambios) {
    const auto entrada = escrito.Buscar(cambio.nombre);
    if (!entrada || !escrito.Contiene(*entrada, cambio.contenido)) throw fallo();
    cambiadas[*entrada] = true;
  }
  if (escrito.entradas_.size() < entradas_.size()) throw fallo();
  for (std::size_t i = 0; i < entradas_.size(); ++i) {
    const auto& antes = entradas_[i];
    const auto& ahora = escrito.entradas_[i];
    if (ahora.nombre != antes.nombre) throw fallo();
    if (!cambiadas[i] && (ahora.tamano != antes.tamano || ahora.crc != antes.crc)) throw fallo();
  }
  for (std::size_t i = entradas_.size(); i < escrito.entradas_.size(); ++i) {
    if (!cambiadas[i]) throw fallo();
  }
}

}  // namespace quillora::docx
