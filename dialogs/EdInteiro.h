// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Integer spin field: an edit box with up and down buttons. Typing accepts the
// digits, '+', '-', the regional decimal separator and control characters;
// anything else is refused with a beep. The buttons and the Up and Down keys
// step by one within the range. Leaving the field replaces an integer outside
// the range by the nearer bound. Reading (Valor) gives the minimum for a text
// that is not an integer and the nearer bound for one outside the range, so it
// is always within [Minimo, Maximo]. Enter and Esc typed in the field are
// reported by Confirmado and Cancelado. The field keeps the application's
// colours (dark text on the field background, visible arrows) whatever the
// colours of the panel it is placed on.
class TEdInteiro : public QWidget {
    Q_OBJECT
public:
    explicit TEdInteiro(QWidget* parent = nullptr);

    // Sets the range (a reversed pair is put in order) and brings the field into it.
    void DefineFaixa(int minimo, int maximo);
    int Minimo() const { return FMinimo; }
    int Maximo() const { return FMaximo; }

    int Valor() const;
    // Shows valor brought into the range.
    void DefineValor(int valor);
    // Shows a real truncated toward zero and brought into the range; NaN shows
    // the minimum.
    void DefineValorTruncado(double valor);
    // Steps the value read from the field by delta, staying within the range.
    void Incrementa(int delta);

    QString Texto() const;
    QLineEdit* Edicao() const { return FEdicao; }
    QToolButton* BotaoCima() const { return FCima; }
    QToolButton* BotaoBaixo() const { return FBaixo; }

    // Whether ch may be typed into the field.
    static bool CaractereValido(QChar ch);

signals:
    void Confirmado();
    void Cancelado();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    int Limita(qint64 valor) const;
    void CorrigeFaixa();

    QLineEdit* FEdicao;
    QToolButton* FCima;
    QToolButton* FBaixo;
    int FMinimo = 0;
    int FMaximo = 100;
};
