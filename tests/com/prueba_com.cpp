#include "prueba_com.h"

#include <objbase.h>

#include "aplicacion_com.h"
#include "word/host_error.h"

namespace quillora::com {

namespace {

// Word calls its add-ins on a single-threaded apartment; the tests run in one too.
class Apartamento final : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }
};

const auto* const kApartamento = ::testing::AddGlobalTestEnvironment(new Apartamento);

}  // namespace

PruebaCom::PruebaCom(word_falso::Opciones opciones)
    : word_(opciones), app_(AplicacionCom(word_.Aplicacion())) {}

void PruebaCom::TearDown() {
  app_.reset();
  EXPECT_EQ(word_.ObjetosVivos(), 1) << "objetos COM sin liberar";
  EXPECT_EQ(word_.SumiderosEventos(), 0);
  EXPECT_EQ(word_.SumiderosClick(), 0);
}

std::string MensajeDeFallo(const std::function<void()>& paso) {
  try {
    paso();
  } catch (const word::HostError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no ha fallado";
  return {};
}

}  // namespace quillora::com
