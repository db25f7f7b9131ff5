#include "word_falso.h"

#include "contexto.h"
#include "memory_application.h"
#include "memory_command_bar.h"
#include "memory_command_bars.h"
#include "objetos_falsos.h"
#include "word/host_error.h"

namespace quillora::word_falso {

namespace {

std::optional<Imagen> Medir(const ComPtr<IPicture>& imagen) {
  if (!imagen) return std::nullopt;
  OLE_HANDLE mango = 0;
  BITMAP mapa{};
  if (FAILED(imagen->get_Handle(&mango)) ||
      GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(mango)), sizeof(mapa), &mapa) ==
          0) {
    throw word::HostError("La imagen del botón no tiene mapa de bits");
  }
  return Imagen{mapa.bmWidth, mapa.bmHeight};
}

}  // namespace

WordFalso::WordFalso(Opciones opciones)
    : memoria_(std::make_shared<memory::MemoryApplication>(
          memory::MemoryWordOptions{opciones.revisores, opciones.imagenesBotones})),
      contexto_(std::make_shared<Contexto>(opciones)),
      aplicacion_(word_falso::Aplicacion(contexto_, memoria_).Detach()) {
  memoria_->Advise(EventosAplicacion(contexto_));
}

WordFalso::~WordFalso() { aplicacion_->Release(); }

IDispatch* WordFalso::Aplicacion() const { return aplicacion_; }

memory::MemoryApplication& WordFalso::Memoria() const { return *memoria_; }

std::shared_ptr<memory::MemoryDocument> WordFalso::AbrirDocumento(
    const std::vector<std::string>& parrafos) {
  return memoria_->OpenDocument(parrafos);
}

std::shared_ptr<memory::MemoryDocument> WordFalso::NuevoDocumento(
    const std::vector<std::string>& parrafos) {
  return memoria_->NewDocument(parrafos);
}

void WordFalso::Activar(const std::shared_ptr<memory::MemoryDocument>& documento) {
  memoria_->Activate(documento);
}

bool WordFalso::CerrarDocumento(const std::shared_ptr<memory::MemoryDocument>& documento) {
  return memoria_->CloseDocument(documento);
}

bool WordFalso::ClicDerecho(const std::shared_ptr<memory::MemoryDocument>& documento,
                            std::int32_t inicio, std::int32_t fin) {
  return memoria_->RightClick(documento, inicio, fin);
}

void WordFalso::Salir() { memoria_->Quit(); }

bool WordFalso::Pulsar(const std::string& tag) {
  const auto& barras = memoria_->CommandBars();
  for (std::int32_t i = 1; i <= barras->Count(); ++i) {
    if (auto control = barras->Item(i)->FindControl(tag)) return barras->Pulsar(std::move(control));
  }
  throw word::HostError("Ningún control tiene la etiqueta «" + tag + "»");
}

bool WordFalso::Pulsar(const std::string& barra, std::int32_t posicion) {
  const auto& barras = memoria_->CommandBars();
  return barras->Pulsar(barras->Item(barra)->GetControls()->Item(posicion));
}

std::int32_t WordFalso::ObjetosVivos() const { return contexto_->Vivos(); }

std::int32_t WordFalso::SumiderosEventos() const {
  return static_cast<std::int32_t>(contexto_->SumiderosAplicacion().size());
}

std::int32_t WordFalso::SumiderosClick() const {
  const auto& barras = memoria_->CommandBars();
  std::int32_t sumideros = 0;
  for (std::int32_t i = 1; i <= barras->Count(); ++i) {
    const auto barra = std::dynamic_pointer_cast<memory::MemoryCommandBar>(barras->Item(i));
    for (const auto& control : barra->Coleccion().Controles()) {
      sumideros += static_cast<std::int32_t>(control->Manejadores().size());
    }
  }
  return sumideros;
}

long WordFalso::UltimoResultadoEvento() const { return contexto_->UltimoResultadoEvento(); }

std::string WordFalso::UltimaDescripcionEvento() const {
  return contexto_->UltimaDescripcionEvento();
}

std::optional<Imagen> WordFalso::ImagenDe(
    const std::shared_ptr<word::CommandBarControl>& control) const {
  return Medir(contexto_->ImagenDe(control.get(), false));
}

std::optional<Imagen> WordFalso::MascaraDe(
    const std::shared_ptr<word::CommandBarControl>& control) const {
  return Medir(contexto_->ImagenDe(control.get(), true));
}

std::optional<Imagen> WordFalso::ImagenDe(const std::string& barra, std::int32_t posicion) const {
  return ImagenDe(memoria_->CommandBars()->Item(barra)->GetControls()->Item(posicion));
}

std::optional<Imagen> WordFalso::MascaraDe(const std::string& barra, std::int32_t posicion) const {
  return MascaraDe(memoria_->CommandBars()->Item(barra)->GetControls()->Item(posicion));
}

}  // namespace quillora::word_falso
