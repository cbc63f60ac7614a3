// The 'M' box edits without a window: the edit the factory gives each box, the dialog each module opens and what
// OK and Cancel leave in the module entry, the typed quantity that clears the dialog's facts, Delete, the modules
// that turn into plain amounts, and the product boxes with their dialogs and preset indexes.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "activities/DlgModulos.h"
#include "activities/DlgProductos.h"
#include "activities/EditsModulos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"

namespace actividades {
namespace {

constexpr std::size_t kEntrada0 = 120;  // the first module entry of the activity row

template <typename T>
void Escribir(unsigned char* p, T v) {
  std::memcpy(p, &v, sizeof v);
}
template <typename T>
T Leer(const unsigned char* p) {
  T v{};
  std::memcpy(&v, p, sizeof v);
  return v;
}

// What the dialog runner saw, and how it answers.
struct SEjecutor {
  int veces = 0;
  int recurso = 0;
  std::string titulo;
  double diasRecibidos = -1.0;
  double cantidad = 2.5;
  int respuesta = marco::kIdAceptar;
  ValoresProducto valoresRecibidos{};
  FEjecutarDialogo Funcion() {
    return [this](marco::CTemplateDlg& dlg) {
      ++veces;
      recurso = dlg.IdRecurso();
      titulo = dlg.Titulo();
      if (auto* m = dynamic_cast<CDlgModulo*>(&dlg)) {
        diasRecibidos = m->m_entrada.dias;
        m->m_entrada.cantidad = cantidad;
        m->m_entrada.detalle[0] = 9.0;
      }
      if (auto* p = dynamic_cast<CDlgProducto*>(&dlg)) {
        valoresRecibidos = p->m_valores;
        p->m_valores[0] = 1000.0;
      }
      return respuesta;
    };
  }
};

class EditsModulos : public ::testing::Test {
 protected:
  void SetUp() override {
    Escribir<std::int32_t>(fila_.data() + RegistroModulos::ClaveActividad, 20);
    Escribir<double>(fila_.data() + RegistroModulos::DiasActividad, 200.0);
    campo_.StrValidac = "M7.2";
    campo_.LeerMascara(marco::kMonedaPesetas);
    campo_.Dato = Entrada() + 40;
    campo_.Enlace = &enlace_;
    enlace_.entrada = Entrada();
    enlace_.registro = fila_.data();
  }
  unsigned char* Entrada() { return fila_.data() + kEntrada0; }
  void Modulo(int modulo) {
    Entrada()[0] = static_cast<unsigned char>(modulo);
    std::memcpy(Entrada() + 25, "LOCAL          ", 15);
  }
  SEntradaModulo LaEntrada() { return LeerEntradaModulo(Entrada()); }
  void Teclear(marco::CEditEx& edit, std::string_view texto) {
    for (const char c : texto) edit.AlCaracter(static_cast<unsigned char>(c));
  }

  marco::CGuionMensajes guion_;
  std::array<unsigned char, 1560> fila_{};
  SEnlaceModulo enlace_;
  marco::CCampo campo_;
};

TEST_F(EditsModulos, LaFabricaDaACadaCajaMSuEdit) {
  marco::CFabricaEdit fabrica;
  RegistrarEditsModulos(fabrica);
  Modulo(1);
  auto edit = fabrica.Crear(campo_);
  auto* empre = dynamic_cast<CModsEmpreEdit*>(edit.get());
  ASSERT_NE(empre, nullptr);
  EXPECT_EQ(empre->Modulo(), 1);
  SEjecutor ejecutor;
  empre->PonerEjecutor(ejecutor.Funcion());
  EXPECT_EQ(empre->AbrirDialogoModulo(), 1);
  EXPECT_EQ(ejecutor.recurso, kRecursoModuloAsalariados);

  // A module-3 box is a plain amount: no dialog, the typed quantity goes in.
  Modulo(3);
  auto plano = fabrica.Crear(campo_);
  auto* empre3 = dynamic_cast<CModsEmpreEdit*>(plano.get());
  ASSERT_NE(empre3, nullptr);
  EXPECT_EQ(empre3->Modulo(), -1);
  empre3->PonerEjecutor(ejecutor.Funcion());
  Teclear(*empre3, "12,5");
  EXPECT_EQ(empre3->Texto(), "12,5");
  empre3->GuardarValor();
  EXPECT_DOUBLE_EQ(LaEntrada().cantidad, 12.5);
  EXPECT_EQ(ejecutor.veces, 1);

  // m = 1: the product edit.
  campo_.Repeticion = 1;
  EXPECT_NE(dynamic_cast<CModsProductoEdit*>(fabrica.Crear(campo_).get()), nullptr);
}

TEST_F(EditsModulos, OkEscribeLaEntradaYAvisaALaPagina) {
  Modulo(8);
  SEntradaModulo e = LaEntrada();
  e.valor152 = 7.0;
  EscribirEntradaModulo(e, Entrada());
  CModsEmpreEdit edit(campo_);
  SEjecutor ejecutor;
  edit.PonerEjecutor(ejecutor.Funcion());
  EXPECT_EQ(edit.AbrirDialogoModulo(), 1);
  EXPECT_EQ(ejecutor.recurso, kRecursoModuloUnidades);
  EXPECT_EQ(ejecutor.titulo, "LOCAL");
  EXPECT_DOUBLE_EQ(ejecutor.diasRecibidos, 200.0);  // the activity's days
  EXPECT_EQ(edit.ClaveActividad(), 20);
  EXPECT_DOUBLE_EQ(LaEntrada().cantidad, 2.5);
  EXPECT_DOUBLE_EQ(LaEntrada().dias, 200.0);
  EXPECT_DOUBLE_EQ(LaEntrada().valor152, 7.0);
  EXPECT_EQ(edit.Texto(), "2,5");
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), marco::kAvisoValorFijado);

  // Cancel leaves the entry as it was.
  ejecutor.respuesta = marco::kIdCancelar;
  ejecutor.cantidad = 99.0;
  EXPECT_EQ(edit.AbrirDialogoModulo(), 2);
  EXPECT_DOUBLE_EQ(LaEntrada().cantidad, 2.5);
}

TEST_F(EditsModulos, ElAumentoDePlantillaEligeElDialogoDeDosAnios) {
  for (const std::uint8_t aumento : {std::uint8_t{1}, std::uint8_t{0}, std::uint8_t{2}}) {
    fila_[RegistroModulos::AumentoPlantilla] = aumento;
    Modulo(16);
    CModsEmpreEdit edit(campo_);
    SEjecutor ejecutor;
    edit.PonerEjecutor(ejecutor.Funcion());
    edit.AbrirDialogoModulo();
    EXPECT_EQ(ejecutor.recurso, aumento == 1 ? kRecursoModuloAsalariados2 : kRecursoModuloAsalariados);
  }
}

TEST_F(EditsModulos, TeclearEnUnModuloSoloPorDialogoAbreElDialogo) {
  Modulo(1);
  CModsEmpreEdit edit(campo_);
  SEjecutor ejecutor;
  ejecutor.respuesta = marco::kIdCancelar;
  edit.PonerEjecutor(ejecutor.Funcion());
  Teclear(edit, "5");
  EXPECT_EQ(ejecutor.veces, 1);
  EXPECT_EQ(edit.Texto(), "");
}

TEST_F(EditsModulos, UnaCantidadTecleadaBorraElDetalle) {
  Modulo(8);
  SEntradaModulo e = LaEntrada();
  e.detalle = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  e.dias = 150.0;
  e.valor152 = 1.0;
  e.valor160 = 2.0;
  e.valor168 = 3.0;
  EscribirEntradaModulo(e, Entrada());
  CModsEmpreEdit edit(campo_);
  SEjecutor ejecutor;
  edit.PonerEjecutor(ejecutor.Funcion());
  Teclear(edit, "4");
  EXPECT_EQ(ejecutor.veces, 0);
  EXPECT_EQ(edit.Texto(), "4");
  const SEntradaModulo despues = LaEntrada();
  for (const double d : despues.detalle) EXPECT_EQ(d, 0.0);
  EXPECT_EQ(despues.dias, 150.0);
  EXPECT_EQ(despues.valor152, 1.0);
  EXPECT_EQ(despues.valor160, 2.0);
  EXPECT_EQ(despues.valor168, 3.0);
}

TEST_F(EditsModulos, SuprimirSegunElModulo) {
  struct SCaso {
    int modulo;
    double cantidad;
    double valor168;
  };
  for (const SCaso& c : {SCaso{21, 0.0, 0.0}, SCaso{8, 6.0, 3.0}}) {
    SCOPED_TRACE(c.modulo);
    Modulo(c.modulo);
    SEntradaModulo e = LaEntrada();
    e.cantidad = 6.0;
    e.detalle.fill(1.0);
    e.valor168 = 3.0;
    EscribirEntradaModulo(e, Entrada());
    CModsEmpreEdit edit(campo_);
    edit.MostrarValor(0);
    edit.AlPulsarTecla(marco::kTeclaSuprimir);
    const SEntradaModulo despues = LaEntrada();
    EXPECT_EQ(despues.cantidad, c.cantidad);
    EXPECT_EQ(despues.valor168, c.valor168);
    for (const double d : despues.detalle) EXPECT_EQ(d, 0.0);
  }
}

TEST_F(EditsModulos, UnModuloSinDialogoSeVuelvePlano) {
  Modulo(22);
  CModsEmpreEdit edit(campo_);
  EXPECT_EQ(edit.Modulo(), 22);
  SEjecutor ejecutor;
  edit.PonerEjecutor(ejecutor.Funcion());
  EXPECT_EQ(edit.AbrirDialogoModulo(), 2);
  EXPECT_EQ(edit.Modulo(), -1);
  EXPECT_EQ(edit.AbrirDialogoModulo(), 2);
  EXPECT_EQ(ejecutor.veces, 0);
  EXPECT_EQ(CModsEmpreEdit::ValidarModulo(54), -1);
  EXPECT_EQ(CModsEmpreEdit::ValidarModulo(57), 57);
}

TEST_F(EditsModulos, SinEnlaceNoSeAbreNada) {
  campo_.Enlace = nullptr;
  CModsEmpreEdit edit(campo_);
  EXPECT_EQ(edit.Modulo(), -1);
  campo_.Repeticion = 1;
  CModsProductoEdit producto(campo_);
  EXPECT_EQ(producto.AbrirDialogoProducto(), 1);
  EXPECT_EQ(guion_.Veces(std::string(marco::kMensajeSinDetalle)), 1);
}

TEST_F(EditsModulos, VistaDeUnMiembroConConyuge) {
  const std::int32_t sujeto = marco::kSujetoDeclarante;
  const std::int32_t presentes[5] = {1, 1, 1, 0, 0};
  marco::PublicarSujetoActual(&sujeto);
  marco::PublicarSujetosPresentes(presentes);
  Modulo(3);
  CModsEmpreEdit plano(campo_);
  Teclear(plano, "7");
  EXPECT_EQ(plano.Texto(), "");
  EXPECT_EQ(guion_.Veces("WINR007"), 1);

  // A product box refuses typing silently; its button opens the dialog read-only after WIN007.
  std::array<unsigned char, 2064> agraria{};
  std::array<double, 21> valores{};
  SEnlaceModulo enlace{reinterpret_cast<unsigned char*>(valores.data()), 0, 4, agraria.data()};
  campo_.Enlace = &enlace;
  campo_.Dato = valores.data();
  campo_.Repeticion = 1;
  CModsProductoEdit producto(campo_);
  SEjecutor ejecutor;
  ejecutor.respuesta = marco::kIdCancelar;
  producto.PonerEjecutor(ejecutor.Funcion());
  Teclear(producto, "7");
  EXPECT_EQ(ejecutor.veces, 0);
  EXPECT_EQ(producto.AbrirDialogoProducto(), 1);
  EXPECT_EQ(ejecutor.veces, 1);
  EXPECT_EQ(guion_.Veces("WIN007"), 1);
  marco::PublicarSujetoActual(nullptr);
  marco::PublicarSujetosPresentes(nullptr);
}

TEST_F(EditsModulos, LaCajaDeProductoAbreSuDialogoConElIndice) {
  struct SCaso {
    int producto;
    unsigned char clase;
    std::int32_t codigo;
    int recurso;
    std::size_t celdaIndice;
    double indice;
  };
  const SCaso casos[] = {
      {2, '1', 222, kRecursoRestoProductos, 1, 0.13},
      {2, '1', 30, kRecursoRestoProductos, 1, 0.23},
      {8, '6', 3, kRecursoRestoProductos, 11, 0.37},
      {8, '2', 7, kRecursoProductosTierras, 11, 0.47},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.producto);
    std::array<unsigned char, 2064> agraria{};
    agraria[RegistroAgrario::Clase] = c.clase;
    Escribir<std::int32_t>(agraria.data() + RegistroAgrario::CodigoActividad, c.codigo);
    std::array<double, 21> valores{};
    valores[20] = 55.0;
    SEnlaceModulo enlace{reinterpret_cast<unsigned char*>(valores.data()), 1, c.producto, agraria.data()};
    campo_.Enlace = &enlace;
    campo_.Dato = valores.data();
    campo_.Repeticion = 1;
    CModsProductoEdit edit(campo_);
    SEjecutor ejecutor;
    edit.PonerEjecutor(ejecutor.Funcion());
    Teclear(edit, "3");
    EXPECT_EQ(ejecutor.veces, 1);
    EXPECT_EQ(ejecutor.recurso, c.recurso);
    EXPECT_EQ(ejecutor.titulo, "PRODUCTO " + std::to_string(c.producto));
    EXPECT_DOUBLE_EQ(ejecutor.valoresRecibidos[c.celdaIndice], c.indice);
    EXPECT_EQ(edit.Texto(), "1000");  // OK: the entry back, the box shows it; the digit never went in
    EXPECT_DOUBLE_EQ(valores[0], 1000.0);
    // An 80-byte entry: nothing beyond it is written.
    EXPECT_DOUBLE_EQ(valores[20], c.recurso == kRecursoRestoProductos && c.producto == 2 ? 55.0 : valores[20]);
  }
}

}  // namespace
}  // namespace actividades
