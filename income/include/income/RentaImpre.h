// The income-tax printing view: one person's declaration, D-100 "ORDINARIA" or D-101 "SIMPLIFICADA", printed over
// the form pictures. Each printed page is the page's picture with its boxes' values at their places and the copy
// label; the first page (the print-only page 222, PAGPDF) carries the declaration's data record as PDF417 symbols,
// and the two payment pages (217, 218) the EAN-128 code of the person's reference. The print run itself (dialog,
// printer checks, copies, cancelling, the printed mark) and the loop over a page's sheets are the printing view
// base's; this view says which pages print, makes their box arrays and draws what the first page carries.
//
// The pages come from the document's page classes, found by name (the page id gives the class name: "SIM003" for
// 103, "ORD017" for 217): the class's own box array is loaded and bound to the declaration, so printing shows the
// very values the screen pages show. A page the run must print that cannot be made (its class is not in the
// program, it is not in the catalogue, it has no boxes, or the first page's bar code failed) is left out and noted
// (AnotarPaginaNoHecha): one notice at the end of the run lists them, and the run is then not complete (the person is
// not marked as printed). The declaration and its pages are reached through IDeclaracionRentaImpresion; the
// program's is CDeclaracionRentaImpresion over a CRentaDoc, tests give their own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/ControlesPagina.h"
#include "framework/Prog32Doc.h"
#include "output/ImpreVista.h"
#include "output/RegistroRenta.h"
#include "ximardol.h"

namespace renta {

class CRentaDoc;

// ---- the printed pages ----

// The first printed page of both forms.
inline constexpr int kIdPaginaPdf = 222;
// The payment pages, which carry the EAN-128 code.
inline constexpr int kIdPaginaPago1 = 217;
inline constexpr int kIdPaginaPago2 = 218;

// When a page of the form is printed.
enum class ECuandoImprimir : std::uint8_t { Nunca, Siempre, ConDatos, Pago };

struct SPaginaImpresaRenta {
  int idPagina = 0;
  ECuandoImprimir cuando = ECuandoImprimir::Nunca;
  friend bool operator==(const SPaginaImpresaRenta&, const SPaginaImpresaRenta&) = default;
};

// Page n of the print dialog of a form (1 D-101, 2 D-100). A page none of whose boxes holds a value is not printed,
// except the pages a form always prints: the first page, the result and the payment pages. D-101 1 → 222, 2 → 110,
// 3-7 → 102-106 (with data), 8 → 107 (the result), 9, 10 → 217, 218 (payment condition); D-100 1 → 222, 2 → 220,
// 3-16 → 202-215 (with data), 17 → 216 (the result), 18, 19 → 217, 218 (payment condition). Nunca for any other
// page or form.
SPaginaImpresaRenta PaginaImpresaRenta(int formulario, int pagina);

// The page class name of a page id: "SIM0nn" for 101-199, "ORD0nn" for 201-299 ("ORD017" for 217); empty for
// another id and for the first printed page, whose box array is CControlesPAGPDF.
std::string NombreClasePagina(int idPagina);

// The person's 20-character reference (source of the EAN-128 code) and 9-character tax id, as stored; empty for a
// person outside 1 to 5.
std::string ReferenciaSujeto(const DatosRenta& datos, int sujeto);
std::string NifSujeto(const DatosRenta& datos, int sujeto);

// The texts of the information box shown when the person's data need the other form.
std::string TextoCambioFormulario(int formulario);

// The kind of declaration of the person that the first page's mark depends on: the number (1 to 4) of the last of
// the person's four marital-status marks that is set (1 single, 2 widowed, 3 married, 4 divorced or separated),
// 0 when none is or for a person outside 1 to 5. The mark is printed for kind 3.
int ClaseDeclaracion(const DatosRenta& datos, int sujeto);

// The mark of the first page: an eight-armed star 19 mm from the left and 56 mm from the top, drawn with a 0.4 mm
// black pen; the canvas keeps its state.
void DibujarMarcaPagina1(plataforma::CLienzo& lienzo);

// ---- the first printed page ----

// The box array of page 222: 21 boxes bound in RegIdentificacion like the same fields of the identification page
// (delegation and administration, the person's tax id, surnames and name, the two tax allocation marks, the
// spouse's tax id and names, the account, the date of signing, the identification text), box 20 the name of the
// person shown and box 21 the print marker: the byte 0xA6 when neither allocation mark of the person is set, else
// a blank. A box is bound only when its value, as its picture lays it out, fits its place.
class CControlesPAGPDF : public marco::CControlesPagina {
 public:
  static constexpr int kCasillas = 21;
  static constexpr char kMarcaSinAsignacion = '\xA6';

  // The document boxes are bound to; by default the one the array was given, when it is an income-tax document.
  void PonerDocumentoRenta(CRentaDoc* documento) { m_pDocumentoRenta = documento; }
  CRentaDoc* DameDocumentoRenta() const;

  void Enlazar(int liberarAntes) override;
  // The page header of the person shown filled again, then bound again.
  void Refrescar() override;
  void CamposDerivados(int hoja) override;

  char DameMarcaImpresion() const { return m_cMarca; }

 private:
  CRentaDoc* m_pDocumentoRenta = nullptr;
  char m_cMarca = ' ';
};

// ---- what printing needs of the declaration ----

class IDeclaracionRentaImpresion {
 public:
  virtual ~IDeclaracionRentaImpresion() = default;
  virtual DatosRenta& Datos() = 0;
  // The person shown (1 family unit ... 5 second child).
  virtual int SujetoActual() = 0;
  // The form the person's data need: 2 D-100, else D-101.
  virtual int ModeloNecesario(int sujeto) = 0;
  // The document's form type (1 D-101, 2 D-100); a run may switch it for its own length.
  virtual int TipoFormulario() = 0;
  virtual void PonerTipoFormulario(int formulario) = 0;
  // Whether the document shows a page (printing starts only from a shown declaration).
  virtual bool MuestraPagina() = 0;
  // The page's catalogue entry: 1 read. A missing page shows no message (the run tells its missing pages once).
  virtual int LeerPagina(int idPagina, marco::PaginaInfo& info) = 0;
  // The page's box array, loaded (scale 1.0) and bound to the declaration; none when the page has no class in the
  // program or cannot be loaded. The pointer may keep alive what owns the array (the page's view object).
  virtual std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) = 0;
  // What the data record takes besides the data area (person, forms, year, headers, letters).
  virtual salida::SVistaRegistroRenta VistaRegistro() = 0;
};

// The program's: a CRentaDoc, its catalogue and its page classes.
// A new box array of page `idPagina` of the declaration (222 the first printed page; else the page class named by
// NombreClasePagina, whose Enlazar binds it), with the document set and nothing loaded; none when the program has
// no class for that page.
std::shared_ptr<marco::CControlesPagina> CrearControlesPaginaRenta(CRentaDoc& documento, int idPagina);

class CDeclaracionRentaImpresion : public IDeclaracionRentaImpresion {
 public:
  explicit CDeclaracionRentaImpresion(CRentaDoc& documento) : m_documento(documento) {}
  DatosRenta& Datos() override;
  int SujetoActual() override;
  int ModeloNecesario(int sujeto) override;
  int TipoFormulario() override;
  void PonerTipoFormulario(int formulario) override;
  bool MuestraPagina() override;
  int LeerPagina(int idPagina, marco::PaginaInfo& info) override;
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) override;
  salida::SVistaRegistroRenta VistaRegistro() override;

 protected:
  CRentaDoc& Documento() { return m_documento; }

 private:
  CRentaDoc& m_documento;
  std::string m_cabecera1;
  std::string m_cabecera2;
  std::string m_ejercicio;
};

// ---- the view ----

class CRentaImpre
    : public salida::CImpreVistaDe<IDeclaracionRentaImpresion, CRentaDoc, CDeclaracionRentaImpresion> {
 public:
  CRentaImpre();
  ~CRentaImpre() override;

  // Switches to the form the person's data need (telling so), refuses a declaration that shows no page, and offers
  // the form's pages (1-10 D-101, 1-19 D-100). False (form put back) when there is nothing to print or the dialog
  // is cancelled.
  bool OnPreparePrinting(salida::CInfoImpresion& info) override;
  // Puts the form back, shows the income-tax notice and releases the font.
  void OnEndPrinting(salida::CInfoImpresion& info) override;
  void ImprimirPaginaAnexa() override {}

  // ---- the page loop's hooks ----
  // A page printed for this declaration (DebeImprimirse).
  bool EmpezarPagina(int pagina) override;
  int LeerPaginaImpresa(int pagina, marco::PaginaInfo& catalogo) override;
  // Makes the page's box array (m_pCampos) and says whether the page prints: 0 for a page outside the form, a
  // payment page whose condition does not hold (no array made) and a page printed only with data that holds none;
  // -1 for a page without class or boxes. The first page also reads the kind of the declaration
  // (m_nClaseDeclaracion).
  int CrearCamposPagina(int pagina) override;
  // On the first page: the data record as PDF417 symbols (false when they could not be painted), then the mark of a
  // declaration of kind 3 and the boxes of the taxpayer's copy.
  bool DibujarAntesDeCampos(plataforma::CLienzo& lienzo, int pagina) override;
  // The payment pages: the person's reference.
  std::optional<std::string> ReferenciaCodigoBarras(int pagina) override;
  // Whether the page is printed for this declaration at all: a page of the form, and for the payment pages the
  // payment condition of the person.
  bool DebeImprimirse(int pagina);

  // ---- members ----
  std::array<char, 10> m_szNif{};
  std::array<char, 11> m_szCabecera{};
  int m_nClaseDeclaracion = 0;
  int m_nFormularioGuardado = 0;
  // Symbols painted on the last first page (for the notice and the tests).
  int SimbolosPdf417() const { return m_nSimbolos; }

 protected:
  // The income-tax notice after every run (IDD 1539).
  void MostrarAvisoFinal() override;

 private:
  // The data record of the person as PDF417 symbols: 1 painted, 0 not (its message shown).
  int ImprimirPdf417(plataforma::CLienzo& lienzo);

  salida::CRegistroRenta m_registro;
  bool m_bFormularioCambiado = false;
  int m_nSimbolos = 0;

  wxDECLARE_DYNAMIC_CLASS(CRentaImpre);
};

// The document's print command: a CRentaImpre on the document receives the print command and goes when it
// returns; "No se ha podido crear el FRAME de impresión" when it cannot be made.
void ImprimirRenta(CRentaDoc& documento);

}  // namespace renta
