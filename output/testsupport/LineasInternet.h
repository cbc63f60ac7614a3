// For the tests of the Internet filing file: its lines, and each line split into its fields by the layout that the
// built box table gives its page (the boxes' Internet numbers and formats), every field checked for its kind.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Campo.h"
#include "framework/ControlesPagina.h"

namespace pruebas {

// The lines of a file, each without its CR LF; a line that does not end so is a failure.
inline std::vector<std::string> LineasInternet(const std::string& texto) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    const std::size_t fin = texto.find("\r\n", inicio);
    if (fin == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF";
      break;
    }
    lineas.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 2;
  }
  return lineas;
}

// One field of a page's line: its Internet number, its box, where it starts in the line, how wide it is (the
// format's width, plus its decimals for the numeric kinds) and its kind.
struct SCampoLinea {
  int orden = 0;
  int numero = 0;
  std::size_t inicio = 0;
  std::size_t ancho = 0;
  char clase = ' ';
};

// The fields of page `idPagina` of the box table of the open local database, in Internet order, placed after the
// six characters of the model, the page and the sheet mark.
inline std::vector<SCampoLinea> DisposicionLinea(int idPagina) {
  marco::CControlesPagina controles;
  EXPECT_EQ(controles.CargarVariante(idPagina, 1.0, nullptr), 1) << idPagina;
  std::vector<SCampoLinea> campos;
  for (int i = 0; i < controles.NumeroCampos(); ++i) {
    const marco::CCampo* c = controles.Campo(i);
    if (c == nullptr || c->Idinternet <= 0 || c->Idinternet == 999) continue;
    const std::string_view f(c->fminternet);
    EXPECT_EQ(f.size(), 4u) << idPagina << " box " << c->IndNumero;
    if (f.size() != 4) continue;
    const bool numerica = std::string_view("19GMNZ").find(f[3]) != std::string_view::npos;
    const int ancho = (f[0] - '0') * 10 + (f[1] - '0') + (numerica ? f[2] - '0' : 0);
    campos.push_back({c->Idinternet, c->IndNumero, 0, static_cast<std::size_t>(ancho), f[3]});
  }
  std::sort(campos.begin(), campos.end(), [](const SCampoLinea& a, const SCampoLinea& b) { return a.orden < b.orden; });
  std::size_t inicio = 6;
  for (SCampoLinea& c : campos) {
    c.inicio = inicio;
    inicio += c.ancho;
  }
  return campos;
}

// A value that a field must hold: the page, the box and its text in the file.
struct SValorLinea {
  int idPagina = 0;
  int casilla = 0;
  std::string texto;
  std::string que;
};

// Splits a line by its page's layout and checks every field: the numbers run 1 to n, amounts are digits (a
// negative one begins with "N"), marks are "X" or a blank, texts have no control bytes; the fields of `valores`
// for this page hold exactly their text. `largo`, when not 0, is the length of the line counted apart (from the
// page source).
inline void ComprobarLineaInternet(const std::string& linea, int idPagina, std::size_t largo,
                                   const std::vector<SValorLinea>& valores = {}) {
  SCOPED_TRACE("page " + std::to_string(idPagina) + ": " + linea.substr(0, 6));
  const std::vector<SCampoLinea> campos = DisposicionLinea(idPagina);
  const std::size_t fin = campos.empty() ? 6 : campos.back().inicio + campos.back().ancho;
  if (largo != 0) {
    EXPECT_EQ(linea.size(), largo);
  }
  ASSERT_EQ(linea.size(), fin);
  for (std::size_t k = 0; k < campos.size(); ++k) {
    const SCampoLinea& c = campos[k];
    EXPECT_EQ(c.orden, static_cast<int>(k) + 1) << "the fields are numbered without gaps";
    const std::string campo = linea.substr(c.inicio, c.ancho);
    const std::string donde = "field " + std::to_string(c.orden) + " (box " + std::to_string(c.numero) + "): \"" +
                              campo + "\"";
    switch (c.clase) {
      case 'N':
        EXPECT_EQ(campo.find_first_not_of("0123456789", !campo.empty() && campo[0] == 'N' ? 1 : 0), std::string::npos)
            << donde;
        break;
      case 'B':
        EXPECT_TRUE(campo == "X" || campo == " ") << donde;
        break;
      default:
        EXPECT_TRUE(std::none_of(campo.begin(), campo.end(), [](char b) { return static_cast<unsigned char>(b) < 0x20; }))
            << donde;
    }
  }
  for (const SValorLinea& v : valores) {
    if (v.idPagina != idPagina) continue;
    const auto c = std::find_if(campos.begin(), campos.end(), [&](const SCampoLinea& x) { return x.numero == v.casilla; });
    ASSERT_NE(c, campos.end()) << "box " << v.casilla << " (" << v.que << ") is not written";
    EXPECT_EQ(linea.substr(c->inicio, c->ancho), v.texto) << v.que;
  }
}

}  // namespace pruebas
