#include "platform/MetaFileEscritor.h"

#include <algorithm>
#include <fstream>
#include <limits>

#include "platform/MetaFileRegistros.h"

namespace plataforma {
namespace {

constexpr int kObjetosMaximos = 0xFFFF;

void Anade16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Anade32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Anade16(b, static_cast<std::uint16_t>(v & 0xFFFF));
  Anade16(b, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

CEscritorMetaFile::CEscritorMetaFile(const CRectangulo& caja, int unidadesPorPulgada)
    : caja_(caja), unidadesPorPulgada_(unidadesPorPulgada) {
  if (unidadesPorPulgada <= 0 || unidadesPorPulgada > 0xFFFF || caja.right <= caja.left ||
      caja.bottom <= caja.top) {
    correcto_ = false;
  }
  const std::uint16_t anisotropico[] = {static_cast<std::uint16_t>(ModoMapeo::Anisotropico)};
  Registro(wmf::kPonModoMapeo, anisotropico);
  const std::uint16_t origen[] = {Palabra(caja.top), Palabra(caja.left)};
  Registro(wmf::kPonOrigenVentana, origen);
  const std::uint16_t extension[] = {Palabra(caja.bottom - caja.top), Palabra(caja.right - caja.left)};
  Registro(wmf::kPonExtensionVentana, extension);
}

std::uint16_t CEscritorMetaFile::Palabra(int valor) {
  if (valor < std::numeric_limits<std::int16_t>::min() || valor > std::numeric_limits<std::int16_t>::max()) {
    correcto_ = false;
    return 0;
  }
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(valor));
}

void CEscritorMetaFile::Registro(std::uint16_t funcion, std::span<const std::uint16_t> parametros) {
  const std::uint32_t palabras = static_cast<std::uint32_t>(3 + parametros.size());
  registros_.push_back(static_cast<std::uint16_t>(palabras & 0xFFFF));
  registros_.push_back(static_cast<std::uint16_t>(palabras >> 16));
  registros_.push_back(funcion);
  registros_.insert(registros_.end(), parametros.begin(), parametros.end());
  registroMayor_ = std::max(registroMayor_, palabras);
  if (registros_.size() * 2 > wmf::kBytesMaximos / 2) correcto_ = false;
}

int CEscritorMetaFile::NuevoObjeto() {
  const auto libre = std::find(ocupados_.begin(), ocupados_.end(), false);
  if (libre != ocupados_.end()) {
    *libre = true;
    return static_cast<int>(libre - ocupados_.begin());
  }
  if (ocupados_.size() >= kObjetosMaximos) return -1;
  ocupados_.push_back(true);
  return static_cast<int>(ocupados_.size() - 1);
}

int CEscritorMetaFile::CrearPluma(const CPluma& pluma) {
  const int i = NuevoObjeto();
  if (i < 0) return -1;
  const std::uint32_t color = pluma.color.ColorRef();
  const std::uint16_t p[] = {static_cast<std::uint16_t>(pluma.estilo), Palabra(pluma.ancho), 0,
                             static_cast<std::uint16_t>(color & 0xFFFF), static_cast<std::uint16_t>(color >> 16)};
  Registro(wmf::kCrearPluma, p);
  return i;
}

int CEscritorMetaFile::CrearPincel(const CPincel& pincel) {
  const int i = NuevoObjeto();
  if (i < 0) return -1;
  const std::uint32_t color = pincel.color.ColorRef();
  const std::uint16_t p[] = {static_cast<std::uint16_t>(pincel.estilo), static_cast<std::uint16_t>(color & 0xFFFF),
                             static_cast<std::uint16_t>(color >> 16), static_cast<std::uint16_t>(pincel.rayado)};
  Registro(wmf::kCrearPincel, p);
  return i;
}

int CEscritorMetaFile::CrearFuente(const CFuente& fuente) {
  const int i = NuevoObjeto();
  if (i < 0) return -1;
  std::vector<std::uint8_t> b;
  Anade16(b, Palabra(fuente.alto));
  Anade16(b, 0);  // width: the face's own
  Anade16(b, Palabra(fuente.escapamiento));
  Anade16(b, Palabra(fuente.escapamiento));  // orientation follows the line
  Anade16(b, Palabra(fuente.peso));
  b.push_back(fuente.cursiva ? 1 : 0);
  b.push_back(fuente.subrayada ? 1 : 0);
  b.push_back(fuente.tachada ? 1 : 0);
  b.push_back(0);  // character set: the face's default
  b.push_back(0);  // output precision
  b.push_back(0);  // clip precision
  b.push_back(0);  // quality
  b.push_back(0);  // pitch and family
  // The face name in a 32-byte field, always ending in a NUL.
  const std::size_t n = std::min(fuente.nombre.size(), wmf::kBytesNombreFuente - 1);
  for (std::size_t k = 0; k < wmf::kBytesNombreFuente; ++k) {
    b.push_back(k < n ? static_cast<std::uint8_t>(fuente.nombre[k]) : 0);
  }
  std::vector<std::uint16_t> palabras(b.size() / 2);
  for (std::size_t k = 0; k < palabras.size(); ++k) {
    palabras[k] = static_cast<std::uint16_t>(b[2 * k] | (b[2 * k + 1] << 8));
  }
  Registro(wmf::kCrearFuente, palabras);
  return i;
}

void CEscritorMetaFile::Seleccionar(int objeto) {
  if (objeto < 0 || static_cast<std::size_t>(objeto) >= ocupados_.size() || !ocupados_[objeto]) {
    correcto_ = false;
    return;
  }
  const std::uint16_t p[] = {static_cast<std::uint16_t>(objeto)};
  Registro(wmf::kSeleccionarObjeto, p);
}

void CEscritorMetaFile::Borrar(int objeto) {
  if (objeto < 0 || static_cast<std::size_t>(objeto) >= ocupados_.size() || !ocupados_[objeto]) {
    correcto_ = false;
    return;
  }
  ocupados_[static_cast<std::size_t>(objeto)] = false;
  const std::uint16_t p[] = {static_cast<std::uint16_t>(objeto)};
  Registro(wmf::kBorrarObjeto, p);
}

void CEscritorMetaFile::PonColorTexto(CColor color) {
  const std::uint32_t c = color.ColorRef();
  const std::uint16_t p[] = {static_cast<std::uint16_t>(c & 0xFFFF), static_cast<std::uint16_t>(c >> 16)};
  Registro(wmf::kPonColorTexto, p);
}

void CEscritorMetaFile::PonColorFondo(CColor color) {
  const std::uint32_t c = color.ColorRef();
  const std::uint16_t p[] = {static_cast<std::uint16_t>(c & 0xFFFF), static_cast<std::uint16_t>(c >> 16)};
  Registro(wmf::kPonColorFondo, p);
}

void CEscritorMetaFile::PonModoFondo(ModoFondo modo) {
  const std::uint16_t p[] = {static_cast<std::uint16_t>(modo)};
  Registro(wmf::kPonModoFondo, p);
}

void CEscritorMetaFile::PonAlineacionTexto(int alineacion) {
  const std::uint16_t p[] = {static_cast<std::uint16_t>(alineacion & 0xFFFF)};
  Registro(wmf::kPonAlineacionTexto, p);
}

void CEscritorMetaFile::GuardarEstado() { Registro(wmf::kGuardarDC, {}); }

void CEscritorMetaFile::RestaurarEstado() {
  const std::uint16_t p[] = {static_cast<std::uint16_t>(-1)};
  Registro(wmf::kRestaurarDC, p);
}

void CEscritorMetaFile::MoverA(CPunto p) {
  const std::uint16_t w[] = {Palabra(p.y), Palabra(p.x)};
  Registro(wmf::kMoverA, w);
}

void CEscritorMetaFile::LineaA(CPunto p) {
  const std::uint16_t w[] = {Palabra(p.y), Palabra(p.x)};
  Registro(wmf::kLineaA, w);
}

void CEscritorMetaFile::Linea(CPunto desde, CPunto hasta) {
  MoverA(desde);
  LineaA(hasta);
}

void CEscritorMetaFile::Rectangulo(const CRectangulo& r) {
  const std::uint16_t w[] = {Palabra(r.bottom), Palabra(r.right), Palabra(r.top), Palabra(r.left)};
  Registro(wmf::kRectangulo, w);
}

void CEscritorMetaFile::Elipse(const CRectangulo& r) {
  const std::uint16_t w[] = {Palabra(r.bottom), Palabra(r.right), Palabra(r.top), Palabra(r.left)};
  Registro(wmf::kElipse, w);
}

void CEscritorMetaFile::Polilinea(std::span<const CPunto> puntos) {
  std::vector<std::uint16_t> w{Palabra(static_cast<int>(std::min<std::size_t>(puntos.size(), 0x10000)))};
  for (const CPunto& p : puntos) {
    w.push_back(Palabra(p.x));
    w.push_back(Palabra(p.y));
  }
  Registro(wmf::kPolilinea, w);
}

void CEscritorMetaFile::Poligono(std::span<const CPunto> puntos) {
  std::vector<std::uint16_t> w{Palabra(static_cast<int>(std::min<std::size_t>(puntos.size(), 0x10000)))};
  for (const CPunto& p : puntos) {
    w.push_back(Palabra(p.x));
    w.push_back(Palabra(p.y));
  }
  Registro(wmf::kPoligono, w);
}

void CEscritorMetaFile::Texto(CPunto p, std::string_view texto1252) {
  std::vector<std::uint16_t> w{Palabra(static_cast<int>(std::min<std::size_t>(texto1252.size(), 0x10000)))};
  for (std::size_t k = 0; k < texto1252.size(); k += 2) {
    const auto a = static_cast<std::uint8_t>(texto1252[k]);
    const auto b = k + 1 < texto1252.size() ? static_cast<std::uint8_t>(texto1252[k + 1]) : std::uint8_t{0};
    w.push_back(static_cast<std::uint16_t>(a | (b << 8)));
  }
  w.push_back(Palabra(p.y));
  w.push_back(Palabra(p.x));
  Registro(wmf::kTexto, w);
}

std::vector<std::uint8_t> CEscritorMetaFile::Bytes() const {
  if (!correcto_) return {};
  std::vector<std::uint8_t> b;
  b.reserve(wmf::kBytesPlaceable + wmf::kBytesCabecera + registros_.size() * 2 + 6);
  // Placeable header; its checksum is the XOR of its first ten words.
  Anade32(b, wmf::kClavePlaceable);
  Anade16(b, 0);
  Anade16(b, static_cast<std::uint16_t>(caja_.left));
  Anade16(b, static_cast<std::uint16_t>(caja_.top));
  Anade16(b, static_cast<std::uint16_t>(caja_.right));
  Anade16(b, static_cast<std::uint16_t>(caja_.bottom));
  Anade16(b, static_cast<std::uint16_t>(unidadesPorPulgada_));
  Anade32(b, 0);
  std::uint16_t suma = 0;
  for (std::size_t k = 0; k < 20; k += 2) suma ^= static_cast<std::uint16_t>(b[k] | (b[k + 1] << 8));
  Anade16(b, suma);
  // Metafile header: in memory (1), 9 words, version 3.0, total words, objects, largest record, no parameters.
  const std::uint32_t total = static_cast<std::uint32_t>(wmf::kPalabrasCabecera + registros_.size() + 3);
  Anade16(b, 1);
  Anade16(b, wmf::kPalabrasCabecera);
  Anade16(b, 0x0300);
  Anade32(b, total);
  Anade16(b, static_cast<std::uint16_t>(ocupados_.size()));
  Anade32(b, std::max<std::uint32_t>(registroMayor_, 3));
  Anade16(b, 0);
  for (const std::uint16_t w : registros_) Anade16(b, w);
  // The closing record.
  Anade32(b, 3);
  Anade16(b, wmf::kFinal);
  return b;
}

int CEscritorMetaFile::Guardar(const std::string& ruta) const {
  const std::vector<std::uint8_t> b = Bytes();
  if (b.empty()) return 0;
  std::ofstream fichero(ruta, std::ios::binary | std::ios::trunc);
  if (!fichero) return 0;
  fichero.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  fichero.close();
  return fichero ? 1 : 0;
}

}  // namespace plataforma
