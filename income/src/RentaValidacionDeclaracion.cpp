// The whole-declaration check after the identification, the children, the work income and the family lists: the
// family unit's region against its members (step 6), then the rules of the rest of the declaration by area, in
// the order their findings are written (step 7). docs/VALIDACION.md gives each rule's condition and where it
// comes from. The places read are the pages' own bindings; a page number is the page's place in the D-100 list.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/CuentaBancaria.h"
#include "framework/DocumentoServicios.h"
#include "framework/DocumentosIdentidad.h"
#include "framework/Utilidades.h"
#include "income/FilasSecciones.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "ValidacionCampos.h"
#include "ximardol.h"

namespace renta {

namespace {

using namespace validacion;

// ---- pages of the D-100 list ----
constexpr int kPaginaIdentificacion = 1;
constexpr int kPaginaActividades1 = 3;
constexpr int kPaginaActividades2 = 4;
constexpr int kPaginaModulos = 5;
constexpr int kPaginaAgrarias = 6;
constexpr int kPaginaImputaciones = 7;
constexpr int kPaginaGanancias1 = 8;
constexpr int kPaginaGanancias2 = 9;
constexpr int kPaginaReducciones = 10;
constexpr int kPaginaResultados = 16;
constexpr int kPaginaIngresoDevolucion = 17;
// The payment page is the last of the D-101 list too, in eighth place.
constexpr int kPaginaIngresoDevolucionSimplificada = 8;

constexpr int kAviso = 0;
constexpr int kError = 1;

// ---- RegDatosFamilia ----
constexpr std::size_t kDespAnoDeclarante = 4;  // four characters each
constexpr std::size_t kDespAnoConyuge = 8;
constexpr std::size_t kDespGrados = 0x10;       // degree of disability, doubles for person codes 2 to 5
constexpr std::size_t kDespComunidades = 48;    // two characters per slot (family unit, then the members), 32 apart
constexpr std::size_t kAnchoPlazaComunidad = 32;

// ---- RegIdentificacion: the two marks of the final difference, one byte per person ----
constexpr std::size_t kDespMarcaDiferenciaA = 2484;
constexpr std::size_t kDespMarcaDiferenciaB = 2489;

// ---- RegRendTrabajo: six payer rows of 104 bytes (holder, key of the disabled worker) ----
constexpr std::size_t kDespFilasTrabajo = 40;
constexpr std::size_t kFilasTrabajo = 6;
constexpr std::size_t kAnchoFilaTrabajo = 104;
constexpr std::size_t kFilaTrabajoClave = 1;

// ---- RegBaseImponible, five-slot arrays ----
constexpr std::size_t kBaseSumaPartesGenerales = 1080;
constexpr std::size_t kBaseReducciones[] = {1120, 1160, 1352, 1392, 1432, 1472};
constexpr std::size_t kBaseGeneralLiquidable = 1312;
constexpr std::size_t kBaseEspecialLiquidable = 1736;

// ---- RegApartadoJ: pension plans ----
constexpr std::size_t kPlanesPrimeraClase = 0;  // two rows of 48: holder, contributions at 16, 24 and 32
constexpr std::size_t kAnchoPlanPrimeraClase = 48;
constexpr std::size_t kPlanesSegundaClase = 136;  // two rows of 72: holder, first group at 32 and 40, second at 48
constexpr std::size_t kAnchoPlanSegundaClase = 72;
constexpr std::size_t kExcesoPrimeraClaseDeclarante = 104;
constexpr std::size_t kExcesoPrimeraClaseConyuge = 112;
// The caps of the second kind per person, as section J of the calculation applies them.
constexpr double kTopePlanesGrupo1 = 2200000.0;
constexpr double kTopePlanesGrupo2 = 1100000.0;

// ---- RegApartadoF4: the one-row group of page 10 (holder, five amounts) ----
constexpr std::size_t kFilaReduccionF4 = 240;

// ---- RegResultados, five-slot arrays and per-person bytes ----
constexpr std::size_t kResCuotaLiquida1 = 680;
constexpr std::size_t kResCuotaLiquida2 = 720;
constexpr std::size_t kResDeducciones = 560;
constexpr std::size_t kResAdmitidosM4Bloque2 = 80;
constexpr std::size_t kResResultadoCuota = 5008;
constexpr std::size_t kResResultado = 6384;
constexpr std::size_t kResRestaDiferencia = 6424;
constexpr std::size_t kResMarcaA1 = 6688, kResMarcaA2 = 6693;
constexpr std::size_t kResMarcaB1 = 6698, kResMarcaB2 = 6703;
constexpr std::size_t kResMarcaC1 = 6848, kResMarcaC2 = 6853;
constexpr std::size_t kResMarcaD1 = 7000, kResMarcaD2 = 7005;
// The three bank accounts: bank (4), branch (4), check digits (2) and number (10), each per person.
struct SCuenta {
  std::size_t banco, sucursal, control, numero;
};
constexpr SCuenta kCuentaIngreso{6708, 6728, 6748, 6758};
constexpr SCuenta kCuentaSegundoPlazo{6858, 6878, 6898, 6908};
constexpr SCuenta kCuentaDevolucion{7010, 7030, 7050, 7060};
// Payments on account of page 16 and the box (from 0) that shows each.
struct SPagoCuenta {
  std::size_t desp;
  int casilla;
};
constexpr SPagoCuenta kPagosCuenta[] = {{5728, 31}, {5768, 32}, {5808, 33}, {5968, 34}, {6040, 35},
                                        {6112, 36}, {6152, 37}, {6232, 39}, {6272, 40}};
// The lists of entries of page 16 (holder byte, then amounts) and the box that shows each list.
struct SListaEntradas {
  std::size_t desp;
  std::size_t ancho;
  std::size_t entradas;
  std::size_t importes;  // doubles after the holder, from offset 8
  int casilla;
};
constexpr SListaEntradas kListasEntradas[] = {
    {5848, 24, 5, 2, 33}, {6008, 16, 2, 1, 34}, {6080, 16, 2, 1, 35}, {6312, 16, 2, 1, 40}};

// ---- section D, pages 3 and 4: six groups of two rows (FilasSecciones.h) ----
// Boxes (from 0) of each group's holder and key; the pair of amounts of groups 4 to 6 and the tax number.
constexpr int kCasillaTitularGrupoD[6] = {5, 29, 54, 80, 87, 93};
constexpr int kCasillaClaveGrupoD[3] = {6, 30, 55};
constexpr int kCasillaNifGrupoD[6] = {0, 0, 0, 78, 84, 91};
constexpr std::size_t kNifGrupoD[6] = {0, 0, 0, 6, 2, 7};
constexpr std::size_t kPorcentajeFilaD = 16, kRendimientoFilaD = 24, kComputadoFilaD = 32;
constexpr int kCasillaPorcentajeGrupoD[6] = {0, 0, 0, 81, 88, 94};  // rendimiento and computado follow

// ---- section D, page 5: four module records of 1,560 bytes ----
constexpr std::size_t kFilasModulos = 4;
constexpr std::size_t kAnchoFilaModulos = 1560;
constexpr std::size_t kModulosTitular = 24;
constexpr std::size_t kModulosEmpleados = 104;
constexpr std::size_t kModulosPrimeraPlaza = 120;
constexpr std::size_t kAnchoPlazaModulo = 176;
// ---- page 6: four agricultural records of 2,064 bytes after a 16-byte header ----
constexpr std::size_t kDespFilasAgrarias = 16;
constexpr std::size_t kAnchoFilaAgraria = 2064;
constexpr std::size_t kAgrariaTitular = 8;

// ---- section E2, page 7: three rows of 160 bytes from 24 ----
constexpr std::size_t kDespFilasE2 = 24;
constexpr std::size_t kAnchoFilaE2 = 160;

// ---- the rows of two amounts of pages 8 and 9: holder, amounts at 8 and 16 ----
struct SGrupoDosImportes {
  int pagina;
  int casilla;
  int bloque;  // 2: RegApartadoF2, 3: RegApartadoF3
  std::size_t desp;
  std::size_t ancho;
};
constexpr SGrupoDosImportes kGruposDosImportes[] = {
    {kPaginaGanancias1, 50, 2, 3072, 24}, {kPaginaGanancias1, 50, 2, 3328, 24}, {kPaginaGanancias2, 4, 2, 3584, 32},
    {kPaginaGanancias2, 80, 3, 5880, 24}, {kPaginaGanancias2, 90, 3, 6136, 24}};
constexpr std::size_t kFilasGrupoDosImportes = 9;

bool Distintos(double a, double b) { return std::fabs(a - b) > 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

class CReglasDeclaracion {
 public:
  CReglasDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                     std::vector<marco::SHallazgo>& hallazgos)
      : m_d(datos),
        m_ctx(contexto),
        m_p(contexto.sujeto),
        m_presentes(DerivarSujetos(datos.DatosFamilia).presentes),
        m_hallazgos(hallazgos) {}

  void Ejecutar() {
    RegionUnidadFamiliar();
    ClaveMinusvalidoTrabajo();
    CuotasResultados();
    for (int pagina : {kPaginaActividades1, kPaginaActividades2}) FilasActividad(pagina);
    AtribucionesPagina4();
    PagosCuentaPagina16();
    Reducciones();
    PlanesPensiones();
    Devolucion();
    Domiciliaciones();
    PersonalModulos();
    for (int pagina : {kPaginaActividades1, kPaginaActividades2}) ClavesYParejas(pagina);
    FormaIngresoDevolucion();
    if (m_ctx.presentacionInternet) Internet();
    FilasDosImportes();
  }

 private:
  // ---- helpers ----
  void Anadir(const char* codigo, int vista, int numcontr, int severidad) {
    m_hallazgos.push_back({codigo, vista, numcontr, severidad});
  }
  const unsigned char* Bloque(int n) const {
    switch (n) {
      case 2: return m_d.ApartadoF2.octetos;
      case 3: return m_d.ApartadoF3.octetos;
      default: return nullptr;
    }
  }
  bool EsUnidad() const { return m_p == marco::kSujetoUnidadFamiliar; }
  // A row of holder `titular` is the shown person's: the family unit sees every row.
  bool DelSujeto(int titular) const { return EsUnidad() || titular == m_p; }
  bool Miembro(int codigo) const {
    return codigo >= marco::kSujetoDeclarante && codigo <= marco::kSujetoHijo2 &&
           m_presentes[static_cast<std::size_t>(codigo - 1)] == 1;
  }
  // The person's element of a five-slot array of doubles.
  double Plazas(const unsigned char* bloque, std::size_t base) const { return Doble(bloque, Plaza(base, m_p)); }
  unsigned char Marca(const unsigned char* bloque, std::size_t base) const { return bloque[Plaza(base, m_p, 1)]; }
  bool CuentaIncorrecta(const SCuenta& c) const {
    const unsigned char* r = m_d.Resultados.octetos;
    std::string cuenta;
    cuenta += Campo(r, Plaza(c.banco, m_p, 4), 4);
    cuenta += Campo(r, Plaza(c.sucursal, m_p, 4), 4);
    cuenta += Campo(r, Plaza(c.control, m_p, 2), 2);
    cuenta += Campo(r, Plaza(c.numero, m_p, 10), 10);
    return marco::DigitosCuenta(cuenta) != marco::kCuentaCorrecta;
  }
  int PaginaIngreso() const {
    return m_ctx.tipoDec == 1 ? kPaginaIngresoDevolucionSimplificada : kPaginaIngresoDevolucion;
  }
  double Resultado() const { return Plazas(m_d.Resultados.octetos, kResResultado); }
  bool ConMarcaDiferencia() const {
    const unsigned char* id = m_d.Identificacion.octetos;
    return id[Plaza(kDespMarcaDiferenciaA, m_p, 1)] == 1 || id[Plaza(kDespMarcaDiferenciaB, m_p, 1)] == 1;
  }

  // ---- step 6: the region of a family unit whose members live in different regions ----
  void RegionUnidadFamiliar() {
    if (!EsUnidad()) return;
    const unsigned char* fam = m_d.DatosFamilia.octetos;
    const unsigned char* base = m_d.BaseImponible.octetos;
    auto comunidad = [&](std::size_t plaza) { return Campo(fam, kDespComunidades + kAnchoPlazaComunidad * plaza, 2); };
    if (marco::EsCadenaEnBlanco(comunidad(0))) return;
    bool distintas = false;
    int mayor = -1;
    double baseMayor = 0;
    for (int codigo = marco::kSujetoDeclarante; codigo <= marco::kSujetoHijo2; ++codigo) {
      const auto plaza = static_cast<std::size_t>(codigo - 1);
      if (!Miembro(codigo) || marco::EsCadenaEnBlanco(comunidad(plaza))) continue;
      if (comunidad(plaza) != comunidad(1)) distintas = true;
      const double liquidable = Doble(base, kBaseGeneralLiquidable + 8 * plaza) +
                                Doble(base, kBaseEspecialLiquidable + 8 * plaza);
      if (mayor < 0 || liquidable > baseMayor) {
        mayor = codigo;
        baseMayor = liquidable;
      }
    }
    if (!distintas || mayor < 0) return;
    if (comunidad(static_cast<std::size_t>(mayor - 1)) != comunidad(0)) Anadir("100R154", 0, 0, kError);
  }

  // ---- step 7 ----

  // The key of the disabled worker of each work-income row against the holder's degree of disability.
  void ClaveMinusvalidoTrabajo() {
    const unsigned char* trabajo = m_d.RendTrabajo.octetos;
    for (std::size_t f = 0; f < kFilasTrabajo; ++f) {
      const unsigned char* fila = trabajo + kDespFilasTrabajo + f * kAnchoFilaTrabajo;
      const int titular = fila[0];
      if (titular < marco::kSujetoDeclarante || titular > marco::kSujetoHijo2 || !DelSujeto(titular)) continue;
      const int clave = ClaveTrabajadorMinusvalido(fila[kFilaTrabajoClave]);
      if (clave == 0) continue;
      const double grado =
          Doble(m_d.DatosFamilia.octetos, kDespGrados + 8 * static_cast<std::size_t>(titular - marco::kSujetoDeclarante));
      if (clave != ClaveEsperadaMinusvalia(grado)) {
        Anadir("100V136", kPaginaIdentificacion, titular == marco::kSujetoConyuge ? 37 : 22, kAviso);
      }
    }
  }

  // The quotas of page 16 of the person shown.
  void CuotasResultados() {
    const unsigned char* r = m_d.Resultados.octetos;
    if (Plazas(r, kResCuotaLiquida1) < 0) Anadir("100V157", kPaginaResultados, 12, kAviso);
    if (Plazas(r, kResCuotaLiquida2) < 0) Anadir("100V158", kPaginaResultados, 13, kAviso);
    if (Plazas(r, kResResultadoCuota) < 0) Anadir("100V159", kPaginaResultados, 23, kAviso);
  }

  const unsigned char* BloqueActividad(int pagina) const {
    return pagina == kPaginaActividades1 ? m_d.ApartadoD1.octetos : m_d.ApartadoD2.octetos;
  }
  static const unsigned char* FilaD(const unsigned char* bloque, int grupo, int fila) {
    const auto g = static_cast<std::size_t>(grupo);
    return bloque + kDespGruposD[g] + kAnchoGruposD[g] * static_cast<std::size_t>(fila);
  }
  static bool FilaActividadConDatos(const unsigned char* fila) {
    if (fila[1] != 0) return true;
    for (std::size_t desp = 8; desp <= 176; desp += 8) {
      if (Doble(fila, desp) != 0) return true;
    }
    return false;
  }

  // The activity rows (groups 1 to 3) of pages 3 and 4: a holder that is not a member, a row without holder.
  void FilasActividad(int pagina) {
    if (!EsUnidad()) return;
    const unsigned char* bloque = BloqueActividad(pagina);
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const int titular = FilaD(bloque, g, f)[0];
        if (titular != 0 && !Miembro(titular)) Anadir("100R167", pagina, kCasillaTitularGrupoD[g], kAviso);
      }
    }
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (fila[0] == 0 && FilaActividadConDatos(fila)) Anadir("WIN045", pagina, kCasillaTitularGrupoD[g], kAviso);
      }
    }
  }

  // The rows of income attributed by entities (groups 4 to 6 of page 4).
  void AtribucionesPagina4() {
    const unsigned char* bloque = m_d.ApartadoD2.octetos;
    const int v = kPaginaActividades2;
    struct SFila {
      const unsigned char* p;
      int grupo;
      int titular;
      std::string_view nif;
      double porcentaje, rendimiento, computado;
    };
    std::vector<SFila> filas;
    for (int g = 3; g < 6; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* p = FilaD(bloque, g, f);
        if (!DelSujeto(p[0])) continue;
        filas.push_back({p, g, p[0], Campo(p, kNifGrupoD[g], kAnchoNif), Doble(p, kPorcentajeFilaD),
                         Doble(p, kRendimientoFilaD), Doble(p, kComputadoFilaD)});
      }
    }
    auto conImportes = [](const SFila& f) { return f.porcentaje != 0 || f.rendimiento != 0 || f.computado != 0; };
    auto nifVacio = [](const SFila& f) { return marco::EsCadenaEnBlanco(f.nif); };
    for (const SFila& f : filas) {
      if (f.titular == 0 && conImportes(f)) Anadir("100I005", v, kCasillaTitularGrupoD[f.grupo], kAviso);
    }
    for (const SFila& f : filas) {
      if (f.titular != 0 && !Miembro(f.titular)) Anadir("100I006", v, kCasillaTitularGrupoD[f.grupo], kAviso);
    }
    for (std::size_t i = 0; i < filas.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        const SFila& a = filas[i];
        const SFila& b = filas[j];
        if (a.grupo == b.grupo && a.titular != 0 && a.titular == b.titular && !nifVacio(a) &&
            plataforma::RecortaDerecha(a.nif) == plataforma::RecortaDerecha(b.nif)) {
          Anadir("100I007", v, kCasillaNifGrupoD[a.grupo], kAviso);
        }
      }
    }
    for (const SFila& f : filas) {
      if (f.porcentaje < 0) Anadir("100I008", v, kCasillaPorcentajeGrupoD[f.grupo], kAviso);
    }
    for (const SFila& f : filas) {
      if (f.porcentaje > 100) Anadir("100I009", v, kCasillaPorcentajeGrupoD[f.grupo], kAviso);
    }
    for (const SFila& f : filas) {
      if (std::fabs(f.computado) > std::fabs(f.rendimiento)) {
        Anadir("100I010", v, kCasillaPorcentajeGrupoD[f.grupo] + 2, kAviso);
      }
    }
    for (const SFila& f : filas) {
      if (!nifVacio(f) && marco::ClasificarNIF(f.nif) < 0) Anadir("100I011", v, kCasillaNifGrupoD[f.grupo], kError);
    }
    for (const SFila& f : filas) {
      if (f.titular != 0 && !nifVacio(f) && !conImportes(f)) {
        Anadir("100V171", v, kCasillaPorcentajeGrupoD[f.grupo] + 1, kAviso);
      }
    }
  }

  // The payments on account and their lists of entries on page 16.
  void PagosCuentaPagina16() {
    const unsigned char* r = m_d.Resultados.octetos;
    const int v = kPaginaResultados;
    struct SEntrada {
      int casilla;
      int titular;
      bool conImporte;
      std::size_t lista;
    };
    std::vector<SEntrada> entradas;
    for (std::size_t l = 0; l < std::size(kListasEntradas); ++l) {
      const SListaEntradas& lista = kListasEntradas[l];
      for (std::size_t e = 0; e < lista.entradas; ++e) {
        const unsigned char* p = r + lista.desp + lista.ancho * e;
        if (!DelSujeto(p[0])) continue;
        bool conImporte = false;
        for (std::size_t k = 0; k < lista.importes; ++k) conImporte = conImporte || Doble(p, 8 + 8 * k) != 0;
        entradas.push_back({lista.casilla, p[0], conImporte, l});
      }
    }
    for (const SEntrada& e : entradas) {
      if (e.titular == 0 && e.conImporte) Anadir("100I005", v, e.casilla, kAviso);
    }
    for (const SEntrada& e : entradas) {
      if (e.titular != 0 && !Miembro(e.titular)) Anadir("100I006", v, e.casilla, kAviso);
    }
    for (std::size_t i = 0; i < entradas.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (entradas[i].lista == entradas[j].lista && entradas[i].titular != 0 &&
            entradas[i].titular == entradas[j].titular) {
          Anadir("100I007", v, 36, kAviso);
        }
      }
    }
    for (const SPagoCuenta& pago : kPagosCuenta) {
      if (Plazas(r, pago.desp) < 0) Anadir("100I008", v, pago.casilla, kAviso);
    }
    // A family unit's total of the second block of section M4 against its members' parts.
    if (EsUnidad()) {
      double miembros = 0;
      for (int s = marco::kSujetoDeclarante; s <= marco::kSujetoHijo2; ++s) {
        miembros += Doble(r, Plaza(kResAdmitidosM4Bloque2, s));
      }
      const double total = Doble(r, kResAdmitidosM4Bloque2);
      if (total != 0 && Distintos(total, miembros)) Anadir("100I010", v, 3, kAviso);
    }
    for (const SEntrada& e : entradas) {
      if (e.titular != 0 && !e.conImporte) Anadir("100V171", v, e.casilla, kAviso);
    }
  }

  // Page 10: the reductions of the base.
  void Reducciones() {
    const unsigned char* base = m_d.BaseImponible.octetos;
    const int v = kPaginaReducciones;
    double reducciones = 0;
    for (std::size_t desp : kBaseReducciones) reducciones += Plazas(base, desp);
    const double partes = Plazas(base, kBaseSumaPartesGenerales);
    if (reducciones > 0 && reducciones > std::max(partes, 0.0)) Anadir("100V168", v, 54, kAviso);

    const unsigned char* j = m_d.ApartadoJ.octetos;
    const bool declarante = EsUnidad() || m_p == marco::kSujetoDeclarante;
    const bool conyuge = EsUnidad() || m_p == marco::kSujetoConyuge;
    if ((declarante && Doble(j, kExcesoPrimeraClaseDeclarante) > 0) ||
        (conyuge && Doble(j, kExcesoPrimeraClaseConyuge) > 0)) {
      Anadir("100V169", v, 29, kAviso);
    }

    if (EsUnidad()) {
      const unsigned char* fila = m_d.ApartadoF4.octetos + kFilaReduccionF4;
      bool importes = false;
      for (std::size_t k = 0; k < 5; ++k) importes = importes || Doble(fila, 8 + 8 * k) != 0;
      if (fila[0] == 0 && importes) Anadir("100R180", v, 7, kAviso);
      if (fila[0] != 0 && !Miembro(fila[0])) Anadir("100R181", v, 6, kAviso);
    }
  }

  // The pension-plan contributions of the declarant and the spouse against the caps of section J.
  void PlanesPensiones() {
    const unsigned char* j = m_d.ApartadoJ.octetos;
    const unsigned char* fam = m_d.DatosFamilia.octetos;
    for (int persona : {marco::kSujetoDeclarante, marco::kSujetoConyuge}) {
      if (!DelSujeto(persona)) continue;
      const std::size_t desp = persona == marco::kSujetoDeclarante ? kDespAnoDeclarante : kDespAnoConyuge;
      const double maximo = DameCuantiaMaximaPlanPensiones(marco::NumeroDeCadena(Campo(fam, desp, 4), 4));
      double primera = 0;
      int casillaPrimera = -1;
      for (std::size_t f = 0; f < 2; ++f) {
        const unsigned char* fila = j + kPlanesPrimeraClase + kAnchoPlanPrimeraClase * f;
        if (fila[0] != persona) continue;
        primera += Doble(fila, 16) + Doble(fila, 24) + Doble(fila, 32);
        if (casillaPrimera < 0) casillaPrimera = 28 + 3 * static_cast<int>(f);
      }
      if (casillaPrimera >= 0 && primera > maximo) Anadir("100R147", kPaginaReducciones, casillaPrimera, kError);
      double grupo1 = 0;
      double grupo2 = 0;
      int casillaSegunda = -1;
      for (std::size_t f = 0; f < 2; ++f) {
        const unsigned char* fila = j + kPlanesSegundaClase + kAnchoPlanSegundaClase * f;
        if (fila[0] != persona) continue;
        grupo1 += Doble(fila, 32) + Doble(fila, 40);
        grupo2 += Doble(fila, 48);
        if (casillaSegunda < 0) casillaSegunda = 36 + 4 * static_cast<int>(f);
      }
      if (casillaSegunda >= 0 && (grupo1 > kTopePlanesGrupo1 || grupo2 > kTopePlanesGrupo2)) {
        Anadir("100R147", kPaginaReducciones, casillaSegunda, kError);
      }
    }
  }

  // A refund by transfer needs the account it goes to.
  void Devolucion() {
    const unsigned char* r = m_d.Resultados.octetos;
    if (Resultado() < 0 && Marca(r, kResMarcaD2) == 1 && CuentaIncorrecta(kCuentaDevolucion)) {
      Anadir("100I001", PaginaIngreso(), 40, kError);
    }
  }

  // A payment debited to an account needs that account.
  void Domiciliaciones() {
    if (Resultado() <= 0) return;
    const unsigned char* r = m_d.Resultados.octetos;
    const bool unaVez = Marca(r, kResMarcaA1) == 1;
    const bool dosPlazos = Marca(r, kResMarcaA2) == 1;
    const bool primeroDomiciliado = Marca(r, kResMarcaB2) == 1;
    const bool segundoDomiciliado = Marca(r, kResMarcaC2) == 1;
    const int v = PaginaIngreso();
    if (unaVez && primeroDomiciliado && CuentaIncorrecta(kCuentaIngreso)) Anadir("100I002", v, 22, kAviso);
    if (dosPlazos && primeroDomiciliado && CuentaIncorrecta(kCuentaIngreso)) Anadir("100I002", v, 26, kError);
    if (segundoDomiciliado && !dosPlazos) Anadir("100I002", v, 31, kError);
    if (dosPlazos && segundoDomiciliado && CuentaIncorrecta(kCuentaSegundoPlazo)) Anadir("100I002", v, 33, kError);
  }

  // The staff of an activity under modules against the personnel modules (page 5, as its own check).
  void PersonalModulos() {
    const unsigned char* bloque = m_d.ApartadoD4.octetos;
    for (std::size_t f = 0; f < kFilasModulos; ++f) {
      const unsigned char* fila = bloque + kAnchoFilaModulos * f;
      if (!ActividadModulosRellena(fila) || !DelSujeto(fila[kModulosTitular])) continue;
      const unsigned char* plaza0 = fila + kModulosPrimeraPlaza;
      const unsigned char* plaza1 = plaza0 + kAnchoPlazaModulo;
      double personal = std::trunc(Doble(plaza0, 48) + Doble(plaza0, 56));
      if (EsModuloPersonal(plaza1[0])) personal += std::trunc(Doble(plaza1, 48) + Doble(plaza1, 56));
      const double empleados = Doble(fila, kModulosEmpleados);
      if ((empleados > 0 && personal == 0) || (empleados == 0 && personal > 0)) {
        Anadir("100M012", kPaginaModulos, f % 2 == 0 ? 8 : 51, kError);
      }
    }
  }

  // Pages 3 and 4: an activity row without its key, a pair of amounts filled in half.
  void ClavesYParejas(int pagina) {
    const unsigned char* bloque = BloqueActividad(pagina);
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (!DelSujeto(fila[0]) || fila[1] != 0 || !FilaActividadConDatos(fila)) continue;
        Anadir("100V199", pagina, kCasillaClaveGrupoD[g], kError);
      }
    }
    for (int g = 3; g < 6; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (!DelSujeto(fila[0])) continue;
        const double x = Doble(fila, kRendimientoFilaD);
        const double y = Doble(fila, kComputadoFilaD);
        if ((x == 0) == (y == 0)) continue;
        Anadir("100R192", pagina, kCasillaPorcentajeGrupoD[g] + (x == 0 ? 1 : 2), kError);
      }
    }
  }

  // Page 17: how a positive result is paid and a negative one refunded.
  void FormaIngresoDevolucion() {
    const unsigned char* r = m_d.Resultados.octetos;
    const double resultado = Resultado();
    if (resultado < 0 && Marca(r, kResMarcaD1) != 1 && Marca(r, kResMarcaD2) != 1) {
      Anadir("100V202", PaginaIngreso(), 37, kAviso);
    }
    if (resultado > 0 && Marca(r, kResMarcaA1) != 1 && Marca(r, kResMarcaA2) != 1) {
      Anadir("100V203", PaginaIngreso(), 21, kAviso);
    }
  }

  // What the Internet file cannot carry (only when the declaration is to be filed that way).
  void Internet() {
    for (std::size_t f = 0; f < kFilasModulos; ++f) {
      const unsigned char* fila = m_d.ApartadoD4.octetos + kAnchoFilaModulos * f;
      if (ActividadModulosRellena(fila) && fila[kModulosTitular] == 0) Anadir("INET002", kPaginaModulos, 40, kError);
    }
    for (std::size_t f = 0; f < kFilasModulos; ++f) {
      const unsigned char* fila = m_d.ApartadoD5.octetos + kDespFilasAgrarias + kAnchoFilaAgraria * f;
      if (ActividadAgrariaRellena(fila) && fila[kAgrariaTitular] == 0) Anadir("INET002", kPaginaAgrarias, 55, kError);
    }
    for (std::size_t f = 0; f < 3; ++f) {
      const unsigned char* fila = m_d.ApartadoE2.octetos + kDespFilasE2 + kAnchoFilaE2 * f;
      const char clase = static_cast<char>(fila[9]);
      const bool claseValida = clase == '1' || clase == '2' || clase == '3';
      if (Doble(fila, 16) != 0 && (fila[10] == 0 || !claseValida)) Anadir("INET003", kPaginaImputaciones, 5, kError);
    }
    const unsigned char* r = m_d.Resultados.octetos;
    if (Marca(r, kResMarcaA2) == 1 && ConMarcaDiferencia()) Anadir("INET004", kPaginaIdentificacion, 134, kError);
    if (!ConMarcaDiferencia() && Plazas(r, kResRestaDiferencia) != 0) Anadir("INET004", kPaginaResultados, 43, kError);
  }

  // Pages 8 and 9: a row of two amounts with only one of them.
  void FilasDosImportes() {
    for (const SGrupoDosImportes& g : kGruposDosImportes) {
      const unsigned char* bloque = Bloque(g.bloque);
      for (std::size_t f = 0; f < kFilasGrupoDosImportes; ++f) {
        const unsigned char* fila = bloque + g.desp + g.ancho * f;
        if (!DelSujeto(fila[0])) continue;
        if ((Doble(fila, 8) == 0) != (Doble(fila, 16) == 0)) Anadir("100R177", g.pagina, g.casilla, kAviso);
      }
    }
  }

  const DatosRenta& m_d;
  const SContextoValidacion& m_ctx;
  int m_p;
  std::array<std::int32_t, kNumeroSujetos> m_presentes;
  std::vector<marco::SHallazgo>& m_hallazgos;
};

}  // namespace

int ClaveTrabajadorMinusvalido(unsigned char clave) {
  switch (clave) {
    case '1':
    case 1:
    case '2':
    case 2: return 1;
    case '3':
    case 3: return 3;
    default: return 0;
  }
}

int ClaveEsperadaMinusvalia(double grado) {
  const double entero = std::trunc(grado);
  if (entero >= 65) return 3;
  if (entero >= 33) return 1;
  return 0;
}

bool ActividadModulosRellena(const unsigned char* fila) {
  for (std::size_t i = 1; i < 5; ++i) {
    const unsigned char c = fila[i];
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  }
  return false;
}

bool ActividadAgrariaRellena(const unsigned char* fila) {
  return marco::NumeroDeCadena(Campo(fila, 0, 4), 4) > 0;
}

bool EsModuloPersonal(unsigned char modulo) { return modulo == 1 || modulo == 15 || modulo == 16; }

void ReglasRestoDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                            std::vector<marco::SHallazgo>& hallazgos) {
  if (contexto.sujeto < marco::kSujetoUnidadFamiliar || contexto.sujeto > marco::kSujetoHijo2) return;
  CReglasDeclaracion(datos, contexto, hallazgos).Ejecutar();
}

}  // namespace renta
