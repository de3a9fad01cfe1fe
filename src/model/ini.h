#pragma once
// A small INI text file reader and writer: one key of one section at a time, no cached copy.
// Section and key names match without regard to letter case, as the options file always has.
// Lines the program does not touch (other keys, other sections, comments) are kept as they are.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvello {

// Value of `chave` in `[secao]`, spaces around it removed; nullopt when the file, the section or
// the key is missing, or the file cannot be read or is unreasonably large.
std::optional<std::string> leini(const std::filesystem::path& arquivo, std::string_view secao,
                                 std::string_view chave);

// Writes `chave=valor` into `[secao]`: replaces the key's line when it exists, otherwise adds it
// at the end of the section, creating the section (and the file) when needed. The file is
// written to a temporary name and renamed, so a failure never leaves it half written.
// Returns false when the file could not be written.
bool gravaini(const std::filesystem::path& arquivo, std::string_view secao, std::string_view chave,
              std::string_view valor);

}  // namespace tarvello
