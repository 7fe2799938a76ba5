#include "ui/NavegacaoTeclado.h"

#include "model/mAtividade.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

QList<TAtividade*> TNavegacaoTeclado::OrdemGrafico(const QList<TAtividade*>& lista) {
    QList<TAtividade*> ordem;
    for (TAtividade* a : lista) {
        if (a) {
            ordem.append(a);
        }
    }
    std::stable_sort(ordem.begin(), ordem.end(), [](const TAtividade* a, const TAtividade* b) {
        if (a->PosicaoY() != b->PosicaoY()) {
            return a->PosicaoY() < b->PosicaoY();
        }
        return a->PosicaoX() < b->PosicaoX();
    });
    return ordem;
}

TAtividade* TNavegacaoTeclado::Vizinha(const QList<TAtividade*>& lista, const TAtividade* atual,
                                       TDirecao direcao) {
    const QList<TAtividade*> ordem = OrdemGrafico(lista);
    if (!atual || !ordem.contains(atual)) {
        return ordem.value(0, nullptr);
    }
    TAtividade* melhor = nullptr;
    qint64 menor = std::numeric_limits<qint64>::max();
    for (TAtividade* b : ordem) {
        const qint64 dx = qint64(b->PosicaoX()) - atual->PosicaoX();
        const qint64 dy = qint64(b->PosicaoY()) - atual->PosicaoY();
        qint64 frente = 0;
        qint64 lado = 0;
        switch (direcao) {
        case TDirecao::Esquerda:
            frente = -dx;
            lado = dy;
            break;
        case TDirecao::Direita:
            frente = dx;
            lado = dy;
            break;
        case TDirecao::Cima:
            frente = -dy;
            lado = dx;
            break;
        case TDirecao::Baixo:
            frente = dy;
            lado = dx;
            break;
        }
        if (b == atual || frente <= 0) {
            continue;
        }
        const qint64 distancia = frente + 2 * std::llabs(lado);
        if (distancia < menor) {
            menor = distancia;
            melhor = b;
        }
    }
    return melhor;
}

TAtividade* TNavegacaoTeclado::Seguinte(const QList<TAtividade*>& lista, const TAtividade* atual,
                                        int passo) {
    const QList<TAtividade*> ordem = OrdemGrafico(lista);
    if (ordem.isEmpty()) {
        return nullptr;
    }
    const qsizetype n = ordem.size();
    const qsizetype i = atual ? ordem.indexOf(atual) : -1;
    if (i < 0) {
        return passo < 0 ? ordem.last() : ordem.first();
    }
    const qsizetype j = ((i + passo) % n + n) % n;
    return ordem.at(j);
}

TAtividade* TNavegacaoTeclado::Extremo(const QList<TAtividade*>& lista, bool ultima) {
    const QList<TAtividade*> ordem = OrdemGrafico(lista);
    if (ordem.isEmpty()) {
        return nullptr;
    }
    return ultima ? ordem.last() : ordem.first();
}

TDesenvolvedor* TNavegacaoTeclado::MembroSeguinte(const QList<TDesenvolvedor*>& equipe,
                                                  const TDesenvolvedor* atual, int passo) {
    // Each developer once, at his first place in the team.
    QList<TDesenvolvedor*> membros;
    for (TDesenvolvedor* d : equipe) {
        if (d && !membros.contains(d)) {
            membros.append(d);
        }
    }
    if (membros.isEmpty()) {
        return nullptr;
    }
    const qsizetype i = atual ? membros.indexOf(atual) : -1;
    if (i < 0) {
        return passo < 0 ? membros.last() : membros.first();
    }
    const qsizetype j = std::clamp<qsizetype>(i + passo, 0, membros.size() - 1);
    return membros.at(j);
}
