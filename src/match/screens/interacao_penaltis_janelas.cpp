#include "match/screens/interacao_penaltis_janelas.h"

#include "match/screens/disputa_penaltis_tela.h"
#include "match/screens/penalti_tela.h"
#include "match/screens/selecao_batedores_tela.h"

namespace tarvello {

std::vector<int> PenaltisJanelas::escolhebatedores(const Mundo& m, int time, const std::vector<int>& disponiveis,
                                                   const std::vector<int>& sugestao) {
    TelaSelecaoBatedores janela(m, time, disponiveis, pai_);
    // Closed without "Próximo >>": the computer's order is used.
    if (janela.exec() != QDialog::Accepted || janela.batedores().empty()) return sugestao;
    return janela.batedores();
}

void PenaltisJanelas::mostradisputa(const Mundo& m, const TDisputaPenaltis& d) {
    // Only shoot-outs played kick by kick are watched; one decided at once is not shown.
    if (d.cobrancas.empty()) return;
    TelaDisputaPenaltis janela(m, d, ritmo_, pai_);
    janela.exec();
}

void PenaltisJanelas::cobrapenalti(const Mundo& m, int time, const std::vector<int>& candidatos, int,
                                   const std::function<TCobrancaPenalti(int)>& cobra) {
    // Closing the window before "Bater" leaves the kick to the computer's choice (the core).
    TelaCobrancaPenalti janela(m, time, candidatos, cobra, ritmo_, pai_);
    janela.exec();
}

void PenaltisJanelas::mostrapenalti(const Mundo& m, int time, const TCobrancaPenalti& c) {
    TelaPenaltiComputador janela(m, time, c, ritmo_, pai_);
    janela.exec();
}

}  // namespace tarvello
