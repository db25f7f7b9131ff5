#pragma once

namespace quillora {
class GestionBD;
namespace ui {
class Servicios;
}
}  // namespace quillora

// Reads the whole dictionary from the database into memory.
namespace quillora::carga_bd {

// How the alternatives are read: one query per entry, or all in one query and handed to their
// entries in the database's order (the same result, without a round trip per entry).
enum class LecturaSustitutos { PorEntrada, EnUnaConsulta };

// Fills `gestion` (new and empty) through the shared connection: classes, determiners, then the
// entries with their alternatives. A failure stops the loading, keeps what was read, and is shown
// once as "No se ha podido acceder a la base de datos"; it does not reach the caller.
void CargarDiccionario(GestionBD& gestion, ui::Servicios& servicios,
                       LecturaSustitutos lectura = LecturaSustitutos::EnUnaConsulta);

}  // namespace quillora::carga_bd
