#include "framework/DlgMensajeReglas.h"

#include <algorithm>

#include "framework/Mensajes.h"
#include "platform/Texto.h"

namespace marco {

const std::array<SFilaBotonMensaje, 6>& TablaBotonesMensaje() {
  static const std::array<SFilaBotonMensaje, 6> tabla = {{
      {kFlagAceptar, 101, "Aceptar", "&Aceptar", kBotonAceptar, 141},
      {kFlagCancelar, 103, "Cancelar", "&Cancelar", kBotonCancelar, 142},
      {kFlagContinuar, 105, "Continuar", "Con&tinuar", kBotonContinuar, 141},
      {kFlagCorregir, 108, "Corregir", "C&orregir", kBotonCorregir, 141},
      {kFlagConfirmar, 110, "Confirmar", "Con&firmar", kBotonConfirmar, 141},
      {kFlagBorrar, 111, "Borrar", "&Borrar", kBotonBorrar, 142},
  }};
  return tabla;
}

std::string PrimeraPalabra(std::string_view texto) {
  return std::string(texto.substr(0, std::min(texto.find(' '), texto.size())));
}

unsigned FlagDePalabra(std::string_view palabra) {
  const std::string buscada = palabra == "VERIFICAR" ? std::string("CORREGIR") : std::string(palabra);
  for (const auto& fila : TablaBotonesMensaje()) {
    if (plataforma::Mayusculas1252(fila.leyenda) == buscada) return fila.flag;
  }
  return 0;
}

unsigned FlagsDeBotones(std::string_view palabras, int numBotones) {
  if (numBotones == 2) {
    const std::size_t arroba = palabras.find('@');
    if (arroba == std::string_view::npos) return FlagDePalabra(palabras);
    return FlagDePalabra(palabras.substr(0, arroba)) | FlagDePalabra(palabras.substr(arroba + 1));
  }
  if (palabras.empty()) return 0;
  return FlagDePalabra(palabras.substr(0, palabras.size() - 1));
}

std::string ComponerTexto(std::string_view texto, std::string_view extra) {
  std::string r(texto);
  if (extra.empty()) return r;
  const std::size_t marca = r.find("%s");
  if (marca != std::string::npos) {
    r.replace(marca, 2, extra);
  } else {
    r += ' ';
    r += extra;
  }
  return r;
}

std::string QuitarBarras(std::string_view texto) {
  std::string r;
  r.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '\\') {
      ++i;  // the backslash and the character after it
      continue;
    }
    r += texto[i];
  }
  return r;
}

SAjusteTexto AjustarTexto(const std::vector<int>& anchos, int altoLinea, SRectBoton texto, int anchoCliente,
                          int altoCliente) {
  SAjusteTexto r;
  const int anchoEstatico = std::max(texto.ancho, 1);
  int lineas = 0;
  int nuevoAncho = 0;
  for (int w : anchos) {
    w = std::max(w, 0);
    int n = w / anchoEstatico + (w > anchoEstatico ? 1 : 0);
    n = std::max(n, 1);
    lineas += n;
    nuevoAncho = std::max(nuevoAncho, w / n);
  }
  lineas = std::max(lineas, 1);
  r.lineas = lineas;
  r.texto = {texto.x, texto.y, nuevoAncho, (lineas + 1) * altoLinea};
  r.encogimiento = texto.alto - r.texto.alto;
  r.anchoCliente = anchoCliente + (r.texto.ancho - texto.ancho);
  r.altoCliente = altoCliente - r.encogimiento;
  return r;
}

SColocacionBotones ColocarBotones(unsigned flags, const std::array<SRectBoton, kBotonesColocables>& rects,
                                  int anchoCliente, int encogimiento, int margen) {
  SColocacionBotones r;
  r.anchoCliente = anchoCliente;
  const auto& tabla = TablaBotonesMensaje();
  for (std::size_t i = 0; i < kBotonesColocables; ++i) {
    if ((flags & tabla[i].flag) != 0) r.botones.push_back({i, tabla[i].control, rects[i]});
  }
  if (r.botones.empty()) return r;
  const int ancho = r.botones.front().rect.ancho;
  const int arriba = r.botones.front().rect.y - encogimiento;
  const int n = static_cast<int>(r.botones.size());
  const int anchoFila = n * (ancho + 10) - 10;
  // A short text makes the window narrow; it never becomes narrower than its buttons.
  r.anchoCliente = std::max(anchoCliente, anchoFila + 2 * margen);
  const int izquierda = (r.anchoCliente - anchoFila) / 2;
  for (int i = 0; i < n; ++i) {
    SRectBoton& rect = r.botones[static_cast<std::size_t>(i)].rect;
    rect.x = izquierda + i * (ancho + 10);
    rect.y = arriba;
  }
  return r;
}

}  // namespace marco
