#pragma once

#include <QDialog>

class QLabel;
class TAtividade;
class TBotaoRapido;
class TEdInteiro;

// Execution time given to an activity, typed in working hours (0 to 200) and
// returned in days at 8 hours per day.
class TDlgDedicacaoAtividade : public QDialog {
    Q_OBJECT
public:
    explicit TDlgDedicacaoAtividade(QWidget* parent = nullptr);

    // Shows a's name and its average duration in whole hours (truncated), within 0..200.
    void MostraAtividade(const TAtividade* a);
    // The hours chosen divided by 8: a multiple of 0.125 from 0 to 25.
    double Dedicacao() const;

    TEdInteiro* EdNumeroHoras() const { return FEdNumeroHoras; }
    QLabel* LbNome() const { return FLbNome; }
    TBotaoRapido* BtOk() const { return FBtOk; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

    static constexpr int MinimoHoras = 0;
    static constexpr int MaximoHoras = 200;
    static constexpr double HorasPorDia = 8.0;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QWidget* FPainel = nullptr;
    QLabel* FLbNome = nullptr;
    TEdInteiro* FEdNumeroHoras = nullptr;
    TBotaoRapido* FBtOk = nullptr;
    TBotaoRapido* FBtFecha = nullptr;
};
