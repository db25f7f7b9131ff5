#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/sustitutos.h"
#include "mano.h"
#include "memory_application.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "servicios_win32.h"
#include "ventanas_prueba.h"
#include "word/range.h"

namespace quillora::win32::prueba {
namespace {

// The processing window shown modally over the real models, with Word in memory.
class FrmProcesarWin32Test : public ::testing::Test {
 protected:
  FrmProcesarWin32Test() {
    for (const auto* termino : {"hombre", "los niños"}) {
      gestion->GetEntradas()->Add(termino)->GetSustitutos()->Add("persona");
    }
  }

  std::shared_ptr<memory::MemoryDocument> Abrir(const std::vector<std::string>& parrafos) {
    auto documento = word->OpenDocument(parrafos);
    documentos->Add(documento);
    gestion->CargarDocumento(documentos->IdDocumentoStr(documento));
    return documento;
  }

  Vigia vigia{60};
  ServiciosWin32 servicios{GetModuleHandleW(nullptr)};
  Mano mano;
  std::shared_ptr<memory::MemoryApplication> word = std::make_shared<memory::MemoryApplication>();
  std::shared_ptr<GestionBD> gestion = std::make_shared<GestionBD>();
  std::shared_ptr<Documentos> documentos = std::make_shared<Documentos>([this] { return gestion; });
  frmProcesar ventana{servicios};
};

TEST_F(FrmProcesarWin32Test, LaVentanaMuestraElAvanceYSeCierraAlTerminar) {
  const auto documento = Abrir({"El hombre y los niños.", "Otro hombre más."});
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  HWND mostrada = nullptr;
  LRESULT maximo = 0;
  servicios.SetAlMostrar([&](ui::Formulario&, HWND hwnd) {
    // Shown while the run goes on: the first activation started it.
    mostrada = hwnd;
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(Texto(hwnd), "Quillora");
    EXPECT_EQ(Texto(Ventana(ventana.cmdCancelar)), "&Cancelar");
    maximo = SendMessageW(Ventana(ventana.pbQuillora), PBM_GETRANGE, FALSE, 0);
  });
  servicios.MostrarModal(ventana);
  ASSERT_NE(mostrada, nullptr);
  EXPECT_EQ(maximo, documento->Range()->GetWords()->Count());
  EXPECT_FALSE(IsWindow(mostrada));
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_EQ(documento->CommentList().size(), 3u);
  EXPECT_TRUE(mano.Mensajes().empty());
}

// The button pressed a moment after the run started.
HWND botonCancelar = nullptr;
void CALLBACK PulsarCancelar(HWND, UINT, UINT_PTR temporizador, DWORD) {
  KillTimer(nullptr, temporizador);
  Pulsar(botonCancelar);
}

TEST_F(FrmProcesarWin32Test, ElBotonCancelarDetieneElRecorridoYDejaLasMarcasHechas) {
  const std::vector<std::string> parrafos(3000, "Un hombre y los niños de la casa.");
  const auto documento = Abrir(parrafos);
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.SetAlMostrar([&](ui::Formulario&, HWND) {
    botonCancelar = Ventana(ventana.cmdCancelar);
    SetTimer(nullptr, 0, 100, PulsarCancelar);
  });
  servicios.MostrarModal(ventana);
  EXPECT_FALSE(ventana.GetCargado());
  const auto marcas = documento->CommentList().size();
  EXPECT_GT(marcas, 0u);
  EXPECT_LT(marcas, 6000u);
}

TEST_F(FrmProcesarWin32Test, SinDocumentoLoDiceEnUnMensaje) {
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.MostrarModal(ventana);
  const auto mensajes = mano.Mensajes();
  ASSERT_EQ(mensajes.size(), 1u);
  EXPECT_EQ(mensajes[0].texto, "No hay ningún documento activo");
  EXPECT_EQ(mensajes[0].titulo, "Quillora");
  EXPECT_EQ(mensajes[0].icono, reinterpret_cast<std::uintptr_t>(IDI_ASTERISK));
  EXPECT_FALSE(ventana.GetCargado());
}

}  // namespace
}  // namespace quillora::win32::prueba
