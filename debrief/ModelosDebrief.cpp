#include "ModelosDebrief.h"

#include "FormatoDebrief.h"
#include "model/mReceptorMensagens.h"

#include <QFont>

void TModeloDecisoes::Define(const TAnaliseJogo* analise) {
    beginResetModel();
    FAnalise = analise;
    endResetModel();
}

int TModeloDecisoes::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || !FAnalise ? 0 : static_cast<int>(FAnalise->Decisoes.size());
}

int TModeloDecisoes::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 3;
}

QVariant TModeloDecisoes::data(const QModelIndex& indice, int role) const {
    if (!FAnalise || !indice.isValid() || indice.row() >= FAnalise->Decisoes.size()) {
        return {};
    }
    const TDecisao& d = FAnalise->Decisoes.at(indice.row());
    if (role == RoleDia) {
        return double(d.Dia);
    }
    if (role == Qt::TextAlignmentRole && indice.column() == 0) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (indice.column()) {
    case 0:
        return TextoInteiro(d.Dia);
    case 1:
        return NomeTipoMarco(d.Tipo);
    default:
        return TextoDecisao(d, FAnalise->Cenario);
    }
}

QVariant TModeloDecisoes::headerData(int secao, Qt::Orientation orientacao, int role) const {
    if (orientacao != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(secao, orientacao, role);
    }
    static const char* const Titulos[] = {"Day", "Kind", "Decision"};
    return secao >= 0 && secao < 3 ? QString::fromLatin1(Titulos[secao]) : QString();
}

void TModeloMensagens::Define(const TAnaliseJogo* analise) {
    beginResetModel();
    FAnalise = analise;
    endResetModel();
}

int TModeloMensagens::rowCount(const QModelIndex& pai) const {
    return pai.isValid() || !FAnalise ? 0 : static_cast<int>(FAnalise->Mensagens.size());
}

QString TModeloMensagens::Linha(const TMensagemDebrief& m) {
    return FormataLinhaMensagem(m.Nota ? QStringLiteral("(debrief) ") + m.Texto : m.Texto, m.Dia);
}

QVariant TModeloMensagens::data(const QModelIndex& indice, int role) const {
    if (!FAnalise || !indice.isValid() || indice.row() >= FAnalise->Mensagens.size()) {
        return {};
    }
    const TMensagemDebrief& m = FAnalise->Mensagens.at(indice.row());
    switch (role) {
    case Qt::DisplayRole:
        return Linha(m);
    case RoleDia:
        return m.Dia;
    case Qt::FontRole:
        if (m.Nota) {
            QFont fonte;
            fonte.setItalic(true);
            return fonte;
        }
        return {};
    case Qt::ToolTipRole:
        return m.Nota ? QStringLiteral("Not a message of the game: the debrief's own note")
                      : QVariant();
    default:
        return {};
    }
}
