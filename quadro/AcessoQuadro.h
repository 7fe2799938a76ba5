#pragma once

// Who may see a class's board: the holder of its teacher key, given once to
// sign in (a session cookie follows) or with each request (Authorization:
// Bearer KEY). Signing in and out, and the checks every board answer makes.

#include "PedidoQuadro.h"
#include "servidor/BancoTurmas.h"
#include "servidor/PoolTrabalho.h"
#include "servidor/RespostaHttp.h"

#include <atomic>
#include <chrono>
#include <optional>

// What a request's credentials come to.
struct TAutenticacao {
    std::optional<TTurma> Turma; // the class, when they open it
    bool ChaveErrada = false;    // a key was given, and it is wrong (or the class unknown)
};

// Checks the request's key, or else its session, against the class of its
// path; an unknown class, a wrong key and an ended session all come to none.
TAutenticacao Autentica(TBancoTurmas& banco, const TPedidoQuadro& pedido);

// Tells a database failure on the server's standard error.
void RelataFalhaBanco(const EBanco& erro);

// Runs trabalho(banco, contexto) on a worker: its value, or none when the
// database failed (told, and the worker's connection opened afresh by the
// next work; the caller answers BancoIndisponivel).
template <typename R, typename F>
std::optional<R> NoBancoQuadro(TPoolTrabalho& pool, F&& trabalho) {
    return pool.Executa([&trabalho](TContextoTrabalho& c) -> std::optional<R> {
        try {
            return trabalho(c.Banco(), c);
        } catch (const EBanco& e) {
            c.DescartaBanco();
            RelataFalhaBanco(e);
            return std::nullopt;
        }
    });
}

// 503 {"error"} for a database that failed: the clients try again later.
TRespostaHttp BancoIndisponivel();

class TAcessoQuadro {
public:
    // tls: the server serves HTTPS (the cookie is then Secure).
    TAcessoQuadro(TPoolTrabalho& pool, bool tls);

    // POST /classes/CODE/sign-in, chave the form's "key": 303 to the board
    // with a new session; a wrong key or class waits a second and answers
    // the sign-in page saying so (401). 403 from another site.
    TRespostaHttp Entra(const TPedidoQuadro& pedido, const std::string& chave);

    // POST /classes/CODE/sign-out: ends the request's session, if any, and
    // removes its cookie; 303 to the sign-in page. 403 from another site.
    TRespostaHttp Sai(const TPedidoQuadro& pedido);

    // True when a request that changes something may: from the board's own
    // pages (MesmaOrigem).
    bool DaPropriaOrigem(const TPedidoQuadro& pedido) const;

    // Waits the second a wrong key costs. False, at once, when too many
    // requests are already waiting (each holds one of the server's HTTP
    // threads): they are then answered 429.
    bool EsperaChaveErrada();

    // 401 for a request whose credentials did not open the class.
    static TRespostaHttp NaoAutorizado(const TAutenticacao& a);
    // 429 when EsperaChaveErrada refused to wait.
    static TRespostaHttp Ocupado();
    // 403 for a request that changes something from another site.
    static TRespostaHttp OutraOrigem();

    bool Tls() const { return FTls; }

    static constexpr std::chrono::milliseconds EsperaChave{1000};
    // Of the server's 64 HTTP threads, at most this many wait on wrong keys.
    static constexpr int EsperasSimultaneas = 16;

private:
    TPoolTrabalho& FPool;
    bool FTls;
    std::atomic<int> FEsperando{0};
};

