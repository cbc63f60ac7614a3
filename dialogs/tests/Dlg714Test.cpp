// The wealth-tax detail dialogs on simulated controls: the joint limit with the income-tax quota (joint or
// individual, the checks of OK against the net wealth), the taxes paid abroad, the name dialog, the launchers, and
// the launch of a liquidation dialog and of the name dialog in real windows.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/docview.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/Dlg714.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

template <class TDialogo>
struct SDialogo {
  explicit SDialogo(marco::SEntornoDialogo entorno = {0, false, false, false}) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    if (entorno.sujetoActual != 0) dlg.PonerCodigoSujeto(entorno.sujetoActual);
  }
  void Abrir() { v.Abrir(dlg); }
  // OK: the dialog's result (0: still open).
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  TDialogo dlg;
  CControlesSimulados v;
};

SLimiteCuota Limite(char clase) {
  SLimiteCuota l;
  l.clase = static_cast<std::uint8_t>(clase);
  l.baseDeclarante = 3000000.0;
  l.cuotaDeclarante = 500000.0;
  l.improductivosDeclarante = 200000.0;
  l.baseConyuge = 1000000.0;
  l.cuotaConyuge = 150000.0;
  l.improductivosConyuge = 50000.0;
  return l;
}

const int kConyuge[] = {kIdBaseConyuge, kIdCuotaConyuge, kIdImproductivosConyuge};

// ---- the joint limit ----

TEST(DlgLimiteCuota, AbreIndividualOConjuntaSegunLaClase) {
  for (const char clase : {'\0', 'I', 'C', 'X'}) {
    SCOPED_TRACE(static_cast<int>(clase));
    SDialogo<CDlgLimiteCuota> d;
    d.dlg.m_recibido = Limite(clase);
    d.Abrir();
    const bool conjunta = clase != '\0' && clase != 'I';
    EXPECT_EQ(d.dlg.Conjunta(), conjunta);
    EXPECT_EQ(d.v.Texto(kIdBaseDeclarante), "3.000.000");
    for (const int id : kConyuge) EXPECT_EQ(d.v.Habilitado(id), conjunta) << id;
    EXPECT_EQ(d.v.Texto(kIdCuotaConyuge), conjunta ? "150.000" : "");
    EXPECT_DOUBLE_EQ(d.dlg.Copia().improductivosConyuge, conjunta ? 50000.0 : 0.0);
  }
}

TEST(DlgLimiteCuota, PasarAIndividualBorraLosImportesDelConyugeAunqueSeConfirme) {
  CGuionMensajes guion;
  SDialogo<CDlgLimiteCuota> d;
  d.dlg.m_comparacion = 1000000.0;
  d.dlg.m_recibido = Limite('C');
  d.Abrir();
  d.v.Pulsar(kIdIndividual);
  EXPECT_FALSE(d.dlg.Conjunta());
  for (const int id : kConyuge) {
    EXPECT_FALSE(d.v.Habilitado(id));
    EXPECT_EQ(d.v.Texto(id), "");
  }
  // Back to joint: the edits open empty.
  d.v.Pulsar(kIdConjunta);
  for (const int id : kConyuge) EXPECT_TRUE(d.v.Habilitado(id));
  d.v.Pulsar(kIdIndividual);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido.clase, 'I');
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.baseConyuge, 0.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.cuotaConyuge, 0.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.improductivosConyuge, 0.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.baseDeclarante, 3000000.0);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(DlgLimiteCuota, ConjuntaGuardaLaClaseYLoEscrito) {
  SDialogo<CDlgLimiteCuota> d;
  d.dlg.m_comparacion = 1000000.0;
  d.Abrir();  // a new declaration: NUL, individual
  d.v.Pulsar(kIdConjunta);
  d.v.Escribir(kIdBaseConyuge, "-250000");
  d.v.Escribir(kIdImproductivosConyuge, "75.000");
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido.clase, 'C');
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.baseConyuge, -250000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.improductivosConyuge, 75000.0);
}

TEST(DlgLimiteCuota, ImportesEnterosDeDoceCifrasConSignoSoloEnLasBases) {
  struct SCaso {
    int id;
    const char* texto;
    double esperado;  // the value kept (the old one, 1, when refused)
  };
  const SCaso casos[] = {
      {kIdBaseDeclarante, "-1.500", -1500.0},
      {kIdCuotaDeclarante, "-1500", 1.0},
      {kIdImproductivosDeclarante, "999999999999", 999999999999.0},
      {kIdImproductivosDeclarante, "1000000000000", 1.0},
      {kIdCuotaDeclarante, "12,5", 1.0},
      {kIdCuotaDeclarante, "abc", 1.0},
      {kIdCuotaDeclarante, "", 0.0},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.texto);
    CGuionMensajes guion;
    SDialogo<CDlgLimiteCuota> d;
    d.dlg.m_comparacion = 1e13;
    d.dlg.m_recibido.baseDeclarante = 1.0;
    d.dlg.m_recibido.cuotaDeclarante = 1.0;
    d.dlg.m_recibido.improductivosDeclarante = 1.0;
    d.Abrir();
    d.v.Escribir(c.id, c.texto);
    ASSERT_EQ(d.Aceptar(), marco::kIdAceptar);
    const SLimiteCuota& r = d.dlg.m_recibido;
    const double valor = c.id == kIdBaseDeclarante ? r.baseDeclarante
                         : c.id == kIdCuotaDeclarante ? r.cuotaDeclarante
                                                      : r.improductivosDeclarante;
    EXPECT_DOUBLE_EQ(valor, c.esperado);
    // Past the field's room the overflow message says so, as a box of a page does.
    const bool desborda = std::string_view(c.texto) == "1000000000000";
    EXPECT_EQ(guion.Codigos(), desborda ? std::vector<std::string>{"WIN032"} : std::vector<std::string>{});
  }
}

TEST(DlgLimiteCuota, ComprobacionesDeAceptarEnOrden) {
  struct SCaso {
    const char* nombre;
    double baseConyuge, cuotaConyuge, improductivos;
    const char* codigo;  // "" when OK closes
    int foco;
  };
  const SCaso casos[] = {
      {"cuota del conyuge mayor que su base", 100000.0, 100001.0, 0.0, "100P003", kIdCuotaConyuge},
      {"las dos fallan: solo la primera", 100000.0, 100001.0, 2000000.0, "100P003", kIdCuotaConyuge},
      {"cuota igual a la base", 100000.0, 100000.0, 0.0, "", 0},
      {"base negativa y cuota 0", -50000.0, 0.0, 0.0, "", 0},
      {"improductivos sobre el patrimonio", 0.0, 0.0, 1000001.0, "100P103", kIdImproductivosDeclarante},
      {"improductivos iguales al patrimonio", 0.0, 0.0, 1000000.0, "", 0},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CGuionMensajes guion;
    SDialogo<CDlgLimiteCuota> d;
    d.dlg.m_comparacion = 1000000.0;
    d.dlg.m_recibido = Limite('C');
    d.dlg.m_recibido.baseConyuge = c.baseConyuge;
    d.dlg.m_recibido.cuotaConyuge = c.cuotaConyuge;
    d.dlg.m_recibido.improductivosDeclarante = c.improductivos;
    const SLimiteCuota antes = d.dlg.m_recibido;
    d.Abrir();
    const int r = d.Aceptar();
    if (*c.codigo == '\0') {
      EXPECT_EQ(r, marco::kIdAceptar);
      EXPECT_TRUE(guion.Codigos().empty());
      continue;
    }
    EXPECT_EQ(r, 0);  // still open
    ASSERT_EQ(guion.Codigos(), std::vector<std::string>{c.codigo});
    EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
    EXPECT_EQ(guion.Mensajes()[0].extra, kTextoImproductivos);
    EXPECT_EQ(d.v.FocoActual(), c.foco);
    EXPECT_EQ(std::memcmp(&d.dlg.m_recibido, &antes, sizeof antes), 0);
  }
}

TEST(DlgLimiteCuota, VistaDeUnMiembroBloqueadaNoDevuelveNada) {
  SDialogo<CDlgLimiteCuota> d({2, true, false, false});
  d.dlg.m_comparacion = 1e9;
  d.dlg.m_recibido = Limite('C');
  const SLimiteCuota antes = d.dlg.m_recibido;
  d.Abrir();
  for (const int id : kConyuge) EXPECT_FALSE(d.v.Habilitado(id));
  EXPECT_EQ(d.v.Texto(kIdCuotaConyuge), "150.000");
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_EQ(std::memcmp(&d.dlg.m_recibido, &antes, sizeof antes), 0);
}

TEST(DlgLimiteCuota, AyudaYCancelar) {
  SDialogo<CDlgLimiteCuota> d;
  d.dlg.m_recibido = Limite('C');
  d.Abrir();
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaLimiteCuota});
  d.v.Escribir(kIdCuotaDeclarante, "1");
  d.v.Pulsar(marco::kIdCancelar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.cuotaDeclarante, 500000.0);
}

// ---- taxes paid abroad ----

TEST(DlgImpuestosExtranjero, ComprobacionesContraElPatrimonio) {
  struct SCaso {
    const char* nombre;
    double gravado[3];
    int foco;  // 0 when OK closes
  };
  const SCaso casos[] = {
      {"todo dentro", {100.0, 200.0, 300.0}, 0},
      {"suma igual al patrimonio", {500.0, 300.0, 200.0}, 0},
      {"el tercero primero", {2000.0, 2000.0, 2000.0}, kIdGravado[2]},
      {"el segundo", {2000.0, 2000.0, 0.0}, kIdGravado[1]},
      {"el primero", {1001.0, 0.0, 0.0}, kIdGravado[0]},
      {"cada uno cabe, la suma no", {400.0, 400.0, 201.0}, kIdGravado[0]},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CGuionMensajes guion;
    SDialogo<CDlgImpuestosExtranjero> d;
    d.dlg.m_comparacion = 1000.0;
    for (std::size_t e = 0; e < 3; ++e) {
      d.dlg.m_recibido[e].satisfecho = 10.0 * static_cast<double>(e + 1);
      d.dlg.m_recibido[e].gravado = c.gravado[e];
    }
    const BloqueExtranjero antes = d.dlg.m_recibido;
    d.Abrir();
    const int r = d.Aceptar();
    if (c.foco == 0) {
      EXPECT_EQ(r, marco::kIdAceptar);
      EXPECT_TRUE(guion.Codigos().empty());
      continue;
    }
    EXPECT_EQ(r, 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100P001"});
    EXPECT_EQ(d.v.FocoActual(), c.foco);
    EXPECT_EQ(std::memcmp(&d.dlg.m_recibido, &antes, sizeof antes), 0);
  }
}

TEST(DlgImpuestosExtranjero, LoEscritoVuelveSoloConAceptar) {
  SDialogo<CDlgImpuestosExtranjero> d;
  d.dlg.m_comparacion = 5000000.0;
  d.Abrir();
  EXPECT_EQ(d.v.Texto(kIdSatisfecho[0]), "");
  d.v.Escribir(kIdSatisfecho[1], "12.345");
  d.v.Escribir(kIdGravado[1], "2000000");
  d.v.Escribir(kIdGravado[2], "-5");  // refused: the old value stays
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaImpuestosExtranjero});
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].satisfecho, 12345.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].gravado, 2000000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[2].gravado, 0.0);
}

// ---- the name dialog ----

TEST(DlgNombreApellidos, MuestraYGuardaLosCamposConSuTerminador) {
  SDialogo<CDlgNombreApellidos> d;
  std::memcpy(d.dlg.m_recibido.apellidos, "GARC\xCD" "A PE\xD1" "A", 11);
  std::memcpy(d.dlg.m_recibido.nombre, "ANA", 4);
  d.Abrir();
  EXPECT_EQ(d.v.Texto(kIdApellidos), "GARC\xCD" "A PE\xD1" "A");
  EXPECT_EQ(d.v.Texto(kIdNombre), "ANA");
  EXPECT_TRUE(d.v.Habilitado(kIdNombre));
  d.v.Escribir(kIdNombre, "MAR\xCD" "A JOS\xC9");
  // More than fits: the field keeps its 30 characters.
  d.v.Escribir(kIdApellidos, std::string(40, 'X'));
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  const SNombreApellidos& r = d.dlg.m_recibido;
  EXPECT_EQ(std::string(r.apellidos, 30), std::string(30, 'X'));
  EXPECT_EQ(r.apellidos[30], '\0');
  EXPECT_EQ(std::string(r.nombre, 15), "MAR\xCD" "A JOS\xC9     ");
  EXPECT_EQ(r.nombre[15], '\0');
}

TEST(DlgNombreApellidos, UnCampoSinTerminadorSeLeeHastaSuAncho) {
  SDialogo<CDlgNombreApellidos> d;
  // Damaged: no terminator anywhere.
  std::memset(d.dlg.m_recibido.apellidos, 'Z', sizeof d.dlg.m_recibido.apellidos);
  std::memset(d.dlg.m_recibido.nombre, 'Z', sizeof d.dlg.m_recibido.nombre);
  d.Abrir();
  EXPECT_EQ(d.v.Texto(kIdApellidos), std::string(30, 'Z'));
  EXPECT_EQ(d.v.Texto(kIdNombre), std::string(15, 'Z'));
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido.apellidos[30], '\0');
  EXPECT_EQ(d.dlg.m_recibido.nombre[15], '\0');

  SDialogo<CDlgNombreApellidos> c;
  std::memcpy(c.dlg.m_recibido.nombre, "ANA", 4);
  c.Abrir();
  c.v.Escribir(kIdNombre, "EVA");
  c.v.Pulsar(marco::kIdCancelar);
  EXPECT_STREQ(c.dlg.m_recibido.nombre, "ANA");
}

// ---- the launchers ----

TEST(Dialogos714, SeRegistranConSusBloques) {
  RegistrarDialogosDetalle();
  const marco::SDialogoDetalle* limite = marco::BuscarDialogoDetalle(kVentanaLimiteCuota);
  const marco::SDialogoDetalle* extranjero = marco::BuscarDialogoDetalle(kVentanaImpuestosExtranjero);
  ASSERT_NE(limite, nullptr);
  ASSERT_NE(extranjero, nullptr);
  EXPECT_EQ(limite->tamanoBloque, 56u);
  EXPECT_EQ(extranjero->tamanoBloque, 48u);
  EXPECT_TRUE(marco::RegistroSelecciones().EstaRegistrado(kVentanaNombreApellidos));

  // Without an open wealth-tax declaration there is nothing to compare with: not run, the block as it was.
  std::vector<unsigned char> bloque(48, 0x11);
  marco::SPeticionDetalle p;
  p.bloque = bloque;
  EXPECT_EQ(extranjero->abrir(p), marco::kDialogoCancelado);
  EXPECT_EQ(bloque, std::vector<unsigned char>(48, 0x11));
  // A block of another size is refused.
  std::vector<unsigned char> corto(40, 0);
  p.bloque = corto;
  EXPECT_EQ(limite->abrir(p), marco::kDialogoCancelado);
  // The name dialog without data.
  EXPECT_EQ((*marco::RegistroSelecciones().Buscar(kVentanaNombreApellidos))(marco::SContextoSeleccion{}),
            marco::kDialogoCancelado);
}

// ---- real windows ----

void Escribir(int id, const char* texto) {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(id, w))) t->ChangeValue(texto);
  }
}

void PulsarAceptar(const wxString& titulo) {
  wxWindow* aceptar = nullptr;
  for (wxWindow* w : wxTopLevelWindows) {
    if (w->GetLabel() == titulo) aceptar = wxWindow::FindWindowById(marco::kIdAceptar, w);
  }
  ASSERT_NE(aceptar, nullptr);
  wxKeyEvent enter(wxEVT_KEY_DOWN);
  enter.m_keyCode = WXK_RETURN;
  enter.SetEventObject(aceptar);
  aceptar->GetEventHandler()->ProcessEvent(enter);
}

TEST(Dialogos714Ventana, ImpuestosExtranjeroYNombreEnVentanas) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();

  // An open wealth-tax declaration whose net wealth is 1,000,000.
  wxDocManager gestor;
  auto* plantilla = new wxDocTemplate(&gestor, "Patrimonio", "*.pat", "", "pat", "C714Doc", "",
                                      CLASSINFO(patrimonio::C714Doc), nullptr);
  auto doc = std::make_unique<patrimonio::C714Doc>();
  doc->SetDocumentTemplate(plantilla);
  gestor.AddDocument(doc.get());
  patrimonio::EscribeDouble(doc->Datos().PatResumen, patrimonio::resumen::Total168, 1000000.0);

  BloqueExtranjero bloque{};
  std::vector<unsigned char> datos(sizeof bloque);
  std::memcpy(datos.data(), &bloque, sizeof bloque);
  marco::SPeticionDetalle p;
  p.titulo = "Impuestos satisfechos en el extranjero";
  p.sujeto = 1;
  p.bloque = datos;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaImpuestosExtranjero);
  ASSERT_NE(dialogo, nullptr);

  // A net value above the net wealth is refused and the dialog stays; corrected, OK hands the block back.
  bool visto = false;
  wxTheApp->CallAfter([&] {
    Escribir(kIdSatisfecho[0], "30000");
    Escribir(kIdGravado[0], "1000001");
    PulsarAceptar(p.titulo);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100P001"});
    Escribir(kIdGravado[0], "900000");
    visto = true;
    PulsarAceptar(p.titulo);
  });
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  std::memcpy(&bloque, datos.data(), sizeof bloque);
  EXPECT_DOUBLE_EQ(bloque[0].satisfecho, 30000.0);
  EXPECT_DOUBLE_EQ(bloque[0].gravado, 900000.0);

  // The name dialog through the registry of selection dialogs.
  SNombreApellidos nombre{};
  std::memcpy(nombre.apellidos, "LOPEZ", 6);
  marco::SContextoSeleccion c;
  c.enlace = &nombre;
  wxTheApp->CallAfter([] {
    Escribir(kIdNombre, "LUIS");
    PulsarAceptar("Nombre y apellidos");
  });
  EXPECT_EQ((*marco::RegistroSelecciones().Buscar(kVentanaNombreApellidos))(c), marco::kDialogoAceptado);
  EXPECT_EQ(std::string(nombre.nombre), "LUIS           ");
  EXPECT_EQ(std::string(nombre.apellidos), "LOPEZ" + std::string(25, ' '));

  gestor.RemoveDocument(doc.get());
  doc.reset();
}

TEST(Dialogos714Ventana, ElNombreConservaLaPrimeraLetraAunqueLlegueSeleccionada) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  // "G" typed into the name box opens the dialog with it; the keys typed on may reach the surnames while the toolkit
  // has selected the whole field (it does so as it gives a field the focus): the first of them goes after the "G".
  SNombreApellidos nombre{};
  marco::SContextoSeleccion c;
  c.enlace = &nombre;
  c.caracter = 'G';
  bool visto = false;
  wxTheApp->CallAfter([&] {
    wxTextCtrl* apellidos = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(kIdApellidos, w))) apellidos = t;
    }
    ASSERT_NE(apellidos, nullptr);
    EXPECT_EQ(apellidos->GetValue(), "G");
    apellidos->SetSelection(-1, -1);
    wxKeyEvent tecla(wxEVT_KEY_DOWN);
    tecla.m_keyCode = 'A';
    tecla.SetEventObject(apellidos);
    apellidos->GetEventHandler()->ProcessEvent(tecla);
    long desde = 0;
    long hasta = 0;
    apellidos->GetSelection(&desde, &hasta);
    EXPECT_EQ(desde, hasta) << "the first character is still selected";
    EXPECT_EQ(apellidos->GetInsertionPoint(), 1);
    // What the key types goes in at the caret.
    apellidos->WriteText("ARCIA LOPEZ");
    visto = true;
    PulsarAceptar("Nombre y apellidos");
  });
  EXPECT_EQ((*marco::RegistroSelecciones().Buscar(kVentanaNombreApellidos))(c), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  EXPECT_EQ(std::string(nombre.apellidos), "GARCIA LOPEZ" + std::string(18, ' '));
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
}  // namespace dialogos
