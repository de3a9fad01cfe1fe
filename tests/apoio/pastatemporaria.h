#pragma once
// A scratch folder under the system's temp directory whose name is unique to this process.
// CTest runs every test case as its own process, several at a time, and other checkouts on the
// same machine may be testing too: a fixed name would let one run delete another's files.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace tarvello::teste {

inline std::filesystem::path pastatemporaria(const std::string& nome) {
    return std::filesystem::temp_directory_path() / (nome + "_" + std::to_string(::getpid()));
}

}  // namespace tarvello::teste
