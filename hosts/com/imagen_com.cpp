#include "imagen_com.h"

#include <olectl.h>

#include <system_error>

#include "common/error_sistema.h"
#include "common/texto_unicode.h"
#include "error_com.h"
#include "word/host_error.h"

namespace quillora::com {

Microsoft::WRL::ComPtr<IPictureDisp> CargarImagen(const std::string& archivo) {
  const auto utf16 = texto::Utf8AUtf16(archivo);
  const std::wstring ruta(utf16.begin(), utf16.end());
  auto* mapa = static_cast<HBITMAP>(
      LoadImageW(nullptr, ruta.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (mapa == nullptr) {
    // Windows gives no reason for a file that is there but is not a bitmap.
    const auto codigo = GetLastError();
    const std::error_code error(static_cast<int>(codigo), std::system_category());
    throw word::HostError(
        "No se puede cargar la imagen «" + archivo + "»: " +
        (codigo == ERROR_SUCCESS ? "no es un mapa de bits" : comun::DescripcionError(error)));
  }
  PICTDESC descripcion{};
  descripcion.cbSizeofstruct = sizeof(descripcion);
  descripcion.picType = PICTYPE_BITMAP;
  descripcion.bmp.hbitmap = mapa;
  Microsoft::WRL::ComPtr<IPictureDisp> imagen;
  // The picture takes the bitmap and deletes it when it goes.
  const HRESULT hr = OleCreatePictureIndirect(&descripcion, IID_IPictureDisp, TRUE,
                                              reinterpret_cast<void**>(imagen.GetAddressOf()));
  if (FAILED(hr)) {
    DeleteObject(mapa);
    LanzarFallo(hr, "No se puede convertir en imagen «" + archivo + "»");
  }
  return imagen;
}

}  // namespace quillora::com
