#pragma once

// The commands of orvanta-server, once its arguments are read.

#include "servidor/EnderecoBanco.h"
#include "servidor/ServidorTurmas.h"
#include "turma/FrenteTurma.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class EComandoServidor { Serve, CriaTurma, ListaTurmas, ChaveTurma, Importa };

struct TOpcoesComando {
    EComandoServidor Comando = EComandoServidor::Serve;
    // --data DIR, or none for the default data folder; ignored with Banco.
    QString Pasta;
    // --database URL, read.
    std::optional<TEnderecoBanco> Banco;
    TOpcoesServidor Servidor;
    // serve --front FILE, read; none for the front kept with the server.
    std::optional<QList<TPontoFrente>> Frente;
    bool Json = false;
    QString Nome;         // class create NAME
    QString Codigo;       // class key CODE, import --class CODE
    QStringList Caminhos; // import PATH...
};

// Each returns the exit status, having written its output and any error
// line ("orvanta-server: message").
int Serve(const TOpcoesComando& opcoes);
int CriaTurma(const TOpcoesComando& opcoes);
int ListaTurmas(const TOpcoesComando& opcoes);
int TrocaChaveTurma(const TOpcoesComando& opcoes);
int Importa(const TOpcoesComando& opcoes);
