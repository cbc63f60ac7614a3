// The window of the findings list on wxWidgets: a resizable modal dialog with the grid, the two pictures, the hint
// statics and the five picture buttons. It forwards the buttons, the grid's double click, Esc and the close box to
// the rules (CDlgErrores) and does what they ask.
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/icon.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/BotonBmp.h"
#include "framework/BotonImagenes.h"
#include "framework/DialogoVentana.h"
#include "framework/DlgErrores.h"
#include "framework/GridCtrl.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

namespace {

enum class ETipoControlAvisos { Grid, Imagen, Texto, Boton };

struct SControlAvisos {
  ETipoControlAvisos tipo;
  int id;
  SRectDialogo rect;  // client pixels
};

// The layout, in pixels of the client area.
constexpr int kAnchoCliente = 790;
constexpr int kAltoCliente = 478;
constexpr SControlAvisos kControlesAvisos[] = {
    {ETipoControlAvisos::Grid, kIdListaAvisos, {8, 8, 774, 290}},
    {ETipoControlAvisos::Imagen, kIdImagenAvisos, {8, 310, 16, 16}},
    {ETipoControlAvisos::Texto, kIdTextoAvisos, {30, 310, 90, 18}},
    {ETipoControlAvisos::Imagen, kIdImagenErrores, {8, 332, 16, 16}},
    {ETipoControlAvisos::Texto, kIdTextoErrores, {30, 332, 90, 18}},
    {ETipoControlAvisos::Texto, kIdTextoSeleccion, {130, 308, 652, 18}},
    {ETipoControlAvisos::Texto, kIdTextoVeredicto, {130, 330, 652, 36}},
    {ETipoControlAvisos::Texto, kIdTextoNotaAvisos, {130, 370, 652, 18}},
    {ETipoControlAvisos::Boton, kIdRevisar, {8, 398, 146, 72}},
    {ETipoControlAvisos::Boton, kIdImprimirDeclaracion, {164, 398, 146, 72}},
    {ETipoControlAvisos::Boton, kIdImprimirLista, {320, 398, 146, 72}},
    {ETipoControlAvisos::Boton, kIdValidacionDetallada, {476, 398, 146, 72}},
    {ETipoControlAvisos::Boton, kIdCancelarAvisos, {636, 398, 146, 72}},
};

// One picture of the list's strip, or an invalid bitmap.
wxBitmap ImagenDeTira(const wxImage& tira, int indice) {
  if (!tira.IsOk() || tira.GetWidth() < (indice + 1) * kAnchoImagenAviso) return {};
  return wxBitmap(tira.GetSubImage(wxRect(indice * kAnchoImagenAviso, 0, kAnchoImagenAviso, tira.GetHeight())));
}

class CVentanaDlgErrores final : public wxDialog, public CVentanaAvisos {
 public:
  CVentanaDlgErrores(CDlgErrores& reglas, wxWindow* padre) : m_reglas(reglas) {
    Create(padre, wxID_ANY, TextoFijoWx(kTituloDlgErrores), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER);
    // The list's own ids (2 Cancel, 5 "&Revisar") are not the toolkit's: nothing closes it behind the rules.
    SetAffirmativeId(wxID_NONE);
    SetEscapeId(wxID_NONE);
    SetFont(FuenteDialogos());
    SetClientSize(kAnchoCliente, kAltoCliente);
    m_cliente = GetClientSize();

    const CImagenesBoton& imagenes = CImagenesBoton::DelPrograma();
    const wxImage tira = imagenes.Cargar(ETipoImagenBoton::Bitmap, kTiraImagenesAvisos);
    for (const SControlAvisos& c : kControlesAvisos) Crear(c, tira);
    PonerIcono(imagenes, tira);

    Bind(wxEVT_BUTTON, &CVentanaDlgErrores::AlPulsar, this);
    Bind(EVT_GRID_DOBLE_CLIC, &CVentanaDlgErrores::AlDobleClic, this);
    Bind(wxEVT_SIZE, &CVentanaDlgErrores::AlTamano, this);
    Bind(wxEVT_CHAR_HOOK, &CVentanaDlgErrores::AlGancho, this);
    Bind(wxEVT_CLOSE_WINDOW, &CVentanaDlgErrores::AlCerrar, this);
    m_reglas.AsociarVentana(this);
  }
  ~CVentanaDlgErrores() override {
    if (m_reglas.Ventana() == this) m_reglas.AsociarVentana(nullptr);
  }

  int Ejecutar() {
    if (m_nFinal != 0) return m_nFinal;
    CentreOnParent();
    const int resultado = ShowModal();
    return m_nFinal != 0 ? m_nFinal : resultado;
  }

  // ---- CVentanaAvisos ----
  CGridModelo& Grid() override { return m_pGrid->Modelo(); }
  void GridCambiado() override { m_pGrid->PonNumeroFilas(m_pGrid->DameNumeroFilas()); }
  void Habilitar(int id, bool habilitar) override {
    if (wxWindow* v = Control(id)) v->Enable(habilitar);
  }
  bool Habilitado(int id) const override {
    const wxWindow* v = Control(id);
    return v != nullptr && v->IsThisEnabled();
  }
  void PonerTexto(int id, std::string_view texto) override {
    wxWindow* v = Control(id);
    if (v == nullptr) return;
    if (auto* estatico = dynamic_cast<wxStaticText*>(v)) {
      // Plain text: an ampersand in a message is no mnemonic.
      estatico->SetLabelText(TextoFijoWx(texto));
      estatico->Wrap(estatico->GetSize().x);
    } else {
      v->SetLabel(TextoFijoWx(texto));
      v->Refresh();
    }
  }
  void Mostrar(int id, bool mostrar) override {
    if (wxWindow* v = Control(id)) v->Show(mostrar);
  }
  void PonerImagenBoton(int id, int imagen) override {
    if (auto* boton = dynamic_cast<CBotonBmp*>(Control(id))) {
      boton->CargarImagen(imagen, 0, kLadoImagenBoton, kLadoImagenBoton);
    }
  }
  void Terminar(int resultado) override {
    // The first end is the one that counts.
    if (m_nFinal != 0) return;
    m_nFinal = resultado;
    if (IsModal()) EndModal(resultado);
  }
  void EmpezarEspera() override { m_espera = std::make_unique<wxBusyCursor>(); }
  void TerminarEspera() override { m_espera.reset(); }
  int ImprimirLista() override {
    wxFileDialog dialogo(this, TextoFijoWx("Imprimir la lista de avisos y errores"), wxEmptyString,
                         TextoFijoWx(kTituloDlgErrores) + ".pdf", "PDF (*.pdf)|*.pdf",
                         wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialogo.ShowModal() != wxID_OK) return 0;
    wxBusyCursor espera;
    return ImprimirListaEnPdf(*m_pGrid, std::string(dialogo.GetPath().fn_str()));
  }
  wxWindow* VentanaMensajes() const override { return const_cast<CVentanaDlgErrores*>(this); }

  CGridCtrl* DameGrid() const { return m_pGrid; }

 private:
  wxWindow* Control(int id) const {
    const auto it = std::find_if(m_controles.begin(), m_controles.end(),
                                 [id](const SControlCreado& c) { return c.id == id; });
    return it == m_controles.end() ? nullptr : it->ventana;
  }

  void Crear(const SControlAvisos& c, const wxImage& tira) {
    const wxPoint pos(c.rect.x, c.rect.y);
    const wxSize tam(c.rect.ancho, c.rect.alto);
    wxWindow* ventana = nullptr;
    switch (c.tipo) {
      case ETipoControlAvisos::Grid: {
        m_pGrid = new CGridCtrl(this, c.id, pos, tam);
        m_pGrid->SetFont(FuenteDialogos());
        if (tira.IsOk()) m_pGrid->PonListaImagenes(wxBitmap(tira), kAnchoImagenAviso, *wxWHITE);
        ventana = m_pGrid;
        break;
      }
      case ETipoControlAvisos::Imagen: {
        const wxBitmap imagen = ImagenDeTira(tira, c.id == kIdImagenAvisos ? kImagenAviso : kImagenError);
        ventana = new wxStaticBitmap(this, c.id, imagen.IsOk() ? imagen : wxBitmap(16, 16), pos, tam);
        break;
      }
      case ETipoControlAvisos::Texto:
        ventana = new wxStaticText(this, c.id, TextoFijoWx(TextoInicialAvisos(c.id)), pos, tam, wxST_NO_AUTORESIZE);
        static_cast<wxStaticText*>(ventana)->Wrap(tam.x);
        break;
      case ETipoControlAvisos::Boton: {
        auto* boton = new CBotonBmp(this, c.id, TextoFijoWx(TextoInicialAvisos(c.id)), pos, tam);
        boton->CambiarEstado(false);
        boton->PonerAlineacion(1);
        ventana = boton;
        break;
      }
    }
    m_controles.push_back(SControlCreado{c.id, ventana, c.tipo == ETipoControlAvisos::Grid});
  }

  void PonerIcono(const CImagenesBoton& imagenes, const wxImage& tira) {
    wxImage imagen = imagenes.Cargar(ETipoImagenBoton::Icono, kIconoDlgErrores);
    wxBitmap mapa = imagen.IsOk() ? wxBitmap(imagen) : ImagenDeTira(tira, kImagenError);
    if (!mapa.IsOk()) return;
    wxIcon icono;
    icono.CopyFromBitmap(mapa);
    SetIcon(icono);
  }

  void AlPulsar(wxCommandEvent& evento) {
    if (Control(evento.GetId()) == nullptr) {
      evento.Skip();
      return;
    }
    m_reglas.Pulsar(evento.GetId());
  }

  void AlDobleClic(CGridEvento& evento) { m_reglas.IrAlAviso(evento.DameFila(), evento.DameColumna()); }

  void AlTamano(wxSizeEvent& evento) {
    evento.Skip();
    const wxSize cliente = GetClientSize();
    if (m_controles.empty() || cliente.x <= 0 || cliente.y <= 0) return;
    const int dx = cliente.x - m_cliente.x;
    const int dy = cliente.y - m_cliente.y;
    m_cliente = cliente;
    if (dx == 0 && dy == 0) return;
    for (const SControlCreado& c : m_controles) {
      const wxRect r = c.ventana->GetRect();
      const SRectDialogo nuevo = RecolocarControlAvisos({r.x, r.y, r.width, r.height}, dx, dy, c.esGrid);
      c.ventana->SetSize(nuevo.x, nuevo.y, nuevo.ancho, nuevo.alto);
    }
    m_pGrid->Refresh();
    Refresh();
  }

  void AlGancho(wxKeyEvent& evento) {
    if (evento.GetKeyCode() == WXK_ESCAPE && !evento.HasAnyModifiers()) {
      m_reglas.OnCancel();
      return;
    }
    evento.Skip();
  }

  void AlCerrar(wxCloseEvent&) {
    m_reglas.OnCancel();
    if (IsModal() && m_nFinal == 0) EndModal(kResultadoCancelar);
  }

  struct SControlCreado {
    int id;
    wxWindow* ventana;
    bool esGrid;
  };

  CDlgErrores& m_reglas;
  CGridCtrl* m_pGrid = nullptr;
  std::vector<SControlCreado> m_controles;
  wxSize m_cliente;
  int m_nFinal = 0;
  std::unique_ptr<wxBusyCursor> m_espera;
};

}  // namespace

int CDlgErrores::DoModal() {
  if (wxTheApp == nullptr) return kResultadoCancelar;
  CVentanaDlgErrores ventana(*this, Padre());
  OnInitDialog();
  const int resultado = ventana.Ejecutar();
  if (resultado == kResultadoIrAAviso || resultado == kResultadoEscribir) return resultado;
  return kResultadoCancelar;
}

}  // namespace marco
