// The holder-and-amount details on simulated controls: the research and development deduction by the box's
// parameter, the outside-financing columns of the adaptation works, the year-of-birth checks of the conservation of
// the cultural heritage, the headings chosen by the box's parameter, the joint amount of international fiscal
// transparency and the single amount of university studies.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DlgDetallesTitular.h"
#include "DialogoPrueba.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;
using pruebas::Entrada;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, true}; }

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(int variante = 0, marco::SEntornoDialogo entorno = Familia())
      : pruebas::SDialogoSimulado<TDialogo>(entorno) {
    this->dlg.PonerColumnaConyuge(entorno.HayConyugeOHijo() ? 1 : 0);
    if constexpr (requires { this->dlg.PonerVariante(variante); }) this->dlg.PonerVariante(variante);
  }
};

void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }
double LeerDoble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

TEST(DetallesTitular, DeduccionModalidadIDRedondeaAUnidades) {
  struct SCaso {
    double fijos, intangibles, deduccion;
  };
  for (const SCaso c : {SCaso{1000, 1000, 750}, SCaso{1, 0, 0}, SCaso{0, 5, 2}, SCaso{10, 0, 5}, SCaso{0, 0, 0}}) {
    EXPECT_DOUBLE_EQ(DeduccionModalidadID(c.fijos, c.intangibles), c.deduccion) << c.fijos << " " << c.intangibles;
  }
}

TEST(DetallesTitular, ModalidadIDCalculaSoloConParametro1) {
  struct SCaso {
    int parametro;
    const char* intangibles;
    const char* fijos;
    double deduccionRecibida;
    double deduccion;
  };
  // With another parameter the deduction as it came stays: it is closed once the first field is left and never
  // computed.
  for (const SCaso c : {SCaso{1, "1000", "1000", 0.0, 750.0}, SCaso{1, "0", "1", 0.0, 0.0},
                        SCaso{1, "0", "1", 500.0, 0.0}, SCaso{2, "1000", "1000", 500.0, 500.0}}) {
    SCOPED_TRACE(c.parametro);
    CGuionMensajes guion;
    SDialogo<CDlgModalidadID> d(c.parametro);
    d.dlg.m_recibido[0] = Entrada(2, {0, 0, c.deduccionRecibida});
    d.dlg.m_recibido[1] = Entrada(3, {});
    d.Abrir();
    // The second entry's deduction is never typed; the first one's until a field is left.
    EXPECT_TRUE(d.v.Habilitado(1781));
    EXPECT_FALSE(d.v.Habilitado(1782));
    d.Teclear(1785, c.intangibles);
    d.Teclear(1787, c.fijos);
    d.v.Enfocar(1786);
    EXPECT_FALSE(d.v.Habilitado(1781));
    EXPECT_FALSE(d.v.Habilitado(1782));
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[2], c.deduccion);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[2], c.deduccion);
  }
}

TEST(DetallesTitular, ObrasMinusvalidosCierraLasColumnasContrariasDeSuEntrada) {
  CGuionMensajes guion;
  std::vector<unsigned char> bloque(192, 0);
  bloque[0] = 2;
  bloque[32] = 3;
  for (std::size_t i = 96; i < 192; ++i) bloque[i] = static_cast<unsigned char>(i);
  SDialogo<CDlgObrasMinusvalidos> d;
  ASSERT_TRUE(d.dlg.Recibir(bloque));
  d.Abrir();
  // The third entry has no holder: nothing of it is open.
  for (int id : {1244, 1246, 1249}) EXPECT_FALSE(d.v.Habilitado(id));
  d.Teclear(1248, "500");
  EXPECT_FALSE(d.v.Habilitado(1243));
  EXPECT_FALSE(d.v.Habilitado(1245));
  EXPECT_TRUE(d.v.Habilitado(1242));
  EXPECT_TRUE(d.v.Habilitado(1241));
  EXPECT_TRUE(d.v.Habilitado(1247));
  // Outside financing in the first entry closes its column without it.
  d.Teclear(1242, "100");
  EXPECT_FALSE(d.v.Habilitado(1247));
  d.v.Enfocar(1238);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  d.dlg.Devolver(bloque);
  EXPECT_DOUBLE_EQ(LeerDoble(bloque.data() + 8), 100.0);
  EXPECT_DOUBLE_EQ(LeerDoble(bloque.data() + 32 + 24), 500.0);
  for (std::size_t i = 96; i < 192; ++i) EXPECT_EQ(bloque[i], static_cast<unsigned char>(i));
}

TEST(DetallesTitular, ConservacionPatrimonioComprueba1968Y1964) {
  struct SCaso {
    int parametro;
    int anioDeclarante;
    int anioConyuge;
    std::uint8_t titular;
    const char* codigo;  // "" passes
  };
  const SCaso casos[] = {
      {7, 1967, 1970, 1, "100R151"}, {7, 1967, 1970, 2, "100R151"}, {7, 1967, 1970, 3, ""},
      {7, 1967, 1960, 3, "100R151"}, {7, 1968, 1968, 1, ""},        {8, 1963, 1970, 2, "100R153"},
      {8, 1965, 1963, 1, "100R153"}, {8, 1965, 1970, 1, ""},        {9, 1900, 1900, 1, ""},
      {7, 0, 0, 1, ""},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(std::to_string(c.parametro) + " " + std::to_string(c.anioDeclarante) + " " +
                 std::to_string(c.anioConyuge) + " " + std::to_string(c.titular));
    CGuionMensajes guion;
    SDialogo<CDlgConservacionPatrimonio> d(c.parametro);
    d.dlg.m_nAnioDeclarante = c.anioDeclarante;
    d.dlg.m_nAnioConyuge = c.anioConyuge;
    d.dlg.m_recibido[0] = Entrada(c.titular, {1000});
    d.Abrir();
    const bool pasa = *c.codigo == '\0';
    EXPECT_EQ(d.Aceptar(), pasa ? marco::kIdAceptar : 0);
    if (pasa) {
      EXPECT_TRUE(guion.Codigos().empty());
    } else {
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{c.codigo});
      EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
    }
  }
}

TEST(DetallesTitular, CabecerasSegunElParametro) {
  CGuionMensajes guion;
  for (const auto& [parametro, texto] :
       std::vector<std::pair<int, std::string>>{{0, "Importe"}, {20, "Rendimientos\nen Canarias"},
                                                {5, "Importe\nDeducci\xF3n"}}) {
    SDialogo<CDlgTransparenciaFiscal> d(parametro);
    d.Abrir();
    EXPECT_EQ(d.v.Texto(CDlgTransparenciaFiscal::kIdCabeceraImporte), texto) << parametro;
  }
  SDialogo<CDlgConservacionPatrimonio> d(9);
  d.Abrir();
  EXPECT_EQ(d.v.Texto(CDlgConservacionPatrimonio::kIdCabeceraImporte), "Cantidades\nSatisfechas");
}

TEST(DetallesTitular, TransparenciaFiscalConjuntaSigueALasIndividuales) {
  CGuionMensajes guion;
  SDialogo<CDlgTransparenciaFiscal2> d;
  d.dlg.m_recibido[0] = Entrada(2, {});
  d.dlg.m_recibido[1] = Entrada(3, {});
  d.dlg.m_restoRecibido.assign(8, 0);
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(CDlgTransparenciaFiscal2::kIdConjunta));
  d.Teclear(1282, "100");
  d.Teclear(1293, "200");
  d.v.Enfocar(1314);
  EXPECT_DOUBLE_EQ(d.dlg.Conjunta(), 300.0);
  // Typed over, the joint amount stays until an individual amount changes.
  d.Teclear(CDlgTransparenciaFiscal2::kIdConjunta, "250");
  d.v.Enfocar(1282);
  d.v.Enfocar(1314);
  EXPECT_DOUBLE_EQ(d.dlg.Conjunta(), 250.0);
  d.Teclear(1282, "150");
  d.v.Enfocar(1314);
  EXPECT_DOUBLE_EQ(d.dlg.Conjunta(), 350.0);
  // Both individual amounts cleared: leaving a holder box sets it to 0.
  d.Teclear(1282, "");
  d.Teclear(1293, "");
  d.Teclear(CDlgTransparenciaFiscal2::kIdConjunta, "999");
  d.v.Enfocar(1314);
  d.v.Enfocar(1288);
  EXPECT_DOUBLE_EQ(d.dlg.Conjunta(), 0.0);
}

TEST(DetallesTitular, TransparenciaFiscalDelDeclaranteSinConjunta) {
  CGuionMensajes guion;
  std::vector<unsigned char> bloque(40, 0);
  bloque[0] = 2;
  PonerDoble(bloque.data() + 8, 100.0);
  PonerDoble(bloque.data() + 32, 777.0);
  SDialogo<CDlgTransparenciaFiscal2> d(0, {2, false, false, false});
  ASSERT_TRUE(d.dlg.Recibir(bloque));
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(CDlgTransparenciaFiscal2::kIdConjunta));
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  d.dlg.Devolver(bloque);
  EXPECT_DOUBLE_EQ(LeerDoble(bloque.data() + 32), 0.0);
  EXPECT_DOUBLE_EQ(LeerDoble(bloque.data() + 8), 100.0);
}

TEST(DetallesTitular, ImporteEstudiosGuardaElRestoYSeBloquea) {
  CGuionMensajes guion;
  {
    SDialogo<CDlgImporteEstudios> d;
    for (std::size_t i = 8; i < 24; ++i) d.dlg.m_recibido[i] = static_cast<unsigned char>(0xC0 + i);
    d.Abrir();
    d.Teclear(CDlgImporteEstudios::kIdImporte, "12345");
    d.v.Enfocar(0);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_recibido.data()), 12345.0);
    for (std::size_t i = 8; i < 24; ++i) EXPECT_EQ(d.dlg.m_recibido[i], static_cast<unsigned char>(0xC0 + i));
  }
  {
    // The declarant's view of a joint declaration: read-only, OK closes as Cancel and nothing changes.
    SDialogo<CDlgImporteEstudios> d(0, Familia(2));
    PonerDoble(d.dlg.m_recibido.data(), 50.0);
    d.Abrir();
    EXPECT_FALSE(d.v.Habilitado(CDlgImporteEstudios::kIdImporte));
    EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
    EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_recibido.data()), 50.0);
  }
  {
    // A typed text that is not an amount leaves the old value.
    SDialogo<CDlgImporteEstudios> d;
    d.Abrir();
    d.Teclear(CDlgImporteEstudios::kIdImporte, "12345678901");
    d.v.Enfocar(0);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_recibido.data()), 0.0);
  }
}

TEST(DetallesTitular, RegistradosConElTamanoDeSuBloque) {
  RegistrarDlgDetallesTitular();
  const std::pair<std::string_view, std::size_t> nombres[] = {
      {kVentanaModalidadID, 64},           {kVentanaObrasMinusvalidos, 192}, {kVentanaImportesTitular, 16},
      {kVentanaTransparenciaFiscal, 32},   {kVentanaConservacionPatrimonio, 48},
      {kVentanaCantidadesTitular, 72},     {kVentanaTransparenciaFiscal2, 40}, {kVentanaImporteEstudios, 24}};
  for (const auto& [nombre, tamano] : nombres) {
    const marco::SDialogoDetalle* d = marco::BuscarDialogoDetalle(nombre);
    ASSERT_NE(d, nullptr) << nombre;
    EXPECT_EQ(d->tamanoBloque, tamano) << nombre;
    EXPECT_TRUE(marco::DialogoDetalleAbre(nombre)) << nombre;
    // A block of another size is never run.
    std::vector<unsigned char> corto(tamano - 1, 0);
    marco::SPeticionDetalle p;
    p.bloque = corto;
    EXPECT_EQ(d->abrir(p), marco::kDialogoCancelado) << nombre;
  }
}

}  // namespace
}  // namespace dialogos
