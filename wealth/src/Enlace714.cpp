#include "wealth/Enlace714.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "framework/Campo.h"
#include "framework/Prog32Doc.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Reglas.h"
#include "wealth/CamposPatrimonio.h"

namespace patrimonio {
namespace {

constexpr std::size_t kDouble = sizeof(double);

SCasilla714 EnDatos(std::size_t desplazamiento, std::size_t hueco) {
  return {EOrigen714::Datos, desplazamiento, hueco};
}
SCasilla714 Personal(std::size_t desplazamiento, std::size_t hueco) {
  return EnDatos(kBloquePersonales + desplazamiento, hueco);
}
SCasilla714 Resumen(std::size_t desplazamiento) { return EnDatos(kBloqueResumen + desplazamiento, kDouble); }
SCasilla714 DI(std::size_t desplazamiento, std::size_t hueco) { return EnDatos(kBloqueDI + desplazamiento, hueco); }
SCasilla714 Nombre() { return {EOrigen714::TextoNombre, 0, kAnchoTextoNombre}; }
SCasilla714 Ejercicio() { return {EOrigen714::Ejercicio, 0, 4}; }

// The header every page starts with (tax number and name) and ends with (identification text and fiscal year).
void Cabecera(std::vector<SCasilla714>& m) {
  m.push_back(Personal(personales::Nif.desplazamiento, 10));
  m.push_back(Nombre());
}
void Pie(std::vector<SCasilla714>& m) {
  m.push_back(Personal(personales::Identificacion.desplazamiento, personales::Identificacion.ancho));
  m.push_back(Ejercicio());
}

// The address of the declarant as pages 1, 11 and 12 show it: street kind, street, number, stair, floor, door,
// telephone, municipality, province, postal code.
void Domicilio(std::vector<SCasilla714>& m) {
  for (const auto& [d, h] : std::array<std::pair<std::size_t, std::size_t>, 10>{
           {{184, 3}, {187, 28}, {215, 5}, {220, 3}, {223, 3}, {226, 3}, {229, 10}, {239, 15}, {273, 15}, {293, 5}}}) {
    m.push_back(Personal(d, h));
  }
}

// The bank account in its four parts (entity, office, check digits, number).
void Cuenta(std::vector<SCasilla714>& m) {
  m.push_back(DI(26, 4));
  m.push_back(DI(30, 4));
  m.push_back(DI(34, 2));
  m.push_back(DI(36, 10));
}

// Place and date of signing.
void Firma(std::vector<SCasilla714>& m) {
  m.push_back(Personal(487, 20));
  m.push_back(Personal(507, 2));
  m.push_back(Personal(509, 10));
  m.push_back(Personal(519, 4));
}

std::vector<SGrupoFilas714> Grupos(int pagina) {
  // The room of a row's text fields runs to the next field; values are doubles.
  const auto g = [](std::string_view seccion, std::size_t bloque, int primera, int filas,
                    std::vector<std::size_t> campos, std::size_t paso, std::size_t primeraFila, std::size_t valor,
                    std::size_t total) {
    SGrupoFilas714 r;
    r.seccion = seccion;
    r.bloque = bloque;
    r.primeraCasilla = primera;
    r.filas = filas;
    r.campos = std::move(campos);
    r.paso = paso;
    r.primeraFila = primeraFila;
    r.valor = valor;
    // The row's amounts: the value, and in section M the amount before it.
    r.primerImporte = seccion == "M" ? 48 : valor;
    r.casillaTotal = primera + filas * static_cast<int>(r.campos.size());
    r.total = total;
    return r;
  };
  using D = DatosPatrimonio;
  switch (pagina) {
    case 2:
      return {g("A", offsetof(D, PatA), 2, 28, {0, 1, 2, 23, 64}, 72, 0, 64, 2088),
              g("B", offsetof(D, PatB), 143, 23, {0, 1, 22, 64}, 72, 0, 64, 1728)};
    case 3:
      return {g("C1", offsetof(D, PatC), 2, 13, {0, 6, 35, 64}, 72, 0, 64, 1008),
              g("C2", offsetof(D, PatC), 55, 12, {0, 6, 7, 28, 64}, 72, 1016, 64, 1952),
              g("D", offsetof(D, PatD), 117, 13, {0, 6, 7, 28, 64}, 72, 0, 64, 1008)};
    case 4:
      return {g("E", offsetof(D, PatE), 2, 15, {0, 42, 64}, 72, 0, 64, 1152),
              g("F1", offsetof(D, PatF1), 48, 15, {0, 64}, 72, 0, 64, 1152),
              g("F2", offsetof(D, PatF2), 79, 14, {0, 64}, 72, 0, 64, 1080)};
    case 5:
      return {g("G1", offsetof(D, PatG1), 2, 12, {0, 64}, 72, 0, 64, 936),
              g("G2", offsetof(D, PatG2), 27, 18, {0, 64}, 72, 0, 64, 1368),
              g("G3", offsetof(D, PatG3), 64, 13, {0, 64}, 72, 0, 64, 1008)};
    case 6:
      return {g("G4", offsetof(D, PatG4), 2, 11, {0, 64}, 72, 0, 64, 864),
              g("H1", offsetof(D, PatH1), 25, 5, {0, 64}, 72, 0, 64, 432),
              g("H2", offsetof(D, PatH2), 36, 5, {0, 64}, 72, 0, 64, 432),
              g("I", offsetof(D, PatI), 47, 5, {0, 64}, 72, 0, 64, 432)};
    case 7:
      return {g("K", offsetof(D, PatK), 2, 13, {0, 64}, 72, 0, 64, 1008),
              g("L", offsetof(D, PatL), 29, 9, {0, 64}, 72, 0, 64, 720),
              g("M", offsetof(D, PatM), 48, 8, {0, 1, 22, 48, 56}, 64, 0, 56, 576),
              g("N", offsetof(D, PatN), 89, 6, {0, 64}, 72, 0, 64, 504)};
    case 8:
      return {g("O", offsetof(D, PatO), 2, 5, {0, 64}, 72, 0, 64, 360),
              g("P", offsetof(D, PatP), 13, 5, {0, 64}, 72, 0, 64, 360),
              g("Q", offsetof(D, PatQ), 24, 12, {0, 64}, 72, 0, 64, 864),
              g("DEUDAS", offsetof(D, PatDeudas), 50, 11, {0, 64}, 72, 0, 64, 792)};
    default: return {};
  }
}

// Places a group's boxes into the map.
void Colocar(std::vector<SCasilla714>& m, const SGrupoFilas714& g) {
  const std::size_t n = g.campos.size();
  for (int fila = 0; fila < g.filas; ++fila) {
    const std::size_t inicio = g.bloque + g.primeraFila + static_cast<std::size_t>(fila) * g.paso;
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t desde = g.campos[k];
      // A double is 8 bytes; a text runs to the next field (the last text to the row's first double).
      const bool esImporte = desde >= g.primerImporte;
      const std::size_t hueco = esImporte ? kDouble : (k + 1 < n ? g.campos[k + 1] - desde : g.paso - desde);
      m[static_cast<std::size_t>(g.primeraCasilla) + static_cast<std::size_t>(fila) * n + k] = EnDatos(inicio + desde, hueco);
    }
  }
  m[static_cast<std::size_t>(g.casillaTotal)] = EnDatos(g.bloque + g.total, kDouble);
}

std::vector<SCasilla714> Mapa(int pagina) {
  std::vector<SCasilla714> m;
  switch (pagina) {
    case 1: {
      m = {Personal(84, 18), Personal(107, 18), Personal(81, 3), Personal(103, 4), Personal(126, 1),
           Personal(127, 10), Nombre()};
      for (const auto& [d, h] : std::array<std::pair<std::size_t, std::size_t>, 22>{
               {{184, 3},  {187, 28}, {215, 5},  {220, 3},  {223, 3},  {226, 3},  {229, 10}, {239, 15},
                {273, 15}, {293, 5},  {299, 10}, {309, 37}, {346, 3},  {349, 28}, {377, 5},  {382, 3},
                {385, 3},  {388, 3},  {391, 10}, {401, 15}, {435, 15}, {455, 5}}}) {
        m.push_back(Personal(d, h));
      }
      m.push_back(Personal(461, 1));
      m.push_back(Personal(462, 1));
      m.push_back(Personal(463, 1));
      m.push_back(Personal(464, 3));
      m.push_back(Personal(486, 1));
      Firma(m);
      Pie(m);
      return m;
    }
    case 2: case 3: case 4: case 5: case 7: case 8: {
      const std::vector<SGrupoFilas714> grupos = Grupos(pagina);
      // The header, the groups (each closed by its total), the identification text and the fiscal year.
      m.assign(static_cast<std::size_t>(grupos.back().casillaTotal) + 3, SCasilla714{});
      m[0] = Personal(personales::Nif.desplazamiento, 10);
      m[1] = Nombre();
      for (const SGrupoFilas714& g : grupos) Colocar(m, g);
      // Page 3 shows the C1 + C2 total after the C2 total; page 8 the gross assets beside the debts.
      if (pagina == 3) m[116] = EnDatos(offsetof(DatosPatrimonio, PatC) + 1960, kDouble);
      if (pagina == 8) m[49] = Resumen(152);
      m[m.size() - 2] = Personal(personales::Identificacion.desplazamiento, personales::Identificacion.ancho);
      m[m.size() - 1] = Ejercicio();
      return m;
    }
    case 6: {
      m.assign(81, SCasilla714{});
      m[0] = Personal(personales::Nif.desplazamiento, 10);
      m[1] = Nombre();
      for (const SGrupoFilas714& g : Grupos(6)) Colocar(m, g);
      // Section J: a text, then five rows of a 6-character text and three doubles (the fifth without its third).
      const std::size_t j = offsetof(DatosPatrimonio, PatJ);
      m[58] = EnDatos(j + 0, 42);
      const std::array<std::pair<int, std::size_t>, 19> cajas{{{59, 42},  {60, 48},  {61, 56},  {62, 64},
                                                               {67, 106}, {64, 112}, {65, 120}, {66, 128},
                                                               {63, 170}, {68, 176}, {69, 184}, {70, 192},
                                                               {71, 234}, {72, 240}, {73, 248}, {74, 256},
                                                               {75, 298}, {76, 304}, {77, 312}}};
      for (const auto& [caja, desde] : cajas) {
        const bool texto = (desde - 42) % 64 == 0;
        m[static_cast<std::size_t>(caja)] = EnDatos(j + desde, texto ? 6 : kDouble);
      }
      m[78] = EnDatos(j + 384, kDouble);
      m[79] = Personal(personales::Identificacion.desplazamiento, personales::Identificacion.ancho);
      m[80] = Ejercicio();
      return m;
    }
    case 9: {
      Cabecera(m);
      for (std::size_t k = 0; k <= 26; ++k) m.push_back(Resumen(8 * k));
      Pie(m);
      return m;
    }
    case 10: {
      Cabecera(m);
      for (const std::size_t d : {216, 224, 232, 240, 248, 264, 272, 280, 288, 352, 360, 368, 376, 384, 392, 400, 416,
                                  472, 480, 488, 496, 504, 512}) {
        m.push_back(Resumen(d));
      }
      Pie(m);
      return m;
    }
    case 11: {
      m = {Personal(81, 3), Personal(103, 4), Personal(84, 18), Personal(107, 18), Personal(127, 10), Nombre()};
      Domicilio(m);
      m.push_back(Personal(126, 1));
      m.push_back(Resumen(512));
      m.push_back(DI(0, kDouble));
      m.push_back(DI(8, kDouble));
      m.push_back(DI(16, kDouble));
      m.push_back(EnDatos(kBloqueAjuste, 1));
      m.push_back(DI(24, 1));
      m.push_back(DI(25, 1));
      m.push_back(DI(48, kDouble));
      Cuenta(m);
      Firma(m);
      Pie(m);
      m.push_back(Personal(personales::NumeroReferencia.desplazamiento, personales::NumeroReferencia.ancho));
      return m;
    }
    case 12: {
      m = {Personal(84, 18), Personal(107, 18), Personal(81, 3), Personal(103, 4), Personal(127, 10), Nombre()};
      Domicilio(m);
      m.push_back(Personal(126, 1));
      m.push_back(Resumen(512));
      m.push_back(DI(16, kDouble));
      m.push_back(EnDatos(kBloqueAjuste, 1));
      m.push_back(DI(24, 1));
      m.push_back(DI(25, 1));
      m.push_back(DI(48, kDouble));
      Cuenta(m);
      Firma(m);
      m.push_back(Ejercicio());
      m.push_back(Personal(personales::NumeroReferencia.desplazamiento, personales::NumeroReferencia.ancho));
      m.push_back(Personal(personales::Identificacion.desplazamiento, personales::Identificacion.ancho));
      return m;
    }
    default: return m;
  }
}

// The bytes a box's value takes as its picture lays it out.
std::size_t BytesValor(const marco::CCampo& campo) {
  return campo.TamanoValor() * static_cast<std::size_t>(std::max(campo.Repeticion, 1));
}

// The surnames, ", " and the first name, each without trailing blanks; the ", " only after surnames.
void ComponerNombre(const SAreaPatrimonio& area) {
  if (area.textoNombre == nullptr || area.datos == nullptr) return;
  const std::string texto = ComponerTextoNombre(area.datos->PatDatosPersonales);
  std::memset(area.textoNombre, 0, kAnchoTextoNombre + 1);
  std::memcpy(area.textoNombre, texto.data(), std::min(texto.size(), kAnchoTextoNombre));
}

}  // namespace

const std::vector<SCasilla714>& MapaCasillas714(int pagina) {
  static const std::array<std::vector<SCasilla714>, kPaginas714 + 1> mapas = [] {
    std::array<std::vector<SCasilla714>, kPaginas714 + 1> r;
    for (int p = 1; p <= kPaginas714; ++p) r[static_cast<std::size_t>(p)] = Mapa(p);
    return r;
  }();
  static const std::vector<SCasilla714> ninguno;
  return pagina >= 1 && pagina <= kPaginas714 ? mapas[static_cast<std::size_t>(pagina)] : ninguno;
}

const std::vector<SGrupoFilas714>& GruposFilas714(int pagina) {
  static const std::array<std::vector<SGrupoFilas714>, kPaginas714 + 1> grupos = [] {
    std::array<std::vector<SGrupoFilas714>, kPaginas714 + 1> r;
    for (int p = 1; p <= kPaginas714; ++p) r[static_cast<std::size_t>(p)] = Grupos(p);
    return r;
  }();
  static const std::vector<SGrupoFilas714> ninguno;
  return pagina >= 1 && pagina <= kPaginas714 ? grupos[static_cast<std::size_t>(pagina)] : ninguno;
}

// ---- CControlesPAT ----

CControlesPAT::CControlesPAT(int pagina) : m_nPagina(pagina) {}

CControlesPAT::~CControlesPAT() { Liberar(); }

SAreaPatrimonio CControlesPAT::Area() const {
  if (m_bAreaPropia) return m_area;
  SAreaPatrimonio area;
  if (auto* doc = dynamic_cast<C714Doc*>(DameDocumento())) {
    area.datos = &doc->Datos();
    area.textoNombre = doc->TextoNombre();
    area.ejercicio = doc->EjercicioFiscal();
    area.nifDeclarante = doc->NifDeclarante();
  }
  return area;
}

unsigned char* CControlesPAT::Lugar(std::size_t desplazamiento) const {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr || desplazamiento >= sizeof(DatosPatrimonio)) return nullptr;
  return reinterpret_cast<unsigned char*>(datos) + desplazamiento;
}

void CControlesPAT::Enlazar(int /*liberarAntes*/) {
  // The links belong to this array and a binding makes them all again: the earlier ones always go first, so a
  // rebind never leaves a link made twice.
  LiberarEnlaces();
  const SAreaPatrimonio area = Area();
  const std::vector<SCasilla714>& mapa = MapaCasillas714(m_nPagina);
  for (int i = 0; i < NumeroCampos(); ++i) {
    marco::CCampo* campo = Campo(i);
    if (campo == nullptr) continue;
    campo->Dato = nullptr;
    if (static_cast<std::size_t>(i) >= mapa.size()) continue;
    const SCasilla714& c = mapa[static_cast<std::size_t>(i)];
    void* lugar = nullptr;
    switch (c.origen) {
      case EOrigen714::Datos:
        if (area.datos != nullptr && c.desplazamiento + c.hueco <= sizeof(DatosPatrimonio)) {
          lugar = reinterpret_cast<unsigned char*>(area.datos) + c.desplazamiento;
        }
        break;
      case EOrigen714::TextoNombre: lugar = area.textoNombre; break;
      case EOrigen714::Ejercicio: lugar = area.ejercicio; break;
      case EOrigen714::Ninguno: break;
    }
    // A box whose picture asks for more than its field holds is left unbound rather than written past the field.
    if (lugar != nullptr && BytesValor(*campo) <= c.hueco) campo->Dato = lugar;
  }
  EnlazarPagina(area);
}

void CControlesPAT::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) {
    if (marco::CCampo* campo = Campo(i)) campo->Enlace = nullptr;
  }
  m_enlaces.clear();
  m_enlacesDirectos = 0;
}

void CControlesPAT::EnlaceTabla(int indice, char* destino, std::size_t anchoDestino, const char* filtro,
                                std::size_t anchoFiltro, bool guardaClave) {
  marco::CCampo* campo = Campo(indice);
  if (campo == nullptr || destino == nullptr) return;
  auto enlace = std::make_unique<marco::SEnlaceTabla>();
  enlace->destino = destino;
  enlace->anchoDestino = anchoDestino;
  enlace->filtro = filtro;
  enlace->anchoFiltro = filtro != nullptr ? anchoFiltro : 0;
  enlace->guardaClave = guardaClave;
  campo->Enlace = enlace.get();
  m_enlaces.push_back(std::move(enlace));
}

void CControlesPAT::EnlaceDirecto(int indice, void* lugar) {
  marco::CCampo* campo = Campo(indice);
  if (campo == nullptr || lugar == nullptr) return;
  if (campo->Enlace == nullptr) ++m_enlacesDirectos;
  campo->Enlace = lugar;
}

void CControlesPAT::PonerSoloLectura(int numero, bool soloLectura) {
  if (marco::CCampo* campo = CampoDeNumero(numero)) campo->SoloLectur = soloLectura ? 1 : 0;
}

// ---- page 1 ----

void CControlesPAT001::EnlazarPagina(const SAreaPatrimonio& area) {
  if (area.datos == nullptr) return;
  auto* p = reinterpret_cast<char*>(area.datos->PatDatosPersonales.octetos);
  // The office lists and codes: the list writes its key into the code, the code its description into the list's
  // field; the office is filtered by (and its code prefixed with) the delegation code.
  EnlaceTabla(0, p + 81, 3, nullptr, 0);
  EnlaceTabla(1, p + 103, 4, p + 81, 3);
  EnlaceTabla(2, p + 84, 18, nullptr, 0);
  EnlaceTabla(3, p + 107, 18, p + 81, 3);
  // The region list hands its key to the code box itself: the box keeps the region's code, typed or chosen.
  EnlaceTabla(32, p + personales::CodigoPagina1.desplazamiento, personales::CodigoPagina1.ancho, nullptr, 0, true);
  // The name box edits the surnames and the first name (47 bytes from the surnames) through the name dialog; it is a
  // text-selection box.
  EnlaceDirecto(6, p + personales::Apellidos.desplazamiento);
  if (marco::CCampo* nombre = Campo(6)) nombre->Decimales = -1;
  ComponerNombre(area);
  if (area.nifDeclarante != nullptr) {
    // The document keeps the number with its terminator inside its 10 bytes.
    std::memcpy(area.nifDeclarante, p + personales::Nif.desplazamiento, personales::Nif.ancho);
    area.nifDeclarante[personales::Nif.ancho] = '\0';
  }
}

void CControlesPAT001::AvisoCampo(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return;
  RegPatDatosPersonales& dp = datos->PatDatosPersonales;
  if (numero >= 30 && numero <= 32) {
    const std::size_t propia = 461 + static_cast<std::size_t>(numero - 30);
    if (LeeByte(dp, propia) == 1) {
      for (std::size_t otra = 461; otra <= 463; ++otra) {
        if (otra == propia) continue;
        EscribeByte(dp, otra, 0);
        if (marco::CCampo* campo = CampoDeNumero(30 + static_cast<int>(otra - 461))) campo->ActualizarTexto();
      }
    }
  }
  PonerSoloLectura(33, MarcaActiva(LeeByte(dp, personales::SinMinimoExento.desplazamiento)));
}

void CControlesPAT001::AvisoPagina(int /*palabra*/) { AvisoCampo(0); }

namespace {

// A text a box reads as its value: the box reads as many characters as it is wide, so the text is padded with NULs
// to the box's width (the text itself ends at its first NUL).
void TextoParaCasilla(std::string& texto, const marco::CCampo& campo) {
  const std::size_t ancho = static_cast<std::size_t>(std::max(campo.Longitud, 0)) + 1;
  if (texto.size() < ancho) texto.resize(ancho, '\0');
}

}  // namespace

int CControlesPAT001::RellenaCabecera(char letraWindows) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return 1;
  const RegPatDatosPersonales& dp = datos->PatDatosPersonales;
  char clase = ' ';
  if (LeeByte(dp, 461) == 1) {
    clase = '3';
  } else if (LeeByte(dp, 462) == 1) {
    clase = '4';
  } else if (LeeByte(dp, 463) == 1) {
    clase = '5';
  }
  m_sClase.assign(1, clase);
  m_sClase.push_back('\0');
  if (marco::CCampo* campo = Campo(29)) {
    TextoParaCasilla(m_sClase, *campo);
    campo->Dato = m_sClase.data();
    campo->StrValidac = "S1.0";
    campo->LeerMascara('P');
  }
  // The identification text without its six-character prefix and without points, right-aligned in 20.
  std::string resto;
  const std::string_view ident = LeeTexto(dp, personales::Identificacion);
  for (std::size_t i = 6; i < ident.size(); ++i) {
    if (ident[i] != '.') resto.push_back(ident[i]);
  }
  if (resto.size() > 20) resto.resize(20);
  std::string cabecera(20 - resto.size(), ' ');
  cabecera += resto;
  cabecera.push_back(letraWindows);
  cabecera.push_back('\0');
  m_sCabecera = cabecera;
  if (marco::CCampo* campo = Campo(38)) {
    TextoParaCasilla(m_sCabecera, *campo);
    campo->Dato = m_sCabecera.data();
    campo->fminternet = "210X";
  }
  return 1;
}

// ---- page 3 ----

void CControlesPAT003::EnlazarPagina(const SAreaPatrimonio& area) {
  if (area.datos == nullptr) return;
  // C1 takes four boxes a row from box 3: the heading is the first, the first field of the row's 72 bytes.
  auto* c1 = reinterpret_cast<char*>(area.datos->PatC.octetos);
  for (int r = 0; r < kFilasC1; ++r) {
    marco::SEnlaceEpigrafe& enlace = m_epigrafes[static_cast<std::size_t>(r)];
    enlace.codigo = c1 + 72 * static_cast<std::size_t>(r);
    enlace.grupo = &m_grupos[static_cast<std::size_t>(r)];
    EnlaceDirecto(2 + 4 * r, &enlace);
  }
}

// ---- page 10 ----

void CControlesPAT010::EnlazarPagina(const SAreaPatrimonio& area) {
  if (area.datos == nullptr) return;
  unsigned char* r = area.datos->PatResumen.octetos;
  // The quota-limit and the foreign-tax dialogs edit their blocks of the summary.
  EnlaceDirecto(10, r + resumen::ClaseLimite);
  EnlaceDirecto(18, r + resumen::Extranjero424);
  for (const int i : {9, 16, 24}) {
    if (marco::CCampo* campo = Campo(i)) campo->MostrarCero = 1;
  }
  AplicarMarcaMinimo();
}

void CControlesPAT010::AplicarMarcaMinimo() {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return;
  const bool sinMinimo = LeeByte(datos->PatDatosPersonales, personales::SinMinimoExento.desplazamiento) != 0;
  PonerSoloLectura(11, sinMinimo);
  PonerSoloLectura(19, sinMinimo);
}

// ---- page 11 ----

void CControlesPAT011::EnlazarPagina(const SAreaPatrimonio& area) {
  if (area.datos == nullptr) return;
  const bool cuota = LeeByte(area.datos->PatDatosPersonales, personales::CalculoCuota.desplazamiento) != 0;
  const bool positivo = AplicarResultado714(*area.datos);
  PonerSoloLectura(20, !cuota);
  PonerSoloLectura(23, !positivo);
  PonerSoloLectura(24, !positivo);
  AplicarMarcasCuenta();
}

void CControlesPAT011::AplicarMarcasCuenta() {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return;
  const bool editable = CuentaEditable714(datos->PatDI);
  for (int numero = 26; numero <= 29; ++numero) PonerSoloLectura(numero, !editable);
}

// ---- page 12 ----

void CControlesPAT012::EnlazarPagina(const SAreaPatrimonio& area) {
  if (area.datos == nullptr) return;
  const double resultado = LeeDouble(area.datos->PatResumen, resumen::Resultado);
  EscribeByte(area.datos->PatAjuste, ajuste::SignoResultado, resultado <= 0.0 ? 1 : 0);
}

std::unique_ptr<CControlesPAT> CrearControles714(int pagina) {
  switch (pagina) {
    case 1: return std::make_unique<CControlesPAT001>();
    case 3: return std::make_unique<CControlesPAT003>();
    case 10: return std::make_unique<CControlesPAT010>();
    case 11: return std::make_unique<CControlesPAT011>();
    case 12: return std::make_unique<CControlesPAT012>();
    default:
      if (pagina >= 2 && pagina <= 9) return std::make_unique<CControlesPATSecciones>(pagina);
      return nullptr;
  }
}

// ---- result rules ----

bool AplicarResultado714(DatosPatrimonio& datos) {
  RegPatDI& di = datos.PatDI;
  const double resultado = LeeDouble(datos.PatResumen, resumen::Resultado);
  const bool cuota = LeeByte(datos.PatDatosPersonales, personales::CalculoCuota.desplazamiento) != 0;
  double diferencia = 0.0;
  if (cuota) {
    EscribeDouble(di, di::Cuota, resultado);
    diferencia = resultado - LeeDouble(di, di::ImporteDeducido);
  } else {
    EscribeDouble(di, di::Cuota, 0.0);
  }
  if (!cuota || diferencia < 0.0) diferencia = 0.0;
  EscribeDouble(di, di::Diferencia, diferencia);
  const bool positivo = resultado > 0.0;
  EscribeByte(datos.PatAjuste, ajuste::SignoResultado, positivo ? 0 : 1);
  if (!positivo) {
    EscribeByte(di, di::Marca1, 0);
    EscribeByte(di, di::Domiciliacion, 0);
  }
  return positivo;
}

bool CuentaEditable714(const RegPatDI& di) {
  return LeeByte(di, di::Marca1) == 0 && LeeByte(di, di::Domiciliacion) != 0;
}

namespace {
void BlanquearCuenta(RegPatDI& di) { EscribeTexto(di, di::Cuenta, std::string(di::Cuenta.ancho, ' ')); }
}  // namespace

bool AplicarMarcasPago714(RegPatDI& di, int numero) {
  if (numero == 23) {
    if (LeeByte(di, di::Marca1) == 0) {
      EscribeByte(di, di::Domiciliacion, 1);
    } else {
      EscribeByte(di, di::Domiciliacion, 0);
      BlanquearCuenta(di);
    }
  } else if (numero == 24) {
    if (LeeByte(di, di::Domiciliacion) == 0) {
      EscribeByte(di, di::Marca1, 1);
      BlanquearCuenta(di);
    } else {
      EscribeByte(di, di::Marca1, 0);
    }
  }
  return CuentaEditable714(di);
}

bool BorrarMarcaPago714(RegPatDI& di, int numero) {
  if (numero == 23) {
    EscribeByte(di, di::Domiciliacion, 1);
    return AplicarMarcasPago714(di, 24);
  }
  if (numero == 24) {
    EscribeByte(di, di::Marca1, 1);
    return AplicarMarcasPago714(di, 23);
  }
  return CuentaEditable714(di);
}

}  // namespace patrimonio
