// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/Turma.h"

QString NomeConferencia(EConferencia conferencia) {
    switch (conferencia) {
    case EConferencia::Verificado:
        return QStringLiteral("verified");
    case EConferencia::Divergente:
        return QStringLiteral("mismatch");
    case EConferencia::NaoVerificado:
        return QStringLiteral("unverified");
    case EConferencia::Ilegivel:
        break;
    }
    return QStringLiteral("unreadable");
}
