#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <memory>

#include "contexto.h"

namespace quillora::memory {
class MemoryApplication;
}

namespace quillora::word {
class ApplicationEvents;
class Comment;
class Comments;
class CommandBar;
class CommandBarControl;
class CommandBarControls;
class CommandBars;
class Document;
class Documents;
class Paragraph;
class Paragraphs;
class Range;
class Selection;
class System;
class Template;
class View;
class Window;
class Words;
}  // namespace quillora::word

// The fake's objects over the in-memory Word's; each gives Nothing for no object.
namespace quillora::word_falso {

using Microsoft::WRL::ComPtr;

ComPtr<IDispatch> Aplicacion(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<memory::MemoryApplication>& aplicacion);
// The sink the in-memory Word raises its events on, passing them on to the COM sinks.
std::shared_ptr<word::ApplicationEvents> EventosAplicacion(
    const std::shared_ptr<Contexto>& contexto);
ComPtr<IDispatch> Documentos(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<word::Documents>& documentos);
ComPtr<IDispatch> Sistema(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::System>& sistema);
ComPtr<IDispatch> Plantilla(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Template>& plantilla);

ComPtr<IDispatch> Documento(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Document>& documento);
ComPtr<IDispatch> Comentarios(const std::shared_ptr<Contexto>& contexto,
                              const std::shared_ptr<word::Comments>& comentarios);
ComPtr<IDispatch> Comentario(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<word::Comment>& comentario);

ComPtr<IDispatch> Rango(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::Range>& rango);
// The in-memory range behind a Range object of the fake; none for any other object.
std::shared_ptr<word::Range> RangoDe(IDispatch* objeto);
ComPtr<IDispatch> Palabras(const std::shared_ptr<Contexto>& contexto,
                           const std::shared_ptr<word::Words>& palabras);
ComPtr<IDispatch> Parrafos(const std::shared_ptr<Contexto>& contexto,
                           const std::shared_ptr<word::Paragraphs>& parrafos);
ComPtr<IDispatch> Parrafo(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::Paragraph>& parrafo);

ComPtr<IDispatch> Ventana(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::Window>& ventana);
ComPtr<IDispatch> Seleccion(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Selection>& seleccion);
ComPtr<IDispatch> Vista(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::View>& vista);

ComPtr<IDispatch> Barras(const std::shared_ptr<Contexto>& contexto,
                         const std::shared_ptr<word::CommandBars>& barras);
ComPtr<IDispatch> Barra(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::CommandBar>& barra);
ComPtr<IDispatch> Controles(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::CommandBarControls>& controles);
ComPtr<IDispatch> Control(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::CommandBarControl>& control);

}  // namespace quillora::word_falso
