#include "framework/DialogoPlantilla.h"

#include <algorithm>
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

std::vector<int> CPlantillaDialogo::IdsEnOrdenDeLectura() const {
  std::vector<const SControlDialogo*> controles;
  for (const SControlDialogo& c : m_controles) {
    if (c.id != -1) controles.push_back(&c);
  }
  std::stable_sort(controles.begin(), controles.end(),
                   [](const SControlDialogo* a, const SControlDialogo* b) { return a->rect.y < b->rect.y; });
  // Rows: a control joins the row of the first control before it whose height it shares by more than half.
  std::vector<std::vector<const SControlDialogo*>> filas;
  for (const SControlDialogo* c : controles) {
    if (!filas.empty()) {
      const SRectDialogo& p = filas.back().front()->rect;
      const int solape = std::min(p.y + p.alto, c->rect.y + c->rect.alto) - std::max(p.y, c->rect.y);
      if (solape * 2 > std::min(p.alto, c->rect.alto)) {
        filas.back().push_back(c);
        continue;
      }
    }
    filas.push_back({c});
  }
  std::vector<int> ids;
  for (auto& fila : filas) {
    std::stable_sort(fila.begin(), fila.end(),
                     [](const SControlDialogo* a, const SControlDialogo* b) { return a->rect.x < b->rect.x; });
    for (const SControlDialogo* c : fila) ids.push_back(c->id);
  }
  return ids;
}

}  // namespace marco
