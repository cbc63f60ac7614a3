#include "income/RentaValidacion.h"

#include "income/IdentificacionComun.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "framework/BaseDatos.h"
#include "income/IdentificacionComun.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"
#include "ValidacionCampos.h"

namespace renta {

namespace {

using namespace validacion;

// ---- places inside RegIdentificacion; a per-person field of stride S for person p lies at base + S * p ----
constexpr std::size_t kDespDato1 = 0x1c4;  // 21 characters, one for the declaration
constexpr std::size_t kDespDato2 = 0x1d9;
constexpr std::size_t kAnchoDato = 21;
constexpr std::size_t kBaseNif = 0x1f6;  // 9 per person
constexpr std::size_t kBaseNombre = 0x21d;  // the three name fields, 15 per person
constexpr std::size_t kBaseApellido1 = 0x268;
constexpr std::size_t kBaseApellido2 = 0x2b3;
constexpr std::size_t kBaseDomicilio[4] = {0x302, 0x3c1, 0x40e, 0x457};
constexpr std::size_t kAnchoDomicilio[4] = {26, 15, 13, 5};
constexpr std::size_t kBaseDatoPersonal = 0x4af;  // one character tested, 9 per person
constexpr std::size_t kBaseNifConyuge = 0x4e6;  // 9 per person
constexpr std::size_t kBaseNombreConyuge = 0x50d;  // two fields, 15 per person
constexpr std::size_t kBaseApellidoConyuge = 0x558;
constexpr std::size_t kBaseAsignacion1 = 0x9a9;  // one byte per person each
constexpr std::size_t kBaseAsignacion2 = 0x9ae;
// The boxes of the delegation and the administration codes on page 1 (from 0, in the page's box order).
constexpr int kCasillaDelegacion = 2;
constexpr int kCasillaAdministracion = 3;

// The children's own places: marker in RegDatosFamilia, two marks and one datum in RegIdentificacion.
struct SPlazasHijo {
  std::size_t marcaFamilia;
  std::size_t marca1;
  std::size_t marca2;
  std::size_t dato;
};
constexpr SPlazasHijo kHijo1{0x90, 0x1ee, 0x1f8, 0x481};
constexpr SPlazasHijo kHijo2{0xb0, 0x1ef, 0x1f9, 0x485};

// ---- work income: six rows of 104 bytes; the holder's age in RegDatosFamilia ----
constexpr std::size_t kDespFilasTrabajo = 0x28;
constexpr std::size_t kFilasTrabajo = 6;
constexpr std::size_t kAnchoFilaTrabajo = 104;
constexpr std::size_t kFilaTrabajoImporte = 0x38;
constexpr std::size_t kDespEdades = 0x10;  // doubles for the person codes 2 to 5
constexpr double kEdadMinima = 65.0;

// The rows of one list that qualify, compacted into `destino` (zeroed first).
template <typename Tabla, typename Criterio>
void Compactar(const unsigned char* origen, std::size_t filas, std::size_t ancho, Tabla& destino, Criterio criterio) {
  destino.fill(0);
  std::size_t siguiente = 0;
  for (std::size_t f = 0; f < filas; ++f) {
    const unsigned char* fila = origen + f * ancho;
    if (!criterio(fila)) continue;
    std::memcpy(destino.data() + siguiente * ancho, fila, ancho);
    ++siguiente;
  }
}

class CReglas {
 public:
  CReglas(const DatosRenta& datos, const SContextoValidacion& contexto, std::vector<SDatoHallazgo>* datosHallazgos)
      : m_id(datos.Identificacion.octetos),
        m_familia(datos.DatosFamilia.octetos),
        m_datos(datos),
        m_ctx(contexto),
        m_p(static_cast<std::size_t>(contexto.sujeto)),
        m_datosHallazgos(datosHallazgos) {}

  std::vector<marco::SHallazgo> Ejecutar() {
    if (m_ctx.sujeto < 1 || m_ctx.sujeto > kNumeroSujetos) return {};
    Identificacion();
    if (m_ctx.sujeto == marco::kSujetoHijo1) Hijo(kHijo1);
    if (m_ctx.sujeto == marco::kSujetoHijo2) Hijo(kHijo2);
    RendimientosTrabajo();
    ListasFamiliares();
    ReglasRestoDeclaracion(m_datos, m_ctx, m_hallazgos, m_datosHallazgos);
    return std::move(m_hallazgos);
  }

 private:
  void Anadir(const char* codigo, int vista, int numcontr, int severidad) {
    m_hallazgos.push_back({codigo, vista, numcontr, severidad});
    if (m_datosHallazgos != nullptr) m_datosHallazgos->push_back({});
  }

  void Identificacion() {
    if (Vacio(m_id, kDespDato1, kAnchoDato)) Anadir("WIN001", 1, 0, 1);
    if (Vacio(m_id, kDespDato2, kAnchoDato)) Anadir("WIN002", 1, 1, 1);
    const std::string delegacion(Campo(m_id, kDespCodigoDelegacion, 2));
    CodigoDeLista(marco::EListaIncompleta::Delegaciones, delegacion, delegacion, kCasillaDelegacion);
    const std::string administracion(Campo(m_id, kDespCodigoAdministracion, 3));
    CodigoDeLista(marco::EListaIncompleta::Administraciones, administracion, delegacion + administracion,
                  kCasillaAdministracion);
    const std::size_t nif = kBaseNif + kAnchoNif * m_p;
    if (Vacio(m_id, nif, kAnchoNif)) Anadir("104R002", 1, 4, 1);
    const std::size_t nombre = kBaseNombre + kAnchoNombre * m_p;
    const std::size_t apellido = kBaseApellido1 + kAnchoNombre * m_p;
    if (Vacio(m_id, nombre, kAnchoNombre) || Vacio(m_id, apellido, kAnchoNombre)) {
      Anadir("104R004", 1, 5, 1);
    } else {
      const RegIdentificacion& id = m_datos.Identificacion;
      const std::string compuesto = marco::QuitarAcentos(NombreCompuesto(id, m_ctx.sujeto));
      if (marco::CValidador::ValidarIdentificacion(Campo(m_id, nif, kAnchoNif), compuesto) == 0) {
        Anadir("NOME01", 1, 5, 1);
      }
    }
    if (TipoUnidadFamiliar(m_datos.DatosFamilia) == 1 && m_ctx.sujeto < marco::kSujetoHijo1) {
      if (Vacio(m_id, kBaseNifConyuge + kAnchoNif * m_p, kAnchoNif)) Anadir("104R003", 1, 24, 1);
      if (Vacio(m_id, kBaseNombreConyuge + kAnchoNombre * m_p, kAnchoNombre) ||
          Vacio(m_id, kBaseApellidoConyuge + kAnchoNombre * m_p, kAnchoNombre)) {
        Anadir("104R005", 1, 25, 1);
      }
    }
    if (Blanco(m_id, kBaseDatoPersonal + 9 * m_p)) Anadir("100V139", 1, 23, 0);
    bool sinDomicilio = true;
    for (std::size_t i = 0; i < 4; ++i) {
      sinDomicilio = sinDomicilio && Vacio(m_id, kBaseDomicilio[i] + kAnchoDomicilio[i] * m_p, kAnchoDomicilio[i]);
    }
    if (sinDomicilio) Anadir("104V001", 1, 8, 0);
    if (m_id[kBaseAsignacion1 + m_p] == 0 && m_id[kBaseAsignacion2 + m_p] == 0) Anadir("100R202", 1, 132, 0);
    // One marital status at most (boxes 18 to 21 of page 1): the finding leads to the first one ticked.
    constexpr std::size_t kEstadosCiviles[] = {kDespEstadoCivil1, kDespEstadoCivil2, kDespEstadoCivil3,
                                               kDespEstadoCivil4};
    int marcados = 0;
    int primero = -1;
    for (int e = 0; e < 4; ++e) {
      if (Blanco(m_id, kEstadosCiviles[e] + m_p - 1)) continue;
      ++marcados;
      if (primero < 0) primero = e;
    }
    if (marcados > 1) Anadir(kHallazgoEstadosCiviles, 1, kCasillaEstadoCivil - 1 + primero, 1);
  }

  // A code of a list the program cannot ship whole: an error when it is not of the list's form, a warning when the
  // program's list lacks it (the code is kept, and the declaration still prints and files).
  void CodigoDeLista(marco::EListaIncompleta lista, const std::string& codigo, const std::string& clave,
                     int numcontr) {
    if (marco::EsCadenaEnBlanco(codigo)) return;
    if (!marco::TieneFormaDeLista(lista, codigo)) {
      Anadir(std::string(marco::MensajeFormaLista(lista)).c_str(), 1, numcontr, 1);
    } else if (m_ctx.enLista && !m_ctx.enLista(lista, clave)) {
      Anadir(std::string(marco::AvisoFueraDeLista(lista)).c_str(), 1, numcontr, 0);
    }
  }

  // The child's own data, unless the family data mark the child (then the child's page is not its own).
  void Hijo(const SPlazasHijo& hijo) {
    if (!Blanco(m_familia, hijo.marcaFamilia)) return;
    if (Blanco(m_id, hijo.marca1) && Blanco(m_id, hijo.marca2)) Anadir("100R204", 1, 17, 1);
    if (Blanco(m_id, hijo.dato)) Anadir("100R140", 1, 21, 1);
  }

  void RendimientosTrabajo() {
    const unsigned char* trabajo = m_datos.RendTrabajo.octetos;
    for (std::size_t f = 0; f < kFilasTrabajo; ++f) {
      const unsigned char* fila = trabajo + kDespFilasTrabajo + f * kAnchoFilaTrabajo;
      const int titular = fila[0];
      if (Doble(fila, kFilaTrabajoImporte) == 0 || titular < marco::kSujetoDeclarante ||
          titular > marco::kSujetoHijo2) {
        continue;
      }
      const double edad = Doble(m_familia, kDespEdades + 8 * static_cast<std::size_t>(titular - 2));
      if (edad < kEdadMinima) Anadir("100R136", 2, 2, 1);
    }
  }

  void ListasFamiliares() {
    auto enBlanco = [](const unsigned char* fila, std::size_t desp, std::size_t ancho) {
      return Vacio(fila, desp, ancho);
    };
    if (m_ctx.descendientes != nullptr) {
      for (std::size_t f = 0; f < kFilasDescendientes; ++f) {
        const unsigned char* fila = m_ctx.descendientes->data() + f * kAnchoDescendiente;
        if (!enBlanco(fila, kFilaFamiliarAno, 4) && enBlanco(fila, kFilaFamiliarNif, 4) &&
            enBlanco(fila, kFilaFamiliarFecha, 6)) {
          Anadir("100R196", 1, 40, 1);
        }
      }
    }
    if (m_ctx.ascendientes != nullptr) {
      for (std::size_t f = 0; f < kFilasAscendientes; ++f) {
        const unsigned char* fila = m_ctx.ascendientes->data() + f * kAnchoAscendiente;
        if (!enBlanco(fila, kFilaFamiliarAno, 4) &&
            (enBlanco(fila, kFilaFamiliarNif, 4) || enBlanco(fila, kFilaFamiliarFecha, 6))) {
          Anadir("100R197", 1, 100, 1);
        }
      }
    }
  }

  const unsigned char* m_id;
  const unsigned char* m_familia;
  const DatosRenta& m_datos;
  const SContextoValidacion& m_ctx;
  std::size_t m_p;
  std::vector<marco::SHallazgo> m_hallazgos;
  std::vector<SDatoHallazgo>* m_datosHallazgos;
};

}  // namespace

void SeleccionarFilasFamiliares(const RegIdentificacion& identificacion, int sujeto, bool hayConyugeOHijo,
                                TablaDescendientes& descendientes, TablaAscendientes& ascendientes,
                                EUsoFilasFamiliares uso) {
  const unsigned char* id = identificacion.octetos;
  const bool todas = sujeto == marco::kSujetoUnidadFamiliar || (sujeto == marco::kSujetoDeclarante && !hayConyugeOHijo);
  const bool propias = sujeto == marco::kSujetoDeclarante || sujeto == marco::kSujetoConyuge;
  const std::size_t marca = kFilaFamiliarMarcas + static_cast<std::size_t>(std::max(sujeto, 1) - 1);

  Compactar(id + kDespDescendientes, kFilasDescendientes, kAnchoDescendiente, descendientes,
            [&](const unsigned char* fila) {
              if (todas) return true;
              if (!propias) return false;
              if (uso == EUsoFilasFamiliares::Validacion) return fila[marca] == '1';
              if (!marco::EsBlanco(static_cast<char>(fila[marca])) && fila[marca] != '1') return false;
              const int ano = marco::NumeroDeCadena(Campo(fila, kFilaFamiliarAno, 4), 4);
              const bool propio = fila[kFilaDescendienteSituacion] != '2' && ano < kAnoDescendienteMenor;
              const bool sinCasillas = fila[kFilaDescendienteCasillas] == 0 && fila[kFilaDescendienteCasillas + 1] == 0;
              return propio || sinCasillas;
            });
  Compactar(id + kDespAscendientes, kFilasAscendientes, kAnchoAscendiente, ascendientes,
            [&](const unsigned char* fila) { return todas || (propias && fila[marca] == '1'); });
}

std::string NombreCompuesto(const RegIdentificacion& identificacion, int sujeto) {
  if (sujeto < 1 || sujeto > kNumeroSujetos) return {};
  const std::size_t p = static_cast<std::size_t>(sujeto);
  auto parte = [&](std::size_t base) {
    return std::string(plataforma::RecortaDerecha(Campo(identificacion.octetos, base + kAnchoNombre * p, kAnchoNombre)));
  };
  std::string texto = parte(kBaseApellido1);
  const std::string apellido2 = parte(kBaseApellido2);
  if (!apellido2.empty()) texto += (texto.empty() ? "" : " ") + apellido2;
  const std::string nombre = parte(kBaseNombre);
  if (!nombre.empty()) texto += (texto.empty() ? "" : ", ") + nombre;
  return texto;
}

std::vector<marco::SHallazgo> ReglasDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                                                std::vector<SDatoHallazgo>* datosHallazgos) {
  return CReglas(datos, contexto, datosHallazgos).Ejecutar();
}

bool HayErrores(const std::vector<marco::SHallazgo>& hallazgos) {
  return std::any_of(hallazgos.begin(), hallazgos.end(), [](const marco::SHallazgo& h) { return h.severidad >= 1; });
}

// ---- the document's check ----

void CRentaDoc::SeleccionarFilasSujeto() {
  const bool hayConyugeOHijo = m_aSujetosPresentes[marco::kSujetoConyuge - 1] != 0 ||
                               m_aSujetosPresentes[marco::kSujetoHijo1 - 1] != 0;
  SeleccionarFilasFamiliares(m_datos.Identificacion, m_nSujetoActual, hayConyugeOHijo, m_aDescendientesSujeto,
                             m_aAscendientesSujeto, EUsoFilasFamiliares::Validacion);
}

int CRentaDoc::Validar(int argumento) {
  // The findings of an earlier run go first. Every rule still runs when that fails, but a run whose findings are
  // not all in the table is a failed run: the printing and the Internet file read that table, so a finding that
  // is missing from it must never let them go ahead (the table layer has told the user why).
  bool guardados = m_validador.BorrarHallazgos() != 0;
  SeleccionarFilasSujeto();
  SContextoValidacion contexto;
  contexto.sujeto = m_nSujetoActual;
  contexto.descendientes = &m_aDescendientesSujeto;
  contexto.ascendientes = &m_aAscendientesSujeto;
  contexto.presentacionInternet = argumento == kValidarPresentacionInternet;
  contexto.tipoDec = DameTipoDec();
  if (marco::CBaseDatos* local = marco::DameBaseDatosLocal()) {
    contexto.enLista = [local](marco::EListaIncompleta lista, std::string_view clave) {
      return marco::CodigoEnLista(local, lista, clave);
    };
  }
  std::vector<SDatoHallazgo> datos;
  const std::vector<marco::SHallazgo> hallazgos = ReglasDeclaracion(m_datos, contexto, &datos);
  m_nSujetoValidado = m_nSujetoActual;
  m_hallazgosSinCasilla.clear();
  for (std::size_t i = 0; i < hallazgos.size(); ++i) {
    const marco::SHallazgo& h = hallazgos[i];
    if (m_validador.AnadirHallazgo(h.codigo, h.vista, h.numcontr, h.severidad) == 0) guardados = false;
    if (i < datos.size() && datos[i].sustituto) m_hallazgosSinCasilla.push_back(h);
  }
  PonerHallazgosIncompletos(!guardados);
  return guardados && !HayErrores(hallazgos) ? 1 : 0;
}

std::string CRentaDoc::NotaHallazgo(const marco::SHallazgo& hallazgo) const {
  // A code may lead to its own box in one rule and to a stand-in in another: the place stored tells them apart.
  for (const marco::SHallazgo& h : m_hallazgosSinCasilla) {
    if (h.codigo == hallazgo.codigo && h.vista == hallazgo.vista && h.numcontr == hallazgo.numcontr) {
      return kNotaSinCasillaPropia;
    }
  }
  return {};
}

void CRentaDoc::IrAHallazgo(int vista, long numcontr) {
  // The findings are those of the person shown when they were written: that person is shown again first.
  const int sujeto = m_nSujetoValidado;
  if (sujeto != m_nSujetoActual && sujeto >= marco::kSujetoUnidadFamiliar && sujeto <= marco::kSujetoHijo2 &&
      m_aSujetosPresentes[static_cast<std::size_t>(sujeto - 1)] == 1) {
    SeleccionarSujeto(sujeto);
  }
  CProg32Doc::IrAHallazgo(vista, numcontr);
}

void CRentaDoc::ComprobarDeclaracion() {
  Validar(0);
  m_validador.ValidarCampo(4, &m_datos);
}

}  // namespace renta
