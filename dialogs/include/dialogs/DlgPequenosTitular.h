// Small detail dialogs that break one box down by holder or ask a yes/no question per holder: unpaid fostering of
// persons over 65, disabled persons giving right to the regional deduction, custody expenses of children from 3 to
// 6, collaboration agreements, public aid to the purchase of the dwelling, disabled taxpayers over 65, large
// family, and double taxation of dividends. Each works on a copy of its box's detail block (amounts, counts, marks
// and yes/no answers at fixed places) and hands it back on OK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr std::string_view kVentanaAcogimientoMayores = "IDD_ACOGMAY";
inline constexpr std::string_view kVentanaMinusvalidosAutonomica = "IDD_MINUSAU1";
inline constexpr std::string_view kVentanaCustodiaHijos = "IDD_GCUSTODIA";
inline constexpr std::string_view kVentanaConveniosColaboracion = "IDD_CONVCOLA";
inline constexpr std::string_view kVentanaAyudasVivienda = "IDD_APLAYAV";
inline constexpr std::string_view kVentanaMinusvalidosMayores = "IDD_DECCONSN";
inline constexpr std::string_view kVentanaFamiliaNumerosa = "IDD_FAMNUME";
inline constexpr std::string_view kVentanaDobleImposicionTransparencia = "IDD_DBLIMPTRA";

// The base of these dialogs: a block of at most 48 bytes, copied in, edited field by field and copied back on OK
// (never by a dialog that is read-only for the person shown).
class CDlgBloqueDetalle : public marco::CTemplateDlg {
 public:
  static constexpr std::size_t kMaxBloque = 48;
  CDlgBloqueDetalle(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::size_t tamano);

  std::size_t Tamano() const { return m_nTamano; }
  // The block as received (false for a block of another size) and back.
  bool Recibir(std::span<const unsigned char> bloque);
  void Devolver(std::span<unsigned char> bloque) const;

  // What the launcher reads of the open declaration: the family-unit kind (1 a married couple) and whether the
  // children flag is set.
  int m_nTipoUnidad = 1;
  bool m_bHijos = false;

  // The working copy.
  double Doble(std::size_t desp) const;
  void PonerDoble(std::size_t desp, double valor);
  std::uint8_t Octeto(std::size_t desp) const;
  void PonerOcteto(std::size_t desp, std::uint8_t valor);
  // The block OK left (the received one until then).
  double DobleRecibido(std::size_t desp) const;
  std::uint8_t OctetoRecibido(std::size_t desp) const;

  int OnInitDialog() override;
  void OnOK() override;
  int ValidarCaracterCampo(int id, unsigned caracter) override;

 protected:
  // The fields: an amount or count of `enteros` whole digits and `decimales` decimals, a mark, a yes/no answer.
  void CampoDoble(int id, std::size_t desp, int enteros, int decimales);
  void CampoMarca(int id, std::size_t desp);
  void CampoSiNo(int id, std::size_t desp);
  // The amount fields of the persons, in the order common, declarant, spouse, first child, second child (0: the
  // person has none): what is typed into the box goes to the one of the person shown.
  void CamposDePersonas(std::initializer_list<int> ids);
  // After the bindings, before every field is shown: the dialog's own enabling.
  virtual void AlAbrir() {}
  // The checks of OK: false keeps the dialog open.
  virtual bool Comprobar() { return true; }
  // A mark or an answer was typed.
  virtual void AlCambiarMarca(int /*id*/) {}
  bool FamiliaTipo1() const { return m_nTipoUnidad == 1; }
  // Read-only for the person shown by the launcher's flag (the spouse or the first child is present).
  bool BloqueadoPorIndicador() const;
  void Mostrar() { marco::ActualizarDatosHijos(*this, 0); }
  void Guardar() { marco::ActualizarDatosHijos(*this, 1); }

 private:
  enum class EClase { kDoble, kMarca, kSiNo };
  struct SCampo {
    int id;
    std::size_t desp;
    EClase clase;
    int enteros;
    int decimales;
  };
  const SCampo* Campo(int id) const;
  unsigned char* Octetos() { return reinterpret_cast<unsigned char*>(m_copia.data()); }
  const unsigned char* Octetos() const { return reinterpret_cast<const unsigned char*>(m_copia.data()); }

  std::size_t m_nTamano;
  std::vector<SCampo> m_campos;
  std::array<double, kMaxBloque / 8> m_copia{};
  std::array<double, kMaxBloque / 8> m_recibido{};
};

class CDlgAcogimientoMayores : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdComunes = 1838;
  static constexpr int kIdDeclarante = 1836;
  static constexpr int kIdConyuge = 1837;
  explicit CDlgAcogimientoMayores(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  void AlAbrir() override;
  bool Comprobar() override;
};

class CDlgMinusvalidosAutonomica : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdComunes = 1825;
  static constexpr int kIdDeclarante = 1826;
  static constexpr int kIdConyuge = 1827;
  static constexpr int kIdHijo1 = 1828;
  static constexpr int kIdHijo2 = 1829;
  static constexpr int kIdConjunta = 1830;
  explicit CDlgMinusvalidosAutonomica(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlSalirDeCampo(int id) override;

 protected:
  void AlAbrir() override;
  bool Comprobar() override;

 private:
  std::array<double, 6> m_vistos{};
  bool m_bSumarConjunta = false;
};

class CDlgCustodiaHijos : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdComun = 1310;
  static constexpr int kIdDeclarante = 1311;
  static constexpr int kIdConyuge = 1312;
  explicit CDlgCustodiaHijos(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlSalirDeCampo(int) override { return PermitirSalidaCampo() ? 1 : 0; }

 protected:
  void AlAbrir() override;
};

class CDlgConveniosColaboracion : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdDeclarante = 1759;
  static constexpr int kIdConyuge = 1760;
  explicit CDlgConveniosColaboracion(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  void AlAbrir() override;
};

class CDlgAyudasVivienda : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdDeclarante = 1397;
  static constexpr int kIdConyuge = 1401;
  explicit CDlgAyudasVivienda(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlSalirDeCampo(int) override { return PermitirSalidaCampo() ? 1 : 0; }

 protected:
  void AlAbrir() override;
};

class CDlgMinusvalidosMayores : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdDeclarante = 1298;
  static constexpr int kIdConyuge = 1299;
  static constexpr int kIdPregunta = 1339;
  explicit CDlgMinusvalidosMayores(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  void AlAbrir() override;
};

class CDlgFamiliaNumerosa : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdFamiliaNumerosa = 1833;
  static constexpr int kIdHijos = 1832;
  explicit CDlgFamiliaNumerosa(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;

 protected:
  void AlAbrir() override;
  void AlCambiarMarca(int id) override;

 private:
  // The children count follows the answer: open unless it is "NO", and then 0.
  void SeguirRespuesta();
};

class CDlgDobleImposicion : public CDlgBloqueDetalle {
 public:
  static constexpr int kIdBase = 1397;
  static constexpr int kIdDeduccion = 1401;
  explicit CDlgDobleImposicion(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// Put the dialogs into the register of detail dialogs.
void RegistrarDlgPequenosTitular();

}  // namespace dialogos
