#pragma once

// Where the board's charts are drawn. The charts are QCustomPlot widgets,
// which live on the application's thread only (Qt's rule for widgets): the
// HTTP threads hand the drawing to that thread and wait for it, while it
// does nothing else.

#include <QByteArray>
#include <QObject>

#include <functional>

class TDesenhistaQuadro : public QObject {
    Q_OBJECT

public:
    // Made on the application's thread.
    TDesenhistaQuadro() = default;

    // Runs desenho on the application's thread and returns what it drew:
    // at once when called there; otherwise queued for its event loop, which
    // must be running (or start) for the call to return.
    QByteArray Desenha(std::function<QByteArray()> desenho);
};
