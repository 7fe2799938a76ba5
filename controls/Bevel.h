// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPainter;

// A lowered box, the default bevel: its top and left edges in the button
// shadow colour, its bottom and right edges in the button highlight colour,
// each one pixel wide. Nothing else is painted, so whatever lies beneath
// shows inside the box. Three pixels high it is a separator line: a shadow
// row over a highlight row.
class TBevel : public QWidget {
    Q_OBJECT
public:
    explicit TBevel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DesenhaSombra(QPainter& canvas) const;
    void DesenhaLuz(QPainter& canvas) const;
};
