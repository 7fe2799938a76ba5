// SPDX-License-Identifier: GPL-3.0-or-later
#include "registro/GravacaoJogo.h"

#include "plan/EscritorPlano.h"
#include "plan/EstadoJogador.h"

#include <QDir>
#include <QFileInfo>

TGravacaoJogo::TGravacaoJogo(const TSimuladorProjeto& sim, QObject* parent)
    : QObject(parent), FSim(sim), FRelogio([] { return QDateTime::currentDateTime(); }) {
    connect(&FEscritor, &TEscritorArquivos::Falhou, this, &TGravacaoJogo::Falhou);
}

void TGravacaoJogo::IniciaJogo(int numero, const QString& pastaRegistro, const QString& gerente) {
    FNumero = numero;
    FRamo.reset();
    ++FJogo;
    FCaminho = CaminhoJogo(pastaRegistro, numero);
    FGerente = gerente;
    FInicio = TextoHorario(FRelogio());
    FInicioContado = MudancasCompletas(CapturaEstado(FSim));
    Grava();
}

void TGravacaoJogo::IniciaPratica(const TRamoJogo& ramo, const TPlano& historia,
                                  const QString& pastaRegistro, const QString& gerente) {
    // The name is chosen among the files on the disk: an earlier practice
    // of this run must be there first.
    FEscritor.Aguarda();
    Reinicia();
    FRamo = ramo;
    ++FJogo;
    FCaminho = CaminhoPratica(pastaRegistro, ramo);
    FGerente = gerente;
    FInicio = TextoHorario(FRelogio());
    FInicioContado = MudancasCompletas(CapturaEstado(FSim));
    FGravador.Continua(historia, FSim);
    Grava();
    // Written before the next practice looks for a free name.
    FEscritor.Aguarda();
}

void TGravacaoJogo::DesfazInicio() {
    if (FNumero > 0) {
        FEscritor.Remove(FCaminho, FJogo);
        FEscritor.Aguarda();
    }
    Reinicia();
}

void TGravacaoJogo::AntesDoPasso() {
    FGravador.AntesDoPasso(FSim);
}

void TGravacaoJogo::DepoisDoPasso() {
    FGravador.DepoisDoPasso(FSim);
    FHorariosDias.append(TextoHorario(FRelogio()));
    Grava();
}

void TGravacaoJogo::RegistraResultado() {
    Grava();
}

void TGravacaoJogo::Reinicia() {
    FGravador.Reinicia();
    FHorariosDias = QJsonArray();
    FNumero = 0;
    FRamo.reset();
    FCaminho.clear();
}

TPlano TGravacaoJogo::Plano() const {
    TPlano plano = FGravador.Plano();
    if (!FCaminho.isEmpty()) {
        if (FGravador.Passos() == 0) {
            plano.Inicio = FInicioContado;
            plano.Resultado = TResultadoPlano();
        }
        plano.Meta = Meta();
    }
    return plano;
}

QJsonObject TGravacaoJogo::Meta() const {
    QJsonObject meta{{QLatin1String("program"), Programa()},
                     {QLatin1String("manager"), FGerente},
                     {QLatin1String("started"), FInicio},
                     {QLatin1String("days_played_at"), FHorariosDias}};
    // A practice game is not counted: it has no number of its own.
    if (FRamo) {
        meta.insert(QLatin1String("branch_of"), RamoEmJson(*FRamo));
    } else {
        meta.insert(QLatin1String("game"), FNumero);
    }
    return meta;
}

QByteArray TGravacaoJogo::Dados() const {
    return EscrevePlano(Plano(), FSim);
}

void TGravacaoJogo::Grava() {
    if (!FCaminho.isEmpty()) {
        FEscritor.Grava(FCaminho, Dados(), FJogo);
    }
}

void TGravacaoJogo::Falhou(const QString& caminho, const QString& motivo) {
    if (FAvisado) {
        return;
    }
    FAvisado = true;
    if (FAviso) {
        FAviso(TextoFalha(caminho, motivo));
    }
}

QString TGravacaoJogo::CaminhoJogo(const QString& pastaRegistro, int numero) {
    return QDir(pastaRegistro).filePath(QStringLiteral("games/game-%1.json").arg(numero));
}

QString TGravacaoJogo::CaminhoPratica(const QString& pastaRegistro, const TRamoJogo& ramo) {
    const QDir jogos(QDir(pastaRegistro).filePath(QStringLiteral("games")));
    QString caminho;
    for (int vez = 1;; ++vez) {
        caminho = jogos.filePath(NomeRegistroPratica(ramo.Jogo, ramo.Dia, vez));
        // A link to nowhere is in the way too.
        if (!QFileInfo(caminho).exists() && !QFileInfo(caminho).isSymLink()) {
            return caminho;
        }
    }
}

QString TGravacaoJogo::Programa() {
    // The project's version, given by the build.
    return QStringLiteral("Orvanta " ORVANTA_VERSION);
}

QString TGravacaoJogo::TextoFalha(const QString& caminho, const QString& motivo) {
    return QStringLiteral("Unable to write the game record %1: %2\n"
                          "The game goes on; this message is shown once.")
        .arg(QDir::toNativeSeparators(caminho), motivo);
}

QString TGravacaoJogo::TextoHorario(const QDateTime& horario) {
    QString texto = horario.toOffsetFromUtc(horario.offsetFromUtc()).toString(Qt::ISODate);
    // UTC itself is written as an offset too, as every other time is.
    if (texto.endsWith(QLatin1Char('Z'))) {
        texto.chop(1);
        texto += QStringLiteral("+00:00");
    }
    return texto;
}
