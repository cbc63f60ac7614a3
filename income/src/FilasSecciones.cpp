#include "income/FilasSecciones.h"

#include <cstring>

#include "framework/DlgMensaje.h"
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

int CFilasApartadoF::OrdenFila(int fila, int orden, int /*marca*/) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  switch (orden) {
    case 5:
      GuardarFila(i);
      break;
    case 6:
      SuprimirFila(i);
      break;
    case 7:
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

void CFilasORD009B::SuprimirFila(int i) {
  unsigned char* fila = FilaTrabajo(i);
  if (fila == nullptr) return;
  constexpr std::size_t kAnchoTexto = 20;
  if (marco::EsCadenaEnBlanco(plataforma::LeeFija(reinterpret_cast<const char*>(fila), kAnchoTexto))) {
    EliminarFila(i);
    return;
  }
  std::memset(fila + kAnchoTexto, 0, Formato().ancho - kAnchoTexto);
  GuardarFila(i);
  ReconstruirIndice();
}

CFilasORD009A::CFilasORD009A(DatosRenta& d)
    : CFilasORD009A(d.ApartadoF2.octetos + kDespORD009A, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009B::CFilasORD009B(DatosRenta& d)
    : CFilasORD009B(d.ApartadoF3.octetos + kDespORD009B, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009C::CFilasORD009C(DatosRenta& d)
    : CFilasORD009C(d.ApartadoF3.octetos + kDespORD009C, kFilasGrupoF, kMostradasGrupoF) {}
CFilasORD009D::CFilasORD009D(DatosRenta& d)
    : CFilasORD009D(d.ApartadoF3.octetos + kDespORD009D, kFilasGrupoF, kMostradasGrupoF) {}

}  // namespace renta
