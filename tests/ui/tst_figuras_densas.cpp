// SPDX-License-Identifier: GPL-3.0-or-later
// Dense screens: every picture the window and its dialogs draw is drawn from
// its 1.5x or 2x variant, where the 1x picture was, and keeps its look; the
// choice of variant and its fall-backs.
#include "controls/CommandButton.h"
#include "controls/FiguraDensa.h"
#include "controls/PainelVisao.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "model/mDesenvolvedor.h"
#include "tests/apoio/JogoTeste.h"
#include "ui/PainelTarefas.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// What a widget shows on a device of the ratio: rendered into a picture with
// that device pixel ratio, as a dense screen's backing store is.
QImage Renderiza(QWidget* w, qreal razao) {
    QImage imagem((QSizeF(w->size()) * razao).toSize(), QImage::Format_RGB32);
    imagem.setDevicePixelRatio(razao);
    imagem.fill(Qt::magenta);
    w->render(&imagem);
    return imagem;
}

// The device pixels of a logical rectangle.
QImage Trecho(const QImage& imagem, const QRect& logico, qreal razao) {
    const QRect dispositivo(QPoint(qRound(logico.x() * razao), qRound(logico.y() * razao)),
                            (QSizeF(logico.size()) * razao).toSize());
    QImage trecho = imagem.copy(dispositivo);
    trecho.setDevicePixelRatio(1);
    return trecho.convertToFormat(QImage::Format_RGB32);
}

int Canal(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Share of the pixels of two pictures of one size that differ visibly.
double Diferentes(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += Canal(a.pixel(x, y), b.pixel(x, y)) > 40;
        }
    }
    return double(n) / (a.width() * a.height());
}

// Mean difference of the channels of two pictures of one size (0 to 255).
double DiferencaCanais(const QImage& a, const QImage& b) {
    double soma = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            soma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q));
        }
    }
    return soma / (3.0 * a.width() * a.height());
}

// How far the dense picture's look is from the 1x one's: both brought to half
// the 1x size, where one or two device pixels more or less along an edge (the
// unsmoothed pictures at 1.5, a place at half a device pixel) no longer
// count, and another figure or a figure out of place still does.
double DiferencaAparencia(const QImage& densa, const QImage& simples) {
    const QSize metade = (simples.size() / 2).expandedTo(QSize(1, 1));
    const auto reduz = [&](const QImage& i) {
        return i.scaled(metade, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    return DiferencaCanais(reduz(densa), reduz(simples));
}

// One place a picture is drawn: the widget that draws it and where, in its
// logical coordinates.
struct TLugar {
    QWidget* widget = nullptr;
    QRect figura;
};
using TMontagem = std::function<TLugar(TJogoTeste&)>;

} // namespace

Q_DECLARE_METATYPE(TMontagem)

class TstFigurasDensas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TJogoTeste> FJogo;
    std::unique_ptr<QWidget> FAvulso;

    TDesenvolvedor* Membro(int i) const { return FJogo->Projeto()->Equipe().at(i); }

private slots:
    // A window with two team members, the first on the first activity; the
    // first works hard, the second far too hard (one flag each).
    void init() {
        FJogo = std::make_unique<TJogoTeste>();
        FJogo->Prepara(std::make_unique<TMainWindow>());
        for (int i = 0; i < 2; ++i) {
            FJogo->Projeto()->Equipe().append(FJogo->Janela->Simulador()->Desenvolvedores().at(i));
        }
        Membro(0)->SetHorasTrabalho(10);
        Membro(1)->SetHorasTrabalho(12);
        FJogo->Atividade(0)->SetDesenvolvedor(Membro(0));
        FJogo->PainelVisao()->Atualiza();
        FJogo->Janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(FJogo->Janela.get()));
    }

    void cleanup() {
        FAvulso.reset();
        FJogo.reset();
    }

    void DenseScreensDrawTheFinerPictureInThe1xPlace_data() {
        QTest::addColumn<TMontagem>("montagem");
        QTest::addColumn<qreal>("razao");

        const std::vector<std::pair<const char*, TMontagem>> lugares = {
            {"command button",
             [](TJogoTeste& jogo) {
                 // A 30 x 30 picture centred above the title of an 80 x 56 button.
                 return TLugar{jogo.Botao("BtDefineEquipe"), QRect(25, 8, 30, 30)};
             }},
            {"team card",
             [](TJogoTeste& jogo) {
                 TPainelVisao* painel = jogo.PainelVisao();
                 return TLugar{painel->AreaDesenho(),
                               QRect(painel->EsquerdaCartao() + 5, 10, 42, 48)};
             }},
            {"hard-work flag",
             [](TJogoTeste& jogo) {
                 TPainelVisao* painel = jogo.PainelVisao();
                 return TLugar{painel->AreaDesenho(),
                               QRect(painel->EsquerdaCartao() + 5, 58, 14, 14)};
             }},
            {"slavery flag",
             [](TJogoTeste& jogo) {
                 TPainelVisao* painel = jogo.PainelVisao();
                 return TLugar{painel->AreaDesenho(),
                               QRect(painel->EsquerdaCartao() + 5, 80 + 58, 14, 14)};
             }},
            {"chart",
             [](TJogoTeste& jogo) {
                 // Stretched to 20 x 30 on the circle's rim, up and to the right.
                 const QPoint centro = jogo.MostraAtividade(jogo.Atividade(0));
                 const int d = int(std::trunc(TPainelAtividades::Raio * std::numbers::sqrt2 / 2));
                 return TLugar{jogo.PainelAtividades()->AreaDesenho(),
                               QRect(centro.x() + d - 10, centro.y() - d - 15, 20, 30)};
             }},
        };
        for (const auto& [nome, montagem] : lugares) {
            for (const qreal razao : {1.5, 2.0}) {
                QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(nome).arg(razao)))
                    << montagem << razao;
            }
        }
    }

    // guards against a dense screen showing the 1x picture pixel-doubled (the
    // variant missing, not found or not used), or another picture, or this one
    // out of place
    void DenseScreensDrawTheFinerPictureInThe1xPlace() {
        QFETCH(TMontagem, montagem);
        QFETCH(qreal, razao);
        const TLugar lugar = montagem(*FJogo);

        const QImage plana = Renderiza(lugar.widget, 1);
        const QImage simples = Trecho(plana, lugar.figura, 1);
        const QImage densa = Trecho(Renderiza(lugar.widget, razao), lugar.figura, razao);
        QVERIFY(!densa.isNull());

        // Finer: not the 1x pixels made bigger.
        const double novos = Diferentes(densa, simples.scaled(densa.size()));
        QVERIFY2(novos > 0.02, qPrintable(QString::number(novos)));

        // The same look in the same place: nearer the 1x picture where it is
        // than the 1x picture one logical pixel off, whichever way.
        const double aparencia = DiferencaAparencia(densa, simples);
        for (const QPoint desvio : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            const double fora =
                DiferencaAparencia(densa, Trecho(plana, lugar.figura.translated(desvio), 1));
            QVERIFY2(aparencia < fora, qPrintable(QStringLiteral("%1 against %2 off by %3,%4")
                                                      .arg(aparencia)
                                                      .arg(fora)
                                                      .arg(desvio.x())
                                                      .arg(desvio.y())));
        }
    }

    void DialogPicturesAreFinerOnDenseScreens_data() {
        QTest::addColumn<qreal>("razao");
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    // The dialogs' own pictures: a developer's large picture (a label), the
    // Define Team grid's small ones and a button's glyph.
    // guards against a dialog showing its pictures pixel-doubled on a dense screen
    void DialogPicturesAreFinerOnDenseScreens() {
        QFETCH(qreal, razao);
        const TDesenvolvedor* d = Membro(0);

        // The Define Team grid draws each row's cell itself.
        const QRect celula(0, 0, 600, 100);
        const auto grade = [&](qreal r) {
            QImage imagem((QSizeF(celula.size()) * r).toSize(), QImage::Format_RGB32);
            imagem.setDevicePixelRatio(r);
            QPainter canvas(&imagem);
            QList<TDesenvolvedor*> equipe;
            QList<TDesenvolvedor*> lista{Membro(0)};
            TDlgDefinicaoEquipe::DesenhaCelula(canvas, QFont(), equipe, lista, 0, 0, celula, false);
            return imagem;
        };
        const QRect retrato(120, (100 - 48 - 10) / 2, 42, 48);
        const QImage gradeSimples = Trecho(grade(1), retrato, 1);
        const QImage gradeDensa = Trecho(grade(razao), retrato, razao);

        auto* detalhes = new TDlgDetalhesDesenvolvedor();
        FAvulso.reset(detalhes);
        detalhes->MostraDesenvolvedor(d);
        // The label shows the picture chosen for its screen's ratio: here 1,
        // pixel for pixel; on a dense screen, the variant it is given there.
        QLabel* rotulo = detalhes->Imagem();
        QCOMPARE(rotulo->size(), d->ImagemGrande().size());
        const QImage fotoSimples = Trecho(Renderiza(rotulo, 1), rotulo->rect(), 1);
        QCOMPARE(fotoSimples, d->ImagemGrande().convertToFormat(QImage::Format_RGB32));
        QImage fotoDensa =
            FiguraParaRazao(d->ImagemGrande(), ArquivoRetrato(d->Nome(), true), razao);
        QCOMPARE(fotoDensa.devicePixelRatio(), razao);
        fotoDensa.setDevicePixelRatio(1);
        fotoDensa = fotoDensa.convertToFormat(QImage::Format_RGB32);

        TBotaoRapido botao(QStringLiteral("&Close"), TBotaoRapido::GlyphFecha);
        botao.resize(89, 25);
        const QImage glifoSimples = Trecho(Renderiza(&botao, 1), botao.CaixaGlifo(), 1);
        const QImage glifoDenso = Trecho(Renderiza(&botao, razao), botao.CaixaGlifo(), razao);

        const std::pair<const char*, std::pair<QImage, QImage>> pares[] = {
            {"grid", {gradeSimples, gradeDensa}},
            {"developer's picture", {fotoSimples, fotoDensa}},
            {"glyph", {glifoSimples, glifoDenso}},
        };
        for (const auto& [nome, par] : pares) {
            const auto& [simples, densa] = par;
            QCOMPARE(densa.size(), (QSizeF(simples.size()) * razao).toSize());
            const double novos = Diferentes(densa, simples.scaled(densa.size()));
            QVERIFY2(novos > 0.02,
                     qPrintable(nome + QStringLiteral(": ") + QString::number(novos)));
            const double media = DiferencaAparencia(densa, simples);
            QVERIFY2(media < 14, qPrintable(nome + QStringLiteral(": ") + QString::number(media)));
        }
    }

    void TitlesAreSmoothedOnDenseScreensOnly_data() {
        QTest::addColumn<qreal>("razao");
        QTest::addColumn<bool>("suavizado");
        QTest::newRow("plain screen") << 1.0 << false;
        QTest::newRow("150 %") << 1.5 << true;
        QTest::newRow("200 %") << 2.0 << true;
    }

    // A command button's title is pure white on a plain screen (its classic
    // look) and smoothed on a dense one, whose finer pixels would otherwise
    // step along every curve.
    // guards against a title drawn unsmoothed at a dense screen's pixels, or
    // the plain screen's title losing its look
    void TitlesAreSmoothedOnDenseScreensOnly() {
        QFETCH(qreal, razao);
        QFETCH(bool, suavizado);
        QWidget fundo;
        fundo.resize(80, 56);
        fundo.setAutoFillBackground(true);
        QPalette paleta = fundo.palette();
        paleta.setColor(QPalette::Window, Qt::black);
        fundo.setPalette(paleta);
        auto* botao = new TCommandButton(&fundo);
        botao->setGeometry(0, 0, 80, 56);
        botao->SetTitle(QStringLiteral("Define Team"));

        const QImage imagem = Renderiza(&fundo, razao);
        int brancos = 0;
        int misturados = 0;
        for (int y = 0; y < imagem.height(); ++y) {
            for (int x = 0; x < imagem.width(); ++x) {
                const QRgb cor = imagem.pixel(x, y) & RGB_MASK;
                brancos += cor == 0xffffff;
                misturados += cor != 0xffffff && cor != 0;
            }
        }
        QVERIFY(brancos > 0);
        QCOMPARE(misturados > 0, suavizado);
    }

    void TheVariantForTheRatio_data() {
        QTest::addColumn<QStringList>("variantes");
        QTest::addColumn<qreal>("razao");
        QTest::addColumn<qreal>("usada");

        const QStringList ambas{"1.5", "2"};
        QTest::newRow("plain screen") << ambas << 1.0 << 1.0;
        QTest::newRow("125 %") << ambas << 1.25 << 1.5;
        QTest::newRow("150 %") << ambas << 1.5 << 1.5;
        QTest::newRow("175 %") << ambas << 1.75 << 2.0;
        QTest::newRow("300 %: the finest there is") << ambas << 3.0 << 2.0;
        QTest::newRow("150 % without its variant") << QStringList{"2"} << 1.5 << 2.0;
        QTest::newRow("200 % without its variant") << QStringList{"1.5"} << 2.0 << 1.5;
        QTest::newRow("no variants") << QStringList() << 2.0 << 1.0;
        QTest::newRow("variants of another size") << QStringList{"1.5x", "2x"} << 2.0 << 1.0;
    }

    // guards against a dense screen given a coarser variant than there is, a
    // variant of another size stretched over the picture, or a missing
    // variant failing the picture
    void TheVariantForTheRatio() {
        QFETCH(QStringList, variantes);
        QFETCH(qreal, razao);
        QFETCH(qreal, usada);

        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("Figura.bmp"));
        QImage base(10, 6, QImage::Format_RGB32);
        base.fill(Qt::red);
        QVERIFY(base.save(arquivo));
        for (const QString& v : variantes) {
            // "1.5x" and "2x" rows: variants drawn for a picture of another size.
            const bool outroTamanho = v.endsWith(QLatin1Char('x'));
            const qreal r = QStringView(v).chopped(outroTamanho ? 1 : 0).toDouble();
            QImage variante(
                (QSizeF(base.size() + (outroTamanho ? QSize(3, 3) : QSize(0, 0))) * r).toSize(),
                QImage::Format_RGB32);
            variante.fill(QColor(0, int(r * 100), 0));
            QVERIFY(variante.save(ArquivoDenso(arquivo, r)));
        }

        const QImage figura = FiguraParaRazao(base, arquivo, razao);
        QCOMPARE(figura.devicePixelRatio(), usada);
        QCOMPARE(figura.size(), (QSizeF(base.size()) * usada).toSize());
        QCOMPARE(figura.pixelColor(0, 0),
                 usada == 1.0 ? QColor(Qt::red) : QColor(0, int(usada * 100), 0));
    }

    void VariantFileNames_data() {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<qreal>("razao");
        QTest::addColumn<QString>("denso");
        QTest::newRow("resource") << ":/BtDefineEquipe.bmp" << 2.0 << ":/BtDefineEquipe@2x.bmp";
        QTest::newRow("one and a half")
            << "imagens/SmlIdony.bmp" << 1.5 << "imagens/SmlIdony@1.5x.bmp";
        QTest::newRow("dot in a folder") << "/a.b/Figura" << 2.0 << "/a.b/Figura@2x";
    }

    // guards against looking for the variants under names the generator does not write
    void VariantFileNames() {
        QFETCH(QString, arquivo);
        QFETCH(qreal, razao);
        QFETCH(QString, denso);
        QCOMPARE(ArquivoDenso(arquivo, razao), denso);
        if (arquivo.startsWith(QLatin1Char(':'))) {
            QVERIFY(QFile::exists(denso));
        }
    }
};

QTEST_MAIN(TstFigurasDensas)
#include "tst_figuras_densas.moc"
