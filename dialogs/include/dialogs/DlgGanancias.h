// The detail dialogs of the dated elements of the capital-gains sections (pages 8 and 9 of D-100): the transmission
// value of an element (IDD_VALTRANSEAG4 for the 640-byte elements of section F3, IDD_VALTRANSEA for the 328-byte
// elements of section F2), its acquisition value (IDD_VALADQUIG4, IDD_VALADQUI) and the depreciation of a business
// asset by years (IDD_VALADQUI1 up to 1993, IDD_VALADQUI2 for 1994 and 1995), which the acquisition value of a
// section F3 element opens from its two depreciation rows.
//
// Each dialog works on a copy of the element record the box's detail link points at and hands it back only on OK;
// the updated ("actualizado") amounts are never typed: after every box the calculation library works them out on
// the copy (section F3 or F2, step 1, on a zeroed section with the element as its first row).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr std::size_t kTamanoElementoF3 = 640;
inline constexpr std::size_t kTamanoElementoF2 = 328;

inline constexpr std::string_view kVentanaValorTransmisionF3 = "IDD_VALTRANSEAG4";
inline constexpr std::string_view kVentanaValorTransmisionF2 = "IDD_VALTRANSEA";
inline constexpr std::string_view kVentanaValorAdquisicionF3 = "IDD_VALADQUIG4";
inline constexpr std::string_view kVentanaValorAdquisicionF2 = "IDD_VALADQUI";
inline constexpr std::string_view kVentanaAmortizacionesAnteriores = "IDD_VALADQUI1";
inline constexpr std::string_view kVentanaAmortizaciones9495 = "IDD_VALADQUI2";

// The element record of a dialog: aligned bytes, read and written field by field.
class CRegistroElemento {
 public:
  explicit CRegistroElemento(std::size_t tamano = kTamanoElementoF3) : m_octetos(tamano, 0) {}
  std::size_t Tamano() const { return m_octetos.size(); }
  unsigned char* Datos() { return m_octetos.data(); }
  const unsigned char* Datos() const { return m_octetos.data(); }
  // Copies the bytes given (as many as the record has; missing ones stay 0).
  void Asignar(std::span<const unsigned char> origen);
  void Volcar(std::span<unsigned char> destino) const;

  double Doble(std::size_t desp) const;
  void PonerDoble(std::size_t desp, double valor);
  std::int32_t Entero(std::size_t desp) const;
  void PonerEntero(std::size_t desp, std::int32_t valor);
  unsigned char Octeto(std::size_t desp) const { return desp < m_octetos.size() ? m_octetos[desp] : 0; }
  void PonerOcteto(std::size_t desp, unsigned char valor);
  std::string_view Texto(std::size_t desp, std::size_t ancho) const;
  void PonerTexto(std::size_t desp, std::string_view texto, std::size_t ancho);
  // The number written in `ancho` characters (0 when they are not all digits).
  int Numero(std::size_t desp, std::size_t ancho) const;

  bool operator==(const CRegistroElemento&) const = default;

 private:
  std::vector<unsigned char> m_octetos;
};

// A date field with no date: its first character is a blank or NUL.
bool FechaVacia(std::string_view fecha);

// The library's step 1 over one element: section F3 (640 bytes) or F2 (328 bytes) on a zeroed section whose first
// row is the element; the row is copied back. Other sizes are left alone.
void RecalcularElemento(CRegistroElemento& registro);

// ---- transmission value, imputation and reinvestment ----

// The fields of one of the two records.
struct SFormaTransmision {
  int recurso;
  int ayuda;
  std::size_t tamano;
  std::size_t despMarcaTaxi;
  int despMarcaRustica;  // -1 none
  std::size_t despFecha;
  int idFecha;
  std::size_t despTransmision;  // T
  std::size_t despGastos;       // G
  std::size_t despCobrado;      // C, collected in 1999
  std::size_t despReinvertido;  // R
  std::size_t despPrestamo;     // P, loan pending on the dwelling sold
  bool compruebaAno;            // a transmission year 2000 or later refuses OK (100V150)
};

inline constexpr std::size_t kDespMarcaA = 20;       // tested with the business flag
inline constexpr std::size_t kDespAfecto = 21;       // business asset: 1
inline constexpr std::size_t kDespClaseElemento = 24;  // 32-bit element kind (F3 only)

inline constexpr int kIdMarcaTaxi = 1303;
inline constexpr int kIdMarcaRustica = 1304;
inline constexpr int kIdTransmision = 1170;
inline constexpr int kIdGastosTransmision = 1172;
inline constexpr int kIdCobrado = 1176;
inline constexpr int kIdReinvertido = 1174;
inline constexpr int kIdPrestamo = 1175;

inline constexpr SFormaTransmision kFormaTransmisionF3{200, 901, kTamanoElementoF3, 64, 65, 66, 1164,
                                                        80,  88,  96,                104, 112, false};
inline constexpr SFormaTransmision kFormaTransmisionF2{199, 691, kTamanoElementoF2, 48, -1, 49, 1370,
                                                        64,  72,  80,                88,  96,  true};

class CDlgValorTransmisionBase : public marco::CTemplateDlg {
 public:
  CDlgValorTransmisionBase(const SFormaTransmision& forma, wxWindow* padre, std::int32_t segundoParametro);

  // The record as received; OK leaves the result here.
  CRegistroElemento m_recibido;
  const CRegistroElemento& Copia() const { return m_copia; }
  const SFormaTransmision& Forma() const { return m_forma; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlCambiarTexto(int id) override;
  int AlComando(int id, int codigo) override;

  // The checks of OK in their order; the first that fails shows its message (information icon) and gives false.
  bool Comprobar();

 private:
  void Vaciar(int id, std::size_t desp, bool doble);

  SFormaTransmision m_forma;
  CRegistroElemento m_copia;
};

// IDD 200, the 640-byte elements of section F3: taxi licence and rustic land, never both.
class CDlgValorTransmision : public CDlgValorTransmisionBase {
 public:
  explicit CDlgValorTransmision(wxWindow* padre, std::int32_t segundoParametro = 0)
      : CDlgValorTransmisionBase(kFormaTransmisionF3, padre, segundoParametro) {}
};

// IDD 199, the 328-byte elements of section F2: the taxi licence only, and no transmission after 1999.
class CDlgValorTransmision2 : public CDlgValorTransmisionBase {
 public:
  explicit CDlgValorTransmision2(wxWindow* padre, std::int32_t segundoParametro = 0)
      : CDlgValorTransmisionBase(kFormaTransmisionF2, padre, segundoParametro) {}
};

// Whether a mark of the record changed (the taxi licence, and the rustic land where the record has it).
bool MarcasTransmisionCambiadas(const SFormaTransmision& forma, const CRegistroElemento& antes,
                                const CRegistroElemento& despues);

// ---- acquisition value ----

inline constexpr int kIdFechaAdquisicion = 1154;
inline constexpr int kIdImporteAdquisicion = 1861;
inline constexpr int kIdAdquisicionActualizada = 1862;
inline constexpr int kIdFechaGasto1 = 1623;
inline constexpr int kIdGasto1 = 1863;
inline constexpr int kIdGasto1Actualizado = 1864;
inline constexpr int kIdFechaGasto2 = 1630;
inline constexpr int kIdGasto2 = 1865;
inline constexpr int kIdGasto2Actualizado = 1866;
inline constexpr int kIdDiferimiento = 1873;
inline constexpr int kIdMarcaInmueble = 1368;  // IDD 1565
// The buttons of the two depreciation details of IDD 259 (beside boxes 1867 and 1871).
inline constexpr int kIdBotonAmortizaciones1 = 1891;
inline constexpr int kIdBotonAmortizaciones2 = 1892;

// One depreciation row: its year box (0 none), amount and updated amount.
struct SFilaAmortizacion {
  int idAno;
  std::size_t despAno;
  int idImporte;
  std::size_t despImporte;
  int idActualizado;
  std::size_t despActualizado;
};

struct SFormaAdquisicion {
  int recurso;
  int ayuda;
  std::size_t tamano;
  std::size_t despFechaElemento;   // the element's date, its year in characters 5-8
  std::size_t despFechaElemento2;  // the second date: the expense dates lie between both
  std::size_t despReinversion;     // not 0: the deferral box may be used
  std::size_t despMarcaInmueble;   // IDD 1565 only (0 none)
  std::size_t despFechaAdquisicion;
  std::size_t despAdquisicion, despAdquisicionActualizada;
  std::size_t despFechaGasto1, despGasto1, despGasto1Actualizado;
  std::size_t despFechaGasto2, despGasto2, despGasto2Actualizado;
  std::size_t despDiferimiento;
  const char* mensajeFechaGasto;   // an expense date outside the element's dates
  bool gastosActualizados;         // 100V152 adds the updated expense amounts
  std::span<const SFilaAmortizacion> filas;
};

class CDlgValorAdquisicionBase : public marco::CTemplateDlg {
 public:
  CDlgValorAdquisicionBase(const SFormaAdquisicion& forma, wxWindow* padre, std::int32_t segundoParametro);

  CRegistroElemento m_recibido;
  const CRegistroElemento& Copia() const { return m_copia; }
  const SFormaAdquisicion& Forma() const { return m_forma; }
  // The year of the element's date (0 when it is not a number).
  int AnoElemento() const;

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlComando(int id, int codigo) override;

  // The library's step 1 on the copy, then every box shows its value again.
  void Recalcular();
  // The checks of OK in their order: 100R178, 100V152, 100R191. False when one failed (its message shown).
  bool Comprobar();

 protected:
  // What a dialog opens or closes after the shared rules.
  virtual void AjustarFilas() {}
  // A year box of a free row was left; false keeps the focus.
  virtual bool SalirDeAno(int /*id*/) { return true; }
  CRegistroElemento& CopiaTrabajo() { return m_copia; }
  void Vaciar(int id, std::size_t desp);

 private:
  bool SalirDeFechaGasto(int id, std::size_t desp);

  SFormaAdquisicion m_forma;
  CRegistroElemento m_copia;
};

// IDD 259: the 640-byte elements of section F3, with the depreciation up to 1993, of 1994 and 1995 (both with their
// detail of years for a business asset) and four free years.
class CDlgValorAdquisicion : public CDlgValorAdquisicionBase {
 public:
  explicit CDlgValorAdquisicion(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlComando(int id, int codigo) override;
  // A depreciation detail came back: its rows' total goes to the row's amount, and the rest is worked out again.
  int AlConfirmarCampo(int id) override;
  bool TieneBotonAmortizaciones(int boton) const;

 protected:
  void AjustarFilas() override;
  bool SalirDeAno(int id) override;

 private:
  // Opens the depreciation detail of the button on a copy of the element; true on OK.
  bool AbrirAmortizaciones(int boton);
};

// IDD 1565: the 328-byte elements of section F2, with the depreciation of 1997, 1998 and 1999.
class CDlgValorAdquisicion2 : public CDlgValorAdquisicionBase {
 public:
  explicit CDlgValorAdquisicion2(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  void AjustarFilas() override;
};

// ---- depreciation of a business asset by years ----

// One year of a depreciation dialog: the year it stands for ("1983 y anteriores" is 1983), the label, the amount and
// the updated amount.
struct SAnoAmortizacion {
  int ano;
  const char* etiqueta;
  int idImporte;
  int idActualizado;
  std::size_t despImporte;
  std::size_t despActualizado;
};

inline constexpr std::string_view kTituloAmortizaciones = "AMORTIZACIONES BIENES AFECTOS";

// The element's date and the coefficient fields (section F3 element).
inline constexpr std::size_t kDespFechaElementoF3 = 40;
inline constexpr std::size_t kDespAnoElementoF3 = 44;

class CDlgAmortizacionesBase : public marco::CTemplateDlg {
 public:
  CDlgAmortizacionesBase(int recurso, std::span<const SAnoAmortizacion> anos, wxWindow* padre,
                         std::int32_t segundoParametro);

  CRegistroElemento m_recibido;
  const CRegistroElemento& Copia() const { return m_copia; }
  std::span<const SAnoAmortizacion> Anos() const { return m_anos; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  // The library's step 1 on the copy; every box shows its value again.
  void Recalcular();

 private:
  std::span<const SAnoAmortizacion> m_anos;
  CRegistroElemento m_copia{kTamanoElementoF3};
};

// Template 1597: "1983 y anteriores" and 1984 to 1993.
class CDlgAmortizacionesAnteriores : public CDlgAmortizacionesBase {
 public:
  explicit CDlgAmortizacionesAnteriores(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// Template 1598: 1994 and 1995 (1995 always open).
class CDlgAmortizaciones9495 : public CDlgAmortizacionesBase {
 public:
  explicit CDlgAmortizaciones9495(wxWindow* padre, std::int32_t segundoParametro = 0);
  int OnInitDialog() override;
};

std::span<const SAnoAmortizacion> AnosAmortizacionesAnteriores();
std::span<const SAnoAmortizacion> AnosAmortizaciones9495();

// Puts the six dialogs into the framework's register by their window names. A changed mark of a transmission-value
// dialog makes the next save compose the declaration's reference again.
void RegistrarDialogosGanancias();

}  // namespace dialogos
