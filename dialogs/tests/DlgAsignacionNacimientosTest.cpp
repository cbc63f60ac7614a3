// The tax allocation dialog (which boxes a family may mark, OK writing the ten marks into the declaration, Cancel
// leaving them) and the two dialogs of the births of children in 1999 (the order-of-birth check, the questions
// and Corregir, the whole numbers of the third-child dialog by box parameter, the locked member's view).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgAsignacionNacimientos.h"
#include "framework/DialogoSimulado.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "ximardol.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

template <class TDialogo, class... Args>
struct SDialogo {
  explicit SDialogo(Args... args) : dlg(nullptr, args...), v(dlg.Plantilla()) {
    dlg.FijarEntorno({0, false, false, false});
  }
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  TDialogo dlg;
  CControlesSimulados v;
};

// ---- the tax allocation ----

TEST(DlgAsignacionTributaria, CasillasSegunLaFamiliaYOkEscribeLasDiezMarcas) {
  struct SCaso {
    unsigned char estado;
    unsigned char hijos;
    std::vector<bool> habilitadas;  // joint, declarant, spouse, child 1, child 2
  };
  const SCaso casos[] = {
      {0, 0, {false, true, false, false, false}},
      {1, 0, {true, true, true, false, false}},
      {0, 1, {true, true, false, true, true}},
  };
  for (const SCaso& c : casos) {
    DatosRenta datos{};
    datos.DatosFamilia.octetos[0] = c.estado;
    datos.DatosFamilia.octetos[1] = c.hijos;
    SDialogo<CDlgAsignacionTributaria> d;
    d.dlg.m_pDatos = &datos;
    d.v.Abrir(d.dlg);
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(d.v.Habilitado(kIdIglesia + 2 * k), c.habilitadas[static_cast<std::size_t>(k)]) << k;
      EXPECT_EQ(d.v.Habilitado(kIdFinesSociales + 2 * k), c.habilitadas[static_cast<std::size_t>(k)]) << k;
    }
  }

  // Both boxes of one row may be marked; OK writes them, Cancel nothing.
  for (const bool aceptar : {true, false}) {
    DatosRenta datos{};
    datos.Identificacion.octetos[kDespAsignacionSocial + 3] = 1;
    SDialogo<CDlgAsignacionTributaria> d;
    d.dlg.m_pDatos = &datos;
    d.v.Abrir(d.dlg);
    EXPECT_EQ(d.v.Texto(kIdFinesSociales + 2 * 3), "X");
    d.v.Escribir(kIdIglesia + 2, "x");
    d.v.Escribir(kIdFinesSociales + 2, "X");
    d.v.Pulsar(aceptar ? marco::kIdAceptar : marco::kIdCancelar);
    const unsigned char* id = datos.Identificacion.octetos;
    EXPECT_EQ(id[kDespAsignacionIglesia + 1], aceptar ? 1 : 0);
    EXPECT_EQ(id[kDespAsignacionSocial + 1], aceptar ? 1 : 0);
    EXPECT_EQ(id[kDespAsignacionSocial + 3], 1);
    EXPECT_EQ(id[kDespAsignacionIglesia], 0);
  }
}

// ---- births ----

TEST(DlgNacimientoHijos, CadaOrdenDeNacimientoCuentaUnaVezSalvoElQuinto) {
  for (const auto& [fila, codigo] : {std::pair{1, "100R150"}, std::pair{4, ""}}) {
    CGuionMensajes guion;
    SDialogo<CDlgNacimientoHijos, std::int32_t> d(0);
    d.dlg.m_familia = {1, true};
    d.v.Abrir(d.dlg);
    d.v.Escribir(kIdsNacComunes[static_cast<std::size_t>(fila)], "1");
    d.v.Escribir(kIdsNacConyuge[static_cast<std::size_t>(fila)], "1");
    guion.Responder(marco::kBotonContinuar);  // the question of 100V131 for the spouse's one
    const int r = d.Aceptar();
    if (std::string(codigo).empty()) {
      EXPECT_EQ(r, marco::kIdAceptar);
      EXPECT_EQ(d.dlg.m_recibido[static_cast<std::size_t>(fila)], 1.0);
    } else {
      EXPECT_EQ(r, 0);
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{codigo});
      EXPECT_EQ(d.dlg.m_recibido[static_cast<std::size_t>(fila)], 0.0);
    }
  }
}

TEST(DlgNacimientoHijos, UnComunGuardadoSinConyugeAvisaYCorregirDejaAbierto) {
  CGuionMensajes guion({marco::kBotonCorregir});
  SDialogo<CDlgNacimientoHijos, std::int32_t> d(0);
  d.dlg.m_familia = {0, false};
  d.dlg.m_recibido[2] = 1.0;
  d.v.Abrir(d.dlg);
  EXPECT_FALSE(d.v.Habilitado(kIdsNacComunes[2]));
  EXPECT_FALSE(d.v.Habilitado(kIdsNacConyuge[0]));
  EXPECT_TRUE(d.v.Habilitado(kIdsNacDeclarante[0]));
  EXPECT_EQ(d.Aceptar(), 0);
  // Corregir stops before the later question (no children in the family data).
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V132"});
  guion.Responder(marco::kBotonContinuar);
  guion.Responder(marco::kBotonContinuar);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100V132", "100V132", "100R159"}));
}

TEST(DlgNacimientoTercerHijo, ParametroDeLaCasilla) {
  struct SCaso {
    int parametro;
    std::vector<std::string> codigos;
  };
  // A married couple without the children flag, one child of the declarant's own.
  for (const SCaso& c : {SCaso{8, {}}, SCaso{3, {"100V131", "100R159"}}, SCaso{0, {}}}) {
    CGuionMensajes guion({}, marco::kBotonContinuar);
    const int decimales = c.parametro == 3 || c.parametro == 8 ? 0 : 2;
    SDialogo<CDlgNacimientoTercerHijo, std::int32_t, int> d(0, decimales);
    d.dlg.m_familia = {1, false};
    d.dlg.PonerParametro(c.parametro);
    d.v.Abrir(d.dlg);
    d.v.Escribir(kIdNacDeclarante, "1");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar) << c.parametro;
    EXPECT_EQ(guion.Codigos(), c.codigos) << c.parametro;
    EXPECT_EQ(d.dlg.m_recibido[1], 1.0);
    EXPECT_EQ(d.v.Texto(kIdNacDeclarante), "1");
  }
}

TEST(DlgNacimientoTercerHijo, LaVistaDeUnMiembroNoPuedeAceptar) {
  SDialogo<CDlgNacimientoTercerHijo, std::int32_t, int> d(0, 2);
  d.dlg.FijarEntorno({marco::kSujetoDeclarante, true, false, false});
  d.dlg.PonerCodigoSujeto(marco::kSujetoDeclarante);
  d.dlg.m_recibido = {0.0, 1.0, 0.0};
  d.v.Abrir(d.dlg);
  EXPECT_FALSE(d.v.Habilitado(marco::kIdAceptar));
}

TEST(DialogosAsignacionNacimientos, Registrados) {
  RegistrarDialogosDetalle();
  const marco::SDialogoDetalle* iglesia = marco::BuscarDialogoDetalle("IDD_IGLESIAS");
  ASSERT_NE(iglesia, nullptr);
  EXPECT_EQ(iglesia->tamanoBloque, 0u);
  ASSERT_NE(marco::BuscarDialogoDetalle("IDD_NACHIJOS"), nullptr);
  EXPECT_EQ(marco::BuscarDialogoDetalle("IDD_NACHIJOS")->tamanoBloque, 24u);
  ASSERT_NE(marco::BuscarDialogoDetalle("IDD_NACHIJOSPLUS"), nullptr);
  EXPECT_EQ(marco::BuscarDialogoDetalle("IDD_NACHIJOSPLUS")->tamanoBloque, 120u);
  // Without an open income-tax declaration the allocation has nothing to work on.
  marco::SPeticionDetalle p;
  EXPECT_EQ(iglesia->abrir(p), marco::kDialogoCancelado);
}

}  // namespace
}  // namespace dialogos
