#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "ModulosPrueba.h"
#include "PruebasWx.h"
#include "activities/DlgSeleccionarActividad.h"

namespace actividades::pruebas {
namespace {

CDlgSeleccionarActividad* VentanaAbierta() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<CDlgSeleccionarActividad*>(w); d != nullptr && d->IsShown()) return d;
  }
  return nullptr;
}

void Pulsar(wxWindow* boton) {
  wxCommandEvent e(wxEVT_BUTTON, boton->GetId());
  e.SetEventObject(boton);
  boton->GetEventHandler()->ProcessEvent(e);
}

// While the window runs modally: looks at it, then presses the button of `id`.
void AlAbrir(std::function<void(CDlgSeleccionarActividad&)> mirar, int id, bool* visto) {
  wxTheApp->CallAfter([mirar, id, visto] {
    CDlgSeleccionarActividad* d = VentanaAbierta();
    ASSERT_NE(d, nullptr);
    if (mirar) mirar(*d);
    *visto = true;
    Pulsar(wxWindow::FindWindowById(id, d));
  });
}

template <typename T>
T LeerEn(const unsigned char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

using DlgSeleccionarActividad = CPruebaModulos;

TEST_F(DlgSeleccionarActividad, Elegir6594EnLaVentanaLlenaLaFila) {
  REQUIERE_PANTALLA();
  std::array<unsigned char, kLargoFilaModulos> fila{};
  std::memcpy(fila.data(), "659.4", 5);  // typed by hand: the window opens on it
  bool visto = false;
  AlAbrir(
      [](CDlgSeleccionarActividad& d) {
        EXPECT_EQ(d.GetTitle(), "Seleccionar Actividad");
        EXPECT_EQ(d.ListaSector()->GetCount(), 2u);
        EXPECT_EQ(d.ListaSector()->GetStringSelection(), "659.4");
        EXPECT_EQ(d.ListaActividad()->GetSelection(), d.ListaSector()->GetSelection());
        EXPECT_EQ(d.ListaEpigrafe()->GetStringSelection(), "659.4");
        EXPECT_TRUE(d.BotonConsultar()->IsEnabled());
      },
      wxID_OK, &visto);
  EXPECT_EQ(SeleccionarEpigrafe(fila, 5, &base_, 'e', VentanaSeleccionActividad(nullptr)), kSeleccionEscrita);
  EXPECT_TRUE(visto);
  const unsigned char* primero = fila.data() + FilaModulos::Modulos;
  EXPECT_EQ(LeerEn<std::int32_t>(fila.data() + FilaModulos::IdIae), 20);
  EXPECT_EQ(primero[FilaModulos::ModuloId], 1);
  EXPECT_EQ(LeerEn<double>(primero + FilaModulos::ModuloImporte), 111.5);
  EXPECT_EQ(LeerEn<double>(primero + FilaModulos::ModuloImporteReferencia), 11.25);
  EXPECT_EQ(LeerEn<double>(fila.data() + FilaModulos::Maximo), 2000.0);
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(DlgSeleccionarActividad, CancelarEnLaVentanaNoEscribeNada) {
  REQUIERE_PANTALLA();
  std::array<unsigned char, kLargoFilaModulos> fila{};
  std::memcpy(fila.data(), "659.4", 5);
  const auto antes = fila;
  bool visto = false;
  AlAbrir([](CDlgSeleccionarActividad& d) { d.AlElegirFila(kIdListaSector, 0); }, wxID_CANCEL, &visto);
  EXPECT_EQ(SeleccionarEpigrafe(fila, 5, &base_, 'e', VentanaSeleccionActividad(nullptr)), kSeleccionSinCambios);
  EXPECT_TRUE(visto);
  EXPECT_EQ(fila, antes);
}

TEST_F(DlgSeleccionarActividad, LaListaDeActividadReordenaAmbasListas) {
  REQUIERE_PANTALLA();
  CCargaModulos& carga = Carga(0);
  CDatosMod datos;
  CDlgSeleccionarActividad d(nullptr, carga, 10, datos);
  EXPECT_EQ(d.ListaSector()->GetStringSelection(), "659.1");
  d.AlEnfocarLista(kIdListaActividad);
  d.AlElegirFila(kIdListaActividad, 2);  // "COMERCIO DE PRUEBA UNO" while still in sector order
  EXPECT_EQ(d.ListaActividad()->GetString(0), "AGRARIA DE PRUEBA");
  EXPECT_EQ(d.ListaActividad()->GetString(1), wxString::FromUTF8("ALBAÑILERIA DE PRUEBA"));
  EXPECT_EQ(d.ListaActividad()->GetStringSelection(), "COMERCIO DE PRUEBA UNO");
  EXPECT_EQ(d.ListaSector()->GetStringSelection(), "659.1");
  EXPECT_EQ(d.ListaSector()->GetSelection(), d.ListaActividad()->GetSelection());
}

TEST_F(DlgSeleccionarActividad, SeleccionDeClaveSinEpigrafesNiConsulta) {
  REQUIERE_PANTALLA();
  CDatosMod datos;
  CDlgSeleccionarActividad d(nullptr, Carga(5), 0, datos);
  auto* etiqueta = dynamic_cast<wxStaticText*>(wxWindow::FindWindowById(kBaseIdVentana + kIdListaSector + 3, &d));
  ASSERT_NE(etiqueta, nullptr);
  EXPECT_EQ(etiqueta->GetLabel(), "Clave:");
  EXPECT_FALSE(d.ListaEpigrafe()->IsShown());
  EXPECT_FALSE(d.BotonConsultar()->IsEnabled());
}

TEST_F(DlgSeleccionarActividad, VentanasDeConsulta) {
  REQUIERE_PANTALLA();
  CDatosMod datos;
  Carga(2).CargarDatosModulos(20, "659.4", datos);
  const CDlgModulos ambos(nullptr, EConsulta::Actividad, datos);
  ASSERT_EQ(ambos.FilasIrpf().size(), 2u);
  EXPECT_EQ(ambos.FilasIrpf()[0].substr(40), "          111,5");
  EXPECT_EQ(ambos.FilasIva().size(), 1u);
  EXPECT_EQ(ambos.TextoMaximo(), "     2.000");
  EXPECT_EQ(ambos.TextoCuota(), "       777");
  // The VAT window leaves the minimum quota of seven epigraphs blank, 659.4 among them.
  const CDlgModulos iva(nullptr, EConsulta::Iva, datos);
  EXPECT_EQ(iva.TextoCuota(), " ");
  EXPECT_TRUE(iva.FilasIrpf().empty());
  EXPECT_TRUE(CuotaMinimaEnBlanco(EConsulta::Iva, "652.2"));
  EXPECT_FALSE(CuotaMinimaEnBlanco(EConsulta::Actividad, "652.2"));
}

TEST(CuantiaConsulta, ConSeparadoresAlineadaADerechaEnSuAncho) {
  EXPECT_EQ(TextoCuantiaConsulta(1500000), " 1.500.000");
  EXPECT_EQ(TextoCuantiaConsulta(0), "         0");
}

}  // namespace
}  // namespace actividades::pruebas
