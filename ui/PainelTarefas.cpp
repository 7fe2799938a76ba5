// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PainelTarefas.h"

#include "controls/Backdrop.h"
#include "controls/Cores.h"
#include "controls/FiguraDensa.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor& CorLigacao = CorAmarela;
const QColor& CorContorno = CorPreta;
const QColor& CorContornoSelecionada = CorAzul;
const QColor& CorSelecionada = CorAqua;
const QColor& CorPlanejada = CorBranca;
const QColor& CorNaoPlanejada = CorPrata;
const QColor& CorSetor = CorLima;
const QColor& CorNome = CorBranca;
const QColor& CorPercentual = CorPreta;

// The 2-pixel outline straddles the circle's box by one pixel on every side.
constexpr int MargemContorno = 1;

constexpr qsizetype LimiteTextos = 512;

// At 1 % and below no sector is drawn; the allowance keeps a percentage that
// is 1 % up to rounding on the same side.
constexpr double PercentualMinimoSetor = 0.01 + 1e-9;

QRect CaixaCirculo(int x, int y) {
    const int r = TPainelAtividades::Raio;
    return QRect(x - r, y - r, 2 * r, 2 * r);
}

int Largura(const QFontMetrics& metricas, const QString& texto) {
    return metricas.horizontalAdvance(texto);
}

} // namespace

TPainelAtividades::TPainelAtividades(QWidget* parent) : TPainelDesenhoVertical(parent) {
    SetEstiloBotoes(1);
    SetRolagemAutomatica(false);
    SetPassoRolagem(50);
    CriaControles();
}

void TPainelAtividades::CriaControles() {
    // Created first, so it lies beneath the drawing area and shows wherever the
    // chart does not paint.
    FFundo = CriaFundoVerde(this);
    FFundo->show();
    TPainelDesenhoVertical::CriaControles();
}

void TPainelAtividades::DefineAtividades(const QList<TAtividade*>* lista) {
    FListaAtividades = lista;
    SetAlturaConteudo(CalculaAltura());
    if (AreaDesenho()) {
        AreaDesenho()->update();
    }
}

int TPainelAtividades::CalculaAltura() const {
    int maior = 0;
    if (FListaAtividades) {
        for (const TAtividade* a : *FListaAtividades) {
            if (a) {
                maior = std::max(maior, a->PosicaoY() + Raio);
            }
        }
    }
    return maior + MargemAltura;
}

TAtividade* TPainelAtividades::AtividadeEm(int x, int y) const {
    if (!FListaAtividades) {
        return nullptr;
    }
    const qint64 deslocamento = Deslocamento();
    for (TAtividade* a : *FListaAtividades) {
        if (!a) {
            continue;
        }
        const qint64 dx = qint64(x) - a->PosicaoX();
        const qint64 dy = qint64(y) - (a->PosicaoY() - deslocamento);
        if (std::abs(dx) <= Raio && std::abs(dy) <= Raio) {
            return a;
        }
    }
    return nullptr;
}

void TPainelAtividades::MostraAtividade(const TAtividade* a) {
    if (!a) {
        return;
    }
    QFont negrito = AreaDesenho() ? AreaDesenho()->font() : font();
    negrito.setBold(true);
    // The outline above the circle; the name's two lines below it.
    const int topo = a->PosicaoY() - Raio - MargemContorno;
    const int base = a->PosicaoY() + Raio + 3 + 2 * QFontMetrics(negrito).height();
    MostraConteudo(topo, base);
}

QRect TPainelAtividades::RetanguloAtividade(const TAtividade* a) const {
    if (!a) {
        return QRect();
    }
    const QRect caixa = CaixaCirculo(a->PosicaoX(), a->PosicaoY() - Deslocamento());
    return caixa.adjusted(-MargemContorno, -MargemContorno, MargemContorno + 1, MargemContorno + 1);
}

void TPainelAtividades::SelecionaAtividade(TAtividade* a) {
    TrocaSelecao(FSelecionada, a,
                 [this](const TAtividade* x) { return QRegion(RetanguloAtividade(x)); });
}

void TPainelAtividades::TrataClique(const TEstadoShift& shift, int x, int y) {
    SelecionaAtividade(AtividadeEm(x, y - Deslocamento()));
    if (OnSelect) {
        OnSelect(this);
    }
    if (shift.DuploClique && OnDblClick) {
        OnDblClick(this);
    }
}

std::pair<QString, QString> TPainelAtividades::DivideNome(const QFontMetrics& metricas,
                                                          const QString& nome) {
    QString linha1 = nome;
    while (!linha1.isEmpty() && Largura(metricas, linha1) > LarguraNome) {
        linha1.chop(1);
    }
    if (linha1.size() == nome.size()) {
        return {nome, QString()};
    }
    while (!linha1.isEmpty() && !linha1.endsWith(QLatin1Char(' '))) {
        linha1.chop(1);
    }
    if (linha1.isEmpty()) {
        return {nome, QString()};
    }
    // The second line is whatever follows the first, however wide it is.
    return {linha1.trimmed(), nome.mid(linha1.size()).trimmed()};
}

void TPainelAtividades::DesenhaConteudo(QPainter& canvas, int deslocamento) {
    if (!FListaAtividades) {
        return;
    }
    if (canvas.font() != FFonteTextos) {
        FFonteTextos = canvas.font();
        FTextos[0].clear();
        FTextos[1].clear();
        FNomes.clear();
    }
    // Unsmoothed, the circles, sectors and links keep the crisp edges of a
    // plain screen, pixel for pixel; on a dense one the same edges drawn
    // unsmoothed at its finer pixels would step, so they are smoothed there.
    if (RazaoPixels(canvas) > 1) {
        canvas.setRenderHint(QPainter::Antialiasing);
    }
    // Percentages above 100 % (an inspection cut below its executed time) can
    // take many values: keep the layouts from piling up.
    if (FTextos[0].size() > LimiteTextos) {
        FTextos[0].clear();
    }
    for (const TAtividade* a : *FListaAtividades) {
        if (a) {
            DesenhaLigacoes(canvas, deslocamento, a);
        }
    }
    for (const TAtividade* a : *FListaAtividades) {
        DesenhaAtividade(canvas, deslocamento, a);
    }
}

void TPainelAtividades::DesenhaLigacoes(QPainter& canvas, int deslocamento,
                                        const TAtividade* a) const {
    QPen caneta(CorLigacao);
    caneta.setWidth(2);
    canvas.setPen(caneta);
    const QPoint origem(a->PosicaoX(), a->PosicaoY() - deslocamento);
    for (int i = 0; i < a->NumeroSucessoras(); ++i) {
        const TAtividade* b = a->Sucessora(i);
        if (b) {
            canvas.drawLine(origem, QPoint(b->PosicaoX(), b->PosicaoY() - deslocamento));
        }
    }
}

void TPainelAtividades::DesenhaAtividade(QPainter& canvas, int deslocamento,
                                         const TAtividade* a) const {
    if (!a) {
        return;
    }
    const int x = a->PosicaoX();
    const int y = a->PosicaoY() - deslocamento;
    const bool selecionada = a == FSelecionada;
    const bool planejada = a->Planejada();

    QPen contorno(selecionada ? CorContornoSelecionada : CorContorno);
    contorno.setWidth(2);
    canvas.setPen(contorno);
    canvas.setBrush(selecionada ? CorSelecionada : planejada ? CorPlanejada : CorNaoPlanejada);
    canvas.drawEllipse(CaixaCirculo(x, y));

    DesenhaNome(canvas, x, y, a->Nome());
    if (!planejada) {
        return;
    }

    double p = a->Percentual();
    if (!std::isfinite(p)) {
        p = 0.0;
    }
    if (p > PercentualMinimoSetor) {
        DesenhaSetor(canvas, x, y, p);
    }

    QFont fonte = canvas.font();
    fonte.setBold(false);
    const QString percentual =
        QString::number(std::round(p * 100.0), 'f', 0) + QStringLiteral(" %");
    const TTexto& texto = Texto(fonte, false, percentual);
    canvas.setPen(CorPercentual);
    canvas.setFont(fonte);
    DesenhaTexto(canvas, x - texto.Largura / 2, y - QFontMetrics(fonte).height() / 2, texto);

    if (const TDesenvolvedor* d = a->Desenvolvedor()) {
        // The rim point at 45 degrees up and right.
        const double meio = std::numbers::sqrt2 / 2.0;
        const int cx = x + int(std::trunc(Raio * meio));
        const int cy = y - int(std::trunc(Raio * meio));
        DesenhaRetrato(canvas, QRect(cx - 10, cy - 15, 20, 30), d->ImagemPequena(), d->Nome(),
                       false);
    }
}

void TPainelAtividades::DesenhaNome(QPainter& canvas, int x, int y, const QString& nome) const {
    const QFont original = canvas.font();
    QFont negrito = original;
    negrito.setBold(true);
    const QFontMetrics metricas(negrito);
    const auto& [linha1, linha2] = NomeDividido(negrito, nome);
    canvas.setFont(negrito);
    canvas.setPen(CorNome);
    const TTexto& texto1 = Texto(negrito, true, linha1);
    DesenhaTexto(canvas, x - texto1.Largura / 2, y + Raio + 2, texto1);
    if (!linha2.isEmpty()) {
        const TTexto& texto2 = Texto(negrito, true, linha2);
        DesenhaTexto(canvas, x - texto2.Largura / 2, y + Raio + 3 + metricas.height(), texto2);
    }
    canvas.setFont(original);
}

const TPainelAtividades::TTexto& TPainelAtividades::Texto(const QFont& fonte, bool negrito,
                                                          const QString& texto) const {
    QHash<QString, TTexto>& textos = FTextos[negrito ? 1 : 0];
    auto achado = textos.find(texto);
    if (achado == textos.end()) {
        TTexto novo;
        novo.Estatico.setText(texto);
        novo.Estatico.setTextFormat(Qt::PlainText);
        novo.Estatico.setPerformanceHint(QStaticText::AggressiveCaching);
        novo.Estatico.prepare(QTransform(), fonte);
        novo.Largura = QFontMetrics(fonte).horizontalAdvance(texto);
        achado = textos.insert(texto, novo);
    }
    return *achado;
}

const std::pair<QString, QString>& TPainelAtividades::NomeDividido(const QFont& negrito,
                                                                   const QString& nome) const {
    auto achado = FNomes.find(nome);
    if (achado == FNomes.end()) {
        achado = FNomes.insert(nome, DivideNome(QFontMetrics(negrito), nome));
    }
    return *achado;
}

// Draws a laid-out text with its top-left corner at (x, y).
void TPainelAtividades::DesenhaTexto(QPainter& canvas, int x, int y, const TTexto& texto) const {
    canvas.drawStaticText(QPoint(x, y), texto.Estatico);
}

// The sector starts at 9 o'clock and grows clockwise on the screen: its start
// radial passes through (x - trunc(R cos t), y - trunc(R sin t)) with
// t = p x 2 pi, and it runs counter-clockwise from there back to 9 o'clock.
// QPainter angles are in 1/16 degree, counter-clockwise from 3 o'clock with y
// pointing up.
void TPainelAtividades::DesenhaSetor(QPainter& canvas, int x, int y, double percentual) const {
    const double teta = percentual * 2.0 * std::numbers::pi;
    const int dx = int(std::trunc(Raio * std::cos(teta)));
    const int dy = int(std::trunc(Raio * std::sin(teta)));
    const double inicio = std::atan2(double(dy), double(-dx)) * 180.0 / std::numbers::pi;
    int arco = int(std::lround(std::fmod(180.0 - inicio + 720.0, 360.0) * 16.0));
    // Both radials on the same line: the whole disc.
    if (arco <= 0 || arco >= 360 * 16) {
        arco = 360 * 16;
    }
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(CorSetor);
    canvas.drawPie(CaixaCirculo(x, y), int(std::lround(inicio * 16.0)), arco);
}
