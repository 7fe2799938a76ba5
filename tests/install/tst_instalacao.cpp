// SPDX-License-Identifier: GPL-3.0-or-later
// The game as it is installed: `cmake --install` into a temporary prefix puts
// every file in its place, the desktop entry and the metadata validate and
// agree on one id, the installed runner finds the installed pictures, and the
// Debian package names the libraries the programs link.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString Id = QStringLiteral("io.github.orvanta.Orvanta");

struct TExecucao {
    int status = -1;
    QString saida; // standard output and standard error together
    QByteArray erros;
};

TExecucao Executa(const QString& programa, const QStringList& argumentos,
                  const QString& pasta = QString(), const QByteArray& entrada = {}) {
    QProcess processo;
    processo.setWorkingDirectory(pasta);
    processo.start(programa, argumentos);
    TExecucao r;
    if (!processo.waitForStarted()) {
        r.saida = programa + QStringLiteral(" did not start");
        return r;
    }
    processo.write(entrada);
    processo.closeWriteChannel();
    if (!processo.waitForFinished(240000) || processo.exitStatus() != QProcess::NormalExit) {
        r.saida = programa + QStringLiteral(" did not finish");
        return r;
    }
    r.status = processo.exitCode();
    r.erros = processo.readAllStandardError();
    r.saida = QString::fromUtf8(processo.readAllStandardOutput() + r.erros);
    return r;
}

// The element texts of the metadata, by element name (the last one wins).
QHash<QString, QString> LeMetadados(const QString& arquivo, QStringList& categorias) {
    QHash<QString, QString> textos;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        return textos;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString nome = xml.name().toString();
        if (nome == QLatin1String("component") || nome == QLatin1String("categories")) {
            continue; // read their children one by one
        }
        const QString texto = xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (nome == QLatin1String("category")) {
            categorias.append(texto);
        } else {
            textos.insert(nome, texto);
        }
    }
    return textos;
}

// The value of a key in the desktop entry's main group.
QString ChaveDesktop(const QString& arquivo, const QString& chave) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return QString();
    }
    for (const QString& linha : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (linha.startsWith(chave + QLatin1Char('='))) {
            return linha.mid(chave.size() + 1);
        }
    }
    return QString();
}

} // namespace

class TstInstalacao : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FPrefixo;

    QString Instalado(const QString& relativo) const { return FPrefixo.filePath(relativo); }

private slots:
    void initTestCase() {
        QVERIFY(FPrefixo.isValid());
        const TExecucao r = Executa(QStringLiteral(ORVANTA_CMAKE),
                                    {"--install", ORVANTA_BUILD_DIR, "--prefix", FPrefixo.path()});
        QVERIFY2(r.status == 0, qPrintable(r.saida));
    }

    void InstallingPutsEveryFileInItsPlace_data() {
        QTest::addColumn<QString>("relativo");
        QTest::newRow("game") << "bin/orvanta";
        QTest::newRow("runner") << "bin/orvanta-sim";
        QTest::newRow("best-plan finder") << "bin/orvanta-best";
        QTest::newRow("class results") << "bin/orvanta-class";
        QTest::newRow("debrief report") << "bin/orvanta-report";
        QTest::newRow("class server") << "bin/orvanta-server";
        const QDir imagens(QStringLiteral(ORVANTA_SOURCE_DIR "/imagens"));
        for (const QString& nome : imagens.entryList({QStringLiteral("*.bmp")})) {
            QTest::newRow(qPrintable(nome)) << "share/orvanta/imagens/" + nome;
        }
        const QDir melhores(QStringLiteral(ORVANTA_SOURCE_DIR "/best"));
        for (const QString& nome : melhores.entryList({QStringLiteral("*.json")})) {
            QTest::newRow(qPrintable(nome)) << "share/orvanta/best/" + nome;
        }
        QTest::newRow("desktop entry") << "share/applications/" + Id + ".desktop";
        QTest::newRow("metadata") << "share/metainfo/" + Id + ".metainfo.xml";
        for (const int lado : {16, 24, 32, 48, 64, 128, 256}) {
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(lado)))
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(lado).arg(Id);
        }
        QTest::newRow("licence") << "share/doc/orvanta/LICENSE";
    }
    // Guards against an install rule missing a file the installed game needs.
    void InstallingPutsEveryFileInItsPlace() {
        QFETCH(QString, relativo);
        const QFileInfo arquivo(Instalado(relativo));
        QVERIFY2(arquivo.isFile() && arquivo.size() > 0, qPrintable(relativo));
        QCOMPARE(arquivo.isExecutable(), relativo.startsWith(QLatin1String("bin/")));
    }

    // Guards against installing the developers' picture generator as a user tool.
    void ThePictureGeneratorIsNotInstalled() {
        QVERIFY(QFileInfo::exists(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-pictures")));
        QVERIFY(!QFileInfo::exists(Instalado(QStringLiteral("bin/orvanta-pictures"))));
    }

    void TheDesktopEntryAndTheMetadataValidate_data() {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("desktop entry")
            << "desktop-file-validate"
            << QStringList{Instalado("share/applications/" + Id + ".desktop")};
        QTest::newRow("metadata") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", "--no-color",
                                                 Instalado("share/metainfo/" + Id +
                                                           ".metainfo.xml")};
    }
    // Guards against a desktop entry or metadata that software centres and
    // menus reject or warn about.
    void TheDesktopEntryAndTheMetadataValidate() {
        QFETCH(QString, programa);
        QFETCH(QStringList, argumentos);
        const TExecucao r = Executa(programa, argumentos);
        QVERIFY2(r.status == 0, qPrintable(r.saida));
        // Not even a hint or a warning.
        const QStringList achados = r.saida.split(QLatin1Char('\n')).filter(
            QRegularExpression(QStringLiteral("^([WE]:|.*(hint|warning|error))")));
        QVERIFY2(achados.isEmpty(), qPrintable(r.saida));
    }

    // Guards against the desktop entry, the metadata and the icon going by
    // different ids, which leaves the menu entry without icon or the software
    // centre without the game.
    void OneIdNamesTheEntryTheMetadataAndTheIcon() {
        QStringList categorias;
        const auto meta =
            LeMetadados(Instalado("share/metainfo/" + Id + ".metainfo.xml"), categorias);
        QCOMPARE(meta.value("id"), Id);
        QCOMPARE(meta.value("launchable"), Id + ".desktop");
        QCOMPARE(meta.value("icon"), Id);
        QCOMPARE(meta.value("project_license"), QStringLiteral("GPL-3.0-or-later"));
        QCOMPARE(categorias, (QStringList{"Game", "Education"}));
        const QString entrada = Instalado("share/applications/" + Id + ".desktop");
        QCOMPARE(ChaveDesktop(entrada, "Icon"), Id);
        QCOMPARE(ChaveDesktop(entrada, "Exec"), QStringLiteral("orvanta"));
    }

    // Guards against the installed runner looking for its pictures only in the
    // working folder and beside itself, and against Qt warnings on its output.
    void TheInstalledRunnerFindsTheInstalledPictures() {
        QTemporaryDir trabalho;
        const TExecucao r = Executa(Instalado("bin/orvanta-sim"), {"-"}, trabalho.path(),
                                    R"({"team": ["Corvin"], "max_days": 1})");
        QVERIFY2(r.status == 0, qPrintable(r.saida));
        QCOMPARE(r.erros, QByteArray());
        QVERIFY2(r.saida.contains(QLatin1String("Result: not concluded after 1 days")),
                 qPrintable(r.saida));
    }

    // Guards against the installed tools not finding the best known plans
    // installed with them (the par page and the class chart without them).
    void TheInstalledToolsFindTheInstalledBestPlans() {
        QTemporaryDir trabalho;
        const QString plano = trabalho.filePath(QStringLiteral("a.json"));
        QFile arquivo(plano);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(R"({"team": ["Corvin"], "max_days": 3})");
        arquivo.close();
        const TExecucao relatorio =
            Executa(Instalado("bin/orvanta-report"),
                    {plano, "-o", trabalho.filePath(QStringLiteral("par.svg")), "--chart", "par"},
                    trabalho.path());
        QVERIFY2(relatorio.status == 0, relatorio.erros.constData());
        QCOMPARE(relatorio.erros, QByteArray());
        const TExecucao turma = Executa(
            Instalado("bin/orvanta-class"),
            {"--plot", trabalho.filePath(QStringLiteral("class.svg")), trabalho.path()},
            trabalho.path());
        QVERIFY2(!turma.erros.contains("note:"), turma.erros.constData());
    }

    // Guards against a package whose dependencies do not come from the
    // programs' libraries, or that lacks the parts Qt loads at run time.
    void TheDebianPackageDependsOnWhatTheProgramsLoad() {
        if (!ORVANTA_EMPACOTA) {
            QSKIP("the sanitizer build is not packaged");
        }
        QTemporaryDir saida;
        const TExecucao r =
            Executa(QStringLiteral(ORVANTA_CPACK),
                    {"--config", ORVANTA_BUILD_DIR "/CPackConfig.cmake", "-B", saida.path()});
        QVERIFY2(r.status == 0, qPrintable(r.saida));
        const QStringList pacotes = QDir(saida.path()).entryList({QStringLiteral("orvanta_*.deb")});
        QCOMPARE(pacotes.size(), 1);
        const QString deb = QDir(saida.path()).filePath(pacotes.first());
        const TExecucao depende = Executa("dpkg-deb", {"--field", deb, "Depends"});
        QCOMPARE(depende.status, 0);
        for (const char* pacote : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6",
                                   "qt6-qpa-plugins", "fonts-dejavu-core", "libqt6sql6-sqlite"}) {
            QVERIFY2(depende.saida.contains(QLatin1String(pacote)), qPrintable(depende.saida));
        }
        const TExecucao conteudo = Executa("dpkg-deb", {"--contents", deb});
        QVERIFY(conteudo.saida.contains(QLatin1String(" ./usr/bin/orvanta\n")));
        QVERIFY(conteudo.saida.contains(QLatin1String(" ./usr/share/orvanta/imagens/BigCorvin.bmp\n")));
    }
};

QTEST_GUILESS_MAIN(TstInstalacao)
#include "tst_instalacao.moc"
