#include "VerificacaoPlano.h"

#include "JogoPlano.h"

namespace {

QString Centavos(double custo) {
    return QString::number(custo, 'f', 2);
}

} // namespace

qint64 CentavosCusto(double custo) {
    QString texto = Centavos(custo);
    texto.remove(QLatin1Char('.'));
    return texto.toLongLong();
}

bool ResultadosConferem(const TResultadoPlano& gravado, const TResultadoPlano& rejogado) {
    return gravado.Concluido == rejogado.Concluido && gravado.Dias == rejogado.Dias &&
           Centavos(gravado.Custo) == Centavos(rejogado.Custo);
}

QString DescreveResultado(const TResultadoPlano& resultado) {
    return (resultado.Concluido ? QStringLiteral("%1 days, cost %2")
                                : QStringLiteral("not concluded after %1 days, cost %2"))
        .arg(QString::number(resultado.Dias), Centavos(resultado.Custo));
}

QString TVerificacao::Diferenca() const {
    return QStringLiteral("result differs: recorded %1; replayed %2")
        .arg(DescreveResultado(Gravado), DescreveResultado(Rejogado));
}

void ExigeResultado(const TPlano& plano) {
    if (!plano.Resultado) {
        throw EPlano{QStringLiteral("the plan has no \"result\" to verify")};
    }
}

TVerificacao VerificaPlano(TSimuladorProjeto& sim, const TPlano& plano,
                           TReceptorMensagens* receptor, TRastro* rastro) {
    ExigeResultado(plano);
    TVerificacao v;
    v.Gravado = *plano.Resultado;
    v.Rejogado = JogaPlano(sim, plano, receptor, rastro);
    v.Confere = ResultadosConferem(v.Gravado, v.Rejogado);
    return v;
}
