#include "activities/DatosMod.h"

namespace actividades {

namespace {

template <typename T>
const T* Dar(const T* campo, T* destino) {
  if (campo != nullptr && destino != nullptr) *destino = *campo;
  return campo;
}

// The caller gets a copy of the text; there is no buffer of the caller's to overrun.
const char* DarTexto(const char* campo, std::string* destino) {
  if (campo != nullptr && destino != nullptr) *destino = campo;
  return campo;
}

}  // namespace

void CDatosMod::Vaciar() {
  iae.reset();
  irpf.reset();
  iva.reset();
}

const std::int32_t* CDatosMod::DameIdIae(std::int32_t* valor) const {
  return Dar(iae ? &iae->id_iae : nullptr, valor);
}
const char* CDatosMod::DameSectorIae(std::string* texto) const {
  return DarTexto(iae ? iae->cod_sector : nullptr, texto);
}
const char* CDatosMod::DameDescripcionIae(std::string* texto) const {
  return DarTexto(iae ? iae->descripcio : nullptr, texto);
}
const char* CDatosMod::DameEpigrafeIae(std::string* texto) const {
  return DarTexto(iae ? iae->epigrafe : nullptr, texto);
}
const std::int32_t* CDatosMod::DameIvaOpIae(std::int32_t* valor) const {
  return Dar(iae ? &iae->iva_op : nullptr, valor);
}

const double* CDatosMod::DameMaxImporte(double* valor) const {
  return Dar(irpf ? &irpf->max_import : nullptr, valor);
}
const std::int32_t* CDatosMod::DameMaxPersonas(std::int32_t* valor) const {
  return Dar(irpf ? &irpf->max_person : nullptr, valor);
}
const double* CDatosMod::DamePorcentajeIva(double* valor) const {
  return Dar(iva ? &iva->porcentaje : nullptr, valor);
}
const double* CDatosMod::DameCuotaMinima(double* valor) const {
  return Dar(iva ? &iva->cuota : nullptr, valor);
}

const CListaModulosDatos* CDatosMod::DameListaModulos(int tipo) const {
  if (tipo == kTipoIrpf) return irpf ? irpf->modulos.get() : nullptr;
  if (tipo == kTipoIva) return iva ? iva->modulos.get() : nullptr;
  return nullptr;
}

bool CDatosMod::TieneModulos(int tipo) const { return DameListaModulos(tipo) != nullptr; }

int CDatosMod::DameNumeroModulos(int tipo) const {
  const CListaModulosDatos* lista = DameListaModulos(tipo);
  return lista != nullptr ? static_cast<int>(lista->size()) : 0;
}

const CModulo* CDatosMod::DameModulo(int tipo, int indice) const {
  const CListaModulosDatos* lista = DameListaModulos(tipo);
  if (lista == nullptr || indice < 0 || static_cast<std::size_t>(indice) >= lista->size()) return nullptr;
  return (*lista)[static_cast<std::size_t>(indice)].get();
}

const std::int32_t* CDatosMod::DameIdModulo(int tipo, int indice, std::int32_t* valor) const {
  const CModulo* m = DameModulo(tipo, indice);
  return Dar(m ? &m->id_modulo : nullptr, valor);
}
const double* CDatosMod::DameImporteModulo(int tipo, int indice, double* valor) const {
  const CModulo* m = DameModulo(tipo, indice);
  return Dar(m ? &m->importe : nullptr, valor);
}
const char* CDatosMod::DameDesLargaModulo(int tipo, int indice, std::string* texto) const {
  const CModulo* m = DameModulo(tipo, indice);
  return DarTexto(m ? m->des_larga : nullptr, texto);
}
const char* CDatosMod::DameDesCortaModulo(int tipo, int indice, std::string* texto) const {
  const CModulo* m = DameModulo(tipo, indice);
  return DarTexto(m ? m->des_corta : nullptr, texto);
}
const char* CDatosMod::DameDesA15Modulo(int tipo, int indice, std::string* texto) const {
  const CModulo* m = DameModulo(tipo, indice);
  return DarTexto(m ? m->des_a_15 : nullptr, texto);
}
const char* CDatosMod::DameUniLargaModulo(int tipo, int indice, std::string* texto) const {
  const CModulo* m = DameModulo(tipo, indice);
  return DarTexto(m ? m->uni_larga : nullptr, texto);
}
const char* CDatosMod::DameUniCortaModulo(int tipo, int indice, std::string* texto) const {
  const CModulo* m = DameModulo(tipo, indice);
  return DarTexto(m ? m->uni_corta : nullptr, texto);
}

}  // namespace actividades
