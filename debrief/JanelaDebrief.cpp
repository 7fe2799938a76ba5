// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/JanelaDebrief.h"

#include "analise/ParJogo.h"
#include "debrief/AbaDebrief.h"
#include "debrief/AbaDecisoes.h"
#include "debrief/AbaMensagens.h"
#include "debrief/GraficosDebrief.h"
#include "debrief/TextoCapa.h"
#include "graficos/ExportaGraficos.h"
#include "model/mSimulador.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

TJanelaDebrief::TJanelaDebrief(TFonte fonte, QWidget* parent)
    : QWidget(parent, Qt::Window), FFonte(std::move(fonte)),
      FSimulador(std::make_unique<TSimuladorProjeto>()),
      FPar(std::make_unique<TComparadorPar>(CarregaFrentePar(*FSimulador))),
      FPastaExporta(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    setObjectName(QStringLiteral("JanelaDebrief"));
    setWindowTitle(QStringLiteral("Orvanta Debrief"));
    resize(1000, 700);
    FAbas = new QTabWidget(this);
    FAbas->setObjectName(QStringLiteral("AbasDebrief"));
    // The tabs: every chart, the decisions with their list, then the messages.
    const QStringList nomes = NomesGraficosDebrief();
    for (int i = 0; i < nomes.size(); ++i) {
        AdicionaAba(i == GraficoDecisoes ? new TAbaDecisoes(i) : new TAbaGrafico(i), nomes.at(i));
    }
    AdicionaAba(new TAbaMensagens, QStringLiteral("Messages"));

    CriaBarra();
    connect(FAbas, &QTabWidget::currentChanged, this, &TJanelaDebrief::MostraAba);
    connect(FExportaGrafico, &QPushButton::clicked, this, [this] { ExportaPedido(false); });
    connect(FExportaTudo, &QPushButton::clicked, this, [this] { ExportaPedido(true); });
    Atualiza();
}

TJanelaDebrief::~TJanelaDebrief() = default;

void TJanelaDebrief::CriaBarra() {
    FSituacao = new QLabel(this);
    FSituacao->setObjectName(QStringLiteral("SituacaoDebrief"));
    FSituacao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FDiaJogo = new QSpinBox(this);
    FDiaJogo->setObjectName(QStringLiteral("DiaJogo"));
    FDiaJogo->setPrefix(QStringLiteral("Day "));
    FDiaJogo->setToolTip(QStringLiteral(
        "The day to play again from (a click on a day of the Cost or Schedule chart chooses it)"));
    FJogaDoDia = new QPushButton(this);
    FJogaDoDia->setObjectName(QStringLiteral("BotaoJogaDoDia"));
    FJogaDoDia->setToolTip(QStringLiteral(
        "Restore the game in the main window as it stood on this day, before that day's "
        "decisions, and play on from there as a practice game, which is not counted"));
    FExportaGrafico = new QPushButton(QStringLiteral("Export Chart..."), this);
    FExportaGrafico->setObjectName(QStringLiteral("BotaoExportaGrafico"));
    FExportaGrafico->setToolTip(QStringLiteral("Write the chart in view to a PDF, SVG or PNG file"));
    FExportaTudo = new QPushButton(QStringLiteral("Export..."), this);
    FExportaTudo->setObjectName(QStringLiteral("BotaoExporta"));
    FExportaTudo->setToolTip(QStringLiteral(
        "Write every chart: a PDF of one page each after the summary, or an SVG or PNG file each"));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(FSituacao, 1);
    botoes->addWidget(FDiaJogo);
    botoes->addWidget(FJogaDoDia);
    botoes->addSpacing(12);
    botoes->addWidget(FExportaGrafico);
    botoes->addWidget(FExportaTudo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FAbas);
    layout->addLayout(botoes);
    connect(FDiaJogo, &QSpinBox::valueChanged, this, [this](int dia) {
        FJogaDoDia->setText(QStringLiteral("Play from day %1").arg(dia));
    });
    connect(FJogaDoDia, &QPushButton::clicked, this, [this] { emit JogarDoDia(DiaJogo()); });
    FJogaDoDia->setText(QStringLiteral("Play from day 0"));
}

int TJanelaDebrief::DiaJogo() const {
    return FDiaJogo->value();
}

void TJanelaDebrief::DefineDiaJogo(int dia) {
    FDiaJogo->setValue(dia);
}

void TJanelaDebrief::AdicionaAba(TAbaDebrief* aba, const QString& nome) {
    FListaAbas.append(aba);
    FDesatualizado.append(true);
    FAbas->addTab(aba, nome);
    connect(aba, &TAbaDebrief::DiaEscolhido, this, &TJanelaDebrief::MarcaDia);
    connect(aba, &TAbaDebrief::DiaPedido, this, &TJanelaDebrief::MostraDia);
    connect(aba, &TAbaDebrief::DiaClicado, this, [this](int dia) {
        DefineDiaJogo(dia);
        MarcaDia(FDiaJogo->value());
    });
    connect(aba, &TAbaDebrief::JogoDoDiaPedido, this, [this](int dia) {
        DefineDiaJogo(dia);
        if (FJogaDoDia->isEnabled()) {
            emit JogarDoDia(FDiaJogo->value());
        }
    });
}

QCustomPlot* TJanelaDebrief::Grafico(int i) const {
    for (const TAbaDebrief* aba : FListaAbas) {
        if (aba->IndiceGrafico() == i) {
            return aba->Grafico();
        }
    }
    return nullptr;
}

int TJanelaDebrief::NumeroGraficos() const {
    return static_cast<int>(NomesGraficosDebrief().size());
}

void TJanelaDebrief::Atualiza() {
    TPlano vazio;
    vazio.MaximoDias = 0;
    const TPlano plano = FFonte ? FFonte() : vazio;
    TAnaliseJogo analise = AnalisaPlano(*FSimulador, plano);
    analise.Par = FPar->ParDe(analise.Capa.Rejogado, *FSimulador);
    if (analise.Capa.Ramo) {
        AtualizaOriginal();
        if (FOriginal) {
            auto original = std::make_shared<TJogoOriginal>(*FOriginal);
            original->Ramo = *analise.Capa.Ramo;
            analise.Original = original;
        }
    }
    // Any day played can be gone back to, and a game left unfinished can be
    // taken up where it stopped; a concluded one has no turn after its last.
    const int dias = analise.Capa.Rejogado.Dias;
    FDiaJogo->setRange(0, std::max(analise.Capa.Rejogado.Concluido ? dias - 1 : dias, 0));
    FDiaJogo->setEnabled(dias > 0);
    FJogaDoDia->setEnabled(dias > 0);
    for (TAbaDebrief* aba : FListaAbas) {
        aba->Esquece();
    }
    FAnalise = std::move(analise);
    FDesatualizado.fill(true);
    // Only the tab in view is drawn now; the others when they are chosen.
    MostraAba(FAbas->currentIndex());
}

void TJanelaDebrief::AtualizaOriginal() {
    std::optional<TPlano> original = FFonteOriginal ? FFonteOriginal() : std::nullopt;
    if (!original) {
        FPlanoOriginal.reset();
        FOriginal.reset();
        return;
    }
    // The original of a practice game stays as it was: analysed once.
    if (FOriginal && FPlanoOriginal == original) {
        return;
    }
    FOriginal = JogoOriginal(TRamoJogo(), AnalisaPlano(*FSimulador, *original));
    FPlanoOriginal = std::move(original);
}

void TJanelaDebrief::MostraAba(int i) {
    if (i < 0 || i >= FListaAbas.size()) {
        return;
    }
    TAbaDebrief* aba = FListaAbas.at(i);
    if (GraficoDeDias(aba->IndiceGrafico()) && aba->IndiceGrafico() != GraficoDecisoes) {
        FUltimaDeDias = i;
    }
    FExportaGrafico->setEnabled(aba->Grafico() != nullptr);
    if (FDesatualizado.at(i)) {
        aba->Mostra(FAnalise);
        FDesatualizado[i] = false;
    }
}

void TJanelaDebrief::MarcaDia(double dia) {
    FDia = dia;
    for (TAbaDebrief* aba : FListaAbas) {
        aba->MarcaDia(dia);
    }
}

void TJanelaDebrief::MostraDia(double dia) {
    MarcaDia(dia);
    int alvo = FUltimaDeDias;
    for (int i = 0; alvo < 0 && i < FListaAbas.size(); ++i) {
        if (FListaAbas.at(i)->IndiceGrafico() == GraficoCusto) {
            alvo = i;
        }
    }
    FAbas->setCurrentIndex(alvo);
}

bool TJanelaDebrief::Exporta(const QString& caminho, QString& erro, int grafico) const {
    return ExportaDebrief(FAnalise, caminho, erro, grafico);
}

QString TJanelaDebrief::NomeProposto(int grafico, const QString& sufixo) const {
    const QString nome = NomeArquivoDebrief(FAnalise.Capa, sufixo);
    if (grafico < 0) {
        return nome;
    }
    // orvanta-Ana-game-3-cost.pdf
    return QStringLiteral("%1-%2.%3")
        .arg(QFileInfo(nome).completeBaseName(), ArquivosGraficosDebrief().value(grafico), sufixo);
}

void TJanelaDebrief::ExportaPedido(bool todos) {
    const TAbaDebrief* aba = FListaAbas.value(FAbas->currentIndex());
    const int grafico = todos ? TodosGraficosDebrief : (aba ? aba->IndiceGrafico() : -1);
    if (!todos && grafico < 0) {
        return;
    }
    QString filtro = QStringLiteral("PDF (*.pdf)");
    const QString proposto = QDir(FPastaExporta).filePath(NomeProposto(grafico, QStringLiteral("pdf")));
    QString caminho = QFileDialog::getSaveFileName(
        this, todos ? QStringLiteral("Export the debrief") : QStringLiteral("Export the chart"),
        proposto, QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"), &filtro);
    if (caminho.isEmpty()) {
        return;
    }
    if (!FormatoPorNome(caminho)) {
        // The type chosen in the dialog, when the name gives none.
        caminho += QLatin1Char('.') + filtro.section(QLatin1Char('.'), 1).chopped(1);
    }
    FPastaExporta = QFileInfo(caminho).absolutePath();
    QString erro;
    if (!Exporta(caminho, erro, grafico)) {
        QMessageBox::warning(this, QStringLiteral("Orvanta Debrief"), erro);
        return;
    }
    QStringList nomes;
    for (const QString& arquivo : ArquivosExportacao(caminho, grafico)) {
        nomes.append(QFileInfo(arquivo).fileName());
    }
    FSituacao->setText(nomes.size() == 1
                           ? QStringLiteral("Wrote %1").arg(nomes.constFirst())
                           : QStringLiteral("Wrote %1 files: %2")
                                 .arg(QString::number(nomes.size()), nomes.join(QStringLiteral(", "))));
}

void TJanelaDebrief::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}
