// The one base of the holder-grid detail dialogs: a fixed number of holder entries (at most six), each a holder code
// followed by whole amounts, shown as a grid of plain edits (the holder cell takes a letter: blank, O, D, C, 1, 2).
// The dialog works on a copy of the entries, refuses with a coded message a holder the declaration does not have
// or the box does not offer, keeps the entries in use packed at the front when a holder changes, reduces them to
// the share of the person shown in a per-person view, recomputes its computed columns when a field is left, checks
// them with coded messages on OK and hands them back only on OK, and only when every entry may be edited.
//
// Stored form of an entry: byte 0 the holder code, bytes 1 to 7 zero (or kept as they are), then the amounts as
// doubles, then bytes the grid does not show (kept and moved with the entry). The entries are followed by the rest
// of the block (joint amounts, bytes of other dialogs), which the dialog keeps apart.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/DialogoBase.h"
#include "framework/DialogoPlantilla.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/TemplateDlgTitulares.h"

namespace dialogos {

inline constexpr int kEntradasCapital = 6;
inline constexpr int kMaxEntradasTitulares = 6;
inline constexpr int kMaxImportesCapital = 8;
inline constexpr std::size_t kMaxRestoEntrada = 400;
// The statics of the dialogs that show entries as lines: the holder hint and a note.
inline constexpr int kIdAyudaTitularLineas = 1268;
inline constexpr int kIdNotaLineas = 1269;
// The other static some dialogs show the holder hint in.
inline constexpr int kIdAyudaTitularOtra = 1266;
// The widest amount: ten whole digits.
inline constexpr double kImporteMaximoCapital = 9999999999.0;
// A holder the declaration does not have, or the box does not offer.
inline constexpr std::string_view kMensajeTitularNoAdmitido = "100I006";

struct SEntradaTitular {
  std::uint8_t titular = 0;  // 0 none, 1 common, 2 declarant, 3 spouse, 4 first child, 5 second child
  std::array<double, kMaxImportesCapital> importes{};
  // The entry's bytes after its amounts (dates, codes of another dialog on the same entries, the computation
  // behind an amount).
  std::array<unsigned char, kMaxRestoEntrada> resto{};
};
using EntradasTitulares = std::array<SEntradaTitular, kMaxEntradasTitulares>;

// The shape of a detail block: `entradas` entries of `tamanoEntrada` bytes (0: just the amounts), `importes`
// amounts from byte 8 of each, then the rest of the block up to `tamanoBloque` bytes (0: nothing after the
// entries). `conservarRelleno`: bytes 1 to 7 of each entry are left in the block as they are instead of zeroed.
struct SFormaBloque {
  int entradas = kEntradasCapital;
  int importes = 0;
  std::size_t tamanoEntrada = 0;
  std::size_t tamanoBloque = 0;
  bool conservarRelleno = false;

  std::size_t TamanoEntrada() const { return tamanoEntrada != 0 ? tamanoEntrada : 8 + 8 * static_cast<std::size_t>(importes); }
  std::size_t TamanoEntradas() const { return static_cast<std::size_t>(entradas) * TamanoEntrada(); }
  std::size_t TamanoBloque() const { return tamanoBloque != 0 ? tamanoBloque : TamanoEntradas(); }
  std::size_t TamanoRestoEntrada() const { return TamanoEntrada() - 8 - 8 * static_cast<std::size_t>(importes); }
  bool Valida() const;
};

// Bytes of one stored entry with `importes` amounts, and of the block of six.
constexpr std::size_t TamanoEntradaCapital(int importes) { return 8 + 8 * static_cast<std::size_t>(importes); }
constexpr std::size_t TamanoBloqueCapital(int importes) { return kEntradasCapital * TamanoEntradaCapital(importes); }

// The entries of a stored block. A holder code above 5 reads as no holder, an amount that is not a number as 0, so
// a damaged block shows and checks like an empty entry. A block of another size gives empty entries.
EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, const SFormaBloque& forma);
// Writes the entries into a block of the shape's size; nothing for a block of another size. The rest of the block
// is not touched.
void EscribirEntradas(const EntradasTitulares& entradas, const SFormaBloque& forma, std::span<unsigned char> bloque);
// The same for six entries of `importes` amounts (bytes 1 to 7 zero).
EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, int importes);
void EscribirEntradas(const EntradasTitulares& entradas, int importes, std::span<unsigned char> bloque);

// The letter shown for a holder code ("" for none).
std::string_view LetraTitularCapital(std::uint8_t titular);

// The layout of the dialogs that show each entry as a line and its fields as columns: the column headings (the
// last one with the id `idUltimaCabecera`, -1 for none), the grid of `ids` (field by field, entries of
// ids.size() / cabeceras.size() each), the holder hint in static `idAyuda`, a note in static 1269 when `nota` is
// not empty, OK, Cancel and, when asked, help. `altoExtra` dialog units are left free under the grid
// (YBandaLineas gives where) for the dialog's own controls. Cells of `idsTexto` take `anchoTexto` characters of
// text instead of an amount.
marco::CPlantillaDialogo PlantillaLineasTitulares(std::string_view titulo, const std::vector<int>& ids,
                                                  const std::vector<std::string_view>& cabeceras,
                                                  std::string_view nota, bool ayuda, int idUltimaCabecera = -1,
                                                  int altoExtra = 0, int idAyuda = kIdAyudaTitularLineas);
// The top of the free band of that layout, for `entradas` lines under headings of `lineasCabecera` lines.
int YBandaLineas(int entradas, int lineasCabecera = 2);

class CDlgImportesTitulares : public marco::CTemplateDlgTitulares {
 public:
  // `ids`: the control ids row by row (row 0 the holders), `forma.entradas` per row; `idAyuda`: the static of the
  // holder hint (0: none); `contextoAyuda`: the help topic of button 1011 (0: none).
  CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, SFormaBloque forma,
                        std::vector<int> ids, int idAyuda, int contextoAyuda);
  // Six entries of `importes` amounts, one row of the grid per amount.
  CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, int importes,
                        std::vector<int> ids, int idAyuda, int contextoAyuda);

  // The entries as received, and the rest of the block after them; OK (when every entry may be edited) leaves the
  // edited ones here.
  EntradasTitulares m_recibido{};
  std::vector<unsigned char> m_restoRecibido;

  const SFormaBloque& Forma() const { return m_forma; }
  int Importes() const { return m_forma.importes; }
  std::size_t TamanoBloque() const { return m_forma.TamanoBloque(); }
  // The variant of the box's window text (the number after the first '*'): it chooses checks, rates and labels.
  int Variante() const { return m_nVariante; }
  void PonerVariante(int variante) { m_nVariante = variante; }

  // Reads the entries and the rest of the block the launcher received; writes them back (a block of another
  // size: nothing, false).
  bool Recibir(std::span<const unsigned char> bloque);
  void Devolver(std::span<unsigned char> bloque) const;

  const EntradasTitulares& Copia() const { return m_copia; }
  EntradasTitulares& Copia() { return m_copia; }
  // Amount of field `campo` (1 and up) of an entry of the working copy.
  double Importe(int entrada, int campo) const;
  // A double of the working copy of the rest of the block, at `desp` bytes from the end of the entries (0 when
  // outside).
  double DobleResto(std::size_t desp) const;
  void PonerDobleResto(std::size_t desp, double valor);
  const std::vector<unsigned char>& CopiaResto() const { return m_restoCopia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlCambiarValor(int id) override;
  // The base's opening of entries, then the computed columns closed.
  void ActualizarEntradas() override;

  // ---- entry operations on the working copy ----
  void LimpiarEntrada(int entrada) override;
  void MoverEntrada(int a, int de) override;
  void QuitarEntrada(int entrada) override;
  std::uint8_t TitularDeEntrada(int entrada) const override;
  void EntradaComun(int entrada) override;
  void EntradaPropia(int entrada) override;

  // The checks of OK: 1 when the entries may be kept, 0 when the dialog stays open (the focus on the field at
  // fault). None here.
  virtual int ComprobarEntradas();

 protected:
  // One check of an entry: it fails when `falla` says so; an error always stops, a warning only when the user
  // chooses to correct. `campo` is the field the focus goes to.
  struct SPrueba {
    bool (*falla)(const SEntradaTitular& entrada);
    std::string_view codigo;
    bool error;
    int campo;
  };
  // Entry by entry, each entry's checks in order; entries without holder are skipped. 1 passed, 0 stopped.
  int ComprobarPorEntrada(std::span<const SPrueba> pruebas);
  // Check by check, each over all entries in order.
  int ComprobarPorPrueba(std::span<const SPrueba> pruebas);

  // Whether the amounts of field `campo` admit a minus sign (asked when the dialog opens); none here.
  virtual bool AdmiteNegativo(int campo) const;
  // The decimals of the amounts of field `campo`; none here.
  virtual int Decimales(int campo) const;
  // Whether amount `importe` (0 the first) is halved when a common entry is seen by one member; all here.
  virtual bool SeDivide(int importe) const;
  // Whether row `fila` of the grid is computed (shown, never typed); none here.
  virtual bool FilaCalculada(int fila) const;
  // The binding of row `fila` (1 and up) of an entry; here the amount `fila` - 1.
  virtual marco::SEnlaceControl EnlaceFila(int fila, SEntradaTitular& entrada);
  // The binding of a whole amount of the working copy (ten digits, the field's decimals and sign).
  marco::SEnlaceControl EnlaceImporte(double* valor, int decimales, bool negativo) const;
  // The binding of a whole amount of the rest of the block, at `desp` bytes from the end of the entries.
  marco::SEnlaceControl EnlaceResto(std::size_t desp, bool negativo);
  // The holder mode of the holder cells (the letters offered); the box's second parameter here.
  virtual int ModoTitular() const;
  // After the values are shown on opening: the dialog's own texts and enabling.
  virtual void AlAbrir() {}
  // A field was left (not towards Cancel): the computed columns; true when values changed and are shown again.
  virtual bool Recalcular() { return false; }
  // Whether entering a field that is not a holder empties the hint static; yes here.
  void PonerVaciarAyuda(bool vaciar) { m_bVaciarAyuda = vaciar; }
  // Whether leaving an amount field shows the values again (the typed text formatted); no here.
  void PonerRefrescarAlSalir(bool refrescar) { m_bRefrescarAlSalir = refrescar; }
  // Whether OK drops the entries whose fields are all blank (when every entry may be edited); yes here.
  void PonerQuitarVacias(bool quitar) { m_bQuitarVacias = quitar; }
  int IdAyuda() const { return m_nIdAyuda; }
  std::vector<unsigned char>& RestoEditable() { return m_restoCopia; }
  // Takes back a holder just typed (the entry has none again) and shows the values.
  void DeshacerTitular(int entrada);
  // The dwelling investments' rows 1 and 2 (amounts with outside financing) against row 3 (the amount without it),
  // in every entry once all entries may be edited: without holder none of the three is open; with one, the rows
  // holding text close the others.
  void ExcluirFinanciacion();

 private:
  // 1 passed, 0 stopped; shows the message and puts the focus on the field at fault when it stops.
  int Probar(const SPrueba& prueba, int entrada);
  int CambiarTitular(int id);
  void RecordarTitulares();
  bool EntradaValida(int entrada) const { return entrada >= 0 && entrada < m_forma.entradas; }

  SFormaBloque m_forma;
  int m_nIdAyuda;
  int m_nContextoAyuda;
  int m_nVariante = 0;
  bool m_bVaciarAyuda = true;
  bool m_bRefrescarAlSalir = false;
  bool m_bQuitarVacias = true;
  EntradasTitulares m_copia{};
  std::vector<unsigned char> m_restoCopia;
  std::array<std::uint8_t, kMaxEntradasTitulares> m_titularesMostrados{};
};

// How a launcher sets up a grid dialog after the block is read and before the run.
enum class EAjusteRejilla {
  kNinguno,
  // The number after the window name is the variant of the box, not a holder kind: every holder the declaration
  // has may be typed.
  kVarianteSinTipo,
  // The number after the window name is the dialog's kind (rates, checks), kept as its variant.
  kVariante,
};

// Runs a grid dialog on the request's block: kDialogoCancelado for a block of another size; on OK the entries and
// the rest of the block go back into it.
template <class TDialogo>
int AbrirRejilla(marco::SPeticionDetalle& p, EAjusteRejilla ajuste = EAjusteRejilla::kVariante) {
  TDialogo dlg(p.padre, p.segundoParametro);
  if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
  marco::PrepararDialogoDetalle(dlg, p);
  if (ajuste != EAjusteRejilla::kNinguno) dlg.PonerVariante(p.primerParametro);
  if (ajuste == EAjusteRejilla::kVarianteSinTipo) dlg.PonerTipoTitular(0);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
  return resultado;
}

// Puts a grid dialog into the register of detail dialogs under `nombre`, for blocks of `tamano` bytes.
template <class TDialogo>
void RegistrarRejilla(std::string_view nombre, std::size_t tamano, EAjusteRejilla ajuste = EAjusteRejilla::kVariante) {
  marco::RegistrarDialogoDetalle(nombre, tamano, [ajuste](marco::SPeticionDetalle& p) {
    return AbrirRejilla<TDialogo>(p, ajuste);
  });
}

}  // namespace dialogos
