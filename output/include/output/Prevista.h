// The draft presentation ("Presentación borrador"): a view that shows the declaration's form pages as printing
// would draw them, marked as a draft, in the print preview of wxWidgets. The document makes the view and sends it
// the draft command; the view opens the preview window, which is its frame, and goes when that window closes.
#pragma once

#include <wx/docview.h>
#include <wx/prntbase.h>

#include <memory>

#include "output/BorradorReglas.h"

namespace salida {

// The draft command (ID_FILE_PRINT_PREVIEW) and the text shown when the preview cannot start.
inline constexpr int kComandoBorradorVista = 57609;
inline constexpr std::string_view kTextoFalloComando = "Fall\xF3 el comando.";

class CPrevista : public wxView {
 public:
  CPrevista();
  ~CPrevista() override;

  bool OnCreate(wxDocument* documento, long banderas) override;
  void OnDraw(wxDC* dc) override;
  bool OnClose(bool borrarVentana) override;

  // The draft command: the preview window; false (after "Falló el comando.") when it cannot start.
  bool OnPresentacionBorrador();

  // What the view reads of the declaration: the document's own when it gives it, else CFuenteBorradorMarco.
  IFuenteBorrador* Fuente();
  void PonerFuente(std::unique_ptr<IFuenteBorrador> fuente);
  // The preview pages, worked out when the preview starts.
  const CPaginasBorrador& Paginas() const { return m_paginas; }
  void CalcularPaginas();
  // Draws preview page n on a canvas of one page (device units = dots). 0 when n is no page.
  int DibujarPagina(plataforma::CLienzo& lienzo, int n);

 private:
  void AlMenu(wxCommandEvent& evento);

  std::unique_ptr<IFuenteBorrador> m_pFuentePropia;
  CPaginasBorrador m_paginas;

  wxDECLARE_DYNAMIC_CLASS(CPrevista);
};

// The printout of the draft: one preview page per printed page.
class CPrintoutBorrador : public wxPrintout {
 public:
  explicit CPrintoutBorrador(CPrevista& vista);
  bool HasPage(int pagina) override;
  void GetPageInfo(int* minimo, int* maximo, int* desde, int* hasta) override;
  bool OnPrintPage(int pagina) override;

 private:
  CPrevista& m_vista;
};

// The preview window of the draft: closing it closes the draft view too.
class CMyPreviewView : public wxPreviewFrame {
 public:
  CMyPreviewView(wxPrintPreviewBase* preview, wxWindow* padre, CPrevista* vista);
  ~CMyPreviewView() override;
  // Forgets the view (it is going by itself).
  void SoltarVista() { m_pVista = nullptr; }

 private:
  CPrevista* m_pVista;
};

}  // namespace salida
