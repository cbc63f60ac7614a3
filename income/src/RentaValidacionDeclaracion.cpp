// The whole-declaration check after the identification, the children, the work income and the family lists: the
// family unit's region against its members (step 6), then the rules of the rest of the declaration by area, in
// the order their findings are written (step 7). docs/VALIDACION.md gives each rule's condition and where it
// comes from. The places read are the pages' own bindings; a finding names the page (its place in the page list of
// the declaration's form) and the box that show the field it speaks of, which tests check against the pages.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
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

// ---- absolute places in DatosRenta ----
constexpr std::uint32_t kAbsId = offsetof(DatosRenta, Identificacion);
constexpr std::uint32_t kAbsD1 = offsetof(DatosRenta, ApartadoD1);
constexpr std::uint32_t kAbsD2 = offsetof(DatosRenta, ApartadoD2);
constexpr std::uint32_t kAbsD4 = offsetof(DatosRenta, ApartadoD4);
constexpr std::uint32_t kAbsD5 = offsetof(DatosRenta, ApartadoD5);
constexpr std::uint32_t kAbsE2 = offsetof(DatosRenta, ApartadoE2);
constexpr std::uint32_t kAbsF2 = offsetof(DatosRenta, ApartadoF2);
constexpr std::uint32_t kAbsF3 = offsetof(DatosRenta, ApartadoF3);
constexpr std::uint32_t kAbsF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::uint32_t kAbsJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::uint32_t kAbsBI = offsetof(DatosRenta, BaseImponible);
constexpr std::uint32_t kAbsRS = offsetof(DatosRenta, Resultados);

// ---- boxes (from 0) the findings lead to ----
// Page 1 of both forms: the disability degree of the person shown and that of the spouse (RegIdentificacion +1168
// and +1904, per person), and on the ordinary form the split-payment mark (+2484, per person).
constexpr int kCasillaGradoPropio = 22;
constexpr int kCasillaGradoConyuge = 37;
constexpr std::uint32_t kIdGradoPropio = 1168;
constexpr std::uint32_t kIdGradoConyuge = 1904;
constexpr int kCasillaFraccionamiento = 134;
// Page 10 of D-100 and its twins on D-101 (page 3 for the group of earlier balances and the general part of the
// base, page 4 for the pension plans).
constexpr int kCasillaSumaPartesGenerales = 7;           // RegBaseImponible +1080 (D-100 page 10)
constexpr int kCasillaSumaPartesGeneralesSimplificada = 46;  // the same on D-101 page 3
constexpr int kCasillaTitularSaldos = 2;                 // RegApartadoF4 +240, the row's holder (D-100 page 10)
constexpr int kCasillaTitularSaldosSimplificada = 42;    // the same on D-101 page 3
constexpr int kCasillaExcesoPlanes = 34;                 // RegApartadoJ +96 per person (D-100 page 10)
constexpr int kCasillaExcesoPlanesSimplificada = 16;     // the same on D-101 page 4
// The pension-plan rows: the first box of shown row j and the amount boxes after it.
constexpr int kPrimeraCasillaPlanes1 = 27;  // D-100: holder, +8, +40
constexpr int kPrimeraCasillaPlanes1Simplificada = 9;  // D-101: holder, +16, +24
constexpr int kPrimeraCasillaPlanes2 = 35;  // D-100: holder, tax number, +56, +64
constexpr int kPrimeraCasillaPlanes2Simplificada = 17;  // D-101: holder, +32, +40, +48
// Page 17 (payment), the same page on both forms.
constexpr int kCasillaPagoUnaVez = 21;       // RegResultados +6688
constexpr int kCasillaDosPlazos = 22;        // +6693
constexpr int kCasillaCuentaIngreso = 26;    // +6708, the bank of account 1
constexpr int kCasillaSegundoDomiciliado = 31;  // +6853
constexpr int kCasillaCuentaSegundoPlazo = 33;  // +6858
constexpr int kCasillaDevolucionSinCuenta = 37;  // +7000
constexpr int kCasillaCuentaDevolucion = 40;  // +7010
// Page 16 of D-100 / 7 of D-101.
constexpr int kCasillaRestaDiferencia = 43;  // RegResultados +6424
constexpr int kCasillaAdmitidosM4Bloque2 = 3;  // +80
// Page 5 (activities under modules, two shown): the first module's quantity and the holder of shown row j.
constexpr int kCasillaModuloPersonal[2] = {8, 51};
constexpr int kCasillaTitularModulos[2] = {6, 49};
constexpr std::size_t kModulosCantidad = 160;  // module slot 0 (+120) and its quantity (+40)
// Page 6 (agricultural activities, two shown): the holder of shown row j.
constexpr int kCasillaTitularAgrarias[2] = {5, 65};
// Page 7, group A (the rows of RegApartadoE2, three shown): the kind (+9) and the option (+10) of row j.
constexpr int kCasillaClaseE2 = 9;
constexpr int kCasillaOpcionE2 = 10;
constexpr int kCasillasFilaE2 = 12;
// The rows of two amounts of pages 8 and 9: the box of the first amount of shown row j (the second follows).
struct SCasillasDosImportes {
  int primera;  // of row 0
  int paso;     // boxes per row
};
constexpr SCasillasDosImportes kCasillasDosImportes[] = {{90, 3}, {100, 3}, {4, 5}, {80, 3}, {90, 3}};
constexpr int kMostradasDosImportes = 3;
// The simplified form has no box for these: its page 3 shows the totals they add to.
constexpr int kCasillaGananciasGeneralSimplificada = 34;  // RegApartadoF4 +0
constexpr int kCasillaGananciasEspecialSimplificada = 38;  // RegApartadoF4 +120

// Where a finding leads on one form and what that box shows.
struct SLugar {
  int vista = 0;
  int numcontr = 0;
  SDatoHallazgo dato;
};

SDatoHallazgo Lugar(std::uint32_t desp, std::uint32_t tamano) { return {desp, tamano, false, false}; }
SDatoHallazgo ListaDetras(std::uint32_t desp) { return {desp, 1, true, false}; }
SLugar Sustituto(int vista, int numcontr, SDatoHallazgo dato) {
  dato.sustituto = true;
  return {vista, numcontr, dato};
}

class CReglasDeclaracion {
 public:
  CReglasDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                     std::vector<marco::SHallazgo>& hallazgos, std::vector<SDatoHallazgo>* datosHallazgos)
      : m_d(datos),
        m_ctx(contexto),
        m_p(contexto.sujeto),
        m_presentes(DerivarSujetos(datos.DatosFamilia).presentes),
        m_hallazgos(hallazgos),
        m_datosHallazgos(datosHallazgos) {}

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
  bool Simplificada() const { return m_ctx.tipoDec == 1; }
  // One finding: its place on the ordinary form and on the simplified one.
  void Anadir(const char* codigo, int severidad, const SLugar& ordinaria, const SLugar& simplificada) {
    const SLugar& l = Simplificada() ? simplificada : ordinaria;
    m_hallazgos.push_back({codigo, l.vista, l.numcontr, severidad});
    if (m_datosHallazgos != nullptr) m_datosHallazgos->push_back(l.dato);
  }
  // A finding whose place is the same on both forms.
  void Anadir(const char* codigo, int severidad, const SLugar& lugar) { Anadir(codigo, severidad, lugar, lugar); }
  // The page of the ordinary form's results (16) or payment (17) in the form's own list.
  int PaginaResultados() const { return Simplificada() ? kPaginaSimplificadaResultados : kPaginaResultados; }
  int PaginaIngreso() const { return Simplificada() ? kPaginaSimplificadaIngreso : kPaginaIngresoDevolucion; }
  // The value of the person shown in a five-element array (of doubles, or of `ancho` bytes each).
  SDatoHallazgo Importe(std::uint32_t base) const { return Lugar(static_cast<std::uint32_t>(Plaza(base, m_p)), 8); }
  SDatoHallazgo DePersona(std::uint32_t base, std::uint32_t ancho) const {
    return Lugar(static_cast<std::uint32_t>(Plaza(base, m_p, ancho)), ancho);
  }
  // The simplified form's stand-in for the activity sections and the imputations it lacks: the sum of the general
  // parts of the base (page 3), where their income ends.
  SLugar SustitutoBase() const {
    return Sustituto(kPaginaSimplificadaGanancias, kCasillaSumaPartesGeneralesSimplificada,
                     Importe(kAbsBI + kBaseSumaPartesGenerales));
  }
  const unsigned char* Bloque(int n) const {
    switch (n) {
      case 2: return m_d.ApartadoF2.octetos;
      case 3: return m_d.ApartadoF3.octetos;
      default: return nullptr;
    }
  }
  std::uint32_t AbsBloque(int n) const { return n == 2 ? kAbsF2 : kAbsF3; }
  bool EsUnidad() const { return m_p == marco::kSujetoUnidadFamiliar; }
  // A row of holder `titular` is the shown person's: the family unit sees every row.
  bool DelSujeto(int titular) const { return EsUnidad() || titular == m_p; }
  bool Miembro(int codigo) const {
    return codigo >= marco::kSujetoDeclarante && codigo <= marco::kSujetoHijo2 &&
           m_presentes[static_cast<std::size_t>(codigo - 1)] == 1;
  }
  bool HayConyugeOHijo() const {
    return m_presentes[marco::kSujetoConyuge - 1] == 1 || m_presentes[marco::kSujetoHijo1 - 1] == 1;
  }
  // The place among the rows a page shows for the person shown of stored row `fila` of a table of rows of `ancho`
  // bytes whose holder byte is at `despTitular`, as the row tables filter them (ModeloFilas.h): the stored place
  // for the family unit and for a declarant with neither spouse nor children; otherwise its place among the
  // person's rows and, for the declarant and the spouse, the family unit's rows.
  int Mostrada(const unsigned char* tabla, std::size_t ancho, int fila, std::size_t despTitular = 0) const {
    if (EsUnidad() || (m_p == marco::kSujetoDeclarante && !HayConyugeOHijo())) return fila;
    const bool mitadComun = m_p == marco::kSujetoDeclarante || m_p == marco::kSujetoConyuge;
    int j = 0;
    for (int s = 0; s < fila; ++s) {
      const int titular = tabla[ancho * static_cast<std::size_t>(s) + despTitular];
      if (titular == m_p || (titular == marco::kSujetoUnidadFamiliar && mitadComun)) ++j;
    }
    return j;
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
  double Resultado() const { return Plazas(m_d.Resultados.octetos, kResResultado); }
  bool ConMarcaDiferencia() const {
    const unsigned char* id = m_d.Identificacion.octetos;
    return id[Plaza(kDespMarcaDiferenciaA, m_p, 1)] == 1 || id[Plaza(kDespMarcaDiferenciaB, m_p, 1)] == 1;
  }
  // A place on the payment page, the same on both forms.
  SLugar Pago(int casilla, SDatoHallazgo dato) const { return {PaginaIngreso(), casilla, dato}; }
  // A place on the results page, the same boxes on both forms.
  SLugar Resultados(int casilla, SDatoHallazgo dato) const { return {PaginaResultados(), casilla, dato}; }

  // ---- step 6: the region of a family unit whose members live in different regions ----
  // The region codes are kept by the personal and family data, not by a page: the finding leads to no box.
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
    if (comunidad(static_cast<std::size_t>(mayor - 1)) != comunidad(0)) Anadir("100R154", kError, SLugar{});
  }

  // ---- step 7 ----

  // The key of the disabled worker of each work-income row against the holder's degree of disability. The finding
  // leads to the degree page 1 shows: the person's own, or the spouse's when the row is the spouse's and the page
  // is not the spouse's own (the identification page of both forms has the same boxes).
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
        const bool conyuge = titular == marco::kSujetoConyuge && m_p != marco::kSujetoConyuge;
        Anadir("100V136", kAviso,
               {kPaginaIdentificacion, conyuge ? kCasillaGradoConyuge : kCasillaGradoPropio,
                Importe(kAbsId + (conyuge ? kIdGradoConyuge : kIdGradoPropio))});
      }
    }
  }

  // The quotas of the results page of the person shown.
  void CuotasResultados() {
    const unsigned char* r = m_d.Resultados.octetos;
    if (Plazas(r, kResCuotaLiquida1) < 0) Anadir("100V157", kAviso, Resultados(12, Importe(kAbsRS + kResCuotaLiquida1)));
    if (Plazas(r, kResCuotaLiquida2) < 0) Anadir("100V158", kAviso, Resultados(13, Importe(kAbsRS + kResCuotaLiquida2)));
    if (Plazas(r, kResResultadoCuota) < 0) {
      Anadir("100V159", kAviso, Resultados(23, Importe(kAbsRS + kResResultadoCuota)));
    }
  }

  const unsigned char* BloqueActividad(int pagina) const {
    return pagina == kPaginaActividades1 ? m_d.ApartadoD1.octetos : m_d.ApartadoD2.octetos;
  }
  std::uint32_t AbsFilaD(int pagina, int grupo, int fila) const {
    const auto g = static_cast<std::size_t>(grupo);
    return static_cast<std::uint32_t>((pagina == kPaginaActividades1 ? kAbsD1 : kAbsD2) + kDespGruposD[g] +
                                      kAnchoGruposD[g] * static_cast<std::size_t>(fila));
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
  // A field of a row of section D on its page (the group shows one row: its boxes are the group's), and on the
  // simplified form, which has no section D, the stand-in.
  void AnadirFilaD(const char* codigo, int severidad, int pagina, int grupo, int fila, int casilla,
                   std::size_t desp, std::uint32_t tamano) {
    Anadir(codigo, severidad,
           {pagina, casilla, Lugar(AbsFilaD(pagina, grupo, fila) + static_cast<std::uint32_t>(desp), tamano)},
           SustitutoBase());
  }

  // The activity rows (groups 1 to 3) of pages 3 and 4: a holder that is not a member, a row without holder.
  void FilasActividad(int pagina) {
    if (!EsUnidad()) return;
    const unsigned char* bloque = BloqueActividad(pagina);
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const int titular = FilaD(bloque, g, f)[0];
        if (titular != 0 && !Miembro(titular)) {
          AnadirFilaD("100R167", kAviso, pagina, g, f, kCasillaTitularGrupoD[g], 0, 1);
        }
      }
    }
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (fila[0] == 0 && FilaActividadConDatos(fila)) {
          AnadirFilaD("WIN045", kAviso, pagina, g, f, kCasillaTitularGrupoD[g], 0, 1);
        }
      }
    }
  }

  // The rows of income attributed by entities (groups 4 to 6 of page 4).
  void AtribucionesPagina4() {
    const unsigned char* bloque = m_d.ApartadoD2.octetos;
    const int v = kPaginaActividades2;
    struct SFila {
      int grupo;
      int fila;
      int titular;
      std::string_view nif;
      double porcentaje, rendimiento, computado;
    };
    std::vector<SFila> filas;
    for (int g = 3; g < 6; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* p = FilaD(bloque, g, f);
        if (!DelSujeto(p[0])) continue;
        filas.push_back({g, f, p[0], Campo(p, kNifGrupoD[g], kAnchoNif), Doble(p, kPorcentajeFilaD),
                         Doble(p, kRendimientoFilaD), Doble(p, kComputadoFilaD)});
      }
    }
    auto conImportes = [](const SFila& f) { return f.porcentaje != 0 || f.rendimiento != 0 || f.computado != 0; };
    auto nifVacio = [](const SFila& f) { return marco::EsCadenaEnBlanco(f.nif); };
    auto anadir = [&](const char* codigo, int severidad, const SFila& f, int casilla, std::size_t desp,
                      std::uint32_t tamano) {
      AnadirFilaD(codigo, severidad, v, f.grupo, f.fila, casilla, desp, tamano);
    };
    const auto g = [](const SFila& f) { return static_cast<std::size_t>(f.grupo); };
    for (const SFila& f : filas) {
      if (f.titular == 0 && conImportes(f)) anadir("100I005", kAviso, f, kCasillaTitularGrupoD[g(f)], 0, 1);
    }
    for (const SFila& f : filas) {
      if (f.titular != 0 && !Miembro(f.titular)) anadir("100I006", kAviso, f, kCasillaTitularGrupoD[g(f)], 0, 1);
    }
    for (std::size_t i = 0; i < filas.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        const SFila& a = filas[i];
        const SFila& b = filas[j];
        if (a.grupo == b.grupo && a.titular != 0 && a.titular == b.titular && !nifVacio(a) &&
            plataforma::RecortaDerecha(a.nif) == plataforma::RecortaDerecha(b.nif)) {
          // The first of the two rows: the one the group shows first.
          anadir("100I007", kAviso, b, kCasillaNifGrupoD[g(b)], kNifGrupoD[g(b)], kAnchoNif);
        }
      }
    }
    for (const SFila& f : filas) {
      if (f.porcentaje < 0) anadir("100I008", kAviso, f, kCasillaPorcentajeGrupoD[g(f)], kPorcentajeFilaD, 8);
    }
    for (const SFila& f : filas) {
      if (f.porcentaje > 100) anadir("100I009", kAviso, f, kCasillaPorcentajeGrupoD[g(f)], kPorcentajeFilaD, 8);
    }
    for (const SFila& f : filas) {
      if (std::fabs(f.computado) > std::fabs(f.rendimiento)) {
        anadir("100I010", kAviso, f, kCasillaPorcentajeGrupoD[g(f)] + 2, kComputadoFilaD, 8);
      }
    }
    for (const SFila& f : filas) {
      if (!nifVacio(f) && marco::ClasificarNIF(f.nif) < 0) {
        anadir("100I011", kError, f, kCasillaNifGrupoD[g(f)], kNifGrupoD[g(f)], kAnchoNif);
      }
    }
    for (const SFila& f : filas) {
      if (f.titular != 0 && !nifVacio(f) && !conImportes(f)) {
        anadir("100V171", kAviso, f, kCasillaPorcentajeGrupoD[g(f)] + 1, kRendimientoFilaD, 8);
      }
    }
  }

  // The payments on account and their lists of entries on the results page: a list leads to the amount box
  // that opens it.
  void PagosCuentaPagina16() {
    const unsigned char* r = m_d.Resultados.octetos;
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
    auto lista = [&](const SEntrada& e) {
      return Resultados(e.casilla, ListaDetras(kAbsRS + static_cast<std::uint32_t>(kListasEntradas[e.lista].desp)));
    };
    for (const SEntrada& e : entradas) {
      if (e.titular == 0 && e.conImporte) Anadir("100I005", kAviso, lista(e));
    }
    for (const SEntrada& e : entradas) {
      if (e.titular != 0 && !Miembro(e.titular)) Anadir("100I006", kAviso, lista(e));
    }
    for (std::size_t i = 0; i < entradas.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (entradas[i].lista == entradas[j].lista && entradas[i].titular != 0 &&
            entradas[i].titular == entradas[j].titular) {
          Anadir("100I007", kAviso, lista(entradas[i]));
        }
      }
    }
    for (const SPagoCuenta& pago : kPagosCuenta) {
      if (Plazas(r, pago.desp) < 0) {
        Anadir("100I008", kAviso, Resultados(pago.casilla, Importe(kAbsRS + static_cast<std::uint32_t>(pago.desp))));
      }
    }
    // A family unit's total of the second block of section M4 against its members' parts.
    if (EsUnidad()) {
      double miembros = 0;
      for (int s = marco::kSujetoDeclarante; s <= marco::kSujetoHijo2; ++s) {
        miembros += Doble(r, Plaza(kResAdmitidosM4Bloque2, s));
      }
      const double total = Doble(r, kResAdmitidosM4Bloque2);
      if (total != 0 && Distintos(total, miembros)) {
        Anadir("100I010", kAviso, Resultados(kCasillaAdmitidosM4Bloque2, Importe(kAbsRS + kResAdmitidosM4Bloque2)));
      }
    }
    for (const SEntrada& e : entradas) {
      if (e.titular != 0 && !e.conImporte) Anadir("100V171", kAviso, lista(e));
    }
  }

  // The reductions of the base: the general part they exceed, the excess of the pension plans, the holder of the
  // row of earlier balances.
  void Reducciones() {
    const unsigned char* base = m_d.BaseImponible.octetos;
    const int v = kPaginaReducciones;
    double reducciones = 0;
    for (std::size_t desp : kBaseReducciones) reducciones += Plazas(base, desp);
    const double partes = Plazas(base, kBaseSumaPartesGenerales);
    if (reducciones > 0 && reducciones > std::max(partes, 0.0)) {
      const SDatoHallazgo general = Importe(kAbsBI + kBaseSumaPartesGenerales);
      Anadir("100V168", kAviso, {v, kCasillaSumaPartesGenerales, general},
             {kPaginaSimplificadaGanancias, kCasillaSumaPartesGeneralesSimplificada, general});
    }

    const unsigned char* j = m_d.ApartadoJ.octetos;
    const bool declarante = EsUnidad() || m_p == marco::kSujetoDeclarante;
    const bool conyuge = EsUnidad() || m_p == marco::kSujetoConyuge;
    if ((declarante && Doble(j, kExcesoPrimeraClaseDeclarante) > 0) ||
        (conyuge && Doble(j, kExcesoPrimeraClaseConyuge) > 0)) {
      // The excess of the person shown (the family unit's is both persons'), RegApartadoJ +96 per person.
      const SDatoHallazgo exceso = Importe(kAbsJ + kExcesoPrimeraClaseDeclarante - 8);
      Anadir("100V169", kAviso, {v, kCasillaExcesoPlanes, exceso},
             {kPaginaSimplificadaReducciones, kCasillaExcesoPlanesSimplificada, exceso});
    }

    if (EsUnidad()) {
      const unsigned char* fila = m_d.ApartadoF4.octetos + kFilaReduccionF4;
      bool importes = false;
      for (std::size_t k = 0; k < 5; ++k) importes = importes || Doble(fila, 8 + 8 * k) != 0;
      // Both lead to the row's holder, the box to write or to correct.
      const SDatoHallazgo titular = Lugar(kAbsF4 + kFilaReduccionF4, 1);
      const SLugar ordinaria{v, kCasillaTitularSaldos, titular};
      const SLugar simplificada{kPaginaSimplificadaGanancias, kCasillaTitularSaldosSimplificada, titular};
      if (fila[0] == 0 && importes) Anadir("100R180", kAviso, ordinaria, simplificada);
      if (fila[0] != 0 && !Miembro(fila[0])) Anadir("100R181", kAviso, ordinaria, simplificada);
    }
  }

  // The pension-plan contributions of the declarant and the spouse against the caps of section J. The finding
  // leads to the person's first row of that kind, to the amount that is over.
  void PlanesPensiones() {
    const unsigned char* j = m_d.ApartadoJ.octetos;
    const unsigned char* fam = m_d.DatosFamilia.octetos;
    for (int persona : {marco::kSujetoDeclarante, marco::kSujetoConyuge}) {
      if (!DelSujeto(persona)) continue;
      const std::size_t desp = persona == marco::kSujetoDeclarante ? kDespAnoDeclarante : kDespAnoConyuge;
      const double maximo = DameCuantiaMaximaPlanPensiones(marco::NumeroDeCadena(Campo(fam, desp, 4), 4));
      double primera = 0;
      int filaPrimera = -1;
      for (std::size_t f = 0; f < 2; ++f) {
        const unsigned char* fila = j + kPlanesPrimeraClase + kAnchoPlanPrimeraClase * f;
        if (fila[0] != persona) continue;
        primera += Doble(fila, 16) + Doble(fila, 24) + Doble(fila, 32);
        if (filaPrimera < 0) filaPrimera = static_cast<int>(f);
      }
      if (filaPrimera >= 0 && primera > maximo) {
        const int m = Mostrada(j + kPlanesPrimeraClase, kAnchoPlanPrimeraClase, filaPrimera);
        const auto fila = kAbsJ + static_cast<std::uint32_t>(kPlanesPrimeraClase + kAnchoPlanPrimeraClase *
                                                                                      static_cast<std::size_t>(filaPrimera));
        // The ordinary form shows the row's first contribution as its copy (+8), the simplified form itself (+16).
        Anadir("100R147", kError, {kPaginaReducciones, kPrimeraCasillaPlanes1 + 3 * m + 1, Lugar(fila + 8, 8)},
               {kPaginaSimplificadaReducciones, kPrimeraCasillaPlanes1Simplificada + 3 * m + 1, Lugar(fila + 16, 8)});
      }
      double grupo1 = 0;
      double grupo2 = 0;
      int filaSegunda = -1;
      for (std::size_t f = 0; f < 2; ++f) {
        const unsigned char* fila = j + kPlanesSegundaClase + kAnchoPlanSegundaClase * f;
        if (fila[0] != persona) continue;
        grupo1 += Doble(fila, 32) + Doble(fila, 40);
        grupo2 += Doble(fila, 48);
        if (filaSegunda < 0) filaSegunda = static_cast<int>(f);
      }
      const bool sobre1 = grupo1 > kTopePlanesGrupo1;
      if (filaSegunda >= 0 && (sobre1 || grupo2 > kTopePlanesGrupo2)) {
        const int m = Mostrada(j + kPlanesSegundaClase, kAnchoPlanSegundaClase, filaSegunda);
        const auto fila = kAbsJ + static_cast<std::uint32_t>(kPlanesSegundaClase + kAnchoPlanSegundaClase *
                                                                                      static_cast<std::size_t>(filaSegunda));
        // The ordinary form shows the first group's sum (+56) and the second group (+64, its copy); the simplified
        // form the first group's first amount (+32) and the second group (+48).
        Anadir("100R147", kError,
               {kPaginaReducciones, kPrimeraCasillaPlanes2 + 4 * m + (sobre1 ? 2 : 3), Lugar(fila + (sobre1 ? 56 : 64), 8)},
               {kPaginaSimplificadaReducciones, kPrimeraCasillaPlanes2Simplificada + 4 * m + (sobre1 ? 1 : 3),
                Lugar(fila + (sobre1 ? 32 : 48), 8)});
      }
    }
  }

  // A place of an account of the person: its bank's four characters lead to it.
  SDatoHallazgo Banco(const SCuenta& c) const { return DePersona(kAbsRS + static_cast<std::uint32_t>(c.banco), 4); }

  // A refund by transfer needs the account it goes to.
  void Devolucion() {
    const unsigned char* r = m_d.Resultados.octetos;
    if (Resultado() < 0 && Marca(r, kResMarcaD2) == 1 && CuentaIncorrecta(kCuentaDevolucion)) {
      Anadir("100I001", kError, Pago(kCasillaCuentaDevolucion, Banco(kCuentaDevolucion)));
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
    const SLugar cuenta1 = Pago(kCasillaCuentaIngreso, Banco(kCuentaIngreso));
    if (unaVez && primeroDomiciliado && CuentaIncorrecta(kCuentaIngreso)) Anadir("100I002", kAviso, cuenta1);
    if (dosPlazos && primeroDomiciliado && CuentaIncorrecta(kCuentaIngreso)) Anadir("100I002", kError, cuenta1);
    if (segundoDomiciliado && !dosPlazos) {
      Anadir("100I002", kError, Pago(kCasillaSegundoDomiciliado, DePersona(kAbsRS + kResMarcaC2, 1)));
    }
    if (dosPlazos && segundoDomiciliado && CuentaIncorrecta(kCuentaSegundoPlazo)) {
      Anadir("100I002", kError, Pago(kCasillaCuentaSegundoPlazo, Banco(kCuentaSegundoPlazo)));
    }
  }

  // The staff of an activity under modules against the personnel modules (page 5, as its own check): the first
  // module's quantity of the activity.
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
        const int m = Mostrada(bloque, kAnchoFilaModulos, static_cast<int>(f), kModulosTitular) % 2;
        const auto desp = kAbsD4 + static_cast<std::uint32_t>(kAnchoFilaModulos * f + kModulosCantidad);
        Anadir("100M012", kError, {kPaginaModulos, kCasillaModuloPersonal[m], Lugar(desp, 8)}, SustitutoBase());
      }
    }
  }

  // Pages 3 and 4: an activity row without its key, a pair of amounts filled in half (the box of the empty one).
  void ClavesYParejas(int pagina) {
    const unsigned char* bloque = BloqueActividad(pagina);
    for (int g = 0; g < 3; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (!DelSujeto(fila[0]) || fila[1] != 0 || !FilaActividadConDatos(fila)) continue;
        AnadirFilaD("100V199", kError, pagina, g, f, kCasillaClaveGrupoD[g], 1, 1);
      }
    }
    for (int g = 3; g < 6; ++g) {
      for (int f = 0; f < kFilasGrupoD; ++f) {
        const unsigned char* fila = FilaD(bloque, g, f);
        if (!DelSujeto(fila[0])) continue;
        const double x = Doble(fila, kRendimientoFilaD);
        const double y = Doble(fila, kComputadoFilaD);
        if ((x == 0) == (y == 0)) continue;
        AnadirFilaD("100R192", kError, pagina, g, f, kCasillaPorcentajeGrupoD[g] + (x == 0 ? 1 : 2),
                    x == 0 ? kRendimientoFilaD : kComputadoFilaD, 8);
      }
    }
  }

  // The payment page: how a positive result is paid and a negative one refunded.
  void FormaIngresoDevolucion() {
    const unsigned char* r = m_d.Resultados.octetos;
    const double resultado = Resultado();
    if (resultado < 0 && Marca(r, kResMarcaD1) != 1 && Marca(r, kResMarcaD2) != 1) {
      Anadir("100V202", kAviso, Pago(kCasillaDevolucionSinCuenta, DePersona(kAbsRS + kResMarcaD1, 1)));
    }
    if (resultado > 0 && Marca(r, kResMarcaA1) != 1 && Marca(r, kResMarcaA2) != 1) {
      Anadir("100V203", kAviso, Pago(kCasillaPagoUnaVez, DePersona(kAbsRS + kResMarcaA1, 1)));
    }
  }

  // What the Internet file cannot carry (only when the declaration is to be filed that way).
  void Internet() {
    for (std::size_t f = 0; f < kFilasModulos; ++f) {
      const unsigned char* fila = m_d.ApartadoD4.octetos + kAnchoFilaModulos * f;
      if (ActividadModulosRellena(fila) && fila[kModulosTitular] == 0) {
        const int m = Mostrada(m_d.ApartadoD4.octetos, kAnchoFilaModulos, static_cast<int>(f), kModulosTitular) % 2;
        const auto desp = kAbsD4 + static_cast<std::uint32_t>(kAnchoFilaModulos * f + kModulosTitular);
        Anadir("INET002", kError, {kPaginaModulos, kCasillaTitularModulos[m], Lugar(desp, 1)}, SustitutoBase());
      }
    }
    const unsigned char* agrarias = m_d.ApartadoD5.octetos + kDespFilasAgrarias;
    for (std::size_t f = 0; f < kFilasModulos; ++f) {
      const unsigned char* fila = agrarias + kAnchoFilaAgraria * f;
      if (ActividadAgrariaRellena(fila) && fila[kAgrariaTitular] == 0) {
        const int m = Mostrada(agrarias, kAnchoFilaAgraria, static_cast<int>(f), kAgrariaTitular) % 2;
        const auto desp = kAbsD5 + static_cast<std::uint32_t>(kDespFilasAgrarias + kAnchoFilaAgraria * f + kAgrariaTitular);
        Anadir("INET002", kError, {kPaginaAgrarias, kCasillaTitularAgrarias[m], Lugar(desp, 1)}, SustitutoBase());
      }
    }
    for (std::size_t f = 0; f < 3; ++f) {
      const unsigned char* fila = m_d.ApartadoE2.octetos + kDespFilasE2 + kAnchoFilaE2 * f;
      const char clase = static_cast<char>(fila[9]);
      const bool claseValida = clase == '1' || clase == '2' || clase == '3';
      if (Doble(fila, 16) != 0 && (fila[10] == 0 || !claseValida)) {
        // The rows of this group are shown to every person, in their stored places.
        const bool sinTitular = fila[10] == 0;
        const int casilla = (sinTitular ? kCasillaOpcionE2 : kCasillaClaseE2) + kCasillasFilaE2 * static_cast<int>(f);
        const auto desp = kAbsE2 + static_cast<std::uint32_t>(kDespFilasE2 + kAnchoFilaE2 * f + (sinTitular ? 10 : 9));
        Anadir("INET003", kError, {kPaginaImputaciones, casilla, Lugar(desp, 1)}, SustitutoBase());
      }
    }
    const unsigned char* r = m_d.Resultados.octetos;
    if (Marca(r, kResMarcaA2) == 1 && ConMarcaDiferencia()) {
      // The simplified form's page 1 has no split-payment mark: its payment page shows the two instalments chosen.
      Anadir("INET004", kError, {kPaginaIdentificacion, kCasillaFraccionamiento, DePersona(kAbsId + kDespMarcaDiferenciaA, 1)},
             Sustituto(kPaginaSimplificadaIngreso, kCasillaDosPlazos, DePersona(kAbsRS + kResMarcaA2, 1)));
    }
    if (!ConMarcaDiferencia() && Plazas(r, kResRestaDiferencia) != 0) {
      Anadir("INET004", kError, Resultados(kCasillaRestaDiferencia, Importe(kAbsRS + kResRestaDiferencia)));
    }
  }

  // Pages 8 and 9: a row of two amounts with only one of them; the box of the missing one, in the rows shown.
  void FilasDosImportes() {
    for (std::size_t k = 0; k < std::size(kGruposDosImportes); ++k) {
      const SGrupoDosImportes& g = kGruposDosImportes[k];
      const SCasillasDosImportes& c = kCasillasDosImportes[k];
      const unsigned char* bloque = Bloque(g.bloque);
      for (std::size_t f = 0; f < kFilasGrupoDosImportes; ++f) {
        const unsigned char* fila = bloque + g.desp + g.ancho * f;
        if (!DelSujeto(fila[0])) continue;
        const bool falta1 = Doble(fila, 8) == 0;
        if (falta1 == (Doble(fila, 16) == 0)) continue;
        // A row past the three shown leads to the group's first row.
        int m = Mostrada(bloque + g.desp, g.ancho, static_cast<int>(f));
        if (m >= kMostradasDosImportes) m = 0;
        const auto desp = AbsBloque(g.bloque) + static_cast<std::uint32_t>(g.desp + g.ancho * f + (falta1 ? 8 : 16));
        const SLugar simplificada =
            g.bloque == 2 ? Sustituto(kPaginaSimplificadaGanancias, kCasillaGananciasGeneralSimplificada,
                                      Importe(kAbsF4 + 0))
                          : Sustituto(kPaginaSimplificadaGanancias, kCasillaGananciasEspecialSimplificada,
                                      Importe(kAbsF4 + 120));
        Anadir("100R177", kAviso, {g.pagina, c.primera + c.paso * m + (falta1 ? 0 : 1), Lugar(desp, 8)}, simplificada);
      }
    }
  }

  const DatosRenta& m_d;
  const SContextoValidacion& m_ctx;
  int m_p;
  std::array<std::int32_t, kNumeroSujetos> m_presentes;
  std::vector<marco::SHallazgo>& m_hallazgos;
  std::vector<SDatoHallazgo>* m_datosHallazgos;
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
                            std::vector<marco::SHallazgo>& hallazgos, std::vector<SDatoHallazgo>* datosHallazgos) {
  if (contexto.sujeto < marco::kSujetoUnidadFamiliar || contexto.sujeto > marco::kSujetoHijo2) return;
  CReglasDeclaracion(datos, contexto, hallazgos, datosHallazgos).Ejecutar();
}

}  // namespace renta
