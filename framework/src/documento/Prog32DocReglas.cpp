#include "framework/Prog32DocReglas.h"

#include <string>

#include "platform/Texto.h"

namespace marco {

std::string ClavePagina(int idPagina) {
  std::string texto = std::to_string(idPagina);
  if (texto.size() < 4) texto.insert(0, 4 - texto.size(), ' ');
  return texto;
}

std::string NombreImagenPagina(std::string_view fichero, std::string_view clavePagina, int tipoDec, char idioma) {
  std::string nombre(plataforma::RecortaDerecha(fichero.substr(0, fichero.find('\0'))));
  if (clavePagina == " 222" && tipoDec == kTipoDecSimplificada && nombre.size() > 4) nombre[4] = '1';
  if (nombre.size() > 7) nombre[7] = idioma;
  return nombre;
}

std::string RutaImagenPagina(std::string_view dirBase, std::string_view fichero) {
  std::string ruta(dirBase);
  if (!ruta.empty() && ruta.back() != '/') ruta.push_back('/');
  ruta += fichero;
  return ruta;
}

int IndiceNavegacion(int codigo, int actual, int ultima) {
  switch (codigo) {
    case kNavegarPrimera:
      return 0;
    case kNavegarSiguiente:
      return actual < ultima ? actual + 1 : actual;
    case kNavegarAnterior:
      return actual > 0 ? actual - 1 : actual;
    case kNavegarUltima:
      return ultima;
    default:
      return codigo - 1 >= 0 && codigo - 1 <= ultima ? codigo - 1 : actual;
  }
}

int IndiceNavegacion(int codigo, int actual, int ultima, const std::function<bool(int)>& disponible) {
  const auto hay = [&](int i) { return i >= 0 && i <= ultima && (!disponible || disponible(i)); };
  const auto buscar = [&](int desde, int paso) {
    for (int i = desde; i >= 0 && i <= ultima; i += paso) {
      if (hay(i)) return i;
    }
    return actual;
  };
  switch (codigo) {
    case kNavegarPrimera:
      return buscar(0, 1);
    case kNavegarSiguiente:
      return buscar(actual + 1, 1);
    case kNavegarAnterior:
      return buscar(actual - 1, -1);
    case kNavegarUltima:
      return buscar(ultima, -1);
    default:
      return hay(codigo - 1) ? codigo - 1 : actual;
  }
}

std::string ClaveBusquedaDeclaracion(std::string_view clave, int ancho) {
  std::string texto(clave.substr(0, clave.find('\0')));
  if (ancho > 0) texto.resize(static_cast<std::size_t>(ancho), ' ');
  return texto;
}

}  // namespace marco
