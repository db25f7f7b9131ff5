#include "common/ordenar_lista.h"

#include <gtest/gtest.h>

#include "common/numero.h"
#include "ui/combo_imagen.h"
#include "ui/formulario.h"
#include "ui/vista_lista.h"

namespace quillora::comun {
namespace {

using S = std::vector<std::string>;

class Ventana : public ui::Formulario {
 public:
  Ventana() : Formulario("Quillora") { Registrar({&lvLista}); }
  ui::VistaLista lvLista{"lvLista"};
};

class OrdenarListaTest : public ::testing::Test {
 protected:
  OrdenarListaTest() {
    lista_.ColumnHeaders() = {
        {"Texto", 0, "", ""}, {"Número", 0, "Number", ""}, {"Fecha", 0, "date", ""}};
    for (const auto& [texto, numero, fecha] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"zapato", "10", "02/01/2007"},
             {"Ábaco", "9", "31/12/2006"},
             {"abad", "-", "no es fecha"},
             {"Zona", "100", "1/2/07"}}) {
      lista_.Add({texto, {numero, fecha}, "", false});
    }
  }

  S Columna(std::size_t columna) const {
    S textos;
    for (const auto& fila : lista_.ListItems()) textos.push_back(fila.Celda(columna));
    return textos;
  }
  S Iconos() const {
    S iconos;
    for (const auto& cabecera : lista_.ColumnHeaders()) iconos.push_back(cabecera.Icon);
    return iconos;
  }

  Ventana ventana_;
  ui::VistaLista& lista_ = ventana_.lvLista;
};

TEST_F(OrdenarListaTest, AlternatesDirectionAndShowsItInTheHeaders) {
  OrdenarLista(lista_, 0);
  EXPECT_EQ(Iconos(), (S{kAscendente, kSinOrden, kSinOrden}));
  EXPECT_EQ(Columna(0), (S{"Ábaco", "abad", "zapato", "Zona"}));  // Spanish order, not code points
  EXPECT_EQ(ventana_.GetMousePointer(), ui::Puntero::Predeterminado);
  OrdenarLista(lista_, 0);
  EXPECT_EQ(Iconos(), (S{kDescendente, kSinOrden, kSinOrden}));
  EXPECT_EQ(Columna(0), (S{"Zona", "zapato", "abad", "Ábaco"}));
  OrdenarLista(lista_, 0);
  EXPECT_EQ(Iconos()[0], kAscendente);

  // Another column starts ascending whatever it showed.
  lista_.ColumnHeaders()[1].Icon = kAscendente;
  lista_.ColumnHeaders()[1].Icon = kDescendente;
  OrdenarLista(lista_, 1);
  EXPECT_EQ(Iconos(), (S{kSinOrden, kAscendente, kSinOrden}));
  EXPECT_EQ(Columna(1), (S{"-", "9", "10", "100"}));  // cells read as they were, without blanks
  OrdenarLista(lista_, 1);
  EXPECT_EQ(Columna(1), (S{"100", "10", "9", "-"}));

  OrdenarLista(lista_, 2);
  EXPECT_EQ(Columna(2), (S{"31/12/2006", "02/01/2007", "01/02/2007", "no es fecha"}));
  EXPECT_EQ(Columna(0), (S{"Ábaco", "zapato", "Zona", "abad"}));

  // Rows added later take their place in the sort; rows equal to one there go after it.
  OrdenarLista(lista_, 0);
  lista_.Add({"Ábaco", {"1", "01/01/2001"}, "nueva", false});
  lista_.Add({"Ñu", {"1", "01/01/2001"}, "", false});
  lista_.Add({"ábaco", {"1", "01/01/2001"}, "", false});
  EXPECT_EQ(Columna(0), (S{"ábaco", "Ábaco", "Ábaco", "abad", "Ñu", "zapato", "Zona"}));
  EXPECT_EQ(lista_.ListItems()[2].Tag, "nueva");
  lista_.ListItems()[0].Text = "zzz";  // a changed cell moves only when the list is sorted again
  EXPECT_EQ(Columna(0).front(), "zzz");
  lista_.Refresh();
  EXPECT_EQ(Columna(0).back(), "zzz");
}

TEST_F(OrdenarListaTest, RefusesWhatCannotBeSorted) {
  lista_.Add({"largo", {std::string(101, '1'), ""}, "", false});
  EXPECT_THROW(OrdenarLista(lista_, 1), std::invalid_argument);
  EXPECT_THROW(OrdenarLista(lista_, 3), std::out_of_range);
  ui::VistaLista suelta("lvSuelta");
  suelta.ColumnHeaders() = {{"Texto", 0, "", ""}};
  EXPECT_THROW(OrdenarLista(suelta, 0), std::logic_error);
}

TEST(IndiceCombo, FindsTheFirstItemWithTheTag) {
  ui::ComboImagen combo("imcClase");
  EXPECT_EQ(IndiceCombo(combo, 1), -1);
  combo.ComboItems() = {{"<Ninguno>", ""}, {"Uno", "1"}, {"Otro uno", "1"}, {"Menos", "-3"}};
  EXPECT_EQ(IndiceCombo(combo, 1), 1);
  EXPECT_EQ(IndiceCombo(combo, -3), 3);
  EXPECT_EQ(IndiceCombo(combo, 2), -1);
}

TEST(FormatoMiles, GroupsThreeDigitsWithTheSeparator) {
  EXPECT_EQ(FormatoMiles(0, "."), "0");
  EXPECT_EQ(FormatoMiles(999, "."), "999");
  EXPECT_EQ(FormatoMiles(1234, "."), "1.234");
  EXPECT_EQ(FormatoMiles(1234567, "\u202f"), "1\u202f234\u202f567");
  EXPECT_EQ(FormatoMiles(-1234, ","), "-1,234");
  EXPECT_EQ(FormatoMiles(123456, ""), "123456");
}

}  // namespace
}  // namespace quillora::comun
