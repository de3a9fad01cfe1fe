#pragma once
// The headless tool's commands. Each command lives in its own file and registers itself.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvello::cli {

// "--chave valor" pairs and "--bandeira" flags, in any order.
class Argumentos {
public:
    Argumentos(int argc, char** argv, int inicio);
    bool tem(const std::string& chave) const;
    std::optional<std::string> valor(const std::string& chave) const;
    std::string texto(const std::string& chave, const std::string& padrao) const;
    // Throws std::runtime_error with a clear message when the value is not a number.
    long long inteiro(const std::string& chave, long long padrao) const;
    std::vector<int> listainteiros(const std::string& chave) const;

private:
    std::map<std::string, std::optional<std::string>> itens_;
};

using FuncaoComando = std::function<int(const Argumentos&)>;

struct Comando {
    std::string nome;
    std::string uso;
    FuncaoComando funcao;
};

std::map<std::string, Comando>& registro();

struct Registra {
    Registra(std::string nome, std::string uso, FuncaoComando f) {
        registro()[nome] = Comando{nome, std::move(uso), std::move(f)};
    }
};

}  // namespace tarvello::cli
