// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Rotulos.h"

#include "controls/FiguraDensa.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

void DefineCores(QWidget* w, const QColor& fundo, const QColor& texto) {
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, fundo);
    paleta.setColor(QPalette::Base, fundo);
    paleta.setColor(QPalette::WindowText, texto);
    paleta.setColor(QPalette::Text, texto);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

void DefineCoresAplicacao(QWidget* w) {
    const QPalette sistema = QApplication::palette(w);
    QPalette paleta;
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo) {
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            if (papel == QPalette::NoRole) {
                continue;
            }
            const auto g = QPalette::ColorGroup(grupo);
            const auto r = QPalette::ColorRole(papel);
            paleta.setBrush(g, r, sistema.brush(g, r));
        }
    }
    w->setPalette(paleta);
}

void AjustaFonte(QLabel* rotulo, int largura) {
    QFont fonte = rotulo->font();
    fonte.setStretch(QFont::Unstretched);
    const int natural = QFontMetrics(fonte).horizontalAdvance(rotulo->text());
    if (natural > largura && largura > 0) {
        // Narrow the face just enough, never below half its width.
        int estreitamento = std::max(50, 100 * largura / natural);
        fonte.setStretch(estreitamento);
        while (estreitamento > 50 &&
               QFontMetrics(fonte).horizontalAdvance(rotulo->text()) > largura) {
            fonte.setStretch(--estreitamento);
        }
    }
    rotulo->setFont(fonte);
}

void MostraTexto(QLabel* rotulo, const QString& texto) {
    rotulo->setText(texto);
    AjustaFonte(rotulo, rotulo->contentsRect().width());
}

namespace {

// Condensed face first; a caption still too wide grows to the left, up to limiteEsquerdo.
void AlargaParaEsquerda(QLabel* rotulo, int limiteEsquerdo) {
    QFont fonte = rotulo->font();
    QRect caixa = rotulo->geometry();
    if (QFontMetrics(fonte).horizontalAdvance(rotulo->text()) > caixa.width()) {
        fonte.setStretch(QFont::Condensed);
        rotulo->setFont(fonte);
    }
    const int largura = QFontMetrics(fonte).horizontalAdvance(rotulo->text());
    if (largura > caixa.width()) {
        caixa.setLeft(std::max(limiteEsquerdo, caixa.right() + 1 - largura));
        rotulo->setGeometry(caixa);
    }
}

} // namespace

QLabel* CriaRotuloLegenda(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                          int w, int h, TCrescimentoLegenda crescimento, int limiteEsquerdo) {
    auto* rotulo = new QLabel(texto, parent);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteJogo(11));
    DefineCores(rotulo, Qt::black, CorLima);
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    rotulo->setGeometry(x, y, w, h);
    if (crescimento == TCrescimentoLegenda::Estreita) {
        AjustaFonte(rotulo, w);
    } else {
        AlargaParaEsquerda(rotulo, limiteEsquerdo);
    }
    return rotulo;
}

QLabel* CriaRotuloValor(QWidget* parent, const QString& nome, int x, int y, int w, int h) {
    auto* rotulo = new QLabel(parent);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteJogo(11));
    DefineCores(rotulo, CorFundoValor, Qt::white);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rotulo->setGeometry(x, y, w, h);
    return rotulo;
}

namespace {

// A label of the text in a colour at a pixel height, not yet placed.
QLabel* NovoRotuloTexto(QWidget* parent, const QString& nome, const QString& texto,
                        const QColor& cor, int altura, bool negrito) {
    auto* rotulo = new QLabel(texto, parent);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteJogo(altura, negrito));
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    return rotulo;
}

} // namespace

QLabel* CriaRotuloTexto(QWidget* parent, const QString& nome, const QString& texto,
                        const QRect& caixa, const QColor& cor, int altura, bool negrito) {
    QLabel* rotulo = NovoRotuloTexto(parent, nome, texto, cor, altura, negrito);
    rotulo->setGeometry(caixa);
    return rotulo;
}

QLabel* CriaRotuloTexto(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                        const QColor& cor, int altura, bool negrito) {
    QLabel* rotulo = NovoRotuloTexto(parent, nome, texto, cor, altura, negrito);
    rotulo->move(x, y);
    rotulo->adjustSize();
    return rotulo;
}

QFrame* CriaPainelBevel(QWidget* parent, const QString& nome, const QColor& cor, const QRect& caixa,
                        const QColor& texto) {
    auto* painel = new QFrame(parent);
    painel->setObjectName(nome);
    painel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    painel->setLineWidth(1);
    DefineCores(painel, cor, texto);
    painel->setGeometry(caixa);
    return painel;
}

QWidget* CriaPainel(QWidget* parent, const QString& nome, const QColor& cor, int x, int y, int w,
                    int h, bool bevel) {
    const QRect caixa(x, y, w, h);
    if (bevel) {
        return CriaPainelBevel(parent, nome, cor, caixa);
    }
    auto* painel = new QWidget(parent);
    painel->setObjectName(nome);
    DefineCores(painel, cor, Qt::white);
    painel->setGeometry(caixa);
    return painel;
}

void CentraNaTela(QWidget* janela) {
    QScreen* tela = janela->screen();
    if (!tela) {
        tela = QGuiApplication::primaryScreen();
    }
    if (!tela) {
        return;
    }
    QRect area = tela->availableGeometry();
    QRect moldura = janela->frameGeometry();
    moldura.moveCenter(area.center());
    janela->move(moldura.topLeft());
}

void MostraImagem(QLabel* imagem, const QImage& figura) {
    if (figura.isNull()) {
        imagem->clear();
        return;
    }
    imagem->setPixmap(QPixmap::fromImage(figura));
    imagem->resize(figura.size());
}

void MostraImagem(QLabel* imagem, const QImage& figura, const QString& arquivo) {
    MostraImagem(imagem, FiguraParaRazao(figura, arquivo, imagem->devicePixelRatioF()));
    imagem->resize(figura.size());
}

QString FormataNumero(double valor, int casas) {
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    QString texto = local.toString(valor, 'f', casas);
    // A negative value that rounds to zero shows as zero, without its sign.
    if (texto.startsWith(local.negativeSign()) &&
        local.toDouble(texto.mid(local.negativeSign().size())) == 0.0) {
        texto.remove(0, local.negativeSign().size());
    }
    return texto;
}
