#pragma once

// API v1 of the class server: what each request asks, answered as JSON
// (or CSV, or a record's own bytes). The HTTP routes that reach these are
// in RotasServidor.

#include "BancoTurmas.h"
#include "LimiteEnvios.h"
#include "RespostaHttp.h"

#include <optional>
#include <string>

class TPoolTrabalho;
class TContextoTrabalho;

// The key of an "Authorization: Bearer KEY" header; empty when there is none.
QString ChaveDoCabecalho(const std::string& autorizacao);

// The class of codigo when chave is its teacher's key; none for a wrong key
// and an unknown class alike, in the same time.
std::optional<TTurma> TurmaDoProfessor(TBancoTurmas& banco, const QString& codigo,
                                       const QString& chave);

class TApiTurmas {
public:
    // limitePorMinuto: records one address may send a minute; 0 for no limit.
    TApiTurmas(TPoolTrabalho& pool, int limitePorMinuto);

    // POST /api/v1/classes/CODE/records, the body a game record: 201 when
    // kept, 200 when the same bytes were kept before, with {"id", "check",
    // "concluded", "days", "cost", "sha256"}; 400, 404, 429.
    TRespostaHttp EnviaRegistro(const std::string& codigo, const std::string& corpo,
                                const std::string& endereco);

    // GET /api/v1/classes/CODE: {"name"}; 404.
    TRespostaHttp Turma(const std::string& codigo);

    // The teacher's: autorizacao is the Authorization header's value. A
    // missing key, a wrong key and an unknown class all answer 401 alike.
    // GET /api/v1/classes/CODE/results: one object per record.
    TRespostaHttp Resultados(const std::string& codigo, const std::string& autorizacao);
    // GET /api/v1/classes/CODE/results.csv: the same as orvanta-class's table.
    TRespostaHttp ResultadosCsv(const std::string& codigo, const std::string& autorizacao);
    // GET /api/v1/classes/CODE/records/ID: the record's bytes as received.
    TRespostaHttp Registro(const std::string& codigo, const std::string& id,
                           const std::string& autorizacao);

private:
    template <typename F> TRespostaHttp NoBanco(F&& trabalho);

    TPoolTrabalho& FPool;
    TLimiteEnvios FLimite;
    int FLimitePorMinuto;
};
