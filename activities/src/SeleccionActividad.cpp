#include "activities/SeleccionActividad.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace actividades {

namespace {

template <typename T>
T Leer(const unsigned char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <typename T>
void Escribir(unsigned char* p, T v) {
  std::memcpy(p, &v, sizeof v);
}

// A text into a fixed field: at most `ancho` bytes, the rest zero.
void EscribirTexto(unsigned char* p, std::size_t ancho, const char* texto) {
  const std::size_t largo = std::min(std::strlen(texto), ancho);
  std::memset(p, 0, ancho);
  std::memcpy(p, texto, largo);
}

// The unit text of the activities whose module of units takes it from the activity itself.
const char* UnidadActividad(std::int32_t idIae) {
  switch (idIae) {
    case 85: return "POR TERCEROS";
    case 142: return "LIBRERIAS";
    case 143: return "QUIOSCOS";
    case 168: return "CALZADO";
    case 169: return "OTROS";
    default: return "";
  }
}

std::string CodigoDeFila(const unsigned char* fila) {
  std::string codigo(reinterpret_cast<const char*>(fila), 5);
  codigo.resize(std::strlen(codigo.c_str()));
  return codigo;
}

bool TieneLetraODigito(std::string_view codigo) {
  return std::any_of(codigo.begin(), codigo.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

int EscribirEpigrafeElegido(std::span<unsigned char, kLargoFilaModulos> fila, std::size_t longitud,
                            const CDatosMod& elegida, const CDatosMod& referencia) {
  using namespace FilaModulos;
  std::string codigo;
  elegida.DameEpigrafeIae(&codigo);
  codigo.resize(std::min<std::size_t>(codigo.size(), 5));
  std::int32_t id = 0;
  elegida.DameIdIae(&id);
  if (!TieneLetraODigito(codigo)) return kSeleccionBorrar;
  // The same choice again keeps the row as it is (units, answers and amounts already entered).
  if (id == Leer<std::int32_t>(fila.data() + IdIae) && codigo == CodigoDeFila(fila.data())) {
    return kSeleccionSinCambios;
  }

  unsigned char* p = fila.data();
  const std::size_t ancho = std::min<std::size_t>(longitud, 5);
  std::string conRelleno = codigo;
  conRelleno.resize(ancho, '\0');
  std::memcpy(p + Codigo, conRelleno.data(), ancho);
  Escribir(p + IdIae, id);
  EscribirTexto(p + Unidad, 12, UnidadActividad(id));

  std::memset(p + Modulos, 0, NumeroModulos * PasoModulo);
  double maximo = 0.0;
  elegida.DameMaxImporte(&maximo);
  Escribir(p + Maximo, maximo);
  // The row has seven slots: a set with more modules cannot be written past them.
  const int cuantos = std::min<int>(elegida.DameNumeroModulos(kTipoIrpf), static_cast<int>(NumeroModulos));
  for (int k = 0; k < cuantos; ++k) {
    unsigned char* slot = p + Modulos + static_cast<std::size_t>(k) * PasoModulo;
    const CModulo* m = elegida.DameModulo(kTipoIrpf, k);
    slot[ModuloId] = static_cast<unsigned char>(m->id_modulo & 0xFF);
    EscribirTexto(slot + ModuloCorta, 24, m->des_corta);
    EscribirTexto(slot + Modulo15, 15, m->des_a_15);
    Escribir(slot + ModuloImporte, m->importe);
  }

  double maximoReferencia = 0.0;
  referencia.DameMaxImporte(&maximoReferencia);
  Escribir(p + MaximoReferencia, maximoReferencia);
  const int cuantosReferencia =
      std::min<int>(referencia.DameNumeroModulos(kTipoIrpf), static_cast<int>(NumeroModulos));
  for (int k = 0; k < cuantosReferencia; ++k) {
    unsigned char* slot = p + Modulos + static_cast<std::size_t>(k) * PasoModulo;
    Escribir(slot + ModuloImporteReferencia, referencia.DameModulo(kTipoIrpf, k)->importe);
  }

  // The answers that depend on the activity start again.
  for (const std::size_t o : {32u, 36u, 64u, 68u}) Escribir<std::int32_t>(p + o, 0);
  for (const std::size_t o : {72u, 73u, 74u, 88u}) p[o] = 0xFF;
  return kSeleccionEscrita;
}

int EscribirSectorElegido(std::span<unsigned char, kLargoFilaAgraria> fila, const CDatosMod& elegida) {
  using namespace FilaAgraria;
  if (elegida.iae == nullptr) return kSeleccionBorrar;
  const char sector = elegida.iae->cod_sector[0];
  if (sector == '\0') return kSeleccionBorrar;
  unsigned char* p = fila.data();
  if (p[Clave] != 0 && p[Clave] != static_cast<unsigned char>(sector)) {
    std::memset(p, 0, fila.size());
    p[Clave] = static_cast<unsigned char>(sector);
    Escribir(p + IdIae, elegida.iae->id_iae);
    for (const std::size_t o : {33u, 34u, 35u, 48u}) p[o] = 0xFF;
  } else {
    p[Clave] = static_cast<unsigned char>(sector);
    Escribir(p + IdIae, elegida.iae->id_iae);
  }
  return kSeleccionEscrita;
}

int SeleccionarEpigrafe(std::span<unsigned char, kLargoFilaModulos> fila, std::size_t longitud,
                        marco::CBaseDatos* base, char letraIdioma, const FVentanaActividad& ventana) {
  if (!ventana) return kSeleccionSinCambios;
  const std::int32_t idInicial = Leer<std::int32_t>(fila.data() + FilaModulos::IdIae);
  CCargaModulos carga(base);
  carga.PonerTipoSeleccion(kTipoSeleccionEpigrafe);
  carga.PonerTablas(TablasIdioma(letraIdioma));
  carga.PonerEpigrafeInicial(CodigoDeFila(fila.data()));
  CDatosMod elegida;
  if (!ventana(carga, idInicial, elegida)) return kSeleccionSinCambios;

  std::string codigo;
  elegida.DameEpigrafeIae(&codigo);
  CDatosMod referencia;
  std::int32_t id = 0;
  if (elegida.DameIdIae(&id) != nullptr) {
    CCargaModulos segunda(base);
    segunda.PonerTipoSeleccion(kTipoSeleccionEpigrafe);
    segunda.PonerTablas(TablasReferencia(letraIdioma));
    segunda.CargarDatosModulos(id, codigo, referencia);
  }
  return EscribirEpigrafeElegido(fila, longitud, elegida, referencia);
}

int SeleccionarSector(std::span<unsigned char, kLargoFilaAgraria> fila, marco::CBaseDatos* base, char letraIdioma,
                      const FVentanaActividad& ventana) {
  if (!ventana) return kSeleccionSinCambios;
  const std::int32_t idInicial = Leer<std::int32_t>(fila.data() + FilaAgraria::IdIae);
  CCargaModulos carga(base);
  carga.PonerTipoSeleccion(kTipoSeleccionClave);
  carga.PonerTablas(TablasIdioma(letraIdioma));
  const char clave[2] = {static_cast<char>(fila[FilaAgraria::Clave]), '\0'};
  carga.PonerEpigrafeInicial(clave);
  CDatosMod elegida;
  if (!ventana(carga, idInicial, elegida)) return kSeleccionSinCambios;
  return EscribirSectorElegido(fila, elegida);
}

}  // namespace actividades
