#pragma once

#include <QList>

// How the days of one stretch make one point of a series.
enum class EAgregacao {
    Ultimo, // the value of the stretch's last day: a level (cost so far, errors, exhaustion)
    Media   // the mean over its days: a flow (the cost of a day, hours, idle people)
};

// Daily series kept to a bounded number of points, so that a game of a
// million days costs no more memory, and draws no larger, than one of a few
// thousand. Every point stands for Passo days (the last point for the days
// left over) and is placed on the last of them. Passo stays 1 until the
// limit is reached; each time it is, pairs of points are merged into one
// and Passo doubles: the points then number between half the limit and the
// limit.
class TSeriesDias {
public:
    static constexpr int LimitePadrao = 4000;

    explicit TSeriesDias(QList<EAgregacao> tipos, int limite = LimitePadrao);

    // The values of day dia, one per series in the order of the kinds given.
    void Adiciona(int dia, const double* valores);
    // Makes a point of the days added since the last one, if any.
    void Fecha();

    int Passo() const { return FPasso; }
    const QList<double>& Dias() const { return FDias; }
    const QList<double>& Serie(int i) const { return FSeries.at(i); }

private:
    void Empurra();
    void Dobra();

    QList<EAgregacao> FTipos;
    int FLimite;
    int FPasso = 1;
    int FNoTrecho = 0;
    int FUltimoDia = 0;
    QList<double> FTrecho; // per series: the sum (Media) or the latest value (Ultimo)
    QList<double> FDias;
    QList<QList<double>> FSeries;
};
