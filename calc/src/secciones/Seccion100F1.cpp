// Section F1: the gains and losses of its rows, distributed to the members. Reads and writes RegApartadoF1 only.
#include "Ayudas.h"
#include "bloques/RegApartadoF1.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100F.h"

namespace ximardol {
namespace {

void Instancia1(RegApartadoF1* f1) {
  Escribe(f1, ApartadoF1::GrupoInstancia1,
          RepartirFilasFijas<ApartadoF1::FilaInstancia1Miembro, ApartadoF1::FilaInstancia1Importe>(f1));
}

void Instancia2(RegApartadoF1* f1) {
  using namespace ApartadoF1;
  const auto grupos = RepartirFilasJuntas<FilaInstancia2Miembro, FilaInstancia2Importe1, FilaInstancia2Importe2,
                                          FilaInstancia2Importe3>(f1);
  Escribe(f1, GrupoInstancia2Importe1, grupos[0]);
  Escribe(f1, GrupoInstancia2Importe2, grupos[1]);
  Escribe(f1, GrupoInstancia2Importe3, grupos[2]);
}

// Done on every call, whatever the instance.
void Totales(RegApartadoF1* f1) {
  using namespace ApartadoF1;
  const auto grupos = RepartirFilasJuntas<FilaMiembro, FilaGananciaGrupo1, FilaPerdidaGrupo1, FilaGananciaGrupo2,
                                          FilaPerdidaGrupo2>(f1);
  Escribe(f1, GananciasGrupo1, grupos[0]);
  Escribe(f1, PerdidasGrupo1, grupos[1]);
  Escribe(f1, GananciasGrupo2, grupos[2]);
  Escribe(f1, PerdidasGrupo2, grupos[3]);
  Escribe(f1, GrupoInstancia2Neto,
          Lee(f1, GrupoInstancia2Importe1) + Lee(f1, GrupoInstancia2Importe2) - Lee(f1, GrupoInstancia2Importe3));
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100F1(RegApartadoF1* apartadoF1, int instancia) {
  using namespace ximardol;
  if (apartadoF1 == nullptr) return 0;
  if (instancia == 1) Instancia1(apartadoF1);
  if (instancia == 2) Instancia2(apartadoF1);
  Totales(apartadoF1);
  return 0;
}
