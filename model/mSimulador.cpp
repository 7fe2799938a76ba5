#include "mSimulador.h"

#include "mAtividade.h"
#include "mDesenvolvedor.h"
#include "mProjeto.h"

const QString TSimuladorProjeto::TextoConfirmacao = QStringLiteral(
    "Nothing is going to happen this turn. Are you sure you want to spent a project day ?");

namespace {

struct TDadosDesenvolvedor {
    const char* nome;
    double custo, analise, projeto, programacao, testes, qa;
};

constexpr TDadosDesenvolvedor TabelaDesenvolvedores[] = {
    {"Corvin", 25, 0.2, 0.3, 0.5, 0.7, 0.5},  {"Fennick", 30, 0.9, 0.6, 0.3, 0.3, 0.5},
    {"Ysolde", 25, 0.1, 0.7, 0.9, 0.4, 0.2},  {"Tamsin", 35, 0.8, 0.9, 0.7, 0.3, 0.3},
    {"Idony", 15, 0.2, 0.3, 0.5, 0.2, 0.1},   {"Oswin", 30, 0.3, 0.7, 0.6, 0.5, 0.4},
    {"Brannoc", 30, 0.2, 0.6, 0.8, 0.8, 0.5},
};

struct TDadosAtividade {
    const char* nome;
    std::uint8_t tipo;
    std::int32_t x, y;
    double esforco, tamanho;
};

constexpr TDadosAtividade TabelaAtividades[] = {
    {"Users and Professors use cases", TipoAnalise, 100, 50, 4.1114, 19.71},
    {"Areas and Disciplines use cases", TipoAnalise, 300, 50, 4.1114, 20.44},
    {"Students and Registration use cases", TipoAnalise, 450, 50, 4.1114, 23.36},
    {"System Architecture", TipoArquitetura, 300, 150, 3.6958, 63.51},
    {"Users and Professors Design", TipoProjeto, 100, 250, 11.7052, 19.71},
    {"Areas and Disciplines Design", TipoProjeto, 300, 250, 11.7052, 20.44},
    {"Students and Registration Design", TipoProjeto, 450, 250, 11.7052, 23.36},
    {"Users and Professors Inspection", TipoInspecao, 100, 350, 0, 19.71},
    {"Areas and Disciplines Inspection", TipoInspecao, 300, 350, 0, 20.44},
    {"Students and Registration Inspection", TipoInspecao, 450, 350, 0, 23.36},
    {"Users and Professors Coding", TipoCodificacao, 100, 450, 20.5459, 19.71},
    {"Areas and Disciplines Coding", TipoCodificacao, 300, 450, 20.5459, 20.44},
    {"Students and Registration Coding", TipoCodificacao, 450, 450, 20.5459, 23.36},
    {"Test Users and Professors", TipoTeste, 100, 550, 59.9416, 19.71},
    {"Test Areas and Disciplines", TipoTeste, 300, 550, 59.9416, 20.44},
    {"Test Students and Registration", TipoTeste, 450, 550, 59.9416, 23.36},
};

// Precedence links as (dependent, predecessor), 1-based, in the order they are made.
constexpr int TabelaLigacoes[][2] = {{4, 1},  {4, 2},   {4, 3},   {5, 4},   {6, 4},
                                     {7, 4},  {8, 5},   {9, 6},   {10, 7},  {11, 8},
                                     {12, 9}, {13, 10}, {14, 11}, {15, 12}, {16, 13}};

} // namespace

TSimuladorProjeto::TSimuladorProjeto(const TFonteImagens& imagens)
    : FProjeto(new TProjetoSoftware) {
    try {
        CriarCenario(imagens);
    } catch (...) {
        qDeleteAll(FDesenvolvedores);
        delete FProjeto;
        throw;
    }
}

TSimuladorProjeto::~TSimuladorProjeto() {
    delete FProjeto;
    qDeleteAll(FDesenvolvedores);
}

void TSimuladorProjeto::CriarCenario(const TFonteImagens& imagens) {
    FDesenvolvedores.reserve(std::size(TabelaDesenvolvedores));
    for (const TDadosDesenvolvedor& d : TabelaDesenvolvedores) {
        FDesenvolvedores.append(new TDesenvolvedor(QString::fromLatin1(d.nome), d.custo, d.analise,
                                                   d.projeto, d.programacao, d.testes, d.qa));
        if (imagens) {
            FDesenvolvedores.back()->DefineImagens(imagens(FDesenvolvedores.back()->Nome()));
        }
    }
    QList<TAtividade*> atividades;
    atividades.reserve(std::size(TabelaAtividades));
    for (const TDadosAtividade& a : TabelaAtividades) {
        atividades.append(
            new TAtividade(QString::fromLatin1(a.nome), a.tipo, a.x, a.y, a.esforco, a.tamanho));
    }
    for (const auto& [dependente, predecessora] : TabelaLigacoes) {
        atividades[dependente - 1]->AdicionarPredecessora(atividades[predecessora - 1]);
    }
    FProjeto->Atividades().reserve(atividades.size());
    for (TAtividade* a : atividades) {
        FProjeto->AdicionarAtividade(a);
    }
}

bool TSimuladorProjeto::ConfirmarTurno(const TPergunta& pergunta) const {
    for (const TDesenvolvedor* d : FDesenvolvedores) {
        if (FProjeto->Trabalhando(d)) {
            return true;
        }
    }
    return pergunta ? pergunta(TextoConfirmacao) : false;
}

void TSimuladorProjeto::AvancarDia(TReceptorMensagens* painel) {
    FProjeto->AvancarTempo(painel, 1.0);
    for (TDesenvolvedor* d : FDesenvolvedores) {
        const bool naEquipe = FProjeto->NaEquipe(d);
        const bool trabalhando = FProjeto->Trabalhando(d);
        d->AtualizarDia(naEquipe, trabalhando, painel, 1.0, FProjeto->Tempo());
    }
}

void TSimuladorProjeto::Reiniciar() {
    for (TDesenvolvedor* d : FDesenvolvedores) {
        d->Reiniciar();
    }
    FProjeto->Reiniciar();
}
