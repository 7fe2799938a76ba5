// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture shipped with the game: it loads, has the size its users lay
// out for, and keeps the ground colour that is drawn as transparent.

#include "tests/tools/ExecucaoPrograma.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

const QStringList desenvolvedores = {"Corvin", "Fennick", "Ysolde", "Tamsin",
                                     "Idony",  "Oswin",   "Brannoc"};

enum class Chao { Nenhum, Preto, Verde, Branco, Transparente };

QString caminho(const QString& relativo) {
    return QStringLiteral(ORVANTA_SOURCE_DIR "/") + relativo;
}

bool ehChao(const QImage& imagem, int x, int y, Chao chao) {
    const QColor cor = imagem.pixelColor(x, y);
    const QRgb opaco[] = {0, qRgb(0, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 255)};
    if (chao == Chao::Transparente) {
        return cor.alpha() == 0;
    }
    return chao != Chao::Nenhum && cor.alpha() == 255 && cor.rgb() == opaco[int(chao)];
}

// Reads the bits-per-pixel and compression fields of a BMP file header.
bool cabecalhoBmp(const QString& arquivo, int& bits, int& compressao) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray h = f.read(34);
    if (h.size() < 34 || !h.startsWith("BM")) {
        return false;
    }
    const auto u8 = [&](int i) { return int(static_cast<unsigned char>(h[i])); };
    bits = u8(28) | u8(29) << 8;
    compressao = u8(30) | u8(31) << 8 | u8(32) << 16 | u8(33) << 24;
    return true;
}

const QString Gerador = QStringLiteral(ORVANTA_BIN_DIR "/orvanta-pictures");

// Mean difference of the channels, alpha included, of two pictures of one
// size (0 to 255).
double DiferencaMedia(const QImage& a, const QImage& b) {
    double soma = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            soma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return soma / (4.0 * a.width() * a.height());
}

// Every file below raiz, by its path inside it, with its bytes.
QMap<QString, QByteArray> Arvore(const QString& raiz) {
    QMap<QString, QByteArray> arvore;
    QDirIterator it(raiz, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile arquivo(it.next());
        arvore.insert(QDir(raiz).relativeFilePath(arquivo.fileName()),
                      arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray());
    }
    return arvore;
}

} // namespace

Q_DECLARE_METATYPE(Chao)

class TstImagens : public QObject {
    Q_OBJECT

private:
    // Every picture the game shows, with its size and its ground; the
    // application's icons too when asked.
    static void TabelaFiguras(bool icones) {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<QSize>("tamanho");
        QTest::addColumn<Chao>("chao");

        for (const QString& nome : desenvolvedores) {
            QTest::newRow(qPrintable("Big" + nome))
                << "imagens/Big" + nome + ".bmp" << QSize(130, 137) << Chao::Nenhum;
            QTest::newRow(qPrintable("Sml" + nome))
                << "imagens/Sml" + nome + ".bmp" << QSize(42, 48) << Chao::Nenhum;
        }
        QTest::newRow("hard-work flag")
            << "imagens/bd_trabalhoduro.bmp" << QSize(14, 14) << Chao::Preto;
        QTest::newRow("slavery flag")
            << "imagens/bd_escravidao.bmp" << QSize(14, 14) << Chao::Preto;
        QTest::newRow("UP") << "resources/UP.bmp" << QSize(7, 4) << Chao::Nenhum;
        QTest::newRow("DOWN") << "resources/DOWN.bmp" << QSize(7, 4) << Chao::Nenhum;
        for (const char* botao : {"BtDefineEquipe", "BtAumentaTrabalho", "BtAumentaTrabalhoDisable",
                                  "BtTempoTarefa", "BtTempoTarefaDisable"}) {
            QTest::newRow(botao) << QStringLiteral("resources/%1.bmp").arg(botao) << QSize(30, 30)
                                 << Chao::Verde;
        }
        QTest::newRow("BtPassaTempo")
            << "resources/BtPassaTempo.bmp" << QSize(35, 17) << Chao::Verde;
        QTest::newRow("Logo") << "resources/Logo.png" << QSize(41, 49) << Chao::Preto;
        QTest::newRow("Apresentacao")
            << "resources/Apresentacao.png" << QSize(85, 127) << Chao::Preto;
        QTest::newRow("ProjetoConcluido")
            << "resources/ProjetoConcluido.png" << QSize(110, 135) << Chao::Preto;
        QTest::newRow("GlyphOk") << "resources/GlyphOk.png" << QSize(16, 16) << Chao::Transparente;
        QTest::newRow("GlyphFecha")
            << "resources/GlyphFecha.png" << QSize(16, 16) << Chao::Transparente;
        // The application icon, in every size installed into the icon theme.
        for (const int lado : {16, 24, 32, 48, 64, 128, 256}) {
            if (!icones) {
                break;
            }
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(lado)))
                << QStringLiteral("packaging/icons/orvanta-%1.png").arg(lado) << QSize(lado, lado)
                << Chao::Transparente;
        }
    }

    // The 24-bit uncompressed bitmap the game's BMP pictures all are.
    static void VerificaBmp(const QString& relativo) {
        if (relativo.endsWith(".bmp")) {
            int bits = 0;
            int compressao = -1;
            QVERIFY(cabecalhoBmp(caminho(relativo), bits, compressao));
            QCOMPARE(bits, 24);
            QCOMPARE(compressao, 0);
        }
    }

private slots:
    void EveryPictureHasItsSizeAndGround_data() { TabelaFiguras(true); }

    // guards against a picture missing, resized or drawn on another ground than its users expect
    void EveryPictureHasItsSizeAndGround() {
        QFETCH(QString, relativo);
        QFETCH(QSize, tamanho);
        QFETCH(Chao, chao);

        const QImage imagem(caminho(relativo));
        QVERIFY2(!imagem.isNull(), qPrintable(relativo));
        QCOMPARE(imagem.size(), tamanho);

        // Plain uncompressed 24-bit bitmaps: no palette, no alpha channel.
        VerificaBmp(relativo);
        if (QTest::currentTestFailed()) {
            return;
        }

        if (chao == Chao::Nenhum) {
            QVERIFY(!imagem.hasAlphaChannel());
            return;
        }
        const int w = imagem.width() - 1;
        const int h = imagem.height() - 1;
        for (const QPoint ponto : {QPoint(0, 0), QPoint(0, h), QPoint(w, 0), QPoint(w, h)}) {
            QVERIFY2(ehChao(imagem, ponto.x(), ponto.y(), chao),
                     qPrintable(QStringLiteral("pixel %1,%2").arg(ponto.x()).arg(ponto.y())));
        }

        // The figure itself must be there: a reasonable share of the picture.
        int figura = 0;
        for (int y = 0; y <= h; ++y) {
            for (int x = 0; x <= w; ++x) {
                figura += !ehChao(imagem, x, y, chao);
            }
        }
        QVERIFY2(figura * 10 >= imagem.width() * imagem.height(),
                 qPrintable(QString::number(figura)));
    }

    void EveryPictureIsDrawnForDenseScreens_data() { TabelaFiguras(false); }

    // Beside each picture, the same picture drawn with 1.5 and 2 times the
    // pixels: of the size that gives, in the same file format, on the same
    // ground, of the same look, and finer than the 1x pixels made bigger.
    // guards against a dense screen given no variant, one of another size or
    // ground (shown as a figure on a coloured box), another figure, or the 1x
    // picture merely blown up
    void EveryPictureIsDrawnForDenseScreens() {
        QFETCH(QString, relativo);
        QFETCH(QSize, tamanho);
        QFETCH(Chao, chao);

        const QImage base = QImage(caminho(relativo)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!base.isNull());
        for (const qreal escala : {1.5, 2.0}) {
            const int ponto = int(relativo.lastIndexOf(QLatin1Char('.')));
            const QString denso =
                QString(relativo).insert(ponto, QStringLiteral("@%1x").arg(escala));
            const QImage variante = QImage(caminho(denso)).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!variante.isNull(), qPrintable(denso));
            QCOMPARE(variante.size(), QSize(int(std::ceil(tamanho.width() * escala)),
                                            int(std::ceil(tamanho.height() * escala))));
            VerificaBmp(denso);
            if (QTest::currentTestFailed()) {
                return;
            }
            const int w = variante.width() - 1;
            const int h = variante.height() - 1;
            QCOMPARE(QImage(caminho(denso)).hasAlphaChannel(),
                     QImage(caminho(relativo)).hasAlphaChannel());
            for (const QPoint p : {QPoint(0, 0), QPoint(0, h), QPoint(w, 0), QPoint(w, h)}) {
                if (chao != Chao::Nenhum) {
                    QVERIFY2(
                        ehChao(variante, p.x(), p.y(), chao),
                        qPrintable(
                            QStringLiteral("%1 pixel %2,%3").arg(denso).arg(p.x()).arg(p.y())));
                }
            }

            // The look: both brought to half the 1x size, where the finer
            // edges no longer count, the variant is nearly the 1x picture.
            const QSize metade = (tamanho / 2).expandedTo(QSize(1, 1));
            const auto reduz = [&](const QImage& i) {
                return i.scaled(metade, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            };
            const double aparencia = DiferencaMedia(reduz(variante), reduz(base));
            QVERIFY2(aparencia < 16,
                     qPrintable(denso + QStringLiteral(": ") + QString::number(aparencia)));

            // Finer: the 1x pixels made bigger would give the same pixels.
            const QImage ampliada = base.scaled(variante.size());
            int novos = 0;
            for (int y = 0; y <= h; ++y) {
                for (int x = 0; x <= w; ++x) {
                    novos +=
                        DiferencaMedia(variante.copy(x, y, 1, 1), ampliada.copy(x, y, 1, 1)) > 40;
                }
            }
            // Edges take a small share of a large picture: one pixel in a
            // hundred of the 1x picture's.
            QVERIFY2(novos * 100 > base.width() * base.height(),
                     qPrintable(denso + QStringLiteral(": ") + QString::number(novos)));
        }
    }

    void DisabledPicturesAreTheSameFigureInGreys_data() {
        QTest::addColumn<QString>("habilitado");
        QTest::addColumn<QString>("desabilitado");
        QTest::newRow("work hours") << "resources/BtAumentaTrabalho.bmp"
                                    << "resources/BtAumentaTrabalhoDisable.bmp";
        QTest::newRow("task time") << "resources/BtTempoTarefa.bmp"
                                   << "resources/BtTempoTarefaDisable.bmp";
    }

    // A disabled picture is the same figure in greys: wherever the enabled picture
    // draws, the disabled one draws too, and never in colour.
    // guards against a disabled picture in colour, or of another figure than the enabled one
    void DisabledPicturesAreTheSameFigureInGreys() {
        QFETCH(QString, habilitado);
        QFETCH(QString, desabilitado);

        const QImage base(caminho(habilitado));
        const QImage cinza(caminho(desabilitado));
        QCOMPARE(cinza.size(), base.size());
        for (int y = 0; y < cinza.height(); ++y) {
            for (int x = 0; x < cinza.width(); ++x) {
                const QColor c = cinza.pixelColor(x, y);
                const bool chao = ehChao(cinza, x, y, Chao::Verde);
                QVERIFY2(chao || (c.red() == c.green() && c.green() == c.blue()),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                if (!ehChao(base, x, y, Chao::Verde)) {
                    QVERIFY2(!chao, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        }
    }

    // guards against two developers given the same portrait
    void NoTwoPortraitsAreAlike() {
        for (const char* prefixo : {"Big", "Sml"}) {
            QList<QImage> retratos;
            for (const QString& nome : desenvolvedores) {
                retratos << QImage(caminho("imagens/" + QLatin1String(prefixo) + nome + ".bmp"));
            }
            for (int i = 0; i < retratos.size(); ++i) {
                QVERIFY(!retratos[i].isNull());
                for (int j = i + 1; j < retratos.size(); ++j) {
                    QVERIFY2(retratos[i] != retratos[j],
                             qPrintable(prefixo + desenvolvedores[i] + " = " + desenvolvedores[j]));
                }
            }
        }
    }

    // Guards against pictures cut short on a full disk, written over the
    // good ones, and reported as written: a picture smaller than the write
    // buffer failed only when it was closed, and nothing said so.
    void APictureThatCannotBeWrittenLeavesTheOldOneAndIsTold() {
        QTemporaryDir raiz;
        QCOMPARE(ExecutaPrograma(Gerador, {raiz.path()}).status, 0);
        const QMap<QString, QByteArray> antes = Arvore(raiz.path());
        QVERIFY(antes.size() > 30);
        constexpr qint64 Limite = 1000;
        QStringList grandes;
        for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
            if (it.value().size() > Limite) {
                grandes.append(raiz.filePath(it.key()));
            }
        }
        const TExecucao r = ExecutaSob(Gerador, {raiz.path()}, {{}, {}, 0, Limite});
        QCOMPARE(r.status, 1);
        QCOMPARE(Arvore(raiz.path()), antes);
        QStringList nomeados;
        for (const QString& linha : QString::fromUtf8(r.erros).split(u'\n', Qt::SkipEmptyParts)) {
            QVERIFY2(linha.startsWith(QStringLiteral("orvanta-pictures: cannot write ")),
                     qPrintable(linha));
            nomeados.append(linha.section(QLatin1Char(' '), 3).section(QStringLiteral(": "), 0, 0));
        }
        nomeados.sort();
        grandes.sort();
        QCOMPARE(nomeados, grandes);
    }

    // Guards against help lost on a full disk reported as success.
    void HelpThatCannotBeWrittenIsAnError() {
        if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
            QSKIP("no /dev/full here");
        }
        const TExecucao r = ExecutaSob(Gerador, {"--help"}, {{}, QStringLiteral("/dev/full")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.erros.startsWith("orvanta-pictures: cannot write to standard output"));
        QCOMPARE(r.erros.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TstImagens)
#include "tst_imagens.moc"
