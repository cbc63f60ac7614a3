#include "dialogs/DlgFamiliares.h"

#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace dialogos {

namespace D = descendiente;
namespace A = ascendiente;

namespace {

constexpr std::size_t kDespConjuntaViudo = 3;  // RegDatosFamilia: a widowed person filing jointly
constexpr std::size_t kDespAnioDeclarante = 4;
constexpr std::size_t kDespAnioConyuge = 8;

std::string_view Texto(const unsigned char* p, std::size_t n) { return {reinterpret_cast<const char*>(p), n}; }

bool CodigoVacio(unsigned char c) { return marco::EsBlanco(static_cast<char>(c)); }

double LeerDoble(const unsigned char* p) {
  double v = 0.0;
  std::memcpy(&v, p, sizeof v);
  return std::isfinite(v) ? v : 0.0;
}
void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }

// A text field empty: its first character NUL or blank.
bool CampoVacio(const unsigned char* p) { return CodigoVacio(p[0]); }
bool MarcaVacia(unsigned char c) { return c == 0 || c == ' '; }

// The name holds only characters a name may hold (the identification check with a fixed personal number, so
// that only the name counts).
bool NombreAdmisible(const unsigned char* fila) {
  std::string nombre(Texto(fila + D::kNombre, kAnchoNombreFamiliar));
  return marco::CValidador::ValidarIdentificacion("00000001R", nombre) == 1;
}

void VaciarAnio(unsigned char* fila) { std::memset(fila + D::kAnio, 0, kAnchoAnioFamiliar); }

int Mensaje(std::string_view codigo, int icono) { return marco::CDlgMensaje().MostrarMensaje(codigo, icono); }

}  // namespace

SFamiliaListas LeerFamiliaListas(const RegDatosFamilia& familia) {
  SFamiliaListas f;
  f.tipoUnidad = renta::TipoUnidadFamiliar(familia);
  f.conjuntaViudo = familia.octetos[kDespConjuntaViudo] == 1;
  f.anioDeclarante = marco::NumeroDeCadena(Texto(familia.octetos + kDespAnioDeclarante, 4), 4);
  f.anioConyuge = marco::NumeroDeCadena(Texto(familia.octetos + kDespAnioConyuge, 4), 4);
  return f;
}

int AnioFila(const unsigned char* fila) {
  int anio = 0;
  for (std::size_t i = 0; i < kAnchoAnioFamiliar; ++i) {
    const unsigned char c = fila[D::kAnio + i];
    if (c < '0' || c > '9') return 0;
    anio = anio * 10 + (c - '0');
  }
  return anio;
}

double GradoFila(const unsigned char* fila) { return LeerDoble(fila + D::kGrado); }
void PonerGradoFila(unsigned char* fila, double grado) { PonerDoble(fila + D::kGrado, grado); }

// ---- marks ----

void MarcarDescendiente(unsigned char* fila, const SFamiliaListas& familia) {
  const int y = AnioFila(fila);
  const unsigned char v = fila[D::kVinculo];
  const unsigned char o = fila[D::kSituacion];
  const bool r = fila[D::kIngresos] != 0;
  const bool d = fila[D::kDeclaracion] != 0;
  const bool unidad = familia.tipoUnidad == 1;
  unsigned char* m = fila + D::kMarcas;
  switch (v) {
    case 'D':
      m[0] = (o == '3' && y < kAnioDescendienteMayor && !r && !d) ? ' ' : '1';
      m[1] = o == '3' ? ' ' : '1';
      m[2] = '2';
      break;
    case 'C':
      m[0] = '2';
      m[1] = '2';
      m[2] = '1';
      break;
    case 'O': {
      const bool propio = ((y >= kAnioDescendienteMayor || o == '2') && o != '1') || r || d;
      m[0] = !unidad && propio ? '1' : ' ';
      m[1] = ' ';
      m[2] = ' ';
      break;
    }
    default:
      m[0] = m[1] = m[2] = ' ';
      break;
  }
}

void MarcarAscendiente(unsigned char* fila) {
  unsigned char* m = fila + A::kMarcas;
  switch (fila[A::kVinculo]) {
    case 'D': m[0] = '1'; m[1] = '1'; m[2] = '2'; break;
    case 'C': m[0] = '2'; m[1] = '2'; m[2] = '1'; break;
    default: m[0] = m[1] = m[2] = ' '; break;
  }
  if (LeerDoble(fila + A::kConvivencia) < 2.0) PonerDoble(fila + A::kConvivencia, 0.0);
}

// ---- row helpers ----

bool DescendienteConDatos(const unsigned char* fila) {
  return !CampoVacio(fila + D::kAnio) || !CampoVacio(fila + D::kNombre) || !MarcaVacia(fila[D::kDeclaracion]) ||
         !CampoVacio(fila + D::kNif) || !CodigoVacio(fila[D::kSituacion]) || std::trunc(GradoFila(fila)) != 0.0 ||
         !MarcaVacia(fila[D::kIngresos]) || !CodigoVacio(fila[D::kVinculo]);
}

bool AscendienteConDatos(const unsigned char* fila) {
  return !CampoVacio(fila + A::kAnio) || !CampoVacio(fila + A::kNombre) ||
         std::trunc(LeerDoble(fila + A::kConvivencia)) != 0.0 || !CampoVacio(fila + A::kNif) ||
         std::trunc(GradoFila(fila)) != 0.0 || !MarcaVacia(fila[A::kIngresos]) || !CodigoVacio(fila[A::kVinculo]);
}

namespace {
void LimpiarComun(unsigned char* fila) {
  std::memset(fila + D::kNif, ' ', kAnchoNifFamiliar);
  std::memset(fila + D::kNombre, ' ', kAnchoNombreFamiliar);
  std::memset(fila + D::kAnio, ' ', kAnchoAnioFamiliar);
  PonerGradoFila(fila, 0.0);
  fila[D::kVinculo] = ' ';
}
void MoverComun(unsigned char* destino, const unsigned char* origen) {
  std::memcpy(destino + D::kNif, origen + D::kNif, kAnchoNifFamiliar);
  std::memcpy(destino + D::kNombre, origen + D::kNombre, kAnchoNombreFamiliar);
  std::memcpy(destino + D::kAnio, origen + D::kAnio, kAnchoAnioFamiliar);
  std::memcpy(destino + D::kGrado, origen + D::kGrado, sizeof(double));
  destino[D::kVinculo] = origen[D::kVinculo];
}
}  // namespace

void LimpiarDescendiente(unsigned char* fila) {
  LimpiarComun(fila);
  fila[D::kSituacion] = ' ';
  fila[D::kIngresos] = 0;
  fila[D::kDeclaracion] = 0;
}

void LimpiarAscendiente(unsigned char* fila) {
  LimpiarComun(fila);
  PonerDoble(fila + A::kConvivencia, 0.0);
  fila[A::kIngresos] = 0;
}

void MoverDescendiente(unsigned char* destino, const unsigned char* origen) {
  MoverComun(destino, origen);
  destino[D::kSituacion] = origen[D::kSituacion];
  destino[D::kIngresos] = origen[D::kIngresos];
  destino[D::kDeclaracion] = origen[D::kDeclaracion];
}

void MoverAscendiente(unsigned char* destino, const unsigned char* origen) {
  MoverComun(destino, origen);
  std::memcpy(destino + A::kConvivencia, origen + A::kConvivencia, sizeof(double));
  destino[A::kIngresos] = origen[A::kIngresos];
}

// ---- checks ----

std::string_view ComprobarEdadDescendiente(unsigned char* fila) {
  const int y = AnioFila(fila);
  if (GradoFila(fila) == 0.0 && y > 0 && y < kAnioDescendienteMinimo) {
    VaciarAnio(fila);
    return "100R161";
  }
  return {};
}

std::string_view ComprobarEdadAscendiente(unsigned char* fila) {
  if (GradoFila(fila) == 0.0 && AnioFila(fila) > kAnioAscendienteMaximo) {
    VaciarAnio(fila);
    return "100R185";
  }
  return {};
}

std::string_view ComprobarGrado(unsigned char* fila) {
  const double g = GradoFila(fila);
  if (g > 0.0 && g < kGradoMinimo) {
    PonerGradoFila(fila, 0.0);
    return "100R158";
  }
  return {};
}

std::string_view ComprobarVinculoDescendiente(unsigned char* fila, const SFamiliaListas& familia) {
  if (fila[D::kVinculo] == 'C' && familia.tipoUnidad != 1 && !familia.conjuntaViudo) {
    fila[D::kVinculo] = ' ';
    return "100R189";
  }
  return {};
}

std::string_view ComprobarVinculoAscendiente(unsigned char* fila, const SFamiliaListas& familia) {
  if (fila[A::kVinculo] == 'C' && familia.tipoUnidad != 1) {
    fila[A::kVinculo] = ' ';
    return "100R189";
  }
  return {};
}

std::string_view ComprobarSituacion(unsigned char* fila, const SFamiliaListas& familia) {
  if ((familia.tipoUnidad == 1 || familia.conjuntaViudo) && fila[D::kSituacion] == '3') {
    fila[D::kSituacion] = ' ';
    return "100R188";
  }
  if (fila[D::kSituacion] == '2' && (AnioFila(fila) >= kAnioDescendienteMayor || GradoFila(fila) == 0.0)) {
    fila[D::kSituacion] = ' ';
    return "100R190";
  }
  return {};
}

SFalloFila ComprobarDescendiente(unsigned char* fila, const SFamiliaListas& familia) {
  const int y = AnioFila(fila);
  unsigned char& o = fila[D::kSituacion];
  const bool casillas = fila[D::kIngresos] != 0 || fila[D::kDeclaracion] != 0;
  if (((y < kAnioDescendienteMayor && o != '2') || o == '1') && casillas) {
    return {"100R182", marco::IconoMano, kColIngresos};
  }
  if (familia.tipoUnidad == 1 && o == '3') o = ' ';
  if (o == '2' && (y > kAnioDescendienteMayor - 1 || GradoFila(fila) == 0.0)) {
    o = ' ';
    return {"100R190", marco::IconoMano, kColSituacion};
  }
  if (CodigoVacio(fila[D::kVinculo])) return {"100R184", marco::IconoMano, kColVinculo};
  if (CampoVacio(fila + D::kAnio)) return {"100R184", marco::IconoMano, kColAnio};
  if (const std::string_view c = ComprobarEdadDescendiente(fila); !c.empty()) {
    return {c, marco::IconoMano, kColAnio};
  }
  if (marco::EsCadenaEnBlanco(Texto(fila + D::kNombre, kAnchoNombreFamiliar))) {
    return {"104R006", marco::IconoMano, kColNombre};
  }
  if (!NombreAdmisible(fila)) return {"NOME01", marco::IconoMano, kColNombre};
  return {};
}

SFalloFila ComprobarAscendiente(unsigned char* fila, const SFamiliaListas& familia) {
  if (CodigoVacio(fila[A::kVinculo])) return {"100R184", marco::IconoMano, kColVinculo};
  if (CampoVacio(fila + A::kAnio)) return {"100R184", marco::IconoMano, kColAnio};
  if (const std::string_view c = ComprobarEdadAscendiente(fila); !c.empty()) {
    return {c, marco::IconoMano, kColAnio};
  }
  const unsigned char v = fila[A::kVinculo];
  if (v == 'D' || v == 'C') {
    const int p = v == 'D' ? familia.anioDeclarante : familia.anioConyuge;
    if (AnioFila(fila) > p - 14 && Mensaje("100V198", marco::IconoAsterisco) == marco::kBotonCorregir) {
      return {"100V198", marco::IconoAsterisco, kColAnio, true};
    }
  }
  if (GradoFila(fila) == 0.0 && fila[A::kIngresos] != 0) return {"100R201", marco::IconoMano, kColIngresos};
  if (marco::EsCadenaEnBlanco(Texto(fila + A::kNif, kAnchoNifFamiliar))) {
    return {"104R009", marco::IconoMano, kColNif};
  }
  if (marco::EsCadenaEnBlanco(Texto(fila + A::kNombre, kAnchoNombreFamiliar))) {
    return {"104R010", marco::IconoMano, kColNombre};
  }
  if (!NombreAdmisible(fila)) return {"NOME01", marco::IconoMano, kColNombre};
  return {};
}

// ---- box ids ----

int IdDescendiente(int columna, int fila) {
  if (columna < 0 || columna >= kColumnasDescendientes || fila < 0 || fila >= kFilasDescendientes) return 0;
  if (fila == 0) {
    constexpr int kFila0[kColumnasDescendientes] = {1017, 1018, 1019, 1020, 1021, 1023, 1024, 1026};
    return kFila0[columna];
  }
  return 1027 + columna + 8 * (fila - 1);
}

int IdAscendiente(int columna, int fila) {
  if (columna < 0 || columna >= kColumnasAscendientes || fila < 0 || fila >= kFilasAscendientes) return 0;
  return 1340 + 4 * columna + fila;
}

// ---- the dialog ----

namespace {

struct SColumna {
  const char* titulo;
  int ancho;
  int longitud;
  unsigned opciones;
};

constexpr unsigned kNum = marco::kEdicionDerecha | marco::kEdicionImporte;

constexpr SColumna kColumnasD[kColumnasDescendientes] = {
    {"N.I.F. o D.N.I.", 48, 9, 0},          {"Apellidos y nombre", 132, 33, 0},
    {"A\xF1o\nnac.", 22, 4, marco::kEdicionDerecha}, {"Minus-\nval\xED" "a %", 24, 2, kNum},
    {"Vincu-\nlaci\xF3n", 22, 1, 0},        {"Otras\nsitua-\nciones", 22, 1, 0},
    {"Rentas\n> 1 mill.", 26, 1, 0},        {"Decla-\nraci\xF3n", 24, 1, 0},
};
constexpr SColumna kColumnasA[kColumnasAscendientes] = {
    {"N.I.F. o D.N.I.", 48, 9, 0},          {"Apellidos y nombre", 132, 33, 0},
    {"A\xF1o\nnac.", 22, 4, marco::kEdicionDerecha}, {"Minus-\nval\xED" "a %", 30, 5, kNum},
    {"Vincu-\nlaci\xF3n", 22, 1, 0},        {"Convi-\nvencia", 24, 1, kNum},
    {"Rentas\n969.780 a\n1.000.000", 38, 1, 0},
};

std::string TextoFijo(const unsigned char* p, std::size_t n) {
  return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(reinterpret_cast<const char*>(p), n)));
}

// A text typed into a fixed field of n bytes: blank-padded; false when longer.
bool GuardarFijo(unsigned char* p, std::size_t n, std::string_view texto) {
  if (texto.size() > n) return false;
  std::memset(p, ' ', n);
  std::memcpy(p, texto.data(), texto.size());
  return true;
}

}  // namespace

CDlgListaFamiliar::CDlgListaFamiliar(bool ascendientes, wxWindow* padre)
    : marco::CTemplateDlgLista(ascendientes ? kRecursoAscendientes : kRecursoDescendientes, padre),
      m_bAscendientes(ascendientes) {
  const int filas = Filas();
  const int columnas = ascendientes ? kColumnasAscendientes : kColumnasDescendientes;
  const SColumna* cols = ascendientes ? kColumnasA : kColumnasD;
  std::vector<int> ids;
  for (int c = 0; c < columnas; ++c) {
    for (int f = 0; f < filas; ++f) ids.push_back(IdCampo(c, f));
  }
  PonerTablaIds(filas, columnas, std::move(ids));

  constexpr int kX0 = 18;
  constexpr int kY0 = 34;
  constexpr int kAlto = 13;
  int ancho = kX0;
  for (int c = 0; c < columnas; ++c) ancho += cols[c].ancho + 2;
  ancho += 6;
  const int alto = kY0 + kAlto * filas + 34;
  marco::CPlantillaDialogo p(ancho, alto,
                             ascendientes ? "ASCENDIENTES MAYORES DE 65 A\xD1OS O DISCAPACITADOS"
                                          : "HIJOS Y OTROS DESCENDIENTES SOLTEROS");
  int x = kX0;
  for (int c = 0; c < columnas; ++c) {
    p.Estatico(-1, cols[c].titulo, {x, 6, cols[c].ancho, 26});
    x += cols[c].ancho + 2;
  }
  for (int f = 0; f < filas; ++f) {
    const int y = kY0 + kAlto * f;
    p.Estatico(-1, std::to_string(f + 1) + ".\xBA", {4, y + 2, 13, 10});
    x = kX0;
    for (int c = 0; c < columnas; ++c) {
      p.Edicion(IdCampo(c, f), {x, y, cols[c].ancho, 12}, cols[c].opciones, cols[c].longitud);
      x += cols[c].ancho + 2;
    }
  }
  const int yb = kY0 + kAlto * filas + 8;
  p.Aceptar({ancho - 196, yb, 60, 20}).Cancelar({ancho - 130, yb, 60, 20}).Ayuda({ancho - 64, yb, 58, 20});
  Plantilla() = p;
}

CDlgListaFamiliar::~CDlgListaFamiliar() { *m_pVivo = false; }

int CDlgListaFamiliar::IdCampo(int columna, int fila) const {
  return m_bAscendientes ? IdAscendiente(columna, fila) : IdDescendiente(columna, fila);
}

int CDlgListaFamiliar::OnInitDialog() {
  marco::CTemplateDlgLista::OnInitDialog();
  m_filas = m_recibido;
  m_nFilaRecordada = 0;
  for (int f = 0; f < Filas(); ++f) Enlazar(f);
  // Only the person who edits the lists types into them: the others see them.
  if (!Editable()) HabilitarEdiciones(0);
  Mostrar();
  ActualizarEntradas();
  const int libre = EntradasAbiertas();
  if (m_nPrimerCaracter >= 0x20 && Editable() && !Bloqueado() && EntradaEnUso(libre) == 0) {
    // Typed over the first free row's identification number, as typing into a box does.
    const int id = IdCampo(kColNif, libre);
    PonerTextoControl(id, std::string(1, static_cast<char>(m_nPrimerCaracter)));
    m_nIdCaretAlFinal = id;
    PonerFoco(id);
  }
  return 1;
}

void CDlgListaFamiliar::Mostrar() { marco::ActualizarDatosHijos(*this, 0); }

void CDlgListaFamiliar::Enlazar(int f) {
  const auto texto = [this, f](std::size_t desp, std::size_t n) {
    marco::SEnlaceControl e;
    e.mostrar = [this, f, desp, n] { return TextoFijo(Fila(f) + desp, n); };
    e.guardar = [this, f, desp, n](std::string_view t) {
      return GuardarFijo(Fila(f) + desp, n, plataforma::Mayusculas1252(t));
    };
    return e;
  };
  const auto codigo = [this, f](std::size_t desp) {
    marco::SEnlaceControl e;
    e.mostrar = [this, f, desp] {
      const unsigned char c = Fila(f)[desp];
      return CodigoVacio(c) ? std::string() : std::string(1, static_cast<char>(c));
    };
    e.guardar = [this, f, desp](std::string_view t) {
      const std::string_view limpio = plataforma::Recorta(t);
      if (limpio.size() > 1) return false;
      const char c = limpio.empty() ? ' ' : limpio[0];
      Fila(f)[desp] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      return true;
    };
    return e;
  };
  const auto marca = [this, f](std::size_t desp) {
    marco::SEnlaceControl e;
    e.mostrar = [this, f, desp] { return Fila(f)[desp] == 1 ? std::string("X") : std::string(); };
    e.guardar = [this, f, desp](std::string_view t) {
      const std::string_view limpio = plataforma::Recorta(t);
      Fila(f)[desp] = !limpio.empty() && (limpio[0] == 'X' || limpio[0] == 'x') ? 1 : 0;
      return true;
    };
    return e;
  };
  const auto numero = [this, f](std::size_t desp, int decimales, double maximo) {
    marco::SEnlaceControl e;
    e.mostrar = [this, f, desp, decimales] { return marco::TextoImporteDialogo(LeerDoble(Fila(f) + desp), decimales, false); };
    e.guardar = [this, f, desp, maximo](std::string_view t) {
      double v = 0.0;
      if (!marco::LeerImporteDialogo(t, v) || !std::isfinite(v) || v < 0.0 || v >= maximo) return false;
      PonerDoble(Fila(f) + desp, v);
      return true;
    };
    return e;
  };
  marco::SEnlaceControl anio;
  anio.mostrar = [this, f] { return TextoFijo(Fila(f) + D::kAnio, kAnchoAnioFamiliar); };
  anio.guardar = [this, f](std::string_view t) {
    const std::string_view limpio = plataforma::Recorta(t);
    if (limpio.size() > kAnchoAnioFamiliar) return false;
    for (char c : limpio) {
      if (c < '0' || c > '9') return false;
    }
    return GuardarFijo(Fila(f) + D::kAnio, kAnchoAnioFamiliar, limpio);
  };

  marco::CDialogoBase::Enlazar(IdCampo(kColNif, f), texto(D::kNif, kAnchoNifFamiliar));
  marco::CDialogoBase::Enlazar(IdCampo(kColNombre, f), texto(D::kNombre, kAnchoNombreFamiliar));
  marco::CDialogoBase::Enlazar(IdCampo(kColAnio, f), std::move(anio));
  marco::CDialogoBase::Enlazar(IdCampo(kColGrado, f), numero(D::kGrado, m_bAscendientes ? 2 : 0, 100.0));
  marco::CDialogoBase::Enlazar(IdCampo(kColVinculo, f), codigo(D::kVinculo));
  if (m_bAscendientes) {
    marco::CDialogoBase::Enlazar(IdCampo(kColConvivencia, f), numero(A::kConvivencia, 0, 10.0));
    marco::CDialogoBase::Enlazar(IdCampo(kColIngresos, f), marca(A::kIngresos));
  } else {
    marco::CDialogoBase::Enlazar(IdCampo(kColSituacion, f), codigo(D::kSituacion));
    marco::CDialogoBase::Enlazar(IdCampo(kColIngresos, f), marca(D::kIngresos));
    marco::CDialogoBase::Enlazar(IdCampo(kColDeclaracion, f), marca(D::kDeclaracion));
  }
}

void CDlgListaFamiliar::LimpiarEntrada(int entrada) {
  if (entrada < 0 || entrada >= Filas()) return;
  if (m_bAscendientes) {
    LimpiarAscendiente(Fila(entrada));
  } else {
    LimpiarDescendiente(Fila(entrada));
  }
}

void CDlgListaFamiliar::MoverEntrada(int a, int de) {
  if (a < 0 || a >= Filas() || de < 0 || de >= Filas() || a == de) return;
  if (m_bAscendientes) {
    MoverAscendiente(Fila(a), Fila(de));
  } else {
    MoverDescendiente(Fila(a), Fila(de));
  }
}

int CDlgListaFamiliar::EntradaEnUso(int entrada) const {
  if (entrada < 0 || entrada >= Filas()) return 0;
  const unsigned char* fila = m_filas.data() + AnchoFila() * static_cast<std::size_t>(entrada);
  return (m_bAscendientes ? AscendienteConDatos(fila) : DescendienteConDatos(fila)) ? 1 : 0;
}

bool CDlgListaFamiliar::ComprobarEdad(int f) {
  if (f < 0 || f >= Filas()) return true;
  const std::string_view codigo = m_bAscendientes ? ComprobarEdadAscendiente(Fila(f)) : ComprobarEdadDescendiente(Fila(f));
  if (codigo.empty()) return true;
  Mensaje(codigo, marco::IconoMano);
  Mostrar();
  PonerFoco(IdCampo(kColAnio, f));
  return false;
}

int CDlgListaFamiliar::AlEntrarEnCampo(int id) {
  if (id == m_nIdCaretAlFinal) {
    m_nIdCaretAlFinal = 0;
    // The typing goes on after the character already there: once the box has taken the focus (the toolkit
    // selects a box's whole text as it enters it), the caret goes to its end.
    if (auto* ventana = dynamic_cast<wxWindow*>(Ventana()); ventana != nullptr && wxTheApp != nullptr) {
      const std::weak_ptr<bool> vivo = m_pVivo;
      wxWeakRef<wxWindow> campo(ventana->FindWindow(id));
      wxTheApp->CallAfter([vivo, campo] {
        if (vivo.expired() || !*vivo.lock() || !campo) return;
        if (auto* texto = dynamic_cast<wxTextCtrl*>(campo.get())) texto->SetInsertionPointEnd();
      });
    }
  }
  const int f = EntradaDeControl(id);
  if (f < 0 || Ocupado() || !Editable()) return 1;
  if (f != m_nFilaRecordada) {
    const int anterior = m_nFilaRecordada;
    m_nFilaRecordada = f;
    if (!ComprobarEdad(anterior)) m_nFilaRecordada = anterior;
  }
  return 1;
}

int CDlgListaFamiliar::AlSalirDeCampo(int id) {
  if (marco::CTemplateDlgLista::AlSalirDeCampo(id) == 0) {
    // The toolkit does not always say which window takes the focus (a focus-lost event without it): unless the
    // focus is known to go to Cancel, or the dialog is closing, the rows are kept together and the next one is
    // opened all the same, as leaving a box within the list does.
    if (Ventana() == nullptr || Cerrando() || Ventana()->Foco().has_value() || !Editable()) return 0;
    const int e = EntradaDeControl(id);
    if (e < 0) return 1;
    if (EntradaEnUso(e) == 0) {
      CompactarEntradas();
      Mostrar();
    }
    ActualizarEntradas();
  }
  const int f = EntradaDeControl(id);
  if (f < 0 || !Editable()) return 1;
  unsigned char* fila = Fila(f);
  std::string_view codigo;
  if (id == IdCampo(kColNif, f) || id == IdCampo(kColAnio, f)) {
    const bool enUso = EntradaEnUso(f) != 0;
    // The document's checks of an identification number and of a year, with their own messages.
    if (auto* doc = dynamic_cast<renta::CRentaDoc*>(marco::DameDocumentoActivo())) {
      if (id == IdCampo(kColNif, f)) {
        doc->Validador().ValidarCampo(2, fila + D::kNif);
      } else if (!CampoVacio(fila + D::kAnio)) {
        doc->Validador().ValidarCampo(101, fila + D::kAnio);
      }
    }
    Mostrar();
    // A check that refused the value emptied it: a row left with nothing goes, and the rows open follow, as when
    // the row is emptied by hand (the next row stays open only below a row in use).
    if (enUso && EntradaEnUso(f) == 0) {
      const std::optional<int> foco = Ventana() != nullptr ? Ventana()->Foco() : std::nullopt;
      CompactarEntradas();
      Mostrar();
      ActualizarEntradas();
      if (foco && *foco != marco::kIdCancelar) PonerFoco(*foco);
    }
    return 1;
  }
  if (id == IdCampo(kColGrado, f)) {
    codigo = ComprobarGrado(fila);
  } else if (id == IdCampo(kColVinculo, f)) {
    codigo = m_bAscendientes ? ComprobarVinculoAscendiente(fila, m_familia)
                             : ComprobarVinculoDescendiente(fila, m_familia);
  } else if (!m_bAscendientes && id == IdCampo(kColSituacion, f)) {
    codigo = ComprobarSituacion(fila, m_familia);
  }
  if (!codigo.empty()) {
    Mensaje(codigo, marco::IconoMano);
    Mostrar();
    PonerFoco(id);
  }
  return 1;
}

int CDlgListaFamiliar::AlComando(int id, int codigo) {
  if (id == marco::kIdBotonAyuda) {
    if (Ventana() != nullptr) Ventana()->MostrarAyuda(m_bAscendientes ? kAyudaAscendientes : kAyudaDescendientes);
    return 1;
  }
  return marco::CTemplateDlgLista::AlComando(id, codigo);
}

void CDlgListaFamiliar::OnOK() {
  if (!Editable() || Bloqueado()) {
    // Nothing typed here goes back.
    marco::CTemplateDlgLista::OnOK();
    return;
  }
  marco::ActualizarDatosHijos(*this, 1);
  for (int f = 0; f < Filas(); ++f) {
    if (m_bAscendientes) {
      MarcarAscendiente(Fila(f));
    } else {
      MarcarDescendiente(Fila(f), m_familia);
    }
  }
  int usadas = 0;
  for (int f = 0; f < Filas(); ++f) {
    if (EntradaEnUso(f) != 0) usadas = f + 1;
  }
  for (int f = 0; f < usadas; ++f) {
    const SFalloFila fallo =
        m_bAscendientes ? ComprobarAscendiente(Fila(f), m_familia) : ComprobarDescendiente(Fila(f), m_familia);
    if (fallo.codigo.empty()) continue;
    if (!fallo.mostrado) Mensaje(fallo.codigo, fallo.icono);
    Mostrar();
    if (fallo.columna >= 0) PonerFoco(IdCampo(fallo.columna, f));
    return;
  }
  Mostrar();
  std::memcpy(m_recibido.data(), m_filas.data(), AnchoFila() * static_cast<std::size_t>(Filas()));
  marco::CTemplateDlgLista::OnOK();
}

// ---- the launchers ----

namespace {

template <bool kAscendientes>
int AbrirListaFamiliar(const marco::SContextoSeleccion& c) {
  if (c.enlace == nullptr) return marco::kDialogoCancelado;
  CDlgListaFamiliar dlg(kAscendientes, c.padre);
  const std::size_t tamano = dlg.AnchoFila() * static_cast<std::size_t>(dlg.Filas());
  std::memcpy(dlg.m_recibido.data(), c.enlace, tamano);
  if (const auto* doc = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo())) {
    dlg.m_familia = LeerFamiliaListas(doc->Datos().DatosFamilia);
  }
  const int sujeto = marco::DameSujetoActual();
  dlg.PonerCodigoSujeto(sujeto != 0 ? sujeto : marco::kSujetoUnidadFamiliar);
  dlg.PonerPrimerCaracter(c.caracter);
  const int r = dlg.DoModal();
  if (r == marco::kDialogoAceptado) std::memcpy(c.enlace, dlg.m_recibido.data(), tamano);
  return r;
}

}  // namespace

void RegistrarDialogosFamiliares() {
  marco::RegistroSelecciones().Registrar(kVentanaDescendientes, AbrirListaFamiliar<false>);
  marco::RegistroSelecciones().Registrar(kVentanaAscendientes, AbrirListaFamiliar<true>);
}

}  // namespace dialogos
