#include "income/FilasSecciones.h"

#include <system_error>

#include "framework/BaseDatos.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "framework/DlgMensaje.h"
#include "framework/TemplateDlgLista.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace renta {

namespace {

// Offsets of `n` doubles from `desde`, one every 8 bytes.
void AnadirDobles(std::vector<int>& campos, std::vector<std::size_t>& importes, int desde, int n) {
  for (int i = 0; i < n; ++i) {
    campos.push_back(desde + 8 * i);
    importes.push_back(static_cast<std::size_t>(desde + 8 * i));
  }
}

double Doble(const unsigned char* fila, std::size_t desp) {
  double valor = 0;
  std::memcpy(&valor, fila + desp, sizeof valor);
  return valor;
}

}  // namespace

// ---- section D ----

SFormatoFilas FormatoGrupoD(int grupo) {
  SFormatoFilas f;
  if (grupo < 1 || grupo > 6) return f;
  f.ancho = kAnchoGruposD[grupo - 1];
  f.marcasOpcion = grupo == 2 || grupo == 5;
  f.campos.push_back(0);
  if (f.marcasOpcion) {
    f.campos.push_back(kCampoMarca1);
    f.campos.push_back(kCampoMarca2);
  } else {
    f.campos.push_back(1);
  }
  if (grupo <= 3) {
    AnadirDobles(f.campos, f.importes, 8, 22);
    if (grupo == 3) f.campos.push_back(4);
    return f;
  }
  if (grupo == 4) f.campos.push_back(6);
  if (grupo == 5) f.campos.push_back(2);
  if (grupo == 6) {
    f.campos.push_back(6);
    f.campos.push_back(7);
  }
  AnadirDobles(f.campos, f.importes, 16, 3);
  return f;
}

CFilasApartadoD::CFilasApartadoD(unsigned char* guardadas, int filas, int mostradas, int grupo)
    : CFilasSeccion(guardadas, filas, mostradas, FormatoGrupoD(grupo), kFilasGrupoD) {}

int CFilasApartadoD::OrdenFila(int fila, int orden, int /*marca*/) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  switch (orden) {
    case 500:
      if (TitularTrabajo(i) == 0) {
        EliminarFila(i);
      } else {
        VaciarFila(i, true);
        ReconstruirIndice();
      }
      break;
    case 501:
      if (fila == 0) EscribirMarcas();
      GuardarFila(i);
      break;
    case 502:
      RevertirFila(i);
      break;
    default:
      break;
  }
  return 0;
}

namespace {

unsigned char* GrupoD(RegApartadoD1& bloque, int grupo) { return bloque.octetos + kDespGruposD[grupo - 1]; }
unsigned char* GrupoD(RegApartadoD2& bloque, int grupo) { return bloque.octetos + kDespGruposD[grupo - 1]; }

}  // namespace

CFilasORD003A::CFilasORD003A(DatosRenta& d) : CFilasORD003A(GrupoD(d.ApartadoD1, 1), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD003B::CFilasORD003B(DatosRenta& d) : CFilasORD003B(GrupoD(d.ApartadoD1, 2), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD003C::CFilasORD003C(DatosRenta& d) : CFilasORD003C(GrupoD(d.ApartadoD1, 3), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD003D::CFilasORD003D(DatosRenta& d) : CFilasORD003D(GrupoD(d.ApartadoD1, 4), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD003E::CFilasORD003E(DatosRenta& d) : CFilasORD003E(GrupoD(d.ApartadoD1, 5), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD003F::CFilasORD003F(DatosRenta& d) : CFilasORD003F(GrupoD(d.ApartadoD1, 6), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004A::CFilasORD004A(DatosRenta& d) : CFilasORD004A(GrupoD(d.ApartadoD2, 1), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004B::CFilasORD004B(DatosRenta& d) : CFilasORD004B(GrupoD(d.ApartadoD2, 2), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004C::CFilasORD004C(DatosRenta& d) : CFilasORD004C(GrupoD(d.ApartadoD2, 3), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004D::CFilasORD004D(DatosRenta& d) : CFilasORD004D(GrupoD(d.ApartadoD2, 4), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004E::CFilasORD004E(DatosRenta& d) : CFilasORD004E(GrupoD(d.ApartadoD2, 5), kFilasGrupoD, kMostradasGrupoD) {}
CFilasORD004F::CFilasORD004F(DatosRenta& d) : CFilasORD004F(GrupoD(d.ApartadoD2, 6), kFilasGrupoD, kMostradasGrupoD) {}

// ---- sections F2 and F3 ----

SFormatoFilas FormatoGrupoF(char grupo) {
  SFormatoFilas f;
  switch (grupo) {
    case 'A':
      f.ancho = 32;
      f.campos = {0};
      AnadirDobles(f.campos, f.importes, 8, 2);
      f.campos.push_back(24);
      f.campos.push_back(25);
      break;
    case 'B':
      f.ancho = 640;
      f.despTitular = 20;
      f.primerCampo = 9;
      f.campos = {0, 20, 21, 40, 48, 56, 0, 120, 0};
      f.importes = {56, 120};
      AnadirDobles(f.campos, f.importes, 544, 12);
      break;
    case 'C':
    case 'D':
      f.ancho = 24;
      f.primerCampo = grupo == 'C' ? 30 : 33;
      f.campos = {0};
      AnadirDobles(f.campos, f.importes, 8, 2);
      break;
    default:
      break;
  }
  return f;
}

CFilasApartadoF::CFilasApartadoF(unsigned char* guardadas, int filas, int mostradas, char grupo)
    : CFilasSeccion(guardadas, filas, mostradas, FormatoGrupoF(grupo), kFilasGrupoF) {}

CFilasApartadoF::CFilasApartadoF(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato,
                                 int capacidad)
    : CFilasSeccion(guardadas, filas, mostradas, std::move(formato), capacidad) {}

int CFilasApartadoF::OrdenFila(int fila, int orden, int /*marca*/) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  switch (orden) {
    case kOrdenGuardarF:
      GuardarFila(i);
      break;
    case kOrdenSuprimirF:
      SuprimirFila(i);
      break;
    case kOrdenRevertirF:
      RevertirFila(i);
      break;
    default:
      break;
  }
  return 0;
}

int CFilasApartadoF::ComprobarFila(int fila) {
  const unsigned char* f = FilaMostrada(fila);
  if (f == nullptr) return 1;
  if (Doble(f, 16) > Doble(f, 8)) {
    marco::CDlgMensaje().MostrarMensaje("100R174", marco::IconoAsterisco);
    return 0;
  }
  return 1;
}

int CFilasORD009B::ComprobarFila(int /*fila*/) { return 1; }

void CFilasApartadoF::SuprimirConservandoTexto(int i, std::size_t desp, std::size_t ancho) {
  unsigned char* fila = FilaTrabajo(i);
  if (fila == nullptr) return;
  const std::size_t largo = Formato().ancho;
  if (desp + ancho > largo ||
      marco::EsCadenaEnBlanco(plataforma::LeeFija(reinterpret_cast<const char*>(fila + desp), ancho))) {
    EliminarFila(i);
    return;
  }
  std::memset(fila, 0, desp);
  std::memset(fila + desp + ancho, 0, largo - desp - ancho);
  GuardarFila(i);
  ReconstruirIndice();
}

void CFilasORD009B::SuprimirFila(int i) { SuprimirConservandoTexto(i, 0, 20); }

CFilasORD009A::CFilasORD009A(DatosRenta& d)
    : CFilasORD009A(d.ApartadoF2.octetos + kDespORD009A, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009B::CFilasORD009B(DatosRenta& d)
    : CFilasORD009B(d.ApartadoF3.octetos + kDespORD009B, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009C::CFilasORD009C(DatosRenta& d)
    : CFilasORD009C(d.ApartadoF3.octetos + kDespORD009C, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009D::CFilasORD009D(DatosRenta& d)
    : CFilasORD009D(d.ApartadoF3.octetos + kDespORD009D, kFilasGrupoF, kMostradasGrupoF) {}

// ---- section E ----

SFormatoFilas FormatoGrupoE(char grupo) {
  SFormatoFilas f;
  switch (grupo) {
    case 'A':
      f.ancho = kAnchoORD007A;
      f.despTitular = 10;
      f.campos = {0, 9, 10, 16, 24, 25, 32, 40, 48, 64, 72, 80, 88, 96, 104, 144, 152};
      f.importes = {16, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 144, 152};
      break;
    case 'B':
      f.ancho = kAnchoORD007B;
      f.despTitular = 24;
      f.campos = {0, 24, 25, 26, 32, 40, 48};
      f.importes = {32, 40, 48};
      break;
    case 'C':
      f.ancho = kAnchoORD007C;
      f.campos = {0, 1, 26, 56, 64, 72};
      f.importes = {56, 64, 72};
      break;
    case 'D':
      f.ancho = kAnchoORD007D;
      f.despTitular = 24;
      f.campos = {0, 24, 32, 64, 72, 40};
      f.importes = {32, 40, 64, 72};
      break;
    default:
      break;
  }
  return f;
}

CFilasORD007A::CFilasORD007A(DatosRenta& d)
    : CFilasApartadoF(d.ApartadoE2.octetos + kDespORD007A, 3, 3, FormatoGrupoE('A'), 3) {}
CFilasORD007B::CFilasORD007B(DatosRenta& d) : CFilasApartadoF(d.ApartadoE3.octetos, 3, 3, FormatoGrupoE('B'), 3) {}
CFilasORD007C::CFilasORD007C(DatosRenta& d) : CFilasApartadoF(d.ApartadoE4.octetos, 1, 1, FormatoGrupoE('C'), 1) {}
CFilasORD007D::CFilasORD007D(DatosRenta& d) : CFilasApartadoF(d.ApartadoE5.octetos, 3, 3, FormatoGrupoE('D'), 3) {}

namespace {

int ComprobarTopeE4(RegApartadoE4& fila, std::size_t desp, std::string_view codigo) {
  if (Doble(fila.octetos, desp) <= Doble(fila.octetos, 56)) return 1;
  marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano);
  const double cero = 0.0;
  std::memcpy(fila.octetos + desp, &cero, sizeof cero);
  return 0;
}

}  // namespace

int ComprobarGrupoORD007A(RegApartadoE4& fila) { return ComprobarTopeE4(fila, 64, "100R171"); }
int ComprobarGrupoORD007B(RegApartadoE4& fila) { return ComprobarTopeE4(fila, 72, "100R172"); }

// ---- sections F1 and F2 ----

SFormatoFilas FormatoGrupoF2(char grupo) {
  SFormatoFilas f;
  switch (grupo) {
    case 'A':
      f.ancho = kAnchoORD008A;
      f.campos = {1, 0};
      AnadirDobles(f.campos, f.importes, 16, 5);
      break;
    case 'B':
      f.ancho = kAnchoORD008B;
      f.despTitular = 20;
      f.primerCampo = 11;
      f.campos = {0, 20, 21, 22, 30, 40, 0, 104, 0};
      f.importes = {40, 104};
      AnadirDobles(f.campos, f.importes, 248, 10);
      break;
    case 'C':
    case 'D':
      f.ancho = 24;
      f.primerCampo = grupo == 'C' ? 30 : 33;
      f.campos = {0};
      AnadirDobles(f.campos, f.importes, 8, 2);
      break;
    default:
      break;
  }
  return f;
}

CFilasORD008A::CFilasORD008A(DatosRenta& d)
    : CFilasApartadoF(d.ApartadoF1.octetos, kFilasGrupoF, kMostradasGrupoF, FormatoGrupoF2('A'), kFilasGrupoF) {}
CFilasORD008B::CFilasORD008B(DatosRenta& d)
    : CFilasApartadoF(d.ApartadoF2.octetos, kFilasGrupoF, kMostradasGrupoF, FormatoGrupoF2('B'), kFilasGrupoF) {}
CFilasORD008C::CFilasORD008C(DatosRenta& d)
    : CFilasApartadoF(d.ApartadoF2.octetos + kDespORD008C, kFilasGrupoF, kMostradasGrupoF, FormatoGrupoF2('C'),
                      kFilasGrupoF) {}
CFilasORD008D::CFilasORD008D(DatosRenta& d)
    : CFilasApartadoF(d.ApartadoF2.octetos + kDespORD008D, kFilasGrupoF, kMostradasGrupoF, FormatoGrupoF2('D'),
                      kFilasGrupoF) {}

}  // namespace renta

// ---- section D, blocks 4 and 5 ----

namespace renta {

namespace {

constexpr std::size_t kModulos = 120;
constexpr std::size_t kPasoModulo = 176;
constexpr std::size_t kNumeroModulos = 7;
constexpr std::size_t kIdActividad = 8;

std::int32_t Entero32(const unsigned char* fila, std::size_t desp) {
  std::int32_t valor = 0;
  std::memcpy(&valor, fila + desp, sizeof valor);
  return valor;
}

}  // namespace

SFormatoFilas FormatoActividadesModulos() {
  SFormatoFilas f;
  f.ancho = kAnchoORD005;
  f.despTitular = 24;
  f.campos = {0, 12, 24};
  for (std::size_t j = 0; j < kNumeroModulos; ++j) {
    const int modulo = static_cast<int>(kModulos + kPasoModulo * j);
    f.campos.push_back(modulo + 1);
    f.campos.push_back(modulo + 40);
    f.campos.push_back(modulo + 168);
    f.importes.push_back(static_cast<std::size_t>(modulo + 168));
  }
  for (int desp = 1352; desp <= 1416; desp += 8) f.campos.push_back(desp);
  for (int desp = 1440; desp <= 1512; desp += 8) f.campos.push_back(desp);
  f.campos.insert(f.campos.end(), {1520, 1529, 1534, 1536, 1544, 1552});
  for (std::size_t j = 0; j < kNumeroModulos; ++j) f.campos.push_back(static_cast<int>(kModulos + kPasoModulo * j));
  // The amounts a family-unit row shows halved: the money figures, not the indices nor the percentage.
  for (std::size_t desp : {1352, 1360, 1368, 1376, 1440, 1448, 1456, 1464, 1472, 1480, 1488, 1496, 1504, 1512, 1544,
                           1552}) {
    f.importes.push_back(desp);
  }
  return f;
}

SFormatoFilas FormatoActividadesAgrarias() {
  SFormatoFilas f;
  f.ancho = kAnchoORD006;
  f.despTitular = 8;
  f.campos = {8, 0, 56};
  // Each product group's index text and yield, then the next group's volume.
  constexpr int kTexto[13] = {208, 312, 504, 608, 712, 904, 1008, 1200, 1304, 1496, 1600, 1704, 1808};
  for (int k = 0; k < 13; ++k) {
    f.campos.push_back(kTexto[k]);
    f.campos.push_back(kTexto[k] + 8);
    if (k < 12) f.campos.push_back(kTexto[k] + 16);
  }
  f.campos.insert(f.campos.end(), {1824, 1832, 1840});
  for (int desp = 1896; desp <= 2016; desp += 8) f.campos.push_back(desp);
  f.campos.insert(f.campos.end(), {2024, 2033, 2040, 2056, 2048});
  for (int c : f.campos) {
    if (c >= 56 && c != 2024 && c != 2033 && c != 2040) {
      const bool texto = std::find(std::begin(kTexto), std::end(kTexto), c) != std::end(kTexto);
      const bool indice = c >= 1904 && c <= 1936;
      if (!texto && !indice) f.importes.push_back(static_cast<std::size_t>(c));
    }
  }
  return f;
}

bool CodigoModulosRelleno(const unsigned char* fila) {
  return fila != nullptr && marco::HayAlfanumerico(std::string_view(reinterpret_cast<const char*>(fila), 5), 5) != 0;
}

bool ClaveAgrariaRellena(const unsigned char* fila) { return fila != nullptr && fila[0] >= '1' && fila[0] <= '9'; }

CFilasORD005A::CFilasORD005A(unsigned char* guardadas, int filas, int mostradas)
    : CFilasApartadoF(guardadas, filas, mostradas, FormatoActividadesModulos(), kFilasActividades) {}
CFilasORD005A::CFilasORD005A(DatosRenta& d)
    : CFilasORD005A(d.ApartadoD4.octetos, kFilasActividades, kMostradasActividades) {}

void CFilasORD005A::BorrarModulos(int i, bool soloPersonal) {
  unsigned char* fila = FilaTrabajo(i);
  if (fila == nullptr) return;
  for (std::size_t j = 0; j < kNumeroModulos; ++j) {
    unsigned char* modulo = fila + kModulos + kPasoModulo * j;
    const bool personal = modulo[0] == 1 || modulo[0] == 15 || modulo[0] == 16;
    if (soloPersonal && !personal) continue;
    // The quantity and the working data (40-151) and the result (168); the module's number, texts and unit
    // amounts stay, as the activity gives them.
    std::memset(modulo + 40, 0, 152 - 40);
    std::memset(modulo + 168, 0, sizeof(double));
  }
}

int CFilasORD005A::OrdenFila(int fila, int orden, int marca) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  switch (orden) {
    case kOrdenGuardar5: {
      if (EsCopiaFiltrada()) return 0;
      unsigned char* trabajo = FilaTrabajo(i);
      const unsigned char* guardada = FilaEnDatos(i);
      if (trabajo == nullptr || guardada == nullptr) return 0;
      const std::int32_t antes = Entero32(guardada, kIdActividad);
      if (antes != 0 && Entero32(trabajo, kIdActividad) != antes) {
        if (marco::CDlgMensaje().MostrarMensaje(kMensajeCambioActividad, marco::IconoPregunta) != marco::kBotonAceptar) {
          RevertirFila(i);
          return 1;
        }
        BorrarModulos(i, false);
        trabajo[Formato().despTitular] = 0;
      }
      GuardarFila(i);
      return 0;
    }
    case kOrdenSuprimir5:
      if (EsCopiaFiltrada() || CodigoModulosRelleno(FilaTrabajo(i))) return 0;
      EliminarFila(i);
      return 1;
    case kOrdenBorrarModulos5:
      BorrarModulos(i, marca == 2);
      return 0;
    case kOrdenRecargar5:
      RevertirFila(i);
      return 0;
    default:
      return CFilasApartadoF::OrdenFila(fila, orden, marca);
  }
}

CFilasORD006A::CFilasORD006A(unsigned char* guardadas, int filas, int mostradas)
    : CFilasApartadoF(guardadas, filas, mostradas, FormatoActividadesAgrarias(), kFilasActividades) {}
CFilasORD006A::CFilasORD006A(DatosRenta& d)
    : CFilasORD006A(d.ApartadoD5.octetos + kDespORD006, kFilasActividades, kMostradasActividades) {}

int CFilasORD006A::OrdenFila(int fila, int orden, int marca) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  switch (orden) {
    case kOrdenGuardar6:
      if (!EsCopiaFiltrada()) GuardarFila(i);
      return 0;
    case kOrdenSuprimir6:
      if (EsCopiaFiltrada() || ClaveAgrariaRellena(FilaTrabajo(i))) return 0;
      EliminarFila(i);
      return 1;
    case kOrdenRecargar6:
      RevertirFila(i);
      return 0;
    case kOrdenBorrarImportes6:
      // Everything after the activity information (56 on) goes.
      if (unsigned char* f = FilaTrabajo(i)) std::memset(f + 56, 0, kAnchoORD006 - 56);
      return 0;
    default:
      return CFilasApartadoF::OrdenFila(fila, orden, marca);
  }
}

bool HayTablaTiposElemento(const marco::CBaseDatos* base, char letra) {
  if (base == nullptr) return false;
  std::string nombre(kTablaTipoElemento);
  if (letra != '\0') nombre[7] = letra;
  return base->ExisteTabla(nombre);
}

}  // namespace renta
