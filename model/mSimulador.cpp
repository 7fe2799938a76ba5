// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mSimulador.h"

#include "model/mAtividade.h"
#include "model/mProjeto.h"

#include <QStringView>
#include <algorithm>
#include <functional>

const QString TSimuladorProjeto::TextoConfirmacao = QStringLiteral(
    "Nothing is going to happen this turn. Are you sure you want to spent a project day ?");

namespace {

// The scenario: the seven developers of the pool (daily cost and experience in
// each kind of work) and the sixteen activities of the network (type, place on
// the chart, share of the effort, size of their functional area) are the
// game's fixed data, as designed; every record names them and replays them.
struct TDadosDesenvolvedor {
    QStringView nome;
    double custo, analise, projeto, programacao, testes, qa;
};

constexpr TDadosDesenvolvedor TabelaDesenvolvedores[] = {
    {u"Corvin", 25, 0.2, 0.3, 0.5, 0.7, 0.5},  {u"Fennick", 30, 0.9, 0.6, 0.3, 0.3, 0.5},
    {u"Ysolde", 25, 0.1, 0.7, 0.9, 0.4, 0.2},  {u"Tamsin", 35, 0.8, 0.9, 0.7, 0.3, 0.3},
    {u"Idony", 15, 0.2, 0.3, 0.5, 0.2, 0.1},   {u"Oswin", 30, 0.3, 0.7, 0.6, 0.5, 0.4},
    {u"Brannoc", 30, 0.2, 0.6, 0.8, 0.8, 0.5},
};

struct TDadosAtividade {
    QStringView nome;
    std::uint8_t tipo;
    std::int32_t x, y;
    double esforco, tamanho;
};

constexpr TDadosAtividade TabelaAtividades[] = {
    {u"Users and Professors use cases", TipoAnalise, 100, 50, 4.1114, 19.71},
    {u"Areas and Disciplines use cases", TipoAnalise, 300, 50, 4.1114, 20.44},
    {u"Students and Registration use cases", TipoAnalise, 450, 50, 4.1114, 23.36},
    {u"System Architecture", TipoArquitetura, 300, 150, 3.6958, 63.51},
    {u"Users and Professors Design", TipoProjeto, 100, 250, 11.7052, 19.71},
    {u"Areas and Disciplines Design", TipoProjeto, 300, 250, 11.7052, 20.44},
    {u"Students and Registration Design", TipoProjeto, 450, 250, 11.7052, 23.36},
    {u"Users and Professors Inspection", TipoInspecao, 100, 350, 0, 19.71},
    {u"Areas and Disciplines Inspection", TipoInspecao, 300, 350, 0, 20.44},
    {u"Students and Registration Inspection", TipoInspecao, 450, 350, 0, 23.36},
    {u"Users and Professors Coding", TipoCodificacao, 100, 450, 20.5459, 19.71},
    {u"Areas and Disciplines Coding", TipoCodificacao, 300, 450, 20.5459, 20.44},
    {u"Students and Registration Coding", TipoCodificacao, 450, 450, 20.5459, 23.36},
    {u"Test Users and Professors", TipoTeste, 100, 550, 59.9416, 19.71},
    {u"Test Areas and Disciplines", TipoTeste, 300, 550, 59.9416, 20.44},
    {u"Test Students and Registration", TipoTeste, 450, 550, 59.9416, 23.36},
};

// The day step keeps the pool's developers in sets of one bit each.
static_assert(std::size(TabelaDesenvolvedores) <= 64);

// Precedence links as (dependent, predecessor), 1-based, in the order they are made.
constexpr int TabelaLigacoes[][2] = {{4, 1},  {4, 2},   {4, 3},   {5, 4},   {6, 4},
                                     {7, 4},  {8, 5},   {9, 6},   {10, 7},  {11, 8},
                                     {12, 9}, {13, 10}, {14, 11}, {15, 12}, {16, 13}};

// The scenario's names stay in the program's constant data: a name is
// never copied, whatever simulator holds it.
QString NomeFixo(QStringView nome) {
    return QString::fromRawData(nome.data(), nome.size());
}

} // namespace

TSimuladorProjeto::TSimuladorProjeto(const TFonteImagens& imagens)
    : FProjeto(std::make_unique<TProjetoSoftware>()) {
    CriarCenario(imagens);
}

TSimuladorProjeto::~TSimuladorProjeto() = default;

void TSimuladorProjeto::CriarCenario(const TFonteImagens& imagens) {
    FPool.reserve(std::size(TabelaDesenvolvedores));
    FDesenvolvedores.reserve(std::size(TabelaDesenvolvedores));
    for (const TDadosDesenvolvedor& d : TabelaDesenvolvedores) {
        TDesenvolvedor& novo = FPool.emplace_back(NomeFixo(d.nome), d.custo, d.analise, d.projeto,
                                                  d.programacao, d.testes, d.qa);
        FDesenvolvedores.append(&novo);
        if (imagens) {
            novo.DefineImagens(imagens(novo.Nome()));
        }
    }
    FProjeto->FAtividades.reserve(std::size(TabelaAtividades));
    for (const TDadosAtividade& a : TabelaAtividades) {
        FProjeto->AdicionarAtividade(NomeFixo(a.nome), a.tipo, a.x, a.y, a.esforco, a.tamanho);
    }
    for (const auto& [dependente, predecessora] : TabelaLigacoes) {
        FProjeto->Atividade(dependente - 1)
            ->AdicionarPredecessora(FProjeto->Atividade(predecessora - 1));
    }
}

bool TSimuladorProjeto::ConfirmarTurno(const TPergunta& pergunta) const {
    // Some pool developer works exactly when some activity of a pool
    // developer is running; the last day step found out, unless an activity
    // has changed since.
    const auto doPool = [this](const TDesenvolvedor* d) { return PosicaoPool(d) >= 0; };
    const bool conhecido = FTrabalhoConhecido && FProjeto->FMudancas == FMudancasTrabalho;
    if (conhecido ? FAlguemTrabalha : FProjeto->AlgumaEmExecucao(doPool)) {
        return true;
    }
    return pergunta ? pergunta(TextoConfirmacao) : false;
}

void TSimuladorProjeto::AvancarDia(TReceptorMensagens* painel) {
    painel = ReceptorAtento(painel);
    const TProjetoSoftware& projeto = *FProjeto;
    FProjeto->AvancarTempo(painel, 1.0);
    // Who is in the team and who has a running activity, as sets of pool
    // positions, from what the project's day left: the developers' update
    // changes no activity.
    quint64 naEquipe = 0;
    quint64 trabalhando = 0;
    for (const TDesenvolvedor* d : projeto.Equipe()) {
        if (const qsizetype k = PosicaoPool(d); k >= 0) {
            naEquipe |= quint64(1) << k;
        }
    }
    projeto.ParaCadaEmExecucao([&](const TAtividade* a) {
        if (const qsizetype k = PosicaoPool(a->Desenvolvedor()); k >= 0) {
            trabalhando |= quint64(1) << k;
        }
    });
    const double dia = projeto.Tempo();
    for (std::size_t k = 0; k < FPool.size(); ++k) {
        FPool[k].AtualizarDia((naEquipe >> k) & 1, (trabalhando >> k) & 1, painel, 1.0, dia);
    }
    FAlguemTrabalha = trabalhando != 0;
    FTrabalhoConhecido = true;
    FMudancasTrabalho = projeto.FMudancas;
}

void TSimuladorProjeto::Reiniciar() {
    for (TDesenvolvedor& d : FPool) {
        d.Reiniciar();
    }
    FProjeto->Reiniciar();
}
