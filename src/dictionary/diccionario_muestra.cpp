#include "dictionary/diccionario_muestra.h"

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "common/rtf.h"
#include "db/conexion.h"
#include "db/origenes_datos.h"
#include "db/recordset.h"
#include "dictionary/clave_texto.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/redaccion_muestra.h"

extern "C" const char kDiccionarioMuestraJson[];
extern "C" const std::size_t kDiccionarioMuestraJsonLongitud;

namespace quillora {

namespace {

using nlohmann::json;

DiccionarioMuestra::Clase LeerClase(const json& clase) {
  return {clase.at("id").get<std::int32_t>(), clase.at("nombre").get<std::string>(),
          clase.at("descripcion").get<std::string>(), clase.value("forma", std::string())};
}

bool TieneBlancosSobrantes(std::string_view texto) {
  return texto.starts_with(' ') || texto.ends_with(' ') || texto.find("  ") != texto.npos;
}

// A table's rows added one by one through a record set opened on no row.
class Insercion {
 public:
  Insercion(const std::shared_ptr<db::Conexion>& conexion, const std::string& tabla,
            const std::string& clave) {
    registro_.SetActiveConnection(conexion);
    registro_.Open("SELECT * FROM " + tabla + " WHERE " + clave + " = -1", db::TipoCursor::Keyset,
                   db::TipoBloqueo::Optimista);
  }
  Insercion(const Insercion&) = delete;
  Insercion& operator=(const Insercion&) = delete;

  db::Recordset& Nueva() {
    registro_.AddNew();
    return registro_;
  }

 private:
  db::Recordset registro_;
};

}  // namespace

DiccionarioMuestra DiccionarioMuestra::Leer(std::string_view texto) {
  try {
    const auto datos = json::parse(texto);
    DiccionarioMuestra muestra;
    for (const auto& clase : datos.at("morfologias"))
      muestra.morfologias.push_back(LeerClase(clase));
    for (const auto& clase : datos.at("sexismos")) muestra.sexismos.push_back(LeerClase(clase));
    muestra.determinantes = datos.at("determinantes").get<std::vector<std::string>>();
    muestra.adjetivos = datos.value("adjetivos", std::vector<std::string>());
    for (const auto& entrada : datos.at("entradas")) {
      Entrada leida{entrada.at("entrada").get<std::string>(),
                    entrada.at("morfologia").get<std::int32_t>(),
                    entrada.at("sexismo").get<std::int32_t>(),
                    entrada.at("comentario").get<std::string>(),
                    {}};
      for (const auto& sustituto : entrada.at("sustitutos")) {
        leida.sustitutos.push_back({sustituto.at("sustituto").get<std::string>(),
                                    sustituto.at("contexto").get<std::string>()});
      }
      muestra.entradas.push_back(std::move(leida));
    }
    return muestra;
  } catch (const json::exception& error) {
    throw std::runtime_error(std::string("El diccionario de muestra no es válido: ") +
                             error.what());
  }
}

const DiccionarioMuestra& DiccionarioMuestra::Incorporado() {
  static const DiccionarioMuestra muestra =
      Leer(std::string_view(kDiccionarioMuestraJson, kDiccionarioMuestraJsonLongitud));
  return muestra;
}

std::vector<std::string> DiccionarioMuestra::Problemas() const {
  std::vector<std::string> problemas;
  auto ids = [&](const std::vector<Clase>& clases, const std::string& tipo) {
    std::set<std::int32_t> vistos;
    for (const auto& clase : clases) {
      if (!vistos.insert(clase.id).second) {
        problemas.push_back("La clase " + tipo + " «" + clase.nombre + "» repite el id " +
                            std::to_string(clase.id) + ": dele un id propio");
      }
      if (clase.nombre.empty() || clase.descripcion.empty()) {
        problemas.push_back("La clase " + tipo + " " + std::to_string(clase.id) +
                            " necesita nombre y descripción");
      }
    }
    return vistos;
  };
  const auto morfologiasValidas = ids(morfologias, "morfológica");
  const auto sexismosValidos = ids(sexismos, "de sexismo");

  std::set<std::string> determinantesVistos;
  for (const auto& determinante : determinantes) {
    if (determinante.empty() || !determinantesVistos.insert(ClaveTexto(determinante)).second) {
      problemas.push_back("El determinante «" + determinante +
                          "» está vacío o repetido: quítelo de la lista");
    }
  }

  std::map<std::string, size_t> claves;
  for (size_t i = 0; i < entradas.size(); ++i) {
    const auto& entrada = entradas[i];
    const auto nombre = redaccion_muestra::Describir(entrada, i);
    if (entrada.entrada.empty() || TieneBlancosSobrantes(entrada.entrada)) {
      problemas.push_back(nombre +
                          " debe tener texto, con un solo blanco entre palabras y "
                          "ninguno al principio ni al final");
    }
    const auto [previa, nueva] = claves.emplace(ClaveTexto(entrada.entrada), i);
    if (!nueva) {
      problemas.push_back(nombre + " repite la clave de la entrada " +
                          std::to_string(previa->second + 1) + ": una de las dos sobra");
    }
    if (!morfologiasValidas.contains(entrada.morfologia)) {
      problemas.push_back(nombre + " tiene la clase morfológica " +
                          std::to_string(entrada.morfologia) + ", que no existe");
    }
    if (!sexismosValidos.contains(entrada.sexismo)) {
      problemas.push_back(nombre + " tiene la clase de sexismo " + std::to_string(entrada.sexismo) +
                          ", que no existe");
    }
    const auto comentario = rtf::TextoDeDocumento(rtf::DocumentoDeTexto(entrada.comentario));
    if (entrada.comentario.empty() || comentario != entrada.comentario + "\n") {
      problemas.push_back(nombre +
                          " necesita un comentario de texto llano que se pueda guardar "
                          "como RTF sin perder nada");
    }
    if (entrada.sustitutos.empty()) {
      problemas.push_back(nombre + " necesita al menos una alternativa");
    }
    std::set<std::string> textos;
    for (const auto& sustituto : entrada.sustitutos) {
      if (sustituto.sustituto.empty() || TieneBlancosSobrantes(sustituto.sustituto) ||
          sustituto.contexto.empty()) {
        problemas.push_back(nombre + ": la alternativa «" + sustituto.sustituto +
                            "» necesita texto sin blancos sobrantes y un contexto");
      }
      if (!textos.insert(ClaveTexto(sustituto.sustituto)).second) {
        problemas.push_back(nombre + " repite la alternativa «" + sustituto.sustituto + "»");
      }
    }
  }
  for (auto& problema : redaccion_muestra::Problemas(*this))
    problemas.push_back(std::move(problema));
  return problemas;
}

void DiccionarioMuestra::Guardar(const std::shared_ptr<db::Conexion>& compartida) const {
  auto& conexion = *compartida;
  conexion.BeginTrans();
  try {
    auto clases = [&](const std::vector<Clase>& lista, const std::string& tabla) {
      Insercion insercion(compartida, tabla, "Id" + tabla);
      for (const auto& clase : lista) {
        auto& fila = insercion.Nueva();
        fila.Fields("Id" + tabla).SetValue(std::int64_t{clase.id});
        fila.Fields(tabla).SetValue(clase.nombre);
        fila.Fields("Descripcion").SetValue(clase.descripcion);
        fila.Update();
      }
    };
    clases(morfologias, "Morfologia");
    clases(sexismos, "Sexismo");
    {
      Insercion insercion(compartida, "Determinante", "Id");
      std::int64_t id = 0;
      for (const auto& determinante : determinantes) {
        auto& fila = insercion.Nueva();
        fila.Fields("Id").SetValue(++id);
        fila.Fields("Determinante").SetValue(determinante);
        fila.Update();
      }
    }
    Insercion filasEntrada(compartida, "Entrada", "IdEntrada");
    Insercion filasSustituto(compartida, "Sustituto", "IdSustituto");
    for (const auto& entrada : entradas) {
      auto& fila = filasEntrada.Nueva();
      fila.Fields("Entrada").SetValue(entrada.entrada);
      fila.Fields("Etimologia").SetValue(rtf::DocumentoDeTexto(entrada.comentario));
      fila.Fields("Morfologia").SetValue(std::int64_t{entrada.morfologia});
      fila.Fields("Sexismo").SetValue(std::int64_t{entrada.sexismo});
      fila.Update();
      const auto idEntrada = fila.Fields("IdEntrada").GetValue();
      for (const auto& sustituto : entrada.sustitutos) {
        auto& alternativa = filasSustituto.Nueva();
        alternativa.Fields("Sustituto").SetValue(sustituto.sustituto);
        alternativa.Fields("Contexto").SetValue(sustituto.contexto);
        alternativa.Fields("Entrada").SetValue(idEntrada);
        alternativa.Update();
      }
    }
    conexion.CommitTrans();
  } catch (...) {
    conexion.RollbackTrans();
    throw;
  }
}

void DiccionarioMuestra::CrearBaseSqlite(const std::filesystem::path& base,
                                         const std::string& controlador) const {
  auto conexion = std::make_shared<db::Conexion>();
  conexion->Open("Driver=" + controlador + ";Database=" + db::BaseSqlite(base));
  esquema_bd::CrearEsquema(*conexion);
  Guardar(conexion);
  conexion->Close();
}

}  // namespace quillora
