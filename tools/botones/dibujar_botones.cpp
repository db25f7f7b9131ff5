// dibujar_botones CARPETA
// Writes the pictures of the buttons of the "Quillora" command bar into CARPETA: for each button
// NAME.bmp (24-bit, the transparent pixels in the colour of a button's face) and NAMEMask.bmp
// (white where the picture is transparent, black where it is drawn, as Office reads masks).
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr std::uint32_t kLado = 16;
constexpr char kTransparente = '.';

struct Color {
  std::uint8_t r, g, b;
};

// Office paints a button face in this grey, so it shows through the transparent pixels.
constexpr Color kCaraBoton{0xC0, 0xC0, 0xC0};
constexpr Color kNegro{0x00, 0x00, 0x00};
constexpr Color kBlanco{0xFF, 0xFF, 0xFF};

struct EntradaPaleta {
  char letra;
  Color color;
};

// The letters of the pictures below; any other than these and kTransparente is refused.
constexpr std::array<EntradaPaleta, 10> kPaleta = {{
    {'k', kNegro},
    {'w', kBlanco},
    {'g', {0x80, 0x80, 0x80}},
    {'b', {0x20, 0x60, 0xC0}},
    {'B', {0x00, 0x00, 0x80}},
    {'c', {0xA0, 0xE0, 0xF0}},
    {'n', {0x80, 0x40, 0x00}},
    {'r', {0xD0, 0x00, 0x00}},
    {'R', {0x80, 0x00, 0x00}},
    {'y', {0xFF, 0xD8, 0x00}},
}};

using Filas = std::array<std::string_view, kLado>;

struct Boton {
  std::string_view nombre;
  Filas filas;
};

constexpr std::array<Boton, 6> kBotones = {{
    // A page of text under a magnifying glass: run the check.
    {"Procesar",
     {
         "kkkkkkkkkk......",
         "kwwwwwwwwk......",
         "kwggggggwk......",
         "kwwwwwwkkkk.....",
         "kwggggkcccck....",
         "kwwwwkcwwccck...",
         "kwgggkcwcccck...",
         "kwwwwkcccccck...",
         "kwgggkcccccck...",
         "kwwwwwkcccck....",
         "kwgggggkkkknn...",
         "kwwwwwwwwk..nn..",
         "kwggggggwk...nn.",
         "kwwwwwwwwk....nn",
         "kkkkkkkkkk.....n",
         "................",
     }},
    // An open eye: show the marks.
    {"Mostrar",
     {
         "................",
         "................",
         "................",
         ".....kkkkkk.....",
         "...kkwwbbwwkk...",
         "..kwwwbbbbwwwk..",
         ".kwwwbbwkbbwwwk.",
         "kwwwwbkkkkbwwwwk",
         "kwwwwbkkkkbwwwwk",
         ".kwwwbbkkbbwwwk.",
         "..kwwwbbbbwwwk..",
         "...kkwwbbwwkk...",
         ".....kkkkkk.....",
         "................",
         "................",
         "................",
     }},
    // The same eye struck through: hide the marks.
    {"Ocultar",
     {
         "................",
         ".rr.............",
         "..rr............",
         "...rrkkkkkk.....",
         "...krrwbbwwkk...",
         "..kwwrrbbbwwwk..",
         ".kwwwbrrkbbwwwk.",
         "kwwwwbkrrkbwwwwk",
         "kwwwwbkkrrbwwwwk",
         ".kwwwbbkkrrwwwk.",
         "..kwwwbbbbrrwk..",
         "...kkwwbbwwrr...",
         ".....kkkkkk.rr..",
         ".............rr.",
         "..............rr",
         "................",
     }},
    // An envelope: send a suggestion by e-mail.
    {"Nota",
     {
         "................",
         "................",
         "................",
         "kkkkkkkkkkkkkkkk",
         "kkwwwwwwwwwwwwkk",
         "kwkkwwwwwwwwkkwk",
         "kwwwkkwwwwkkwwwk",
         "kwwwwwkkkkwwwwwk",
         "kwwwwwwwwwwwwwwk",
         "kwwwwwwwwwwwwwwk",
         "kwwwwwwwwwwwwwwk",
         "kwwwwwwwwwwwwwwk",
         "kkkkkkkkkkkkkkkk",
         "................",
         "................",
         "................",
     }},
    // A book: the entries of the dictionary.
    {"Configuracion",
     {
         "................",
         "..kkkkkkkkkkk...",
         "..kRRrrrrrrrk...",
         "..kRRrkkkkkrkkk.",
         "..kRRrkyyykrkwk.",
         "..kRRrkyyykrkwk.",
         "..kRRrkkkkkrkwk.",
         "..kRRrrrrrrrkwk.",
         "..kRRrrrrrrrkwk.",
         "..kRRrrrrrrrkwk.",
         "..kRRrrrrrrrkwk.",
         "..kRRrrrrrrrkwk.",
         "..kkkkkkkkkkkwk.",
         "....kwwwwwwwwwk.",
         "....kkkkkkkkkkk.",
         "................",
     }},
    // A question mark: help.
    {"Ayuda",
     {
         "......BBBB......",
         "....BBbbbbBB....",
         "...BbbbbbbbbB...",
         "..BbbbwwwwbbbB..",
         ".BbbbwwbbwwbbbB.",
         ".BbbbwwbbwwbbbB.",
         "BbbbbbbbbwwbbbbB",
         "BbbbbbbbwwbbbbbB",
         "BbbbbbbwwbbbbbbB",
         "BbbbbbbwwbbbbbbB",
         ".BbbbbbbbbbbbbB.",
         ".BbbbbbwwbbbbbB.",
         "..BbbbbwwbbbbB..",
         "...BbbbbbbbbB...",
         "....BBbbbbBB....",
         "......BBBB......",
     }},
}};

constexpr const Color* ColorDe(char letra) {
  for (const auto& entrada : kPaleta) {
    if (entrada.letra == letra) return &entrada.color;
  }
  return nullptr;
}

// Every row of every picture is 16 letters of the palette or transparent, checked when compiling.
constexpr bool DibujosCorrectos() {
  for (const auto& boton : kBotones) {
    for (const auto fila : boton.filas) {
      if (fila.size() != kLado) return false;
      for (const char letra : fila) {
        if (letra != kTransparente && ColorDe(letra) == nullptr) return false;
      }
    }
  }
  return true;
}
static_assert(DibujosCorrectos());

// Numbers in a BMP are little-endian.
void Agregar16(std::vector<std::uint8_t>& bytes, std::uint32_t valor) {
  bytes.push_back(static_cast<std::uint8_t>(valor));
  bytes.push_back(static_cast<std::uint8_t>(valor >> 8));
}

void Agregar32(std::vector<std::uint8_t>& bytes, std::uint32_t valor) {
  Agregar16(bytes, valor & 0xFFFF);
  Agregar16(bytes, valor >> 16);
}

// An uncompressed 24-bit BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows from the bottom
// up, each pixel blue-green-red and each row padded to a multiple of four bytes.
template <typename Pintar>
std::vector<std::uint8_t> Bmp(const Filas& filas, Pintar pintar) {
  constexpr std::uint32_t kCabeceras = 14 + 40;
  constexpr std::uint32_t kBytesPixeles = kLado * 3;
  constexpr std::uint32_t kBytesFila = (kBytesPixeles + 3) / 4 * 4;
  constexpr std::uint32_t kBytesImagen = kBytesFila * kLado;
  constexpr std::uint32_t kPuntosPorMetro = 2835;  // 72 dpi
  std::vector<std::uint8_t> bytes = {'B', 'M'};
  Agregar32(bytes, kCabeceras + kBytesImagen);
  Agregar32(bytes, 0);
  Agregar32(bytes, kCabeceras);
  Agregar32(bytes, 40);
  Agregar32(bytes, kLado);
  Agregar32(bytes, kLado);  // positive: bottom-up
  Agregar16(bytes, 1);
  Agregar16(bytes, 24);
  Agregar32(bytes, 0);  // BI_RGB
  Agregar32(bytes, kBytesImagen);
  Agregar32(bytes, kPuntosPorMetro);
  Agregar32(bytes, kPuntosPorMetro);
  Agregar32(bytes, 0);
  Agregar32(bytes, 0);
  for (std::uint32_t y = kLado; y > 0; --y) {
    for (const char letra : filas[y - 1]) {
      const Color color = pintar(letra);
      bytes.insert(bytes.end(), {color.b, color.g, color.r});
    }
    bytes.resize(bytes.size() + (kBytesFila - kBytesPixeles), 0);
  }
  return bytes;
}

bool Escribir(const std::filesystem::path& ruta, const std::vector<std::uint8_t>& bytes) {
  std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
  archivo.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
  archivo.close();
  if (!archivo) {
    std::cerr << "dibujar_botones: no se ha podido escribir " << ruta << '\n';
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Uso: dibujar_botones CARPETA\n";
    return 2;
  }
  const std::filesystem::path carpeta = argv[1];
  std::error_code error;
  std::filesystem::create_directories(carpeta, error);
  if (error) {
    std::cerr << "dibujar_botones: no se ha podido crear " << carpeta << '\n';
    return 1;
  }
  for (const auto& boton : kBotones) {
    const std::string nombre(boton.nombre);
    const auto imagen = Bmp(boton.filas, [](char letra) {
      return letra == kTransparente ? kCaraBoton : *ColorDe(letra);
    });
    const auto mascara =
        Bmp(boton.filas, [](char letra) { return letra == kTransparente ? kBlanco : kNegro; });
    if (!Escribir(carpeta / (nombre + ".bmp"), imagen) ||
        !Escribir(carpeta / (nombre + "Mask.bmp"), mascara)) {
      return 1;
    }
  }
  return 0;
}
