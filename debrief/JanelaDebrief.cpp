#include "JanelaDebrief.h"

#include "DicaGrafico.h"
#include "EstiloDebrief.h"
#include "GraficosDebrief.h"
#include "graficos/PaletaGrafico.h"
#include "model/mSimulador.h"

#include <qcustomplot.h>

#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TJanelaDebrief::TJanelaDebrief(TFonte fonte, QWidget* parent)
    : QWidget(parent, Qt::Window), FFonte(std::move(fonte)),
      FSimulador(std::make_unique<TSimuladorProjeto>()) {
    setObjectName(QStringLiteral("JanelaDebrief"));
    setWindowTitle(QStringLiteral("Orvanta Debrief"));
    resize(1000, 700);
    FAbas = new QTabWidget(this);
    FAbas->setObjectName(QStringLiteral("AbasDebrief"));
    const QStringList nomes = NomesGraficosDebrief();
    for (const QString& nome : nomes) {
        auto* grafico = new QCustomPlot;
        InstalaDicas(*grafico);
        FGraficos.append(grafico);
        FDesatualizado.append(true);
        FAbas->addTab(grafico, nome);
    }
    FBotaoExporta = new QPushButton(QStringLiteral("Export..."), this);
    FBotaoExporta->setObjectName(QStringLiteral("BotaoExporta"));
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(FBotaoExporta);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FAbas);
    layout->addLayout(botoes);
    connect(FAbas, &QTabWidget::currentChanged, this, &TJanelaDebrief::MostraGrafico);
    connect(FBotaoExporta, &QPushButton::clicked, this, &TJanelaDebrief::ExportaPedido);
    Atualiza();
}

TJanelaDebrief::~TJanelaDebrief() = default;

QCustomPlot* TJanelaDebrief::Grafico(int i) const {
    return FGraficos.value(i);
}

int TJanelaDebrief::NumeroGraficos() const {
    return static_cast<int>(FGraficos.size());
}

void TJanelaDebrief::Atualiza() {
    TPlano vazio;
    vazio.MaximoDias = 0;
    FAnalise = AnalisaPlano(*FSimulador, FFonte ? FFonte() : vazio);
    FDesatualizado.fill(true);
    // Only the chart in view is drawn now; the others when their tab is chosen.
    MostraGrafico(FAbas->currentIndex());
}

void TJanelaDebrief::MostraGrafico(int i) {
    if (i < 0 || i >= FGraficos.size() || !FDesatualizado.at(i)) {
        return;
    }
    QCustomPlot* grafico = FGraficos.at(i);
    EsvaziaGrafico(*grafico);
    MontaGraficoDebrief(i, *grafico, FAnalise, TPaletaGrafico::Tela());
    grafico->replot(QCustomPlot::rpQueuedReplot);
    FDesatualizado[i] = false;
}

bool TJanelaDebrief::Exporta(const QString& caminho, QString& erro) const {
    return ExportaDebrief(FAnalise, caminho, erro);
}

void TJanelaDebrief::ExportaPedido() {
    const QString caminho = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export the debrief"), QString(),
        QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"));
    if (caminho.isEmpty()) {
        return;
    }
    QString erro;
    if (!Exporta(caminho, erro)) {
        QMessageBox::warning(this, QStringLiteral("Orvanta Debrief"), erro);
    }
}

void TJanelaDebrief::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}
