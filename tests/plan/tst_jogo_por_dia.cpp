// A replay told day by day: the same game as JogaPlano plays, each change
// told as it is applied, each step's trace entry as it is played.
#include "PlanosTeste.h"
#include "plan/JogoPorDia.h"

#include <QtTest>

namespace {

TMudancasPlano Horas(int dia, int horas) {
    TMudancasPlano m;
    m.Dia = dia;
    m.Horas = {{0, horas}};
    return m;
}

struct TCaso {
    const char* nome;
    TPlano plano;
    QList<int> aplicados; // the days of the events the replay reaches
};

QList<TCaso> Casos() {
    TPlano horas = PlanoCorvin(12);
    horas.Eventos = {Horas(5, 8), Horas(40, 12), Horas(500, 9)};
    TPlano curto = PlanoCorvin(9);
    curto.MaximoDias = 7;
    curto.Eventos = {Horas(6, 10), Horas(7, 8)};
    // An inspection given time on the day the project is concluded takes it
    // up again: the event is applied before the concluded test.
    TPlano reaberto = PlanoCorvin(8);
    TMudancasPlano inspecao;
    inspecao.Dia = 81;
    inspecao.Inspecoes = {{7, 8}};
    reaberto.Eventos = {inspecao};
    return {{"events before, during and after the game", horas, {5, 40}},
            {"an event on the day max_days stops at", curto, {6}},
            {"an event on the day the project is concluded", reaberto, {81}}};
}

} // namespace

class TstJogoPorDia : public QObject {
    Q_OBJECT

private slots:
    void ItPlaysTheGameJogaPlanoPlays_data() {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < Casos().size(); ++i) {
            QTest::newRow(Casos().at(i).nome) << i;
        }
    }

    // Guards against a day-by-day replay that drifts from the plan's
    // replay (a step more or less, an event on another day), or tells of
    // an event the game never reached.
    void ItPlaysTheGameJogaPlanoPlays() {
        QFETCH(int, caso);
        const TCaso c = Casos().at(caso);
        TSimuladorProjeto sim;
        TListaMensagens esperadas;
        TRastro esperado;
        const TResultadoPlano r = JogaPlano(sim, c.plano, &esperadas, &esperado);

        TListaMensagens mensagens;
        TRastro rastro;
        QList<int> aplicados;
        TObservadorJogo observador;
        observador.AoAplicar = [&](const TMudancasPlano& m) { aplicados.append(m.Dia); };
        observador.AoPassar = [&](TRastroDia&& dia) { rastro.append(std::move(dia)); };
        QCOMPARE(JogaPlanoPorDia(sim, c.plano, observador, &mensagens), r);
        QCOMPARE(rastro, esperado);
        QCOMPARE(mensagens.Mensagens, esperadas.Mensagens);
        QCOMPARE(aplicados, QList<int>{0} + c.aplicados);
    }
};

QTEST_GUILESS_MAIN(TstJogoPorDia)
#include "tst_jogo_por_dia.moc"
