// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/JanelaPrincipal.h"

#include "controls/Backdrop.h"
#include "controls/Bevel.h"
#include "controls/CommandButton.h"
#include "controls/Cores.h"
#include "controls/FiguraDensa.h"
#include "controls/PainelVisao.h"
#include "controls/Rotulos.h"
#include "ui/PainelMensagens.h"
#include "ui/PainelTarefas.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>

// The main window's form: where each panel, button and label stands and how
// it looks. What they do is wired in JanelaPrincipal.cpp.

namespace {

// The inside of a one-pixel bevel, where a child that fills the panel goes.
QRect Interior(const QWidget* painel) {
    return painel->rect().adjusted(1, 1, -1, -1);
}

// A white line two pixels wide.
void CriaLinhaBranca(QWidget* pai, const QString& nome, const QRect& caixa) {
    CriaPainel(pai, nome, Qt::white, caixa.x(), caixa.y(), caixa.width(), caixa.height());
}

// A lime caption right-aligned against its read-out. A caption wider than its
// box (the platform's font is wider than the one the layout was drawn for) is
// set condensed, then grows to the left as far as the strip's white line.
void CriaLegenda(QWidget* pai, const QString& nome, const QString& texto, const QRect& caixa) {
    constexpr int LinhaBranca = 2;
    CriaRotuloLegenda(pai, nome, texto, caixa.x(), caixa.y(), caixa.width(), caixa.height(),
                      TCrescimentoLegenda::ParaEsquerda, LinhaBranca);
}

// A read-out: a value label (white on dark grey), right-aligned, with a tip.
QLabel* CriaLeitura(QWidget* pai, const QString& nome, const QRect& caixa, const QString& dica) {
    QLabel* rotulo =
        CriaRotuloValor(pai, nome, caixa.x(), caixa.y(), caixa.width(), caixa.height());
    rotulo->setText(QStringLiteral("0.00"));
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rotulo->setToolTip(dica);
    return rotulo;
}

TCommandButton* CriaBotao(QWidget* pai, const QString& nome, const QString& titulo,
                          const QRect& caixa, const QString& figura,
                          const QString& figuraDesabilitada = QString()) {
    auto* botao = new TCommandButton(pai);
    botao->setObjectName(nome);
    botao->setGeometry(caixa);
    botao->SetTitle(titulo);
    botao->SetPictureBase(QImage(figura), figura);
    if (!figuraDesabilitada.isEmpty()) {
        botao->SetPictureDisable(QImage(figuraDesabilitada), figuraDesabilitada);
    }
    return botao;
}

} // namespace

void TMainWindow::CriaFormulario() {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setFixedSize(Largura, Altura);
    setFont(FonteJogo(11));
    const QColor CorFaceBotao = ColorToRGB(clBtnFace);
    DefineCores(this, CorFaceBotao, ColorToRGB(clWindowText));

    FPnComandos = CriaPainelBevel(this, QStringLiteral("PnComandos"), CorFaceBotao,
                                  QRect(0, 0, 82, 380), Qt::black);
    FPnCentral = CriaPainelBevel(this, QStringLiteral("PnCentral"), CorFaceBotao,
                                 QRect(82, 0, 571, 380), Qt::black);
    FPnVisoes = CriaPainelBevel(this, QStringLiteral("PnVisoes"), CorFaceBotao,
                                QRect(653, 0, 89, 380), Qt::black);
    FPnMensagens = CriaPainelBevel(this, QStringLiteral("PnMensagens"), Qt::black,
                                   QRect(0, 380, 742, 57), Qt::black);
    CriaComandos();
    CriaBarraMensagens();
}

void TMainWindow::CriaComandos() {
    FBackDrop2 = CriaFundoVerde(FPnComandos);
    FBackDrop2->setObjectName(QStringLiteral("BackDrop2"));
    FBackDrop2->setGeometry(1, 1, 80, 378);

    FBtDefineEquipe =
        CriaBotao(FPnComandos, QStringLiteral("BtDefineEquipe"), QStringLiteral("Define Team"),
                  QRect(1, 0, 80, 56), QStringLiteral(":/BtDefineEquipe.bmp"));
    FBtAumentaTrabalho =
        CriaBotao(FPnComandos, QStringLiteral("BtAumentaTrabalho"), QStringLiteral("Work Hours"),
                  QRect(1, 56, 80, 56), QStringLiteral(":/BtAumentaTrabalho.bmp"),
                  QStringLiteral(":/BtAumentaTrabalhoDisable.bmp"));
    FBtTempoTarefa =
        CriaBotao(FPnComandos, QStringLiteral("BtTempoTarefa"), QStringLiteral("Task Time"),
                  QRect(1, 112, 80, 56), QStringLiteral(":/BtTempoTarefa.bmp"),
                  QStringLiteral(":/BtTempoTarefaDisable.bmp"));

    auto* bevel1 = new TBevel(FPnComandos);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(8, 174, 65, 3);

    FBtPassaTempo =
        CriaBotao(FPnComandos, QStringLiteral("BtPassaTempo"), QStringLiteral("Next Turn"),
                  QRect(1, 176, 80, 56), QStringLiteral(":/BtPassaTempo.bmp"));
}

void TMainWindow::CriaBarraMensagens() {
    QWidget* panel1 = CriaPainel(FPnMensagens, QStringLiteral("Panel1"), Qt::black, 1, 1, 96, 55);

    auto* image1 = new QLabel(panel1);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setScaledContents(true);
    const QString logo = QStringLiteral(":/Logo.png");
    image1->setPixmap(
        QPixmap::fromImage(FiguraParaRazao(QImage(logo), logo, image1->devicePixelRatioF())));
    image1->setGeometry(4, 4, 41, 49);
    CriaRotuloTexto(panel1, QStringLiteral("Label2"), QStringLiteral("Project"),
                    QRect(49, 13, 42, 13), Qt::white, 11);
    CriaRotuloTexto(panel1, QStringLiteral("Label3"), QStringLiteral("Game"), QRect(49, 28, 44, 13),
                    CorAmarela, 11, true);
    CriaLinhaBranca(panel1, QStringLiteral("Shape2"), QRect(94, 0, 2, 55));

    QWidget* pnVariaveis = CriaPainel(FPnMensagens, QStringLiteral("PnVariaveis"), Qt::black,
                                      Largura - 1 - 138, 1, 138, 55);
    CriaLinhaBranca(pnVariaveis, QStringLiteral("Shape1"), QRect(0, 0, 2, 55));

    CriaLegenda(pnVariaveis, QStringLiteral("Label1"), QStringLiteral("Devel Time:"),
                QRect(4, 11, 62, 13));
    FLbTempoDesenvolvimento = CriaLeitura(pnVariaveis, QStringLiteral("LbTempoDesenvolvimento"),
                                          QRect(68, 10, 68, 15), QStringLiteral("Days"));
    CriaLegenda(pnVariaveis, QStringLiteral("Label4"), QStringLiteral("Project Cost:"),
                QRect(4, 33, 62, 13));
    FLbCustoProjeto = CriaLeitura(pnVariaveis, QStringLiteral("LbCustoProjeto"),
                                  QRect(68, 32, 68, 15), QStringLiteral("1000 US$"));
}

void TMainWindow::CriaPaineis() {
    FPainelMensagens = new TPainelMensagens(FPnMensagens);
    FPainelMensagens->setObjectName(QStringLiteral("PainelMensagens"));
    FPainelMensagens->setGeometry(97, 1, Largura - 1 - 138 - 97, 55);

    FPainelVisao = new TPainelVisao(FPnVisoes);
    FPainelVisao->setObjectName(QStringLiteral("PainelVisao"));
    FPainelVisao->setGeometry(Interior(FPnVisoes));

    FPainelAtividades = new TPainelAtividades(FPnCentral);
    FPainelAtividades->setObjectName(QStringLiteral("PainelAtividades"));
    FPainelAtividades->setGeometry(Interior(FPnCentral));
}
