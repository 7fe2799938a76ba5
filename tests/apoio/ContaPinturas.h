// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPaintEvent>

// A widget of class TWidget that counts the paint events it receives.
template <class TWidget> class TContaPinturas : public TWidget {
public:
    using TWidget::TWidget;
    int Pinturas = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++Pinturas;
        TWidget::paintEvent(event);
    }
};
