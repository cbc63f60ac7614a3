// The income dialogs of the agricultural products under the module regime. The net yield of a product is its
// income times a net-yield index; each dialog takes the income of up to three lines of one product (six for
// product 1, own and leased land for some crops), shows the index of each line, and computes each line's net yield
// rounded to whole units and the totals. They work on a copy of the product entry (m_valores, doubles); the
// product edit presets the fixed indexes, runs the dialog and copies the entry back on OK.
//
//   IDD 1591 CDlgRestoProductos        80 bytes: lines 1-3 (income, index, net yield), total at 9
//   IDD 125  CDlgProducto1             144 bytes: lines A-F, no total
//   IDD 129  CDlgRestoProductosTierras 168 bytes: own lines 1-3 (total 9), leased lines 4-6 (total 19), total 20
//   IDD 1591 CDlgRestoProductosB       168 bytes: only lines 4-6, their total at 20
//
// On OK every line whose net yield is 0 gets the index 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "activities/EntradaModulo.h"
#include "framework/TemplateDlg.h"

namespace actividades {

inline constexpr int kRecursoProducto1 = 125;
inline constexpr int kRecursoProductosTierras = 129;
inline constexpr int kRecursoAyudaProducto = 1590;
inline constexpr int kRecursoRestoProductos = 1591;

inline constexpr int kIdNotaProducto = 1268;
inline constexpr int kIdTotalProducto = 1144;
inline constexpr int kIdEtiquetaIndice = 1383;
inline constexpr int kIdEtiquetaIndiceReducido = 1384;

// The net-yield indexes of the product boxes, slot 0 first, and the reduced index of pig farming.
inline constexpr std::array<double, 10> kIndicesRendimiento = {0.13, 0.23, 0.26, 0.36, 0.32,
                                                              0.37, 0.42, 0.47, 0.52, 0.56};
inline constexpr double kIndiceReducido = 0.05;

// Notes of the reduced indexes.
inline constexpr std::string_view kNotaPorcinoCria =
    "Porcino de cr\xED" "a: \xEDndice reducido 0,05 (Orden del 30 de marzo de 2000 )";
inline constexpr std::string_view kNotaArrozPatata =
    "(*) Indice reducido. Orden del 30 de marzo de 2000 . Arroz (0,20); Patata (0,30)";
inline constexpr std::string_view kNotaIndicesReducidos =
    "(0,05): Indices reducidos seg\xFAn Orden del 30 de marzo de 2000";

// One line: the controls and the places of its income, index and net yield in the entry.
struct SLineaProducto {
  int idIngresos;
  int idIndice;
  int idRendimiento;
  std::size_t ingresos;  // index of the income double; the index and the net yield follow it
};

// One total: its control and place, and the lines it adds up (first line, count).
struct STotalProducto {
  int id;
  std::size_t valor;
  std::size_t primeraLinea;
  std::size_t lineas;
};

class CDlgProducto : public marco::CTemplateDlg {
 public:
  // The working copy of the product entry (the first Valores() doubles are the entry).
  ValoresProducto m_valores{};
  // What the caller passes: the product number and the activity code.
  std::int32_t m_nProducto = 0;
  std::int32_t m_nCodigoActividad = 0;

  // Doubles of the entry (10, 18 or 21).
  std::size_t Valores() const { return m_nValores; }
  const std::vector<SLineaProducto>& Lineas() const { return m_lineas; }
  // Presets the fixed (read-only) indexes from the index slot of the product.
  virtual void PonerIndicesFijos(int slot) = 0;

  int OnInitDialog() override;
  int AlSalirDeCampo(int id) override;
  void OnOK() override;

  // Every line's net yield (income x index, rounded to whole units) and the totals.
  void Calcular();

 protected:
  CDlgProducto(int idRecurso, wxWindow* padre, std::size_t valores, std::vector<SLineaProducto> lineas,
               std::vector<STotalProducto> totales, std::vector<std::size_t> indicesFijos);
  // The note and labels of the dialog (after the fields are shown).
  virtual void PonerNota() {}
  double& Indice(std::size_t linea) { return m_valores[m_lineas[linea].ingresos + 1]; }

 private:
  void EnlazarValor(int id, double* valor, int decimales);
  std::size_t m_nValores;
  std::vector<SLineaProducto> m_lineas;
  std::vector<STotalProducto> m_totales;
  std::vector<std::size_t> m_indicesFijos;  // lines whose index is preset
};

class CDlgRestoProductos : public CDlgProducto {
 public:
  explicit CDlgRestoProductos(wxWindow* padre = nullptr);
  void PonerIndicesFijos(int slot) override;

 protected:
  void PonerNota() override;
};

class CDlgProducto1 : public CDlgProducto {
 public:
  explicit CDlgProducto1(wxWindow* padre = nullptr);
  void PonerIndicesFijos(int slot) override;

 protected:
  void PonerNota() override;
};

class CDlgRestoProductosTierras : public CDlgProducto {
 public:
  explicit CDlgRestoProductosTierras(wxWindow* padre = nullptr);
  void PonerIndicesFijos(int slot) override;

 protected:
  void PonerNota() override;
};

class CDlgRestoProductosB : public CDlgProducto {
 public:
  explicit CDlgRestoProductosB(wxWindow* padre = nullptr);
  void PonerIndicesFijos(int slot) override;
};

// The index slot (0..9 of kIndicesRendimiento) of product k of an activity of code c.
int IndiceProducto(int producto, std::int32_t codigoActividad);

// The dialog of product k: 1 IDD 125; 3, 6, 8, 10 IDD 129, or the one-part form when the activity kind is '6';
// 2, 4, 5, 7, 9, 11, 12, 13 IDD 1591; none for any other number.
std::unique_ptr<CDlgProducto> CrearDialogoProducto(int producto, unsigned char claseActividad);

// The hint that names the kind of product k (empty for other numbers).
std::string_view TextoAyudaProducto(int producto);

// Where the hint popup goes: its top-left corner at the edit's bottom-right corner, or, when it would pass the
// right edge of the page, at the edit's bottom-left corner minus the popup's width.
struct SPuntoAyuda {
  int x = 0;
  int y = 0;
};
SPuntoAyuda SituarAyudaProducto(int izquierdaEdit, int derechaEdit, int abajoEdit, int anchoAyuda, int anchoPagina);

}  // namespace actividades
