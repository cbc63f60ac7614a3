// The detail dialogs of the dated elements of sections F2 and F3 on simulated controls: transmission value
// (checks of OK, the exclusive marks, what opens by the element), acquisition value (the checks of OK, the expense
// dates, the free years, the depreciation details) and the depreciation by years (the rows by the asset's year, the
// updated amounts the library works out), and the launchers in real windows: the marks that make the reference be
// composed again, and the depreciation detail opened from the acquisition value.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <cmath>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgGanancias.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/ReferenciaReglas.h"

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
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  // Types into a box and leaves it for `siguiente`.
  void Teclear(int id, const std::string& texto, int siguiente) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(siguiente);
  }
  TDialogo dlg;
  CControlesSimulados v;
};

// ---- transmission value ----

TEST(DlgValorTransmision, ComprobacionesDeAceptarEnSuOrden) {
  struct SCaso {
    double t, g, c, r, p;
    bool marcaA;
    const char* codigo;  // nullptr: OK closes
  };
  const SCaso casos[] = {
      {1000, 1000, 0, 0, 0, false, nullptr},      // equal expenses pass
      {1000, 1001, 0, 0, 0, false, "100V147"},    // expenses above the transmission
      {1000, 0, 0, 1001, 0, false, "100V148"},    // reinvested above it
      {1000, 0, 1001, 0, 0, false, "100V149"},    // collected above it
      {1000, 1001, 1001, 1001, 0, false, "100V147"},  // the first test wins
      {1000, 0, 0, 0, 1000, false, "100V165"},    // loan equal to the transmission
      {0, 0, 0, 0, 0, false, nullptr},            // both 0 pass
      {1000, 0, 0, 0, 999, false, nullptr},
  };
  for (const SCaso& k : casos) {
    for (const bool f3 : {true, false}) {
      SCOPED_TRACE(std::to_string(k.t) + "/" + std::to_string(k.g) + "/" + std::to_string(k.p) + (f3 ? " F3" : " F2"));
      CGuionMensajes guion;
      const SFormaTransmision& f = f3 ? kFormaTransmisionF3 : kFormaTransmisionF2;
      CRegistroElemento r(f.tamano);
      r.PonerDoble(f.despTransmision, k.t);
      r.PonerDoble(f.despGastos, k.g);
      r.PonerDoble(f.despCobrado, k.c);
      r.PonerDoble(f.despReinvertido, k.r);
      r.PonerDoble(f.despPrestamo, k.p);
      r.PonerEntero(kDespClaseElemento, 1);  // F3: a kind that keeps every amount open
      int resultado = 0;
      if (f3) {
        SDialogo<CDlgValorTransmision> d;
        d.dlg.m_recibido = r;
        d.Abrir();
        resultado = d.Aceptar();
      } else {
        SDialogo<CDlgValorTransmision2> d;
        d.dlg.m_recibido = r;
        d.Abrir();
        resultado = d.Aceptar();
      }
      if (k.codigo == nullptr) {
        EXPECT_EQ(resultado, marco::kIdAceptar);
        EXPECT_TRUE(guion.Codigos().empty());
      } else {
        EXPECT_EQ(resultado, 0);
        EXPECT_EQ(guion.Codigos(), std::vector<std::string>{k.codigo});
      }
    }
  }
}

TEST(DlgValorTransmision, ReinversionDeUnElementoAfectoConLaMarcaA) {
  CGuionMensajes guion;
  SDialogo<CDlgValorTransmision> d;
  d.dlg.m_recibido.PonerOcteto(kDespMarcaA, 1);
  d.dlg.m_recibido.PonerOcteto(kDespAfecto, 1);
  d.dlg.m_recibido.PonerEntero(kDespClaseElemento, 4);
  d.dlg.m_recibido.PonerDoble(80, 5000);
  d.Abrir();
  d.Teclear(kIdReinvertido, "1000", kIdTransmision);
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V151"});
}

TEST(DlgValorTransmision2, UnaTransmisionDel2000NoSeAcepta) {
  CGuionMensajes guion;
  SDialogo<CDlgValorTransmision2> d;
  d.dlg.m_recibido.PonerDoble(64, 1000);
  d.dlg.m_recibido.PonerTexto(49, "15012000", 8);
  d.Abrir();
  EXPECT_EQ(d.v.Texto(1370), "15/01/2000");
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V150"});
  EXPECT_EQ(d.dlg.m_recibido.Texto(49, 8), "15012000");  // nothing handed back

  // The F3 dialog has no year test.
  CGuionMensajes otro;
  SDialogo<CDlgValorTransmision> g4;
  g4.dlg.m_recibido.PonerDoble(80, 1000);
  g4.dlg.m_recibido.PonerTexto(66, "15012000", 8);
  g4.Abrir();
  EXPECT_EQ(g4.Aceptar(), marco::kIdAceptar);
  EXPECT_TRUE(otro.Codigos().empty());
}

TEST(DlgValorTransmision, LasMarcasSeExcluyenYNoSeEscribeFueraDeSuBloque) {
  SDialogo<CDlgValorTransmision> d;
  d.dlg.m_recibido.PonerOcteto(kDespAfecto, 1);
  d.dlg.m_recibido.PonerEntero(kDespClaseElemento, 4);
  d.dlg.m_recibido.PonerOcteto(65, 1);  // rustic land marked
  d.dlg.m_recibido.PonerTexto(40, "01011990", 8);
  d.dlg.m_recibido.PonerDoble(600, 123.0);  // a field of the element's own pages
  const CRegistroElemento antes = d.dlg.m_recibido;
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(kIdMarcaTaxi));
  EXPECT_TRUE(d.v.Habilitado(kIdMarcaRustica));
  d.Teclear(kIdMarcaTaxi, "X", kIdTransmision);
  EXPECT_EQ(d.v.Texto(kIdMarcaRustica), "");
  d.Teclear(kIdMarcaRustica, "x", kIdTransmision);
  EXPECT_EQ(d.v.Texto(kIdMarcaTaxi), "");
  d.Teclear(kIdMarcaTaxi, "X", kIdTransmision);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido.Octeto(64), 1);
  EXPECT_EQ(d.dlg.m_recibido.Octeto(65), 0);
  // Every other byte is as it came.
  for (std::size_t i = 0; i < kTamanoElementoF3; ++i) {
    if (i == 64 || i == 65) continue;
    ASSERT_EQ(d.dlg.m_recibido.Datos()[i], antes.Datos()[i]) << i;
  }
  EXPECT_TRUE(MarcasTransmisionCambiadas(kFormaTransmisionF3, antes, d.dlg.m_recibido));
}

TEST(DlgValorTransmision, UnRegistroConLasDosMarcasConservaSoloLaDelTaxi) {
  SDialogo<CDlgValorTransmision> d;
  d.dlg.m_recibido.PonerOcteto(kDespAfecto, 1);
  d.dlg.m_recibido.PonerEntero(kDespClaseElemento, 4);
  d.dlg.m_recibido.PonerOcteto(64, 1);
  d.dlg.m_recibido.PonerOcteto(65, 1);
  d.Abrir();
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido.Octeto(64), 1);
  EXPECT_EQ(d.dlg.m_recibido.Octeto(65), 0);
}

TEST(DlgValorTransmision, LoQueAbrePorElElemento) {
  struct SCaso {
    bool afecto;
    std::int32_t clase;
    bool taxi, rustica, prestamo, reinvertido;
  };
  const SCaso casos[] = {
      {false, 1, false, false, true, true},   // a dwelling: the loan, and the reinvestment
      {false, 2, false, false, false, false},  // no loan, no reinvestment
      {true, 3, false, false, false, true},   // business, kind 3: neither mark
      {true, 4, true, true, false, true},     // business, kind 4: both marks
      {true, 2, false, true, false, true},    // business, other kinds: the rustic land only
  };
  for (const SCaso& k : casos) {
    SCOPED_TRACE(std::to_string(k.afecto) + " " + std::to_string(k.clase));
    SDialogo<CDlgValorTransmision> d;
    d.dlg.m_recibido.PonerOcteto(kDespAfecto, k.afecto ? 1 : 0);
    d.dlg.m_recibido.PonerEntero(kDespClaseElemento, k.clase);
    d.dlg.m_recibido.PonerOcteto(64, 1);
    d.dlg.m_recibido.PonerDoble(104, 700);
    d.dlg.m_recibido.PonerDoble(112, 900);
    d.Abrir();
    EXPECT_EQ(d.v.Habilitado(kIdMarcaTaxi), k.taxi);
    EXPECT_EQ(d.v.Habilitado(kIdMarcaRustica), k.rustica);
    EXPECT_EQ(d.v.Habilitado(kIdPrestamo), k.prestamo);
    EXPECT_EQ(d.v.Habilitado(kIdReinvertido), k.reinvertido);
    EXPECT_EQ(d.dlg.Copia().Doble(104), k.reinvertido ? 700.0 : 0.0);
    EXPECT_EQ(d.dlg.Copia().Doble(112), k.afecto ? 0.0 : 900.0);
    // A mark is cleared only where a business asset's kind shuts it.
    EXPECT_EQ(d.dlg.Copia().Octeto(64), !k.afecto || k.clase == 4 ? 1 : 0);
  }
  // F2: the taxi mark belongs to business assets, the loan to the others.
  for (const bool afecto : {false, true}) {
    SDialogo<CDlgValorTransmision2> d;
    d.dlg.m_recibido.PonerOcteto(kDespAfecto, afecto ? 1 : 0);
    d.dlg.m_recibido.PonerOcteto(48, 1);
    d.Abrir();
    EXPECT_EQ(d.v.Habilitado(kIdMarcaTaxi), afecto);
    EXPECT_EQ(d.v.Habilitado(kIdPrestamo), !afecto);
    EXPECT_EQ(d.dlg.Copia().Octeto(48), afecto ? 1 : 0);
  }
}

TEST(DlgValorTransmision, SoloCambiarUnaMarcaRecomponeLaIdentificacion) {
  CRegistroElemento antes(kTamanoElementoF2);
  CRegistroElemento despues = antes;
  despues.PonerDoble(64, 5000);
  EXPECT_FALSE(MarcasTransmisionCambiadas(kFormaTransmisionF2, antes, despues));
  despues.PonerOcteto(48, 1);
  EXPECT_TRUE(MarcasTransmisionCambiadas(kFormaTransmisionF2, antes, despues));
}

TEST(DlgValorTransmision, VistaDeUnaPersonaBloqueada) {
  SDialogo<CDlgValorTransmision> d({3, true, true, false});
  d.dlg.m_recibido.PonerDoble(80, 1000);
  const CRegistroElemento antes = d.dlg.m_recibido;
  d.Abrir();
  EXPECT_TRUE(d.v.SoloLectura(kIdTransmision));
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_recibido, antes);
}

// ---- acquisition value ----

// A section F3 element that is not a business asset, dated 1990, transferred in 1999.
CRegistroElemento ElementoF3(int ano = 1990) {
  CRegistroElemento r(kTamanoElementoF3);
  r.PonerTexto(0x28, "0101" + std::to_string(ano), 8);
  r.PonerTexto(0x30, "01061999", 8);
  return r;
}

TEST(DlgValorAdquisicion, ComprobacionesDeAceptar) {
  struct SCaso {
    const char* nombre;
    double adquisicion, gasto1;
    bool fecha1;
    double gasto2;
    double amortizacion;  // "1993 y anteriores"
    double libre;         // free row 1
    const char* codigo;
  };
  const SCaso casos[] = {
      {"expense without date", 500, 1000, false, 0, 0, 0, "100R178"},
      {"second expense without date", 500, 0, false, 1000, 0, 0, "100R178"},
      {"depreciation above cost", 500, 50, true, 0, 600, 0, "100V152"},
      {"free rows count", 500, 50, true, 0, 300, 300, "100V152"},
      {"depreciation equal to cost", 500, 50, true, 0, 550, 0, nullptr},
  };
  for (const SCaso& k : casos) {
    SCOPED_TRACE(k.nombre);
    CGuionMensajes guion;
    SDialogo<CDlgValorAdquisicion> d;
    CRegistroElemento r = ElementoF3();
    r.PonerDoble(0x88, k.adquisicion);
    r.PonerDoble(0xA0, k.gasto1);
    if (k.fecha1) r.PonerTexto(0x98, "01011995", 8);
    r.PonerDoble(0xB8, k.gasto2);
    r.PonerDoble(0xC8, k.amortizacion);
    r.PonerTexto(0x1B8, "1996", 4);
    r.PonerDoble(0x1C0, k.libre);
    d.dlg.m_recibido = r;
    d.Abrir();
    const int resultado = d.Aceptar();
    if (k.codigo == nullptr) {
      EXPECT_EQ(resultado, marco::kIdAceptar);
      EXPECT_TRUE(guion.Codigos().empty());
    } else {
      EXPECT_EQ(resultado, 0);
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{k.codigo});
    }
  }
}

TEST(DlgValorAdquisicion2, ComprobacionesDeAceptar) {
  {
    CGuionMensajes guion;
    SDialogo<CDlgValorAdquisicion2> d;
    d.dlg.m_recibido.PonerDoble(0x98, 1000);  // expense 1 without date
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R178"});
  }
  {
    // The updated expenses count here: 500 + 50 against 600 of depreciation.
    CGuionMensajes guion;
    SDialogo<CDlgValorAdquisicion2> d;
    d.dlg.m_recibido.PonerTexto(0x16, "01011997", 8);
    d.dlg.m_recibido.PonerTexto(0x1E, "01061998", 8);
    d.dlg.m_recibido.PonerDoble(0x80, 500);
    d.dlg.m_recibido.PonerTexto(0x90, "01021997", 8);
    d.dlg.m_recibido.PonerDoble(0x98, 50);
    d.dlg.m_recibido.PonerDoble(0xC0, 600);
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V152"});
  }
}

TEST(DlgValorAdquisicion, DiferimientoMayorQueLaAmortizacionActualizada) {
  CGuionMensajes guion;
  SDialogo<CDlgValorAdquisicion> d;
  CRegistroElemento r = ElementoF3(1995);
  r.PonerOcteto(kDespAfecto, 1);
  r.PonerDoble(0x68, 1000);  // reinvested: the deferral opens
  r.PonerDoble(0x88, 5000);
  d.dlg.m_recibido = r;
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(kIdDiferimiento));
  d.Teclear(kIdDiferimiento, "400", kIdImporteAdquisicion);
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R191"});
}

TEST(DlgValorAdquisicion, FilasYBotonesPorElAnoDelElemento) {
  struct SCaso {
    int ano;
    bool afecto;
    bool fila1, fila2, boton1, boton2, gastos, diferimiento;
  };
  const SCaso casos[] = {
      {1990, false, true, true, false, false, true, false},
      {1995, false, false, true, false, false, true, false},
      {1997, false, false, false, false, false, true, false},
      {1990, true, false, false, true, true, false, true},  // both rows come from their details
      {1995, true, false, false, false, true, false, true},
      {1996, true, false, false, false, false, false, true},
  };
  for (const SCaso& k : casos) {
    SCOPED_TRACE(std::to_string(k.ano) + (k.afecto ? " afecto" : ""));
    SDialogo<CDlgValorAdquisicion> d;
    CRegistroElemento r = ElementoF3(k.ano);
    r.PonerOcteto(kDespAfecto, k.afecto ? 1 : 0);
    r.PonerDoble(0x68, 10);
    d.dlg.m_recibido = r;
    d.Abrir();
    EXPECT_EQ(d.v.Habilitado(1867), k.fila1);
    EXPECT_EQ(d.v.Habilitado(1871), k.fila2);
    EXPECT_EQ(d.v.Habilitado(kIdBotonAmortizaciones1), k.boton1);
    EXPECT_EQ(d.v.Habilitado(kIdBotonAmortizaciones2), k.boton2);
    EXPECT_EQ(d.v.Habilitado(kIdGasto1), k.gastos);
    EXPECT_EQ(d.v.Habilitado(kIdDiferimiento), k.diferimiento);
    EXPECT_FALSE(d.v.Habilitado(kIdAdquisicionActualizada));
  }
}

TEST(DlgValorAdquisicion, AnosLibres) {
  CGuionMensajes guion;
  SDialogo<CDlgValorAdquisicion> d;
  d.dlg.m_recibido = ElementoF3(1998);
  d.Abrir();
  // Before the element's year: cleared.
  d.Teclear(1874, "1997", 1872);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"CVANO1"});
  EXPECT_EQ(d.v.Texto(1874), "");
  // Not a year of the free rows (1996-1999): cleared, and the box keeps the focus.
  d.Teclear(1164, "1989", 1163);
  EXPECT_EQ(guion.Codigos().size(), 2u);
  EXPECT_EQ(d.v.Texto(1164), "");
  EXPECT_EQ(d.v.FocoActual(), 1164);
  // A short year is completed.
  d.Teclear(1157, "99", 1158);
  EXPECT_EQ(guion.Codigos().size(), 2u);
  EXPECT_EQ(d.v.Texto(1157), "1999");
}

TEST(DlgValorAdquisicion2, FechaDeGastoFueraDeLasDelElemento) {
  for (const int respuesta : {marco::kBotonCorregir, marco::kBotonAceptar}) {
    CGuionMensajes guion({respuesta});
    SDialogo<CDlgValorAdquisicion2> d;
    d.dlg.m_recibido.PonerTexto(0x16, "01011998", 8);
    d.dlg.m_recibido.PonerTexto(0x1E, "01061999", 8);
    d.Abrir();
    d.Teclear(kIdFechaGasto1, "01/01/1997", kIdGasto1);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V150"});
    if (respuesta == marco::kBotonCorregir) {
      EXPECT_EQ(d.v.Texto(kIdFechaGasto1), "");
      EXPECT_EQ(d.v.FocoActual(), kIdFechaGasto1);
    } else {
      EXPECT_EQ(d.v.Texto(kIdFechaGasto1), "01/01/1997");
    }
  }
}

TEST(DlgValorAdquisicion, ElDetalleDeAmortizacionesDaElImporteDeSuFila) {
  // A stand-in for the depreciation detail: it writes three years of "1993 y anteriores" and both of 1994-1995.
  marco::RegistrarDialogoDetalle(kVentanaAmortizacionesAnteriores, kTamanoElementoF3, [](marco::SPeticionDetalle& p) {
    CRegistroElemento r(kTamanoElementoF3);
    r.Asignar(p.bloque);
    r.PonerDoble(0xD8, 100);
    r.PonerDoble(0xE8, 200);
    r.PonerDoble(0x178, 300);
    r.Volcar(p.bloque);
    return marco::kDialogoAceptado;
  });
  marco::RegistrarDialogoDetalle(kVentanaAmortizaciones9495, kTamanoElementoF3, [](marco::SPeticionDetalle&) {
    return marco::kDialogoCancelado;
  });
  SDialogo<CDlgValorAdquisicion> d;
  CRegistroElemento r = ElementoF3(1990);
  r.PonerOcteto(kDespAfecto, 1);
  r.PonerDoble(0x198, 40);
  r.PonerDoble(0x1A8, 2);
  d.dlg.m_recibido = r;
  d.Abrir();
  d.v.Pulsar(kIdBotonAmortizaciones1);
  EXPECT_EQ(d.v.Texto(1867), "600");
  EXPECT_EQ(d.v.Texto(1871), "42");
  marco::QuitarDialogoDetalle(kVentanaAmortizacionesAnteriores);
  marco::QuitarDialogoDetalle(kVentanaAmortizaciones9495);
}

// ---- depreciation by years ----

TEST(DlgAmortizaciones, FilasAbiertasPorElAnoDelBien) {
  struct SCaso {
    const char* fecha;
    int primera;  // first open year of 1597
    bool abre1994;
  };
  const SCaso casos[] = {{"01011987", 1987, true}, {"01011994", 1994, true}, {"31121995", 1996, false},
                         {"15061983", 1983, true}, {"01011970", 1983, true}, {"  /  /  ", 1983, true}};
  for (const SCaso& k : casos) {
    SCOPED_TRACE(k.fecha);
    SDialogo<CDlgAmortizacionesAnteriores> d;
    d.dlg.m_recibido.PonerTexto(kDespFechaElementoF3, k.fecha, 8);
    d.Abrir();
    for (const SAnoAmortizacion& a : AnosAmortizacionesAnteriores()) {
      EXPECT_EQ(d.v.Habilitado(a.idImporte), a.ano >= k.primera) << a.ano;
      EXPECT_FALSE(d.v.Habilitado(a.idActualizado)) << a.ano;
    }
    SDialogo<CDlgAmortizaciones9495> e;
    e.dlg.m_recibido.PonerTexto(kDespFechaElementoF3, k.fecha, 8);
    e.Abrir();
    EXPECT_EQ(e.v.Habilitado(1867), k.abre1994);
    EXPECT_TRUE(e.v.Habilitado(1871));
  }
}

// The coefficients by year that bring a depreciation up to date ("1983 y anteriores" is 1983).
struct SCoeficiente {
  int ano;
  double coeficiente;
};
constexpr SCoeficiente kCoeficientes[] = {{1983, 1.889}, {1984, 1.715}, {1985, 1.584}, {1986, 1.491}, {1987, 1.42},
                                          {1988, 1.357}, {1989, 1.298}, {1990, 1.247}, {1991, 1.205}, {1992, 1.178},
                                          {1993, 1.162}, {1994, 1.141}, {1995, 1.096}};

TEST(DlgAmortizaciones, ImporteActualizadoEsElImportePorElCoeficienteDelAno) {
  for (const SCoeficiente& c : kCoeficientes) {
    SCOPED_TRACE(c.ano);
    const bool anteriores = c.ano <= 1993;
    const auto anos = anteriores ? AnosAmortizacionesAnteriores() : AnosAmortizaciones9495();
    const SAnoAmortizacion* fila = nullptr;
    for (const SAnoAmortizacion& a : anos) {
      if (a.ano == c.ano) fila = &a;
    }
    ASSERT_NE(fila, nullptr);
    for (const bool actualiza : {true, false}) {
      CRegistroElemento r(kTamanoElementoF3);
      r.PonerTexto(kDespFechaElementoF3, "01011980", 8);
      r.PonerOcteto(kDespAfecto, 1);
      r.PonerEntero(kDespClaseElemento, actualiza ? 1 : 2);
      std::string actualizado;
      CRegistroElemento final(kTamanoElementoF3);
      const auto probar = [&](auto& d) {
        d.dlg.m_recibido = r;
        d.Abrir();
        d.Teclear(fila->idImporte, "1000", fila->idImporte == 1867 ? 1871 : 1867);
        actualizado = d.v.Texto(fila->idActualizado);
        EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
        final = d.dlg.m_recibido;
      };
      if (anteriores) {
        SDialogo<CDlgAmortizacionesAnteriores> d;
        probar(d);
      } else {
        SDialogo<CDlgAmortizaciones9495> d;
        probar(d);
      }
      const double esperado = actualiza ? std::floor(1000 * c.coeficiente + 0.5) : 1000.0;
      EXPECT_DOUBLE_EQ(final.Doble(fila->despActualizado), esperado);
      EXPECT_DOUBLE_EQ(final.Doble(fila->despImporte), 1000.0);
      if (c.ano == 1990 && actualiza) {
        EXPECT_EQ(actualizado, "1.247");
      }
    }
  }
}

TEST(DlgAmortizaciones, VistaDeUnaPersonaBloqueada) {
  SDialogo<CDlgAmortizacionesAnteriores> d({3, true, true, false});
  d.dlg.m_recibido.PonerDoble(216, 500);
  const CRegistroElemento antes = d.dlg.m_recibido;
  d.Abrir();
  EXPECT_TRUE(d.v.SoloLectura(1873));
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_recibido, antes);
}

}  // namespace
}  // namespace dialogos

// ---- the launchers in real windows ----

namespace dialogos {
namespace {

wxWindow* VentanaTitulada(const wxString& titulo) {
  for (wxWindow* w : wxTopLevelWindows) {
    if (w->GetLabel() == titulo && w->IsShown()) return w;
  }
  return nullptr;
}

void EscribirEn(const wxString& titulo, int id, const char* texto) {
  wxWindow* ventana = VentanaTitulada(titulo);
  ASSERT_NE(ventana, nullptr);
  auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(id, ventana));
  ASSERT_NE(t, nullptr);
  t->ChangeValue(texto);
}

std::string TextoEn(const wxString& titulo, int id) {
  wxWindow* ventana = VentanaTitulada(titulo);
  auto* t = ventana != nullptr ? dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(id, ventana)) : nullptr;
  return t != nullptr ? t->GetValue().ToStdString() : std::string("?");
}

void PulsarEn(const wxString& titulo, int id) {
  wxWindow* ventana = VentanaTitulada(titulo);
  ASSERT_NE(ventana, nullptr);
  wxWindow* boton = wxWindow::FindWindowById(id, ventana);
  ASSERT_NE(boton, nullptr);
  if (id == marco::kIdAceptar) {
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(boton);
    boton->GetEventHandler()->ProcessEvent(enter);
    return;
  }
  wxCommandEvent clic(wxEVT_BUTTON, id);
  clic.SetEventObject(boton);
  boton->GetEventHandler()->ProcessEvent(clic);
}

TEST(DialogosGananciasVentana, MarcaDelTaxiRecomponeLaIdentificacion) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  marco::PonerRecomponerIdentificacion(false);
  CRegistroElemento r(kTamanoElementoF2);
  r.PonerOcteto(kDespAfecto, 1);
  std::vector<unsigned char> bloque(kTamanoElementoF2, 0);
  r.Volcar(bloque);
  marco::SPeticionDetalle p;
  p.titulo = "(F2) Valor de transmisi\xF3n";
  p.sujeto = 1;
  p.bloque = bloque;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaValorTransmisionF2);
  ASSERT_NE(dialogo, nullptr);
  bool visto = false;
  wxTheApp->CallAfter([&] {

    wxWindow* ventana = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsModal()) ventana = w;
    }
    ASSERT_NE(ventana, nullptr);
    const wxString t = ventana->GetLabel();
    EscribirEn(t, kIdMarcaTaxi, "X");
    EscribirEn(t, kIdTransmision, "5000");
    visto = true;
    PulsarEn(t, marco::kIdAceptar);
  });
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  CRegistroElemento despues(kTamanoElementoF2);
  despues.Asignar(bloque);
  EXPECT_EQ(despues.Octeto(48), 1);
  EXPECT_DOUBLE_EQ(despues.Doble(64), 5000.0);
  EXPECT_TRUE(marco::RecomponerIdentificacion());
  marco::PonerRecomponerIdentificacion(false);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(DialogosGananciasVentana, ElDetalleDeAmortizacionesSeAbreDesdeElValorDeAdquisicion) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  CRegistroElemento r = ElementoF3(1990);
  r.PonerOcteto(kDespAfecto, 1);
  r.PonerEntero(kDespClaseElemento, 1);
  r.PonerDoble(0x88, 5000);  // the acquisition covers the depreciation
  std::vector<unsigned char> bloque(kTamanoElementoF3, 0);
  r.Volcar(bloque);
  marco::SPeticionDetalle p;
  p.titulo = "(F3) Valor de adquisicion";
  p.sujeto = 1;
  p.bloque = bloque;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaValorAdquisicionF3);
  ASSERT_NE(dialogo, nullptr);
  bool visto = false;
  std::string filaTrasDetalle;
  wxTheApp->CallAfter([&] {
    const wxString titulo = wxString(p.titulo);
    // Inside the nested run (a timer: events posted from here wait until this handler ends): 1,000 for 1984 in
    // the depreciation detail, then its OK.
    wxTimer reloj;
    reloj.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      EscribirEn(wxString(kTituloAmortizaciones.data()), 1867, "1000");
      PulsarEn(wxString(kTituloAmortizaciones.data()), marco::kIdAceptar);
    });
    reloj.StartOnce(50);
    PulsarEn(titulo, kIdBotonAmortizaciones1);
    filaTrasDetalle = TextoEn(titulo, 1867);

    visto = true;
    PulsarEn(titulo, marco::kIdAceptar);
  });
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  EXPECT_EQ(filaTrasDetalle, "1.000");
  CRegistroElemento despues(kTamanoElementoF3);
  despues.Asignar(bloque);
  EXPECT_DOUBLE_EQ(despues.Doble(232), 1000.0);
  EXPECT_DOUBLE_EQ(despues.Doble(240), 1715.0);  // 1984: x 1.715
  EXPECT_DOUBLE_EQ(despues.Doble(0xC8), 1000.0);
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
}  // namespace dialogos
