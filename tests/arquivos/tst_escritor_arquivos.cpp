// SPDX-License-Identifier: GPL-3.0-or-later
// The background writer: a file in the way is kept aside for an owner's
// write, and replaced by a write of the writer's own state.
#include "arquivos/EscritorArquivos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstEscritorArquivos : public QObject {
    Q_OBJECT

    static QByteArray Conteudo(const QString& caminho) {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }

private slots:
    void AFileInTheWayIsKeptAsideOrReplacedAsTheWriteAsks_data() {
        QTest::addColumn<bool>("substitui");
        QTest::addColumn<QStringList>("arquivos");
        QTest::newRow("an owner's write") << false
                                          << QStringList{"earlier-f.json", "f.json"};
        QTest::newRow("the writer's own state") << true << QStringList{"f.json"};
    }
    // guards against a game record written over a file it did not write, and
    // against a state file moved aside on every run instead of replaced
    void AFileInTheWayIsKeptAsideOrReplacedAsTheWriteAsks() {
        QFETCH(bool, substitui);
        QFETCH(QStringList, arquivos);
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath("sub/f.json");
        QVERIFY(QDir().mkpath(pasta.filePath("sub")));
        QFile velho(caminho);
        QVERIFY(velho.open(QIODevice::WriteOnly));
        velho.write("old");
        velho.close();
        {
            TEscritorArquivos escritor;
            // Two writes asked at once: the newer one is what the file holds.
            for (const QByteArray& dados : {QByteArray("first"), QByteArray("new")}) {
                if (substitui) {
                    escritor.Substitui(caminho, dados);
                } else {
                    escritor.Grava(caminho, dados, 7);
                }
            }
            escritor.Aguarda();
        }
        QCOMPARE(Conteudo(caminho), QByteArray("new"));
        QCOMPARE(QDir(pasta.filePath("sub")).entryList(QDir::Files, QDir::Name), arquivos);
        if (!substitui) {
            QCOMPARE(Conteudo(pasta.filePath("sub/earlier-f.json")), QByteArray("old"));
        }
    }
};

QTEST_GUILESS_MAIN(TstEscritorArquivos)
#include "tst_escritor_arquivos.moc"
