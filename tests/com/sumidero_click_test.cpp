#include "sumidero_click.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "prueba_com.h"
#include "word/command_bars.h"
#include "word/host_error.h"

namespace quillora::com {
namespace {

using ComClickTest = PruebaCom;

std::shared_ptr<word::CommandBarControl> BotonConTag(const std::shared_ptr<word::CommandBar>& barra,
                                                     const std::string& tag) {
  auto boton = barra->GetControls()->Add({});
  boton->SetTag(tag);
  return boton;
}

TEST_F(ComClickTest, ClickReachesItsHandlersWithTheClickedControl) {
  const auto barras = app_->GetCommandBars();
  const auto procesar = BotonConTag(barras->Add("Quillora", 1, false, true), "qkvProcesar");
  // A context entry with the same tag: Office tells its handlers of the other's clicks too.
  const auto entrada = BotonConTag(barras->Item("Text"), "qkvProcesar");
  std::vector<std::shared_ptr<word::CommandBarControl>> pulsados;
  const auto cookie = procesar->AddClickHandler(
      [&](const std::shared_ptr<word::CommandBarControl>& ctrl, bool& cancelDefault) {
        pulsados.push_back(ctrl);
        cancelDefault = true;
      });
  EXPECT_EQ(word_.SumiderosClick(), 1);

  EXPECT_TRUE(word_.Pulsar("Quillora", 1));
  EXPECT_TRUE(word_.Pulsar("Text", 1));
  ASSERT_EQ(pulsados.size(), 2U);
  EXPECT_EQ(pulsados[0], procesar);
  EXPECT_EQ(pulsados[1], entrada);

  const auto vivo = std::make_shared<int>(0);
  const auto otroCookie = procesar->AddClickHandler(
      [vivo](const std::shared_ptr<word::CommandBarControl>&, bool&) { ++*vivo; });
  procesar->RemoveClickHandler(cookie);
  procesar->RemoveClickHandler(cookie);
  procesar->RemoveClickHandler(12345);
  procesar->RemoveClickHandler(otroCookie);
  EXPECT_EQ(word_.SumiderosClick(), 0);
  // The sink let go of the handler and what it holds.
  EXPECT_EQ(vivo.use_count(), 1);
  EXPECT_FALSE(word_.Pulsar("qkvProcesar"));
  EXPECT_EQ(pulsados.size(), 2U);
}

TEST_F(ComClickTest, CancelDefaultStaysAsTheHandlerLeftIt) {
  const auto boton = BotonConTag(app_->GetCommandBars()->Add("Quillora", 1, false, true), "qkv");
  boton->AddClickHandler([](const std::shared_ptr<word::CommandBarControl>&, bool& cancelDefault) {
    cancelDefault = true;
  });
  int vistos = 0;
  boton->AddClickHandler([&](const std::shared_ptr<word::CommandBarControl>&, bool& cancelDefault) {
    vistos += cancelDefault ? 1 : 0;
    cancelDefault = false;
  });
  EXPECT_FALSE(word_.Pulsar("qkv"));
  EXPECT_EQ(vistos, 1);
}

TEST_F(ComClickTest, TheControlsEndDisconnectsItsHandlers) {
  int pulsaciones = 0;
  {
    const auto boton = BotonConTag(app_->GetCommandBars()->Add("Quillora", 1, false, true), "qkv");
    boton->AddClickHandler(
        [&](const std::shared_ptr<word::CommandBarControl>&, bool&) { ++pulsaciones; });
    word_.Pulsar("qkv");
  }
  EXPECT_EQ(word_.SumiderosClick(), 0);
  word_.Pulsar("qkv");
  EXPECT_EQ(pulsaciones, 1);
}

TEST_F(ComClickTest, AFailingHandlerDoesNotStopOffice) {
  const auto boton = BotonConTag(app_->GetCommandBars()->Add("Quillora", 1, false, true), "qkv");
  boton->AddClickHandler([](const std::shared_ptr<word::CommandBarControl>&, bool&) {
    throw std::runtime_error("No se ha podido procesar");
  });
  EXPECT_FALSE(word_.Pulsar("qkv"));
  EXPECT_EQ(word_.UltimoResultadoEvento(), DISP_E_EXCEPTION);
  EXPECT_EQ(word_.UltimaDescripcionEvento(), "No se ha podido procesar");
  EXPECT_THROW(boton->AddClickHandler(nullptr), word::HostError);
}

TEST_F(ComClickTest, ADeletedControlTakesNoHandler) {
  const auto boton = BotonConTag(app_->GetCommandBars()->Add("Quillora", 1, false, true), "qkv");
  boton->Delete();
  EXPECT_THROW(
      boton->AddClickHandler([](const std::shared_ptr<word::CommandBarControl>&, bool&) {}),
      word::HostError);
}

}  // namespace
}  // namespace quillora::com
