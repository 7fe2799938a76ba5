#include "TurmaSalva.h"

#include "registro/ArquivoIni.h"

#include <QDir>
#include <QFile>

namespace {

const QString Secao = QStringLiteral("Class");
const QString ChaveLink = QStringLiteral("Link");
const QString ChaveNome = QStringLiteral("Name");

} // namespace

QString TTurmaSalva::Caminho(const QString& pastaRegistro) {
    return QDir(pastaRegistro).filePath(QStringLiteral("OrvantaClass.INI"));
}

std::optional<TTurmaSalva> TTurmaSalva::Le(const QString& caminho, QString& motivo) {
    motivo.clear();
    if (!QFile::exists(caminho)) {
        return std::nullopt;
    }
    TArquivoIni ini;
    if (!ini.Carrega(caminho)) {
        motivo = QStringLiteral("%1 cannot be read").arg(QDir::toNativeSeparators(caminho));
        return std::nullopt;
    }
    QString motivoLink;
    const std::optional<TLinkTurma> link =
        TLinkTurma::Le(ini.Valor(Secao, ChaveLink).value_or(QString()), motivoLink);
    if (!link) {
        motivo = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(caminho), motivoLink);
        return std::nullopt;
    }
    return TTurmaSalva{*link, LinhaUnica(ini.Valor(Secao, ChaveNome).value_or(QString()), 80)};
}

bool TTurmaSalva::Grava(const QString& caminho, QString& motivo) const {
    TArquivoIni ini;
    ini.DefineValor(Secao, ChaveLink, Link.Texto());
    ini.DefineValor(Secao, ChaveNome, Nome);
    if (!ini.Salva(caminho)) {
        motivo = QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(caminho));
        return false;
    }
    return true;
}

bool TTurmaSalva::Apaga(const QString& caminho, QString& motivo) {
    QFile arquivo(caminho);
    if (!arquivo.exists() || arquivo.remove()) {
        return true;
    }
    motivo = QStringLiteral("%1 cannot be removed: %2")
                 .arg(QDir::toNativeSeparators(caminho), arquivo.errorString());
    return false;
}
