#pragma once

#include <ocidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>

namespace quillora::com {

// A bitmap file (a Windows path in UTF-8) loaded as the picture object Office's buttons take.
// Throws HostError when the file cannot be read as a bitmap.
Microsoft::WRL::ComPtr<IPictureDisp> CargarImagen(const std::string& archivo);

}  // namespace quillora::com
