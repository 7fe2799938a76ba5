// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/CapaJogo.h"

#include "plan/VerificacaoPlano.h"
#include "texto/TextoEscapado.h"

#include <QJsonArray>

#include <cmath>

namespace {

// Long enough for any name a player types, short enough for a cover line.
constexpr qsizetype MaximoTexto = 120;

QString Texto(const QJsonObject& meta, const char* chave) {
    QString texto = EscapaControles(meta.value(QLatin1String(chave)).toString());
    if (texto.size() > MaximoTexto) {
        texto = texto.left(MaximoTexto - 1) + QChar(0x2026);
    }
    return texto;
}

} // namespace

bool TCapaJogo::Confere() const {
    return Gravado && ResultadosConferem(*Gravado, Rejogado);
}

TCapaJogo CapaDoPlano(const TPlano& plano, const TResultadoPlano& rejogado) {
    TCapaJogo capa;
    capa.Gravado = plano.Resultado;
    capa.Rejogado = rejogado;
    if (!plano.Meta) {
        return capa;
    }
    const QJsonObject& meta = *plano.Meta;
    capa.Gerente = Texto(meta, "manager");
    capa.Inicio = Texto(meta, "started");
    capa.Programa = Texto(meta, "program");
    capa.Ramo = RamoDoMeta(meta);
    if (capa.Ramo) {
        capa.Ramo->Registro = EscapaControles(capa.Ramo->Registro).left(MaximoTexto);
    }
    const double jogo = meta.value(QLatin1String("game")).toDouble(0.0);
    if (jogo >= 1.0 && jogo <= 2147483647.0 && std::floor(jogo) == jogo) {
        capa.Jogo = static_cast<int>(jogo);
    }
    const QJsonArray dias = meta.value(QLatin1String("days_played_at")).toArray();
    if (!dias.isEmpty()) {
        capa.Fim = EscapaControles(dias.last().toString()).left(MaximoTexto);
    }
    return capa;
}
