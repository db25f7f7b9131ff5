#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <atomic>
#include <utility>

namespace quillora::com {

// A COM object implemented here with `Interfaces`: it counts its references, deletes itself at
// the last Release and answers QueryInterface with what Interfaz gives.
template <typename... Interfaces>
class ObjetoComPropio : public Interfaces... {
 public:
  ObjetoComPropio() = default;
  virtual ~ObjetoComPropio() = default;
  ObjetoComPropio(const ObjetoComPropio&) = delete;
  ObjetoComPropio& operator=(const ObjetoComPropio&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override {
    if (objeto == nullptr) return E_POINTER;
    *objeto = Interfaz(iid);
    if (*objeto == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++referencias_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG quedan = --referencias_;
    if (quedan == 0) delete this;
    return quedan;
  }

 protected:
  // The object as its interface `iid` (IUnknown among them), or null when it has none.
  virtual IUnknown* Interfaz(REFIID iid) noexcept = 0;

 private:
  std::atomic<ULONG> referencias_{1};
};

// An IDispatch whose callers find its members by name: it gives no type information.
template <typename... Otras>
class DespachoSinTipos : public ObjetoComPropio<IDispatch, Otras...> {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* cuantas) override {
    if (cuantas == nullptr) return E_POINTER;
    *cuantas = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*indice*/, LCID /*idioma*/,
                                        ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
  }
};

// Creates a COM object of class T, owned by the pointer returned.
template <typename T, typename... Argumentos>
Microsoft::WRL::ComPtr<T> NuevoObjetoPropio(Argumentos&&... argumentos) {
  Microsoft::WRL::ComPtr<T> objeto;
  // The new object's own reference goes straight in: MinGW's Attach would add another.
  *objeto.GetAddressOf() = new T(std::forward<Argumentos>(argumentos)...);
  return objeto;
}

}  // namespace quillora::com
