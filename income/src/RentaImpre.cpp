#include "income/RentaImpre.h"

#include <wx/app.h>

#include <algorithm>
#include <cstring>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/ReferenciaReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/TextosVentana.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "income/RentaVista.h"
#include "output/CodigoBarrasDatos.h"
#include "output/ImpresionAvisos.h"
#include "output/ImpresionDestino.h"
#include "output/InternetRenta.h"
#include "output/SimbolosPdf417.h"

namespace renta {

namespace {

// The boxes of page 1 that the taxpayer's copy prints, and the box that goes with the mark.
constexpr int kCasillaCopiaInteresado1 = 8;
constexpr int kCasillaCopiaInteresado2 = 9;
constexpr int kCasillaMarca = 20;
constexpr int kClaseConMarca = 3;

bool PersonaValida(int sujeto) { return sujeto >= 1 && sujeto <= kNumeroSujetos; }

// The four marital-status marks of RegIdentificacion, one byte per person each, five bytes apart.
constexpr std::size_t kDespEstadoCivil = 491;
constexpr std::size_t kSeparacionEstadoCivil = 5;

std::string Tramo(const unsigned char* base, std::size_t desde, std::size_t ancho) {
  return std::string(reinterpret_cast<const char*>(base) + desde, ancho);
}

void Avisar(std::string_view codigo, int icono, std::string_view extra = {}) {
  marco::CDlgMensaje().MostrarMensaje(codigo, icono, extra);
}

}  // namespace

// ---- the printed pages ----

SPaginaImpresaRenta PaginaImpresaRenta(int formulario, int pagina) {
  using E = ECuandoImprimir;
  if (formulario == salida::kFormularioD101) {
    if (pagina == 1) return {kIdPaginaPdf, E::Siempre};
    if (pagina == 2) return {110, E::ConDatos};
    if (pagina >= 3 && pagina <= 7) return {99 + pagina, E::ConDatos};
    if (pagina == 8) return {99 + pagina, E::Siempre};
    if (pagina == 9) return {kIdPaginaPago1, E::Pago};
    if (pagina == 10) return {kIdPaginaPago2, E::Pago};
  } else if (formulario == salida::kFormularioD100) {
    if (pagina == 1) return {kIdPaginaPdf, E::Siempre};
    if (pagina == 2) return {220, E::ConDatos};
    if (pagina >= 3 && pagina <= 16) return {199 + pagina, E::ConDatos};
    if (pagina == 17) return {199 + pagina, E::Siempre};
    if (pagina == 18) return {kIdPaginaPago1, E::Pago};
    if (pagina == 19) return {kIdPaginaPago2, E::Pago};
  }
  return {};
}

std::string NombreClasePagina(int idPagina) {
  if (idPagina == kIdPaginaPdf) return {};
  std::array<char, 6> nombre{'S', 'I', 'M', '0', '0', '0'};
  if (idPagina >= 201 && idPagina <= 299) {
    nombre = {'O', 'R', 'D', '0', '0', '0'};
  } else if (idPagina < 101 || idPagina > 199) {
    return {};
  }
  const int numero = idPagina % 100;
  nombre[4] = static_cast<char>('0' + numero / 10);
  nombre[5] = static_cast<char>('0' + numero % 10);
  return std::string(nombre.data(), nombre.size());
}

std::string ReferenciaSujeto(const DatosRenta& datos, int sujeto) {
  if (!PersonaValida(sujeto)) return {};
  return Tramo(datos.Identificacion.octetos, kDespReferencia + kAnchoReferencia * (sujeto - 1), kAnchoReferencia);
}

std::string NifSujeto(const DatosRenta& datos, int sujeto) {
  if (!PersonaValida(sujeto)) return {};
  return Tramo(datos.Identificacion.octetos, kDespNif + kAnchoNif * (sujeto - 1), kAnchoNif);
}

std::string TextoCambioFormulario(int formulario) {
  std::string texto = marco::TextoFijo1252("Se va a imprimir una declaraci\xF3n ");
  texto += ' ';
  texto += marco::TextoFijo1252(formulario == salida::kFormularioD100 ? "ORDINARIA" : "SIMPLIFICADA");
  return texto;
}

int ClaseDeclaracion(const DatosRenta& datos, int sujeto) {
  if (!PersonaValida(sujeto)) return 0;
  int clase = 0;
  for (int k = 0; k < 4; ++k) {
    const std::size_t d = kDespEstadoCivil + kSeparacionEstadoCivil * static_cast<std::size_t>(k) +
                          static_cast<std::size_t>(sujeto - 1);
    if (datos.Identificacion.octetos[d] == 1) clase = k + 1;
  }
  return clase;
}

void DibujarMarcaPagina1(plataforma::CLienzo& lienzo) {
  lienzo.Guardar();
  // Tenths of a millimetre from the top-left corner, y upwards.
  lienzo.PonModoMapeo(plataforma::ModoMapeo::MetricoBajo);
  lienzo.PonOrigenVentana({0, 0});
  lienzo.PonOrigenVista({0, 0});
  lienzo.PonPluma(plataforma::CPluma{plataforma::EstiloPluma::Solida, 4, plataforma::kNegro});
  lienzo.Linea({184, -554}, {196, -566});
  lienzo.Linea({190, -550}, {190, -570});
  lienzo.Linea({180, -560}, {200, -560});
  lienzo.Linea({184, -566}, {196, -554});
  lienzo.Restaurar();
}

// ---- the declaration of the program ----

DatosRenta& CDeclaracionRentaImpresion::Datos() { return m_documento.Datos(); }

int CDeclaracionRentaImpresion::SujetoActual() { return m_documento.DameSujetoActual(); }

int CDeclaracionRentaImpresion::ModeloNecesario(int sujeto) { return m_documento.ModeloNecesario(sujeto); }

int CDeclaracionRentaImpresion::TipoFormulario() { return m_documento.DameTipoDec(); }

void CDeclaracionRentaImpresion::PonerTipoFormulario(int formulario) {
  m_documento.PonerTipoDec(static_cast<std::uint8_t>(formulario));
}

bool CDeclaracionRentaImpresion::MuestraPagina() { return m_documento.DamePaginaMostrada(); }

int CDeclaracionRentaImpresion::LeerPagina(int idPagina, marco::PaginaInfo& info) {
  // A page missing from the catalogue is told once, with the others the run could not make.
  return m_documento.LeerPagina(idPagina, info, false);
}

std::shared_ptr<marco::CControlesPagina> CrearControlesPaginaRenta(CRentaDoc& documento, int idPagina) {
  std::shared_ptr<marco::CControlesPagina> campos;
  if (idPagina == kIdPaginaPdf) {
    campos = std::make_shared<CControlesPAGPDF>();
  } else {
    // The page's own box array, made by its view class; the view object (never shown) lives as long as the array.
    const std::string nombre = NombreClasePagina(idPagina);
    wxClassInfo* clase = nombre.empty() ? nullptr : wxClassInfo::FindClass(wxString::FromUTF8(nombre));
    wxObject* objeto = clase != nullptr ? clase->CreateObject() : nullptr;
    auto* vista = dynamic_cast<CRentaVista*>(objeto);
    if (vista == nullptr) {
      delete objeto;
      return nullptr;
    }
    std::shared_ptr<CRentaVista> propietario(vista);
    if (vista->DameControles() == nullptr) return nullptr;
    campos = std::shared_ptr<marco::CControlesPagina>(propietario, vista->DameControles());
  }
  campos->PonerDocumento(&documento);
  return campos;
}

std::shared_ptr<marco::CControlesPagina> CDeclaracionRentaImpresion::CrearCampos(int idPagina) {
  std::shared_ptr<marco::CControlesPagina> campos = CrearControlesPaginaRenta(m_documento, idPagina);
  if (!campos || campos->Cargar(idPagina, 1.0, nullptr) == 0) return nullptr;
  return campos;
}

salida::SVistaRegistroRenta CDeclaracionRentaImpresion::VistaRegistro() {
  salida::SVistaRegistroRenta v;
  v.sujeto = m_documento.DameSujetoActual();
  v.tipoDeclaracion = m_documento.DameTipoDec();
  v.modeloNecesario = m_documento.ModeloNecesario(v.sujeto);
  const auto presentes = m_documento.SujetosPresentes();
  v.hayConyugeOHijo = presentes[marco::kSujetoConyuge - 1] != 0 || presentes[marco::kSujetoHijo1 - 1] != 0;
  // The record reads the texts while it is built: the view keeps them for as long.
  m_ejercicio = m_documento.DameEjercicioFiscal();
  m_cabecera1.assign(m_documento.TextoCabecera1(), 40);
  m_cabecera2.assign(m_documento.TextoCabecera2(), 40);
  v.ejercicioFiscal = m_ejercicio;
  v.textoCabecera1 = m_cabecera1;
  v.textoCabecera2 = m_cabecera2;
  v.letraWindows = marco::DameLetraWindows();
  v.letraIdioma = marco::LetraIdiomaI();
  return v;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(CRentaImpre, salida::CImpreVista);

CRentaImpre::CRentaImpre() = default;

CRentaImpre::~CRentaImpre() = default;

bool CRentaImpre::OnPreparePrinting(salida::CInfoImpresion& info) {
  IDeclaracionRentaImpresion* decl = Declaracion();
  if (decl == nullptr) return false;
  m_nFormularioGuardado = decl->TipoFormulario();
  m_bFormularioCambiado = false;
  const int necesario =
      decl->ModeloNecesario(decl->SujetoActual()) == salida::kFormularioD100 ? salida::kFormularioD100
                                                                              : salida::kFormularioD101;
  if (necesario != m_nFormularioGuardado) {
    Avisar({}, marco::IconoAsterisco, TextoCambioFormulario(necesario));
    decl->PonerTipoFormulario(necesario);
    m_bFormularioCambiado = true;
  }
  const auto devolver = [&] {
    if (m_bFormularioCambiado) decl->PonerTipoFormulario(m_nFormularioGuardado);
    m_bFormularioCambiado = false;
    return false;
  };
  if (!decl->MuestraPagina()) return devolver();
  const int ultima = salida::UltimaPaginaFormulario(necesario);
  info.rango = salida::SRangoImpresion{1, ultima, 1, ultima};
  if (!PrepararImpresion(info)) return devolver();
  return true;
}

bool CRentaImpre::DebeImprimirse(int pagina) {
  IDeclaracionRentaImpresion* decl = Declaracion();
  if (decl == nullptr) return false;
  const SPaginaImpresaRenta impresa = PaginaImpresaRenta(decl->TipoFormulario(), pagina);
  if (impresa.cuando == ECuandoImprimir::Nunca) return false;
  return impresa.cuando != ECuandoImprimir::Pago || salida::CondicionPagoInternet(decl->Datos(), decl->SujetoActual());
}

bool CRentaImpre::EmpezarPagina(int pagina) { return DebeImprimirse(pagina); }

int CRentaImpre::LeerPaginaImpresa(int pagina, marco::PaginaInfo& catalogo) {
  IDeclaracionRentaImpresion* decl = Declaracion();
  return decl->LeerPagina(PaginaImpresaRenta(decl->TipoFormulario(), pagina).idPagina, catalogo);
}

int CRentaImpre::CrearCamposPagina(int pagina) {
  m_pCampos.reset();
  if (!DebeImprimirse(pagina)) return 0;
  IDeclaracionRentaImpresion* decl = Declaracion();
  const SPaginaImpresaRenta impresa = PaginaImpresaRenta(decl->TipoFormulario(), pagina);
  const int sujeto = decl->SujetoActual();
  m_pCampos = decl->CrearCampos(impresa.idPagina);
  if (!m_pCampos) return -1;
  m_pCampos->Refrescar();
  if (impresa.cuando == ECuandoImprimir::ConDatos) {
    return m_pCampos->TieneDatos(0, marco::SEntornoCampo{sujeto, marco::LetraIdiomaI()});
  }
  if (pagina == 1) m_nClaseDeclaracion = ClaseDeclaracion(decl->Datos(), sujeto);
  return 1;
}

bool CRentaImpre::DibujarAntesDeCampos(plataforma::CLienzo& lienzo, int pagina) {
  if (pagina != 1) return true;
  const bool simbolos = ImprimirPdf417(lienzo) != 0;
  if (m_nClaseDeclaracion == kClaseConMarca) {
    if (marco::CCampo* c = m_pCampos->CampoDeNumero(kCasillaMarca)) c->PintarEn = marco::kPintarSiempre;
    DibujarMarcaPagina1(lienzo);
  }
  if (m_nTipoEjemplar == salida::kEjemplarInteresado) {
    for (const int numero : {kCasillaCopiaInteresado1, kCasillaCopiaInteresado2}) {
      if (marco::CCampo* c = m_pCampos->CampoDeNumero(numero)) c->PintarEn = marco::kPintarSiempre;
    }
  }
  return simbolos;
}

std::optional<std::string> CRentaImpre::ReferenciaCodigoBarras(int pagina) {
  IDeclaracionRentaImpresion* decl = Declaracion();
  const int idPagina = PaginaImpresaRenta(decl->TipoFormulario(), pagina).idPagina;
  if (idPagina != kIdPaginaPago1 && idPagina != kIdPaginaPago2) return std::nullopt;
  return ReferenciaSujeto(decl->Datos(), decl->SujetoActual());
}

int CRentaImpre::ImprimirPdf417(plataforma::CLienzo& lienzo) {
  IDeclaracionRentaImpresion* decl = Declaracion();
  const DatosRenta& datos = decl->Datos();
  const int sujeto = decl->SujetoActual();
  const std::string registro = m_registro.DatosCodigoBarras(datos, decl->VistaRegistro());
  std::memcpy(m_szCabecera.data(), salida::kPrefijoTramaRenta.data(), salida::kPrefijoTramaRenta.size());
  m_szCabecera.back() = '\0';
  const std::string nif = NifSujeto(datos, sujeto);
  std::fill(m_szNif.begin(), m_szNif.end(), '\0');
  std::memcpy(m_szNif.data(), nif.data(), std::min(nif.size(), m_szNif.size() - 1));
  if (registro.empty()) {
    Avisar("PDF002", marco::IconoMano);
    return 0;
  }
  salida::CCodigoBarrasDatos trama;
  salida::PrepararTramaRenta(trama, datos, sujeto);
  // A frame that cannot be made has shown its message; the page prints without the symbols, as a page that failed
  // (the declaration cannot be read from it).
  if (trama.ComprimirCodigoBarras(registro) != 1) return 0;
  salida::CSimbolosPdf417 simbolos;
  simbolos.PintarPDF417(lienzo, m_nPuntosPorPulgada, trama.DatosTrama(), decl->TipoFormulario());
  m_nSimbolos = simbolos.SimbolosPintados();
  return m_nSimbolos > 0 ? 1 : 0;
}

void CRentaImpre::OnEndPrinting(salida::CInfoImpresion& info) {
  if (m_bFormularioCambiado) {
    if (IDeclaracionRentaImpresion* decl = Declaracion()) decl->PonerTipoFormulario(m_nFormularioGuardado);
    m_bFormularioCambiado = false;
  }
  TerminarConAviso(info);
}

void CRentaImpre::MostrarAvisoFinal() {
  salida::CDlgAvisoSobreRenta aviso(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr);
  aviso.DoModal();
}

// ---- the document's print command ----

void ImprimirRenta(CRentaDoc& documento) {
  // The view reaches the declaration directly: it never joins the document's views, so its leaving cannot close
  // the declaration.
  auto vista = std::make_unique<CRentaImpre>();
  vista->PonerDeclaracion(std::make_unique<CDeclaracionRentaImpresion>(documento));
  vista->PonerDocumentoImpresion(std::make_unique<salida::CDocumentoImpresionMarco>(documento));
  if (!vista->OnCreate(&documento, 0)) {
    Avisar({}, marco::IconoExclamacion, marco::TextoFijo1252("No se ha podido crear el FRAME de impresi\xF3n"));
    return;
  }
  wxCommandEvent orden(wxEVT_MENU, salida::kComandoImprimirVista);
  vista->ProcessEvent(orden);
}

void CRentaDoc::Imprimir() { ImprimirRenta(*this); }

}  // namespace renta
