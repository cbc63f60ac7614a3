// What the metafile loader, player and writer share inside the platform library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <queue>
#include <span>
#include <vector>

#include "platform/Lienzo.h"

namespace plataforma::wmf {

inline std::uint16_t Lee16(std::span<const std::uint8_t> b, std::size_t i) {
  return static_cast<std::uint16_t>(b[i] | (b[i + 1] << 8));
}
inline std::uint32_t Lee32(std::span<const std::uint8_t> b, std::size_t i) {
  return static_cast<std::uint32_t>(Lee16(b, i)) | (static_cast<std::uint32_t>(Lee16(b, i + 2)) << 16);
}

// The object table of a picture: a new object takes the lowest free slot, and a deleted one frees its slot.
// The writer numbers its objects by the same rule, so the slots it hands out are the ones played.
class CHuecosObjetos {
 public:
  explicit CHuecosObjetos(std::size_t capacidad) : capacidad_(capacidad) {}
  // The slot taken, -1 when the table is full.
  int Ocupar() {
    if (!libres_.empty()) {
      const int i = libres_.top();
      libres_.pop();
      ocupado_[static_cast<std::size_t>(i)] = true;
      return i;
    }
    if (ocupado_.size() >= capacidad_) return -1;
    ocupado_.push_back(true);
    return static_cast<int>(ocupado_.size() - 1);
  }
  bool Liberar(int i) {
    if (!Ocupado(i)) return false;
    ocupado_[static_cast<std::size_t>(i)] = false;
    libres_.push(i);
    return true;
  }
  bool Ocupado(int i) const { return i >= 0 && static_cast<std::size_t>(i) < ocupado_.size() && ocupado_[i]; }
  // Slots ever used: the size the table must have.
  std::size_t Alcance() const { return ocupado_.size(); }

 private:
  std::size_t capacidad_;
  std::vector<bool> ocupado_;
  std::priority_queue<int, std::vector<int>, std::greater<int>> libres_;
};

// One record: its function and its parameter words, read safely (a missing word reads 0).
struct CRegistro {
  std::uint16_t funcion = 0;
  std::span<const std::uint8_t> parametros;

  std::size_t Palabras() const { return parametros.size() / 2; }
  std::uint16_t U(std::size_t i) const { return i < Palabras() ? Lee16(parametros, 2 * i) : 0; }
  std::int16_t S(std::size_t i) const { return static_cast<std::int16_t>(U(i)); }
  std::uint32_t U32(std::size_t i) const {
    return static_cast<std::uint32_t>(U(i)) | (static_cast<std::uint32_t>(U(i + 1)) << 16);
  }
  CPunto Punto(std::size_t i) const { return CPunto{S(i), S(i + 1)}; }  // x then y
};

// Walks the records of a metafile (its 18-byte header included in `bits`) up to the closing record or the end.
class CLectorRegistros {
 public:
  explicit CLectorRegistros(std::span<const std::uint8_t> bits);
  // The next record; false at the closing record, at the end of the data, or on a record whose size does not fit.
  bool Siguiente(CRegistro& registro);
  // True when the walk stopped on a record whose size does not fit.
  bool Danado() const { return danado_; }

 private:
  std::span<const std::uint8_t> bits_;
  std::size_t posicion_ = 0;
  bool danado_ = false;
};

// Structural check: header type 1 or 2, header size at least 9 words and within the data, stated total size equal
// to the data, every record's size within what is left.
bool MetaFileSano(std::span<const std::uint8_t> bits);

// The logical rectangle a picture without placeable header fills: the window its records set, else the bounds of
// what it draws; none when it draws nothing.
std::optional<CRectangulo> MarcoPropio(std::span<const std::uint8_t> bits);

// Plays the records into `destino` (logical units of the canvas), `marco` being the picture's logical rectangle.
int Reproducir(std::span<const std::uint8_t> bits, CLienzo& lienzo, const CRectangulo& marco,
               const CRectangulo& destino);

}  // namespace plataforma::wmf
