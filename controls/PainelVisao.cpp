// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PainelVisao.h"

#include "controls/Backdrop.h"
#include "controls/Cores.h"
#include "controls/FiguraDensa.h"
#include "controls/mControladorVisao.h"
#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"
#include "model/mDesenvolvedor.h"

#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

namespace {

const QColor& CorCartao = CorPrata;
const QColor& CorLuz = CorBranca;
const QColor& CorSombra = CorCinza;
const QColor& CorInteriorTermometro = CorPreta;
const QColor& CorSelecao = CorAzul;

constexpr int EspessuraSelecao = 2;

} // namespace

const QString TPainelVisao::TipoArrasto = QStringLiteral("application/x-orvanta-developer");

TPainelVisao::TPainelVisao(QWidget* parent) : TPainelDesenhoVertical(parent) {
    SetEstiloBotoes(0);
    CriaControles();
}

void TPainelVisao::CriaControles() {
    // Created first, so it lies beneath the drawing area.
    FFundo = CriaFundoVerde(this);
    FFundo->show();
    TPainelDesenhoVertical::CriaControles();

    TAreaDesenho* area = AreaDesenho();
    FMouseDownBase = area->OnMouseDown;
    area->OnMouseDown = [this](const TEstadoShift& shift, int x, int y) {
        TrataMouseDown(shift, x, y);
    };
    area->OnMouseMove = [this](Qt::MouseButtons botoes, int x, int y) {
        TrataMouseMove(botoes, x, y);
    };
    area->OnMouseUp = [this](Qt::MouseButtons botoes, int, int) {
        if (botoes == Qt::NoButton) {
            FArrastoPendente = false;
        }
    };
    area->setMouseTracking(true);
}

int TPainelVisao::Quantidade() const {
    return FListaDesenvolvedores ? int(FListaDesenvolvedores->size()) : 0;
}

void TPainelVisao::DefineDesenvolvedores(const QList<TDesenvolvedor*>* lista,
                                         TControladorVisao* controlador) {
    FListaDesenvolvedores = lista;
    FControlador = controlador;
    FSelecionado = nullptr;
    Atualiza();
}

void TPainelVisao::Atualiza() {
    const int altura = AlturaLinha * Quantidade();
    if (altura < AlturaConteudo()) {
        LimitaDeslocamento(std::max(0, altura - height()));
    }
    SetAlturaConteudo(altura);
    if (AreaDesenho()) {
        AreaDesenho()->update();
    }
}

void TPainelVisao::MostraDesenvolvedor(const TDesenvolvedor* d) {
    const int linha = d && FListaDesenvolvedores ? int(FListaDesenvolvedores->indexOf(d)) : -1;
    if (linha >= 0) {
        MostraConteudo(AlturaLinha * linha, AlturaLinha * (linha + 1));
    }
}

int TPainelVisao::LarguraCartao() const {
    const int termometros = FControlador ? FControlador->NumeroTermometros() : 0;
    return 52 + 8 * termometros;
}

int TPainelVisao::EsquerdaCartao() const {
    return (width() - LarguraCartao()) / 2;
}

TDesenvolvedor* TPainelVisao::DesenvolvedorEm(int x, int y) const {
    if (!FControlador || !FListaDesenvolvedores || y < 0) {
        return nullptr;
    }
    const int esquerda = EsquerdaCartao();
    if (x < esquerda || x > esquerda + LarguraCartao()) {
        return nullptr;
    }
    const int linha = y / AlturaLinha;
    if (linha >= Quantidade() || y - linha * AlturaLinha < 5) {
        return nullptr;
    }
    return FListaDesenvolvedores->at(linha);
}

// The 2-pixel ring inside (L + 2, T + 8)..(L + w - 1, T + 78) of the row at topo.
QRegion TPainelVisao::AnelSelecao(int topo) const {
    const int esquerda = EsquerdaCartao();
    const QRect moldura(QPoint(esquerda + 2, topo + 8),
                        QPoint(esquerda + LarguraCartao() - 2, topo + 77));
    const int e = EspessuraSelecao;
    return QRegion(moldura) - QRegion(moldura.adjusted(e, e, -e, -e));
}

QRegion TPainelVisao::RegiaoSelecao(const TDesenvolvedor* d) const {
    if (!d || !FListaDesenvolvedores) {
        return QRegion();
    }
    const int linha = int(FListaDesenvolvedores->indexOf(d));
    if (linha < 0) {
        return QRegion();
    }
    return AnelSelecao(linha * AlturaLinha - Deslocamento());
}

void TPainelVisao::SelecionaDesenvolvedor(TDesenvolvedor* d) {
    TrocaSelecao(FSelecionado, d, [this](const TDesenvolvedor* x) { return RegiaoSelecao(x); });
}

void TPainelVisao::TrataClique(const TEstadoShift& shift, int x, int y) {
    SelecionaDesenvolvedor(DesenvolvedorEm(x, y));
    if (shift.DuploClique && OnDblClick) {
        OnDblClick(this);
    } else if (OnSelect) {
        OnSelect(this);
    }
}

void TPainelVisao::TrataMouseDown(const TEstadoShift& shift, int x, int y) {
    if (FMouseDownBase) {
        FMouseDownBase(shift, x, y);
    }
    // Every press arms a drag, also one on empty space: dropping nobody on an
    // activity is how the player takes a developer off it.
    FArrastoPendente = true;
    FInicioArrasto = QPoint(x, y);
}

bool TPainelVisao::PassouLimiarArrasto(QPoint inicio, QPoint atual) {
    return std::abs(qint64(atual.x()) - inicio.x()) >= LimiarArrasto ||
           std::abs(qint64(atual.y()) - inicio.y()) >= LimiarArrasto;
}

void TPainelVisao::TrataMouseMove(Qt::MouseButtons botoes, int x, int y) {
    AtualizaDica(x, y);
    if (!FArrastoPendente) {
        return;
    }
    if (botoes == Qt::NoButton) {
        FArrastoPendente = false;
        return;
    }
    if (PassouLimiarArrasto(FInicioArrasto, QPoint(x, y))) {
        FArrastoPendente = false;
        IniciaArrasto();
    }
}

void TPainelVisao::IniciaArrasto() {
    auto* dados = new QMimeData;
    const QString nome =
        FSelecionado && FControlador ? FControlador->NomeObjeto(FSelecionado) : QString();
    dados->setData(TipoArrasto, nome.toUtf8());
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(dados);
    if (FSelecionado && FControlador) {
        const QImage& imagem = FControlador->ImagemObjeto(FSelecionado);
        if (!imagem.isNull()) {
            // The hot spot is in logical pixels, the picture's 1x size.
            arrasto->setPixmap(QPixmap::fromImage(FiguraParaRazao(
                imagem,
                devicePixelRatioF() > 1 ? ArquivoRetrato(FSelecionado->Nome(), false) : QString(),
                devicePixelRatioF())));
            arrasto->setHotSpot(QPoint(imagem.width() / 2, imagem.height() / 2));
        }
    }
    arrasto->exec(Qt::CopyAction);
}

void TPainelVisao::AtualizaDica(int x, int y) {
    if (!FControlador) {
        return;
    }
    const TDesenvolvedor* d = DesenvolvedorEm(x, y + Deslocamento());
    AreaDesenho()->setToolTip(d ? FControlador->NomeObjeto(d) : QString());
}

void TPainelVisao::DesenhaConteudo(QPainter& canvas, int deslocamento) {
    if (!FControlador || !FListaDesenvolvedores) {
        return;
    }
    const int altura = AreaDesenho()->height();
    for (int i = 0; i < Quantidade(); ++i) {
        const int topo = AlturaLinha * i - deslocamento;
        const TDesenvolvedor* d = FListaDesenvolvedores->at(i);
        if (!d || topo + AlturaLinha <= 0 || topo >= altura) {
            continue;
        }
        DesenhaDesenvolvedor(canvas, topo, d);
    }
}

void TPainelVisao::DesenhaDesenvolvedor(QPainter& canvas, int topo, const TDesenvolvedor* d) const {
    const int l = EsquerdaCartao();
    const int w = LarguraCartao();
    // Background (L, T + 5)..(L + w, T + 79), then the border lines, each
    // without its end point: white along the top and left, grey along the
    // bottom and right.
    canvas.fillRect(QRect(l, topo + 5, w, 74), CorCartao);
    canvas.fillRect(QRect(l + 1, topo + 5, w, 1), CorLuz);
    canvas.fillRect(QRect(l, topo + 5, 1, 74), CorLuz);
    canvas.fillRect(QRect(l, topo + 79, w, 1), CorSombra);
    canvas.fillRect(QRect(l + w, topo + 6, 1, 74), CorSombra);

    DesenhaRetrato(canvas, QPoint(l + 5, topo + 10), FControlador->ImagemObjeto(d), d->Nome(),
                   false);
    DesenhaTermometros(canvas, l, topo, d);
    DesenhaBandeiras(canvas, l, topo, d);

    if (d == FSelecionado) {
        for (const QRect& faixa : AnelSelecao(topo)) {
            canvas.fillRect(faixa, CorSelecao);
        }
    }
}

void TPainelVisao::DesenhaTermometros(QPainter& canvas, int esquerda, int topo,
                                      const TDesenvolvedor* d) const {
    for (int j = 0; j < FControlador->NumeroTermometros(); ++j) {
        const TVisaoTermometro* t = FControlador->Termometro(j);
        const int x = esquerda + 47 + 8 * j;
        // Outline (x, T + 10)..(x + 8, T + 74) in grey around a black interior.
        canvas.fillRect(QRect(x, topo + 10, 8, 64), CorSombra);
        canvas.fillRect(QRect(x + 1, topo + 11, 6, AlturaTermometro), CorInteriorTermometro);
        const int h = TVisaoTermometro::AlturaBarra(t->ValorRelativo(d), AlturaTermometro);
        if (h > 0) {
            canvas.fillRect(QRect(x + 1, topo + 73 - h, 6, h), ColorToRGB(t->Cor()));
        }
    }
}

void TPainelVisao::DesenhaBandeiras(QPainter& canvas, int esquerda, int topo,
                                    const TDesenvolvedor* d) const {
    int m = 0;
    for (int k = 0; k < FControlador->NumeroBandeiras(); ++k) {
        const TVisaoBandeira* b = FControlador->Bandeira(k);
        if (b->Visivel(d)) {
            DesenhaFigura(canvas, QPoint(esquerda + 5 + 14 * m, topo + 58), b->ImagemBandeira(),
                          b->ArquivoBandeira(), qRgb(0, 0, 0));
            ++m;
        }
    }
}
