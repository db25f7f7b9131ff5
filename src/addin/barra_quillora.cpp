// The "Quillora" command bar and the "Quillora..." entry of Word's context menus.
#include <algorithm>

#include "addin/connect.h"
#include "addin/ignorar_errores.h"
#include "common/leer_registro.h"
#include "common/ruta.h"
#include "word/application.h"
#include "word/command_bars.h"
#include "word/window.h"

namespace quillora {

namespace {

constexpr const char* kNombreBarra = "Quillora";
constexpr std::int32_t kBotonComando = 1;   // msoControlButton
constexpr std::int32_t kSoloIcono = 1;      // msoButtonIcon
constexpr std::int32_t kBarraArriba = 1;    // msoBarTop
constexpr std::int32_t kBarraFlotante = 4;  // msoBarFloating: Office's place for a new bar
constexpr const char* kEntradaMenu = "Quillora...";
constexpr std::int32_t kCaraEntradaMenu = 3981;

struct FilaBoton {
  const char* descripcion;
  const char* tooltip;
  const char* imagen;
  const char* mascara;
  std::int32_t faceId;
};

// The buttons in the order of the bar: the position is how each is found again.
constexpr std::array<FilaBoton, 6> kBotones = {{
    {"Procesar", "Ejecutar el proceso de Quillora", "Procesar.bmp", "ProcesarMask.bmp", 1446},
    {"Mostrar resultado", "Mostrar resultado", "Mostrar.bmp", "MostrarMask.bmp", 1589},
    {"Ocultar resultado", "Ocultar resultado", "Ocultar.bmp", "OcultarMask.bmp", 1592},
    {"Enviar sugerencia", "Enviar sugerencia", "Nota.bmp", "NotaMask.bmp", 794},
    {"Gestión de entradas", "Configuración", "Configuracion.bmp", "ConfiguracionMask.bmp", 531},
    {"Ayuda", "Ayuda", "Ayuda.bmp", "AyudaMask.bmp", 3998},
}};

std::string EtiquetaMenu(const std::string& nombreMenu) { return "QKV " + nombreMenu; }

}  // namespace

std::array<BotonConEventos*, 6> Connect::Botones() {
  return {&qkvProcessButton, &qkvShowButton,          &qkvHideButton,
          &qkvNotaButton,    &qkvConfigurationButton, &qkvHelpButton};
}

std::array<BotonConEventos*, 7> Connect::EntradasContextuales() {
  return {&quilloraContextComment, &quilloraContextInkComment, &quilloraContextSpelling,
          &quilloraContextGrammar, &quilloraContextGrammar2,   &quilloraContextText,
          &quilloraContextFields};
}

void Connect::InicializarMenus() {
  NombresMenus = {"Comment", "Ink Comment", "Spelling", "Grammar", "Grammar (2)", "Text", "Fields"};
}

void Connect::CrearBarra() {
  BorrarBarras();
  Barra = Word().GetCommandBars()->Add(kNombreBarra, kBarraFlotante, false, true);
  Barra->SetVisible(true);
  Barra->SetEnabled(true);
  Barra->SetName(kNombreBarra);
  Barra->SetPosition(kBarraArriba);
  const auto botones = Botones();
  for (std::size_t i = 0; i < kBotones.size(); ++i) {
    const auto& fila = kBotones[i];
    auto& miembro = *botones[i];
    word::ControlAdd boton;
    boton.Type = kBotonComando;
    miembro.Set(Barra->GetControls()->Add(boton));
    miembro->SetDescriptionText(fila.descripcion);
    miembro->SetStyle(kSoloIcono);
    miembro->SetTooltipText(fila.tooltip);
    AsignarImagen(*miembro.Get(), fila.imagen, fila.mascara, fila.faceId);
  }
  IgnorarErrores([&] { Barra->SetWidth(Barra->GetWidth() + 20); });
}

void Connect::AsignarImagen(word::CommandBarControl& boton, const std::string& imagen,
                            const std::string& mascara, std::int32_t faceId) {
  const auto carpeta = comun::LeerRegistro(entorno_.registro, "Path");
  bool puestas = false;
  if (!carpeta.empty()) {
    // Pictures exist only on newer Offices, and the files may be missing: then the built-in face.
    puestas = IgnorarErrores([&] {
      boton.SetPicture(word::Picture{comun::RutaEnCarpeta(carpeta, imagen)});
      boton.SetMask(word::Picture{comun::RutaEnCarpeta(carpeta, mascara)});
    });
  }
  if (!puestas) boton.SetFaceId(faceId);
}

void Connect::BorrarBarras() {
  IgnorarErrores([&] {
    const auto barras = Word().GetCommandBars();
    for (std::int32_t i = 1; i <= barras->Count(); ++i) {
      const auto barra = barras->Item(i);
      if (barra->GetName() == kNombreBarra) {
        barra->Delete();
        --i;
      }
    }
  });
}

void Connect::ConectarBarra(bool crear) {
  const bool encontrada = IgnorarErrores([&] {
    Barra = Word().GetCommandBars()->Item(kNombreBarra);
    const auto botones = Botones();
    for (std::int32_t posicion = 1; posicion <= 6; ++posicion) {
      botones[static_cast<std::size_t>(posicion - 1)]->Set(Barra->GetControls()->Item(posicion));
    }
    // Without per-reviewer views the marks cannot be hidden, only deleted.
    if (IgnorarErrores([&] { Word().GetActiveWindow()->GetView()->GetReviewers(); })) {
      IgnorarErrores([&] { qkvShowButton->SetVisible(true); });
      IgnorarErrores([&] { qkvHideButton->SetVisible(true); });
    } else {
      IgnorarErrores([&] { qkvHideButton->SetVisible(true); });
      IgnorarErrores([&] { qkvHideButton->SetTooltipText("Eliminar"); });
      IgnorarErrores([&] { qkvShowButton->SetVisible(false); });
    }
  });
  if (!encontrada) {
    if (crear) {
      CrearBarra();
      ConectarBarra(false);
    }
    return;
  }
  const auto botones = Botones();
  const bool falta = !Barra || std::ranges::any_of(botones, [](auto* b) { return !*b; });
  if (falta && crear) {
    CrearBarra();
    ConectarBarra(false);
  }
}

std::shared_ptr<word::CommandBarControl> Connect::BuscarControlMenu(const std::string& nombreMenu) {
  std::shared_ptr<word::CommandBarControl> control;
  if (!IgnorarErrores([&] {
        control = Word().GetCommandBars()->Item(nombreMenu)->FindControl(EtiquetaMenu(nombreMenu));
      })) {
    return nullptr;
  }
  return control;
}

void Connect::ConectarMenus(bool crear) {
  const auto entradas = EntradasContextuales();
  for (std::size_t k = 0; k < entradas.size(); ++k) {
    IgnorarErrores([&] { entradas[k]->Set(BuscarControlMenu(NombresMenus[k])); });
  }
  const bool ninguna =
      std::ranges::none_of(entradas, [](auto* e) { return static_cast<bool>(*e); });
  if (ninguna && crear) {
    IgnorarErrores([&] { CrearMenus(); });
    ConectarMenus(false);
  }
}

void Connect::CrearMenus() {
  QuitarMenus();
  for (const auto& nombre : NombresMenus) {
    word::ControlAdd boton;
    boton.Type = kBotonComando;
    boton.Temporary = true;
    std::shared_ptr<word::CommandBarControl> entrada;
    // A context menu this Word lacks gets no entry; the others still do.
    if (!IgnorarErrores(
            [&] { entrada = Word().GetCommandBars()->Item(nombre)->GetControls()->Add(boton); })) {
      continue;
    }
    IgnorarErrores([&] { entrada->SetCaption(kEntradaMenu); });
    IgnorarErrores([&] { entrada->SetTooltipText(entrada->GetCaption()); });
    IgnorarErrores([&] { entrada->SetTag(EtiquetaMenu(nombre)); });
    IgnorarErrores([&] { entrada->SetBeginGroup(true); });
    IgnorarErrores([&] { entrada->SetFaceId(kCaraEntradaMenu); });
  }
}

void Connect::QuitarMenus() {
  for (const auto& nombre : NombresMenus) {
    // Entries left over by earlier runs go as well.
    IgnorarErrores([&] {
      const auto menu = Word().GetCommandBars()->Item(nombre);
      while (const auto entrada = menu->FindControl(EtiquetaMenu(nombre))) entrada->Delete();
    });
  }
  for (auto* entrada : EntradasContextuales()) entrada->Set(nullptr);
}

void Connect::ActualizarMenus(const std::shared_ptr<word::Document>& documento) {
  std::shared_ptr<word::Comment> marca;
  if (documento) marca = MarcaRecordadaEn(documento) ? MarcaRecordada : MarcaEnSeleccion(documento);
  MostrarMenus(marca != nullptr);
}

void Connect::MostrarMenus(bool visible) {
  const auto entradas = EntradasContextuales();
  if (std::ranges::none_of(entradas, [](auto* e) { return static_cast<bool>(*e); })) {
    ConectarMenus(true);
  }
  for (auto* entrada : entradas) {
    if (*entrada && (*entrada)->GetVisible() != visible) (*entrada)->SetVisible(visible);
  }
}

}  // namespace quillora
