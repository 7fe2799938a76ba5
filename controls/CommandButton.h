// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PainelDesenho.h"

#include <QImage>
#include <QString>
#include <QWidget>

// A transparent command button: a picture above a one-line title. The title
// turns bold while the pointer is over an enabled button and grey while the
// button is disabled. Pure green (clGreen) in the pictures is transparent.
class TCommandButton : public QWidget {
    Q_OBJECT
public:
    explicit TCommandButton(QWidget* parent);

    const QImage& PictureBase() const { return FPictureBase; }
    const QImage& PictureDisable() const { return FPictureDisable; }
    const QString& Title() const { return FTitle; }
    bool Destacado() const { return FDestacado; }

    // `arquivo`, the file the picture was read from, gives the variants a dense
    // screen draws (FiguraDensa.h); without it every screen draws the picture.
    void SetPictureBase(const QImage& imagem, const QString& arquivo = QString());
    void SetPictureDisable(const QImage& imagem, const QString& arquivo = QString());
    void SetTitle(const QString& titulo);

    // Raised by a completed left click while the button is enabled.
    TNotifyEvent OnClick;

    // The title's font: the 8-point user-interface font, bold or regular.
    static QFont FonteTitulo(bool negrito);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool FDestacado = false;
    bool FPressionado = false;
    QImage FPictureBase;
    QImage FPictureDisable;
    // The two pictures with their green ground made transparent, ready to draw.
    QImage FDesenhoBase;
    QImage FDesenhoDisable;
    QString FArquivoBase;
    QString FArquivoDisable;
    QString FTitle;
};
