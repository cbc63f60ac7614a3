#include "framework/BotonMapaReglas.h"

namespace marco {

int ImagenMapa(SEstadoItem estado) {
  if (estado.seleccionado) return 1;
  if (estado.enfocado) return 2;
  if (estado.desactivado) return 3;
  return 0;
}

int AnchoImagenMapa(int anchoBitmap) { return anchoBitmap >= kImagenesMapa ? anchoBitmap / kImagenesMapa : 0; }

}  // namespace marco
