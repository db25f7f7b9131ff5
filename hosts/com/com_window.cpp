#include "com_window.h"

#include "com_comment.h"

namespace quillora::com {

std::int32_t ComSelection::GetStart() const { return GetDespacho().Leer("Start").Entero(); }

std::int32_t ComSelection::GetEnd() const { return GetDespacho().Leer("End").Entero(); }

std::shared_ptr<word::Comments> ComSelection::GetComments() const {
  return Envolver<ComComments>(GetDespacho().Leer("Comments").ObjetoPresente());
}

bool ComReviewer::GetVisible() const { return GetDespacho().Leer("Visible").Logico(); }

void ComReviewer::SetVisible(bool visible) {
  GetDespacho().Escribir("Visible", Variante::Logico(visible));
}

std::shared_ptr<word::Reviewer> ComReviewers::Item(const std::string& nombre) {
  return Envolver<ComReviewer>(GetDespacho().Item(Variante::Texto(nombre)).ObjetoPresente());
}

std::shared_ptr<word::Reviewers> ComView::GetReviewers() {
  return Envolver<ComReviewers>(GetDespacho().Leer("Reviewers").ObjetoPresente());
}

std::shared_ptr<word::Selection> ComWindow::GetSelection() const {
  return Envolver<ComSelection>(GetDespacho().Leer("Selection").ObjetoPresente());
}

std::shared_ptr<word::View> ComWindow::GetView() const {
  return Envolver<ComView>(GetDespacho().Leer("View").ObjetoPresente());
}

}  // namespace quillora::com
