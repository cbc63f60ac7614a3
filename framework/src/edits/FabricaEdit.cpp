#include "framework/FabricaEdit.h"

#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "framework/EditNumerico.h"
#include "framework/EditTexto.h"

namespace marco {

namespace {

std::size_t Indice(EClaseEdit clase) { return static_cast<std::size_t>(clase); }

// True when the box's value is characters, which the plain edit may write.
bool ValorDeCaracteres(char letra) {
  switch (letra) {
    case 'B': case 'C': case 'D': case 'F': case 'I': case 'M': case 'R': case 'T':
      return false;
    default:
      return true;
  }
}

template <typename T>
FCreadorEdit Creador() {
  return [](CCampo& campo, CBaseDatos*) -> std::unique_ptr<CEditEx> { return std::make_unique<T>(campo); };
}

}  // namespace

std::string_view NombreClaseEdit(EClaseEdit clase) {
  static constexpr std::array<std::string_view, kNumeroClasesEdit> kNombres{
      "CEditEx",         "CAlfaEdit",          "CCasillaEdit",      "CEditDialogo",      "CContadorEdit",
      "CFechaEdit",      "CSelEpigraf",        "CDoubleEdit",       "CImporteDetalleEdit", "CCodigoDescripcion",
      "CEnteroEdit",     "CListaEdit",         "CModsProductoEdit", "CModsEmpreEdit",    "CMoneda",
      "CMonedaDetalle",  "CTitularEdit",       "CANumEdit",         "CSelStrEdit",       "CSelClaveEdit",
      "CSelIAEEdit",
  };
  return kNombres[Indice(clase)];
}

EClaseEdit ClaseEditSustituta(EClaseEdit clase) {
  switch (clase) {
    case EClaseEdit::EditDialogo: return EClaseEdit::CasillaEdit;
    case EClaseEdit::ImporteDetalleEdit: return EClaseEdit::DoubleEdit;
    case EClaseEdit::MonedaDetalle: return EClaseEdit::Moneda;
    case EClaseEdit::SelEpigraf:
    case EClaseEdit::CodigoDescripcion:
    case EClaseEdit::ListaEdit:
    case EClaseEdit::SelStrEdit:
    case EClaseEdit::SelClaveEdit:
    case EClaseEdit::SelIAEEdit:
      return EClaseEdit::EditEx;
    default:
      return clase;
  }
}

EClaseEdit ElegirClaseEdit(const CCampo& campo) {
  const bool ventana = !campo.NombreVent.empty();
  const bool enlace = campo.Enlace != nullptr;
  const bool detalle = ventana && enlace;
  switch (campo.Letra()) {
    case 'A': return EClaseEdit::AlfaEdit;
    case 'B': return detalle ? EClaseEdit::EditDialogo : EClaseEdit::CasillaEdit;
    case 'C': return EClaseEdit::ContadorEdit;
    case 'D': return EClaseEdit::FechaEdit;
    case 'E': return enlace ? EClaseEdit::SelEpigraf : EClaseEdit::EditEx;
    case 'F': return detalle ? EClaseEdit::ImporteDetalleEdit : EClaseEdit::DoubleEdit;
    case 'G': return EClaseEdit::CodigoDescripcion;
    case 'I': return EClaseEdit::EnteroEdit;
    case 'L': return EClaseEdit::ListaEdit;
    case 'M': return campo.Repeticion == 1 ? EClaseEdit::ModsProductoEdit : EClaseEdit::ModsEmpreEdit;
    case 'R': return detalle ? EClaseEdit::MonedaDetalle : EClaseEdit::Moneda;
    case 'T': return EClaseEdit::TitularEdit;
    case 'Z': return EClaseEdit::ANumEdit;
    default:
      if (!detalle) return EClaseEdit::EditEx;
      if (campo.Decimales == -1) return EClaseEdit::SelStrEdit;
      return campo.Repeticion == 1 ? EClaseEdit::SelClaveEdit : EClaseEdit::SelIAEEdit;
  }
}

CFabricaEdit::CFabricaEdit() {
  Registrar(EClaseEdit::EditEx, Creador<CEditEx>());
  Registrar(EClaseEdit::AlfaEdit, Creador<CAlfaEdit>());
  Registrar(EClaseEdit::ANumEdit, Creador<CANumEdit>());
  Registrar(EClaseEdit::DoubleEdit, Creador<CDoubleEdit>());
  Registrar(EClaseEdit::Moneda, Creador<CMoneda>());
  Registrar(EClaseEdit::EnteroEdit, Creador<CEnteroEdit>());
  Registrar(EClaseEdit::ContadorEdit, Creador<CContadorEdit>());
}

void CFabricaEdit::Registrar(EClaseEdit clase, FCreadorEdit creador) { m_creadores[Indice(clase)] = std::move(creador); }

bool CFabricaEdit::EstaRegistrada(EClaseEdit clase) const { return static_cast<bool>(m_creadores[Indice(clase)]); }

std::unique_ptr<CEditEx> CFabricaEdit::Crear(CCampo& campo, CBaseDatos* baseLocal) const {
  return CrearClase(ElegirClaseEdit(campo), campo, baseLocal);
}

std::unique_ptr<CEditEx> CFabricaEdit::CrearClase(EClaseEdit clase, CCampo& campo, CBaseDatos* baseLocal) const {
  for (EClaseEdit intento = clase;;) {
    if (const FCreadorEdit& creador = m_creadores[Indice(intento)]) {
      if (std::unique_ptr<CEditEx> edit = creador(campo, baseLocal)) return edit;
    }
    const EClaseEdit siguiente = ClaseEditSustituta(intento);
    if (siguiente == intento) break;
    intento = siguiente;
  }
  auto edit = std::make_unique<CEditEx>(campo);
  if (!ValorDeCaracteres(campo.Letra())) edit->PonerSoloLectura(true);
  return edit;
}

CFabricaEdit& FabricaEdit() {
  static CFabricaEdit fabrica;
  return fabrica;
}

}  // namespace marco
