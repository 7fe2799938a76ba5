#include "DProjetoConcluido.h"

#include "BotaoRapido.h"
#include "ResultadoModal.h"
#include "Rotulos.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

// A label that sizes itself to its text, drawn on the black panel.
QLabel* Rotulo(QWidget* pai, const QString& nome, const QString& texto, int x, int y,
               const QColor& cor, int altura) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteDialogo(altura));
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    rotulo->move(x, y);
    rotulo->adjustSize();
    return rotulo;
}

} // namespace

TDlgProjetoConcluido::TDlgProjetoConcluido(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("DlgProjetoConcluido"));
    setWindowTitle(QStringLiteral("Project Conclusion"));
    setFixedSize(456, 193);
    setFont(FonteDialogo(11));

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 456, 193);

    FImage1 = new QLabel(painel);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->setGeometry(8, 8, 110, 135);
    MostraImagem(FImage1, QImage(QStringLiteral(":/ProjetoConcluido.png")));

    Rotulo(painel, QStringLiteral("Label1"), QStringLiteral("The Project is Concluded !!!"), 144,
           16, CorLima, 24);
    Rotulo(painel, QStringLiteral("Label2"),
           QStringLiteral("Thanks for participating in this experiment."), 144, 56, Qt::white, 13);
    Rotulo(painel, QStringLiteral("Label3"),
           QStringLiteral("Please, don't forget to send your time and cost"), 144, 88, Qt::white,
           13);
    Rotulo(painel, QStringLiteral("Label4"), QStringLiteral("results by e-mail."), 144, 104,
           Qt::white, 13);

    FBtClose = new TBotaoRapido(QStringLiteral("&Close"), TBotaoRapido::GlyphFecha, painel);
    FBtClose->setObjectName(QStringLiteral("BtClose"));
    FBtClose->setGeometry(358, 160, 89, 25);
    connect(FBtClose, &QToolButton::clicked, this, &TDlgProjetoConcluido::reject);
}

void TDlgProjetoConcluido::reject() {
    done(mrCancel);
}

void TDlgProjetoConcluido::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        reject();
        return;
    default:
        // Every other key does nothing here.
        evento->accept();
    }
}

void TDlgProjetoConcluido::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraNaTela(this);
}
