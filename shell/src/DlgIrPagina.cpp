#include "shell/DlgIrPagina.h"

#include <charconv>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "framework/BaseDatos.h"
#include "framework/ComandosDocumento.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Texto.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

wxString DeCp1252(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

wxString Numero(int valor) {
  char texto[16];
  const auto r = std::to_chars(texto, texto + sizeof texto, valor);
  return wxString::FromAscii(texto, static_cast<size_t>(r.ptr - texto));
}

}  // namespace

CIrPagina::CIrPagina(const std::vector<SApartado>& apartados, int tipoDec, int paginas, int actual)
    : m_nUltima(paginas > 0 ? paginas : 0),
      m_bDatosPersonales(tipoDec == marco::kTipoDecSimplificada || tipoDec == marco::kTipoDecOrdinaria) {
  m_paginas.resize(static_cast<std::size_t>(m_nUltima));
  for (int n = 1; n <= m_nUltima; ++n) m_paginas[static_cast<std::size_t>(n - 1)].numero = n;
  // Each page of the form's catalogue names the place it takes in the list; the first title of a place stays.
  const int grupo = GrupoApartados(tipoDec);
  for (const SApartado& apartado : apartados) {
    if (!PaginaDelGrupo(apartado.idPagina, grupo)) continue;
    const int indice = marco::IndicePaginaDeVista(apartado.idPagina, tipoDec);
    if (indice < 0 || indice >= m_nUltima) continue;
    SPaginaOfrecida& pagina = m_paginas[static_cast<std::size_t>(indice)];
    if (pagina.titulo.empty()) pagina.titulo = apartado.titulo;
  }
  m_nInicial = actual >= 0 && actual < m_nUltima ? actual + 1 : 1;
}

int CIrPagina::FilaDe(int numero) const { return numero >= 1 && numero <= m_nUltima ? numero - 1 : -1; }

std::optional<int> CIrPagina::Leer(std::string_view texto) const {
  texto = plataforma::Recorta(texto);
  int valor = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (texto.empty() || error != std::errc() || fin != texto.data() + texto.size()) return std::nullopt;
  if (valor == marco::kPaginaDatosPersonales && m_bDatosPersonales) return valor;
  if (valor < 1 || valor > m_nUltima) return std::nullopt;
  return valor;
}

void EnviarPaginaElegida(marco::CProg32Doc& documento, int pagina) {
  wxCommandEvent orden(wxEVT_MENU, marco::ComandoAWx(marco::kComandoPaginaElegida));
  orden.SetInt(pagina);
  documento.ProcessEvent(orden);
}

CDlgIrPagina::CDlgIrPagina(wxWindow* padre, marco::CProg32Doc& documento, CIrPagina reglas)
    : wxDialog(padre, kIdDlgIrPagina, Traduce("Ir a página"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_documento(documento),
      m_reglas(std::move(reglas)) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  auto* fila = new wxBoxSizer(wxHORIZONTAL);
  fila->Add(new wxStaticText(this, wxID_ANY, Traduce("&Página:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_pNumero = new wxTextCtrl(this, wxID_ANY, Numero(m_reglas.Inicial()), wxDefaultPosition, wxSize(60, -1),
                             wxTE_PROCESS_ENTER);
  fila->Add(m_pNumero, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  fila->Add(new wxStaticText(this, wxID_ANY, Traduce("de") + " " + Numero(m_reglas.Ultima())), 0,
            wxALIGN_CENTER_VERTICAL);
  columna->Add(fila, 0, wxALL, 8);

  wxArrayString textos;
  for (const SPaginaOfrecida& pagina : m_reglas.Paginas()) {
    wxString texto = Numero(pagina.numero) + ". ";
    texto += pagina.titulo.empty() ? Traduce("Página") + " " + Numero(pagina.numero) : DeCp1252(pagina.titulo);
    textos.Add(texto);
  }
  m_pLista = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(380, 260), textos, wxLB_SINGLE);
  if (const int filaInicial = m_reglas.FilaDe(m_reglas.Inicial()); filaInicial >= 0) {
    m_pLista->SetSelection(filaInicial);
    m_pLista->EnsureVisible(filaInicial);
  }
  columna->Add(m_pLista, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

  auto* botones = new wxStdDialogButtonSizer;
  auto* aceptar = new wxButton(this, wxID_OK);
  aceptar->SetDefault();
  botones->AddButton(aceptar);
  botones->AddButton(new wxButton(this, wxID_CANCEL));
  botones->Realize();
  columna->Add(botones, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(columna);

  m_pLista->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& evento) {
    const int seleccion = evento.GetSelection();
    if (seleccion >= 0 && static_cast<std::size_t>(seleccion) < m_reglas.Paginas().size()) {
      m_pNumero->ChangeValue(Numero(m_reglas.Paginas()[static_cast<std::size_t>(seleccion)].numero));
    }
  });
  m_pLista->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Aceptar(); });
  m_pNumero->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { Aceptar(); });
  m_pNumero->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    const std::optional<int> numero = m_reglas.Leer(m_pNumero->GetValue().utf8_string());
    if (numero.has_value()) m_pLista->SetSelection(m_reglas.FilaDe(*numero));
  });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Aceptar(); }, wxID_OK);

  if (padre != nullptr) CentreOnParent();
  m_pNumero->SetFocus();
  m_pNumero->SelectAll();
}

void CDlgIrPagina::Aceptar() {
  const std::optional<int> numero = m_reglas.Leer(m_pNumero->GetValue().utf8_string());
  if (!numero.has_value()) {
    wxBell();
    m_pNumero->SetFocus();
    m_pNumero->SelectAll();
    return;
  }
  m_nPagina = *numero;
  // The dialog goes first: the page shown next takes the focus.
  EndModal(wxID_OK);
}

void IrAPaginaDeclaracion(wxWindow* padre, marco::CProg32Doc& documento) {
  // Only one at a time: the command of a dialog that is up does nothing more.
  if (documento.DameDlgIrPagina() != nullptr) return;
  CIrPagina reglas(LeerApartados(marco::DameBaseDatosLocal(), marco::LetraIdiomaV()), documento.DameTipoDec(),
                   static_cast<int>(documento.ListaPaginas().size()), documento.DamePaginaActual());
  int pagina = 0;
  {
    CDlgIrPagina dialogo(padre, documento, std::move(reglas));
    documento.PonerDlgIrPagina(&dialogo);
    const int resultado = dialogo.ShowModal();
    documento.PonerDlgIrPagina(nullptr);
    if (resultado != wxID_OK) return;
    pagina = dialogo.DamePagina();
  }
  EnviarPaginaElegida(documento, pagina);
}

}  // namespace shell
