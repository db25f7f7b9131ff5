#include "common/error_sistema.h"

#include <cerrno>
#include <filesystem>

namespace quillora::comun {

std::string DescripcionError(const std::error_code& codigo) {
  if (codigo.category() != std::generic_category() && codigo.category() != std::system_category()) {
    return codigo.message();
  }
  // The system's own codes (Windows' among them) are compared through their portable condition.
  const auto condicion = codigo.default_error_condition();
  if (condicion.category() != std::generic_category()) return codigo.message();
  switch (condicion.value()) {
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case ENOENT:
      return "no existe";
    case EEXIST:
      return "ya existe";
    case ENOTDIR:
      return "una parte de la ruta no es una carpeta";
    case EISDIR:
      return "es una carpeta";
    case ENOTEMPTY:
      return "la carpeta no está vacía";
    case ENOSPC:
      return "no queda espacio en el disco";
#ifdef EDQUOT
    case EDQUOT:
      return "se ha agotado la cuota de disco";
#endif
    case EROFS:
      return "el sistema de archivos es de solo lectura";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    case ELOOP:
      return "hay demasiados enlaces simbólicos encadenados";
    case EMFILE:
    case ENFILE:
      return "hay demasiados archivos abiertos";
    case EBUSY:
    case ETXTBSY:
      return "está en uso";
    case EXDEV:
      return "está en otro sistema de archivos";
    case EIO:
      return "error de entrada o salida del dispositivo";
    case ENOMEM:
      return "no hay memoria suficiente";
    case EINVAL:
      return "argumento no válido";
    case EFBIG:
      return "el archivo es demasiado grande";
    default:
      return "error del sistema " + std::to_string(codigo.value());
  }
}

std::string MensajeEspanol(const std::exception& error) {
  if (const auto* archivos = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
    std::string rutas;
    for (const auto* ruta : {&archivos->path1(), &archivos->path2()}) {
      if (!ruta->empty()) rutas += (rutas.empty() ? " «" : " y «") + ruta->string() + "»";
    }
    return "No se ha podido trabajar con" + (rutas.empty() ? std::string(" el archivo") : rutas) +
           ": " + DescripcionError(archivos->code());
  }
  if (const auto* sistema = dynamic_cast<const std::system_error*>(&error)) {
    return "Error del sistema: " + DescripcionError(sistema->code());
  }
  return error.what();
}

}  // namespace quillora::comun
