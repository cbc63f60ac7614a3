// Page 4 of the simplified form D-101 (page id 104): the bases before and after the personal and family minimum
// (sections G and I), the reductions for contributions to pension plans and mutual societies (section J, three
// row tables of two rows each), the taxable bases to liquidate (sections K and L) and the deductions from the quota
// (section M) of the person shown.
//
// As on page 3 (SIM003.h), the rules live in the box array (CControlesSIM004) and the view forwards to it; the view
// is the wxWidgets dynamic class "SIM004", kept in the program by ClasePaginaSIM004.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "income/SIM003.h"

namespace renta {

inline constexpr int kIdPaginaSIM004 = 104;
inline constexpr int kCasillasSIM004 = 63;

// The three row tables of section J (RegApartadoJ), two rows each, both shown, known by their letters:
// 'C' the first kind (rows of 48 bytes at +0): 0 holder, 1 the participant's contribution (16), 2 the imputed
//     contributions (24); boxes 10-15, three per row;
// 'D' the second kind (rows of 72 bytes at +136): 0 holder, 1-3 the amounts at 32, 40 and 48; boxes 18-25;
// 'E' the third kind (rows of 40 bytes at +280): 0 holder, 1 the beneficiary's tax number (9 characters at 21), 2
//     the relationship (20 characters at 1), 3 the amount (32); boxes 27-34 (the layout of page 10 of D-100).
// A row's amounts can be typed only once it has a holder.
inline constexpr int kFilasJ = 2;
inline constexpr char kTablasJ[3] = {'C', 'D', 'E'};
SFormatoFilas FormatoFilasJ(char tabla);

class CControlesSIM004 final : public marco::CControlesPagina {
 public:
  CControlesSIM004();
  ~CControlesSIM004() override;

  // Where the boxes bind without an income-tax document (a test): a data area, the header texts and the checks
  // object; with a document, the document's own.
  void PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera = {}, marco::CValidador* validador = nullptr);
  void PonerFunciones(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

  // The three row tables made anew and filtered for the person shown, every box bound, the read-only marks set.
  void Enlazar(int liberarAntes) override;
  void LiberarEnlaces() override;
  // Filtered again when the person shown changed; bound again; read-only marks.
  void Refrescar() override;
  // Group 'C', 'D' or 'E': action -2 asks whether the window may move in `direccion`, -1 moves it; else 0.
  int NavegarGrupo(int grupo, int direccion, int accion, int extra) override;

  // ---- the page's rules (by box number) ----
  // A committed value: the row of a section J box stored (a row left without holder and key is deleted), box 11
  // spreads the deductions of section M among the persons (check type 206), boxes 45 and 48 run section M's first
  // case and boxes 53, 55, 58 and 60 its third. 1 when something was stored or calculated (the caller then
  // recalculates the whole declaration), else 0.
  int CalcularCasilla(int numero);
  // Rules between boxes (a holder chosen): as a committed value.
  int AplicarReglas(int numero) { return CalcularCasilla(numero); }
  // The beneficiary's tax number of the third kind (boxes 28 and 32) is checked as a personal tax number (check type
  // 21, NIFE001); every other value is accepted. 1 accepted.
  int ComprobarValor(int numero);

  CFilasPagina* FilasJ(char tabla) const;
  DatosRenta* Datos() const { return m_pDatos; }

 private:
  struct STablaJ {
    char letra;
    int primeraCasilla;
    int casillasFila;
  };
  static const STablaJ* TablaDeCasilla(int numero);
  void TomarDocumento();
  void FiltrarFilas();
  void EnlazarCasillas();
  void MarcarSoloLectura();

  DatosRenta* m_pDatos = nullptr;
  SCabeceraPagina m_cabecera;
  marco::CValidador* m_pValidador = nullptr;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
  std::unique_ptr<CFilasPagina> m_aFilas[3];
  std::int32_t m_nSujetoFiltro = 0;
};

// The page view: the same road as page 3's.
class SIM004 : public CRentaVista {
 public:
  SIM004();
  int DameNumeroPagina() override { return kIdPaginaSIM004; }
  int Recalcular(int numero) override;
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  void RefrescarControles() override;
  CControlesSIM004* Controles() const;

 private:
  void TrasCalcular(int calculado);

  wxDECLARE_DYNAMIC_CLASS(SIM004);
};

// The page's class, registered under "SIM004"; calling it keeps the class in the program.
wxClassInfo* ClasePaginaSIM004();

}  // namespace renta
