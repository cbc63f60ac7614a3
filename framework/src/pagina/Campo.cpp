#include "framework/Campo.h"
#include "framework/ServiciosAplicacion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
#include "platform/Lienzo.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

bool gAvisoDesborde = true;

constexpr plataforma::CColor kColorSoloLectura = plataforma::Rgb(255, 255, 192);

// Message codes of the boxes.
constexpr std::string_view kMensajeDesborde = "WIN032";
constexpr std::string_view kMensajeErrorFichero = "100P006";

bool EsLetraTexto(char letra) {
  switch (letra) {
    case 'A': case 'E': case 'G': case 'L': case 'P': case 'S': case 'Z':
      return true;
    default:
      return false;
  }
}

// "." between groups of three digits, counted from the right.
std::string Agrupar(std::string_view digitos) {
  std::string r;
  r.reserve(digitos.size() + digitos.size() / 3);
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) r += '.';
    r += digitos[i];
  }
  return r;
}

// Too large for a box of n digits: |value|, as shown with its decimals, reaches 10^n (10^n itself takes n + 1
// digits).
bool NoCabe(double valor, int longitud, int decimales = 0) {
  if (!std::isfinite(valor)) return true;
  const double escala = std::pow(10.0, std::clamp(decimales, 0, 6));
  return std::round(std::fabs(valor) * escala) / escala >= std::pow(10.0, longitud);
}

std::string Ajustar(std::string_view texto, std::size_t ancho) {
  std::string r(texto.substr(0, std::min(texto.size(), ancho)));
  r.resize(ancho, ' ');
  return r;
}

int MostrarAviso(std::string_view codigo) {
  return CDlgMensaje(nullptr, nullptr).MostrarMensaje(codigo, IconoExclamacion);
}

// Words of a text laid out in lines no wider than `ancho` (a word wider than the line gets a line of its own).
std::vector<std::string> PartirEnLineas(plataforma::CLienzo& lienzo, std::string_view texto, int ancho) {
  std::vector<std::string> lineas;
  std::string linea;
  std::size_t i = 0;
  while (i < texto.size()) {
    while (i < texto.size() && texto[i] == ' ') ++i;
    std::size_t fin = i;
    while (fin < texto.size() && texto[fin] != ' ') ++fin;
    if (fin == i) break;
    const std::string_view palabra = texto.substr(i, fin - i);
    std::string prueba = linea.empty() ? std::string(palabra) : linea + " " + std::string(palabra);
    if (!linea.empty() && lienzo.MedirTexto(prueba).cx > ancho) {
      lineas.push_back(linea);
      linea = std::string(palabra);
    } else {
      linea = std::move(prueba);
    }
    i = fin;
  }
  if (!linea.empty()) lineas.push_back(linea);
  return lineas;
}

}  // namespace

// ---- program-wide values ----




void RearmarAvisoDesborde() { gAvisoDesborde = true; }

bool AvisoDesbordeArmado() { return gAvisoDesborde; }

int MostrarAvisoDesborde() { return MostrarAviso(kMensajeDesborde); }

SEntornoCampo EntornoCampoActual() {
  SEntornoCampo entorno;
  entorno.sujeto = static_cast<int>(DameSujetoActual());
  entorno.idiomaImpresion = LetraIdiomaI();
  return entorno;
}

// ---- formatting ----

std::string FormatearImporte(double valor, int decimales, int opcion) {
  if (!std::isfinite(valor)) return std::string(kMarcaDesborde);
  int usados = std::max(decimales, 0);
  if (opcion > 1 && usados > opcion) usados = opcion;
  std::string fijo = plataforma::FormateaFijo(valor, usados);
  const bool negativo = !fijo.empty() && fijo.front() == '-';
  if (negativo) fijo.erase(0, 1);
  const std::size_t punto = fijo.find('.');
  const std::string entera = fijo.substr(0, punto);
  std::string fraccion = punto == std::string::npos ? std::string() : fijo.substr(punto + 1);
  if (opcion > 1) {
    fraccion.resize(static_cast<std::size_t>(opcion), '0');
  } else {
    while (!fraccion.empty() && fraccion.back() == '0') fraccion.pop_back();
  }
  std::string r = negativo ? "-" : "";
  r += Agrupar(entera);
  if (!fraccion.empty()) r += "," + fraccion;
  return r;
}

std::string FormatearEntero(std::int64_t valor) {
  const bool negativo = valor < 0;
  // The magnitude as unsigned, so the smallest integer has one too.
  const std::uint64_t magnitud = negativo ? std::uint64_t{0} - static_cast<std::uint64_t>(valor)
                                          : static_cast<std::uint64_t>(valor);
  return (negativo ? "-" : "") + Agrupar(std::to_string(magnitud));
}

std::string_view NombreTitular(int codigo, char idioma) {
  static constexpr std::array<std::array<std::string_view, 4>, 5> kNombres{{
      // e, c, g, v
      {"COM\xDA" "N", "COM\xDA", "COM\xDA" "N", "COM\xDA"},
      {"DECLARANTE", "DECLARANT", "DECLARANTE", "DECLARANT"},
      {"C\xD3" "NYUGE", "C\xD2" "NJUGE", "C\xD3" "NXUXE", "C\xD2" "NJUGE"},
      {"HIJO 1\xBA", "FILL 1", "FILLO 1\xBA", "FILL 1r"},
      {"HIJO 2\xBA", "FILL 2", "FILLO 2\xBA", "FILL 2n"},
  }};
  if (codigo < 1 || codigo > 5) return {};
  std::size_t columna = 0;
  switch (idioma) {
    case 'e': case 'E': columna = 0; break;
    case 'c': case 'C': columna = 1; break;
    case 'g': case 'G': columna = 2; break;
    case 'v': case 'V': columna = 3; break;
    default: return {};
  }
  return kNombres[static_cast<std::size_t>(codigo - 1)][columna];
}

std::string RecortarBlancosFinales(std::string_view texto, std::size_t n) {
  return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(texto.data(), std::min(n, texto.size()))));
}

std::string RecortarBlancosIniciales(std::string_view texto, std::size_t n) {
  return std::string(plataforma::RecortaIzquierda(plataforma::LeeFija(texto.data(), std::min(n, texto.size()))));
}

// ---- the picture ----

int CCampo::LeerMascara(char moneda) {
  if (MascaraResuelta == 0) {
    SMascaraMoneda resuelta;
    if (ResolverMascaraMoneda(StrValidac, moneda, resuelta)) {
      StrValidac = resuelta.mascara.substr(0, kMaxStrValidac);
      Opcion = resuelta.opcion;
      MascaraResuelta = 1;
    }
  }
  SMascara mascara;
  const int r = AnalizarMascara(StrValidac, mascara);
  Longitud = mascara.longitud;
  Repeticion = mascara.repeticion;
  Decimales = mascara.decimales;
  return r;
}

// ---- the bound value ----

std::size_t CCampo::TamanoValor() const {
  switch (Letra()) {
    case 'B': case 'T':
      return 1;
    case 'C': case 'I':
      return sizeof(std::int32_t);
    case 'F': case 'M': case 'R':
      return sizeof(double);
    default:
      return Longitud > 0 ? static_cast<std::size_t>(Longitud) : 0;
  }
}

const unsigned char* CCampo::ValorSujeto(int sujeto) const {
  if (Dato == nullptr) return nullptr;
  const auto* base = static_cast<const unsigned char*>(Dato);
  if (Repeticion <= 1) return base;
  const int indice = sujeto <= 0 ? 0 : sujeto - 1;
  if (indice >= Repeticion) return nullptr;
  return base + static_cast<std::size_t>(indice) * TamanoValor();
}

unsigned char* CCampo::EntradaSujeto(int sujeto) { return const_cast<unsigned char*>(ValorSujeto(sujeto)); }

double CCampo::ImporteSujeto(int sujeto) const {
  const unsigned char* p = ValorSujeto(sujeto);
  double valor = 0.0;
  if (p != nullptr) std::memcpy(&valor, p, sizeof valor);
  return valor;
}

std::int32_t CCampo::EnteroSujeto(int sujeto) const {
  const unsigned char* p = ValorSujeto(sujeto);
  std::int32_t valor = 0;
  if (p != nullptr) std::memcpy(&valor, p, sizeof valor);
  return valor;
}

// The person's characters; the first person's when the person is beyond the repetition count.
std::string CCampo::CaracteresSujeto(int sujeto) const {
  const unsigned char* p = ValorSujeto(sujeto);
  if (p == nullptr) p = ValorSujeto(1);
  if (p == nullptr || Longitud <= 0) return {};
  return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(Longitud));
}

// ---- texts ----

std::string CCampo::ComponerTexto(const SEntornoCampo& entorno, bool& desborde, bool& cambiar) const {
  desborde = false;
  cambiar = true;
  const char letra = Letra();
  const int s = entorno.sujeto;
  if (EsLetraTexto(letra)) {
    return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(CaracteresSujeto(s).data(),
                                                                      static_cast<std::size_t>(std::max(Longitud, 0)))));
  }
  switch (letra) {
    case 'B': {
      const unsigned char* p = ValorSujeto(s);
      return p != nullptr && *p != 0 ? "X" : " ";
    }
    case 'C':
    case 'I': {
      const std::int32_t valor = EnteroSujeto(s);
      if (valor == 0) return {};
      desborde = NoCabe(static_cast<double>(valor), Longitud);
      return FormatearEntero(valor);
    }
    case 'D': {
      std::string fecha = CaracteresSujeto(s);
      std::replace(fecha.begin(), fecha.end(), '\0', ' ');
      if (fecha.size() > 4) fecha.insert(4, 1, '/');
      if (fecha.size() > 2) fecha.insert(2, 1, '/');
      return fecha;
    }
    case 'F':
    case 'M':
    case 'R': {
      const double valor = ImporteSujeto(s);
      if (valor == 0.0 && MostrarCero == 0) return {};
      desborde = NoCabe(valor, Longitud, Decimales);
      if (desborde && !std::isfinite(valor)) return std::string(kMarcaDesborde);
      return FormatearImporte(valor, Decimales, Opcion);
    }
    default:
      cambiar = false;
      return {};
  }
}

void CCampo::ActualizarTexto() { ActualizarTexto(EntornoCampoActual()); }

void CCampo::ActualizarTexto(const SEntornoCampo& entorno) {
  if (Dato == nullptr) {
    Texto.clear();
    Desbordado = 0;
    return;
  }
  const char letra = Letra();
  if (letra < 'A' || letra > 'Z') return;

  if (letra == 'T') {
    const unsigned char* p = ValorSujeto(entorno.sujeto);
    const int codigo = p != nullptr ? *p : 0;
    if (codigo > 5) return;
    Desbordado = 0;
    TextoFichero = std::to_string(codigo);
    if (codigo == 0) {
      Texto.clear();
    } else {
      const std::string_view nombre = NombreTitular(codigo, entorno.idiomaImpresion);
      if (!nombre.empty()) Texto = std::string(nombre);
    }
    return;
  }

  bool desborde = false;
  bool cambiar = true;
  std::string texto = ComponerTexto(entorno, desborde, cambiar);
  if (!cambiar) return;
  if (!desborde) {
    Texto = std::move(texto);
    Desbordado = 0;
    return;
  }
  // The value stays as it is: the box shows the marker, and the user is told once.
  Texto = std::string(kMarcaDesborde);
  Desbordado = 1;
  if (gAvisoDesborde) {
    gAvisoDesborde = false;
    if (MostrarAviso(kMensajeDesborde) == -1) gAvisoDesborde = true;  // another message was up: tell later
  }
}

std::string CCampo::FormatearParaFichero(std::string_view formato) {
  return FormatearParaFichero(formato, EntornoCampoActual());
}

std::string CCampo::FormatearParaFichero(std::string_view formato, const SEntornoCampo& entorno) {
  const auto ancho = static_cast<std::size_t>(std::max(0L, plataforma::LeeEnteroFijo(formato.data(),
                                                                                   std::min<std::size_t>(2, formato.size()))));
  const std::size_t decimales =
      formato.size() > 2 && formato[2] >= '0' && formato[2] <= '9' ? static_cast<std::size_t>(formato[2] - '0') : 0;
  const char clase = formato.size() > 3 ? formato[3] : ' ';

  auto error = [this]() {
    MostrarAviso(kMensajeErrorFichero);
    TextoFichero = std::string(kTextoErrorFichero);
    return TextoFichero;
  };

  if (Dato == nullptr) {
    switch (clase) {
      case '1': case '9': case 'M': case 'N': case 'Z':
        TextoFichero = std::string(ancho + decimales, '0');
        break;
      case 'I':
        TextoFichero = "8";
        break;
      case 'T':
        TextoFichero = "0";
        break;
      default:
        TextoFichero = std::string(ancho, ' ');
        break;
    }
    return TextoFichero;
  }

  ActualizarTexto(entorno);
  std::string r;
  switch (clase) {
    case '1': case '9': case 'G': case 'M': case 'N': case 'Z': {
      // The digits of the value as the box shows it, also when the box shows the overflow marker.
      bool desborde = false;
      bool cambiar = true;
      std::string texto = ComponerTexto(entorno, desborde, cambiar);
      if (!cambiar) texto = Texto;
      if (Letra() == 'T') texto = TextoFichero;
      if (texto == kMarcaDesborde) return error();
      const bool negativo = !texto.empty() && texto.front() == '-';
      std::string limpio;
      for (char c : texto) {
        if (c != '.' && c != '-') limpio += c;
      }
      const std::size_t coma = limpio.find(',');
      std::string entera = limpio.substr(0, coma);
      std::string fraccion = coma == std::string::npos ? std::string() : limpio.substr(coma + 1);
      // A value wider than its fixed field would shift every field after it.
      if (entera.size() > ancho || fraccion.size() > decimales) return error();
      entera.insert(0, ancho - entera.size(), '0');
      fraccion.resize(decimales, '0');
      r = entera + fraccion;
      if (negativo) {
        if (r.empty() || r.front() != '0') return error();  // no room left for the sign
        r.front() = 'N';
      }
      if (r.size() > 12) return error();
      break;
    }
    case 'A': case 'C': case 'L': case 'P': case 'X':
      r = QuitarAcentos(Ajustar(Texto, ancho));
      break;
    case 'B': case 'Y':
      // "X" or a blank, in the format's width: a mark whose page binds it to a blank text still takes its place,
      // or every field after it would move.
      r = Ajustar(Texto, ancho);
      break;
    case 'D': case 'F': case 'R':
      for (char c : Texto) {
        if (c != '/') r += c;
      }
      break;
    case 'E':
      r = Texto;
      if (r.empty()) {
        r = "    ";
      } else if (r.size() == 3) {
        r += ' ';
      } else if (r.size() == 5 && r[3] == '.') {
        r.erase(3, 1);
      }
      break;
    case 'T':
      if (Letra() == 'T') return TextoFichero;
      r = Texto;
      break;
    case 'W': {
      const std::size_t coma = Texto.find(',');
      if (coma == std::string::npos) {
        r = std::string(45, ' ');
      } else {
        std::string_view despues = std::string_view(Texto).substr(coma + 1);
        if (!despues.empty() && despues.front() == ' ') despues.remove_prefix(1);
        r = Ajustar(std::string_view(Texto).substr(0, coma), 30) + Ajustar(despues, 15);
      }
      break;
    }
    default:
      r = std::string(ancho, ' ');
      break;
  }
  TextoFichero = r;
  return r;
}

int CCampo::TieneValor() const { return TieneValor(EntornoCampoActual()); }

int CCampo::TieneValor(const SEntornoCampo& entorno) const {
  if (Dato == nullptr) return 0;
  const int s = entorno.sujeto;
  switch (Letra()) {
    case 'B':
    case 'T': {
      const unsigned char* p = ValorSujeto(s);
      return p != nullptr && *p != 0 ? 1 : 0;
    }
    case 'C':
    case 'I':
      return EnteroSujeto(s) != 0 ? 1 : 0;
    case 'F':
    case 'M':
    case 'R':
      return ImporteSujeto(s) != 0.0 ? 1 : 0;
    case 'A':
    case 'D':
    case 'E':
    case 'G':
    case 'L':
    case 'P':
    case 'S':
      return EsCadenaEnBlanco(CaracteresSujeto(s)) ? 0 : 1;
    case 'Z': {
      // Digits: a value when the number they write is not zero.
      const std::string digitos = CaracteresSujeto(s);
      return std::any_of(digitos.begin(), digitos.end(), [](char c) { return c != '\0' && c != ' ' && c != '0'; })
                 ? 1
                 : 0;
    }
    default:
      return 1;
  }
}

// ---- drawing ----

plataforma::CRectangulo CCampo::Rectangulo(plataforma::CLienzo& lienzo, int scrollX, int scrollY) const {
  plataforma::CRectangulo r;
  r.left = static_cast<int>((Coor_1 - scrollX) * EscalaX);
  r.top = static_cast<int>((Coor_2 - scrollY) * EscalaY);
  r.right = static_cast<int>((Coor_3 - scrollX) * EscalaX);
  r.bottom = static_cast<int>((Coor_4 - scrollY) * EscalaY);
  return lienzo.DispositivoALogico(r);
}

bool CCampo::AlineadoDerecha() const {
  switch (Letra()) {
    case 'C': case 'I': case 'F': case 'M': case 'R':
      return true;
    default:
      return false;
  }
}

bool CCampo::PartirLineas() const {
  switch (Letra()) {
    case 'E': case 'G': case 'L': case 'P': case 'S': case 'T':
      return Decimales == 1;
    default:
      return false;
  }
}

void CCampo::Dibujar(plataforma::CLienzo& lienzo, int scrollX, int scrollY, int modo) const {
  const bool pantalla = modo == kDibujoPantalla;
  if (pantalla && PintarEn == kPintarNoEnPantalla) return;
  if (!pantalla && PintarEn == kPintarNoEnTexto) return;
  if (!pantalla && Letra() == 'D' && Texto == kFechaEnBlanco) return;

  const plataforma::CRectangulo caja = Rectangulo(lienzo, scrollX, scrollY);
  lienzo.Guardar();
  if (pantalla && EscalaX == 1.0) lienzo.RellenarRectangulo(caja, SoloLectur == 1 ? kColorSoloLectura : plataforma::kBlanco);

  const plataforma::CRectangulo zona{caja.left + 4, caja.top + 2, caja.right - 4, caja.bottom - 2};
  lienzo.PonModoFondo(plataforma::ModoFondo::Transparente);
  if (PartirLineas()) {
    const std::vector<std::string> lineas = PartirEnLineas(lienzo, Texto, zona.Ancho());
    if (!lineas.empty()) {
      const int alto = lienzo.MedirTexto(lineas.front()).cy;
      int y = zona.top + (zona.Alto() - alto * static_cast<int>(lineas.size())) / 2;
      for (const std::string& linea : lineas) {
        lienzo.TextoEnRect({zona.left, y, zona.right, y + alto}, linea,
                           plataforma::kTextoIzquierda | plataforma::kTextoSinRecorte);
        y += alto;
      }
    }
  } else {
    const unsigned alineacion = AlineadoDerecha() ? plataforma::kTextoDerecha : plataforma::kTextoIzquierda;
    lienzo.TextoEnRect(zona, Texto, alineacion | plataforma::kTextoCentroVertical | plataforma::kTextoSinRecorte);
  }
  lienzo.Restaurar();
}

void CCampo::DibujarMarco(int estado, plataforma::CLienzo& lienzo, int scrollX, int scrollY) const {
  if (PintarEn == kPintarNoEnPantalla) return;
  const plataforma::CRectangulo exterior = Rectangulo(lienzo, scrollX, scrollY);
  const plataforma::CRectangulo interior{exterior.left + 1, exterior.top + 1, exterior.right - 1, exterior.bottom - 1};
  lienzo.Guardar();
  lienzo.PonPluma(plataforma::CPluma{});
  lienzo.PonPincel(plataforma::CPincel{plataforma::EstiloPincel::Nulo});
  if (SoloLectur == 0 || estado == kMarcoSimple) {
    if (estado == kMarcoNormal) {
      // Inverting both frames takes a hover frame away.
      lienzo.PonModoDibujo(plataforma::ModoDibujo::Invertir);
      lienzo.Rectangulo(exterior);
      lienzo.Rectangulo(interior);
      lienzo.PonModoDibujo(plataforma::ModoDibujo::Copiar);
    } else if (estado == kMarcoResaltado) {
      lienzo.Rectangulo(interior);
    }
  }
  lienzo.Rectangulo(exterior);
  lienzo.Restaurar();
}

}  // namespace marco
