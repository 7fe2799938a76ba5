#pragma once

#include <QDialog>

class QLabel;
class TBotaoRapido;

// The welcome screen shown once, at the main window's first activation.
// Closed by its Close button or Esc (Cancel); Enter does nothing.
class TDlgApresentacao : public QDialog {
    Q_OBJECT
public:
    explicit TDlgApresentacao(QWidget* parent = nullptr);

    TBotaoRapido* BtFecha() const { return FBtFecha; }
    QLabel* Imagem() const { return FImage1; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* FImage1;
    TBotaoRapido* FBtFecha;
};
