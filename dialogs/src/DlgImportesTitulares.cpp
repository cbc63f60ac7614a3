#include "dialogs/DlgImportesTitulares.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/SelectorTitular.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

constexpr std::size_t kDespImportes = 8;

bool EntradaValida(int entrada) { return entrada >= 0 && entrada < kEntradasCapital; }

}  // namespace

// ---- the stored block ----

EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, int importes) {
  EntradasTitulares entradas{};
  if (importes < 0 || importes > kMaxImportesCapital || bloque.size() != TamanoBloqueCapital(importes)) {
    return entradas;
  }
  const std::size_t tamano = TamanoEntradaCapital(importes);
  for (std::size_t e = 0; e < entradas.size(); ++e) {
    const unsigned char* origen = bloque.data() + e * tamano;
    SEntradaTitular& entrada = entradas[e];
    entrada.titular = origen[0] <= marco::kSujetoHijo2 ? origen[0] : 0;
    for (int i = 0; i < importes; ++i) {
      double valor = 0.0;
      std::memcpy(&valor, origen + kDespImportes + 8 * static_cast<std::size_t>(i), sizeof valor);
      entrada.importes[static_cast<std::size_t>(i)] = std::isfinite(valor) ? valor : 0.0;
    }
  }
  return entradas;
}

void EscribirEntradas(const EntradasTitulares& entradas, int importes, std::span<unsigned char> bloque) {
  if (importes < 0 || importes > kMaxImportesCapital || bloque.size() != TamanoBloqueCapital(importes)) return;
  const std::size_t tamano = TamanoEntradaCapital(importes);
  for (std::size_t e = 0; e < entradas.size(); ++e) {
    unsigned char* destino = bloque.data() + e * tamano;
    std::memset(destino, 0, kDespImportes);
    destino[0] = entradas[e].titular;
    for (int i = 0; i < importes; ++i) {
      const double valor = entradas[e].importes[static_cast<std::size_t>(i)];
      std::memcpy(destino + kDespImportes + 8 * static_cast<std::size_t>(i), &valor, sizeof valor);
    }
  }
}

std::string_view LetraTitularCapital(std::uint8_t titular) {
  static constexpr std::string_view kLetras[] = {"", "O", "D", "C", "1", "2"};
  return titular <= marco::kSujetoHijo2 ? kLetras[titular] : std::string_view();
}

// ---- the layout of entries as lines ----

marco::CPlantillaDialogo PlantillaLineasTitulares(std::string_view titulo, const std::vector<int>& ids,
                                                  const std::vector<std::string_view>& cabeceras,
                                                  std::string_view nota, bool ayuda, int idUltimaCabecera) {
  constexpr int kX = 6;
  constexpr int kAnchoTitular = 34;
  constexpr int kAnchoImporte = 64;
  constexpr int kYLineas = 28;
  constexpr int kAltoLinea = 16;
  const int campos = static_cast<int>(cabeceras.size());
  const int ancho = kX * 2 + kAnchoTitular + kAnchoImporte * (campos - 1);
  const int yPie = kYLineas + kAltoLinea * kEntradasCapital + 4;
  const int altoNota = nota.empty() ? 0 : 28;
  marco::CPlantillaDialogo p(ancho, yPie + 14 + altoNota + 24, titulo);
  for (int campo = 0; campo < campos; ++campo) {
    const int x = campo == 0 ? kX : kX + kAnchoTitular + kAnchoImporte * (campo - 1);
    const int w = campo == 0 ? kAnchoTitular : kAnchoImporte;
    const int id = campo == campos - 1 ? idUltimaCabecera : -1;
    p.Estatico(id, cabeceras[static_cast<std::size_t>(campo)], {x, 6, w - 2, 20});
    for (int e = 0; e < kEntradasCapital; ++e) {
      const std::size_t i = static_cast<std::size_t>(campo * kEntradasCapital + e);
      if (i >= ids.size()) break;
      const marco::SRectDialogo celda{x, kYLineas + kAltoLinea * e, w - 4, 12};
      if (campo == 0) {
        p.Edicion(ids[i], celda, marco::kEdicionMayusculas, 1);
      } else {
        p.Importe(ids[i], celda, 14);
      }
    }
  }
  p.Estatico(kIdAyudaTitularLineas, "", {kX, yPie, ancho - 2 * kX, 10});
  if (!nota.empty()) p.Estatico(kIdNotaLineas, nota, {kX, yPie + 14, ancho - 2 * kX, altoNota - 2});
  const int yBotones = yPie + 14 + altoNota;
  const int xBotones = ancho - kX - (ayuda ? 188 : 124);
  p.Aceptar({xBotones, yBotones, 60, 18}).Cancelar({xBotones + 64, yBotones, 60, 18});
  if (ayuda) p.Ayuda({xBotones + 128, yBotones, 60, 18});
  return p;
}

// ---- the dialog ----

CDlgImportesTitulares::CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                             int importes, std::vector<int> ids, int idAyuda, int contextoAyuda)
    : CTemplateDlgTitulares(idRecurso, padre, segundoParametro),
      m_nImportes(importes),
      m_nIdAyuda(idAyuda),
      m_nContextoAyuda(contextoAyuda) {
  PonerTablaIds(kEntradasCapital, importes + 1, std::move(ids));
}

double CDlgImportesTitulares::Importe(int entrada, int campo) const {
  if (!EntradaValida(entrada) || campo < 1 || campo > m_nImportes) return 0.0;
  return m_copia[static_cast<std::size_t>(entrada)].importes[static_cast<std::size_t>(campo - 1)];
}

bool CDlgImportesTitulares::AdmiteNegativo(int) const { return false; }

bool CDlgImportesTitulares::TitularPermitido(char letra, std::uint8_t& codigo) const {
  const marco::SEntornoDialogo entorno = Entorno();
  const int tecleado =
      marco::CodigoTitularTecleado(std::string_view(&letra, 1), 0, entorno.conyuge, entorno.hijo1, entorno.hijo2);
  if (tecleado <= 0) return false;
  codigo = static_cast<std::uint8_t>(tecleado);
  return true;
}

int CDlgImportesTitulares::OnInitDialog() {
  CTemplateDlgTitulares::OnInitDialog();
  m_copia = m_recibido;
  AjustarEntradasAlSujeto();

  for (int e = 0; e < kEntradasCapital; ++e) {
    SEntradaTitular* entrada = &m_copia[static_cast<std::size_t>(e)];
    marco::SEnlaceControl titular;
    titular.mostrar = [entrada] { return std::string(LetraTitularCapital(entrada->titular)); };
    titular.guardar = [this, entrada](std::string_view texto) {
      const std::string_view t = plataforma::Recorta(texto);
      if (t.empty()) {
        entrada->titular = 0;
        return true;
      }
      std::uint8_t codigo = 0;
      const char letra = static_cast<char>(std::toupper(static_cast<unsigned char>(t.front())));
      if (t.size() != 1 || !TitularPermitido(letra, codigo)) return false;
      entrada->titular = codigo;
      return true;
    };
    Enlazar(IdControl(0, e), std::move(titular));

    for (int campo = 1; campo <= m_nImportes; ++campo) {
      double* valor = &entrada->importes[static_cast<std::size_t>(campo - 1)];
      const bool negativo = AdmiteNegativo(campo);
      marco::SEnlaceControl importe;
      importe.mostrar = [valor] { return marco::TextoImporteDialogo(*valor, 0, false); };
      importe.guardar = [valor, negativo](std::string_view texto) {
        double leido = 0.0;
        if (!marco::LeerImporteDialogo(texto, leido)) return false;
        // Whole units of at most ten digits; a minus sign only where the row takes one.
        if (!std::isfinite(leido) || std::fabs(leido) > kImporteMaximoCapital || std::trunc(leido) != leido ||
            (leido < 0.0 && !negativo)) {
          return false;
        }
        *valor = leido == 0.0 ? 0.0 : leido;
        return true;
      };
      Enlazar(IdControl(campo, e), std::move(importe));
    }
  }

  ActualizarEntradas();
  if (!TodasLasEntradas()) CompactarEntradas();
  marco::ActualizarDatosHijos(*this, 0);
  RecordarTitulares();
  AlAbrir();
  return 1;
}

void CDlgImportesTitulares::RecordarTitulares() {
  for (std::size_t e = 0; e < m_copia.size(); ++e) m_titularesMostrados[e] = m_copia[e].titular;
}

void CDlgImportesTitulares::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (ComprobarEntradas() == 0) return;
  if (TodasLasEntradas()) {
    // The texts follow the values (a typed 0 shows empty) before the entries without amounts are looked for.
    marco::ActualizarDatosHijos(*this, 0);
    QuitarEntradasVacias();
    m_recibido = m_copia;
  }
  marco::CTemplateDlg::OnOK();
}

int CDlgImportesTitulares::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda || m_nContextoAyuda <= 0) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(m_nContextoAyuda);
  return 1;
}

int CDlgImportesTitulares::AlSalirDeCampo(int id) {
  // A holder typed and left (its text was stored as the cell was left): the entries follow it.
  if (FilaDeControl(id) == 0) {
    const int e = EntradaDeControl(id);
    if (EntradaValida(e) &&
        m_copia[static_cast<std::size_t>(e)].titular != m_titularesMostrados[static_cast<std::size_t>(e)]) {
      CambiarTitular(id);
    }
  }
  return PermitirSalidaCampo() ? 1 : 0;
}

int CDlgImportesTitulares::AlEntrarEnCampo(int id) {
  if (FilaDeControl(id) == 0) {
    MostrarAyudaTitular(m_nIdAyuda);
  } else {
    PonerTextoControl(m_nIdAyuda, "");
  }
  return 1;
}

int CDlgImportesTitulares::AlCambiarValor(int id) {
  // Only a holder cell changes the entries.
  if (FilaDeControl(id) != 0) return 0;
  return CambiarTitular(id);
}

int CDlgImportesTitulares::CambiarTitular(int id) {
  const int resultado = CTemplateDlgTitulares::AlCambiarValor(id);
  RecordarTitulares();
  return resultado;
}

// ---- entry operations ----

void CDlgImportesTitulares::LimpiarEntrada(int entrada) {
  if (EntradaValida(entrada)) m_copia[static_cast<std::size_t>(entrada)].importes.fill(0.0);
}

void CDlgImportesTitulares::MoverEntrada(int a, int de) {
  if (!EntradaValida(a) || !EntradaValida(de) || a == de) return;
  m_copia[static_cast<std::size_t>(a)] = m_copia[static_cast<std::size_t>(de)];
}

void CDlgImportesTitulares::QuitarEntrada(int entrada) {
  if (EntradaValida(entrada)) m_copia[static_cast<std::size_t>(entrada)].titular = 0;
}

std::uint8_t CDlgImportesTitulares::TitularDeEntrada(int entrada) const {
  return EntradaValida(entrada) ? m_copia[static_cast<std::size_t>(entrada)].titular : 0;
}

void CDlgImportesTitulares::EntradaComun(int entrada) {
  if (!EntradaValida(entrada)) return;
  for (double& importe : m_copia[static_cast<std::size_t>(entrada)].importes) importe *= 0.5;
}

void CDlgImportesTitulares::EntradaPropia(int entrada) {
  if (EntradaValida(entrada)) m_copia[static_cast<std::size_t>(entrada)].titular = marco::kSujetoDeclarante;
}

// ---- checks ----

int CDlgImportesTitulares::Probar(const SPrueba& prueba, int entrada) {
  const SEntradaTitular& e = m_copia[static_cast<std::size_t>(entrada)];
  if (e.titular == 0 || !prueba.falla(e)) return 1;
  const int boton =
      marco::CDlgMensaje().MostrarMensaje(prueba.codigo, prueba.error ? marco::IconoMano : marco::IconoAsterisco);
  if (!prueba.error && boton != marco::kBotonCorregir) return 1;
  PonerFoco(IdControl(prueba.campo, entrada));
  return 0;
}

int CDlgImportesTitulares::ComprobarPorEntrada(std::span<const SPrueba> pruebas) {
  for (int e = 0; e < kEntradasCapital; ++e) {
    for (const SPrueba& prueba : pruebas) {
      if (Probar(prueba, e) == 0) return 0;
    }
  }
  return 1;
}

int CDlgImportesTitulares::ComprobarPorPrueba(std::span<const SPrueba> pruebas) {
  for (const SPrueba& prueba : pruebas) {
    for (int e = 0; e < kEntradasCapital; ++e) {
      if (Probar(prueba, e) == 0) return 0;
    }
  }
  return 1;
}

}  // namespace dialogos
