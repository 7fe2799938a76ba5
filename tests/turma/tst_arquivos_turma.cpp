// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a class's files: which files a folder search takes, how they are
// named and ordered, and folders and names that must not trap or lose it.
#include "tests/turma/RegistrosTurma.h"
#include "turma/ArquivosTurma.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace Qt::StringLiterals;

class TstArquivosTurma : public QObject {
    Q_OBJECT

private slots:
    void PathsAreOrderedFolderByFolderAndNumbersByValue_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("numbers by value") << u"g/game-2.json"_s << u"g/game-10.json"_s;
        QTest::newRow("leading zeros, then as text") << u"game-007"_s << u"game-7"_s;
        QTest::newRow("a folder before a longer name")
            << u"class/a/z.json"_s << u"class/a-b/a.json"_s;
        QTest::newRow("a shorter path first") << u"a/b"_s << u"a/b/c"_s;
        QTest::newRow("case counts") << u"B"_s << u"a"_s;
    }
    // Guards against game-10 listed before game-2 and a folder's files split
    // by a sibling whose name only begins like it.
    void PathsAreOrderedFolderByFolderAndNumbersByValue() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QVERIFY(ComparaCaminhos(a, b) < 0);
        QVERIFY(ComparaCaminhos(b, a) > 0);
        QCOMPARE(ComparaCaminhos(a, a), 0);
    }

    // Guards against a search that misses a record in a subfolder or in
    // another case, takes other files, loops through a link to a parent
    // folder, lists a file reached twice twice, or drops a name that is not
    // UTF-8 text without a row.
    void AFolderSearchFindsEveryRecordOnce() {
        QTemporaryDir pasta;
        const QDir raiz(pasta.path());
        for (const char* nome :
             {"c/ana/Orvanta.INI", "c/ana/games/game-10.json", "c/ana/games/game-2.json",
              "c/bo/ORVANTA.ini", "c/bo/x.JSON", "c/bo/notes.txt", "c/bo/other.ini",
              "c/.git/a.json", "c/bo/.old.json"}) {
            QVERIFY(GravaArquivo(raiz.filePath(QString::fromUtf8(nome)), "{}"));
        }
        QVERIFY(QFile::link(raiz.filePath(u"c"_s), raiz.filePath(u"c/bo/back"_s)));
        QVERIFY(QFile::link(raiz.filePath(u"c/bo/x.JSON"_s), raiz.filePath(u"c/bo/y.json"_s)));
        namespace fs = std::filesystem;
        fs::create_directories(fs::path(pasta.path().toStdString()) / "c" / "d\xff");
        QVERIFY(GravaArquivo(raiz.filePath(u"c/z.json"_s), "{}"));
        std::error_code erro;
        fs::rename(fs::path(raiz.filePath(u"c/z.json"_s).toStdString()),
                   fs::path(pasta.path().toStdString()) / "c" / "d\xff" / "z.json", erro);
        QVERIFY(!erro);

        const QString antes = QDir::currentPath();
        QDir::setCurrent(pasta.path());
        const QList<TArquivoTurma> lista = BuscaArquivosTurma({u"./c/"_s});
        QDir::setCurrent(antes);
        QStringList achados;
        for (const TArquivoTurma& a : lista) {
            achados.append(QStringLiteral("%1 %2 %3")
                               .arg(a.Nome)
                               .arg(int(a.Tipo))
                               .arg(a.Erro.isEmpty() ? u"ok"_s : u"error"_s));
            QCOMPARE(a.Caminho.isEmpty(), !a.Erro.isEmpty());
        }
        const int registro = int(ETipoArquivoTurma::Registro);
        const int ini = int(ETipoArquivoTurma::Ini);
        QCOMPARE(achados, (QStringList{
                              u"c/ana/Orvanta.INI %1 ok"_s.arg(ini),
                              u"c/ana/games/game-2.json %1 ok"_s.arg(registro),
                              u"c/ana/games/game-10.json %1 ok"_s.arg(registro),
                              u"c/bo/ORVANTA.ini %1 ok"_s.arg(ini),
                              u"c/bo/x.JSON %1 ok"_s.arg(registro),
                              u"c/d\uFFFD/z.json %1 error"_s.arg(registro),
                          }));
    }

    // Guards against a named file judged by the folder search's rule (a
    // renamed record file dropped) and a missing path passed over in silence.
    void NamedFilesAreTakenAsGivenAndMissingOnesRefused() {
        QTemporaryDir pasta;
        QVERIFY(GravaArquivo(pasta.filePath(u"ana.INI"_s), "[Orvanta]"));
        QVERIFY(GravaArquivo(pasta.filePath(u"ana.txt"_s), "{}"));
        const QList<TArquivoTurma> achados =
            BuscaArquivosTurma({pasta.filePath(u"ana.txt"_s), pasta.filePath(u"ana.INI"_s)});
        QCOMPARE(achados.size(), 2);
        QCOMPARE(achados.at(0).Tipo, ETipoArquivoTurma::Ini);
        QCOMPARE(achados.at(1).Tipo, ETipoArquivoTurma::Registro);
        QVERIFY_THROWS_EXCEPTION(ETurma, BuscaArquivosTurma({pasta.filePath(u"none"_s)}));
    }
};

QTEST_GUILESS_MAIN(TstArquivosTurma)
#include "tst_arquivos_turma.moc"
