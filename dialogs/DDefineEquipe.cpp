// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DDefineEquipe.h"

#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/ResultadoModal.h"
#include "model/mDesenvolvedor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

// Paints every cell of the grid through DesenhaCelula; the grid's own cell
// painting is not used.
class TDelegadoEquipe : public QStyledItemDelegate {
public:
    explicit TDelegadoEquipe(TDlgDefinicaoEquipe* dialogo)
        : QStyledItemDelegate(dialogo), FDialogo(dialogo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        static const QList<TDesenvolvedor*> Vazia;
        const QList<TDesenvolvedor*>* equipe = FDialogo->ListaEquipe();
        const QList<TDesenvolvedor*>* todos = FDialogo->ListaTodos();
        const QTableWidget* grade = FDialogo->GrTodos();
        painter->save();
        painter->setClipRect(option.rect);
        TDlgDefinicaoEquipe::DesenhaCelula(*painter, grade->font(), equipe ? *equipe : Vazia,
                                           todos ? *todos : Vazia, index.column(), index.row(),
                                           option.rect, index.row() == grade->currentRow());
        painter->restore();
    }

private:
    TDlgDefinicaoEquipe* FDialogo;
};

// Label in lime, then the value in white 2 px after it; the pen is left white.
void EscreveCampo(QPainter& canvas, int x, int y, const QString& legenda, const QString& valor) {
    const QFontMetrics medida = canvas.fontMetrics();
    canvas.setPen(CorLima);
    canvas.drawText(x, y + medida.ascent(), legenda);
    canvas.setPen(Qt::white);
    canvas.drawText(x + medida.horizontalAdvance(legenda) + 2, y + medida.ascent(), valor);
}

} // namespace

TDlgDefinicaoEquipe::TDlgDefinicaoEquipe(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Team Definition"));
    setFont(FonteJogo(11));
    setFixedSize(515, 365);

    QWidget* painel =
        CriaPainel(this, QStringLiteral("Panel1"), CorFundoValor, 0, 0, 515, 365, true);

    FGrTodos = new QTableWidget(0, 1, painel);
    FGrTodos->setObjectName(QStringLiteral("GrTodos"));
    FGrTodos->setGeometry(16, 16, 481, 305);
    FGrTodos->setFont(FonteJogo(11));
    DefineCores(FGrTodos, Qt::black, Qt::white);
    FGrTodos->viewport()->setAutoFillBackground(true);
    FGrTodos->horizontalHeader()->hide();
    FGrTodos->verticalHeader()->hide();
    FGrTodos->horizontalHeader()->setMinimumSectionSize(1);
    FGrTodos->verticalHeader()->setMinimumSectionSize(1);
    FGrTodos->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FGrTodos->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FGrTodos->horizontalHeader()->setDefaultSectionSize(LarguraColuna);
    FGrTodos->verticalHeader()->setDefaultSectionSize(AlturaLinha);
    FGrTodos->setColumnWidth(0, LarguraColuna);
    FGrTodos->setShowGrid(false);
    FGrTodos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrTodos->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The grid's white-on-black would make the bar's arrows white on its
    // light groove.
    DefineCoresAplicacao(FGrTodos->verticalScrollBar());
    FGrTodos->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    FGrTodos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrTodos->setSelectionMode(QAbstractItemView::SingleSelection);
    FGrTodos->setSelectionBehavior(QAbstractItemView::SelectRows);
    FGrTodos->setTabKeyNavigation(false);
    FGrTodos->setItemDelegate(new TDelegadoEquipe(this));
    FGrTodos->installEventFilter(this);
    connect(FGrTodos, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { AlternaDesenvolvedor(); });
    connect(FGrTodos, &QTableWidget::currentCellChanged, FGrTodos->viewport(),
            qOverload<>(&QWidget::update));

    FLabel1 = new QLabel(
        QStringLiteral("Hit SPACE or double click a developer to select or remove from the team."),
        painel);
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FLabel1->setFont(FonteJogo(11, true));
    DefineCores(FLabel1, CorFundoValor, Qt::white);
    FLabel1->setWordWrap(true);
    FLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FLabel1->setGeometry(16, 328, 345, 26);

    FBtFecha = CriaBotaoRapido(painel, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 409, 328);
    // Enter closes the dialog from the grid, and so from its one button.
    FBtFecha->SetEnterClica(true);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });

    FGrTodos->setFocus();
}

void TDlgDefinicaoEquipe::MostraEquipe(QList<TDesenvolvedor*>* equipe,
                                       const QList<TDesenvolvedor*>* todos) {
    FListaEquipe = equipe;
    FListaTodos = todos;
    FGrTodos->setRowCount(todos ? static_cast<int>(todos->size()) : 0);
    if (FGrTodos->currentRow() < 0 && FGrTodos->rowCount() > 0) {
        FGrTodos->setCurrentCell(0, 0);
    }
    FGrTodos->viewport()->update();
}

void TDlgDefinicaoEquipe::DesenhaCelula(QPainter& canvas, const QFont& fonte,
                                        const QList<TDesenvolvedor*>& equipe,
                                        const QList<TDesenvolvedor*>& lista, int coluna, int linha,
                                        const QRect& r, bool selecionado) {
    Q_UNUSED(coluna);
    canvas.fillRect(r, Qt::black);
    if (linha < 0 || linha >= lista.size() || !lista[linha]) {
        return;
    }
    const TDesenvolvedor* d = lista[linha];
    const QImage& p = d->ImagemPequena();
    const int altura = r.height();

    QFont fonteCelula = fonte;
    fonteCelula.setBold(false);
    canvas.setFont(fonteCelula);
    const QFontMetrics medida = canvas.fontMetrics();

    const int x0 = r.left() + 120;
    const int y0 = r.top() + (altura - p.height() - 10) / 2;
    DesenhaRetrato(canvas, QPoint(x0, y0), p, d->Nome(), false);

    canvas.setPen(Qt::white);
    canvas.drawText(x0 + (p.width() - medida.horizontalAdvance(d->Nome())) / 2,
                    y0 + p.height() + 3 + medida.ascent(), d->Nome());

    const int xa = x0 + p.width() + 10;
    const int xb = x0 + p.width() + 150;
    EscreveCampo(canvas, xa, r.top() + 20, QStringLiteral("Hourly Cost:"),
                 FormataNumero(d->Custo(), 2));
    EscreveCampo(canvas, xa, r.top() + 40, QStringLiteral("Analysis Exp:"), d->NivelExperiencia(0));
    EscreveCampo(canvas, xa, r.top() + 60, QStringLiteral("Design Exp:"), d->NivelExperiencia(2));
    EscreveCampo(canvas, xb, r.top() + 20, QStringLiteral("Program Exp:"), d->NivelExperiencia(3));
    EscreveCampo(canvas, xb, r.top() + 40, QStringLiteral("Testing Exp:"), d->NivelExperiencia(4));
    EscreveCampo(canvas, xb, r.top() + 60, QStringLiteral("Inspection Exp:"),
                 d->NivelExperiencia(5));

    if (selecionado) {
        canvas.setPen(QPen(CorLima, 1));
        canvas.setBrush(Qt::NoBrush);
        // Outlines of (Left + k, Top + k) - (Right - k, Bottom - k), right and
        // bottom exclusive.
        for (int k = 0; k < 4; ++k) {
            canvas.drawRect(r.left() + k, r.top() + k, r.width() - 2 * k - 1,
                            r.height() - 2 * k - 1);
        }
    }

    QString estado;
    if (!equipe.contains(d)) {
        canvas.setPen(CorPrata);
        estado = QStringLiteral("Out of Team");
    } else {
        fonteCelula.setBold(true);
        canvas.setFont(fonteCelula);
        canvas.setPen(CorLima);
        estado = QStringLiteral("Team Member");
    }
    const QFontMetrics medidaEstado = canvas.fontMetrics();
    canvas.drawText(r.left() + (120 - medidaEstado.horizontalAdvance(estado)) / 2,
                    r.top() + (altura - medidaEstado.height()) / 2 + medidaEstado.ascent(), estado);
    fonteCelula.setBold(false);
    canvas.setFont(fonteCelula);
}

void TDlgDefinicaoEquipe::AlternaDesenvolvedor() {
    if (!FListaEquipe || !FListaTodos) {
        return;
    }
    const int linha = FGrTodos->currentRow();
    if (linha < 0 || linha >= FListaTodos->size()) {
        return;
    }
    TDesenvolvedor* d = FListaTodos->at(linha);
    if (!FListaEquipe->contains(d)) {
        FListaEquipe->append(d);
    } else {
        FListaEquipe->removeOne(d);
    }
    FGrTodos->viewport()->update();
}

bool TDlgDefinicaoEquipe::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == FGrTodos && evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Space:
            AlternaDesenvolvedor();
            return true;
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            done(mrCancel);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TDlgDefinicaoEquipe::showEvent(QShowEvent* evento) {
    TDialogoCentrado::showEvent(evento);
    FGrTodos->setFocus();
}
