// SPDX-License-Identifier: GPL-3.0-or-later
#include "registro/ArquivoIni.h"

#include "arquivos/GravaArquivo.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

// One line of the text: its bytes run from Inicio to Fim, its line break
// (none on a last line without one) from Fim to Proxima.
struct TLinha {
    qsizetype Inicio = 0;
    qsizetype Fim = 0;
    qsizetype Proxima = 0;
};

QList<TLinha> Linhas(const QByteArray& texto) {
    QList<TLinha> linhas;
    qsizetype inicio = 0;
    while (inicio < texto.size()) {
        const qsizetype quebra = texto.indexOf('\n', inicio);
        TLinha linha{inicio, texto.size(), texto.size()};
        if (quebra >= 0) {
            linha.Fim = quebra > inicio && texto.at(quebra - 1) == '\r' ? quebra - 1 : quebra;
            linha.Proxima = quebra + 1;
        }
        linhas.append(linha);
        inicio = linha.Proxima;
    }
    return linhas;
}

QByteArrayView Texto(const QByteArray& conteudo, const TLinha& linha) {
    return QByteArrayView(conteudo).sliced(linha.Inicio, linha.Fim - linha.Inicio);
}

// The blanks that reading trims (those of QByteArrayView::trimmed).
bool EhBranco(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool MesmoNome(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section line "[name]": from the bracket to the last closing
// bracket (or to the end of a line without one), trimmed.
std::optional<QByteArrayView> NomeSecao(QByteArrayView linha) {
    const QByteArrayView t = linha.trimmed();
    if (!t.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype fecha = t.lastIndexOf(']');
    return (fecha > 0 ? t.sliced(1, fecha - 1) : t.sliced(1)).trimmed();
}

// A key line "name=value" that is not a comment: the trimmed name and where
// the value starts in the line (past the blanks after '=').
struct TChave {
    QByteArrayView Nome;
    qsizetype InicioValor = 0;
};

std::optional<TChave> ChaveDe(QByteArrayView linha) {
    const qsizetype igual = linha.indexOf('=');
    if (igual < 0) {
        return std::nullopt;
    }
    const QByteArrayView nome = linha.first(igual).trimmed();
    if (nome.startsWith(';')) {
        return std::nullopt;
    }
    qsizetype valor = igual + 1;
    while (valor < linha.size() && (linha.at(valor) == ' ' || linha.at(valor) == '\t')) {
        ++valor;
    }
    return TChave{nome, valor};
}

// Where a key lies: line indexes of the first section with the name, of the
// first key with the name inside it and of that section's last key line
// (-1 for none).
struct TLocal {
    qsizetype Secao = -1;
    qsizetype Chave = -1;
    qsizetype UltimaChave = -1;
    qsizetype InicioValor = 0;
};

TLocal Procura(const QByteArray& conteudo, const QList<TLinha>& linhas, QByteArrayView secao,
               QByteArrayView chave) {
    TLocal local;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QByteArrayView linha = Texto(conteudo, linhas[i]);
        if (const auto nome = NomeSecao(linha)) {
            if (local.Secao >= 0) {
                break;
            }
            if (MesmoNome(*nome, secao)) {
                local.Secao = i;
            }
            continue;
        }
        if (local.Secao < 0) {
            continue;
        }
        if (const auto entrada = ChaveDe(linha)) {
            local.UltimaChave = i;
            if (local.Chave < 0 && MesmoNome(entrada->Nome, chave)) {
                local.Chave = i;
                local.InicioValor = entrada->InicioValor;
            }
        }
    }
    return local;
}

// The line break of the file's first line; LF when it has none.
QByteArray QuebraDoArquivo(const QByteArray& conteudo) {
    const qsizetype quebra = conteudo.indexOf('\n');
    return quebra > 0 && conteudo.at(quebra - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

bool TemAspasEmVolta(QByteArrayView v) {
    return v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
}

// One line whatever the text holds: each CR, LF or CRLF becomes one space.
QString UmaLinha(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    texto.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texto;
}

QByteArray CodificaValor(const QString& valor) {
    const QByteArray bytes = UmaLinha(valor).toUtf8();
    const bool aparado = !bytes.isEmpty() && (EhBranco(bytes.front()) || EhBranco(bytes.back()));
    if (aparado || TemAspasEmVolta(bytes)) {
        return '"' + bytes + '"';
    }
    return bytes;
}

QString DecodificaValor(QByteArrayView bruto) {
    QByteArrayView valor = bruto.trimmed();
    if (TemAspasEmVolta(valor)) {
        valor = valor.sliced(1, valor.size() - 2);
    }
    return QString::fromUtf8(valor);
}

} // namespace

std::optional<QString> TArquivoIni::Valor(const QString& secao, const QString& chave) const {
    const QList<TLinha> linhas = Linhas(FConteudo);
    const TLocal local = Procura(FConteudo, linhas, UmaLinha(secao).toUtf8().trimmed(),
                                 UmaLinha(chave).toUtf8().trimmed());
    if (local.Chave < 0) {
        return std::nullopt;
    }
    return DecodificaValor(Texto(FConteudo, linhas[local.Chave]).sliced(local.InicioValor));
}

std::optional<QString> TSecaoIni::Valor(const QString& chave) const {
    const QByteArray nome = UmaLinha(chave).toUtf8().trimmed();
    for (const auto& [k, v] : Chaves) {
        if (MesmoNome(k.toUtf8(), nome)) {
            return v;
        }
    }
    return std::nullopt;
}

QList<TSecaoIni> TArquivoIni::Secoes() const {
    QList<TSecaoIni> secoes;
    for (const TLinha& linha : Linhas(FConteudo)) {
        const QByteArrayView texto = Texto(FConteudo, linha);
        if (const auto nome = NomeSecao(texto)) {
            secoes.append({QString::fromUtf8(*nome), {}});
        } else if (const auto entrada = ChaveDe(texto); entrada && !secoes.isEmpty()) {
            secoes.last().Chaves.append({QString::fromUtf8(entrada->Nome),
                                         DecodificaValor(texto.sliced(entrada->InicioValor))});
        }
    }
    return secoes;
}

void TArquivoIni::DefineValor(const QString& secao, const QString& chave, const QString& valor) {
    const QByteArray nomeSecao = UmaLinha(secao).toUtf8().trimmed();
    const QByteArray nomeChave = UmaLinha(chave).toUtf8().trimmed();
    const QByteArray bytes = CodificaValor(valor);
    const QList<TLinha> linhas = Linhas(FConteudo);
    const TLocal local = Procura(FConteudo, linhas, nomeSecao, nomeChave);
    if (local.Chave >= 0) {
        const TLinha& linha = linhas[local.Chave];
        const qsizetype inicio = linha.Inicio + local.InicioValor;
        FConteudo.replace(inicio, linha.Fim - inicio, bytes);
        return;
    }
    const QByteArray quebra = QuebraDoArquivo(FConteudo);
    const QByteArray entrada = nomeChave + '=' + bytes + quebra;
    if (local.Secao >= 0) {
        const TLinha& apos = linhas[local.UltimaChave >= 0 ? local.UltimaChave : local.Secao];
        const bool semQuebra = apos.Proxima == apos.Fim;
        FConteudo.insert(apos.Proxima, semQuebra ? quebra + entrada : entrada);
        return;
    }
    if (!FConteudo.isEmpty() && !FConteudo.endsWith('\n')) {
        FConteudo += quebra;
    }
    FConteudo += '[' + nomeSecao + ']' + quebra + entrada;
}

bool TArquivoIni::Carrega(const QString& caminho) {
    QFile arquivo(caminho);
    if (!QFileInfo::exists(caminho)) {
        FConteudo.clear();
        return true;
    }
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        return false;
    }
    FConteudo = std::move(dados);
    return true;
}

bool TArquivoIni::Salva(const QString& caminho) const {
    QString motivo;
    return GravaArquivoInteiro(caminho, FConteudo, motivo, TEscritaDireta::SeRecusada);
}
