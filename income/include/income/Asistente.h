// The wizard sheet: a modal sheet of wizard pages (CTemplatePropPg) shown one at a time, with the buttons
// "Aplicar" (finish), "Atrás", "Siguiente", "Cancelar" and "Ayuda" and the title "<title> - Paso <n> de <m>".
// The rules live here without a window: the active page, the page movement, the state of the buttons, the title
// and the result. The window (AsistenteVentana.cpp) makes every page's window at once inside its page area, shows
// the active one and hands its buttons and its close box to OnBoton. Tests drive the rules directly, with the pages
// opened on simulated controls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class wxWindow;

namespace marco {
class CTemplatePropPg;
}

namespace renta {

// The buttons of the sheet (control ids).
inline constexpr int kBotonAtras = 504;
inline constexpr int kBotonAplicar = 505;  // finish
inline constexpr int kBotonCancelarAsistente = 506;
inline constexpr int kBotonSiguiente = 507;
inline constexpr int kBotonAyudaAsistente = 508;

// The page-movement commands: back or forward by the argument's number of pages.
inline constexpr int kMoverAtras = 511;
inline constexpr int kMoverAdelante = 512;

// Results of the sheet.
inline constexpr int kAsistenteAbierto = 0;
inline constexpr int kAsistenteTerminado = 1;
inline constexpr int kAsistenteCancelado = 2;

// The focus order of the sheet: the controls of the active page in the order of its layout (reading order), then
// the sheet's buttons. `tomanFoco` says of each stop in that order whether it takes the focus now (shown, enabled,
// reachable from the keyboard); `actual` is the stop that has it (-1: none). The stop Tab (or Shift+Tab, `atras`)
// moves to, wrapping around; -1 when no stop takes the focus.
int SiguienteParadaTabulador(const std::vector<bool>& tomanFoco, int actual, bool atras);

// The window side of the sheet, as the rules see it.
class CVentanaAsistente {
 public:
  virtual ~CVentanaAsistente() = default;
  virtual void MostrarPagina(int indice) = 0;
  virtual void PonerTitulo(std::string_view titulo) = 0;
  virtual void HabilitarBoton(int boton, bool habilitar) = 0;
  // Ends the modal run.
  virtual void Terminar(int resultado) = 0;
  // Control `id` of page `pagina` (the active one) is the one the user is asked to review: it gets the focus and
  // its text is selected, also once the message that asked has gone.
  virtual void Senalar(int /*pagina*/, int /*id*/) {}
};

class CAsistente {
 public:
  // `titulo` is Windows-1252.
  CAsistente(std::string_view titulo, wxWindow* padre);
  virtual ~CAsistente();
  CAsistente(const CAsistente&) = delete;
  CAsistente& operator=(const CAsistente&) = delete;

  // Pages are shown in the order they are added; the sheet borrows them.
  void AnadirPagina(marco::CTemplatePropPg& pagina);
  int NumeroPaginas() const { return static_cast<int>(m_paginas.size()); }
  marco::CTemplatePropPg& Pagina(int indice) const { return *m_paginas.at(static_cast<std::size_t>(indice)); }
  int PaginaActiva() const { return m_nActiva; }
  const std::string& Titulo() const { return m_strTitulo; }
  // "<title> - Paso <active + 1> de <pages>".
  std::string TituloVentana() const;
  // Back is enabled past the first page, Siguiente before the last; Aplicar, Cancelar and Ayuda always.
  bool BotonHabilitado(int boton) const;

  // A button of the sheet (also the close box, as Cancelar). The sheet's own handling: Atrás and Siguiente move
  // one page, Aplicar stores every page's fields and ends with 1, Cancelar ends with 2, Ayuda asks the active page
  // for its help. 1 when the button was handled.
  virtual int OnBoton(int boton);
  // Moves `argumento` pages back (kMoverAtras) or forward (kMoverAdelante), within the first and the last page:
  // the page left stores its fields, the page entered shows the values again. 1 moved, 0 not.
  virtual int MoverPagina(int comando, int argumento);

  // Points the user at control `id` of page `pagina`: that page becomes the active one and the control gets the
  // focus, its text selected.
  void SenalarCampo(int pagina, int id);

  // The result: 0 while the sheet runs, 1 finished, 2 cancelled.
  int Resultado() const { return m_nResultado; }
  // Shows the sheet modally over its parent (pages made from their layouts); its result (2 without a display).
  int DoModal();

  void AsociarVentana(CVentanaAsistente* ventana);
  CVentanaAsistente* Ventana() const { return m_pVentana; }
  wxWindow* Padre() const { return m_pPadre; }

 protected:
  // Every page's fields into their values (pages without a window have nothing to store).
  void RecogerPaginas();
  void Terminar(int resultado);
  // A page became the active one (after it showed its values): nothing here.
  virtual void AlMostrarPagina(int indice);

 private:
  void Refrescar();

  std::string m_strTitulo;
  wxWindow* m_pPadre;
  std::vector<marco::CTemplatePropPg*> m_paginas;
  int m_nActiva = 0;
  int m_nResultado = kAsistenteAbierto;
  CVentanaAsistente* m_pVentana = nullptr;
};

}  // namespace renta
