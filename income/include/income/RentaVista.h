// The base of every screen and printed page of the income-tax forms: a page view that owns the page's box array
// (made by each page class), binds its boxes to the open income-tax declaration when the page is set up, marks the
// declaration-wide boxes, draws the boxes over the page and commits the focused box before the page changes.
//
// What needs no window (marking the declaration-wide boxes, the box that keeps the focus after a commit, drawing
// the boxes on a canvas) is in the free functions below, which the view forwards to.
#pragma once

#include <memory>
#include <string_view>

#include "framework/ControlesPagina.h"
#include "framework/Prog32View.h"

namespace plataforma {
class CLienzo;
}

class wxButton;

namespace renta {

class CRentaDoc;

// Each box's mark (CCampo::Marca) := 1 when its name is a declaration-wide box (EsCampoPropio), else 0.
void MarcarCamposPropios(marco::CControlesPagina& controles);

// The box that holds the focus after the box at `indice` was committed: that box when it is editable, otherwise
// the next editable one after it (wrapping round); -1 when none is editable or the index is outside the page.
int IndiceTrasConfirmar(const marco::CControlesPagina& controles, int indice);

// Every box of the page on a canvas at a scroll position: its frame (the active box highlighted), its text
// rebuilt from the bound value, then drawn.
void DibujarCamposPagina(marco::CControlesPagina& controles, plataforma::CLienzo& lienzo, int scrollX, int scrollY,
                         int indiceActivo);

class CRentaVista : public marco::CProg32View {
 public:
  CRentaVista() = default;
  ~CRentaVista() override;

  CRentaDoc* DameDocumentoRenta() const;
  marco::CControlesPagina* DameControles() const { return m_pControles.get(); }

  // ---- the page view's operations ----
  // Commits the focused box: a modified edit's text is stored in its box and checked; the page's boxes are
  // refreshed; the edit shows its box's value again, and the focus goes on when its box is not editable.
  void ConfirmarCampoActivo() override;
  marco::CCampo* DameCampo(int indice) override;
  int NumeroCampos() override;
  // The boxes' rectangles read again for the page at the new box scale.
  void RecargarCoordenadas(double escala) override;
  using marco::CProg32View::EsCampoPropio;
  // 1 when the box name is a declaration-wide box.
  int EsCampoPropio(std::string_view nombre) const;
  // The base set-up, then the boxes of the page id loaded into the array (bound to the declaration) and the
  // declaration-wide ones marked. The base result.
  int PrepararPagina() override;
  // Every box's text from its bound value; 1.
  int PrepararCampos() override;
  void DibujarCampos(plataforma::CLienzo& lienzo, int scrollX, int scrollY) override;
  // The page hook of the box array, with 1.
  virtual void AvisarPagina();
  void MarcarCamposPropios();

 protected:
  // The page class's box array, made by the page class before the page is set up.
  void PonerControles(std::unique_ptr<marco::CControlesPagina> controles) { m_pControles = std::move(controles); }
  // The moving of a group's window of rows by its buttons. Before: a modified focused box is committed and checked
  // (false when its value was refused: nothing moves). After: the focused box shows its new row's value and keeps
  // the focus, and a box the new row locks gives the focus back upwards.
  bool ConfirmarAntesDeMover();
  void EnfocarTrasMover();
  // A small flat button of the page window (which owns it) with command `id`, label (UTF-8) and tooltip (Windows-1252,
  // shown in the interface language); none while the view has no window.
  wxButton* CrearBotonPagina(int id, std::string_view texto, std::string_view ayuda);

 private:
  std::unique_ptr<marco::CControlesPagina> m_pControles;

  wxDECLARE_ABSTRACT_CLASS(CRentaVista);
};

}  // namespace renta
