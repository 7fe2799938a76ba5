#include "FormatoDebrief.h"

#include <cmath>

QLocale LocalDebrief() {
    QLocale local;
    local.setNumberOptions(local.numberOptions() & ~QLocale::OmitGroupSeparator);
    return local;
}

namespace {

// A value that rounds to zero shows as zero, without its sign.
QString SemSinalDeZero(QString texto, const QLocale& local) {
    if (texto.startsWith(local.negativeSign())) {
        const QString resto = texto.mid(local.negativeSign().size());
        bool ok = false;
        if (local.toDouble(resto, &ok) == 0.0 && ok) {
            return resto;
        }
    }
    return texto;
}

} // namespace

QString TextoDinheiro(double valor) {
    const QLocale local = LocalDebrief();
    return SemSinalDeZero(local.toString(valor, 'f', 2), local);
}

QString TextoInteiro(double valor) {
    const QLocale local = LocalDebrief();
    return SemSinalDeZero(local.toString(std::round(valor) + 0.0, 'f', 0), local);
}

QString Numero(double valor, int casas) {
    if (std::abs(valor - std::round(valor)) < 1e-9) {
        return TextoInteiro(valor);
    }
    const QLocale local = LocalDebrief();
    return SemSinalDeZero(local.toString(valor, 'f', casas), local);
}
