#pragma once

#include <QDialog>

class QLabel;
class TBotaoRapido;

// The conclusion screen shown each time "Next Turn" finds the project
// concluded, after the result has been recorded. Closed by its Close button,
// Enter or Esc (Cancel).
class TDlgProjetoConcluido : public QDialog {
    Q_OBJECT
public:
    explicit TDlgProjetoConcluido(QWidget* parent = nullptr);

    TBotaoRapido* BtClose() const { return FBtClose; }
    QLabel* Imagem() const { return FImage1; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* FImage1;
    TBotaoRapido* FBtClose;
};
