#include "SeriesDias.h"

#include <algorithm>

TSeriesDias::TSeriesDias(QList<EAgregacao> tipos, int limite)
    : FTipos(std::move(tipos)), FLimite(std::max(2, limite - limite % 2)),
      FTrecho(FTipos.size(), 0.0), FSeries(FTipos.size()) {}

void TSeriesDias::Adiciona(int dia, const double* valores) {
    for (qsizetype i = 0; i < FTipos.size(); ++i) {
        FTrecho[i] = FTipos.at(i) == EAgregacao::Media ? FTrecho.at(i) + valores[i] : valores[i];
    }
    FUltimoDia = dia;
    if (++FNoTrecho == FPasso) {
        Empurra();
    }
}

void TSeriesDias::Fecha() {
    if (FNoTrecho > 0) {
        Empurra();
    }
}

void TSeriesDias::Empurra() {
    FDias.append(FUltimoDia);
    for (qsizetype i = 0; i < FTipos.size(); ++i) {
        const double v = FTrecho.at(i);
        FSeries[i].append(FTipos.at(i) == EAgregacao::Media ? v / FNoTrecho : v);
        FTrecho[i] = 0.0;
    }
    // Only a whole stretch can be merged with its neighbour: a partial one
    // (from Fecha) is the last point and stays as it is.
    const bool inteiro = FNoTrecho == FPasso;
    FNoTrecho = 0;
    if (inteiro && FDias.size() >= FLimite) {
        Dobra();
    }
}

void TSeriesDias::Dobra() {
    const qsizetype metade = FDias.size() / 2;
    for (qsizetype k = 0; k < metade; ++k) {
        FDias[k] = FDias.at(2 * k + 1);
    }
    FDias.resize(metade);
    for (qsizetype i = 0; i < FTipos.size(); ++i) {
        QList<double>& s = FSeries[i];
        for (qsizetype k = 0; k < metade; ++k) {
            const double a = s.at(2 * k);
            const double b = s.at(2 * k + 1);
            s[k] = FTipos.at(i) == EAgregacao::Media ? (a + b) / 2.0 : b;
        }
        s.resize(metade);
    }
    FPasso *= 2;
}
