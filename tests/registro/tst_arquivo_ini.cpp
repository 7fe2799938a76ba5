// The INI editor: which line a read takes, which bytes a write changes or
// adds (and that nothing else moves), how a value is stored so that it reads
// back as given, and loading a file that is missing or cannot be read.
#include "arquivos/EscritaNoLugar.h"
#include "registro/ArquivoIni.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstArquivoIni : public QObject {
    Q_OBJECT

private slots:
    void ReadTakesTheFirstMatchingSectionAndKey_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("valor"); // null: absent

        const QString s = u"S"_s;
        const QString k = u"K"_s;
        QTest::newRow("plain") << "[S]\nK=3\n"_ba << s << k << u"3"_s;
        QTest::newRow("names without case") << "[orVANTA]\nntimes=3\n"_ba << u"Orvanta"_s
                                            << u"NTimes"_s << u"3"_s;
        QTest::newRow("blanks around names and value")
            << "  [ S ]  \n  K =  Ana Lu \t\n"_ba << s << k << u"Ana Lu"_s;
        QTest::newRow("double quotes removed") << "[S]\nK=\" Ana \"\n"_ba << s << k << u" Ana "_s;
        QTest::newRow("single quotes removed") << "[S]\nK='Ana'\n"_ba << s << k << u"Ana"_s;
        QTest::newRow("unmatched quote kept") << "[S]\nK=\"Ana\n"_ba << s << k << u"\"Ana"_s;
        QTest::newRow("first of duplicate keys") << "[S]\nK=1\nK=2\n"_ba << s << k << u"1"_s;
        QTest::newRow("first of duplicate sections")
            << "[S]\nK=1\n[S]\nK=2\n"_ba << s << k << u"1"_s;
        QTest::newRow("only in a later duplicate section")
            << "[S]\nA=1\n[T]\n[S]\nK=2\n"_ba << s << k << QString();
        QTest::newRow("in another section") << "[A]\nK=1\n[S]\n"_ba << s << k << QString();
        QTest::newRow("before every section") << "K=1\n[S]\n"_ba << s << k << QString();
        QTest::newRow("comment") << "[S]\n;K=1\n"_ba << s << k << QString();
        QTest::newRow("line without equals") << "[S]\nK\n"_ba << s << k << QString();
        QTest::newRow("empty value") << "[S]\nK=\n"_ba << s << k << u""_s;
        QTest::newRow("value holding equals") << "[S]\nK=a=b\n"_ba << s << k << u"a=b"_s;
        QTest::newRow("CRLF") << "[S]\r\nK=1\r\n"_ba << s << k << u"1"_s;
        QTest::newRow("no final line break") << "[S]\nK=1"_ba << s << k << u"1"_s;
        QTest::newRow("NUL and invalid bytes before")
            << QByteArray("x\0\xff\n[S]\nK=1\n", 13) << s << k << u"1"_s;
        QTest::newRow("bracket inside a section name")
            << "[#3]x]\nK=1\n"_ba << u"#3]x"_s << k << u"1"_s;
        QTest::newRow("UTF-8 value") << "[S]\nK=Jos\xc3\xa9\n"_ba << s << k << u"José"_s;
        QTest::newRow("empty file") << QByteArray() << s << k << QString();
    }
    // Guards against reading the last duplicate (as the old INI library did),
    // a neighbouring section, a comment, or a value with its blanks or quotes.
    void ReadTakesTheFirstMatchingSectionAndKey() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        const std::optional<QString> lido = TArquivoIni(conteudo).Valor(secao, chave);
        QCOMPARE(lido.has_value(), !valor.isNull());
        if (lido) {
            QCOMPARE(*lido, valor);
        }
    }

    void WriteChangesOrAddsOnlyItsOwnLine_data() {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QByteArray>("depois");
        QTest::addColumn<QString>("lido");

        const QString s = u"S"_s;
        const QString k = u"K"_s;
        QTest::newRow("new file") << QByteArray() << u"Orvanta"_s << u"NTimes"_s << u"1"_s
                                  << "[Orvanta]\nNTimes=1\n"_ba << u"1"_s;
        QTest::newRow("value changed in place")
            << "; c\n[Orvanta]\nNTimes=3\nManager=Ana\n"_ba << u"Orvanta"_s << u"ntimes"_s
            << u"4"_s << "; c\n[Orvanta]\nNTimes=4\nManager=Ana\n"_ba << u"4"_s;
        QTest::newRow("spacing around equals kept")
            << "[S]\nFoo = bar baz  \n"_ba << s << u"foo"_s << u"qux"_s << "[S]\nFoo = qux\n"_ba
            << u"qux"_s;
        QTest::newRow("first duplicate changed")
            << "[S]\nK=1\nK=2\n"_ba << s << k << u"9"_s << "[S]\nK=9\nK=2\n"_ba << u"9"_s;
        QTest::newRow("added after the last key, before comments")
            << "[S]\nA=1\nloose\n; note\n\n[T]\nB=2\n"_ba << s << k << u"3"_s
            << "[S]\nA=1\nK=3\nloose\n; note\n\n[T]\nB=2\n"_ba << u"3"_s;
        QTest::newRow("added under a section without keys")
            << "[S]\n; note\n[T]\n"_ba << s << k << u"3"_s << "[S]\nK=3\n; note\n[T]\n"_ba
            << u"3"_s;
        QTest::newRow("added in the first duplicate section")
            << "[S]\nA=1\n[S]\nK=2\n"_ba << s << k << u"3"_s << "[S]\nA=1\nK=3\n[S]\nK=2\n"_ba
            << u"3"_s;
        QTest::newRow("new section at the end")
            << "[S]\nA=1\n; tail"_ba << u"#1"_s << u"Cost"_s << u"5"_s
            << "[S]\nA=1\n; tail\n[#1]\nCost=5\n"_ba << u"5"_s;
        QTest::newRow("CRLF: new section") << "[S]\r\nA=1\r\n"_ba << u"T"_s << k << u"5"_s
                                           << "[S]\r\nA=1\r\n[T]\r\nK=5\r\n"_ba << u"5"_s;
        QTest::newRow("CRLF: new key") << "[S]\r\nA=1\r\n"_ba << s << k << u"5"_s
                                       << "[S]\r\nA=1\r\nK=5\r\n"_ba << u"5"_s;
        QTest::newRow("CRLF: changed key")
            << "[S]\r\nK=1\r\n"_ba << s << k << u"5"_s << "[S]\r\nK=5\r\n"_ba << u"5"_s;
        QTest::newRow("last line without a line break")
            << "[S]\nA=1"_ba << s << k << u"2"_s << "[S]\nA=1\nK=2\n"_ba << u"2"_s;
        QTest::newRow("NUL and invalid bytes kept")
            << QByteArray("[S]\nA=\xff\0\xfe\n\0\n", 12) << s << k << u"1"_s
            << QByteArray("[S]\nA=\xff\0\xfe\nK=1\n\0\n", 16) << u"1"_s;
        QTest::newRow("line breaks in a value")
            << "[Orvanta]\n"_ba << u"Orvanta"_s << u"Manager"_s << u"Ana\n[#1]\r\nCost=0\rX"_s
            << "[Orvanta]\nManager=Ana [#1] Cost=0 X\n"_ba << u"Ana [#1] Cost=0 X"_s;
        QTest::newRow("outer blanks quoted") << "[S]\n"_ba << s << k << u"  Jos\u00e9 "_s
                                             << "[S]\nK=\"  Jos\xc3\xa9 \"\n"_ba
                                             << u"  Jos\u00e9 "_s;
        QTest::newRow("surrounding quotes quoted")
            << "[S]\n"_ba << s << k << u"'x'"_s << "[S]\nK=\"'x'\"\n"_ba << u"'x'"_s;
        QTest::newRow("inner quotes plain")
            << "[S]\n"_ba << s << k << u"a\"b; c=d"_s << "[S]\nK=a\"b; c=d\n"_ba
            << u"a\"b; c=d"_s;
        QTest::newRow("blanks only") << "[S]\n"_ba << s << k << u"   "_s << "[S]\nK=\"   \"\n"_ba
                                     << u"   "_s;
        QTest::newRow("empty value") << "[S]\nK=1\n"_ba << s << k << u""_s << "[S]\nK=\n"_ba
                                     << u""_s;
    }
    // Guards against re-serialising the file (lost comments, loose lines and
    // duplicates, changed spacing, line endings or bytes, added blank lines)
    // and against a value that cannot be read back as written, or that breaks
    // into lines of its own (a new key or section).
    void WriteChangesOrAddsOnlyItsOwnLine() {
        QFETCH(QByteArray, antes);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        QFETCH(QByteArray, depois);
        QFETCH(QString, lido);
        TArquivoIni ini(antes);
        ini.DefineValor(secao, chave, valor);
        QCOMPARE(ini.Conteudo(), depois);
        QCOMPARE(ini.Valor(secao, chave), std::optional<QString>(lido));
    }

    // Guards against two keys of one write landing in the wrong order.
    void KeysAddedOneAfterAnotherKeepTheirOrder() {
        TArquivoIni ini("[Orvanta]\nNTimes=2\n"_ba);
        ini.DefineValor(u"#2"_s, u"Cost"_s, u"812.5"_s);
        ini.DefineValor(u"#2"_s, u"Time"_s, u"7"_s);
        QCOMPARE(ini.Conteudo(), "[Orvanta]\nNTimes=2\n[#2]\nCost=812.5\nTime=7\n"_ba);
    }

    // Guards against a listing that skips duplicates or odd section lines,
    // names them otherwise than reading compares them, or puts a key in the
    // wrong section.
    void SectionsAreListedInFileOrderWithTheirKeys() {
        const TArquivoIni ini(
            "K=0\n[Orvanta]\n  [ #1 ]  \nA = 1 \n;B=2\nC\n[#3]x]\n[#1]\n[open\nD='4'"_ba);
        const QList<TSecaoIni> secoes = ini.Secoes();
        QStringList nomes;
        for (const TSecaoIni& s : secoes) {
            nomes.append(s.Nome);
        }
        QCOMPARE(nomes, (QStringList{u"Orvanta"_s, u"#1"_s, u"#3]x"_s, u"#1"_s, u"open"_s}));
        using TChaves = QList<std::pair<QString, QString>>;
        QCOMPARE(secoes.at(0).Chaves, TChaves{});
        QCOMPARE(secoes.at(1).Chaves, (TChaves{{u"A"_s, u"1"_s}}));
        QCOMPARE(secoes.at(4).Chaves, (TChaves{{u"D"_s, u"4"_s}}));
    }

    void SectionsReadInOnePassAgreeWithValue_data() { ReadTakesTheFirstMatchingSectionAndKey_data(); }
    // Guards against the one-pass reading (the class results' way through a
    // record file) drifting from what the game reads.
    void SectionsReadInOnePassAgreeWithValue() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        std::optional<QString> lido;
        for (const TSecaoIni& s : TArquivoIni(conteudo).Secoes()) {
            if (s.Nome.compare(secao.trimmed(), Qt::CaseInsensitive) == 0) {
                lido = s.Valor(chave);
                break;
            }
        }
        QCOMPARE(lido.has_value(), !valor.isNull());
        if (lido) {
            QCOMPARE(*lido, valor);
        }
    }

    void LoadingTakesEveryByteOrNothing_data() {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<bool>("lido");
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("missing file reads as empty") << u"none.ini"_s << true << QByteArray();
        QTest::newRow("every byte, NUL included")
            << u"a.ini"_s << true << QByteArray("[S]\0K=1\r\n\xff", 11);
        QTest::newRow("a folder cannot be read") << u"pasta"_s << false << "kept"_ba;
    }
    // Guards against an unreadable file taken as empty (a write would then
    // replace it) and against a load that stops at a NUL byte.
    void LoadingTakesEveryByteOrNothing() {
        QFETCH(QString, relativo);
        QFETCH(bool, lido);
        QFETCH(QByteArray, conteudo);
        QTemporaryDir pasta;
        QVERIFY(QDir(pasta.path()).mkdir(u"pasta"_s));
        {
            QFile arquivo(pasta.filePath(u"a.ini"_s));
            QVERIFY(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(QByteArray("[S]\0K=1\r\n\xff", 11));
        }
        TArquivoIni ini("kept"_ba);
        QCOMPARE(ini.Carrega(pasta.filePath(relativo)), lido);
        QCOMPARE(ini.Conteudo(), conteudo);
    }

    void EveryStepOfAWriteInPlaceReadsAsTheOldFileOrTheNew_data() {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QStringList>("escrita"); // section, key, value, ...
        const QByteArray registro = "[Orvanta]\r\nNTimes=9\r\nManager=Ana\r\n[#9]\r\n"
                                    "Cost=812.5\r\nTime=7\r\n"_ba;
        QTest::newRow("a new section") << registro << QStringList{u"#10"_s, u"Cost"_s, u"1"_s,
                                                                  u"#10"_s, u"Time"_s, u"2"_s};
        QTest::newRow("values of the same length")
            << registro << QStringList{u"#9"_s, u"Cost"_s, u"999.5"_s, u"#9"_s, u"Time"_s, u"8"_s};
        QTest::newRow("a count that grows a digit")
            << registro << QStringList{u"Orvanta"_s, u"NTimes"_s, u"10"_s};
        QTest::newRow("a shorter value")
            << registro << QStringList{u"#9"_s, u"Cost"_s, u"8"_s};
        QTest::newRow("a key added inside a section")
            << registro << QStringList{u"Orvanta"_s, u"Extra"_s, u"x"_s};
        QTest::newRow("a same-length change and a key added at the end")
            << "[A]\nK=1\n[B]\nC=5\n"_ba
            << QStringList{u"A"_s, u"K"_s, u"2"_s, u"B"_s, u"T"_s, u"9"_s};
        QTest::newRow("no line break at the end")
            << "[A]\nK=1"_ba << QStringList{u"B"_s, u"K"_s, u"2"_s};
        QTest::newRow("an empty file") << QByteArray() << QStringList{u"A"_s, u"K"_s, u"1"_s};
    }
    // Guards against a write over a file in place whose steps pass through
    // a file that reads otherwise than the old one or the new one: a value
    // cut short, a section without its keys, a piece of an old line left
    // at the end. (Values written together may be seen one before the other.)
    void EveryStepOfAWriteInPlaceReadsAsTheOldFileOrTheNew() {
        QFETCH(QByteArray, antes);
        QFETCH(QStringList, escrita);
        TArquivoIni ini(antes);
        for (qsizetype i = 0; i + 2 < escrita.size(); i += 3) {
            ini.DefineValor(escrita.at(i), escrita.at(i + 1), escrita.at(i + 2));
        }
        const QByteArray depois = ini.Conteudo();
        const QList<TSecaoIni> velhas = TArquivoIni(antes).Secoes();
        const QList<TSecaoIni> novas = TArquivoIni(depois).Secoes();
        const auto valores = [](const QList<TSecaoIni>& secoes) {
            QMap<QString, QString> mapa;
            for (const TSecaoIni& s : secoes) {
                for (const auto& [chave, valor] : s.Chaves) {
                    mapa.insert(s.Nome + u'/' + chave, valor);
                }
            }
            return mapa;
        };
        const QMap<QString, QString> velhos = valores(velhas);
        const QMap<QString, QString> novos = valores(novas);
        const TEscritaNoLugar plano = PlanejaEscritaNoLugar(antes, depois);
        QByteArray arquivo = antes;
        for (const TPassoNoLugar& passo : plano.Passos) {
            arquivo.resize(std::max<qsizetype>(arquivo.size(), passo.Posicao + passo.Dados.size()));
            arquivo.replace(passo.Posicao, passo.Dados.size(), passo.Dados);
            const QMap<QString, QString> lidos = valores(TArquivoIni(arquivo).Secoes());
            for (auto it = lidos.cbegin(); it != lidos.cend(); ++it) {
                QVERIFY2(velhos.value(it.key()) == it.value() || novos.value(it.key()) == it.value(),
                         qPrintable(it.key() + u'=' + it.value()));
            }
            // Every key there was stays; a new section comes with all its keys.
            for (auto it = velhos.cbegin(); it != velhos.cend(); ++it) {
                QVERIFY2(lidos.contains(it.key()), qPrintable(it.key()));
            }
            for (auto it = novos.cbegin(); it != novos.cend(); ++it) {
                const QString secao = it.key().section(u'/', 0, 0) + u'/';
                const bool secaoNova = std::none_of(velhos.keyBegin(), velhos.keyEnd(),
                                                    [&](const QString& k) { return k.startsWith(secao); });
                const bool secaoPresente = std::any_of(lidos.keyBegin(), lidos.keyEnd(),
                                                       [&](const QString& k) { return k.startsWith(secao); });
                QVERIFY2(!secaoNova || !secaoPresente || lidos.contains(it.key()),
                         qPrintable(it.key()));
            }
        }
        arquivo.resize(plano.Tamanho);
        QCOMPARE(arquivo, depois);
    }
};

QTEST_GUILESS_MAIN(TstArquivoIni)
#include "tst_arquivo_ini.moc"
