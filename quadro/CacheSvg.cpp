#include "CacheSvg.h"

std::optional<QByteArray> TCacheSvg::Busca(const QString& chave, const QString& versao) {
    const std::lock_guard trava(FTrava);
    const auto achada = FEntradas.find(chave);
    if (achada == FEntradas.end() || achada->Versao != versao) {
        return std::nullopt;
    }
    achada->Uso = ++FRelogio;
    return achada->Svg;
}

void TCacheSvg::Guarda(const QString& chave, const QByteArray& svg, const QString& versao) {
    if (svg.size() > FLimite) {
        return;
    }
    const std::lock_guard trava(FTrava);
    if (const auto anterior = FEntradas.constFind(chave); anterior != FEntradas.cend()) {
        FTotal -= anterior->Svg.size();
    }
    FEntradas.insert(chave, TEntrada{versao, svg, ++FRelogio});
    FTotal += svg.size();
    // A few dozen charts at most: a linear search for the oldest is cheap
    // beside drawing one.
    while (FTotal > FLimite) {
        auto velha = FEntradas.begin();
        for (auto e = FEntradas.begin(); e != FEntradas.end(); ++e) {
            if (e->Uso < velha->Uso) {
                velha = e;
            }
        }
        FTotal -= velha->Svg.size();
        FEntradas.erase(velha);
    }
}
