#include "AbaMensagens.h"

#include "FormatoDebrief.h"
#include "ModelosDebrief.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

TAbaMensagens::TAbaMensagens(QWidget* parent)
    : TAbaDebrief(parent), FModelo(new TModeloMensagens(this)),
      FFiltro(new QSortFilterProxyModel(this)), FBusca(new QLineEdit(this)),
      FLista(new QListView(this)), FContagem(new QLabel(this)) {
    FFiltro->setSourceModel(FModelo);
    FFiltro->setFilterCaseSensitivity(Qt::CaseInsensitive);
    FBusca->setObjectName(QStringLiteral("BuscaMensagens"));
    FBusca->setPlaceholderText(QStringLiteral("Search the messages (a name, an activity, \"Day 12\")"));
    FBusca->setClearButtonEnabled(true);
    FLista->setObjectName(QStringLiteral("ListaMensagens"));
    FLista->setModel(FFiltro);
    FLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FLista->setUniformItemSizes(true);
    FLista->setSelectionMode(QAbstractItemView::SingleSelection);
    FContagem->setObjectName(QStringLiteral("ContagemMensagens"));
    auto* dica = new QLabel(
        QStringLiteral("Choose a line to mark its day on the charts; double-click it to see it there."),
        this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(FBusca, 1);
    topo->addWidget(FContagem);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(FLista, 1);
    coluna->addWidget(dica);
    connect(FBusca, &QLineEdit::textChanged, this, &TAbaMensagens::Filtra);
    connect(FLista->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TAbaMensagens::Escolhida);
    connect(FLista, &QAbstractItemView::activated, this,
            [this](const QModelIndex& i) { emit DiaPedido(i.data(RoleDia).toDouble()); });
}

void TAbaMensagens::Mostra(const TAnaliseJogo& analise) {
    FModelo->Define(&analise);
    FOmitidas = analise.MensagensOmitidas;
    AtualizaContagem();
}

void TAbaMensagens::Esquece() {
    // The tab in view is shown the new analysis at once, before anything
    // paints: only a hidden one is emptied.
    if (!isVisible()) {
        FModelo->Define(nullptr);
    }
}

void TAbaMensagens::Filtra(const QString& texto) {
    FFiltro->setFilterFixedString(texto);
    AtualizaContagem();
}

void TAbaMensagens::Escolhida(const QModelIndex& indice) {
    if (indice.isValid()) {
        emit DiaEscolhido(indice.data(RoleDia).toDouble());
    }
}

QString TAbaMensagens::Contagem() const {
    const QString todas = TextoInteiro(FModelo->rowCount());
    QString texto = FFiltro->filterRegularExpression().pattern().isEmpty()
                        ? QStringLiteral("%1 messages").arg(todas)
                        : QStringLiteral("%1 of %2 messages")
                              .arg(TextoInteiro(FFiltro->rowCount()), todas);
    if (FOmitidas > 0) {
        texto += QStringLiteral(" (%1 more not kept)").arg(TextoInteiro(FOmitidas));
    }
    return texto;
}

void TAbaMensagens::AtualizaContagem() {
    FContagem->setText(Contagem());
}
