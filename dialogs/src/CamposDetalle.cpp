#include "dialogs/CamposDetalle.h"

#include <cmath>
#include <string>

#include "platform/Texto.h"

namespace dialogos {

marco::SEnlaceControl EnlaceImporteCampo(double* valor, int enteros, int decimales) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [valor, decimales] {
    return marco::TextoImporteDialogo(std::isfinite(*valor) ? *valor : 0.0, decimales, false);
  };
  enlace.guardar = [valor, enteros, decimales](std::string_view texto) {
    double leido = 0.0;
    if (!marco::LeerImporteDialogo(texto, leido)) return false;
    const double maximo = std::pow(10.0, enteros) - 1.0;
    const double escala = std::pow(10.0, decimales);
    if (!std::isfinite(leido) || leido < 0.0 || std::trunc(leido) > maximo ||
        std::fabs(std::round(leido * escala) - leido * escala) > 1e-6) {
      return false;
    }
    *valor = leido == 0.0 ? 0.0 : leido;
    return true;
  };
  enlace.maximo = std::pow(10.0, enteros) - 1.0;
  return enlace;
}

marco::SEnlaceControl EnlaceMarca(std::uint8_t* marca) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [marca] { return std::string(*marca == kMarcaSi ? "X" : ""); };
  enlace.guardar = [marca](std::string_view texto) {
    const std::string_view t = plataforma::Recorta(texto);
    if (t.empty()) {
      *marca = kMarcaNo;
      return true;
    }
    if (t == "X" || t == "x") {
      *marca = kMarcaSi;
      return true;
    }
    return false;
  };
  return enlace;
}

marco::SEnlaceControl EnlaceSiNo(std::uint8_t* respuesta) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [respuesta] {
    return std::string(*respuesta == kMarcaSi ? "SI" : *respuesta == kMarcaNo ? "NO" : "");
  };
  enlace.guardar = [respuesta](std::string_view texto) {
    const std::string_view t = plataforma::Recorta(texto);
    if (t.empty()) {
      *respuesta = kSiNoSinContestar;
      return true;
    }
    if (t == "S" || t == "s" || t == "SI" || t == "si" || t == "Si") {
      *respuesta = kMarcaSi;
      return true;
    }
    if (t == "N" || t == "n" || t == "NO" || t == "no" || t == "No") {
      *respuesta = kMarcaNo;
      return true;
    }
    return false;
  };
  return enlace;
}

std::optional<std::uint8_t> MarcaTecleada(unsigned caracter) {
  if (caracter == ' ' || caracter == 8) return kMarcaNo;
  if ((caracter >= 'A' && caracter <= 'Z') || (caracter >= 'a' && caracter <= 'z') ||
      (caracter >= '0' && caracter <= '9')) {
    return kMarcaSi;
  }
  return std::nullopt;
}

std::optional<std::uint8_t> SiNoTecleado(unsigned caracter) {
  if (caracter == ' ' || caracter == 8) return kSiNoSinContestar;
  if (caracter == 'S' || caracter == 's') return kMarcaSi;
  if (caracter == 'N' || caracter == 'n') return kMarcaNo;
  return std::nullopt;
}

void LineaCampo(marco::CPlantillaDialogo& p, int id, std::string_view etiqueta, int y, int xEdit, int anchoEdit,
                int longitud) {
  p.Estatico(-1, etiqueta, {6, y + 2, xEdit - 10, 10});
  p.Importe(id, {xEdit, y, anchoEdit, 12}, longitud);
}

}  // namespace dialogos
