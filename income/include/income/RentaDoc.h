// The document of one income-tax declaration (form D-101 or D-100) of a family unit: the data area DatosRenta,
// the person shown and the persons present, the checks object and the working block of the calculation. It loads
// and stores the declaration in its row of table "DatosDec", recalculates it in the library's fixed order after
// every change, builds the page list of its form and carries the person and form commands.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/DocumentoServicios.h"
#include "framework/Prog32Doc.h"
#include "framework/Validador.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "income/ResumenResultados.h"
#include "ximardol.h"

class wxCommandEvent;
class wxUpdateUIEvent;

namespace renta {

// The argument of Validar from the Internet filing command.
inline constexpr int kValidarPresentacionInternet = 1;
// The switch to the simplified form refused: the data of the page named need the ordinary form.
inline constexpr std::string_view kMensajeSoloOrdinaria = "FAM001";

// The stored length of field "datos" of an income-tax declaration.
inline constexpr std::size_t kLongitudDatosRenta = sizeof(DatosRenta);
static_assert(kLongitudDatosRenta == 61624);

// The working block of section M4's calculation: 1,080 bytes beside the data area, never stored. Its first five
// doubles are the per-person amounts the calculation leaves (family unit, declarant, spouse, first child, second
// child).
inline constexpr std::size_t kDoblesTrabajoM4 = 1080 / sizeof(double);
using RegTrabajoM4 = std::array<double, kDoblesTrabajoM4>;
static_assert(sizeof(RegTrabajoM4) == 1080);

class CRentaDoc : public marco::CProg32Doc, private CCompositorIdentificacion {
 public:
  CRentaDoc();
  ~CRentaDoc() override;

  // ---- virtual operations of the base ----

  // The base load (row found by key and locked, "tipodec" and "clave" read), then, unless the declaration is
  // new, "datos" into DatosRenta: a stored length other than 61,624 bytes shows WIN023, an area holding an amount
  // that is not a number (NaN, infinity) ALM004; either lets go of the row and leaves the data area as it was. On success the declaration's currency is put in use and the amount-overflow
  // warning is armed again. 1 loaded, 0 not.
  int CargarDeclaracion() override;
  // Recalculates, refreshes the persons' identification texts, then writes "tipodec", "clave", "idioma" and
  // "datos" into the row in one transaction and clears the modified flag. 1 saved, 0 not (still modified).
  int GuardarDeclaracion() override;
  // "idioma" and "datos", in the base save's transaction.
  int GrabarCamposDeclaracion(marco::CTabla& tabla) override;
  // The whole recalculation in the library's fixed order over DatosRenta and the M4 working block, then every
  // view is updated with hint 1. Always 1.
  int Calcular(int completo) override;
  int Calcular() { return Calcular(1); }
  // The print mark of the person shown (the first five bytes of RegIdentificacion); 0 for no person.
  int DameMarcaSujeto() override;
  void PonMarcaSujeto(std::uint8_t marca) override;
  // Set-up of a new (`nuevaDeclaracion` 1) or stored declaration named `nombre`: clears the data, loads the row
  // (0 when it cannot be loaded). A new one is saved at once with type 0, has its family data edited and starts
  // as D-101; a stored one derives its persons and opens the form its type names (D-100 for 2, else D-101).
  int NuevaDeclaracion(std::string_view nombre, int modo, int nuevaDeclaracion) override;
  // The base page display with the income-tax frame resource; when shown, every view gets hint 3.
  int MostrarPagina(wxClassInfo* clase, int argumento, int recursoMarco) override;
  // The page list of the current form (PaginasFormulario), its first page shown and the other page views closed.
  // Any other form: no list, nothing shown.
  void CrearListaPaginas(int argumento) override;
  // Zeroes DatosRenta, then the base clearing. The M4 working block is left as it is.
  void InicializarDatos() override;
  // Derives the persons present and the person shown from the family data and publishes them.
  virtual void ActualizarSujetos();
  // The whole-declaration check of the person shown: erases the declaration's findings, then writes one finding
  // per failed rule (RentaValidacion.h). 1 when no error was found (warnings may have been) and every finding is
  // in the findings table; 0 when an error was found or the table did not take the findings (a finding that is
  // not stored must not let printing or filing go ahead). With kValidarPresentacionInternet (the Internet filing)
  // the rules of what the Internet file cannot carry run too.
  int Validar(int argumento) override;
  // A finding of the list chosen: the person the findings were written for is shown again when another one is
  // shown now, then the page and the box (CProg32Doc::IrAHallazgo).
  void IrAHallazgo(int vista, long numcontr) override;
  // kNotaSinCasillaPropia for a finding of the last validation that leads to a stand-in box of the simplified form.
  std::string NotaHallazgo(const marco::SHallazgo& hallazgo) const override;
  // The person shown at the last validation (the person its findings belong to).
  std::int32_t DameSujetoValidado() const { return m_nSujetoValidado; }
  // The detailed check of the findings list: Validar(0), then the declaration-wide box checks.
  void ComprobarDeclaracion() override;
  // Prints the declaration of the person shown through the income-tax printing view (RentaImpre.cpp).
  void Imprimir() override;
  // The Internet filing file of the person shown (RentaInternet.cpp): for a D-101 or D-100 declaration.
  bool AdmitePresentacionInternet() const override;
  void PresentarPorInternet() override;
  // The draft view reads the declaration's bound pages (RentaBorrador.h).
  void PrepararBorrador(wxView& vista) override;
  // Fills the two family-list tables with the rows the check examines for the person shown
  // (SeleccionarFilasFamiliares for the check).
  void SeleccionarFilasSujeto();
  const TablaDescendientes& DescendientesSujeto() const { return m_aDescendientesSujeto; }
  const TablaAscendientes& AscendientesSujeto() const { return m_aAscendientesSujeto; }

  // ---- commands ----
  // Shows person 1 to 5 (hint 3, the person, the status bar, hint 3 again and hint 1); nothing for another code.
  void SeleccionarSujeto(int sujeto);
  // "&Datos personales y familiares" and page 100: the box being typed in is taken, then the wizard runs on the
  // declaration's family data (EditarRegDatosFamilia). Always true.
  bool EditarDatosPersonales() override;
  // The family unit is present (a spouse or a child): its joint declaration can be compared with the individual
  // ones ("Resumen de resultados" is enabled).
  bool HayUnidadFamiliar() const { return m_aSujetosPresentes[0] != 0; }
  // The summary of individual against joint filing, read from the data area after a whole recalculation (the box
  // being typed in is taken first).
  SResumenDeclaraciones ResumenDeclaraciones();
  // The form commands: D-101 only when every person present admits it (after a whole recalculation, the box being
  // typed in taken first); otherwise kMensajeSoloOrdinaria names the page of the ordinary form that holds the data
  // and nothing changes (false). D-100 always.
  bool OnSimplificada();
  void OnOrdinaria();
  // Whether the form admits the declaration: D-100 always; D-101 when no person present needs the ordinary form.
  bool AdmiteModelo(int tipoDec) const;
  // 2 when the person's data (code 1 to 5; the family unit: anyone's) need the ordinary form D-100: a section only
  // that form has holds data of theirs (ModeloNecesarioDatos, with the M4 amounts the calculation left), else 1.
  int ModeloNecesario(int sujeto) const;
  // The first page of the ordinary form that holds data of a person present which the simplified form cannot carry;
  // 0 when there is none.
  int PaginaSoloOrdinaria() const;
  // Copies the shown person's tax id, names and reference number into the page header members of the base.
  void RellenarCabecera();

  // ---- members ----
  DatosRenta& Datos() { return m_datos; }
  const DatosRenta& Datos() const { return m_datos; }
  std::int32_t DameSujetoActual() const { return m_nSujetoActual; }
  void PonerSujetoActual(std::int32_t sujeto) { m_nSujetoActual = sujeto; }
  std::span<const std::int32_t, kNumeroSujetos> SujetosPresentes() const { return m_aSujetosPresentes; }
  RegTrabajoM4& TrabajoM4() { return m_regTrabajoM4; }
  marco::CValidador& Validador() { return m_validador; }
  bool DamePaginaMostrada() const { return m_bPaginaMostrada; }
  // ---- family data (DatosFamiliaDoc.cpp) ----
  // True while the family data of a declaration that has just been created are being edited.
  bool EditandoDeclaracionNueva() const { return m_bEditandoNueva; }
  // Deletes the declaration's stored row (the family-data wizard of a new declaration was cancelled): lets go of
  // the row first, leaves the document unmodified. 1 deleted, 0 not.
  int BorrarDeclaracionGuardada();
  bool DeclaracionBorrada() const { return m_bDeclaracionBorrada; }
  // Takes the family data the wizard finished with: RegDatosFamilia replaced, the personal data flagged as
  // changed, the persons derived again, the personal fields copied to the identification block of page 1 (years
  // of birth, the children's `hijos` included, marital status and taxation marks; CopiarDatosPersonales), the
  // document modified; an open declaration is then shown again and recalculated.
  void TomarDatosFamilia(const RegDatosFamilia& familia, const AniosHijos& hijos);

 protected:
  // The family-data edit that a new declaration runs right after it is first saved; the wizard's own.
  // The family-data wizard (CDatosFam) on a copy of RegDatosFamilia; when it finishes, the copy is taken, the
  // personal data are flagged as changed, the persons derived again and the personal fields copied to the
  // identification block.
  virtual void EditarRegDatosFamilia();
  // The texts the identification refresh composes (the base document's composition of the identification text
  // and of the form reference number); nothing while they cannot be composed, and the refresh then changes
  // nothing.
  std::optional<std::string> Identificacion(std::string_view nif, int numeroPersona) override;
  std::optional<std::string> NumeroReferencia() override;
  // The person and form panes of the main frame's status bar.
  virtual void RefrescarPanelesEstado();
  // "Resumen de resultados": the summary's dialog (ResumenResultados.h) over the main window.
  virtual void MostrarResumenResultados();

 private:
  void PonerFormulario(int tipoDec);
  void Publicar();

  void OnComandoSujeto(wxCommandEvent& evento);
  void OnActualizarSujeto(wxUpdateUIEvent& evento);
  void OnComandoFormulario(wxCommandEvent& evento);
  void OnActualizarFormulario(wxUpdateUIEvent& evento);
  void OnDatosPersonales(wxCommandEvent& evento);
  void OnResumenResultados(wxCommandEvent& evento);
  void OnActualizarResumen(wxUpdateUIEvent& evento);

  marco::CValidador m_validador;
  std::int32_t m_nSujetoActual = marco::kSujetoDeclarante;
  std::int32_t m_nSujetoValidado = marco::kSujetoDeclarante;
  // The findings of the last validation that lead to a stand-in box (their code and place).
  std::vector<marco::SHallazgo> m_hallazgosSinCasilla;
  DatosRenta m_datos{};
  std::array<std::int32_t, kNumeroSujetos> m_aSujetosPresentes{};
  RegTrabajoM4 m_regTrabajoM4{};
  bool m_bPaginaMostrada = false;
  bool m_bEditandoNueva = false;
  bool m_bDeclaracionBorrada = false;
  // The family rows the check examines for the person shown, rebuilt by SeleccionarFilasSujeto; never stored.
  TablaDescendientes m_aDescendientesSujeto{};
  TablaAscendientes m_aAscendientesSujeto{};

  wxDECLARE_DYNAMIC_CLASS(CRentaDoc);
  wxDECLARE_EVENT_TABLE();
};

}  // namespace renta
