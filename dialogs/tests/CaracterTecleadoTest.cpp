// What is typed into a detail box goes on into its dialog: the character that opened it lands in the dialog's first
// amount field of the person shown (a holder grid's entry of that person, given that person as its holder when it
// had none), never in a holder field and never lost; the keys typed after it follow it there, and OK gives the
// amount back. On simulated controls, and in real windows with the box edit and the keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DeclaracionAbierta.h"
#include "DialogoPrueba.h"
#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgCapitalInmobiliario.h"
#include "dialogs/DlgDeduccionesTitulares.h"
#include "dialogs/DlgDetallesTitular.h"
#include "dialogs/DlgPremios.h"
#include "dialogs/DlgPlanesPensiones.h"
#include "framework/Campo.h"
#include "framework/Imagen.h"
#include "framework/DialogoVentana.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditExVentana.h"
#include "framework/MensajeGuion.h"
#include "framework/TemplateDlgTitulares.h"
#include "income/SIM002.h"

namespace dialogos {
namespace {

using pruebas::Entrada;

// The two-entry holder grid of international fiscal transparency: holders 1314 and 1288, amounts 1282 and 1293.
constexpr int kTitular[] = {1314, 1288};
constexpr int kImporte[] = {1282, 1293};
// Its block: two entries of a holder and one amount.
constexpr SFormaBloque kForma{2, 1, 16, 0, false};

TEST(CaracterTecleado, LlegaAlImporteDeLaEntradaDeLaPersonaMostrada) {
  struct SCaso {
    const char* nombre;
    marco::SEntornoDialogo entorno;
    std::vector<SEntradaTitular> recibido;
    int entrada;        // the entry that takes the character (-1: none, the dialog is locked)
    const char* letra;  // its holder cell afterwards
    std::vector<SEntradaTitular> aceptado;  // the entries after 00000 is typed on and OK
  };
  const SCaso casos[] = {
      {"a declarant alone, an empty grid: the first entry becomes the declarant's",
       {1, false, false, false},
       {},
       0,
       "D",
       {Entrada(2, {300000})}},
      {"the family unit shown: the declarant's entry, after the spouse's",
       {1, true, false, false},
       {Entrada(3, {1000}), Entrada(2, {5000})},
       1,
       "D",
       {Entrada(3, {1000}), Entrada(2, {300000})}},
      {"the family unit shown, the declarant without entry: the free entry becomes the declarant's",
       {1, true, false, false},
       {Entrada(3, {1000})},
       1,
       "D",
       {Entrada(3, {1000}), Entrada(2, {300000})}},
      {"the spouse's own view of a joint declaration: the dialog is locked, nothing is typed",
       {3, true, false, false},
       {Entrada(3, {1000})},
       -1,
       "",
       {Entrada(3, {1000})}},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    marco::CGuionMensajes guion;
    pruebas::SDialogoSimulado<CDlgTransparenciaFiscal> d(c.entorno);
    for (std::size_t e = 0; e < c.recibido.size(); ++e) d.dlg.m_recibido[e] = c.recibido[e];
    d.dlg.PonerCaracterInicial('3');
    d.Abrir();
    EXPECT_TRUE(guion.Codigos().empty());
    if (c.entrada < 0) {
      for (const int id : kImporte) EXPECT_NE(d.v.Texto(id), "3");
      continue;
    }
    const int importe = kImporte[c.entrada];
    ASSERT_EQ(d.v.FocoActual(), std::optional<int>(importe));
    EXPECT_EQ(d.v.Texto(importe), "3");
    EXPECT_EQ(d.v.Texto(kTitular[c.entrada]), c.letra);
    EXPECT_EQ(d.dlg.Copia()[static_cast<std::size_t>(c.entrada)].titular, marco::kSujetoDeclarante);
    // The keys typed after it follow it into the same field.
    d.v.Teclear(importe, "00000");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    for (std::size_t e = 0; e < c.aceptado.size(); ++e) {
      EXPECT_EQ(d.dlg.m_recibido[e].titular, c.aceptado[e].titular) << e;
      EXPECT_DOUBLE_EQ(d.dlg.m_recibido[e].importes[0], c.aceptado[e].importes[0]) << e;
    }
    EXPECT_TRUE(guion.Codigos().empty());
  }
}

// Page boxes that show one field of a holder grid's entries (its sum by person) give what is typed into them to that
// field of the person's entry; a box that shows the first field, or a total of the block, to the first amount.
struct SCampoDeCasilla {
  int casilla;       // box number on the page
  int campoCasilla;  // what the page's binding hands over (CCampo::CampoDetalle)
  int campo;         // the field of the entries the box's value adds up
  std::vector<std::string> avisos{};  // the dialog's own checks on OK, gone on from
  SEntradaTitular previa{};           // the declarant's entry before (none: the grid is empty)
};

// Opens grid TDialogo as a box with `campoCasilla` does on a typed '3', types 00000 on and accepts: the declarant's
// entry holds 300000 in field `campo` and what it held before in the other `campos` fields.
template <class TDialogo>
void ComprobarCampoDeCasilla(const SCampoDeCasilla& c, int campos) {
  SCOPED_TRACE(c.casilla);
  marco::CGuionMensajes guion({}, marco::kBotonContinuar);
  pruebas::SDialogoSimulado<TDialogo> d({1, false, false, false});
  marco::SPeticionDetalle peticion;
  peticion.titulo = "(B)";
  peticion.repeticion = 5;
  peticion.sujeto = marco::kSujetoUnidadFamiliar;
  peticion.caracter = '3';
  peticion.campoCasilla = c.campoCasilla;
  if (c.previa.titular != 0) d.dlg.m_recibido[0] = c.previa;
  marco::PrepararDialogoDetalle(d.dlg, peticion);
  d.Abrir();
  const int id = d.dlg.IdControl(c.campo, 0);
  ASSERT_EQ(d.v.FocoActual(), std::optional<int>(id));
  EXPECT_EQ(d.v.Texto(id), "3");
  d.v.Teclear(id, "00000");
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido[0].titular, marco::kSujetoDeclarante);
  for (int campo = 1; campo <= campos; ++campo) {
    const auto i = static_cast<std::size_t>(campo - 1);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[i], campo == c.campo ? 300000.0 : c.previa.importes[i]) << campo;
  }
  EXPECT_EQ(guion.Codigos(), c.avisos);
}

// The real-estate capital income boxes of D-100/D-101 page 2, as the page binds them.
TEST(CaracterTecleado, LlegaAlCampoDeLaEntradaQueMuestraLaCasilla) {
  const auto campoDe = [](int casilla) {
    return renta::EnlacesTrabajoCapital()[static_cast<std::size_t>(casilla - 1)].campoDetalle;
  };
  // The declarant has income, so that the expenses typed pass the dialog's checks.
  const SEntradaTitular conIngresos = Entrada(marco::kSujetoDeclarante, {1000000});
  const SCampoDeCasilla casos[] = {
      {18, campoDe(18), kInmIngresos},
      {19, campoDe(19), kInmSubarriendo, {}, conIngresos},
      {21, campoDe(21), kInmIntereses, {}, conIngresos},
      {22, campoDe(22), kInmAmortizacion, {}, conIngresos},
      // The compensation above the depreciation asks first.
      {23, campoDe(23), kInmCompensacion, {"100V200"}, conIngresos},
      {24, campoDe(24), kInmOtrosGastos, {}, conIngresos},
  };
  for (const SCampoDeCasilla& c : casos) ComprobarCampoDeCasilla<CDlgCapitalInmobiliario>(c, kImportesInmobiliario);
}

// The prizes in kind of D-101 page 3: box 31 the valuation, 32 the payment on account, 33 the part passed on.
TEST(CaracterTecleado, PremiosEnEspecieAlCampoDeLaCasilla) {
  const SCampoDeCasilla casos[] = {
      // The prize of 2,000,000 with 400,000 paid on account: a valuation of 300,000 leaves the payment above 20 %
      // of the prize, which asks first.
      {31, 0, kValoracionPremio + 1, {"100V127"}, Entrada(marco::kSujetoDeclarante, {2000000, 400000})},
      {32, 2, kIngresosCuentaPremio + 1, {}, Entrada(marco::kSujetoDeclarante, {2000000, 400000})},
      {33, 3, kRepercutidoPremio + 1, {}, Entrada(marco::kSujetoDeclarante, {2000000, 400000})},
  };
  for (const SCampoDeCasilla& c : casos) ComprobarCampoDeCasilla<CDlgPremiosEspecie>(c, kMaxImportesPremio);
}

// The capped deductions of D-100 page 11 (and D-101 page 4): the housing boxes show the entries' first to fourth
// amounts, the disabled persons' works boxes their first to third.
TEST(CaracterTecleado, DeduccionesConTopeAlCampoDeLaCasilla) {
  using V = CDlgInversionVivienda;
  const SCampoDeCasilla vivienda[] = {
      {22, 0, V::kAjenaDosAnios}, {24, 2, V::kAjenaDespues}, {27, 3, V::kSinFinanciacion}, {29, 4, V::kConstruccion},
  };
  for (const SCampoDeCasilla& c : vivienda) ComprobarCampoDeCasilla<CDlgInversionVivienda>(c, V::kCuentasVivienda);
  using O = CDlgObrasMinusvalidos;
  const SCampoDeCasilla obras[] = {
      {31, 0, O::kAjenaDosAnios}, {33, 2, O::kAjenaDespues}, {36, 3, O::kSinFinanciacion},
  };
  for (const SCampoDeCasilla& c : obras) ComprobarCampoDeCasilla<CDlgObrasMinusvalidos>(c, O::kSinFinanciacion);
}

// Dialogs of plain fields: the character goes to the amount the box adds up (the pension plans' box is the year's
// contributions: the participant's payments, not the excess of 1998 above them, which has a box of its own).
TEST(CaracterTecleado, PlanesDePensionesAlImporteDelParticipe) {
  marco::CGuionMensajes guion;
  pruebas::SDialogoSimulado<CDlgPlanesPensiones> d({1, false, false, false});
  d.dlg.m_titular = marco::kSujetoDeclarante;
  d.dlg.m_personas.anioDeclarante = 1960;
  d.dlg.PonerCaracterInicial('3');
  d.Abrir();
  ASSERT_EQ(d.v.FocoActual(), std::optional<int>(kIdPlan1404));
  EXPECT_EQ(d.v.Texto(kIdPlan1404), "3");
  EXPECT_EQ(d.v.Texto(kIdPlan1397), "");
  d.v.Teclear(kIdPlan1404, "00000");
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.participe, 300000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.exceso1998, 0.0);
  // Opened otherwise (the button, a double click), the dialog types nothing.
  pruebas::SDialogoSimulado<CDlgPlanesPensiones> boton({1, false, false, false});
  boton.Abrir();
  EXPECT_EQ(boton.v.Texto(kIdPlan1404), "");
  EXPECT_TRUE(guion.Codigos().empty());
}

// ---- in real windows ----

// Lets the windows run until `listo` holds, at most about two seconds.
bool EsperarA(const std::function<bool()>& listo) {
  for (int i = 0; i < 200 && !listo(); ++i) {
    wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
  return listo();
}

wxDialog* DialogoModal() {
  for (wxWindow* w : wxTopLevelWindows) {
    auto* dlg = dynamic_cast<wxDialog*>(w);
    if (dlg != nullptr && dlg->IsModal()) return dlg;
  }
  return nullptr;
}

// A digit typed into the international fiscal transparency box of D-100 page 11: the dialog opens with the digit in
// the declarant's amount, the holder "D" beside it; the digits typed on with the keyboard follow it; OK brings the
// total back to the box.
TEST(CaracterTecleadoVentana, LosDigitosDeLaCasillaLleganAlImporteYVuelvenConAceptar) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion({}, marco::kBotonContinuar);
  RegistrarDialogosDetalle();
  renta::pruebas::CDeclaracionAbierta declaracion;
  auto* marco_ = new wxFrame(nullptr, wxID_ANY, "casillas", wxDefaultPosition, wxSize(500, 300));
  auto* panel = new wxPanel(marco_);
  marco_->Show();
  ::pruebas::Esperar(5);

  std::vector<unsigned char> bloque(kForma.TamanoBloque(), 0);
  double importe = 0.0;
  // The page takes the box's value from the block when it hears that the dialog set it.
  panel->Bind(marco::EVT_AVISO_CAMPO, [&](wxCommandEvent& e) {
    if (e.GetInt() == marco::kAvisoValorFijado) {
      const EntradasTitulares entradas = LeerEntradas(bloque, kForma);
      importe = 0.0;
      for (const SEntradaTitular& entrada : entradas) importe += entrada.importes[0];
    }
    e.Skip();
  });
  marco::CCampo campo;
  campo.StrValidac = "F12";
  campo.LeerMascara(marco::kMonedaPesetas);
  campo.Dato = &importe;
  campo.IndNumero = 354;
  campo.Coor_1 = 100;
  campo.Coor_2 = 40;
  campo.Coor_3 = 220;
  campo.Coor_4 = 60;
  campo.NombreVent = std::string(kVentanaTransparenciaFiscal);
  campo.TituloVent = "Transparencia fiscal internacional";
  campo.Enlace = bloque.data();
  marco::CImporteDetalleEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel, 0, 0, nullptr), 1);
  marco::CVentanaEdit* casilla = edit.DameVentana();

  std::string alAbrir;
  std::string titular;
  std::string tecleado;
  bool esImporte = false;
  bool sinFoco = false;
  wxTheApp->CallAfter([&] {
    wxDialog* dlg = nullptr;
    EsperarA([&] { return (dlg = DialogoModal()) != nullptr; });
    if (dlg == nullptr) return;
    auto* reglas = dynamic_cast<marco::CTemplateDlgTitulares*>(marco::DialogoDeVentana(dlg));
    // The field that shows the digit.
    wxTextCtrl* campo = nullptr;
    wxWindowList hijos = dlg->GetChildren();
    for (wxWindow* w : hijos) {
      auto* t = dynamic_cast<wxTextCtrl*>(w);
      if (t != nullptr && t->GetValue() == "3") campo = t;
    }
    if (campo != nullptr && reglas != nullptr) {
      alAbrir = campo->GetValue().ToStdString();
      esImporte = reglas->FilaDeControl(campo->GetId()) > 0;
      const int entrada = reglas->EntradaDeControl(campo->GetId());
      if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(reglas->IdControl(0, entrada), dlg))) {
        titular = t->GetValue().ToStdString();
      }
      // The keyboard, as a person goes on typing: the field the dialog gave the focus takes it (without a window
      // manager the keys go to the window under the pointer).
      dlg->Raise();
      wxUIActionSimulator teclado;
      const wxRect r = campo->GetScreenRect();
      teclado.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
      if (!EsperarA([&] { return wxWindow::FindFocus() == campo; })) {
        sinFoco = true;
      } else {
        teclado.Text("00000");
        EsperarA([&] { return campo->GetValue().length() >= 6; });
      }
      tecleado = campo->GetValue().ToStdString();
    }
    wxWindow* aceptar = wxWindow::FindWindowById(marco::kIdAceptar, dlg);
    if (sinFoco && campo != nullptr) campo->ChangeValue("300000");
    if (aceptar != nullptr) {
      wxCommandEvent clic(wxEVT_BUTTON, marco::kIdAceptar);
      clic.SetEventObject(aceptar);
      aceptar->GetEventHandler()->ProcessEvent(clic);
    }
    if (DialogoModal() == dlg) dlg->EndModal(wxID_CANCEL);
  });
  // The digit reaches the box edit as a key does.
  casilla->SetFocus();
  wxKeyEvent tecla(wxEVT_CHAR);
  tecla.m_keyCode = '3';
  tecla.m_uniChar = '3';
  tecla.SetEventObject(casilla);
  casilla->GetEventHandler()->ProcessEvent(tecla);

  EXPECT_EQ(alAbrir, "3");
  EXPECT_TRUE(esImporte);
  EXPECT_EQ(titular, "D");
  if (!sinFoco) {
    EXPECT_EQ(tecleado, "300000");
  }
  const EntradasTitulares entradas = LeerEntradas(bloque, kForma);
  EXPECT_EQ(entradas[0].titular, marco::kSujetoDeclarante);
  EXPECT_DOUBLE_EQ(entradas[0].importes[0], 300000.0);
  EXPECT_DOUBLE_EQ(importe, 300000.0);
  ::pruebas::Esperar(5);
  wxString mostrado = casilla->GetValue();
  mostrado.Replace(".", "");
  EXPECT_EQ(mostrado, "300000");
  EXPECT_TRUE(guion.Codigos().empty());
  edit.DestruirVentana();
  marco_->Destroy();
  ::pruebas::Esperar(5);
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus: the digits after the first were not typed";
}

}  // namespace
}  // namespace dialogos
