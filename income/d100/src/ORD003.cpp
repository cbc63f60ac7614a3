#include "d100/ORD003.h"

#include <wx/button.h>
#include <wx/window.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/Mensajes.h"
#include "framework/Prog32ViewReglas.h"
#include "framework/TextosVentana.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace ordinaria {

namespace {

constexpr SPaginaD kPaginas[2] = {
    {3, 203, "ORD003", 101, 101, 98, "S1.0"},
    {4, 204, "ORD004", 105, 104, 102, "S1*5.0"},
};

constexpr int kRowD = renta::kOrdenTitularBorrado;  // 500: delete the shown row when it has no holder
constexpr int kGuardar = renta::kOrdenGuardarFila;   // 501
constexpr int kRecargar = renta::kOrdenRevertirFila;  // 502

constexpr std::size_t kAnchoNif = 9;
constexpr std::size_t kMarca = sizeof(std::int32_t);  // the option marks of the row tables
constexpr std::size_t kDoble = sizeof(double);
constexpr std::uint32_t kImporte = 5 * sizeof(double);

// Where the second place of a selection box comes from.
enum class ESegundo : std::uint8_t { Ninguno, Opcion, Campo };

// A box of a group: its number, the row table's field it shows and the bytes of that field, and the second place
// of a selection box.
struct SCasillaGrupo {
  int numero;
  int campo;
  std::size_t tamano;
  ESegundo segundo = ESegundo::Ninguno;
  int campoSegundo = 0;
  std::size_t anchoSegundo = 0;
};

// The boxes of each group in box order; the amounts follow from their first box.
struct SGrupoCasillas {
  SCasillaGrupo cabeza[4];
  int nCabeza;
  int primeraDoble;      // box of the first double
  int campoPrimeraDoble;  // its field
  int nDobles;
  int primeraBloqueable;  // the boxes from here to ultimaBloqueable are locked while the row has no holder
  int ultimaBloqueable;
};

constexpr SGrupoCasillas kGrupos[kGruposD] = {
    {{{6, 0, 1}, {7, 1, 1, ESegundo::Opcion, 0, 1}}, 2, 8, 2, 22, 7, 28},
    {{{30, 0, 1}, {31, 1, kMarca}, {32, 2, kMarca}}, 3, 33, 3, 22, 31, 53},
    {{{55, 0, 1}, {56, 1, 1, ESegundo::Campo, 24, 4}}, 2, 57, 2, 22, 56, 77},
    {{{79, 2, kAnchoNif}, {80, 1, 1, ESegundo::Opcion, 0, 1}, {81, 0, 1}}, 3, 82, 3, 3, 82, 84},
    {{{85, 3, kAnchoNif}, {86, 1, kMarca}, {87, 2, kMarca}, {88, 0, 1}}, 4, 89, 4, 3, 89, 91},
    {{{92, 3, kAnchoNif}, {93, 1, 1, ESegundo::Campo, 2, 1}, {94, 0, 1}}, 3, 95, 4, 3, 95, 97},
};

// The index of a group id (0-5), -1 for another id.
int IndiceGrupo(int grupo) {
  const int g = grupo - kIdPrimerGrupoD;
  return g >= 0 && g < kGruposD ? g : -1;
}

// The selection links: boxes 4, 5, 7, 56, 80 and 93.
int IndiceEnlace(int numero) {
  switch (numero) {
    case 4: return 0;
    case 5: return 1;
    case 7: return 2;
    case 56: return 3;
    case 80: return 4;
    case 93: return 5;
    default: return -1;
  }
}

// The pairs the amount rules and the focus rule read: offsets of x and y in a row of each group.
constexpr std::size_t kParX[kGruposD] = {160, 160, 160, 24, 24, 24};
constexpr std::size_t kParY[kGruposD] = {168, 168, 168, 32, 32, 32};
// The boxes of x in groups 4 to 6 (y is the next box).
constexpr int kCasillaParX[kGruposD] = {27, 52, 76, 83, 90, 96};

double LeerDoble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

int SujetoMostrado() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= renta::kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

std::unique_ptr<renta::CFilasApartadoD> CrearTabla(int pagina, int g, DatosRenta& d) {
  using P = std::unique_ptr<renta::CFilasApartadoD>;
  if (pagina == 4) {
    switch (g) {
      case 0: return P(new renta::CFilasORD004A(d));
      case 1: return P(new renta::CFilasORD004B(d));
      case 2: return P(new renta::CFilasORD004C(d));
      case 3: return P(new renta::CFilasORD004D(d));
      case 4: return P(new renta::CFilasORD004E(d));
      default: return P(new renta::CFilasORD004F(d));
    }
  }
  switch (g) {
    case 0: return P(new renta::CFilasORD003A(d));
    case 1: return P(new renta::CFilasORD003B(d));
    case 2: return P(new renta::CFilasORD003C(d));
    case 3: return P(new renta::CFilasORD003D(d));
    case 4: return P(new renta::CFilasORD003E(d));
    default: return P(new renta::CFilasORD003F(d));
  }
}

}  // namespace

const SPaginaD& PaginaD(int numero) { return numero == 4 ? kPaginas[1] : kPaginas[0]; }

int GrupoDeCasilla(int numero) {
  if ((numero >= 1 && numero <= 5) || (numero >= 30 && numero <= 54)) return kIdPrimerGrupoD + 1;
  if (numero >= 6 && numero <= 29) return kIdPrimerGrupoD;
  if (numero >= 55 && numero <= 78) return kIdPrimerGrupoD + 2;
  if (numero >= 79 && numero <= 84) return kIdPrimerGrupoD + 3;
  if (numero >= 85 && numero <= 91) return kIdPrimerGrupoD + 4;
  if (numero >= 92 && numero <= 97) return kIdPrimerGrupoD + 5;
  return 0;
}

int ZonaDeCasilla(int numero) {
  if (numero >= 79 && numero <= 84) return 0;
  if (numero >= 85 && numero <= 91) return 1;
  if (numero >= 92 && numero <= 97) return 2;
  if (numero >= 98) return 3;
  return 4;
}

int CasillaDeCampo(int grupo, int campo) {
  const int g = IndiceGrupo(grupo);
  if (g < 0) return 0;
  const SGrupoCasillas& gc = kGrupos[g];
  for (int k = 0; k < gc.nCabeza; ++k) {
    if (gc.cabeza[k].campo == campo) return gc.cabeza[k].numero;
  }
  const int d = campo - gc.campoPrimeraDoble;
  return d >= 0 && d < gc.nDobles ? gc.primeraDoble + d : 0;
}

char ReglaDeCasilla(int numero) {
  if ((numero >= 8 && numero <= 28) || (numero >= 33 && numero <= 53) || (numero >= 57 && numero <= 77)) return 'A';
  if ((numero >= 83 && numero <= 84) || (numero >= 90 && numero <= 91) || (numero >= 96 && numero <= 97)) return 'B';
  return 0;
}

bool FallaReglaA(double x, double y) {
  if (x > 0) return y > 0.3 * x + 100 || y < 0;
  if (x < 0) return y > 0 || y < 0.3 * x - 100;
  return false;
}

bool FallaReglaB(double x, double y) {
  if (y == 0) return false;
  if (x > 0) return y > x || y < 0.7 * x - 100;
  if (x < 0) return y < x;
  return false;
}

// ---- the box array ----

CControlesGruposD::CControlesGruposD(const SPaginaD& pagina) : m_pagina(pagina) {}

CControlesGruposD::~CControlesGruposD() = default;

void CControlesGruposD::PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera) {
  m_pDatos = datos;
  m_cabecera = cabecera;
}

void CControlesGruposD::TomarDocumento() { renta::TomarDocumentoRenta(*this, m_pDatos, m_cabecera); }

renta::CFilasApartadoD* CControlesGruposD::Filas(int grupo) const {
  const int g = IndiceGrupo(grupo);
  return g >= 0 ? m_aFilas[static_cast<std::size_t>(g)].get() : nullptr;
}

bool CControlesGruposD::GrupoEditable(int grupo) const {
  const renta::CFilasApartadoD* filas = Filas(grupo);
  return filas != nullptr && !filas->EsCopiaFiltrada();
}

void CControlesGruposD::CrearFilas() {
  for (auto& f : m_aFilas) f.reset();
  if (m_pDatos == nullptr) return;
  for (int g = 0; g < kGruposD; ++g) m_aFilas[static_cast<std::size_t>(g)] = CrearTabla(m_pagina.numero, g, *m_pDatos);
  FiltrarFilas();
}

void CControlesGruposD::FiltrarFilas() {
  m_nSujetoFiltro = SujetoMostrado();
  for (auto& f : m_aFilas) {
    if (f) f->FiltrarPorTitular(m_nSujetoFiltro);
  }
}

void CControlesGruposD::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  m_nHojaComplementaria = 0;
  m_pTitulo.reset();
  TomarDocumento();
  marco::CDlgMensaje mensaje;
  m_sAvisoMiembro = mensaje.BuscarMensaje(kMensajeFilasDeUnMiembro) != 0 && !mensaje.DameTexto().empty()
                        ? mensaje.DameTexto()
                        : std::string(kMensajeFilasDeUnMiembro);
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  EnlazarCabecera();
  CrearFilas();
  EnlazarGrupos();
  EnlazarFinales();
  HayHojaComplementaria();
}

void CControlesGruposD::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  for (auto& e : m_aEnlaces) e.reset();
  for (auto& f : m_aFilas) f.reset();
  m_pTitulo.reset();
}

void CControlesGruposD::Refrescar() {
  if (m_pDatos == nullptr || !m_aFilas[0]) return;
  // Filtering reloads the rows and puts each window back on its first row: only when the person changed.
  if (SujetoMostrado() != m_nSujetoFiltro) FiltrarFilas();
  EnlazarGrupos();
  HayHojaComplementaria();
}

void CControlesGruposD::EnlazarSeleccion(int numero, void* valor, std::size_t tamano, void* destino,
                                          std::size_t anchoDestino) {
  const int e = IndiceEnlace(numero);
  if (e < 0) return;
  auto& enlace = m_aEnlaces[static_cast<std::size_t>(e)];
  // The old pair of places goes with every binding.
  enlace.reset();
  if (valor == nullptr) {
    renta::EnlazarCasilla(CampoDeNumero(numero), nullptr, 0);
    return;
  }
  enlace = std::make_unique<marco::SEnlaceTabla>();
  enlace->destino = static_cast<char*>(destino);
  enlace->anchoDestino = destino != nullptr ? anchoDestino : 0;
  if (renta::EnlazarCasilla(CampoDeNumero(numero), valor, tamano, enlace.get()) == 0) enlace.reset();
}

void CControlesGruposD::EnlazarCabecera() {
  renta::EnlazarCasilla(CampoDeNumero(1), m_cabecera.nif, renta::kAnchoCabeceraNif);
  renta::EnlazarCasilla(CampoDeNumero(2), m_cabecera.nombre, renta::kAnchoCabeceraTexto);
  renta::EnlazarCasilla(CampoDeNumero(3), m_aIndicador.data(), kAnchoIndicador);
  if (m_pDatos == nullptr) return;
  unsigned char* bloque = m_pagina.numero == 4 ? m_pDatos->ApartadoD2.octetos : m_pDatos->ApartadoD1.octetos;
  constexpr std::size_t kAnchoCodigo = 5;
  constexpr std::size_t kDespTexto = 10;
  constexpr std::size_t kAnchoTexto = 6;  // up to the first group
  EnlazarSeleccion(4, bloque, kAnchoCodigo, bloque + kDespTexto, kAnchoTexto);
  EnlazarSeleccion(5, bloque + kAnchoCodigo, kAnchoCodigo, bloque + kDespTexto, kAnchoTexto);
}

void CControlesGruposD::EnlazarGrupo(int g) {
  const SGrupoCasillas& gc = kGrupos[g];
  renta::CFilasApartadoD* filas = m_aFilas[static_cast<std::size_t>(g)].get();
  const bool editable = filas != nullptr && !filas->EsCopiaFiltrada();
  const bool conTitular = filas != nullptr && filas->TitularTrabajo(filas->DamePrimera()) != 0;
  auto lugar = [&](int campo) { return filas != nullptr ? filas->DireccionCampo(0, campo) : nullptr; };

  for (int k = 0; k < gc.nCabeza; ++k) {
    const SCasillaGrupo& c = gc.cabeza[k];
    if (c.segundo == ESegundo::Ninguno) {
      renta::EnlazarCasilla(CampoDeNumero(c.numero), lugar(c.campo), c.tamano);
    } else {
      void* segundo = c.segundo == ESegundo::Opcion ? static_cast<void*>(&m_nOpcion) : lugar(c.campoSegundo);
      EnlazarSeleccion(c.numero, lugar(c.campo), c.tamano, segundo, c.anchoSegundo);
    }
  }
  for (int d = 0; d < gc.nDobles; ++d) {
    renta::EnlazarCasilla(CampoDeNumero(gc.primeraDoble + d), lugar(gc.campoPrimeraDoble + d), kDoble);
  }
  // Every box of a group waits for a holder after its first; one person's filtered copy is shown read-only,
  // since it is never written back, and its boxes say so.
  const int primera = gc.cabeza[0].numero;
  const int ultima = gc.primeraDoble + gc.nDobles - 1;
  for (int n = primera; n <= ultima; ++n) {
    const bool bloqueada = n >= gc.primeraBloqueable && n <= gc.ultimaBloqueable && !conTitular;
    marco::CCampo* campo = CampoDeNumero(n);
    renta::PonerSoloLectura(campo, !editable || bloqueada);
    PonerAvisoDescripcion(campo, filas != nullptr && !editable);
  }
}

void CControlesGruposD::PonerAvisoDescripcion(marco::CCampo* campo, bool conAviso) const {
  if (campo == nullptr) return;
  // A description as loaded is one line: what follows its first line break is the notice.
  std::string& texto = campo->TextoDibuj;
  if (const std::size_t salto = texto.find('\n'); salto != std::string::npos) texto.resize(salto);
  if (conAviso && !m_sAvisoMiembro.empty()) {
    texto += '\n';
    texto += m_sAvisoMiembro;
  }
}

std::string_view CControlesGruposD::AvisoSoloLectura(int numero) const {
  for (int g = 0; g < kGruposD; ++g) {
    const SGrupoCasillas& gc = kGrupos[g];
    if (numero < gc.cabeza[0].numero || numero > gc.primeraDoble + gc.nDobles - 1) continue;
    const renta::CFilasApartadoD* filas = m_aFilas[static_cast<std::size_t>(g)].get();
    return filas != nullptr && filas->EsCopiaFiltrada() ? std::string_view(m_sAvisoMiembro) : std::string_view{};
  }
  return {};
}

void CControlesGruposD::EnlazarGrupos() {
  for (int g = 0; g < kGruposD; ++g) EnlazarGrupo(g);
}

void CControlesGruposD::EnlazarFinales() {
  if (m_pDatos == nullptr) return;
  using renta::SCasillaDatos;
  constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
  constexpr std::uint32_t kD3 = offsetof(DatosRenta, ApartadoD3);
  constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
  constexpr std::uint32_t kDetalleD3 = 16;
  constexpr std::uint32_t kReferencia = 20;
  if (m_pagina.numero == 4) {
    static constexpr SCasillaDatos kFinales[] = {
        {98, {kBI + 680, kImporte}, {}},
        {99, {kD3 + 0, kImporte}, {kD3 + 40, kDetalleD3}},
        {100, {kD3 + 56, kImporte}, {kD3 + 96, kDetalleD3}},
        {101, {kD3 + 112, kImporte}, {kD3 + 152, kDetalleD3}},
        {102, {kBI + 720, kImporte}, {}},
        {103, {kId, kReferencia}, {}},
    };
    renta::EnlazarCasillasDatos(*this, kFinales, *m_pDatos);
    renta::EnlazarCasilla(CampoDeNumero(105), m_cabecera.ejemplar, renta::kAnchoCabeceraTexto);
  } else {
    static constexpr SCasillaDatos kFinales[] = {
        {98, {kBI + 640, kImporte}, {}},
        {99, {kId, kReferencia}, {}},
    };
    renta::EnlazarCasillasDatos(*this, kFinales, *m_pDatos);
    renta::EnlazarCasilla(CampoDeNumero(100), m_cabecera.ejemplar, renta::kAnchoCabeceraTexto);
  }
  // The title box is empty on the first sheet.
  renta::EnlazarCasilla(CampoDeNumero(m_pagina.casillaTitulo), nullptr, 0);
}

void CControlesGruposD::Vaciar(int numero) {
  if (IndiceEnlace(numero) >= 0) {
    EnlazarSeleccion(numero, nullptr, 0, nullptr, 0);
  } else {
    renta::EnlazarCasilla(CampoDeNumero(numero), nullptr, 0);
  }
  if (marco::CCampo* campo = CampoDeNumero(numero)) campo->ActualizarTexto();
}

unsigned char* CControlesGruposD::FilaDatos(int grupo, int fila) {
  const int g = IndiceGrupo(grupo);
  if (m_pDatos == nullptr || g < 0 || fila < 0 || fila >= renta::kFilasGrupoD) return nullptr;
  unsigned char* bloque = m_pagina.numero == 4 ? m_pDatos->ApartadoD2.octetos : m_pDatos->ApartadoD1.octetos;
  return bloque + renta::kDespGruposD[g] + static_cast<std::size_t>(fila) * renta::kAnchoGruposD[g];
}

unsigned char* CControlesGruposD::OpcionEnDatos(int grupo) {
  renta::CFilasApartadoD* filas = Filas(grupo);
  // A filtered copy's row does not stand at its stored place: its option is never written into the data area.
  if (filas == nullptr || filas->EsCopiaFiltrada()) return nullptr;
  unsigned char* fila = FilaDatos(grupo, filas->DamePrimera());
  return fila != nullptr ? fila + 1 : nullptr;
}

int CControlesGruposD::HayHojaComplementaria() {
  m_nHojaComplementaria = 0;
  if (m_pDatos == nullptr) return 0;
  const int sujeto = SujetoMostrado();
  for (int g = 0; g < kGruposD; ++g) {
    const unsigned char* primera = FilaDatos(kIdPrimerGrupoD + g, 0);
    const unsigned char* segunda = FilaDatos(kIdPrimerGrupoD + g, 1);
    const bool hay = sujeto == marco::kSujetoUnidadFamiliar ? segunda[0] != 0
                                                             : primera[0] == sujeto && segunda[0] == sujeto;
    if (hay) {
      m_nHojaComplementaria = 1;
      break;
    }
  }
  return m_nHojaComplementaria;
}

double CControlesGruposD::ValorGrupo(int grupo, int fila, int campo) {
  renta::CFilasApartadoD* filas = Filas(grupo);
  if (filas == nullptr) return 0.0;
  const int g = IndiceGrupo(grupo);
  const int d = campo - kGrupos[g].campoPrimeraDoble;
  if (d < 0 || d >= kGrupos[g].nDobles) return 0.0;
  const void* p = filas->DireccionCampo(fila, campo);
  return p != nullptr ? LeerDoble(static_cast<const unsigned char*>(p)) : 0.0;
}

int CControlesGruposD::NavegarGrupo(int grupo, int direccion, int accion, int /*extra*/) {
  const int g = IndiceGrupo(grupo);
  renta::CFilasApartadoD* filas = Filas(grupo);
  if (g < 0 || filas == nullptr) return -1;
  int resultado = 0;
  switch (accion) {
    case kRowD:
      if (filas->TitularTrabajo(filas->DamePrimera()) == 0 && !filas->EsCopiaFiltrada()) {
        filas->OrdenFila(0, kRowD, 0);
        EnlazarGrupo(g);
      }
      break;
    case kGuardar:
      filas->OrdenFila(0, kGuardar, 0);
      EnlazarGrupo(g);
      break;
    case kRecargar:
      filas->OrdenFila(0, kRecargar, 0);
      break;
    case kAccionMoverGrupo:
      filas->Navegar(direccion == 0 ? 0 : 1);
      EnlazarGrupo(g);
      break;
    case kAccionPuedeMoverGrupo:
      resultado = filas->PuedeMover(direccion == 0 ? 0 : 1);
      break;
    default:
      break;
  }
  HayHojaComplementaria();
  return resultado;
}

int CControlesGruposD::AvisoGrupo(int hoja, int /*palabra*/) {
  PonerIndicador(' ');
  if (hoja == 1) {
    Enlazar(1);
    Refrescar();
    if (m_nHojaComplementaria == 1) {
      PonerIndicador('1');
      if (marco::CCampo* campo = CampoDeNumero(3)) campo->ActualizarTexto();
    }
    return 1;
  }
  if (hoja < 1 || hoja > m_nHojaComplementaria + 1) {
    m_pTitulo.reset();
    Vaciar(m_pagina.casillaTitulo);
    return 0;
  }
  if (!m_pTitulo) {
    Vaciar(3);
    for (auto& f : m_aFilas) {
      if (f) f->AvanzarPagina();
    }
    EnlazarGrupos();
    Vaciar(4);
    Vaciar(5);
    for (int n = 98; n <= m_pagina.ultimaVaciada; ++n) Vaciar(n);
    m_pTitulo = std::make_unique<std::array<char, kAnchoTituloHoja + 1>>();
    m_pTitulo->fill('\0');
    const std::string titulo = marco::TextoDeTabla(kCodigoTituloHojaComplementaria, kTituloHojaComplementaria);
    std::memcpy(m_pTitulo->data(), titulo.data(), std::min(titulo.size(), kAnchoTituloHoja));
    renta::EnlazarCasilla(CampoDeNumero(m_pagina.casillaTitulo), m_pTitulo->data(), kAnchoTituloHoja);
  }
  return 1;
}

void CControlesGruposD::CamposDerivados(int hoja) {
  const auto derivada = [](marco::CCampo* campo, std::string_view mascara, char* valor, std::size_t tamano) {
    if (campo == nullptr) return;
    campo->StrValidac = std::string(mascara);
    campo->MascaraResuelta = 0;
    campo->LeerMascara('P');
    campo->fminternet = "010X";
    renta::EnlazarCasilla(campo, valor, tamano);
    campo->ActualizarTexto();
  };
  PonerIndicador(hoja == 1 && m_nHojaComplementaria == 1 ? '1' : '0');
  derivada(CampoDeNumero(3), m_pagina.mascaraIndicador, m_aIndicador.data(), kAnchoIndicador);

  const int sujeto = SujetoMostrado();
  const auto marca = [&](int grupo, std::array<char, 2>& destino) {
    destino[0] = ' ';
    const unsigned char* fila = FilaDatos(grupo, hoja - 1);
    if (fila == nullptr) return;
    const bool delSujeto = sujeto == marco::kSujetoUnidadFamiliar || fila[0] == sujeto;
    if (delSujeto && (fila[1] == 1 || fila[1] == 2)) destino[0] = static_cast<char>('0' + fila[1]);
  };
  marca(kIdPrimerGrupoD + 1, m_aMarcaGrupo2);
  marca(kIdPrimerGrupoD + 4, m_aMarcaGrupo5);
  derivada(CampoDeNumero(31), "S1.0", m_aMarcaGrupo2.data(), 1);
  derivada(CampoDeNumero(86), "S1.0", m_aMarcaGrupo5.data(), 1);
}

void CControlesGruposD::PonerIndicador(char valor) {
  std::fill(m_aIndicador.begin(), m_aIndicador.begin() + kAnchoIndicador, valor);
}

// ---- the box events ----

int CControlesGruposD::CasillaConfirmada(int numero) {
  if (numero == 80 || numero == 93) {
    NavegarGrupo(GrupoDeCasilla(numero), 0, kGuardar, 0);
    return 1;
  }
  return m_pagina.numero == 4 && numero >= 99 && numero <= 101 ? 1 : 0;
}

int CControlesGruposD::CasillaBorrada(int numero) {
  if (numero == 4 || numero == 5) return 1;
  // An erased option mark clears the option it stood for (on both pages: otherwise the mark would come back with
  // the next reload).
  const int grupo = numero == 31 || numero == 32 ? kIdPrimerGrupoD + 1
                    : numero == 86 || numero == 87 ? kIdPrimerGrupoD + 4
                                                   : 0;
  if (grupo == 0) return 0;
  const unsigned char opcion = numero == 31 || numero == 86 ? 1 : 2;
  if (unsigned char* p = OpcionEnDatos(grupo); p != nullptr && *p == opcion) {
    *p = 0;
    NavegarGrupo(grupo, 0, kRecargar, 0);
  }
  return 0;
}

void CControlesGruposD::CasillaCambiada(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  if (grupo == 0) return;
  if (numero == 31 || numero == 32 || numero == 86 || numero == 87) {
    if (unsigned char* p = OpcionEnDatos(grupo)) *p = numero == 31 || numero == 86 ? 1 : 2;
    NavegarGrupo(grupo, 0, kRecargar, 0);
    if (numero == 86 || numero == 87) return;
  }
  NavegarGrupo(grupo, 0, kGuardar, 0);
  // The selection and tax number of groups 4 and 6 do not delete their row.
  if (numero == 79 || numero == 80 || numero == 92 || numero == 93) return;
  NavegarGrupo(grupo, 0, kRowD, 0);
}

int CControlesGruposD::ComprobarGrupo(int numero, marco::CValidador& validador) {
  const int grupo = GrupoDeCasilla(numero);
  if (grupo == 0) return 1;
  NavegarGrupo(grupo, 0, kGuardar, 0);
  int tipo = 0;
  std::size_t desp = 0;
  switch (numero) {
    case 79: tipo = 23; desp = 6; break;
    case 82: tipo = 102; desp = 16; break;
    case 85: tipo = 23; desp = 2; break;
    case 89: tipo = 102; desp = 16; break;
    case 92: tipo = 23; desp = 7; break;
    case 95: tipo = 102; desp = 16; break;
    default: return 1;
  }
  // Both rows of the group in the data area; each check repairs and reports on its own. The value just typed is
  // the one of the row shown: when its check refuses it, the box keeps the focus with the repaired value.
  const renta::CFilasApartadoD* filas = Filas(grupo);
  const int mostrada = filas != nullptr && !filas->EsCopiaFiltrada() ? filas->DamePrimera() : -1;
  int resultado = 1;
  for (int fila = 0; fila < renta::kFilasGrupoD; ++fila) {
    unsigned char* f = FilaDatos(grupo, fila);
    if (f == nullptr) continue;
    if (validador.ValidarCampo(tipo, f + desp) == 0 && fila == mostrada) resultado = 0;
  }
  if (resultado == 0) NavegarGrupo(grupo, 0, kRecargar, 0);
  return resultado;
}

void CControlesGruposD::RecargarGrupos() {
  for (int g = 0; g < kGruposD; ++g) NavegarGrupo(kIdPrimerGrupoD + g, 0, kRecargar, 0);
}

std::string_view CControlesGruposD::ReglaImportes(int numero) {
  const char regla = ReglaDeCasilla(numero);
  if (regla == 0) return {};
  const int grupo = GrupoDeCasilla(numero);
  const int g = IndiceGrupo(grupo);
  renta::CFilasApartadoD* filas = Filas(grupo);
  const unsigned char* fila = filas != nullptr ? filas->FilaMostrada(0) : nullptr;
  if (fila == nullptr) return {};
  const double x = LeerDoble(fila + kParX[g]);
  const double y = LeerDoble(fila + kParY[g]);
  if (regla == 'A') return FallaReglaA(x, y) ? kMensajeReglaRendimiento : std::string_view{};
  return FallaReglaB(x, y) ? kMensajeReglaRetencion : std::string_view{};
}

int CControlesGruposD::ObjetivoFoco(int numero, int& zona, SEstadoFoco& estado) {
  if (numero == estado.ultimaCasilla || numero == estado.ultimoObjetivo) {
    estado.ultimaCasilla = numero;
    return -1;
  }
  const int nueva = ZonaDeCasilla(numero);
  if (nueva == zona) {
    estado.ultimaCasilla = numero;
    return -1;
  }
  zona = nueva;
  int objetivo = -1;
  for (int g = 3; g < kGruposD; ++g) {
    renta::CFilasApartadoD* filas = m_aFilas[static_cast<std::size_t>(g)].get();
    const unsigned char* fila = filas != nullptr ? filas->FilaMostrada(0) : nullptr;
    if (fila == nullptr) continue;
    const double x = LeerDoble(fila + kParX[g]);
    const double y = LeerDoble(fila + kParY[g]);
    if ((x == 0) != (y == 0)) {
      // The index (from 0) of the member that is 0.
      objetivo = (x == 0 ? kCasillaParX[g] : kCasillaParX[g] + 1) - 1;
    }
  }
  estado.ultimaCasilla = numero;
  if (objetivo < 0 || numero == objetivo + 1) return -1;
  estado.ultimoObjetivo = objetivo;
  return objetivo;
}

// ---- the view ----

wxIMPLEMENT_ABSTRACT_CLASS(CVistaGruposD, renta::CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(ORD003, CVistaGruposD);

CControlesGruposD* CVistaGruposD::Controles() const { return static_cast<CControlesGruposD*>(DameControles()); }

int CVistaGruposD::DameNumeroPagina() { return Controles()->Pagina().idPagina; }

void CVistaGruposD::CalcularTodo() {
  if (renta::CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular(1);
  RefrescarControles();
}

int CVistaGruposD::Recalcular(int numero) {
  const int calcular = Controles()->CasillaConfirmada(numero);
  if (calcular != 0) {
    for (int g = 0; g < kGruposD; ++g) HabilitarBotonesGrupo(kIdPrimerGrupoD + g);
    CalcularTodo();
  }
  MarcarDocumentoModificado();
  return calcular;
}

int CVistaGruposD::CampoBorrado(int numero) {
  if (Controles()->CasillaBorrada(numero) != 0) CalcularTodo();
  MarcarDocumentoModificado();
  return 1;
}

int CVistaGruposD::AplicarDependencias(int numero) {
  Controles()->CasillaCambiada(numero);
  if (const int grupo = GrupoDeCasilla(numero)) HabilitarBotonesGrupo(grupo);
  CalcularTodo();
  return 0;
}

int CVistaGruposD::ComprobarCampo(int numero) {
  renta::CRentaDoc* documento = DameDocumentoRenta();
  CControlesGruposD* controles = Controles();
  const int aceptado = documento != nullptr ? controles->ComprobarGrupo(numero, documento->Validador()) : 1;
  if (const int grupo = GrupoDeCasilla(numero)) HabilitarBotonesGrupo(grupo);
  if (documento != nullptr) documento->Calcular(1);
  controles->RecargarGrupos();
  RefrescarControles();
  // The typed value is stored whatever the rules say: the declaration has changed.
  MarcarDocumentoModificado();
  // A tax number or percentage its check refused (its message shown, the value repaired): the box keeps the focus.
  if (aceptado == 0) return 0;
  const std::string_view mensaje = controles->ReglaImportes(numero);
  if (mensaje.empty()) return 1;
  return marco::CDlgMensaje().MostrarMensaje(mensaje, marco::IconoAsterisco) == marco::kBotonCorregir ? 0 : 1;
}

int CVistaGruposD::CampoRecibeFoco(int numero) {
  const int objetivo = Controles()->ObjetivoFoco(numero, m_nZona, EstadoFoco());
  if (objetivo >= 0) {
    m_nUltimoAviso = objetivo;
    const int pagina = Pagina().numero;
    // As a posted message: the message box opens once the focus change is over.
    CallAfter([this, pagina, objetivo] { OnAvisoPareja(pagina, objetivo); });
  }
  return 1;
}

int CVistaGruposD::OnAvisoPareja(int pagina, int indice) {
  marco::CDlgMensaje().MostrarMensaje(kMensajeParejaIncompleta, marco::IconoMano);
  // The pair lies on this very page: its box takes the focus.
  if (pagina == Pagina().numero) IrACampo(indice);
  return 1;
}

int CVistaGruposD::MostrarTextoEstado(wxWindow* edit, int flag) {
  const int resultado = renta::CRentaVista::MostrarTextoEstado(edit, flag);
  if (resultado != 0) {
    if (const std::string_view aviso = AvisoCasillaRaton(); !aviso.empty()) TextoBarraEstado(std::string(aviso));
  }
  return resultado;
}

std::string_view CVistaGruposD::AvisoCasillaRaton() {
  const int raton = DameCampoRaton();
  if (raton < 0 || raton == DameCampoActivo()) return {};
  const marco::CCampo* campo = DameCampo(raton);
  return campo != nullptr ? Controles()->AvisoSoloLectura(campo->IndNumero) : std::string_view{};
}

void CVistaGruposD::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
  for (int g = 0; g < kGruposD; ++g) HabilitarBotonesGrupo(kIdPrimerGrupoD + g);
}

int CVistaGruposD::DameFilaMostrada(int grupo) const {
  const renta::CFilasApartadoD* filas = Controles()->Filas(grupo);
  return filas != nullptr ? filas->DamePrimera() : 0;
}

bool CVistaGruposD::BotonHabilitado(int grupo, int direccion) const {
  const int g = grupo - kIdPrimerGrupoD;
  if (g < 0 || g >= kGruposD) return false;
  return m_aHabilitado[static_cast<std::size_t>(2 * g + (direccion == 0 ? 0 : 1))];
}

void CVistaGruposD::HabilitarBotonesGrupo(int grupo) {
  const int g = grupo - kIdPrimerGrupoD;
  if (g < 0 || g >= kGruposD) return;
  for (int direccion = 0; direccion < 2; ++direccion) {
    const auto i = static_cast<std::size_t>(2 * g + direccion);
    m_aHabilitado[i] = Controles()->NavegarGrupo(grupo, direccion, kAccionPuedeMoverGrupo, 0) > 0;
    if (m_aBotones[i] != nullptr) m_aBotones[i]->Enable(m_aHabilitado[i]);
  }
}

int CVistaGruposD::MoverGrupo(int direccion, int grupo) {
  if (!ConfirmarAntesDeMover()) return 0;
  Controles()->NavegarGrupo(grupo, direccion, kAccionMoverGrupo, 0);
  HabilitarBotonesGrupo(grupo);
  RefrescarControles();
  EnfocarTrasMover();
  return 1;
}

int CVistaGruposD::PrepararCampos() {
  renta::CRentaVista::PrepararCampos();
  wxWindow* ventana = DameVentana();
  if (ventana != nullptr && m_aBotones[0] == nullptr) {
    for (int i = 0; i < 2 * kGruposD; ++i) {
      const bool siguiente = i % 2 == 0;
      wxButton* boton =
          CrearBotonPagina(kComandoPrimerBotonD + i, siguiente ? ">" : "<", siguiente ? "Siguiente" : "Anterior");
      boton->Bind(wxEVT_BUTTON, &CVistaGruposD::AlBoton, this);
      m_aBotones[static_cast<std::size_t>(i)] = boton;
    }
    ColocarBotones();
  }
  for (int g = 0; g < kGruposD; ++g) HabilitarBotonesGrupo(kIdPrimerGrupoD + g);
  return 1;
}

void CVistaGruposD::AlMostrarCampo() { ColocarBotones(); }

void CVistaGruposD::ColocarBotones() {
  static constexpr int kPrimeras[kGruposD] = {6, 30, 55, 79, 85, 92};
  constexpr double kLado = 20.0;  // page units
  const double escala = Geometria().escalaCampos > 0 ? Geometria().escalaCampos : 1.0;
  const int lado = std::max(12, static_cast<int>(kLado * escala));
  const plataforma::CPunto desplazamiento = Desplazamiento();
  for (int g = 0; g < kGruposD; ++g) {
    const marco::CCampo* campo = DameCampo(kPrimeras[g] - 1);
    if (campo == nullptr) continue;
    const plataforma::CRectangulo r = marco::RectanguloCampoEnVentana(*campo, desplazamiento);
    // The pair stands left of the group's first box: previous, then next.
    const int y = r.top + (r.bottom - r.top - lado) / 2;
    wxButton* siguiente = m_aBotones[static_cast<std::size_t>(2 * g)];
    wxButton* anterior = m_aBotones[static_cast<std::size_t>(2 * g + 1)];
    if (anterior != nullptr) anterior->SetSize(r.left - 2 * lado - 6, y, lado, lado);
    if (siguiente != nullptr) siguiente->SetSize(r.left - lado - 4, y, lado, lado);
  }
}

void CVistaGruposD::AlBoton(wxCommandEvent& evento) {
  const int i = evento.GetId() - kComandoPrimerBotonD;
  if (i < 0 || i >= 2 * kGruposD) {
    evento.Skip();
    return;
  }
  MoverGrupo(i % 2, kIdPrimerGrupoD + i / 2);
}

ORD003::ORD003() { PonerControles(std::make_unique<CControlesORD003>()); }

SEstadoFoco& ORD003::EstadoFoco() {
  static SEstadoFoco estado;
  return estado;
}

wxClassInfo* ClasePaginaORD003() { return wxCLASSINFO(ORD003); }

}  // namespace ordinaria
