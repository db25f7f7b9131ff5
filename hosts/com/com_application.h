#pragma once

#include <memory>
#include <vector>

#include "conexion_com.h"
#include "sesion_com.h"
#include "word/application.h"
#include "word/document.h"

namespace quillora::com {

class ComApplication final : public word::Application, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::Documents> GetDocuments() const override;
  std::shared_ptr<word::Document> GetActiveDocument() const override;
  std::shared_ptr<word::Window> GetActiveWindow() const override;
  std::shared_ptr<word::System> GetSystem() const override;
  std::shared_ptr<word::Template> GetNormalTemplate() const override;
  bool GetDisplayScreenTips() const override;
  void SetDisplayScreenTips(bool mostrar) override;
  std::shared_ptr<word::CommandBars> GetCommandBars() const override;

  // Connects a sink for ApplicationEvents2 that calls `sink`.
  void Advise(const std::shared_ptr<word::ApplicationEvents>& sink) override;
  // Ends every connection of `sink`; never throws (see Conexion::Desconectar).
  void Unadvise(const std::shared_ptr<word::ApplicationEvents>& sink) override;

 private:
  // A connection ends with its entry: the application's end disconnects every sink left.
  struct Suscripcion {
    std::shared_ptr<word::ApplicationEvents> eventos;
    Conexion conexion;
  };
  std::vector<Suscripcion> suscripciones_;
};

class ComDocuments final : public word::Documents, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;
  std::int32_t Count() const override;
};

class ComSystem final : public word::System, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;
  word::Cursor GetCursor() const override;
  void SetCursor(word::Cursor cursor) override;
};

class ComTemplate final : public word::Template, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;
  bool GetSaved() const override;
  void SetSaved(bool saved) override;
  void Save() override;
};

}  // namespace quillora::com
