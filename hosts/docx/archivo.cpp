#include "archivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

}  // namespace

std::vector<std::uint8_t> LeerArchivo(const std::filesystem::path& ruta) {
  auto error = [&](int codigo) {
    return ErrorDocx("No se puede leer el archivo «" + ruta.string() + "»: " + Sistema(codigo));
  };
  Descriptor fd(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) throw error(errno);
  struct stat estado;
  if (::fstat(fd.Get(), &estado) != 0) throw error(errno);
  if (!S_ISREG(estado.st_mode)) throw ErrorDocx("«" + ruta.string() + "» no es un archivo");
  if (static_cast<std::uint64_t>(estado.st_size) > Paquete::kMaximoTotal) {
    throw ErrorDocx("El archivo «" + ruta.string() +
                    "» es demasiado grande para ser un documento .docx");
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(estado.st_size));
  std::size_t leidos = 0;
  while (leidos < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + leidos, bytes.size() - leidos);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw error(errno);
    if (n == 0) break;
    leidos += static_cast<std::size_t>(n);
  }
  bytes.resize(leidos);
  return bytes;
}

void EscribirAtomicamente(const std::filesystem::path& ruta, std::span<const std::uint8_t> bytes) {
  auto error = [&](const std::string& detalle) {
    return ErrorDocx("No se puede guardar el documento en «" + ruta.string() + "»: " + detalle);
  };
  const std::filesystem::path carpeta = ruta.has_parent_path() ? ruta.parent_path() : ".";
  std::random_device azar;
  std::filesystem::path temporal;
  int fd = -1;
  for (int intento = 0; fd < 0; ++intento) {
    temporal = carpeta / ("." + ruta.filename().string() + ".tmp" + std::to_string(azar()));
    fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || intento > 100)) throw error(Sistema(errno));
  }
  Descriptor descriptor(fd);
  try {
    struct stat anterior;
    if (::stat(ruta.c_str(), &anterior) == 0 && ::fchmod(fd, anterior.st_mode & 07777) != 0) {
      throw error(Sistema(errno));
    }
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + escritos, bytes.size() - escritos);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw error(Sistema(errno));
      escritos += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || descriptor.Cerrar() != 0) throw error(Sistema(errno));
    if (::rename(temporal.c_str(), ruta.c_str()) != 0) throw error(Sistema(errno));
  } catch (...) {
    ::unlink(temporal.c_str());
    throw;
  }
  // The rename itself reaches the disk with the folder.
  Descriptor dir(::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() >= 0) ::fsync(dir.Get());
}

}  // namespace quillora::docx
