// The store of declarations used by several processes at once, as several users of one shared folder use it:
// saves that take turns instead of refusing each other, a saving process killed at any moment, and two users
// adding one name at the same time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "AlmacenContenido.h"
#include "AlmacenPrueba.h"
#include "ProcesoAyudante.h"
#include "platform/Registros.h"

namespace {

using pruebasalmacen::AlmacenTest;
using pruebasalmacen::ContenidoGuardado;

class AlmacenProcesos : public AlmacenTest {
 protected:
  std::unique_ptr<pruebas::CAyudante> Usuario(std::vector<std::string> args) {
    args.insert(args.begin() + 1, {(m_dir / "red").string(), (m_dir / "local").string()});
    return std::make_unique<pruebas::CAyudante>(KORVELIX_AYUDANTE_ALMACEN, std::move(args));
  }

  static std::string Nombre(const std::string& prefijo, int i) {
    return shell::NombreAlmacen(prefijo + "-" + std::to_string(i));
  }

  // Reads a user's lines to its end: the saves it reported (name -> last save number) and what else it said.
  static void Leer(pruebas::CAyudante& usuario, const std::string& prefijo, std::map<std::string, long>& ultimos,
                   std::vector<std::string>& otras, long* guardadas = nullptr, int hasta = -1) {
    int leidas = 0;
    for (std::string linea; leidas != hasta && !(linea = usuario.Linea()).empty(); ++leidas) {
      int i = 0;
      long s = 0;
      if (std::sscanf(linea.c_str(), "GUARDADA %d %ld", &i, &s) == 2) {
        long& ultimo = ultimos[Nombre(prefijo, i)];
        ultimo = std::max(ultimo, s);
        if (guardadas != nullptr) ++*guardadas;
      } else {
        otras.push_back(linea);
      }
    }
  }

  // Every table opens; every row is whole; every declaration reported saved holds that save or a later one
  // (exactly that one with `exacto`); one live row per name; one whole finding per declaration.
  void Comprobar(const std::map<std::string, long>& ultimos, bool exacto) {
    std::string error;
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec(), {}, 1, &error);
    ASSERT_TRUE(t) << error;
    t->OcultarBorrados(true);
    std::map<std::string, long> guardados;
    for (t->Primero(); !t->FinDeFichero(); t->Saltar(1)) {
      const std::string clave = t->LeerTexto("clave");
      ASSERT_FALSE(shell::NombreEnBlanco(clave)) << "registro " << t->NumeroRegistro();
      ASSERT_EQ(guardados.count(clave), 0u) << "dos filas de " << clave;
      std::vector<char> datos(static_cast<std::size_t>(std::max(0L, t->LongitudBinario("datos"))));
      ASSERT_EQ(t->LeerBinario("datos", datos), static_cast<long>(datos.size()));
      if (std::all_of(datos.begin(), datos.end(), [](char c) { return c == '\0'; })) {
        // Added, never saved: the row the index adds, key, type and a blank data area.
        EXPECT_EQ(t->LeerEntero("tipodec"), 2) << clave;
        guardados[clave] = 0;
        continue;
      }
      const std::string idioma = t->LeerTexto("idioma");
      const long s = ContenidoGuardado::Guardado(clave, static_cast<std::int32_t>(t->LeerEntero("tipodec")),
                                                 idioma.empty() ? '\0' : idioma[0], datos);
      ASSERT_GE(s, 1) << "fila a medias: " << clave;
      guardados[clave] = s;
    }
    for (const auto& [clave, ultimo] : ultimos) {
      ASSERT_EQ(guardados.count(clave), 1u) << "perdida: " << clave;
      if (exacto) {
        EXPECT_EQ(guardados[clave], ultimo) << clave;
      } else {
        EXPECT_GE(guardados[clave], ultimo) << clave;
      }
    }

    auto h = plataforma::CTablaRegistros::Abrir(m_dir / "red" / "Corregix.DBF", {}, 1, &error);
    ASSERT_TRUE(h) << error;
    h->OcultarBorrados(true);
    std::set<std::string> conHallazgo;
    for (h->Primero(); !h->FinDeFichero(); h->Saltar(1)) {
      const std::string clave = h->LeerTexto("clave");
      ASSERT_TRUE(conHallazgo.insert(clave).second) << "dos hallazgos de " << clave;
      ASSERT_EQ(guardados.count(clave), 1u) << "hallazgo sin declaración: " << clave;
      EXPECT_EQ(std::string(plataforma::RecortaDerecha(h->LeerTexto("coderror"))), "PRU001") << clave;
      EXPECT_EQ(h->LeerEntero("tipdecla"), 4) << clave;
      EXPECT_EQ(h->LeerEntero("vista"), h->LeerEntero("numcontr")) << "hallazgo a medias: " << clave;
    }
    if (exacto) {
      for (const auto& [clave, ultimo] : ultimos) EXPECT_EQ(conHallazgo.count(clave), 1u) << clave;
    }
  }
};

TEST_F(AlmacenProcesos, DosUsuariosGuardanALaVezYNingunoSeRechaza) {
  constexpr int kDeclaraciones = 10;
  constexpr long kGuardados = 200;
  auto a = Usuario({"guardar", "A", std::to_string(kDeclaraciones), std::to_string(kGuardados)});
  auto b = Usuario({"guardar", "B", std::to_string(kDeclaraciones), std::to_string(kGuardados)});
  ASSERT_TRUE(a->Vivo());
  ASSERT_TRUE(b->Vivo());
  std::map<std::string, long> ultimos;
  std::vector<std::string> otrasA;
  std::vector<std::string> otrasB;
  long guardadasA = 0;
  long guardadasB = 0;
  Leer(*a, "A", ultimos, otrasA, &guardadasA);
  Leer(*b, "B", ultimos, otrasB, &guardadasB);
  EXPECT_EQ(a->Terminar(), 0);
  EXPECT_EQ(b->Terminar(), 0);
  // Every save succeeded: nothing was refused, nobody was asked anything.
  EXPECT_EQ(guardadasA, kGuardados);
  EXPECT_EQ(guardadasB, kGuardados);
  EXPECT_EQ(otrasA, (std::vector<std::string>{"FIN"}));
  EXPECT_EQ(otrasB, (std::vector<std::string>{"FIN"}));
  EXPECT_EQ(ultimos.size(), 2u * kDeclaraciones);
  Comprobar(ultimos, true);
}

TEST_F(AlmacenProcesos, UnUsuarioMatadoMientrasGuardaNoDejaNadaAMedias) {
  std::mt19937 azar(19990615);
  std::map<std::string, long> ultimos;
  for (int vuelta = 1; vuelta <= 50; ++vuelta) {
    std::vector<std::string> otras;
    {
      auto u = Usuario({"guardar", "M", "5", "0"});
      ASSERT_TRUE(u->Vivo());
      // The save numbers start again from 1 in each run: those of this run are what it reported.
      std::map<std::string, long> deEstaVuelta;
      // Killed at a random moment once it saves, however long a busy machine takes to start it.
      Leer(*u, "M", deEstaVuelta, otras, nullptr, 1);
      std::this_thread::sleep_for(std::chrono::milliseconds(azar() % 120));
      u->Matar();
      Leer(*u, "M", deEstaVuelta, otras);
      for (const auto& [clave, s] : deEstaVuelta) ultimos[clave] = s;
      if (!deEstaVuelta.empty()) {
        // Names not saved in this run keep what an earlier one saved, or one a killed save was writing.
        std::map<std::string, long> comprobar = deEstaVuelta;
        ASSERT_NO_FATAL_FAILURE(Comprobar(comprobar, false)) << "vuelta " << vuelta;
      }
    }
    for (const std::string& linea : otras) ADD_FAILURE() << "vuelta " << vuelta << ": " << linea;
    ASSERT_NO_FATAL_FAILURE(Comprobar({}, false)) << "vuelta " << vuelta;
  }
  EXPECT_FALSE(ultimos.empty());
}

TEST_F(AlmacenProcesos, DosUsuariosQueDanDeAltaUnMismoNombreDejanUnaSolaFila) {
  for (int i = 0; i < 8; ++i) {
    const std::string nombre = "GEMELA-" + std::to_string(i);
    auto a = Usuario({"alta", nombre});
    auto b = Usuario({"alta", nombre});
    ASSERT_EQ(a->Linea(), "LISTO");
    ASSERT_EQ(b->Linea(), "LISTO");
    a->Escribir("YA");
    b->Escribir("YA");
    std::vector<std::string> respuestas = {a->Linea(), b->Linea()};
    std::sort(respuestas.begin(), respuestas.end());
    EXPECT_EQ(respuestas, (std::vector<std::string>{"Existe", "Hecho"})) << nombre;
  }
  const auto filas = Filas();
  EXPECT_EQ(filas.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(std::count(filas.begin(), filas.end(), "GEMELA-" + std::to_string(i) + "|2||61624"), 1) << i;
  }
}

}  // namespace
