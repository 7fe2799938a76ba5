// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadro/ApiQuadro.h"

#include "analise/AnaliseJogo.h"
#include "analise/ParJogo.h"
#include "plan/LeitorPlano.h"
#include "quadro/DadosQuadro.h"
#include "quadro/DesenhistaQuadro.h"
#include "quadro/GraficosQuadro.h"
#include "quadro/PaginasQuadro.h"
#include "quadro/VistaPublica.h"
#include "servidor/ChavesTurma.h"
#include "turma/TabelaCsv.h"

#include <QCryptographicHash>
#include <QJsonDocument>

namespace {

// Charts kept for the next request: a few classes' charts and a few dozen
// games' (each some tens of kilobytes).
constexpr qsizetype LimiteGraficos = 24 * 1024 * 1024;

std::string Etiqueta(const QString& versao) {
    return "W/\"" + versao.toStdString() + '"';
}

// The version a view is told: the public view's is opaque, as the records'
// ids (of every class) are none of its business.
QString VersaoVista(const QString& versao, bool publico) {
    if (!publico) {
        return versao;
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(versao.toUtf8(), QCryptographicHash::Sha256).toHex().left(20));
}

TRespostaHttp NaoMudou(const std::string& etiqueta) {
    TRespostaHttp r;
    r.Status = 304;
    r = Particular(r);
    r.Cabecalhos.emplace_back("ETag", etiqueta);
    return r;
}

TRespostaHttp Json(const QJsonObject& objeto, const TPedidoQuadro& pedido) {
    TRespostaHttp r = Particular(RespostaJson(200, objeto));
    Comprime(r, pedido.AceitaCodificacao);
    return r;
}

TRespostaHttp SemRegistro(const std::string& id) {
    return Particular(RespostaErro(404, QStringLiteral("no record %1 in this class")
                                            .arg(QString::fromStdString(id))));
}

TRespostaHttp SemVistaPublica() {
    return Particular(RespostaErro(404, QStringLiteral("this class has no public view")));
}

qint64 Numero(const std::string& id) {
    return QString::fromStdString(id).toLongLong();
}

QList<TLinhaTurma> Linhas(const QList<TRegistroGuardado>& registros) {
    QList<TLinhaTurma> linhas;
    linhas.reserve(registros.size());
    for (const TRegistroGuardado& r : registros) {
        linhas.append(r.Linha);
    }
    return linhas;
}

QString ChaveGraficoTurma(const TTurma& turma) {
    return QStringLiteral("class %1").arg(turma.Id);
}

} // namespace

TApiQuadro::TApiQuadro(TPoolTrabalho& pool, TDesenhistaQuadro& desenhista,
                       const TOpcoesQuadro& opcoes)
    : FPool(pool), FDesenhista(desenhista), FOpcoes(opcoes), FAcesso(pool, opcoes.Tls),
      FGraficos(LimiteGraficos) {}

TRespostaHttp TApiQuadro::Recusa(const TAutenticacao& a) {
    if (a.ChaveErrada && !FAcesso.EsperaChaveErrada()) {
        return TAcessoQuadro::Ocupado();
    }
    return TAcessoQuadro::NaoAutorizado(a);
}

TRespostaHttp TApiQuadro::PaginaTurma(const TPedidoQuadro& pedido) {
    const auto a = NoBancoQuadro<TAutenticacao>(
        FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) { return Autentica(banco, pedido); });
    if (!a) {
        return BancoIndisponivel();
    }
    if (a->Turma) {
        return PaginaQuadro("board");
    }
    if (a->ChaveErrada) {
        return FAcesso.EsperaChaveErrada() ? PaginaEntrada("wrong", 401)
                                           : PaginaEntrada("busy", 429);
    }
    return PaginaQuadro("signin");
}

TRespostaHttp TApiQuadro::PaginaJogo(const TPedidoQuadro& pedido) {
    const auto a = NoBancoQuadro<TAutenticacao>(
        FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) { return Autentica(banco, pedido); });
    if (!a) {
        return BancoIndisponivel();
    }
    if (a->Turma) {
        return PaginaQuadro("game");
    }
    if (a->ChaveErrada) {
        return Recusa(*a);
    }
    return Redireciona(QStringLiteral("../"));
}

struct TApiQuadro::TDados {
    TAutenticacao Acesso;
    QString Versao;
    bool Mudou = true;
    QList<TRegistroGuardado> Registros;
    std::optional<QByteArray> Grafico; // a chart already drawn
};

void TApiQuadro::LeQuadro(TBancoTurmas& banco, const TTurma& turma, const std::string& seNenhum,
                          bool publico, TDados& dados) {
    // Without a change, a count is all the database is asked.
    const QString versao = banco.VersaoRegistros(turma.Id) + u'.' + turma.VistaPublica;
    dados.Mudou = Etiqueta(VersaoVista(versao, publico)) != seNenhum;
    if (dados.Mudou) {
        dados.Registros = banco.Registros(turma.Id);
    }
}

void TApiQuadro::LeGrafico(TBancoTurmas& banco, const TTurma& turma, TDados& dados) {
    dados.Versao = banco.VersaoRegistros(turma.Id);
    dados.Grafico = FGraficos.Busca(ChaveGraficoTurma(turma), dados.Versao);
    if (!dados.Grafico) {
        dados.Registros = banco.Registros(turma.Id);
        dados.Versao = VersaoDe(dados.Registros);
    }
}

TRespostaHttp TApiQuadro::RespondeQuadro(const TDados& d, const TPedidoQuadro& pedido,
                                         bool publico) {
    const TTurma& turma = *d.Acesso.Turma;
    if (!d.Mudou) {
        return NaoMudou(pedido.SeNenhum);
    }
    // The version of the records sent, whatever arrived since the count.
    const QString versao = VersaoVista(VersaoDe(d.Registros) + u'.' + turma.VistaPublica, publico);
    const TLinkTurma link = LinkTurma(turma.Codigo, QString::fromStdString(pedido.Host),
                                      FOpcoes.Tls, FOpcoes.EnderecoEscuta);
    const QJsonObject json =
        publico ? JsonPublico(turma, d.Registros, *LeVistaPublica(turma.VistaPublica), link,
                              versao)
                : JsonQuadro(turma, d.Registros, link, versao);
    TRespostaHttp r = Json(json, pedido);
    r.Cabecalhos.emplace_back("ETag", Etiqueta(versao));
    return r;
}

TRespostaHttp TApiQuadro::RespondeGrafico(const TDados& d, const TPedidoQuadro& pedido) {
    QByteArray svg;
    if (d.Grafico) {
        svg = *d.Grafico;
    } else {
        const QList<TLinhaTurma> linhas = Linhas(d.Registros);
        svg = FDesenhista.Desenha(
            [&] { return SvgGraficoTurma(linhas, FOpcoes.Referencias, FOpcoes.Frente); });
        FGraficos.Guarda(ChaveGraficoTurma(*d.Acesso.Turma), svg, d.Versao);
    }
    TRespostaHttp r = Particular(RespostaBytes(svg, TipoSvg));
    Comprime(r, pedido.AceitaCodificacao);
    return r;
}

TRespostaHttp TApiQuadro::Quadro(const TPedidoQuadro& pedido) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso = Autentica(banco, pedido);
            if (dados.Acesso.Turma) {
                LeQuadro(banco, *dados.Acesso.Turma, pedido.SeNenhum, false, dados);
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    return d->Acesso.Turma ? RespondeQuadro(*d, pedido, false) : Recusa(d->Acesso);
}

TRespostaHttp TApiQuadro::GraficoTurma(const TPedidoQuadro& pedido) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso = Autentica(banco, pedido);
            if (dados.Acesso.Turma) {
                LeGrafico(banco, *dados.Acesso.Turma, dados);
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    return d->Acesso.Turma ? RespondeGrafico(*d, pedido) : Recusa(d->Acesso);
}

TRespostaHttp TApiQuadro::Csv(const TPedidoQuadro& pedido) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso = Autentica(banco, pedido);
            if (dados.Acesso.Turma) {
                dados.Registros = banco.Registros(dados.Acesso.Turma->Id);
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    if (!d->Acesso.Turma) {
        return Recusa(d->Acesso);
    }
    TRespostaHttp r = Particular(RespostaBytes(TabelaCsv(Linhas(d->Registros)), TipoCsv));
    r.Cabecalhos.emplace_back("Content-Disposition",
                              "attachment; filename=\"class-" +
                                  d->Acesso.Turma->Codigo.toStdString() + "-results.csv\"");
    return r;
}

TRespostaHttp TApiQuadro::Jogo(const TPedidoQuadro& pedido, const std::string& id) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso = Autentica(banco, pedido);
            if (dados.Acesso.Turma) {
                if (auto r = banco.Registro(dados.Acesso.Turma->Id, Numero(id))) {
                    dados.Registros.append(*r);
                }
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    if (!d->Acesso.Turma) {
        return Recusa(d->Acesso);
    }
    if (d->Registros.isEmpty()) {
        return SemRegistro(id);
    }
    return Json(JsonJogo(d->Registros.constFirst(), NomesGraficosJogo()), pedido);
}

TRespostaHttp TApiQuadro::Registro(const TPedidoQuadro& pedido, const std::string& id) {
    struct TBytes {
        TAutenticacao Acesso;
        std::optional<QByteArray> Conteudo;
    };
    const auto d = NoBancoQuadro<TBytes>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
        TBytes bytes{Autentica(banco, pedido), std::nullopt};
        if (bytes.Acesso.Turma) {
            bytes.Conteudo = banco.Conteudo(bytes.Acesso.Turma->Id, Numero(id));
        }
        return bytes;
    });
    if (!d) {
        return BancoIndisponivel();
    }
    if (!d->Acesso.Turma) {
        return Recusa(d->Acesso);
    }
    if (!d->Conteudo) {
        return SemRegistro(id);
    }
    // The bytes exactly as received: never compressed or changed here.
    TRespostaHttp r = Particular(RespostaBytes(*d->Conteudo, TipoJson));
    r.Cabecalhos.emplace_back("Content-Disposition",
                              "attachment; filename=\"record-" + id + ".json\"");
    return r;
}

TRespostaHttp TApiQuadro::GraficoJogo(const TPedidoQuadro& pedido, const std::string& id,
                                      const std::string& arquivo) {
    QString nome;
    for (const QString& n : NomesGraficosJogo()) {
        if (ArquivoGrafico(n) == QString::fromStdString(arquivo)) {
            nome = n;
        }
    }
    struct TAnalise {
        TAutenticacao Acesso;
        bool Existe = false;
        std::optional<QByteArray> Grafico;
        std::optional<TAnaliseJogo> Analise;
        QString Erro;
    };
    const QString chave = QStringLiteral("game %1 %2").arg(Numero(id)).arg(nome);
    const auto d = NoBancoQuadro<TAnalise>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho& c) {
        TAnalise a;
        a.Acesso = Autentica(banco, pedido);
        if (!a.Acesso.Turma || nome.isEmpty()) {
            return a;
        }
        const std::optional<QByteArray> bytes = banco.Conteudo(a.Acesso.Turma->Id, Numero(id));
        a.Existe = bytes.has_value();
        a.Grafico = FGraficos.Busca(chave);
        if (a.Existe && !a.Grafico) {
            try {
                a.Analise = AnalisaPlano(c.Simulador(), LePlano(*bytes, QString(), c.Simulador()));
                if (nome == QLatin1String("Par") && FOpcoes.Melhores) {
                    // Worked out for this chart alone, then kept as its SVG.
                    TComparadorPar par(*FOpcoes.Melhores);
                    a.Analise->Par = par.ParDe(a.Analise->Capa.Rejogado, c.Simulador());
                }
            } catch (const EPlano& e) {
                a.Erro = e.mensagem;
            }
        }
        return a;
    });
    if (!d) {
        return BancoIndisponivel();
    }
    if (!d->Acesso.Turma) {
        return Recusa(d->Acesso);
    }
    if (!d->Existe || nome.isEmpty()) {
        return Particular(RespostaErro(404, QStringLiteral("no such chart")));
    }
    if (!d->Grafico && !d->Analise) {
        // Read when it arrived, so only a changed game could refuse it now.
        return Particular(RespostaErro(
            500, QStringLiteral("this record cannot be replayed: ") + d->Erro));
    }
    QByteArray svg;
    if (d->Grafico) {
        svg = *d->Grafico;
    } else {
        const TAnaliseJogo& analise = *d->Analise;
        svg = FDesenhista.Desenha([&] { return SvgGraficoJogo(analise, nome); });
        FGraficos.Guarda(chave, svg);
    }
    TRespostaHttp r = Particular(RespostaBytes(svg, TipoSvg));
    Comprime(r, pedido.AceitaCodificacao);
    return r;
}

TRespostaHttp TApiQuadro::DefinePublica(const TPedidoQuadro& pedido, const std::string& vista) {
    if (!FAcesso.DaPropriaOrigem(pedido)) {
        return TAcessoQuadro::OutraOrigem();
    }
    const std::optional<EVistaPublica> nova = LeVistaPublica(QString::fromStdString(vista));
    if (!nova) {
        return Particular(
            RespostaErro(400, QStringLiteral("the public view is \"off\", \"numbers\" or "
                                             "\"initials\"")));
    }
    const auto a = NoBancoQuadro<TAutenticacao>(FPool, [&](TBancoTurmas& banco,
                                                           TContextoTrabalho&) {
        TAutenticacao acesso = Autentica(banco, pedido);
        if (acesso.Turma) {
            banco.DefineVistaPublica(acesso.Turma->Id, NomeVistaPublica(*nova));
        }
        return acesso;
    });
    if (!a) {
        return BancoIndisponivel();
    }
    if (!a->Turma) {
        return Recusa(*a);
    }
    return Particular(RespostaJson(200, QJsonObject{{"public_view", NomeVistaPublica(*nova)}}));
}

std::optional<TTurma> TApiQuadro::TurmaPublica(TBancoTurmas& banco,
                                               const TPedidoQuadro& pedido) {
    const QString codigo = NormalizaCodigoTurma(QString::fromStdString(pedido.Codigo));
    std::optional<TTurma> turma = codigo.isEmpty() ? std::nullopt : banco.Turma(codigo);
    if (!turma || LeVistaPublica(turma->VistaPublica).value_or(EVistaPublica::Desligada) ==
                      EVistaPublica::Desligada) {
        return std::nullopt;
    }
    return turma;
}

TRespostaHttp TApiQuadro::Publico(const TPedidoQuadro& pedido) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso.Turma = TurmaPublica(banco, pedido);
            if (dados.Acesso.Turma) {
                LeQuadro(banco, *dados.Acesso.Turma, pedido.SeNenhum, true, dados);
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    return d->Acesso.Turma ? RespondeQuadro(*d, pedido, true) : SemVistaPublica();
}

TRespostaHttp TApiQuadro::GraficoPublico(const TPedidoQuadro& pedido) {
    const auto d =
        NoBancoQuadro<TDados>(FPool, [&](TBancoTurmas& banco, TContextoTrabalho&) {
            TDados dados;
            dados.Acesso.Turma = TurmaPublica(banco, pedido);
            if (dados.Acesso.Turma) {
                LeGrafico(banco, *dados.Acesso.Turma, dados);
            }
            return dados;
        });
    if (!d) {
        return BancoIndisponivel();
    }
    return d->Acesso.Turma ? RespondeGrafico(*d, pedido) : SemVistaPublica();
}
