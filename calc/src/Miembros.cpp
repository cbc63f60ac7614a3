// Distribution of member-coded amounts, weighted sums and clamps of amounts and member arrays.
#include "Ayudas.h"

namespace ximardol {

void SumaImporteMiembro(std::span<double> importes, int miembro, double importe) {
  if (importes.size() < 3 || miembro < Sujeto::UnidadFamiliar || miembro > Sujeto::SegundoHijo) return;
  if (miembro == Sujeto::UnidadFamiliar) {
    const double mitad = importe * 0.5;
    importes[1] += Redondea(mitad);
    importes[2] += Redondea(mitad);
  } else if (miembro <= Sujeto::Conyuge || importes.size() >= 5) {
    importes[static_cast<std::size_t>(miembro - 1)] += importe;
  }
  importes[0] += importe;
}

void RepartirImportes(std::span<double> importes, std::span<const ParMiembro> pares) {
  for (double& importe : importes) importe = 0.0;
  for (const ParMiembro& par : pares) {
    if (par.miembro < 0) break;
    SumaImporteMiembro(importes, par.miembro, par.importe);
  }
}

ImportesMiembro RepartirImportes(std::span<const ParMiembro> pares) {
  ImportesMiembro importes{};
  RepartirImportes(importes, pares);
  return importes;
}

ImportesMiembro RepartirImportes(std::initializer_list<ParMiembro> pares) {
  return RepartirImportes(std::span<const ParMiembro>(pares.begin(), pares.size()));
}

ImportesMiembro SumaPonderada(std::span<const FilaPonderada> filas) {
  ImportesMiembro suma{};
  for (const FilaPonderada& fila : filas) {
    if (fila.peso == 0.0) break;
    for (std::size_t k = 0; k < suma.size(); ++k) suma[k] += fila.peso * fila.fila[k];
  }
  return suma;
}

ImportesMiembro SumaPonderada(std::initializer_list<FilaPonderada> filas) {
  return SumaPonderada(std::span<const FilaPonderada>(filas.begin(), filas.size()));
}

void AcotaImportes(std::span<double> importes, std::span<const Cota> cotas) {
  for (std::size_t i = 0; i < importes.size() && i < cotas.size(); ++i) {
    const Cota& cota = cotas[i];
    if (cota.tipo <= 0) {
      if (importes[i] < cota.limite) importes[i] = cota.limite;
    } else if (importes[i] > cota.limite) {
      importes[i] = cota.limite;
    }
  }
}

void AcotaImportes(std::span<double> importes, std::initializer_list<Cota> cotas) {
  AcotaImportes(importes, std::span<const Cota>(cotas.begin(), cotas.size()));
}

double ElevadoACero(double importe) { return importe < 0.0 ? 0.0 : importe; }

ImportesMiembro ElevadoACero(ImportesMiembro importes) {
  for (double& importe : importes) importe = ElevadoACero(importe);
  return importes;
}

double RebajadoA(double importe, double tope) { return importe > tope ? tope : importe; }

ImportesMiembro RebajadoA(ImportesMiembro importes, const ImportesMiembro& tope) {
  for (std::size_t k = 0; k < importes.size(); ++k) importes[k] = RebajadoA(importes[k], tope[k]);
  return importes;
}

}  // namespace ximardol
