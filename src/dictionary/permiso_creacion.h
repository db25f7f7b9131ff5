#pragma once

namespace quillora {

template <typename T, typename AlQuitar>
class ColeccionTexto;
class Entradas;

// Records whose text is their key are made only by their collection, which sets the text once;
// their constructors ask for this permit, which nobody else can build.
class PermisoCreacion {
  template <typename T, typename AlQuitar>
  friend class ColeccionTexto;
  friend class Entradas;

  PermisoCreacion() = default;
};

}  // namespace quillora
