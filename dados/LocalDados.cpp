// SPDX-License-Identifier: GPL-3.0-or-later
#include "dados/LocalDados.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString PastaDoPrograma() {
    // Not kept: an application object made later knows the real folder.
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QDir::currentPath();
}

QStringList LugaresDados(const QString& nome, const QString& pastaPrograma) {
    const QDir programa(pastaPrograma);
    return {QDir::cleanPath(programa.filePath(nome)),
            QDir::cleanPath(programa.filePath(QStringLiteral(ORVANTA_DADOS_INSTALADOS "/") + nome))};
}

QString LocalizaDados(const QString& nome, const QString& pastaPrograma) {
    for (const QString& lugar : LugaresDados(nome, pastaPrograma)) {
        if (QFileInfo(lugar).isDir()) {
            return lugar;
        }
    }
    return QString();
}

QString LocalizaDados(const QString& nome) {
    return LocalizaDados(nome, PastaDoPrograma());
}
