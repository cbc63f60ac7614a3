#include "framework/Validador.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "framework/BaseDatos.h"
#include "framework/CuentaBancaria.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentosIdentidad.h"
#include "framework/Fechas.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace marco {

namespace {

constexpr std::size_t kAnchoNIF = 9;
constexpr std::size_t kAnchoFecha = 8;
constexpr std::size_t kAnchoFechaVisible = 16;
constexpr std::size_t kAnchoCodigoPostal = 5;
constexpr std::size_t kAnchoCuenta = 20;
constexpr std::size_t kAnchoAno = 4;

// The text of a fixed field of the value, blank-padded to its width (a NUL ends the text early).
std::string Campo(const char* valor, std::size_t ancho) {
  std::string t(plataforma::LeeFija(valor, ancho));
  t.resize(ancho, ' ');
  return t;
}

double LeerDouble(const unsigned char* p) {
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

void GrabarDouble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Every character a digit, '.' or ','; an empty text is not a number text.
bool EsTextoNumerico(std::string_view t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return EsDigito(c) || c == '.' || c == ','; });
}

// "No date": nothing typed, or every digit a zero.
bool EsSinFecha(std::string_view t) {
  t = plataforma::Recorta(t);
  return t.empty() || std::all_of(t.begin(), t.end(), [](char c) { return c == '0'; });
}

// The first `n` characters of a text, up to a NUL.
std::string_view Cortar(std::string_view texto, std::size_t n) {
  texto = texto.substr(0, std::min(texto.size(), n));
  const std::size_t nul = texto.find('\0');
  return nul == std::string_view::npos ? texto : texto.substr(0, nul);
}

// -1 earlier, 0 same day, 1 later; false when either cannot be split.
bool CompararFechas(std::string_view fecha, std::string_view limite, int& orden) {
  int d1 = 0, m1 = 0, a1 = 0, d2 = 0, m2 = 0, a2 = 0;
  if (!CFechas::DescomponerFecha(fecha, d1, m1, a1) || !CFechas::DescomponerFecha(limite, d2, m2, a2)) return false;
  if (a1 != a2) {
    orden = a1 < a2 ? -1 : 1;
  } else if (m1 != m2) {
    orden = m1 < m2 ? -1 : 1;
  } else {
    orden = d1 == d2 ? 0 : (d1 < d2 ? -1 : 1);
  }
  return true;
}

// The bounds of the date checks 11-15 (strictly later than the first, strictly earlier than 1 January 2000).
struct SLimiteFecha {
  int tipo;
  const char* inferior;
  const char* codigo;
};
constexpr std::array<SLimiteFecha, 5> kLimitesFecha{{
    {11, "31121993", "FECHAM"},
    {12, "31121997", "FECHAM"},
    {13, "31121996", "FECHAM"},
    {14, "31121995", "FECHAM"},
    {15, "31121998", "100R166"},
}};

// The year checks: the century put in front of what was typed, and the years accepted besides 0.
struct SRangoAnos {
  int tipo;
  char decadaUnDigito;  // put before a single digit
  const char* siglo;    // put before two digits
  char milenio;         // put before three digits
  int desde;
  int hasta;
};
constexpr std::array<SRangoAnos, 3> kRangosAnos{{
    {16, '0', "20", '2', 2000, 2008},
    {17, '9', "19", '1', 1996, 1999},
    {101, '0', "19", '1', 1881, 1999},
}};

// Detail rows of the sums.
constexpr int kFilasDetalle = 6;
constexpr std::size_t kFilaTrabajo = 104;       // 13 doubles, the holder code in the first byte
constexpr std::size_t kFilaInmobiliario = 72;   // 9 doubles
constexpr std::size_t kImporteInmobiliario = 64;  // the 9th double

// Section J entries that the work-income sums go to: two per kind.
struct SEntradasJ {
  std::size_t importeFila;  // the amount of a detail row
  std::array<std::size_t, 2> entradas;
  std::size_t suma;
  std::array<std::size_t, 2> otros;  // the entry's other amounts; both zero: the entry is free
};
constexpr SEntradasJ kEntradas203{48, {0, 48}, 24, {16, 32}};
constexpr SEntradasJ kEntradas204{56, {136, 208}, 32, {40, 48}};

// The per-holder entries of the results block that the real-estate sums go to.
constexpr std::size_t kResultadosTitulares = 5848;
constexpr std::size_t kEntradaTitular = 24;
constexpr int kEntradasTitular = 5;

// The deductions block: three rows and per-person slots of the two largest.
constexpr std::size_t kFilasDeduccion = 544;
constexpr std::size_t kFilaDeduccion = 80;
constexpr int kNumFilasDeduccion = 3;
struct SHueco {
  std::size_t codigo, cuatroA, cuatroB, dos, diez, ocho;
};
constexpr SHueco kPrimerHueco{1416, 1421, 1441, 1461, 1471, 1521};
constexpr SHueco kSegundoHueco{1561, 1566, 1586, 1606, 1616, 1666};

void LimpiarHueco(unsigned char* a, const SHueco& h, std::size_t i) {
  a[h.codigo + i] = 0;
  std::memset(a + h.cuatroA + 4 * i, 0, 4);
  std::memset(a + h.cuatroB + 4 * i, 0, 4);
  std::memset(a + h.dos + 2 * i, 0, 2);
  std::memset(a + h.diez + 10 * i, 0, 10);
  std::memset(a + h.ocho + 8 * i, 0, 8);
}

void LlenarHueco(unsigned char* a, const SHueco& h, std::size_t i, int fila, unsigned char codigo) {
  const unsigned char* f = a + kFilasDeduccion + kFilaDeduccion * static_cast<std::size_t>(fila);
  a[h.codigo + i] = codigo;
  std::memmove(a + h.ocho + 8 * i, f + 48, 8);
  std::memmove(a + h.cuatroA + 4 * i, f + 56, 4);
  std::memmove(a + h.cuatroB + 4 * i, f + 60, 4);
  std::memmove(a + h.dos + 2 * i, f + 64, 2);
  std::memmove(a + h.diez + 10 * i, f + 66, 10);
}

}  // namespace

int AvisarError(std::string_view codigo, int icono, std::string_view extra) {
  return CDlgMensaje(nullptr, DameBaseDatosLocal()).MostrarMensaje(codigo, icono, extra);
}

CValidador::CValidador(std::string_view clave) { PonerClave(clave); }

void CValidador::PonerClave(std::string_view clave) {
  m_clave = std::string(plataforma::RecortaDerecha(Cortar(clave, 50)));
  m_severidadesRonda.clear();
}

int CValidador::ValidarCampo(int tipo, void* valor) {
  m_pValorActual = valor;
  if (valor == nullptr) return 0;
  char* texto = static_cast<char*>(valor);
  switch (tipo) {
    case 1: case 2: case 21: case 22: case 23:
      return ValidarNIFTipo(texto, tipo);
    case 3: {
      double d[2];
      std::memcpy(d, valor, sizeof d);
      if (d[0] + d[1] <= 100) return 1;
      AvisarError("PRU001", IconoExclamacion);
      d[0] = d[1] = 0;
      std::memcpy(valor, d, sizeof d);
      return 0;
    }
    case 4:
      return 1;
    case 5: case 11: case 12: case 13: case 14: case 15:
      return ValidarFechaTipo(texto, tipo);
    case 6:
      return ValidarFechaVisible(texto);
    case 8:
      if (EsCodigoPostal(plataforma::LeeFija(texto, kAnchoCodigoPostal))) return 1;
      AvisarError("CODE001", IconoExclamacion);
      std::memset(texto, 0, kAnchoCodigoPostal);
      return 0;
    case 9: case 10:
      return ValidarCuenta(texto, tipo);
    case 16: case 17: case 101:
      return ValidarAno(texto, tipo);
    case 18: case 19:
      return ValidarFechaEntre(texto, tipo);
    case 20: case 102: case 103: case 104:
      return ValidarImporte(static_cast<double*>(valor), tipo);
    case 201: {
      double d[5];
      std::memcpy(d, valor, sizeof d);
      if (!(d[3] != 0 && d[4] == 0)) return 1;
      AvisarError("100R012", IconoMano);
      return 0;
    }
    case 202: {
      double d[4];
      std::memcpy(d, valor, sizeof d);
      if (d[1] <= Redondear(d[3] * 0.25) + 100) return 1;
      return AvisarError("100V019", IconoExclamacion) == kBotonContinuar ? 1 : 0;
    }
    case 203: case 204:
      SumarRendimientosTrabajo(static_cast<const unsigned char*>(valor), tipo);
      return 1;
    case 205:
      SumarCapitalInmobiliario(static_cast<const unsigned char*>(valor));
      return 1;
    case 206:
      RepartirDeducciones(static_cast<unsigned char*>(valor));
      return 1;
    default:
      return 0;
  }
}

// ---- identification numbers ----

int CValidador::ComprobarNIF(const char* origen, std::string& destino) {
  if (origen == nullptr) return kNIFSinTexto;
  destino = NormalizarNIF(plataforma::LeeFija(origen, kAnchoNIF));
  return ClasificarNIF(destino);
}

namespace {

int ValidarNumero(char* valor, int longitud, int entidades, bool soloDigitos) {
  if (valor == nullptr || longitud <= 0) return 0;
  const auto ancho = static_cast<std::size_t>(longitud);
  if (EsCadenaEnBlanco(plataforma::LeeFija(valor, ancho))) return 1;
  std::string normalizado;
  const int tipo = CValidador::ComprobarNIF(valor, normalizado);
  const bool aceptado = EsNIFPersonal(tipo) || (soloDigitos && tipo == TipoNIF::kSoloDigitos) ||
                        (entidades == 1 && EsNIFEntidad(tipo));
  if (!aceptado) return 0;
  plataforma::CopiaFija(valor, ancho, normalizado);
  return 1;
}

}  // namespace

int CValidador::ValidarNIF(char* valor, int longitud, int entidades) {
  return ValidarNumero(valor, longitud, entidades, false);
}

int CValidador::ValidarDNI(char* valor, int longitud, int entidades) {
  return ValidarNumero(valor, longitud, entidades, true);
}

int CValidador::ValidarNIFTipo(char* valor, int tipo) {
  const int n = static_cast<int>(kAnchoNIF);
  int bueno = 0;
  const char* codigo = "NIFE001";
  switch (tipo) {
    case 1: bueno = ValidarNIF(valor, n, 1); break;
    case 21: bueno = ValidarNIF(valor, n, 0); break;
    case 2: bueno = ValidarDNI(valor, n, 0); codigo = "DNIE001"; break;
    case 22: bueno = ValidarDNI(valor, n, 1); codigo = "DNIE001"; break;
    default:  // 23: an entity of the kinds whose number starts with E, G or H
      codigo = "CIF001";
      bueno = ValidarDNI(valor, n, 1);
      if (bueno != 0 && !EsCadenaEnBlanco(plataforma::LeeFija(valor, kAnchoNIF)) && valor[0] != 'E' &&
          valor[0] != 'G' && valor[0] != 'H') {
        bueno = 0;
      }
      break;
  }
  if (bueno != 0) return 1;
  AvisarError(codigo, IconoExclamacion);
  plataforma::CopiaFija(valor, kAnchoNIF, {});
  return 0;
}

int CValidador::ValidarIdentificacion(std::string_view nif, std::string_view nombre, int desplazamiento,
                                      char* registro, int ancho) {
  nif = Cortar(nif, nif.size());
  nombre = Cortar(nombre, nombre.size());
  if (desplazamiento != 0 && registro != nullptr && ancho > 0) {
    plataforma::CopiaFija(registro + desplazamiento, static_cast<std::size_t>(ancho), nombre);
  }
  const std::string_view n = plataforma::RecortaDerecha(nombre);
  if (EsCadenaEnBlanco(n) || n.size() <= 2) return 0;

  const std::string origen(nif);
  std::string normalizado;
  const int tipo = ComprobarNIF(origen.c_str(), normalizado);
  if (EsNIFEntidad(tipo)) return 1;
  if (!EsNIFPersonal(tipo)) return nif == "Z00000000" ? 1 : 0;

  // ñ and Ñ (either code page) are letters, never digits.
  if (std::any_of(n.begin(), n.end(), EsDigito)) return 0;
  auto letra = [](char c) { return c == '\'' || (EsLetraNombre(c) && c != ' '); };
  if (!letra(n[0]) || !letra(n[1])) return 0;
  if (!(EsLetraNombre(n[2]) || n[2] == '\'')) return 0;
  if (n[0] == n[1] && n[1] == n[2]) return 0;
  // At least two words: a blank from the third character on, followed by something that is not a blank.
  for (std::size_t i = 2; i + 1 < n.size(); ++i) {
    if (n[i] == ' ' && n[i + 1] != ' ') return 1;
  }
  return 0;
}

// ---- dates ----

int CValidador::FechaNoAnterior(std::string_view fecha, std::string_view limite, int estricto) {
  fecha = Cortar(fecha, fecha.size());
  limite = Cortar(limite, limite.size());
  if (!EsTextoNumerico(fecha) || !EsTextoNumerico(limite) || EsSinFecha(fecha)) return 1;
  int orden = 0;
  if (!CompararFechas(fecha, limite, orden)) return 1;
  return orden > 0 || (orden == 0 && estricto == 0) ? 1 : 0;
}

int CValidador::FechaNoPosterior(std::string_view fecha, std::string_view limite, int estricto) {
  fecha = Cortar(fecha, fecha.size());
  limite = Cortar(limite, limite.size());
  if (!EsTextoNumerico(fecha) || !EsTextoNumerico(limite) || EsSinFecha(fecha)) return 1;
  int orden = 0;
  if (!CompararFechas(fecha, limite, orden)) return 1;
  return orden < 0 || (orden == 0 && estricto == 0) ? 1 : 0;
}

int CValidador::FechaEnIntervalo(std::string_view fecha, std::string_view inferior, std::string_view superior,
                                 int estricto) {
  return FechaNoAnterior(fecha, inferior, estricto) != 0 && FechaNoPosterior(fecha, superior, estricto) != 0 ? 1 : 0;
}

int CValidador::ValidarFechaCampo(std::string_view valor, std::string_view inferior, std::string_view superior,
                                  int anoCuatroCifras, int estricto) {
  const std::size_t largo = anoCuatroCifras == 1 ? 8 : 6;
  const std::string_view fecha = Cortar(valor, largo);
  const bool hayInferior = !EsCadenaEnBlanco(Cortar(inferior, inferior.size()));
  const bool haySuperior = !EsCadenaEnBlanco(Cortar(superior, superior.size()));

  if (!hayInferior && !haySuperior) {
    const std::string_view t = plataforma::RecortaDerecha(fecha);
    if (!EsTextoNumerico(t) || EsSinFecha(t)) return 1;
    int dia = 0, mes = 0, ano = 0;
    if (!CFechas::DescomponerFecha(t, dia, mes, ano)) return 0;
    CFechas fechas;
    fechas.AjustarFebrero(ano);
    return mes >= 1 && mes <= 12 && dia >= 1 && dia <= fechas.DiasMes(mes - 1) && ano >= 1900 && ano <= 1999 ? 1
                                                                                                             : 0;
  }

  // With bounds, what was typed must first be a date at all.
  if (EsCadenaEnBlanco(fecha) || EsSinFecha(fecha)) return 1;
  if (fecha.size() != largo || !std::all_of(fecha.begin(), fecha.end(), EsDigito)) return 0;
  const std::string completa =
      largo == 8 ? std::string(fecha) : std::string(fecha.substr(0, 4)) + "19" + std::string(fecha.substr(4));
  if (!EsFechaValida(completa)) return 0;
  if (!hayInferior) return FechaNoPosterior(fecha, superior, estricto);
  if (!haySuperior) return FechaNoAnterior(fecha, inferior, estricto);
  return FechaEnIntervalo(fecha, inferior, superior, estricto);
}

int CValidador::ValidarFechaTipo(char* valor, int tipo) {
  if (!EsFechaValida(plataforma::LeeFija(valor, kAnchoFecha))) {
    AvisarError("FECHAM", IconoExclamacion);
    plataforma::CopiaFija(valor, kAnchoFecha, {});
    return 0;
  }
  if (tipo == 5) return 1;
  const auto limite = std::find_if(kLimitesFecha.begin(), kLimitesFecha.end(),
                                   [tipo](const SLimiteFecha& l) { return l.tipo == tipo; });
  if (FechaEnIntervalo(plataforma::LeeFija(valor, kAnchoFecha), limite->inferior, "01012000", 1) != 0) return 1;
  AvisarError(limite->codigo, IconoExclamacion);
  plataforma::CopiaFija(valor, kAnchoFecha, {});
  return 0;
}

int CValidador::ValidarFechaEntre(char* valor, int tipo) {
  const char* inferior = tipo == 18 ? "01052000" : "02052000";
  if (ValidarFechaCampo(plataforma::LeeFija(valor, kAnchoFecha), inferior, "31122000", 1, 0) != 0) return 1;
  AvisarError("FECHAM", IconoMano);
  std::memset(valor, 0, kAnchoFecha);
  return 0;
}

int CValidador::ValidarFechaVisible(const char* valor) {
  const std::string t = Campo(valor, kAnchoFechaVisible);
  if (EsBlanco(t[0])) return 1;
  const std::string_view nombreMes = std::string_view(t).substr(2, 3);
  const std::string_view textoAno = std::string_view(t).substr(12, 4);
  std::string mes = "01";
  if (!EsCadenaEnBlanco(nombreMes)) {
    const int numero = NumeroMes(nombreMes, LetraIdiomaV());
    mes = std::string(1, static_cast<char>('0' + numero / 10)) + static_cast<char>('0' + numero % 10);
  }
  const std::string fecha = t.substr(0, 2) + mes + (EsCadenaEnBlanco(textoAno) ? "2000" : std::string(textoAno));
  if (EsFechaValida(fecha)) return 1;
  AvisarError("FECHAM", IconoExclamacion);
  return 0;
}

// ---- bank accounts ----

int CValidador::ValidarCuenta(char* valor, int tipo) {
  const std::string cuenta = Campo(valor, kAnchoCuenta);
  if (tipo == 10) {
    // Entity, office, check digits or account not begun: nothing to check yet.
    for (std::size_t i : {0u, 4u, 8u, 10u}) {
      if (EsBlanco(cuenta[i])) return 1;
    }
    if (DigitosCuenta(cuenta) == kCuentaCorrecta) return 1;
    AvisarError("CUEN007", IconoMano);
    return 0;
  }
  // A complete account is required: a missing character is refused too, but the user keeps what was typed.
  if (std::any_of(cuenta.begin(), cuenta.end(), EsBlanco)) {
    AvisarError("CUEN007", IconoMano);
    return 0;
  }
  if (DigitosCuenta(cuenta) == kCuentaCorrecta) return 1;
  AvisarError("CUEN007", IconoMano);
  std::memset(valor, 0, kAnchoCuenta);
  return 0;
}

// ---- years ----

int CValidador::ValidarAno(char* valor, int tipo) {
  const auto rango = *std::find_if(kRangosAnos.begin(), kRangosAnos.end(),
                                   [tipo](const SRangoAnos& r) { return r.tipo == tipo; });
  std::string ano = Campo(valor, kAnchoAno);
  if (EsBlanco(ano[0])) return 1;
  if (EsBlanco(ano[2])) {
    std::string dos = EsBlanco(ano[1]) ? std::string{rango.decadaUnDigito, ano[0]} : ano.substr(0, 2);
    ano = rango.siglo + dos;
  } else if (EsBlanco(ano[3])) {
    ano = rango.milenio + ano.substr(0, 3);
  }
  std::memcpy(valor, ano.data(), kAnchoAno);
  if (std::all_of(ano.begin(), ano.end(), EsDigito)) {
    const int numero = NumeroDeCadena(ano, 4);
    if (numero == 0 || (numero >= rango.desde && numero <= rango.hasta)) return 1;
  }
  AvisarError("CVANO1", IconoMano);
  std::memset(valor, 0, kAnchoAno);
  return 0;
}

// ---- amounts ----

int CValidador::ValidarImporte(double* valor, int tipo) {
  double v;
  std::memcpy(&v, valor, sizeof v);
  bool bueno = false;
  const char* codigo = "";
  double reparado = 0;
  switch (tipo) {
    case 20: bueno = v >= 33 || v == 0; codigo = "100R158"; break;
    case 102: bueno = v >= 0 && v < 100; codigo = "100R130"; break;
    case 103: bueno = v >= 0 && v <= 100; codigo = "100R164"; break;
    default: bueno = v <= 365; codigo = "WIN1001"; reparado = 365; break;  // 104
  }
  if (bueno) return 1;
  AvisarError(codigo, IconoMano);
  std::memcpy(valor, &reparado, sizeof reparado);
  return 0;
}

// ---- sums into the declaration ----

void CValidador::SumarRendimientosTrabajo(const unsigned char* detalle, int tipo) {
  if (m_pDatosRenta == nullptr) return;
  const SEntradasJ& j = tipo == 203 ? kEntradas203 : kEntradas204;
  double sumas[2] = {0, 0};  // declarant, spouse
  for (int f = 0; f < kFilasDetalle; ++f) {
    const unsigned char* fila = detalle + kFilaTrabajo * static_cast<std::size_t>(f);
    const double importe = LeerDouble(fila + j.importeFila);
    if ((fila[0] == 2 || fila[0] == 3) && importe != 0) sumas[fila[0] - 2] += importe;
  }

  unsigned char* apartado = m_pDatosRenta->ApartadoJ.octetos;
  unsigned char* e[2] = {apartado + j.entradas[0], apartado + j.entradas[1]};
  for (unsigned char* entrada : e) {
    if (LeerDouble(entrada + j.otros[0]) == 0 && LeerDouble(entrada + j.otros[1]) == 0) entrada[0] = 0;
    GrabarDouble(entrada + j.suma, 0);
  }
  // A holder's sum goes to the entry that already is that holder's, else to a free one; the declarant first.
  auto destino = [&](unsigned char codigo, int ocupada) {
    for (int i = 0; i < 2; ++i) {
      if (e[i][0] == codigo) return i;
    }
    for (int i = 0; i < 2; ++i) {
      if (i != ocupada && e[i][0] == 0) return i;
    }
    return -1;
  };
  int declarante = -1;
  if (sumas[0] != 0) {
    declarante = destino(2, -1);
    if (declarante < 0) declarante = e[0][0] == 3 ? 1 : 0;
    e[declarante][0] = 2;
    GrabarDouble(e[declarante] + j.suma, sumas[0]);
  }
  if (sumas[1] != 0) {
    int conyuge = destino(3, declarante);
    if (conyuge < 0) conyuge = declarante >= 0 ? 1 - declarante : (e[0][0] == 0 ? 0 : 1);
    e[conyuge][0] = 3;
    GrabarDouble(e[conyuge] + j.suma, sumas[1]);
  }
}

void CValidador::SumarCapitalInmobiliario(const unsigned char* detalle) {
  if (m_pDatosRenta == nullptr) return;
  double sumas[6] = {};
  for (int f = 0; f < kFilasDetalle; ++f) {
    const unsigned char* fila = detalle + kFilaInmobiliario * static_cast<std::size_t>(f);
    const double importe = LeerDouble(fila + kImporteInmobiliario);
    if (fila[0] >= 1 && fila[0] <= 5 && importe != 0) sumas[fila[0]] += importe;
  }

  unsigned char* bloque = m_pDatosRenta->Resultados.octetos + kResultadosTitulares;
  auto entrada = [bloque](int k) { return bloque + kEntradaTitular * static_cast<std::size_t>(k); };
  double guardados[6] = {};
  for (int k = 0; k < kEntradasTitular; ++k) {
    unsigned char* e = entrada(k);
    const double guardado = LeerDouble(e + 16);
    if (guardado == 0) {
      e[0] = 0;
      GrabarDouble(e + 8, 0);
    } else if (e[0] >= 1 && e[0] <= 5) {
      guardados[e[0]] += guardado;
    }
  }
  int siguiente = 0;
  for (unsigned char p = 1; p <= 5; ++p) {
    if (sumas[p] == 0 && guardados[p] == 0) continue;
    unsigned char* e = entrada(siguiente++);
    e[0] = p;
    GrabarDouble(e + 8, sumas[p]);
    GrabarDouble(e + 16, guardados[p]);
  }
  // The entries left over were gathered into the ones written: kept, they would count a holder twice.
  for (int k = siguiente; k < kEntradasTitular; ++k) {
    unsigned char* e = entrada(k);
    e[0] = 0;
    GrabarDouble(e + 8, 0);
    GrabarDouble(e + 16, 0);
  }
}

void CValidador::RepartirDeducciones(unsigned char* a) {
  unsigned char codigos[kNumFilasDeduccion];
  double importes[kNumFilasDeduccion];
  for (int f = 0; f < kNumFilasDeduccion; ++f) {
    const unsigned char* fila = a + kFilasDeduccion + kFilaDeduccion * static_cast<std::size_t>(f);
    codigos[f] = fila[0];
    importes[f] = LeerDouble(fila + 40);
  }
  for (int p = 1; p <= 5; ++p) {
    const auto i = static_cast<std::size_t>(p - 1);
    double propio[kNumFilasDeduccion];
    int filas[kNumFilasDeduccion];
    int n = 0;
    for (int f = 0; f < kNumFilasDeduccion; ++f) {
      propio[f] = 0;
      if (p == 1) {
        propio[f] = importes[f];
      } else if (p == 2 || p == 3) {
        if (codigos[f] == 1) propio[f] = importes[f] / 2;
        if (codigos[f] == p) propio[f] = importes[f];
      }
      if (propio[f] != 0) filas[n++] = f;
    }
    int primera = -1;
    int segunda = -1;
    if (n == 1) {
      primera = filas[0];
    } else if (n == 2) {
      const bool invertir = propio[filas[1]] > propio[filas[0]];
      primera = invertir ? filas[1] : filas[0];
      segunda = invertir ? filas[0] : filas[1];
    } else if (n == 3) {
      int quitar = 2;
      if (propio[0] < propio[1] && propio[0] < propio[2]) {
        quitar = 0;
      } else if (propio[1] < propio[0] && propio[1] < propio[2]) {
        quitar = 1;
      }
      primera = quitar == 0 ? 1 : 0;
      segunda = quitar == 2 ? 1 : 2;
    }
    auto codigo = [&](int fila) { return p == 1 ? codigos[fila] : static_cast<unsigned char>(2); };
    if (primera >= 0) {
      LlenarHueco(a, kPrimerHueco, i, primera, codigo(primera));
    } else {
      LimpiarHueco(a, kPrimerHueco, i);
    }
    if (segunda >= 0) {
      LlenarHueco(a, kSegundoHueco, i, segunda, codigo(segunda));
    } else {
      LimpiarHueco(a, kSegundoHueco, i);
    }
  }
}

CBaseDatos* CValidador::BaseDatos() const { return m_pBaseDatos != nullptr ? m_pBaseDatos : DameBaseDatosRed(); }

}  // namespace marco
