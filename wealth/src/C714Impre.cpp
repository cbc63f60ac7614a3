#include "wealth/C714Impre.h"

#include <wx/app.h>

#include <algorithm>
#include <cstring>

#include "framework/DlgMensaje.h"
#include "framework/ReferenciaReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/TextosVentana.h"
#include "output/CodigoBarrasDatos.h"
#include "output/ImpresionAvisos.h"
#include "output/ImpresionDestino.h"
#include "output/SimbolosPdf417.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/Enlace714.h"

namespace patrimonio {

namespace {

// Where the result difference lies in RegPatDI.
constexpr std::size_t kDespDatoDI = 16;
// The identification sets the data test of pages 2-7 and of page 8 leaves out.
constexpr int kConjuntoSecciones = 0;
constexpr int kConjuntoPagina8 = 3;

void Avisar(std::string_view codigo, int icono, std::string_view extra = {}) {
  marco::CDlgMensaje().MostrarMensaje(codigo, icono, extra);
}

template <std::size_t N>
void CopiarCon0(std::array<char, N>& destino, std::string_view texto) {
  std::fill(destino.begin(), destino.end(), '\0');
  std::memcpy(destino.data(), texto.data(), std::min(texto.size(), N - 1));
}

}  // namespace

double DatoDI(const DatosPatrimonio& datos) {
  double valor = 0.0;
  std::memcpy(&valor, datos.PatDI.octetos + kDespDatoDI, sizeof valor);
  return valor;
}

std::string Nif714(const DatosPatrimonio& datos) {
  return std::string(reinterpret_cast<const char*>(datos.PatDatosPersonales.octetos) + personales::Nif.desplazamiento,
                     personales::Nif.ancho);
}

std::string Referencia714(const DatosPatrimonio& datos) {
  return std::string(
      reinterpret_cast<const char*>(datos.PatDatosPersonales.octetos) + personales::NumeroReferencia.desplazamiento,
      personales::NumeroReferencia.ancho);
}

ECuandoImprimir714 CuandoImprimir714(int pagina) {
  if (pagina == 1 || pagina == 9 || pagina == 10) return ECuandoImprimir714::Siempre;
  if (pagina >= 2 && pagina <= 7) return ECuandoImprimir714::ConDatos0;
  if (pagina == 8) return ECuandoImprimir714::ConDatos3;
  if (pagina == 11 || pagina == 12) return ECuandoImprimir714::ResultadoNoNegativo;
  return ECuandoImprimir714::Nunca;
}

// ---- the declaration of the program ----

DatosPatrimonio& CDeclaracion714Impresion::Datos() { return m_documento.Datos(); }

void CDeclaracion714Impresion::PonerTipoFormulario(int formulario) {
  m_documento.PonerTipoDec(static_cast<std::uint8_t>(formulario));
}

int CDeclaracion714Impresion::LeerPagina(int idPagina, marco::PaginaInfo& info) {
  return m_documento.LeerPagina(idPagina, info);
}

std::unique_ptr<marco::CControlesPagina> CDeclaracion714Impresion::CrearCampos(int pagina) {
  std::unique_ptr<CControlesPAT> campos = CrearControles714(pagina);
  if (!campos) return nullptr;
  campos->PonerDocumento(&m_documento);
  if (campos->Cargar(kBaseIdPagina714 + pagina, 1.0, nullptr) == 0) return nullptr;
  return campos;
}

salida::SVistaRegistro714 CDeclaracion714Impresion::VistaRegistro() {
  m_ejercicio = m_documento.DameEjercicioFiscal();
  salida::SVistaRegistro714 v;
  v.ejercicioFiscal = m_ejercicio;
  v.letraWindows = marco::DameLetraWindows();
  v.letraIdioma = marco::LetraIdiomaV();
  return v;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(C714Impre, salida::CImpreVista);

C714Impre::C714Impre() = default;

C714Impre::~C714Impre() = default;

bool C714Impre::OnPreparePrinting(salida::CInfoImpresion& info) {
  if (Declaracion() == nullptr) return false;
  info.rango = salida::SRangoImpresion{1, kPaginasImpresas714, 1, kPaginasImpresas714};
  return PrepararImpresion(info);
}

int C714Impre::CrearCamposPagina(int pagina) {
  m_pCampos.reset();
  IDeclaracion714Impresion* decl = Declaracion();
  const ECuandoImprimir714 cuando = CuandoImprimir714(pagina);
  if (decl == nullptr || cuando == ECuandoImprimir714::Nunca) return 0;
  if (cuando == ECuandoImprimir714::ResultadoNoNegativo && DatoDI(decl->Datos()) < 0.0) return 0;
  m_pCampos = decl->CrearCampos(pagina);
  if (!m_pCampos) return 0;
  if (cuando == ECuandoImprimir714::ConDatos0) return m_pCampos->TieneDatos(kConjuntoSecciones);
  if (cuando == ECuandoImprimir714::ConDatos3) return m_pCampos->TieneDatos(kConjuntoPagina8);
  return 1;
}

int C714Impre::ImprimirPdf417(plataforma::CLienzo& lienzo) {
  IDeclaracion714Impresion* decl = Declaracion();
  const DatosPatrimonio& datos = decl->Datos();
  const std::string registro = salida::DatosCodigoBarras714(datos, decl->VistaRegistro());
  CopiarCon0(m_szIdentificador, salida::kPrefijoTrama714);
  CopiarCon0(m_szNif, Nif714(datos));
  if (registro.empty()) {
    Avisar("PDF002", marco::IconoMano);
    return 0;
  }
  salida::CCodigoBarrasDatos trama;
  salida::PrepararTrama714(trama, datos);
  // A frame that cannot be made has shown its message; the page prints without the symbol.
  if (trama.ComprimirCodigoBarras(registro) != 1) return 1;
  // One symbol of 14 columns at its own place; below 300 dots per inch the page prints without it, silently.
  const int pintado =
      salida::PintarPDF417Patrimonio(lienzo, m_nPuntosPorPulgada, trama.DatosTrama(), salida::kFormularioD714);
  m_nSimbolos = pintado == salida::kSimboloPintado ? 1 : 0;
  return m_nSimbolos;
}

bool C714Impre::EmpezarPagina(int pagina) {
  IDeclaracion714Impresion* decl = Declaracion();
  if (decl == nullptr) return false;
  decl->PonerTipoFormulario(salida::kFormularioD714);
  return pagina >= 1 && pagina <= kPaginasImpresas714;
}

int C714Impre::LeerPaginaImpresa(int pagina, marco::PaginaInfo& catalogo) {
  return Declaracion()->LeerPagina(kBaseIdPagina714 + pagina, catalogo);
}

bool C714Impre::DibujarAntesDeCampos(plataforma::CLienzo& lienzo, int pagina) {
  return pagina != 1 || ImprimirPdf417(lienzo) != 0;
}

std::optional<std::string> C714Impre::ReferenciaCodigoBarras(int pagina) {
  if (pagina != 11 && pagina != 12) return std::nullopt;
  return Referencia714(Declaracion()->Datos());
}

void C714Impre::OnEndPrinting(salida::CInfoImpresion& info) { TerminarConAviso(info); }

void C714Impre::MostrarAvisoFinal() {
  salida::CDlgAvisoSobrePatrimonio aviso(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr);
  aviso.DoModal();
}

}  // namespace patrimonio
