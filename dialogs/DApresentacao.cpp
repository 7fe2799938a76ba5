#include "DApresentacao.h"

#include "BotaoRapido.h"
#include "ResultadoModal.h"
#include "Rotulos.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

// A label that sizes itself to its text, drawn on the black panel.
QLabel* Rotulo(QWidget* pai, const QString& nome, const QString& texto, int x, int y,
               const QColor& cor, int altura, bool negrito) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteDialogo(altura, negrito));
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    rotulo->move(x, y);
    rotulo->adjustSize();
    return rotulo;
}

// A fixed-size label whose text wraps inside its box.
QLabel* RotuloQuebrado(QWidget* pai, const QString& nome, const QString& texto, int x, int y, int w,
                       int h) {
    QLabel* rotulo = Rotulo(pai, nome, texto, x, y, Qt::white, 13, false);
    rotulo->setWordWrap(true);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rotulo->setGeometry(x, y, w, h);
    return rotulo;
}

} // namespace

TDlgApresentacao::TDlgApresentacao(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("DlgApresentacao"));
    setFixedSize(481, 240);
    setFont(FonteDialogo(11));

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 481, 240);

    FImage1 = new QLabel(painel);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->setGeometry(16, 8, 85, 127);
    MostraImagem(FImage1, QImage(QStringLiteral(":/Apresentacao.png")));

    QLabel* label1 = Rotulo(painel, QStringLiteral("Label1"), QStringLiteral("Welcome to"), 120, 8,
                            Qt::white, 24, true);
    QLabel* label2 = Rotulo(painel, QStringLiteral("Label2"), QStringLiteral("Orvanta"), 272, 8,
                            CorLima, 24, true);
    // With a font wider than the one the layout was drawn for, the name keeps
    // a space's distance from the greeting instead of running into it.
    const int depoisSaudacao =
        label1->geometry().right() + 1 + label1->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (label2->x() < depoisSaudacao) {
        label2->move(depoisSaudacao, label2->y());
    }
    Rotulo(painel, QStringLiteral("Label3"),
           QStringLiteral("Here you are the software project manager !!!"), 120, 48, Qt::white, 13,
           false);
    RotuloQuebrado(painel, QStringLiteral("Label4"),
                   QStringLiteral("Your project is depicted by a PERT chart. There are some "
                                  "software developers available for your team."),
                   120, 80, 353, 33);
    RotuloQuebrado(painel, QStringLiteral("Label5"),
                   QStringLiteral("Analyze their abilities, form your team, assign it to "
                                  "activities and run the project."),
                   120, 128, 353, 33);

    FBtFecha = new TBotaoRapido(QStringLiteral("&Close"), TBotaoRapido::GlyphFecha, painel);
    FBtFecha->setObjectName(QStringLiteral("BtFecha"));
    FBtFecha->setGeometry(381, 205, 89, 25);
    connect(FBtFecha, &QToolButton::clicked, this, &TDlgApresentacao::reject);
}

void TDlgApresentacao::reject() {
    done(mrCancel);
}

void TDlgApresentacao::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    // Enter and every other key do nothing here.
    evento->accept();
}

void TDlgApresentacao::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraNaTela(this);
}
