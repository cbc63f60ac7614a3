#include "output/InternetFichero.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <system_error>

#include "framework/BaseDatos.h"
#include "framework/ControlesPagina.h"
#include "framework/DlgMensaje.h"
#include "framework/Hallazgos.h"
#include "framework/Mensajes.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32DocReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "framework/TextosVentana.h"

namespace salida {

namespace {

// The line end of the file, whatever the system's own.
constexpr std::string_view kFinLinea = "\r\n";

// A byte that would break the line structure (a line end, a NUL) takes a blank's place, so that every field keeps
// its width and every sheet stays one line.
void LimpiarControles(std::string& valor) {
  for (char& c : valor) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = ' ';
  }
}

std::string Numero(int valor, int digitos) {
  char buffer[16];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
  std::string t(buffer, r.ptr);
  if (valor >= 0 && t.size() < static_cast<std::size_t>(digitos)) t.insert(0, digitos - t.size(), '0');
  return t;
}

}  // namespace

std::string TextoProgresoPagina(int pagina, int total) {
  return marco::TextoFijo1252("Escribiendo p\xE1gina ") + Numero(pagina, 0) + marco::TextoFijo1252(" de ") +
         Numero(total, 0);
}

char LetraSistemaInternet() { return 'I'; }

std::string TextoPaginaFalta(int pagina, int idPagina) {
  return marco::TextoFijo1252("P\xE1gina ") + Numero(pagina, 0) + " (" + Numero(idPagina, 0) + ")";
}

int MostrarResultadoInternet(EResultadoInet resultado, std::string_view extra) {
  std::string_view codigo;
  switch (resultado) {
    case EResultadoInet::ConErrores:
      codigo = kMensajeInetConErrores;
      break;
    case EResultadoInet::SinDocumento:
    case EResultadoInet::ErrorFichero:
      codigo = kMensajeInetFichero;
      break;
    case EResultadoInet::ErrorValor:
      codigo = kMensajeInetValor;
      break;
    case EResultadoInet::ErrorPagina:
      codigo = kMensajeInetPagina;
      break;
    case EResultadoInet::SinPagina:
      codigo = kMensajeInetCatalogo;
      break;
    default:
      return 0;
  }
  const int icono = resultado == EResultadoInet::ConErrores ? marco::IconoExclamacion : marco::IconoMano;
  return marco::CDlgMensaje(nullptr, nullptr).MostrarMensaje(codigo, icono, extra);
}

int CInetFichero::MostrarResultado() const {
  return MostrarResultadoInternet(
      m_resultado, m_resultado == EResultadoInet::SinPagina ? TextoPaginaFalta(m_nPaginaFalta, m_nIdPaginaFalta)
                                                            : std::string());
}

int ExistePaginaCatalogo(marco::CBaseDatos* baseDatos, int idPagina) {
  marco::CBaseDatos* bd = baseDatos != nullptr ? baseDatos : marco::DameBaseDatosLocal();
  if (bd == nullptr) return -1;
  marco::CTabla paginas(bd);
  if (paginas.Abrir(1, marco::kOrdenClave, marco::kTablaPaginas, true) == 0) return -1;
  return paginas.Buscar(marco::ClavePagina(idPagina), false, marco::kOrdenClave, false) != 0 ? 1 : 0;
}

int DeclaracionConErrores(marco::CBaseDatos* baseDatos, std::string_view clave) {
  marco::CBaseDatos* bd = baseDatos != nullptr ? baseDatos : marco::DameBaseDatosRed();
  // Without a network database there is no findings table (nor any stored declaration) to read. With one,
  // findings that cannot be read are no proof of a declaration without errors.
  if (bd == nullptr) return 0;
  {
    marco::CTabla tabla(bd);
    if (tabla.Abrir(0, marco::kOrdenHallazgos, marco::kTablaHallazgos) == 0) return 1;
  }
  for (const marco::SHallazgo& h : marco::LeerHallazgos(bd, clave)) {
    if (h.severidad >= 1) return 1;
  }
  return 0;
}

// ---- the writer base ----

void CInetFichero::CerrarFichero::operator()(std::FILE* f) const {
  if (f != nullptr) std::fclose(f);
}

CInetFichero::CInetFichero() = default;

CInetFichero::~CInetFichero() {
  Cerrar();
  QuitarTemporal();
}

void CInetFichero::PonerCancelado(int cancelado) { m_bCancelado = cancelado; }

marco::CBaseDatos* CInetFichero::BaseLocal() const {
  return m_pBaseLocal != nullptr ? m_pBaseLocal : marco::DameBaseDatosLocal();
}

marco::CBaseDatos* CInetFichero::BaseRed() const {
  return m_pBaseRed != nullptr ? m_pBaseRed : marco::DameBaseDatosRed();
}

marco::SEntornoCampo CInetFichero::Entorno() const {
  marco::SEntornoCampo entorno;
  entorno.idiomaImpresion = marco::LetraIdiomaI();
  return entorno;
}

int CInetFichero::ExistePagina(int idPagina) { return ExistePaginaCatalogo(BaseLocal(), idPagina); }

int CInetFichero::Generar(const std::filesystem::path& fichero) {
  m_resultado = EResultadoInet::SinEmpezar;
  m_strFichero = fichero;
  m_bCancelado = 0;
  m_strValorP.clear();
  m_bErrorEscritura = false;
  m_nPaginaFalta = 0;
  m_nIdPaginaFalta = 0;

  if (m_pDocumento == nullptr) {
    PonerResultado(EResultadoInet::SinDocumento);
    return 0;
  }
  // An error among the findings forbids the file; the filing command validated the declaration just before.
  if (DeclaracionConErrores(BaseRed(), m_pDocumento->DameClaveDeclaracion()) != 0) {
    PonerResultado(EResultadoInet::ConErrores);
    return 0;
  }
  PrepararPaginas();
  if (ComprobarPaginas() == 0) return 0;
  if (AbrirTemporal() == 0) {
    PonerResultado(EResultadoInet::ErrorFichero);
    return 0;
  }

  const int escrito = EscribirPaginas();
  LiberarPagina();
  m_bCancelado = 0;
  if (escrito == 0 || m_bErrorEscritura) {
    PonerResultado(EResultadoInet::ErrorFichero);  // when no step said why
    Cerrar();
    QuitarTemporal();
    return 0;
  }
  if (PonerEnSuSitio() == 0) {
    PonerResultado(EResultadoInet::ErrorFichero);
    QuitarTemporal();
    return 0;
  }
  PonerResultado(EResultadoInet::Escrito);
  return 1;
}

int CInetFichero::ComprobarPaginas() {
  const int total = NumeroPaginas();
  for (int pagina = 1; pagina <= total; ++pagina) {
    const int id = IdCatalogo(pagina);
    if (id == 0) continue;
    const int existe = ExistePagina(id);
    if (existe < 0) {
      // Without the catalogue nothing can say the file would be whole.
      PonerResultado(EResultadoInet::ErrorPagina);
      return 0;
    }
    if (existe == 0) {
      m_nPaginaFalta = pagina;
      m_nIdPaginaFalta = id;
      PonerResultado(EResultadoInet::SinPagina);
      return 0;
    }
  }
  return 1;
}

int CInetFichero::EscribirPaginas() {
  const int total = NumeroPaginas();
  const std::string clave = m_pDocumento != nullptr ? m_pDocumento->DameClaveDeclaracion() : std::string();
  for (int i = 0; i < total; ++i) {
    if (m_pProgreso != nullptr) m_pProgreso->MostrarPagina(clave, TituloPaginas(), TextoProgresoPagina(i + 1, total));
    if (EscribirPagina(i) == 0) {
      PonerCancelado(0);
      return 0;
    }
    if (m_pProgreso != nullptr) m_pProgreso->Bombear();
    if (EstaCancelado() != 0) {
      PonerResultado(EResultadoInet::Cancelado);
      PonerCancelado(0);
      return 0;
    }
  }
  return 1;
}

int CInetFichero::EscribirPagina(int indice) {
  const int pagina = indice + 1;
  const int id = IdCatalogo(pagina);
  if (id == 0) return 1;
  // The run began with every page in the catalogue; one gone since then still never leaves the file short.
  const int existe = ExistePagina(id);
  if (existe <= 0) {
    m_nPaginaFalta = pagina;
    m_nIdPaginaFalta = id;
    PonerResultado(existe < 0 ? EResultadoInet::ErrorPagina : EResultadoInet::SinPagina);
    return 0;
  }
  const int crear = CrearCamposPagina(pagina);
  if (crear < 0) {
    LiberarPagina();
    PonerResultado(EResultadoInet::ErrorPagina);
    return 0;
  }
  if (crear != 1 || m_pCampos == nullptr) {
    LiberarPagina();
    return 1;
  }
  const int r = EscribirHojas(pagina);
  LiberarPagina();
  return r;
}

int CInetFichero::CargarCamposPagina(int idPagina) {
  LiberarPagina();
  if (m_pDocumento == nullptr) return 0;
  m_pCampos = m_pDocumento->CrearControlesPagina(idPagina);
  // A page the run must write (or must look into to know) that has no box array would leave the file short of it.
  if (m_pCampos == nullptr) return -1;
  // A page whose boxes cannot be read would be written without them: the run stops instead.
  if (m_pCampos->CargarVariante(idPagina, 1.0, BaseLocal()) == 0) {
    LiberarPagina();
    return -1;
  }
  m_pCampos->Refrescar();
  m_pDocumento->ControlesCargados(idPagina, *m_pCampos);
  return 1;
}

int CInetFichero::EscribirHojas(int pagina) {
  if (m_pCampos == nullptr) return 0;
  for (int hoja = 1; m_pCampos->AvisoGrupo(hoja, 0) == 1; ++hoja) {
    if (hoja > kMaximoHojasPagina) {
      PonerResultado(EResultadoInet::ErrorPagina);
      return 0;
    }
    m_pCampos->CamposDerivados(hoja);
    LiberarLista();
    if (EscribirCabecera(pagina, hoja == 1 ? 0 : 1) == 0) return 0;
    const char marca = hoja == 1 ? kMarcaPrimeraHoja : kMarcaHojaSiguiente;
    if (EscribirTexto(std::string_view(&marca, 1)) == 0 || EscribirElementos() == 0 || EscribirTexto(kFinLinea) == 0) {
      return 0;
    }
  }
  LiberarLista();
  return 1;
}

int CInetFichero::EscribirCabecera(int pagina, int /*modelo*/) {
  if (RecogerCampos() == 0) return 0;
  return EscribirModeloPagina(NumeroModelo(), pagina);
}

int CInetFichero::ValorCampoP() {
  // One letter for every such field: a value that grew from field to field would shift every field after it.
  m_strValorP.assign(1, LetraSistemaInternet());
  return 1;
}

int CInetFichero::RecogerCampos() {
  LiberarLista();
  if (m_pCampos == nullptr) return 0;

  // Every numbered box, in array order. Boxes with no number (999, or none at all) are not written.
  std::vector<CInetObj> numerados;
  for (int i = 0; i < m_pCampos->NumeroCampos(); ++i) {
    const marco::CCampo* campo = m_pCampos->Campo(i);
    if (campo == nullptr || campo->Idinternet == kOrdenNoEscrito || campo->Idinternet <= 0) continue;
    CInetObj obj;
    obj.m_nOrden = campo->Idinternet;
    obj.m_nCampo = campo->IndNumero;
    numerados.push_back(std::move(obj));
  }

  // Numbers 1 to n, the first box of each number; a number above n, and a second box of a number, are not
  // written, so the file always holds the fields the page's numbering says, in their places.
  const int n = static_cast<int>(numerados.size());
  const marco::SEntornoCampo entorno = Entorno();
  std::vector<CInetObj> elementos;
  for (int k = 1; k <= n; ++k) {
    const CInetObj* item = nullptr;
    for (const CInetObj& obj : numerados) {
      if (obj.m_nOrden == k) {
        item = &obj;
        break;
      }
    }
    if (item == nullptr) continue;
    marco::CCampo* campo = m_pCampos->Campo(marco::CControlesPagina::PosicionDeNumero(item->m_nCampo));
    if (campo == nullptr) {
      PonerResultado(EResultadoInet::ErrorPagina);
      return 0;
    }
    CInetObj obj = *item;
    const std::string_view formato(campo->fminternet);
    if (formato.size() >= 4 && formato[3] == kClaseValorEscritor) {
      ValorCampoP();
      obj.m_strValor = m_strValorP;
    } else {
      obj.m_strValor = campo->FormatearParaFichero(formato, entorno);
      if (obj.m_strValor == marco::kTextoErrorFichero) {
        PonerResultado(EResultadoInet::ErrorValor);
        return 0;
      }
    }
    LimpiarControles(obj.m_strValor);
    elementos.push_back(std::move(obj));
  }
  m_pElementos = std::move(elementos);
  return 1;
}

int CInetFichero::EscribirModeloPagina(int modelo, int pagina) {
  return EscribirTexto(Numero(modelo, 0) + Numero(pagina, 2));
}

int CInetFichero::EscribirElementos() {
  for (const CInetObj& obj : m_pElementos) {
    if (EscribirTexto(obj.m_strValor) == 0) return 0;
  }
  return 1;
}

int CInetFichero::EscribirTexto(std::string_view texto) {
  if (m_pFichero == nullptr) {
    m_bErrorEscritura = true;
    PonerResultado(EResultadoInet::ErrorFichero);
    return 0;
  }
  if (!texto.empty() && std::fwrite(texto.data(), 1, texto.size(), m_pFichero.get()) != texto.size()) {
    m_bErrorEscritura = true;
    PonerResultado(EResultadoInet::ErrorFichero);
    return 0;
  }
  return 1;
}

void CInetFichero::LiberarPagina() {
  if (m_pCampos != nullptr) m_pCampos->Liberar();
  m_pCampos.reset();
  LiberarLista();
}

int CInetFichero::Cerrar() {
  m_pFichero.reset();
  return 1;
}

// ---- the temporary file ----

int CInetFichero::AbrirTemporal() {
  Cerrar();
  QuitarTemporal();
  const std::filesystem::path nombre = m_strFichero.filename();
  if (nombre.empty() || nombre == "." || nombre == "..") return 0;
  std::filesystem::path carpeta = m_strFichero.parent_path();
  if (carpeta.empty()) carpeta = ".";
  std::string plantilla = (carpeta / ("." + nombre.string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(plantilla.data());
  if (fd < 0) return 0;
  m_temporal = plantilla;

  // The file gets the permissions an existing file of that name has, or the usual ones of a new file.
  struct stat datos {};
  const mode_t modo = ::stat(m_strFichero.c_str(), &datos) == 0 && S_ISREG(datos.st_mode) ? (datos.st_mode & 07777) : 0644;
  ::fchmod(fd, modo);

  std::FILE* f = ::fdopen(fd, "wb");
  if (f == nullptr) {
    ::close(fd);
    QuitarTemporal();
    return 0;
  }
  m_pFichero.reset(f);
  return 1;
}

int CInetFichero::PonerEnSuSitio() {
  std::FILE* f = m_pFichero.release();
  if (f == nullptr) return 0;
  bool bien = std::fflush(f) == 0;
  bien = ::fsync(::fileno(f)) == 0 && bien;
  bien = std::fclose(f) == 0 && bien;
  if (!bien) return 0;
  std::error_code ec;
  std::filesystem::rename(m_temporal, m_strFichero, ec);
  if (ec) return 0;
  m_temporal.clear();
  return 1;
}

void CInetFichero::QuitarTemporal() {
  if (m_temporal.empty()) return;
  std::error_code ec;
  std::filesystem::remove(m_temporal, ec);
  m_temporal.clear();
}

}  // namespace salida
