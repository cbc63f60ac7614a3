// The holder grids with joint amounts, the foreign income and the transitional reductions on simulated controls:
// the joint amounts against the individual ones, one entry per holder, the exclusive parts of the taxable base,
// the bytes of a block the grid does not show, and the checks of the reductions against the capital-income figures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DlgImportesConjuntos.h"
#include "dialogs/DlgReduccionesTransitorias.h"
#include "DialogoPrueba.h"
#include "framework/DialogoSimulado.h"
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
    this->dlg.PonerVariante(variante);
  }
};

void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }
double LeerDoble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

TEST(ImportesConjuntos, DobleImposicionGuardaLosOctetosQueNoMuestra) {
  CGuionMensajes guion;
  std::vector<unsigned char> bloque(96, 0);
  bloque[0] = 2;
  PonerDoble(bloque.data() + 8, 1234.0);
  for (std::size_t i = 80; i < 96; ++i) bloque[i] = static_cast<unsigned char>(0xA0 + i);
  const std::vector<unsigned char> antes = bloque;
  SDialogo<CDlgDeduccionDobleImposicion> d;
  ASSERT_TRUE(d.dlg.Recibir(bloque));
  EXPECT_FALSE(d.dlg.Recibir(std::vector<unsigned char>(80, 0)));
  d.Abrir();
  EXPECT_EQ(d.v.Texto(1662), "1.234");
  d.v.Enfocar(1249);
  EXPECT_FALSE(d.v.Texto(kIdAyudaTitularOtra).empty());
  d.v.Enfocar(1690 - 0);  // entry 2 is not in use: its amount cell is closed
  EXPECT_FALSE(d.v.Habilitado(1690));
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  d.dlg.Devolver(bloque);
  EXPECT_EQ(bloque, antes);
}

TEST(ImportesConjuntos, DevolucionesIndividualesOConjunta) {
  CGuionMensajes guion;
  SDialogo<CDlgDevolucionesAcordadas> d;
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(CDlgDevolucionesAcordadas::kIdConjunta));
  // A joint amount closes the holders; erased to 0 it opens them again.
  d.v.Enfocar(CDlgDevolucionesAcordadas::kIdConjunta);
  d.v.Escribir(CDlgDevolucionesAcordadas::kIdConjunta, "5000");
  d.v.Enfocar(1314);
  EXPECT_DOUBLE_EQ(d.dlg.Conjunta(), 5000.0);
  EXPECT_FALSE(d.v.Habilitado(1314));
  EXPECT_FALSE(d.v.Habilitado(1301));
  d.v.Enfocar(CDlgDevolucionesAcordadas::kIdConjunta);
  d.v.Escribir(CDlgDevolucionesAcordadas::kIdConjunta, "");
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_TRUE(d.v.Habilitado(1314));
  // One holder entered closes the joint amount; the same holder again in the second entry is taken back.
  d.v.Enfocar(1314);
  d.v.Escribir(1314, "D");
  d.v.Enfocar(1288);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_FALSE(d.v.Habilitado(CDlgDevolucionesAcordadas::kIdConjunta));
  // Typed as a person types it: the holder cell takes the letter at once.
  d.v.Enfocar(1288);
  d.v.Teclear(1288, "D");
  EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
  EXPECT_EQ(d.v.Texto(1288), "");
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(ImportesConjuntos, CeutaMelillaSumaConjuntaYLaTecleadaSeQueda) {
  CGuionMensajes guion;
  SDialogo<CDlgCeutaMelilla> d;
  d.dlg.m_recibido[0] = Entrada(2, {0, 0});
  d.dlg.m_recibido[1] = Entrada(3, {0, 0});
  d.dlg.m_restoRecibido.assign(16, 0);
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(CDlgCeutaMelilla::kIdConjuntaEspecial));
  EXPECT_TRUE(d.v.Habilitado(CDlgCeutaMelilla::kIdConjuntaGeneral));
  d.v.Enfocar(1271);
  d.v.Escribir(1271, "100");
  d.v.Enfocar(1272);
  d.v.Escribir(1272, "200");
  d.v.Enfocar(1200);
  EXPECT_EQ(d.v.Texto(CDlgCeutaMelilla::kIdConjuntaGeneral), "300");
  // A lower joint amount typed over the sum stays while the individual amounts do not change.
  d.v.Enfocar(CDlgCeutaMelilla::kIdConjuntaGeneral);
  d.v.Escribir(CDlgCeutaMelilla::kIdConjuntaGeneral, "250");
  d.v.Enfocar(1271);
  d.v.Enfocar(1200);
  EXPECT_DOUBLE_EQ(d.dlg.ConjuntaGeneral(), 250.0);
  // A negative special-part amount is taken, and the joint special amount follows it.
  d.v.Escribir(1200, "-40");
  d.v.Enfocar(1207);
  EXPECT_DOUBLE_EQ(d.dlg.ConjuntaEspecial(), -40.0);
  EXPECT_DOUBLE_EQ(d.dlg.ConjuntaGeneral(), 250.0);
  d.v.Enfocar(1272);
  d.v.Escribir(1272, "300");
  d.v.Enfocar(1271);
  EXPECT_DOUBLE_EQ(d.dlg.ConjuntaGeneral(), 400.0);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_restoRecibido.data()), 400.0);

  // The declarant of a joint family: the joint amounts show 0 and cannot be edited.
  SDialogo<CDlgCeutaMelilla> miembro(0, Familia(2));
  miembro.dlg.m_recibido[0] = Entrada(2, {10, 0});
  miembro.dlg.m_restoRecibido.assign(16, 0);
  PonerDoble(miembro.dlg.m_restoRecibido.data(), 999.0);
  miembro.Abrir();
  EXPECT_EQ(miembro.v.Texto(CDlgCeutaMelilla::kIdConjuntaGeneral), "");
  EXPECT_FALSE(miembro.v.Habilitado(CDlgCeutaMelilla::kIdConjuntaGeneral));
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(ImportesConjuntos, RentasExtranjeroParteGeneralOEspecial) {
  CGuionMensajes guion;
  SDialogo<CDlgRentasExtranjero> d;
  d.dlg.m_recibido[0] = Entrada(2, {500, 0, 10});
  d.dlg.m_recibido[1] = Entrada(3, {0, 700, 0});
  d.dlg.m_recibido[2] = Entrada(4, {0, 0, 0});
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(1271));
  EXPECT_FALSE(d.v.Habilitado(1200));
  EXPECT_FALSE(d.v.Habilitado(1272));
  EXPECT_TRUE(d.v.Habilitado(1207));
  EXPECT_TRUE(d.v.Habilitado(1274));
  EXPECT_TRUE(d.v.Habilitado(1215));
  // Clearing the general part and leaving it opens the special part again.
  d.v.Enfocar(1271);
  d.v.Escribir(1271, "");
  d.v.Enfocar(1201);
  EXPECT_TRUE(d.v.Habilitado(1200));
  // Typing in a part closes the other one of the same entry.
  d.v.Enfocar(1274);
  d.v.Escribir(1274, "5");
  EXPECT_FALSE(d.v.Habilitado(1215));
  EXPECT_TRUE(d.v.Habilitado(1200));
  EXPECT_TRUE(guion.Codigos().empty());
}

// ---- transitional reductions ----

struct SCasoReduccion {
  int p;
  std::vector<SEntradaTitular> entradas;
  std::vector<std::pair<std::size_t, double>> cifras;  // offsets of the capital-income block
  std::vector<std::string> codigos;
  int respuesta = marco::kBotonCorregir;
  bool acepta = false;
};

TEST(ReduccionesTransitorias, ComprobacionesPorClase) {
  const std::vector<SCasoReduccion> casos = {
      // Kind 1: within Redondear(0.7 x figure + 10).
      {1, {Entrada(2, {710})}, {{1248, 1000}}, {}, marco::kBotonCorregir, true},
      {1, {Entrada(2, {711})}, {{1248, 1000}}, {"100V137"}},
      {1, {Entrada(2, {711})}, {{1248, 1000}}, {"100V137"}, marco::kBotonContinuar, true},
      // A common entry: half of it the declarant's.
      {1, {Entrada(1, {1000})}, {{1248, 400}, {1256, 100000}}, {"100V137"}},
      // Signs: an amount without a figure, a negative amount with a positive figure.
      {1, {Entrada(2, {5})}, {}, {"100V137"}},
      {1, {Entrada(3, {-5})}, {{1256, 100}}, {"100V137"}},
      {1, {Entrada(5, {100})}, {{1272, 1000}}, {}, marco::kBotonCorregir, true},
      // Kind 2: the first pass, the second pass.
      {2, {Entrada(3, {300})}, {{744, 1000}, {760, 200}}, {"100V145"}},
      {2, {Entrada(3, {300})}, {{744, 1000}, {760, 200}}, {"100V145"}, marco::kBotonContinuar, true},
      // Passed over in the first pass, and a total figure above the amounts: nothing more.
      {2, {Entrada(3, {300})}, {{744, 1000}}, {"100V145"}, marco::kBotonContinuar, true},
      {2, {Entrada(2, {300}), Entrada(3, {300})}, {{744, 500}, {752, 1000}, {760, 1000}}, {"100V145"}},
      {2, {Entrada(3, {300})}, {{760, 1000}}, {"100V145"}},
      {2, {Entrada(3, {300})}, {{744, 1000}, {760, 300}}, {}, marco::kBotonCorregir, true},
      // Kind 3: nothing is tested.
      {3, {Entrada(2, {1000000})}, {}, {}, marco::kBotonCorregir, true},
  };
  for (std::size_t n = 0; n < casos.size(); ++n) {
    const SCasoReduccion& c = casos[n];
    CGuionMensajes guion({}, c.respuesta);
    SDialogo<CDlgReduccionesTransitorias> d(c.p);
    for (std::size_t i = 0; i < c.entradas.size(); ++i) d.dlg.m_recibido[i] = c.entradas[i];
    for (const auto& [desp, v] : c.cifras) PonerDoble(d.dlg.m_capital.octetos + desp, v);
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), c.acepta ? marco::kIdAceptar : 0) << n;
    EXPECT_EQ(guion.Codigos(), c.codigos) << n;
  }
}

TEST(ReduccionesTransitorias, NegativosSoloEnLasClasesUnoYNueve) {
  CGuionMensajes guion;
  for (const int p : {1, 2, 9}) {
    SDialogo<CDlgReduccionesTransitorias> d(p);
    d.dlg.m_recibido[0] = Entrada(2, {0});
    d.Abrir();
    d.v.Enfocar(1199);
    d.v.Escribir(1199, "-50");
    d.v.Enfocar(1273);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], p == 2 ? 0.0 : -50.0) << p;
  }
}

}  // namespace
}  // namespace dialogos
