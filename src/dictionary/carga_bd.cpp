#include "dictionary/carga_bd.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/conexion.h"
#include "db/error_bd.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "dictionary/determinantes.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismos.h"
#include "dictionary/sustitutos.h"
#include "ui/servicios.h"

namespace quillora::carga_bd {

namespace {

using db::Recordset;
using db::Valor;

// Opens a query the way every loader reads a table, and calls `fila` for each row.
template <typename Fila>
void LeerTabla(const std::string& sql, Fila fila) {
  Recordset registro;
  registro.SetActiveConnection(comun::Conexion());
  registro.Open(sql, db::TipoCursor::Dinamico, db::TipoBloqueo::Optimista);
  while (!registro.GetEOF()) {
    fila(registro);
    registro.MoveNext();
  }
  registro.Close();
}

template <typename Clases>
void CargarClases(Clases& clases, const std::string& tabla, const std::string& columnaId) {
  LeerTabla("SELECT * FROM " + tabla, [&](Recordset& registro) {
    const auto id = db::Entero32(registro.Fields(columnaId).GetValue(), columnaId);
    const auto nombre = db::ComoTexto(registro.Fields(tabla).GetValue());
    if (!id || !nombre) return;
    auto clase = clases.Add(*nombre);
    if (!clase) return;
    clase->SetId(*id);
    if (auto descripcion = db::ComoTexto(registro.Fields("Descripcion").GetValue())) {
      clase->SetDescripcion(*descripcion);
    }
  });
}

void CargarDeterminantes(GestionBD& gestion) {
  LeerTabla("SELECT * FROM Determinante", [&](Recordset& registro) {
    const auto id = db::Entero32(registro.Fields("Id").GetValue(), "Id");
    const auto texto = db::ComoTexto(registro.Fields("Determinante").GetValue());
    if (!id || !texto) return;
    if (auto determinante = gestion.GetDeterminantes()->Add(*texto)) determinante->SetId(*id);
  });
}

struct FilaSustituto {
  std::int32_t id;
  std::string sustituto;
  std::optional<std::string> contexto;
};

std::optional<FilaSustituto> LeerSustituto(Recordset& registro) {
  const auto id = db::Entero32(registro.Fields("IdSustituto").GetValue(), "IdSustituto");
  auto texto = db::ComoTexto(registro.Fields("Sustituto").GetValue());
  if (!id || !texto) return std::nullopt;
  return FilaSustituto{*id, std::move(*texto),
                       db::ComoTexto(registro.Fields("Contexto").GetValue())};
}

void Anadir(Entrada& entrada, const FilaSustituto& fila) {
  auto sustituto = entrada.GetSustitutos()->Add(fila.sustituto);
  if (!sustituto) return;  // the first alternative of a text wins
  sustituto->SetId(fila.id);
  if (fila.contexto) sustituto->SetContexto(*fila.contexto);
}

// The alternatives of every entry, read in one query on first use, in the database's order.
class SustitutosPorEntrada {
 public:
  void CargarEn(Entrada& entrada) {
    if (!leidos_) Leer();
    const auto filas = porEntrada_.find(entrada.GetId());
    if (filas == porEntrada_.end()) return;
    for (const auto& fila : filas->second) Anadir(entrada, fila);
  }

 private:
  void Leer() {
    LeerTabla("SELECT * FROM Sustituto", [&](Recordset& registro) {
      // A row no entry can own is never read one entry at a time either: it is left out, not
      // taken for a damaged table.
      std::optional<std::int32_t> entrada;
      try {
        entrada = db::Entero32(registro.Fields("Entrada").GetValue(), "Entrada");
      } catch (const db::ErrorBD&) {
        return;
      }
      if (!entrada) return;
      if (auto fila = LeerSustituto(registro)) porEntrada_[*entrada].push_back(std::move(*fila));
    });
    leidos_ = true;
  }

  bool leidos_ = false;
  std::unordered_map<std::int32_t, std::vector<FilaSustituto>> porEntrada_;
};

void CargarSustitutos(Entrada& entrada) {
  LeerTabla("SELECT * FROM Sustituto Where Entrada = " + std::to_string(entrada.GetId()),
            [&](Recordset& registro) {
              if (auto fila = LeerSustituto(registro)) Anadir(entrada, *fila);
            });
}

void CargarEntradas(GestionBD& gestion, LecturaSustitutos lectura) {
  SustitutosPorEntrada sustitutos;
  LeerTabla("SELECT * FROM Entrada", [&](Recordset& registro) {
    const auto id = db::Entero32(registro.Fields("IdEntrada").GetValue(), "IdEntrada");
    const auto texto = db::ComoTexto(registro.Fields("Entrada").GetValue());
    if (!id || !texto) return;
    auto entrada = gestion.GetEntradas()->Add(*texto);
    if (!entrada) return;
    entrada->SetId(*id);
    entrada->SetEtimologia(db::ComoTexto(registro.Fields("Etimologia").GetValue()).value_or(""));
    if (const auto morfologia =
            db::Entero32(registro.Fields("Morfologia").GetValue(), "Morfologia")) {
      if (auto clase = gestion.GetMorfologias()->ItemById(*morfologia)) {
        entrada->SetMorfologia(clase);
      }
    }
    if (const auto sexismo = db::Entero32(registro.Fields("Sexismo").GetValue(), "Sexismo")) {
      if (auto clase = gestion.GetSexismos()->ItemById(*sexismo)) entrada->SetSexismo(clase);
    }
    if (lectura == LecturaSustitutos::PorEntrada) {
      CargarSustitutos(*entrada);
    } else {
      sustitutos.CargarEn(*entrada);
    }
  });
}

}  // namespace

void CargarDiccionario(GestionBD& gestion, ui::Servicios& servicios, LecturaSustitutos lectura) {
  try {
    comun::Conectar();
    CargarClases(*gestion.GetMorfologias(), "Morfologia", "IdMorfologia");
    CargarClases(*gestion.GetSexismos(), "Sexismo", "IdSexismo");
    CargarDeterminantes(gestion);
    CargarEntradas(gestion, lectura);
    comun::Desconectar();
  } catch (const std::exception&) {
    servicios.MsgBox("No se ha podido acceder a la base de datos", ui::Icono::Critico,
                     ui::Botones::Aceptar, "Quillora");
  }
}

}  // namespace quillora::carga_bd
