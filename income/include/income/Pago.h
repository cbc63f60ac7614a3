// The payment and refund page of both income-tax forms (page id 217, the last screen page of D-100 and of D-101,
// ORD017) and its printed twin (page id 218, ORD018, the second payment copy). For the person shown it holds the
// identification and signature fields, the result, the choice between paying at once or in two instalments (the
// first 60 % of the amount), the refund and three bank accounts.
//
// The box array keeps the choices consistent (AplicarReglasPago): pairs of exclusive marks, the amounts derived from
// the result, locks on the boxes that do not apply (their accounts cleared), and a bank-account check that blanks
// the part of an account that fails. The printed twin binds the same places without any rule.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <span>
#include <string_view>

#include "framework/ControlesPagina.h"
#include "income/RentaVista.h"
#include "income/SIM003.h"
#include "ximardol.h"

class wxClassInfo;

namespace marco {
class CValidador;
}

namespace renta {

inline constexpr int kIdPaginaORD017 = 217;
inline constexpr int kIdPaginaORD018 = 218;
inline constexpr int kCasillasORD017 = 50;
inline constexpr int kCasillasORD018 = 49;
// The message of the instalment mark of a person whose final difference is marked.
inline constexpr std::string_view kMensajeSinFraccionar = "100R187";

// The first instalment's share of the amount to pay.
inline constexpr double kPartePrimerPlazo = 0.6;

// The places of the payment choices in RegResultados (a byte or a double per person, a text per person for the
// account parts).
struct SMarcasPago {
  static constexpr std::size_t kA1 = 6688, kA2 = 6693;  // pay at once / in two instalments
  static constexpr std::size_t kB1 = 6698, kB2 = 6703;  // first amount: in cash / charged to account 1
  static constexpr std::size_t kC1 = 6848, kC2 = 6853;  // second instalment: not charged / charged to account 2
  static constexpr std::size_t kD1 = 7000, kD2 = 7005;  // refund: without account / to account 3
  static constexpr std::size_t kResultado = 6384;        // result per person (double)
  static constexpr std::size_t kDiferencia = 6648;       // final difference per person (double)
  static constexpr std::size_t kPrimerImporte = 6808;
  static constexpr std::size_t kSegundoImporte = 6960;
  static constexpr std::size_t kDevolucion = 7112;
  static constexpr std::size_t kCuentas[3] = {6708, 6858, 7010};  // bank; branch +20, check digits +40, number +50
};

// The boxes a rule left read-only (index = box number).
using CasillasBloqueadas = std::bitset<kCasillasORD017 + 1>;

// The payment rules for the person (1 to 5) over the data area and the page's copy of the final differences (box
// 21): marks and amounts set, accounts of boxes that do not apply cleared; gives the boxes to lock. The boxes the
// rules never touch are left out (the caller keeps their state).
CasillasBloqueadas AplicarReglasPago(DatosRenta& datos, int sujeto, std::array<double, 5>& copiaDiferencias);

class CControlesORD017 : public marco::CControlesPagina {
 public:
  CControlesORD017();
  ~CControlesORD017() override;

  // Without an income-tax document (a test): the data area, header texts and the checks object.
  void PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera = {}, marco::CValidador* validador = nullptr);
  DatosRenta* Datos() const { return m_pDatos; }

  // Every box bound (box 21 to the array's own copy of the final differences, taken now), then AvisoCampo.
  void Enlazar(int liberarAntes) override;
  void LiberarEnlaces() override;
  void Refrescar() override;
  // The payment rules for the person shown (AplicarReglasPago) and the lock of each box they name.
  void AvisoCampo(int numero) override;

  // The rules between the exclusive marks (0x403) and on a mark emptied (0x401); 1 when the box is one of them.
  int AplicarDependencia(int numero);
  int MarcaBorrada(int numero);
  // The check of an account part (boxes 27-30, 34-37, 41-44): the four parts joined are checked as an account
  // (check type 10); a failing check blanks the part just edited. 0 when it failed, else 1.
  int ComprobarCuenta(int numero);

  const std::array<double, 5>& CopiaDiferencias() const { return m_copiaDiferencias; }

 protected:
  static int Sujeto();
  unsigned char& Byte(std::size_t desp);

 private:
  void TomarDocumento();
  int ReglaSegundoPlazo();

  DatosRenta* m_pDatos = nullptr;
  SCabeceraPagina m_cabecera;
  marco::CValidador* m_pValidador = nullptr;
  std::array<double, 5> m_copiaDiferencias{};
};

// The printed twin: ORD017's places less the instalment mark, box 21 bound to the final differences themselves;
// no rule.
class CControlesORD018 : public marco::CControlesPagina {
 public:
  void PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera = {});
  void Enlazar(int liberarAntes) override;
  void LiberarEnlaces() override;
  void Refrescar() override;

 private:
  DatosRenta* m_pDatos = nullptr;
  SCabeceraPagina m_cabecera;
};

class ORD017 : public CRentaVista {
 public:
  ORD017();
  int DameNumeroPagina() override { return kIdPaginaORD017; }
  int Recalcular(int numero) override;
  int CampoBorrado(int numero) override;
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  void RefrescarControles() override;
  CControlesORD017* Controles() const;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD017);
};

class ORD018 : public CRentaVista {
 public:
  ORD018();
  int DameNumeroPagina() override { return kIdPaginaORD018; }
  int Recalcular(int numero) override;
  int CampoBorrado(int numero) override;
  int ComprobarCampo(int numero) override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD018);
};

// The page classes of this library that close both forms and print them (SIM005, SIM006, SIM007, SIM010, ORD017,
// ORD018); the program's start-up calls it once so that a static link keeps them.
std::span<wxClassInfo* const> ClasesPaginasFinales();

}  // namespace renta
