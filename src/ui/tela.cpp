#include "ui/tela.h"

#include <algorithm>

#include <QFile>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTableWidget>
#include <QTranslator>
#include <QMessageBox>
#include <QPushButton>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace tarvello {

double fatorescala(int largura, int altura) {
    struct Tamanho {
        int l, a;
    };
    constexpr Tamanho kConhecidos[] = {{640, 480},   {768, 576},   {1024, 768},  {1120, 840},
                                       {1152, 864},  {1280, 960},  {1280, 1024}, {1400, 1050},
                                       {1600, 1200}, {2048, 1536}};
    if (largura == 800) return 1.0;
    for (const Tamanho& t : kConhecidos)
        if (t.l == largura && t.a == altura) return largura / 800.0;
    if (largura == 1280 && altura == 800) return 133.0 / 100.0;
    return 1.0;
}

void escalatela(QWidget* janela) {
    QScreen* tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QSize s = tela->size();
    const double f = fatorescala(s.width(), s.height());
    if (f != 1.0) {
        auto escala = [f](QWidget* w) {
            QFont fonte = w->font();
            if (fonte.pointSizeF() > 0) fonte.setPointSizeF(fonte.pointSizeF() * f);
            else if (fonte.pixelSize() > 0) fonte.setPixelSize(static_cast<int>(fonte.pixelSize() * f));
            w->setFont(fonte);
        };
        // Children that chose their own size (headings) and grid headers, which take the
        // platform's header font rather than the window's, grow with the window.
        // A child whose size did not follow the window's has a size of its own.
        QList<std::pair<QWidget*, QFont>> antes;
        for (QWidget* w : janela->findChildren<QWidget*>()) antes.append({w, w->font()});
        escala(janela);
        for (const auto& [w, fonte] : antes)
            if (qobject_cast<QHeaderView*>(w) || w->font() == fonte) escala(w);
    }
    // Never larger than the screen: a window wider than its design (the half-time match screen)
    // would otherwise hang over the edges.
    const QRect area = tela->availableGeometry();
    janela->resize(std::min(static_cast<int>(janela->width() * f), area.width()),
                   std::min(static_cast<int>(janela->height() * f), area.height()));
}

void aplicafundo(QWidget* janela, const QString& arquivo) {
    if (!QFile::exists(arquivo)) return;
    QPixmap imagem(arquivo);
    if (imagem.isNull()) return;
    QPalette p = janela->palette();
    p.setBrush(QPalette::Window, QBrush(imagem));
    janela->setPalette(p);
    janela->setAutoFillBackground(true);
}

void centraliza(QWidget* janela) {
    QScreen* tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    janela->move(area.center() - QPoint(janela->width() / 2, janela->height() / 2));
}

void abrejanela(QWidget* janela) {
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setWindowFlag(Qt::Window);
    janela->setWindowModality(Qt::ApplicationModal);
    janela->show();
    centraliza(janela);
}

QLabel* rotulotitulo(QWidget* pai, const QString& nome, double escala) {
    auto* r = new QLabel(pai);
    r->setObjectName(nome);
    QFont f = r->font();
    f.setBold(true);
    if (escala != 1.0) f.setPointSizeF(f.pointSizeF() * escala);
    r->setFont(f);
    return r;
}

QColor corlinha(int linha) { return linha % 2 == 0 ? QColor(255, 255, 255) : QColor(255, 255, 236); }

GanchoMensagem& ganchomensagem() {
    static GanchoMensagem g = [](QWidget* pai, const QString& texto) {
        QMessageBox::information(pai, QGuiApplication::applicationDisplayName(), texto);
    };
    return g;
}

void mostramensagem(QWidget* pai, const QString& texto) { ganchomensagem()(pai, texto); }

GanchoPergunta& ganchopergunta() {
    static GanchoPergunta g = [](QWidget* pai, const QString& texto) {
        return QMessageBox::question(pai, QGuiApplication::applicationDisplayName(), texto,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    return g;
}

bool pergunta(QWidget* pai, const QString& texto) { return ganchopergunta()(pai, texto); }

GanchoPerguntaBotoes& ganchoperguntabotoes() {
    static GanchoPerguntaBotoes g = [](QWidget* pai, const QString& texto, const QString& sim, const QString& nao) {
        QMessageBox caixa(QMessageBox::Question, QGuiApplication::applicationDisplayName(), texto, QMessageBox::NoButton, pai);
        QPushButton* s = caixa.addButton(sim, QMessageBox::YesRole);
        caixa.addButton(nao, QMessageBox::NoRole);
        caixa.exec();
        return caixa.clickedButton() == s;
    };
    return g;
}

bool pergunta(QWidget* pai, const QString& texto, const QString& sim, const QString& nao) {
    return ganchoperguntabotoes()(pai, texto, sim, nao);
}

bool carregatraducoes() {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    static QTranslator* traducao = nullptr;
    if (traducao) return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traducao = t;
    return true;
}

void destacalinha(QTableWidget* grade, int linha) {
    for (int c = 0; c < grade->columnCount(); ++c) {
        QTableWidgetItem* i = grade->item(linha, c);
        if (!i) continue;
        QFont f = i->font();
        f.setBold(true);
        i->setFont(f);
        i->setForeground(QColor(0, 0, 150));
    }
}

}  // namespace tarvello
