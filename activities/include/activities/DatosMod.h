// One activity of the module (objective-estimation) regime as read from the module tables: its catalogue entry,
// its income-tax modules with their limits and its VAT modules with the percentage and the minimum quota.
//
// A "kind" picks one of the two module sets: 1 income tax, 0 VAT; any other kind finds nothing. The accessors
// give the address of the field inside the record (valid until the data is emptied) or null when the part is
// missing, and copy the value out when asked; a missing part leaves the out argument untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace actividades {

inline constexpr int kTipoIrpf = 1;
inline constexpr int kTipoIva = 0;

// The catalogue entry of one IAE activity. Texts are zero-terminated inside their arrays.
struct CDatosIae {
  std::int32_t id_iae = 0;  // the activity number, the key of every module table
  char cod_sector[33] = {};
  char descripcio[86] = {};
  char epigrafe[9] = {};    // the epigraph chosen for the activity, as "659.4"
  std::int32_t iva_op = 0;
};

// One module: a unit of measure with its amount per unit (yearly net yield for income tax, yearly accrued quota
// for VAT).
struct CModulo {
  std::int32_t id_modulo = 0;
  double importe = 0.0;
  char des_larga[44] = {};
  char des_corta[26] = {};
  char des_a_15[16] = {};
  char uni_larga[24] = {};
  char uni_corta[18] = {};  // at most 10 characters are read into it
};

using CListaModulosDatos = std::vector<std::unique_ptr<CModulo>>;

// The income-tax module set: the modules in the order read (the array may be absent), the amount for the excess
// correction index and the maximum number of persons.
struct CDatosIrpf {
  std::unique_ptr<CListaModulosDatos> modulos;
  double max_import = 0.0;
  std::int32_t max_person = 0;
};

// The VAT module set: the modules (the array may be absent), the percentage and the minimum quota.
struct CDatosIva {
  std::unique_ptr<CListaModulosDatos> modulos;
  double porcentaje = 0.0;
  double cuota = 0.0;
};

class CDatosMod {
 public:
  CDatosMod() = default;
  CDatosMod(const CDatosMod&) = delete;
  CDatosMod& operator=(const CDatosMod&) = delete;
  CDatosMod(CDatosMod&&) = default;
  CDatosMod& operator=(CDatosMod&&) = default;

  std::unique_ptr<CDatosIae> iae;
  std::unique_ptr<CDatosIrpf> irpf;  // kind 1
  std::unique_ptr<CDatosIva> iva;    // kind 0

  void Vaciar();
  bool EstaVacio() const { return !iae && !irpf && !iva; }

  // ---- the catalogue entry ----
  const std::int32_t* DameIdIae(std::int32_t* valor = nullptr) const;
  const char* DameSectorIae(std::string* texto = nullptr) const;
  const char* DameDescripcionIae(std::string* texto = nullptr) const;
  const char* DameEpigrafeIae(std::string* texto = nullptr) const;
  const std::int32_t* DameIvaOpIae(std::int32_t* valor = nullptr) const;

  // ---- the limits of the sets ----
  const double* DameMaxImporte(double* valor = nullptr) const;
  const std::int32_t* DameMaxPersonas(std::int32_t* valor = nullptr) const;
  const double* DamePorcentajeIva(double* valor = nullptr) const;
  const double* DameCuotaMinima(double* valor = nullptr) const;

  // ---- the modules of a kind ----
  bool TieneModulos(int tipo) const;
  const CListaModulosDatos* DameListaModulos(int tipo) const;
  int DameNumeroModulos(int tipo) const;
  const CModulo* DameModulo(int tipo, int indice) const;
  const std::int32_t* DameIdModulo(int tipo, int indice, std::int32_t* valor = nullptr) const;
  const double* DameImporteModulo(int tipo, int indice, double* valor = nullptr) const;
  const char* DameDesLargaModulo(int tipo, int indice, std::string* texto = nullptr) const;
  const char* DameDesCortaModulo(int tipo, int indice, std::string* texto = nullptr) const;
  const char* DameDesA15Modulo(int tipo, int indice, std::string* texto = nullptr) const;
  const char* DameUniLargaModulo(int tipo, int indice, std::string* texto = nullptr) const;
  const char* DameUniCortaModulo(int tipo, int indice, std::string* texto = nullptr) const;
};

}  // namespace actividades
