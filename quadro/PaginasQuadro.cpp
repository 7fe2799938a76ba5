#include "PaginasQuadro.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>

#include <utility>

namespace {

struct TArquivo {
    QByteArray Conteudo;
    const char* Tipo;
    std::string Etiqueta; // the ETag
};

const char* TipoPorNome(const QString& nome) {
    if (nome.endsWith(QLatin1String(".html"))) {
        return TipoHtml;
    }
    if (nome.endsWith(QLatin1String(".css"))) {
        return "text/css; charset=utf-8";
    }
    if (nome.endsWith(QLatin1String(".js"))) {
        return "text/javascript; charset=utf-8";
    }
    return "image/png";
}

// Read once: they never change while the program runs.
const QHash<QString, TArquivo>& Arquivos() {
    static const QHash<QString, TArquivo> arquivos = [] {
        QHash<QString, TArquivo> lidos;
        for (const char* nome : {"signin.html", "board.html", "game.html", "public.html",
                                 "board.css", "common.js", "board.js", "game.js", "public.js",
                                 "icon.png"}) {
            QFile f(QStringLiteral(":/quadro/web/") + QLatin1String(nome));
            f.open(QIODevice::ReadOnly);
            const QByteArray conteudo = f.readAll();
            const QByteArray digesto =
                QCryptographicHash::hash(conteudo, QCryptographicHash::Sha256).toHex().left(16);
            lidos.insert(QLatin1String(nome),
                         TArquivo{conteudo, TipoPorNome(QLatin1String(nome)),
                                  '"' + digesto.toStdString() + '"'});
        }
        return lidos;
    }();
    return arquivos;
}

void Cabecalhos(TRespostaHttp& r, const char* politica, const char* cache) {
    r.Cabecalhos.emplace_back("Content-Security-Policy", politica);
    r.Cabecalhos.emplace_back("X-Frame-Options", "DENY");
    // The same-origin check reads the Referer when a browser sends no
    // Origin; no other site learns the board's addresses from it.
    r.Cabecalhos.emplace_back("Referrer-Policy", "same-origin");
    r.Cabecalhos.emplace_back("Cache-Control", cache);
}

} // namespace

TRespostaHttp PaginaQuadro(const char* nome, int status) {
    const TArquivo& a = Arquivos().value(QLatin1String(nome) + QStringLiteral(".html"));
    TRespostaHttp r = RespostaBytes(a.Conteudo, TipoHtml);
    r.Status = status;
    Cabecalhos(r, PoliticaPaginas, "no-store");
    return r;
}

TRespostaHttp PaginaEntrada(const char* erro, int status) {
    TRespostaHttp r = PaginaQuadro("signin", status);
    // The page holds each message hidden; the one that applies is shown.
    const std::string escondida = std::string("<p id=\"sign-in-") + erro + "\" class=\"error\" hidden>";
    const std::string::size_type onde = r.Corpo.find(escondida);
    if (onde != std::string::npos) {
        r.Corpo.replace(onde, escondida.size(),
                        std::string("<p id=\"sign-in-") + erro + "\" class=\"error\" role=\"alert\">");
    }
    return r;
}

TRespostaHttp ArquivoEstatico(const std::string& nome, const std::string& seNenhum) {
    const auto achado = Arquivos().constFind(QString::fromStdString(nome));
    if (achado == Arquivos().cend() || nome.ends_with(".html")) {
        return RespostaErro(404, QStringLiteral("no such page"));
    }
    TRespostaHttp r;
    if (seNenhum == achado->Etiqueta) {
        r.Status = 304;
    } else {
        r = RespostaBytes(achado->Conteudo, achado->Tipo);
    }
    // Checked again on every use, and cheaply: a new version of the server
    // is never served an old script.
    Cabecalhos(r, PoliticaPaginas, "no-cache");
    r.Cabecalhos.emplace_back("ETag", achado->Etiqueta);
    return r;
}

TRespostaHttp Particular(TRespostaHttp r) {
    Cabecalhos(r, "default-src 'none'; style-src 'unsafe-inline'; frame-ancestors 'none'",
               "no-store");
    return r;
}

void Comprime(TRespostaHttp& r, const std::string& aceitaCodificacao) {
    const bool comprimivel =
        r.Tipo.starts_with("application/json") || r.Tipo.starts_with("image/svg+xml");
    r.Cabecalhos.emplace_back("Vary", "Accept-Encoding");
    if (!comprimivel || r.Corpo.size() < 1024 ||
        aceitaCodificacao.find("deflate") == std::string::npos) {
        return;
    }
    // qCompress writes the length in 4 bytes, then a zlib stream: what
    // "deflate" names in HTTP.
    const QByteArray comprimido = qCompress(QByteArray::fromStdString(r.Corpo), 6).mid(4);
    r.Corpo = comprimido.toStdString();
    r.Cabecalhos.emplace_back("Content-Encoding", "deflate");
}

TRespostaHttp Redireciona(const QString& caminho, int status) {
    TRespostaHttp r;
    r.Status = status;
    r.Tipo = TipoHtml;
    r.Cabecalhos.emplace_back("Location", caminho.toStdString());
    r.Cabecalhos.emplace_back("Cache-Control", "no-store");
    return r;
}
