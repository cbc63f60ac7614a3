#include "framework/Mensajes.h"

#include "framework/DlgMensajeVentana.h"

namespace marco {

namespace {
CContestadorMensajes* gContestador = nullptr;
bool gEnPantalla = false;
}  // namespace

CContestadorMensajes& ContestadorMensajes() {
  return gContestador != nullptr ? *gContestador : ContestadorVentana();
}

CContestadorMensajes* PonerContestadorMensajes(CContestadorMensajes* contestador) {
  CContestadorMensajes* anterior = gContestador;
  gContestador = contestador;
  return anterior;
}

bool HayMensajeEnPantalla() { return gEnPantalla; }

int PresentarMensaje(const SMensaje& mensaje) {
  if (gEnPantalla) return -1;
  struct CEnPantalla {
    CEnPantalla() { gEnPantalla = true; }
    ~CEnPantalla() { gEnPantalla = false; }
  } enPantalla;
  return ContestadorMensajes().Contestar(mensaje);
}

}  // namespace marco
