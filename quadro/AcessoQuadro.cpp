#include "AcessoQuadro.h"

#include "PaginasQuadro.h"
#include "SessaoQuadro.h"
#include "plan/TextoEscapado.h"
#include "servidor/ApiTurmas.h"
#include "servidor/ChavesTurma.h"

#include <QDateTime>

#include <cstdio>
#include <thread>

namespace {

qint64 Agora() {
    return QDateTime::currentSecsSinceEpoch();
}

QString Codigo(const TPedidoQuadro& pedido) {
    return NormalizaCodigoTurma(QString::fromStdString(pedido.Codigo));
}

} // namespace

void RelataFalhaBanco(const EBanco& erro) {
    std::fprintf(stderr, "orvanta-server: %s\n", EscapaControles(erro.mensagem).toUtf8().constData());
}

TRespostaHttp BancoIndisponivel() {
    return RespostaErro(503, QStringLiteral("the database is not available; try again later"));
}

TAutenticacao Autentica(TBancoTurmas& banco, const TPedidoQuadro& pedido) {
    TAutenticacao a;
    const QString codigo = QString::fromStdString(pedido.Codigo);
    if (!pedido.Autorizacao.empty()) {
        a.Turma = TurmaDoProfessor(banco, codigo, ChaveDoCabecalho(pedido.Autorizacao));
        a.ChaveErrada = !a.Turma;
        return a;
    }
    const QString sessao = SessaoDoCookie(pedido.Cookie);
    const QString normal = NormalizaCodigoTurma(codigo);
    if (!sessao.isEmpty() && !normal.isEmpty()) {
        a.Turma = banco.TurmaDaSessao(normal, DigestoChave(sessao), Agora());
    }
    return a;
}

TAcessoQuadro::TAcessoQuadro(TPoolTrabalho& pool, bool tls) : FPool(pool), FTls(tls) {}

bool TAcessoQuadro::DaPropriaOrigem(const TPedidoQuadro& pedido) const {
    return MesmaOrigem(pedido.Origem, pedido.Referencia, pedido.Host, FTls);
}

bool TAcessoQuadro::EsperaChaveErrada() {
    if (FEsperando.fetch_add(1) >= EsperasSimultaneas) {
        FEsperando.fetch_sub(1);
        return false;
    }
    std::this_thread::sleep_for(EsperaChave);
    FEsperando.fetch_sub(1);
    return true;
}

TRespostaHttp TAcessoQuadro::NaoAutorizado(const TAutenticacao& a) {
    TRespostaHttp r = Particular(RespostaErro(
        401, a.ChaveErrada ? QStringLiteral("wrong class code or teacher key")
                           : QStringLiteral("not signed in to this class, or the session has "
                                            "ended: sign in again")));
    if (a.ChaveErrada) {
        r.Cabecalhos.emplace_back("WWW-Authenticate", "Bearer realm=\"orvanta-server\"");
    }
    return r;
}

TRespostaHttp TAcessoQuadro::Ocupado() {
    TRespostaHttp r = Particular(
        RespostaErro(429, QStringLiteral("too many sign-in attempts at once; try again shortly")));
    r.Cabecalhos.emplace_back("Retry-After", "1");
    return r;
}

TRespostaHttp TAcessoQuadro::OutraOrigem() {
    return Particular(RespostaErro(
        403, QStringLiteral("refused: this request must come from the board's own page")));
}

TRespostaHttp TAcessoQuadro::Entra(const TPedidoQuadro& pedido, const std::string& chave) {
    if (!DaPropriaOrigem(pedido)) {
        return OutraOrigem();
    }
    const QString codigo = QString::fromStdString(pedido.Codigo);
    const QString dada = QString::fromStdString(chave).trimmed();
    const QString sessao = NovaSessao();
    const std::optional<std::optional<QString>> aberta = NoBancoQuadro<std::optional<QString>>(
        FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) -> std::optional<QString> {
            const std::optional<TTurma> turma = TurmaDoProfessor(banco, codigo, dada);
            if (!turma) {
                return std::nullopt;
            }
            const qint64 agora = Agora();
            banco.AbreSessao(turma->Id, DigestoChave(sessao), agora,
                             agora + DuracaoSessaoSegundos);
            return turma->Codigo;
        });
    if (!aberta) {
        return BancoIndisponivel();
    }
    if (!*aberta) {
        // The worker is free again; only this HTTP thread waits.
        return EsperaChaveErrada() ? PaginaEntrada("wrong", 401) : PaginaEntrada("busy", 429);
    }
    TRespostaHttp r = Redireciona(CaminhoTurma(**aberta));
    r.Cabecalhos.emplace_back("Set-Cookie", CookieSessao(**aberta, sessao, FTls));
    return r;
}

TRespostaHttp TAcessoQuadro::Sai(const TPedidoQuadro& pedido) {
    if (!DaPropriaOrigem(pedido)) {
        return OutraOrigem();
    }
    const QString sessao = SessaoDoCookie(pedido.Cookie);
    if (!sessao.isEmpty() &&
        !NoBancoQuadro<bool>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            banco.FechaSessao(DigestoChave(sessao));
            return true;
        })) {
        return BancoIndisponivel();
    }
    QString codigo = Codigo(pedido);
    if (codigo.isEmpty()) {
        codigo = QString::fromStdString(pedido.Codigo);
    }
    TRespostaHttp r = Redireciona(CaminhoTurma(codigo));
    r.Cabecalhos.emplace_back("Set-Cookie", CookieRemovido(codigo, FTls));
    return r;
}
