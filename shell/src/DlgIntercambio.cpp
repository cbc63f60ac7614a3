#include "shell/DlgIntercambio.h"

#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "platform/Texto.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

wxString DeCp1252(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

// Room for the window manager's buttons and borders beside a title.
constexpr int kMargenTitulo = 160;

void Mostrar(wxWindow* padre, std::string_view codigo, std::string_view extra = {}) {
  if (codigo.empty()) return;
  const bool exito = codigo == kMsgExportadas || codigo == kMsgImportadas;
  marco::CDlgMensaje(padre, nullptr)
      .MostrarMensaje(codigo, exito ? marco::IconoAsterisco : marco::IconoExclamacion, extra);
}

wxString FiltroDeClase(EClaseIntercambio clase) {
  return clase == EClaseIntercambio::Patrimonio ? Traduce("Declaraciones de Patrimonio") + "|*.pat;*.PAT"
                                                : Traduce("Declaraciones de Renta") + "|*.ren;*.REN";
}

// A dialog never narrower than its title needs (the window manager cuts a title longer than the window).
void AnchoParaTitulo(wxDialog& dialogo) {
  const int anchoTitulo = dialogo.GetTextExtent(dialogo.GetTitle()).GetWidth() + kMargenTitulo;
  const wxSize tamano = dialogo.GetSize();
  if (tamano.GetWidth() < anchoTitulo) {
    dialogo.SetMinSize(wxSize(anchoTitulo, -1));
    dialogo.SetSize(wxSize(anchoTitulo, tamano.GetHeight()));
    dialogo.CentreOnParent();
  }
}

// Button ids of the name prompt.
enum : int { kIdSobrescribir = 100, kIdSobrescribirTodas, kIdRenombrar, kIdOmitir, kIdCancelarImportacion };

}  // namespace

SDecisionNombre PreguntarNombreExistente(wxWindow* padre, const std::string& nombre, bool sePuedeSobrescribir) {
  wxDialog dialogo(padre, wxID_ANY, Traduce("Declaración ya existente"));
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  const wxString texto = sePuedeSobrescribir
                             ? Traduce("Ya existe una declaración con el nombre:")
                             : Traduce("Otra declaración de esta importación se guarda ya con el nombre:");
  sizer->Add(new wxStaticText(&dialogo, wxID_ANY, texto), 0, wxALL, 8);
  sizer->Add(new wxStaticText(&dialogo, wxID_ANY, DeCp1252(plataforma::RecortaDerecha(nombre))), 0,
             wxLEFT | wxRIGHT | wxBOTTOM, 8);
  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  for (const auto& [id, etiqueta] :
       {std::pair{kIdSobrescribir, "&Sobrescribir"}, std::pair{kIdSobrescribirTodas, "Sobrescribir &todas"},
        std::pair{kIdRenombrar, "&Renombrar..."}, std::pair{kIdOmitir, "&Omitir"},
        std::pair{kIdCancelarImportacion, "&Cancelar"}}) {
    auto* boton = new wxButton(&dialogo, id, Traduce(etiqueta));
    boton->Bind(wxEVT_BUTTON, [&dialogo, id = id](wxCommandEvent&) { dialogo.EndModal(id); });
    if (!sePuedeSobrescribir && (id == kIdSobrescribir || id == kIdSobrescribirTodas)) boton->Enable(false);
    botones->Add(boton, 0, wxRIGHT, 4);
  }
  sizer->Add(botones, 0, wxALL, 8);
  dialogo.SetSizerAndFit(sizer);
  dialogo.SetEscapeId(kIdCancelarImportacion);
  dialogo.CentreOnParent();

  SDecisionNombre decision;
  switch (dialogo.ShowModal()) {
    case kIdSobrescribir:
      decision.decision = EDecisionNombre::Sobrescribir;
      break;
    case kIdSobrescribirTodas:
      decision.decision = EDecisionNombre::SobrescribirTodas;
      break;
    case kIdRenombrar: {
      wxTextEntryDialog nuevo(padre, Traduce("Nuevo nombre de la declaración:"), Traduce("Renombrar"));
      nuevo.SetMaxLength(static_cast<unsigned long>(kAnchoNombreDeclaracion));
      if (nuevo.ShowModal() != wxID_OK) {
        decision.decision = EDecisionNombre::Omitir;
        break;
      }
      decision.decision = EDecisionNombre::Renombrar;
      decision.nombreNuevo = plataforma::Utf8ACp1252(nuevo.GetValue().utf8_string());
      break;
    }
    case kIdOmitir:
      decision.decision = EDecisionNombre::Omitir;
      break;
    default:
      decision.decision = EDecisionNombre::Cancelar;
      break;
  }
  return decision;
}

void OnExportar(wxWindow* padre, const SSeleccionExportacion* inicial) {
  const CAlmacenDeclaraciones almacen(marco::DameBaseDatosRed());
  if (almacen.DameBaseDatos() == nullptr) return;
  const wxString titulo = Traduce("Exportación de declaraciones");
  const wxString impuestos[] = {Traduce("Renta"), Traduce("Patrimonio")};
  wxSingleChoiceDialog tipo(padre, Traduce("Declaraciones que se exportan:"), titulo, 2, impuestos);
  if (inicial != nullptr) tipo.SetSelection(inicial->clase == EClaseIntercambio::Patrimonio ? 1 : 0);
  AnchoParaTitulo(tipo);
  if (tipo.ShowModal() != wxID_OK) return;
  const EClaseIntercambio clase = tipo.GetSelection() == 1 ? EClaseIntercambio::Patrimonio : EClaseIntercambio::Renta;

  const std::vector<SFilaAlmacen> filas = DeclaracionesExportables(almacen, clase);
  if (filas.empty()) {
    Mostrar(padre, kMsgSinDeclaraciones);
    return;
  }
  wxArrayString nombres;
  for (const SFilaAlmacen& f : filas) nombres.Add(DeCp1252(plataforma::RecortaDerecha(f.clave)));
  wxMultiChoiceDialog eleccion(padre, Traduce("Elija las declaraciones:"), titulo, nombres);
  if (inicial != nullptr) {
    // The open declaration comes ticked.
    for (std::size_t i = 0; i < filas.size(); ++i) {
      if (plataforma::RecortaDerecha(filas[i].clave) == plataforma::RecortaDerecha(inicial->clave)) {
        eleccion.SetSelections(wxArrayInt(1, static_cast<int>(i)));
      }
    }
  }
  AnchoParaTitulo(eleccion);
  if (eleccion.ShowModal() != wxID_OK) return;
  const wxArrayInt marcadas = eleccion.GetSelections();
  if (marcadas.empty()) return;
  // The chosen names in list order.
  std::vector<std::string> elegidas;
  for (std::size_t i = 0; i < filas.size(); ++i) {
    if (marcadas.Index(static_cast<int>(i)) != wxNOT_FOUND) elegidas.push_back(filas[i].clave);
  }

  wxFileDialog fichero(padre, Traduce("Exportar"), wxString(), wxString(), FiltroDeClase(clase),
                       wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (fichero.ShowModal() != wxID_OK) return;
  wxFileName ruta(fichero.GetPath());
  if (!ruta.HasExt()) ruta.SetExt(wxString::FromUTF8(ExtensionDeClase(clase).data(), ExtensionDeClase(clase).size()));
  Mostrar(padre, ExportarDeclaraciones(almacen, std::filesystem::path(ruta.GetFullPath().utf8_string()), elegidas));
}

void OnImportar(wxWindow* padre) {
  const CAlmacenDeclaraciones almacen(marco::DameBaseDatosRed());
  if (almacen.DameBaseDatos() == nullptr) return;
  // Nothing is imported into a damaged store: the user is told before choosing a file.
  if (!almacen.Escribible()) {
    Mostrar(padre, std::string(kMsgSoloLectura));
    return;
  }
  wxFileDialog fichero(padre, Traduce("Importar"), wxString(), wxString(),
                       FiltroDeClase(EClaseIntercambio::Renta) + "|" + FiltroDeClase(EClaseIntercambio::Patrimonio),
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (fichero.ShowModal() != wxID_OK) return;
  const EClaseIntercambio clase =
      fichero.GetFilterIndex() == 1 ? EClaseIntercambio::Patrimonio : EClaseIntercambio::Renta;

  SFicheroIntercambio analizado;
  const std::string codigo =
      AnalizarIntercambio(std::filesystem::path(fichero.GetPath().utf8_string()), clase, analizado);
  if (!codigo.empty()) {
    Mostrar(padre, codigo);
    return;
  }
  wxArrayString nombres;
  for (const SEntradaIntercambio& e : analizado.entradas) nombres.Add(DeCp1252(plataforma::RecortaDerecha(e.clave)));
  wxMultiChoiceDialog eleccion(padre, Traduce("Elija las declaraciones:"), Traduce("Importación de declaraciones"),
                               nombres);
  wxArrayInt todas;
  for (std::size_t i = 0; i < analizado.entradas.size(); ++i) todas.Add(static_cast<int>(i));
  eleccion.SetSelections(todas);
  if (eleccion.ShowModal() != wxID_OK) return;
  std::vector<std::size_t> elegidas;
  for (int i : eleccion.GetSelections()) elegidas.push_back(static_cast<std::size_t>(i));
  std::sort(elegidas.begin(), elegidas.end());

  const SResultadoImportacion resultado =
      ImportarDeclaraciones(almacen, analizado, elegidas, [padre](const std::string& nombre, bool sobrescribible) {
        return PreguntarNombreExistente(padre, nombre, sobrescribible);
      });
  Mostrar(padre, resultado.codigo, resultado.codigo == kMsgImportadas ? std::to_string(resultado.importadas) : "");
}

}  // namespace shell
