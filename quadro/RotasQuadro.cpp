#include "RotasQuadro.h"

#include "ApiQuadro.h"
#include "PaginasQuadro.h"
#include "SessaoQuadro.h"
#include "servidor/ChavesTurma.h"
#include "servidor/RotasServidor.h"

#include <httplib.h>

namespace {

const std::string Turma = "/classes/([A-Za-z0-9]{1,32})";
const std::string Jogo = Turma + "/games/([0-9]{1,18})";

TPedidoQuadro Pedido(const httplib::Request& req) {
    return {req.matches[1],
            req.get_header_value("Cookie"),
            req.get_header_value("Authorization"),
            req.get_header_value("Origin"),
            req.get_header_value("Referer"),
            req.get_header_value("Host"),
            req.get_header_value("If-None-Match"),
            req.get_header_value("Accept-Encoding")};
}

// The cookie's path is the class's code in capitals: a page reached by the
// code in small letters is sent to the same page in capitals, or its
// session would not be sent.
bool Canonico(const httplib::Request& req, httplib::Response& res) {
    const QString codigo = QString::fromStdString(req.matches[1]);
    const QString normal = NormalizaCodigoTurma(codigo);
    if (normal.isEmpty() || normal == codigo) {
        return true;
    }
    QString caminho = QString::fromStdString(req.path);
    caminho.replace(0, static_cast<qsizetype>(QStringLiteral("/classes/").size() + codigo.size()),
                    QStringLiteral("/classes/") + normal);
    AplicaResposta(Redireciona(caminho, 301), res);
    return false;
}

using TAcao = TRespostaHttp (*)(TApiQuadro&, const httplib::Request&, const TPedidoQuadro&);

// A GET route whose answer is acao's.
void Get(httplib::Server& s, TApiQuadro& api, const std::string& padrao, TAcao acao) {
    s.Get(padrao, [&api, acao](const httplib::Request& req, httplib::Response& res) {
        if (Canonico(req, res)) {
            AplicaResposta(acao(api, req, Pedido(req)), res);
        }
    });
}

} // namespace

void RegistraRotasQuadro(httplib::Server& s, TApiQuadro& api) {
    s.Get(Turma, [](const httplib::Request& req, httplib::Response& res) {
        const QString codigo = QString::fromStdString(req.matches[1]);
        const QString normal = NormalizaCodigoTurma(codigo);
        AplicaResposta(Redireciona(CaminhoTurma(normal.isEmpty() ? codigo : normal), 301), res);
    });
    Get(s, api, Turma + "/", [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) {
        return a.PaginaTurma(p);
    });
    Get(s, api, Turma + "/board\\.json",
        [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) { return a.Quadro(p); });
    Get(s, api, Turma + "/chart\\.svg",
        [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) {
            return a.GraficoTurma(p);
        });
    Get(s, api, Turma + "/results\\.csv",
        [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) { return a.Csv(p); });
    Get(s, api, Jogo, [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) {
        return a.PaginaJogo(p);
    });
    Get(s, api, Jogo + "/game\\.json",
        [](TApiQuadro& a, const httplib::Request& req, const TPedidoQuadro& p) {
            return a.Jogo(p, req.matches[2]);
        });
    Get(s, api, Jogo + "/record\\.json",
        [](TApiQuadro& a, const httplib::Request& req, const TPedidoQuadro& p) {
            return a.Registro(p, req.matches[2]);
        });
    Get(s, api, Jogo + "/([a-z-]{1,32}\\.svg)",
        [](TApiQuadro& a, const httplib::Request& req, const TPedidoQuadro& p) {
            return a.GraficoJogo(p, req.matches[2], req.matches[3]);
        });
    Get(s, api, Turma + "/public",
        [](TApiQuadro&, const httplib::Request&, const TPedidoQuadro&) {
            // The page holds nothing of the class: its data says whether
            // the view is on, so a projector left open sees it switched.
            return PaginaQuadro("public");
        });
    Get(s, api, Turma + "/public\\.json",
        [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) {
            return a.Publico(p);
        });
    Get(s, api, Turma + "/public/chart\\.svg",
        [](TApiQuadro& a, const httplib::Request&, const TPedidoQuadro& p) {
            return a.GraficoPublico(p);
        });

    s.Post(Turma + "/sign-in", [&api](const httplib::Request& req, httplib::Response& res) {
        AplicaResposta(api.Acesso().Entra(Pedido(req), req.get_param_value("key")), res);
    });
    s.Post(Turma + "/sign-out", [&api](const httplib::Request& req, httplib::Response& res) {
        AplicaResposta(api.Acesso().Sai(Pedido(req)), res);
    });
    s.Post(Turma + "/public", [&api](const httplib::Request& req, httplib::Response& res) {
        AplicaResposta(api.DefinePublica(Pedido(req), req.get_param_value("view")), res);
    });

    s.Get("/static/([a-z]{1,16}\\.(css|js|png))",
          [](const httplib::Request& req, httplib::Response& res) {
              AplicaResposta(ArquivoEstatico(req.matches[1], req.get_header_value("If-None-Match")),
                             res);
          });
}
