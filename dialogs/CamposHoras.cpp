#include "CamposHoras.h"

#include "BotaoRapido.h"
#include "EdInteiro.h"
#include "ResultadoModal.h"
#include "controls/Rotulos.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

QLabel* CriaRotuloNome(QWidget* parent, int alturaFonte, const QRect& caixa) {
    auto* rotulo = new QLabel(parent);
    rotulo->setObjectName(QStringLiteral("LbNome"));
    rotulo->setFont(FonteJogo(alturaFonte, true));
    DefineCores(rotulo, CorFundoNome, CorLima);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rotulo->setGeometry(caixa);
    return rotulo;
}

QLabel* CriaLegendaCampo(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                         int largura) {
    auto* rotulo = new QLabel(texto, parent);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteJogo(16, true));
    DefineCores(rotulo, Qt::black, Qt::white);
    rotulo->move(x, y);
    AjustaFonte(rotulo, largura);
    rotulo->adjustSize();
    return rotulo;
}

TEdInteiro* CriaCampoHoras(QWidget* parent, const QRect& caixa, int minimo, int maximo, int valor) {
    auto* campo = new TEdInteiro(parent);
    campo->setObjectName(QStringLiteral("EdNumeroHoras"));
    campo->setFont(FonteJogo(19));
    campo->setGeometry(caixa);
    campo->DefineFaixa(minimo, maximo);
    campo->DefineValor(valor);
    return campo;
}

void LigaRespostas(QDialog* dialogo, TBotaoRapido* ok, TBotaoRapido* cancela, TEdInteiro* campo) {
    ok->SetEnterClica(true);
    cancela->SetEnterClica(true);
    QObject::connect(ok, &QToolButton::clicked, dialogo, [dialogo] { dialogo->done(mrOk); });
    QObject::connect(cancela, &QToolButton::clicked, dialogo,
                     [dialogo] { dialogo->done(mrCancel); });
    QObject::connect(campo, &TEdInteiro::Confirmado, dialogo, [dialogo] { dialogo->done(mrOk); });
    QObject::connect(campo, &TEdInteiro::Cancelado, dialogo,
                     [dialogo] { dialogo->done(mrCancel); });
}

void FocaCampo(TEdInteiro* campo) {
    campo->setFocus();
    campo->Edicao()->selectAll();
}
