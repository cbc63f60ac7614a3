// Data areas for the calculation tests: a zeroed DatosRenta or DatosPatrimonio, and values set and read at
// block + offset. Tests write the offsets as plain numbers, independently of the field names of the library's
// block headers, so a wrong offset in either place shows up.
//
//   CAreaRenta area;                                          // 61,624 zero bytes
//   PonDouble(area->RendTrabajo, 16, 1500000.0);              // double at RegRendTrabajo + 16
//   PonByte(area->RendTrabajo, 8, 2);                         // member code byte
//   PonTexto(area->ApartadoF2, 40, "15061990");               // text (NUL-padded to `ancho` when given)
//   Calculos100A(&area->RendTrabajo, &area->BaseImponible, ...);
//   EXPECT_EQ(DameMiembro(area->BaseImponible, 0), (Miembros{1500000.0, 1500000.0, 0.0, 0.0, 0.0}));
//
// An offset whose value would not fit in the block throws std::out_of_range, which fails the test.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "ximardol.h"

namespace ximardol::pruebas {

// Total, declarant, spouse, first child, second child.
using Miembros = std::array<double, 5>;

// A data area on the heap, all bytes 0 at the start. Copies are deep, so a test can keep the area as it was before
// a call and compare.
template <typename Area>
class CAreaPrueba {
 public:
  CAreaPrueba() : area_(std::make_unique<Area>()) {}
  CAreaPrueba(const CAreaPrueba& otra) : area_(std::make_unique<Area>(*otra.area_)) {}
  CAreaPrueba& operator=(const CAreaPrueba& otra) {
    *area_ = *otra.area_;
    return *this;
  }

  Area* operator->() { return area_.get(); }
  const Area* operator->() const { return area_.get(); }
  Area& operator*() { return *area_; }
  const Area& operator*() const { return *area_; }

  // Byte for byte.
  bool operator==(const CAreaPrueba& otra) const {
    return std::memcmp(area_.get(), otra.area_.get(), sizeof(Area)) == 0;
  }

 private:
  std::unique_ptr<Area> area_;
};

using CAreaRenta = CAreaPrueba<DatosRenta>;
using CAreaPatrimonio = CAreaPrueba<DatosPatrimonio>;

namespace detalle {

template <typename Bloque>
unsigned char* Posicion(Bloque& bloque, std::size_t desplazamiento, std::size_t ancho) {
  static_assert(std::is_trivially_copyable_v<std::remove_const_t<Bloque>>);
  if (desplazamiento > sizeof(Bloque) || ancho > sizeof(Bloque) - desplazamiento) {
    throw std::out_of_range("offset " + std::to_string(desplazamiento) + " + " + std::to_string(ancho) +
                            " bytes past a block of " + std::to_string(sizeof(Bloque)));
  }
  return reinterpret_cast<unsigned char*>(&bloque) + desplazamiento;
}

template <typename Bloque>
const unsigned char* Posicion(const Bloque& bloque, std::size_t desplazamiento, std::size_t ancho) {
  return Posicion(const_cast<Bloque&>(bloque), desplazamiento, ancho);
}

}  // namespace detalle

// `Bloque` is any block of ximardol.h, or a whole area (offsets from the start of the area).

template <typename Bloque>
void PonDouble(Bloque& bloque, std::size_t desplazamiento, double valor) {
  std::memcpy(detalle::Posicion(bloque, desplazamiento, sizeof valor), &valor, sizeof valor);
}

template <typename Bloque>
double DameDouble(const Bloque& bloque, std::size_t desplazamiento) {
  double valor = 0.0;
  std::memcpy(&valor, detalle::Posicion(bloque, desplazamiento, sizeof valor), sizeof valor);
  return valor;
}

template <typename Bloque>
void PonByte(Bloque& bloque, std::size_t desplazamiento, std::uint8_t valor) {
  *detalle::Posicion(bloque, desplazamiento, 1) = valor;
}

template <typename Bloque>
std::uint8_t DameByte(const Bloque& bloque, std::size_t desplazamiento) {
  return *detalle::Posicion(bloque, desplazamiento, 1);
}

// Writes the text's bytes; with `ancho` larger than the text, the rest of the field is filled with NUL.
template <typename Bloque>
void PonTexto(Bloque& bloque, std::size_t desplazamiento, std::string_view texto, std::size_t ancho = 0) {
  const std::size_t campo = ancho > texto.size() ? ancho : texto.size();
  unsigned char* destino = detalle::Posicion(bloque, desplazamiento, campo);
  std::memset(destino, 0, campo);
  if (!texto.empty()) std::memcpy(destino, texto.data(), texto.size());
}

// The `ancho` bytes of a text field up to the first NUL.
template <typename Bloque>
std::string DameTexto(const Bloque& bloque, std::size_t desplazamiento, std::size_t ancho) {
  const char* origen = reinterpret_cast<const char*>(detalle::Posicion(bloque, desplazamiento, ancho));
  std::size_t largo = 0;
  while (largo < ancho && origen[largo] != '\0') ++largo;
  return std::string(origen, largo);
}

template <typename Bloque>
void PonMiembro(Bloque& bloque, std::size_t desplazamiento, const Miembros& valores) {
  std::memcpy(detalle::Posicion(bloque, desplazamiento, sizeof valores), valores.data(), sizeof valores);
}

template <typename Bloque>
Miembros DameMiembro(const Bloque& bloque, std::size_t desplazamiento) {
  Miembros valores{};
  std::memcpy(valores.data(), detalle::Posicion(bloque, desplazamiento, sizeof valores), sizeof valores);
  return valores;
}

// The same value in every slot.
inline Miembros Todos(double valor) { return {valor, valor, valor, valor, valor}; }

}  // namespace ximardol::pruebas
