#include "archivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <random>
#include <string>

#include "documento_docx.h"
#include "paquete.h"

namespace quillora::docx {

namespace {

// The system's reason in Spanish for the failures a user can act on; the system's own words
// (in its locale) for the rest.
std::string Sistema(int error) {
  switch (error) {
    case ENOENT:
      return "no existe";
    case EACCES:
    case EPERM:
      return "no tiene permiso";
    case EISDIR:
      return "es una carpeta";
    case ENOSPC:
      return "no queda espacio en el disco";
    case EROFS:
      return "el disco es de solo lectura";
    default:
      return std::strerror(error);
  }
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now, reporting the error close may give.
  int Cerrar() {
    const int resultado = ::close(fd_);
    fd_ = -1;
    return resultado;
  }

 private:
  int fd_;
};

// The signals that end a program from outside are held back while it lives: between creating a
// temporary file and telling of it, and between renaming it and telling so.
class SenalesBloqueadas {
 public:
  SenalesBloqueadas() {
    sigset_t senales;
    sigemptyset(&senales);
    for (const int senal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&senales, senal);
    pthread_sigmask(SIG_BLOCK, &senales, &anteriores_);
  }
  SenalesBloqueadas(const SenalesBloqueadas&) = delete;
  SenalesBloqueadas& operator=(const SenalesBloqueadas&) = delete;
  ~SenalesBloqueadas() { pthread_sigmask(SIG_SETMASK, &anteriores_, nullptr); }

 private:
  sigset_t anteriores_;
};

// What a path names when it is not a regular file.
std::string Clase(mode_t modo) {
  if (S_ISDIR(modo)) return "es una carpeta";
  if (S_ISFIFO(modo)) return "es una tubería (FIFO), no un archivo";
  if (S_ISCHR(modo) || S_ISBLK(modo)) return "es un dispositivo, no un archivo";
  if (S_ISSOCK(modo)) return "es un socket, no un archivo";
  return "no es un archivo normal";
}

// The kernel's own limit on links followed in one path.
constexpr int kMaximoEnlaces = 40;

// Where a write to a path lands: its symbolic links followed to the file they name, which may not
// exist yet (its state is then empty).
struct Destino {
  std::filesystem::path ruta;
  std::optional<struct stat> estado;
};

Destino Resolver(const std::filesystem::path& ruta) {
  auto error = [&](const std::filesystem::path& real, const std::string& detalle) {
    return ErrorDocx("No se puede guardar el documento en «" + ruta.string() + "»" +
                     (real == ruta ? "" : " (enlace a «" + real.string() + "»)") + ": " + detalle);
  };
  Destino destino{ruta, std::nullopt};
  for (int enlaces = 0;; ++enlaces) {
    struct stat estado;
    if (::lstat(destino.ruta.c_str(), &estado) != 0) {
      if (errno == ENOENT) return destino;
      throw error(destino.ruta, Sistema(errno));
    }
    if (!S_ISLNK(estado.st_mode)) {
      if (!S_ISREG(estado.st_mode)) throw error(destino.ruta, Clase(estado.st_mode));
      // The rename would replace a read-only file as well: the folder's permission is what it
      // asks for, not the file's.
      if ((estado.st_mode & 0222) == 0) throw error(destino.ruta, "el archivo es de solo lectura");
      if (::access(destino.ruta.c_str(), W_OK) != 0) throw error(destino.ruta, Sistema(errno));
      destino.estado = estado;
      return destino;
    }
    if (enlaces == kMaximoEnlaces) {
      throw error(destino.ruta, "hay demasiados enlaces simbólicos encadenados");
    }
    std::vector<char> texto(static_cast<std::size_t>(estado.st_size > 0 ? estado.st_size : 255) +
                            1);
    const ssize_t largo = ::readlink(destino.ruta.c_str(), texto.data(), texto.size());
    if (largo < 0) throw error(destino.ruta, Sistema(errno));
    if (static_cast<std::size_t>(largo) == texto.size()) {
      throw error(destino.ruta, "el enlace simbólico cambió mientras se leía");
    }
    const std::filesystem::path apunta(std::string(texto.data(), static_cast<std::size_t>(largo)));
    destino.ruta = apunta.is_absolute() ? apunta : destino.ruta.parent_path() / apunta;
  }
}

}  // namespace

std::vector<std::uint8_t> LeerArchivo(const std::filesystem::path& ruta) {
  auto error = [&](const std::string& detalle) {
    return ErrorDocx("No se puede leer el archivo «" + ruta.string() + "»: " + detalle);
  };
  // Without blocking: a FIFO nobody writes to would be waited on for ever.
  Descriptor fd(::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) throw error(Sistema(errno));
  struct stat estado;
  if (::fstat(fd.Get(), &estado) != 0) throw error(Sistema(errno));
  if (!S_ISREG(estado.st_mode)) throw error(Clase(estado.st_mode));
  if (static_cast<std::uint64_t>(estado.st_size) > Paquete::kMaximoArchivo) {
    throw ErrorDocx("El archivo «" + ruta.string() +
                    "» es demasiado grande para tratarlo sin agotar la memoria (el máximo es " +
                    std::to_string(Paquete::kMaximoArchivo >> 20) + " MiB)");
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(estado.st_size));
  std::size_t leidos = 0;
  while (leidos < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + leidos, bytes.size() - leidos);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw error(Sistema(errno));
    if (n == 0) break;
    leidos += static_cast<std::size_t>(n);
  }
  bytes.resize(leidos);
  return bytes;
}

void ComprobarDestino(const std::filesystem::path& ruta) { Resolver(ruta); }

void EscribirAtomicamente(const std::filesystem::path& ruta, std::span<const std::uint8_t> bytes,
                          AvisoTemporal aviso) {
  const Destino destino = Resolver(ruta);
  auto error = [&](const std::string& detalle) {
    return ErrorDocx("No se puede guardar el documento en «" + ruta.string() + "»: " + detalle);
  };
  const std::filesystem::path carpeta =
      destino.ruta.has_parent_path() ? destino.ruta.parent_path() : ".";
  // Over an existing file the temporary is private until it takes that file's permissions; a new
  // file takes the usual ones (the umask applies).
  const mode_t modoInicial = destino.estado ? 0600 : 0666;
  std::random_device azar;
  std::filesystem::path temporal;
  int fd = -1;
  for (int intento = 0; fd < 0; ++intento) {
    temporal = carpeta / ("." + destino.ruta.filename().string() + ".tmp" + std::to_string(azar()));
    const SenalesBloqueadas bloqueo;
    fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modoInicial);
    if (fd >= 0 && aviso != nullptr) aviso(temporal.c_str());
    if (fd < 0 && (errno != EEXIST || intento > 100)) throw error(Sistema(errno));
  }
  Descriptor descriptor(fd);
  try {
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + escritos, bytes.size() - escritos);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw error(Sistema(errno));
      escritos += static_cast<std::size_t>(n);
    }
    if (destino.estado && ::fchmod(fd, destino.estado->st_mode & 07777) != 0) {
      throw error(Sistema(errno));
    }
    if (::fsync(fd) != 0 || descriptor.Cerrar() != 0) throw error(Sistema(errno));
    const SenalesBloqueadas bloqueo;
    if (::rename(temporal.c_str(), destino.ruta.c_str()) != 0) throw error(Sistema(errno));
    if (aviso != nullptr) aviso(nullptr);
  } catch (...) {
    const SenalesBloqueadas bloqueo;
    ::unlink(temporal.c_str());
    if (aviso != nullptr) aviso(nullptr);
    throw;
  }
  // The rename itself reaches the disk with the folder.
  Descriptor dir(::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() >= 0) ::fsync(dir.Get());
}

}  // namespace quillora::docx
