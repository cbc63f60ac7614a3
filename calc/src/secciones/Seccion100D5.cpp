// Section D, block D5, agricultural, livestock and forestry activities assessed by modules: the thirteen product
// groups of each of the four activity rows and their index texts, the partial yields by kind of activity, the
// corrective indices, the limit at 105 % of the reference yield, the general reduction and the reduction of 25 %,
// the rows held through an entity, and a second pass that applies the index 0.9 to small yields.
//
// Reads and writes RegApartadoD5; writes the groups 800 (volume of income) and 840 (final yield) of
// RegBaseImponible. The blocks D1 to D4 are not used. Every call sets the marks of the head, clears the indices and
// the results that depend on the second pass and the two groups of the taxable base; only instance 5 computes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>
#include <utility>

#include "Ayudas.h"
#include "bloques/RegApartadoD5.h"
#include "bloques/RegBaseImponible.h"

namespace ximardol {
namespace {

using ApartadoD5::GrupoProductos;
using ApartadoD5::GruposProductos;

constexpr std::size_t kFilas = ApartadoD5::Actividades.cuantas;
constexpr int kInstanciaCalculo = 5;

constexpr std::uint8_t Marcado = 'X';
constexpr std::uint8_t SinMarcar = ' ';

// Reference index of each product group (0: the group does not count in the reference yield).
constexpr std::array<double, GruposProductos.size()> kIndicesReferencia{
    0.12, 0.0, 0.24, 0.24, 0.0, 0.3, 0.3, 0.35, 0.35, 0.4, 0.0, 0.4, 0.55};

constexpr double kIndiceMediosAjenos = 0.75;
constexpr double kIndiceTierrasArrendadas = 0.9;
constexpr double kIndicePiensos = 0.8;
constexpr double kIndiceGeneral = 0.98;
constexpr double kIndiceRendimientosReducidos = 0.9;
constexpr double kTopeRendimientosReducidos = 1500000.0;
constexpr double kLimiteReferencia = 1.05;
constexpr double kReduccionGeneralMayor = 0.12;
constexpr double kReduccionGeneralMenor = 0.07;
constexpr double kReduccion25 = 0.25;

// The identification text of an entity, compared over all its bytes.
using Identificador = Texto<9>;

bool MismoIdentificador(const Identificador& a, const Identificador& b) {
  return std::memcmp(a.caracteres, b.caracteres, sizeof a.caracteres) == 0;
}

// An identifier names an entity when its first byte is neither 0 nor blank.
bool EsIdentificador(const Identificador& id) { return id.caracteres[0] != '\0' && id.caracteres[0] != ' '; }

// The distinct entity identifiers of the rows in row order, and the total of yield minus deductions of the rows
// held through each.
struct Entidades {
  std::array<Identificador, kFilas> ids{};
  std::array<double, kFilas> totales{};
  std::size_t cuantas = 0;

  // The place of the identifier in the list, or kFilas when it is not there.
  std::size_t Busca(const Identificador& id) const {
    for (std::size_t e = 0; e < cuantas; ++e) {
      if (MismoIdentificador(ids[e], id)) return e;
    }
    return kFilas;
  }
};

Entidades ListaEntidades(const RegApartadoD5* d5) {
  Entidades lista;
  for (std::size_t fila = 0; fila < kFilas; ++fila) {
    const Identificador id = Lee(d5, ApartadoD5::IdentificacionEntidad, fila);
    if (EsIdentificador(id) && lista.Busca(id) == kFilas) lista.ids[lista.cuantas++] = id;
  }
  return lista;
}

// ---- One activity row ---------------------------------------------------------------------------------------

constexpr std::size_t kPasoFila = ApartadoD5::Actividades.paso;

// Reads and writes the doubles and texts of one row by their offsets inside the row (the product groups). The row's
// bytes are addressed once; every offset of the group table lies inside the row (checked when the code compiles),
// and an offset past the row reads 0 and is not written.
class CFila {
 public:
  CFila(RegApartadoD5* d5, std::size_t fila) : fila_(d5->octetos + ApartadoD5::Actividades.Desplazamiento(fila)) {}

  double Double(std::size_t enFila) const {
    double valor = 0.0;
    if (enFila <= kPasoFila - sizeof valor) std::memcpy(&valor, fila_ + enFila, sizeof valor);
    return valor;
  }
  void PonDouble(std::size_t enFila, double valor) {
    if (enFila <= kPasoFila - sizeof valor) std::memcpy(fila_ + enFila, &valor, sizeof valor);
  }
  void PonTexto8(std::size_t enFila, const Texto<8>& texto) {
    if (enFila <= kPasoFila - sizeof texto) std::memcpy(fila_ + enFila, &texto, sizeof texto);
  }

  // Item 1 to 6 of group 1 to 13 (0 for an item the group does not have).
  double Volumen(int grupo, int item) const { return Item(grupo, item, ApartadoD5::ItemVolumen); }
  double Indice(int grupo, int item) const { return Item(grupo, item, ApartadoD5::ItemIndice); }
  double RendimientoItem(int grupo, int item) const { return Item(grupo, item, ApartadoD5::ItemRendimiento); }

  double X(int grupo) const { return Parcial(Grupo(grupo).parcialX); }
  double Y(int grupo) const { return Parcial(Grupo(grupo).parcialY); }
  double Z(int grupo) const { return Parcial(Grupo(grupo).parcialZ); }

  static constexpr const GrupoProductos& Grupo(int grupo) {
    return GruposProductos[static_cast<std::size_t>(grupo - 1)];
  }

 private:
  double Item(int grupo, int item, std::size_t campo) const {
    const std::size_t inicio = Grupo(grupo).items[static_cast<std::size_t>(item - 1)];
    return inicio == 0 ? 0.0 : Double(inicio + campo);
  }

  double Parcial(std::size_t enFila) const { return enFila == 0 ? 0.0 : Double(enFila); }

  unsigned char* fila_;
};

bool EsTipo(std::uint8_t tipo, std::initializer_list<char> tipos) {
  for (char t : tipos) {
    if (tipo == static_cast<std::uint8_t>(t)) return true;
  }
  return false;
}

// The index of the share of staff costs in the volume of income; 0 for none (a share up to 10 %, or no volume).
double IndiceCostePersonal(double coste, double volumen) {
  const double ratio = volumen != 0.0 ? coste / volumen : 0.0;
  if (ratio > 0.4) return 0.75;
  if (ratio > 0.3) return 0.8;
  if (ratio > 0.2) return 0.85;
  if (ratio > 0.1) return 0.9;
  return 0.0;
}

// Items 1 to 3 of a group: their volumes to the volume total and the volumes x factor x the group's reference index
// to the yield total. The group is a constant, so that its offsets are too.
template <int grupo>
void SumaGrupoReferencia(const CFila& f, double factor, double& volumen, double& rendimiento) {
  const double suma = f.Volumen(grupo, 1) + f.Volumen(grupo, 2) + f.Volumen(grupo, 3);
  volumen += suma;
  rendimiento += suma * factor * kIndicesReferencia[static_cast<std::size_t>(grupo - 1)];
}

// The same for items 4 to 6 (leased land).
template <int grupo>
void SumaGrupoReferencia2(const CFila& f, double factor, double& volumen, double& rendimiento) {
  const double suma = f.Volumen(grupo, 4) + f.Volumen(grupo, 5) + f.Volumen(grupo, 6);
  volumen += suma;
  rendimiento += suma * factor * kIndicesReferencia[static_cast<std::size_t>(grupo - 1)];
}

// Groups 3, 6, 8 and 10 in that order: own land, then leased land.
template <int... grupos>
void SumaGruposConArrendadas(const CFila& f, double& volumen, double& rendimiento) {
  ((SumaGrupoReferencia<grupos>(f, 1.0, volumen, rendimiento),
    SumaGrupoReferencia2<grupos>(f, kIndiceTierrasArrendadas, volumen, rendimiento)),
   ...);
}

template <int... grupos>
void SumaGruposReferencia(const CFila& f, double& volumen, double& rendimiento) {
  (SumaGrupoReferencia<grupos>(f, 1.0, volumen, rendimiento), ...);
}

// The reference yield that limits the row's yield after indices.
double RendimientoReferenciaAgrario(const RegApartadoD5* d5, const CFila& f, std::size_t fila) {
  const double indiceGrupo1 = kIndicesReferencia[0];
  const double v12 = f.Volumen(1, 1) + f.Volumen(1, 2);
  const double v36 = f.Volumen(1, 3) + f.Volumen(1, 4) + f.Volumen(1, 5) + f.Volumen(1, 6);
  double volumen = v12 + v36;
  const double y1 = v12 * indiceGrupo1;
  double y4 = v36 * indiceGrupo1;

  double y6 = 0.0;
  SumaGruposConArrendadas<3, 6, 8, 10>(f, volumen, y6);
  double y3 = y1;
  SumaGruposReferencia<4, 7, 9, 12>(f, volumen, y3);
  double y5 = 0.0;
  SumaGruposReferencia<13>(f, volumen, y5);

  if (y3 + y4 + y5 + y6 != 0.0) {
    const bool mediosAjenos = Lee(d5, ApartadoD5::IndicadorMediosAjenos, fila) == 1;
    if (mediosAjenos) y6 *= kIndiceMediosAjenos;
    const double indice = IndiceCostePersonal(Lee(d5, ApartadoD5::CostePersonal, fila), volumen);
    if (indice != 0.0) {
      y3 *= indice;
      y4 *= indice;
      y5 *= indice;
      if (!mediosAjenos) y6 *= indice;
    }
    if (Lee(d5, ApartadoD5::IndicadorPiensos, fila) == 1) y3 *= kIndicePiensos;
  }
  return Redondea(y3 + y4 + y5 + y6);
}

// The index text of a group: empty when every index is 0 (the common value of such a list is none), else the
// common value of the list ended by -1.
Texto<8> TextoIndices(const std::array<double, 7>& indices, std::size_t n) {
  bool algunIndice = false;
  for (std::size_t k = 0; k + 1 < n; ++k) algunIndice = algunIndice || indices[k] != 0.0;
  return algunIndice ? FormateaValorComun(std::span<const double>(indices.data(), n)) : Texto<8>{};
}

// One product group of the row (0-based G): its volume and yield totals and its index text, added to the row's.
// The group is a constant, so its offsets and the items it lacks are known when the code compiles.
template <std::size_t G>
void SumaGrupo(CFila& f, double& volumen, double& rendimiento) {
  constexpr int grupo = static_cast<int>(G) + 1;
  constexpr const GrupoProductos& g = GruposProductos[G];
  constexpr bool seisItems = g.items[3] != 0;
  // The first index is the candidate the others are compared with.
  constexpr std::array<int, 6> orden = grupo == 1  ? std::array<int, 6>{5, 6, 1, 2, 3, 4}
                                       : seisItems ? std::array<int, 6>{4, 5, 6, 1, 2, 3}
                                                   : std::array<int, 6>{1, 2, 3, 0, 0, 0};
  std::array<double, 7> indices{};
  std::size_t n = 0;
  double volumenGrupo = 0.0;
  double rendimientoGrupo = 0.0;
  for (int item = 1; item <= 6; ++item) {
    if (g.items[static_cast<std::size_t>(item - 1)] == 0) continue;
    volumenGrupo += f.Volumen(grupo, item);
    rendimientoGrupo += f.RendimientoItem(grupo, item);
  }
  for (int item : orden) {
    if (item != 0) indices[n++] = f.Indice(grupo, item);
  }
  indices[n++] = -1.0;
  f.PonDouble(g.volumen, volumenGrupo);
  f.PonDouble(g.rendimiento, rendimientoGrupo);
  f.PonTexto8(g.textoIndice, TextoIndices(indices, n));
  volumen += volumenGrupo;
  rendimiento += rendimientoGrupo;
}

template <std::size_t... G>
void SumaCadaGrupo(CFila& f, double& volumen, double& rendimiento, std::index_sequence<G...>) {
  (SumaGrupo<G>(f, volumen, rendimiento), ...);
}

// Sums of the groups and their index texts, the row's totals of volume, yield and deductions.
void SumaGrupos(RegApartadoD5* d5, CFila& f, std::size_t fila) {
  double volumen = 0.0;
  double rendimiento = 0.0;
  SumaCadaGrupo(f, volumen, rendimiento, std::make_index_sequence<GruposProductos.size()>{});
  Escribe(d5, ApartadoD5::VolumenIngresos, fila, volumen);
  Escribe(d5, ApartadoD5::RendimientoTotal, fila, Redondea(rendimiento));

  const std::uint8_t tipo = Lee(d5, ApartadoD5::TipoActividad, fila);
  if (EsTipo(tipo, {'1', '2', '5'})) {
    Escribe(d5, ApartadoD5::TotalDeducciones, fila,
            Lee(d5, ApartadoD5::DeduccionA, fila) + Lee(d5, ApartadoD5::DeduccionB, fila) +
                Lee(d5, ApartadoD5::DeduccionD1, fila) + Lee(d5, ApartadoD5::DeduccionC, fila) +
                Lee(d5, ApartadoD5::DeduccionD2, fila));
  }
  Escribe(d5, ApartadoD5::RendimientoMenosDeducciones, fila,
          Lee(d5, ApartadoD5::RendimientoTotal, fila) - Lee(d5, ApartadoD5::TotalDeducciones, fila));
}

// The four partial yields of the row by its kind of activity, with the corrective indices; the yield after indices.
void AplicaIndices(RegApartadoD5* d5, const CFila& f, std::size_t fila) {
  const std::uint8_t tipo = Lee(d5, ApartadoD5::TipoActividad, fila);
  const double deducciones = Lee(d5, ApartadoD5::TotalDeducciones, fila);
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double d = 0.0;
  if (EsTipo(tipo, {'1', '2', '5'})) {
    a = f.X(3) + f.X(6) + f.X(8) + f.X(10) - Lee(d5, ApartadoD5::DeduccionA, fila);
    b = f.Y(3) + f.Y(6) + f.Y(8) + f.Y(10) - Lee(d5, ApartadoD5::DeduccionB, fila);
    c = f.RendimientoItem(1, 1) + f.RendimientoItem(1, 2) + f.X(4) + f.X(7) + f.X(9) + f.X(12) -
        Lee(d5, ApartadoD5::DeduccionC, fila);
    d = f.RendimientoItem(1, 3) + f.RendimientoItem(1, 4) + f.RendimientoItem(1, 5) + f.RendimientoItem(1, 6) +
        f.X(2) + f.X(5) + f.X(11) + f.X(13) - Lee(d5, ApartadoD5::DeduccionD2, fila) -
        Lee(d5, ApartadoD5::DeduccionD1, fila);
  } else if (EsTipo(tipo, {'3'})) {
    d = f.X(13) + f.X(12) - deducciones;
  } else if (EsTipo(tipo, {'4'})) {
    d = f.X(13) + f.X(11) - deducciones;
  } else if (EsTipo(tipo, {'6'})) {
    d = f.RendimientoItem(1, 1) + f.RendimientoItem(1, 2) + f.RendimientoItem(1, 3) + f.RendimientoItem(1, 4) +
        f.RendimientoItem(1, 5) + f.RendimientoItem(1, 6) + f.X(2) + f.X(4) + f.X(5) + f.X(7) + f.X(9) + f.X(12) +
        f.Z(3) + f.Z(6) + f.Z(8) + f.Z(10) - deducciones;
  } else if (EsTipo(tipo, {'7'})) {
    d = f.X(5) + f.X(2) - deducciones;
  }

  const std::uint8_t mediosAjenos = Lee(d5, ApartadoD5::IndicadorMediosAjenos, fila);
  if (EsTipo(tipo, {'1'}) && mediosAjenos == 1 && a + b > 0.0) {
    Escribe(d5, ApartadoD5::IndiceMediosAjenos, fila, kIndiceMediosAjenos);
    a *= kIndiceMediosAjenos;
    b *= kIndiceMediosAjenos;
  }

  if (c + d > 0.0 || (a + b > 0.0 && Lee(d5, ApartadoD5::IndiceMediosAjenos, fila) == 0.0)) {
    const double indice =
        IndiceCostePersonal(Lee(d5, ApartadoD5::CostePersonal, fila), Lee(d5, ApartadoD5::VolumenIngresos, fila));
    Escribe(d5, ApartadoD5::IndicePersonal, fila, indice);
    const double factor = indice != 0.0 ? indice : 1.0;
    if (mediosAjenos == 0 || mediosAjenos == 255) {
      if (c + d + a + b > 0.0) {
        a *= factor;
        b *= factor;
        c *= factor;
        d *= factor;
      }
    } else if (c + d > 0.0) {
      c *= factor;
      d *= factor;
    }
  }

  if (b > 0.0) {
    Escribe(d5, ApartadoD5::IndiceTierrasArrendadas, fila, kIndiceTierrasArrendadas);
    b *= kIndiceTierrasArrendadas;
  }

  if (EsTipo(tipo, {'1', '2', '5'}) && Lee(d5, ApartadoD5::IndicadorPiensos, fila) == 1 && c > 0.0) {
    Escribe(d5, ApartadoD5::IndicePiensos, fila, kIndicePiensos);
    c *= kIndicePiensos;
  }

  Escribe(d5, ApartadoD5::IndiceRendimientosReducidos, fila, 0.0);
  double rendimiento = Redondea(a + b + c + d);
  if (rendimiento > 0.0) rendimiento = Redondea(rendimiento * kIndiceGeneral);
  Escribe(d5, ApartadoD5::RendimientoTrasIndices, fila, rendimiento);
}

// The limit by the reference yield, the reductions and the row's net and final yields (held directly or through
// an entity). Works from the yield after indices, so the second pass runs it again.
void LimitaYReduce(RegApartadoD5* d5, const CFila& f, std::size_t fila) {
  const std::uint8_t tipo = Lee(d5, ApartadoD5::TipoActividad, fila);
  const double rendimiento = Lee(d5, ApartadoD5::RendimientoTrasIndices, fila);
  if (!EsTipo(tipo, {'3', '4', '6', '7'})) {
    const double limite = RendimientoReferenciaAgrario(d5, f, fila) * kLimiteReferencia;
    if (rendimiento > limite) Escribe(d5, ApartadoD5::ExcesoReferencia, fila, rendimiento - limite);
  }

  const double limitado = rendimiento - Lee(d5, ApartadoD5::ExcesoReferencia, fila);
  Escribe(d5, ApartadoD5::RendimientoLimitado, fila, limitado);
  const double previo = limitado - Lee(d5, ApartadoD5::ImporteRestarLimitado, fila);
  Escribe(d5, ApartadoD5::RendimientoPrevioReducciones, fila, previo);
  const double tipoGeneral =
      Lee(d5, ApartadoD5::SelectorReduccion, fila) == 1 ? kReduccionGeneralMayor : kReduccionGeneralMenor;
  double general = Redondea(previo * tipoGeneral);
  double reduccion25 = Lee(d5, ApartadoD5::IndicadorReduccion25, fila) == 1 ? Redondea(previo * kReduccion25) : 0.0;
  if (general < 0.0) general = 0.0;
  if (reduccion25 < 0.0) reduccion25 = 0.0;
  Escribe(d5, ApartadoD5::ReduccionGeneral, fila, general);
  Escribe(d5, ApartadoD5::Reduccion25, fila, reduccion25);

  const double porcentaje = Lee(d5, ApartadoD5::Porcentaje, fila);
  if (porcentaje == 0.0) {
    const double neto = previo - general - reduccion25;
    Escribe(d5, ApartadoD5::CopiaPorcentaje, fila, 0.0);
    Escribe(d5, ApartadoD5::RendimientoNeto, fila, neto);
    Escribe(d5, ApartadoD5::RendimientoFinal, fila, neto - Lee(d5, ApartadoD5::ImporteRestarNeto, fila));
    Escribe(d5, ApartadoD5::RendimientoFinalAtribuido, fila, 0.0);
    Escribe(d5, ApartadoD5::RendimientoNetoAtribuido, fila, 0.0);
  } else {
    const double netoAtribuido = Redondea((previo - general - reduccion25) * porcentaje * 0.01);
    Escribe(d5, ApartadoD5::CopiaPorcentaje, fila, porcentaje);
    Escribe(d5, ApartadoD5::RendimientoNetoAtribuido, fila, netoAtribuido);
    Escribe(d5, ApartadoD5::RendimientoFinalAtribuido, fila,
            Redondea(netoAtribuido - Lee(d5, ApartadoD5::ImporteRestarNeto, fila) * porcentaje * 0.01));
    Escribe(d5, ApartadoD5::RendimientoNeto, fila, 0.0);
    Escribe(d5, ApartadoD5::RendimientoFinal, fila, 0.0);
  }
}

double Contribucion(const RegApartadoD5* d5, std::size_t fila) {
  return Lee(d5, ApartadoD5::RendimientoFinalAtribuido, fila) + Lee(d5, ApartadoD5::RendimientoFinal, fila);
}

// Slot 0 always; slot 1 for the declarant's rows, slot 2 for the spouse's.
void SumaASujeto(ImportesMiembro& grupo, int codigo, double importe) {
  grupo[0] += importe;
  if (codigo == Sujeto::Declarante) grupo[1] += importe;
  if (codigo == Sujeto::Conyuge) grupo[2] += importe;
}

bool DentroDelTope(double total) { return total > 0.0 && total <= kTopeRendimientosReducidos; }

// ---- Every call ---------------------------------------------------------------------------------------------

void PonMarcas(RegApartadoD5* d5) {
  const std::uint8_t primera = Lee(d5, ApartadoD5::IndicadorPrimero) == 1 ? Marcado : SinMarcar;
  const std::uint8_t segunda = Lee(d5, ApartadoD5::IndicadorSegundo) == 1 ? Marcado : SinMarcar;
  Escribe(d5, ApartadoD5::MarcaIndicador1A, primera);
  Escribe(d5, ApartadoD5::MarcaIndicador1B, primera);
  Escribe(d5, ApartadoD5::MarcaIndicador2B, segunda);
  Escribe(d5, ApartadoD5::MarcaIndicador2A, segunda);
}

void LimpiaResultados(RegApartadoD5* d5, RegBaseImponible* bi) {
  for (std::size_t fila = 0; fila < kFilas; ++fila) {
    for (auto columna : {ApartadoD5::IndiceMediosAjenos, ApartadoD5::IndicePersonal,
                         ApartadoD5::IndiceTierrasArrendadas, ApartadoD5::IndicePiensos,
                         ApartadoD5::IndiceRendimientosReducidos, ApartadoD5::ExcesoReferencia,
                         ApartadoD5::RendimientoLimitado, ApartadoD5::RendimientoFinal,
                         ApartadoD5::RendimientoFinalAtribuido}) {
      Escribe(d5, columna, fila, 0.0);
    }
  }
  Escribe(bi, BaseImponible::AgrariaVolumenIngresos, ImportesMiembro{});
  Escribe(bi, BaseImponible::AgrariaRendimientoFinal, ImportesMiembro{});
}

// ---- Instance 5 ---------------------------------------------------------------------------------------------

void Calcula(RegApartadoD5* d5, RegBaseImponible* bi, Entidades& entidades) {
  ImportesMiembro volumen{};
  ImportesMiembro rendimientoFinal{};
  std::array<double, kFilas> contribuciones{};
  double totalDeclarante = 0.0;
  double totalConyuge = 0.0;

  for (std::size_t fila = 0; fila < kFilas; ++fila) {
    CFila f(d5, fila);
    SumaGrupos(d5, f, fila);
    AplicaIndices(d5, f, fila);

    const int codigo = Lee(d5, ApartadoD5::CodigoMiembro, fila);
    const bool directa = Lee(d5, ApartadoD5::Porcentaje, fila) == 0.0;
    const double menosDeducciones = Lee(d5, ApartadoD5::RendimientoMenosDeducciones, fila);
    if (directa) {
      if (codigo == Sujeto::Declarante) totalDeclarante += menosDeducciones;
      if (codigo == Sujeto::Conyuge) totalConyuge += menosDeducciones;
    } else {
      const std::size_t e = entidades.Busca(Lee(d5, ApartadoD5::IdentificacionEntidad, fila));
      if (e < kFilas) entidades.totales[e] += menosDeducciones;
    }

    LimitaYReduce(d5, f, fila);
    contribuciones[fila] = Contribucion(d5, fila);
    if (directa) SumaASujeto(volumen, codigo, Lee(d5, ApartadoD5::VolumenIngresos, fila));
    SumaASujeto(rendimientoFinal, codigo, contribuciones[fila]);
  }

  // Small yields: the index 0.9 for the rows of a person, or of an entity, whose yields minus deductions add up to
  // no more than the limit.
  for (std::size_t fila = 0; fila < kFilas; ++fila) {
    const int codigo = Lee(d5, ApartadoD5::CodigoMiembro, fila);
    bool califica = false;
    if (Lee(d5, ApartadoD5::Porcentaje, fila) == 0.0) {
      califica = (codigo == Sujeto::Declarante && DentroDelTope(totalDeclarante)) ||
                 (codigo == Sujeto::Conyuge && DentroDelTope(totalConyuge));
    } else {
      const std::size_t e = entidades.Busca(Lee(d5, ApartadoD5::IdentificacionEntidad, fila));
      califica = e < kFilas && DentroDelTope(entidades.totales[e]);
    }
    const std::uint8_t reduccion25 = Lee(d5, ApartadoD5::IndicadorReduccion25, fila);
    if (!califica || (reduccion25 != 0 && reduccion25 != 255) || codigo == 0 ||
        Lee(d5, ApartadoD5::VolumenIngresos, fila) == 0.0) {
      continue;
    }
    Escribe(d5, ApartadoD5::IndiceRendimientosReducidos, fila, kIndiceRendimientosReducidos);
    Escribe(d5, ApartadoD5::ExcesoReferencia, fila, 0.0);
    Escribe(d5, ApartadoD5::RendimientoTrasIndices, fila,
            Redondea(Lee(d5, ApartadoD5::RendimientoTrasIndices, fila) * kIndiceRendimientosReducidos));
    LimitaYReduce(d5, CFila(d5, fila), fila);
    SumaASujeto(rendimientoFinal, codigo, Contribucion(d5, fila) - contribuciones[fila]);
  }

  Escribe(bi, BaseImponible::AgrariaVolumenIngresos, volumen);
  Escribe(bi, BaseImponible::AgrariaRendimientoFinal, rendimientoFinal);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100D5(RegApartadoD1* /*apartadoD1*/, RegApartadoD2* /*apartadoD2*/,
                             RegApartadoD3* /*apartadoD3*/, RegBaseImponible* baseImponible,
                             RegApartadoD4* /*apartadoD4*/, RegApartadoD5* apartadoD5, int instancia) {
  using namespace ximardol;
  if (apartadoD5 == nullptr || baseImponible == nullptr) return 1;
  PonMarcas(apartadoD5);
  LimpiaResultados(apartadoD5, baseImponible);
  Entidades entidades = ListaEntidades(apartadoD5);
  if (instancia != kInstanciaCalculo) return 1;
  Calcula(apartadoD5, baseImponible, entidades);
  return 1;
}
