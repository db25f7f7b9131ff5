#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The subcommands of `quillora`. Each answers the exit status: 0 done, 1 the work failed (said on
// the error stream). Errors they cannot handle reach the caller as exceptions.
namespace quillora::ordenes {

inline constexpr int kHecho = 0;
inline constexpr int kFallo = 1;

// The add-in's first button over the document, saved to `salida` (which may be `entrada`).
int Procesar(const std::filesystem::path& entrada, const std::filesystem::path& salida,
             bool marcarTodo);
// The third button: without per-reviewer views it deletes the marks.
int Ocultar(const std::filesystem::path& entrada, const std::filesystem::path& salida);
// The second button, which a document opened here does not offer.
int Mostrar(const std::filesystem::path& entrada);
// Every mark reviewed in the terminal, in document order, with the review dialog drawn there.
int Revisar(const std::filesystem::path& entrada, const std::filesystem::path& salida);
// One add-in session over the document, driven by commands read from standard input; 2 when a
// line cannot be carried out, with nothing saved.
int Sesion(const std::filesystem::path& entrada, const std::filesystem::path& salida);
// The marks of the document in document order, as text or as a JSON array.
int Marcas(const std::filesystem::path& entrada, bool json);
// The fourth and sixth buttons.
int Sugerencia();
int Ayuda();
// The dictionary database.
int DiccionarioInfo();
int DiccionarioEsquema();
int DiccionarioCargarMuestra();

// The dictionary editor's windows, driven as a user would: their validations and messages are
// the windows' own. Class names are those the combos list; "<Ninguno>" is no class.
struct FiltroEntradas {
  std::string texto;
  std::optional<std::string> morfologia;
  std::optional<std::string> sexismo;
};
struct DatosEntrada {
  std::optional<std::string> texto;
  std::optional<std::string> morfologia;
  std::optional<std::string> sexismo;
  std::optional<std::string> comentario;  // plain text
};
int EntradasBuscar(const FiltroEntradas& filtro, bool json);
int EntradasVer(std::int32_t id, bool json);
int EntradasCrear(const DatosEntrada& datos);
int EntradasModificar(std::int32_t id, const DatosEntrada& datos);
int EntradasEliminar(const std::vector<std::int32_t>& ids, bool si);
int EntradasCopiar(std::int32_t id);
int AlternativasCrear(std::int32_t entrada, const std::string& texto,
                      const std::optional<std::string>& contexto);
int AlternativasModificar(std::int32_t id, const std::optional<std::string>& texto,
                          const std::optional<std::string>& contexto);
int AlternativasEliminar(const std::vector<std::int32_t>& ids, bool si);
int Clases(bool json);

}  // namespace quillora::ordenes
