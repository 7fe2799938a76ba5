// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PainelDesenho.h"

#include "controls/AlinhaCliente.h"
#include "controls/FiguraDensa.h"

#include <QBitmap>
#include <QCursor>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <limits>

namespace {

// Offsets and heights stay within 32 bits whatever the sizes reported.
int Satura(qint64 valor) {
    return int(std::clamp<qint64>(valor, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// A scroll button that reports every pointer move over it, pressed or not.
class TBotaoRolagem : public QToolButton {
public:
    TBotaoRolagem(QWidget* parent, const QString& recurso) : QToolButton(parent) {
        setAutoRaise(true);
        // Flat but not transparent: the button face shows behind the glyph.
        setBackgroundRole(QPalette::Button);
        setAutoFillBackground(true);
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(true);
        QPixmap glifo(recurso);
        if (!glifo.isNull()) {
            glifo.setMask(glifo.createMaskFromColor(Qt::white));
            QIcon icone(glifo);
            AdicionaVariantes(icone, QImage(recurso), recurso, qRgb(255, 255, 255));
            setIcon(icone);
            setIconSize(glifo.size());
        }
    }

    std::function<void()> OnMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        QToolButton::mouseMoveEvent(event);
        if (OnMouseMove) {
            OnMouseMove();
        }
    }
};

} // namespace

TAreaDesenho::TAreaDesenho(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAcceptDrops(true);
}

void TAreaDesenho::paintEvent(QPaintEvent*) {
    if (OnPaint) {
        QPainter canvas(this);
        OnPaint(canvas);
    }
}

void TAreaDesenho::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        const QPoint p = event->position().toPoint();
        OnMouseDown(TEstadoShift{event->modifiers(), event->buttons(), false}, p.x(), p.y());
    }
}

void TAreaDesenho::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        const QPoint p = event->position().toPoint();
        OnMouseDown(TEstadoShift{event->modifiers(), event->buttons(), true}, p.x(), p.y());
    }
}

void TAreaDesenho::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        const QPoint p = event->position().toPoint();
        OnMouseMove(event->buttons(), p.x(), p.y());
    }
}

void TAreaDesenho::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp) {
        const QPoint p = event->position().toPoint();
        OnMouseUp(event->buttons(), p.x(), p.y());
    }
}

// The enter is taken whenever someone listens, even where no drop is allowed
// (with no drop action), so that the moves that follow arrive; each move then
// decides whether a drop is allowed there.
void TAreaDesenho::dragEnterEvent(QDragEnterEvent* event) {
    if (!OnDragOver && !OnDragDrop) {
        event->ignore();
        return;
    }
    dragMoveEvent(event);
    if (!event->isAccepted()) {
        event->setDropAction(Qt::IgnoreAction);
        event->accept(QRect(event->position().toPoint(), QSize(1, 1)));
    }
}

void TAreaDesenho::dragMoveEvent(QDragMoveEvent* event) {
    const QPoint p = event->position().toPoint();
    // The answer holds for this one point only: otherwise the platform takes it
    // for the whole area and asks again only once the pointer leaves it, so a
    // drag entering over empty chart space could never reach a circle.
    const QRect ponto(p, QSize(1, 1));
    if (OnDragOver && OnDragOver(event->source(), p.x(), p.y())) {
        event->setDropAction(event->proposedAction());
        event->accept(ponto);
    } else {
        event->ignore(ponto);
    }
}

void TAreaDesenho::dropEvent(QDropEvent* event) {
    const QPoint p = event->position().toPoint();
    // A drop lands only where a drag over the same point would be allowed.
    if (OnDragOver && OnDragOver(event->source(), p.x(), p.y()) && OnDragDrop) {
        OnDragDrop(event->source(), p.x(), p.y());
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

TPainelDesenhoVertical::TPainelDesenhoVertical(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    new TAlinhaCliente(this);
}

void TPainelDesenhoVertical::SetEstiloBotoes(std::uint8_t estilo) {
    FEstiloBotoes = estilo;
    FRolagemAutomatica = estilo != 0;
}

void TPainelDesenhoVertical::SetRolagemAutomatica(bool automatica) {
    FRolagemAutomatica = automatica;
}

void TPainelDesenhoVertical::SetPassoRolagem(int pixels) {
    FPassoRolagem = pixels;
}

void TPainelDesenhoVertical::SetAlturaConteudo(int pixels) {
    FAlturaConteudo = pixels;
    PosicionaBotoes();
    AtualizaBotoes();
}

void TPainelDesenhoVertical::RolaParaFim() {
    FDeslocamento = Satura(qint64(FAlturaConteudo) - height());
    AtualizaBotoes();
    Repinta();
}

void TPainelDesenhoVertical::Repinta() {
    update();
    if (FAreaDesenho) {
        FAreaDesenho->update();
    }
}

void TPainelDesenhoVertical::CriaControles() {
    FAreaDesenho = new TAreaDesenho(this);
    FAreaDesenho->OnPaint = [this](QPainter& canvas) { DesenhaConteudo(canvas, FDeslocamento); };
    FAreaDesenho->OnMouseDown = [this](const TEstadoShift& shift, int x, int y) {
        TrataClique(shift, x, Satura(qint64(y) + FDeslocamento));
    };
    FAreaDesenho->setGeometry(rect());
    FAreaDesenho->show();

    auto* sobe = new TBotaoRolagem(this, QStringLiteral(":/UP.bmp"));
    connect(sobe, &QToolButton::clicked, this, &TPainelDesenhoVertical::RolaParaCima);
    sobe->OnMouseMove = [this, sobe] { TrataPassagem(sobe); };
    FBotaoSobe = sobe;

    auto* desce = new TBotaoRolagem(this, QStringLiteral(":/DOWN.bmp"));
    connect(desce, &QToolButton::clicked, this, &TPainelDesenhoVertical::RolaParaBaixo);
    desce->OnMouseMove = [this, desce] { TrataPassagem(desce); };
    FBotaoDesce = desce;

    FTemporizador = new QTimer(this);
    FTemporizador->setInterval(500);
    connect(FTemporizador, &QTimer::timeout, this, &TPainelDesenhoVertical::TrataTemporizador);
    FTemporizador->start();

    PosicionaBotoes();
    AtualizaBotoes();
}

void TPainelDesenhoVertical::DesenhaConteudo(QPainter&, int) {}

void TPainelDesenhoVertical::TrataClique(const TEstadoShift&, int, int) {}

void TPainelDesenhoVertical::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PosicionaBotoes();
    AtualizaBotoes();
}

void TPainelDesenhoVertical::PosicionaBotoes() {
    if (!FBotaoSobe || !FBotaoDesce) {
        return;
    }
    const int w = width();
    const int h = height();
    switch (FEstiloBotoes) {
    case 0:
        FBotoesAlinhados = true;
        break;
    case 1:
        FBotoesAlinhados = false;
        FBotaoSobe->setGeometry(w - 22, 2, 20, 20);
        FBotaoDesce->setGeometry(w - 22, h - 22, 20, 20);
        break;
    case 2:
        FBotoesAlinhados = false;
        FBotaoSobe->setGeometry(w - 14, 2, 12, 12);
        FBotaoDesce->setGeometry(w - 14, h - 14, 12, 12);
        break;
    default:
        break;
    }
    if (FBotoesAlinhados) {
        FBotaoSobe->setGeometry(0, 0, w, 10);
        FBotaoDesce->setGeometry(0, h - 10, w, 10);
    }
    AjustaAreaDesenho();
}

// The drawing area fills the panel less the visible edge strips.
void TPainelDesenhoVertical::AjustaAreaDesenho() {
    if (!FAreaDesenho) {
        return;
    }
    QRect area = rect();
    if (FBotoesAlinhados) {
        if (!FBotaoSobe->isHidden()) {
            area.setTop(area.top() + 10);
        }
        if (!FBotaoDesce->isHidden()) {
            area.setBottom(area.bottom() - 10);
        }
    }
    FAreaDesenho->setGeometry(area);
}

void TPainelDesenhoVertical::AtualizaBotoes() {
    if (!FBotaoSobe || !FBotaoDesce) {
        return;
    }
    FBotaoSobe->setVisible(FDeslocamento > 0);
    FBotaoDesce->setVisible(qint64(FAlturaConteudo) - FDeslocamento > height());
    if (FBotoesAlinhados) {
        AjustaAreaDesenho();
    }
}

bool TPainelDesenhoVertical::MouseSobreBotao(const QToolButton* botao) const {
    if (!botao || !botao->isVisible()) {
        return false;
    }
    const QPoint cursor = QCursor::pos();
    const QPoint a = botao->mapToGlobal(QPoint(0, 0));
    const QPoint b = botao->mapToGlobal(QPoint(botao->width() - 1, botao->height() - 1));
    return cursor.x() >= a.x() && cursor.x() <= b.x() && cursor.y() >= a.y() && cursor.y() <= b.y();
}

void TPainelDesenhoVertical::RolaParaCima() {
    if (FDeslocamento <= 0) {
        return;
    }
    FDeslocamento = Satura(qint64(FDeslocamento) - FPassoRolagem);
    AtualizaBotoes();
    if (FAreaDesenho) {
        FAreaDesenho->update();
    }
}

void TPainelDesenhoVertical::RolaParaBaixo() {
    const int alturaArea = FAreaDesenho ? FAreaDesenho->height() : height();
    if (qint64(alturaArea) + FDeslocamento >= FAlturaConteudo) {
        return;
    }
    FDeslocamento = Satura(qint64(FDeslocamento) + FPassoRolagem);
    AtualizaBotoes();
    if (FAreaDesenho) {
        FAreaDesenho->update();
    }
}

void TPainelDesenhoVertical::MostraConteudo(int topo, int base) {
    // Each loop ends when a step leaves the offset where it was; the bound
    // only guards against a step of 0 or less.
    for (int passo = 0; passo < 10000 && topo < FDeslocamento; ++passo) {
        const int antes = FDeslocamento;
        RolaParaCima();
        if (FDeslocamento == antes) {
            return;
        }
    }
    // Down only as long as the top of the rows stays in view.
    for (int passo = 0; passo < 10000; ++passo) {
        const int altura = FAreaDesenho ? FAreaDesenho->height() : height();
        if (qint64(base) <= qint64(FDeslocamento) + altura ||
            qint64(topo) < qint64(FDeslocamento) + FPassoRolagem) {
            return;
        }
        const int antes = FDeslocamento;
        RolaParaBaixo();
        if (FDeslocamento == antes) {
            return;
        }
    }
}

void TPainelDesenhoVertical::LimitaDeslocamento(int maximo) {
    if (FDeslocamento <= maximo) {
        return;
    }
    FDeslocamento = maximo;
    AtualizaBotoes();
    if (FAreaDesenho) {
        FAreaDesenho->update();
    }
}

void TPainelDesenhoVertical::TrataPassagem(QToolButton* botao) {
    if (!FRolagemAutomatica) {
        return;
    }
    if (botao == FBotaoSobe) {
        RolaParaCima();
    } else if (botao == FBotaoDesce) {
        RolaParaBaixo();
    }
}

void TPainelDesenhoVertical::TrataTemporizador() {
    if (!FRolagemAutomatica) {
        return;
    }
    if (MouseSobreBotao(FBotaoSobe)) {
        RolaParaCima();
    }
    if (MouseSobreBotao(FBotaoDesce)) {
        RolaParaBaixo();
    }
}

void TPainelDesenhoVertical::RedesenhaRegiao(const QRegion& regiao) {
    if (!regiao.isEmpty() && FAreaDesenho) {
        FAreaDesenho->update(regiao);
    }
}
