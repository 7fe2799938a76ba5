#pragma once

#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <cstdint>
#include <functional>

class QPainter;

// An event with its sender, as the panels raise OnSelect and OnDblClick.
using TNotifyEvent = std::function<void(QObject* sender)>;

// State of a mouse press: modifier keys, buttons held, and whether the press is
// the second press of a double click.
struct TEstadoShift {
    Qt::KeyboardModifiers Teclas;
    Qt::MouseButtons Botoes;
    bool DuploClique = false;
};

// The drawing area (paint box) of a scrolling panel. It paints nothing of its
// own: every paint calls OnPaint, which draws with the painter it is given;
// what is left unpainted shows the widgets beneath it. Its events are hooks
// that the panel sets and that subclasses and hosts may replace.
class TAreaDesenho : public QWidget {
    Q_OBJECT
public:
    explicit TAreaDesenho(QWidget* parent);

    std::function<void(QPainter& canvas)> OnPaint;
    std::function<void(const TEstadoShift& shift, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButtons botoes, int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButtons botoes, int x, int y)> OnMouseUp;
    // Drag and drop onto the area: source is the drag's source object.
    std::function<bool(QObject* source, int x, int y)> OnDragOver;
    std::function<void(QObject* source, int x, int y)> OnDragDrop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// Common base of the three owner-drawn panels: a drawing area whose content may
// be taller than the panel, two scroll buttons, a hover-scroll timer and the
// vertical offset Deslocamento.
class TPainelDesenhoVertical : public QWidget {
    Q_OBJECT
public:
    explicit TPainelDesenhoVertical(QWidget* parent);

    void SetEstiloBotoes(std::uint8_t estilo);
    void SetRolagemAutomatica(bool automatica);
    void SetPassoRolagem(int pixels);
    void SetAlturaConteudo(int pixels);
    void RolaParaFim();
    // Repaints the whole panel, drawing area included. (A plain update() of the
    // panel does not reach the drawing area, which covers it with the backdrop.)
    void Repinta();

    TAreaDesenho* AreaDesenho() const { return FAreaDesenho; }
    int Deslocamento() const { return FDeslocamento; }
    int AlturaConteudo() const { return FAlturaConteudo; }
    int PassoRolagem() const { return FPassoRolagem; }
    bool RolagemAutomatica() const { return FRolagemAutomatica; }
    std::uint8_t EstiloBotoes() const { return FEstiloBotoes; }
    QToolButton* BotaoSobe() const { return FBotaoSobe; }
    QToolButton* BotaoDesce() const { return FBotaoDesce; }
    QTimer* Temporizador() const { return FTemporizador; }

    // The scroll actions, as a click on each button runs them.
    void RolaParaCima();
    void RolaParaBaixo();
    // Scrolls by the panel's own steps, as the buttons do, until the content
    // rows topo..base lie inside the drawing area, or as near as the steps go.
    void MostraConteudo(int topo, int base);

protected:
    // Creates the child widgets; concrete panels call it once from their constructor.
    virtual void CriaControles();
    // Draws the content: content y is drawn at y - deslocamento.
    virtual void DesenhaConteudo(QPainter& canvas, int deslocamento);
    // A press of any mouse button in the drawing area; y is a content coordinate.
    virtual void TrataClique(const TEstadoShift& shift, int x, int y);

    void resizeEvent(QResizeEvent* event) override;

    void PosicionaBotoes();
    void AtualizaBotoes();
    bool MouseSobreBotao(const QToolButton* botao) const;
    // Brings an offset above maximo down to it; a smaller one stays.
    void LimitaDeslocamento(int maximo);

private:
    void TrataTemporizador();
    void TrataPassagem(QToolButton* botao);
    void AjustaAreaDesenho();

    bool FRolagemAutomatica = true;
    int FPassoRolagem = 20;
    std::uint8_t FEstiloBotoes = 1;
    QToolButton* FBotaoSobe = nullptr;
    QToolButton* FBotaoDesce = nullptr;
    TAreaDesenho* FAreaDesenho = nullptr;
    QTimer* FTemporizador = nullptr;
    int FDeslocamento = 0;
    int FAlturaConteudo = 0;
    // The buttons are the 10-pixel strips at the top and bottom edges.
    bool FBotoesAlinhados = false;
};
