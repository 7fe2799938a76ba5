// SPDX-License-Identifier: GPL-3.0-or-later
// The team definition dialog: toggling on the project's team list, keys, the
// drawn cells (status words, bold style, frame on the current row).
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/ResultadoModal.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

bool Lima(QRgb c) {
    return qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 100;
}

bool Prata(QRgb c) {
    return qRed(c) > 90 && std::abs(qRed(c) - qGreen(c)) < 12 && std::abs(qRed(c) - qBlue(c)) < 12;
}

// Horizontal extent (first and last column) of the pixels in area that satisfy cor.
QPair<int, int> Extensao(const QImage& imagem, const QRect& area, bool (*cor)(QRgb)) {
    int primeira = -1;
    int ultima = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (cor(imagem.pixel(x, y))) {
                if (primeira < 0) {
                    primeira = x;
                }
                ultima = x;
                break;
            }
        }
    }
    return {primeira, ultima};
}

int Conta(const QImage& imagem, const QRect& area, bool (*cor)(QRgb)) {
    int n = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            n += cor(imagem.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// One cell drawn alone on a fresh black picture.
QImage CelulaSozinha(const QList<TDesenvolvedor*>& equipe, const QList<TDesenvolvedor*>& todos,
                     int linha, bool selecionado) {
    QImage imagem(460, 100, QImage::Format_RGB32);
    imagem.fill(Qt::black);
    QPainter canvas(&imagem);
    TDlgDefinicaoEquipe::DesenhaCelula(canvas, FonteJogo(11), equipe, todos, 0, linha,
                                       QRect(0, 0, 460, 100), selecionado);
    return imagem;
}

} // namespace

class TstDefineEquipe : public QObject {
    Q_OBJECT

private slots:
    void init();

    void TheTeamDialogListsEveryDeveloperOnce();
    void SpaceTogglesTheCurrentDeveloperInTheTeam();
    void ADeveloperWhoLeavesAndComesBackGoesToTheEnd();
    void ADoubleClickTogglesTheRowUnderThePointer();
    void TheTeamDialogClosesOnItsKeys_data();
    void TheTeamDialogClosesOnItsKeys();
    void TheRunningTeamDialogClosesByItsButton();
    void EachRowSaysWhetherTheDeveloperIsInTheTeam_data();
    void EachRowSaysWhetherTheDeveloperIsInTheTeam();
    void BoldDoesNotLeakIntoTheNextRow();
    void OnlyTheCurrentRowIsFramed();
    void TheCurrentRowIsRememberedOnReopening();
    void MissingListsDoNotCrashTheDialog();
    void AssignmentsAreDroppedOnlyAfterTheDialogCloses();

private:
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    QList<TDesenvolvedor*>& Equipe() { return FSimulador->Projeto()->Equipe(); }
    const QList<TDesenvolvedor*>& Todos() const { return FSimulador->Desenvolvedores(); }
};

void TstDefineEquipe::init() {
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    QCOMPARE(Todos().size(), 7);
}

// guards against a developer missing from the list, or listed twice
void TstDefineEquipe::TheTeamDialogListsEveryDeveloperOnce() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    QCOMPARE(dialogo.GrTodos()->rowCount(), 7);
    for (int linha = 0; linha < 7; ++linha) {
        QCOMPARE(dialogo.GrTodos()->rowHeight(linha), 100);
    }
    QCOMPARE(dialogo.GrTodos()->currentRow(), 0);
    QVERIFY(Equipe().isEmpty());
    QCOMPARE(
        dialogo.Label1()->text(),
        QStringLiteral("Hit SPACE or double click a developer to select or remove from the team."));
}

// guards against space changing another row, or a copy of the team instead of the project's
void TstDefineEquipe::SpaceTogglesTheCurrentDeveloperInTheTeam() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    dialogo.show();
    QTableWidget* grade = dialogo.GrTodos();
    QTest::keyClick(grade, Qt::Key_Space);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[0]}));
    QTest::keyClick(grade, Qt::Key_Down);
    QTest::keyClick(grade, Qt::Key_Down);
    QCOMPARE(grade->currentRow(), 2);
    QTest::keyClick(grade, Qt::Key_Space);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[0], Todos()[2]}));
    QTest::keyClick(grade, Qt::Key_Space);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[0]}));
    // SPACE never closes the dialog.
    QVERIFY(dialogo.isVisible());
}

// guards against a returning developer put back in their old place
void TstDefineEquipe::ADeveloperWhoLeavesAndComesBackGoesToTheEnd() {
    Equipe() = {Todos()[3], Todos()[1], Todos()[5]};
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    dialogo.show();
    dialogo.GrTodos()->setCurrentCell(3, 0);
    QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[1], Todos()[5]}));
    QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[1], Todos()[5], Todos()[3]}));
}

// guards against a double click that toggles the current row instead of the one clicked
void TstDefineEquipe::ADoubleClickTogglesTheRowUnderThePointer() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    QTableWidget* grade = dialogo.GrTodos();
    const QRect linha1 = grade->visualRect(grade->model()->index(1, 0));
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, linha1.center());
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, linha1.center());
    QCOMPARE(grade->currentRow(), 1);
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[1]}));
    QVERIFY(dialogo.isVisible());
}

void TstDefineEquipe::TheTeamDialogClosesOnItsKeys_data() {
    QTest::addColumn<int>("tecla");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

// guards against a team dialog that ignores its closing keys, or closes on others
void TstDefineEquipe::TheTeamDialogClosesOnItsKeys() {
    QFETCH(int, tecla);
    Equipe() = {Todos()[4]};
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    QTimer::singleShot(0, &dialogo,
                       [&dialogo, tecla] { QTest::keyClick(dialogo.GrTodos(), Qt::Key(tecla)); });
    QTimer::singleShot(5000, &dialogo, [&dialogo] { dialogo.done(-1); });
    QCOMPARE(dialogo.exec(), int(mrCancel));
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[4]}));
}

// guards against a close button that leaves the dialog running, or undoes the toggles
void TstDefineEquipe::TheRunningTeamDialogClosesByItsButton() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    QTimer::singleShot(0, &dialogo, [&dialogo] {
        QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
        dialogo.BtFecha()->click();
    });
    QTimer::singleShot(5000, &dialogo, [&dialogo] { dialogo.done(-1); });
    QCOMPARE(dialogo.exec(), int(mrCancel));
    // What was toggled stays: there is no undo.
    QCOMPARE(Equipe(), QList<TDesenvolvedor*>({Todos()[0]}));
}

void TstDefineEquipe::EachRowSaysWhetherTheDeveloperIsInTheTeam_data() {
    QTest::addColumn<bool>("membro");
    QTest::newRow("team member") << true;
    QTest::newRow("out of team") << false;
}

// guards against a row showing the wrong state word, or in the wrong weight
void TstDefineEquipe::EachRowSaysWhetherTheDeveloperIsInTheTeam() {
    QFETCH(bool, membro);
    const int linha = 2;
    QList<TDesenvolvedor*> equipe;
    if (membro) {
        equipe = {Todos()[0], Todos()[linha]};
    }
    const QImage celula = CelulaSozinha(equipe, Todos(), linha, false);
    const QRect coluna(0, 0, 120, 100);
    const int lima = Conta(celula, coluna, Lima);
    const int prata = Conta(celula, coluna, Prata);
    QVERIFY(membro ? lima > 20 && prata == 0 : prata > 20 && lima == 0);

    // The word's drawn width matches the bold or the regular font.
    QFont fonte = FonteJogo(11, membro);
    const QString palavra = membro ? QStringLiteral("Team Member") : QStringLiteral("Out of Team");
    const int esperada = QFontMetrics(fonte).horizontalAdvance(palavra);
    fonte.setBold(!membro);
    const int outra = QFontMetrics(fonte).horizontalAdvance(palavra);
    QVERIFY(esperada != outra);
    const auto [primeira, ultima] = Extensao(celula, coluna, membro ? Lima : Prata);
    const int desenhada = ultima - primeira + 1;
    QVERIFY2(std::abs(desenhada - esperada) < std::abs(desenhada - outra),
             qPrintable(QStringLiteral("%1 drawn, %2 expected, %3 other")
                            .arg(desenhada)
                            .arg(esperada)
                            .arg(outra)));
    // Centred in the 120-px column.
    QVERIFY(std::abs((primeira + ultima + 1) / 2 - 60) <= 2);
}

// guards against a bold state word that leaves the painter bold for the next row
void TstDefineEquipe::BoldDoesNotLeakIntoTheNextRow() {
    const QList<TDesenvolvedor*> equipe = {Todos()[0]};
    // Row 0 (a member, bold word) then row 1 with the same painter, as the grid does.
    QImage seguidas(460, 200, QImage::Format_RGB32);
    seguidas.fill(Qt::black);
    {
        QPainter canvas(&seguidas);
        TDlgDefinicaoEquipe::DesenhaCelula(canvas, FonteJogo(11), equipe, Todos(), 0, 0,
                                           QRect(0, 0, 460, 100), false);
        QVERIFY(!canvas.font().bold());
        canvas.translate(0, 100);
        TDlgDefinicaoEquipe::DesenhaCelula(canvas, canvas.font(), equipe, Todos(), 0, 1,
                                           QRect(0, 0, 460, 100), false);
    }
    QCOMPARE(seguidas.copy(0, 100, 460, 100), CelulaSozinha(equipe, Todos(), 1, false));

    // A bold grid font does not turn the name and fields bold either.
    QImage comNegrito(460, 100, QImage::Format_RGB32);
    comNegrito.fill(Qt::black);
    {
        QPainter canvas(&comNegrito);
        TDlgDefinicaoEquipe::DesenhaCelula(canvas, FonteJogo(11, true), equipe, Todos(), 0, 1,
                                           QRect(0, 0, 460, 100), false);
    }
    QCOMPARE(comNegrito, CelulaSozinha(equipe, Todos(), 1, false));

    // In the grid itself: row 1 looks the same whether row 0 is a member or not.
    TDlgDefinicaoEquipe dialogo;
    QList<TDesenvolvedor*> lista;
    dialogo.MostraEquipe(&lista, &Todos());
    dialogo.GrTodos()->setCurrentCell(5, 0);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    const QRect r1 = dialogo.GrTodos()->visualRect(dialogo.GrTodos()->model()->index(1, 0));
    const QImage antes = dialogo.GrTodos()->viewport()->grab().toImage().copy(r1);
    lista = {Todos()[0]};
    const QImage depois = dialogo.GrTodos()->viewport()->grab().toImage().copy(r1);
    QCOMPARE(depois, antes);
}

// guards against a frame drawn on other rows than the current one
void TstDefineEquipe::OnlyTheCurrentRowIsFramed() {
    const QImage marcada = CelulaSozinha({}, Todos(), 0, true);
    for (int k = 0; k < 4; ++k) {
        QVERIFY(Lima(marcada.pixel(k, 50)));
        QVERIFY(Lima(marcada.pixel(459 - k, 50)));
        QVERIFY(Lima(marcada.pixel(230, k)));
        QVERIFY(Lima(marcada.pixel(230, 99 - k)));
    }
    QCOMPARE(marcada.pixel(4, 50), qRgb(0, 0, 0));
    QCOMPARE(marcada.pixel(455, 50), qRgb(0, 0, 0));
    const QImage simples = CelulaSozinha({}, Todos(), 0, false);
    QCOMPARE(simples.pixel(0, 50), qRgb(0, 0, 0));
    QCOMPARE(simples.pixel(459, 99), qRgb(0, 0, 0));
}

// guards against the dialog reopening on its first row every time
void TstDefineEquipe::TheCurrentRowIsRememberedOnReopening() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    QTableWidget* grade = dialogo.GrTodos();
    QTest::keyClick(grade, Qt::Key_Down);
    QTest::keyClick(grade, Qt::Key_Space);
    QTest::keyClick(grade, Qt::Key_Escape);
    QVERIFY(!dialogo.isVisible());

    dialogo.MostraEquipe(&Equipe(), &Todos());
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    QCOMPARE(grade->currentRow(), 1);
    const QImage imagem = grade->viewport()->grab().toImage();
    for (int linha = 0; linha < 3; ++linha) {
        const QRect r = grade->visualRect(grade->model()->index(linha, 0));
        const QPoint borda(r.left() + 1, r.center().y());
        QCOMPARE(Lima(imagem.pixel(borda)), linha == 1);
    }
    // The frame follows the current row.
    QTest::keyClick(grade, Qt::Key_Down);
    const QImage seguinte = grade->viewport()->grab().toImage();
    const QRect r1 = grade->visualRect(grade->model()->index(1, 0));
    const QRect r2 = grade->visualRect(grade->model()->index(2, 0));
    QVERIFY(!Lima(seguinte.pixel(r1.left() + 1, r1.center().y())));
    QVERIFY(Lima(seguinte.pixel(r2.left() + 1, r2.center().y())));
}

// guards against a crash when the dialog is shown without a team or a pool
void TstDefineEquipe::MissingListsDoNotCrashTheDialog() {
    TDlgDefinicaoEquipe dialogo;
    dialogo.show();
    QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
    dialogo.MostraEquipe(nullptr, &Todos());
    QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
    dialogo.GrTodos()->viewport()->grab();
    dialogo.MostraEquipe(&Equipe(), nullptr);
    QCOMPARE(dialogo.GrTodos()->rowCount(), 0);
    QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
    QVERIFY(Equipe().isEmpty());
    // A row past the list is drawn black.
    const QImage fora = CelulaSozinha({}, Todos(), 7, true);
    QCOMPARE(Conta(fora, fora.rect(), Lima), 0);
}

// guards against assignments dropped while the player may still take the developer back
void TstDefineEquipe::AssignmentsAreDroppedOnlyAfterTheDialogCloses() {
    TDesenvolvedor* d = Todos()[0];
    TAtividade* a = FSimulador->Projeto()->Atividade(0);
    Equipe() = {d};
    a->SetDesenvolvedor(d);
    TDlgDefinicaoEquipe dialogo;
    dialogo.MostraEquipe(&Equipe(), &Todos());
    QTimer::singleShot(0, &dialogo, [&dialogo, a, d] {
        QTest::keyClick(dialogo.GrTodos(), Qt::Key_Space);
        // Still assigned while the dialog is open.
        QCOMPARE(a->Desenvolvedor(), d);
        QTest::keyClick(dialogo.GrTodos(), Qt::Key_Escape);
    });
    QTimer::singleShot(5000, &dialogo, [&dialogo] { dialogo.done(-1); });
    QCOMPARE(dialogo.exec(), int(mrCancel));
    QVERIFY(Equipe().isEmpty());
    QCOMPARE(a->Desenvolvedor(), d);
    FSimulador->Projeto()->ValidarAlocacoes();
    QCOMPARE(a->Desenvolvedor(), nullptr);
}

QTEST_MAIN(TstDefineEquipe)
#include "tst_define_equipe.moc"
