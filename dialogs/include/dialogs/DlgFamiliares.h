// The lists of the family unit's descendants (CDlgDescendientes, dialog 206) and ascendants (CDlgAscendientes,
// dialog 208), opened from the first box of each list on page 1 of both income-tax forms. Each dialog works on a
// copy of the list (10 rows of 72 bytes, 4 rows of 80 bytes, as RegIdentificacion keeps them), sets on OK the
// three per-person marks of every row (family unit, declarant, spouse), which the family minimum is computed
// from, checks every used row with coded messages and hands the rows back only when all of them pass.
//
// The rules need no window: the marks (MarcarDescendiente, MarcarAscendiente), the row checks, the age check and
// the row helpers are free functions on the row bytes, which the dialogs call and the tests drive directly.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/TemplateDlgLista.h"
#include "income/RentaValidacion.h"
#include "ximardol.h"

namespace dialogos {

// ---- the rows ----
namespace descendiente {
inline constexpr std::size_t kNif = 0;          // 9 characters
inline constexpr std::size_t kNombre = 9;       // 33
inline constexpr std::size_t kAnio = 42;        // 4 digits
inline constexpr std::size_t kGrado = 48;       // double
inline constexpr std::size_t kVinculo = 56;     // 1 ('D', 'C', 'O' ...)
inline constexpr std::size_t kMarcas = 57;      // 3: family unit, declarant, spouse
inline constexpr std::size_t kSituacion = 62;   // 1 ('1', '2', '3')
inline constexpr std::size_t kIngresos = 63;    // 1/0: income above 1,000,000
inline constexpr std::size_t kDeclaracion = 64;  // 1/0: files a declaration or asked for a refund
}  // namespace descendiente
namespace ascendiente {
inline constexpr std::size_t kNif = 0;
inline constexpr std::size_t kNombre = 9;
inline constexpr std::size_t kAnio = 42;
inline constexpr std::size_t kGrado = 48;
inline constexpr std::size_t kVinculo = 56;
inline constexpr std::size_t kMarcas = 57;
inline constexpr std::size_t kConvivencia = 64;  // double: how many live with the ascendant
inline constexpr std::size_t kIngresos = 72;     // 1/0: income between 969,780 and 1,000,000
}  // namespace ascendiente
inline constexpr std::size_t kAnchoNifFamiliar = 9;
inline constexpr std::size_t kAnchoNombreFamiliar = 33;
inline constexpr std::size_t kAnchoAnioFamiliar = 4;

// Descendants born before this year are no longer children for the minimum unless disabled or in situation '2'.
inline constexpr int kAnioDescendienteMayor = 1982;
// A descendant born before this year without disability gives no right (100R161).
inline constexpr int kAnioDescendienteMinimo = 1975;
// An ascendant born after this year without disability gives no right (100R185).
inline constexpr int kAnioAscendienteMaximo = 1934;
// The least disability degree that counts (100R158 below it).
inline constexpr double kGradoMinimo = 33.0;

// What the rules read of the family data.
struct SFamiliaListas {
  int tipoUnidad = 0;          // TipoUnidadFamiliar
  bool conjuntaViudo = false;  // byte 3: a widowed person filing jointly
  int anioDeclarante = 0;
  int anioConyuge = 0;
};
SFamiliaListas LeerFamiliaListas(const RegDatosFamilia& familia);

// ---- fields of a row ----
int AnioFila(const unsigned char* fila);  // the year read as a number; non-digits give 0
double GradoFila(const unsigned char* fila);  // 0 for a degree that is not a finite number
void PonerGradoFila(unsigned char* fila, double grado);

// ---- marks set on OK, for every row ----
void MarcarDescendiente(unsigned char* fila, const SFamiliaListas& familia);
// Also: a living-together count below 2 becomes 0.
void MarcarAscendiente(unsigned char* fila);

// ---- row helpers ----
bool DescendienteConDatos(const unsigned char* fila);
bool AscendienteConDatos(const unsigned char* fila);
void LimpiarDescendiente(unsigned char* fila);
void LimpiarAscendiente(unsigned char* fila);
void MoverDescendiente(unsigned char* destino, const unsigned char* origen);
void MoverAscendiente(unsigned char* destino, const unsigned char* origen);

// ---- checks ----
// The age check of a row: descendants born before 1975 and ascendants born after 1934 need a disability; a row
// that fails has its year emptied (four zero bytes) and gives the code (100R161, 100R185); empty when it passes.
std::string_view ComprobarEdadDescendiente(unsigned char* fila);
std::string_view ComprobarEdadAscendiente(unsigned char* fila);

// What a box left asks for: the code of the message (empty: nothing to say) after the value was repaired.
// The degree: between 0 and 33 exclusive it becomes 0 with 100R158.
std::string_view ComprobarGrado(unsigned char* fila);
// The relation 'C' (the spouse's) where there is no spouse: blanked, 100R189.
std::string_view ComprobarVinculoDescendiente(unsigned char* fila, const SFamiliaListas& familia);
std::string_view ComprobarVinculoAscendiente(unsigned char* fila, const SFamiliaListas& familia);
// The other situation: '3' with a spouse (100R188), '2' for one born in 1982 or later or without disability
// (100R190); blanked. The first message that applies.
std::string_view ComprobarSituacion(unsigned char* fila, const SFamiliaListas& familia);

// One failure of the OK checks of a row: the code, its icon, the column whose box takes the focus (-1 none), and
// whether the message was already shown (a question answered with Corregir).
struct SFalloFila {
  std::string_view codigo;
  int icono = 0;
  int columna = -1;
  bool mostrado = false;
  friend bool operator==(const SFalloFila&, const SFalloFila&) = default;
};
// The OK checks of a used descendant row, in order; the first failure, or an empty code. The row may be repaired
// on the way (the situation blanked), as the checks say.
SFalloFila ComprobarDescendiente(unsigned char* fila, const SFamiliaListas& familia);
// The OK checks of a used ascendant row, in order. 100V198 (information, born less than 14 years after the
// related declarant or spouse) is a question shown here: Corregir stops the checks, any other answer goes on.
SFalloFila ComprobarAscendiente(unsigned char* fila, const SFamiliaListas& familia);

// ---- the dialogs ----
inline constexpr int kRecursoDescendientes = 206;
inline constexpr int kRecursoAscendientes = 208;
inline constexpr std::string_view kVentanaDescendientes = "IDD_DESCENDIENTES";
inline constexpr std::string_view kVentanaAscendientes = "IDD_ASCENDIENTES";
inline constexpr int kAyudaDescendientes = 515;
inline constexpr int kAyudaAscendientes = 26;

inline constexpr int kFilasDescendientes = 10;
inline constexpr int kColumnasDescendientes = 8;
inline constexpr int kFilasAscendientes = 4;
inline constexpr int kColumnasAscendientes = 7;

// Column numbers of the dialogs' boxes.
enum EColumnaFamiliar : int {
  kColNif = 0,
  kColNombre = 1,
  kColAnio = 2,
  kColGrado = 3,
  kColVinculo = 4,
  kColSituacion = 5,    // descendants; ascendants: the living-together count
  kColIngresos = 6,
  kColDeclaracion = 7,  // descendants only
};
inline constexpr int kColConvivencia = kColSituacion;

// The box id of a column and row.
int IdDescendiente(int columna, int fila);
int IdAscendiente(int columna, int fila);

// The list dialog of either kind: the working rows, one box per field, the rules above.
class CDlgListaFamiliar : public marco::CTemplateDlgLista {
 public:
  // `ascendientes`: the list of ascendants, else of descendants.
  CDlgListaFamiliar(bool ascendientes, wxWindow* padre);
  ~CDlgListaFamiliar() override;

  bool Ascendientes() const { return m_bAscendientes; }
  int Filas() const { return m_bAscendientes ? kFilasAscendientes : kFilasDescendientes; }
  std::size_t AnchoFila() const { return m_bAscendientes ? renta::kAnchoAscendiente : renta::kAnchoDescendiente; }
  int IdCampo(int columna, int fila) const;
  unsigned char* Fila(int fila) { return m_filas.data() + AnchoFila() * static_cast<std::size_t>(fila); }

  // The rows handed in, and back on OK (720 or 320 bytes are used).
  std::array<unsigned char, renta::kFilasDescendientes * renta::kAnchoDescendiente> m_recibido{};
  // The family data the rules read (the launcher takes them from the open declaration).
  SFamiliaListas m_familia;
  // The character typed into the page box that opened the list (Windows-1252; 0 none): the identification number
  // of the first free row begins with it and the typing goes on after it.
  void PonerPrimerCaracter(unsigned caracter) { m_nPrimerCaracter = caracter; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlComando(int id, int codigo) override;

  void LimpiarEntrada(int entrada) override;
  void MoverEntrada(int a, int de) override;
  int EntradaEnUso(int entrada) const override;

 private:
  void Enlazar(int fila);
  // The age check of a row; on failure the message, the year box shown again and the focus on it. True passed.
  bool ComprobarEdad(int fila);
  void Mostrar();

  bool m_bAscendientes;
  std::array<unsigned char, renta::kFilasDescendientes * renta::kAnchoDescendiente> m_filas{};
  int m_nFilaRecordada = 0;
  unsigned m_nPrimerCaracter = 0;
  int m_nIdCaretAlFinal = 0;
  // False once the dialog is gone, for the call that waits for the box to take the focus.
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

class CDlgDescendientes : public CDlgListaFamiliar {
 public:
  explicit CDlgDescendientes(wxWindow* padre) : CDlgListaFamiliar(false, padre) {}
};
class CDlgAscendientes : public CDlgListaFamiliar {
 public:
  explicit CDlgAscendientes(wxWindow* padre) : CDlgListaFamiliar(true, padre) {}
};

// The two list dialogs in the register of selection dialogs.
void RegistrarDialogosFamiliares();

}  // namespace dialogos
