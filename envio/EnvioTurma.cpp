// SPDX-License-Identifier: GPL-3.0-or-later
#include "envio/EnvioTurma.h"

#include "envio/PedidoRede.h"
#include "envio/RespostaServidor.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace {

using ESituacao = TRegistroEnvio::ESituacao;

// A file in games/ larger than this is no game record the server would take:
// it is not read into memory.
constexpr qint64 MaiorRegistroLido = 4 << 20;

QString Digesto(const QByteArray& dados) {
    return QString::fromLatin1(QCryptographicHash::hash(dados, QCryptographicHash::Sha256).toHex());
}

} // namespace

TEnvioTurma::TEnvioTurma(QObject* parent) : QObject(parent), FPausa(FTempos.PrimeiraPausa) {
    FTemporizador.setSingleShot(true);
    connect(&FTemporizador, &QTimer::timeout, this, &TEnvioTurma::Tenta);
    connect(&FGravador, &TEscritorArquivos::Falhou, this, [this](const QString&, const QString& m) {
        Erro(QStringLiteral("the sending state cannot be written: ") + m);
    });
}

TEnvioTurma::~TEnvioTurma() {
    CancelaVerificacao();
    CancelaEnvio();
}

void TEnvioTurma::DefinePasta(const QString& pastaRegistro) {
    if (pastaRegistro == FPasta) {
        return;
    }
    CancelaEnvio();
    FTemporizador.stop();
    FProxima = {};
    FPausa = FTempos.PrimeiraPausa;
    FDados.clear();
    FUltimoErro.clear();
    FHoraUltimoErro = {};
    // What was asked for the old folder reaches its disk before the new one is read.
    FGravador.Aguarda();
    FPasta = pastaRegistro;
    FTurma = TTurmaSalva::Le(TTurmaSalva::Caminho(FPasta), FMensagemEntrada);
    CarregaEstado();
    emit Mudou();
}

void TEnvioTurma::CarregaEstado() {
    FEstado = TEstadoEnvio();
    FEstadoValido = true;
    const QString caminho = TEstadoEnvio::CaminhoEstado(FPasta);
    QFile arquivo(caminho);
    if (!arquivo.exists()) {
        return;
    }
    const QString nome = QDir::toNativeSeparators(caminho);
    QString motivo;
    if (!arquivo.open(QIODevice::ReadOnly)) {
        FEstadoValido = false;
        Erro(QStringLiteral("%1 cannot be read (%2): nothing is sent until it can")
                 .arg(nome, arquivo.errorString()));
        return;
    }
    if (FEstado.LeJson(arquivo.readAll(), motivo)) {
        return;
    }
    arquivo.close();
    // Set aside whole and started afresh: a record acknowledged before may
    // be sent again, which the server takes as the one it has.
    for (int vez = 1; vez <= 100; ++vez) {
        const QString aParte = caminho + (vez == 1 ? QStringLiteral(".damaged")
                                                   : QStringLiteral(".damaged-%1").arg(vez));
        if (!QFileInfo::exists(aParte) && arquivo.rename(aParte)) {
            Erro(QStringLiteral("%1 was not a sending state (%2): kept as %3, started afresh")
                     .arg(nome, motivo, QFileInfo(aParte).fileName()));
            return;
        }
    }
    FEstadoValido = false;
    Erro(QStringLiteral("%1 is not a sending state (%2) and cannot be set aside: nothing is "
                        "sent until it is mended or removed")
             .arg(nome, motivo));
}

void TEnvioTurma::SalvaEstado() {
    if (FEstadoValido && !FPasta.isEmpty()) {
        FGravador.Substitui(TEstadoEnvio::CaminhoEstado(FPasta), FEstado.Json());
    }
}

void TEnvioTurma::Entra(const QString& link) {
    QString motivo;
    const std::optional<TLinkTurma> lido = TLinkTurma::Le(link, motivo);
    CancelaVerificacao();
    if (!lido) {
        FMensagemEntrada = QStringLiteral("Not joined: ") + motivo;
        emit Mudou();
        emit EntradaConcluida(false, motivo);
        return;
    }
    FLinkVerificado = *lido;
    FMensagemEntrada.clear();
    FVerificacao = Pede(QNetworkRequest(lido->UrlTurma()), nullptr);
    QNetworkReply* resposta = FVerificacao;
    connect(resposta, &QNetworkReply::finished, this, [this, resposta] { Verificado(resposta); });
    emit Mudou();
}

void TEnvioTurma::Verificado(QNetworkReply* resposta) {
    resposta->deleteLater();
    FVerificacao = nullptr;
    const TRespostaRede lida = LeResposta(resposta);
    const TRespostaTurma turma = ClassificaTurma(lida.Status, lida.Corpo, lida.Erro);
    if (!turma.Ok) {
        FMensagemEntrada = QStringLiteral("Not joined: ") + turma.Motivo;
        emit Mudou();
        emit EntradaConcluida(false, turma.Motivo);
        return;
    }
    if (!FTurma || FTurma->Link != FLinkVerificado) {
        CancelaEnvio();
        FTemporizador.stop();
        FProxima = {};
        FPausa = FTempos.PrimeiraPausa;
    }
    FTurma = TTurmaSalva{FLinkVerificado, turma.Nome};
    QString motivo = QStringLiteral("no folder to keep it in");
    if (FPasta.isEmpty() || !FTurma->Grava(TTurmaSalva::Caminho(FPasta), motivo)) {
        FMensagemEntrada = QStringLiteral("Joined for this run only: ") + motivo;
    }
    emit EntradaConcluida(true, turma.Nome);
    Tenta();
    emit Mudou();
}

void TEnvioTurma::Sai() {
    CancelaVerificacao();
    CancelaEnvio();
    FTemporizador.stop();
    FProxima = {};
    FMensagemEntrada.clear();
    if (!FPasta.isEmpty() && !TTurmaSalva::Apaga(TTurmaSalva::Caminho(FPasta), FMensagemEntrada)) {
        FMensagemEntrada += QStringLiteral(": the class is joined again at the next start");
    }
    FTurma.reset();
    emit Mudou();
}

void TEnvioTurma::ResultadoRegistrado(const QString& caminho, const QByteArray& dados) {
    if (!FTurma || !FEstadoValido) {
        return;
    }
    const QString turma = FTurma->Link.Texto();
    const QString sha = Digesto(dados);
    const TRegistroEnvio* registro = FEstado.Procura(turma, sha);
    if (!registro) {
        FEstado.Registros.append(
            {turma, QFileInfo(caminho).fileName(), sha, ESituacao::Aguardando, {}, 0, {}});
        SalvaEstado();
    }
    if (!registro || registro->Situacao == ESituacao::Aguardando) {
        FDados.insert(sha, dados);
    }
    Tenta();
    emit Mudou();
}

void TEnvioTurma::Tenta() {
    if (FEnvio || !FTurma || !FEstadoValido) {
        return;
    }
    FTemporizador.stop();
    FProxima = {};
    const QString turma = FTurma->Link.Texto();
    while (TRegistroEnvio* registro = FEstado.ProximoAguardando(turma)) {
        const QByteArray dados = DadosRegistro(*registro);
        if (registro->Situacao == ESituacao::Perdido) {
            continue;
        }
        if (dados.isNull()) {
            return; // told, and tried again after a pause
        }
        Envia(*registro, dados);
        return;
    }
    FPausa = FTempos.PrimeiraPausa;
    emit Mudou();
}

QByteArray TEnvioTurma::DadosRegistro(TRegistroEnvio& registro) {
    const auto guardados = FDados.constFind(registro.Sha256);
    if (guardados != FDados.constEnd()) {
        return *guardados;
    }
    QFile arquivo(QDir(FPasta).filePath(QStringLiteral("games/") + registro.Arquivo));
    const QString nome = QStringLiteral("games/") + registro.Arquivo;
    if (!arquivo.open(QIODevice::ReadOnly)) {
        Falha(QStringLiteral("%1 cannot be read: %2").arg(nome, arquivo.errorString()));
        return {};
    }
    QByteArray dados;
    if (arquivo.size() <= MaiorRegistroLido) {
        dados = arquivo.readAll();
    }
    if (arquivo.size() > MaiorRegistroLido || Digesto(dados) != registro.Sha256) {
        registro.Situacao = ESituacao::Perdido;
        registro.Motivo =
            QStringLiteral("%1 no longer holds the record whose result was recorded").arg(nome);
        SalvaEstado();
        emit Mudou();
        return {};
    }
    FDados.insert(registro.Sha256, dados);
    return dados;
}

QNetworkReply* TEnvioTurma::Pede(const QNetworkRequest& pedido, const QByteArray* corpo) {
    if (!FRede) {
        FRede = new QNetworkAccessManager(this);
    }
    return PedeLimitado(*FRede, pedido, corpo, FTempos.Limite);
}

void TEnvioTurma::Envia(const TRegistroEnvio& registro, const QByteArray& dados) {
    FTurmaEnviada = registro.Turma;
    FShaEnviado = registro.Sha256;
    FEnvio = Pede(QNetworkRequest(FTurma->Link.UrlRegistros()), &dados);
    QNetworkReply* resposta = FEnvio;
    connect(resposta, &QNetworkReply::finished, this, [this, resposta] { Respondido(resposta); });
    emit Mudou();
}

void TEnvioTurma::Respondido(QNetworkReply* resposta) {
    resposta->deleteLater();
    FEnvio = nullptr;
    const TRespostaRede lida = LeResposta(resposta);
    const TRespostaEnvio r =
        ClassificaEnvio(lida.Status, lida.Corpo, lida.Erro, FShaEnviado, lida.RetryAfter);
    TRegistroEnvio* registro = FEstado.Procura(FTurmaEnviada, FShaEnviado);
    if (!registro) {
        return;
    }
    switch (r.Tipo) {
    case TRespostaEnvio::ETipo::Aceito:
        registro->Situacao = ESituacao::Enviado;
        registro->Id = r.Id;
        registro->Conferencia = r.Conferencia;
        break;
    case TRespostaEnvio::ETipo::Recusado:
        registro->Situacao = ESituacao::Recusado;
        registro->Motivo = r.Motivo;
        break;
    case TRespostaEnvio::ETipo::Falhou:
        Falha(r.Motivo, r.Espera);
        return;
    }
    FDados.remove(FShaEnviado);
    SalvaEstado();
    FPausa = FTempos.PrimeiraPausa;
    Tenta();
    emit Mudou();
}

void TEnvioTurma::Falha(const QString& motivo, int esperaSegundos) {
    Erro(motivo);
    std::chrono::milliseconds pausa = FPausa;
    if (esperaSegundos > 0) {
        pausa = std::min<std::chrono::milliseconds>(std::chrono::seconds(esperaSegundos),
                                                    FTempos.PausaMaxima);
    } else {
        FPausa = std::min(FPausa * 2, FTempos.PausaMaxima);
    }
    FTemporizador.start(pausa);
    FProxima = QDateTime::currentDateTime().addMSecs(pausa.count());
    emit Mudou();
}

void TEnvioTurma::Erro(const QString& motivo) {
    FUltimoErro = motivo;
    FHoraUltimoErro = QDateTime::currentDateTime();
    emit Mudou();
}

void TEnvioTurma::CancelaVerificacao() {
    if (QNetworkReply* resposta = FVerificacao) {
        FVerificacao = nullptr;
        resposta->disconnect(this);
        resposta->abort();
        resposta->deleteLater();
    }
}

void TEnvioTurma::CancelaEnvio() {
    if (QNetworkReply* resposta = FEnvio) {
        FEnvio = nullptr;
        resposta->disconnect(this);
        resposta->abort();
        resposta->deleteLater();
    }
}

std::optional<TLinkTurma> TEnvioTurma::Verificando() const {
    return FVerificacao ? std::optional<TLinkTurma>(FLinkVerificado) : std::nullopt;
}

int TEnvioTurma::Conta(ESituacao situacao) const {
    return FTurma ? FEstado.Conta(FTurma->Link.Texto(), situacao) : 0;
}

QList<TRegistroEnvio> TEnvioTurma::NaoEnviados() const {
    QList<TRegistroEnvio> lista;
    if (!FTurma) {
        return lista;
    }
    const QString turma = FTurma->Link.Texto();
    std::copy_if(FEstado.Registros.begin(), FEstado.Registros.end(), std::back_inserter(lista),
                 [&turma](const TRegistroEnvio& r) {
                     return r.Turma == turma &&
                            (r.Situacao == ESituacao::Recusado || r.Situacao == ESituacao::Perdido);
                 });
    return lista;
}
