#include "dialogs/DlgInfoActividad.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "dialogs/CamposDetalle.h"
#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/TextosVentana.h"
#include "framework/Validador.h"

namespace dialogos {

namespace {

using actividades::EVarianteInfo;
using actividades::SAvisoInfo;
namespace ai = actividades;

constexpr std::string_view kTituloInfo = "INFORMACION RELATIVA A LA ACTIVIDAD";
constexpr int kChequeoNifEntidad = 23;

// A year of at most four digits; "98" and "99" are the full years. Empty is 0.
marco::SEnlaceControl EnlaceAnio(double* anio) {
  marco::SEnlaceControl e;
  e.mostrar = [anio] {
    if (*anio == 0.0) return std::string();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.0f", *anio);
    return std::string(buffer);
  };
  e.guardar = [anio](std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
    if (texto.size() > 4) return false;
    for (const char c : texto) {
      if (c < '0' || c > '9') return false;
    }
    *anio = ai::CInfoActividadReglas::AnioCompleto(texto);
    return true;
  };
  return e;
}

// A tax id of up to 9 characters in a buffer of `n` bytes, NUL-padded, in capitals.
marco::SEnlaceControl EnlaceNif(char* nif, std::size_t n) {
  marco::SEnlaceControl e;
  e.mostrar = [nif, n] {
    std::string s(nif, strnlen(nif, n));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s.substr(0, 9);
  };
  e.guardar = [nif, n](std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
    if (texto.size() > 9) return false;
    std::memset(nif, 0, n);
    for (std::size_t i = 0; i < texto.size(); ++i) {
      nif[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(texto[i])));
    }
    return true;
  };
  return e;
}

// Checks an entity's tax id as the declaration does (the check reports and repairs a bad value).
void ComprobarNifEntidad(char* nif, std::size_t n) {
  if (nif[0] == '\0' || nif[0] == ' ') return;
  char buffer[10] = {};
  std::memcpy(buffer, nif, std::min<std::size_t>(9, n));
  marco::CValidador validador;
  validador.ValidarCampo(kChequeoNifEntidad, buffer);
  std::memset(nif, 0, n);
  std::memcpy(nif, buffer, std::min<std::size_t>(9, n));
}

struct SCajaInfo {
  int id;
  const char* etiqueta;
  int longitud;
  bool siNo;
};

constexpr SCajaInfo kCajasInfo[] = {
    {ai::kIdPorcentaje, "Porcentaje de participaci\xF3n en comunidad de bienes, sociedad civil o similar", 5, false},
    {ai::kIdNif, "N.I.F. de la entidad en r\xE9gimen de atribuci\xF3n de rentas", 9, false},
    {ai::kIdDias, "D\xED" "as de ejercicio de la actividad de temporada en 1999", 3, false},
    {ai::kIdAnio, "A\xF1o de inicio de la nueva actividad (iniciada a partir de 1998)", 4, false},
    {kIdIncremento, "\xBFHa aumentado en 1999 el n\xFAmero de personas asalariadas respecto a 1998? (S/N)", 2, true},
    {kIdIncremento075, "\xBFIncremento de al menos 0,75 personas/a\xF1o en el conjunto de actividades? (S/N)", 2, true},
    {ai::kIdLocal, "\xBF" "Actividad ejercida en un \xFAnico local o sin local? (S/N)", 2, true},
    {ai::kIdVehiculos, "N\xFAmero de veh\xED" "culos utilizados en la actividad", 3, false},
    {ai::kIdCarga, "\xBF" "Capacidad de carga del veh\xED" "culo superior a 1.000 kg? (S/N)", 2, true},
    {ai::kIdMunicipio, "Clase de municipio en que se ejerce la actividad", 3, false},
    {kIdEmpleados, "N\xFAmero m\xE1ximo de personas empleadas al mismo tiempo en 1999", 8, false},
};

const SCajaInfo* CajaInfo(int id) {
  for (const SCajaInfo& c : kCajasInfo) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::vector<int> CajasDeVariante(EVarianteInfo v) {
  switch (v) {
    case EVarianteInfo::B:
      return {ai::kIdPorcentaje, ai::kIdNif, ai::kIdDias, ai::kIdAnio, kIdIncremento, kIdIncremento075,
              ai::kIdVehiculos, kIdEmpleados};
    case EVarianteInfo::C:
      return {ai::kIdPorcentaje, ai::kIdNif, ai::kIdDias, ai::kIdAnio, kIdIncremento, kIdIncremento075,
              ai::kIdMunicipio, kIdEmpleados};
    default:
      return {ai::kIdPorcentaje, ai::kIdNif, ai::kIdDias, ai::kIdAnio, kIdIncremento, kIdIncremento075,
              ai::kIdLocal, ai::kIdVehiculos, ai::kIdCarga, ai::kIdMunicipio, kIdEmpleados};
  }
}

std::vector<std::string_view> ClasesMunicipio(EVarianteInfo v) {
  switch (v) {
    case EVarianteInfo::A:
      return {"1.- Hasta 2.000 habitantes", "2.- De 2.001 hasta 5.000", "3.- M\xE1s de 5.000 habitantes"};
    case EVarianteInfo::C:
      return {"1.- 100.000 o m\xE1s habitantes.", "2.- M\xE1s de 10.000 y menos de 100.000 habitantes.",
              "3.- Hasta 10.000 habitantes."};
    case EVarianteInfo::D:
      return {"1.- Madrid o Barcelona.", "2.- M\xE1s de 100.000 habitantes.",
              "3.- Entre 5.001 y 100.000 habitantes.", "4.- Entre 2.001 y  5.000 habitantes.",
              "5.- Hasta 2.000 habitantes."};
    default:
      return {};
  }
}

int RecursoDeVariante(EVarianteInfo v) { return static_cast<int>(v); }

// Types a yes/no answer into the byte: 2 handled, 1 refused.
int TeclearSiNo(marco::CDialogoBase& dlg, int id, unsigned caracter, std::uint8_t* byte) {
  if (dlg.Ventana() != nullptr && (!dlg.Ventana()->Habilitado(id) || dlg.Ventana()->SoloLectura(id))) return 1;
  const std::optional<std::uint8_t> nuevo = SiNoTecleado(caracter);
  if (!nuevo) return 1;
  *byte = *nuevo;
  dlg.ActualizarDatos(0);
  return 2;
}

}  // namespace

// ---- the notice on new activities ----

CDlgNuevasActividades::CDlgNuevasActividades(wxWindow* padre) : CTemplateDlg(1583, padre) {
  marco::CPlantillaDialogo p(270, 84, "INFORMACI\xD3N NUEVAS ACTIVIDADES");
  p.Estatico(-1,
             "Tendr\xE1 derecho a aplicar este \xEDndice corrector cuando concurran las siguientes circustancias:",
             {8, 8, 254, 20});
  p.Estatico(-1,
             "Compruebe en las instrucciones de la declaraci\xF3n que su actividad las cumple antes de "
             "aplicarlo.",
             {8, 32, 254, 20});
  p.Aceptar({76, 60, 56, 18}).Cancelar({138, 60, 56, 18}, "&Corregir");
  Plantilla() = p;
}

int CDlgNuevasActividades::OnInitDialog() { return CTemplateDlg::OnInitDialog(); }

// Nothing of its own to keep: "&Aceptar" only closes with 1.
void CDlgNuevasActividades::OnOK() { Terminar(marco::kIdAceptar); }

// ---- the four variants of page ORD005 ----

CDlgInfoActividadModulos::CDlgInfoActividadModulos(wxWindow* padre, EVarianteInfo variante)
    : CTemplateDlg(RecursoDeVariante(variante), padre), m_variante(variante), m_cajas(CajasDeVariante(variante)),
      m_reglas(variante, m_datos) {
  const std::vector<std::string_view> clases = ClasesMunicipio(variante);
  int y = 8;
  marco::CPlantillaDialogo p(330, 10, kTituloInfo);
  for (const int id : m_cajas) {
    const SCajaInfo* c = CajaInfo(id);
    // The mark goes before the label in its language (the window looks up the label, not the marked text).
    std::string etiqueta = Estrellada(id) ? "* " : "";
    etiqueta += marco::TextoFijo1252(c->etiqueta);
    p.Estatico(-1, etiqueta, {6, y + 2, 250, 10});
    if (c->siNo || id == ai::kIdNif) {
      p.Edicion(id, {262, y, id == ai::kIdNif ? 56 : 20, 12}, marco::kEdicionMayusculas, c->longitud);
    } else {
      p.Importe(id, {262, y, 56, 12}, c->longitud);
    }
    y += 16;
    if (id == ai::kIdMunicipio) {
      for (const std::string_view clase : clases) {
        p.Estatico(-1, clase, {20, y, 240, 10});
        y += 11;
      }
      y += 3;
    }
  }
  p.Estatico(kIdPistaInfo, "", {6, y + 2, 316, 10});
  y += 18;
  p.Aceptar({132, y, 60, 18}).Cancelar({198, y, 60, 18}).Ayuda({264, y, 60, 18});
  p.Tamano(330, y + 24);
  Plantilla() = p;
}

bool CDlgInfoActividadModulos::Tiene(int id) const {
  return std::find(m_cajas.begin(), m_cajas.end(), id) != m_cajas.end();
}

bool CDlgInfoActividadModulos::Estrellada(int id) const {
  switch (m_variante) {
    case EVarianteInfo::B: return id == kIdEmpleados || id == ai::kIdVehiculos;
    case EVarianteInfo::C: return id == kIdEmpleados || id == ai::kIdMunicipio;
    default:
      return id == kIdEmpleados || id == ai::kIdLocal || id == ai::kIdVehiculos || id == ai::kIdMunicipio ||
             id == ai::kIdCarga;
  }
}

int CDlgInfoActividadModulos::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  Enlazar(ai::kIdPorcentaje, EnlaceImporteCampo(&m_datos.porcentaje, 3, 2));
  Enlazar(ai::kIdNif, EnlaceNif(m_datos.nif, sizeof m_datos.nif));
  Enlazar(ai::kIdDias, EnlaceImporteCampo(&m_datos.dias, 3, 0));
  Enlazar(ai::kIdAnio, EnlaceAnio(&m_datos.anio));
  Enlazar(kIdIncremento, EnlaceSiNo(&m_datos.incremento));
  Enlazar(kIdIncremento075, EnlaceSiNo(&m_datos.incremento075));
  if (Tiene(ai::kIdLocal)) Enlazar(ai::kIdLocal, EnlaceSiNo(&m_datos.local));
  if (Tiene(ai::kIdVehiculos)) Enlazar(ai::kIdVehiculos, EnlaceImporteCampo(&m_datos.vehiculos, 3, 0));
  if (Tiene(ai::kIdCarga)) Enlazar(ai::kIdCarga, EnlaceSiNo(&m_datos.carga));
  if (Tiene(ai::kIdMunicipio)) Enlazar(ai::kIdMunicipio, EnlaceImporteCampo(&m_datos.municipio, 3, 0));
  Enlazar(kIdEmpleados, EnlaceImporteCampo(&m_datos.empleados, m_variante == EVarianteInfo::A ? 3 : 8, 0));
  HabilitarControl(marco::kIdAceptar, true);
  HabilitarControl(ai::kIdNif, m_reglas.NifHabilitado());
  if (Tiene(ai::kIdCarga)) HabilitarControl(ai::kIdCarga, m_reglas.CargaHabilitada());
  marco::ActualizarDatosHijos(*this, 0);
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

int CDlgInfoActividadModulos::Mensaje(const SAvisoInfo& aviso) {
  m_bMensaje = true;
  const int r = marco::CDlgMensaje().MostrarMensaje(aviso.codigo, marco::IconoMano);
  m_bMensaje = false;
  return r;
}

void CDlgInfoActividadModulos::ActualizarCarga() {
  if (!Tiene(ai::kIdCarga)) return;
  const bool habilitada = m_reglas.CargaHabilitada();
  if (!habilitada && Ventana() != nullptr && Ventana()->Foco() == ai::kIdCarga) PonerFoco(ai::kIdVehiculos);
  HabilitarControl(ai::kIdCarga, habilitada && !Bloqueado());
  MostrarEnlace(ai::kIdCarga);
}

void CDlgInfoActividadModulos::ActualizarNif() {
  if (m_datos.porcentaje == 0.0) {
    m_reglas.AlCambiarPorcentaje();
    MostrarEnlace(ai::kIdNif);
    HabilitarControl(ai::kIdNif, false);
  } else {
    HabilitarControl(ai::kIdNif, !Bloqueado());
  }
}

int CDlgInfoActividadModulos::AlSalirDeCampo(int id) {
  if (m_bMensaje) return 0;
  if (!PermitirSalidaCampo()) return 1;
  const bool modificada = id == m_nCajaEntrada && TextoControl(id) != m_textoAlEntrar;
  switch (id) {
    case ai::kIdPorcentaje: {
      const SAvisoInfo aviso = m_reglas.AlSalir(id);
      if (aviso.Hay()) {
        Mensaje(aviso);
        PonerFoco(aviso.foco);
      }
      break;
    }
    case ai::kIdDias: {
      // The third variant checks the days only when they were typed.
      if (m_variante == EVarianteInfo::C && !modificada) break;
      const SAvisoInfo aviso = m_reglas.AlSalir(id);
      if (aviso.Hay()) {
        Mensaje(aviso);
        MostrarEnlace(ai::kIdDias);
        PonerFoco(ai::kIdDias);
      }
      break;
    }
    case ai::kIdAnio: {
      MostrarEnlace(ai::kIdAnio);
      const double anio = m_datos.anio;
      if (anio != 0.0 && anio != 1998.0 && anio != 1999.0) {
        Mensaje({"CVANO1", ai::kIdAnio});
        PonerFoco(ai::kIdAnio);
        break;
      }
      if (!modificada || anio == 0.0) break;
      if (m_datos.dias == 0.0) {
        m_bMensaje = true;
        const int r = m_aviso ? m_aviso(Padre()) : [this] {
          CDlgNuevasActividades aviso(Padre());
          return aviso.DoModal();
        }();
        m_bMensaje = false;
        if (r != marco::kIdAceptar) {
          m_datos.anio = 0.0;
          PonerFoco(ai::kIdAnio);
        }
        MostrarEnlace(ai::kIdAnio);
      } else {
        const SAvisoInfo aviso = m_reglas.AlSalir(id);
        if (aviso.Hay()) {
          Mensaje(aviso);
          MostrarEnlace(ai::kIdAnio);
          PonerFoco(ai::kIdAnio);
        }
      }
      break;
    }
    case ai::kIdNif:
      ComprobarNifEntidad(m_datos.nif, sizeof m_datos.nif);
      MostrarEnlace(ai::kIdNif);
      break;
    case ai::kIdVehiculos:
      ActualizarCarga();
      break;
    case ai::kIdMunicipio: {
      if (m_variante == EVarianteInfo::C && !modificada) break;
      const SAvisoInfo aviso = m_reglas.AlSalir(id);
      if (aviso.Hay()) {
        Mensaje(aviso);
        MostrarEnlace(ai::kIdMunicipio);
        PonerFoco(ai::kIdMunicipio);
      }
      break;
    }
    default:
      break;
  }
  return 1;
}

int CDlgInfoActividadModulos::AlEntrarEnCampo(int id) {
  m_nCajaEntrada = id;
  m_textoAlEntrar = TextoControl(id);
  if (id == ai::kIdCarga) {
    if (m_datos.vehiculos == 1.0) PonerTextoControl(kIdPistaInfo, kPistaDatoNecesario);
    return 0;
  }
  PonerTextoControl(kIdPistaInfo, Estrellada(id) ? kPistaDatoNecesario : std::string_view());
  return 0;
}

int CDlgInfoActividadModulos::AlCambiarTexto(int id) {
  if (m_bMensaje) return 0;
  switch (id) {
    case ai::kIdPorcentaje: {
      double porcentaje = 0.0;
      EnlaceImporteCampo(&porcentaje, 3, 2).guardar(TextoControl(id));
      const double guardado = m_datos.porcentaje;
      m_datos.porcentaje = porcentaje;
      ActualizarNif();
      m_datos.porcentaje = guardado;
      break;
    }
    case ai::kIdVehiculos: {
      if (!Tiene(ai::kIdCarga)) break;
      double vehiculos = 0.0;
      EnlaceImporteCampo(&vehiculos, 3, 0).guardar(TextoControl(id));
      m_datos.carga = 255;
      HabilitarControl(ai::kIdCarga, vehiculos == 1.0 && !Bloqueado());
      MostrarEnlace(ai::kIdCarga);
      break;
    }
    default:
      break;
  }
  return 0;
}

int CDlgInfoActividadModulos::AlComando(int id, int codigo) {
  if (id == marco::kIdBotonAyuda) {
    if (Ventana() != nullptr) Ventana()->MostrarAyuda(kContextoAyudaInfo);
    return 1;
  }
  return CTemplateDlg::AlComando(id, codigo);
}

int CDlgInfoActividadModulos::ValidarCaracterCampo(int id, unsigned caracter) {
  std::uint8_t* byte = id == kIdIncremento      ? &m_datos.incremento
                       : id == kIdIncremento075 ? &m_datos.incremento075
                       : id == ai::kIdLocal     ? &m_datos.local
                       : id == ai::kIdCarga     ? &m_datos.carga
                                                : nullptr;
  if (byte == nullptr) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  return TeclearSiNo(*this, id, caracter, byte);
}

bool CDlgInfoActividadModulos::ComprobarDatos() {
  const SAvisoInfo aviso = m_reglas.ComprobarDatos();
  if (!aviso.Hay()) return true;
  Mensaje(aviso);
  PonerFoco(aviso.foco);
  return false;
}

void CDlgInfoActividadModulos::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Bloqueado() && !ComprobarDatos()) return;
  CTemplateDlg::OnOK();
}

// ---- dialog 192, page ORD006 ----

namespace {

struct SCajaAgraria {
  int id;
  const char* etiqueta;
};

constexpr SCajaAgraria kCajasAgrarias[] = {
    {ai::kIdPorcentajeAgraria, "Porcentaje de participaci\xF3n en comunidad de bienes, sociedad civil o similar"},
    {ai::kIdNif, "N.I.F. de la entidad en r\xE9gimen de atribuci\xF3n de rentas"},
    {ai::kIdIncremento075Agraria,
     "\xBFIncremento de al menos 0,75 personas/a\xF1o en el conjunto de actividades? (S/N)"},
    {ai::kIdMediosAjenos, "\xBFUtilizaci\xF3n exclusiva de medios de producci\xF3n ajenos? (S/N)"},
    {ai::kIdPiensos, "\xBFPiensos adquiridos a terceros (\xEDndice 0,80)? (S/N)"},
    {ai::kIdCostePersonal, "Coste del personal asalariado"},
    {ai::kIdPrimeraInstalacion, "\xBF" "Primera instalaci\xF3n de una explotaci\xF3n prioritaria (reducci\xF3n del 25 %)? (S/N)"},
};

}  // namespace

CDlgInfoActividad::CDlgInfoActividad(wxWindow* padre, char tipo)
    : CTemplateDlg(192, padre), m_cTipo(tipo), m_reglas(tipo, m_datos) {
  marco::CPlantillaDialogo p(330, 10, kTituloInfo);
  int y = 8;
  for (const SCajaAgraria& c : kCajasAgrarias) {
    p.Estatico(-1, c.etiqueta, {6, y + 2, 250, 10});
    const bool siNo = c.id != ai::kIdPorcentajeAgraria && c.id != ai::kIdNif && c.id != ai::kIdCostePersonal;
    if (siNo || c.id == ai::kIdNif) {
      p.Edicion(c.id, {262, y, c.id == ai::kIdNif ? 56 : 20, 12}, marco::kEdicionMayusculas, siNo ? 2 : 9);
    } else {
      p.Importe(c.id, {262, y, 56, 12}, c.id == ai::kIdCostePersonal ? 13 : 5);
    }
    y += 16;
  }
  p.Estatico(kIdPistaInfo,
             "Las retenciones por I.R.P.F.  y los pagos fraccionados se consignan en la liquidaci\xF3n.",
             {6, y + 2, 316, 10});
  y += 18;
  p.Aceptar({132, y, 60, 18}).Cancelar({198, y, 60, 18}).Ayuda({264, y, 60, 18});
  p.Tamano(330, y + 24);
  Plantilla() = p;
}

int CDlgInfoActividad::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  Enlazar(ai::kIdPorcentajeAgraria, EnlaceImporteCampo(&m_datos.porcentaje, 2, 2));
  Enlazar(ai::kIdNif, EnlaceNif(m_datos.nif, sizeof m_datos.nif));
  Enlazar(ai::kIdIncremento075Agraria, EnlaceSiNo(&m_datos.incremento075));
  Enlazar(ai::kIdMediosAjenos, EnlaceSiNo(&m_datos.mediosAjenos));
  Enlazar(ai::kIdPiensos, EnlaceSiNo(&m_datos.piensos));
  Enlazar(ai::kIdCostePersonal, EnlaceImporteCampo(&m_datos.costePersonal, 10, 0));
  Enlazar(ai::kIdPrimeraInstalacion, EnlaceSiNo(&m_datos.primeraInstalacion));
  ActualizarControles();
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

void CDlgInfoActividad::ActualizarControles() {
  const bool libre = !Bloqueado();
  HabilitarControl(ai::kIdMediosAjenos, libre && m_reglas.MediosAjenosHabilitado());
  HabilitarControl(ai::kIdPiensos, libre && m_reglas.PiensosHabilitado());
  HabilitarControl(ai::kIdNif, libre && m_reglas.ActualizarNif());
  marco::ActualizarDatosHijos(*this, 0);
}

int CDlgInfoActividad::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 1;
  if (id == ai::kIdNif) ComprobarNifEntidad(m_datos.nif, sizeof m_datos.nif);
  ActualizarControles();
  return 1;
}

int CDlgInfoActividad::AlComando(int id, int codigo) {
  if (id == marco::kIdBotonAyuda) {
    if (Ventana() != nullptr) Ventana()->MostrarAyuda(kContextoAyudaInfoAgraria);
    return 1;
  }
  return CTemplateDlg::AlComando(id, codigo);
}

int CDlgInfoActividad::ValidarCaracterCampo(int id, unsigned caracter) {
  std::uint8_t* byte = id == ai::kIdIncremento075Agraria ? &m_datos.incremento075
                       : id == ai::kIdMediosAjenos       ? &m_datos.mediosAjenos
                       : id == ai::kIdPiensos            ? &m_datos.piensos
                       : id == ai::kIdPrimeraInstalacion ? &m_datos.primeraInstalacion
                                                         : nullptr;
  if (byte == nullptr) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  return TeclearSiNo(*this, id, caracter, byte);
}

bool CDlgInfoActividad::ComprobarDatos() {
  const SAvisoInfo aviso = m_reglas.ComprobarDatos();
  bool acepta = !aviso.Hay();
  if (!acepta) {
    marco::CDlgMensaje().MostrarMensaje(aviso.codigo, marco::IconoMano);
  } else if (m_reglas.PreguntarPiensos()) {
    // The message names the feed itself, in the language of the program.
    acepta = marco::CDlgMensaje().MostrarMensaje("100I004", marco::IconoAsterisco) != marco::kBotonCorregir;
  }
  if (!acepta) PonerFoco(ai::kIdNif);
  return acepta;
}

void CDlgInfoActividad::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Bloqueado() && !ComprobarDatos()) return;
  CTemplateDlg::OnOK();
}

// ---- the activities carried on through an entity ----

bool MarcaSociedad(std::uint8_t byte) { return byte == 1 || byte == 'x' || byte == 'X'; }

CDlgActividadSociedad::CDlgActividadSociedad(wxWindow* padre) : CTemplateDlg(kIdDialogoActividadSociedad, padre) {
  // No help button.
  PonerFlagsBotones(marco::kBotonesAceptar | marco::kBotonesCancelar | marco::kBotonesDibujo);
  marco::CPlantillaDialogo p(250, 84);
  p.CampoEdit(kIdCasillaSociedad, {8, 12, 10, 10}, m_casilla);
  p.Estatico(kIdTextoSociedad,
             "Marque con una 'X'  si el titular ejerce, a trav\xE9s de la sociedad, actividades de car\xE1" "cter "
             "profesional o art\xED" "sticas o deportivas .......",
             {24, 8, 218, 30});
  p.Aceptar({138, 50, 50, 28}).Cancelar({192, 50, 50, 28});
  Plantilla() = p;
}

int CDlgActividadSociedad::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_marca = MarcaSociedad(m_marca) ? 1 : 0;
  m_casilla.PonerMarca(1);
  m_casilla.AsignarDato(&m_marca);
  m_casilla.IntercambiarDatos(0);
  if (Bloqueado()) m_casilla.PonerSoloLectura(true);
  return 1;
}

// ---- the registry ----

namespace {

template <typename TDialogo>
int CorrerInfo(TDialogo& dlg, marco::SPeticionDetalle& p) {
  dlg.PonerCodigoSujeto(p.sujeto);
  dlg.PonerColumnaConyuge(p.conyugeOPrimerHijo);
  PrepararDialogoDetalle(dlg, p);
  return dlg.DoModal();
}

int AbrirInfoModulos(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != ai::kLargoInfoActividad) return marco::kDialogoCancelado;
  std::span<unsigned char, ai::kLargoInfoActividad> bloque(p.bloque.data(), ai::kLargoInfoActividad);
  const EVarianteInfo variante = ai::VarianteInfoActividad(p.primerParametro);
  CDlgInfoActividadModulos dlg(p.padre, variante);
  dlg.m_datos = ai::LeerInfoActividad(bloque);
  const int r = CorrerInfo(dlg, p);
  if (r == marco::kDialogoAceptado) ai::EscribirInfoActividad(dlg.m_datos, bloque);
  return r;
}

int AbrirInfoAgraria(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != ai::kLargoInfoAgraria) return marco::kDialogoCancelado;
  std::span<unsigned char, ai::kLargoInfoAgraria> bloque(p.bloque.data(), ai::kLargoInfoAgraria);
  CDlgInfoActividad dlg(p.padre, static_cast<char>(p.primerParametro));
  dlg.m_datos = ai::LeerInfoAgraria(bloque);
  const int r = CorrerInfo(dlg, p);
  if (r == marco::kDialogoAceptado) ai::EscribirInfoAgraria(dlg.m_datos, bloque);
  return r;
}

int AbrirActividadSociedad(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != 1) return marco::kDialogoCancelado;
  CDlgActividadSociedad dlg(p.padre);
  dlg.m_marca = MarcaSociedad(p.bloque[0]) ? 1 : 0;
  // The answer is the page's row: the page decides whether it may be written.
  const int r = dlg.DoModal() == marco::kIdAceptar ? marco::kDialogoAceptado : marco::kDialogoCancelado;
  if (r == marco::kDialogoAceptado) p.bloque[0] = dlg.m_marca == 1 ? 1 : 0;
  return r;
}

}  // namespace

void RegistrarDlgInfoActividad() {
  marco::RegistrarDialogoDetalle(kVentanaActividadSociedad, 1, AbrirActividadSociedad);
  marco::RegistrarDialogoDetalle(kVentanaInfoActividad, ai::kLargoInfoActividad, AbrirInfoModulos);
  marco::RegistrarDialogoDetalle(kVentanaInfoActividadAgraria, ai::kLargoInfoAgraria, AbrirInfoAgraria);
}

}  // namespace dialogos
