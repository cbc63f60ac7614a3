#include "shell/ArbolApartados.h"

#include <array>

#include "framework/BaseDatos.h"
#include "framework/Prog32Doc.h"
#include "framework/Tabla.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace shell {

namespace {

std::string LeerTexto(marco::CTabla& tabla, std::string_view campo) {
  std::array<char, 256> texto{};
  if (tabla.LeerCampo(campo, texto.data(), marco::kCampoTexto, static_cast<std::uint16_t>(texto.size())) == 0) {
    return {};
  }
  return std::string(plataforma::LeeFijaRecortada(texto.data(), texto.size()));
}

}  // namespace

bool EsPaginaDePantalla(int idPagina) {
  const int numero = NumeroEnFormulario(idPagina);
  switch (GrupoDePagina(idPagina)) {
    case 100: return numero >= 1 && numero <= 7;
    case 200: return numero >= 1 && numero <= 17;
    case 300: return numero >= 1 && numero <= 12;
    default: return false;
  }
}

namespace {
constexpr int kPaginaPagoComun = 217;
constexpr int kNumeroPagoSimplificada = 8;
}  // namespace

bool PaginaDelGrupo(int idPagina, int grupo) {
  return GrupoDePagina(idPagina) == grupo || (grupo == 100 && idPagina == kPaginaPagoComun);
}

int NumeroEnGrupo(int idPagina, int grupo) {
  if (grupo == 100 && idPagina == kPaginaPagoComun) return kNumeroPagoSimplificada;
  return NumeroEnFormulario(idPagina);
}

int GrupoApartados(int tipoDec) {
  if (tipoDec == marco::kTipoDecPatrimonio) return 300;
  if (tipoDec == marco::kTipoDecSimplificada) return 100;
  return 200;
}

std::vector<SApartado> LeerApartados(marco::CBaseDatos* local, char idioma) {
  std::vector<SApartado> apartados;
  if (local == nullptr) return apartados;
  const std::string nombre(marco::kTablaPaginas);
  const std::string gemela = marco::NombreTablaIdioma(marco::kTablaPaginas, idioma);
  if (!local->ExisteTabla(nombre)) return apartados;
  marco::CTabla paginas(local);
  if (paginas.Abrir(1, marco::kOrdenClave, nombre) == 0) return apartados;
  marco::CTabla titulos(local);
  const bool hayTitulos = local->ExisteTabla(gemela) && titulos.Abrir(1, marco::kOrdenClave, gemela) != 0;
  for (paginas.IrAlPrincipio(); paginas.Cumple(std::string_view{}) != 0; paginas.Siguiente()) {
    SApartado apartado;
    const std::string clave = LeerTexto(paginas, "IndiceFich");
    apartado.idPagina = static_cast<int>(plataforma::LeeEntero(clave));
    std::int32_t tipo = 0;
    paginas.LeerCampo("TipoDec", &tipo, marco::kCampoEntero, sizeof tipo);
    apartado.tipoDec = tipo;
    if (hayTitulos && titulos.Buscar(marco::ClavePagina(apartado.idPagina), false, marco::kOrdenClave, false) != 0) {
      apartado.titulo = LeerTexto(titulos, "TituloPagi");
    }
    if (apartado.idPagina > 0 && EsPaginaDePantalla(apartado.idPagina)) apartados.push_back(std::move(apartado));
  }
  return apartados;
}

}  // namespace shell
