#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "activities/InfoActividadReglas.h"

namespace actividades {
namespace {

TEST(InfoActividad, VariantePorActividad) {
  EXPECT_EQ(VarianteInfoActividad(173), EVarianteInfo::B);
  EXPECT_EQ(VarianteInfoActividad(178), EVarianteInfo::B);
  EXPECT_EQ(VarianteInfoActividad(143), EVarianteInfo::D);
  EXPECT_EQ(VarianteInfoActividad(174), EVarianteInfo::C);
  EXPECT_EQ(VarianteInfoActividad(20), EVarianteInfo::A);
}

TEST(InfoActividad, LeerYEscribirConservanLosOchentaYOchoBytes) {
  std::array<unsigned char, kLargoInfoActividad> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7);
  const double pct = 25.5;
  std::memcpy(bytes.data(), &pct, sizeof pct);
  std::memcpy(bytes.data() + 8, "B12345678\0\0\0\0\0\0", 16);
  const SDatosInfoActividad d = LeerInfoActividad(bytes);
  EXPECT_EQ(d.porcentaje, 25.5);
  EXPECT_STREQ(d.nif, "B12345678");
  EXPECT_EQ(d.marca1, static_cast<unsigned char>(80 * 7));
  std::array<unsigned char, kLargoInfoActividad> vuelta = bytes;
  EscribirInfoActividad(d, vuelta);
  // Padding aside, every field goes back as it came.
  for (const std::size_t i : {0u, 8u, 24u, 32u, 40u, 41u, 42u, 48u, 56u, 64u, 72u, 80u, 81u}) {
    EXPECT_EQ(vuelta[i], bytes[i]) << i;
  }
}

TEST(InfoActividad, ChequeosAlSalirDeUnaCaja) {
  SDatosInfoActividad d;
  CInfoActividadReglas r(EVarianteInfo::A, d);
  d.porcentaje = 100;
  EXPECT_EQ(r.AlSalir(kIdPorcentaje).codigo, "100R072");
  d.porcentaje = 99.99;
  EXPECT_FALSE(r.AlSalir(kIdPorcentaje).Hay());
  d.dias = 180;
  EXPECT_FALSE(r.AlSalir(kIdDias).Hay());
  d.dias = 181;
  EXPECT_EQ(r.AlSalir(kIdDias).codigo, "100M002");
  EXPECT_EQ(d.dias, 0.0);
  d.anio = 2000;
  EXPECT_EQ(r.AlSalir(kIdAnio).codigo, "CVANO1");
  EXPECT_EQ(d.anio, 2000.0);  // kept, the focus goes back
  EXPECT_EQ(CInfoActividadReglas::AnioCompleto("99"), 1999.0);
  d.anio = 1998;
  d.dias = 30;
  EXPECT_EQ(r.AlSalir(kIdAnio).codigo, "100M003");
  EXPECT_EQ(d.anio, 0.0);
  d.municipio = 4;
  EXPECT_EQ(r.AlSalir(kIdMunicipio).codigo, "100R020");
  EXPECT_EQ(d.municipio, 0.0);

  SDatosInfoActividad e;
  CInfoActividadReglas variD(EVarianteInfo::D, e);
  e.municipio = 4;
  EXPECT_FALSE(variD.AlSalir(kIdMunicipio).Hay());
  e.municipio = 6;
  EXPECT_EQ(variD.AlSalir(kIdMunicipio).codigo, "100R021");
}

TEST(InfoActividad, CargaSoloConUnVehiculoYOkExigeLosDatos) {
  SDatosInfoActividad d;
  CInfoActividadReglas r(EVarianteInfo::A, d);
  d.local = 1;
  d.municipio = 2;
  d.vehiculos = 2;
  d.carga = 1;
  EXPECT_FALSE(r.CargaHabilitada());
  EXPECT_EQ(d.carga, 255);
  d.vehiculos = 1;
  EXPECT_TRUE(r.CargaHabilitada());
  EXPECT_EQ(r.ComprobarDatos().codigo, "100M001");  // one vehicle, load not answered
  d.carga = 0;
  EXPECT_FALSE(r.ComprobarDatos().Hay());
  d.porcentaje = 50;
  EXPECT_EQ(r.ComprobarDatos().codigo, "100M009");
  EXPECT_EQ(r.ComprobarDatos().foco, kIdNif);
  d.porcentaje = 0;
  std::memcpy(d.nif, "B1", 3);
  r.AlCambiarPorcentaje();
  EXPECT_STREQ(d.nif, "");

  SDatosInfoActividad b;
  EXPECT_EQ(CInfoActividadReglas(EVarianteInfo::B, b).ComprobarDatos().codigo, "100M008");
  SDatosInfoActividad c;
  EXPECT_EQ(CInfoActividadReglas(EVarianteInfo::C, c).ComprobarDatos().foco, kIdMunicipio);
}

TEST(InfoActividadAgraria, CajasPorTipoNifYPiensos) {
  struct SCaso {
    char tipo;
    bool medios, piensos, pregunta;
  };
  for (const SCaso c : {SCaso{'1', true, true, true}, SCaso{'2', false, true, false}, SCaso{'5', false, true, true},
                        SCaso{'3', false, false, false}, SCaso{'4', false, false, false},
                        SCaso{'6', false, false, false}, SCaso{'7', false, false, false}}) {
    SCOPED_TRACE(c.tipo);
    SDatosInfoActividadAgraria d;
    d.piensos = 1;
    CInfoAgrariaReglas r(c.tipo, d);
    EXPECT_EQ(r.MediosAjenosHabilitado(), c.medios);
    EXPECT_EQ(r.PiensosHabilitado(), c.piensos);
    EXPECT_EQ(r.PreguntarPiensos(), c.pregunta);
  }
  SDatosInfoActividadAgraria d;
  CInfoAgrariaReglas r('1', d);
  std::memcpy(d.nif, "B12345678", 9);
  EXPECT_FALSE(r.ActualizarNif());  // no percentage: no entity
  EXPECT_EQ(d.nif[0], '\0');
  d.porcentaje = 10;
  EXPECT_TRUE(r.ActualizarNif());
  EXPECT_EQ(r.ComprobarDatos().codigo, "100M009");
  d.nif[0] = ' ';
  EXPECT_EQ(r.ComprobarDatos().codigo, "100M009");
  std::memcpy(d.nif, "B12345678", 9);
  EXPECT_FALSE(r.ComprobarDatos().Hay());
}

TEST(InfoActividadAgraria, LeerYEscribirLosCuarentaBytes) {
  std::array<unsigned char, kLargoInfoAgraria> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 5 + 1);
  const double pct = 12.5;
  std::memcpy(bytes.data(), &pct, sizeof pct);
  const SDatosInfoActividadAgraria d = LeerInfoAgraria(bytes);
  EXPECT_EQ(d.porcentaje, 12.5);
  EXPECT_EQ(d.nif[8], static_cast<char>(16 * 5 + 1));
  EXPECT_EQ(d.piensos, 19 * 5 + 1);
  std::array<unsigned char, kLargoInfoAgraria> vuelta{};
  vuelta.fill(0xEE);
  EscribirInfoAgraria(d, vuelta);
  for (std::size_t i = 0; i < 33; ++i) {
    if (i >= 20 && i < 24) continue;  // padding
    EXPECT_EQ(vuelta[i], bytes[i]) << i;
  }
  EXPECT_EQ(vuelta[21], 0xEE);  // padding left alone
}

}  // namespace
}  // namespace actividades
