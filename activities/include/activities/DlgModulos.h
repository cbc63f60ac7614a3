// The module entry dialogs of the business activities under the module regime. Each turns the raw facts of one
// module (hours worked, units held during so many days, tables and their capacity, seats) into the module's
// quantity for the whole year. They work on a copy of the module entry (m_entrada): the quantity goes to its
// `cantidad`, the facts stay in its `detalle` so that the next opening shows them again. The module edit chooses
// the dialog, fills it, runs it and writes the copy back only on OK.
//
//   IDD 180  salaried staff (modules 1, 15, 16)          (hours over 19 + 0.6 x hours under 19) / agreement hours
//   IDD 184  the same, staff that rose in 1999 over 1998  the same, cut to two decimals; the 1998 column is kept
//   IDD 181  units by days (three rows)                   sum of units x days / 365, cut to two decimals
//   IDD 182  places by days (four rows)                   the same
//   IDD 183  tables (module 4): capacity, tables, days    sum of days / 365 x capacity / 4 x tables
//   IDD 183  seats (module 21): two seat counts, days     sum of (seats + seats) x days / 365
//   IDD 185  non-salaried staff (module 2)                (holder + others) / 1800, others halved for a one-man
//                                                         business without an entity
//
// Days are checked against 365 and against the activity's days (100M004). Every dialog repeats the lock of the
// dialog base at the end of its initialisation.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "activities/EntradaModulo.h"
#include "framework/TemplateDlg.h"

namespace actividades {

inline constexpr int kRecursoModuloAsalariados = 180;
inline constexpr int kRecursoModuloUnidades = 181;
inline constexpr int kRecursoModuloPlazas = 182;
inline constexpr int kRecursoModuloMesas = 183;
inline constexpr int kRecursoModuloAsalariados2 = 184;
inline constexpr int kRecursoModuloNoAsalariados = 185;

inline constexpr int kIdPrimerCampoModulo = 1524;
inline constexpr int kIdEtiquetaUnidades = 1803;
inline constexpr int kIdEtiquetaMesas1 = 1887;
inline constexpr int kIdEtiquetaMesas2 = 1888;
inline constexpr int kIdNotaModulo = 1268;

// Coded messages of the module dialogs.
inline constexpr std::string_view kMensajeDiasModulo = "100M004";
inline constexpr std::string_view kMensajeHorasNoAsalariado = "WIN041";

inline constexpr double kHorasConvenio = 1800.0;
inline constexpr double kUnoEntre365 = 0.0027397260273972603;
inline constexpr double kUnoEntre1800 = 0.0005555555555555556;

// What every module dialog shares: the copy, the bindings of amounts that take no negative value, the lock
// repeated, and the quantity computed again on leaving any field and on OK.
class CDlgModulo : public marco::CTemplateDlg {
 public:
  // The working copy of the module entry.
  SEntradaModulo m_entrada;

  int OnInitDialog() override;
  int AlSalirDeCampo(int id) override;
  void OnOK() override;

  // The quantity from the facts of the copy.
  virtual void Calcular() = 0;

 protected:
  CDlgModulo(int idRecurso, wxWindow* padre);
  // Binds the fields to the copy (before they are shown).
  virtual void EnlazarCampos() = 0;
  // A field of the copy: shown with `decimales` decimals, an empty text is 0, a negative one is refused.
  void EnlazarValor(int id, double* valor, int decimales);
  void MostrarTodo();
};

// IDD 180 and IDD 184.
class CDlgModuloAsalariados : public CDlgModulo {
 public:
  explicit CDlgModuloAsalariados(wxWindow* padre = nullptr);
  // Most employees at the same time (kept for the dialog, not used).
  double m_dMaximoEmpleados = 0.0;

  int OnInitDialog() override;
  void Calcular() override;

 protected:
  CDlgModuloAsalariados(int idRecurso, wxWindow* padre);
  void EnlazarCampos() override;
};

class CDlgModuloAsalariados2 : public CDlgModuloAsalariados {
 public:
  explicit CDlgModuloAsalariados2(wxWindow* padre = nullptr);
  int OnInitDialog() override;
  void Calcular() override;

 protected:
  void EnlazarCampos() override;
};

// The dialogs of rows of counts by days (IDD 181, 182, 183). Row r, column c is field 1524 + r x (columns + 1)
// + c and detail r x step + c; the days of the row follow its counts; the total closes the fields.
class CDlgModuloDias : public CDlgModulo {
 public:
  // The unit label(s) (static 1803, or 1887 and 1888).
  std::string m_strEtiqueta1;
  std::string m_strEtiqueta2;

  int OnInitDialog() override;
  int AlSalirDeCampo(int id) override;

  int Filas() const { return m_nFilas; }
  int IdCampo(int fila, int columna) const { return kIdPrimerCampoModulo + fila * (m_nColumnas + 1) + columna; }
  int IdDias(int fila) const { return IdCampo(fila, m_nColumnas); }
  int IdTotal() const { return IdCampo(m_nFilas, 0); }
  double& Valor(int fila, int columna);
  double& Dias(int fila) { return Valor(fila, m_nColumnas); }

  // False (after 100M004) when n days are more than 365 or more than the activity's days.
  bool ComprobarDias(int dias);

 protected:
  CDlgModuloDias(int idRecurso, wxWindow* padre, int filas, int columnas, int paso,
                 std::array<int, 2> decimales, std::string_view etiqueta1, std::string_view etiqueta2);
  void EnlazarCampos() override;
  // True when the counts of the row ask for its days.
  virtual bool FilaConUnidades(int fila) = 0;

 private:
  int m_nFilas;
  int m_nColumnas;
  int m_nPaso;
  std::array<int, 2> m_decimales;
  bool m_bAvisandoDias = false;
};

// IDD 181: units of modules 5-11, 13, 14, 17-19, 23-25.
class CDlgModuloUnidades : public CDlgModuloDias {
 public:
  explicit CDlgModuloUnidades(wxWindow* padre = nullptr);
  void Calcular() override;

 protected:
  bool FilaConUnidades(int fila) override { return Valor(fila, 0) != 0.0; }
};

// IDD 182: places of module 20.
class CDlgModuloPlazas : public CDlgModuloDias {
 public:
  explicit CDlgModuloPlazas(wxWindow* padre = nullptr);
  void Calcular() override;

 protected:
  bool FilaConUnidades(int fila) override { return Valor(fila, 0) > 0.0; }
};

// IDD 183, tables of module 4: capacity, tables, days.
class CDlgModuloMesas : public CDlgModuloDias {
 public:
  explicit CDlgModuloMesas(wxWindow* padre = nullptr);
  void Calcular() override;

 protected:
  bool FilaConUnidades(int fila) override { return Valor(fila, 1) != 0.0; }
};

// IDD 183, seats of module 21: national seats, other seats, days.
class CDlgModuloAsientos : public CDlgModuloDias {
 public:
  explicit CDlgModuloAsientos(wxWindow* padre = nullptr);
  void Calcular() override;

 protected:
  bool FilaConUnidades(int fila) override { return Valor(fila, 0) != 0.0 || Valor(fila, 1) != 0.0; }
};

// IDD 185: non-salaried staff of module 2.
class CDlgModuloNoAsalariados : public CDlgModulo {
 public:
  explicit CDlgModuloNoAsalariados(wxWindow* padre = nullptr);
  // The activity's percentage of participation through an entity (A) and its most employees at the same time (B).
  double m_dParticipacion = 0.0;
  double m_dMaximoEmpleados = 0.0;
  // The persons present, by person code - 1.
  std::array<std::int32_t, 5> m_presentes{};

  int OnInitDialog() override;
  int AlEntrarEnCampo(int id) override;
  int AlSalirDeCampo(int id) override;
  void Calcular() override;

 protected:
  void EnlazarCampos() override;
};

// The dialog of a module number: the staff dialogs by the staff-increase answer (1: IDD 184), the units, places,
// tables and seats dialogs with their labels, none for the modules without one (22, 26-29, 56, 57, and numbers
// outside the list).
std::unique_ptr<CDlgModulo> CrearDialogoModulo(int modulo, std::uint8_t aumentoPlantilla);

}  // namespace actividades
