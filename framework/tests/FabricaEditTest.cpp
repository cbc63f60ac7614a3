// The choice of a box's edit class and the factory table: registered creators, the fallbacks of classes nobody
// registered, and the plain edit that stays read-only over values that are not characters.
#include "framework/FabricaEdit.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "framework/EditNumerico.h"
#include "framework/EditTexto.h"

namespace marco {
namespace {

CCampo Caja(std::string_view mascara, bool ventana, bool enlace, int repeticion = 0, int decimales = 0) {
  static int destino = 0;
  CCampo campo;
  campo.StrValidac = std::string(mascara);
  campo.NombreVent = ventana ? "CDlgDetalle" : "";
  campo.Enlace = enlace ? &destino : nullptr;
  campo.Repeticion = repeticion;
  campo.Decimales = decimales;
  return campo;
}

TEST(FabricaEdit, EleccionDeClase) {
  struct Caso {
    const char* mascara;
    bool ventana;
    bool enlace;
    int m;
    int d;
    EClaseEdit clase;
  };
  using E = EClaseEdit;
  const Caso casos[] = {
      {"A30", true, true, 0, 0, E::AlfaEdit},
      {"B1", false, true, 0, 0, E::CasillaEdit},
      {"B1", true, true, 0, 0, E::EditDialogo},
      {"B1", true, false, 0, 0, E::CasillaEdit},  // a window name without a link is a plain tick box
      {"C3", false, false, 0, 0, E::ContadorEdit},
      {"D8", false, false, 0, 0, E::FechaEdit},
      {"E4", false, true, 0, 0, E::SelEpigraf},  // a link is enough, with or without a window name
      {"E4", true, false, 0, 0, E::EditEx},
      {"F12", false, true, 0, 0, E::DoubleEdit},
      {"F12", true, true, 0, 0, E::ImporteDetalleEdit},
      {"F12", true, false, 0, 0, E::DoubleEdit},
      {"G5", false, false, 0, 0, E::CodigoDescripcion},
      {"I5", false, false, 0, 0, E::EnteroEdit},
      {"L2", false, false, 0, 0, E::ListaEdit},
      {"M12", true, true, 1, 0, E::ModsProductoEdit},  // m = 1, whatever the window and the link
      {"M12", false, false, 5, 0, E::ModsEmpreEdit},
      {"M12", false, false, 0, 0, E::ModsEmpreEdit},
      {"R13.2", false, false, 0, 2, E::Moneda},
      {"R13.2", true, true, 0, 2, E::MonedaDetalle},
      {"R13.2", true, false, 0, 2, E::Moneda},
      {"T1", false, false, 0, 0, E::TitularEdit},
      {"Z5", false, false, 0, 0, E::ANumEdit},
      {"S40", false, false, 0, 0, E::EditEx},
      {"P20", true, false, 0, 0, E::EditEx},
      {"S10", true, true, 0, -1, E::SelStrEdit},
      {"S10", true, true, 1, 0, E::SelClaveEdit},
      {"S10", true, true, 5, 0, E::SelIAEEdit},
      {"H5", true, true, 1, 2, E::SelClaveEdit},
      {"15", false, false, 0, 0, E::EditEx},  // not a letter
      {"", false, false, 0, 0, E::EditEx},
  };
  for (const Caso& caso : casos) {
    const CCampo campo = Caja(caso.mascara, caso.ventana, caso.enlace, caso.m, caso.d);
    EXPECT_EQ(NombreClaseEdit(ElegirClaseEdit(campo)), NombreClaseEdit(caso.clase))
        << caso.mascara << " window " << caso.ventana << " link " << caso.enlace << " m " << caso.m << " d "
        << caso.d;
  }
}

TEST(FabricaEdit, ClasesDelMarco) {
  const CFabricaEdit fabrica;
  struct Caso {
    const char* mascara;
    bool (*esDeClase)(const CEditEx*);
  };
  const Caso casos[] = {
      {"A10", [](const CEditEx* e) { return dynamic_cast<const CAlfaEdit*>(e) != nullptr; }},
      {"Z5", [](const CEditEx* e) { return dynamic_cast<const CANumEdit*>(e) != nullptr; }},
      {"F9.2", [](const CEditEx* e) {
         return dynamic_cast<const CDoubleEdit*>(e) != nullptr && dynamic_cast<const CMoneda*>(e) == nullptr;
       }},
      {"R13.2", [](const CEditEx* e) { return dynamic_cast<const CMoneda*>(e) != nullptr; }},
      {"I5", [](const CEditEx* e) {
         return dynamic_cast<const CEnteroEdit*>(e) != nullptr && dynamic_cast<const CContadorEdit*>(e) == nullptr;
       }},
      {"C3", [](const CEditEx* e) { return dynamic_cast<const CContadorEdit*>(e) != nullptr; }},
  };
  for (const Caso& caso : casos) {
    CCampo campo = Caja(caso.mascara, false, false);
    campo.LeerMascara(kMonedaPesetas);
    const auto edit = fabrica.Crear(campo);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(caso.esDeClase(edit.get())) << caso.mascara;
    EXPECT_EQ(edit->DameCampo(), &campo);
    EXPECT_FALSE(edit->EsSoloLectura());
  }
}

TEST(FabricaEdit, RegistroYSustitutas) {
  CFabricaEdit fabrica;
  int base = 0;
  auto* baseLocal = reinterpret_cast<CBaseDatos*>(&base);

  // Nobody registered the detail-opening amount: the plain amount edit takes the box.
  CCampo importe = Caja("F12", true, true);
  importe.LeerMascara(kMonedaPesetas);
  EXPECT_FALSE(fabrica.EstaRegistrada(EClaseEdit::ImporteDetalleEdit));
  EXPECT_NE(dynamic_cast<CDoubleEdit*>(fabrica.Crear(importe).get()), nullptr);

  // A list box falls back to the plain edit, editable (its value is characters).
  CCampo lista = Caja("L2", false, false);
  lista.LeerMascara(kMonedaPesetas);
  auto plano = fabrica.Crear(lista, baseLocal);
  EXPECT_EQ(typeid(*plano), typeid(CEditEx));
  EXPECT_FALSE(plano->EsSoloLectura());

  // A tick box, a date, a holder or a module box without their classes: the plain edit, read-only.
  for (const char* mascara : {"B1", "D8", "T1", "M12"}) {
    CCampo campo = Caja(mascara, true, true, 1);
    const auto edit = fabrica.Crear(campo);
    EXPECT_EQ(typeid(*edit), typeid(CEditEx)) << mascara;
    EXPECT_TRUE(edit->EsSoloLectura()) << mascara;
  }

  // A registered class is made by its creator, which receives the box and the local database.
  struct CEditListaPrueba : CEditEx {
    CEditListaPrueba(CCampo& campo, CBaseDatos* base) : CEditEx(campo), m_pBase(base) {}
    CBaseDatos* m_pBase;
  };
  fabrica.Registrar(EClaseEdit::ListaEdit, [](CCampo& campo, CBaseDatos* base) -> std::unique_ptr<CEditEx> {
    return std::make_unique<CEditListaPrueba>(campo, base);
  });
  EXPECT_TRUE(fabrica.EstaRegistrada(EClaseEdit::ListaEdit));
  auto edit = fabrica.Crear(lista, baseLocal);
  auto* deLista = dynamic_cast<CEditListaPrueba*>(edit.get());
  ASSERT_NE(deLista, nullptr);
  EXPECT_EQ(deLista->m_pBase, baseLocal);
  EXPECT_EQ(deLista->DameCampo(), &lista);

  // A creator that gives none counts as missing; an empty one takes the class out.
  fabrica.Registrar(EClaseEdit::ListaEdit, [](CCampo&, CBaseDatos*) { return std::unique_ptr<CEditEx>(); });
  EXPECT_EQ(typeid(*fabrica.Crear(lista)), typeid(CEditEx));
  fabrica.Registrar(EClaseEdit::DoubleEdit, {});
  EXPECT_FALSE(fabrica.EstaRegistrada(EClaseEdit::DoubleEdit));
  const auto sinImporte = fabrica.Crear(importe);
  EXPECT_EQ(typeid(*sinImporte), typeid(CEditEx));
  EXPECT_TRUE(sinImporte->EsSoloLectura());

  // The program's factory starts with the framework's classes.
  EXPECT_TRUE(FabricaEdit().EstaRegistrada(EClaseEdit::Moneda));
  EXPECT_EQ(NombreClaseEdit(EClaseEdit::SelIAEEdit), "CSelIAEEdit");
  EXPECT_EQ(ClaseEditSustituta(EClaseEdit::MonedaDetalle), EClaseEdit::Moneda);
}

}  // namespace
}  // namespace marco
