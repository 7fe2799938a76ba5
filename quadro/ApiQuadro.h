// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teacher's board of a class and its public view: the pages, and the
// data they fetch (JSON that changes as records arrive, charts drawn as
// SVG, the CSV, a record's bytes). Pages and data of the board need the
// teacher (TAcessoQuadro); the public view is open while the teacher has
// switched it on, and shows no names.

#include "analise/FrentePar.h"
#include "quadro/AcessoQuadro.h"
#include "quadro/CacheSvg.h"
#include "quadro/PedidoQuadro.h"
#include "servidor/RespostaHttp.h"
#include "turma/FrenteTurma.h"

#include <QList>
#include <QString>

#include <memory>
#include <string>

class TDesenhistaQuadro;

struct TOpcoesQuadro {
    bool Tls = false;
    QString EnderecoEscuta; // the address the server listens on, for the class link
    QList<TReferenciaTurma> Referencias; // runs A and B, for the class chart
    QList<TPontoFrente> Frente;          // the best-known front, for the class chart
    // The best known plans with their plans, for a game's Par chart; none
    // (or one whose Erro says why) draws that chart without them.
    std::shared_ptr<const TFrentePar> Melhores;
};

class TApiQuadro {
public:
    TApiQuadro(TPoolTrabalho& pool, TDesenhistaQuadro& desenhista, const TOpcoesQuadro& opcoes);

    TAcessoQuadro& Acesso() { return FAcesso; }

    // GET /classes/CODE/: the board, or the sign-in page without the teacher.
    TRespostaHttp PaginaTurma(const TPedidoQuadro& pedido);
    // GET /classes/CODE/games/ID: the game's page; 303 to the sign-in page
    // without the teacher.
    TRespostaHttp PaginaJogo(const TPedidoQuadro& pedido);

    // GET .../board.json: JsonQuadro, with an ETag (304 when unchanged).
    TRespostaHttp Quadro(const TPedidoQuadro& pedido);
    // GET .../chart.svg: the class chart.
    TRespostaHttp GraficoTurma(const TPedidoQuadro& pedido);
    // GET .../results.csv: orvanta-class's table, as the API gives it.
    TRespostaHttp Csv(const TPedidoQuadro& pedido);
    // GET .../games/ID/game.json: JsonJogo; 404 for no such record.
    TRespostaHttp Jogo(const TPedidoQuadro& pedido, const std::string& id);
    // GET .../games/ID/record.json: the record's bytes as received, to save.
    TRespostaHttp Registro(const TPedidoQuadro& pedido, const std::string& id);
    // GET .../games/ID/NAME.svg: a debrief chart of the record (ArquivoGrafico).
    TRespostaHttp GraficoJogo(const TPedidoQuadro& pedido, const std::string& id,
                              const std::string& arquivo);

    // POST .../public, vista "off", "numbers" or "initials": switches the
    // public view; {"public_view"}. Needs the teacher and the board's own page.
    TRespostaHttp DefinePublica(const TPedidoQuadro& pedido, const std::string& vista);
    // GET .../public.json and .../public/chart.svg: 404 alike for an unknown
    // class and a public view switched off.
    TRespostaHttp Publico(const TPedidoQuadro& pedido);
    TRespostaHttp GraficoPublico(const TPedidoQuadro& pedido);

private:
    // What a worker read for an answer: the class (when the request may
    // see it) and its records or its chart.
    struct TDados;
    // On a worker: the records of the board or the public view, unless
    // seNenhum shows the client has them.
    void LeQuadro(TBancoTurmas& banco, const TTurma& turma, const std::string& seNenhum,
                  bool publico, TDados& dados);
    // On a worker: the class chart already drawn, or the records to draw it.
    void LeGrafico(TBancoTurmas& banco, const TTurma& turma, TDados& dados);
    TRespostaHttp RespondeQuadro(const TDados& d, const TPedidoQuadro& pedido, bool publico);
    TRespostaHttp RespondeGrafico(const TDados& d, const TPedidoQuadro& pedido);
    // The class of the request's code while its public view is on.
    std::optional<TTurma> TurmaPublica(TBancoTurmas& banco, const TPedidoQuadro& pedido);
    // A request whose credentials did not open the class: a wrong key
    // waits first.
    TRespostaHttp Recusa(const TAutenticacao& a);

    TPoolTrabalho& FPool;
    TDesenhistaQuadro& FDesenhista;
    TOpcoesQuadro FOpcoes;
    TAcessoQuadro FAcesso;
    TCacheSvg FGraficos;
};
