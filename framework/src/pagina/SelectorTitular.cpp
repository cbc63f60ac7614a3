#include "framework/SelectorTitular.h"

#include <array>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "platform/Texto.h"

namespace marco {

namespace {

const STitular* TitularDeLetra(char letra) {
  for (const STitular& t : kTitulares) {
    if (t.letra == letra) return &t;
  }
  return nullptr;
}

const STitular* TitularDeTexto(std::string_view texto) {
  for (const STitular& t : kTitulares) {
    if (t.texto == texto) return &t;
  }
  return nullptr;
}

constexpr std::string_view kTextoBlanco = " ";

}  // namespace

int CodigoTitularTecleado(std::string_view texto, int modo, bool conyuge, bool hijo1, bool hijo2) {
  const std::string_view t = plataforma::Recorta(texto);
  if (t.empty()) return 0;
  if (t.size() != 1) return -1;
  char letra = t[0];
  if (letra >= 'a' && letra <= 'z') letra = static_cast<char>(letra - 'a' + 'A');
  if (LetrasModoTitular(modo).find(letra) == std::string_view::npos) return -1;
  for (const STitular& d : kTitulares) {
    if (d.letra != letra || d.codigo == 0) continue;
    const bool presente = d.codigo == kSujetoUnidadFamiliar || d.codigo == kSujetoConyuge ? conyuge
                          : d.codigo == kSujetoHijo1                                     ? hijo1
                          : d.codigo == kSujetoHijo2                                     ? hijo2
                                                                                         : true;
    return presente ? d.codigo : -1;
  }
  return -1;
}

std::string_view LetrasModoTitular(int modo) {
  static constexpr std::array<std::string_view, 6> kLetras{"ODC12", "D", "DC", "ODC", "DC12", "ODC12"};
  if (modo < 0 || modo >= static_cast<int>(kLetras.size())) return {};
  return kLetras[static_cast<std::size_t>(modo)];
}


// ---- construction ----

CTitularEdit::CTitularEdit(CCampo& campo, CBaseDatos* baseDatos)
    : CListaEdit(campo, baseDatos), m_nModo(campo.Repeticion) {
  PonerLongitudMaxima(1);
}

CTitularEdit::CTitularEdit(int modo, CBaseDatos* baseDatos) : CListaEdit(1, baseDatos), m_nModo(modo) {
  if (CCampo* campo = DameCampo()) {
    campo->StrValidac = "T1";
    campo->LeerMascara(kMonedaPesetas);
  }
  PonerLongitudMaxima(1);
}

// ---- the rules ----

bool CTitularEdit::VistaFamiliar() { return DameSujetoActual() == kSujetoUnidadFamiliar; }

bool CTitularEdit::LetraPermitida(char letra) const {
  if (letra == '\0' || LetrasModoTitular(m_nModo).find(letra) == std::string_view::npos) return false;
  return letra != 'O' || DameSujetoPresente(kSujetoConyuge) != 0;
}

bool CTitularEdit::TitularAdmitido(char letra) const {
  if (letra == ' ') return true;
  if (!LetraPermitida(letra)) return false;
  const STitular* titular = TitularDeLetra(letra);
  return titular != nullptr && titular->codigo >= 1 && DameSujetoPresente(titular->codigo) != 0;
}

std::uint8_t* CTitularEdit::Byte() const {
  const CCampo* campo = DameCampo();
  return campo != nullptr ? static_cast<std::uint8_t*>(campo->Dato) : nullptr;
}

std::string_view CTitularEdit::TextoCodigo(int codigo) {
  if (codigo < 1 || codigo > 5) return kTextoBlanco;
  if (!VistaFamiliar()) return kTitulares[kSujetoDeclarante].texto;
  return kTitulares[static_cast<std::size_t>(codigo)].texto;
}

void CTitularEdit::MostrarTitular(std::string_view texto) {
  if (CCampo* campo = DameCampo()) campo->Texto = std::string(texto);
  PonerTexto(texto);
}

// ---- CEditEx ----

int CTitularEdit::AsignarDato(void* dato) {
  CListaEdit::AsignarDato(dato);
  return 1;
}

unsigned CTitularEdit::DameEstilo() { return CListaEdit::DameEstilo() & ~kEstiloSoloLectura; }

int CTitularEdit::GuardarValor() { return Byte() != nullptr ? 1 : 0; }

void CTitularEdit::MostrarValor(int) {
  std::uint8_t* byte = Byte();
  if (byte == nullptr) return;
  if (*byte > 5) *byte = 0;
  const bool modificado = EstaModificado();
  MostrarTitular(TextoCodigo(*byte));
  PonerModificado(modificado);
  PonerLongitudMaxima(1);
}

int CTitularEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int r = CListaEdit::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  std::uint8_t* byte = Byte();
  if (r != 1 || byte == nullptr) return r;
  const char letra = plataforma::Mayusculas1252(std::string(1, static_cast<char>(caracter))).front();
  const STitular* titular = TitularDeLetra(letra);
  if (titular == nullptr || titular->codigo == 0 || !LetraPermitida(letra)) return 1;

  std::string_view texto;
  if (!VistaFamiliar()) {
    // On a member's page only the declarant is taken, and it means the person shown.
    if (letra != 'D') return 1;
    *byte = static_cast<std::uint8_t>(SujetoActual());
    texto = kTitulares[kSujetoDeclarante].texto;
  } else {
    if (!TitularAdmitido(letra)) return 1;
    *byte = static_cast<std::uint8_t>(titular->codigo);
    texto = titular->texto;
  }
  const std::uint8_t guardado = *byte;
  const std::weak_ptr<bool> vivo = m_pVivoLista;
  PonerModificado(true);
  Notificar(kAvisoValorCambiado);
  if (vivo.expired()) return 2;
  if (*byte != guardado) {
    // The page changed the value in answer: its value is shown.
    texto = TextoCodigo(*byte);
    PonerModificado(false);
  } else {
    PonerModificado(true);
  }
  MostrarTitular(texto);
  return 2;
}

int CTitularEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  switch (tecla) {
    case kTeclaArriba:
    case kTeclaAbajo:
      return 0;
    case kTeclaSuprimir: {
      // A member's box of the family unit keeps its holder (WINR007).
      if (CEditEx::ProcesarTecla(tecla, repeticiones, banderas) == 1 || Bloqueado()) return 1;
      std::uint8_t* byte = Byte();
      if (byte == nullptr) return 1;
      PonerTexto(kTextoBlanco);
      *byte = 0;
      const std::weak_ptr<bool> vivo = m_pVivoLista;
      Notificar(kAvisoValorCambiado);
      if (vivo.expired()) return 2;
      std::string_view texto = kTextoBlanco;
      if (*byte == 0) {
        PonerModificado(true);
        Notificar(kAvisoValorCambiado);
        if (vivo.expired()) return 2;
      }
      if (*byte != 0) {
        texto = TextoCodigo(*byte);
        PonerModificado(false);
      }
      MostrarTitular(texto);
      // Handled either way; erasing never beeps.
      return 2;
    }
    default:
      return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
  }
}

// ---- CListaEdit ----

int CTitularEdit::LlenarDesplegable() {
  if (VistaFamiliar()) {
    for (const STitular& t : kTitulares) {
      if (TitularAdmitido(t.letra)) AnadirEntrada(std::string(t.texto), {});
    }
  } else {
    AnadirEntrada(std::string(kTitularBorrar), {});
    AnadirEntrada(std::string(kTitulares[kSujetoDeclarante].texto), {});
  }
  int seleccion = -1;
  if (const std::uint8_t* byte = Byte(); byte != nullptr && *byte <= 5) {
    const std::string_view buscado = kTitulares[*byte].texto;
    for (std::size_t i = 0; i < Entradas().size(); ++i) {
      if (Entradas()[i].texto == buscado) {
        seleccion = static_cast<int>(i);
        break;
      }
    }
  }
  SeleccionarEntrada(seleccion);
  return 1;
}

int CTitularEdit::AceptarSeleccion() {
  const int indice = EntradaSeleccionada();
  std::uint8_t* byte = Byte();
  if (indice < 0 || byte == nullptr) return 0;
  const STitular* titular = TitularDeTexto(Entradas()[static_cast<std::size_t>(indice)].texto);
  if (titular == nullptr || titular->codigo == *byte) return 0;
  std::string_view texto;
  if (titular->codigo == 0) {
    *byte = 0;
    texto = kTextoBlanco;
  } else if (VistaFamiliar()) {
    *byte = static_cast<std::uint8_t>(titular->codigo);
    texto = titular->texto;
  } else {
    *byte = static_cast<std::uint8_t>(SujetoActual());
    texto = kTitulares[kSujetoDeclarante].texto;
  }
  MostrarTitular(texto);
  PonerModificado(true);
  MarcarDeclaracionModificada();
  return 1;
}

}  // namespace marco
