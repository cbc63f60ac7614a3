#include "platform/EsquemaTabla.h"

#include <algorithm>

#include "platform/Nombres.h"

namespace plataforma {

std::string NormalizaCampo(CCampoTabla& campo) {
  const std::string& n = campo.nombre;
  auto letra = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (n.empty() || n.size() > 32 || !letra(n.front()) ||
      !std::all_of(n.begin(), n.end(), [&](char c) { return letra(c) || (c >= '0' && c <= '9') || c == '_'; })) {
    return "nombre de campo no válido: '" + n + "'";
  }
  if (campo.letra >= 'a' && campo.letra <= 'z') campo.letra = static_cast<char>(campo.letra - 'a' + 'A');
  switch (campo.letra) {
    case 'C':
      if (campo.ancho < 1 || campo.ancho > 4000) return "anchura de " + n + " fuera de 1..4000";
      campo.decimales = 0;
      break;
    case 'N':
    case 'F':
      if (campo.ancho < 1 || campo.ancho > 30) return "anchura de " + n + " fuera de 1..30";
      if (campo.decimales < 0 || (campo.decimales > 0 && campo.decimales > campo.ancho - 2)) {
        return "decimales de " + n + " no caben en su anchura";
      }
      break;
    case 'I': campo.ancho = 4; campo.decimales = 0; break;
    case 'L': campo.ancho = 1; campo.decimales = 0; break;
    case 'D': campo.ancho = 8; campo.decimales = 0; break;
    case 'M':
    case 'B': campo.ancho = 10; campo.decimales = 0; break;
    default: return "tipo de campo desconocido para " + n;
  }
  return {};
}

int IndiceCampo(const std::vector<CCampoTabla>& campos, std::string_view nombre) {
  for (std::size_t i = 0; i < campos.size(); ++i) {
    if (IgualesSinCaso(campos[i].nombre, nombre)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace plataforma
