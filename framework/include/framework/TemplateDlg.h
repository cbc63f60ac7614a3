// The base of every data-entry dialog: one look (the dialogs' font, locked fields black on pale yellow, the bitmap
// OK / Cancel / help buttons), one keyboard behaviour (Enter moves on, Esc closes, the arrows move between fields)
// and one event model (each box notification of a field edit becomes a call of one event operation, which the
// derived dialog overrides). It also keeps the lock rule of joint declarations: a dialog opened for one person
// while the declaration has a spouse or a first child is read-only, and its OK closes as Cancel.
//
// The class has no window: DoModal builds one from the layout (Plantilla()) and runs it; tests open it on
// simulated controls (DialogoSimulado.h). Derived dialogs describe their controls in their constructor, bind them
// in OnInitDialog after calling the base, and override the event operations. See docs/DIALOGOS.md.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/DialogoBase.h"
#include "framework/DocumentoServicios.h"

class wxWindow;

namespace marco {

class CTemplateDlg : public CDialogoBase {
 public:
  // `segundoParametro` is the box's second detail parameter (kept for the derived dialog).
  CTemplateDlg(int idRecurso, wxWindow* padre, std::int32_t segundoParametro = 0);
  ~CTemplateDlg() override;

  // Builds the window from the layout, runs it modally and gives the result: 1 OK, 2 Cancel (also when the
  // window could not be made).
  int DoModal();
  wxWindow* Padre() const { return m_pPadre; }

  // ---- what the launcher or the derived dialog sets before the run ----
  // The holder kind 0-6 (the first number after the dialog name of the box): chooses the holder hint.
  std::int32_t TipoTitular() const { return m_nTipoTitular; }
  void PonerTipoTitular(std::int32_t tipo) { m_nTipoTitular = tipo; }
  std::int32_t Parametro() const { return m_nTipoTitular; }
  void PonerParametro(std::int32_t parametro) { m_nTipoTitular = parametro; }
  std::int32_t SegundoParametro() const { return m_nSegundoParametro; }
  // The box's repetition count m.
  std::int32_t Repeticion() const { return m_nRepeticion; }
  void PonerRepeticion(std::int32_t repeticion) { m_nRepeticion = repeticion; }
  unsigned FlagsBotones() const { return m_nFlagsBotones; }
  void PonerFlagsBotones(unsigned flags) { m_nFlagsBotones = flags; }
  // What a detail launcher hands over: the box title, its repetition count, the person shown and whether the
  // spouse or the first child is present.
  void PrepararDialogo(std::string_view titulo, std::int32_t repeticion, std::int32_t sujeto,
                       std::int32_t conyugeOPrimerHijo);
  // The character typed into the box that opened the dialog (0: it was opened otherwise). It is not lost: once
  // the dialog is initialised it is typed into the dialog's field for it.
  unsigned CaracterInicial() const { return m_nCaracterInicial; }
  void PonerCaracterInicial(unsigned caracter) { m_nCaracterInicial = caracter; }
  // The field of the dialog's entries whose amounts the box that opened it shows (0: the box shows a total of the
  // whole block). Grids of entries give the character typed into the box to that field of the person's entry.
  std::int32_t CampoCasilla() const { return m_nCampoCasilla; }
  void PonerCampoCasilla(std::int32_t campo) { m_nCampoCasilla = campo; }

  // ---- the run ----
  // Bitmap buttons, caption, font, centring, the shared background and the lock rule. Derived dialogs call it
  // first. Gives 1.
  virtual int OnInitDialog();
  // A command: lParam 0 (a menu or accelerator command) gives 0 and does nothing; the box event codes go to the
  // event operations; any other code to the command handling (buttons 1 and 2 reach OnOK and OnCancel).
  virtual int OnCommand(std::uint32_t wParam, std::intptr_t lParam);
  // The normal OK (the dialog's exchange, end with 1) when the person code is 1 or the declaration has neither
  // spouse nor first child; otherwise the dialog ends with 2, so a locked dialog never stores values.
  void OnOK() override;
  // The close box (a page or a list dialog may mark that it is closing first): ends as Cancel.
  virtual void OnClose();

  // 1 unlocks every field edit (control id at least 1 and not 2); any other value disables them and makes them
  // read-only.
  void HabilitarEdiciones(int modo);
  // The person code is not the family unit while the declaration has a spouse or a first child.
  bool Bloqueado() const;
  // The hint listing the holder codes the user may type, by the holder kind and the persons present.
  std::string TextoAyudaTitular() const;
  // Moves the dialog to the middle of the main window, keeping its size.
  void CentrarEnVentanaPrincipal();

  // The Tab-or-Enter event (0x404) of a field; 0 here.
  virtual int AlTerminarCampo(int id);

  // Run once the dialog is initialised: the character typed into the box, when there is one, typed into the
  // field CampoParaCaracterInicial gives, which takes the focus with it, so that the keys typed after it follow
  // it there. Nothing when no field takes it (a locked dialog, a dialog without amounts); the character is
  // handed over once.
  void EntregarCaracterInicial();
  // The field that takes the character typed into the box (0: none), made ready for it. Here the amount field of
  // the person shown (the declarant when the whole family unit is shown) when the dialog named one for that person
  // and it is open, else the first amount field open for typing, in reading order.
  virtual int CampoParaCaracterInicial();
  // Dialogs with one amount field per person name them: the field of person `sujeto` (1 common ... 5 second child).
  void PonerCampoDeSujeto(std::int32_t sujeto, int id);
  // Whether field `id` is open for typing: it exists, is enabled and is not read-only.
  bool CampoAbierto(int id) const;

  // ---- the shared background of locked fields ----
  static int Instancias();
  // The background shared by the dialogs initialised and alive; null when there is none.
  static std::shared_ptr<const SPincelFondo> PincelCompartido();

 protected:
  int DespacharEvento(int codigo, int id) override;

 private:
  wxWindow* m_pPadre;
  std::int32_t m_nTipoTitular = 0;
  std::int32_t m_nSegundoParametro;
  std::int32_t m_nRepeticion = 1;
  unsigned m_nCaracterInicial = 0;
  std::int32_t m_nCampoCasilla = 0;
  std::array<int, kSujetoHijo2 + 1> m_camposDeSujeto{};
  unsigned m_nFlagsBotones = kBotonesPorDefecto;
  std::shared_ptr<const SPincelFondo> m_pincel;
};

}  // namespace marco
