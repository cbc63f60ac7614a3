// The wealth-tax printing view: a D-714 declaration printed over the pictures of the form's twelve pages. Each
// printed page is the page's picture with its boxes' values at their places and the copy label; page 1 carries the
// whole declaration as a PDF417 symbol, pages 11 and 12 the EAN-128 code of the declaration's reference. The print
// run itself (dialog, printer checks, copies, cancelling, the printed mark) and the loop over a page's sheets are
// the printing view base's; this view says which pages print, makes their box arrays and paints the symbol.
//
// The wealth-tax document's print command makes this view by its run-time class name "C714Impre". The pages' box
// arrays are the wealth-tax pages' own (CrearControles714), loaded and bound to the declaration. The declaration is
// reached through IDeclaracion714Impresion; the program's is CDeclaracion714Impresion over a C714Doc, tests give
// their own.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "framework/ControlesPagina.h"
#include "framework/Prog32Doc.h"
#include "output/ImpreVista.h"
#include "output/Registro714.h"
#include "ximardol.h"

namespace patrimonio {

class C714Doc;

inline constexpr int kPaginasImpresas714 = 12;
// The id of printed page n is 300 + n.
inline constexpr int kBaseIdPagina714 = 300;

// The result difference of the declaration (RegPatDI + 16): pages 11 and 12 are printed only when it is not
// negative.
double DatoDI(const DatosPatrimonio& datos);
// The declarant's tax number (9 characters) and the declaration's reference (20 characters), as stored.
std::string Nif714(const DatosPatrimonio& datos);
std::string Referencia714(const DatosPatrimonio& datos);

// How page n (1-12) is decided: pages 1, 9 and 10 always; 2 to 7 when a box outside identification set 0 holds a
// value; 8 outside set 3; 11 and 12 when DatoDI is not negative (their boxes are not even made otherwise).
enum class ECuandoImprimir714 { Nunca, Siempre, ConDatos0, ConDatos3, ResultadoNoNegativo };
ECuandoImprimir714 CuandoImprimir714(int pagina);

// What printing needs of the declaration.
class IDeclaracion714Impresion {
 public:
  virtual ~IDeclaracion714Impresion() = default;
  virtual DatosPatrimonio& Datos() = 0;
  // The document's form type is set to D-714 for the page printed.
  virtual void PonerTipoFormulario(int formulario) = 0;
  // The page's catalogue entry: 1 read.
  virtual int LeerPagina(int idPagina, marco::PaginaInfo& info) = 0;
  // The box array of page n (1-12), loaded (scale 1.0) and bound to the declaration; none when it cannot be made.
  virtual std::unique_ptr<marco::CControlesPagina> CrearCampos(int pagina) = 0;
  // What the data record takes besides the data area.
  virtual salida::SVistaRegistro714 VistaRegistro() = 0;
};

// The program's: a C714Doc, its catalogue and the wealth-tax page arrays.
class CDeclaracion714Impresion : public IDeclaracion714Impresion {
 public:
  explicit CDeclaracion714Impresion(C714Doc& documento) : m_documento(documento) {}
  DatosPatrimonio& Datos() override;
  void PonerTipoFormulario(int formulario) override;
  int LeerPagina(int idPagina, marco::PaginaInfo& info) override;
  std::unique_ptr<marco::CControlesPagina> CrearCampos(int pagina) override;
  salida::SVistaRegistro714 VistaRegistro() override;

 private:
  C714Doc& m_documento;
  std::string m_ejercicio;
};

class C714Impre : public salida::CImpreVistaDe<IDeclaracion714Impresion, C714Doc, CDeclaracion714Impresion> {
 public:
  C714Impre();
  ~C714Impre() override;

  // Offers pages 1 to 12 and runs the dialog; false when there is no declaration or the dialog is cancelled.
  bool OnPreparePrinting(salida::CInfoImpresion& info) override;
  // The wealth-tax notice (always, also after a cancelled run), the main window to the top, the font released.
  void OnEndPrinting(salida::CInfoImpresion& info) override;
  void ImprimirPaginaAnexa() override {}

  // ---- the page loop's hooks ----
  // Pages 1 to 12, the document's form type set to D-714 for them.
  bool EmpezarPagina(int pagina) override;
  int LeerPaginaImpresa(int pagina, marco::PaginaInfo& catalogo) override;
  // Makes the box array of page n into m_pCampos: 1 when the page is to be printed, 0 otherwise (also when it
  // cannot be made).
  int CrearCamposPagina(int pagina) override;
  // On page 1 the declaration's record as a PDF417 symbol: false when it could not be painted.
  bool DibujarAntesDeCampos(plataforma::CLienzo& lienzo, int pagina) override;
  // Pages 11 and 12: the declaration's reference.
  std::optional<std::string> ReferenciaCodigoBarras(int pagina) override;
  // A page that cannot be made is left out without a note.
  bool AnotaPaginasNoHechas() const override { return false; }

  // ---- members ----
  std::array<char, 46> m_szNombre{};
  std::array<char, 10> m_szNif{};
  std::array<char, 12> m_szIdentificador{};
  int SimbolosPdf417() const { return m_nSimbolos; }

 protected:
  // The wealth-tax notice (IDD 1542).
  void MostrarAvisoFinal() override;

 private:
  // The declaration's record as a PDF417 symbol: 1 painted, 0 not (its message shown).
  int ImprimirPdf417(plataforma::CLienzo& lienzo);

  int m_nSimbolos = 0;

  wxDECLARE_DYNAMIC_CLASS(C714Impre);
};

}  // namespace patrimonio
