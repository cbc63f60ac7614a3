// Typed access to the fields of the data-area blocks by offset.
//
// The blocks of ximardol.h are plain bytes. A field is named once, in the header of its block (bloques/), as a
// `Campo` (one value at an offset) or a `Columna` (the same value repeated at a fixed distance, one per row); the
// offset is checked against the block's size at compile time. Every read and write copies the field's bytes with
// memcpy, so nothing depends on alignment or on casting the area to structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "ImportesMiembro.h"
#include "ximardol.h"

namespace ximardol {

// The length of the text in a fixed field of N bytes: up to its first NUL, never past N. The fields are a few bytes
// wide and read many times per recalculation, so a plain loop (inlined) rather than a call to memchr.
template <std::size_t N>
constexpr std::size_t LargoHastaNul(const char* caracteres) {
  std::size_t largo = 0;
  while (largo < N && caracteres[largo] != '\0') ++largo;
  return largo;
}

// A fixed-width text field of N bytes (Windows-1252, NUL- or blank-padded as its writer left it).
template <std::size_t N>
struct Texto {
  char caracteres[N];

  // The text up to its first NUL, never past its N bytes.
  std::string_view Vista() const { return {caracteres, LargoHastaNul<N>(caracteres)}; }
};

template <typename T>
concept ValorDeCampo = std::is_trivially_copyable_v<T> && !std::is_pointer_v<T>;

// Never defined: reached only when a field description does not fit its block, which stops the compile.
void CampoFueraDelBloque();

// One value of type T at a fixed offset of a block.
template <typename Bloque, ValorDeCampo T>
struct Campo {
  std::size_t desplazamiento;

  consteval Campo(std::size_t desplazamientoCampo) : desplazamiento(desplazamientoCampo) {
    if (desplazamientoCampo > sizeof(Bloque) || sizeof(T) > sizeof(Bloque) - desplazamientoCampo) {
      CampoFueraDelBloque();
    }
  }
};

template <typename Bloque>
using CampoDouble = Campo<Bloque, double>;
template <typename Bloque>
using CampoByte = Campo<Bloque, std::uint8_t>;
template <typename Bloque>
using CampoMiembro = Campo<Bloque, ImportesMiembro>;
template <typename Bloque, std::size_t N>
using CampoTexto = Campo<Bloque, Texto<N>>;

// The same field in `cuantos` rows: element i is at primero + i * paso.
template <typename Bloque, ValorDeCampo T>
struct Columna {
  std::size_t primero;
  std::size_t paso;
  std::size_t cuantos;

  consteval Columna(std::size_t primeroColumna, std::size_t pasoColumna, std::size_t cuantosColumna)
      : primero(primeroColumna), paso(pasoColumna), cuantos(cuantosColumna) {
    if (cuantos == 0 || (cuantos > 1 && paso < sizeof(T)) || primero > sizeof(Bloque) ||
        (cuantos - 1) * paso > sizeof(Bloque) - primero ||
        sizeof(T) > sizeof(Bloque) - primero - (cuantos - 1) * paso) {
      CampoFueraDelBloque();
    }
  }

  constexpr std::size_t Desplazamiento(std::size_t i) const { return primero + i * paso; }
};

// Equal rows of a block: `cuantas` rows of `paso` bytes from `inicio`. Its columns are named by their offset inside
// the row: `inline constexpr auto Importe = FilasModulos.Columna<double>(8);`.
template <typename Bloque>
struct Filas {
  std::size_t inicio;
  std::size_t paso;
  std::size_t cuantas;

  consteval Filas(std::size_t inicioFilas, std::size_t pasoFilas, std::size_t cuantasFilas)
      : inicio(inicioFilas), paso(pasoFilas), cuantas(cuantasFilas) {
    if (cuantas == 0 || paso == 0 || inicio > sizeof(Bloque) || cuantas * paso > sizeof(Bloque) - inicio) {
      CampoFueraDelBloque();
    }
  }

  template <ValorDeCampo T>
  consteval ximardol::Columna<Bloque, T> Columna(std::size_t enFila) const {
    if (sizeof(T) > paso || enFila > paso - sizeof(T)) CampoFueraDelBloque();
    return ximardol::Columna<Bloque, T>(inicio + enFila, paso, cuantas);
  }

  constexpr std::size_t Desplazamiento(std::size_t fila) const { return inicio + fila * paso; }
};

// ---- Reading and writing ------------------------------------------------------------------------------------

template <typename Bloque, typename T>
T Lee(const Bloque* bloque, Campo<Bloque, T> campo) {
  T valor;
  std::memcpy(&valor, bloque->octetos + campo.desplazamiento, sizeof(T));
  return valor;
}

template <typename Bloque, typename T>
void Escribe(Bloque* bloque, Campo<Bloque, T> campo, const std::type_identity_t<T>& valor) {
  std::memcpy(bloque->octetos + campo.desplazamiento, &valor, sizeof(T));
}

// Element i of a column; a row past the column reads as zero.
template <typename Bloque, typename T>
T Lee(const Bloque* bloque, Columna<Bloque, T> columna, std::size_t i) {
  T valor{};
  if (i < columna.cuantos) std::memcpy(&valor, bloque->octetos + columna.Desplazamiento(i), sizeof(T));
  return valor;
}

// Writing a row past the column does nothing.
template <typename Bloque, typename T>
void Escribe(Bloque* bloque, Columna<Bloque, T> columna, std::size_t i, const std::type_identity_t<T>& valor) {
  if (i < columna.cuantos) std::memcpy(bloque->octetos + columna.Desplazamiento(i), &valor, sizeof(T));
}

// A text field as the characters up to its first NUL, never past its width. The view points into the block.
template <typename Bloque, std::size_t N>
std::string_view LeeTexto(const Bloque* bloque, Campo<Bloque, Texto<N>> campo) {
  const char* inicio = reinterpret_cast<const char*>(bloque->octetos + campo.desplazamiento);
  return {inicio, LargoHastaNul<N>(inicio)};
}

// Copies at most N bytes of the text and fills the rest of the field with `relleno`.
template <typename Bloque, std::size_t N>
void EscribeTexto(Bloque* bloque, Campo<Bloque, Texto<N>> campo, std::string_view texto, char relleno = '\0') {
  unsigned char* destino = bloque->octetos + campo.desplazamiento;
  const std::size_t copiados = texto.size() < N ? texto.size() : N;
  if (copiados > 0) std::memcpy(destino, texto.data(), copiados);
  std::memset(destino + copiados, static_cast<unsigned char>(relleno), N - copiados);
}

// A value at an offset worked out at run time (nested rows and the like): an offset whose value would not fit in
// the block reads as zero and is not written. Prefer `Campo` and `Columna`, checked when the code compiles.
template <ValorDeCampo T, typename Bloque>
T LeeEn(const Bloque* bloque, std::size_t desplazamiento) {
  T valor{};
  if (desplazamiento <= sizeof(Bloque) && sizeof(T) <= sizeof(Bloque) - desplazamiento) {
    std::memcpy(&valor, bloque->octetos + desplazamiento, sizeof(T));
  }
  return valor;
}

template <ValorDeCampo T, typename Bloque>
void EscribeEn(Bloque* bloque, std::size_t desplazamiento, const std::type_identity_t<T>& valor) {
  if (desplazamiento <= sizeof(Bloque) && sizeof(T) <= sizeof(Bloque) - desplazamiento) {
    std::memcpy(bloque->octetos + desplazamiento, &valor, sizeof(T));
  }
}

}  // namespace ximardol
