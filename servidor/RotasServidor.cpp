#include "RotasServidor.h"

#include "ApiTurmas.h"
#include "RegistroRecebido.h"
#include "plan/TextoEscapado.h"

#include <httplib.h>

#include <cstdio>
#include <exception>

namespace {

const std::string Turma = "/api/v1/classes/([A-Za-z0-9]{1,32})";

QString MotivoStatus(int status) {
    switch (status) {
    case 400:
        return QStringLiteral("the request cannot be read");
    case 404:
        return QStringLiteral("no such page");
    case 413:
        return QStringLiteral("the body is larger than %1 bytes (1 MiB)")
            .arg(TamanhoMaximoRegistroEnviado);
    case 414:
        return QStringLiteral("the address is too long");
    case 500:
        return QStringLiteral("the server failed on this request");
    default:
        return QStringLiteral("HTTP status %1").arg(status);
    }
}

void Aplica(const TRespostaHttp& resposta, httplib::Response& res) {
    AplicaResposta(resposta, res);
}

} // namespace

void AplicaResposta(const TRespostaHttp& resposta, httplib::Response& res) {
    res.status = resposta.Status;
    for (const auto& [nome, valor] : resposta.Cabecalhos) {
        res.set_header(nome, valor);
    }
    res.set_content(resposta.Corpo, resposta.Tipo);
}

void RegistraRespostasGerais(httplib::Server& servidor) {
    servidor.set_default_headers({{"X-Content-Type-Options", "nosniff"}});
    const httplib::Server::HandlerWithResponse erro = [](const httplib::Request&,
                                                         httplib::Response& res) {
        // Called for every status from 400 on: the handlers' own answers
        // already have their body.
        if (!res.body.empty()) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        Aplica(RespostaErro(res.status, MotivoStatus(res.status)), res);
        return httplib::Server::HandlerResponse::Handled;
    };
    servidor.set_error_handler(erro);
    servidor.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr erro) {
            QString motivo = QStringLiteral("unknown exception");
            try {
                std::rethrow_exception(erro);
            } catch (const std::exception& e) {
                motivo = QString::fromUtf8(e.what());
            } catch (...) {
            }
            std::fprintf(stderr, "orvanta-server: a request failed: %s\n",
                         EscapaControles(motivo).toUtf8().constData());
            res.body.clear();
            Aplica(RespostaErro(500, MotivoStatus(500)), res);
        });
}

void RegistraRotasApi(httplib::Server& servidor, TApiTurmas& api) {
    servidor.Post(Turma + "/records", [&api](const httplib::Request& req, httplib::Response& res) {
        Aplica(api.EnviaRegistro(req.matches[1], req.body, req.remote_addr), res);
    });
    servidor.Get(Turma, [&api](const httplib::Request& req, httplib::Response& res) {
        Aplica(api.Turma(req.matches[1]), res);
    });
    servidor.Get(Turma + "/results", [&api](const httplib::Request& req, httplib::Response& res) {
        Aplica(api.Resultados(req.matches[1], req.get_header_value("Authorization")), res);
    });
    servidor.Get(Turma + "/results\\.csv",
                 [&api](const httplib::Request& req, httplib::Response& res) {
                     Aplica(api.ResultadosCsv(req.matches[1],
                                              req.get_header_value("Authorization")),
                            res);
                 });
    servidor.Get(Turma + "/records/([0-9]{1,18})",
                 [&api](const httplib::Request& req, httplib::Response& res) {
                     Aplica(api.Registro(req.matches[1], req.matches[2],
                                         req.get_header_value("Authorization")),
                            res);
                 });
}
