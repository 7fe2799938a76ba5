#pragma once

#include "analise/AnaliseJogo.h"
#include "plan/Plano.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QCustomPlot;
class QPushButton;
class QTabWidget;
class TSimuladorProjeto;

// The "Orvanta Debrief" window: the charts of a game, one tab each, in the
// game's screen look, with hover tips and an export to PDF, SVG or PNG. It
// replays the plan its source gives on a simulator of its own, so the game
// it shows is never touched.
class TJanelaDebrief : public QWidget {
    Q_OBJECT
public:
    using TFonte = std::function<TPlano()>;

    explicit TJanelaDebrief(TFonte fonte, QWidget* parent = nullptr);
    ~TJanelaDebrief() override;

    const TAnaliseJogo& Analise() const { return FAnalise; }
    // Chart i, in the order of NomesGraficosDebrief; drawn when first shown.
    QCustomPlot* Grafico(int i) const;
    int NumeroGraficos() const;

    // Writes the charts to caminho (.pdf, .svg or .png); false with the reason
    // in erro when it cannot.
    bool Exporta(const QString& caminho, QString& erro) const;

public slots:
    // Replays the source's plan and redraws: after each turn and a new game.
    void Atualiza();

private:
    void MostraGrafico(int i);
    void ExportaPedido();

    TFonte FFonte;
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    TAnaliseJogo FAnalise;
    QTabWidget* FAbas = nullptr;
    QPushButton* FBotaoExporta = nullptr;
    QList<QCustomPlot*> FGraficos;
    QList<bool> FDesatualizado; // per tab: drawn from an older analysis
};
