// The Canary Islands investment reserve, per holder (two entries, one line each): the balance brought forward
// with the returns obtained in the islands, the allocations of 1997 and 1998 with what was invested in 1999 and
// what is still to invest, and the allocation invested in 1999. The allocation dialogs carry the one-character
// key of the investment (lookup table INVCANAE: a key of its form that the table lacks is kept, with message
// LISTA03, docs/TABLAS_CONSULTA.md); a box of kind 3 shows it read-only. OK refuses, with a coded
// message and the entries kept as typed, an entry whose investment goes beyond its allocation.
//
// Stored form of an entry: byte 0 the holder code, bytes 1 to 7 reserved (kept as received), the allocation and
// the second amount as doubles; then the key (one character at the start of an 8-byte field) and, in the dialog
// of 1997 and 1998, the amount still to invest (a double).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kEntradasCanarias = 2;

inline constexpr std::string_view kVentanaCanariasRendimientos = "IDD_RESINVCAN2";
inline constexpr std::string_view kVentanaDotacionCanarias = "IDD_RESINVCAN3";
inline constexpr std::string_view kVentanaCanariasMaterializada = "IDD_RESINVCAN";
// The lookup table of the key.
inline constexpr std::string_view kTablaClaveCanarias = "INVCANAE.DBF";
// The box kind whose keys are shown, never typed.
inline constexpr int kVarianteClaveFija = 3;
inline constexpr int kContextoAyudaCanarias = 225;

// Entry sizes of the three blocks (two entries each).
inline constexpr std::size_t kEntradaCanariasRendimientos = 24;
inline constexpr std::size_t kEntradaDotacionCanarias = 40;
inline constexpr std::size_t kEntradaCanariasMaterializada = 32;

constexpr SFormaBloque FormaCanarias(std::size_t tamanoEntrada) {
  return {kEntradasCanarias, 2, tamanoEntrada, 0, true};
}

// The fields of an entry, as rows of the grid (row 0 the holder).
enum ECampoCanarias : int { kDotacionCanarias = 1, kSegundoImporteCanarias, kClaveCanarias, kPendienteCanarias };

class CDlgReservaCanarias : public CDlgImportesTitulares {
 public:
  // The key of an entry (0 none) and, in the dialog of 1997 and 1998, the amount still to invest.
  char Clave(int entrada) const;
  double Pendiente(int entrada) const;

  int ComprobarEntradas() override;
  void ActualizarEntradas() override;
  void EntradaComun(int entrada) override;

  // Whether `clave` is a key of the lookup table (the interface language's twin). Virtual so that tests need
  // no database.
  virtual bool ClaveAdmitida(char clave) const;

 protected:
  // `campos`: 2 (no key), 3 (key) or 4 (key and amount still to invest); `mensaje`: the code of a refused OK
  // (empty: no check).
  CDlgReservaCanarias(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo,
                      std::size_t tamanoEntrada, int campos, std::vector<int> ids,
                      const std::vector<std::string_view>& cabeceras, std::string_view nota,
                      std::string_view mensaje);
  marco::SEnlaceControl EnlaceFila(int fila, SEntradaTitular& entrada) override;
  // Whether an entry's amounts pass the check of OK.
  virtual bool EntradaCorrecta(const SEntradaTitular& entrada) const;

 private:
  int m_nCamposExtra;
  std::string_view m_mensaje;
};

// IDD 204: the amount of the allocation and the returns obtained in the Canary Islands; no check.
class CDlgReservaCanariasRendimientos : public CDlgReservaCanarias {
 public:
  explicit CDlgReservaCanariasRendimientos(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// IDD 1602: invested in 1999 plus still to invest may not exceed the allocation (100R195).
class CDlgDotacionCanarias : public CDlgReservaCanarias {
 public:
  explicit CDlgDotacionCanarias(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  bool EntradaCorrecta(const SEntradaTitular& entrada) const override;
};

// IDD 202: invested in 1999 may not exceed the allocation (100R194).
class CDlgReservaCanariasMaterializada : public CDlgReservaCanarias {
 public:
  explicit CDlgReservaCanariasMaterializada(wxWindow* padre, std::int32_t segundoParametro = 0);
};

void RegistrarDlgReservaCanarias();

}  // namespace dialogos
