#pragma once

#include "controls/PainelDesenho.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <utility>

class QFontMetrics;
class TAtividade;
class TBackDrop;

// The project's activity network: one circle per activity at its chart
// position, yellow links to its successors, its name under it, its
// percentage concluded as a number and a lime sector, and its developer's
// small picture on the rim. Drawn over a gradient backdrop; scrolls in steps
// of 50 pixels with two buttons at the right edge.
class TPainelAtividades : public TPainelDesenhoVertical {
    Q_OBJECT
public:
    explicit TPainelAtividades(QWidget* parent);

    // Shows the given list (not copied: the panel reads its current content on
    // every paint) and sets the content height. Null shows nothing.
    void DefineAtividades(const QList<TAtividade*>* lista);
    TAtividade* AtividadeSelecionada() const { return FSelecionada; }
    // Programmatic selection: redraws the two circles concerned, raises no event.
    void SelecionaAtividade(TAtividade* a);
    // The first activity, in list order, whose 61 x 61 square around its centre
    // holds (x, y), in drawing-area coordinates; null when none does.
    TAtividade* AtividadeEm(int x, int y) const;
    // Scrolls, by the panel's own steps, until a's circle and name are in
    // view, or as near as the steps go; nothing for none.
    void MostraAtividade(const TAtividade* a);

    // Fired on every press in the drawing area (sender = this panel).
    TNotifyEvent OnSelect;
    // Fired on the second press of a double click, after OnSelect.
    TNotifyEvent OnDblClick;

    // Splits a name into two lines for names wider than LarguraNome (measured
    // with metricas): at the last space that keeps the first line within the
    // width; a name without such a space stays whole on one line.
    static std::pair<QString, QString> DivideNome(const QFontMetrics& metricas,
                                                  const QString& nome);
    // Largest PosicaoY + Raio over the list plus MargemAltura (MargemAltura
    // alone for an empty list).
    int CalculaAltura() const;
    // The part of the drawing area that the circle of a covers at the current
    // offset (outline included): what a selection change repaints.
    QRect RetanguloAtividade(const TAtividade* a) const;
    TBackDrop* Fundo() const { return FFundo; }

    static constexpr int Raio = 30;
    static constexpr int LarguraNome = 150;
    static constexpr int MargemAltura = 20;

protected:
    void CriaControles() override;
    void DesenhaConteudo(QPainter& canvas, int deslocamento) override;
    void TrataClique(const TEstadoShift& shift, int x, int y) override;

private:
    // A text laid out once for the panel's font, with its width.
    struct TTexto {
        QStaticText Estatico;
        int Largura = 0;
    };
    const TTexto& Texto(const QFont& fonte, bool negrito, const QString& texto) const;
    const std::pair<QString, QString>& NomeDividido(const QFont& negrito,
                                                    const QString& nome) const;
    void DesenhaTexto(QPainter& canvas, int x, int y, const TTexto& texto) const;

    void DesenhaLigacoes(QPainter& canvas, int deslocamento, const TAtividade* a) const;
    void DesenhaAtividade(QPainter& canvas, int deslocamento, const TAtividade* a) const;
    void DesenhaNome(QPainter& canvas, int x, int y, const QString& nome) const;
    void DesenhaSetor(QPainter& canvas, int x, int y, double percentual) const;
    void RedesenhaAtividade(const TAtividade* a);

    const QList<TAtividade*>* FListaAtividades = nullptr;
    TAtividade* FSelecionada = nullptr;
    TBackDrop* FFundo = nullptr;
    // Names and percentages are laid out once per font: the names never change
    // and the percentages take few values.
    mutable QFont FFonteTextos;
    mutable QHash<QString, TTexto> FTextos[2];
    mutable QHash<QString, std::pair<QString, QString>> FNomes;
};
