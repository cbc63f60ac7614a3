#include "wealth/C714Doc.h"

#include <wx/app.h>
#include <wx/docview.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "framework/Imagen.h"
#include "framework/ImportesArea.h"
#include "framework/Pista.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Texto.h"
#include "recalculo/Recalculo.h"
#include "wealth/CamposPatrimonio.h"

namespace patrimonio {

wxIMPLEMENT_DYNAMIC_CLASS(C714Doc, marco::CProg32Doc);

namespace {

constexpr std::uint16_t kRoomMoneda = 2;

int Avisar(std::string_view codigo) { return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoExclamacion); }

// The wait cursor while the row is written; nothing without an application object (tests).
class CCursorEspera {
 public:
  CCursorEspera() : m_bActivo(wxTheApp != nullptr) {
    if (m_bActivo) wxBeginBusyCursor();
  }
  ~CCursorEspera() {
    if (m_bActivo) wxEndBusyCursor();
  }
  CCursorEspera(const CCursorEspera&) = delete;
  CCursorEspera& operator=(const CCursorEspera&) = delete;

 private:
  bool m_bActivo;
};

}  // namespace

C714Doc::C714Doc() {
  // The income tax's own commands (its two forms, the persons of a family, the personal data and the summary of
  // the persons' results) stay in the menus and on the tool bar while a wealth-tax declaration is shown: disabled
  // and unticked here, since nothing of a wealth-tax declaration answers them.
  for (const int comando : {marco::kComandoSimplificada, marco::kComandoOrdinaria, marco::kComandoUnidadFamiliar,
                            marco::kComandoDeclarante, marco::kComandoConyuge, marco::kComandoHijo1,
                            marco::kComandoHijo2}) {
    Bind(
        wxEVT_UPDATE_UI,
        [](wxUpdateUIEvent& evento) {
          evento.Enable(false);
          evento.Check(false);
        },
        marco::ComandoAWx(comando));
  }
  for (const int comando : {marco::kComandoDatosPersonales, marco::kComandoResumenResultados}) {
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& evento) { evento.Enable(false); }, marco::ComandoAWx(comando));
  }
}

C714Doc::~C714Doc() = default;

void C714Doc::InicializarDatos() {
  std::memset(&m_datos, 0, sizeof m_datos);
  CProg32Doc::InicializarDatos();
}

int C714Doc::NuevaDeclaracion(std::string_view nombre, int modo, int crear) {
  const int base = CProg32Doc::NuevaDeclaracion(nombre, modo, crear);
  nombre = nombre.substr(0, std::min(nombre.find('\0'), nombre.size()));
  const std::string clave = ClaveDeclaracion714(nombre);
  PonerClave(clave);
  SetTitle(wxString::FromUTF8(plataforma::Cp1252AUtf8(nombre)));
  m_validador.PonerClave(clave);

  InicializarDatos();
  PonerTipoDec(marco::kTipoDecPatrimonio);
  CargarDeclaracion();
  if (crear == 1) {
    GuardarDeclaracion();
    Modify(false);
  }

  CrearListaPaginas(0);
  for (wxList::compatibility_iterator nodo = GetViews().GetFirst(); nodo; nodo = nodo->GetNext()) {
    auto* vista = static_cast<wxView*>(nodo->GetData());
    if (wxWindow* ventana = vista->GetFrame()) ventana->Refresh(false);
  }
  return base > 0 ? 1 : 0;
}

int C714Doc::CargarDeclaracion() {
  m_bDatosRechazados = false;
  if (CProg32Doc::CargarDeclaracion() != 1) {
    // The base load has told the user why (missing, held by another user, a store kept busy): nothing to add.
    // Nothing of the stored row is known: saving the empty declaration over it would lose it.
    m_bDatosRechazados = true;
    return 0;
  }
  marco::CTabla& tabla = TablaDatosDec();
  if (!DameNoGuardada()) {
    // Only a stored area of exactly the right length is taken, and only whole: the area keeps what it holds
    // otherwise, and the row is never written back from it.
    const bool longitudCorrecta = tabla.LongitudCampo("datos") == static_cast<int>(kTamanoDatosPatrimonio);
    std::vector<char> leidos(kTamanoDatosPatrimonio, '\0');
    if (!longitudCorrecta || tabla.LeerCampo("datos", leidos.data(), marco::kCampoBinario,
                                             static_cast<std::uint16_t>(leidos.size())) == 0) {
      Avisar("WIN023");
      m_bDatosRechazados = true;
      return 0;
    }
    // An amount that is not a number would run through every result of the calculation.
    if (marco::PrimerImporteNoFinito(std::span<const char>(leidos))) {
      Avisar("ALM004");
      m_bDatosRechazados = true;
      return 0;
    }
    std::memcpy(&m_datos, leidos.data(), sizeof m_datos);
  }
  std::array<char, kRoomMoneda> moneda{};
  tabla.LeerCampo("moneda", moneda.data(), marco::kCampoTexto, kRoomMoneda);
  marco::PonerMonedaEnUso(marco::LetraMoneda(plataforma::LeeFija(moneda.data(), 1)));
  marco::RearmarAvisoDesborde();
  return 1;
}

void C714Doc::ComponerIdentificacionYReferencia() {
  RegPatDatosPersonales& dp = m_datos.PatDatosPersonales;
  if (CampoVacio(dp, personales::NumeroReferencia) || CampoVacio(dp, personales::Identificacion)) {
    marco::PonerRecomponerIdentificacion(true);
  }
  if (!marco::RecomponerIdentificacion()) return;
  const std::string nif(LeeTexto(dp, personales::Nif));
  ComponerIdentificacion(nif, 0);
  EscribeTexto(dp, personales::Identificacion, std::string_view(TextoReferencia(), marco::kAnchoTextoReferencia));
  EscribeTexto(dp, personales::NumeroReferencia, ComponerNumeroReferencia(marco::kTipoDecPatrimonio, nif));
  marco::PonerRecomponerIdentificacion(false);
  if (LeeByte(dp, personales::MarcaSujeto.desplazamiento) == 1) {
    Avisar("WIN060");
    EscribeByte(dp, personales::MarcaSujeto.desplazamiento, 0);
  }
}

int C714Doc::GuardarDeclaracion() {
  if (m_bDatosRechazados) {
    Avisar("WIN023");
    return 0;
  }
  CCursorEspera espera;
  if (!DameNoGuardada()) Calcular(1);
  ComponerIdentificacionYReferencia();
  // The base writes type and key, and the language and the data area with them (GrabarCamposDeclaracion), in one
  // transaction under the row's lock.
  return CProg32Doc::GuardarDeclaracion() == 1 ? 1 : 0;
}

int C714Doc::GrabarCamposDeclaracion(marco::CTabla& tabla) {
  const char idioma[2] = {marco::LetraIdiomaV(), '\0'};
  return tabla.GrabarCampo("idioma", idioma, marco::kCampoTexto, 1) != 0 &&
                 tabla.GrabarCampo("datos", &m_datos, marco::kCampoBinario,
                                   static_cast<std::uint16_t>(sizeof m_datos)) != 0
             ? 1
             : 0;
}

void C714Doc::AjustaResultado(RegPatAjuste& ajuste, const RegPatResumen& resumen, RegPatDI& di,
                              const RegPatDatosPersonales& personales) {
  patrimonio::AjustaResultado(ajuste, resumen, di, personales);
}

int C714Doc::Calcular(int completo) {
  if (completo == 0 && !DameRecalcular()) return 1;
  recalculo::RecalcularPatrimonio(m_datos, completo != 0);
  AjustaResultado(m_datos.PatAjuste, m_datos.PatResumen, m_datos.PatDI, m_datos.PatDatosPersonales);
  ActualizarVistas(marco::kPistaValores);
  return 1;
}

int C714Doc::DameMarcaSujeto() { return LeeByte(m_datos.PatDatosPersonales, personales::MarcaSujeto.desplazamiento); }

void C714Doc::PonMarcaSujeto(std::uint8_t marca) {
  EscribeByte(m_datos.PatDatosPersonales, personales::MarcaSujeto.desplazamiento, marca);
}

void C714Doc::Imprimir() {
  const std::string nombreClase(kClaseVistaImpresion714);
  wxClassInfo* clase = wxClassInfo::FindClass(wxString::FromUTF8(nombreClase));
  wxObject* objeto = clase != nullptr ? clase->CreateObject() : nullptr;
  std::unique_ptr<wxView> vista(dynamic_cast<wxView*>(objeto));
  if (!vista) delete objeto;
  if (vista) {
    const bool antes = m_bImprimiendo;
    m_bImprimiendo = true;
    vista->SetDocument(this);
    if (!vista->OnCreate(this, 0)) vista.reset();
    m_bImprimiendo = antes;
  }
  if (!vista) {
    marco::CDlgMensaje().MostrarMensaje({}, marco::IconoExclamacion,
                                        "No se ha podido crear el FRAME de impresi\xf3n");
    return;
  }
  // The print view goes when its command returns; its leaving the view list does not close the declaration.
  const bool antes = m_bImprimiendo;
  m_bImprimiendo = true;
  wxCommandEvent orden(wxEVT_MENU, kComandoImprimir);
  vista->ProcessEvent(orden);
  vista.reset();
  m_bImprimiendo = antes;
}

void C714Doc::OnChangedViewList() {
  if (m_bImprimiendo) return;
  CProg32Doc::OnChangedViewList();
}

int C714Doc::MostrarPagina(wxClassInfo* clase, int argumento, int /*recursoMarco*/) {
  const int resultado = CProg32Doc::MostrarPagina(clase, argumento, kRecursoPlantilla714);
  if (resultado != 0) ActualizarVistas(marco::kPistaNinguna);
  return resultado;
}

void C714Doc::CrearListaPaginas(int /*argumento*/) {
  std::vector<wxClassInfo*> clases;
  for (std::string_view pagina : kPaginasPatrimonio) {
    clases.push_back(wxClassInfo::FindClass(wxString::FromUTF8(pagina.data(), pagina.size())));
  }
  PonerListaPaginas(std::move(clases));
  MostrarPagina(ListaPaginas().front(), 0, kRecursoPlantilla714);
}

int C714Doc::Validar(int /*argumento*/) {
  // A finding that did not reach the findings table fails the run: printing and filing read that table.
  bool guardados = m_validador.BorrarHallazgos() != 0;
  const std::vector<SHallazgo714> hallazgos = ComprobarDeclaracion714(m_datos);
  for (const SHallazgo714& h : hallazgos) {
    if (m_validador.AnadirHallazgo(h.codigo, h.pagina, h.casilla, 1) == 0) guardados = false;
  }
  PonerHallazgosIncompletos(!guardados);
  return guardados && hallazgos.empty() ? 1 : 0;
}

}  // namespace patrimonio
