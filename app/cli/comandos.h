#pragma once
// The headless tool's commands. Each command lives in its own file and registers itself with
// the options it accepts; the command line is checked against them before the command runs.
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tarvello::cli {

// A mistake on the command line: the tool prints the message and exits with code 2.
struct ErroUso : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class TipoOpcao {
    Bandeira,  // --nome
    Texto,     // --nome VALOR
    Inteiro,   // --nome N, with N in [minimo, maximo]
    Lista,     // --nome N1,N2,..., each in [minimo, maximo]
};

struct Opcao {
    std::string nome;  // without the leading "--"
    TipoOpcao tipo = TipoOpcao::Bandeira;
    std::string valor;  // what the value is called in the help ("DIR", "N", "P1,P2")
    std::string ajuda;
    long long minimo = 0;
    long long maximo = 0;
    bool obrigatoria = false;
};

class Argumentos;

struct Comando {
    std::string nome;
    std::string resumo;  // one line for the list of commands
    std::vector<Opcao> opcoes;
    std::vector<std::pair<std::string, std::string>> conflitos;  // options that exclude each other
    std::function<int(const Argumentos&)> funcao;
};

// The options given to one command, checked against its declaration: an unknown option, a
// missing or malformed value, a number out of range, an option given twice, a missing required
// option or two options that exclude each other throw ErroUso.
class Argumentos {
public:
    Argumentos(const Comando& comando, const std::vector<std::string>& args);
    bool tem(const std::string& chave) const;
    std::optional<std::string> valor(const std::string& chave) const;
    std::string texto(const std::string& chave, const std::string& padrao) const;
    long long inteiro(const std::string& chave, long long padrao) const;
    std::vector<int> listainteiros(const std::string& chave) const;

private:
    const Opcao& declarada(const std::string& chave) const;
    const Comando& comando_;
    std::map<std::string, std::optional<std::string>> itens_;
};

std::map<std::string, Comando>& registro();

struct Registra {
    explicit Registra(Comando c) {
        std::string nome = c.nome;
        registro()[nome] = std::move(c);
    }
};

// The loader's and the set-up's warnings, one "aviso: ..." line each on standard error.
void imprimeavisos(const std::vector<std::string>& avisos);

// Options shared by several commands.
Opcao opcaodados();
Opcao opcaojson();
Opcao opcaosemente();
Opcao opcaosistema();

}  // namespace tarvello::cli
