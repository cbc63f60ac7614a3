#include "framework/DialogoPlantilla.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include <wx/window.h>

#include "framework/EditEx.h"
#include "framework/EditExVentana.h"

namespace marco {

CPlantillaDialogo::CPlantillaDialogo(int ancho, int alto, std::string_view titulo)
    : m_nAncho(ancho), m_nAlto(alto), m_strTitulo(titulo) {}

CPlantillaDialogo& CPlantillaDialogo::Tamano(int ancho, int alto) {
  m_nAncho = ancho;
  m_nAlto = alto;
  return *this;
}

CPlantillaDialogo& CPlantillaDialogo::Titulo(std::string_view titulo) {
  m_strTitulo = std::string(titulo);
  return *this;
}

CPlantillaDialogo& CPlantillaDialogo::Anadir(SControlDialogo control) {
  m_controles.push_back(std::move(control));
  return *this;
}

CPlantillaDialogo& CPlantillaDialogo::Estatico(int id, std::string_view texto, SRectDialogo rect) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Estatico;
  c.id = id;
  c.texto = std::string(texto);
  c.rect = rect;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Edicion(int id, SRectDialogo rect, unsigned opciones, int longitud) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Edicion;
  c.id = id;
  c.rect = rect;
  c.opciones = opciones;
  c.longitud = longitud;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Importe(int id, SRectDialogo rect, int longitud) {
  return Edicion(id, rect, kEdicionDerecha | kEdicionImporte, longitud);
}

CPlantillaDialogo& CPlantillaDialogo::Boton(int id, std::string_view texto, SRectDialogo rect) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Boton;
  c.id = id;
  c.texto = std::string(texto);
  c.rect = rect;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Aceptar(SRectDialogo rect, std::string_view texto) {
  return Boton(kIdAceptar, texto, rect);
}

CPlantillaDialogo& CPlantillaDialogo::Cancelar(SRectDialogo rect, std::string_view texto) {
  return Boton(kIdCancelar, texto, rect);
}

CPlantillaDialogo& CPlantillaDialogo::Ayuda(SRectDialogo rect, std::string_view texto) {
  return Boton(kIdBotonAyuda, texto, rect);
}

CPlantillaDialogo& CPlantillaDialogo::Casilla(int id, std::string_view texto, SRectDialogo rect) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Casilla;
  c.id = id;
  c.texto = std::string(texto);
  c.rect = rect;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Opcion(int id, std::string_view texto, SRectDialogo rect, bool primeroDeGrupo) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Opcion;
  c.id = id;
  c.texto = std::string(texto);
  c.rect = rect;
  c.primeroDeGrupo = primeroDeGrupo;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Marco(std::string_view texto, SRectDialogo rect) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Marco;
  c.texto = std::string(texto);
  c.rect = rect;
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Lista(int id, std::vector<std::string> elementos, SRectDialogo rect) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Lista;
  c.id = id;
  c.rect = rect;
  c.elementos = std::move(elementos);
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Propio(int id, SRectDialogo rect,
                                             std::function<wxWindow*(wxWindow*, int, const SRectDialogo&)> crear) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Propio;
  c.id = id;
  c.rect = rect;
  c.crear = std::move(crear);
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::CampoEdit(int id, SRectDialogo rect, CEditEx& edit) {
  SControlDialogo c;
  c.tipo = ETipoControlDialogo::Propio;
  c.id = id;
  c.rect = rect;
  c.edicion = true;
  c.crear = [&edit](wxWindow* padre, int idControl, const SRectDialogo& r) -> wxWindow* {
    const wxFont fuente = padre->GetFont();
    // One pixel inside its place: the window frames the field there.
    if (edit.CrearEnDialogo(padre, idControl, r.x + 1, r.y + 1, r.ancho - 2, r.alto - 2, &fuente) == 0) return nullptr;
    return edit.DameVentana();
  };
  return Anadir(std::move(c));
}

CPlantillaDialogo& CPlantillaDialogo::Rejilla(const std::vector<int>& ids, int entradas, int filas, int x, int y,
                                              int ancho, int alto, unsigned opcionesFila0, unsigned opciones) {
  for (int f = 0; f < filas; ++f) {
    for (int e = 0; e < entradas; ++e) {
      const std::size_t i = static_cast<std::size_t>(f) * static_cast<std::size_t>(entradas) +
                            static_cast<std::size_t>(e);
      if (i >= ids.size()) return *this;
      Edicion(ids[i], {x + e * ancho, y + f * alto, ancho, alto}, f == 0 ? opcionesFila0 : opciones);
    }
  }
  return *this;
}

const SControlDialogo* CPlantillaDialogo::Control(int id) const {
  for (const SControlDialogo& c : m_controles) {
    if (c.id == id && id != -1) return &c;
  }
  return nullptr;
}

namespace {

// A place in the Tab order: one control, or the radio buttons of a group, standing where its first control stands.
struct SPuestoTabulador {
  SRectDialogo rect;
  std::vector<std::size_t> controles;
};

bool TomaTeclado(const SControlDialogo& c) {
  return c.tipo != ETipoControlDialogo::Estatico && c.tipo != ETipoControlDialogo::Marco;
}

// A place shares the row of the row's first place when their heights overlap by more than half of the shorter height.
bool MismaFila(const SRectDialogo& a, const SRectDialogo& b) {
  const int solape = std::min(a.y + a.alto, b.y + b.alto) - std::max(a.y, b.y);
  return solape * 2 > std::min(a.alto, b.alto);
}

}  // namespace

std::vector<std::size_t> CPlantillaDialogo::OrdenLectura() const {
  std::vector<SPuestoTabulador> puestos;
  bool enGrupo = false;
  for (std::size_t i = 0; i < m_controles.size(); ++i) {
    const SControlDialogo& c = m_controles[i];
    const bool opcion = c.tipo == ETipoControlDialogo::Opcion;
    // Any other control after a radio button ends its group, as it does for the window's radio buttons.
    if (opcion && enGrupo && !c.primeroDeGrupo) {
      puestos.back().controles.push_back(i);
      continue;
    }
    enGrupo = opcion;
    if (TomaTeclado(c)) puestos.push_back(SPuestoTabulador{c.rect, {i}});
  }
  // From the top; of two starting at the same height the shorter one first, so that a tall control beside a column of
  // rows does not draw the rows below into the first.
  std::stable_sort(puestos.begin(), puestos.end(), [](const SPuestoTabulador& a, const SPuestoTabulador& b) {
    return a.rect.y != b.rect.y ? a.rect.y < b.rect.y : a.rect.alto < b.rect.alto;
  });
  std::vector<std::size_t> orden;
  for (auto fila = puestos.begin(); fila != puestos.end();) {
    auto fin = std::find_if(std::next(fila), puestos.end(),
                            [&](const SPuestoTabulador& p) { return !MismaFila(fila->rect, p.rect); });
    std::stable_sort(fila, fin,
                     [](const SPuestoTabulador& a, const SPuestoTabulador& b) { return a.rect.x < b.rect.x; });
    for (auto p = fila; p != fin; ++p) orden.insert(orden.end(), p->controles.begin(), p->controles.end());
    fila = fin;
  }
  return orden;
}

}  // namespace marco
