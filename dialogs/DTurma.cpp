// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DTurma.h"

#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/PainelGrade.h"
#include "dialogs/ResultadoModal.h"
#include "envio/EnvioTurma.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using ESituacao = TRegistroEnvio::ESituacao;

constexpr int LarguraValores = 440;
constexpr int AlturaTexto = 11;

QString Hora(const QDateTime& quando) {
    return quando.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

TDlgTurma::TDlgTurma(TEnvioTurma& envio, QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      FEnvio(envio) {
    setObjectName(QStringLiteral("DlgTurma"));
    setWindowTitle(QStringLiteral("Class"));
    setFont(FonteJogo(AlturaTexto));

    const TPainelGrade partes = CriaPainelGrade(this);
    FPainel = partes.Painel;
    FGrade = partes.Grade;
    QVBoxLayout* dentro = partes.Coluna;

    FGrade->addWidget(CriaRotuloTexto(FPainel, QStringLiteral("LbLegendaLink"),
                                      QStringLiteral("Class link"), 0, 0, CorLima, AlturaTexto,
                                      true),
                      0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    FEdLink = new QLineEdit(FPainel);
    FEdLink->setObjectName(QStringLiteral("EdLink"));
    FEdLink->setPlaceholderText(QStringLiteral("http://HOST:PORT/classes/CODE/"));
    FEdLink->setFixedWidth(LarguraValores);
    DefineCoresAplicacao(FEdLink);
    FGrade->addWidget(FEdLink, 0, 1);

    auto* botoes = new QHBoxLayout;
    botoes->setSpacing(8);
    FBtEntra = CriaBotaoRapido(FPainel, QStringLiteral("BtEntra"), QStringLiteral("&Join"),
                               TBotaoRapido::GlyphOk, 0, 0);
    FBtSai = CriaBotaoRapido(FPainel, QStringLiteral("BtSai"), QStringLiteral("&Leave"), QString(),
                             0, 0);
    for (TBotaoRapido* botao : {FBtEntra, FBtSai}) {
        botao->setFixedSize(botao->size());
        botao->SetEnterClica(true);
        botoes->addWidget(botao);
    }
    botoes->addStretch();
    FGrade->addLayout(botoes, 1, 1);

    FLbTurma = Valor(QStringLiteral("LbTurma"), 2, QStringLiteral("Class"));
    FLbEntrada = Valor(QStringLiteral("LbEntrada"), 3, QString());
    FLbEnviados = Valor(QStringLiteral("LbEnviados"), 4, QStringLiteral("Records sent"));
    FLbAguardando = Valor(QStringLiteral("LbAguardando"), 5, QStringLiteral("Waiting"));
    FLbRecusados = Valor(QStringLiteral("LbRecusados"), 6, QStringLiteral("Refused"));
    FLbNaoEnviados = Valor(QStringLiteral("LbNaoEnviados"), 7, QString());
    FLbUltimoErro = Valor(QStringLiteral("LbUltimoErro"), 8, QStringLiteral("Last error"));
    FLbProxima = Valor(QStringLiteral("LbProximaTentativa"), 9, QStringLiteral("Next try"));

    dentro->addSpacing(MargemPainelGrade / 2);
    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 0, 0);
    FBtFecha->setFixedSize(FBtFecha->size());
    FBtFecha->SetEnterClica(true);
    dentro->addWidget(FBtFecha, 0, Qt::AlignRight);

    connect(FBtEntra, &QToolButton::clicked, this, &TDlgTurma::Entra);
    connect(FEdLink, &QLineEdit::returnPressed, this, &TDlgTurma::Entra);
    connect(FBtSai, &QToolButton::clicked, &FEnvio, &TEnvioTurma::Sai);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    connect(&FEnvio, &TEnvioTurma::Mudou, this, &TDlgTurma::Atualiza);
    // A class joined fills the field with its link.
    connect(&FEnvio, &TEnvioTurma::EntradaConcluida, this, [this](bool entrou) {
        if (entrou && FEnvio.Turma()) {
            FEdLink->setText(FEnvio.Turma()->Link.Texto());
        }
    });
    Atualiza();
}

QLabel* TDlgTurma::Valor(const QString& nome, int linha, const QString& legenda) {
    if (!legenda.isEmpty()) {
        FGrade->addWidget(CriaRotuloTexto(FPainel, nome + QStringLiteral("Legenda"), legenda, 0, 0,
                                          CorLima, AlturaTexto, true),
                          linha, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    // What the server says is shown as text, never as markup.
    QLabel* valor = CriaRotuloTexto(FPainel, nome, QString(), 0, 0, Qt::white, AlturaTexto);
    valor->setTextFormat(Qt::PlainText);
    valor->setWordWrap(true);
    valor->setFixedWidth(LarguraValores);
    FGrade->addWidget(valor, linha, 1, Qt::AlignLeft | Qt::AlignTop);
    return valor;
}

void TDlgTurma::showEvent(QShowEvent* evento) {
    if (FEdLink->text().isEmpty() && FEnvio.Turma()) {
        FEdLink->setText(FEnvio.Turma()->Link.Texto());
    }
    Atualiza();
    FEdLink->setFocus();
    TDialogoCentrado::showEvent(evento);
}

void TDlgTurma::Entra() {
    FEnvio.Entra(FEdLink->text());
}

void TDlgTurma::Atualiza() {
    const auto& turma = FEnvio.Turma();
    FLbTurma->setText(turma ? turma->Nome + QStringLiteral("  (") + turma->Link.Texto() +
                                  QLatin1Char(')')
                            : QStringLiteral("None: records are kept on this computer only"));
    if (const auto link = FEnvio.Verificando()) {
        FLbEntrada->setText(QStringLiteral("Checking %1 ...").arg(link->Texto()));
    } else {
        FLbEntrada->setText(FEnvio.MensagemEntrada());
    }
    FLbEntrada->setVisible(!FLbEntrada->text().isEmpty());
    FBtSai->setEnabled(turma.has_value());

    FLbEnviados->setText(QString::number(FEnvio.Conta(ESituacao::Enviado)));
    QString aguardando = QString::number(FEnvio.Conta(ESituacao::Aguardando));
    if (FEnvio.Enviando()) {
        aguardando += QStringLiteral(", one being sent now");
    }
    FLbAguardando->setText(aguardando);
    const QList<TRegistroEnvio> naoEnviados = FEnvio.NaoEnviados();
    FLbRecusados->setText(QString::number(naoEnviados.size()));
    QStringList linhas;
    for (const TRegistroEnvio& r : naoEnviados.mid(0, NaoEnviadosListados)) {
        linhas.append(r.Arquivo + QStringLiteral(": ") + r.Motivo);
    }
    if (naoEnviados.size() > NaoEnviadosListados) {
        linhas.append(QStringLiteral("and %1 more").arg(naoEnviados.size() - NaoEnviadosListados));
    }
    FLbNaoEnviados->setText(linhas.join(QLatin1Char('\n')));
    FLbNaoEnviados->setVisible(!linhas.isEmpty());
    FLbUltimoErro->setText(FEnvio.UltimoErro().isEmpty()
                               ? QStringLiteral("None")
                               : Hora(FEnvio.HoraUltimoErro()) + QStringLiteral("  ") +
                                     FEnvio.UltimoErro());
    FLbProxima->setText(FEnvio.ProximaTentativa().isValid() ? Hora(FEnvio.ProximaTentativa())
                                                            : QStringLiteral("None due"));
}
