#include "framework/LogoStatic.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/log.h>

#include <algorithm>
#include <climits>
#include <system_error>

#include "framework/BotonImagenes.h"
#include "platform/Texto.h"

namespace marco {

namespace {

wxString ATextoVentana(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

wxRect ARect(SRectBoton r) { return {r.x, r.y, r.ancho, r.alto}; }

// A picture as plain opaque pixels: transparent parts (alpha or mask) are laid over the background colour.
wxImage Opaca(const wxImage& origen, const wxColour& fondo) {
  wxImage imagen = origen.Copy();
  if (imagen.HasMask()) imagen.InitAlpha();
  if (!imagen.HasAlpha()) return imagen;
  const int ancho = imagen.GetWidth();
  const int alto = imagen.GetHeight();
  for (int y = 0; y < alto; ++y) {
    for (int x = 0; x < ancho; ++x) {
      const int a = imagen.GetAlpha(x, y);
      auto mezcla = [a](int c, int f) { return static_cast<unsigned char>((c * a + f * (255 - a) + 127) / 255); };
      imagen.SetRGB(x, y, mezcla(imagen.GetRed(x, y), fondo.Red()), mezcla(imagen.GetGreen(x, y), fondo.Green()),
                    mezcla(imagen.GetBlue(x, y), fondo.Blue()));
    }
  }
  imagen.ClearAlpha();
  return imagen;
}

}  // namespace

wxImage CargarDibujoLogo(const std::filesystem::path& carpeta, std::string_view nombre) {
  const std::optional<std::filesystem::path> ruta = RutaDibujoLogo(carpeta, nombre);
  if (!ruta) return {};
  std::error_code error;
  if (!std::filesystem::is_regular_file(*ruta, error)) return {};
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxLogNull sinAvisos;  // a damaged file gives an invalid image, not an error box
  wxImage imagen;
  if (!imagen.LoadFile(wxString(ruta->native().c_str(), *wxConvFileName), wxBITMAP_TYPE_PNG)) return {};
  if (!imagen.IsOk() || imagen.GetWidth() <= 0 || imagen.GetHeight() <= 0) return {};
  return imagen;
}

CLogoStatic::CLogoStatic() { Iniciar(); }

CLogoStatic::CLogoStatic(wxWindow* padre, wxWindowID id, const wxPoint& posicion, const wxSize& tamano,
                         long estilo) {
  Iniciar();
  Create(padre, id, posicion, tamano, estilo);
}

CLogoStatic::~CLogoStatic() { m_temporizador.Stop(); }

void CLogoStatic::Iniciar() {
  m_temporizador.SetOwner(this, kIdTemporizadorLogo);
  m_carpeta = CImagenesBoton::DelPrograma().Carpeta();
}

bool CLogoStatic::Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion, const wxSize& tamano,
                         long estilo) {
  // Everything is drawn from the off-screen image: the background is never erased, so the control never
  // flickers.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxControl::Create(padre, id, posicion, tamano, estilo, wxDefaultValidator, "korvelixLogo")) return false;
  Bind(wxEVT_TIMER, &CLogoStatic::OnTemporizador, this);
  Bind(wxEVT_PAINT, &CLogoStatic::OnPintar, this);
  Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
  Bind(wxEVT_SIZE, &CLogoStatic::OnTamano, this);
  Bind(wxEVT_DESTROY, &CLogoStatic::OnDestruir, this);
  return true;
}

void CLogoStatic::PonerTexto(std::string_view texto, char separador) {
  m_reglas.PonerTexto(texto, separador);
  SincronizarImagen();
  Refresh(false);
}

bool CLogoStatic::PonerModo(int modo, unsigned intervaloMs) { return m_reglas.PonerModo(modo, intervaloMs); }

bool CLogoStatic::PonerColor(int indice, ColorLogo color) { return m_reglas.PonerColor(indice, color); }

int CLogoStatic::IniciarAnimacion() {
  const int resultado = m_reglas.IniciarAnimacion(*this);
  SincronizarImagen();
  Refresh(false);
  return resultado;
}

void CLogoStatic::PonerCarpetaDibujos(std::filesystem::path carpeta) {
  m_carpeta = std::move(carpeta);
  m_dibujos.clear();
}

unsigned CLogoStatic::IniciarTemporizador(unsigned id, unsigned intervaloMs) {
  m_temporizador.SetOwner(this, static_cast<int>(id));
  const int intervalo = static_cast<int>(std::min<unsigned>(intervaloMs, INT_MAX));
  return m_temporizador.Start(intervalo) ? id : 0;
}

wxFont CLogoStatic::FuenteDe(SFuenteLogo fuente) const {
  if (fuente.alto <= 0) return GetFont();
  return wxFont(wxFontInfo(wxSize(0, fuente.alto)).FaceName("Arial").Weight(fuente.peso));
}

STamanoLogo CLogoStatic::MedirTexto(std::string_view texto, SFuenteLogo fuente) {
  const wxFont letra = FuenteDe(fuente);
  int ancho = 0;
  int alto = 0;
  if (texto.empty()) {
    GetTextExtent("W", &ancho, &alto, nullptr, nullptr, &letra);
    return {0, alto};
  }
  GetTextExtent(ATextoVentana(texto), &ancho, &alto, nullptr, nullptr, &letra);
  return {ancho, alto};
}

const wxImage& CLogoStatic::Dibujo(std::string_view nombre) {
  auto it = m_dibujos.find(nombre);
  if (it == m_dibujos.end()) it = m_dibujos.emplace(std::string(nombre), CargarDibujoLogo(m_carpeta, nombre)).first;
  return it->second;
}

std::optional<STamanoLogo> CLogoStatic::TamanoDibujo(std::string_view nombre) {
  const wxImage& imagen = Dibujo(nombre);
  if (!imagen.IsOk()) return std::nullopt;
  return STamanoLogo{imagen.GetWidth(), imagen.GetHeight()};
}

SRectBoton CLogoStatic::Cliente() const {
  const wxSize tamano = GetClientSize();
  return {0, 0, tamano.x, tamano.y};
}

wxColour CLogoStatic::ColorDe(int indice) const {
  if (indice < 0 || indice >= CLogoStaticReglas::kColores) return GetForegroundColour();
  const ColorLogo c = m_reglas.Color(indice);
  return {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF),
          static_cast<unsigned char>((c >> 16) & 0xFF)};
}

void CLogoStatic::SincronizarImagen() {
  if (!m_reglas.HayImagen() && m_imagen.IsOk()) m_imagen = wxBitmap();
}

void CLogoStatic::ComprobarTamano() {
  // The image is the client's size: after a change of size a new one is built.
  if (m_reglas.HayImagen() && (!m_imagen.IsOk() || m_imagen.GetSize() != GetClientSize())) {
    m_reglas.DescartarImagen();
    m_imagen = wxBitmap();
  }
}

void CLogoStatic::CrearImagen(STamanoLogo tamano) {
  m_imagen = wxBitmap();
  if (tamano.ancho <= 0 || tamano.alto <= 0) return;  // no client area: nothing to draw into
  m_imagen.Create(tamano.ancho, tamano.alto, 24);
  if (!m_imagen.IsOk()) return;
  wxMemoryDC dc(m_imagen);
  Rellenar(dc, {0, 0, tamano.ancho, tamano.alto});
}

void CLogoStatic::Rellenar(wxDC& dc, SRectBoton rect) const {
  if (rect.ancho <= 0 || rect.alto <= 0) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorDe(0)));
  dc.DrawRectangle(ARect(rect));
}

void CLogoStatic::EjecutarPaso(const SPasoLogo& paso) {
  SincronizarImagen();
  if (paso.crearImagen) CrearImagen({GetClientSize().x, GetClientSize().y});
  if (!m_imagen.IsOk()) return;
  const wxRect todo(0, 0, m_imagen.GetWidth(), m_imagen.GetHeight());

  // The column's content moves by the step; what moves out at the edge is lost.
  wxBitmap desplazado;
  wxPoint destino;
  if (paso.desplazar && paso.desplazamiento != 0) {
    const wxRect columna = ARect(*paso.desplazar).Intersect(todo);
    const int d = paso.desplazamiento;
    const wxRect origen(columna.x, d < 0 ? columna.y - d : columna.y, columna.width, columna.height - std::abs(d));
    if (!columna.IsEmpty() && origen.height > 0) {
      desplazado = m_imagen.GetSubBitmap(origen);
      destino = {columna.x, d < 0 ? columna.y : columna.y + d};
    }
  }

  wxMemoryDC dc(m_imagen);
  if (desplazado.IsOk()) dc.DrawBitmap(desplazado, destino, false);
  Rellenar(dc, paso.descubierto);
  if (paso.pieza) DibujarPieza(dc, *paso.pieza);
}

void CLogoStatic::Construir(const SImagenCompletaLogo& imagen) {
  CrearImagen(imagen.tamano);
  if (!m_imagen.IsOk()) return;
  wxMemoryDC dc(m_imagen);
  for (const SPiezaLogo& pieza : imagen.piezas) DibujarPieza(dc, pieza);
}

void CLogoStatic::DibujarPieza(wxDC& dc, const SPiezaLogo& pieza) {
  if (const auto* texto = std::get_if<STextoLogo>(&pieza)) {
    if (texto->texto.empty() || texto->rect.ancho <= 0 || texto->rect.alto <= 0) return;
    const wxString linea = ATextoVentana(texto->texto);
    dc.SetFont(FuenteDe(texto->fuente));
    dc.SetTextForeground(ColorDe(texto->color));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    wxCoord ancho = 0;
    wxCoord alto = 0;
    dc.GetTextExtent(linea, &ancho, &alto);
    wxDCClipper recorte(dc, ARect(texto->rect));
    dc.DrawText(linea, texto->rect.x + (texto->rect.ancho - ancho) / 2, texto->rect.y);
    return;
  }
  const auto& dibujo = std::get<SDibujoLogo>(pieza);
  const wxImage& imagen = Dibujo(dibujo.nombre);
  if (!imagen.IsOk()) return;
  const int filas = std::min(dibujo.filas, imagen.GetHeight());
  const int ancho = std::min(dibujo.destino.ancho, imagen.GetWidth());
  if (filas <= 0 || ancho <= 0) return;
  wxImage parte = Opaca(imagen.GetSubImage(wxRect(0, 0, ancho, filas)), ColorDe(0));
  const bool transparente = m_reglas.Transparente() != 0;
  if (transparente) parte.SetMaskColour(192, 192, 192);
  dc.DrawBitmap(wxBitmap(parte, 24), dibujo.destino.x, dibujo.destino.y, transparente);
}

void CLogoStatic::DibujarEn(wxDC& dc) {
  SincronizarImagen();
  ComprobarTamano();
  const SPinturaLogo pintura = m_reglas.AlPintar(Cliente(), *this);
  if (pintura.construir) Construir(*pintura.construir);
  if (pintura.copiarImagen && m_imagen.IsOk()) {
    dc.DrawBitmap(m_imagen, 0, 0, false);
  } else {
    Rellenar(dc, Cliente());
  }
}

void CLogoStatic::OnTemporizador(wxTimerEvent& evento) {
  if (static_cast<unsigned>(evento.GetId()) == kIdTemporizadorLogo) ComprobarTamano();
  const std::optional<SPasoLogo> paso = m_reglas.Tic(static_cast<unsigned>(evento.GetId()), Cliente(), *this);
  evento.Skip();
  if (!paso) return;
  EjecutarPaso(*paso);
  Refresh(false);  // the paint copies the whole image
}

void CLogoStatic::OnPintar(wxPaintEvent&) {
  wxPaintDC dc(this);
  DibujarEn(dc);
}

void CLogoStatic::OnTamano(wxSizeEvent& evento) {
  ComprobarTamano();
  Refresh(false);
  evento.Skip();
}

void CLogoStatic::OnDestruir(wxWindowDestroyEvent& evento) {
  evento.Skip();
  if (evento.GetEventObject() != this) return;
  m_temporizador.Stop();
  m_reglas.AlDestruir();
}

}  // namespace marco
