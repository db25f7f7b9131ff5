#include "error_com.h"

#include <olectl.h>

#include <array>
#include <cstdio>
#include <new>

#include "variante.h"
#include "word/host_error.h"

namespace quillora::com {

namespace {

// The members that only some Word versions have; the add-in falls back when they are missing.
constexpr std::array<std::string_view, 3> kMiembrosPorNombre = {"Reviewers", "Picture", "Mask"};

// An HRESULT as written in Microsoft's documentation: "0x80020009".
std::string CodigoHresult(HRESULT hr) {
  std::array<char, 16> texto{};
  std::snprintf(texto.data(), texto.size(), "0x%08lX", static_cast<unsigned long>(hr));
  return texto.data();
}

std::string SignificadoHresult(HRESULT hr) {
  switch (hr) {
    case DISP_E_UNKNOWNNAME:
      return "el objeto no tiene ningún miembro con ese nombre";
    case DISP_E_MEMBERNOTFOUND:
      return "el miembro no existe o no admite esta operación";
    case DISP_E_TYPEMISMATCH:
      return "un argumento no es del tipo esperado";
    case DISP_E_BADPARAMCOUNT:
      return "el número de argumentos no es válido";
    case DISP_E_PARAMNOTFOUND:
      return "falta un argumento obligatorio";
    case DISP_E_PARAMNOTOPTIONAL:
      return "un argumento no es opcional";
    case DISP_E_OVERFLOW:
      return "un valor no cabe en el tipo esperado";
    case DISP_E_BADINDEX:
      return "el índice está fuera de la colección";
    case RPC_E_DISCONNECTED:
    case RPC_E_SERVER_DIED:
    case RPC_E_SERVER_DIED_DNE:
      return "Word ya no está disponible";
    case RPC_E_CALL_REJECTED:
    case RPC_E_SERVERCALL_RETRYLATER:
      return "Word está ocupado y ha rechazado la llamada";
    case E_OUTOFMEMORY:
      return "no hay memoria suficiente";
    case E_NOINTERFACE:
      return "el objeto no admite la interfaz pedida";
    case E_INVALIDARG:
      return "un argumento no es válido";
    case CONNECT_E_NOCONNECTION:
      return "la conexión no existe";
    case CONNECT_E_ADVISELIMIT:
    case CONNECT_E_CANNOTCONNECT:
      return "el objeto no acepta más conexiones";
    default:
      return {};
  }
}

// The texts of an EXCEPINFO, freed when it goes.
class Excepcion {
 public:
  explicit Excepcion(EXCEPINFO* info) : info_(info) {
    if (info_ != nullptr && info_->pfnDeferredFillIn != nullptr) info_->pfnDeferredFillIn(info_);
  }
  ~Excepcion() {
    if (info_ == nullptr) return;
    SysFreeString(info_->bstrSource);
    SysFreeString(info_->bstrDescription);
    SysFreeString(info_->bstrHelpFile);
  }
  Excepcion(const Excepcion&) = delete;
  Excepcion& operator=(const Excepcion&) = delete;

  std::string Descripcion() const {
    return info_ == nullptr ? std::string() : DeBstr(info_->bstrDescription);
  }
  // The error Word raised, rather than the DISP_E_EXCEPTION that carried it.
  HRESULT Codigo(HRESULT hr) const {
    if (info_ == nullptr) return hr;
    if (info_->scode != 0) return info_->scode;
    if (info_->wCode != 0) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info_->wCode);
    return hr;
  }

 private:
  EXCEPINFO* info_;
};

std::string QueFallo(std::string_view miembro, Operacion operacion) {
  const std::string nombre = "«" + std::string(miembro) + "»";
  switch (operacion) {
    case Operacion::Buscar:
      return "Word no reconoce el miembro " + nombre;
    case Operacion::Leer:
      return "Word no ha podido leer la propiedad " + nombre;
    case Operacion::Escribir:
      return "Word no ha podido escribir la propiedad " + nombre;
    case Operacion::Llamar:
      break;
  }
  return "Word no ha podido ejecutar el método " + nombre;
}

}  // namespace

void LanzarFallo(HRESULT hr, const std::string& que) {
  const auto significado = SignificadoHresult(hr);
  throw word::HostError(que + " (" + CodigoHresult(hr) + ")" +
                        (significado.empty() ? "" : ": " + significado));
}

void LanzarFalloMiembro(HRESULT hr, std::string_view miembro, Operacion operacion,
                        EXCEPINFO* info) {
  const Excepcion excepcion(info);
  if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) {
    for (const auto nombre : kMiembrosPorNombre) {
      if (miembro == nombre) throw word::NotSupported(std::string(miembro));
    }
  }
  const auto descripcion = excepcion.Descripcion();
  if (descripcion.empty()) LanzarFallo(excepcion.Codigo(hr), QueFallo(miembro, operacion));
  throw word::HostError(QueFallo(miembro, operacion) + " (" + CodigoHresult(excepcion.Codigo(hr)) +
                        "): " + descripcion);
}

HRESULT DescribirExcepcion(EXCEPINFO* excepcion, HRESULT codigo, const char* fuente,
                           const char* mensaje) noexcept {
  if (excepcion == nullptr) return DISP_E_EXCEPTION;
  *excepcion = EXCEPINFO{};
  excepcion->scode = codigo;
  try {
    excepcion->bstrSource = ABstr(fuente);
    excepcion->bstrDescription = ABstr(mensaje);
  } catch (const std::bad_alloc&) {
    SysFreeString(excepcion->bstrSource);
    *excepcion = EXCEPINFO{};
    return E_OUTOFMEMORY;
  }
  return DISP_E_EXCEPTION;
}

}  // namespace quillora::com
