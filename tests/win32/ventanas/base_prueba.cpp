#include "base_prueba.h"

#include <stdexcept>

#include "db/conexion.h"
#include "db/recordset.h"
#include "db/valor.h"
#include "dictionary/diccionario_muestra.h"
#include "origen_wine.h"

namespace quillora::win32::prueba {

std::int32_t IdEntrada(const OrigenWine& origen, const std::string& texto) {
  db::Recordset registro;
  registro.SetActiveConnection(origen.Conectar());
  registro.Open("Select IdEntrada From Entrada Where Entrada = '" + texto + "'",
                db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  if (registro.GetEOF()) throw std::runtime_error("No hay ninguna entrada " + texto);
  return db::Entero32(registro.Fields("IdEntrada").GetValue(), "IdEntrada").value();
}

std::vector<std::string> Columna(const OrigenWine& origen, const std::string& sql,
                                 const std::string& columna) {
  db::Recordset registro;
  registro.SetActiveConnection(origen.Conectar());
  registro.Open(sql, db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  std::vector<std::string> textos;
  for (; !registro.GetEOF(); registro.MoveNext()) {
    const auto& valor = registro.Fields(columna).GetValue();
    textos.push_back(db::EsNulo(valor) ? "(Null)" : std::get<std::string>(valor));
  }
  return textos;
}

const DiccionarioMuestra& DiccionarioPrueba() {
  static const DiccionarioMuestra diccionario = [] {
    DiccionarioMuestra d;
    d.morfologias = {{1, "Sustantivo", "Nombre de persona", ""},
                     {2, "Expresión", "Varias palabras", ""}};
    d.sexismos = {{1, "Genérico masculino", "El masculino por todos", ""},
                  {2, "Salto semántico", "Cambia de referente", ""}};
    d.determinantes = {"el", "la", "los", "las"};
    d.entradas = {
        {"hombre", 1, 1, "Se usa por «persona».", {{"persona", "en general"}, {"ser humano", ""}}},
        {"los niños", 2, 1, "Masculino por la infancia.", {{"la infancia", ""}}},
        {"hombre de negocios", 2, 2, "", {{"empresariado", "en plural"}}},
        {"los alumnos", 2, 1, "", {{"el alumnado", ""}}}};
    return d;
  }();
  return diccionario;
}

}  // namespace quillora::win32::prueba
