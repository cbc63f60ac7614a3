// The Canary Islands investment reserve dialogs on simulated controls: the checks of OK (a refused OK keeps both
// entries as typed), the per-person view of a common entry, the keys (read-only for a box of kind 3, refused when
// not in the table) and the stored block with the key and the amount still to invest.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DlgReservaCanarias.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kIdsDotacion[] = {1305, 1307};
constexpr int kIdsClave[] = {1309, 1310};
constexpr int kIdsPendiente[] = {1311, 1312};

// The key table, without a database: keys A and B.
template <typename TBase>
class CConClaves : public TBase {
 public:
  CConClaves() : TBase(nullptr) {}
  bool ClaveAdmitida(char clave) const override { return clave == 'A' || clave == 'B'; }
};

template <typename TDialogo>
struct SDialogo {
  explicit SDialogo(marco::SEntornoDialogo entorno = {1, true, false, false}) : v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
  }
  CConClaves<TDialogo> dlg;
  CControlesSimulados v;
};

SEntradaTitular Entrada(std::uint8_t titular, double dotacion, double segundo, double pendiente = 0.0,
                        char clave = 0) {
  SEntradaTitular e;
  e.titular = titular;
  e.importes[0] = dotacion;
  e.importes[1] = segundo;
  e.resto[0] = static_cast<unsigned char>(clave);
  std::memcpy(e.resto.data() + 8, &pendiente, sizeof pendiente);
  return e;
}

double Pendiente(const SEntradaTitular& e) {
  double valor = 0.0;
  std::memcpy(&valor, e.resto.data() + 8, sizeof valor);
  return valor;
}

TEST(DlgReservaCanarias, ComprobacionesDelOk) {
  struct SCaso {
    bool dotacion;  // the dialog of 1997 and 1998 (else the one of the allocation invested in 1999)
    std::vector<SEntradaTitular> entradas;
    std::string codigo;  // empty: accepted
  };
  const std::vector<SCaso> casos = {
      {true, {Entrada(2, 100.0, 60.0, 40.0)}, ""},
      {true, {Entrada(2, 100.0, 60.0, 41.0)}, "100R195"},
      {true, {Entrada(2, 100.0, 0.0, 0.0), Entrada(3, 100.0, 101.0, 0.0)}, "100R195"},
      {false, {Entrada(2, 100.0, 100.0)}, ""},
      {false, {Entrada(2, 100.0, 100.0), Entrada(3, 50.0, 51.0)}, "100R194"},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.codigo + (c.dotacion ? " dotacion" : " materializada"));
    CGuionMensajes guion;
    const auto probar = [&](auto& d) {
      for (std::size_t i = 0; i < c.entradas.size(); ++i) d.dlg.m_recibido[i] = c.entradas[i];
      d.v.Abrir(d.dlg);
      d.v.Pulsar(marco::kIdAceptar);
      if (c.codigo.empty()) {
        EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
        EXPECT_TRUE(guion.Codigos().empty());
        return;
      }
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{c.codigo});
      EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoAsterisco);
      // The dialog stays open with both entries as typed.
      EXPECT_EQ(d.v.ResultadoVentana(), 0);
      for (std::size_t i = 0; i < c.entradas.size(); ++i) {
        EXPECT_EQ(d.dlg.Copia()[i].titular, c.entradas[i].titular);
        EXPECT_DOUBLE_EQ(d.dlg.Copia()[i].importes[0], c.entradas[i].importes[0]);
        EXPECT_DOUBLE_EQ(d.dlg.Copia()[i].importes[1], c.entradas[i].importes[1]);
        EXPECT_DOUBLE_EQ(Pendiente(d.dlg.Copia()[i]), Pendiente(c.entradas[i]));
        EXPECT_EQ(d.v.Texto(kIdsDotacion[i]), marco::TextoImporteDialogo(c.entradas[i].importes[0], 0, false));
      }
    };
    if (c.dotacion) {
      SDialogo<CDlgDotacionCanarias> d;
      probar(d);
    } else {
      SDialogo<CDlgReservaCanariasMaterializada> d;
      probar(d);
    }
  }
}

TEST(DlgReservaCanarias, LaDotacionCorregidaSeAceptaTrasElAviso) {
  CGuionMensajes guion;
  SDialogo<CDlgDotacionCanarias> d;
  d.dlg.m_recibido[0] = Entrada(2, 100.0, 60.0, 41.0, 'A');
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.v.Texto(kIdsPendiente[0]), "41");
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), 0);
  d.v.Enfocar(kIdsPendiente[0]);
  d.v.Escribir(kIdsPendiente[0], "40");
  d.v.Enfocar(kIdsDotacion[0]);
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(Pendiente(d.dlg.m_recibido[0]), 40.0);
  EXPECT_EQ(d.dlg.m_recibido[0].resto[0], 'A');
}

TEST(DlgReservaCanarias, UnaEntradaComunVistaPorElConyuge) {
  CGuionMensajes guion;
  SDialogo<CDlgDotacionCanarias> d({3, true, false, false});
  d.dlg.m_recibido[0] = Entrada(1, 1000.0, 200.0, 400.0, 'B');
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_EQ(d.v.Texto(kIdsDotacion[0]), "500");
  EXPECT_EQ(d.v.Texto(kIdsPendiente[0]), "200");
  EXPECT_EQ(d.v.Texto(kIdsClave[0]), "B");
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 1);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[0], 1000.0);
}

TEST(DlgReservaCanarias, LaClave) {
  CGuionMensajes guion;
  SDialogo<CDlgReservaCanariasMaterializada> d;
  d.dlg.m_recibido[0] = Entrada(2, 100.0, 10.0);
  d.v.Abrir(d.dlg);
  EXPECT_TRUE(d.v.Habilitado(kIdsClave[0]));
  d.v.Enfocar(kIdsClave[0]);
  d.v.Escribir(kIdsClave[0], "a");
  d.v.Enfocar(kIdsDotacion[0]);
  EXPECT_EQ(d.dlg.Clave(0), 'A');
  EXPECT_TRUE(guion.Codigos().empty());
  // The program's key list is not whole: a key of its form that the list lacks is kept, with the message that
  // says so; one that is not a letter or a digit (or more than one character) is refused with the form's message.
  d.v.Enfocar(kIdsClave[0]);
  d.v.Escribir(kIdsClave[0], "Z");
  d.v.Enfocar(kIdsDotacion[0]);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"LISTA03"});
  EXPECT_EQ(d.dlg.Clave(0), 'Z');
  for (const char* malo : {"*", "AB"}) {
    d.v.Enfocar(kIdsClave[0]);
    d.v.Escribir(kIdsClave[0], malo);
    d.v.Enfocar(kIdsDotacion[0]);
    EXPECT_EQ(guion.Codigos().back(), "LISTA07") << malo;
    EXPECT_EQ(d.dlg.Clave(0), 'Z') << malo;
  }
  d.v.Enfocar(kIdsClave[0]);
  d.v.Escribir(kIdsClave[0], "b");
  d.v.Enfocar(kIdsDotacion[0]);
  EXPECT_EQ(guion.Codigos().size(), 3u);
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido[0].resto[0], 'B');

  // A box of kind 3 shows the keys, never takes them; the balance brought forward has no key column.
  for (int variante : {0, kVarianteClaveFija}) {
    SDialogo<CDlgDotacionCanarias> fija;
    fija.dlg.PonerVariante(variante);
    fija.dlg.m_recibido[0] = Entrada(2, 100.0, 10.0);
    fija.v.Abrir(fija.dlg);
    EXPECT_EQ(fija.v.Habilitado(kIdsClave[0]), variante != kVarianteClaveFija);
    EXPECT_EQ(fija.v.Habilitado(kIdsPendiente[0]), true);
  }
  SDialogo<CDlgReservaCanariasRendimientos> rendimientos;
  rendimientos.v.Abrir(rendimientos.dlg);
  EXPECT_EQ(rendimientos.dlg.Campos(), 3);
  EXPECT_EQ(rendimientos.dlg.Plantilla().Control(kIdsClave[0]), nullptr);
  EXPECT_EQ(rendimientos.v.Texto(kIdNotaLineas), "No es aplicable a actividades profesionales");
}

TEST(DlgReservaCanarias, ElBloqueGuardaLaClaveYElPendiente) {
  CDlgDotacionCanarias dlg(nullptr);
  ASSERT_EQ(dlg.TamanoBloque(), 80u);
  std::vector<unsigned char> bloque(80, 0);
  bloque[40] = 3;
  bloque[41] = 0x11;
  const double dotacion = 900.0;
  const double pendiente = 300.0;
  std::memcpy(bloque.data() + 48, &dotacion, sizeof dotacion);
  bloque[64] = 'B';
  std::memcpy(bloque.data() + 72, &pendiente, sizeof pendiente);
  ASSERT_TRUE(dlg.Recibir(bloque));
  EXPECT_EQ(dlg.m_recibido[1].titular, 3);
  EXPECT_DOUBLE_EQ(dlg.m_recibido[1].importes[0], 900.0);
  EXPECT_EQ(dlg.m_recibido[1].resto[0], 'B');
  EXPECT_DOUBLE_EQ(Pendiente(dlg.m_recibido[1]), 300.0);
  std::vector<unsigned char> vuelta(80, 0);
  vuelta[41] = 0x11;
  dlg.Devolver(vuelta);
  EXPECT_EQ(vuelta, bloque);
  EXPECT_EQ(CDlgReservaCanariasRendimientos(nullptr).TamanoBloque(), 48u);
  EXPECT_EQ(CDlgReservaCanariasMaterializada(nullptr).TamanoBloque(), 64u);
}

}  // namespace
}  // namespace dialogos
