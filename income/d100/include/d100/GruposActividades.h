// What pages ORD005 and ORD006 of the ordinary form D-100 share beyond the groups (GruposPagina.h): one group of
// activities whose income is worked out by modules (four rows, two shown, a third or fourth on a supplementary
// sheet), each row with its activity code or key, its holder and an information button; a row stored is followed
// by the section's calculation. Each page gives what differs in an SPaginaActividades, and its own rules of which
// boxes take input, where a box binds and how a typed value is checked.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "d100/GruposPagina.h"

class wxWindow;

namespace ordinaria {

// The pages' one group, of activities.
inline constexpr int kGrupoActividades = 997;
// The command ids of the group buttons and of the information buttons of the shown rows (row j: + j).
inline constexpr int kComandoBotonesActividades = 998;
inline constexpr int kComandoInfoActividad = 1002;

struct SPaginaActividades {
  // The page's groups (one), boxes and tables.
  SPaginaGrupos composicion{};
  // The note under the page's heading.
  int casillaNota = 0;
  std::string_view nota{};
  // The group's id and the section's calculation (the export and its instance).
  int grupo = 0;
  decltype(&Calculos100D) recalculo::FuncionesRenta::*seccion = nullptr;
  int instancia = 0;
  // NavegarGrupo's actions, which are the row table's orders of the same number: store a row, delete a row whose
  // code was emptied, load it again; and a holder change, which empties what the other holder entered (order
  // `borrarTitular`) and stores the row with mark `marcaGuardarTitular`.
  int accionGuardar = 0;
  int accionSuprimir = 0;
  int accionRecargar = 0;
  int accionTitular = 0;
  int borrarTitular = 0;
  int marcaGuardarTitular = 0;
  // Whether a row stored or loaded again binds the group again (a code chosen or emptied shows or hides the rest of
  // its row; the store answers with the table's result), or only sets the group's read-only states (answer 0).
  bool enlazarTrasGuardar = false;
  // The field of the activity's code or key; a row without it is empty.
  int campoCodigo = 0;
  // The fields whose value changed (campoCalcula), set through its window (campoConfirma) or typed (campoTecleado)
  // store the row and calculate the section.
  bool (*campoCalcula)(int campo) = nullptr;
  bool (*campoConfirma)(int campo) = nullptr;
  bool (*campoTecleado)(int campo) = nullptr;
  bool (*filaRellena)(const unsigned char* fila) = nullptr;
  std::size_t despTitular = 0;  // the holder byte of a row
  // The information dialog (as the detail-dialog registry knows it): the row's block it edits and its first
  // parameter.
  std::string_view ventanaInfo{};
  std::size_t inicioInfo = 0;
  std::size_t largoInfo = 0;
  std::int32_t (*parametroInfo)(const unsigned char* fila) = nullptr;
  // The view: the box above which the group buttons stand, the box each shown row's information button stands
  // right of, and the box that takes the focus after the dialog.
  int casillaBotonesGrupo = 0;
  std::array<int, 2> casillasBotonInfo{};
  std::array<int, 2> casillasTrasInfo{};
};

class CControlesActividades : public CControlesGrupos {
 public:
  explicit CControlesActividades(const SPaginaActividades& pagina);
  const SPaginaActividades& Pagina() const { return m_pagina; }
  int FilasPorHoja() const override { return 2; }
  // The activities (a code chosen) of the person shown: the family unit counts every one.
  int ContarHojas() override;
  // The information dialog of shown row `fila`, as its button opens it: the dialog's result; 0 when none opened.
  virtual int AbrirInfo(int fila, wxWindow* padre) = 0;

 protected:
  // ---- the box events ----
  // A code changed: the row stored, deleted when the code was emptied, the section calculated (and a row kept
  // loaded again); a holder changed: what the other holder entered goes, the row stored and calculated; a value
  // CampoCalcula names: the row stored and calculated.
  void AlCambiarCasilla(const SCasillaGrupo& casilla) override;
  // The code or a value CampoConfirma names, set through its window: the row stored and calculated; 1.
  int AlConfirmarCasilla(const SCasillaGrupo& casilla) override;
  // The code or the holder typed: the row stored; a value campoTecleado names: the page's ComprobarTecleado.
  int AlComprobarCasilla(const SCasillaGrupo& casilla) override;
  // The check of a typed value of a row (the row stored and calculated on the way): 0 refuses it, else 1.
  virtual int ComprobarTecleado(const SCasillaGrupo& casilla) = 0;
  // A check's warning that a deduction is too high: 0 when the user chose to correct it, else 1.
  static int AvisarMinoracion(std::string_view codigo);

  int AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) override;
  // A page's own further action; 0.
  virtual int AccionPropia(renta::CFilasApartadoF& /*filas*/, int /*fila*/, int /*accion*/, int /*extra*/) { return 0; }

  // The read-only states of each shown row's boxes: all locked while the group may not be written; otherwise the
  // page's CasillaLibre says which are open.
  void SoloLecturaGrupo(int grupo) override;
  struct SFilaActividad {
    int fila = 0;
    const unsigned char* datos = nullptr;  // the working row
    bool rellena = false;                  // it has a code
    bool abierta = false;                  // a code and a holder
    bool anteriorAbre = false;             // the row above is open (the first row's is)
  };
  // Whether box `numero` (field `campo`) of a shown row takes input.
  virtual bool CasillaLibre(const SFilaActividad& fila, int campo, int numero) = 0;

  // The header and the note.
  void EnlazarFijas() override;
  // The section's calculation, and a row stored, calculated and loaded again.
  void CalcularSeccion();
  void GuardarYCalcular(int fila);
  // The information dialog of shown row `fila` (with a code and a holder) run on a copy of the row's block, which
  // it leaves in `copia`: the dialog's answer; none when no dialog was opened.
  std::optional<int> AbrirInfoFila(int fila, wxWindow* padre, std::vector<unsigned char>& copia);

 private:
  const SPaginaActividades& m_pagina;
};

// The view of these pages: the group's buttons and the information buttons of the shown rows.
class CVistaActividades : public CVistaGrupos {
 protected:
  CControlesActividades* Actividades() const;
  int PrimerComando() const override { return kComandoBotonesActividades; }
  std::span<const int> CasillasBotones() const override;
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  // The information dialog (a person's view with a spouse or children is warned first); on OK the document is
  // modified and the page's TrasInfoAceptada runs; the focus goes back to the row's box.
  void PulsarBotonFila(int fila) override;
  virtual void TrasInfoAceptada(int fila) = 0;
};

}  // namespace ordinaria
