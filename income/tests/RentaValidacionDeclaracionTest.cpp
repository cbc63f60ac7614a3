// The rules of the rest of the declaration (after the family lists): per code a change to a married couple with
// two children whose area is otherwise empty, and the findings it gives (code, page, box, severity); the order of
// the codes; the Internet rules only for the Internet filing; the document's run against a findings table (a
// pension plan above its maximum stops printing and the Internet file until it is corrected, and findings that
// cannot be stored fail the run).
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/frame.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/CuentaBancaria.h"
#include "framework/DlgErroresReglas.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditEx.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Hallazgos.h"
#include "framework/MensajeGuion.h"
#include "income/FilasSecciones.h"
#include "framework/ComandosDocumento.h"
#include "income/ORD001.h"
#include "income/RentaDoc.h"
#include "income/RentaInternet.h"
#include "income/RentaValidacion.h"
#include "output/InternetFichero.h"
#include "output/PresentacionInternet.h"
#include "platform/TablaTexto.h"

namespace fs = std::filesystem;
using namespace renta;

namespace marco {
bool operator==(const SHallazgo& a, const SHallazgo& b);
void PrintTo(const SHallazgo& h, std::ostream* os);
}  // namespace marco

namespace {

using marco::SHallazgo;
using Hallazgos = std::vector<SHallazgo>;

void Texto(unsigned char* bloque, std::size_t desp, std::string_view texto) {
  std::memcpy(bloque + desp, texto.data(), texto.size());
}
void Doble(unsigned char* bloque, std::size_t desp, double valor) { std::memcpy(bloque + desp, &valor, sizeof valor); }
// The element of person `sujeto` of a five-double array.
void Persona(unsigned char* bloque, std::size_t base, int sujeto, double valor) {
  Doble(bloque, base + 8 * static_cast<std::size_t>(sujeto - 1), valor);
}

unsigned char* Fam(DatosRenta& d) { return d.DatosFamilia.octetos; }
unsigned char* Id(DatosRenta& d) { return d.Identificacion.octetos; }
unsigned char* Res(DatosRenta& d) { return d.Resultados.octetos; }
unsigned char* Base(DatosRenta& d) { return d.BaseImponible.octetos; }

// A married couple with two children: every member present, nothing else filled in.
DatosRenta Familia() {
  DatosRenta d{};
  Fam(d)[0] = 1;
  Fam(d)[1] = 1;
  return d;
}
// The same without the spouse (a parent with two children).
void SinConyuge(DatosRenta& d) { Fam(d)[0] = 0; }

Hallazgos Resto(const DatosRenta& d, int sujeto, bool internet = false, int tipoDec = 2) {
  SContextoValidacion c;
  c.sujeto = sujeto;
  c.presentacionInternet = internet;
  c.tipoDec = tipoDec;
  Hallazgos h;
  ReglasRestoDeclaracion(d, c, h);
  return h;
}

// A 20-digit bank account whose check digits are right.
std::string CuentaCorrecta() {
  for (int dc = 0; dc < 100; ++dc) {
    std::string c = "20381234" + std::string(1, static_cast<char>('0' + dc / 10)) +
                    std::string(1, static_cast<char>('0' + dc % 10)) + "1234567890";
    if (marco::DigitosCuenta(c) == marco::kCuentaCorrecta) return c;
  }
  return {};
}

// Section D rows of pages 3 and 4: group g (0-5), row f.
unsigned char* FilaD(DatosRenta& d, int pagina, int g, int f) {
  unsigned char* bloque = pagina == 3 ? d.ApartadoD1.octetos : d.ApartadoD2.octetos;
  return bloque + kDespGruposD[g] + kAnchoGruposD[g] * static_cast<std::size_t>(f);
}
// A row of groups 4-6: holder, tax number, percentage, income, computed amount.
void FilaAtribucion(DatosRenta& d, int g, int f, unsigned char titular, std::string_view nif, double porcentaje,
                    double rendimiento, double computado) {
  static constexpr std::size_t kNif[6] = {0, 0, 0, 6, 2, 7};
  unsigned char* fila = FilaD(d, 4, g, f);
  fila[0] = titular;
  Texto(fila, kNif[g], nif);
  Doble(fila, 16, porcentaje);
  Doble(fila, 24, rendimiento);
  Doble(fila, 32, computado);
}

// The payment and refund marks and amounts of the person.
constexpr std::size_t kResultado = 6384;
void Marca(DatosRenta& d, std::size_t base, int sujeto) { Res(d)[base + static_cast<std::size_t>(sujeto - 1)] = 1; }
void Cuenta(DatosRenta& d, std::size_t banco, std::size_t sucursal, std::size_t control, std::size_t numero,
            int sujeto, const std::string& cuenta) {
  const auto q = static_cast<std::size_t>(sujeto - 1);
  Texto(Res(d), banco + 4 * q, cuenta.substr(0, 4));
  Texto(Res(d), sucursal + 4 * q, cuenta.substr(4, 4));
  Texto(Res(d), control + 2 * q, cuenta.substr(8, 2));
  Texto(Res(d), numero + 10 * q, cuenta.substr(10, 10));
}

double MaximoPlanes(int ano) { return DameCuantiaMaximaPlanPensiones(ano); }

struct SCaso {
  const char* nombre;
  int sujeto;
  std::function<void(DatosRenta&)> cambio;
  Hallazgos esperados;
  bool internet = false;
};

TEST(RentaValidacionDeclaracion, UnaDeclaracionSinDatosNoDaHallazgos) {
  const DatosRenta d = Familia();
  for (int s = 1; s <= 5; ++s) {
    EXPECT_EQ(Resto(d, s), Hallazgos{}) << "persona " << s;
    EXPECT_EQ(Resto(d, s, true), Hallazgos{}) << "persona " << s;
  }
  EXPECT_EQ(Resto(d, 0), Hallazgos{});
  EXPECT_EQ(Resto(d, 6), Hallazgos{});
}

TEST(RentaValidacionDeclaracion, CadaReglaDaSuHallazgo) {
  const double maximo1960 = MaximoPlanes(1960);
  const std::vector<SCaso> casos = {
      // ---- step 6 ----
      {"comunidad de la unidad que no es la del miembro de mayor base", 1,
       [](DatosRenta& d) {
         Texto(Fam(d), 48, "13");
         Texto(Fam(d), 48 + 32, "13");
         Texto(Fam(d), 48 + 64, "09");
         Persona(Base(d), 1312, 2, 1000000);
         Persona(Base(d), 1312, 3, 2000000);
         Persona(Base(d), 1736, 3, 500000);
       },
       {{"100R154", 0, 0, 1}}},
      {"comunidad de la unidad que es la del miembro de mayor base", 1,
       [](DatosRenta& d) {
         Texto(Fam(d), 48, "09");
         Texto(Fam(d), 48 + 32, "13");
         Texto(Fam(d), 48 + 64, "09");
         Persona(Base(d), 1312, 3, 2000000);
       },
       {}},
      {"la parte especial cuenta para la mayor base", 1,
       [](DatosRenta& d) {
         Texto(Fam(d), 48, "09");
         Texto(Fam(d), 48 + 32, "13");
         Texto(Fam(d), 48 + 64, "09");
         Persona(Base(d), 1312, 3, 2000000);
         Persona(Base(d), 1736, 2, 2500000);
       },
       {{"100R154", 0, 0, 1}}},
      {"miembros de una misma comunidad", 1,
       [](DatosRenta& d) {
         Texto(Fam(d), 48, "09");
         Texto(Fam(d), 48 + 32, "13");
         Texto(Fam(d), 48 + 64, "13");
       },
       {}},
      {"la comunidad solo se mira en la unidad familiar", 2,
       [](DatosRenta& d) {
         Texto(Fam(d), 48, "13");
         Texto(Fam(d), 48 + 32, "13");
         Texto(Fam(d), 48 + 64, "09");
         Persona(Base(d), 1312, 3, 2000000);
       },
       {}},
      // ---- work income: the key of the disabled worker ----
      {"clave 1 con grado 70", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.RendTrabajo.octetos + 40;
         fila[0] = 2;
         fila[1] = '1';
         Doble(Fam(d), 0x10, 70);
       },
       {{"100V136", 1, 22, 0}}},
      {"clave 3 del conyuge con grado 40", 1,
       [](DatosRenta& d) {
         unsigned char* fila = d.RendTrabajo.octetos + 40 + 104 * 2;
         fila[0] = 3;
         fila[1] = '3';
         Doble(Fam(d), 0x18, 40);
       },
       {{"100V136", 1, 37, 0}}},
      {"clave 2 con grado 40", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.RendTrabajo.octetos + 40;
         fila[0] = 2;
         fila[1] = '2';
         Doble(Fam(d), 0x10, 40);
       },
       {}},
      {"sin clave con grado 70", 2,
       [](DatosRenta& d) {
         d.RendTrabajo.octetos[40] = 2;
         Doble(Fam(d), 0x10, 70);
       },
       {}},
      {"la fila de otra persona no es del declarante", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.RendTrabajo.octetos + 40;
         fila[0] = 3;
         fila[1] = '3';
       },
       {}},
      // ---- page 16: quotas ----
      {"cuota liquida estatal negativa", 2, [](DatosRenta& d) { Persona(Res(d), 680, 2, -1); },
       {{"100V157", 16, 12, 0}}},
      {"cuota liquida autonomica negativa", 1, [](DatosRenta& d) { Persona(Res(d), 720, 1, -1); },
       {{"100V158", 16, 13, 0}}},
      {"cuota resultante negativa", 3, [](DatosRenta& d) { Persona(Res(d), 5008, 3, -1); },
       {{"100V159", 16, 23, 0}}},
      {"cuota negativa de otra persona", 3, [](DatosRenta& d) { Persona(Res(d), 5008, 2, -1); }, {}},
      // ---- pages 3 and 4: activity rows ----
      {"titular de actividad que no es miembro", 1,
       [](DatosRenta& d) {
         SinConyuge(d);
         FilaD(d, 3, 0, 0)[0] = 3;
         FilaD(d, 3, 0, 0)[1] = 1;
         FilaD(d, 4, 1, 1)[0] = 9;
         FilaD(d, 4, 1, 1)[1] = 1;
       },
       {{"100R167", 3, 5, 0}, {"100R167", 4, 29, 0}}},
      {"fila de actividad con importes y sin titular ni clave", 1,
       [](DatosRenta& d) { Doble(FilaD(d, 3, 2, 1), 8, 5); },
       {{"WIN045", 3, 54, 0}, {"100V199", 3, 55, 1}}},
      {"fila de actividad con clave y sin titular", 1,
       [](DatosRenta& d) {
         FilaD(d, 4, 0, 0)[1] = 3;
         Doble(FilaD(d, 4, 0, 0), 176, 5);
       },
       {{"WIN045", 4, 5, 0}}},
      {"fila de actividad del declarante sin clave", 2,
       [](DatosRenta& d) {
         FilaD(d, 4, 1, 0)[0] = 2;
         Doble(FilaD(d, 4, 1, 0), 16, 100);
       },
       {{"100V199", 4, 30, 1}}},
      {"el declarante no ve las filas sin titular", 2, [](DatosRenta& d) { Doble(FilaD(d, 3, 2, 1), 8, 5); }, {}},
      // ---- page 4: income attributed by entities ----
      {"atribucion sin titular", 1,
       [](DatosRenta& d) { FilaAtribucion(d, 3, 0, 0, "         ", 50, 100, 50); },
       {{"100I005", 4, 80, 0}}},
      {"atribucion de quien no es miembro", 1,
       [](DatosRenta& d) {
         SinConyuge(d);
         FilaAtribucion(d, 3, 1, 3, "12345678Z", 50, 100, 50);
       },
       {{"100I006", 4, 80, 0}}},
      {"dos filas del mismo titular y la misma entidad", 2,
       [](DatosRenta& d) {
         FilaAtribucion(d, 4, 0, 2, "12345678Z", 50, 100, 50);
         FilaAtribucion(d, 4, 1, 2, "12345678Z", 50, 200, 100);
       },
       {{"100I007", 4, 84, 0}}},
      {"dos filas del mismo titular y distinta entidad", 2,
       [](DatosRenta& d) {
         FilaAtribucion(d, 4, 0, 2, "12345678Z", 50, 100, 50);
         FilaAtribucion(d, 4, 1, 2, "87654321X", 50, 200, 100);
       },
       {}},
      {"porcentaje negativo", 2, [](DatosRenta& d) { FilaAtribucion(d, 5, 0, 2, "12345678Z", -5, 100, 50); },
       {{"100I008", 4, 94, 0}}},
      {"porcentaje sobre 100", 2, [](DatosRenta& d) { FilaAtribucion(d, 5, 0, 2, "12345678Z", 150, 100, 50); },
       {{"100I009", 4, 94, 0}}},
      {"computado mayor que el rendimiento", 2,
       [](DatosRenta& d) { FilaAtribucion(d, 5, 1, 2, "12345678Z", 50, -100, -150); },
       {{"100I010", 4, 96, 0}}},
      {"NIF de la entidad que no es valido", 3,
       [](DatosRenta& d) { FilaAtribucion(d, 5, 0, 3, "12345678A", 50, 100, 50); },
       {{"100I011", 4, 91, 1}}},
      {"fila con titular y entidad sin importes", 2,
       [](DatosRenta& d) { FilaAtribucion(d, 5, 0, 2, "12345678Z", 0, 0, 0); },
       {{"100V171", 4, 95, 0}}},
      {"rendimiento sin computado", 2, [](DatosRenta& d) { FilaAtribucion(d, 3, 0, 2, "12345678Z", 50, 100, 0); },
       {{"100R192", 3 + 1, 83, 1}}},
      {"computado sin rendimiento en la pagina 3", 2,
       [](DatosRenta& d) {
         unsigned char* fila = FilaD(d, 3, 4, 1);
         fila[0] = 2;
         Doble(fila, 32, 50);
       },
       {{"100R192", 3, 89, 1}}},
      // ---- page 16: payments on account ----
      {"pago a cuenta sin titular", 1, [](DatosRenta& d) { Doble(Res(d), 5848 + 24 * 2 + 16, 10); },
       {{"100I005", 16, 33, 0}}},
      {"pago a cuenta de quien no es miembro", 1,
       [](DatosRenta& d) {
         SinConyuge(d);
         Res(d)[6008 + 16] = 3;
         Doble(Res(d), 6008 + 16 + 8, 10);
       },
       {{"100I006", 16, 34, 0}}},
      {"dos entradas del mismo titular", 2,
       [](DatosRenta& d) {
         Res(d)[6080] = 2;
         Doble(Res(d), 6080 + 8, 10);
         Res(d)[6080 + 16] = 2;
         Doble(Res(d), 6080 + 16 + 8, 20);
       },
       {{"100I007", 16, 35, 0}}},
      {"retencion negativa", 2, [](DatosRenta& d) { Persona(Res(d), 6112, 2, -3); }, {{"100I008", 16, 36, 0}}},
      {"pago fraccionado negativo", 4, [](DatosRenta& d) { Persona(Res(d), 5728, 4, -3); },
       {{"100I008", 16, 31, 0}}},
      {"total de la unidad distinto de sus miembros", 1,
       [](DatosRenta& d) {
         Persona(Res(d), 80, 1, 100);
         Persona(Res(d), 80, 2, 60);
         Persona(Res(d), 80, 3, 30);
       },
       {{"100I010", 16, 3, 0}}},
      {"total de la unidad igual a sus miembros", 1,
       [](DatosRenta& d) {
         Persona(Res(d), 80, 1, 100);
         Persona(Res(d), 80, 2, 60);
         Persona(Res(d), 80, 4, 40);
       },
       {}},
      {"entrada con titular sin importe", 2, [](DatosRenta& d) { Res(d)[6312] = 2; }, {{"100V171", 16, 40, 0}}},
      // ---- page 10: reductions and pension plans ----
      {"reducciones por encima de la parte general", 2,
       [](DatosRenta& d) {
         Persona(Base(d), 1080, 2, 300);
         Persona(Base(d), 1352, 2, 200);
         Persona(Base(d), 1120, 2, 150);
       },
       {{"100V168", 10, 7, 0}}},
      {"reducciones dentro de la parte general", 2,
       [](DatosRenta& d) {
         Persona(Base(d), 1080, 2, 300);
         Persona(Base(d), 1352, 2, 200);
       },
       {}},
      {"exceso de aportaciones del conyuge", 3, [](DatosRenta& d) { Doble(d.ApartadoJ.octetos, 112, 10); },
       {{"100V169", 10, 34, 0}}},
      {"el exceso del conyuge no es del declarante", 2, [](DatosRenta& d) { Doble(d.ApartadoJ.octetos, 112, 10); },
       {}},
      {"fila de reducciones sin titular", 1, [](DatosRenta& d) { Doble(d.ApartadoF4.octetos, 240 + 8 + 16, 10); },
       {{"100R180", 10, 2, 0}}},
      {"fila de reducciones de quien no es miembro", 1,
       [](DatosRenta& d) {
         SinConyuge(d);
         d.ApartadoF4.octetos[240] = 3;
       },
       {{"100R181", 10, 2, 0}}},
      {"aportaciones por encima del maximo por edad", 2,
       [maximo1960](DatosRenta& d) {
         Texto(Fam(d), 4, "1960");
         d.ApartadoJ.octetos[0] = 2;
         Doble(d.ApartadoJ.octetos, 16, maximo1960 - 100);
         Doble(d.ApartadoJ.octetos, 32, 101);
       },
       {{"100R147", 10, 28, 1}}},
      {"aportaciones en el maximo por edad", 2,
       [maximo1960](DatosRenta& d) {
         Texto(Fam(d), 4, "1960");
         d.ApartadoJ.octetos[0] = 2;
         Doble(d.ApartadoJ.octetos, 16, maximo1960);
       },
       {}},
      {"aportaciones del conyuge en su segunda fila", 1,
       [](DatosRenta& d) {
         Texto(Fam(d), 8, "1934");
         d.ApartadoJ.octetos[48] = 3;
         Doble(d.ApartadoJ.octetos, 48 + 24, MaximoPlanes(1934) + 1);
       },
       {{"100R147", 10, 31, 1}}},
      {"segunda clase por encima del tope del segundo grupo", 3,
       [](DatosRenta& d) {
         d.ApartadoJ.octetos[136] = 3;
         Doble(d.ApartadoJ.octetos, 136 + 48, 1100001);
       },
       {{"100R147", 10, 38, 1}}},
      {"segunda clase por encima del tope del primer grupo", 2,
       [](DatosRenta& d) {
         d.ApartadoJ.octetos[208] = 2;
         Doble(d.ApartadoJ.octetos, 208 + 32, 1200000);
         Doble(d.ApartadoJ.octetos, 208 + 40, 1000001);
       },
       {{"100R147", 10, 37, 1}}},
      {"segunda clase en los topes", 2,
       [](DatosRenta& d) {
         d.ApartadoJ.octetos[136] = 2;
         Doble(d.ApartadoJ.octetos, 136 + 32, 2200000);
         Doble(d.ApartadoJ.octetos, 136 + 48, 1100000);
       },
       {}},
      // ---- page 17: payment and refund ----
      {"devolucion por transferencia sin cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, -100);
         Marca(d, 7005, 2);
       },
       {{"100I001", 17, 40, 1}}},
      {"devolucion por transferencia con cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, -100);
         Marca(d, 7005, 2);
         Cuenta(d, 7010, 7030, 7050, 7060, 2, CuentaCorrecta());
       },
       {}},
      {"ingreso domiciliado de una vez sin cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6688, 2);
         Marca(d, 6703, 2);
       },
       {{"100I002", 17, 26, 0}}},
      {"primer plazo domiciliado sin cuenta", 3,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 3, 100);
         Marca(d, 6693, 3);
         Marca(d, 6703, 3);
         Marca(d, 6848, 3);
       },
       {{"100I002", 17, 26, 1}}},
      {"segundo plazo domiciliado sin fraccionar", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6688, 2);
         Marca(d, 6698, 2);
         Marca(d, 6853, 2);
       },
       {{"100I002", 17, 31, 1}}},
      {"segundo plazo domiciliado sin cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6693, 2);
         Marca(d, 6698, 2);
         Marca(d, 6853, 2);
       },
       {{"100I002", 17, 33, 1}}},
      {"dos plazos domiciliados con sus cuentas", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6693, 2);
         Marca(d, 6703, 2);
         Marca(d, 6853, 2);
         Cuenta(d, 6708, 6728, 6748, 6758, 2, CuentaCorrecta());
         Cuenta(d, 6858, 6878, 6898, 6908, 2, CuentaCorrecta());
       },
       {}},
      {"devolucion sin forma elegida", 2, [](DatosRenta& d) { Persona(Res(d), kResultado, 2, -100); },
       {{"100V202", 17, 37, 0}}},
      {"ingreso sin forma elegida", 1, [](DatosRenta& d) { Persona(Res(d), kResultado, 1, 100); },
       {{"100V203", 17, 21, 0}}},
      // ---- page 5: staff of the activities under modules ----
      {"actividad con empleados y sin modulo de personal", 1,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoD4.octetos;
         Texto(fila, 0, " 6532");
         fila[24] = 2;
         Doble(fila, 104, 2);
       },
       {{"100M012", 5, 8, 1}}},
      {"segunda actividad con personal y sin empleados", 1,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoD4.octetos + 1560;
         Texto(fila, 0, " 6532");
         fila[24] = 2;
         Doble(fila, 120 + 48, 1.5);
       },
       {{"100M012", 5, 51, 1}}},
      {"personal en dos modulos igual a los empleados", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoD4.octetos + 1560 * 2;
         Texto(fila, 0, " 6532");
         fila[24] = 2;
         Doble(fila, 104, 3);
         Doble(fila, 120 + 48, 1);
         fila[120 + 176] = 15;
         Doble(fila, 120 + 176 + 56, 2);
       },
       {}},
      {"actividad sin codigo no se mira", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoD4.octetos;
         fila[24] = 2;
         Doble(fila, 104, 2);
       },
       {}},
      // ---- the Internet file ----
      {"actividad por modulos sin titular", 1,
       [](DatosRenta& d) { Texto(d.ApartadoD4.octetos + 1560 * 3, 0, " 6532"); }, {{"INET002", 5, 49, 1}}, true},
      {"actividad agraria sin titular", 2, [](DatosRenta& d) { Texto(d.ApartadoD5.octetos + 16, 0, "0123"); },
       {{"INET002", 6, 5, 1}}, true},
      {"imputacion sin titular", 2, [](DatosRenta& d) { Doble(d.ApartadoE2.octetos + 24 + 160, 16, 100); },
       {{"INET003", 7, 22, 1}}, true},
      {"imputacion de clase desconocida", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoE2.octetos + 24;
         fila[9] = '7';
         fila[10] = 2;
         Doble(fila, 16, 100);
       },
       {{"INET003", 7, 9, 1}}, true},
      {"fraccionamiento con marca de diferencia final", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6693, 2);
         Id(d)[2484 + 1] = 1;
       },
       {{"INET004", 1, 134, 1}}, true},
      {"diferencia final sin marca", 3, [](DatosRenta& d) { Persona(Res(d), 6424, 3, 5); }, {{"INET004", 16, 43, 1}},
       true},
      {"diferencia final con marca", 3,
       [](DatosRenta& d) {
         Persona(Res(d), 6424, 3, 5);
         Id(d)[2489 + 2] = 1;
       },
       {}, true},
      {"las reglas de Internet no corren sin presentacion", 2,
       [](DatosRenta& d) {
         Texto(d.ApartadoD5.octetos + 16, 0, "0123");
         Persona(Res(d), 6424, 2, 5);
       },
       {}},
      // ---- pages 8 and 9: rows of two amounts ----
      {"fila de la pagina 8 con un solo importe", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoF2.octetos + 3328 + 24 * 4;
         fila[0] = 2;
         Doble(fila, 8, 100);
       },
       {{"100R177", 8, 101, 0}}},
      {"filas de la pagina 9 con un solo importe", 1,
       [](DatosRenta& d) {
         Doble(d.ApartadoF2.octetos + 3584 + 32 * 8, 16, 100);
         d.ApartadoF3.octetos[5880] = 3;
         Doble(d.ApartadoF3.octetos + 5880, 8, 1);
         d.ApartadoF3.octetos[6136 + 24 * 8] = 4;
         Doble(d.ApartadoF3.octetos + 6136 + 24 * 8, 16, 5);
       },
       {{"100R177", 9, 4, 0}, {"100R177", 9, 81, 0}, {"100R177", 9, 90, 0}}},
      {"fila con los dos importes", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoF2.octetos + 3072;
         fila[0] = 2;
         Doble(fila, 8, 100);
         Doble(fila, 16, 10);
       },
       {}},
      {"fila de otra persona", 3,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoF2.octetos + 3072;
         fila[0] = 2;
         Doble(fila, 8, 100);
       },
       {}},
  };
  for (const SCaso& c : casos) {
    DatosRenta d = Familia();
    c.cambio(d);
    EXPECT_EQ(Resto(d, c.sujeto, c.internet), c.esperados) << c.nombre;
  }
}

TEST(RentaValidacionDeclaracion, LaPaginaDeIngresoDeLaSimplificadaEsLaOctava) {
  DatosRenta d = Familia();
  Persona(Res(d), kResultado, 2, -100);
  Marca(d, 7005, 2);
  EXPECT_EQ(Resto(d, 2, false, 1), (Hallazgos{{"100I001", 8, 40, 1}}));
  EXPECT_EQ(Resto(d, 2, false, 2), (Hallazgos{{"100I001", 17, 40, 1}}));
}

TEST(RentaValidacionDeclaracion, LosCodigosSiguenSuOrden) {
  DatosRenta d = Familia();
  Texto(Fam(d), 48, "13");
  Texto(Fam(d), 48 + 32, "13");
  Texto(Fam(d), 48 + 64, "09");
  Persona(Base(d), 1312, 3, 2000000);
  unsigned char* trabajo = d.RendTrabajo.octetos + 40;
  trabajo[0] = 2;
  trabajo[1] = '3';
  Persona(Res(d), 680, 1, -1);
  Doble(FilaD(d, 3, 2, 1), 8, 5);
  FilaAtribucion(d, 3, 0, 0, "         ", 50, 100, 50);
  Persona(Res(d), 6112, 1, -3);
  Doble(d.ApartadoJ.octetos, 104, 10);
  d.ApartadoJ.octetos[136] = 3;
  Doble(d.ApartadoJ.octetos, 136 + 48, 1100001);
  Persona(Res(d), kResultado, 1, -100);
  Marca(d, 7005, 1);
  Texto(d.ApartadoD4.octetos, 0, " 6532");
  Doble(d.ApartadoD4.octetos, 104, 1);
  Texto(d.ApartadoD5.octetos + 16, 0, "0123");
  Doble(d.ApartadoF2.octetos + 3072, 8, 100);

  const Hallazgos esperados = {
      {"100R154", 0, 0, 1},  {"100V136", 1, 22, 0}, {"100V157", 16, 12, 0}, {"WIN045", 3, 54, 0},
      {"100I005", 4, 80, 0}, {"100I008", 16, 36, 0}, {"100V169", 10, 34, 0}, {"100R147", 10, 38, 1},
      {"100I001", 17, 40, 1}, {"100M012", 5, 8, 1}, {"100V199", 3, 55, 1},  {"INET002", 5, 6, 1},
      {"INET002", 6, 5, 1},  {"100R177", 8, 91, 0}};
  EXPECT_EQ(Resto(d, 1, true), esperados);
}

TEST(RentaValidacionDeclaracion, ClavesDelTrabajadorMinusvalido) {
  EXPECT_EQ(ClaveTrabajadorMinusvalido('1'), 1);
  EXPECT_EQ(ClaveTrabajadorMinusvalido('2'), 1);
  EXPECT_EQ(ClaveTrabajadorMinusvalido(3), 3);
  EXPECT_EQ(ClaveTrabajadorMinusvalido(' '), 0);
  EXPECT_EQ(ClaveTrabajadorMinusvalido(0), 0);
  EXPECT_EQ(ClaveEsperadaMinusvalia(32.9), 0);
  EXPECT_EQ(ClaveEsperadaMinusvalia(33), 1);
  EXPECT_EQ(ClaveEsperadaMinusvalia(64.99), 1);
  EXPECT_EQ(ClaveEsperadaMinusvalia(65), 3);
}

// Every code of these rules has its text in the four languages of the message tables the build makes, and the
// Catalan, Galician and Valencian texts are their own.
TEST(RentaValidacionDeclaracion, CadaCodigoTieneSuTextoEnCadaIdioma) {
  const std::vector<std::string> codigos = {
      "100R154", "100V136", "100V157", "100V158", "100V159", "100R167", "WIN045",  "100I005",
      "100I006", "100I007", "100I008", "100I009", "100I010", "100I011", "100V171", "100V168",
      "100V169", "100R180", "100R181", "100R147", "100I001", "100I002", "100M012", "100V199",
      "100R192", "100V202", "100V203", "INET002", "INET003", "INET004", "100R177"};
  marco::CBaseDatos local;
  ASSERT_NE(local.Abrir(std::string(KORVELIX_DATOS_LOCAL) + "/", true, 3, "DBF"), 0);
  marco::CFuenteAvisosTablas fuente(nullptr, &local);
  std::vector<std::vector<std::optional<std::string>>> textos;
  for (const char* idioma : {"e", "c", "g", "v"}) {
    marco::PonerIdiomaV(idioma);
    textos.push_back(fuente.TextosMensajes(codigos));
  }
  marco::PonerIdiomaV("e");
  const std::vector<std::string> nuevos = {"100R154", "100V157", "100I005", "100I011", "100V171", "100R180",
                                           "100I001", "100M012", "100V202", "INET002", "INET004", "100R177"};
  for (std::size_t i = 0; i < codigos.size(); ++i) {
    for (std::size_t l = 0; l < textos.size(); ++l) {
      ASSERT_TRUE(textos[l][i].has_value()) << codigos[i] << " idioma " << l;
      EXPECT_FALSE(textos[l][i]->empty()) << codigos[i] << " idioma " << l;
    }
    if (std::find(nuevos.begin(), nuevos.end(), codigos[i]) == nuevos.end()) continue;
    EXPECT_NE(*textos[1][i], *textos[0][i]) << codigos[i];
    EXPECT_NE(*textos[2][i], *textos[0][i]) << codigos[i];
  }
}

// ---- the document's run ----

std::string LeerFichero(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The identification of persons 2 and 3 complete (the checks of the first page pass for them).
void Identificacion(DatosRenta& d) {
  unsigned char* id = Id(d);
  Texto(id, 0x1c4, "28");
  Texto(id, 0x1d9, "MADRID");
  for (std::size_t p = 2; p <= 3; ++p) {
    Texto(id, 0x1f6 + 9 * p, p == 3 ? "87654321X" : "12345678Z");
    Texto(id, 0x21d + 15 * p, "ANA");
    Texto(id, 0x268 + 15 * p, "GARCIA");
    Texto(id, 0x2b3 + 15 * p, "LOPEZ");
    Texto(id, 0x302 + 26 * p, "CALLE MAYOR 1");
    Texto(id, 0x4af + 9 * p, "1");
    Texto(id, 0x4e6 + 9 * p, "87654321X");
    Texto(id, 0x50d + 15 * p, "LUIS");
    Texto(id, 0x558 + 15 * p, "PEREZ");
    id[0x9a9 + p] = 1;
  }
}

class RentaValidacionDeclaracionDoc : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-validacion-resto-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "Corregix.txt");
    ASSERT_FALSE(esquema.empty());
    plataforma::CFuenteTabla fuente;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(esquema, fuente, error)) << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "Corregix.DBF", error)) << error;
    ASSERT_NE(m_red.Abrir(m_dir.string() + "/", true, 3, "DBF"), 0);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  // An ordinary-form declaration "ANA" whose findings go to this folder's table.
  void Preparar(CRentaDoc& doc, const DatosRenta& datos) {
    doc.PonerTipoDec(2);
    doc.Datos() = datos;
    doc.ActualizarSujetos();
    doc.Validador().PonerClave("ANA");
    doc.Validador().PonerBaseDatos(&m_red);
  }

  Hallazgos De(const std::string& clave) { return marco::LeerHallazgos(&m_red, clave); }

  fs::path m_dir;
  marco::CBaseDatos m_red;
  marco::CGuionMensajes m_guion;
};

// A declarant born in 1960 whose own pension-plan contributions pass the maximum of his age: the check fails (so
// the draft and printing show the findings list instead), the Internet writer refuses the declaration, and the
// finding names the contributions box of page 10. Corrected, the declaration passes both.
TEST_F(RentaValidacionDeclaracionDoc, AportacionesSobreElMaximoDetienenImpresionEInternet) {
  DatosRenta d = Familia();
  SinConyuge(d);
  Fam(d)[1] = 0;
  Identificacion(d);
  Texto(Fam(d), 4, "1960");
  d.ApartadoJ.octetos[0] = 2;
  Doble(d.ApartadoJ.octetos, 16, MaximoPlanes(1960) + 1);
  CRentaDoc doc;
  Preparar(doc, d);
  ASSERT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);

  EXPECT_EQ(doc.Validar(0), 0);
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R147", 10, 28, 1}}));
  EXPECT_EQ(salida::DeclaracionConErrores(&m_red, "ANA"), 1);
  EXPECT_EQ(doc.Validar(kValidarPresentacionInternet), 0);
  EXPECT_EQ(salida::DeclaracionConErrores(&m_red, "ANA"), 1);

  Doble(doc.Datos().ApartadoJ.octetos, 16, MaximoPlanes(1960));
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(De("ANA"), Hallazgos{});
  EXPECT_EQ(salida::DeclaracionConErrores(&m_red, "ANA"), 0);
  EXPECT_EQ(doc.Validar(kValidarPresentacionInternet), 1);
  EXPECT_TRUE(m_guion.Codigos().empty());
}

// A declaration whose saving and printing are only counted: what the print and filing commands do around the
// check is the document's own.
class CRentaDocContada : public CRentaDoc {
 public:
  int GuardarDeclaracion() override {
    ++guardadas;
    return 1;
  }
  void Imprimir() override { ++impresiones; }
  int guardadas = 0;
  int impresiones = 0;
};

// The person in front of the filing command: the findings list shows what is stored and is left with Cancel; the
// notice is accepted, the file dialog is left without a file (the writer is the Internet tests' own).
class CDialogosPresentacionContados : public salida::IDialogosPresentacion {
 public:
  explicit CDialogosPresentacionContados(std::function<void()> alMostrarHallazgos)
      : m_alMostrarHallazgos(std::move(alMostrarHallazgos)) {}
  int MostrarHallazgos() override {
    ++listas;
    m_alMostrarHallazgos();
    return 2;
  }
  bool ConfirmarPresentacion() override {
    ++avisos;
    return true;
  }
  std::optional<fs::path> PedirFichero(std::string_view) override { return std::nullopt; }
  int Generar(salida::CInetFichero&, const fs::path&) override { return 0; }
  void MostrarResultado(const salida::CInetFichero&) override {}
  int listas = 0;
  int avisos = 0;

 private:
  std::function<void()> m_alMostrarHallazgos;
};

// The print command (the draft's presentation) and the filing command of a declaration whose contributions pass
// the maximum: both stop at the findings list, which lists that finding with its page and box; the finding leads
// to the box, and once the box holds the maximum printing goes ahead and filing reaches its notice.
TEST_F(RentaValidacionDeclaracionDoc, AportacionesSobreElMaximoParanLaImpresionYElFichero) {
  DatosRenta d = Familia();
  SinConyuge(d);
  Fam(d)[1] = 0;
  Identificacion(d);
  Texto(Fam(d), 4, "1960");
  d.ApartadoJ.octetos[0] = 2;
  Doble(d.ApartadoJ.octetos, 16, MaximoPlanes(1960) + 1);
  CRentaDocContada doc;
  Preparar(doc, d);
  doc.PonerClave("ANA");

  std::vector<Hallazgos> listas;
  const marco::SServiciosComandos anteriores = marco::ServiciosComandos();
  marco::SServiciosComandos servicios;
  servicios.mostrarHallazgos = [&](marco::CProg32Doc& documento) {
    EXPECT_EQ(&documento, &doc);
    listas.push_back(De("ANA"));
  };
  marco::PonerServiciosComandos(servicios);
  const Hallazgos exceso = {{"100R147", 10, 28, 1}};

  EXPECT_EQ(doc.PresentarBorrador(), 1);
  EXPECT_EQ(doc.impresiones, 0) << "printed past an error";
  ASSERT_EQ(listas.size(), 1u);
  EXPECT_EQ(listas.back(), exceso);

  CPresentacionRenta presentacion(doc);
  CDialogosPresentacionContados dialogos([&] { listas.push_back(De("ANA")); });
  EXPECT_EQ(salida::PresentarPorInternet(presentacion, dialogos), salida::EPresentacion::ConErrores);
  EXPECT_EQ(dialogos.avisos, 0) << "filing went on past an error";
  ASSERT_EQ(listas.size(), 2u);
  EXPECT_EQ(listas.back(), exceso);

  // The finding names the first-kind contributions of the declarant; the maximum typed there clears it.
  doc.IrAHallazgo(listas.back().front().vista, listas.back().front().numcontr);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
  Doble(doc.Datos().ApartadoJ.octetos, 16, MaximoPlanes(1960));
  EXPECT_EQ(doc.PresentarBorrador(), 1);
  EXPECT_EQ(doc.impresiones, 1);
  EXPECT_EQ(listas.size(), 2u) << "the findings list came up for a declaration without errors";
  EXPECT_EQ(De("ANA"), Hallazgos{});
  EXPECT_EQ(salida::PresentarPorInternet(presentacion, dialogos), salida::EPresentacion::SinFichero);
  EXPECT_EQ(dialogos.listas, 1);
  EXPECT_EQ(dialogos.avisos, 1);
  marco::PonerServiciosComandos(anteriores);
  EXPECT_TRUE(m_guion.Codigos().empty());
}

// Findings the table does not take fail the run even when no rule found an error, and the Internet writer does
// not take a table it cannot read for a declaration without errors.
TEST_F(RentaValidacionDeclaracionDoc, HallazgosQueNoSeGuardanSonUnFallo) {
  DatosRenta d = Familia();
  Identificacion(d);
  Persona(Res(d), kResultado, 2, 100);  // a warning only: no way of payment chosen
  CRentaDoc doc;
  Preparar(doc, d);
  doc.PonerSujetoActual(marco::kSujetoDeclarante);
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100V203", 17, 21, 0}}));
  EXPECT_FALSE(doc.HallazgosIncompletos());

  marco::CBaseDatos cerrada;
  doc.Validador().PonerBaseDatos(&cerrada);
  EXPECT_EQ(doc.Validar(0), 0);
  EXPECT_EQ(salida::DeclaracionConErrores(&cerrada, "ANA"), 1);

  // The findings list then keeps printing disabled (DlgErrores).
  EXPECT_TRUE(doc.HallazgosIncompletos());
}

// On the simplified form an activity row (section D, which that form has no page for) leads to the stand-in box
// of page 3 and the list adds the note that says so; a finding with a box of its own there (a quota of the results
// page) gets no note, and neither does any finding on the ordinary form.
TEST_F(RentaValidacionDeclaracionDoc, LaSimplificadaDiceCuandoLlevaALaCasillaMasProxima) {
  DatosRenta d = Familia();
  SinConyuge(d);
  Fam(d)[1] = 0;
  Identificacion(d);
  unsigned char* fila = FilaD(d, 3, 0, 0);
  fila[0] = 2;
  Doble(fila, 16, 100);
  Persona(Res(d), 680, 2, -1);
  CRentaDoc doc;
  Preparar(doc, d);
  doc.PonerTipoDec(1);
  ASSERT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
  doc.Validar(0);
  const Hallazgos guardados = De("ANA");
  const auto buscar = [&](const char* codigo) {
    return *std::find_if(guardados.begin(), guardados.end(), [&](const SHallazgo& h) { return h.codigo == codigo; });
  };
  const SHallazgo clave = buscar("100V199");
  EXPECT_EQ(clave.vista, kPaginaSimplificadaGanancias);
  EXPECT_EQ(doc.NotaHallazgo(clave), kNotaSinCasillaPropia);
  const SHallazgo cuota = buscar("100V157");
  EXPECT_EQ(cuota.vista, kPaginaSimplificadaResultados);
  EXPECT_EQ(doc.NotaHallazgo(cuota), "");

  doc.PonerTipoDec(2);
  doc.Validar(0);
  const Hallazgos ordinaria = De("ANA");
  for (const SHallazgo& h : ordinaria) EXPECT_EQ(doc.NotaHallazgo(h), "") << h.codigo;
  EXPECT_NE(std::find_if(ordinaria.begin(), ordinaria.end(),
                         [](const SHallazgo& h) { return h.codigo == "100V199" && h.vista == 3; }),
            ordinaria.end());
}

// A finding chosen in the list shows the person the findings were written for.
TEST_F(RentaValidacionDeclaracionDoc, ElHallazgoMuestraLaPersonaValidada) {
  DatosRenta d = Familia();
  CRentaDoc doc;
  Preparar(doc, d);
  doc.PonerSujetoActual(marco::kSujetoConyuge);
  doc.Validar(0);
  EXPECT_EQ(doc.DameSujetoValidado(), marco::kSujetoConyuge);
  doc.PonerSujetoActual(marco::kSujetoDeclarante);
  doc.IrAHallazgo(10, 28);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoConyuge);

  // A person no longer present is not shown.
  doc.PonerSujetoActual(marco::kSujetoHijo1);
  doc.Validar(0);
  Fam(doc.Datos())[1] = 0;
  doc.ActualizarSujetos();
  doc.PonerSujetoActual(marco::kSujetoDeclarante);
  doc.IrAHallazgo(1, 0);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
}

// The road of the findings list: a declaration without the declarant's tax id, validated; the finding chosen shows
// page 1 with its box active; the number typed there and the check run again: no finding is left.
TEST_F(RentaValidacionDeclaracionDoc, ElHallazgoLlevaALaCasillaYLaCorreccionLoQuita) {
  REQUIERE_PANTALLA();
  fs::create_directories(m_dir / "red");
  ASSERT_EQ(marco::AbrirBasesDatos((m_dir / "red").string(), KORVELIX_DATOS_LOCAL), 1);
  marco::PonerIdiomaV("e");
  marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
  marco::PonerZoomTexto("1.0");
  marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  marco::RegistrarEditsTablas(marco::FabricaEdit());
  DatosRenta d{};
  Identificacion(d);
  std::memset(Id(d) + 0x1f6 + 18, 0, 9);
  ClasePaginaORD001();
  CRentaDoc doc;
  Preparar(doc, d);
  ASSERT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
  EXPECT_EQ(doc.Validar(0), 0);
  const Hallazgos antes = De("ANA");
  ASSERT_FALSE(antes.empty());
  EXPECT_EQ(antes.front(), (SHallazgo{"104R002", 1, 4, 1}));

  doc.CrearListaPaginas(0);
  auto* vista = dynamic_cast<ORD001*>(doc.BuscarVista(ClasePaginaORD001()));
  ASSERT_NE(vista, nullptr);
  auto* ventana = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(ventana, nullptr);
  ventana->SetClientSize(1100, 900);
  ventana->Move(0, 0);
  ::pruebas::Esperar();

  doc.IrAHallazgo(antes.front().vista, antes.front().numcontr);
  ::pruebas::Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 4);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  // The number put in the edit as the user leaves it typed (the typing itself is the edit's own test's).
  edit->PonerTexto("12345678Z");
  edit->PonerModificado(true);
  edit->AlCaracter(marco::kTeclaTabulador);
  ::pruebas::Esperar();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(doc.Datos().Identificacion.octetos + 511 + 9), 9), "12345678Z");
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(De("ANA"), Hallazgos{});
  delete vista;
  ::pruebas::Esperar(5);
  marco::CerrarBasesDatos();
  marco::PonerDirBase("");
  marco::PonerZoomTexto("");
}

}  // namespace
