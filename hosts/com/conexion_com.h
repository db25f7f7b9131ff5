#pragma once

#include <ocidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <string_view>

namespace quillora::com {

// A sink connected to one outgoing interface of an object.
class Conexion {
 public:
  // Finds the object's connection point for `eventos` and connects the sink; throws HostError
  // naming `que` when the object has none or refuses.
  Conexion(IDispatch* origen, const GUID& eventos, IUnknown* sumidero, std::string_view que);
  // Disconnects, if still connected.
  ~Conexion();
  Conexion(Conexion&& otra) noexcept;
  Conexion& operator=(Conexion&& otra) noexcept;
  Conexion(const Conexion&) = delete;
  Conexion& operator=(const Conexion&) = delete;

  DWORD Cookie() const { return cookie_; }
  // Disconnecting is clean-up: an object that has gone (Word quit, the control was deleted) has
  // ended the connection itself, so what Unadvise answers is not reported.
  void Desconectar() noexcept;

 private:
  Microsoft::WRL::ComPtr<IConnectionPoint> punto_;
  DWORD cookie_ = 0;
};

}  // namespace quillora::com
