// The program's side of a print run: the print dialog, the progress window, the main window disabled around the
// pages, and the two destinations the user may choose: a PDF file, or a printer through wxWidgets printing. For a
// printer the sheets are recorded as vector drawing while the run goes, and once the job ends they are played,
// one per printed page, on the cairo context of the printer's page (wxPrinter with a wxPrintout), so the printer
// gets exactly what the PDF would hold.
#pragma once

#include <wx/cmndata.h>
#include <wx/prntbase.h>

#include <memory>
#include <vector>

#include "output/ImpreVista.h"

class wxWindow;

namespace salida {

// The interaction of the program's windows; the printer setup is kept for the whole run of the program.
std::unique_ptr<CInteraccionImpresion> CrearInteraccionImpresionWx(wxWindow* padre);

// What a wxWidgets printer setup reports, in the terms of the checks (paper 9 = A4, orientation, two-sided mode,
// quality); the y resolution is the quality when that is a resolution, else `resolucionSupuesta`.
SConfiguracionImpresora ConfiguracionDeWx(const wxPrintData& datos, int resolucionSupuesta);

// A printout that plays recorded sheets, one per page.
class CPrintoutHojas : public wxPrintout {
 public:
  CPrintoutHojas(const wxString& titulo, const std::vector<CHojaGrabada>& hojas);

  bool HasPage(int pagina) override;
  void GetPageInfo(int* minimo, int* maximo, int* desde, int* hasta) override;
  bool OnPrintPage(int pagina) override;

 private:
  const std::vector<CHojaGrabada>& m_hojas;
};

// Draws a sheet on any wxWidgets drawing surface of a printout: on the surface's own cairo context when it lends
// one (printer pages, and the preview under GTK 3), else through an image of the sheet. `pagina` is the sheet's
// size in the surface's logical units.
bool DibujarHojaEnDC(wxDC& dc, const CHojaGrabada& hoja, wxSize pagina);

// The cairo context a wxWidgets drawing surface lends, or none.
cairo_t* ContextoCairoDeDC(wxDC& dc);

// A printer destination: records the sheets and, when the job ends, prints them with the setup given.
class CDestinoImpresoraWx : public CDestinoGrabado {
 public:
  CDestinoImpresoraWx(wxWindow* padre, const wxPrintData& datos, int puntosPorPulgada);

 protected:
  bool Entregar() override;

 private:
  wxWindow* m_pPadre;
  wxPrintData m_datos;
};

}  // namespace salida
