// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analise/AnaliseJogo.h"
#include "plan/Plano.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCustomPlot;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TAbaDebrief;
class TComparadorPar;
class TSimuladorProjeto;

// The "Orvanta Debrief" window: a game's summary, decisions and charts, a
// tab each, in the game's screen look, with hover tips, its messages
// searchable and tied to their days, and an export to PDF, SVG or PNG. It
// replays the plan its source gives on a simulator of its own, so the game
// it shows is never touched. Its Par tab sets the game beside the best
// known plans (best/, found beside the program); its "Play from day N"
// asks the game to play again from a day (JogarDoDia), which a click on a
// day of the Cost or Schedule chart chooses and a double click asks at
// once.
class TJanelaDebrief : public QWidget {
    Q_OBJECT
public:
    using TFonte = std::function<TPlano()>;
    // The record of the game a practice game branched from; none otherwise.
    using TFonteOriginal = std::function<std::optional<TPlano>()>;

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

    // Where a practice game's original comes from, drawn beside it; read at
    // each Atualiza.
    void DefineOriginal(TFonteOriginal original) { FFonteOriginal = std::move(original); }
    // The day "Play from day N" offers: 0 to the days played.
    int DiaJogo() const;
    void DefineDiaJogo(int dia);

signals:
    // "Play from day N": the player asks to play the game again from day
    // dia, as it stood before that day's step.
    void JogarDoDia(int dia);

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
    void CriaBarra();
    void AtualizaOriginal();

    TFonte FFonte;
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    TAnaliseJogo FAnalise;
    std::unique_ptr<TComparadorPar> FPar;
    TFonteOriginal FFonteOriginal;
    std::optional<TPlano> FPlanoOriginal; // the original last analysed
    std::shared_ptr<const TJogoOriginal> FOriginal;
    QTabWidget* FAbas = nullptr;
    QPushButton* FExportaGrafico = nullptr;
    QPushButton* FExportaTudo = nullptr;
    QLabel* FSituacao = nullptr;
    QSpinBox* FDiaJogo = nullptr;
    QPushButton* FJogaDoDia = nullptr;
    QList<TAbaDebrief*> FListaAbas;
    QList<bool> FDesatualizado; // per tab: drawn from an older analysis
    int FUltimaDeDias = -1;     // the day chart's tab last in view
    double FDia = -1.0;
    QString FPastaExporta;
};
