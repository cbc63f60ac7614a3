// For the printing tests of both taxes: boxes made by hand, a run that accepts the print dialog and prints to
// sheet images the test keeps (or to a PDF file), the document side with its saves counted, a printing view whose
// closing notice is counted instead of shown, and the pages of a printed PDF file.
#pragma once

#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Campo.h"
#include "framework/Prog32Doc.h"
#include "output/ImpreVista.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionDocumento.h"

namespace pruebas {

// A box of a page made by hand: its number, picture (mask), rectangle and identifier.
inline std::unique_ptr<marco::CCampo> Caja(int numero, const char* mascara, std::array<int, 4> r,
                                           const char* id = "") {
  auto c = std::make_unique<marco::CCampo>();
  c->IndNumero = numero;
  c->Identifica = id;
  c->StrValidac = mascara;
  c->LeerMascara('1');
  c->Coor_1 = r[0];
  c->Coor_2 = r[1];
  c->Coor_3 = r[2];
  c->Coor_4 = r[3];
  return c;
}

// Lends a destination the test keeps, so its sheets can be looked at after the run.
class CDestinoPrestado : public salida::CDestinoImpresion {
 public:
  explicit CDestinoPrestado(salida::CDestinoImpresion& d) : m_d(d) {}
  salida::SConfiguracionImpresora Configuracion() const override { return m_d.Configuracion(); }
  plataforma::CTamano TamanoPagina() const override { return m_d.TamanoPagina(); }
  std::string NombreImpresora() const override { return m_d.NombreImpresora(); }
  std::string Puerto() const override { return m_d.Puerto(); }
  bool IniciarDocumento(std::string_view t) override { return m_d.IniciarDocumento(t); }
  plataforma::CLienzo* IniciarHoja(std::string_view n) override { return m_d.IniciarHoja(n); }
  int TerminarHoja() override { return m_d.TerminarHoja(); }
  bool TerminarDocumento() override { return m_d.TerminarDocumento(); }
  void AbandonarDocumento() override { m_d.AbandonarDocumento(); }

 private:
  salida::CDestinoImpresion& m_d;
};

// A progress window that shows nothing.
class CProgresoMudo : public salida::IProgresoImpresion {
 public:
  void MostrarDocumento(std::string_view) override {}
  void MostrarPagina(std::string_view) override {}
};

// The user's side: answers the dialog (`aceptar`, with the extra copy when `copia`; the dialog as shown is kept in
// `dialogo`) and prints to sheet images at 300 dots into `destino`, which the test keeps, or to the PDF file
// `rutaPdf` when one is given.
class CInteraccionImagenes : public salida::CInteraccionImpresion {
 public:
  CInteraccionImagenes(std::unique_ptr<salida::CDestinoImagenes>& destino, salida::CInfoImpresion& dialogo,
                       bool aceptar, bool copia)
      : m_destino(destino), m_dialogo(dialogo), m_aceptar(aceptar), m_copia(copia) {}
  bool PedirOpciones(salida::CInfoImpresion& info) override {
    info.copiaAdicional = m_copia;
    m_dialogo = info;
    return m_aceptar;
  }
  std::unique_ptr<salida::CDestinoImpresion> CrearDestino(const salida::CInfoImpresion&) override {
    if (!rutaPdf.empty()) return std::make_unique<salida::CDestinoPdf>(rutaPdf, 300);
    // A printer whose quality is a draft-to-high code: the resolution comes from the sheet (300 dots).
    m_destino = std::make_unique<salida::CDestinoImagenes>(
        300, salida::SConfiguracionImpresora{salida::kPapelA4, 1, 1, -4, 0});
    return std::make_unique<CDestinoPrestado>(*m_destino);
  }
  std::unique_ptr<salida::IProgresoImpresion> MostrarProgreso() override { return std::make_unique<CProgresoMudo>(); }
  void HabilitarVentanaPrincipal(bool) override {}
  void BombearMensajes() override {}

  std::string rutaPdf;

 private:
  std::unique_ptr<salida::CDestinoImagenes>& m_destino;
  salida::CInfoImpresion& m_dialogo;
  bool m_aceptar;
  bool m_copia;
};

// The document side the run sees: the real document's form, label and mark, its saves counted.
class CDocumentoImpresionPrueba : public salida::CDocumentoImpresionMarco {
 public:
  explicit CDocumentoImpresionPrueba(marco::CProg32Doc& doc) : CDocumentoImpresionMarco(doc) {}
  int guardados = 0;
  int ConfirmarCampoActivo() override { return 0; }
  int GuardarDeclaracion() override { return ++guardados; }
};

// A tax's printing view whose closing notice is counted instead of shown.
template <class TVista>
class CVistaAvisosContados : public TVista {
 public:
  int avisos = 0;

 protected:
  void MostrarAvisoFinal() override { ++avisos; }
};

// The pages of a PDF file (its page objects).
inline int PaginasPdf(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  const std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  int n = 0;
  for (std::size_t i = texto.find("/Type /Page"); i != std::string::npos; i = texto.find("/Type /Page", i + 1)) {
    if (texto.compare(i, 12, "/Type /Pages") != 0) ++n;
  }
  return n;
}

}  // namespace pruebas
