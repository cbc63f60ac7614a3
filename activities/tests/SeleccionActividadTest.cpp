#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "ModulosPrueba.h"
#include "activities/SeleccionActividad.h"

namespace actividades::pruebas {
namespace {

// A window that accepts the activity of a sector code with one of its epigraphs, as a person choosing it would;
// it records what it was opened with.
struct SVentanaGuion {
  SVentanaGuion(std::string s, std::string e) : sector(std::move(s)), epigrafe(std::move(e)) {}
  std::string sector;
  std::string epigrafe;
  bool aceptar = true;
  std::int32_t idInicial = -1;
  std::string epigrafeInicial;
  std::uint16_t tipo = 0;
  int veces = 0;

  FVentanaActividad Funcion() {
    return [this](CCargaModulos& carga, std::int32_t id, CDatosMod& datos) {
      ++veces;
      idInicial = id;
      epigrafeInicial = carga.EpigrafeInicial();
      tipo = carga.DameTipoSeleccion();
      if (!aceptar) return false;
      for (const SEntradaActividad& e : carga.CargarActividades("cod_sector")) {
        if (e.sector == sector) carga.CargarDatosModulos(e.id, epigrafe, datos);
      }
      return true;
    };
  }
};

template <typename T>
T LeerEn(const unsigned char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

class SeleccionActividad : public CPruebaModulos {
 protected:
  std::array<unsigned char, kLargoFilaModulos> fila_{};
  unsigned char* Slot(int k) { return fila_.data() + FilaModulos::Modulos + k * FilaModulos::PasoModulo; }
};

TEST_F(SeleccionActividad, Elegir6594LlenaLosModulosYLosImportesDeLaFila) {
  SVentanaGuion ventana{"659.4", "659.4"};
  fila_[100] = 0x5A;  // an answer outside what the choice writes stays
  const int r = SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion());
  ASSERT_EQ(r, kSeleccionEscrita);
  EXPECT_EQ(ventana.tipo, kTipoSeleccionEpigrafe);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(fila_.data()), 5), "659.4");
  EXPECT_EQ(LeerEn<std::int32_t>(fila_.data() + FilaModulos::IdIae), 20);
  // The first module: its number, its texts, its amount and the reference amount of the second load.
  EXPECT_EQ(Slot(0)[FilaModulos::ModuloId], 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(Slot(0) + FilaModulos::ModuloCorta), "PERSONAL ASALARIADO");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Slot(0) + FilaModulos::Modulo15), 15), "PERS. ASALARIAD");
  EXPECT_EQ(LeerEn<double>(Slot(0) + FilaModulos::ModuloImporte), 111.5);
  EXPECT_EQ(LeerEn<double>(Slot(0) + FilaModulos::ModuloImporteReferencia), 11.25);
  EXPECT_EQ(Slot(1)[FilaModulos::ModuloId], 2);
  EXPECT_EQ(LeerEn<double>(Slot(1) + FilaModulos::ModuloImporte), 222.0);
  EXPECT_EQ(Slot(2)[FilaModulos::ModuloId], 0);
  EXPECT_EQ(LeerEn<double>(fila_.data() + FilaModulos::Maximo), 2000.0);
  EXPECT_EQ(LeerEn<double>(fila_.data() + FilaModulos::MaximoReferencia), 1800.0);
  for (const std::size_t o : {72u, 73u, 74u, 88u}) EXPECT_EQ(fila_[o], 0xFF) << o;
  EXPECT_EQ(fila_[100], 0x5A);
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(SeleccionActividad, CancelarNoEscribeNada) {
  std::memcpy(fila_.data(), "659.1", 5);
  const std::int32_t id = 10;
  std::memcpy(fila_.data() + FilaModulos::IdIae, &id, sizeof id);
  const auto antes = fila_;
  SVentanaGuion ventana{"659.4", "659.4"};
  ventana.aceptar = false;
  EXPECT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionSinCambios);
  EXPECT_EQ(fila_, antes);
  // The window opened on the row's activity and code.
  EXPECT_EQ(ventana.idInicial, 10);
  EXPECT_EQ(ventana.epigrafeInicial, "659.1");
}

TEST_F(SeleccionActividad, LaMismaActividadYCodigoNoCambianLaFila) {
  SVentanaGuion ventana{"659.4", "659.4"};
  ASSERT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionEscrita);
  const double unidades = 3.0;
  std::memcpy(Slot(0) + 40, &unidades, sizeof unidades);  // units the person entered since
  const auto antes = fila_;
  EXPECT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionSinCambios);
  EXPECT_EQ(fila_, antes);
}

TEST_F(SeleccionActividad, OtraActividadVaciaLosModulosAnteriores) {
  SVentanaGuion ventana{"659.4", "659.4"};
  ASSERT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionEscrita);
  ventana.sector = "659.1";
  ventana.epigrafe = "659.1";
  ASSERT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionEscrita);
  EXPECT_EQ(LeerEn<std::int32_t>(fila_.data() + FilaModulos::IdIae), 10);
  EXPECT_EQ(LeerEn<double>(Slot(0) + FilaModulos::ModuloImporte), 100.0);
  EXPECT_EQ(LeerEn<double>(Slot(0) + FilaModulos::ModuloImporteReferencia), 0.0);  // no reference rows
  EXPECT_EQ(Slot(1)[FilaModulos::ModuloId], 0);
  EXPECT_EQ(LeerEn<double>(Slot(1) + FilaModulos::ModuloImporte), 0.0);
}

TEST_F(SeleccionActividad, EleccionSinCodigoPideBorrar) {
  SVentanaGuion ventana{"659.4", "  .  "};
  const auto antes = fila_;
  EXPECT_EQ(SeleccionarEpigrafe(fila_, 5, &base_, 'e', ventana.Funcion()), kSeleccionBorrar);
  EXPECT_EQ(fila_, antes);
}

TEST(EscribirEpigrafe, NoPasaDeLosSieteHuecosNiDeLosAnchosDeTexto) {
  CDatosMod d;
  d.iae = std::make_unique<CDatosIae>();
  d.iae->id_iae = 85;
  std::memcpy(d.iae->epigrafe, "721.2", 6);
  d.irpf = std::make_unique<CDatosIrpf>();
  d.irpf->modulos = std::make_unique<CListaModulosDatos>();
  for (int i = 0; i < 9; ++i) {
    auto m = std::make_unique<CModulo>();
    m->id_modulo = 0x100 + i;  // only the low byte has room
    m->importe = i + 1;
    std::memset(m->des_corta, 'C', 25);
    d.irpf->modulos->push_back(std::move(m));
  }
  std::array<unsigned char, kLargoFilaModulos> fila{};
  const CDatosMod vacia;
  ASSERT_EQ(EscribirEpigrafeElegido(fila, 5, d, vacia), kSeleccionEscrita);
  const unsigned char* ultimo = fila.data() + FilaModulos::Modulos + 6 * FilaModulos::PasoModulo;
  EXPECT_EQ(ultimo[FilaModulos::ModuloId], 6);
  EXPECT_EQ(LeerEn<double>(ultimo + FilaModulos::ModuloImporte), 7.0);
  EXPECT_EQ(ultimo[FilaModulos::ModuloCorta + 23], 'C');
  EXPECT_EQ(ultimo[FilaModulos::Modulo15], 0);
  // A 12-character unit text fills its field without a terminator.
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(fila.data() + FilaModulos::Unidad), 12), "POR TERCEROS");
  EXPECT_EQ(fila[FilaModulos::Unidad + 12], 0);
  // Nothing past the seventh slot: the sums that follow stay 0.
  EXPECT_EQ(LeerEn<double>(fila.data() + 1352), 0.0);
}

class SeleccionSector : public CPruebaModulos {
 protected:
  std::array<unsigned char, kLargoFilaAgraria> fila_{};
};

TEST_F(SeleccionSector, OtroSectorVaciaLaFilaYElMismoLaConserva) {
  SVentanaGuion ventana{"011.1", ""};
  fila_[0] = '0';
  fila_[500] = 7;
  ASSERT_EQ(SeleccionarSector(fila_, &base_, 'e', ventana.Funcion()), kSeleccionEscrita);
  EXPECT_EQ(ventana.tipo, kTipoSeleccionClave);
  EXPECT_EQ(fila_[0], '0');
  EXPECT_EQ(LeerEn<std::int32_t>(fila_.data() + FilaAgraria::IdIae), 40);
  EXPECT_EQ(fila_[500], 7);  // the same sector keeps the rest of the row

  // A sector other than the row's clears the whole row first (the fixture's only other kind-5 row is made here).
  CDatosMod otra;
  otra.iae = std::make_unique<CDatosIae>();
  otra.iae->id_iae = 41;
  std::memcpy(otra.iae->cod_sector, "2", 2);
  ASSERT_EQ(EscribirSectorElegido(fila_, otra), kSeleccionEscrita);
  EXPECT_EQ(fila_[0], '2');
  EXPECT_EQ(LeerEn<std::int32_t>(fila_.data() + FilaAgraria::IdIae), 41);
  EXPECT_EQ(fila_[500], 0);
  for (const std::size_t o : {33u, 34u, 35u, 48u}) EXPECT_EQ(fila_[o], 0xFF) << o;
}

TEST_F(SeleccionSector, CancelarOElegirNadaNoEscribe) {
  fila_[0] = '1';
  const auto antes = fila_;
  SVentanaGuion ventana{"011.1", ""};
  ventana.aceptar = false;
  EXPECT_EQ(SeleccionarSector(fila_, &base_, 'e', ventana.Funcion()), kSeleccionSinCambios);
  EXPECT_EQ(ventana.epigrafeInicial, "1");
  ventana = SVentanaGuion{"999.9", ""};  // accepted without an activity
  EXPECT_EQ(SeleccionarSector(fila_, &base_, 'e', ventana.Funcion()), kSeleccionBorrar);
  EXPECT_EQ(fila_, antes);
}

}  // namespace
}  // namespace actividades::pruebas
