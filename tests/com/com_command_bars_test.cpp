#include "com_command_bars.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "memory_application.h"
#include "memory_command_bar_control.h"
#include "memory_command_bars.h"
#include "prueba_com.h"
#include "word/host_error.h"

namespace quillora::com {
namespace {

using ComCommandBarsTest = PruebaCom;
using ComCommandBarsAntiguoTest = PruebaComAntigua;
using ::testing::HasSubstr;

std::shared_ptr<word::CommandBarControl> Boton(const std::shared_ptr<word::CommandBar>& barra,
                                               std::int32_t before = 0) {
  word::ControlAdd argumentos;
  argumentos.Before = before;
  return barra->GetControls()->Add(argumentos);
}

// A 24-bit bitmap file of the given size, in a folder with an accent in its name, of this
// process alone: test programs run side by side.
class Imagenes {
 public:
  Imagenes()
      : carpeta_(std::filesystem::temp_directory_path() /
                 (std::filesystem::path(u8"imágenes-quillora-") +=
                  std::to_string(GetCurrentProcessId()))) {
    std::filesystem::create_directories(carpeta_);
  }
  ~Imagenes() { std::filesystem::remove_all(carpeta_); }

  std::string MapaDeBits(const std::string& nombre, std::int32_t ancho, std::int32_t alto) {
    const auto filas = static_cast<std::uint32_t>((ancho * 3 + 3) / 4 * 4 * alto);
    BITMAPFILEHEADER archivo{};
    BITMAPINFOHEADER info{};
    archivo.bfType = 0x4D42;  // "BM"
    archivo.bfOffBits = sizeof(archivo) + sizeof(info);
    archivo.bfSize = archivo.bfOffBits + filas;
    info.biSize = sizeof(info);
    info.biWidth = ancho;
    info.biHeight = alto;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const std::string pixeles(filas, '\x7f');
    return Escribir(nombre, std::string(reinterpret_cast<const char*>(&archivo), sizeof(archivo)) +
                                std::string(reinterpret_cast<const char*>(&info), sizeof(info)) +
                                pixeles);
  }

  std::string Escribir(const std::string& nombre, const std::string& contenido) {
    const auto ruta = carpeta_ / nombre;
    std::ofstream(ruta, std::ios::binary) << contenido;
    return Ruta(nombre);
  }

  std::string Ruta(const std::string& nombre) const {
    const auto utf8 = (carpeta_ / nombre).u8string();
    return {utf8.begin(), utf8.end()};
  }

 private:
  std::filesystem::path carpeta_;
};

TEST_F(ComCommandBarsTest, BarsByNameAndPosition) {
  const auto barras = app_->GetCommandBars();
  const auto cuantas = barras->Count();
  const auto texto = barras->Item("Text");
  EXPECT_EQ(barras->Item("tEXT"), texto);
  EXPECT_EQ(barras->Item(1), texto);
  EXPECT_EQ(texto->GetName(), "Text");
  const auto sinBarra = MensajeDeFallo([&] { barras->Item("Quillora"); });
  EXPECT_THAT(sinBarra, HasSubstr("«Item»"));
  EXPECT_THAT(sinBarra, HasSubstr("\"Quillora\""));

  const auto barra = barras->Add("Quillora", 1, false, true);
  EXPECT_EQ(barras->Count(), cuantas + 1);
  EXPECT_EQ(barras->Item("Quillora"), barra);
  EXPECT_THROW(barras->Add("quillora", 1, false, true), word::HostError);
  barra->SetVisible(true);
  barra->SetPosition(4);
  barra->SetEnabled(false);
  barra->SetName("Quillora Ñ");
  EXPECT_TRUE(barra->GetVisible());
  EXPECT_EQ(barra->GetPosition(), 4);
  EXPECT_FALSE(barra->GetEnabled());
  EXPECT_EQ(barras->Item("Quillora Ñ")->GetName(), "Quillora Ñ");
  const auto ancho = barra->GetWidth();
  barra->SetWidth(ancho + 20);
  EXPECT_EQ(barra->GetWidth(), ancho + 20);

  barra->Delete();
  EXPECT_EQ(barras->Count(), cuantas);
  EXPECT_THROW(barra->GetName(), word::HostError);
  EXPECT_THROW(texto->Delete(), word::HostError);
}

TEST_F(ComCommandBarsTest, ControlsAddFindAndDelete) {
  const auto barra = app_->GetCommandBars()->Add("Quillora", 1, false, true);
  const auto procesar = Boton(barra);
  const auto ayuda = Boton(barra);
  const auto primero = Boton(barra, 1);
  EXPECT_EQ(barra->GetControls()->Item(1), primero);
  EXPECT_EQ(barra->GetControls()->Item(2), procesar);
  EXPECT_THROW(barra->GetControls()->Item(4), word::HostError);

  procesar->SetCaption("Procesar párrafos");
  procesar->SetTag("qkvProcesar");
  procesar->SetTooltipText("Marca los términos");
  procesar->SetDescriptionText("Señala el lenguaje");
  procesar->SetBeginGroup(true);
  procesar->SetFaceId(59);
  procesar->SetStyle(3);
  procesar->SetVisible(false);
  EXPECT_EQ(procesar->GetCaption(), "Procesar párrafos");
  EXPECT_EQ(procesar->GetTag(), "qkvProcesar");
  EXPECT_EQ(procesar->GetTooltipText(), "Marca los términos");
  EXPECT_EQ(procesar->GetDescriptionText(), "Señala el lenguaje");
  EXPECT_TRUE(procesar->GetBeginGroup());
  EXPECT_EQ(procesar->GetFaceId(), 59);
  EXPECT_EQ(procesar->GetStyle(), 3);
  EXPECT_FALSE(procesar->GetVisible());

  EXPECT_EQ(barra->FindControl("qkvProcesar"), procesar);
  EXPECT_EQ(barra->FindControl("qkvNada"), nullptr);

  procesar->Delete();
  EXPECT_EQ(barra->FindControl("qkvProcesar"), nullptr);
  EXPECT_EQ(barra->GetControls()->Item(2), ayuda);
  EXPECT_THROW(procesar->GetCaption(), word::HostError);
  EXPECT_THROW(procesar->Delete(), word::HostError);
}

TEST_F(ComCommandBarsTest, PictureAndMaskFromBitmapFiles) {
  Imagenes imagenes;
  const auto boton = Boton(app_->GetCommandBars()->Add("Quillora", 1, false, true));
  EXPECT_FALSE(word_.ImagenDe("Quillora", 1).has_value());
  boton->SetPicture({imagenes.MapaDeBits("Procesar.bmp", 16, 15)});
  boton->SetMask({imagenes.MapaDeBits("ProcesarMascara.bmp", 16, 16)});
  const auto imagen = word_.ImagenDe("Quillora", 1);
  ASSERT_TRUE(imagen.has_value());
  EXPECT_EQ(imagen->ancho, 16);
  EXPECT_EQ(imagen->alto, 15);
  EXPECT_EQ(word_.MascaraDe("Quillora", 1)->alto, 16);

  const auto sinImagen = MensajeDeFallo([&] { boton->SetPicture({imagenes.Ruta("Falta.bmp")}); });
  EXPECT_THAT(sinImagen, HasSubstr("Falta.bmp"));
  EXPECT_THAT(sinImagen, HasSubstr("no existe"));
  EXPECT_THROW(boton->SetMask({imagenes.Escribir("Texto.bmp", "no es una imagen")}),
               word::HostError);
  EXPECT_EQ(word_.MascaraDe("Quillora", 1)->alto, 16);
}

TEST_F(ComCommandBarsAntiguoTest, NoPicturesOnAnOldOffice) {
  Imagenes imagenes;
  const auto boton = Boton(app_->GetCommandBars()->Add("Quillora", 1, false, true));
  const auto mapa = imagenes.MapaDeBits("Procesar.bmp", 16, 16);
  EXPECT_THROW(boton->SetPicture({mapa}), word::NotSupported);
  EXPECT_THROW(boton->SetMask({mapa}), word::NotSupported);
  // The member is missing whatever the file: it is asked for before the file is read.
  EXPECT_THROW(boton->SetPicture({imagenes.Ruta("Falta.bmp")}), word::NotSupported);
  boton->SetFaceId(59);
  EXPECT_EQ(boton->GetFaceId(), 59);
}

}  // namespace
}  // namespace quillora::com
