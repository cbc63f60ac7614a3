// What the capital-income detail dialogs share: six holder entries, each a holder code followed by a few whole
// amounts, shown as a grid of plain edits (the holder cell takes a letter: blank, O, D, C, 1, 2). The dialog
// works on a copy of the entries, keeps the entries in use packed at the front when a holder changes, checks them
// with coded messages on OK and hands them back only on OK, and only when every entry may be edited.
//
// Stored form of an entry: byte 0 the holder code, bytes 1 to 7 zero, then the amounts as doubles; six entries
// make the detail block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/DialogoPlantilla.h"
#include "framework/TemplateDlgTitulares.h"

namespace dialogos {

inline constexpr int kEntradasCapital = 6;
inline constexpr int kMaxImportesCapital = 8;
// The statics of the dialogs that show entries as lines: the holder hint and a note.
inline constexpr int kIdAyudaTitularLineas = 1268;
inline constexpr int kIdNotaLineas = 1269;
// The widest amount: ten whole digits.
inline constexpr double kImporteMaximoCapital = 9999999999.0;

struct SEntradaTitular {
  std::uint8_t titular = 0;  // 0 none, 1 common, 2 declarant, 3 spouse, 4 first child, 5 second child
  std::array<double, kMaxImportesCapital> importes{};
};
using EntradasTitulares = std::array<SEntradaTitular, kEntradasCapital>;

// Bytes of one stored entry with `importes` amounts, and of the block of six.
constexpr std::size_t TamanoEntradaCapital(int importes) { return 8 + 8 * static_cast<std::size_t>(importes); }
constexpr std::size_t TamanoBloqueCapital(int importes) { return kEntradasCapital * TamanoEntradaCapital(importes); }

// The entries of a stored block. A holder code above 5 reads as no holder, an amount that is not a number as 0, so
// a damaged block shows and checks like an empty entry. A block of another size gives six empty entries.
EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, int importes);
// Writes the entries into a block of TamanoBloqueCapital(importes) bytes (bytes 1 to 7 of each entry zero);
// nothing for a block of another size.
void EscribirEntradas(const EntradasTitulares& entradas, int importes, std::span<unsigned char> bloque);

// The letter shown for a holder code ("" for none).
std::string_view LetraTitularCapital(std::uint8_t titular);

// The layout of the dialogs that show each entry as a line and its fields as columns: the column headings (the
// last one with the id `idUltimaCabecera`, -1 for none), the grid of `ids` (field by field), the holder hint in
// static 1268, a note in static 1269 when `nota` is not empty, OK, Cancel and, when asked, help.
marco::CPlantillaDialogo PlantillaLineasTitulares(std::string_view titulo, const std::vector<int>& ids,
                                                  const std::vector<std::string_view>& cabeceras,
                                                  std::string_view nota, bool ayuda, int idUltimaCabecera = -1);

class CDlgImportesTitulares : public marco::CTemplateDlgTitulares {
 public:
  // `ids`: the control ids field by field (field 0 the holders), kEntradasCapital per field; `idAyuda`: the static
  // of the holder hint; `contextoAyuda`: the help topic of button 1011 (0: none).
  CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, int importes,
                        std::vector<int> ids, int idAyuda, int contextoAyuda);

  // The entries as received; OK (when every entry may be edited) leaves the entries here.
  EntradasTitulares m_recibido{};

  int Importes() const { return m_nImportes; }
  std::size_t TamanoBloque() const { return TamanoBloqueCapital(m_nImportes); }
  // The variant of the box's window text (the number after the first '*'): it chooses checks and labels.
  int Variante() const { return m_nVariante; }
  void PonerVariante(int variante) { m_nVariante = variante; }

  const EntradasTitulares& Copia() const { return m_copia; }
  EntradasTitulares& Copia() { return m_copia; }
  // Amount of field `campo` (1 and up) of an entry of the working copy.
  double Importe(int entrada, int campo) const;

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlCambiarValor(int id) override;

  // ---- entry operations on the working copy ----
  void LimpiarEntrada(int entrada) override;
  void MoverEntrada(int a, int de) override;
  void QuitarEntrada(int entrada) override;
  std::uint8_t TitularDeEntrada(int entrada) const override;
  void EntradaComun(int entrada) override;
  void EntradaPropia(int entrada) override;

  // The checks of OK: 1 when the entries may be kept, 0 when the dialog stays open (the focus on the field at
  // fault).
  virtual int ComprobarEntradas() = 0;

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
  // After the values are shown on opening: the variant's own texts.
  virtual void AlAbrir() {}

 private:
  // 1 passed, 0 stopped; shows the message and puts the focus on the field at fault when it stops.
  int Probar(const SPrueba& prueba, int entrada);
  bool TitularPermitido(char letra, std::uint8_t& codigo) const;
  int CambiarTitular(int id);
  void RecordarTitulares();

  int m_nImportes;
  int m_nIdAyuda;
  int m_nContextoAyuda;
  int m_nVariante = 0;
  EntradasTitulares m_copia{};
  std::array<std::uint8_t, kEntradasCapital> m_titularesMostrados{};
};

}  // namespace dialogos
