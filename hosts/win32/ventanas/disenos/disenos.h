#pragma once

#include "diseno.h"

namespace quillora {
class frmEntrada;
class frmEntradas;
class frmProcesar;
class frmQuillora;
class frmSustituto;
}  // namespace quillora

// The layout of each dialog of the add-in, one per file.
namespace quillora::win32 {

Diseno DisenoProcesar(const frmProcesar& formulario);
Diseno DisenoQuillora(const frmQuillora& formulario);
Diseno DisenoEntradas(const frmEntradas& formulario);
Diseno DisenoEntrada(const frmEntrada& formulario);
Diseno DisenoSustituto(const frmSustituto& formulario);

}  // namespace quillora::win32
