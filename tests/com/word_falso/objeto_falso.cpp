#include "objeto_falso.h"

#include <algorithm>
#include <cwctype>
#include <exception>
#include <new>

#include "error_com.h"

namespace quillora::word_falso {

namespace {

bool MismoNombre(const std::wstring& a, const wchar_t* b) {
  const std::wstring otro(b);
  return std::ranges::equal(a, otro, [](wchar_t x, wchar_t y) {
    return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
  });
}

// Word reports its own errors with this code, and the message as the description.
constexpr HRESULT kErrorDeWord = static_cast<HRESULT>(0x800A1066);

}  // namespace

ObjetoFalso::ObjetoFalso(std::shared_ptr<Contexto> contexto) : contexto_(std::move(contexto)) {
  contexto_->Nace();
}

ObjetoFalso::~ObjetoFalso() {
  if (clave_) contexto_->OlvidarUnico(*clave_);
  contexto_->Muere();
}

void ObjetoFalso::HacerUnico(const Contexto::Clave& clave) {
  clave_ = clave;
  contexto_->RegistrarUnico(clave, this);
}

IUnknown* ObjetoFalso::Interfaz(REFIID iid) noexcept {
  if (iid == IID_IUnknown || iid == IID_IDispatch) return static_cast<IDispatch*>(this);
  if (iid == IID_IConnectionPointContainer && TienePuntosDeConexion()) {
    return static_cast<IConnectionPointContainer*>(this);
  }
  return nullptr;
}

HRESULT ObjetoFalso::GetIDsOfNames(REFIID /*iid*/, LPOLESTR* nombres, UINT cuantos, LCID /*idioma*/,
                                   DISPID* ids) {
  if (nombres == nullptr || ids == nullptr || cuantos == 0) return E_POINTER;
  std::fill(ids, ids + cuantos, DISPID_UNKNOWN);
  const auto miembro = std::ranges::find_if(miembros_, [&](const Miembro& candidato) {
    return MismoNombre(candidato.nombre, nombres[0]);
  });
  if (miembro == miembros_.end()) return DISP_E_UNKNOWNNAME;
  ids[0] = miembro->id;
  HRESULT hr = S_OK;
  for (UINT i = 1; i < cuantos; ++i) {
    const auto parametro = std::ranges::find_if(
        miembro->parametros,
        [&](const std::wstring& nombre) { return MismoNombre(nombre, nombres[i]); });
    if (parametro == miembro->parametros.end()) {
      hr = DISP_E_UNKNOWNNAME;
    } else {
      ids[i] = static_cast<DISPID>(parametro - miembro->parametros.begin());
    }
  }
  return hr;
}

HRESULT ObjetoFalso::Invoke(DISPID id, REFIID /*iid*/, LCID /*idioma*/, WORD flags,
                            DISPPARAMS* parametros, VARIANT* resultado, EXCEPINFO* excepcion,
                            UINT* /*argumentoErroneo*/) {
  if (resultado != nullptr) VariantInit(resultado);
  if (parametros == nullptr) return E_POINTER;
  const Miembro* miembro = Buscar(id);
  if (miembro == nullptr) return DISP_E_MEMBERNOTFOUND;
  try {
    return Ejecutar(*miembro, flags, *parametros, resultado);
  } catch (const ErrorDespacho& error) {
    return error.hr;
  } catch (const std::exception& error) {
    return com::DescribirExcepcion(excepcion, kErrorDeWord, "Microsoft Word", error.what());
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT ObjetoFalso::Ejecutar(const Miembro& miembro, WORD flags, const DISPPARAMS& parametros,
                              VARIANT* resultado) {
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
    if (!miembro.escribir) return DISP_E_MEMBERNOTFOUND;
    if (parametros.cArgs != 1) return DISP_E_BADPARAMCOUNT;
    if (parametros.cNamedArgs != 1 || parametros.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
      return DISP_E_PARAMNOTOPTIONAL;
    }
    miembro.escribir(Argumentos::DeValor(parametros.rgvarg[0]));
    return S_OK;
  }
  const Lector* accion = nullptr;
  if ((flags & DISPATCH_METHOD) != 0 && miembro.llamar) {
    accion = &miembro.llamar;
  } else if ((flags & DISPATCH_PROPERTYGET) != 0 && miembro.leer) {
    accion = &miembro.leer;
  }
  if (accion == nullptr) return DISP_E_MEMBERNOTFOUND;
  auto valor = (*accion)(Argumentos(parametros, miembro.parametros.size()));
  if (resultado != nullptr) *resultado = valor.Soltar();
  return S_OK;
}

HRESULT ObjetoFalso::EnumConnectionPoints(IEnumConnectionPoints** puntos) {
  if (puntos != nullptr) *puntos = nullptr;
  return E_NOTIMPL;
}

HRESULT ObjetoFalso::FindConnectionPoint(REFIID iid, IConnectionPoint** punto) {
  if (punto == nullptr) return E_POINTER;
  *punto = nullptr;
  try {
    auto encontrado = PuntoDeConexion(iid);
    if (!encontrado) return CONNECT_E_NOCONNECTION;
    *punto = encontrado.Detach();
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

Microsoft::WRL::ComPtr<IConnectionPoint> ObjetoFalso::PuntoDeConexion(REFIID /*iid*/) {
  return nullptr;
}

ObjetoFalso::Miembro& ObjetoFalso::Agregar(std::wstring nombre,
                                           std::vector<std::wstring> parametros) {
  const DISPID id =
      MismoNombre(nombre, L"Item") ? DISPID_VALUE : static_cast<DISPID>(miembros_.size() + 1);
  return miembros_.emplace_back(Miembro{std::move(nombre), id, std::move(parametros), {}, {}, {}});
}

const ObjetoFalso::Miembro* ObjetoFalso::Buscar(DISPID id) const {
  const auto miembro = std::ranges::find_if(
      miembros_, [id](const Miembro& candidato) { return candidato.id == id; });
  return miembro == miembros_.end() ? nullptr : &*miembro;
}

void ObjetoFalso::Propiedad(std::wstring nombre, Lector leer, Escritor escribir) {
  auto& miembro = Agregar(std::move(nombre), {});
  miembro.leer = std::move(leer);
  miembro.escribir = std::move(escribir);
}

void ObjetoFalso::PropiedadSoloEscritura(std::wstring nombre, Escritor escribir) {
  Agregar(std::move(nombre), {}).escribir = std::move(escribir);
}

void ObjetoFalso::Propiedad(std::wstring nombre, std::vector<std::wstring> parametros,
                            Lector leer) {
  Agregar(std::move(nombre), std::move(parametros)).leer = std::move(leer);
}

void ObjetoFalso::Metodo(std::wstring nombre, std::vector<std::wstring> parametros, Lector llamar) {
  Agregar(std::move(nombre), std::move(parametros)).llamar = std::move(llamar);
}

}  // namespace quillora::word_falso
