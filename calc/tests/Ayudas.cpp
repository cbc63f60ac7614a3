// The helpers every section shares.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "Ayudas.h"
#include "AreaPrueba.h"

namespace ximardol {
namespace {

using namespace std::string_view_literals;

TEST(Redondea, SubeLasMitadesPositivasYCortaLasNegativasHaciaCero) {
  struct Caso {
    double valor;
    double esperado;
  };
  for (const Caso& caso : std::vector<Caso>{{0.5, 1.0},
                                            {2.5, 3.0},
                                            {2.4999, 2.0},
                                            {0.0, 0.0},
                                            {-0.5, 0.0},
                                            {-1.5, -1.0},
                                            {-2.7, -2.0},
                                            {1234567.5, 1234568.0}}) {
    EXPECT_EQ(Redondea(caso.valor), caso.esperado) << caso.valor;
  }
  EXPECT_FALSE(std::signbit(Redondea(-0.5)));
  EXPECT_EQ(Redondea(ImportesMiembro{0.5, -0.5, 1.49, 2.5, -2.7}), (ImportesMiembro{1.0, 0.0, 1.0, 3.0, -2.0}));
}

TEST(Trunc, CortaHaciaCeroSalvoUnaFraccionQueRozaLaUnidad) {
  struct Caso {
    double valor;
    int decimales;
    double esperado;
  };
  for (const Caso& caso : std::vector<Caso>{{2.675, 2, 2.67},
                                            {-1.239, 2, -1.23},
                                            {0.29, 2, 0.29},
                                            {0.57, 2, 0.57},
                                            {-0.29, 2, -0.29},
                                            {-0.57, 2, -0.57},
                                            {123.4567, 3, 123.456},
                                            {1.0, 2, 1.0},
                                            {7.9, 0, 7.0},
                                            {7.9, -3, 7.0},
                                            {-7.9, 0, -7.0},
                                            {0.99999999, 0, 1.0},
                                            {-0.99999999, 0, -1.0},
                                            {0.9999999, 0, 0.0}}) {
    EXPECT_EQ(Trunc(caso.valor, caso.decimales), caso.esperado) << caso.valor << " to " << caso.decimales;
  }
}

TEST(Trunc, MasDecimalesDeLosQueCabenDejanElValor) {
  EXPECT_EQ(Trunc(1.5, 400), 1.5);
  EXPECT_EQ(Trunc(1.5, INT_MAX), 1.5);
  EXPECT_EQ(Trunc(1e300, 20), 1e300);
}

TEST(SumaImporteMiembro, ReparteLaUnidadFamiliarYSumaCadaPersonaEnSuCasilla) {
  ImportesMiembro importes{};
  SumaImporteMiembro(importes, Sujeto::UnidadFamiliar, 3.0);
  EXPECT_EQ(importes, (ImportesMiembro{3.0, 2.0, 2.0, 0.0, 0.0}));
  SumaImporteMiembro(importes, Sujeto::UnidadFamiliar, -3.0);
  EXPECT_EQ(importes, (ImportesMiembro{0.0, 1.0, 1.0, 0.0, 0.0}));
  SumaImporteMiembro(importes, Sujeto::Conyuge, 10.0);
  SumaImporteMiembro(importes, Sujeto::SegundoHijo, 4.0);
  EXPECT_EQ(importes, (ImportesMiembro{14.0, 1.0, 11.0, 0.0, 4.0}));
}

TEST(SumaImporteMiembro, UnCodigoFueraDeUnoACincoNoSumaNada) {
  for (int miembro : {0, 6, 255, -1, INT_MIN}) {
    ImportesMiembro importes{};
    SumaImporteMiembro(importes, miembro, 7.0);
    EXPECT_EQ(importes, ImportesMiembro{}) << miembro;
  }
}

TEST(SumaImporteMiembro, ConMenosCasillasLosHijosSoloSumanAlTotal) {
  double tres[3] = {0.0, 0.0, 0.0};
  SumaImporteMiembro(tres, Sujeto::PrimerHijo, 5.0);
  SumaImporteMiembro(tres, Sujeto::Conyuge, 2.0);
  EXPECT_EQ(tres[0], 7.0);
  EXPECT_EQ(tres[1], 0.0);
  EXPECT_EQ(tres[2], 2.0);

  double dos[2] = {0.0, 0.0};
  SumaImporteMiembro(dos, Sujeto::Declarante, 5.0);
  EXPECT_EQ(dos[0], 0.0);
}

TEST(RepartirImportes, EmpiezaEnCeroYSumaLosParesHastaUnCodigoNegativo) {
  EXPECT_EQ(RepartirImportes({{2, 100.0}, {3, 50.0}, {1, 11.0}, {-1, 999.0}, {2, 7.0}}),
            (ImportesMiembro{161.0, 106.0, 56.0, 0.0, 0.0}));
  EXPECT_EQ(RepartirImportes({}), ImportesMiembro{});

  ImportesMiembro usado{1.0, 2.0, 3.0, 4.0, 5.0};
  const std::vector<ParMiembro> pares{{4, 8.0}, {0, 9.0}};
  RepartirImportes(usado, pares);
  EXPECT_EQ(usado, (ImportesMiembro{8.0, 0.0, 0.0, 8.0, 0.0}));
}

TEST(SumaPonderada, SumaCadaFilaPorSuPesoYParaEnUnPesoCero) {
  const ImportesMiembro a{10.0, 6.0, 4.0, 0.0, 0.0};
  const ImportesMiembro b{3.0, 1.0, 1.0, 1.0, 0.0};
  const ImportesMiembro c{1.0, 1.0, 0.0, 0.0, 0.0};
  EXPECT_EQ(SumaPonderada({{a, 1.0}, {b, 1.0}, {c, -1.0}}), (ImportesMiembro{12.0, 6.0, 5.0, 1.0, 0.0}));
  EXPECT_EQ(SumaPonderada({{a, 0.5}}), (ImportesMiembro{5.0, 3.0, 2.0, 0.0, 0.0}));
  // A zero weight ends the list: c is not added.
  EXPECT_EQ(SumaPonderada({{a, 1.0}, {b, 0.0}, {c, 1.0}}), a);
  EXPECT_EQ(SumaPonderada({}), ImportesMiembro{});
}

TEST(AcotaImportes, CadaElementoConSuSueloOSuTecho) {
  ImportesMiembro importes{5.0, -3.0, 10.0, 7.0, 1.0};
  AcotaImportes(importes, {{0.0, CotaInferior}, {0.0, -4}, {8.0, CotaSuperior}, {8.0, 2}});
  EXPECT_EQ(importes, (ImportesMiembro{5.0, 0.0, 8.0, 7.0, 1.0}));  // the fifth has no limit
}

TEST(Escalas, CadaTramoEmpiezaEnSuPropioLimite) {
  struct Caso {
    double base;
    double escala1;
    double escala2;
  };
  for (const Caso& caso : std::vector<Caso>{{-1.0, 0.0, 0.0},
                                            {0.0, 0.0, 0.0},
                                            {100000.0, 15000.0, 3000.0},
                                            {599999.0, 89999.85, 17999.97},
                                            {600000.0, 90000.0, 18000.0},
                                            {600001.0, 90000.2017, 18000.0383},
                                            {1000000.0, 170680.0, 33320.0},
                                            {2100000.0, 392550.0, 75450.0},
                                            {4100000.0, 863950.0, 170050.0},
                                            {6600000.0, 1650950.0, 313050.0},
                                            {10999999.0, 3326029.6193, 617969.9307},
                                            {11000000.0, 3326030.0, 617970.0},
                                            {11000001.0, 3326030.396, 617970.084},
                                            {20000000.0, 6890030.0, 1373970.0}}) {
    EXPECT_DOUBLE_EQ(AplicaEscala1(caso.base), caso.escala1) << caso.base;
    EXPECT_DOUBLE_EQ(AplicaEscala2(caso.base), caso.escala2) << caso.base;
  }
}

TEST(DameCuantiaMaximaPlanPensiones, BajaEnTreceEscalonesYSeAcotaFueraDe1934A1947) {
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1920), 2200000.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(INT_MIN), 2200000.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1933), 2200000.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1940), 1692308.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1948), 1100000.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1960), 1100000.0);
  EXPECT_EQ(DameCuantiaMaximaPlanPensiones(INT_MAX), 1100000.0);
  for (int escalon = 0; escalon <= 13; ++escalon) {
    EXPECT_EQ(DameCuantiaMaximaPlanPensiones(1934 + escalon), std::round(2200000.0 - escalon * 1100000.0 / 13.0))
        << 1934 + escalon;
  }
}

TEST(Fechas, ValidaFecha) {
  struct Caso {
    std::string_view texto;
    bool valida;
  };
  for (const Caso& caso : std::vector<Caso>{{"29022000", true},
                                            {"29021996", true},
                                            {"01011999", true},
                                            {"31121999", true},
                                            {"29021900", false},
                                            {"29021999", false},
                                            {"31041999", false},
                                            {"32011999", false},
                                            {"00011999", false},
                                            {"01001999", false},
                                            {"01131999", false},
                                            {"0101-001", false},
                                            {"00000000", false},
                                            {"        ", false},
                                            {"2902199", false},
                                            {"290219990", false},
                                            {"", false},
                                            {"0101\0" "999"sv, false}}) {
    EXPECT_EQ(ValidaFecha(caso.texto), caso.valida) << std::string(caso.texto);
  }
}

TEST(Fechas, DescomponeFechaSoloConOchoCaracteres) {
  int dia = -1, mes = -1, anio = -1;
  EXPECT_TRUE(DescomponeFecha("05 31999", dia, mes, anio));
  EXPECT_EQ(dia, 5);
  EXPECT_EQ(mes, 3);
  EXPECT_EQ(anio, 1999);
  EXPECT_FALSE(DescomponeFecha("0503199", dia, mes, anio));
  EXPECT_EQ(dia, 5);  // nothing written
}

TEST(Fechas, UnaFechaEnUnCampoNoLeeMasAllaDeSuAncho) {
  struct Bloque {
    unsigned char octetos[16];
  };
  static constexpr CampoTexto<Bloque, 8> fecha{0};
  Bloque bloque{};
  pruebas::PonTexto(bloque, 0, "2902200");  // seven characters, then the NUL
  pruebas::PonTexto(bloque, 8, "0");        // the next field starts right after
  EXPECT_FALSE(ValidaFecha(LeeTexto(&bloque, fecha)));
  pruebas::PonTexto(bloque, 0, "29022000");
  EXPECT_TRUE(ValidaFecha(LeeTexto(&bloque, fecha)));
}

TEST(Fechas, ComparaFechas) {
  EXPECT_EQ(ComparaFechas("01011999", "02011999"), -1);
  EXPECT_EQ(ComparaFechas("01021999", "31011999"), 1);
  EXPECT_EQ(ComparaFechas("31121998", "01011999"), -1);
  EXPECT_EQ(ComparaFechas("15061990", "15061990"), 0);
  EXPECT_EQ(ComparaFechas("31041999", "01011999"), -2);
  EXPECT_EQ(ComparaFechas("01011999", ""), -2);
}

TEST(Fechas, AniosEntreFechas) {
  struct Caso {
    std::string_view desde;
    std::string_view hasta;
    int resultado;
    int anios;
    int noExacto;
  };
  for (const Caso& caso : std::vector<Caso>{
           {"29021996", "28021999", 1, 3, 0},  // the 29th of a leap year to the 28th: exact
           {"15061990", "14061999", 1, 8, 1},
           {"15061990", "15061999", 1, 9, 0},
           {"15061990", "16061999", 1, 9, 1},
           {"15061990", "15071999", 1, 9, 1},
           {"15061990", "15051999", 1, 8, 1},
           {"28021997", "28021999", 1, 2, 1},  // end of February, neither year leap
           {"28021996", "28021999", 1, 3, 1},
           {"29021996", "29022000", 1, 4, 0},  // to a leap year: the days compare
           {"28021999", "29022000", 1, 1, 1},
           {"01011999", "31121999", 0, 0, 0},
       }) {
    int anios = -7;
    int noExacto = 1;
    EXPECT_EQ(AniosEntreFechas(caso.desde, caso.hasta, anios, noExacto), caso.resultado)
        << std::string(caso.desde) << " " << std::string(caso.hasta);
    EXPECT_EQ(anios, caso.anios) << std::string(caso.desde) << " " << std::string(caso.hasta);
    EXPECT_EQ(noExacto, caso.noExacto) << std::string(caso.desde) << " " << std::string(caso.hasta);
  }
}

TEST(Fechas, AniosEntreFechasRehusaUnOrdenInversoOUnTextoQueNoEsFecha) {
  for (const auto& [desde, hasta] : std::vector<std::pair<std::string_view, std::string_view>>{
           {"01012000", "01011999"}, {"0101200", "01011999"}, {"01011990", ""}}) {
    int anios = -7;
    int noExacto = 0;
    EXPECT_EQ(AniosEntreFechas(desde, hasta, anios, noExacto), -1) << std::string(desde);
    EXPECT_EQ(anios, -7);
  }
}

std::string Bytes(const Texto<8>& texto) { return std::string(texto.caracteres, 8); }

TEST(FormateaValorComun, ElValorComunConComaDecimal) {
  EXPECT_EQ(Bytes(FormateaValorComun({1.25, 1.25, 1.25, -1.0})), std::string("1,25\0\0\0\0", 8));
  EXPECT_EQ(Bytes(FormateaValorComun({0.0, 0.0, 2.5, 2.5, -1.0})), std::string("2,5\0\0\0\0\0", 8));
  EXPECT_EQ(Bytes(FormateaValorComun({1.25, 0.0, 1.25, -1.0, 3.0})), std::string("1,25\0\0\0\0", 8));
  EXPECT_EQ(Bytes(FormateaValorComun({12345.678, -1.0})), std::string("12345,7\0", 8));
  EXPECT_EQ(Bytes(FormateaValorComun({100000.0})), std::string("100000\0\0", 8));
}

TEST(FormateaValorComun, ValoresDistintosDanVarios) {
  EXPECT_EQ(Bytes(FormateaValorComun({1.25, 1.5, -1.0})), std::string("VARIOS\0\0", 8));
  EXPECT_EQ(Bytes(FormateaValorComun({0.0, 2.0, 0.0, 3.0, -1.0})), std::string("VARIOS\0\0", 8));
}

TEST(FormateaValorComun, SinValorPositivoElCampoQuedaVacio) {
  EXPECT_EQ(Bytes(FormateaValorComun({0.0, 0.0, -1.0})), std::string(8, '\0'));
  EXPECT_EQ(Bytes(FormateaValorComun({})), std::string(8, '\0'));
  EXPECT_EQ(Bytes(FormateaValorComun({-3.0})), std::string(8, '\0'));
}

TEST(FormateaValorComun, UnValorGrandeNoPasaDeLosOchoBytes) {
  struct Bloque {
    unsigned char octetos[16];
  };
  static constexpr CampoTexto<Bloque, 8> indice{0};
  Bloque bloque{};
  pruebas::PonDouble(bloque, 8, 42.0);
  Escribe(&bloque, indice, FormateaValorComun({1234567.0, -1.0}));
  EXPECT_EQ(pruebas::DameTexto(bloque, 0, 8), "1,23457e");
  EXPECT_EQ(pruebas::DameDouble(bloque, 8), 42.0);
}

}  // namespace
}  // namespace ximardol
