// Each detail dialog that a box of the pages opens for the first time, driven as a person drives it: the box of its
// page (the page's own binding over an open declaration) opens the registered dialog in a real window, a value is
// typed into it and accepted; the value lands where the calculation library reads it, and the whole recalculation
// then gives another result. One row per dialog (docs/DETALLES_CASILLAS.md gives the pairing and its evidence).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DeclaracionAbierta.h"
#include "DeclaracionEjemplo.h"
#include "PaginasPrueba.h"
#include "PruebasWx.h"
#include "d100/ORD004.h"
#include "d100/ORD007.h"
#include "d100/ORD013.h"
#include "dialogs/DialogosDetalle.h"
#include "framework/Campo.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"
#include "framework/TemplateDlgReglas.h"
#include "income/Liquidacion.h"

namespace {

constexpr std::size_t kFam = offsetof(DatosRenta, DatosFamilia);
constexpr std::size_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::size_t kD3 = offsetof(DatosRenta, ApartadoD3);
constexpr std::size_t kE2 = offsetof(DatosRenta, ApartadoE2);
constexpr std::size_t kE5 = offsetof(DatosRenta, ApartadoE5);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::size_t kMiembro = 5 * sizeof(double);

void Octeto(DatosRenta& d, std::size_t desp, unsigned char v) { reinterpret_cast<unsigned char*>(&d)[desp] = v; }
double Doble(const DatosRenta& d, std::size_t desp) {
  double v = 0;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&d) + desp, 8);
  return v;
}
// The community code of the family unit and of the declarant.
std::function<void(DatosRenta&)> Comunidad(const char* codigo) {
  return [codigo](DatosRenta& d) {
    for (const std::size_t desp : {48u, 80u}) std::memcpy(reinterpret_cast<unsigned char*>(&d) + kFam + desp, codigo, 2);
  };
}
// An entry's holder byte (the entries stand at `desp`, `paso` bytes apart).
std::function<void(DatosRenta&)> Titular(std::size_t desp, unsigned char titular) {
  return [desp, titular](DatosRenta& d) { Octeto(d, desp, titular); };
}

enum class EPagina { Fija, Grupos };

struct SFila {
  const char* dialogo;
  int pagina;
  int casilla;
  std::function<void(DatosRenta&)> preparar;
  std::vector<std::pair<int, const char*>> teclear;
  std::size_t campo;    // where the value typed lands, the place the calculation reads
  double valor;         // the value there (a mark byte is 1)
  bool octeto = false;  // the place is a mark byte
  std::size_t resultado = 0;  // a result the calculation computes from it
  std::size_t anchoResultado = kMiembro;  // a member array unless said
  // The declaration the row starts from: the filled example, or only the family data (the deductions limited by
  // the bases exist only for low bases).
  bool ejemplo = true;
};

// The rows: the page's box, what the declaration needs for the deduction to exist, what is typed (control id and
// text), where it lands and the result it moves.
std::vector<SFila> Filas() {
  return {
      // Page 13, the regional deductions (the declarant's community opens the group).
      {"IDD_MINUSAU1", 213, 6, Comunidad("04"), {{1826, "1"}}, kN + 168, 1.0, false, kN + 120, kMiembro, false},
      {"IDD_GCUSTODIA", 213, 7, Comunidad("04"), {{1311, "100000"}}, kN + 256, 100000.0, false, kN + 208, kMiembro,
       false},
      {"IDD_GESTUDUNIV", 213, 8,
       [](DatosRenta& d) {
         Comunidad("04")(d);
         Titular(kN + 312, 2)(d);
       },
       {{1584, "50000"}}, kN + 320, 50000.0, false, kN + 272, kMiembro, false},
      {"IDD_GASSUERUS", 213, 9,
       [](DatosRenta& d) {
         Comunidad("04")(d);
         Titular(kN + 432, 2)(d);
       },
       {{1293, "100000"}, {1291, "50000"}}, kN + 440, 100000.0, false, kN + 392},
      {"IDD_NACHIJOSPLUS", 213, 15, Comunidad("08"), {{1852, "1"}}, kN + 792, 1.0, false, kN + 712},
      {"IDD_NACHIJOS", 213, 21, Comunidad("09"), {{1836, "1"}}, kN + 1216, 1.0, false, kN + 1168},
      {"IDD_ACOGMAY", 213, 25, Comunidad("12"), {{1836, "1"}}, kN + 1520, 1.0, false, kN + 1472, kMiembro, false},
      // Page 16, the results.
      {"IDD_CEUTAMEL", 216, 9, Titular(kRS + 400, 2), {{1271, "300000"}}, kRS + 408, 300000.0, false, kRS + 360},
      {"IDD_IDEMORAP", 216, 17, Titular(kRS + 928, 2), {{1199, "1000"}}, kRS + 936, 1000.0, false, kRS + 888},
      {"IDD_RENOBGA", 216, 26, Titular(kRS + 5128, 2), {{1271, "500000"}, {1201, "60000"}}, kRS + 5136, 500000.0,
       false, kRS + 5088},
      {"IDD_TRANFISINT", 216, 27, Titular(kRS + 5264, 2), {{1282, "30000"}}, kRS + 5272, 30000.0, false, kRS + 5224},
      {"IDD_COMPADQ", 216, 30, Titular(kRS + 5472, 2), {{1278, "35000"}}, kRS + 5480, 35000.0, false, kRS + 5432},
      {"IDD_PGACUINM", 216, 34, Titular(kRS + 5848, 2), {{1283, "20000"}}, kRS + 5864, 20000.0, false, kRS + 5808},
      {"IDD_TIT4DAT1", 216, 44,
       [](DatosRenta& d) {
         Titular(kRS + 6464, 2)(d);
         Octeto(d, kId + renta::kDespMarcaDiferenciaA, 1);
       },
       {{1282, "1000"}}, kRS + 6472, 1000.0, false, kRS + 6648},
      {"IDD_AUTOLIQ", 216, 45,
       [](DatosRenta& d) {
         Titular(kRS + 6576, 2)(d);
         Octeto(d, kId + renta::kDespMarcaDiferenciaA + 1, 1);
       },
       {{1282, "1000"}}, kRS + 6584, 1000.0, false, kRS + 6648},
      // Page 7, section E: the criterion (a selection box), an entity's double taxation and other concepts, a
      // collective-investment row.
      {"IDD_PERIMPO", 207, 5, {}, {{1383, "X"}}, kE2 + 5, 1.0, true, kE2 + 0, 1},
      {"IDD_DBLIMPTRA", 207, 14, {}, {{1397, "90000"}}, kE2 + 24 + 48, 90000.0, false, kE2 + 24 + 40, 8},
      {"IDD_IMPOTROC", 207, 18, {}, {{1397, "7000"}}, kE2 + 24 + 112, 7000.0, false, kE2 + 24 + 88, 8},
      {"IDD_RENDETIIV", 207, 77, Titular(kE5 + 24, 2),
       {{1397, "1000000"}, {1401, "900000"}, {1404, "135000"}}, kE5 + 56, 135000.0, false, kBI + 1040},
      // Page 4, the lines of section D3.
      {"IDD_CONVCOLA", 204, 99, {}, {{1759, "50000"}}, kD3 + 40, 50000.0, false, kD3 + 0},
  };
}

class DetallesCasillas : public ordinaria::pruebas::CPaginasPrueba {
 protected:
  std::unique_ptr<marco::CControlesPagina> Pagina(int id, DatosRenta& d) {
    std::unique_ptr<marco::CControlesPagina> c;
    switch (id) {
      case 204: c = Con<ordinaria::CControlesORD004>(d); break;
      case 207: c = Con<ordinaria::CControlesORD007>(d); break;
      case 213: c = Con<renta::CControlesORD013>(d); break;
      default: c = Con<renta::CControlesResultados>(d); break;
    }
    EXPECT_EQ(c->Cargar(id, 1.0, &local), 1) << id;
    return c;
  }
  template <typename T>
  std::unique_ptr<marco::CControlesPagina> Con(DatosRenta& d) {
    auto c = std::make_unique<T>();
    c->PonerDatos(&d, {nif, nombre, ejemplar});
    return c;
  }
  // The page's own rule for a value set through the box's window: the row stored (page 7), the entries summed
  // (page 16, the final difference).
  static void Confirmar(marco::CControlesPagina& c, int id, int casilla) {
    if (id == 207) static_cast<ordinaria::CControlesORD007&>(c).CasillaConfirmada(casilla);
    if (id == 216) static_cast<renta::CControlesResultados&>(c).CalcularCasilla(casilla);
  }
};

// Types the row's texts into the modal dialog in front and accepts it; a dialog still open after that (OK refused)
// is closed, so the test fails instead of waiting.
void TeclearYAceptar(const SFila& f, bool& visto) {
  wxTheApp->CallAfter([&f, &visto] {
    wxDialog* dlg = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsModal() && d->IsShown()) dlg = d;
    }
    if (dlg == nullptr) return;
    visto = true;
    for (const auto& [id, texto] : f.teclear) {
      auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(id, dlg));
      EXPECT_NE(t, nullptr) << f.dialogo << " control " << id;
      if (t != nullptr) t->ChangeValue(wxString::FromUTF8(texto));
    }
    if (wxWindow* aceptar = wxWindow::FindWindowById(marco::kIdAceptar, dlg)) {
      wxKeyEvent enter(wxEVT_KEY_DOWN);
      enter.m_keyCode = WXK_RETURN;
      enter.SetEventObject(aceptar);
      aceptar->GetEventHandler()->ProcessEvent(enter);
    }
    if (dlg->IsShown()) {
      ADD_FAILURE() << f.dialogo << " did not close on Aceptar";
      dlg->EndModal(marco::kIdCancelar);
    }
  });
}

TEST_F(DetallesCasillas, LoTecleadoEnElDialogoLlegaAlCalculoYCambiaElResultado) {
  REQUIERE_PANTALLA();
  // Every question is answered "Continuar": the entries are kept as typed.
  marco::CGuionMensajes guion({}, marco::kBotonContinuar);
  dialogos::RegistrarDialogosDetalle();
  for (const SFila& f : Filas()) {
    SCOPED_TRACE(std::string(f.dialogo) + ", page " + std::to_string(f.pagina) + " box " + std::to_string(f.casilla));
    renta::pruebas::CDeclaracionAbierta declaracion;
    declaracion.Doc().PonerTipoDec(2);
    declaracion.Doc().PonerSujetoActual(marco::kSujetoUnidadFamiliar);
    DatosRenta& d = declaracion.Datos();
    if (f.ejemplo) recalculo::ejemplo::RellenaDeclaracion(d);
    if (f.preparar) f.preparar(d);
    declaracion.Doc().Calcular(1);
    std::vector<unsigned char> antes(f.anchoResultado);
    std::memcpy(antes.data(), reinterpret_cast<unsigned char*>(&d) + f.resultado, antes.size());

    auto c = Pagina(f.pagina, d);
    marco::CCampo* campo = c->CampoDeNumero(f.casilla);
    ASSERT_NE(campo, nullptr);
    ASSERT_NE(campo->Enlace, nullptr) << "the box has no detail link";
    ASSERT_EQ(marco::AnalizarVentanaDetalle(campo->NombreVent).nombre, f.dialogo);
    bool visto = false;
    TeclearYAceptar(f, visto);
    if (marco::RegistroSelecciones().EstaRegistrado(f.dialogo)) {
      marco::CSelStrEdit edit;
      edit.Inicializar(*campo);
      EXPECT_EQ(edit.AbrirSeleccion(0), marco::kDialogoAceptado);
    } else {
      marco::CImporteDetalleEdit edit(*campo);
      EXPECT_EQ(edit.AbrirDetalle(), 2);
    }
    ASSERT_TRUE(visto) << "no dialog came up";
    Confirmar(*c, f.pagina, f.casilla);
    declaracion.Doc().Calcular(1);

    const auto* datos = reinterpret_cast<const unsigned char*>(&d);
    if (f.octeto) {
      EXPECT_EQ(datos[f.campo], static_cast<unsigned char>(f.valor));
    } else {
      EXPECT_EQ(Doble(d, f.campo), f.valor);
    }
    EXPECT_NE(std::memcmp(antes.data(), datos + f.resultado, antes.size()), 0) << "the calculation gave the same result";
  }
}

}  // namespace
