// The rules of the wealth-tax declaration without windows or tables: the key, the adjustment of the result, the
// filing checks and the name shown on the pages.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "wealth/C714Reglas.h"
#include "wealth/CamposPatrimonio.h"

using namespace patrimonio;

namespace {

std::unique_ptr<DatosPatrimonio> AreaVacia() {
  auto d = std::make_unique<DatosPatrimonio>();
  std::memset(d.get(), 0, sizeof *d);
  return d;
}

// The first page filled in so that no check of it fails.
void RellenaPrimeraPagina(DatosPatrimonio& d) {
  RegPatDatosPersonales& dp = d.PatDatosPersonales;
  EscribeTexto(dp, personales::Identificacion1, "28");
  EscribeTexto(dp, personales::Identificacion2, "079");
  EscribeTexto(dp, personales::Nif, "12345678Z");
  EscribeTexto(dp, personales::Apellidos, "GARCIA LOPEZ");
  EscribeTexto(dp, personales::Nombre, "ANA");
  EscribeTexto(dp, personales::CodigoPagina1, "001");
}

std::vector<std::string> Codigos(const std::vector<SHallazgo714>& hallazgos) {
  std::vector<std::string> codigos;
  for (const auto& h : hallazgos) codigos.emplace_back(h.codigo);
  return codigos;
}

}  // namespace

TEST(ClaveDeclaracion714, SiempreCincuentaCaracteres) {
  EXPECT_EQ(ClaveDeclaracion714("ANA"), "ANA" + std::string(47, ' '));
  const std::string cincuenta(50, 'Z');
  EXPECT_EQ(ClaveDeclaracion714(cincuenta), cincuenta);
  EXPECT_EQ(ClaveDeclaracion714(cincuenta + "SOBRA"), cincuenta);
  EXPECT_EQ(ClaveDeclaracion714(std::string("PEPE\0XX", 7)), "PEPE" + std::string(46, ' '));
  EXPECT_EQ(ClaveDeclaracion714(""), std::string(50, ' '));
}

TEST(AjustaResultado, SignoMarcasCuotaYDiferencia) {
  const struct {
    double resultado;
    double deducido;
    std::uint8_t marcaCuota;
    std::uint8_t marca24, marca25;
    std::uint8_t signo;
    double cuota, diferencia;
    std::uint8_t marca24Final, marca25Final;
  } casos[] = {
      // A zeroed declaration: sign 1, nothing to pay.
      {0.0, 0.0, 0, 0, 0, 1, 0.0, 0.0, 0, 0},
      // The quota is computed only with the mark set (1, 'x' or 'X'); otherwise both amounts are 0.0.
      {150000.0, 50000.0, 0, 0, 1, 0, 0.0, 0.0, 0, 1},
      {150000.0, 50000.0, 1, 1, 0, 0, 150000.0, 100000.0, 1, 0},
      {150000.0, 50000.0, 'x', 0, 0, 0, 150000.0, 100000.0, 0, 0},
      {150000.0, 50000.0, 'X', 0, 0, 0, 150000.0, 100000.0, 0, 0},
      {150000.0, 50000.0, 2, 0, 0, 0, 0.0, 0.0, 0, 0},
      // A deducted amount larger than the result leaves no negative difference.
      {150000.0, 200000.0, 1, 0, 0, 0, 150000.0, 0.0, 0, 0},
      // A negative result: sign 1; marks other than 0 and 1 (the library's 0xFF) become 0.
      {-10.0, 0.0, 1, 0xFF, 0xFF, 1, -10.0, 0.0, 0, 0},
      {0.5, 0.0, 0, 2, 1, 0, 0.0, 0.0, 0, 1},
  };
  for (const auto& c : casos) {
    auto d = AreaVacia();
    EscribeDouble(d->PatResumen, resumen::Resultado, c.resultado);
    EscribeDouble(d->PatDI, di::ImporteDeducido, c.deducido);
    EscribeDouble(d->PatDI, di::Cuota, 777.0);
    EscribeDouble(d->PatDI, di::Diferencia, 777.0);
    EscribeByte(d->PatDI, di::Marca1, c.marca24);
    EscribeByte(d->PatDI, di::Domiciliacion, c.marca25);
    EscribeByte(d->PatDatosPersonales, personales::CalculoCuota.desplazamiento, c.marcaCuota);
    EscribeByte(d->PatAjuste, ajuste::SignoResultado, 9);
    AjustaResultado(d->PatAjuste, d->PatResumen, d->PatDI, d->PatDatosPersonales);
    SCOPED_TRACE(testing::Message() << "resultado " << c.resultado << " marca " << int(c.marcaCuota));
    EXPECT_EQ(LeeByte(d->PatAjuste, ajuste::SignoResultado), c.signo);
    EXPECT_DOUBLE_EQ(LeeDouble(d->PatDI, di::Cuota), c.cuota);
    EXPECT_DOUBLE_EQ(LeeDouble(d->PatDI, di::Diferencia), c.diferencia);
    EXPECT_DOUBLE_EQ(LeeDouble(d->PatDI, di::ImporteDeducido), c.deducido);
    EXPECT_EQ(LeeByte(d->PatDI, di::Marca1), c.marca24Final);
    EXPECT_EQ(LeeByte(d->PatDI, di::Domiciliacion), c.marca25Final);
  }
}

TEST(ComprobarDeclaracion714, DeclaracionVaciaDaLosCincoDeLaPrimeraPagina) {
  auto d = AreaVacia();
  const auto hallazgos = ComprobarDeclaracion714(*d);
  const std::vector<SHallazgo714> esperados{
      {"WIN001", 1, 0}, {"WIN002", 1, 1}, {"WIN003", 1, 5}, {"NOAPE1", 1, 6}, {"100R129", 1, 32}};
  EXPECT_EQ(hallazgos, esperados);

  // Blanks count as nothing entered.
  EscribeTexto(d->PatDatosPersonales, personales::Nif, "         ");
  EXPECT_EQ(ComprobarDeclaracion714(*d), esperados);
}

TEST(ComprobarDeclaracion714, ElCodigoNoHaceFaltaSinMinimoExento) {
  const struct {
    std::uint8_t marca;
    bool hallazgo;
  } casos[] = {{1, false}, {'x', false}, {'X', false}, {0, true}, {2, true}, {' ', true}};
  for (const auto& c : casos) {
    auto d = AreaVacia();
    RellenaPrimeraPagina(*d);
    EscribeTexto(d->PatDatosPersonales, personales::CodigoPagina1, "");
    EscribeByte(d->PatDatosPersonales, personales::SinMinimoExento.desplazamiento, c.marca);
    const auto codigos = Codigos(ComprobarDeclaracion714(*d));
    EXPECT_EQ(codigos == std::vector<std::string>{"100R129"}, c.hallazgo) << int(c.marca);
    EXPECT_EQ(codigos.empty(), !c.hallazgo) << int(c.marca);
  }
}

TEST(ComprobarDeclaracion714, CuentaDeDomiciliacion) {
  const struct {
    std::uint8_t domiciliacion;
    const char* cuenta;
    bool hallazgo;
  } casos[] = {
      {0, "", false},                      // no direct debit: the account is not looked at
      {1, "00491500051234567892", false},  // a right account
      {1, "00491500061234567892", true},   // a wrong first check digit
      {1, "0049150005123456789", true},    // one digit short
      {1, "0049150005 234567892", true},   // a blank inside
      {1, "", true},
  };
  for (const auto& c : casos) {
    auto d = AreaVacia();
    RellenaPrimeraPagina(*d);
    EscribeByte(d->PatDI, di::Domiciliacion, c.domiciliacion);
    EscribeTexto(d->PatDI, di::Cuenta, c.cuenta);
    const auto hallazgos = ComprobarDeclaracion714(*d);
    if (c.hallazgo) {
      ASSERT_EQ(hallazgos.size(), 1u) << c.cuenta;
      EXPECT_EQ(hallazgos[0], (SHallazgo714{"100I002", 11, 25}));
    } else {
      EXPECT_TRUE(hallazgos.empty()) << c.cuenta;
    }
    // The check reads only: the account stays as it was typed.
    EXPECT_EQ(std::string(LeeTexto(d->PatDI, di::Cuenta)), std::string(c.cuenta) +
                  std::string(20 - std::strlen(c.cuenta), ' '));
  }
}

TEST(ComprobarDeclaracion714, LimiteDeCuotasEImpuestosExtranjeros) {
  const struct {
    std::uint8_t clase;
    double s168, s320, s328, s336, s344, s424, s440, s456;
    std::vector<std::string> codigos;
  } casos[] = {
      {'C', 0, 0, 100, 0, 0, 0, 0, 0, {}},
      {'C', 0, 0, 100, 150, 0, 0, 0, 0, {"100P003"}},
      {'I', 0, 0, 100, 150, 0, 0, 0, 0, {}},              // only the joint limit compares with S328
      {'C', 0, 0, 100, 100, 0, 0, 0, 0, {}},              // "greater" is strict
      {'C', 0, 0, 100, 0, 101, 0, 0, 0, {"100P015"}},
      {'C', 0, 0, -50, 0, -10, 0, 0, 0, {}},              // S344 must be above 0
      {'I', 500, 600, 0, 1, 0, 0, 0, 0, {"100P103"}},
      {'I', 500, 600, 0, 0, 0, 0, 0, 0, {}},
      {'C', 500, 600, 0, 1, 0, 0, 0, 0, {"100P003", "100P103"}},
      {'I', 1000, 0, 0, 0, 0, 400, 400, 300, {"100P001"}},
      {'I', 1000, 0, 0, 0, 0, 400, 400, 200, {}},
      {'I', -5, 0, 0, 0, 0, 0, 0, 0, {}},                 // a sum of 0 is never a finding
  };
  for (const auto& c : casos) {
    auto d = AreaVacia();
    RellenaPrimeraPagina(*d);
    RegPatResumen& s = d->PatResumen;
    EscribeByte(s, resumen::ClaseLimite, c.clase);
    EscribeDouble(s, resumen::Total168, c.s168);
    EscribeDouble(s, resumen::Limite320, c.s320);
    EscribeDouble(s, resumen::Limite328, c.s328);
    EscribeDouble(s, resumen::Limite336, c.s336);
    EscribeDouble(s, resumen::Limite344, c.s344);
    EscribeDouble(s, resumen::Extranjero424, c.s424);
    EscribeDouble(s, resumen::Extranjero440, c.s440);
    EscribeDouble(s, resumen::Extranjero456, c.s456);
    const auto hallazgos = ComprobarDeclaracion714(*d);
    EXPECT_EQ(Codigos(hallazgos), c.codigos) << c.clase << " " << c.s336 << " " << c.s344 << " " << c.s424;
    for (const auto& h : hallazgos) {
      EXPECT_EQ(h.pagina, 10);
      EXPECT_EQ(h.casilla, h.codigo == "100P001" ? 18 : 10);
    }
  }
}

TEST(ComponerTextoNombre, ApellidosComaNombre) {
  auto d = AreaVacia();
  RegPatDatosPersonales& dp = d->PatDatosPersonales;
  EXPECT_EQ(ComponerTextoNombre(dp), "");
  EscribeTexto(dp, personales::Nombre, "ANA");
  EXPECT_EQ(ComponerTextoNombre(dp), "ANA");
  EscribeTexto(dp, personales::Apellidos, "GARCIA LOPEZ");
  EXPECT_EQ(ComponerTextoNombre(dp), "GARCIA LOPEZ, ANA");
  EscribeTexto(dp, personales::Apellidos, std::string(30, 'A'));
  EscribeTexto(dp, personales::Nombre, std::string(15, 'B'));
  EXPECT_EQ(ComponerTextoNombre(dp), std::string(30, 'A') + ", " + std::string(15, 'B'));
  EXPECT_EQ(ComponerTextoNombre(dp).size(), kAnchoTextoNombre);
}
