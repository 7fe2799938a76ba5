#include "PastaFrente.h"

#include "arquivos/GravaArquivo.h"
#include "plan/EscritorPlano.h"
#include "plan/TextoEscapado.h"
#include "plan/VerificacaoPlano.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>
#include <vector>

const QLatin1String ProgramaPastaFrente("orvanta-best");

namespace {

const QLatin1String NomeFrente("front.json");

// Larger files are not the tool's: its plans and fronts are a few kilobytes.
constexpr qint64 TamanhoMaximo = 1 << 20;

bool NomeDePlano(const QString& nome) {
    static const QRegularExpression padrao(QStringLiteral("^plan-[0-9]{3,}\\.json$"));
    return padrao.match(nome).hasMatch();
}

// The file's JSON, or an empty document when it is not a small regular file
// holding JSON.
QJsonDocument LeJsonPequeno(const QFileInfo& info) {
    if (info.isSymLink() || !info.isFile() || info.size() > TamanhoMaximo) {
        return {};
    }
    QFile arquivo(info.filePath());
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(arquivo.read(TamanhoMaximo + 1));
}

bool PlanoDaFerramenta(const QFileInfo& info) {
    const QJsonDocument doc = LeJsonPequeno(info);
    return doc.isObject() &&
           doc.object().value(QLatin1String("meta")).toObject().value(QLatin1String("program")) ==
               ProgramaPastaFrente;
}

bool FrenteDaFerramenta(const QFileInfo& info) {
    const QJsonDocument doc = LeJsonPequeno(info);
    if (!doc.isArray()) {
        return false;
    }
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject entrada = v.toObject();
        if (entrada.size() != 3 || !NomeDePlano(entrada.value(QLatin1String("plan")).toString()) ||
            !entrada.value(QLatin1String("days")).isDouble() ||
            !entrada.value(QLatin1String("cost")).isDouble()) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void Recusa(const QString& mensagem) {
    throw EPastaFrente{mensagem, true};
}

[[noreturn]] void Falha(const QString& mensagem) {
    throw EPastaFrente{mensagem, false};
}

void Grava(const QString& caminho, const QByteArray& dados) {
    QString motivo;
    if (!GravaArquivoInteiro(caminho, dados, motivo)) {
        Falha(QStringLiteral("cannot write %1: %2").arg(EscapaControles(caminho), motivo));
    }
}

void Remove(const QString& caminho) {
    QFile arquivo(caminho);
    if (arquivo.exists() && !arquivo.remove()) {
        Falha(QStringLiteral("cannot remove %1: %2")
                  .arg(EscapaControles(caminho), arquivo.errorString()));
    }
}

void CriaPasta(const QString& pasta) {
    if (!QDir().mkpath(pasta)) {
        Falha(QStringLiteral("cannot create the folder %1").arg(EscapaControles(pasta)));
    }
}

} // namespace

QString NomePlanoFrente(int indice) {
    return QStringLiteral("plan-%1.json").arg(indice, 3, 10, QLatin1Char('0'));
}

QStringList VerificaPastaFrente(const QString& pasta) {
    const QFileInfo info(pasta);
    const QString nome = EscapaControles(pasta);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (!info.isDir()) {
        Recusa(QStringLiteral("%1 is not a folder").arg(nome));
    }
    QStringList planos;
    const QDir dir(pasta);
    const QFileInfoList conteudo = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entrada : conteudo) {
        const QString arquivo = entrada.fileName();
        const bool nosso = arquivo == NomeFrente  ? FrenteDaFerramenta(entrada)
                           : NomeDePlano(arquivo) ? PlanoDaFerramenta(entrada)
                                                  : false;
        if (!nosso) {
            Recusa(QStringLiteral("%1 holds %2, which orvanta-best did not write; "
                                  "give a new or empty folder")
                       .arg(nome, EscapaControles(arquivo)));
        }
        if (arquivo != NomeFrente) {
            planos.append(arquivo);
        }
    }
    return planos;
}

void PreparaPastaFrente(const QString& pasta) {
    VerificaPastaFrente(pasta);
    CriaPasta(pasta);
    // A file made and removed at once: what writing the front will need.
    QTemporaryFile prova(QDir(pasta).filePath(QStringLiteral(".orvanta-best-XXXXXX")));
    if (!prova.open()) {
        Falha(QStringLiteral("cannot write into the folder %1: %2")
                  .arg(EscapaControles(pasta), prova.errorString()));
    }
}

QList<TPlano> PlanosNaoBatidos(const QList<TPlano>& planos) {
    struct TChave {
        int Dias;
        qint64 Centavos;
        qsizetype Indice;
    };
    std::vector<TChave> chaves;
    for (qsizetype i = 0; i < planos.size(); ++i) {
        const TResultadoPlano r = planos.at(i).Resultado.value_or(TResultadoPlano{});
        chaves.push_back({r.Dias, CentavosCusto(r.Custo), i});
    }
    std::stable_sort(chaves.begin(), chaves.end(), [](const TChave& a, const TChave& b) {
        return a.Dias != b.Dias ? a.Dias < b.Dias : a.Centavos < b.Centavos;
    });
    QList<TPlano> naoBatidos;
    std::optional<qint64> menor;
    for (const TChave& chave : chaves) {
        // Every plan kept before is as fast or faster: it must cost less.
        if (!menor || chave.Centavos < *menor) {
            naoBatidos.append(planos.at(chave.Indice));
            menor = chave.Centavos;
        }
    }
    return naoBatidos;
}

void EscrevePastaFrente(const QString& pasta, const QList<TPlano>& todos,
                        const TSimuladorProjeto& sim) {
    const QStringList antigos = VerificaPastaFrente(pasta);
    const QList<TPlano> planos = PlanosNaoBatidos(todos);
    CriaPasta(pasta);
    const QDir dir(pasta);
    Remove(dir.filePath(NomeFrente));
    QJsonArray frente;
    QStringList escritos;
    for (int i = 0; i < planos.size(); ++i) {
        const TPlano& plano = planos.at(i);
        const QString nome = NomePlanoFrente(i + 1);
        Grava(dir.filePath(nome), EscrevePlano(plano, sim));
        escritos.append(nome);
        const TResultadoPlano resultado = plano.Resultado.value_or(TResultadoPlano{});
        frente.append(QJsonObject{{QLatin1String("plan"), nome},
                                  {QLatin1String("days"), resultado.Dias},
                                  {QLatin1String("cost"), resultado.Custo}});
    }
    Grava(dir.filePath(NomeFrente), QJsonDocument(frente).toJson(QJsonDocument::Indented));
    for (const QString& antigo : antigos) {
        if (!escritos.contains(antigo)) {
            Remove(dir.filePath(antigo));
        }
    }
}
