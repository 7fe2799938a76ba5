// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/ArquivosTurma.h"

#include <QDir>
#include <QSet>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

// The search goes through std::filesystem: Qt's folder listing leaves out
// names that are not UTF-8 text, and a student's file must never vanish
// from the table without a row.

namespace fs = std::filesystem;

namespace {

fs::path CaminhoFs(const QString& caminho) {
    const QByteArray u8 = caminho.toUtf8();
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(u8.constData()),
                                  static_cast<size_t>(u8.size())));
}

QByteArray Bytes(const fs::path& caminho) {
    const std::u8string u8 = caminho.u8string();
    return QByteArray(reinterpret_cast<const char*>(u8.data()), static_cast<qsizetype>(u8.size()));
}

// The name as text, and whether that text names the same file (false when
// the name is not UTF-8 text).
std::pair<QString, bool> TextoNome(const fs::path& nome) {
    const QByteArray bytes = Bytes(nome);
    const QString texto = QString::fromUtf8(bytes);
    return {texto, texto.toUtf8() == bytes};
}

bool EhDigito(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype FimDigitos(QStringView s, qsizetype i) {
    while (i < s.size() && EhDigito(s[i])) {
        ++i;
    }
    return i;
}

// One name against another, runs of digits by value.
int ComparaNome(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (EhDigito(a[i]) && EhDigito(b[j])) {
            const qsizetype fimA = FimDigitos(a, i);
            const qsizetype fimB = FimDigitos(b, j);
            QStringView numA = a.sliced(i, fimA - i);
            QStringView numB = b.sliced(j, fimB - j);
            while (numA.size() > 1 && numA.front() == QLatin1Char('0')) {
                numA = numA.sliced(1);
            }
            while (numB.size() > 1 && numB.front() == QLatin1Char('0')) {
                numB = numB.sliced(1);
            }
            if (numA.size() != numB.size()) {
                return numA.size() < numB.size() ? -1 : 1;
            }
            if (const int c = numA.compare(numB); c != 0) {
                return c;
            }
            i = fimA;
            j = fimB;
            continue;
        }
        if (a[i] != b[j]) {
            return a[i] < b[j] ? -1 : 1;
        }
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

QByteArray ChaveFs(const fs::path& caminho) {
    std::error_code erro;
    fs::path chave = fs::canonical(caminho, erro);
    if (erro) {
        chave = fs::absolute(caminho, erro).lexically_normal();
    }
    return Bytes(chave);
}

std::optional<ETipoArquivoTurma> TipoNaPasta(const QString& nome) {
    if (nome.compare(QLatin1String("Orvanta.INI"), Qt::CaseInsensitive) == 0) {
        return ETipoArquivoTurma::Ini;
    }
    if (nome.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        return ETipoArquivoTurma::Registro;
    }
    return std::nullopt;
}

// A folder still to search: its path, how it is shown, and its path as text
// (none when some part of it is not UTF-8 text).
struct TPasta {
    fs::path Caminho;
    QString Nome;
    std::optional<QString> Texto;
};

QString Junta(const QString& pasta, const QString& nome) {
    return pasta + QLatin1Char('/') + nome;
}

class TBusca {
public:
    QList<TArquivoTurma> Achados;

    void Arquivo(const fs::path& caminho, const QString& nome, const std::optional<QString>& texto,
                 ETipoArquivoTurma tipo) {
        TArquivoTurma a{nome, texto.value_or(QString()), tipo, QString(), ChaveFs(caminho)};
        if (!texto) {
            a.Erro = QStringLiteral("the path is not UTF-8 text");
        }
        Achados.append(a);
    }

    void Percorre(TPasta raiz) {
        QList<TPasta> pilha{std::move(raiz)};
        while (!pilha.isEmpty()) {
            const TPasta pasta = pilha.takeLast();
            std::error_code erro;
            fs::directory_iterator it(pasta.Caminho, erro);
            for (; !erro && it != fs::directory_iterator(); it.increment(erro)) {
                Entrada(*it, pasta, pilha);
            }
            if (erro) {
                Achados.append({pasta.Nome, QString(), ETipoArquivoTurma::Pasta,
                                QStringLiteral("cannot search the folder: %1")
                                    .arg(QString::fromLocal8Bit(erro.message())),
                                ChaveFs(pasta.Caminho)});
            }
        }
    }

private:
    void Entrada(const fs::directory_entry& entrada, const TPasta& pasta, QList<TPasta>& pilha) {
        const auto [nome, nomeValido] = TextoNome(entrada.path().filename());
        if (nome.startsWith(QLatin1Char('.'))) {
            return;
        }
        const QString mostrado = QDir::cleanPath(Junta(pasta.Nome, nome));
        std::optional<QString> texto;
        if (pasta.Texto && nomeValido) {
            texto = Junta(*pasta.Texto, nome);
        }
        std::error_code erro;
        if (entrada.is_directory(erro)) {
            // A link to a folder is not followed.
            if (!entrada.is_symlink(erro)) {
                pilha.append({entrada.path(), mostrado, texto});
            }
            return;
        }
        if (const auto tipo = TipoNaPasta(nome)) {
            Arquivo(entrada.path(), mostrado, texto, *tipo);
        }
    }
};

} // namespace

int ComparaCaminhos(const QString& a, const QString& b) {
    const QList<QStringView> partesA = QStringView(a).split(QLatin1Char('/'));
    const QList<QStringView> partesB = QStringView(b).split(QLatin1Char('/'));
    for (qsizetype i = 0; i < partesA.size() && i < partesB.size(); ++i) {
        if (const int c = ComparaNome(partesA[i], partesB[i]); c != 0) {
            return c;
        }
    }
    if (partesA.size() != partesB.size()) {
        return partesA.size() < partesB.size() ? -1 : 1;
    }
    return a.compare(b);
}

QByteArray ChaveArquivo(const QString& caminho) {
    return ChaveFs(CaminhoFs(caminho));
}

QList<TArquivoTurma> BuscaArquivosTurma(const QStringList& caminhos) {
    TBusca busca;
    for (const QString& caminho : caminhos) {
        const fs::path fsCaminho = CaminhoFs(caminho);
        std::error_code erro;
        const fs::file_status estado = fs::status(fsCaminho, erro);
        if (!fs::exists(estado)) {
            throw ETurma{QStringLiteral("no such file or folder: %1").arg(caminho)};
        }
        const QString nome = QDir::cleanPath(QDir::fromNativeSeparators(caminho));
        if (fs::is_directory(estado)) {
            busca.Percorre({fsCaminho, nome, caminho});
        } else {
            const bool ini = caminho.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive);
            busca.Arquivo(fsCaminho, nome, caminho,
                          ini ? ETipoArquivoTurma::Ini : ETipoArquivoTurma::Registro);
        }
    }
    QList<TArquivoTurma> achados = std::move(busca.Achados);
    std::stable_sort(achados.begin(), achados.end(),
                     [](const TArquivoTurma& a, const TArquivoTurma& b) {
                         return ComparaCaminhos(a.Nome, b.Nome) < 0;
                     });
    QSet<QByteArray> vistos;
    QList<TArquivoTurma> unicos;
    for (TArquivoTurma& a : achados) {
        if (!vistos.contains(a.Chave)) {
            vistos.insert(a.Chave);
            unicos.append(std::move(a));
        }
    }
    return unicos;
}
