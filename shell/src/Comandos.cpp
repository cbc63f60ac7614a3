#include "shell/Comandos.h"

#include <array>
#include <utility>

#include <wx/defs.h>

#include "framework/ComandosDocumento.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

// Commands with a standard wxWidgets id.
constexpr std::array<std::pair<int, int>, 3> kEstandar{
    {{kComandoAcercaDe, wxID_ABOUT}, {kComandoSalir, wxID_EXIT}, {kComandoTemasAyuda, wxID_HELP_CONTENTS}}};
// The shell's numbers above what wxWidgets takes, each given an id of its own from kPrimerIdWx on (a range no
// number of the program uses).
// The document's and the pages' commands take the framework's ids (marco::ComandoAWx), so a menu entry and the
// document that answers it agree.
constexpr std::array<int, 8> kNumerosAltos{kComandoNuevo, kComandoAbrir, kComandoBarraHerramientas, kComandoBarraEstado,
                                          kIdiomasInterfaz[0].comando, kIdiomasInterfaz[1].comando,
                                          kIdiomasInterfaz[2].comando, kIdiomasInterfaz[3].comando};
constexpr int kPrimerIdWx = 0x7000;

using ETipo = ETipoOpcion;
constexpr SOpcionMenu kSeparador{0, "", ETipo::Separador};

constexpr SOpcionMenu kMenuArchivo[] = {
    {kComandoNuevo, "&Nueva declaración...\tCtrl+N"},
    {kComandoAbrir, "&Abrir declaración...\tCtrl+O"},
    {marco::kComandoCerrar, "&Cerrar"},
    {marco::kComandoGuardar, "&Guardar\tCtrl+G"},
    kSeparador,
    {marco::kComandoBorrador, "&Presentación borrador"},
    {marco::kComandoImprimir, "&Imprimir...\tCtrl+P"},
    {marco::kComandoPresentacionInternet, "Generar &fichero para Internet..."},
    kSeparador,
    {marco::kComandoImportar, "I&mportar"},
    {marco::kComandoExportar, "&Exportar"},
    kSeparador,
    {kComandoSalir, "&Salir"},
};
constexpr SOpcionMenu kMenuVer[] = {
    {kComandoBarraHerramientas, "Barra de &herramientas", ETipo::Marca},
    {kComandoBarraEstado, "Barra de &estado", ETipo::Marca},
    {kComandoApartados, "&Apartados de la Declaración", ETipo::Marca},
    kSeparador,
    // The page's command: with a box active its figure goes into the box, else the calculator is alone.
    {marco::kComandoCalculadora, "&Calculadora\tF5"},
};
// The person shown: each has its mnemonic and an accelerator of its own (docs/FAMILIA.md).
constexpr SOpcionMenu kMenuPersona[] = {
    {marco::kComandoUnidadFamiliar, "&Unidad Familiar\tCtrl+F", ETipo::Marca},
    {marco::kComandoDeclarante, "&Declarante\tCtrl+D", ETipo::Marca},
    {marco::kComandoConyuge, "&Cónyuge\tCtrl+Y", ETipo::Marca},
    {marco::kComandoHijo1, "Hijo &1\tCtrl+J", ETipo::Marca},
    {marco::kComandoHijo2, "Hijo &2\tCtrl+K", ETipo::Marca},
};
constexpr SOpcionMenu kMenuDeclaracion[] = {
    {marco::kComandoIrAPaginaMenu, "&Ir a página... \tCtrl+I"},
    kSeparador,
    {marco::kComandoPrimeraPagina, "Página &1"},
    {marco::kComandoPaginaAnterior, "&Anterior"},
    {marco::kComandoPaginaSiguiente, "&Siguiente"},
    {marco::kComandoUltimaPagina, "&Ultima Página"},
    kSeparador,
    {marco::kComandoEstadoDeclaracion, "&Estado de la Declaración"},
    kSeparador,
    {0, "&Persona", ETipo::Submenu, kMenuPersona},
    {marco::kComandoDatosPersonales, "&Datos personales y familiares"},
    {marco::kComandoResumenResultados, "&Resumen de resultados"},
    kSeparador,
    {marco::kComandoSimplificada, "&Simplificada (D-101)", ETipo::Marca},
    {marco::kComandoOrdinaria, "&Ordinaria (D-100)", ETipo::Marca},
};
constexpr SOpcionMenu kMenuAyuda[] = {
    {kComandoTemasAyuda, "&Temas de Ayuda\tF1"},
    kSeparador,
    {kComandoAcercaDe, "&Acerca de Korvelix..."},
};
constexpr SMenuPrincipal kMenus[] = {
    {"&Archivo", kMenuArchivo},
    {"&Ver", kMenuVer},
    {"&Declaración", kMenuDeclaracion},
    {"A&yuda", kMenuAyuda},
};

constexpr SBotonHerramienta kBotones[] = {
    {kComandoNuevo, "Nueva", "Nueva declaración"},
    {kComandoAbrir, "Abrir", "Abrir declaración"},
    {marco::kComandoGuardar, "Guardar", "Guardar la declaración"},
    {0, "", "", ETipo::Separador},
    {marco::kComandoBorrador, "Borrador", "Presentación borrador"},
    {marco::kComandoImprimir, "Imprimir", "Imprimir la declaración"},
    {marco::kComandoEstadoDeclaracion, "Estado", "Estado de la Declaración"},
    {0, "", "", ETipo::Separador},
    {marco::kComandoPrimeraPagina, "Página 1", "Página 1"},
    {marco::kComandoPaginaAnterior, "Anterior", "Página anterior"},
    {marco::kComandoPaginaSiguiente, "Siguiente", "Página siguiente"},
    {marco::kComandoUltimaPagina, "Última", "Ultima Página"},
    {0, "", "", ETipo::Separador},
    {0, "", "", ETipo::Separador},
    {marco::kComandoUnidadFamiliar, "U.Familiar", "Unidad Familiar", ETipo::Marca},
    {marco::kComandoDeclarante, "Declarante", "Declarante", ETipo::Marca},
    {marco::kComandoConyuge, "Cónyuge", "Cónyuge", ETipo::Marca},
    {marco::kComandoHijo1, "Hijo 1", "Hijo 1", ETipo::Marca},
    {marco::kComandoHijo2, "Hijo 2", "Hijo 2", ETipo::Marca},
    {0, "", "", ETipo::Separador},
    {kComandoApartados, "Apartados", "Apartados de la Declaración", ETipo::Marca},
    {kComandoAcercaDe, "Acerca de", "Acerca de Korvelix"},
};

// The commands of the open declaration.
constexpr int kComandosDeclaracion[] = {
    marco::kComandoCerrar,           marco::kComandoGuardar,        marco::kComandoBorrador,
    marco::kComandoImprimir,         marco::kComandoIrAPaginaMenu,  marco::kComandoPrimeraPagina,
    marco::kComandoPaginaAnterior,   marco::kComandoPaginaSiguiente, marco::kComandoUltimaPagina,
    marco::kComandoEstadoDeclaracion, marco::kComandoSimplificada,  marco::kComandoOrdinaria,
    marco::kComandoPresentacionInternet,
    marco::kComandoUnidadFamiliar,   marco::kComandoDeclarante,     marco::kComandoConyuge,
    marco::kComandoHijo1,            marco::kComandoHijo2,          marco::kComandoDatosPersonales,
    marco::kComandoResumenResultados,
};

void AnadirOrdenes(std::span<const SOpcionMenu> opciones, std::vector<SOpcionMenu>& ordenes) {
  for (const SOpcionMenu& opcion : opciones) {
    if (opcion.tipo == ETipoOpcion::Submenu) {
      AnadirOrdenes(opcion.submenu, ordenes);
    } else if (opcion.tipo != ETipoOpcion::Separador) {
      ordenes.push_back(opcion);
    }
  }
}

}  // namespace

std::span<const SMenuPrincipal> MenusPrincipales() { return kMenus; }

std::vector<SOpcionMenu> OrdenesDelMenu(const SMenuPrincipal& menu) {
  std::vector<SOpcionMenu> ordenes;
  AnadirOrdenes(menu.opciones, ordenes);
  return ordenes;
}
std::span<const SBotonHerramienta> BotonesHerramientas() { return kBotones; }

bool NecesitaDeclaracion(int comando) {
  for (int c : kComandosDeclaracion) {
    if (c == comando) return true;
  }
  return false;
}

int IdWxComando(int comando) {
  for (const auto& [propio, wx] : kEstandar) {
    if (propio == comando) return wx;
  }
  for (std::size_t i = 0; i < kNumerosAltos.size(); ++i) {
    if (kNumerosAltos[i] == comando) return kPrimerIdWx + static_cast<int>(i);
  }
  return marco::ComandoAWx(comando);
}

int ComandoDeIdWx(int idWx) {
  for (const auto& [propio, wx] : kEstandar) {
    if (wx == idWx) return propio;
  }
  const int indice = idWx - kPrimerIdWx;
  if (indice >= 0 && static_cast<std::size_t>(indice) < kNumerosAltos.size()) {
    return kNumerosAltos[static_cast<std::size_t>(indice)];
  }
  return marco::ComandoDeWx(idWx);
}

}  // namespace shell
