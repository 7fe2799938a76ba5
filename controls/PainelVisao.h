#pragma once

#include "controls/PainelDesenho.h"

#include <QList>
#include <QPoint>
#include <QRegion>
#include <QString>

class TBackDrop;
class TControladorVisao;
class TDesenvolvedor;

// The team: one card per developer, top to bottom, each with the developer's
// picture, the controller's thermometers and the flags whose condition holds.
// A press selects a card (blue frame), a double click asks for details, and a
// drag that starts on the drawing area carries the selected developer (none
// after a press on empty space) to the activity chart with this panel as the
// drag's source.
class TPainelVisao : public TPainelDesenhoVertical {
    Q_OBJECT
public:
    explicit TPainelVisao(QWidget* parent);

    // Shows the given list (not copied: every paint reads its current content)
    // through the controller, clears the selection and sets the content height.
    void DefineDesenvolvedores(const QList<TDesenvolvedor*>* lista, TControladorVisao* controlador);
    TDesenvolvedor* DesenvolvedorSelecionado() const { return FSelecionado; }
    // Programmatic selection: repaints the two frames concerned, raises no event.
    void SelecionaDesenvolvedor(TDesenvolvedor* d);
    // To be called whenever the team list or its developers may have changed
    // (after each command and each day step): sets the content height from the
    // list's current size, which places the scroll strips, and repaints. When
    // the content shrinks, an offset that would show nothing but space below
    // it comes back to the content's end (or to 0 when all of it fits).
    void Atualiza();
    // Scrolls, by the panel's own steps, until d's card is in view (d's first
    // card when he is in the team twice); nothing for none or a developer not
    // in the team.
    void MostraDesenvolvedor(const TDesenvolvedor* d);

    // Raised after a press on the drawing area, unless OnDblClick is raised instead.
    TNotifyEvent OnSelect;
    // Raised on the second press of a double click, when set.
    TNotifyEvent OnDblClick;

    // Card geometry: width 52 + 8 per thermometer, centred in the panel.
    int LarguraCartao() const;
    int EsquerdaCartao() const;
    // The developer whose card holds the content point (x, y): bounds L and
    // L + w inside, none in the 5-pixel gap above each card. None while the
    // panel has no controller.
    TDesenvolvedor* DesenvolvedorEm(int x, int y) const;
    // What the selection frame of d covers on the drawing area at the current
    // offset; empty for none or a developer not in the list.
    QRegion RegiaoSelecao(const TDesenvolvedor* d) const;
    // A pending drag starts once the pointer has moved this far from the press
    // along either axis.
    static bool PassouLimiarArrasto(QPoint inicio, QPoint atual);
    bool ArrastoPendente() const { return FArrastoPendente; }
    TBackDrop* Fundo() const { return FFundo; }

    static constexpr int AlturaLinha = 80;
    static constexpr int AlturaTermometro = 62;
    static constexpr int LimiarArrasto = 5;
    // Mime type of the data a drag from this panel carries (the developer's name).
    static const QString TipoArrasto;

protected:
    void CriaControles() override;
    void DesenhaConteudo(QPainter& canvas, int deslocamento) override;
    void TrataClique(const TEstadoShift& shift, int x, int y) override;
    // Runs the drag once the threshold is passed; blocks until the drop.
    virtual void IniciaArrasto();

private:
    void TrataMouseDown(const TEstadoShift& shift, int x, int y);
    void TrataMouseMove(Qt::MouseButtons botoes, int x, int y);
    void AtualizaDica(int x, int y);
    void DesenhaDesenvolvedor(QPainter& canvas, int topo, const TDesenvolvedor* d) const;
    void DesenhaTermometros(QPainter& canvas, int esquerda, int topo,
                            const TDesenvolvedor* d) const;
    void DesenhaBandeiras(QPainter& canvas, int esquerda, int topo, const TDesenvolvedor* d) const;
    void DesenhaSelecao(const TDesenvolvedor* d);
    QRegion AnelSelecao(int topo) const;
    int Quantidade() const;

    std::function<void(const TEstadoShift&, int, int)> FMouseDownBase;
    const QList<TDesenvolvedor*>* FListaDesenvolvedores = nullptr;
    TControladorVisao* FControlador = nullptr;
    TDesenvolvedor* FSelecionado = nullptr;
    TBackDrop* FFundo = nullptr;
    bool FArrastoPendente = false;
    QPoint FInicioArrasto;
};
