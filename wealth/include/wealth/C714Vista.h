// The base of the twelve page views of form D-714: a page view of the open wealth-tax declaration that owns the
// page's box array (made by each page class), loads and binds its boxes when the page is set up, draws them over the
// page and commits the focused box before the page changes. Every box name belongs to the wealth-tax pages.
//
// The page classes PAT001 ... PAT012 (PAT0Paginas.h) add their page id and name, their box array and their rules
// between boxes; the rules that need no window are in PAT0Reglas.h and Enlace714.h.
#pragma once

#include <memory>
#include <string_view>

#include "framework/Prog32View.h"
#include "wealth/Enlace714.h"

namespace marco {
class CBaseDatos;
}

namespace patrimonio {

class C714Doc;

class C714Vista : public marco::CProg32View {
 public:
  C714Vista() = default;
  ~C714Vista() override;

  C714Doc* DameDocumento714() const;
  CControlesPAT* DameControles() const { return m_pControles.get(); }
  // The page's name ("PAT001"); empty in the base.
  virtual std::string_view NombrePagina() const { return {}; }

  // ---- the page view's operations ----
  // Commits the focused box: a modified edit's text is stored and the page's check runs; the edit shows its box's
  // value again.
  void ConfirmarCampoActivo() override;
  marco::CCampo* DameCampo(int indice) override;
  int NumeroCampos() override;
  void RecargarCoordenadas(double escala) override;
  int EsCampoPropio(std::string_view) const { return 1; }
  using marco::CProg32View::EsCampoPropio;
  int CampoPierdeFoco(int) override { return 1; }
  int ComprobarCampo(int) override { return 1; }
  // The base set-up, then the page's boxes loaded from the local database and bound to the declaration: 0 when they
  // cannot be loaded, else the base result.
  int PrepararPagina() override;
  // Every box's text from its bound value; 1.
  int PrepararCampos() override;
  void DibujarCampos(plataforma::CLienzo& lienzo, int scrollX, int scrollY) override;
  // The page hook of the box array, with 1.
  virtual void AvisarPagina();

  // Loads and binds the page's boxes (page id of the class, scale, database; null: the local one). 1 loaded.
  int CargarCampos(double escala, marco::CBaseDatos* baseDatos);

 protected:
  void PonerControles(std::unique_ptr<CControlesPAT> controles) { m_pControles = std::move(controles); }
  DatosPatrimonio* Datos() const;
  // The liquidation-only recalculation of the document and the refresh of the page.
  void RecalcularLiquidacion();
  // A box's text rebuilt and drawn again (by number).
  void RedibujarCampo(int numero);

 private:
  std::unique_ptr<CControlesPAT> m_pControles;

  wxDECLARE_ABSTRACT_CLASS(C714Vista);
};

}  // namespace patrimonio
