#include "activities/DlgModulos.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/DlgMensaje.h"
#include "framework/Mensajes.h"
#include "framework/TextosVentana.h"
#include "ximardol.h"

namespace actividades {

namespace {

// ---- layout (dialog units) ----
constexpr int kXEtiqueta = 8;
constexpr int kAnchoCampo = 56;
constexpr int kAltoCampo = 12;
constexpr int kAltoFila = 16;

// The OK and Cancel buttons at the bottom right of a dialog `ancho` wide, at `y`.
void Botones(marco::CPlantillaDialogo& p, int ancho, int y) {
  p.Aceptar({ancho - 2 * 64 - kXEtiqueta, y, 60, 18}).Cancelar({ancho - 64 - kXEtiqueta, y, 60, 18});
}

// The characters of an edit of n integer digits and d decimals.
int Longitud(int enteros, int decimales) { return decimales > 0 ? enteros + decimales + 1 : enteros; }

marco::CPlantillaDialogo PlantillaAsalariados(bool dosAnios) {
  constexpr int kAncho = 300;
  const int xColumna = kAncho - kXEtiqueta - (dosAnios ? 2 : 1) * (kAnchoCampo + 4);
  marco::CPlantillaDialogo p(kAncho, 130, dosAnios ? "Vent. Modulos 05" : "Vent. Modulos 01");
  p.Estatico(-1, "HORAS ANUALES TRABAJADAS:", {kXEtiqueta, 8, 200, 10});
  if (dosAnios) {
    p.Estatico(-1, "1999", {xColumna, 8, kAnchoCampo, 10});
    p.Estatico(-1, "1998", {xColumna + kAnchoCampo + 4, 8, kAnchoCampo, 10});
  }
  const char* const etiquetas[] = {
      "Mayores de 19 a\xF1os:",
      "Menores de 19 a\xF1os y/o contrato de formaci\xF3n / aprendizaje:",
      dosAnios ? "Horas anuales fijadas en el convenio colectivo vigente"
               : "Horas anuales fijadas en el convenio colectivo vigente:",
  };
  for (int f = 0; f < 3; ++f) {
    const int y = 24 + f * 22;
    p.Estatico(-1, etiquetas[f], {kXEtiqueta, y, xColumna - kXEtiqueta - 4, 20});
    p.Importe(kIdPrimerCampoModulo + f, {xColumna, y, kAnchoCampo, kAltoCampo}, 7);
    if (dosAnios) p.Importe(kIdPrimerCampoModulo + 3 + f, {xColumna + kAnchoCampo + 4, y, kAnchoCampo, kAltoCampo}, 7);
  }
  Botones(p, kAncho, 104);
  return p;
}

}  // namespace

// ---- the entry ----

SEntradaModulo LeerEntradaModulo(const unsigned char* octetos) {
  SEntradaModulo e;
  std::memcpy(&e, octetos, sizeof e);
  const auto limpiar = [](double& v) {
    if (!std::isfinite(v)) v = 0.0;
  };
  limpiar(e.cantidad);
  for (double& d : e.detalle) limpiar(d);
  limpiar(e.dias);
  limpiar(e.valor152);
  limpiar(e.valor160);
  limpiar(e.valor168);
  return e;
}

void EscribirEntradaModulo(const SEntradaModulo& entrada, unsigned char* octetos) {
  std::memcpy(octetos, &entrada, sizeof entrada);
}

// ---- what every module dialog shares ----

CDlgModulo::CDlgModulo(int idRecurso, wxWindow* padre) : CTemplateDlg(idRecurso, padre) {}

void CDlgModulo::EnlazarValor(int id, double* valor, int decimales) {
  Enlazar(id, {[valor, decimales] { return marco::TextoImporteDialogo(*valor, decimales, false); },
               [valor](std::string_view texto) {
                 double v = 0.0;
                 if (!marco::LeerImporteDialogo(texto, v) || v < 0.0 || !std::isfinite(v)) return false;
                 *valor = v;
                 return true;
               }});
}

void CDlgModulo::MostrarTodo() { marco::ActualizarDatosHijos(*this, 0); }

int CDlgModulo::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  EnlazarCampos();
  MostrarTodo();
  // The lock of the base, again after the dialog's own enabling.
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

int CDlgModulo::AlSalirDeCampo(int) {
  Calcular();
  MostrarTodo();
  return 0;
}

void CDlgModulo::OnOK() {
  if (!Bloqueado()) {
    // What is typed counts even when OK is pressed without leaving the field.
    ActualizarDatos(1);
    Calcular();
  }
  CTemplateDlg::OnOK();
}

// ---- salaried staff ----

CDlgModuloAsalariados::CDlgModuloAsalariados(wxWindow* padre)
    : CDlgModuloAsalariados(kRecursoModuloAsalariados, padre) {
  Plantilla() = PlantillaAsalariados(false);
}

CDlgModuloAsalariados::CDlgModuloAsalariados(int idRecurso, wxWindow* padre) : CDlgModulo(idRecurso, padre) {}

void CDlgModuloAsalariados::EnlazarCampos() {
  for (int f = 0; f < 3; ++f) EnlazarValor(kIdPrimerCampoModulo + f, &m_entrada.detalle[static_cast<std::size_t>(f)], 0);
}

int CDlgModuloAsalariados::OnInitDialog() {
  if (m_entrada.detalle[2] <= 0.0) m_entrada.detalle[2] = kHorasConvenio;
  // Nothing of another dialog's detail (nor the 1998 column) stays beside these hours.
  for (std::size_t j = 3; j < kDetallesModulo; ++j) m_entrada.detalle[j] = 0.0;
  m_entrada.dias = 0.0;
  return CDlgModulo::OnInitDialog();
}

void CDlgModuloAsalariados::Calcular() {
  double& convenio = m_entrada.detalle[2];
  if (convenio <= 0.0) convenio = kHorasConvenio;
  m_entrada.cantidad = (m_entrada.detalle[1] * 0.6 + m_entrada.detalle[0]) / convenio;
}

CDlgModuloAsalariados2::CDlgModuloAsalariados2(wxWindow* padre)
    : CDlgModuloAsalariados(kRecursoModuloAsalariados2, padre) {
  Plantilla() = PlantillaAsalariados(true);
}

void CDlgModuloAsalariados2::EnlazarCampos() {
  for (int f = 0; f < 6; ++f) EnlazarValor(kIdPrimerCampoModulo + f, &m_entrada.detalle[static_cast<std::size_t>(f)], 0);
}

int CDlgModuloAsalariados2::OnInitDialog() {
  if (m_entrada.detalle[2] <= 0.0) m_entrada.detalle[2] = kHorasConvenio;
  if (m_entrada.detalle[5] <= 0.0) m_entrada.detalle[5] = kHorasConvenio;
  return CDlgModulo::OnInitDialog();
}

void CDlgModuloAsalariados2::Calcular() {
  double& convenio = m_entrada.detalle[2];
  if (convenio <= 0.0) convenio = kHorasConvenio;
  m_entrada.cantidad = Trunc((m_entrada.detalle[1] * 0.6 + m_entrada.detalle[0]) / convenio, 2);
}

// ---- rows by days ----

CDlgModuloDias::CDlgModuloDias(int idRecurso, wxWindow* padre, int filas, int columnas, int paso,
                               std::array<int, 2> decimales, std::string_view etiqueta1, std::string_view etiqueta2)
    : CDlgModulo(idRecurso, padre),
      m_strEtiqueta1(etiqueta1),
      m_strEtiqueta2(etiqueta2),
      m_nFilas(filas),
      m_nColumnas(columnas),
      m_nPaso(paso),
      m_decimales(decimales) {
  const bool mesas = idRecurso == kRecursoModuloMesas;
  const int ancho = kXEtiqueta * 2 + 60 + (columnas + 1) * (kAnchoCampo + 4);
  const int yFilas = 24;
  const int yTotal = yFilas + filas * kAltoFila + 6;
  const char* caption = idRecurso == kRecursoModuloUnidades ? "Vent. Modulos 02"
                        : idRecurso == kRecursoModuloPlazas ? "Vent. Modulos 03"
                                                            : "MESAS";
  marco::CPlantillaDialogo p(ancho, yTotal + 48, caption);
  const int x0 = kXEtiqueta + 60;
  for (int c = 0; c <= columnas; ++c) {
    const int x = x0 + c * (kAnchoCampo + 4);
    if (c == columnas) {
      p.Estatico(-1, "N\xBA DIAS", {x, 8, kAnchoCampo, 12});
    } else if (mesas) {
      p.Estatico(c == 0 ? kIdEtiquetaMesas1 : kIdEtiquetaMesas2, c == 0 ? "CAPACIDAD" : "MESAS",
                 {x, 8, kAnchoCampo, 12});
    } else {
      p.Estatico(kIdEtiquetaUnidades, "UNIDADES", {x, 8, kAnchoCampo, 12});
    }
    for (int f = 0; f < filas; ++f) {
      const int enteros = c == columnas ? 3 : (mesas && m_decimales[0] == 0 ? (c == 0 ? 2 : 4) : 7);
      const int dec = c == columnas ? 0 : m_decimales[0];
      p.Importe(IdCampo(f, c), {x, yFilas + f * kAltoFila, kAnchoCampo, kAltoCampo}, Longitud(enteros, dec));
    }
  }
  p.Estatico(mesas ? -1 : 1546, "Unidades:", {kXEtiqueta, yTotal + 1, 56, 10});
  p.Edicion(IdTotal(), {x0, yTotal, kAnchoCampo + 20, kAltoCampo},
            marco::kEdicionDerecha | marco::kEdicionImporte | marco::kEdicionSoloLectura, 15);
  Botones(p, ancho, yTotal + 22);
  Plantilla() = p;
}

double& CDlgModuloDias::Valor(int fila, int columna) {
  return m_entrada.detalle[static_cast<std::size_t>(fila * m_nPaso + columna)];
}

void CDlgModuloDias::EnlazarCampos() {
  for (int f = 0; f < m_nFilas; ++f) {
    for (int c = 0; c < m_nColumnas; ++c) EnlazarValor(IdCampo(f, c), &Valor(f, c), m_decimales[0]);
    EnlazarValor(IdDias(f), &Dias(f), 0);
  }
  EnlazarValor(IdTotal(), &m_entrada.cantidad, 2);
}

int CDlgModuloDias::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  // The names of the units are fixed texts of the program: they speak the interface language.
  if (m_nColumnas == 1) {
    PonerTextoControl(kIdEtiquetaUnidades, marco::TextoFijo1252(m_strEtiqueta1));
  } else {
    PonerTextoControl(kIdEtiquetaMesas1, marco::TextoFijo1252(m_strEtiqueta1));
    PonerTextoControl(kIdEtiquetaMesas2, marco::TextoFijo1252(m_strEtiqueta2));
  }
  EnlazarCampos();
  MostrarTodo();
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

bool CDlgModuloDias::ComprobarDias(int dias) {
  const double actividad = m_entrada.dias;
  if (dias <= 365 && (actividad == 0.0 || actividad >= dias)) return true;
  m_bAvisandoDias = true;
  marco::CDlgMensaje().MostrarMensaje(kMensajeDiasModulo, marco::IconoMano);
  m_bAvisandoDias = false;
  return false;
}

int CDlgModuloDias::AlSalirDeCampo(int id) {
  if (m_bAvisandoDias) return 0;
  int resultado = 0;
  for (int f = 0; f < m_nFilas; ++f) {
    bool deUnidades = false;
    for (int c = 0; c < m_nColumnas; ++c) deUnidades = deUnidades || id == IdCampo(f, c);
    if (deUnidades && FilaConUnidades(f) && Dias(f) == 0.0) {
      Dias(f) = m_entrada.dias != 0.0 ? m_entrada.dias : 365.0;
    } else if (id == IdDias(f) && !ComprobarDias(static_cast<int>(std::trunc(std::min(Dias(f), 1.0e6))))) {
      PonerFoco(id);
      resultado = 1;
    }
  }
  Calcular();
  MostrarTodo();
  return resultado;
}

CDlgModuloUnidades::CDlgModuloUnidades(wxWindow* padre)
    : CDlgModuloDias(kRecursoModuloUnidades, padre, 3, 1, 2, {2, 0}, "UNIDADES", "") {}

void CDlgModuloUnidades::Calcular() {
  double suma = 0.0;
  for (int f = 0; f < Filas(); ++f) suma += Valor(f, 0) * Dias(f);
  m_entrada.cantidad = Trunc(suma * kUnoEntre365, 2);
}

CDlgModuloPlazas::CDlgModuloPlazas(wxWindow* padre)
    : CDlgModuloDias(kRecursoModuloPlazas, padre, 4, 1, 2, {2, 0}, "UNIDADES", "") {}

void CDlgModuloPlazas::Calcular() {
  double suma = 0.0;
  for (int f = 0; f < Filas(); ++f) suma += Valor(f, 0) * Dias(f);
  m_entrada.cantidad = Trunc(suma * kUnoEntre365, 2);
}

CDlgModuloMesas::CDlgModuloMesas(wxWindow* padre)
    : CDlgModuloDias(kRecursoModuloMesas, padre, 4, 2, 3, {0, 0}, "CAPACIDAD", "MESAS") {}

void CDlgModuloMesas::Calcular() {
  double suma = 0.0;
  for (int f = 0; f < Filas(); ++f) suma += Dias(f) * kUnoEntre365 * (Valor(f, 0) * 0.25) * Valor(f, 1);
  m_entrada.cantidad = Trunc(suma, 2);
}

CDlgModuloAsientos::CDlgModuloAsientos(wxWindow* padre)
    : CDlgModuloDias(kRecursoModuloMesas, padre, 4, 2, 3, {2, 0}, "ASIENTOS NACIONAL", "ASIENTOS RESTO") {}

void CDlgModuloAsientos::Calcular() {
  double suma = 0.0;
  for (int f = 0; f < Filas(); ++f) suma += (Valor(f, 0) + Valor(f, 1)) * Dias(f);
  m_entrada.cantidad = Trunc(suma * kUnoEntre365, 2);
}

// ---- non-salaried staff ----

CDlgModuloNoAsalariados::CDlgModuloNoAsalariados(wxWindow* padre)
    : CDlgModulo(kRecursoModuloNoAsalariados, padre) {
  constexpr int kAncho = 280;
  constexpr int xCampo = kAncho - kXEtiqueta - kAnchoCampo;
  marco::CPlantillaDialogo p(kAncho, 118, "PERSONAL NO ASALARIADO");
  const char* const etiquetas[] = {"Horas anuales trabajadas por el titular",
                                   "Horas anuales trabajadas por el c\xF3nyuge",
                                   "Horas trabajadas por hijos menores de 18 a\xF1os"};
  for (int f = 0; f < 3; ++f) {
    const int y = 8 + f * kAltoFila;
    p.Estatico(-1, etiquetas[f], {kXEtiqueta, y + 1, xCampo - kXEtiqueta - 4, 10});
    p.Importe(kIdPrimerCampoModulo + f, {xCampo, y, kAnchoCampo, kAltoCampo}, 7);
  }
  p.Estatico(kIdNotaModulo, "Compute como m\xE1ximo 1.800 horas por persona", {kXEtiqueta, 62, kAncho - 16, 10});
  Botones(p, kAncho, 90);
  Plantilla() = p;
}

void CDlgModuloNoAsalariados::EnlazarCampos() {
  for (int f = 0; f < 3; ++f) EnlazarValor(kIdPrimerCampoModulo + f, &m_entrada.detalle[static_cast<std::size_t>(f)], 0);
}

int CDlgModuloNoAsalariados::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  EnlazarCampos();
  // The spouse's hours only with the spouse present or through an entity.
  HabilitarControl(kIdPrimerCampoModulo + 1, m_presentes[2] == 1 || m_dParticipacion != 0.0);
  MostrarTodo();
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

int CDlgModuloNoAsalariados::AlEntrarEnCampo(int) {
  PonerTextoControl(kIdNotaModulo, "");
  return 0;
}

int CDlgModuloNoAsalariados::AlSalirDeCampo(int id) {
  const bool persona = id == kIdPrimerCampoModulo || id == kIdPrimerCampoModulo + 1;
  if (persona && m_dParticipacion == 0.0) {
    double& horas = m_entrada.detalle[static_cast<std::size_t>(id - kIdPrimerCampoModulo)];
    if (horas > kHorasConvenio) {
      marco::CDlgMensaje().MostrarMensaje(kMensajeHorasNoAsalariado, marco::IconoExclamacion);
      horas = 0.0;
      MostrarTodo();
      PonerFoco(id);
      return 1;
    }
  }
  Calcular();
  MostrarTodo();
  return 0;
}

void CDlgModuloNoAsalariados::Calcular() {
  const bool sinEntidad = m_dParticipacion == 0.0;
  const auto tope = [sinEntidad](double horas) { return sinEntidad && horas > kHorasConvenio ? kHorasConvenio : horas; };
  const double titular = tope(m_entrada.detalle[0]);
  const double conyuge = tope(m_entrada.detalle[1]);
  const double hijos = m_entrada.detalle[2];
  const double otros = m_dMaximoEmpleados <= 1.0 && sinEntidad && titular >= kHorasConvenio ? (hijos + conyuge) * 0.5
                                                                                             : hijos + conyuge;
  m_entrada.cantidad = Trunc((otros + titular) * kUnoEntre1800, 2);
}

// ---- the choice ----

std::unique_ptr<CDlgModulo> CrearDialogoModulo(int modulo, std::uint8_t aumentoPlantilla) {
  const auto unidades = [](std::string_view etiqueta) {
    auto dlg = std::make_unique<CDlgModuloUnidades>();
    dlg->m_strEtiqueta1 = std::string(etiqueta);
    return dlg;
  };
  switch (modulo) {
    case 1: case 15: case 16:
      if (aumentoPlantilla == 1) return std::make_unique<CDlgModuloAsalariados2>();
      return std::make_unique<CDlgModuloAsalariados>();
    case 2: return std::make_unique<CDlgModuloNoAsalariados>();
    case 4: return std::make_unique<CDlgModuloMesas>();
    case 5: case 9: case 10: case 11: case 17: case 18: case 19: return unidades("METROS");
    case 6: case 7: case 25: return unidades("NUMERO");
    case 8: return unidades("KWS");
    case 13: return unidades("KGS");
    case 14: return unidades("DM2");
    case 20: {
      auto dlg = std::make_unique<CDlgModuloPlazas>();
      dlg->m_strEtiqueta1 = "PLAZAS";
      return dlg;
    }
    case 21: return std::make_unique<CDlgModuloAsientos>();
    case 23: return unidades("TM");
    case 24: return unidades("CVF");
    default: return nullptr;
  }
}

}  // namespace actividades
