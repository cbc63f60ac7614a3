#include "income/DatosFamiliaReglas.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace renta {

namespace {

std::string gAutocarga;

const char* Texto(const RegDatosFamilia& familia, std::size_t desp) {
  return reinterpret_cast<const char*>(familia.octetos + desp);
}
char* Texto(RegDatosFamilia& familia, std::size_t desp) { return reinterpret_cast<char*>(familia.octetos + desp); }

bool Vacio(const RegDatosFamilia& familia, std::size_t desp, std::size_t ancho) {
  return marco::EsCadenaEnBlanco(std::string_view(Texto(familia, desp), ancho), static_cast<int>(ancho));
}

bool CodigoVacio(const RegDatosFamilia& familia, int miembro) {
  return Vacio(familia, DespCodigoComunidad(miembro), kAnchoCodigoComunidad);
}

double Suma(const RegDatosFamilia& familia, std::initializer_list<std::size_t> desps) {
  double suma = 0.0;
  for (std::size_t d : desps) suma += LeerDoble(familia, d);
  return suma;
}

void Borrar(RegDatosFamilia& familia, std::size_t desp, std::size_t ancho) {
  std::memset(familia.octetos + desp, 0, ancho);
}

template <class TBloque>
double LeerDobleEn(const TBloque& bloque, std::size_t desp) {
  double valor = 0.0;
  std::memcpy(&valor, bloque.octetos + desp, sizeof valor);
  return valor;
}
template <class TBloque>
void PonerDobleEn(TBloque& bloque, std::size_t desp, double valor) {
  std::memcpy(bloque.octetos + desp, &valor, sizeof valor);
}

}  // namespace

double LeerDoble(const RegDatosFamilia& familia, std::size_t desp) { return LeerDobleEn(familia, desp); }
void PonerDoble(RegDatosFamilia& familia, std::size_t desp, double valor) { PonerDobleEn(familia, desp, valor); }

std::string CodigoComunidad(const RegDatosFamilia& familia, int miembro) {
  return std::string(Texto(familia, DespCodigoComunidad(miembro)), kAnchoCodigoComunidad);
}

void PonerComunidad(RegDatosFamilia& familia, int miembro, std::string_view codigo, std::string_view nombre) {
  if (marco::EsCadenaEnBlanco(codigo)) {
    Borrar(familia, DespCodigoComunidad(miembro), kPasoComunidad);
    return;
  }
  plataforma::CopiaFija(Texto(familia, DespCodigoComunidad(miembro)), kAnchoCodigoComunidad, codigo);
  plataforma::CopiaFija(Texto(familia, DespNombreComunidad(miembro)), kAnchoNombreComunidad, nombre);
}

int AnioNacimiento(const RegDatosFamilia& familia, std::size_t desp) {
  return marco::NumeroDeCadena(std::string_view(Texto(familia, desp), kAnchoAnio), static_cast<int>(kAnchoAnio));
}

const std::vector<SGrupoContadores>& GruposContadores() {
  static const std::vector<SGrupoContadores> grupos{
      {"Descendientes",
       {"Comunes", "Del declarante", "Del c\xF3nyuge"},
       {{"Hijos de la unidad familiar menores de 3 a\xF1os", {0, 6, 13}},
        {"Hijos de la unidad familiar de 3 a 16 a\xF1os", {1, 7, 14}},
        {"Hijos de la unidad familiar mayores de 16 a\xF1os", {2, 8, 15}},
        {"Otros descendientes menores de 3 a\xF1os", {3, 9, 16}},
        {"Otros descendientes de 3 a 16 a\xF1os", {4, 10, 17}},
        {"Otros descendientes mayores de 16 a\xF1os", {5, 11, 18}},
        {"Descendientes con minusval\xED" "a del 33 % al 65 %", {12, -1, -1}},
        {"Descendientes con minusval\xED" "a del 65 % o superior", {19, -1, -1}}}},
      {"Ascendientes",
       {"Comunes", "Del declarante", "Del c\xF3nyuge"},
       {{"Ascendientes mayores de 75 a\xF1os", {20, 21, 22}},
        {"Ascendientes de 65 a 75 a\xF1os", {23, 24, 25}}}},
      {"Perceptores de rentas exentas",
       {"Declarante", "C\xF3nyuge", ""},
       {{"Pensiones por incapacidad permanente absoluta o gran invalidez", {26, 27, -1}},
        {"Prestaciones por actos de terrorismo", {28, 29, -1}},
        {"Pensiones derivadas de la guerra civil", {30, 31, -1}},
        {"Becas p\xFA" "blicas para cursar estudios", {32, 33, -1}},
        {"Anualidades por alimentos percibidas de los padres", {34, 35, -1}},
        {"Premios literarios, art\xEDsticos o cient\xED" "ficos exentos", {36, 37, -1}}}},
  };
  return grupos;
}

std::string TextoContador(std::size_t i) {
  for (const SGrupoContadores& grupo : GruposContadores()) {
    for (const SFilaContadores& fila : grupo.filas) {
      const int columnas = static_cast<int>(std::count_if(fila.contadores.begin(), fila.contadores.end(),
                                                          [](int c) { return c >= 0; }));
      for (std::size_t c = 0; c < fila.contadores.size(); ++c) {
        if (fila.contadores[c] != static_cast<int>(i)) continue;
        std::string texto(fila.texto);
        if (columnas > 1) texto += " (" + std::string(grupo.columnas[c]) + ")";
        return texto;
      }
    }
  }
  return {};
}

std::vector<SFalloDatosFamilia> RevisarDatosFamilia(const RegDatosFamilia& f) {
  std::vector<SFalloDatosFamilia> fallos;
  auto error = [&](std::string_view codigo, std::size_t campo) { fallos.push_back({codigo, true, campo}); };
  auto aviso = [&](std::string_view codigo, std::size_t campo) { fallos.push_back({codigo, false, campo}); };
  // A sum of counts that is too big points at its first count that holds something.
  auto primero = [&](std::initializer_list<std::size_t> desps) {
    for (std::size_t d : desps) {
      if (LeerDoble(f, d) != 0.0) return d;
    }
    return *desps.begin();
  };
  const bool conjunta = TipoUnidadFamiliar(f) == 1;
  const bool hijos = f.octetos[kDespHijos] == 1;
  const std::size_t codigoDeclarante = DespCodigoComunidad(kMiembroDeclarante);
  const std::size_t codigoConjunta = DespCodigoComunidad(kMiembroConjunta);

  // The communities of the members and of the joint declaration.
  if (!conjunta && CodigoVacio(f, kMiembroDeclarante)) error("100R129", codigoDeclarante);
  if (conjunta && CodigoVacio(f, kMiembroDeclarante) && CodigoVacio(f, kMiembroConyuge)) {
    error("100R129", codigoDeclarante);
  }
  if (conjunta && CodigoVacio(f, kMiembroConjunta)) error("100R129", codigoConjunta);
  if (hijos && CodigoVacio(f, kMiembroHijo1)) error("100R129", DespCodigoComunidad(kMiembroHijo1));
  if (conjunta || hijos) {
    const std::string comun = CodigoComunidad(f, kMiembroConjunta);
    auto distinto = [&](int miembro) { return CodigoVacio(f, miembro) || CodigoComunidad(f, miembro) != comun; };
    if (CodigoComunidad(f, kMiembroDeclarante) != comun && distinto(kMiembroConyuge) && distinto(kMiembroHijo1) &&
        distinto(kMiembroHijo2)) {
      error("100R131", codigoConjunta);
    }
  }

  // The counts of the family unit. The first group is the 18 counts from 208 to 352 but the one at 304, which
  // goes with the one at 360.
  double primerGrupo = 0.0;
  std::size_t primeroDelGrupo = 0;
  for (std::size_t d = 208; d <= 352; d += 8) {
    if (d == 304) continue;
    primerGrupo += LeerDoble(f, d);
    if (primeroDelGrupo == 0 && LeerDoble(f, d) != 0.0) primeroDelGrupo = d;
  }
  if (primerGrupo > 6.0) aviso("100V120", primeroDelGrupo);
  const auto suma = [&](std::string_view codigo, bool esError, double limite, std::initializer_list<std::size_t> d) {
    if (Suma(f, d) > limite) fallos.push_back({codigo, esError, primero(d)});
  };
  suma("100V133", false, 6.0, {368, 376, 384, 392, 400, 408});
  suma("100V121", false, 2.0, {304, 360});
  suma("100R132", true, 2.0, {208, 216, 224, 256, 264, 272});
  suma("100R133", true, 2.0, {208, 216, 224, 312, 320, 328});
  suma("100R134", true, 2.0, {368, 376, 384});
  suma("100V122", false, 3.0, {416, 424, 432, 440});
  suma("100V122", false, 3.0, {416, 424, 448, 456});
  suma("100V134", false, 3.0, {464, 472});
  suma("100V135", false, 2.0, {480, 488});
  suma("100V135", false, 2.0, {496, 504});

  // The years of birth.
  if (AnioNacimiento(f, kDespAnioDeclarante) == 0) error("100R140", kDespAnioDeclarante);
  if (conjunta && AnioNacimiento(f, kDespAnioConyuge) == 0) error("100R141", kDespAnioConyuge);
  return fallos;
}

void LimpiarNoAplicables(RegDatosFamilia& f) {
  if (f.octetos[kDespEstadoCivil] != kEstadoViudoDivorciado) f.octetos[kDespConyugeFallecido] = 0;
  const bool conjunta = TipoUnidadFamiliar(f) == 1;
  const bool hijos = f.octetos[kDespHijos] == 1;
  if (!conjunta) {
    Borrar(f, kDespAnioConyuge, kAnchoAnio);
    PonerDoble(f, DespMinusvalia(kMiembroConyuge), 0.0);
    Borrar(f, DespCodigoComunidad(kMiembroConyuge), kPasoComunidad);
  }
  if (!conjunta && !hijos) Borrar(f, DespCodigoComunidad(kMiembroConjunta), kPasoComunidad);
  if (!hijos) {
    for (int miembro : {kMiembroHijo1, kMiembroHijo2}) {
      PonerDoble(f, DespMinusvalia(miembro), 0.0);
      Borrar(f, DespCodigoComunidad(miembro), kPasoComunidad);
    }
  }
}

void AplicarAutocarga(RegDatosFamilia& f) {
  if (AnioNacimiento(f, kDespAnioDeclarante) == 0) plataforma::CopiaFija(Texto(f, kDespAnioDeclarante), kAnchoAnio, "1971");
  if (CodigoVacio(f, kMiembroDeclarante)) PonerComunidad(f, kMiembroDeclarante, "12", "MADRID");
}

AniosHijos LeerAniosHijos(const RegIdentificacion& identificacion) {
  AniosHijos anios{};
  for (std::size_t h = 0; h < anios.size(); ++h) {
    const std::size_t k = static_cast<std::size_t>(marco::kSujetoHijo1 - 1) + h;
    std::memcpy(anios[h].data(), identificacion.octetos + kDespAnioNacimientoSujeto + kAnchoAnio * k, kAnchoAnio);
  }
  return anios;
}

void CopiarDatosPersonales(const RegDatosFamilia& f, const AniosHijos& hijos, RegIdentificacion& identificacion) {
  unsigned char* id = identificacion.octetos;
  auto anio = [&](const char* desde, int sujeto) {
    std::memcpy(id + kDespAnioNacimientoSujeto + kAnchoAnio * static_cast<std::size_t>(sujeto - 1), desde, kAnchoAnio);
  };
  anio(reinterpret_cast<const char*>(f.octetos + kDespAnioDeclarante), marco::kSujetoDeclarante);
  anio(reinterpret_cast<const char*>(f.octetos + kDespAnioConyuge), marco::kSujetoConyuge);
  const bool conHijos = f.octetos[kDespHijos] == 1;
  if (conHijos) {
    anio(hijos[0].data(), marco::kSujetoHijo1);
    anio(hijos[1].data(), marco::kSujetoHijo2);
  }

  // The marital status: the four marks of page 1 (single, widowed, married, divorced or separated).
  constexpr std::size_t kEstados[4] = {kDespEstadoCivil1, kDespEstadoCivil2, kDespEstadoCivil3, kDespEstadoCivil4};
  constexpr int kSoltero = 0;
  constexpr int kViudo = 1;
  constexpr int kCasado = 2;
  constexpr int kDivorciado = 3;
  auto marcar = [&](int sujeto, int marca) {
    const std::size_t k = static_cast<std::size_t>(sujeto - 1);
    for (int e = 0; e < 4; ++e) id[kEstados[e] + k] = e == marca ? 1 : 0;
  };
  auto estadoDe = [&](int sujeto) {
    const std::size_t k = static_cast<std::size_t>(sujeto - 1);
    switch (f.octetos[kDespEstadoCivil]) {
      case kEstadoCasado: return kCasado;
      case kEstadoViudoDivorciado:
        return id[kEstados[kDivorciado] + k] != 0 && id[kEstados[kViudo] + k] == 0 ? kDivorciado : kViudo;
      case kEstadoSeparado: return kDivorciado;
      default: return kSoltero;
    }
  };
  for (int sujeto : {marco::kSujetoUnidadFamiliar, marco::kSujetoDeclarante}) marcar(sujeto, estadoDe(sujeto));
  const SSujetos sujetos = DerivarSujetos(f);
  // The spouse section of page 1: the declarant's (and the family unit's) spouse, and the spouse's spouse; without
  // a spouse the wizard has no year (it cleared it), and neither has the page.
  const bool conConyuge = sujetos.presentes[marco::kSujetoConyuge - 1] != 0;
  auto anioConyuge = [&](int sujeto, std::size_t desde) {
    unsigned char* destino = id + kDespAnioDelConyuge + kAnchoAnio * static_cast<std::size_t>(sujeto - 1);
    if (conConyuge) {
      std::memcpy(destino, f.octetos + desde, kAnchoAnio);
    } else {
      std::memset(destino, 0, kAnchoAnio);
    }
  };
  anioConyuge(marco::kSujetoUnidadFamiliar, kDespAnioConyuge);
  anioConyuge(marco::kSujetoDeclarante, kDespAnioConyuge);
  if (conConyuge) {
    marcar(marco::kSujetoConyuge, kCasado);
    anioConyuge(marco::kSujetoConyuge, kDespAnioDeclarante);
  }
  if (conHijos) {
    marcar(marco::kSujetoHijo1, kSoltero);
    marcar(marco::kSujetoHijo2, kSoltero);
  }

  // The taxation marks (individual, joint) of every member present.
  const bool conjunta = sujetos.presentes[marco::kSujetoUnidadFamiliar - 1] != 0;
  for (int sujeto = marco::kSujetoUnidadFamiliar; sujeto <= marco::kSujetoHijo2; ++sujeto) {
    const std::size_t k = static_cast<std::size_t>(sujeto - 1);
    if (sujetos.presentes[k] == 0) continue;
    id[kDespTributacion1 + k] = conjunta ? 0 : 1;
    id[kDespTributacion2 + k] = conjunta ? 1 : 0;
  }
}

bool AjustarPlanesPensiones(RegRendTrabajo& trabajo, RegApartadoJ& j, int sujeto, double tope,
                            const std::function<bool()>& seguir) {
  const auto codigo = static_cast<unsigned char>(sujeto);

  // 1. The contributions of the work-income rows.
  double suma = 0.0;
  for (std::size_t fila = 0; fila < kFilasPlanes; ++fila) {
    const std::size_t base = kDespFilasPlanes + kPasoFilaPlanes * fila;
    if (trabajo.octetos[base] == codigo) suma += LeerDobleEn(trabajo, base + kDespImporteFilaPlanes);
  }
  if (suma > tope) {
    if (!seguir()) return false;
    bool primera = true;
    for (std::size_t fila = 0; fila < kFilasPlanes; ++fila) {
      const std::size_t base = kDespFilasPlanes + kPasoFilaPlanes * fila;
      if (trabajo.octetos[base] != codigo) continue;
      PonerDobleEn(trabajo, base + kDespImporteFilaPlanes, primera ? tope : 0.0);
      primera = false;
    }
  }

  // 2. The entries of section J.
  std::vector<std::size_t> entradas;
  for (std::size_t e = 0; e < kEntradasJ; ++e) {
    if (j.octetos[kPasoEntradaJ * e] == codigo) entradas.push_back(kPasoEntradaJ * e);
  }
  double total = 0.0;
  for (std::size_t base : entradas) {
    if (LeerDobleEn(j, base + kDespImporteJ1) > tope) PonerDobleEn(j, base + kDespImporteJ1, tope);
    total += LeerDobleEn(j, base + kDespImporteJ1) + LeerDobleEn(j, base + kDespImporteJ2);
  }
  if (total > tope) {
    if (!seguir()) return false;
    double libre = tope;
    for (std::size_t base : entradas) libre -= LeerDobleEn(j, base + kDespImporteJ1);
    for (std::size_t base : entradas) {
      const double cabe = std::max(libre, 0.0);
      const double importe = std::min(LeerDobleEn(j, base + kDespImporteJ2), cabe);
      PonerDobleEn(j, base + kDespImporteJ2, importe);
      libre -= importe;
    }
    // The amounts at 24 alone may still be above the cap (two entries of the person): the later ones give way.
    double restante = tope;
    for (std::size_t base : entradas) {
      const double importe = std::min(LeerDobleEn(j, base + kDespImporteJ1), std::max(restante, 0.0));
      PonerDobleEn(j, base + kDespImporteJ1, importe);
      restante -= importe + LeerDobleEn(j, base + kDespImporteJ2);
    }
  }
  return true;
}

const std::string& ValorAutocarga() { return gAutocarga; }
void PonerValorAutocarga(std::string_view valor) { gAutocarga = std::string(valor); }

}  // namespace renta
