#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "word/application.h"
#include "word_falso.h"

namespace quillora::com {

// Word's Application of a fake Word, reached through AplicacionCom. When a test ends every COM
// object the wrappers took must have been released: only the fake's own application is left.
class PruebaCom : public ::testing::Test {
 protected:
  explicit PruebaCom(word_falso::Opciones opciones = {});
  void TearDown() override;

  word_falso::WordFalso word_;
  std::shared_ptr<word::Application> app_;
};

// The same, over a Word without per-reviewer views nor button pictures.
class PruebaComAntigua : public PruebaCom {
 protected:
  PruebaComAntigua() : PruebaCom(word_falso::Opciones::OfficeAntiguo()) {}
};

// The message of the word::HostError that `paso` throws; a failure of the test when it throws
// none.
std::string MensajeDeFallo(const std::function<void()>& paso);

}  // namespace quillora::com
