#include "DTeclas.h"

#include "BotaoRapido.h"
#include "ResultadoModal.h"
#include "controls/Rotulos.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

constexpr int Margem = 16;
constexpr int EspacoColunas = 16;
constexpr int EspacoLinhas = 4;

} // namespace

TDlgTeclas::TDlgTeclas(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("DlgTeclas"));
    setWindowTitle(QStringLiteral("Keys"));
    setFont(FonteJogo(11));

    auto* fora = new QVBoxLayout(this);
    fora->setContentsMargins(0, 0, 0, 0);
    // The dialog takes the size of its list, whatever the list.
    fora->setSizeConstraint(QLayout::SetFixedSize);
    FPainel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 0, 0);
    fora->addWidget(FPainel);

    auto* dentro = new QVBoxLayout(FPainel);
    dentro->setContentsMargins(Margem, Margem, Margem, Margem / 2);
    FGrade = new QGridLayout;
    FGrade->setHorizontalSpacing(EspacoColunas);
    FGrade->setVerticalSpacing(EspacoLinhas);
    dentro->addLayout(FGrade);
    dentro->addSpacing(Margem / 2);

    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 0, 0);
    FBtFecha->setFixedSize(FBtFecha->size());
    FBtFecha->SetEnterClica(true);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    dentro->addWidget(FBtFecha, 0, Qt::AlignRight);
}

void TDlgTeclas::MostraTeclas(const QList<TTeclaAjuda>& teclas) {
    qDeleteAll(FRotulosTeclas);
    qDeleteAll(FRotulosAcoes);
    FRotulosTeclas.clear();
    FRotulosAcoes.clear();
    for (int i = 0; i < teclas.size(); ++i) {
        QLabel* tecla = CriaRotuloTexto(FPainel, QStringLiteral("LbTecla%1").arg(i),
                                        teclas[i].Tecla, 0, 0, CorLima, 11, true);
        QLabel* acao = CriaRotuloTexto(FPainel, QStringLiteral("LbAcao%1").arg(i), teclas[i].Acao,
                                       0, 0, Qt::white, 11);
        FGrade->addWidget(tecla, i, 0, Qt::AlignLeft | Qt::AlignTop);
        FGrade->addWidget(acao, i, 1, Qt::AlignLeft | Qt::AlignTop);
        FRotulosTeclas.append(tecla);
        FRotulosAcoes.append(acao);
    }
    layout()->activate();
}

void TDlgTeclas::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        done(mrCancel);
        return;
    }
    TDialogoCentrado::keyPressEvent(evento);
}
