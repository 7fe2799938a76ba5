// SPDX-License-Identifier: GPL-3.0-or-later
#include "registro/RegistroJogador.h"

#include "figuras/LocalizacaoImagens.h"
#include "model/LeituraInteiro.h"
#include "registro/ArquivoIni.h"
#include "registro/ErrosRegistro.h"
#include "registro/LocalRegistro.h"

#include <QLocale>
#include <cmath>
#include <limits>

const QString TRegistroJogador::SecaoJogo = QStringLiteral("Orvanta");
const QString TRegistroJogador::ChavePartidas = QStringLiteral("NTimes");
const QString TRegistroJogador::ChaveGerente = QStringLiteral("Manager");
const QString TRegistroJogador::ChaveCusto = QStringLiteral("Cost");
const QString TRegistroJogador::ChaveTempo = QStringLiteral("Time");

TRegistroJogador::TRegistroJogador(const QString& caminho) : FCaminho(caminho) {}

QString TRegistroJogador::CaminhoPadrao() {
    return LocalizaRegistro(PastaPrograma());
}

QString TRegistroJogador::LeValor(const QString& secao, const QString& chave,
                                  const QString& padrao) const {
    TArquivoIni ini;
    if (!ini.Carrega(FCaminho)) {
        return padrao;
    }
    return ini.Valor(secao, chave).value_or(padrao);
}

void TRegistroJogador::GravaValor(const QString& secao, const QString& chave,
                                  const QString& valor) const {
    GravaValores(secao, {{chave, valor}});
}

void TRegistroJogador::GravaValores(const QString& secao, const TValores& valores) const {
    TArquivoIni ini;
    // A file that is there but unreadable would be lost by rewriting it.
    if (!ini.Carrega(FCaminho)) {
        throw EErroGravacao(FCaminho);
    }
    for (const auto& [chave, valor] : valores) {
        ini.DefineValor(secao, chave, valor);
    }
    if (!ini.Salva(FCaminho)) {
        throw EErroGravacao(FCaminho);
    }
}

int TRegistroJogador::IncrementaPartidas() const {
    const int numero = ProximaPartida();
    GravaPartidas(numero);
    return numero;
}

int TRegistroJogador::ProximaPartida() const {
    const int partidas = ConverteInteiro(LeValor(SecaoJogo, ChavePartidas, QStringLiteral("0")));
    if (partidas == std::numeric_limits<int>::max()) {
        throw EErroConversao(
            QStringLiteral("The game count '%1' cannot grow any further").arg(partidas));
    }
    return partidas + 1;
}

void TRegistroJogador::GravaPartidas(int numero) const {
    GravaValor(SecaoJogo, ChavePartidas, QString::number(numero));
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
    GravaValores(secao, {{ChaveCusto, FormataReal(custo)}, {ChaveTempo, FormataReal(tempo)}});
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
