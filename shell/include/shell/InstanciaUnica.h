// One running program per user and profile: the first instance holds a lock and listens on a local socket; a later
// one finds the lock, asks the first to bring its window forward and ends.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

class wxSingleInstanceChecker;

namespace shell {

class CServidorInstancia;

class CInstanciaUnica {
 public:
  // `carpeta`: where the lock and the socket live (the profile's folder, so each profile is one instance).
  explicit CInstanciaUnica(const std::filesystem::path& carpeta);
  ~CInstanciaUnica();
  CInstanciaUnica(const CInstanciaUnica&) = delete;
  CInstanciaUnica& operator=(const CInstanciaUnica&) = delete;

  // True when another instance holds the lock.
  bool HayOtraInstancia() const;
  // Asks the other instance to come forward; false when it did not answer or could not come forward.
  bool ActivarOtraInstancia() const;
  // As the first instance: answers later instances by running `activar` (bring the main window forward; false
  // when there is no window to bring).
  void Escuchar(std::function<bool()> activar);

 private:
  std::filesystem::path m_socket;
  std::unique_ptr<wxSingleInstanceChecker> m_pComprobador;
  std::unique_ptr<CServidorInstancia> m_pServidor;
};

}  // namespace shell
