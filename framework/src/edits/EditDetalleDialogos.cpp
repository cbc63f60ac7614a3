#include "framework/EditDetalleDialogos.h"

#include <map>

#include "framework/TemplateDlg.h"

namespace marco {

namespace {

std::map<std::string, SDialogoDetalle, std::less<>>& Dialogos() {
  static std::map<std::string, SDialogoDetalle, std::less<>> dialogos;
  return dialogos;
}

}  // namespace

void RegistrarDialogoDetalle(std::string_view nombre, std::size_t tamanoBloque, FAbrirDialogoDetalle abrir) {
  if (!abrir) {
    QuitarDialogoDetalle(nombre);
    return;
  }
  Dialogos()[std::string(nombre)] = SDialogoDetalle{tamanoBloque, std::move(abrir)};
}

void QuitarDialogoDetalle(std::string_view nombre) {
  auto& dialogos = Dialogos();
  const auto it = dialogos.find(nombre);
  if (it != dialogos.end()) dialogos.erase(it);
}

const SDialogoDetalle* BuscarDialogoDetalle(std::string_view nombre) {
  const auto& dialogos = Dialogos();
  const auto it = dialogos.find(nombre);
  return it != dialogos.end() ? &it->second : nullptr;
}

std::vector<std::string> NombresDialogosDetalle() {
  std::vector<std::string> nombres;
  for (const auto& [nombre, dialogo] : Dialogos()) nombres.push_back(nombre);
  return nombres;
}

void PrepararDialogoDetalle(CTemplateDlg& dialogo, const SPeticionDetalle& peticion) {
  dialogo.PrepararDialogo(peticion.titulo, peticion.repeticion, peticion.sujeto, peticion.conyugeOPrimerHijo);
  dialogo.PonerParametro(peticion.primerParametro);
  dialogo.PonerCaracterInicial(peticion.caracter);
  dialogo.PonerCampoCasilla(peticion.campoCasilla);
}

}  // namespace marco
