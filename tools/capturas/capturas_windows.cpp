// capturas_windows CARPETA: shows each dialog of the add-in filled with the sample dictionary and
// a sample document, and writes a picture of each into CARPETA as a BMP file: the processing
// window in the middle of a run, the review dialog on a mark (short and tall), the dictionary
// browser, a question of the browser, the entry editor and the alternative editor. Runs under
// Wine with a display (scripts/capturas-windows); the data source is written where ODBCINI says.
#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "common/error_sistema.h"
#include "dictionary/carga_bd.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/gestion_bd.h"
#include "editor/frm_entradas.h"
#include "foto.h"
#include "memory_application.h"
#include "memory_document.h"
#include "origen_wine.h"
#include "review/frm_quillora.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "servicios_win32.h"
#include "texto_win32.h"
#include "word/comment.h"
#include "word/document.h"

namespace quillora::win32 {

namespace {

// The pictures, by file name without extension, in the order they are taken.
const std::vector<std::string> kFotos = {"procesar", "revision", "revision-ampliada", "diccionario",
                                         "mensaje",  "entrada",  "alternativa"};

const std::vector<std::string> kTexto = {
    "Los alumnos y los profesores del instituto se reunieron con los padres para preparar el "
    "viaje de fin de curso.",
    "El director explicó que los trabajadores del centro y los vecinos del barrio colaborarán en "
    "la fiesta, y que el hombre de negocios que la patrocina asistirá con los niños.",
    "Los ciudadanos pueden consultar el reglamento; los funcionarios atenderán a los usuarios "
    "por la mañana y los jefes de estudios, por la tarde."};

HWND Ventana(const ui::Control& control) { return reinterpret_cast<HWND>(control.GetHwnd()); }

void Pulsar(HWND boton) { SendMessageW(boton, BM_CLICK, 0, 0); }

void Escribir(HWND caja, const std::string& texto) {
  SendMessageW(caja, EM_SETSEL, 0, -1);
  SendMessageW(caja, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Ancho(texto).c_str()));
}

void Seleccionar(HWND lista, int fila) {
  LVITEMW estado{};
  estado.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  estado.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(lista, LVM_SETITEMSTATE, static_cast<WPARAM>(fila),
               reinterpret_cast<LPARAM>(&estado));
  SendMessageW(lista, LVM_ENSUREVISIBLE, static_cast<WPARAM>(fila), FALSE);
}

void DobleClic(HWND lista, int fila) {
  RECT rect{};
  rect.left = LVIR_LABEL;
  SendMessageW(lista, LVM_GETITEMRECT, static_cast<WPARAM>(fila), reinterpret_cast<LPARAM>(&rect));
  const auto lugar = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageW(lista, WM_LBUTTONDBLCLK, MK_LBUTTON, lugar);
}

// The tool bar's button at that position, pressed.
void PulsarHerramienta(HWND ventana, HWND herramientas, int posicion) {
  TBBUTTON boton{};
  SendMessageW(herramientas, TB_GETBUTTON, static_cast<WPARAM>(posicion),
               reinterpret_cast<LPARAM>(&boton));
  SendMessageW(ventana, WM_COMMAND, MAKEWPARAM(boton.idCommand, BN_CLICKED),
               reinterpret_cast<LPARAM>(herramientas));
}

// The pictures taken, and what went wrong with the others.
class Camara {
 public:
  explicit Camara(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}

  void Foto(HWND ventana, const std::string& nombre) {
    try {
      GuardarFoto(ventana, carpeta_ / (nombre + ".bmp"));
      std::printf("%s.bmp\n", nombre.c_str());
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", nombre.c_str(), comun::MensajeEspanol(error).c_str());
    }
  }

  // The names of the pictures that are missing.
  std::vector<std::string> Faltan() const {
    std::vector<std::string> faltan;
    for (const auto& nombre : kFotos) {
      if (!std::filesystem::exists(carpeta_ / (nombre + ".bmp"))) faltan.push_back(nombre);
    }
    return faltan;
  }

 private:
  std::filesystem::path carpeta_;
};

// From another thread: takes the picture of the next message box the program shows and answers
// it with the button.
class FotoDeMensaje {
 public:
  FotoDeMensaje(Camara& camara, std::string nombre, int boton)
      : hilo_(GetCurrentThreadId()), trabajador_([this, &camara, nombre, boton] {
          for (int i = 0; i < 1000 && !parar_; ++i) {
            if (const HWND caja = Caja()) {
              Sleep(500);  // painted
              camara.Foto(caja, nombre);
              PostMessageW(caja, WM_COMMAND, MAKEWPARAM(boton, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(caja, boton)));
              return;
            }
            Sleep(20);
          }
        }) {}
  ~FotoDeMensaje() {
    parar_ = true;
    trabajador_.join();
  }
  FotoDeMensaje(const FotoDeMensaje&) = delete;
  FotoDeMensaje& operator=(const FotoDeMensaje&) = delete;

 private:
  HWND Caja() const {
    HWND encontrada = nullptr;
    EnumThreadWindows(
        hilo_,
        [](HWND ventana, LPARAM datos) -> BOOL {
          wchar_t clase[16] = {};
          GetClassNameW(ventana, clase, 16);
          if (!IsWindowVisible(ventana) || std::wstring(clase) != L"#32770") return TRUE;
          *reinterpret_cast<HWND*>(datos) = ventana;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&encontrada));
    return encontrada;
  }

  DWORD hilo_;
  std::atomic<bool> parar_{false};
  std::thread trabajador_;
};

// The processing window's picture, taken by a timer while the run goes on, and its cancel.
struct EnCurso {
  Camara* camara = nullptr;
  frmProcesar* ventana = nullptr;
};
EnCurso enCurso;

void CALLBACK FotografiarProceso(HWND ventana, UINT, UINT_PTR temporizador, DWORD) {
  KillTimer(ventana, temporizador);
  enCurso.camara->Foto(ventana, "procesar");
  Pulsar(Ventana(enCurso.ventana->cmdCancelar));
}

class Capturas {
 public:
  explicit Capturas(const std::filesystem::path& carpeta)
      : camara_(carpeta), origen_(DiccionarioMuestra::Incorporado()) {
    carga_bd::CargarDiccionario(*gestion_, servicios_);
  }

  std::vector<std::string> Tomar() {
    Procesar();
    Revisar();
    Diccionario();
    return camara_.Faltan();
  }

 private:
  std::shared_ptr<memory::MemoryDocument> Abrir(const std::vector<std::string>& parrafos) {
    auto documento = word_->OpenDocument(parrafos);
    documentos_->Add(documento);
    gestion_->CargarDocumento(documentos_->IdDocumentoStr(documento));
    return documento;
  }

  void Procesar() {
    std::vector<std::string> parrafos;
    for (int i = 0; i < 200; ++i) parrafos.insert(parrafos.end(), kTexto.begin(), kTexto.end());
    Abrir(parrafos);
    frmProcesar ventana(servicios_);
    ventana.SetWrd(word_);
    ventana.SetGestion(gestion_);
    ventana.SetDocumentos(documentos_);
    enCurso = {&camara_, &ventana};
    servicios_.SetAlMostrar([&](ui::Formulario& mostrado, HWND hwnd) {
      if (&mostrado == &ventana) SetTimer(hwnd, 1, 1500, FotografiarProceso);
    });
    servicios_.MostrarModal(ventana);
  }

  void Revisar() {
    const auto documento = Abrir(kTexto);
    servicios_.SetAlMostrar({});
    frmProcesar marcar(servicios_);
    marcar.SetWrd(word_);
    marcar.SetGestion(gestion_);
    marcar.SetDocumentos(documentos_);
    servicios_.MostrarModal(marcar);

    frmQuillora revision(servicios_);
    revision.Load();
    revision.SetGestion(gestion_);
    revision.SetWrd(word_);
    revision.SetDocumentosCargados(documentos_);
    revision.SetSelectedComment(documento->GetComments()->Item(1));
    revision.Cargar();
    servicios_.SetAlMostrar([&](ui::Formulario& mostrado, HWND hwnd) {
      if (&mostrado != &revision) return;
      Seleccionar(Ventana(revision.lvSugerencias), 0);
      camara_.Foto(hwnd, "revision");
      Pulsar(Ventana(revision.cmdMas));
      camara_.Foto(hwnd, "revision-ampliada");
      Pulsar(Ventana(revision.cmdCerrar));
    });
    servicios_.MostrarModal(revision);
  }

  void Diccionario() {
    frmEntradas entradas(servicios_);
    auto& entrada = entradas.EditorEntrada();
    auto& sustituto = entrada.EditorSustituto();
    servicios_.SetAlMostrar([&](ui::Formulario& mostrado, HWND hwnd) {
      if (&mostrado == &entradas) return Navegar(entradas, hwnd);
      if (&mostrado == &entrada) {
        Seleccionar(Ventana(entrada.lvSustitutos), 0);
        camara_.Foto(hwnd, "entrada");
        DobleClic(Ventana(entrada.lvSustitutos), 0);
        return Pulsar(Ventana(entrada.cmdCancelar));
      }
      if (&mostrado == &sustituto) {
        camara_.Foto(hwnd, "alternativa");
        Pulsar(Ventana(sustituto.cmdCancelar));
      }
    });
    servicios_.MostrarModal(entradas);
  }

  // The browser: its picture; a search; the delete question; the editor of one entry.
  void Navegar(frmEntradas& entradas, HWND hwnd) {
    Seleccionar(Ventana(entradas.lvEntradas), 2);
    camara_.Foto(hwnd, "diccionario");
    Escribir(Ventana(entradas.txtEntrada), "alumnos");
    PulsarHerramienta(hwnd, Ventana(entradas.tlbEntries), 3);
    const auto& filas = entradas.lvBusqueda.ListItems();
    int fila = 0;
    for (std::size_t i = 0; i < filas.size(); ++i) {
      if (filas[i].Text == "los alumnos") fila = static_cast<int>(i);
    }
    Seleccionar(Ventana(entradas.lvBusqueda), fila);
    {
      FotoDeMensaje pregunta(camara_, "mensaje", IDNO);
      PulsarHerramienta(hwnd, Ventana(entradas.tlbEntries), 2);
    }
    DobleClic(Ventana(entradas.lvBusqueda), fila);
    for (int i = 0; i < 1000 && entradas.GetEditorAbierto(); ++i) {
      servicios_.ProcesarMensajes();
      Sleep(10);
    }
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  }

  Camara camara_;
  OrigenWine origen_;
  ServiciosWin32 servicios_{GetModuleHandleW(nullptr)};
  std::shared_ptr<GestionBD> gestion_ = std::make_shared<GestionBD>();
  std::shared_ptr<memory::MemoryApplication> word_ = std::make_shared<memory::MemoryApplication>();
  std::shared_ptr<Documentos> documentos_ =
      std::make_shared<Documentos>([this] { return gestion_; });
};

}  // namespace

}  // namespace quillora::win32

int main() {
  int argumentos = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argumentos);
  if (argumentos != 2) {
    std::fprintf(stderr, "uso: capturas_windows CARPETA\n");
    return 2;
  }
  const std::filesystem::path carpeta(argv[1]);
  LocalFree(argv);
  try {
    std::filesystem::create_directories(carpeta);
    const auto faltan = quillora::win32::Capturas(carpeta).Tomar();
    for (const auto& nombre : faltan) {
      std::fprintf(stderr, "capturas_windows: falta la imagen %s\n", nombre.c_str());
    }
    return faltan.empty() ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "capturas_windows: %s\n", quillora::comun::MensajeEspanol(error).c_str());
    return 1;
  }
}
