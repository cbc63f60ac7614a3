// The base of the wizard pages: the look, keyboard and event model of the dialog base (CTemplateDlg) for a page
// of a wizard sheet. Its event operations are reached by the same box event codes except 0x404 (Tab or Enter),
// which a page does not route; F1 asks for the program's help; every disabled control is drawn black on pale
// yellow. The page has no window of its own: CrearVentana makes it as a child of the sheet (see
// DialogoVentana.h), tests open it on simulated controls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/DialogoBase.h"

class wxWindow;

namespace marco {

class CTemplatePropPg : public CDialogoBase {
 public:
  explicit CTemplatePropPg(int idRecurso, std::string_view titulo = {});
  ~CTemplatePropPg() override;

  // Makes the page's window inside `padre` (the sheet's page area) from the layout and initialises it; null
  // when it cannot be made. The window belongs to `padre`.
  wxWindow* CrearVentana(wxWindow* padre);

  // The page's initialisation: the dialog exchange, the font, the page background (made once). Gives 1.
  virtual int OnInitDialog();
  // As the dialog's, without the Tab-or-Enter event.
  virtual int OnCommand(std::uint32_t wParam, std::intptr_t lParam);
  // Keys before the page's controls see them: F1 calls Ayuda and is taken (1); others 0.
  virtual int PreTranslateTecla(int tecla);
  // Help: the program's help on context 1.
  virtual void Ayuda();

  // The sheet's buttons act on pages; OK and Cancel have no meaning inside a page.
  void OnOK() override {}
  void OnCancel() override {}

  std::int32_t Valor() const { return m_nValor; }
  void PonerValor(std::int32_t valor) { m_nValor = valor; }

  static int Instancias();
  static std::shared_ptr<const SPincelFondo> PincelCompartido();
  // The page background exists.
  static bool HayPincel() { return PincelCompartido() != nullptr; }

 protected:
  int DespacharEvento(int codigo, int id) override;

 private:
  std::int32_t m_nValor = -1;
  std::shared_ptr<const SPincelFondo> m_pincel;
};

}  // namespace marco
