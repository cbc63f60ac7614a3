#include "output/ImpresionImpresora.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/print.h>

#include <algorithm>
#include <cstring>

#include "output/DlgImprimir.h"
#include "output/ProgresoImpresion.h"
#include "platform/Texto.h"

namespace salida {

namespace {

wxString AWx(std::string_view texto1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto1252)); }

// The resolution the sheets of a printer are recorded at when its setup names none.
constexpr int kResolucionImpresoraPorDefecto = 600;

class CProgresoVentana : public IProgresoImpresion {
 public:
  explicit CProgresoVentana(wxWindow* padre) : m_pDialogo(new CDlgImprimiendo(padre)) {}
  ~CProgresoVentana() override { m_pDialogo->Destroy(); }
  void MostrarDocumento(std::string_view texto) override { m_pDialogo->MostrarDocumento(texto); }
  void MostrarPagina(std::string_view texto) override { m_pDialogo->MostrarPagina(texto); }

 private:
  CDlgImprimiendo* m_pDialogo;
};

class CInteraccionImpresionWx : public CInteraccionImpresion {
 public:
  explicit CInteraccionImpresionWx(wxWindow* padre) : m_pPadre(padre) {}

  bool PedirOpciones(CInfoImpresion& info) override {
    CDlgImprimir dialogo(Padre(), info, DatosImpresora());
    if (dialogo.ShowModal() != wxID_OK) return false;
    dialogo.Reglas().Aplicar(info);
    return true;
  }

  std::unique_ptr<CDestinoImpresion> CrearDestino(const CInfoImpresion& info) override {
    if (info.aFichero) return std::make_unique<CDestinoPdf>(info.rutaFichero, info.resolucionFichero);
    if (!DatosImpresora().IsOk()) return nullptr;
    const int calidad = DatosImpresora().GetQuality();
    return std::make_unique<CDestinoImpresoraWx>(Padre(), DatosImpresora(),
                                                 calidad > 0 ? calidad : kResolucionImpresoraPorDefecto);
  }

  std::unique_ptr<IProgresoImpresion> MostrarProgreso() override {
    return std::make_unique<CProgresoVentana>(Principal());
  }

  void HabilitarVentanaPrincipal(bool habilitar) override {
    if (wxWindow* principal = Principal()) principal->Enable(habilitar);
    if (habilitar) {
      if (wxWindow* principal = Principal()) principal->Raise();
    }
  }

  void BombearMensajes() override { salida::BombearMensajes(); }

 private:
  static wxPrintData& DatosImpresora() {
    // The printer chosen with "Instalar..." stays chosen for the next run.
    static wxPrintData datos;
    return datos;
  }
  static wxWindow* Principal() { return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr; }
  wxWindow* Padre() const { return m_pPadre != nullptr ? m_pPadre : Principal(); }

  wxWindow* m_pPadre;
};

}  // namespace

std::unique_ptr<CInteraccionImpresion> CrearInteraccionImpresionWx(wxWindow* padre) {
  return std::make_unique<CInteraccionImpresionWx>(padre);
}

SConfiguracionImpresora ConfiguracionDeWx(const wxPrintData& datos, int resolucionSupuesta) {
  SConfiguracionImpresora c;
  c.papel = datos.GetPaperId() == wxPAPER_A4 ? kPapelA4 : static_cast<int>(datos.GetPaperId()) + 1000;
  c.orientacion = datos.GetOrientation() == wxLANDSCAPE ? kOrientacionApaisada : kOrientacionVertical;
  switch (datos.GetDuplex()) {
    case wxDUPLEX_VERTICAL:
      c.duplex = kDuplexVertical;
      break;
    case wxDUPLEX_HORIZONTAL:
      c.duplex = kDuplexHorizontal;
      break;
    default:
      c.duplex = kDuplexSimple;
      break;
  }
  c.calidad = datos.GetQuality();
  c.resolucionY = c.calidad > 0 ? c.calidad : resolucionSupuesta;
  return c;
}

// ---- playing the sheets ----

cairo_t* ContextoCairoDeDC(wxDC& dc) {
  if (wxDCImpl* impl = dc.GetImpl()) {
    if (void* cairo = impl->GetCairoContext()) return static_cast<cairo_t*>(cairo);
  }
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) {
    if (gc->GetRenderer() != nullptr && gc->GetRenderer()->GetName() == "cairo") {
      return static_cast<cairo_t*>(gc->GetNativeContext());
    }
  }
  return nullptr;
}

bool DibujarHojaEnDC(wxDC& dc, const CHojaGrabada& hoja, wxSize pagina) {
  if (pagina.x <= 0 || pagina.y <= 0) return false;
  if (cairo_t* cr = ContextoCairoDeDC(dc)) {
    // The surface's context maps its logical units already; the sheet is stretched over the page in them.
    if (auto* gc = dc.GetGraphicsContext(); gc != nullptr && gc->GetNativeContext() == cr) gc->Flush();
    return hoja.Reproducir(cr, pagina.x, pagina.y);
  }
  // No context to draw on: an image of the sheet at up to 200 dots per inch of an A4 width.
  const double factor = std::min(1.0, 1654.0 / std::max(1, hoja.Tamano().cx));
  const int ancho = std::max(1, static_cast<int>(hoja.Tamano().cx * factor));
  const int alto = std::max(1, static_cast<int>(hoja.Tamano().cy * factor));
  cairo_surface_t* imagen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, ancho, alto);
  cairo_t* cr = cairo_create(imagen);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  const bool bien = hoja.Reproducir(cr, ancho, alto);
  cairo_destroy(cr);
  cairo_surface_flush(imagen);
  wxImage wx(ancho, alto, false);
  const unsigned char* datos = cairo_image_surface_get_data(imagen);
  const int paso = cairo_image_surface_get_stride(imagen);
  unsigned char* rgb = wx.GetData();
  for (int y = 0; y < alto; ++y) {
    for (int x = 0; x < ancho; ++x) {
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, datos + y * paso + x * 4, 4);
      unsigned char* destino = rgb + (static_cast<std::size_t>(y) * ancho + x) * 3;
      destino[0] = static_cast<unsigned char>((pixel >> 16) & 0xFF);
      destino[1] = static_cast<unsigned char>((pixel >> 8) & 0xFF);
      destino[2] = static_cast<unsigned char>(pixel & 0xFF);
    }
  }
  cairo_surface_destroy(imagen);
  if (!bien) return false;
  wx.Rescale(pagina.x, pagina.y, wxIMAGE_QUALITY_HIGH);
  dc.DrawBitmap(wxBitmap(wx), 0, 0);
  return true;
}

CPrintoutHojas::CPrintoutHojas(const wxString& titulo, const std::vector<CHojaGrabada>& hojas)
    : wxPrintout(titulo), m_hojas(hojas) {}

bool CPrintoutHojas::HasPage(int pagina) { return pagina >= 1 && pagina <= static_cast<int>(m_hojas.size()); }

void CPrintoutHojas::GetPageInfo(int* minimo, int* maximo, int* desde, int* hasta) {
  const int n = static_cast<int>(m_hojas.size());
  *minimo = n > 0 ? 1 : 0;
  *maximo = n;
  *desde = *minimo;
  *hasta = n;
}

bool CPrintoutHojas::OnPrintPage(int pagina) {
  wxDC* dc = GetDC();
  if (dc == nullptr || !HasPage(pagina)) return false;
  int ancho = 0;
  int alto = 0;
  GetPageSizePixels(&ancho, &alto);
  return DibujarHojaEnDC(*dc, m_hojas[static_cast<std::size_t>(pagina - 1)], wxSize(ancho, alto));
}

CDestinoImpresoraWx::CDestinoImpresoraWx(wxWindow* padre, const wxPrintData& datos, int ppp)
    : CDestinoGrabado(ConfiguracionDeWx(datos, ppp), TamanoA4(ppp), ppp,
                      plataforma::Utf8ACp1252(datos.GetPrinterName().utf8_string()), std::string()),
      m_pPadre(padre), m_datos(datos) {}

bool CDestinoImpresoraWx::Entregar() {
  if (Hojas().empty()) return true;
  wxPrintDialogData datos(m_datos);
  datos.SetMinPage(1);
  datos.SetMaxPage(static_cast<int>(Hojas().size()));
  datos.SetAllPages(true);
  wxPrinter impresora(&datos);
  CPrintoutHojas printout(AWx(Titulo()), Hojas());
  return impresora.Print(m_pPadre, &printout, false);
}

}  // namespace salida
