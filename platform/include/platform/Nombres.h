// Names of tables, fields, tags and files are matched without regard to case (ASCII letters).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

bool IgualesSinCaso(std::string_view a, std::string_view b);

// <0, 0 or >0 like strcmp, comparing ASCII letters without regard to case.
int ComparaSinCaso(std::string_view a, std::string_view b);

std::string MayusculasAscii(std::string_view texto);
std::string MinusculasAscii(std::string_view texto);

// The entry of `carpeta` whose name equals `nombre` without regard to case; the exact name wins when it exists.
std::optional<std::filesystem::path> BuscaFicheroSinCaso(const std::filesystem::path& carpeta,
                                                         std::string_view nombre);

}  // namespace plataforma
