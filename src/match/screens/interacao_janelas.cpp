#include "match/screens/interacao_janelas.h"

#include <QMessageBox>

#include "match/screens/dialogos_partida.h"
#include "match/screens/partida_tela.h"
#include "match/screens/sons_tela.h"
#include "model/mundo.h"

namespace tarvello {

int InteracaoJanelas::substitutocontusao(Mundo& m, int jogo, int lado, int contundido,
                                         const std::vector<int>& candidatos) {
    const int time = m.diajogo.jogos[static_cast<size_t>(jogo - 1)].time(lado);
    TelaContusao t(m, time, contundido, candidatos, pai_);
    t.exec();
    return t.escolhido();
}

void InteracaoJanelas::intervalo(Mundo& m, int jogo) {
    TelaPartida t(m, jogo, true, pai_);
    t.exec();
}

void InteracaoJanelas::penaltimarcado(const Mundo& m) { tocasom(m, Som::Penalti); }

void InteracaoJanelas::aviso(const std::string& texto) {
    QMessageBox::warning(pai_, "Tarvello", QString::fromStdString(texto));
}

}  // namespace tarvello
