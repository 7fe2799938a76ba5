// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/LeitorTurma.h"

#include "model/mSimulador.h"
#include "turma/IniTurma.h"
#include "turma/RegistroTurma.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> LeArquivoLimitado(const QString& caminho, qint64 limite, QString& erro) {
    constexpr qint64 MiB = 1024 * 1024;
    const QString grande = limite % MiB == 0
                               ? QStringLiteral("larger than %1 MiB").arg(limite / MiB)
                               : QStringLiteral("larger than %1 bytes").arg(limite);
    const QFileInfo info(caminho);
    if (!info.exists()) {
        erro = QStringLiteral("no such file");
        return std::nullopt;
    }
    // Checked before opening: opening a pipe waits for a writer.
    if (!info.isFile()) {
        erro = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (info.size() > limite) {
        erro = grande;
        return std::nullopt;
    }
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        erro = arquivo.errorString();
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since.
    QByteArray dados = arquivo.read(limite + 1);
    if (arquivo.error() != QFileDevice::NoError) {
        erro = arquivo.errorString();
        return std::nullopt;
    }
    if (dados.size() > limite) {
        erro = grande;
        return std::nullopt;
    }
    return dados;
}

TLeitorTurma::TLeitorTurma() = default;
TLeitorTurma::~TLeitorTurma() = default;

TSimuladorProjeto& TLeitorTurma::Simulador() {
    if (!FSim) {
        FSim = std::make_unique<TSimuladorProjeto>();
    }
    return *FSim;
}

QList<TLinhaTurma> TLeitorTurma::Le(const TArquivoTurma& arquivo) {
    TLinhaTurma ilegivel;
    ilegivel.Arquivo = arquivo.Nome;
    ilegivel.Nota = arquivo.Erro;
    if (!arquivo.Erro.isEmpty()) {
        return {ilegivel};
    }
    const bool ini = arquivo.Tipo == ETipoArquivoTurma::Ini;
    const std::optional<QByteArray> dados = LeArquivoLimitado(
        arquivo.Caminho, ini ? TamanhoMaximoIni : TamanhoMaximoRegistro, ilegivel.Nota);
    if (!dados) {
        return {ilegivel};
    }
    QList<TLinhaTurma> linhas =
        ini ? LinhasIni(*dados, arquivo.Nome)
            : QList<TLinhaTurma>{LinhaRegistro(*dados, arquivo.Nome, Simulador())};
    const QString digesto =
        QString::fromLatin1(QCryptographicHash::hash(*dados, QCryptographicHash::Sha256).toHex());
    for (TLinhaTurma& linha : linhas) {
        linha.Sha256 = digesto;
    }
    return linhas;
}

QList<TLinhaTurma> TLeitorTurma::LeTodos(const QList<TArquivoTurma>& arquivos) {
    QList<TLinhaTurma> linhas;
    for (const TArquivoTurma& arquivo : arquivos) {
        linhas.append(Le(arquivo));
    }
    return linhas;
}
