#include "RegistroJogador.h"

#include "ErrosRegistro.h"
#include "LocalRegistro.h"
#include "dialogs/EdInteiro.h"
#include "model/mImagens.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <cmath>
#include <limits>

// The INI library is used header-only and on plain UTF-8 bytes.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

const QString TRegistroJogador::SecaoJogo = QStringLiteral("Orvanta");
const QString TRegistroJogador::ChavePartidas = QStringLiteral("NTimes");
const QString TRegistroJogador::ChaveGerente = QStringLiteral("Manager");
const QString TRegistroJogador::ChaveCusto = QStringLiteral("Cost");
const QString TRegistroJogador::ChaveTempo = QStringLiteral("Time");

namespace {

// CSimpleIniA compares section and key names without regard to case.
using TArquivoIni = CSimpleIniA;

void Configura(TArquivoIni& ini) {
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetSpaces(false);
    // Values with leading or trailing blanks are written in quotes, so a name
    // is read back exactly as it was typed.
    ini.SetQuotes(true);
}

// Loads the file into ini. A missing file loads as empty; false when the file
// exists but cannot be read.
bool Carrega(const QString& caminho, TArquivoIni& ini) {
    QFile arquivo(caminho);
    if (!arquivo.exists()) {
        return true;
    }
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        return false;
    }
    return ini.LoadData(dados.constData(), static_cast<size_t>(dados.size())) >= 0;
}

} // namespace

TRegistroJogador::TRegistroJogador(const QString& caminho) : FCaminho(caminho) {}

QString TRegistroJogador::CaminhoPadrao() {
    return LocalizaRegistro(PastaPrograma());
}

QString TRegistroJogador::LeValor(const QString& secao, const QString& chave,
                                  const QString& padrao) const {
    TArquivoIni ini;
    Configura(ini);
    if (!Carrega(FCaminho, ini)) {
        return padrao;
    }
    const QByteArray s = secao.toUtf8();
    const QByteArray k = chave.toUtf8();
    const char* valor = ini.GetValue(s.constData(), k.constData(), nullptr);
    return valor ? QString::fromUtf8(valor) : padrao;
}

void TRegistroJogador::GravaValor(const QString& secao, const QString& chave,
                                  const QString& valor) const {
    TArquivoIni ini;
    Configura(ini);
    // A file that is there but unreadable would be lost by rewriting it.
    if (!Carrega(FCaminho, ini)) {
        throw EErroGravacao(FCaminho);
    }
    const QByteArray s = secao.toUtf8();
    const QByteArray k = chave.toUtf8();
    const QByteArray v = valor.toUtf8();
    if (ini.SetValue(s.constData(), k.constData(), v.constData()) < 0) {
        throw EErroGravacao(FCaminho);
    }
    std::string conteudo;
    if (ini.Save(conteudo, false) < 0) {
        throw EErroGravacao(FCaminho);
    }
    QSaveFile arquivo(FCaminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        throw EErroGravacao(FCaminho);
    }
    const auto tamanho = static_cast<qint64>(conteudo.size());
    if (arquivo.write(conteudo.data(), tamanho) != tamanho || !arquivo.commit()) {
        throw EErroGravacao(FCaminho);
    }
}

void TRegistroJogador::IncrementaPartidas() const {
    const int partidas = ConverteInteiro(LeValor(SecaoJogo, ChavePartidas, QStringLiteral("0")));
    if (partidas == std::numeric_limits<int>::max()) {
        throw EErroConversao(
            QStringLiteral("The game count '%1' cannot grow any further").arg(partidas));
    }
    GravaValor(SecaoJogo, ChavePartidas, QString::number(partidas + 1));
}

QString TRegistroJogador::Gerente() const {
    return LeValor(SecaoJogo, ChaveGerente, QString());
}

void TRegistroJogador::DefineGerente(const QString& nome) const {
    GravaValor(SecaoJogo, ChaveGerente, nome);
}

void TRegistroJogador::RegistraResultado(double custo, double tempo) const {
    const QString secao =
        QStringLiteral("#") + LeValor(SecaoJogo, ChavePartidas, QStringLiteral("0"));
    GravaValor(secao, ChaveCusto, FormataReal(custo));
    GravaValor(secao, ChaveTempo, FormataReal(tempo));
}

QString TRegistroJogador::FormataReal(double valor) {
    if (std::isnan(valor)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(valor)) {
        return valor > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    QString texto = QString::number(valor, 'g', 15);
    const qsizetype e = texto.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        const int expoente = texto.mid(e + 1).toInt();
        texto = texto.left(e) + QLatin1Char('E') + QString::number(expoente);
    }
    texto.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return texto;
}

int TRegistroJogador::ConverteInteiro(const QString& texto) {
    qint64 valor = 0;
    if (!LeInteiroDecimal(texto, valor) || valor < std::numeric_limits<int>::min() ||
        valor > std::numeric_limits<int>::max()) {
        throw EErroConversao(QStringLiteral("'%1' is not a valid integer value").arg(texto));
    }
    return static_cast<int>(valor);
}
