// The document of one wealth-tax declaration (form D-714, declaration type 3). It adds to the base declaration
// document the data area DatosPatrimonio, which is at once the declaration in memory, what the calculation library
// works on and the stored value of the row's "datos" field; the name shown on the pages; and the checks object whose
// key is the declaration's name. It loads and saves the area in the declaration's row of DatosDec, recalculates it
// through the library's fixed order, lists the form's screen pages and checks the declaration for filing.
//
// The shell makes it through the wealth-tax document template (resource 143, type name "Tarvolent"), by its
// run-time class: the program's list of declaration documents adds a template whose document class is
// wxCLASSINFO(patrimonio::C714Doc).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/Prog32Doc.h"
#include "framework/ReferenciaReglas.h"
#include "framework/Validador.h"
#include "wealth/C714Reglas.h"
#include "ximardol.h"

namespace patrimonio {

// The resource number of the wealth-tax document template, also the frame resource of its pages.
inline constexpr int kRecursoPlantilla714 = 143;

// Commands of the document, with the program's own numbers.
inline constexpr int kComandoImprimir = 57607;
inline constexpr int kComandoPresentacionTelematica = 57612;

// The run-time class name of the printing view the print command makes.
inline constexpr std::string_view kClaseVistaImpresion714 = "C714Impre";

class C714Doc : public marco::CProg32Doc {
 public:
  C714Doc();
  ~C714Doc() override;

  // ---- operations of the base declaration document ----

  // Opens (or, with `crear` 1, creates) the declaration `nombre`: keeps the key blank-padded to 50 characters,
  // starts from an empty data area, loads the stored row (a new declaration is saved at once) and lists the pages.
  // 1 when the base operation succeeded, else 0; the document goes on with what it has in either case.
  int NuevaDeclaracion(std::string_view nombre, int modo, int crear) override;
  // The base load (the row found, locked, type and key read), then, unless the declaration is new, the data area
  // from "datos": exactly 22,536 bytes are taken, any other length is refused with WIN023 (an area holding an
  // amount that is not a number with ALM004) and leaves the area as it was. The declaration's currency is put in use and the amount-overflow warning armed again. 1 loaded, 0 not.
  int CargarDeclaracion() override;
  // Recalculates in full (unless the declaration is new), composes the identification and the reference again
  // when they are missing or asked for, and writes type, key, language and data area into the row. 1 saved; 0 with
  // WIN023 when the row is missing or refuses the write, or when the stored data were refused at load (the row
  // keeps what it holds).
  int GuardarDeclaracion() override;
  // "idioma" and "datos", in the base save's transaction.
  int GrabarCamposDeclaracion(marco::CTabla& tabla) override;
  // `completo` 1: every page summed into the summary, then the liquidation; 0: the liquidation only. Then the
  // document's adjustment of the result and a values-changed hint to every view. Always 1.
  int Calcular(int completo) override;
  int DameMarcaSujeto() override;
  void PonMarcaSujeto(std::uint8_t marca) override;
  // Prints through the wealth-tax printing view (a view of run-time class C714Impre makes its own print frame):
  // it receives the print command and goes when the command returns.
  void Imprimir() override;
  // The base operation with the wealth-tax frame resource; when it succeeds every view gets a plain refresh.
  int MostrarPagina(wxClassInfo* clase, int argumento, int recursoMarco) override;
  // The eleven screen pages PAT001 to PAT011 (a page whose class is not in the program keeps its place, empty),
  // current index 0, then the first page is shown.
  void CrearListaPaginas(int argumento) override;
  // An empty data area, then the base fields.
  void InicializarDatos() override;
  // Erases the declaration's findings and writes one per failing filing check (severity 1). 1 none, 0 some, or
  // when the findings table did not take them all.
  int Validar(int argumento) override;
  // The Internet filing file of the declaration (C714Internet.cpp).
  bool AdmitePresentacionInternet() const override;
  void PresentarPorInternet() override;
  // The draft shows the declaration's values: its pages bound as printing binds them (C714Borrador.cpp).
  void PrepararBorrador(wxView& vista) override;
  // While the print view comes and goes the declaration does not close with its view list.
  void OnChangedViewList() override;

  // The document's adjustment of the result after the liquidation (see patrimonio::AjustaResultado).
  static void AjustaResultado(RegPatAjuste& ajuste, const RegPatResumen& resumen, RegPatDI& di,
                              const RegPatDatosPersonales& personales);

  // ---- members ----
  DatosPatrimonio& Datos() { return m_datos; }
  const DatosPatrimonio& Datos() const { return m_datos; }
  // The 47-character name text the pages show (not stored).
  char* TextoNombre() { return m_szTextoNombre.data(); }
  marco::CValidador& Validador() { return m_validador; }
  // True after a load refused the stored data area: the declaration is then never written back.
  bool DatosRechazados() const { return m_bDatosRechazados; }

 private:
  void ComponerIdentificacionYReferencia();

  DatosPatrimonio m_datos{};
  std::array<char, kAnchoTextoNombre + 1> m_szTextoNombre{};
  marco::CValidador m_validador;
  bool m_bDatosRechazados = false;
  bool m_bImprimiendo = false;

  wxDECLARE_DYNAMIC_CLASS(C714Doc);
};

}  // namespace patrimonio
