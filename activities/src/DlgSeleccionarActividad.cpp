#include "activities/DlgSeleccionarActividad.h"

#include <cstdio>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

#include "framework/DlgMensaje.h"
#include "platform/Texto.h"

namespace actividades {

namespace {

wxString Ventana(std::string_view cp1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(cp1252)); }
// A fixed text of these windows (UTF-8 here), in the interface language.
wxString Fijo(const char* utf8) { return wxGetTranslation(wxString::FromUTF8(utf8)); }

int IdVentana(int id) { return kBaseIdVentana + id; }

const wxColour kColorActiva(0, 0, 0);
const wxColour kColorInactiva(126, 126, 126);

wxFont FuenteFija() {
  wxFont f(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE));
  return f;
}

}  // namespace

std::string TextoCuantiaConsulta(double valor) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%-10.0f", valor);
  std::string texto = buffer;
  PonerSeparadoresMiles(texto, 3);
  return texto;
}

bool CuotaMinimaEnBlanco(EConsulta consulta, std::string_view epigrafe) {
  if (consulta != EConsulta::Iva) return false;
  for (const std::string_view e : {"659.4", "647.1", "647.2", "647.3", "652.2", "652.3", "662.2"}) {
    if (epigrafe == e) return true;
  }
  return false;
}

CDlgSeleccionarActividad::CDlgSeleccionarActividad(wxWindow* padre, CCargaModulos& carga, std::int32_t idInicial,
                                                   CDatosMod& datos)
    : wxDialog(padre, wxID_ANY, Fijo("Seleccionar Actividad")), m_reglas(carga, idInicial),
      m_datos(datos) {
  SetBackgroundColour(wxColour(192, 192, 192));
  auto* raiz = new wxBoxSizer(wxVERTICAL);
  auto* listas = new wxBoxSizer(wxHORIZONTAL);

  auto columna = [&](wxStaticText*& etiqueta, const char* texto, wxListBox*& lista, int id, int ancho) {
    auto* c = new wxBoxSizer(wxVERTICAL);
    etiqueta = new wxStaticText(this, IdVentana(id + 3), Fijo(texto));
    lista = new wxListBox(this, IdVentana(id), wxDefaultPosition, wxSize(ancho, 220), 0, nullptr, wxLB_SINGLE);
    c->Add(etiqueta, 0, wxBOTTOM, 2);
    c->Add(lista, 1, wxEXPAND);
    listas->Add(c, ancho > 200 ? 1 : 0, wxEXPAND | wxALL, 4);
  };
  wxStaticText* etiquetaEpigrafe = nullptr;
  columna(m_etiquetaSector, m_reglas.EsSeleccionDeClave() ? "Clave:" : "&Sector:", m_sector, kIdListaSector, 80);
  columna(m_etiquetaActividad, "A&ctividad:", m_actividad, kIdListaActividad, 420);
  columna(etiquetaEpigrafe, m_reglas.EsSeleccionDeClave() ? "" : "&Epígrafe:", m_epigrafe, kIdListaEpigrafe, 80);
  if (m_reglas.EsSeleccionDeClave()) {
    m_epigrafe->Hide();
    etiquetaEpigrafe->SetLabel(wxString());
  }
  raiz->Add(listas, 1, wxEXPAND);

  auto* grupo = new wxStaticBoxSizer(wxVERTICAL, this, Fijo("Descripción"));
  m_descripcion = new wxTextCtrl(grupo->GetStaticBox(), IdVentana(1023), wxString(), wxDefaultPosition,
                                 wxSize(-1, 80), wxTE_MULTILINE | wxTE_READONLY);
  grupo->Add(m_descripcion, 1, wxEXPAND | wxALL, 2);
  raiz->Add(grupo, 0, wxEXPAND | wxALL, 4);

  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  auto* aceptar = new wxButton(this, wxID_OK, Fijo("&Aceptar"));
  auto* cancelar = new wxButton(this, wxID_CANCEL, Fijo("&Cancelar"));
  m_consultar = new wxButton(this, IdVentana(kIdConsultar), Fijo("C&onsultar"));
  auto* ayuda = new wxButton(this, IdVentana(kIdAyuda), Fijo("Ay&uda"));
  for (wxButton* b : {aceptar, cancelar, m_consultar, ayuda}) botones->Add(b, 0, wxALL, 4);
  raiz->Add(botones, 0, wxALIGN_CENTER);
  SetSizerAndFit(raiz);

  m_consultar->Enable(m_reglas.ConsultaHabilitada());
  ayuda->Enable(false);  // there is no help viewer

  // The lists' own selection events while the window fills them are not a person's choice.
  m_sector->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    if (!m_bRellenando) AlElegirFila(kIdListaSector, e.GetSelection());
  });
  m_actividad->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    if (!m_bRellenando) AlElegirFila(kIdListaActividad, e.GetSelection());
  });
  m_epigrafe->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    if (!m_bRellenando) m_reglas.ElegirEpigrafe(e.GetSelection());
  });
  for (wxListBox* l : {m_sector, m_actividad, m_epigrafe}) {
    l->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Aceptar(); });
  }
  m_sector->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
    AlEnfocarLista(kIdListaSector);
    e.Skip();
  });
  m_actividad->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
    AlEnfocarLista(kIdListaActividad);
    e.Skip();
  });
  aceptar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Aceptar(); });
  m_consultar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Consultar(); });

  m_reglas.Iniciar();
  Mostrar();
  PintarEtiquetas();
  CentreOnParent();
}

void CDlgSeleccionarActividad::Mostrar() {
  const bool antes = m_bRellenando;
  m_bRellenando = true;
  const auto& actividades = m_reglas.Actividades();
  wxArrayString sectores;
  wxArrayString descripciones;
  for (const SEntradaActividad& e : actividades) {
    sectores.Add(Ventana(e.sector));
    descripciones.Add(Ventana(e.descripcion));
  }
  m_sector->Set(sectores);
  m_actividad->Set(descripciones);
  const int fila = m_reglas.Fila();
  if (fila >= 0) {
    m_sector->SetSelection(fila);
    m_actividad->SetSelection(fila);
  }
  Sincronizar(kIdListaSector);
  m_bRellenando = antes;
}

void CDlgSeleccionarActividad::Sincronizar(int desdeLista) {
  const bool antes = m_bRellenando;
  m_bRellenando = true;
  const int fila = m_reglas.Fila();
  if (fila >= 0) {
    if (m_sector->GetSelection() != fila) m_sector->SetSelection(fila);
    if (m_actividad->GetSelection() != fila) m_actividad->SetSelection(fila);
    // Both lists show the same rows.
    wxListBox* guia = desdeLista == kIdListaActividad ? m_actividad : m_sector;
    wxListBox* otra = guia == m_sector ? m_actividad : m_sector;
    const int arriba = guia->GetTopItem();
    if (guia->IsShownOnScreen() && arriba >= 0 && static_cast<unsigned>(arriba) < otra->GetCount()) {
      otra->SetFirstItem(arriba);
    }
  }
  wxArrayString epigrafes;
  for (const std::string& c : m_reglas.Epigrafes()) epigrafes.Add(Ventana(c));
  m_epigrafe->Set(epigrafes);
  if (m_reglas.FilaEpigrafe() >= 0) m_epigrafe->SetSelection(m_reglas.FilaEpigrafe());
  m_descripcion->ChangeValue(Ventana(m_reglas.Descripcion()));
  m_bRellenando = antes;
}

void CDlgSeleccionarActividad::AlElegirFila(int idLista, int fila) {
  auto ids = [this] {
    std::vector<std::int32_t> r;
    for (const SEntradaActividad& e : m_reglas.Actividades()) r.push_back(e.id);
    return r;
  };
  const std::vector<std::int32_t> antes = ids();
  m_reglas.ElegirFila(idLista, fila);
  if (ids() != antes) {
    Mostrar();
  } else {
    Sincronizar(idLista);
  }
}

void CDlgSeleccionarActividad::AlEnfocarLista(int idLista) {
  m_reglas.EnfocarLista(idLista);
  PintarEtiquetas();
}

void CDlgSeleccionarActividad::PintarEtiquetas() {
  const int enfocada = m_reglas.ListaEnfocada();
  m_etiquetaSector->SetForegroundColour(enfocada == kIdListaSector ? kColorActiva : kColorInactiva);
  m_etiquetaActividad->SetForegroundColour(enfocada == kIdListaActividad ? kColorActiva : kColorInactiva);
  Refresh();
}

void CDlgSeleccionarActividad::Aceptar() {
  m_reglas.Aceptar(m_datos);
  if (IsModal()) {
    EndModal(wxID_OK);
  } else {
    SetReturnCode(wxID_OK);
    Hide();
  }
}

void CDlgSeleccionarActividad::Consultar() {
  // The consultation works on data of its own: what the window will give back is never touched by it.
  CDatosMod consulta;
  const EConsulta tipo = m_reglas.Consultar(consulta);
  if (tipo == EConsulta::Ninguna) return;
  CDlgModulos ventana(this, tipo, consulta);
  ventana.ShowModal();
}

CDlgModulos::CDlgModulos(wxWindow* padre, EConsulta consulta, const CDatosMod& datos)
    : wxDialog(padre, wxID_ANY, Fijo("Datos de la Actividad")) {
  auto* raiz = new wxBoxSizer(wxVERTICAL);
  std::string epigrafe;
  datos.DameEpigrafeIae(&epigrafe);
  auto* cabecera = new wxFlexGridSizer(2, 4, 8);
  cabecera->Add(new wxStaticText(this, wxID_ANY, Fijo("Epígrafe:")));
  cabecera->Add(new wxStaticText(this, IdVentana(1002), Ventana(epigrafe)));
  bool aviso = false;
  const bool conIrpf = consulta == EConsulta::Irpf || consulta == EConsulta::Actividad;
  const bool conIva = consulta == EConsulta::Iva || consulta == EConsulta::Actividad;
  if (conIrpf) {
    double maximo = 0.0;
    if (datos.DameMaxImporte(&maximo) != nullptr) m_maximo = TextoCuantiaConsulta(maximo);
    cabecera->Add(new wxStaticText(
        this, wxID_ANY, Fijo("Cuantía para aplicación del índice corrector de exceso:")));
    cabecera->Add(new wxStaticText(this, IdVentana(1291), wxString::FromUTF8(m_maximo)));
    m_filasIrpf = FilasModulos(datos, kTipoIrpf, &aviso);
  }
  if (conIva) {
    double cuota = 0.0;
    if (datos.DameCuotaMinima(&cuota) != nullptr) m_cuota = TextoCuantiaConsulta(cuota);
    if (CuotaMinimaEnBlanco(consulta, epigrafe)) m_cuota = std::string(1, ' ');
    cabecera->Add(new wxStaticText(this, wxID_ANY, Fijo("Cuota mínima:")));
    cabecera->Add(new wxStaticText(this, IdVentana(1010), wxString::FromUTF8(m_cuota)));
    m_filasIva = FilasModulos(datos, kTipoIva, &aviso);
  }
  raiz->Add(cabecera, 0, wxALL, 6);

  auto lista = [&](const std::vector<std::string>& filas, int id, const char* columna) {
    wxString titulo = Fijo("Nº  Definición                Unidad      ");
    titulo += Fijo(columna);
    raiz->Add(new wxStaticText(this, wxID_ANY, titulo), 0, wxLEFT | wxRIGHT, 6);
    auto* l = new wxListBox(this, IdVentana(id), wxDefaultPosition, wxSize(560, 150), 0, nullptr,
                            wxLB_SINGLE | wxLB_ALWAYS_SB);
    l->SetFont(FuenteFija());
    for (const std::string& f : filas) l->Append(Ventana(f));
    raiz->Add(l, 1, wxEXPAND | wxALL, 6);
  };
  if (conIrpf) lista(m_filasIrpf, 1007, "Rendimiento neto anual por unidad");
  if (conIva) lista(m_filasIva, 1009, "Cuota devengada anual por unidad");
  raiz->Add(new wxButton(this, wxID_OK, Fijo("&Aceptar")), 0, wxALIGN_CENTER | wxALL, 6);
  SetSizerAndFit(raiz);
  CentreOnParent();
  if (aviso) marco::CDlgMensaje(this).MostrarMensaje("WIN032", wxICON_EXCLAMATION);
}

FVentanaActividad VentanaSeleccionActividad(wxWindow* padre) {
  return [padre](CCargaModulos& carga, std::int32_t idInicial, CDatosMod& datos) {
    CDlgSeleccionarActividad ventana(padre, carga, idInicial, datos);
    return ventana.ShowModal() == wxID_OK;
  };
}

}  // namespace actividades
