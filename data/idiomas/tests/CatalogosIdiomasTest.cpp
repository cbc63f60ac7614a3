// The gettext catalogs of data/idiomas (window texts), data/idiomas/paginas (page texts) and data/idiomas/wxstd (the
// toolkit's texts in a language it has no catalog of): msgfmt finds them sound, with no entry untranslated and none
// marked fuzzy.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "ComunIdiomas.h"

namespace {

namespace fs = std::filesystem;

// msgfmt's own count: no catalog has an entry left untranslated or marked fuzzy.
TEST(Idiomas, LosCatalogosNoTienenEntradasSinTraducirNiDudosas) {
  std::vector<fs::path> catalogos;
  for (const fs::path& carpeta : {fs::path(KORVELIX_FUENTES_CATALOGOS), fs::path(KORVELIX_TRADUCCIONES_PAGINAS),
                                   fs::path(KORVELIX_FUENTES_CATALOGOS_TOOLKIT)}) {
    std::error_code ec;
    if (!fs::is_directory(carpeta, ec)) continue;
    for (const auto& e : fs::directory_iterator(carpeta)) {
      if (e.path().extension() == ".po") catalogos.push_back(e.path());
    }
  }
  // Catalan, Galician and Valencian: the window texts' catalogs, the page texts' ones, the toolkit's Galician one.
  ASSERT_GE(catalogos.size(), 7u);
  const std::regex cuenta(R"((\d+) translated messages?(, (\d+) fuzzy translations?)?(, (\d+) untranslated messages?)?)");
  for (const fs::path& po : catalogos) {
    SCOPED_TRACE(po.string());
    const std::string orden = std::string("LC_ALL=C ") + KORVELIX_MSGFMT + " --check --statistics -o /dev/null '" +
                              po.string() + "' 2>&1";
    FILE* salida = ::popen(orden.c_str(), "r");
    ASSERT_NE(salida, nullptr);
    std::string texto;
    std::array<char, 4096> trozo{};
    while (std::fgets(trozo.data(), static_cast<int>(trozo.size()), salida) != nullptr) texto += trozo.data();
    ASSERT_EQ(::pclose(salida), 0) << texto;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(texto, m, cuenta)) << texto;
    EXPECT_GT(std::stoi(m[1].str()), 0) << texto;
    EXPECT_FALSE(m[3].matched) << texto;
    EXPECT_FALSE(m[5].matched) << texto;
  }
}

}  // namespace
