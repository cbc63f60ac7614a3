#include "platform/MetaFile.h"

#include <array>
#include <fstream>
#include <istream>
#include <new>
#include <optional>
#include <ostream>

#include "MetaFileInterno.h"
#include "platform/MetaFileRegistros.h"

namespace plataforma {
namespace {

constexpr std::size_t kBytesBloqueCabecera = 24;  // the header block of the archive form

// Bytes from the stream's position to its end, the position left as it was; none when the stream cannot tell.
std::optional<std::uint64_t> BytesRestantes(std::istream& f) {
  const std::istream::pos_type aqui = f.tellg();
  if (aqui == std::istream::pos_type(-1)) return std::nullopt;
  f.seekg(0, std::ios::end);
  const std::istream::pos_type fin = f.tellg();
  f.seekg(aqui);
  if (fin == std::istream::pos_type(-1) || !f || fin < aqui) return std::nullopt;
  return static_cast<std::uint64_t>(fin - aqui);
}

bool LeeBytes(std::istream& f, std::uint8_t* destino, std::size_t n) {
  f.read(reinterpret_cast<char*>(destino), static_cast<std::streamsize>(n));
  return static_cast<std::size_t>(f.gcount()) == n;
}

void Pon16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Pon32(std::uint8_t* p, std::uint32_t v) {
  Pon16(p, static_cast<std::uint16_t>(v & 0xFFFF));
  Pon16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

// The header fields from `b` (the 22 bytes on file, or the first 22 of the archive's block).
CCabeceraPlaceable CabeceraDe(std::span<const std::uint8_t> b) {
  CCabeceraPlaceable c;
  c.clave = wmf::Lee32(b, 0);
  c.handle = wmf::Lee16(b, 4);
  c.izquierda = static_cast<std::int16_t>(wmf::Lee16(b, 6));
  c.arriba = static_cast<std::int16_t>(wmf::Lee16(b, 8));
  c.derecha = static_cast<std::int16_t>(wmf::Lee16(b, 10));
  c.abajo = static_cast<std::int16_t>(wmf::Lee16(b, 12));
  c.unidadesPorPulgada = wmf::Lee16(b, 14);
  c.reservado = wmf::Lee32(b, 16);
  c.sumaControl = wmf::Lee16(b, 20);
  return c;
}

// A header that states units per inch needs a box with a size, or every size computed from it is nonsense.
bool CabeceraSana(const CCabeceraPlaceable& c) {
  if (c.unidadesPorPulgada == 0 && c.clave == 0) return true;  // no header
  return c.unidadesPorPulgada != 0 && c.derecha > c.izquierda && c.abajo > c.arriba;
}

}  // namespace

int CMetaFile::Falla(ErrorMetaFile error) {
  Vaciar();
  error_ = error;
  return 0;
}

void CMetaFile::Vaciar() {
  cabecera_ = CCabeceraPlaceable{};
  bits_.clear();
  bits_.shrink_to_fit();
  marco_ = CRectangulo{};
}

int CMetaFile::Cargar(const std::string& ruta) {
  std::ifstream fichero(ruta, std::ios::binary);
  if (!fichero) return Falla(ErrorMetaFile::NoSeAbre);
  return LeerFichero(fichero);
}

int CMetaFile::LeerFichero(std::istream& fichero) {
  Vaciar();
  error_ = ErrorMetaFile::Ninguno;
  fichero.clear();
  fichero.seekg(0);
  const std::optional<std::uint64_t> largo = BytesRestantes(fichero);
  if (!largo) return Falla(ErrorMetaFile::NoSeAbre);

  // 1. The placeable header, when the file starts with its key.
  std::array<std::uint8_t, wmf::kBytesPlaceable> placeable{};
  if (!LeeBytes(fichero, placeable.data(), 4)) return Falla(ErrorMetaFile::Cortado);
  std::uint64_t inicio = 0;
  CCabeceraPlaceable cabecera;
  if (wmf::Lee32(placeable, 0) == wmf::kClavePlaceable) {
    if (!LeeBytes(fichero, placeable.data() + 4, wmf::kBytesPlaceable - 4)) return Falla(ErrorMetaFile::Cortado);
    cabecera = CabeceraDe(placeable);
    if (!CabeceraSana(cabecera)) return Falla(ErrorMetaFile::Danado);
    inicio = wmf::kBytesPlaceable;
  }

  // 2. The metafile header.
  std::array<std::uint8_t, wmf::kBytesCabecera> cabeceraWmf{};
  fichero.clear();
  fichero.seekg(static_cast<std::streamoff>(inicio));
  if (!LeeBytes(fichero, cabeceraWmf.data(), cabeceraWmf.size())) return Falla(ErrorMetaFile::Cortado);
  const std::uint16_t tipo = wmf::Lee16(cabeceraWmf, 0);
  if (tipo != 1 && tipo != 2) return Falla(ErrorMetaFile::NoEsMetaFile);

  // 3. The sizes it states are checked before anything is allocated.
  const std::uint64_t palabrasCabecera = wmf::Lee16(cabeceraWmf, 2);
  const std::uint64_t bytes = static_cast<std::uint64_t>(wmf::Lee32(cabeceraWmf, 6)) * 2;
  if (palabrasCabecera < wmf::kPalabrasCabecera || palabrasCabecera * 2 > bytes) {
    return Falla(ErrorMetaFile::Danado);
  }
  if (bytes > wmf::kBytesMaximos) return Falla(ErrorMetaFile::DemasiadoGrande);
  if (bytes > *largo - inicio) return Falla(ErrorMetaFile::Cortado);

  std::vector<std::uint8_t> bits;
  try {
    bits.resize(static_cast<std::size_t>(bytes));
  } catch (const std::bad_alloc&) {
    return Falla(ErrorMetaFile::SinMemoria);
  }
  fichero.clear();
  fichero.seekg(static_cast<std::streamoff>(inicio));
  if (!LeeBytes(fichero, bits.data(), bits.size())) return Falla(ErrorMetaFile::Cortado);

  cabecera_ = cabecera;
  return Adoptar(std::move(bits));
}

int CMetaFile::Adoptar(std::vector<std::uint8_t>&& bits) {
  if (!wmf::MetaFileSano(bits)) return Falla(ErrorMetaFile::Danado);
  if (cabecera_.unidadesPorPulgada != 0) {
    marco_ = CRectangulo{cabecera_.izquierda, cabecera_.arriba, cabecera_.derecha, cabecera_.abajo};
  } else {
    marco_ = wmf::MarcoPropio(bits).value_or(CRectangulo{});
  }
  bits_ = std::move(bits);
  error_ = ErrorMetaFile::Ninguno;
  return 1;
}

CTamano CMetaFile::DameTamano() const {
  if (EstaVacio()) return CTamano{};
  const int u = cabecera_.unidadesPorPulgada;
  if (u == 0) return CTamano{790, 1100};
  return CTamano{(cabecera_.derecha - cabecera_.izquierda) * 254 / u, (cabecera_.abajo - cabecera_.arriba) * 254 / u};
}

void CMetaFile::AjustarRect(CRectangulo& rect, CTamano tamano, int codigo) {
  const CRectangulo original = rect;
  const int ancho = tamano.cx;
  const int alto = tamano.cy;
  const auto centraHorizontal = [&](int w) {
    rect.left = (rect.left + rect.right - w) / 2;
    rect.right = rect.left + w;
  };
  const auto centraVertical = [&](int h) {
    rect.top = (rect.top + rect.bottom - h) / 2;
    rect.bottom = rect.top + h;
  };
  if (codigo == 10) return;
  if (codigo == 11) {
    if (ancho <= 0 || alto <= 0) return;  // a picture without a size keeps the rectangle
    const std::int64_t rw = rect.Ancho();
    const std::int64_t rh = rect.Alto();
    if (rw * alto <= rh * ancho) {
      centraVertical(static_cast<int>(rw * alto / ancho));
    } else {
      centraHorizontal(static_cast<int>(rh * ancho / alto));
    }
    return;
  }
  if (codigo < 1 || codigo > 9) return;
  const int fila = (codigo - 1) / 3;     // 0 top, 1 middle, 2 bottom
  const int columna = (codigo - 1) % 3;  // 0 left, 1 centre, 2 right
  if (fila == 0) {
    rect.bottom = rect.top + alto;
  } else if (fila == 1) {
    centraVertical(alto);
  } else {
    rect.top = rect.bottom - alto;
  }
  if (columna == 0) {
    rect.right = rect.left + ancho;
  } else if (columna == 1) {
    centraHorizontal(ancho);
  } else {
    rect.left = rect.right - ancho;
  }
  rect.left = std::max(rect.left, original.left);
  rect.top = std::max(rect.top, original.top);
  rect.right = std::min(rect.right, original.right);
  rect.bottom = std::min(rect.bottom, original.bottom);
}

int CMetaFile::Dibujar(CLienzo& lienzo, const CRectangulo& rect, int codigo) const {
  if (EstaVacio()) return 0;
  CRectangulo destino = rect;
  if (cabecera_.unidadesPorPulgada != 0) AjustarRect(destino, DameTamano(), codigo);
  return wmf::Reproducir(bits_, lienzo, marco_, destino);
}

int CMetaFile::Serialize(std::ostream& archivo) const {
  std::array<std::uint8_t, kBytesBloqueCabecera + 4> bloque{};
  Pon32(&bloque[0], cabecera_.clave);
  Pon16(&bloque[4], cabecera_.handle);
  Pon16(&bloque[6], static_cast<std::uint16_t>(cabecera_.izquierda));
  Pon16(&bloque[8], static_cast<std::uint16_t>(cabecera_.arriba));
  Pon16(&bloque[10], static_cast<std::uint16_t>(cabecera_.derecha));
  Pon16(&bloque[12], static_cast<std::uint16_t>(cabecera_.abajo));
  Pon16(&bloque[14], cabecera_.unidadesPorPulgada);
  Pon32(&bloque[16], cabecera_.reservado);
  Pon16(&bloque[20], cabecera_.sumaControl);
  Pon32(&bloque[kBytesBloqueCabecera], static_cast<std::uint32_t>(bits_.size()));
  archivo.write(reinterpret_cast<const char*>(bloque.data()), static_cast<std::streamsize>(bloque.size()));
  archivo.write(reinterpret_cast<const char*>(bits_.data()), static_cast<std::streamsize>(bits_.size()));
  return archivo.good() ? 1 : 0;
}

int CMetaFile::Serialize(std::istream& archivo) {
  Vaciar();
  error_ = ErrorMetaFile::Ninguno;
  std::array<std::uint8_t, kBytesBloqueCabecera + 4> bloque{};
  if (!LeeBytes(archivo, bloque.data(), bloque.size())) return Falla(ErrorMetaFile::Cortado);
  const CCabeceraPlaceable cabecera = CabeceraDe(bloque);
  const std::uint64_t n = wmf::Lee32(bloque, kBytesBloqueCabecera);
  if (n == 0) return 1;  // an empty picture was stored
  const std::optional<std::uint64_t> resto = BytesRestantes(archivo);
  if (!resto || n > *resto) return Falla(ErrorMetaFile::Cortado);
  if (n > wmf::kBytesMaximos) {
    archivo.seekg(static_cast<std::streamoff>(n), std::ios::cur);  // the bits are skipped, the archive goes on
    return Falla(ErrorMetaFile::DemasiadoGrande);
  }
  std::vector<std::uint8_t> bits;
  try {
    bits.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    archivo.seekg(static_cast<std::streamoff>(n), std::ios::cur);
    return Falla(ErrorMetaFile::SinMemoria);
  }
  if (!LeeBytes(archivo, bits.data(), bits.size())) return Falla(ErrorMetaFile::Cortado);
  if (!CabeceraSana(cabecera)) return Falla(ErrorMetaFile::Danado);
  cabecera_ = cabecera;
  return Adoptar(std::move(bits));
}

}  // namespace plataforma
