// SPDX-License-Identifier: GPL-3.0-or-later
#include "registro/LocalRegistro.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString NomeRegistro = QStringLiteral("Orvanta.INI");

QString AoLado(const QString& pastaPrograma) {
    return pastaPrograma + QLatin1Char('/') + NomeRegistro;
}

} // namespace

QString LocalizaRegistro(const QString& pastaPrograma) {
    // A record already there needs no trial of the folder.
    return LocalizaRegistro(pastaPrograma, QFileInfo::exists(AoLado(pastaPrograma)) ||
                                               PastaGravavel(pastaPrograma));
}

QString LocalizaRegistro(const QString& pastaPrograma, bool pastaGravavel) {
    const QString aoLado = AoLado(pastaPrograma);
    if (pastaGravavel || QFileInfo::exists(aoLado)) {
        return aoLado;
    }
    const QString dados = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dados.isEmpty()) {
        // No data folder on this system: the record stays beside the program,
        // and a write there reports that it cannot be made.
        return aoLado;
    }
    QDir().mkpath(dados);
    return dados + QLatin1Char('/') + NomeRegistro;
}

bool PastaGravavel(const QString& pasta) {
    QTemporaryFile teste(pasta + QStringLiteral("/.orvanta-teste-XXXXXX"));
    return teste.open();
}
