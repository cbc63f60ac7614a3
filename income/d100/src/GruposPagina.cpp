#include "d100/GruposPagina.h"

#include <wx/button.h>
#include <wx/window.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "d100/ValoresFila.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/Mensajes.h"
#include "framework/Prog32ViewReglas.h"
#include "framework/TextosVentana.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace ordinaria {

int NumeroCasillaFila(const SGrupoPagina& grupo, std::size_t j, const SCasillaFila& casilla) {
  if (j < grupo.colas.size() && casilla.desp >= grupo.inicioCola) return grupo.colas[j] + casilla.desp - grupo.inicioCola;
  return j < grupo.primeras.size() ? grupo.primeras[j] + casilla.desp : 0;
}

SGrupoPagina GrupoParImportes(int id, std::vector<int> primeras, int primerCampo) {
  const int c = primerCampo;
  return {id, std::move(primeras), {{0, c, 1}, {1, c + 1, kD}, {2, c + 2, kD}}, c, true, 1};
}

// ---- the box array ----

CControlesGrupos::CControlesGrupos(const SPaginaGrupos& pagina) : m_pagina(pagina) {}
CControlesGrupos::~CControlesGrupos() = default;

void CControlesGrupos::PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera) {
  m_pDatos = datos;
  m_cabecera = cabecera;
}

void CControlesGrupos::TomarDocumento() { renta::TomarDocumentoRenta(*this, m_pDatos, m_cabecera); }

int CControlesGrupos::SujetoMostrado() const {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= renta::kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

int CControlesGrupos::IndiceGrupo(int grupo) const {
  const auto grupos = Grupos();
  for (std::size_t g = 0; g < grupos.size(); ++g) {
    if (grupos[g].id == grupo) return static_cast<int>(g);
  }
  return -1;
}

renta::CFilasApartadoF* CControlesGrupos::Filas(int grupo) const {
  const int g = IndiceGrupo(grupo);
  if (g < 0 || static_cast<std::size_t>(g) >= m_aFilas.size()) return nullptr;
  return m_aFilas[static_cast<std::size_t>(g)].get();
}

bool CControlesGrupos::GrupoEditable(int grupo) const {
  const renta::CFilasApartadoF* filas = Filas(grupo);
  return filas != nullptr && !filas->EsCopiaFiltrada();
}

SCasillaGrupo CControlesGrupos::Situar(int numero) const {
  SCasillaGrupo casilla;
  casilla.numero = numero;
  for (const SGrupoPagina& g : Grupos()) {
    for (std::size_t j = 0; j < g.primeras.size(); ++j) {
      for (const SCasillaFila& c : g.casillas) {
        if (NumeroCasillaFila(g, j, c) != numero) continue;
        casilla.grupo = g.id;
        casilla.fila = static_cast<int>(j);
        casilla.campo = c.campo;
        casilla.editable = GrupoEditable(g.id);
        return casilla;
      }
    }
  }
  return casilla;
}

int CControlesGrupos::GrupoDeCasilla(int numero) const { return Situar(numero).grupo; }
int CControlesGrupos::FilaDeCasilla(int numero) const { return Situar(numero).fila; }
int CControlesGrupos::CampoDeCasilla(int numero) const { return Situar(numero).campo; }

int CControlesGrupos::CasillaDeCampo(int grupo, int fila, int campo) const {
  const int g = IndiceGrupo(grupo);
  if (g < 0) return 0;
  const SGrupoPagina& gp = Grupos()[static_cast<std::size_t>(g)];
  if (fila < 0 || static_cast<std::size_t>(fila) >= gp.primeras.size()) return 0;
  for (const SCasillaFila& c : gp.casillas) {
    if (c.campo == campo) return NumeroCasillaFila(gp, static_cast<std::size_t>(fila), c);
  }
  return 0;
}

unsigned char* CControlesGrupos::FilaMostrada(int grupo, int fila) const {
  renta::CFilasApartadoF* filas = Filas(grupo);
  return filas != nullptr ? filas->FilaMostrada(fila) : nullptr;
}

unsigned char* CControlesGrupos::FilaGuardada(int grupo, int fila) const {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr || filas->EsCopiaFiltrada() || m_pDatos == nullptr) return nullptr;
  const int i = filas->DamePrimera() + fila;
  if (fila < 0 || fila >= filas->DameMostradas() || i >= filas->DameFilas()) return nullptr;
  return filas->FilaEnDatos(i);
}

double CControlesGrupos::DameImporteFila(int grupo, int fila, int campo) const {
  renta::CFilasApartadoF* filas = Filas(grupo);
  const auto* p = filas != nullptr ? static_cast<const unsigned char*>(filas->DireccionCampo(fila, campo)) : nullptr;
  return p != nullptr ? Doble(p) : 0.0;
}

std::uint8_t CControlesGrupos::ClaveFila(int grupo, int fila) const {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return 0;
  const int i = filas->DamePrimera() + fila;
  return fila >= 0 && fila < filas->DameMostradas() ? filas->TitularTrabajo(i) : 0;
}

void CControlesGrupos::Guardar(int grupo, int fila) {
  if (renta::CFilasApartadoF* filas = Filas(grupo)) filas->OrdenFila(fila, renta::kOrdenGuardarF, 0);
}

int CControlesGrupos::SuprimirSiVacia(int grupo, int fila) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr || filas->EsCopiaFiltrada() || ClaveFila(grupo, fila) != 0) return 0;
  if (FilaMostrada(grupo, fila) == nullptr) return 0;
  filas->OrdenFila(fila, renta::kOrdenSuprimirF, 1);
  EnlazarGrupo(grupo);
  return 1;
}

void CControlesGrupos::Recargar(int grupo, int fila) {
  if (renta::CFilasApartadoF* filas = Filas(grupo)) filas->OrdenFila(fila, renta::kOrdenRevertirF, 0);
}

void CControlesGrupos::CrearFilas() {
  m_aFilas.clear();
  if (m_pDatos == nullptr) return;
  const auto grupos = Grupos();
  for (std::size_t g = 0; g < grupos.size(); ++g) m_aFilas.push_back(m_pagina.crearTabla(static_cast<int>(g), *m_pDatos));
  FiltrarFilas();
}

void CControlesGrupos::FiltrarFilas() {
  m_nSujetoFiltro = SujetoMostrado();
  const auto grupos = Grupos();
  for (std::size_t g = 0; g < m_aFilas.size() && g < grupos.size(); ++g) {
    if (!m_aFilas[g]) continue;
    if (grupos[g].porTitular) {
      m_aFilas[g]->FiltrarPorTitular(m_nSujetoFiltro);
    } else {
      m_aFilas[g]->Recargar();
      m_aFilas[g]->ReconstruirIndice();
    }
  }
}

void* CControlesGrupos::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  return filas != nullptr ? filas->DireccionCampo(fila, casilla.campo) : nullptr;
}

void CControlesGrupos::EnlazarGrupo(int grupo) {
  const int g = IndiceGrupo(grupo);
  if (g < 0) return;
  const SGrupoPagina& gp = Grupos()[static_cast<std::size_t>(g)];
  renta::CFilasApartadoF* filas = Filas(grupo);
  for (std::size_t j = 0; j < gp.primeras.size(); ++j) {
    const int fila = static_cast<int>(j);
    for (const SCasillaFila& c : gp.casillas) {
      void* enlace = c.enlace >= 0 && filas != nullptr ? filas->DireccionCampo(fila, c.enlace) : nullptr;
      marco::CCampo* campo = CampoDeNumero(NumeroCasillaFila(gp, j, c));
      if (renta::EnlazarCasilla(campo, LugarCasilla(grupo, fila, c), c.tamano, enlace) == 0 || enlace == nullptr) {
        continue;
      }
      for (std::size_t k = 0; k < c.lectura.size(); ++k) {
        if (c.lectura[k] >= 0) campo->EnlacesLectura[k] = filas->DireccionCampo(fila, c.lectura[k]);
      }
    }
  }
  SoloLecturaGrupo(grupo);
}

void CControlesGrupos::EnlazarFilas() {
  for (const SGrupoPagina& g : Grupos()) EnlazarGrupo(g.id);
}

void CControlesGrupos::Bloquear(int numero, bool bloqueada) { renta::PonerSoloLectura(CampoDeNumero(numero), bloqueada); }

void CControlesGrupos::SoloLecturaGrupo(int grupo) {
  const int g = IndiceGrupo(grupo);
  if (g < 0) return;
  const SGrupoPagina& gp = Grupos()[static_cast<std::size_t>(g)];
  const bool editable = GrupoEditable(grupo);
  bool abierta = true;  // the first row's head is always open
  for (std::size_t j = 0; j < gp.primeras.size(); ++j) {
    const bool conClave = ClaveFila(grupo, static_cast<int>(j)) != 0;
    for (const SCasillaFila& c : gp.casillas) {
      const bool cabeza = c.desp < gp.cabeza;
      Bloquear(NumeroCasillaFila(gp, j, c), !editable || (cabeza ? !abierta : !conClave));
    }
    abierta = conClave;
  }
}

void CControlesGrupos::RecargarGrupos() {
  const auto grupos = Grupos();
  for (std::size_t g = 0; g < m_aFilas.size() && g < grupos.size(); ++g) {
    renta::CFilasApartadoF* filas = m_aFilas[g].get();
    if (filas == nullptr) continue;
    if (filas->EsCopiaFiltrada()) {
      const int primera = filas->DamePrimera();
      filas->FiltrarPorTitular(m_nSujetoFiltro);
      for (int k = 0; k < primera; ++k) filas->Navegar(0);
    } else {
      for (int j = 0; j < filas->DameMostradas(); ++j) filas->OrdenFila(j, renta::kOrdenRevertirF, 0);
    }
  }
  EnlazarFilas();
}

int CControlesGrupos::NavegarGrupo(int grupo, int fila, int accion, int extra) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return 0;
  int resultado = 0;
  if (!AccionVentana(*filas, grupo, fila, accion, resultado)) {
    resultado = AccionFila(*filas, grupo, fila, accion, extra);
  }
  if (CasillaMarcaHojas() != 0) ContarHojas();
  return resultado;
}

bool CControlesGrupos::AccionVentana(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int& resultado) {
  switch (accion) {
    case kAccionPuedeMover:
      resultado = filas.PuedeMover(fila == 0 ? 0 : 1);
      return true;
    case kAccionMover:
      filas.Navegar(fila == 0 ? 0 : 1);
      EnlazarGrupo(grupo);
      return true;
    default:
      return false;
  }
}

void CControlesGrupos::CambiarTitularFila(renta::CFilasApartadoF& filas, int grupo, int fila, int borrar, int guardar,
                                          int marcaGuardar) {
  const int i = filas.DamePrimera() + fila;
  const std::uint8_t guardado = filas.TitularGuardada(i);
  if (!filas.EsCopiaFiltrada() && guardado != 0 && guardado != filas.TitularTrabajo(i)) {
    filas.OrdenFila(fila, borrar, 1);
    filas.OrdenFila(fila, guardar, marcaGuardar);
  }
  SoloLecturaGrupo(grupo);
}

std::optional<int> CControlesGrupos::AbrirDialogoFila(std::string_view ventana, std::span<unsigned char> bloque,
                                                      std::int32_t primerParametro, wxWindow* padre,
                                                      std::int32_t sujeto) {
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(ventana);
  if (dialogo == nullptr || !dialogo->abrir || dialogo->tamanoBloque != bloque.size()) return std::nullopt;
  marco::SPeticionDetalle peticion;
  peticion.padre = padre;
  peticion.primerParametro = primerParametro;
  peticion.sujeto = sujeto;
  peticion.conyugeOPrimerHijo = marco::HayConyugeOHijo();
  peticion.bloque = bloque;
  return dialogo->abrir(peticion);
}

int CControlesGrupos::FilaDePares(const SCasillaGrupo& casilla, std::initializer_list<int> grupos) {
  int primera = 0;
  for (int grupo : grupos) {
    if (casilla.grupo != 0 && casilla.grupo == grupo) return primera + casilla.fila;
    primera += renta::kMostradasGrupoF;
  }
  return -1;
}

void CControlesGrupos::CambiarFilaPares(int& foco, int ahora, std::initializer_list<int> grupos) {
  if (ahora == foco) return;
  if (foco >= 0 && static_cast<std::size_t>(foco / renta::kMostradasGrupoF) < grupos.size()) {
    AvisarParIncompleto(grupos.begin()[foco / renta::kMostradasGrupoF], foco % renta::kMostradasGrupoF);
  }
  foco = ahora;
}

void CControlesGrupos::AvisarParIncompleto(int grupo, int fila) {
  const unsigned char* f = FilaMostrada(grupo, fila);
  if (f != nullptr && (Doble(f + 8) == 0) != (Doble(f + 16) == 0)) {
    marco::CDlgMensaje().MostrarMensaje("100R177", marco::IconoAsterisco);
  }
}

void CControlesGrupos::EnlazarCabecera(int casillaEjemplar, int casillaNif) {
  renta::EnlazarCasilla(CampoDeNumero(casillaNif), m_cabecera.nif, renta::kAnchoCabeceraNif);
  renta::EnlazarCasilla(CampoDeNumero(casillaNif + 1), m_cabecera.nombre, renta::kAnchoCabeceraTexto);
  renta::EnlazarCasilla(CampoDeNumero(casillaEjemplar), m_cabecera.ejemplar, renta::kAnchoCabeceraTexto);
}

void CControlesGrupos::EnlazarFijas() { EnlazarCabecera(m_pagina.casillaEjemplar, m_pagina.casillaNif); }

void CControlesGrupos::EnlazarNota(int numero, std::string_view nota) {
  m_aNota.fill('\0');
  std::memcpy(m_aNota.data(), nota.data(), std::min(nota.size(), kAnchoNota));
  renta::EnlazarCasilla(CampoDeNumero(numero), m_aNota.data(), kAnchoNota);
}

void CControlesGrupos::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  m_pTitulo.reset();
  TomarDocumento();
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  CrearFilas();
  EnlazarFijas();
  if (m_pDatos != nullptr) renta::EnlazarCasillasDatos(*this, CasillasFijas(), *m_pDatos);
  if (const int marca = CasillaMarcaHojas()) renta::EnlazarCasilla(CampoDeNumero(marca), m_aMarcaHojas.data(), kAnchoMarcaHojas);
  EnlazarFilas();
  ContarHojas();
}

void CControlesGrupos::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  m_aFilas.clear();
  m_pTitulo.reset();
}

void CControlesGrupos::Refrescar() {
  if (m_pDatos == nullptr || m_aFilas.empty()) return;
  // Filtering reloads the rows and puts each window back on its first row: only when the person changed.
  if (SujetoMostrado() != m_nSujetoFiltro) FiltrarFilas();
  EnlazarFilas();
  ContarHojas();
}

int CControlesGrupos::ContarHojas() {
  m_nHojasExtra = 0;
  if (m_pDatos == nullptr) return 0;
  const int sujeto = SujetoMostrado();
  int maximo = 0;
  for (const SGrupoPagina& g : Grupos()) {
    renta::CFilasApartadoF* filas = Filas(g.id);
    if (filas == nullptr) continue;
    int cuenta = 0;
    for (int i = 0; i < filas->DameFilas(); ++i) {
      const std::uint8_t titular = filas->TitularGuardada(i);
      if (titular == 0) continue;
      const bool suya = sujeto == marco::kSujetoUnidadFamiliar || titular == sujeto ||
                        (titular == marco::kSujetoUnidadFamiliar &&
                         (sujeto == marco::kSujetoDeclarante || sujeto == marco::kSujetoConyuge));
      if (suya || !g.porTitular) ++cuenta;
    }
    maximo = std::max(maximo, cuenta);
  }
  // The first sheet holds the first rows; each further sheet as many again.
  const int porHoja = std::max(FilasPorHoja(), 1);
  m_nHojasExtra = maximo == 0 ? 0 : (maximo + porHoja - 1) / porHoja - 1;
  return m_nHojasExtra;
}

int CControlesGrupos::ContarHojasFilas(int grupo, bool (*mostrada)(const unsigned char* fila),
                                       std::size_t despTitular) {
  int n = 0;
  const renta::CFilasApartadoF* filas = Filas(grupo);
  const int sujeto = SujetoMostrado();
  if (filas != nullptr && m_pDatos != nullptr) {
    for (int i = 0; i < filas->DameFilas(); ++i) {
      const unsigned char* f = filas->FilaEnDatos(i);
      if (f == nullptr || !mostrada(f)) continue;
      if (sujeto == marco::kSujetoUnidadFamiliar || f[despTitular] == sujeto) ++n;
    }
  }
  const int porHoja = std::max(FilasPorHoja(), 1);
  m_nHojasExtra = n == 0 ? 0 : (n + porHoja - 1) / porHoja - 1;
  return m_nHojasExtra;
}

void CControlesGrupos::CamposDerivados(int hoja) {
  const int marca = CasillaMarcaHojas();
  if (marca == 0) return;
  PonerMarcaHojas(hoja == 1 && m_nHojasExtra > 0 ? static_cast<char>('0' + m_nHojasExtra) : '0');
  EnlazarDerivada(marca, "S1*5.0", MarcaHojas(), kAnchoMarcaHojas);
}

void CControlesGrupos::PonerMarcaHojas(char valor) {
  std::fill(m_aMarcaHojas.begin(), m_aMarcaHojas.begin() + kAnchoMarcaHojas, valor);
}

void CControlesGrupos::Vaciar(int numero) {
  renta::EnlazarCasilla(CampoDeNumero(numero), nullptr, 0);
  if (marco::CCampo* campo = CampoDeNumero(numero)) campo->ActualizarTexto();
}

void CControlesGrupos::EnlazarDerivada(int numero, std::string_view mascara, char* valor, std::size_t tamano) {
  marco::CCampo* campo = CampoDeNumero(numero);
  if (campo == nullptr) return;
  campo->StrValidac = std::string(mascara);
  campo->MascaraResuelta = 0;
  campo->LeerMascara('P');
  campo->fminternet = "010X";
  renta::EnlazarCasilla(campo, valor, tamano);
  campo->ActualizarTexto();
}

int CControlesGrupos::AvisoGrupo(int hoja, int palabra) {
  PonerMarcaHojas(' ');
  if (hoja <= 1) {
    Enlazar(1);
    Refrescar();
    if (m_nHojasExtra > 0) {
      PonerMarcaHojas(static_cast<char>('0' + m_nHojasExtra));
      if (const int marca = CasillaMarcaHojas()) {
        if (marco::CCampo* campo = CampoDeNumero(marca)) campo->ActualizarTexto();
      }
    }
    return 1;
  }
  if (hoja - 1 > m_nHojasExtra) {
    m_pTitulo.reset();
    if (const int titulo = CasillaTituloHoja()) Vaciar(titulo);
    return 0;
  }
  // Sheet 2 moves the windows one page on; sheet 3 once more, or twice at once for a caller that makes a new box
  // array for each sheet.
  const int paginas = hoja == 3 && palabra == 1 ? 2 : 1;
  for (auto& f : m_aFilas) {
    if (!f) continue;
    for (int p = 0; p < paginas; ++p) f->AvanzarPagina();
  }
  EnlazarFilas();
  for (int n : CasillasTotales()) Vaciar(n);
  m_pTitulo = std::make_unique<std::array<char, kAnchoTituloGrupos + 1>>();
  m_pTitulo->fill('\0');
  const std::string titulo = marco::TextoDeTabla(kCodigoTituloHoja, kTituloHojaGrupos);
  std::memcpy(m_pTitulo->data(), titulo.data(), std::min(titulo.size(), kAnchoTituloGrupos));
  if (const int titulo = CasillaTituloHoja()) {
    renta::EnlazarCasilla(CampoDeNumero(titulo), m_pTitulo->data(), kAnchoTituloGrupos);
  }
  return 1;
}

// ---- the view ----

wxIMPLEMENT_ABSTRACT_CLASS(CVistaGrupos, renta::CRentaVista);

CControlesGrupos* CVistaGrupos::Grupos() const { return static_cast<CControlesGrupos*>(DameControles()); }

void CVistaGrupos::CalcularTodo() {
  if (renta::CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular(1);
  Grupos()->RecargarGrupos();
  RefrescarControles();
}

void CVistaGrupos::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
  HabilitarBotonesGrupos();
}

void CVistaGrupos::Enfocar() {
  if (const int casilla = Grupos()->TomarCasillaAEnfocar()) IrACampo(casilla - 1);
}

int CVistaGrupos::AplicarDependencias(int numero) {
  Grupos()->CasillaCambiada(numero);
  HabilitarBotonesGrupos();
  CalcularTodo();
  Enfocar();
  return AvisarOtrasVistas(numero) ? 1 : 0;
}

int CVistaGrupos::Recalcular(int numero) {
  const int calcular = Grupos()->CasillaConfirmada(numero);
  HabilitarBotonesGrupos();
  if (calcular != 0) CalcularTodo();
  MarcarDocumentoModificado();
  return calcular;
}

int CVistaGrupos::ComprobarCampo(int numero) {
  const int resultado = Grupos()->ComprobarCasilla(numero);
  HabilitarBotonesGrupos();
  CalcularTodo();
  MarcarDocumentoModificado();
  Enfocar();
  return resultado;
}

void CVistaGrupos::AvisarInfoPersona() {
  if (marco::DameSujetoActual() != marco::kSujetoUnidadFamiliar && marco::HayConyugeOHijo() == 1) {
    marco::CDlgMensaje().MostrarMensaje("WINR007", marco::IconoExclamacion);
  }
}

void CVistaGrupos::TrasInfoFila(int casilla) {
  HabilitarBotonesGrupos();
  ActivarMasTarde(casilla);
}

int CVistaGrupos::FocoMasTarde(int numero) {
  CallAfter([this, numero] { Grupos()->FocoEnCasilla(numero); });
  return 1;
}

bool CVistaGrupos::BotonHabilitado(int grupo, int direccion) const {
  const int g = Grupos()->IndiceGrupo(grupo);
  const auto i = static_cast<std::size_t>(2 * g + (direccion == 0 ? 0 : 1));
  return g >= 0 && i < m_aHabilitado.size() && m_aHabilitado[i];
}

void CVistaGrupos::HabilitarBotonesGrupos() {
  const auto grupos = Grupos()->Grupos();
  m_aHabilitado.resize(2 * grupos.size(), false);
  for (std::size_t g = 0; g < grupos.size(); ++g) {
    for (int direccion = 0; direccion < 2; ++direccion) {
      const std::size_t i = 2 * g + static_cast<std::size_t>(direccion);
      m_aHabilitado[i] = Grupos()->NavegarGrupo(grupos[g].id, direccion, kAccionPuedeMover, 0) > 0;
      if (i < m_aBotones.size() && m_aBotones[i] != nullptr) m_aBotones[i]->Enable(m_aHabilitado[i]);
    }
  }
}

int CVistaGrupos::MoverGrupo(int direccion, int grupo) {
  if (!ConfirmarAntesDeMover()) return 0;
  Grupos()->NavegarGrupo(grupo, direccion, kAccionMover, 0);
  HabilitarBotonesGrupos();
  RefrescarControles();
  EnfocarTrasMover();
  return 1;
}

int CVistaGrupos::PrepararCampos() {
  renta::CRentaVista::PrepararCampos();
  wxWindow* ventana = DameVentana();
  const auto grupos = Grupos()->Grupos();
  if (ventana != nullptr && m_aBotones.empty() && !CasillasBotones().empty()) {
    for (std::size_t i = 0; i < 2 * grupos.size(); ++i) {
      const bool siguiente = i % 2 == 0;
      wxButton* boton = CrearBotonPagina(PrimerComando() + static_cast<int>(i), siguiente ? ">" : "<",
                                         siguiente ? "Siguiente" : "Anterior");
      boton->Bind(wxEVT_BUTTON, &CVistaGrupos::AlBoton, this);
      m_aBotones.push_back(boton);
    }
    ColocarBotones();
  }
  HabilitarBotonesGrupos();
  const SBotonesFila botones = BotonesFila();
  if (ventana != nullptr && m_aBotonesFila.empty()) {
    for (int j = 0; j < botones.filas; ++j) {
      wxButton* boton = CrearBotonPagina(botones.primerComando + j, botones.texto, botones.ayuda);
      boton->Bind(wxEVT_BUTTON, [this, j](wxCommandEvent&) { PulsarBotonFila(j); });
      m_aBotonesFila.push_back(boton);
    }
  }
  ColocarBotonesFila();
  return 1;
}

void CVistaGrupos::AlMostrarCampo() {
  ColocarBotones();
  ColocarBotonesFila();
}

void CVistaGrupos::ColocarBotonesFila() {
  const SBotonesFila botones = BotonesFila();
  const plataforma::CPunto desplazamiento = Desplazamiento();
  for (std::size_t j = 0; j < m_aBotonesFila.size(); ++j) {
    const int casilla = CasillaBotonFila(static_cast<int>(j));
    const marco::CCampo* campo = casilla > 0 ? DameCampo(casilla - 1) : nullptr;
    if (m_aBotonesFila[j] == nullptr || campo == nullptr) continue;
    const plataforma::CRectangulo r = marco::RectanguloCampoEnVentana(*campo, desplazamiento);
    const int lado = std::max(12, static_cast<int>(r.bottom - r.top));
    const int x = botones.izquierda ? r.left - botones.separacion - lado : r.right + botones.separacion;
    m_aBotonesFila[j]->SetSize(x, r.top, lado, lado);
  }
}

void CVistaGrupos::ColocarBotones() {
  constexpr double kLado = 20.0;  // page units
  const double escala = Geometria().escalaCampos > 0 ? Geometria().escalaCampos : 1.0;
  const int lado = std::max(12, static_cast<int>(kLado * escala));
  const plataforma::CPunto desplazamiento = Desplazamiento();
  const auto casillas = CasillasBotones();
  for (std::size_t g = 0; 2 * g + 1 < m_aBotones.size(); ++g) {
    const marco::CCampo* campo = g < casillas.size() ? DameCampo(casillas[g] - 1) : nullptr;
    if (campo == nullptr) continue;
    const plataforma::CRectangulo r = marco::RectanguloCampoEnVentana(*campo, desplazamiento);
    // The pair stands above the right end of the group's first row, on the group's heading: previous, then next.
    const int y = r.top - lado - std::max(3, static_cast<int>(6 * escala));
    if (wxButton* anterior = m_aBotones[2 * g + 1]) anterior->SetSize(r.right - 2 * lado - 4, y, lado, lado);
    if (wxButton* siguiente = m_aBotones[2 * g]) siguiente->SetSize(r.right - lado, y, lado, lado);
  }
}

void CVistaGrupos::AlBoton(wxCommandEvent& evento) {
  const int i = evento.GetId() - PrimerComando();
  const auto grupos = Grupos()->Grupos();
  if (i < 0 || static_cast<std::size_t>(i) >= 2 * grupos.size()) {
    evento.Skip();
    return;
  }
  MoverGrupo(i % 2, grupos[static_cast<std::size_t>(i / 2)].id);
}

}  // namespace ordinaria
