// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player record file lives: beside a program whose folder can be
// written or that already keeps a record there, otherwise in the user's data
// folder (pointed at a temporary folder through XDG_DATA_HOME); and how a
// folder is found writable.
#include "figuras/LocalizacaoImagens.h"
#include "registro/LocalRegistro.h"
#include "registro/RegistroJogador.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstLocalRegistro : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDados;
    QTemporaryDir FRaiz;

    QString Programa() const { return FRaiz.path() + QStringLiteral("/bin"); }
    QString AoLado() const { return Programa() + QStringLiteral("/Orvanta.INI"); }
    QString PastaDados() const { return FDados.path() + QStringLiteral("/Orvanta"); }
    QString NosDados() const { return PastaDados() + QStringLiteral("/Orvanta.INI"); }
    QStringList Conteudo(const QString& pasta) const {
        return QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() {
        QVERIFY(FDados.isValid() && FRaiz.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(FDados.path()));
    }
    void init() { QVERIFY(QDir().mkpath(Programa())); }
    void cleanup() {
        QFile::setPermissions(Programa(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(Programa()).removeRecursively();
        QDir(PastaDados()).removeRecursively();
    }

    void TheRecordStaysBesideAWritableProgramOrAnExistingRecord_data() {
        QTest::addColumn<bool>("gravavel");
        QTest::addColumn<bool>("existente");
        QTest::addColumn<bool>("aoLado");
        QTest::newRow("writable") << true << false << true;
        QTest::newRow("writable with a record") << true << true << true;
        QTest::newRow("read-only") << false << false << false;
        QTest::newRow("read-only with a record") << false << true << true;
    }
    // Guards against an installed game writing where it cannot (every count
    // failing), a copy of the game leaving its folder, or a record kept beside
    // the program being left behind once the folder is no longer writable.
    void TheRecordStaysBesideAWritableProgramOrAnExistingRecord() {
        QFETCH(bool, gravavel);
        QFETCH(bool, existente);
        QFETCH(bool, aoLado);
        if (existente) {
            TRegistroJogador(AoLado()).DefineGerente(QStringLiteral("Ana"));
        }
        const QString caminho = LocalizaRegistro(Programa(), gravavel);
        QCOMPARE(caminho, aoLado ? AoLado() : NosDados());
        // The data folder is made only when the record goes there.
        QCOMPARE(QFileInfo(PastaDados()).isDir(), !aoLado);
        QCOMPARE(TRegistroJogador(caminho).Gerente(),
                 existente ? QStringLiteral("Ana") : QString());
    }

    // Guards against the first count in a fresh account failing because the
    // game's folder below the user's data folder is not there yet.
    void TheFirstCountInTheDataFolderIsWritten() {
        TRegistroJogador registro(LocalizaRegistro(Programa(), false));
        registro.IncrementaPartidas();
        QCOMPARE(TRegistroJogador(NosDados()).LeValor("Orvanta", "NTimes", QString()),
                 QStringLiteral("1"));
    }

    // Guards against trying a folder leaving a file behind, and against the
    // game's own record path skipping the rule.
    void AWritableProgramFolderIsTriedWithoutATrace() {
        QVERIFY(PastaGravavel(Programa()));
        QCOMPARE(Conteudo(Programa()), QStringList());
        DefinePastaPrograma(Programa());
        const auto restaura = qScopeGuard([] { DefinePastaPrograma(QString()); });
        QCOMPARE(TRegistroJogador::CaminhoPadrao(), AoLado());
        QCOMPARE(Conteudo(Programa()), QStringList());
        QVERIFY(!QFileInfo::exists(PastaDados()));
    }

    // Guards against a folder that cannot take a new file counting as writable.
    void AMissingOrReadOnlyFolderIsNotWritable() {
        QVERIFY(!PastaGravavel(Programa() + QStringLiteral("/missing")));
        QFile::setPermissions(Programa(), QFile::ReadOwner | QFile::ExeOwner);
        QFile prova(Programa() + QStringLiteral("/prova"));
        if (prova.open(QIODevice::WriteOnly)) {
            prova.remove();
            QSKIP("this user writes into read-only folders");
        }
        QVERIFY(!PastaGravavel(Programa()));
    }
};

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    // As the game names itself: its data folder is <data home>/Orvanta.
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    TstLocalRegistro teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_local_registro.moc"
