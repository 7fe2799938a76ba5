// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DDetalheAtividade.h"

#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/ResultadoModal.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

// The paint box on the left of the sheet: repaints the star diagram of the
// dialog's current activity every time.
class TAreaEstrela : public QWidget {
public:
    explicit TAreaEstrela(TDlgDetalhesAtividade* dialogo, QWidget* parent)
        : QWidget(parent), FDialogo(dialogo) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter canvas(this);
        TDlgDetalhesAtividade::DesenhaEstrela(canvas, size(), FDialogo->Atividade());
    }

private:
    TDlgDetalhesAtividade* FDialogo;
};

constexpr int RaioEstrela = 80;
constexpr int RaioDisco = 30;

} // namespace

TDlgDetalhesAtividade::TDlgDetalhesAtividade(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Activity Details"));
    setFont(FonteJogo(11));
    setFixedSize(539, 266);
    DefineCores(this, Qt::black, Qt::white);

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 539, 266, true);

    FAreaDesenho = new TAreaEstrela(this, painel);
    FAreaDesenho->setObjectName(QStringLiteral("AreaDesenho"));
    FAreaDesenho->setGeometry(1, 1, 200, 264);

    QWidget* detalhes =
        CriaPainel(painel, QStringLiteral("PnDetalhes"), Qt::black, 201, 1, 337, 264);

    QWidget* geral = CriaPainel(detalhes, QStringLiteral("PnGeral"), Qt::black, 16, 8, 313, 49);
    CriaRotuloLegenda(geral, QStringLiteral("Label1"), QStringLiteral("Name:"), 40, 5, 49, 13);
    FLbNome = CriaRotuloValor(geral, QStringLiteral("LbNome"), 96, 4, 201, 15);
    CriaRotuloLegenda(geral, QStringLiteral("Label5"), QStringLiteral("Type:"), 40, 29, 49, 13);
    FLbTipo = CriaRotuloValor(geral, QStringLiteral("LbTipo"), 96, 28, 201, 15);

    QWidget* tempo = CriaPainel(detalhes, QStringLiteral("PnTempo"), Qt::black, 16, 64, 313, 81);
    CriaRotuloLegenda(tempo, QStringLiteral("Label4"), QStringLiteral("% Concluded:"), 16, 12, 73,
                      13);
    FLbPercentual = CriaRotuloValor(tempo, QStringLiteral("LbPercentual"), 96, 10, 201, 15);
    CriaRotuloLegenda(tempo, QStringLiteral("Label6"), QStringLiteral("Executed Time:"), 8, 36, 81,
                      13);
    FLbTempoExecutado = CriaRotuloValor(tempo, QStringLiteral("LbTempoExecutado"), 96, 32, 201, 17);
    FLbTempoExecutado->setToolTip(QStringLiteral("Days"));
    CriaRotuloLegenda(tempo, QStringLiteral("Label7"), QStringLiteral("Duration:"), 24, 60, 65, 13);
    FLbDuracao = CriaRotuloValor(tempo, QStringLiteral("LbDuracao"), 96, 56, 201, 17);
    FLbDuracao->setToolTip(QStringLiteral("Days"));

    FPnErros = CriaPainel(detalhes, QStringLiteral("PnErros"), Qt::black, 16, 152, 313, 41);
    CriaRotuloLegenda(FPnErros, QStringLiteral("Label2"), QStringLiteral("Errors Found:"), 24, 12,
                      65, 13);
    FLbErrosEncontrados =
        CriaRotuloValor(FPnErros, QStringLiteral("LbErrosEncontrados"), 96, 10, 201, 17);

    FBtFecha = CriaBotaoRapido(detalhes, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 239, 231);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
}

void TDlgDetalhesAtividade::MostraAtividade(TProjetoSoftware* projeto, TAtividade* a) {
    FProjeto = projeto;
    FAtividade = a;
    FAreaDesenho->update();
    if (!a) {
        return;
    }

    const std::uint8_t tipo = a->Tipo();
    MostraTexto(FLbNome, a->Nome());
    MostraTexto(FLbTipo, NomeTipoAtividade(tipo));
    MostraTexto(FLbPercentual, FormataNumero(a->Percentual() * 100.0, 0) + QStringLiteral(" %"));
    MostraTexto(FLbTempoExecutado, FormataNumero(a->TempoExecutado(), 2) + QStringLiteral(" days"));
    if (tipo == TipoInspecao) {
        MostraTexto(FLbDuracao, FormataNumero(a->Duracao(), 2) + QStringLiteral(" days"));
    } else {
        MostraTexto(FLbDuracao, QStringLiteral("Min: ") + FormataNumero(a->DuracaoMinima(), 2) +
                                    QStringLiteral(" .. Avg: ") +
                                    FormataNumero(a->DuracaoMedia(), 2) +
                                    QStringLiteral(" .. Max: ") +
                                    FormataNumero(a->DuracaoMaxima(), 2) + QStringLiteral(" days"));
    }
    MostraTexto(FLbErrosEncontrados,
                FormataNumero(a->ErrosEncontrados(), 0) + QStringLiteral(" errors"));
    FPnErros->setVisible(tipo == TipoTeste || tipo == TipoInspecao);
}

void TDlgDetalhesAtividade::DesenhaEstrela(QPainter& canvas, const QSize& area,
                                           const TAtividade* a) {
    canvas.save();
    // Smoothed on a dense screen only: a plain one keeps its crisp edges.
    if (RazaoPixels(canvas) > 1) {
        canvas.setRenderHint(QPainter::Antialiasing);
    }
    canvas.setPen(QPen(CorLima, 2, Qt::SolidLine));
    const QPoint m(area.width() / 2, area.height() / 2);

    QList<const TDesenvolvedor*> figuras;
    if (a && a->Desenvolvedor()) {
        figuras.append(a->Desenvolvedor());
    }

    const qsizetype n = figuras.size();
    const double passo = n > 0 ? 2 * std::numbers::pi / double(n) : 0.0;
    for (qsizetype i = 0; i < n; ++i) {
        const double t = double(i) * passo;
        const int dx = static_cast<int>(std::cos(t) * RaioEstrela);
        const int dy = static_cast<int>(std::sin(t) * RaioEstrela);
        const QPoint q(m.x() - dx, m.y() - dy);
        canvas.drawLine(m, q);
        const QImage& figura = figuras[i]->ImagemPequena();
        DesenhaRetrato(canvas, QPoint(q.x() - figura.width() / 2, q.y() - figura.height() / 2),
                       figura, figuras[i]->Nome(), false);
    }

    canvas.setBrush(Qt::white);
    canvas.drawEllipse(QRect(m.x() - RaioDisco, m.y() - RaioDisco, 2 * RaioDisco, 2 * RaioDisco));
    canvas.restore();
}
