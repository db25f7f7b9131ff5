#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct IDispatch;

namespace quillora::memory {
class MemoryApplication;
class MemoryDocument;
}  // namespace quillora::memory

namespace quillora::word {
class CommandBarControl;
}

namespace quillora::word_falso {

class Contexto;

// What the fake Word offers. An old Office has neither per-reviewer views nor button pictures:
// asking for the names Reviewers, Picture or Mask answers DISP_E_UNKNOWNNAME, as late binding
// meets a member the host lacks.
struct Opciones {
  bool revisores = true;
  bool imagenesBotones = true;

  static Opciones OfficeAntiguo() { return {false, false}; }
};

// A bitmap a button received through its Picture or Mask property, in pixels.
struct Imagen {
  std::int32_t ancho = 0;
  std::int32_t alto = 0;
};

// Word's automation objects for tests: IDispatch objects reached by name (GetIDsOfNames and
// Invoke), built over the in-memory Word, with connection points for Word's application events
// (ApplicationEvents2) and for the Click of each command-bar button (_CommandBarButtonEvents).
//
// Everything the user does goes through the in-memory Word (Memoria()): opening, creating,
// activating and closing documents, right-clicking and quitting raise Word's events, which reach
// every connected sink through IDispatch::Invoke; a click runs the sinks connected to the button
// and to every other button with its tag. The helpers below are shorthands for the usual steps.
//
// Objects with a life of their own in Word (the application, documents, windows, selections,
// views, command bars and controls) are the same COM object each time they are asked for; ranges,
// comments and collections are new objects at every request, as Word's are. A member that fails
// answers DISP_E_EXCEPTION with the in-memory Word's message as the description.
//
// One thread only, as Word's objects are apartment-threaded. COM objects may outlive this object:
// they keep what they need.
class WordFalso {
 public:
  explicit WordFalso(Opciones opciones = {});
  ~WordFalso();
  WordFalso(const WordFalso&) = delete;
  WordFalso& operator=(const WordFalso&) = delete;

  // The Application object, borrowed: valid while this object lives; AddRef to keep it longer.
  IDispatch* Aplicacion() const;
  // The in-memory Word behind the objects.
  memory::MemoryApplication& Memoria() const;

  // The user's part. Each raises the events the in-memory Word raises for it.
  // DocumentOpen, then WindowActivate.
  std::shared_ptr<memory::MemoryDocument> AbrirDocumento(const std::vector<std::string>& parrafos);
  // NewDocument, then WindowActivate.
  std::shared_ptr<memory::MemoryDocument> NuevoDocumento(
      const std::vector<std::string>& parrafos = {});
  // WindowActivate.
  void Activar(const std::shared_ptr<memory::MemoryDocument>& documento);
  // DocumentBeforeClose; false when a sink set Cancel and the document stays open.
  bool CerrarDocumento(const std::shared_ptr<memory::MemoryDocument>& documento);
  // Selects [inicio, fin) and raises WindowBeforeRightClick; true when a sink set Cancel.
  bool ClicDerecho(const std::shared_ptr<memory::MemoryDocument>& documento, std::int32_t inicio,
                   std::int32_t fin);
  // Quit.
  void Salir();

  // Clicks a visible control and answers CancelDefault as the sinks left it. Throws
  // word::HostError when no control fits.
  // The first control with the tag, in the order of the bars and of their controls.
  bool Pulsar(const std::string& tag);
  // The control at `posicion`, from 1, of the bar named `barra`.
  bool Pulsar(const std::string& barra, std::int32_t posicion);

  // What the fake has seen.
  // COM objects of the fake alive now: the application, what callers hold, connection points.
  std::int32_t ObjetosVivos() const;
  // Sinks connected to the application events.
  std::int32_t SumiderosEventos() const;
  // Click sinks connected to controls, over every bar.
  std::int32_t SumiderosClick() const;
  // What the last sink called for an event answered (S_OK before any event).
  long UltimoResultadoEvento() const;
  // The description a sink gave with DISP_E_EXCEPTION at the last event; empty otherwise.
  std::string UltimaDescripcionEvento() const;
  // The bitmaps put into a control's Picture and Mask; none while none was put. The control is
  // the in-memory Word's (Memoria().CommandBars()), or the one at `posicion`, from 1, of `barra`.
  std::optional<Imagen> ImagenDe(const std::shared_ptr<word::CommandBarControl>& control) const;
  std::optional<Imagen> MascaraDe(const std::shared_ptr<word::CommandBarControl>& control) const;
  std::optional<Imagen> ImagenDe(const std::string& barra, std::int32_t posicion) const;
  std::optional<Imagen> MascaraDe(const std::string& barra, std::int32_t posicion) const;

 private:
  std::shared_ptr<memory::MemoryApplication> memoria_;
  std::shared_ptr<Contexto> contexto_;
  IDispatch* aplicacion_;
};

}  // namespace quillora::word_falso
