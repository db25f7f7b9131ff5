// The "Quillora" command bar and the context entries: how they are built, found again after
// Word or the user changed them, shown and hidden, and removed.
#include <gtest/gtest.h>

#include <fstream>

#include "addin_prueba.h"
#include "memory_command_bar.h"
#include "memory_command_bar_control.h"
#include "memory_command_bars.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "word/command_bars.h"
#include "word/host_error.h"

namespace quillora {
namespace {

using prueba::PruebaAddin;
using V = std::vector<bool>;

class BarraQuilloraTest : public PruebaAddin {
 protected:
  std::shared_ptr<memory::MemoryCommandBarControl> Control(std::int32_t posicion) const {
    return std::dynamic_pointer_cast<memory::MemoryCommandBarControl>(Boton(posicion));
  }
};

TEST_F(BarraQuilloraTest, BuildsTheBarAndTheEntriesAsListed) {
  Arrancar();
  const auto barra = std::dynamic_pointer_cast<memory::MemoryCommandBar>(
      word_->GetCommandBars()->Item("Quillora"));
  EXPECT_TRUE(barra->GetVisible() && barra->GetEnabled() && barra->GetTemporary());
  EXPECT_EQ(barra->GetPosition(), 1);
  EXPECT_EQ(barra->GetWidth(), 8 + 6 * 23 + 20);  // borders, six buttons, 20 more

  const std::vector<std::vector<std::string>> textos = {
      {"Procesar", "Ejecutar el proceso de Quillora"}, {"Mostrar resultado", "Mostrar resultado"},
      {"Ocultar resultado", "Ocultar resultado"},      {"Enviar sugerencia", "Enviar sugerencia"},
      {"Gestión de entradas", "Configuración"},        {"Ayuda", "Ayuda"}};
  const std::vector<std::int32_t> caras = {1446, 1589, 1592, 794, 531, 3998};
  for (std::int32_t i = 1; i <= 6; ++i) {
    const auto boton = Boton(i);
    EXPECT_EQ(boton->GetDescriptionText(), textos[i - 1][0]);
    EXPECT_EQ(boton->GetTooltipText(), textos[i - 1][1]);
    EXPECT_EQ(boton->GetStyle(), 1);
    EXPECT_EQ(boton->GetCaption(), "");
    // No installation folder: the built-in faces.
    EXPECT_EQ(boton->GetFaceId(), caras[i - 1]);
  }
  EXPECT_THROW(Boton(7), word::HostError);

  for (const auto& menu : prueba::kMenus) {
    const auto entrada = std::dynamic_pointer_cast<memory::MemoryCommandBarControl>(Entrada(menu));
    ASSERT_TRUE(entrada) << menu;
    EXPECT_EQ(entrada->GetCaption(), "Quillora...");
    EXPECT_EQ(entrada->GetTooltipText(), "Quillora...");
    EXPECT_TRUE(entrada->GetBeginGroup() && entrada->GetTemporary());
    EXPECT_EQ(entrada->GetFaceId(), 3981);
  }
}

TEST_F(BarraQuilloraTest, PicturesComeFromTheInstallationFolderOrFallBackToTheFaces) {
  const auto carpeta = carpeta_ / "instalación";
  std::filesystem::create_directory(carpeta);
  for (const auto* nombre : {"Procesar", "Mostrar", "Ocultar", "Nota", "Configuracion"}) {
    std::ofstream(carpeta / (std::string(nombre) + ".bmp")) << "BM";
    std::ofstream(carpeta / (std::string(nombre) + "Mask.bmp")) << "BM";
  }
  std::ofstream(carpeta / "Ayuda.bmp") << "BM";  // no mask: not a picture either
  Ajustes("\"Path\"=\"" + carpeta.string() + "\"\n");
  Arrancar();
  EXPECT_EQ(Control(1)->GetPicture(), (carpeta / "Procesar.bmp").string());
  EXPECT_EQ(Control(5)->GetMask(), (carpeta / "ConfiguracionMask.bmp").string());
  EXPECT_EQ(Control(1)->GetFaceId(), 0);
  EXPECT_EQ(Control(6)->GetFaceId(), 3998);

  // An Office without button pictures: the faces.
  auto opciones = WordCompleto();
  opciones.buttonPictures = false;
  auto antiguo = std::make_shared<memory::MemoryApplication>(opciones);
  Connect otro(servicios_, {registro_, shell_, procesos_});
  otro.OnConnection(antiguo, ext_ConnectMode::ext_cm_AfterStartup, nullptr, {});
  const auto primero = antiguo->GetCommandBars()->Item("Quillora")->GetControls()->Item(1);
  EXPECT_EQ(primero->GetFaceId(), 1446);
  otro.OnDisconnection(ext_DisconnectMode::ext_dm_UserClosed, {});
}

TEST_F(BarraQuilloraTest, LeftoverBarsGoAndARemovedBarComesBackAtTheNextActivation) {
  word_ = std::make_shared<memory::MemoryApplication>(WordCompleto());
  word_->CommandBars()->Restaurar("Quillora");
  word_->CommandBars()->Restaurar("Quillora");
  Arrancar();
  std::int32_t barras = 0;
  for (std::int32_t i = 1; i <= word_->GetCommandBars()->Count(); ++i) {
    barras += word_->GetCommandBars()->Item(i)->GetName() == "Quillora" ? 1 : 0;
  }
  EXPECT_EQ(barras, 1);

  const auto primero = word_->OpenDocument({"uno"});
  const auto segundo = word_->OpenDocument({"dos"});
  word_->GetCommandBars()->Item("Quillora")->Delete();  // the user removes it
  word_->Activate(segundo);                             // the same document again: nothing happens
  EXPECT_THROW(word_->GetCommandBars()->Item("Quillora"), word::HostError);
  word_->Activate(primero);
  EXPECT_EQ(Boton(6)->GetDescriptionText(), "Ayuda");

  Boton(6)->Delete();  // emptied in part: rebuilt whole
  word_->Activate(segundo);
  EXPECT_EQ(Boton(6)->GetDescriptionText(), "Ayuda");
  Pulsar(6);  // the rebuilt button works
  EXPECT_EQ(servicios_.mensajes.back().texto, "No se ha podido abrir la ayuda");
}

TEST_F(BarraQuilloraTest, ButtonsAreTakenByPositionAfterTheUserMovesThem) {
  Arrancar();
  const auto primero = word_->OpenDocument({"Los niños."});
  word_->OpenDocument({"dos"});
  word_->CommandBars()->Mover(Boton(6), 1);  // "Ayuda" dragged to the front
  word_->Activate(primero);
  Pulsar(1);  // the help button, now held by the process member: processes the document
  EXPECT_EQ(Marcas(*primero), std::vector<std::string>{"Los niños"});
  EXPECT_TRUE(servicios_.mensajes.empty());
}

TEST_F(BarraQuilloraTest, ContextEntriesFollowTheirMenusAndAreRebuiltOnlyWhenAllAreGone) {
  // A Word without four of the seven menus: the other three get their entry, nothing fails.
  Arrancar(memory::MemoryWordOptions{});
  const auto documento = word_->OpenDocument({"Los niños juegan."});
  Pulsar(1);
  EXPECT_FALSE(Entrada("Comment") == nullptr || Entrada("Text") == nullptr ||
               Entrada("Fields") == nullptr);
  word_->RightClick(documento, 4, 4);
  EXPECT_TRUE(Entrada("Text")->GetVisible());

  Entrada("Text")->Delete();
  word_->RightClick(documento, 14, 14);
  EXPECT_FALSE(Entrada("Text"));
  EXPECT_FALSE(Entrada("Comment")->GetVisible());

  Entrada("Comment")->Delete();
  Entrada("Fields")->Delete();
  word_->RightClick(documento, 4, 4);  // all gone: rebuilt, and shown over the mark
  EXPECT_TRUE(Entrada("Text") && Entrada("Text")->GetVisible());
  EXPECT_TRUE(Entrada("Fields")->GetVisible());
}

TEST_F(BarraQuilloraTest, WithoutPerReviewerViewsHideDeletesAndShowIsHidden) {
  auto opciones = WordCompleto();
  opciones.perReviewerViews = false;
  Arrancar(opciones);
  word_->OpenDocument({"x"});
  EXPECT_FALSE(Boton(2)->GetVisible());
  EXPECT_TRUE(Boton(3)->GetVisible());
  EXPECT_EQ(Boton(3)->GetTooltipText(), "Eliminar");
}

TEST_F(BarraQuilloraTest, DisconnectionRemovesEverythingAndNothingIsLeftConnected) {
  Arrancar();
  word_->OpenDocument({"x"});
  connect_.OnDisconnection(ext_DisconnectMode::ext_dm_UserClosed, {});
  EXPECT_THROW(word_->GetCommandBars()->Item("Quillora"), word::HostError);
  for (const auto& menu : prueba::kMenus) EXPECT_FALSE(Entrada(menu)) << menu;
  // A second removal finds nothing and fails nowhere.
  EXPECT_NO_THROW(connect_.OnBeginShutdown({}));
}

}  // namespace
}  // namespace quillora
