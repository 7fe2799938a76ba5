#pragma once

#include "DialogoCentrado.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class TBotaoRapido;
class TEnvioTurma;

// The "Class" dialog: the class link, Join and Leave, and how the sending
// of the game records stands (sent, waiting, refused with the server's
// reasons, the last error and the next try), in the dialogs' look. It
// follows the sending while it is open. Close and Esc close it; Enter in
// the link field joins.
class TDlgTurma : public TDialogoCentrado {
    Q_OBJECT
public:
    // envio must outlive the dialog.
    TDlgTurma(TEnvioTurma& envio, QWidget* parent = nullptr);

    QLineEdit* EdLink() const { return FEdLink; }
    TBotaoRapido* BtEntra() const { return FBtEntra; }
    TBotaoRapido* BtSai() const { return FBtSai; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }
    // The class's name ("None" out of a class) and how the last Join went.
    QLabel* LbTurma() const { return FLbTurma; }
    QLabel* LbEntrada() const { return FLbEntrada; }
    // Counts, the records not sent with their reasons, the last error, the next try.
    QLabel* LbEnviados() const { return FLbEnviados; }
    QLabel* LbAguardando() const { return FLbAguardando; }
    QLabel* LbRecusados() const { return FLbRecusados; }
    QLabel* LbNaoEnviados() const { return FLbNaoEnviados; }
    QLabel* LbUltimoErro() const { return FLbUltimoErro; }
    QLabel* LbProximaTentativa() const { return FLbProxima; }

    // How many records not sent are listed, one line each; the rest are counted.
    static constexpr int NaoEnviadosListados = 5;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Atualiza();
    void Entra();
    QLabel* Valor(const QString& nome, int linha, const QString& legenda);

    TEnvioTurma& FEnvio;
    QWidget* FPainel;
    QGridLayout* FGrade;
    QLineEdit* FEdLink;
    TBotaoRapido* FBtEntra;
    TBotaoRapido* FBtSai;
    TBotaoRapido* FBtFecha;
    QLabel* FLbTurma;
    QLabel* FLbEntrada;
    QLabel* FLbEnviados;
    QLabel* FLbAguardando;
    QLabel* FLbRecusados;
    QLabel* FLbNaoEnviados;
    QLabel* FLbUltimoErro;
    QLabel* FLbProxima;
};
