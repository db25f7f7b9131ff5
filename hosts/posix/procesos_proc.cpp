#include "procesos_proc.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <fstream>

namespace quillora::posix {

namespace fs = std::filesystem;

ProcesosProc::ProcesosProc(fs::path raiz) : raiz_(std::move(raiz)) {}

std::optional<std::vector<std::uint32_t>> ProcesosProc::Enumerar() {
  std::error_code error;
  fs::directory_iterator entrada(raiz_, error);
  if (error) return std::nullopt;
  std::vector<std::uint32_t> ids;
  for (; entrada != fs::directory_iterator(); entrada.increment(error)) {
    if (error) return std::nullopt;
    const auto nombre = entrada->path().filename().string();
    std::uint32_t id = 0;
    const auto [fin, fallo] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), id);
    std::error_code tipo;
    if (fallo == std::errc{} && fin == nombre.data() + nombre.size() &&
        entrada->is_directory(tipo)) {
      ids.push_back(id);
    }
  }
  return ids;
}

std::vector<std::string> ProcesosProc::NombresPrograma(std::uint32_t id) {
  const auto carpeta = raiz_ / std::to_string(id);
  struct stat datos {};
  if (stat(carpeta.c_str(), &datos) != 0 || datos.st_uid != getuid()) return {};
  std::vector<std::string> nombres;
  std::error_code error;
  const auto ejecutable = fs::read_symlink(carpeta / "exe", error);
  if (!error) nombres.push_back(ejecutable.string());
  std::ifstream lineaOrdenes(carpeta / "cmdline", std::ios::binary);
  std::string primera;
  if (std::getline(lineaOrdenes, primera, '\0') && !primera.empty()) {
    nombres.push_back(primera);
  }
  return nombres;
}

}  // namespace quillora::posix
