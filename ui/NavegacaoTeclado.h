#pragma once

#include <QList>

class TAtividade;
class TDesenvolvedor;

// Where the keyboard moves the selections of the main window's two panels:
// among the activities as the chart lays them out, and among the team
// members in the team panel's order. Reads the lists only.
class TNavegacaoTeclado {
public:
    enum class TDirecao { Esquerda, Direita, Cima, Baixo };

    // The chart's reading order: rows top to bottom, each left to right; list
    // order where two activities share a place. Null entries are left out.
    static QList<TAtividade*> OrdemGrafico(const QList<TAtividade*>& lista);

    // The activity an arrow key moves to from atual: among those lying that
    // way (strictly), the nearest, counting a step sideways twice as far as a
    // step ahead, so that the move keeps to its row or column; the earlier in
    // chart order on a tie. Null when none lies that way. From no activity
    // (or one not in the list), the first in chart order.
    static TAtividade* Vizinha(const QList<TAtividade*>& lista, const TAtividade* atual,
                               TDirecao direcao);

    // passo activities on in chart order (back for a negative passo), round
    // from the last to the first and back. From no activity (or one not in
    // the list), the first going on and the last going back. Null only for
    // an empty list.
    static TAtividade* Seguinte(const QList<TAtividade*>& lista, const TAtividade* atual,
                                int passo);
    // The first or the last activity in chart order; null for an empty list.
    static TAtividade* Extremo(const QList<TAtividade*>& lista, bool ultima);

    // The team member after atual (before it for a negative passo), stopping
    // at either end, where atual is kept. A developer in the team twice is
    // passed over as one, from his first place. From nobody (or someone not
    // in the team), the first going on and the last going back. Null only for
    // an empty team.
    static TDesenvolvedor* MembroSeguinte(const QList<TDesenvolvedor*>& equipe,
                                          const TDesenvolvedor* atual, int passo);
};
