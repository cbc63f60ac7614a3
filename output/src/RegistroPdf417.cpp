#include "output/RegistroPdf417.h"

#include <algorithm>

#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace salida {

std::string_view CAreaBytes::Bytes(std::size_t desplazamiento, std::size_t ancho) const {
  if (desplazamiento >= datos_.size()) return {};
  const std::size_t n = std::min(ancho, datos_.size() - desplazamiento);
  return std::string_view(reinterpret_cast<const char*>(datos_.data() + desplazamiento), n);
}

std::string_view CAreaBytes::Texto(std::size_t desplazamiento, std::size_t ancho) const {
  const std::string_view bytes = Bytes(desplazamiento, ancho);
  return bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
}

CAreaBytes CAreaBytes::Tramo(std::size_t desplazamiento, std::size_t ancho) const {
  if (desplazamiento >= datos_.size()) return {};
  return CAreaBytes(datos_.subspan(desplazamiento, std::min(ancho, datos_.size() - desplazamiento)));
}

void CEscritorRegistro::Texto(std::string_view texto, int ancho) {
  m_registro.AnadirCampoFijo(CFuenteCampo::DeTexto(texto), ETipoCampo::Texto, ancho);
}

void CEscritorRegistro::Numero(double valor, int ancho) {
  m_registro.AnadirCampoFijo(CFuenteCampo::De(valor), ETipoCampo::Decimal, ancho, 0);
}

void CEscritorRegistro::Importe(double valor, int ancho) {
  m_registro.AnadirCampoFijo(CFuenteCampo::De(valor), ETipoCampo::Importe, ancho);
}

void CEscritorRegistro::Marca(std::uint8_t byte) {
  m_registro.AnadirCampoFijo(CFuenteCampo::De(byte), ETipoCampo::Marca, 1);
}

std::string IdentificacionRegistro(std::string_view identificacion) {
  std::string texto = marco::CadenaSinPuntos(identificacion);
  if (texto.size() >= 20) {
    texto.resize(20);
  } else {
    texto.insert(0, 20 - texto.size(), ' ');
  }
  return texto;
}

std::string ReferenciaRegistro(std::string_view referencia) {
  std::string texto(13, ' ');
  for (std::size_t i = 0; i < 12 && i < referencia.size(); ++i) texto[i] = referencia[i];
  if (referencia.size() > 13) texto[12] = referencia[13];
  return texto;
}

char LetraMayuscula(char letra) { return plataforma::Mayusculas1252(std::string_view(&letra, 1))[0]; }

}  // namespace salida
