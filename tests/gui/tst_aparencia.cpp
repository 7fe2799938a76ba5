// How controls look on the game's dark panels, rendered offscreen: the
// separator of the main window's command column, the spin fields of the two
// hours dialogs, the team dialog's scroll bar and the dialogs' flat speed
// buttons.
#include "JogoTeste.h"
#include "Pintura.h"
#include "controls/Cores.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/EdInteiro.h"
#include "controls/Rotulos.h"
#include "model/mSimulador.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// Perceived brightness, 0 to 255.
int Brilho(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// The pixels of the button's middle (its outline left out) that stand out
// from its face colour, taken at the centre's left edge.
int PixelsDaSeta(QToolButton* botao) {
    const QImage imagem = botao->grab().toImage();
    const QRgb face = imagem.pixel(3, imagem.height() / 2);
    int destacados = 0;
    for (int y = 2; y < imagem.height() - 2; ++y) {
        for (int x = 3; x < imagem.width() - 3; ++x) {
            if (std::abs(Brilho(imagem.pixel(x, y)) - Brilho(face)) > 80) {
                ++destacados;
            }
        }
    }
    return destacados;
}

// The pixels of a part of the image (its outline left out) that stand out
// from the colour at the part's centre-left, as an arrow stands out from its
// button.
int PixelsDestacados(const QImage& imagem, const QRect& parte) {
    const QRgb face = imagem.pixel(parte.left() + 2, parte.center().y());
    int destacados = 0;
    for (int y = parte.top() + 2; y < parte.bottom() - 1; ++y) {
        for (int x = parte.left() + 2; x < parte.right() - 1; ++x) {
            if (std::abs(Brilho(imagem.pixel(x, y)) - Brilho(face)) > 80) {
                ++destacados;
            }
        }
    }
    return destacados;
}

// The box around every pixel of the image that is not black.
QRect CaixaNaoPreta(const QImage& imagem) {
    QRect caixa;
    for (int y = 0; y < imagem.height(); ++y) {
        for (int x = 0; x < imagem.width(); ++x) {
            if ((imagem.pixel(x, y) & RGB_MASK) != 0) {
                caixa |= QRect(x, y, 1, 1);
            }
        }
    }
    return caixa;
}

} // namespace

class TstAparencia : public QObject {
    Q_OBJECT

private slots:
    // Guards against the separator drawn as a thick white bar: it is a lowered
    // box, a shadow row over a highlight row with the backdrop showing between.
    void Bevel1IsALoweredBoxOverTheBackdrop() {
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(jogo.Janela.get()));
        const QImage janela = jogo.Janela->grab().toImage();
        auto* fundo = jogo.Janela->findChild<QWidget*>(QStringLiteral("BackDrop2"));
        QVERIFY(fundo);
        const QImage verde = fundo->grab().toImage();
        const QString sombra = Hex(ColorToRGB(clBtnShadow).rgb());
        const QString luz = Hex(ColorToRGB(clBtnHighlight).rgb());
        QVERIFY(sombra != luz);
        // Bevel1 covers (8, 174)..(72, 176) of the command column, which lies
        // at the window's origin; the backdrop starts at (1, 1).
        for (int x = 8; x <= 72; ++x) {
            QCOMPARE(Hex(Cor(janela, x, 174)), x < 72 ? sombra : luz);
            const QString meio = x == 8 ? sombra : x == 72 ? luz : Hex(Cor(verde, x - 1, 174));
            QCOMPARE(Hex(Cor(janela, x, 175)), meio);
            QCOMPARE(Hex(Cor(janela, x, 176)), x == 8 ? sombra : luz);
        }
    }

    void SpinFieldsShowDarkTextOnTheFieldBackground_data() {
        QTest::addColumn<bool>("dedicacao");
        QTest::newRow("work hours") << false;
        QTest::newRow("task time") << true;
    }
    // Guards against the field taking the black panel's colours: white digits
    // on black, and white arrows on light buttons that cannot be seen.
    void SpinFieldsShowDarkTextOnTheFieldBackground() {
        QFETCH(bool, dedicacao);
        std::unique_ptr<QDialog> dialogo;
        if (dedicacao) {
            dialogo = std::make_unique<TDlgDedicacaoAtividade>();
        } else {
            dialogo = std::make_unique<TDlgNumeroHorasDesenvolvedor>();
        }
        auto* campo = dialogo->findChild<TEdInteiro*>(QStringLiteral("EdNumeroHoras"));
        QVERIFY(campo);
        campo->Edicao()->setText(QStringLiteral("10"));
        campo->Edicao()->deselect();
        const QImage imagem = campo->grab().toImage();
        // Right of the digits, left of the buttons: the field background.
        const int meio = imagem.height() / 2;
        const QRgb fundo = ColorToRGB(clWindow).rgb();
        const QRgb texto = ColorToRGB(clWindowText).rgb();
        QCOMPARE(Hex(Cor(imagem, campo->width() - 25, meio)), Hex(fundo));
        // The digits themselves are drawn in the window-text colour.
        int pixelsTexto = 0;
        for (int y = 0; y < imagem.height(); ++y) {
            for (int x = 0; x < campo->width() / 2; ++x) {
                pixelsTexto += Cor(imagem, x, y) == (texto | 0xff000000u) ? 1 : 0;
            }
        }
        QVERIFY2(pixelsTexto > 10, qPrintable(QString::number(pixelsTexto)));
        QVERIFY(std::abs(Brilho(fundo) - Brilho(texto)) > 128);
        // Both arrows stand out from their buttons.
        QVERIFY2(PixelsDaSeta(campo->BotaoCima()) >= 3,
                 qPrintable(QString::number(PixelsDaSeta(campo->BotaoCima()))));
        QVERIFY2(PixelsDaSeta(campo->BotaoBaixo()) >= 3,
                 qPrintable(QString::number(PixelsDaSeta(campo->BotaoBaixo()))));
    }

    // Guards against the grid's white-on-black reaching its scroll bar: white
    // arrows on a near-white bar, which cannot be seen.
    void TheTeamDialogsScrollBarShowsItsArrows() {
        TSimuladorProjeto simulador;
        QList<TDesenvolvedor*> equipe;
        TDlgDefinicaoEquipe dialogo;
        dialogo.MostraEquipe(&equipe, &simulador.Desenvolvedores());
        dialogo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
        QScrollBar* barra = dialogo.GrTodos()->verticalScrollBar();
        QVERIFY(barra->isVisible());
        const QImage imagem = barra->grab().toImage();
        QStyleOptionSlider opcao;
        opcao.initFrom(barra);
        opcao.orientation = barra->orientation();
        opcao.minimum = barra->minimum();
        opcao.maximum = barra->maximum();
        opcao.sliderPosition = barra->sliderPosition();
        opcao.sliderValue = barra->value();
        opcao.pageStep = barra->pageStep();
        opcao.singleStep = barra->singleStep();
        for (auto seta : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
            const QRect parte =
                barra->style()->subControlRect(QStyle::CC_ScrollBar, &opcao, seta, barra);
            QVERIFY(!parte.isEmpty());
            const int pixels = PixelsDestacados(imagem, parte);
            QVERIFY2(pixels >= 3, qPrintable(QString::number(pixels)));
        }
    }

    // Guards against a button reached by Tab that does not show it has the
    // focus, and against a frame drawn on buttons that do not have it.
    void AFocusedSpeedButtonShowsADottedFrame() {
        QWidget painel;
        DefineCores(&painel, Qt::black, Qt::white);
        painel.resize(220, 45);
        auto* primeiro = new TBotaoRapido(QStringLiteral("&Ok"), TBotaoRapido::GlyphOk, &painel);
        primeiro->setGeometry(10, 10, 89, 25);
        auto* segundo =
            new TBotaoRapido(QStringLiteral("&Cancel"), TBotaoRapido::GlyphFecha, &painel);
        segundo->setGeometry(110, 10, 89, 25);
        painel.show();
        painel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&painel));
        // The pointer off both buttons, which show a frame under it.
        QTest::mouseMove(&painel, QPoint(215, 40));
        // The ring one pixel inside the button's edge, on the black panel.
        const auto pixelsNoAnel = [&painel](TBotaoRapido* botao) {
            const QImage imagem = painel.grab().toImage().copy(botao->geometry());
            int claros = 0;
            for (int x = 1; x < imagem.width() - 1; ++x) {
                claros += Brilho(imagem.pixel(x, 1)) > 128 ? 1 : 0;
                claros += Brilho(imagem.pixel(x, imagem.height() - 2)) > 128 ? 1 : 0;
            }
            return claros;
        };
        // The window gives its first button the focus; Tab takes it on.
        QVERIFY(primeiro->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(segundo->hasFocus());
        QCOMPARE(pixelsNoAnel(primeiro), 0);
        // Dotted: a third of the pixels of the top and bottom rows.
        const int pixels = pixelsNoAnel(segundo);
        QVERIFY2(pixels > 40 && pixels < 2 * 87, qPrintable(QString::number(pixels)));
    }

    void SpeedButtonsCentreGlyphAndCaption_data() {
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("glifo");
        QTest::newRow("Ok") << "&Ok" << TBotaoRapido::GlyphOk;
        QTest::newRow("Cancel") << "&Cancel" << TBotaoRapido::GlyphFecha;
        QTest::newRow("Close") << "&Close" << TBotaoRapido::GlyphFecha;
        QTest::newRow("no glyph") << "&Close" << QString();
    }
    // Guards against the glyph and caption sitting at the button's left edge
    // instead of in its middle, where flat speed buttons put them.
    void SpeedButtonsCentreGlyphAndCaption() {
        QFETCH(QString, legenda);
        QFETCH(QString, glifo);
        QWidget painel;
        DefineCores(&painel, Qt::black, Qt::white);
        painel.resize(89, 25);
        auto* botao = new TBotaoRapido(legenda, glifo, &painel);
        botao->setGeometry(0, 0, 89, 25);
        const QRect caixa = CaixaNaoPreta(painel.grab().toImage());
        QVERIFY(!caixa.isEmpty());
        // The same space, give or take the glyph's own transparent edge, on
        // either side and above and below.
        const int esquerda = caixa.left();
        const int direita = botao->width() - 1 - caixa.right();
        const int acima = caixa.top();
        const int abaixo = botao->height() - 1 - caixa.bottom();
        QVERIFY2(std::abs(esquerda - direita) <= 3,
                 qPrintable(QStringLiteral("left %1, right %2").arg(esquerda).arg(direita)));
        QVERIFY2(std::abs(acima - abaixo) <= 3,
                 qPrintable(QStringLiteral("above %1, below %2").arg(acima).arg(abaixo)));
        // The glyph comes first, 4 pixels before the caption.
        if (!glifo.isEmpty()) {
            QCOMPARE(botao->CaixaGlifo().right() + 1 + TBotaoRapido::Espaco,
                     botao->CaixaLegenda().left());
        }
    }
};

QTEST_MAIN(TstAparencia)
#include "tst_aparencia.moc"
