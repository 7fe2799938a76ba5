#include "JanelaDebrief.h"

#include "DicaGrafico.h"
#include "GraficosDebrief.h"
#include "graficos/PaletaGrafico.h"
#include "model/mSimulador.h"

#include <qcustomplot.h>

#include <QFileDialog>
#include <QHBoxLayout>
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
    // A fresh chart each time: the charts add rows and axis rectangles to
    // their layout, which clearing the data would leave behind.
    auto* novo = new QCustomPlot;
    MontaGraficoDebrief(i, *novo, FAnalise, TPaletaGrafico::Tela());
    InstalaDicas(*novo);
    QCustomPlot* antigo = FGraficos.at(i);
    const int atual = FAbas->currentIndex();
    const bool bloqueado = FAbas->blockSignals(true);
    FAbas->removeTab(i);
    FAbas->insertTab(i, novo, NomesGraficosDebrief().at(i));
    FAbas->setCurrentIndex(atual);
    FAbas->blockSignals(bloqueado);
    delete antigo;
    FGraficos[i] = novo;
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
