#include "memory_command_bars.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "word/host_error.h"

namespace quillora::memory {
namespace {

using word::CommandBar;
using word::CommandBarControl;
using word::HostError;

std::shared_ptr<CommandBarControl> Boton(const std::shared_ptr<CommandBar>& barra,
                                         std::int32_t before = 0, bool temporary = false) {
  word::ControlAdd argumentos;
  argumentos.Before = before;
  argumentos.Temporary = temporary;
  return barra->GetControls()->Add(argumentos);
}

std::shared_ptr<CommandBarControl> BotonConTag(const std::shared_ptr<CommandBar>& barra,
                                               const std::string& tag) {
  auto boton = Boton(barra);
  boton->SetTag(tag);
  return boton;
}

TEST(MemoryCommandBarsTest, FindsAndAddsBarsByName) {
  MemoryCommandBars barras({"Text", "Comment", "Índice"}, true);
  EXPECT_EQ(barras.Count(), 3);
  EXPECT_EQ(barras.Item("tEXT"), barras.Item("Text"));
  EXPECT_EQ(barras.Item("COMMENT")->GetName(), "Comment");
  EXPECT_THROW(barras.Item("índice"), HostError);  // only ASCII letters fold
  EXPECT_THROW(barras.Item("Tex"), HostError);

  const auto propia = barras.Add("Quillora", 1, false, true);
  EXPECT_EQ(barras.Count(), 4);
  EXPECT_EQ(barras.Item("quillora"), propia);
  EXPECT_FALSE(propia->GetVisible());
  EXPECT_TRUE(propia->GetEnabled());
  EXPECT_EQ(propia->GetPosition(), 1);
  EXPECT_TRUE(std::dynamic_pointer_cast<MemoryCommandBar>(propia)->GetTemporary());
  EXPECT_THROW(barras.Add("QUILLORA", 1, false, false), HostError);
  EXPECT_THROW(barras.Add("text", 1, false, false), HostError);
  EXPECT_THROW(barras.Add("", 1, false, false), HostError);
  EXPECT_THROW(barras.Add("Otra", 6, false, false), HostError);
  EXPECT_EQ(barras.Count(), 4);
}

TEST(MemoryCommandBarsTest, DeletedBarFailsInEveryMember) {
  MemoryCommandBars barras({"Text"}, true);
  const auto integrada = barras.Item("Text");
  EXPECT_THROW(integrada->Delete(), HostError);
  EXPECT_EQ(integrada->GetName(), "Text");

  const auto barra = barras.Add("Quillora", 1, false, true);
  const auto controles = barra->GetControls();
  const auto boton = Boton(barra);
  barra->Delete();
  EXPECT_EQ(barras.Count(), 1);
  EXPECT_THROW(barras.Item("Quillora"), HostError);
  EXPECT_THROW(barra->GetName(), HostError);
  EXPECT_THROW(barra->GetControls(), HostError);
  EXPECT_THROW(barra->FindControl(""), HostError);
  EXPECT_THROW(barra->Delete(), HostError);
  EXPECT_THROW(controles->Add({}), HostError);
  EXPECT_THROW(controles->Item(1), HostError);
  EXPECT_THROW(boton->GetCaption(), HostError);
  EXPECT_NE(barras.Add("Quillora", 1, false, true), barra);
}

TEST(MemoryCommandBarsTest, ControlsKeepTheirPositions) {
  MemoryCommandBars barras({"Text"}, true);
  const auto barra = barras.Item("Text");
  const auto controles = barra->GetControls();
  const auto b = Boton(barra);
  const auto d = Boton(barra, 2);
  const auto a = Boton(barra, 1);
  const auto c = Boton(barra, 3, true);
  EXPECT_EQ(controles->Item(1), a);
  EXPECT_EQ(controles->Item(2), b);
  EXPECT_EQ(controles->Item(3), c);
  EXPECT_EQ(controles->Item(4), d);
  EXPECT_TRUE(std::dynamic_pointer_cast<MemoryCommandBarControl>(c)->GetTemporary());
  EXPECT_FALSE(std::dynamic_pointer_cast<MemoryCommandBarControl>(d)->GetTemporary());
  EXPECT_THROW(Boton(barra, 6), HostError);
  EXPECT_THROW(Boton(barra, -1), HostError);
  word::ControlAdd desplegable;
  desplegable.Type = 10;
  EXPECT_THROW(controles->Add(desplegable), HostError);
  EXPECT_THROW(controles->Item(5), HostError);

  b->Delete();
  EXPECT_EQ(controles->Item(2), c);
  EXPECT_THROW(controles->Item(4), HostError);
  EXPECT_THROW(b->GetTag(), HostError);
  EXPECT_THROW(b->AddClickHandler([](const auto&, bool&) {}), HostError);
  EXPECT_THROW(b->Delete(), HostError);
}

TEST(MemoryCommandBarsTest, FindControlMatchesTheTagExactly) {
  MemoryCommandBars barras({"Text", "Comment"}, true);
  const auto barra = barras.Item("Text");
  EXPECT_EQ(barra->FindControl("QKV Text"), nullptr);
  const auto primero = BotonConTag(barra, "QKV Text");
  const auto segundo = BotonConTag(barra, "QKV Text");
  BotonConTag(barras.Item("Comment"), "QKV Comment");
  EXPECT_EQ(barra->FindControl("QKV Text"), primero);
  EXPECT_EQ(barra->FindControl("qkv text"), nullptr);
  EXPECT_EQ(barra->FindControl("QKV Comment"), nullptr);
  primero->Delete();
  EXPECT_EQ(barra->FindControl("QKV Text"), segundo);
}

class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ =
        std::filesystem::temp_directory_path() /
        ("quillora_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(carpeta_);
  }
  void TearDown() override { std::filesystem::remove_all(carpeta_); }

  [[nodiscard]] std::string Archivo(const std::string& nombre, const std::string& contenido) const {
    auto ruta = (carpeta_ / nombre).string();
    std::ofstream(ruta, std::ios::binary) << contenido;
    return ruta;
  }

  std::filesystem::path carpeta_;
};

TEST_F(PicturesTest, OfficeWithoutPicturesRejectsThem) {
  MemoryCommandBars barras({"Text"}, false);
  const auto boton = Boton(barras.Item("Text"));
  const auto bitmap = Archivo("Procesar.bmp", "BM....");
  EXPECT_THROW(boton->SetPicture({bitmap}), word::NotSupported);
  EXPECT_THROW(boton->SetMask({bitmap}), word::NotSupported);
  EXPECT_EQ(std::dynamic_pointer_cast<MemoryCommandBarControl>(boton)->GetPicture(), "");
}

TEST_F(PicturesTest, OnlyReadableBitmapsLoad) {
  MemoryCommandBars barras({"Text"}, true);
  const auto boton = Boton(barras.Item("Text"));
  const auto memoria = std::dynamic_pointer_cast<MemoryCommandBarControl>(boton);
  const auto bitmap = Archivo("Procesar.bmp", "BM....");
  const auto mascara = Archivo("ProcesarMask.bmp", "BM");
  boton->SetPicture({bitmap});
  boton->SetMask({mascara});
  EXPECT_EQ(memoria->GetPicture(), bitmap);
  EXPECT_EQ(memoria->GetMask(), mascara);

  EXPECT_THROW(boton->SetPicture({(carpeta_ / "Falta.bmp").string()}), HostError);
  EXPECT_THROW(boton->SetPicture({carpeta_.string()}), HostError);
  EXPECT_THROW(boton->SetPicture({Archivo("Vacio.bmp", "")}), HostError);
  EXPECT_THROW(boton->SetMask({Archivo("Texto.bmp", "no es un bitmap")}), HostError);
  EXPECT_EQ(memoria->GetPicture(), bitmap);
  EXPECT_EQ(memoria->GetMask(), mascara);
}

TEST(MemoryCommandBarsTest, ClickReachesEveryControlWithTheTag) {
  MemoryCommandBars barras({"Text", "Comment"}, true);
  const auto pulsado = BotonConTag(barras.Item("Text"), "QKV");
  const auto gemelo = BotonConTag(barras.Item("Comment"), "QKV");
  const auto ajeno = BotonConTag(barras.Item("Comment"), "Otro");
  std::vector<std::string> llamadas;
  const auto anotar = [&llamadas, esperado = pulsado.get()](const std::string& quien) {
    return [&llamadas, quien, esperado](const std::shared_ptr<CommandBarControl>& ctrl, bool&) {
      EXPECT_EQ(ctrl.get(), esperado);
      llamadas.push_back(quien);
    };
  };
  gemelo->AddClickHandler(anotar("gemelo"));
  ajeno->AddClickHandler(anotar("ajeno"));
  pulsado->AddClickHandler(anotar("primero"));
  const auto cookie = pulsado->AddClickHandler(anotar("quitado"));
  const auto cancela = pulsado->AddClickHandler([](const auto&, bool& cancel) { cancel = true; });
  pulsado->RemoveClickHandler(cookie);
  pulsado->RemoveClickHandler(cookie + 100);
  EXPECT_TRUE(barras.Pulsar(pulsado));
  EXPECT_EQ(llamadas, (std::vector<std::string>{"primero", "gemelo"}));
  EXPECT_THROW(pulsado->AddClickHandler(nullptr), HostError);

  llamadas.clear();
  pulsado->RemoveClickHandler(cancela);
  pulsado->SetTag("");
  gemelo->SetTag("");
  EXPECT_FALSE(barras.Pulsar(pulsado));
  EXPECT_EQ(llamadas, (std::vector<std::string>{"primero"}));
}

TEST(MemoryCommandBarsTest, OnlyVisibleLiveControlsOfThisWordAreClicked) {
  MemoryCommandBars barras({"Text"}, true);
  MemoryCommandBars otroWord({"Text"}, true);
  const auto boton = Boton(barras.Item("Text"));
  boton->SetVisible(false);
  EXPECT_THROW(barras.Pulsar(boton), HostError);
  EXPECT_THROW(otroWord.Pulsar(boton), HostError);
  EXPECT_THROW(barras.Pulsar(nullptr), HostError);
  boton->Delete();
  EXPECT_THROW(barras.Pulsar(boton), HostError);
}

TEST(MemoryCommandBarsTest, HandlersMayDeleteWhileTheClickRuns) {
  MemoryCommandBars barras({}, true);
  const auto barra = barras.Add("Quillora", 1, false, true);
  const auto boton = BotonConTag(barra, "QKV");
  const auto gemelo = BotonConTag(barra, "QKV");
  int llamadas = 0;
  // Each handler holds its own control, as an add-in's sink does.
  boton->AddClickHandler([&, boton](const auto&, bool&) {
    ++llamadas;
    barra->Delete();
  });
  gemelo->AddClickHandler([&, gemelo](const auto&, bool&) { ++llamadas; });
  barras.Pulsar(boton);
  EXPECT_EQ(llamadas, 2);
  EXPECT_THROW(barras.Pulsar(gemelo), HostError);
  EXPECT_NO_THROW(boton->RemoveClickHandler(1));
}

TEST(MemoryCommandBarsTest, UserDragsAControl) {
  MemoryCommandBars barras({}, true);
  const auto barra = barras.Add("Quillora", 1, false, true);
  const auto a = Boton(barra);
  const auto b = Boton(barra);
  const auto c = Boton(barra);
  barras.Mover(c, 1);
  const auto controles = barra->GetControls();
  EXPECT_EQ(controles->Item(1), c);
  EXPECT_EQ(controles->Item(2), a);
  EXPECT_EQ(controles->Item(3), b);
  EXPECT_THROW(barras.Mover(a, 4), std::out_of_range);
  a->Delete();
  EXPECT_THROW(barras.Mover(a, 1), HostError);
}

TEST(MemoryCommandBarsTest, RestartDropsTemporaryItemsAndConnections) {
  MemoryCommandBars barras({"Text"}, true);
  const auto temporal = barras.Add("Quillora", 1, false, true);
  const auto permanente = barras.Add("Mía", 1, false, false);
  const auto entrada = Boton(barras.Item("Text"), 0, true);
  const auto fijo = Boton(barras.Item("Text"));
  const auto propio = Boton(permanente);
  int llamadas = 0;
  fijo->AddClickHandler([&llamadas](const auto&, bool&) { ++llamadas; });
  barras.Reiniciar();
  EXPECT_EQ(barras.Count(), 2);
  EXPECT_THROW(barras.Item("Quillora"), HostError);
  EXPECT_THROW(temporal->GetName(), HostError);
  EXPECT_THROW(entrada->GetCaption(), HostError);
  EXPECT_EQ(barras.Item("Text")->GetControls()->Item(1), fijo);
  EXPECT_EQ(permanente->GetControls()->Item(1), propio);
  barras.Pulsar(fijo);
  EXPECT_EQ(llamadas, 0);
}

}  // namespace
}  // namespace quillora::memory
