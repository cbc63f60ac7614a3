// Shared by the box edit tests: the person shown and the persons present of an income-tax declaration, published
// while a fixture lives, and drivers that type and press keys on an edit without a window.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditEx.h"
#include "framework/MensajeGuion.h"

namespace marco::pruebas_edit {

// A box of a picture, bound to `dato`, numbered `numero`.
inline CCampo Caja(std::string_view mascara, void* dato, int numero = 7) {
  CCampo campo;
  campo.StrValidac = std::string(mascara);
  campo.LeerMascara(kMonedaPesetas);
  campo.Dato = dato;
  campo.IndNumero = numero;
  return campo;
}

// Types every byte of `texto` (Windows-1252) as characters.
inline void Teclear(CEditEx& edit, std::string_view texto) {
  for (const char c : texto) edit.AlCaracter(static_cast<unsigned char>(c));
}

// A key-down as the window hands it on: the filter first, then the key's own processing. True when the key was
// left to the control's default processing.
inline bool Tecla(CEditEx& edit, int tecla, bool control = false, bool mayusculas = false) {
  CSuperficieEditMemoria& s = edit.SuperficieMemoria();
  s.PulsarTecla(kTeclaControl, control);
  s.PulsarTecla(kTeclaMayusculas, mayusculas);
  bool porDefecto = false;
  if (!edit.AntesDeTraducir(tecla)) porDefecto = edit.AlPulsarTecla(tecla);
  s.PulsarTecla(kTeclaControl, false);
  s.PulsarTecla(kTeclaMayusculas, false);
  return porDefecto;
}

inline void Seleccionar(CEditEx& edit, int inicio, int fin) { edit.Superficie().PonerSeleccion(inicio, fin); }

// The person shown and the five presence flags (family unit, declarant, spouse, first child, second child) of
// an open declaration, and a message script, while the fixture lives.
class CFixtureEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    PublicarSujetoActual(&sujeto_);
    PublicarSujetosPresentes(presentes_.data());
  }
  void TearDown() override {
    PublicarSujetoActual(nullptr);
    PublicarSujetosPresentes(nullptr);
    PonerServiciosEdit({});
  }
  void ConConyuge(std::int32_t sujeto) {
    sujeto_ = sujeto;
    presentes_[kSujetoConyuge - 1] = 1;
  }

  std::int32_t sujeto_ = kSujetoUnidadFamiliar;
  std::array<std::int32_t, 5> presentes_{1, 1, 0, 0, 0};
  CGuionMensajes guion_;
};

}  // namespace marco::pruebas_edit
