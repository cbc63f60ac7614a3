// Every detail box of every page the program has opens its dialog: the window names of the page sources are read
// box by box, each must be a dialog the program registers, and each registered detail dialog is opened in a real
// window on an empty block of its size and closed again. And every registered dialog is opened by something.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "DeclaracionAbierta.h"
#include "PruebasWx.h"
#include "activities/DlgEpigrafes.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgAsignacionNacimientos.h"
#include "dialogs/DlgDeduccionesTitulares.h"
#include "dialogs/DlgDetallesTitular.h"
#include "dialogs/DlgGanancias.h"
#include "dialogs/DlgInfoActividad.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"
#include "income/FilasSecciones.h"

namespace {

struct SCasillaVentana {
  std::string pagina;
  int casilla = 0;
  std::string ventana;  // the whole window text, "IDD_TIT6DAT1*1"
};

std::vector<SCasillaVentana> CasillasConVentana() {
  std::vector<SCasillaVentana> casillas;
  for (const auto& fichero : std::filesystem::directory_iterator(KORVELIX_DIR_PAGINAS)) {
    if (fichero.path().extension() != ".txt") continue;
    std::ifstream entrada(fichero.path());
    std::string linea;
    int casilla = 0;
    while (std::getline(entrada, linea)) {
      if (linea.rfind("CASILLA ", 0) == 0) casilla = std::atoi(linea.c_str() + 8);
      const std::size_t v = linea.find("VENTANA ");
      if (v != std::string::npos && linea.find("TITULOVENTANA") == std::string::npos) {
        std::string texto = linea.substr(v + 8);
        while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\r')) texto.pop_back();
        casillas.push_back({fichero.path().stem().string(), casilla, texto});
      }
    }
  }
  return casillas;
}

// Windows that boxes of other kinds open: the activity selections of D-100 pages 5 and 6 are edits of their own
// (activities/EditsActividad.h), not registered dialogs; the heading search of the heading boxes is a selection,
// not an amount detail.
const std::set<std::string> kOtrasCasillas = {"IDD_SELIAE", "IDD_SELCLAVE", "IDD_EPIGRAFE"};
// Dialogs that open only over an open declaration of their tax (they compare with its figures, or write into it):
// without one they answer Cancel at once and show nothing. The wealth-tax ones are opened over their declaration by
// their own tests (Dlg714Test.cpp).
const std::set<std::string> kConDeclaracion = {"IDD_IGLESIAS", "IDD_TIT6DAT1", "IDD_COMPADQ", "IDD_PLPENGEN",
                                               "IDD_PLPENMIN"};
const std::set<std::string> kConDeclaracionPatrimonio = {"IDD_PCUOTINT", "IDD_PIMPEXTR"};

// A modal dialog in front is closed; whether one was there.
void CerrarModalAlVolver(bool& visto) {
  wxTheApp->CallAfter([&visto] {
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dlg = dynamic_cast<wxDialog*>(w);
      if (dlg == nullptr || !dlg->IsModal()) continue;
      visto = true;
      dlg->Close();
    }
  });
}

TEST(RecorridoPaginas, CadaCasillaDeDetalleAbreSuDialogo) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion({}, marco::kBotonContinuar);
  dialogos::RegistrarDialogosDetalle();
  const std::vector<SCasillaVentana> casillas = CasillasConVentana();
  ASSERT_GT(casillas.size(), 30u);
  std::set<std::string> abiertos;
  for (const SCasillaVentana& c : casillas) {
    SCOPED_TRACE(c.pagina + " casilla " + std::to_string(c.casilla) + " " + c.ventana);
    const marco::SVentanaDetalle ventana = marco::AnalizarVentanaDetalle(c.ventana);
    if (kOtrasCasillas.count(ventana.nombre) != 0) continue;
    // A selection box opens its dialog from the program's registry of selection dialogs (their tests open them).
    if (marco::RegistroSelecciones().EstaRegistrado(ventana.nombre)) continue;
    // Never "this window does not exist": the name is one the detail boxes know (the dialog-opening tick box has
    // its one dialog of its own) and its dialog is registered.
    if (ventana.nombre != dialogos::kVentanaAsignacionTributaria) {
      EXPECT_NE(marco::NumeroDialogoDetalle(ventana.nombre), -1);
    }
    const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(ventana.nombre);
    ASSERT_NE(dialogo, nullptr) << "no dialog for " << ventana.nombre;
    if (!abiertos.insert(c.ventana).second) continue;
    std::vector<unsigned char> bloque(dialogo->tamanoBloque, 0);
    marco::SPeticionDetalle p;
    p.titulo = "Recorrido " + c.ventana;
    p.primerParametro = ventana.primerParametro;
    p.segundoParametro = ventana.segundoParametro;
    p.sujeto = 1;
    p.bloque = bloque;
    bool visto = false;
    CerrarModalAlVolver(visto);
    EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
    const bool conDeclaracion =
        kConDeclaracion.count(ventana.nombre) != 0 || kConDeclaracionPatrimonio.count(ventana.nombre) != 0;
    EXPECT_EQ(visto, !conDeclaracion);
    if (visto || kConDeclaracionPatrimonio.count(ventana.nombre) != 0) continue;
    // Over an open declaration it opens too.
    renta::pruebas::CDeclaracionAbierta declaracion;
    CerrarModalAlVolver(visto);
    EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
    EXPECT_TRUE(visto);
  }
  EXPECT_GT(abiertos.size(), 60u);
}

// Whether a lookup table's text source has rows.
bool TablaConFilas(const std::string& fuente) {
  std::ifstream entrada(std::string(KORVELIX_DIR_TABLAS) + "/" + fuente);
  std::string linea;
  bool filas = false;
  while (std::getline(entrada, linea)) {
    if (filas && !linea.empty() && linea[0] != '#') return true;
    if (linea.rfind("FILAS", 0) == 0) filas = true;
  }
  return false;
}

// Every registered dialog, detail or selection, is opened by something a person reaches: a box of a page (its
// window name in the page sources), a button of a page or another dialog (named below with what opens each). A
// dialog registered and opened by nothing fails here; the ones left carry their reason.
TEST(RecorridoPaginas, CadaDialogoRegistradoLoAbreAlgo) {
  dialogos::RegistrarDialogosDetalle();
  actividades::RegistrarDlgEpigrafes();
  const std::map<std::string_view, std::string_view> kAbiertosPorOtros = {
      {dialogos::kVentanaInfoActividad, "the information buttons of the activities of page 5"},
      {dialogos::kVentanaInfoActividadAgraria, "the information buttons of the activities of page 6"},
      {dialogos::kVentanaActividadSociedad, "the buttons and the option of the entities of page 7"},
      {renta::kVentanaTipoElemento, "the element-type buttons of page 9 and a holder changed there"},
      {dialogos::kVentanaCuentasVivienda, "the housing-account boxes of the housing investment (IDD_INVERVIVI)"},
      {dialogos::kVentanaAmortizacionesAnteriores, "a button of the acquisition value (IDD_VALADQUIG4)"},
      {dialogos::kVentanaAmortizaciones9495, "a button of the acquisition value (IDD_VALADQUIG4)"},
  };
  std::map<std::string_view, std::string_view> sinAbrir = {
      {dialogos::kVentanaImportesTitular,
       "no place of the data area is laid out as one holder entry alone (docs/DETALLES_CASILLAS.md)"},
      {dialogos::kVentanaImporteEstudios,
       "no place of the data area is laid out as one amount followed by 16 bytes it keeps (docs/DETALLES_CASILLAS.md)"},
  };
  if (!TablaConFilas("EPIGRAFE.txt")) {
    sinAbrir.emplace(actividades::kVentanaEpigrafe, "the heading search waits for its table (EPIGRAFE.txt is empty)");
  }
  std::set<std::string> enPaginas;
  for (const SCasillaVentana& c : CasillasConVentana()) enPaginas.insert(marco::AnalizarVentanaDetalle(c.ventana).nombre);

  std::vector<std::string> registrados = marco::NombresDialogosDetalle();
  const std::vector<std::string> selecciones = marco::RegistroSelecciones().Nombres();
  registrados.insert(registrados.end(), selecciones.begin(), selecciones.end());
  ASSERT_GT(registrados.size(), 70u);
  for (const std::string& nombre : registrados) {
    const bool abierto = enPaginas.count(nombre) != 0 || kAbiertosPorOtros.count(nombre) != 0;
    const auto motivo = sinAbrir.find(nombre);
    if (motivo != sinAbrir.end()) {
      EXPECT_FALSE(abierto) << nombre << " is opened now: take it out of the list (" << motivo->second << ")";
      continue;
    }
    EXPECT_TRUE(abierto) << nombre << " is registered and nothing opens it";
  }
  // The lists name registered dialogs only.
  for (const auto& [nombre, quien] : kAbiertosPorOtros) {
    EXPECT_NE(std::find(registrados.begin(), registrados.end(), nombre), registrados.end()) << nombre << ": " << quien;
  }
  for (const auto& [nombre, motivo] : sinAbrir) {
    EXPECT_NE(std::find(registrados.begin(), registrados.end(), nombre), registrados.end()) << nombre << ": " << motivo;
  }
}

// The information buttons of D-100 pages 5 and 6 open their dialogs through the same registry: every variant (by the
// epigraph id the page hands over) and dialog 192 open in a real window with their caption, and Cancel gives the
// block back unchanged; the notice on new activities opens too.
TEST(RecorridoPaginas, CadaBotonDeInformacionAbreSuDialogo) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion({}, marco::kBotonContinuar);
  dialogos::RegistrarDialogosDetalle();
  struct SCaso {
    std::string_view ventana;
    std::int32_t parametro;
  };
  for (const SCaso c : {SCaso{dialogos::kVentanaInfoActividad, 20}, SCaso{dialogos::kVentanaInfoActividad, 173},
                        SCaso{dialogos::kVentanaInfoActividad, 174}, SCaso{dialogos::kVentanaInfoActividad, 143},
                        SCaso{dialogos::kVentanaInfoActividadAgraria, '1'}}) {
    SCOPED_TRACE(std::string(c.ventana) + " " + std::to_string(c.parametro));
    const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(c.ventana);
    ASSERT_NE(dialogo, nullptr);
    std::vector<unsigned char> bloque(dialogo->tamanoBloque, 0);
    bloque[8] = 'X';
    const std::vector<unsigned char> antes = bloque;
    marco::SPeticionDetalle p;
    p.primerParametro = c.parametro;
    p.sujeto = 1;
    p.bloque = bloque;
    std::string titulo;
    wxTheApp->CallAfter([&] {
      for (wxWindow* w : wxTopLevelWindows) {
        auto* dlg = dynamic_cast<wxDialog*>(w);
        if (dlg == nullptr || !dlg->IsModal()) continue;
        titulo = dlg->GetTitle().ToStdString();
        dlg->Close();
      }
    });
    EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
    EXPECT_EQ(titulo, "INFORMACION RELATIVA A LA ACTIVIDAD");
    EXPECT_EQ(bloque, antes);
  }
  dialogos::CDlgNuevasActividades aviso(nullptr);
  bool visto = false;
  wxTheApp->CallAfter([&] {
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dlg = dynamic_cast<wxDialog*>(w);
      if (dlg == nullptr || !dlg->IsModal()) continue;
      visto = true;
      dlg->Close();
    }
  });
  EXPECT_EQ(aviso.DoModal(), marco::kIdCancelar);
  EXPECT_TRUE(visto);
}

}  // namespace
