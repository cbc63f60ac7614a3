// The pages that close a declaration before its payment page: the regional deductions (page 13 of D-100, ORD013,
// and its twin page 5 of D-101, SIM005), the liquidation (page 15 of D-100, ORD015, and page 6 of D-101, SIM006)
// and the results (page 16 of D-100, ORD016, and page 7 of D-101, SIM007). Every box is bound to a fixed place of
// DatosRenta that the calculation library fills or reads (docs/PAGINAS_FINALES.md and docs/PAGINAS_BASE.md give them
// box by box), besides the page header (tax number and name of the person shown), the identification text and the
// copy label.
//
// The twins share their box arrays and views; the D-100 views (ORD013, ORD015, ORD016) live with the other D-100
// pages (income/d100) and are built on the classes here. The rules live in the box arrays, which tests drive over a
// data area of their own; the views forward the box events and run the whole recalculation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/ControlesPagina.h"
#include "income/RentaVista.h"
#include "income/SIM003.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

class wxClassInfo;

namespace renta {

inline constexpr int kIdPaginaSIM005 = 105;
inline constexpr int kIdPaginaORD013 = 213;
inline constexpr int kIdPaginaSIM006 = 106;
inline constexpr int kIdPaginaSIM007 = 107;
inline constexpr int kIdPaginaORD015 = 215;
inline constexpr int kIdPaginaORD016 = 216;

// The two per-person marks of RegIdentificacion that open boxes 44 and 45 of the results and decide how the payment
// page treats the result (a byte per person, 1 when set).
inline constexpr std::size_t kDespMarcaDiferenciaA = 2484;
inline constexpr std::size_t kDespMarcaDiferenciaB = 2489;
// Whether either mark is set for a person (1 to 5); false for another code.
bool TieneMarcaDiferencia(const DatosRenta& datos, int sujeto);
// The amounts the final difference subtracts and adds (RegResultados +6424, +6536), per person, from the four holder
// entries behind each (+6464, +6576; a common entry halved between declarant and spouse); the family unit's amount
// of the one it adds is the joint declaration's amount after its entries (+6640), that of the other the sum of its
// entries.
void SumarEntradasDiferencia(DatosRenta& datos);

// Where the family data keep the community code of the declarant, spouse, first and second child.
inline constexpr std::size_t kDespCodigosComunidad[4] = {80, 112, 144, 176};

// How a page's boxes are laid on the data area: the boxes bound to fixed places, and the numbers of the header boxes
// (tax number, name) and of the copy label (0: the page has none).
struct SDisenoCasillas {
  std::span<const SCasillaDatos> casillas;
  int casillaNif = 1;
  int casillaNombre = 2;
  int casillaEjemplar = 0;
};

// A box array bound by a table of fixed places.
class CControlesFijos : public marco::CControlesPagina {
 public:
  explicit CControlesFijos(SDisenoCasillas diseno) : m_diseno(diseno) {}

  // Where the boxes bind when the array has no income-tax document (a test); a document's own data area and
  // header texts are taken each time the boxes are bound.
  void PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera = {});
  void PonerFunciones(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }
  DatosRenta* Datos() const { return m_pDatos; }

  // Every box bound to its place (a box whose picture does not fit its place stays unbound), then AvisoCampo(0).
  void Enlazar(int liberarAntes) override;
  void LiberarEnlaces() override;
  // Bound again (the person shown may have changed).
  void Refrescar() override;

  // Liquidation step 3 of the library with an instance, over the declaration's blocks. 0 without data.
  int CalcularLiquidacion(int instancia);

 protected:
  const recalculo::FuncionesRenta& Funciones() const { return *m_pFunciones; }
  // The person shown (1 to 5; the family unit for anything else).
  static int Sujeto();

 private:
  void TomarDocumento();

  SDisenoCasillas m_diseno;
  DatosRenta* m_pDatos = nullptr;
  SCabeceraPagina m_cabecera;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
};

// ---- the liquidation (ORD015, SIM006): 40 boxes ----
class CControlesLiquidacion : public CControlesFijos {
 public:
  static constexpr int kCasillas = 40;
  CControlesLiquidacion();
  // Boxes 3 (the amount that counts for the rate only) and 11 (the part taxed apart) run liquidation step 3 with
  // instance 6: 1 calculated (the caller recalculates the whole declaration), else 0.
  int CalcularCasilla(int numero);
};

// ---- the results (ORD016, SIM007): 48 boxes ----
class CControlesResultados : public CControlesFijos {
 public:
  static constexpr int kCasillas = 48;
  CControlesResultados();
  // Liquidation step 3 with the instance of the box (7-9: 2; 16-21, 26, 27, 29, 30: 4; 34-36, 41: 5); boxes 44 and
  // 45 sum their entries (SumarEntradasDiferencia). 1 calculated, else 0.
  int CalcularCasilla(int numero);
  // The instance of liquidation step 3 a committed box runs; 0 for none.
  static int InstanciaDeCasilla(int numero);
  // Boxes 44 and 45 (the amounts the final difference subtracts and adds) can be typed only for a person with
  // either mark of the final difference; otherwise they are read-only and unmarked.
  void AvisoCampo(int numero) override;
};

// ---- the regional deductions (ORD013, SIM005): 49 boxes ----
// Section N (RegApartadoN) of the person shown. Each group of boxes belongs to one community code; a group can be
// entered only while some person of the declaration has that code in the family data (RegDatosFamilia, one
// two-character code per person), otherwise it is read-only whatever it holds. A committed deduction runs section
// N before the whole recalculation.
class CControlesORD013 final : public CControlesFijos {
 public:
  static constexpr int kCasillas = 49;
  CControlesORD013();

  // The fixed places, then each group opened or locked by the codes of the family data.
  void Enlazar(int liberarAntes) override;
  // Whether some person of the declaration has the two-character code.
  bool HayCodigo(std::string_view codigo) const;
  // The code of the group a box belongs to; empty for a box of no group.
  static std::string_view CodigoDeCasilla(int numero);
  // A committed box of a group (or box 4): section N. 1 when the whole declaration is to be recalculated.
  int CalcularCasilla(int numero);
};

// ---- the views ----

// The liquidation: a committed box 3 or 11 runs its step, then the whole recalculation; every accepted value
// redraws the boxes.
class CVistaLiquidacion : public CRentaVista {
 public:
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void RefrescarControles() override;
  CControlesLiquidacion* Controles() const;

 protected:
  CVistaLiquidacion();

 private:
  wxDECLARE_ABSTRACT_CLASS(CVistaLiquidacion);
};

// The results: a committed box runs its step (when it has one) and the whole recalculation; boxes 44 and 45
// recalculate when their value is accepted.
class CVistaResultados : public CRentaVista {
 public:
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void RefrescarControles() override;
  CControlesResultados* Controles() const;

 protected:
  CVistaResultados();

 private:
  wxDECLARE_ABSTRACT_CLASS(CVistaResultados);
};

// The regional deductions: a committed box of a group runs section N and the whole recalculation; box 4 does so
// when its value is checked.
class CVistaDeduccionesAutonomicas : public CRentaVista {
 public:
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;
  CControlesORD013* Controles() const;

 protected:
  CVistaDeduccionesAutonomicas();

 private:
  wxDECLARE_ABSTRACT_CLASS(CVistaDeduccionesAutonomicas);
};

class SIM005 : public CVistaDeduccionesAutonomicas {
 public:
  SIM005() = default;
  int DameNumeroPagina() override { return kIdPaginaSIM005; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM005);
};

class SIM006 : public CVistaLiquidacion {
 public:
  SIM006() = default;
  int DameNumeroPagina() override { return kIdPaginaSIM006; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM006);
};

class SIM007 : public CVistaResultados {
 public:
  SIM007() = default;
  int DameNumeroPagina() override { return kIdPaginaSIM007; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM007);
};

}  // namespace renta
