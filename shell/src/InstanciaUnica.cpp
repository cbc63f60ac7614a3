#include "shell/InstanciaUnica.h"

#include <system_error>

#include <wx/ipc.h>
#include <wx/snglinst.h>

namespace shell {

namespace {

constexpr const char* kTema = "korvelix";
constexpr const char* kOrdenActivar = "activar";

class CConexionInstancia : public wxConnection {
 public:
  explicit CConexionInstancia(const std::function<bool()>* activar) : m_pActivar(activar) {}
  // False when this instance could not come forward, so the one asking tells its user.
  bool OnExec(const wxString& /*tema*/, const wxString& orden) override {
    if (orden != kOrdenActivar || m_pActivar == nullptr || !*m_pActivar) return false;
    return (*m_pActivar)();
  }

 private:
  const std::function<bool()>* m_pActivar;
};

}  // namespace

class CServidorInstancia : public wxServer {
 public:
  explicit CServidorInstancia(std::function<bool()> activar) : m_activar(std::move(activar)) {}
  wxConnectionBase* OnAcceptConnection(const wxString& tema) override {
    if (tema != kTema) return nullptr;
    return new CConexionInstancia(&m_activar);  // wxWidgets owns a connection it accepted
  }

 private:
  std::function<bool()> m_activar;
};

CInstanciaUnica::CInstanciaUnica(const std::filesystem::path& carpeta)
    : m_socket(carpeta / ".korvelix-instancia"),
      m_pComprobador(std::make_unique<wxSingleInstanceChecker>()) {
  std::error_code ec;
  std::filesystem::create_directories(carpeta, ec);
  m_pComprobador->Create(wxS(".korvelix-instancia.lock"), wxString::FromUTF8(carpeta.string()));
}

CInstanciaUnica::~CInstanciaUnica() {
  if (m_pServidor) {
    m_pServidor.reset();
    std::error_code ec;
    std::filesystem::remove(m_socket, ec);
  }
}

bool CInstanciaUnica::HayOtraInstancia() const { return m_pComprobador->IsAnotherRunning(); }

bool CInstanciaUnica::ActivarOtraInstancia() const {
  wxClient cliente;
  std::unique_ptr<wxConnectionBase> conexion(
      cliente.MakeConnection(wxS("localhost"), wxString::FromUTF8(m_socket.string()), kTema));
  if (!conexion) return false;
  const bool hecho = conexion->Execute(kOrdenActivar);
  conexion->Disconnect();
  return hecho;
}

void CInstanciaUnica::Escuchar(std::function<bool()> activar) {
  // A socket left by an instance that ended without cleaning up would refuse the new server.
  std::error_code ec;
  std::filesystem::remove(m_socket, ec);
  auto servidor = std::make_unique<CServidorInstancia>(std::move(activar));
  if (servidor->Create(wxString::FromUTF8(m_socket.string()))) m_pServidor = std::move(servidor);
}

}  // namespace shell
