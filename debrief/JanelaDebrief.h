// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analise/AnaliseJogo.h"
#include "plan/Plano.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QCustomPlot;
class QLabel;
class QPushButton;
class QTabWidget;
class TAbaDebrief;
class TSimuladorProjeto;

// The "Orvanta Debrief" window: a game's summary, decisions and charts, a
// tab each, in the game's screen look, with hover tips, its messages
// searchable and tied to their days, and an export to PDF, SVG or PNG. It
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
    // The day marked on the charts (from a chosen message or decision); -1 for none.
    double DiaMarcado() const { return FDia; }

    // Writes every chart (grafico -1) or chart grafico alone to caminho
    // (.pdf, .svg or .png; see ExportaDebrief); false with the reason in
    // erro when it cannot.
    bool Exporta(const QString& caminho, QString& erro, int grafico = -1) const;
    // The name the export dialog proposes for every chart (-1) or one.
    QString NomeProposto(int grafico, const QString& sufixo) const;

public slots:
    // Replays the source's plan and redraws: after each turn and a new game.
    void Atualiza();
    // Marks dia on every chart.
    void MarcaDia(double dia);
    // Marks dia and shows the day chart last looked at (the cost at first).
    void MostraDia(double dia);

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void AdicionaAba(TAbaDebrief* aba, const QString& nome);
    void MostraAba(int i);
    void ExportaPedido(bool todos);

    TFonte FFonte;
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    TAnaliseJogo FAnalise;
    QTabWidget* FAbas = nullptr;
    QPushButton* FExportaGrafico = nullptr;
    QPushButton* FExportaTudo = nullptr;
    QLabel* FSituacao = nullptr;
    QList<TAbaDebrief*> FListaAbas;
    QList<bool> FDesatualizado; // per tab: drawn from an older analysis
    int FUltimaDeDias = -1;     // the day chart's tab last in view
    double FDia = -1.0;
    QString FPastaExporta;
};
