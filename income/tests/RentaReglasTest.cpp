// The income-tax rules without windows or tables: persons of the family unit, person commands, page lists, the
// declaration-wide box names, the page header and the identification refresh before a save.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "income/RentaComandos.h"
#include "income/RentaReglas.h"

using namespace renta;

namespace {

RegDatosFamilia Familia(unsigned char tipo, unsigned char hijos, unsigned char fallecidoConjunta) {
  RegDatosFamilia f{};
  f.octetos[0] = tipo;
  f.octetos[1] = hijos;
  f.octetos[3] = fallecidoConjunta;
  return f;
}

void Texto(RegIdentificacion& id, std::size_t desplazamiento, std::string_view texto) {
  std::memcpy(id.octetos + desplazamiento, texto.data(), texto.size());
}

std::string Leer(const RegIdentificacion& id, std::size_t desplazamiento, std::size_t ancho) {
  return std::string(reinterpret_cast<const char*>(id.octetos) + desplazamiento, ancho);
}

// Composes texts that tell the person apart; or nothing, when told so.
class CCompositorPrueba : public CCompositorIdentificacion {
 public:
  std::optional<std::string> Identificacion(std::string_view nif, int numeroPersona) override {
    if (!compone) return std::nullopt;
    llamadas.push_back(numeroPersona);
    return "ID" + std::to_string(numeroPersona) + " " + std::string(nif);
  }
  std::optional<std::string> NumeroReferencia() override {
    if (!compone) return std::nullopt;
    return "1009" + std::to_string(llamadas.size());
  }
  bool compone = true;
  std::vector<int> llamadas;
};

}  // namespace

TEST(RentaSujetos, UnidadFamiliarIndividualYConjunta) {
  const struct {
    unsigned char tipo, hijos, fallecido;
    std::array<std::int32_t, 5> presentes;
    int actual;
    int vistaUF;
  } casos[] = {
      {0, 0, 0, {0, 1, 0, 0, 0}, 2, 0},  // single: the declarant alone
      {1, 0, 0, {1, 1, 1, 0, 0}, 1, 1},  // married: the spouse, and the family unit is shown
      {0, 1, 0, {1, 1, 0, 1, 1}, 1, 1},  // single with children: both children at once
      {1, 1, 0, {1, 1, 1, 1, 1}, 1, 1},
      {2, 0, 0, {0, 1, 0, 0, 0}, 2, 0},  // widowed
      {2, 0, 1, {1, 1, 1, 0, 0}, 1, 1},  // spouse died in the year, joint filing: counts as married
      {3, 0, 1, {0, 1, 0, 0, 0}, 2, 0},  // the joint-filing byte only counts for the widowed
      {0, 0, 1, {0, 1, 0, 0, 0}, 2, 0},
      {3, 7, 0, {1, 1, 0, 1, 1}, 1, 1},  // any nonzero children flag
  };
  for (const auto& c : casos) {
    const SSujetos s = DerivarSujetos(Familia(c.tipo, c.hijos, c.fallecido));
    const std::string caso = std::to_string(c.tipo) + "/" + std::to_string(c.hijos) + "/" + std::to_string(c.fallecido);
    EXPECT_EQ(s.presentes, c.presentes) << caso;
    EXPECT_EQ(s.actual, c.actual) << caso;
    EXPECT_EQ(s.vistaUnidadFamiliar, c.vistaUF) << caso;
  }
  EXPECT_EQ(TipoUnidadFamiliar(Familia(2, 0, 1)), 1);
  EXPECT_EQ(TipoUnidadFamiliar(Familia(2, 0, 0)), 2);
}

TEST(RentaSujetos, EstadoDeLosComandosDePersona) {
  const std::array<std::int32_t, 5> soloDeclarante{0, 1, 0, 0, 0};
  const std::array<std::int32_t, 5> conHijos{1, 1, 0, 1, 1};
  const std::array<std::int32_t, 5> soloSegundoHijo{0, 1, 0, 0, 1};
  // The family unit: while a spouse or a child is present.
  EXPECT_FALSE(EstadoComandoSujeto(1, soloDeclarante, 2).habilitado);
  EXPECT_TRUE(EstadoComandoSujeto(1, conHijos, 2).habilitado);
  EXPECT_TRUE(EstadoComandoSujeto(1, soloSegundoHijo, 2).habilitado);
  // The declarant always; the others while present.
  EXPECT_TRUE(EstadoComandoSujeto(2, soloDeclarante, 2).habilitado);
  EXPECT_FALSE(EstadoComandoSujeto(3, conHijos, 2).habilitado);
  EXPECT_TRUE(EstadoComandoSujeto(4, conHijos, 2).habilitado);
  EXPECT_TRUE(EstadoComandoSujeto(5, conHijos, 2).habilitado);
  EXPECT_FALSE(EstadoComandoSujeto(4, soloSegundoHijo, 2).habilitado);
  // Checked while shown; no command outside 1 to 5.
  EXPECT_TRUE(EstadoComandoSujeto(4, conHijos, 4).marcado);
  EXPECT_FALSE(EstadoComandoSujeto(2, conHijos, 4).marcado);
  EXPECT_FALSE(EstadoComandoSujeto(0, conHijos, 0).habilitado);
  EXPECT_FALSE(EstadoComandoSujeto(6, conHijos, 6).marcado);
  EXPECT_EQ(SujetoDeComando(kComandoUnidadFamiliar), 1);
  EXPECT_EQ(SujetoDeComando(kComandoHijo2), 5);
  EXPECT_EQ(SujetoDeComando(kComandoSimplificada), 0);
}

TEST(RentaSujetos, TextosDeLaBarraDeEstado) {
  EXPECT_EQ(TextoEstadoSujeto(1), "U.FAMILIAR");
  EXPECT_EQ(TextoEstadoSujeto(3), "C\xD3NYUGE");
  EXPECT_EQ(TextoEstadoSujeto(5), "HIJO 2\xBA");
  EXPECT_EQ(TextoEstadoSujeto(0), "");
  EXPECT_EQ(TextoEstadoFormulario(1), "SIMPLIFICADA");
  EXPECT_EQ(TextoEstadoFormulario(2), "ORDINARIA");
  EXPECT_EQ(TextoEstadoFormulario(3), "");
}

TEST(RentaPaginas, ListasDeLosDosFormularios) {
  const auto d101 = PaginasFormulario(1);
  const std::vector<std::string_view> esperadas101{"SIM001", "SIM002", "SIM003", "SIM004",
                                                   "SIM005", "SIM006", "SIM007", "ORD017"};
  EXPECT_EQ(std::vector<std::string_view>(d101.begin(), d101.end()), esperadas101);

  const auto d100 = PaginasFormulario(2);
  ASSERT_EQ(d100.size(), 17u);
  for (std::size_t i = 0; i < d100.size(); ++i) {
    EXPECT_EQ(IdPaginaDeNombre(d100[i]), 201 + static_cast<int>(i)) << d100[i];
  }
  for (int tipo : {0, 3, 0xFF}) EXPECT_TRUE(PaginasFormulario(tipo).empty()) << tipo;

  EXPECT_EQ(IdPaginaDeNombre("SIM003"), 103);
  EXPECT_EQ(IdPaginaDeNombre("ORD017"), 217);
  for (const char* ajena : {"SIM008", "ORD000", "ORD018", "PAT001", "SIM01", "SIM0011", "SIMx01", ""}) {
    EXPECT_EQ(IdPaginaDeNombre(ajena), 0) << ajena;
  }
}

TEST(RentaPaginas, CamposPropiosSinDistinguirMayusculas) {
  for (const char* propio : {"ZDNID", "zdnid", "ZAnoO4", "ddDeclar", "AADECLAR", "X002", "x038", "CONVAS22", "RCM5",
                             "ESTCIVIL4", "XXNOMD", "CALLED"}) {
    EXPECT_EQ(EsCampoPropio(propio), 1) << propio;
  }
  // Only whole names count.
  for (const char* ajeno : {"", "ZDNI", "ZDNIDX", "X001", "X039", "RCM6", "IMPORTE1", " ZDNID"}) {
    EXPECT_EQ(EsCampoPropio(ajeno), 0) << ajeno;
  }
  // The date names stand twice; the first place is the identification page's.
  const auto tabla = CamposPropios();
  EXPECT_EQ(tabla.back(), "AADECLAR");
  EXPECT_EQ(tabla[tabla.size() - 3], "DDDECLAR");
  EXPECT_LT(std::find(tabla.begin(), tabla.end(), "DDDECLAR") - tabla.begin(),
            static_cast<std::ptrdiff_t>(tabla.size() - 3));
}

TEST(RentaIdentificacion, CabeceraDeLaPersonaMostrada) {
  RegIdentificacion id{};
  std::memset(id.octetos, ' ', sizeof id.octetos);
  Texto(id, kDespNif + 9 * 2, "12345678Z");
  Texto(id, kDespNombre1 + 15 * 2, "GARCIA");
  Texto(id, kDespNombre2 + 15 * 2, "ANA");
  Texto(id, kDespReferencia + 20 * 2, "10090000123 4");
  const auto c = CabeceraSujeto(id, 3);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->nif, "12345678Z");
  EXPECT_EQ(c->nombre, "GARCIA ANA");
  EXPECT_EQ(c->referencia, "10090000123 4");
  // Another person's fields are not this one's.
  EXPECT_EQ(CabeceraSujeto(id, 2)->nif, "");
  EXPECT_FALSE(CabeceraSujeto(id, 0));
  EXPECT_FALSE(CabeceraSujeto(id, 6));
}

TEST(RentaIdentificacion, QuienSeRefrescaAntesDeGuardar) {
  // A blank identification of the person shown: only that person.
  {
    RegIdentificacion id{};
    Texto(id, kDespNif + 9 * 2, "11111111H");
    CCompositorPrueba c;
    bool cambiados = false;
    const auto r = RefrescarIdentificaciones(id, 3, cambiados, c);
    EXPECT_EQ(r.personas, 1);
    EXPECT_EQ(c.llamadas, std::vector<int>{3});
    EXPECT_EQ(Leer(id, kDespIdentificacion + 60 * 2, 60), "ID3 11111111H" + std::string(47, ' '));
    EXPECT_EQ(Leer(id, kDespReferencia + 20 * 2, 20), "10091" + std::string(15, ' '));
    // The declarant's texts stay empty.
    EXPECT_EQ(id.octetos[kDespIdentificacion + 60], 0);
  }
  // Texts already there and no change of personal data: nobody.
  {
    RegIdentificacion id{};
    for (std::size_t k = 0; k < 5; ++k) {
      Texto(id, kDespIdentificacion + 60 * k, "Ref.: X");
      Texto(id, kDespReferencia + 20 * k, "1009");
    }
    CCompositorPrueba c;
    bool cambiados = false;
    EXPECT_EQ(RefrescarIdentificaciones(id, 2, cambiados, c).personas, 0);
    // Only the reference number blank is enough.
    id.octetos[kDespReferencia + 20] = ' ';
    EXPECT_EQ(RefrescarIdentificaciones(id, 2, cambiados, c).personas, 1);
  }
  // Personal data changed: all five, the flag cleared; the printed mark of the person shown goes with a warning,
  // and the persons after it are refreshed too.
  {
    RegIdentificacion id{};
    id.octetos[kDespMarcaSujeto + 1] = 1;  // declarant printed
    id.octetos[kDespMarcaSujeto + 2] = 1;  // spouse printed, not shown
    CCompositorPrueba c;
    bool cambiados = true;
    const auto r = RefrescarIdentificaciones(id, 2, cambiados, c);
    EXPECT_EQ(r.personas, 5);
    EXPECT_TRUE(r.avisoMarca);
    EXPECT_FALSE(cambiados);
    EXPECT_EQ(c.llamadas, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(id.octetos[kDespMarcaSujeto + 1], 0);
    EXPECT_EQ(id.octetos[kDespMarcaSujeto + 2], 1);
    EXPECT_EQ(Leer(id, kDespIdentificacion + 60 * 4, 4), "ID5 ");
  }
  // Nothing composed: nothing changes and the flag stays for the next save.
  {
    RegIdentificacion id{};
    id.octetos[kDespMarcaSujeto + 1] = 1;
    CCompositorPrueba c;
    c.compone = false;
    bool cambiados = true;
    const auto r = RefrescarIdentificaciones(id, 2, cambiados, c);
    EXPECT_EQ(r.personas, 0);
    EXPECT_FALSE(r.avisoMarca);
    EXPECT_TRUE(cambiados);
    EXPECT_EQ(id.octetos[kDespMarcaSujeto + 1], 1);
  }
  // No person shown (outside 1 to 5) and no change: nobody.
  {
    RegIdentificacion id{};
    CCompositorPrueba c;
    bool cambiados = false;
    EXPECT_EQ(RefrescarIdentificaciones(id, 0, cambiados, c).personas, 0);
    EXPECT_EQ(RefrescarIdentificaciones(id, 6, cambiados, c).personas, 0);
  }
}
