// Writes placeable Windows metafiles (key 0x9AC6CDD7, units per inch, bounding box), the page pictures' format.
// The picture's logical space is its bounding box: the first records set the window to it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Lienzo.h"

namespace plataforma {

class CEscritorMetaFile {
 public:
  // `caja` in the picture's logical units, `unidadesPorPulgada` of them to the inch.
  CEscritorMetaFile(const CRectangulo& caja, int unidadesPorPulgada);

  // Objects take the lowest free slot of the picture's object table, as the player gives them; the result is
  // the slot to select and delete, -1 when the table is full.
  int CrearPluma(const CPluma& pluma);
  int CrearPincel(const CPincel& pincel);
  int CrearFuente(const CFuente& fuente);
  void Seleccionar(int objeto);
  void Borrar(int objeto);

  void PonColorTexto(CColor color);
  void PonColorFondo(CColor color);
  void PonModoFondo(ModoFondo modo);
  void PonAlineacionTexto(int alineacion);
  void GuardarEstado();
  void RestaurarEstado();

  void MoverA(CPunto p);
  void LineaA(CPunto p);
  void Linea(CPunto desde, CPunto hasta);
  void Rectangulo(const CRectangulo& r);
  void Elipse(const CRectangulo& r);
  void Polilinea(std::span<const CPunto> puntos);
  void Poligono(std::span<const CPunto> puntos);
  void Texto(CPunto p, std::string_view texto1252);

  // False once a value did not fit the format (coordinates and sizes are 16-bit): the picture is then refused.
  bool Correcto() const { return correcto_; }
  // The whole file: placeable header, metafile header, records and the closing record; empty when not correct.
  std::vector<std::uint8_t> Bytes() const;
  // Writes the file; 0 when the picture is not correct or the file cannot be written.
  int Guardar(const std::string& ruta) const;

 private:
  void Registro(std::uint16_t funcion, std::span<const std::uint16_t> parametros);
  std::uint16_t Palabra(int valor);
  int NuevoObjeto();

  CRectangulo caja_;
  int unidadesPorPulgada_;
  std::vector<std::uint16_t> registros_;
  std::uint32_t registroMayor_ = 0;
  std::vector<bool> ocupados_;
  bool correcto_ = true;
};

}  // namespace plataforma
