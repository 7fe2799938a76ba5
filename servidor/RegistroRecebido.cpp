#include "RegistroRecebido.h"

#include "plan/JogoPlano.h"
#include "plan/LeitorPlano.h"
#include "turma/RegistroTurma.h"

#include <QCryptographicHash>

namespace {

// How the reader names the bytes in its messages; taken out again, as the
// class table takes a file's name out of its notes.
const QString Origem = QStringLiteral("record");

} // namespace

TRegistroGuardado ConfereRegistro(const QByteArray& dados, TSimuladorProjeto& sim) {
    TPlano plano;
    try {
        plano = LePlano(dados, Origem, sim);
    } catch (const EPlano& e) {
        throw EPlano{NotaPlano(e.mensagem, Origem)};
    }
    TRegistroGuardado registro;
    if (plano.Resultado) {
        registro.Linha = LinhaPlano(plano, QString(), sim);
    } else {
        TLinhaTurma& linha = registro.Linha;
        if (plano.Meta) {
            LeMetaRegistro(*plano.Meta, linha);
        }
        const TResultadoPlano jogado = JogaPlano(sim, plano);
        linha.Concluido = jogado.Concluido;
        linha.Dias = jogado.Dias;
        linha.Custo = jogado.Custo;
        linha.Conferencia = EConferencia::NaoVerificado;
    }
    if (plano.Meta) {
        const QJsonValue iniciado = plano.Meta->value(QLatin1String("started"));
        if (iniciado.isString()) {
            registro.Iniciado = iniciado.toString();
        }
    }
    registro.Linha.Sha256 =
        QString::fromLatin1(QCryptographicHash::hash(dados, QCryptographicHash::Sha256).toHex());
    return registro;
}
