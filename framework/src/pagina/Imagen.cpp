#include "framework/Imagen.h"

#include <string>

#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

char gMonedaEnUso = kMonedaPesetas;

int EnteroDe(std::string_view texto) {
  const long valor = plataforma::LeeEntero(texto);
  if (valor > 9999) return 9999;
  if (valor < -9999) return -9999;
  return static_cast<int>(valor);
}

// Where the euro and the peseta forms of an 'R' picture meet: the first "-" that is not the sign of the decimals.
std::size_t SeparadorMonedas(std::string_view mascara) {
  for (std::size_t i = 1; i < mascara.size(); ++i) {
    if (mascara[i] == '-' && mascara[i - 1] != '.') return i;
  }
  return std::string_view::npos;
}

std::string Componer(const SMascara& m) {
  std::string r = "R" + std::to_string(m.longitud);
  if (m.repeticion != 0) r += "*" + std::to_string(m.repeticion);
  r += "." + std::to_string(m.decimales);
  return r;
}

}  // namespace

int AnalizarMascara(std::string_view mascara, SMascara& resultado) {
  resultado = SMascara{};
  if (mascara.empty()) return 0;
  const std::string_view resto = mascara.substr(1);
  const std::size_t corte = resto.find_first_of(".*");
  resultado.longitud = EnteroDe(resto.substr(0, corte));
  const std::size_t asterisco = resto.find('*');
  if (asterisco != std::string_view::npos && asterisco + 1 < resto.size()) {
    resultado.repeticion = EnteroDe(resto.substr(asterisco + 1, 1));
  }
  const std::size_t punto = resto.find('.');
  if (punto != std::string_view::npos) resultado.decimales = EnteroDe(resto.substr(punto + 1));
  return 1;
}

SMascara AnalizarMascara(std::string_view mascara) {
  SMascara r;
  AnalizarMascara(mascara, r);
  return r;
}

char LetraMascara(std::string_view mascara) { return mascara.empty() ? '\0' : mascara.front(); }

char LetraMoneda(std::string_view codigoMoneda) {
  return plataforma::Recorta(codigoMoneda) == "0" ? kMonedaEuros : kMonedaPesetas;
}

char MonedaEnUso() { return gMonedaEnUso; }

void PonerMonedaEnUso(char moneda) {
  if (moneda == kMonedaEuros || moneda == kMonedaPesetas) gMonedaEnUso = moneda;
}

bool ResolverMascaraMoneda(std::string_view mascara, char moneda, SMascaraMoneda& resultado) {
  mascara = plataforma::RecortaDerecha(mascara);
  if (LetraMascara(mascara) != 'R') return false;
  if (moneda != kMonedaEuros && moneda != kMonedaPesetas) return false;

  const std::size_t separador = SeparadorMonedas(mascara);
  const SMascara euros = AnalizarMascara(mascara.substr(0, separador));
  SMascara pesetas;
  if (separador == std::string_view::npos) {
    pesetas.longitud = euros.decimales >= 0 && euros.decimales < 3 ? euros.longitud + 3
                                                                    : euros.longitud + euros.decimales + 1;
    pesetas.repeticion = euros.repeticion;
    pesetas.decimales = 0;
  } else {
    std::string_view parte = mascara.substr(separador + 1);
    if (!parte.empty() && (parte.front() == 'R' || parte.front() == 'r')) parte.remove_prefix(1);
    pesetas = AnalizarMascara("R" + std::string(parte));
    pesetas.repeticion = euros.repeticion;
  }

  const bool enEuros = moneda == kMonedaEuros;
  resultado.mascara = Componer(enEuros ? euros : pesetas);
  resultado.opcion = enEuros ? 2 : 0;
  return true;
}

}  // namespace marco
