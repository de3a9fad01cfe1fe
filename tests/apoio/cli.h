#pragma once
// Runs the headless tool with the given arguments and returns its exit code and output.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace tarvello::teste {

enum class Erros { Junto, Fora };  // standard error merged into the output, or left out

inline std::pair<int, std::string> rodacli(const std::string& args, Erros erros) {
    const std::string cmd =
        std::string(TARVELLO_CLI) + " " + args + (erros == Erros::Junto ? " 2>&1" : " 2>/dev/null");
    std::string saida;
    FILE* f = popen(cmd.c_str(), "r");
    if (!f) return {-1, {}};
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) saida.append(buf.data(), n);
    const int rc = pclose(f);
    return {WEXITSTATUS(rc), saida};
}

}  // namespace tarvello::teste
