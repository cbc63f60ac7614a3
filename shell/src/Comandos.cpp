#include "shell/Comandos.h"

#include <array>
#include <utility>

#include <wx/defs.h>

#include "framework/ComandosDocumento.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

// Commands with a standard wxWidgets id.
constexpr std::array<std::pair<int, int>, 2> kEstandar{{{kComandoAcercaDe, wxID_ABOUT}, {kComandoSalir, wxID_EXIT}}};
// The shell's numbers above what wxWidgets takes, each given an id of its own from kPrimerIdWx on (a range no
// number of the program uses).
constexpr std::array<int, 10> kNumerosAltos{kComandoNuevo, kComandoAbrir, kComandoBarraHerramientas, kComandoBarraEstado,
                                           kIdiomasInterfaz[0].comando, kIdiomasInterfaz[1].comando,
                                           kIdiomasInterfaz[2].comando, kIdiomasInterfaz[3].comando,
                                           marco::kComandoImportar, marco::kComandoExportar};
constexpr int kPrimerIdWx = 0x7000;

}  // namespace

int IdWxComando(int comando) {
  for (const auto& [propio, wx] : kEstandar) {
    if (propio == comando) return wx;
  }
  for (std::size_t i = 0; i < kNumerosAltos.size(); ++i) {
    if (kNumerosAltos[i] == comando) return kPrimerIdWx + static_cast<int>(i);
  }
  return marco::ComandoAWx(comando);
}

int ComandoDeIdWx(int idWx) {
  for (const auto& [propio, wx] : kEstandar) {
    if (wx == idWx) return propio;
  }
  const int indice = idWx - kPrimerIdWx;
  if (indice >= 0 && static_cast<std::size_t>(indice) < kNumerosAltos.size()) {
    return kNumerosAltos[static_cast<std::size_t>(indice)];
  }
  return marco::ComandoDeWx(idWx);
}

}  // namespace shell
