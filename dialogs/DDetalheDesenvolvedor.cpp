// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DDetalheDesenvolvedor.h"

#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/ResultadoModal.h"
#include "model/mDesenvolvedor.h"

#include <cstdint>

namespace {

constexpr int LarguraValor = 165;
constexpr int AlturaValor = 15;

struct TLinhaExperiencia {
    const char* Legenda;
    const char* NomeLegenda;
    const char* NomeValor;
    std::uint8_t Tipo;
    int Y;
};

constexpr TLinhaExperiencia LinhasExperiencia[] = {
    {"Analysis Experience:", "Label6", "LbExperienciaAnalise", 0, 132},
    {"Design Experience:", "Label2", "LbExperienciaProjeto", 2, 156},
    {"Program. Experience:", "Label10", "LbExperienciaProgramacao", 3, 180},
    {"Testing Experience:", "Label7", "LbExperienciaTestes", 4, 204},
    {"Inspection Experience:", "Label8", "LbExperienciaQA", 5, 228},
};

} // namespace

TDlgDetalhesDesenvolvedor::TDlgDetalhesDesenvolvedor(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Developer Details"));
    setFont(FonteJogo(11));
    setFixedSize(472, 292);

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 472, 292, true);

    FImagem = new QLabel(painel);
    FImagem->setObjectName(QStringLiteral("Imagem"));
    FImagem->setGeometry(16, 16, 135, 110);

    auto valor = [painel](const char* nome, int y) {
        return CriaRotuloValor(painel, QString::fromLatin1(nome), 292, y, LarguraValor,
                               AlturaValor);
    };
    CriaRotuloLegenda(painel, QStringLiteral("Label1"), QStringLiteral("Developer Name:"), 176, 13,
                      105, 13);
    FLbNome = valor("LbNome", 12);
    CriaRotuloLegenda(painel, QStringLiteral("Label5"), QStringLiteral("Cost per Hour ($):"), 176,
                      37, 105, 13);
    FLbCusto = valor("LbCusto", 36);
    CriaRotuloLegenda(painel, QStringLiteral("Label3"), QStringLiteral("Working Hours:"), 176, 61,
                      105, 13);
    FLbHorasTrabalho = valor("LbHorasTrabalho", 60);
    CriaRotuloLegenda(painel, QStringLiteral("Label4"), QStringLiteral("Exhaustion Level:"), 176,
                      85, 105, 13);
    FLbExaustao = valor("LbExaustao", 84);
    CriaRotuloLegenda(painel, QStringLiteral("Label11"), QStringLiteral("Time in Project (Days):"),
                      160, 110, 121, 13);
    FLbTempoProjeto = valor("LbTempoProjeto", 108);
    for (const TLinhaExperiencia& linha : LinhasExperiencia) {
        CriaRotuloLegenda(painel, QString::fromLatin1(linha.NomeLegenda),
                          QString::fromLatin1(linha.Legenda), 160, linha.Y + 1, 121, 13);
        FLbExperiencia.append(valor(linha.NomeValor, linha.Y));
    }

    FBtFecha = CriaBotaoRapido(painel, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 370, 257);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
}

QString TDlgDetalhesDesenvolvedor::TextoExaustao(double x) {
    if (x < 0.8) {
        return QStringLiteral("I am fine, thanks.");
    }
    if (x >= 1.0) {
        return QStringLiteral("I thought slavery was ilegal ...");
    }
    // Also NaN, which compares false both ways.
    return QStringLiteral("We are working too hard ...");
}

void TDlgDetalhesDesenvolvedor::MostraDesenvolvedor(const TDesenvolvedor* d) {
    if (!d) {
        return;
    }
    MostraImagem(FImagem, d->ImagemGrande(), ArquivoRetrato(d->Nome(), true));
    MostraTexto(FLbNome, d->Nome());
    MostraTexto(FLbCusto, FormataNumero(d->Custo(), 2));
    MostraTexto(FLbHorasTrabalho, FormataNumero(d->HorasTrabalho(), 0));
    MostraTexto(FLbExaustao, TextoExaustao(d->Exaustao()));
    MostraTexto(FLbTempoProjeto, FormataNumero(d->TempoProjeto(), 0));
    for (int i = 0; i < FLbExperiencia.size(); ++i) {
        MostraTexto(FLbExperiencia[i], d->NivelExperiencia(LinhasExperiencia[i].Tipo));
    }
}
