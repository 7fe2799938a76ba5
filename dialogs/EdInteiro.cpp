#include "EdInteiro.h"

#include "controls/Rotulos.h"
#include "model/LeituraInteiro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int LarguraBotoes = 15;

// Refuses, without a beep, pasted or dropped text holding characters that the
// keyboard filter would not let through.
class TValidadorCaracteres : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        for (QChar ch : texto) {
            if (!TEdInteiro::CaractereValido(ch)) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

} // namespace

TEdInteiro::TEdInteiro(QWidget* parent)
    : QWidget(parent), FEdicao(new QLineEdit(this)), FCima(new QToolButton(FEdicao)),
      FBaixo(new QToolButton(FEdicao)) {
    // Text in the window-text colour on the field background, and arrows in
    // the button-text colour, wherever the field is placed.
    DefineCoresAplicacao(this);
    FEdicao->setValidator(new TValidadorCaracteres(FEdicao));
    FEdicao->installEventFilter(this);
    FEdicao->setTextMargins(0, 0, LarguraBotoes, 0);
    setFocusProxy(FEdicao);
    setFocusPolicy(Qt::StrongFocus);

    for (QToolButton* botao : {FCima, FBaixo}) {
        botao->setFocusPolicy(Qt::NoFocus);
        botao->setAutoRepeat(true);
        botao->setCursor(Qt::ArrowCursor);
    }
    FCima->setObjectName(QStringLiteral("BotaoCima"));
    FBaixo->setObjectName(QStringLiteral("BotaoBaixo"));
    FCima->setArrowType(Qt::UpArrow);
    FBaixo->setArrowType(Qt::DownArrow);
    connect(FCima, &QToolButton::clicked, this, [this] { Incrementa(1); });
    connect(FBaixo, &QToolButton::clicked, this, [this] { Incrementa(-1); });

    DefineValor(FMinimo);
}

void TEdInteiro::DefineFaixa(int minimo, int maximo) {
    FMinimo = std::min(minimo, maximo);
    FMaximo = std::max(minimo, maximo);
    CorrigeFaixa();
}

int TEdInteiro::Limita(qint64 valor) const {
    return static_cast<int>(std::clamp<qint64>(valor, FMinimo, FMaximo));
}

int TEdInteiro::Valor() const {
    qint64 valor = 0;
    if (!LeInteiroDecimal(FEdicao->text(), valor)) {
        return FMinimo;
    }
    return Limita(valor);
}

void TEdInteiro::DefineValor(int valor) {
    FEdicao->setText(QString::number(Limita(valor)));
}

void TEdInteiro::DefineValorTruncado(double valor) {
    int inteiro = FMinimo;
    if (!std::isnan(valor)) {
        inteiro = static_cast<int>(std::clamp(std::trunc(valor), double(FMinimo), double(FMaximo)));
    }
    DefineValor(inteiro);
}

void TEdInteiro::Incrementa(int delta) {
    DefineValor(static_cast<int>(std::clamp<qint64>(qint64(Valor()) + delta, FMinimo, FMaximo)));
    FEdicao->selectAll();
}

QString TEdInteiro::Texto() const {
    return FEdicao->text();
}

bool TEdInteiro::CaractereValido(QChar ch) {
    if ((ch >= u'0' && ch <= u'9') || ch == u'+' || ch == u'-' || ch.unicode() < 32 ||
        ch.unicode() == 127) {
        return true;
    }
    return QLocale().decimalPoint().contains(ch);
}

void TEdInteiro::CorrigeFaixa() {
    qint64 valor = 0;
    if (LeInteiroDecimal(FEdicao->text(), valor) && (valor < FMinimo || valor > FMaximo)) {
        DefineValor(Limita(valor));
    }
}

bool TEdInteiro::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == FEdicao) {
        if (evento->type() == QEvent::FocusOut) {
            CorrigeFaixa();
        } else if (evento->type() == QEvent::KeyPress) {
            auto* tecla = static_cast<QKeyEvent*>(evento);
            switch (tecla->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                emit Confirmado();
                return true;
            case Qt::Key_Escape:
                emit Cancelado();
                return true;
            case Qt::Key_Up:
                Incrementa(1);
                return true;
            case Qt::Key_Down:
                Incrementa(-1);
                return true;
            default:
                break;
            }
            if (!(tecla->modifiers() &
                  (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
                for (QChar ch : tecla->text()) {
                    if (!CaractereValido(ch)) {
                        QApplication::beep();
                        return true;
                    }
                }
            }
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void TEdInteiro::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    FEdicao->setGeometry(rect());
    const int borda = 2;
    const int altura = std::max(0, height() - 2 * borda);
    const int metade = altura / 2;
    const int x = width() - borda - LarguraBotoes;
    FCima->setGeometry(x, borda, LarguraBotoes, metade);
    FBaixo->setGeometry(x, borda + metade, LarguraBotoes, altura - metade);
}
