#include "shell/DlgIndiceDeclaraciones.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "framework/BaseDatos.h"
#include "framework/GridCtrl.h"
#include "platform/Texto.h"
#include "shell/BuscarDecl.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

constexpr int kColumnas = 3;
// Normal cells are drawn on RGB(255, 255, 224).
constexpr std::uint32_t kFondoCeldas = 0x00E0FFFFu;
// Room beside a cell's text.
constexpr int kMargenCelda = 14;

wxString DeCp1252(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

}  // namespace

CDlgIndiceDeclaraciones::CDlgIndiceDeclaraciones(wxWindow* padre, CIndiceDeclaraciones& indice)
    : wxDialog(padre, kIdIndiceDlg, Traduce("Índice de Declaraciones "), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      m_indice(indice) {
  m_indice.PonerPadre(this);
  Crear();
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { Iniciar(); });
  // Once on the screen it comes over the main window (which may still be being mapped at start-up).
  Bind(wxEVT_SHOW, [this](wxShowEvent& evento) {
    evento.Skip();
    if (evento.IsShown()) CallAfter([this] { Raise(); });
  });
}

void CDlgIndiceDeclaraciones::Crear() {
  auto* principal = new wxBoxSizer(wxVERTICAL);

  auto* filaNombre = new wxBoxSizer(wxHORIZONTAL);
  filaNombre->Add(new wxStaticText(this, wxID_ANY, Traduce("Declaración:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_pNombre = new wxTextCtrl(this, kIdNombre);
  m_pNombre->SetMaxLength(static_cast<unsigned long>(kAnchoNombreDeclaracion));
  filaNombre->Add(m_pNombre, 1, wxEXPAND);
  principal->Add(filaNombre, 0, wxEXPAND | wxALL, 8);

  auto* centro = new wxBoxSizer(wxHORIZONTAL);
  m_pRejilla = new marco::CGridCtrl(this, kIdRejilla, wxDefaultPosition, wxSize(440, 300), kFilasIndice + 1,
                                    kColumnas, 1, 1);
  m_pRejilla->PonEditable(false);
  m_pRejilla->PonModoLista(true);
  m_pRejilla->PonColorFondoDefecto(kFondoCeldas);
  // Headings in Castilian: the grid shows them in the interface language.
  m_pRejilla->PonTextoCelda(0, 1, "Declaraciones");
  m_pRejilla->PonTextoCelda(0, 2, "Mod.");
  for (int c = 1; c < kColumnas; ++c) {
    m_pRejilla->PonFormatoCelda(0, c, marco::kDtCentro | marco::kDtCentroVertical | marco::kDtSaltoPalabra);
  }
  m_pRejilla->PonAltoFila(0, m_pRejilla->DameAltoFila(1) * 3 / 2);
  AjustarColumnas();
  m_pRejilla->PonVentanaPadre(this);
  centro->Add(m_pRejilla, 1, wxEXPAND | wxRIGHT, 8);

  auto* botones = new wxBoxSizer(wxVERTICAL);
  for (const auto& [id, texto] : {std::pair{kIdSeleccionar, "&Seleccionar"}, std::pair{kIdCancelar, "&Cancelar"},
                                  std::pair{kIdAlta, "&Alta"}, std::pair{kIdBaja, "&Baja"},
                                  std::pair{kIdBuscar, "B&uscar..."}}) {
    auto* boton = new wxButton(this, id, Traduce(texto));
    botones->Add(boton, 0, wxEXPAND | wxBOTTOM, 4);
    boton->Bind(wxEVT_BUTTON, &CDlgIndiceDeclaraciones::AlBoton, this);
  }
  botones->AddSpacer(8);
  m_pTotal = new wxStaticText(this, kIdTotal, "0");
  botones->Add(new wxStaticText(this, wxID_ANY, Traduce("Total \ndeclaraciones:")), 0);
  botones->Add(m_pTotal, 0, wxBOTTOM, 8);

  auto* ver = new wxStaticBoxSizer(wxVERTICAL, this, Traduce("Ver "));
  m_pVerRenta = new wxCheckBox(ver->GetStaticBox(), kIdVerRenta, Traduce("Renta"));
  m_pVerPatrimonio = new wxCheckBox(ver->GetStaticBox(), kIdVerPatrimonio, Traduce("Patrimonio"));
  ver->Add(m_pVerRenta);
  ver->Add(m_pVerPatrimonio);
  botones->Add(ver, 0, wxEXPAND | wxBOTTOM, 4);
  auto* tipo = new wxStaticBoxSizer(wxVERTICAL, this, wxString());
  m_pRenta = new wxRadioButton(tipo->GetStaticBox(), kIdRenta, Traduce("&Renta"), wxDefaultPosition, wxDefaultSize,
                               wxRB_GROUP);
  m_pPatrimonio = new wxRadioButton(tipo->GetStaticBox(), kIdPatrimonio, Traduce("&Patrimonio"));
  tipo->Add(m_pRenta);
  tipo->Add(m_pPatrimonio);
  botones->Add(tipo, 0, wxEXPAND);
  centro->Add(botones, 0, wxEXPAND);
  principal->Add(centro, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

  // The navigation buttons show their arrows as text.
  auto* navegacion = new wxBoxSizer(wxHORIZONTAL);
  auto navegar = [&](int id, const char* texto) {
    auto* boton = new wxButton(this, id, texto, wxDefaultPosition, wxSize(36, -1));
    boton->Bind(wxEVT_BUTTON, &CDlgIndiceDeclaraciones::AlBoton, this);
    navegacion->Add(boton, 0, wxRIGHT, 2);
  };
  navegar(kIdPaginaArriba, "<<");
  navegar(kIdFilaArriba, "<");
  m_pNumeroFila = new wxTextCtrl(this, kIdNumeroFila, "1", wxDefaultPosition, wxSize(48, -1), wxTE_READONLY);
  navegacion->Add(m_pNumeroFila, 0, wxRIGHT, 2);
  navegar(kIdFilaAbajo, ">");
  navegar(kIdPaginaAbajo, ">>");
  principal->Add(navegacion, 0, wxALL, 8);

  SetSizerAndFit(principal);
  SetEscapeId(kIdCancelar);

  m_pNombre->Bind(wxEVT_TEXT, &CDlgIndiceDeclaraciones::AlTextoNombre, this);
  m_pVerRenta->Bind(wxEVT_CHECKBOX, &CDlgIndiceDeclaraciones::AlFiltro, this);
  m_pVerPatrimonio->Bind(wxEVT_CHECKBOX, &CDlgIndiceDeclaraciones::AlFiltro, this);
  m_pRenta->Bind(wxEVT_RADIOBUTTON, &CDlgIndiceDeclaraciones::AlTipo, this);
  m_pPatrimonio->Bind(wxEVT_RADIOBUTTON, &CDlgIndiceDeclaraciones::AlTipo, this);
  Bind(marco::EVT_GRID_NOTIFICACION, &CDlgIndiceDeclaraciones::AlNotificacionRejilla, this);
  Bind(marco::EVT_GRID_DOBLE_CLIC, &CDlgIndiceDeclaraciones::AlDobleClicRejilla, this);
}

CDlgIndiceDeclaraciones::~CDlgIndiceDeclaraciones() {
  // The grid is emptied before the window goes. Not on the dialog's own destroy event: that one comes from the
  // base window's destructor, when this object's members are already gone.
  VaciarRejilla();
}

void CDlgIndiceDeclaraciones::VaciarRejilla() {
  if (m_pRejilla == nullptr) return;
  for (int f = 1; f < m_pRejilla->DameNumeroFilas(); ++f) {
    for (int c = 0; c < kColumnas; ++c) m_pRejilla->PonTextoCelda(f, c, "");
  }
}

void CDlgIndiceDeclaraciones::AjustarColumnas() {
  // A twelfth of the width for the number and the form, as long as that shows "Mod." and a row number of two
  // figures whole; the name takes the rest.
  const int ancho = m_pRejilla->GetClientSize().GetWidth();
  const int texto = std::max(m_pRejilla->GetTextExtent(Traduce("Mod.")).GetWidth(),
                             m_pRejilla->GetTextExtent("99999").GetWidth());
  const int estrecha = std::max(ancho / 12, texto + kMargenCelda);
  m_pRejilla->PonAnchoColumna(0, estrecha);
  m_pRejilla->PonAnchoColumna(2, estrecha);
  m_pRejilla->PonAnchoColumna(1, std::max(estrecha, ancho - 2 * estrecha - 10));
}

void CDlgIndiceDeclaraciones::Iniciar() {
  if (m_bIniciado) return;
  m_bIniciado = true;
  AjustarColumnas();
  if (GetParent() != nullptr) CentreOnParent();
  // When the store does not open the dialog stays empty, and offers nothing but Cancel.
  if (!m_indice.OnInitDialog()) {
    Pintar(false);
    return;
  }
  Pintar(true);
}

void CDlgIndiceDeclaraciones::Pintar(bool enfocar) {
  m_bPintando = true;
  const auto& filas = m_indice.Filas();
  if (m_pRejilla->DameNumeroFilas() != m_indice.NumeroFilas() + 1) m_pRejilla->PonNumeroFilas(m_indice.NumeroFilas() + 1);
  for (int f = 1; f <= m_indice.NumeroFilas(); ++f) {
    const auto& fila = filas[static_cast<std::size_t>(f - 1)];
    m_pRejilla->PonTextoCelda(f, 0, fila.numero);
    m_pRejilla->PonTextoCelda(f, 1, fila.nombre);
    m_pRejilla->PonTextoCelda(f, 2, fila.modelo);
  }
  if (const int fila = m_indice.FilaSeleccionada(); fila > 0) {
    m_pRejilla->PonCeldaFoco(fila, 1);
    m_pRejilla->PonRangoSeleccion(fila, 1, fila, 1);
    m_pRejilla->HacerVisible(fila, 1);
  } else {
    m_pRejilla->QuitarSeleccion();
  }
  const wxString nombre = DeCp1252(m_indice.TextoNombre());
  if (m_pNombre->GetValue() != nombre) m_pNombre->ChangeValue(nombre);
  m_pNombre->SetEditable(!m_indice.NombreSoloLectura());
  m_pTotal->SetLabel(m_indice.TextoTotal());
  m_pNumeroFila->ChangeValue(m_indice.TextoNumeroFila());
  m_pVerRenta->SetValue(m_indice.FiltroRenta());
  m_pVerPatrimonio->SetValue(m_indice.FiltroPatrimonio());
  (m_indice.TipoDeclaracion != 0 ? m_pPatrimonio : m_pRenta)->SetValue(true);
  for (int id : {kIdAlta, kIdBaja, kIdSeleccionar, kIdRenta, kIdPatrimonio}) {
    if (wxWindow* control = FindWindow(id)) control->Enable(m_indice.Habilitado(id));
  }
  if (auto* defecto = dynamic_cast<wxButton*>(FindWindow(m_indice.BotonPorDefecto()))) defecto->SetDefault();
  if (enfocar) {
    if (m_indice.Foco() == CIndiceDeclaraciones::EFoco::Nombre) m_pNombre->SetFocus();
    if (m_indice.Foco() == CIndiceDeclaraciones::EFoco::Rejilla) m_pRejilla->SetFocus();
  }
  m_bPintando = false;
}

void CDlgIndiceDeclaraciones::Despues(bool enfocar) {
  if (m_indice.Resultado() != 0) {
    EndModal(m_indice.Resultado());
    return;
  }
  Pintar(enfocar);
}

void CDlgIndiceDeclaraciones::AlBoton(wxCommandEvent& evento) {
  bool enfocar = false;
  switch (evento.GetId()) {
    case kIdSeleccionar:
      m_indice.OnOK();
      break;
    case kIdCancelar:
      m_indice.OnCancel();
      break;
    case kIdAlta:
      m_indice.OnAlta();
      enfocar = true;
      break;
    case kIdBaja:
      m_indice.OnBaja();
      enfocar = true;
      break;
    case kIdBuscar:
      m_indice.OnBuscar();
      break;
    default:
      m_indice.OnNavegar(evento.GetId());
      break;
  }
  Despues(enfocar);
}

void CDlgIndiceDeclaraciones::AlTextoNombre(wxCommandEvent& /*evento*/) {
  if (m_bPintando) return;
  m_indice.OnCambioNombre(plataforma::Utf8ACp1252(m_pNombre->GetValue().utf8_string()));
  Despues(false);
}

void CDlgIndiceDeclaraciones::AlFiltro(wxCommandEvent& /*evento*/) {
  m_indice.CambiarFiltro(m_pVerRenta->GetValue(), m_pVerPatrimonio->GetValue());
  Despues(true);
  m_pRejilla->Refresh();
}

void CDlgIndiceDeclaraciones::AlTipo(wxCommandEvent& /*evento*/) {
  m_indice.PonerTipo(m_pPatrimonio->GetValue() ? 1 : 0);
}

void CDlgIndiceDeclaraciones::AlNotificacionRejilla(marco::CGridEvento& evento) {
  if (m_bPintando) return;
  if (evento.DameFila() >= 1 && evento.DameFila() <= m_indice.NumeroFilas()) {
    m_indice.OnSeleccionFila(evento.DameFila());
    Despues(false);
  }
}

void CDlgIndiceDeclaraciones::AlDobleClicRejilla(marco::CGridEvento& evento) {
  m_indice.OnDobleClic(evento.DameFila());
  Despues(false);
}

SDeclaracionElegida PedirDeclaracionIndice(wxWindow* padre, int nueva) {
  CIndiceDeclaraciones indice(marco::DameBaseDatosRed(), marco::DameBaseDatosLocal(), padre);
  indice.EsNueva = nueva;
  SDeclaracionElegida elegida;
  {
    CDlgIndiceDeclaraciones dialogo(padre, indice);
    indice.PonerBuscador([&dialogo](const CAlmacenDeclaraciones& almacen, bool renta, bool patrimonio) {
      return BuscarDeclaracionVentana(&dialogo, almacen, renta, patrimonio);
    });
    const int resultado = dialogo.ShowModal();
    indice.PonerBuscador(nullptr);
    if (resultado != kIdSeleccionar && indice.EsNueva != 1) return elegida;
  }
  elegida.tipo = indice.TipoDeclaracion > 0 ? 1 : 0;
  elegida.clave = indice.NombreDeclaracion;
  elegida.nueva = indice.EsNueva;
  return elegida;
}

}  // namespace shell
