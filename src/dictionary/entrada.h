#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

#include "dictionary/entradas_documentos.h"
#include "dictionary/permiso_creacion.h"
#include "dictionary/sustitutos.h"

namespace quillora {

class Morfologia;
class Sexismo;

// One dictionary entry: a word, or several words separated by single blanks. Made by
// Entradas::Add, which sets the text once. Entry and class refer to each other: setting a class
// also puts the entry on the class's entry list and takes it off the old one.
class Entrada : public std::enable_shared_from_this<Entrada> {
 public:
  Entrada(PermisoCreacion /*permiso*/, std::string entrada);
  Entrada(const Entrada&) = delete;
  Entrada& operator=(const Entrada&) = delete;
  // Whoever still holds the entry's alternatives or records finds them empty.
  ~Entrada();

  std::int32_t GetId() const { return id_; }
  void SetId(std::int32_t id) { id_ = id; }
  const std::string& GetEntrada() const { return entrada_; }
  const std::string& GetEtimologia() const { return etimologia_; }
  void SetEtimologia(std::string etimologia);
  std::shared_ptr<Morfologia> GetMorfologia() const;
  void SetMorfologia(std::shared_ptr<Morfologia> morfologia);
  std::shared_ptr<Sexismo> GetSexismo() const;
  void SetSexismo(std::shared_ptr<Sexismo> sexismo);
  const std::shared_ptr<Sustitutos>& GetSustitutos() const { return sustitutos_; }
  const std::shared_ptr<EntradasDocumentos>& GetDocumentos() const { return documentos_; }

 private:
  friend class Entradas;
  friend class EntradasResultado;
  friend class IndicePrefijos;
  friend class IndicePrimerSegmento;
  template <typename C>
  friend class ListaEntradasClase;

  // The text in upper case with its blanks, which ItemsByText compares with the query's key.
  const std::string& Mayusculas() const { return mayusculas_; }
  const std::string& Clave() const { return clave_; }

  template <typename C>
  std::shared_ptr<C>& Enlace() {
    return std::get<std::shared_ptr<C>>(clases_);
  }
  template <typename C>
  void CambiarClase(std::shared_ptr<C> nueva);
  // Drops the link to the class without touching the class's list: the list is letting the
  // entry go.
  template <typename C>
  void QuitarClase() {
    Enlace<C>().reset();
  }

  std::int32_t id_ = 0;
  std::string entrada_;
  std::string mayusculas_;
  std::string clave_;
  std::string etimologia_;
  std::tuple<std::shared_ptr<Morfologia>, std::shared_ptr<Sexismo>> clases_;
  std::shared_ptr<Sustitutos> sustitutos_ = std::make_shared<Sustitutos>();
  std::shared_ptr<EntradasDocumentos> documentos_ = std::make_shared<EntradasDocumentos>();
};

}  // namespace quillora
