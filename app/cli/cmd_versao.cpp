#include <cstdio>

#include "comandos.h"

namespace tarvello::cli {
namespace {
Registra versao({"versao", "versão da ferramenta", {}, {}, [](const Argumentos&) {
                     std::puts("tarvello-cli 0.1");
                     return 0;
                 }});
}  // namespace
}  // namespace tarvello::cli
