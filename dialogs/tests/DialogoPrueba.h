// What the detail-dialog tests share: a dialog on simulated controls made from its own template and told the
// environment it opens in, the moves a person makes on it (open, type into a field, OK), and an entry of a holder
// grid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "framework/DialogoSimulado.h"
#include "framework/Mensajes.h"

namespace dialogos::pruebas {

template <typename TDialogo>
struct SDialogoSimulado {
  explicit SDialogoSimulado(marco::SEntornoDialogo entorno) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
  }
  void Abrir() { v.Abrir(dlg); }
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  void Teclear(int id, std::string_view texto) {
    v.Enfocar(id);
    v.Escribir(id, texto);
  }
  TDialogo dlg;
  marco::CControlesSimulados v;
};

// An entry of a holder grid: its holder and its first amounts.
inline SEntradaTitular Entrada(std::uint8_t titular, std::initializer_list<double> importes) {
  SEntradaTitular e;
  e.titular = titular;
  std::size_t i = 0;
  for (double v : importes) e.importes[i++] = v;
  return e;
}

}  // namespace dialogos::pruebas
