#include "EscritaNoLugar.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Whether novo keeps every line of antigo where it was, with its length:
// line breaks at the same places and none added before antigo's end.
bool MesmasLinhas(const QByteArray& antigo, const QByteArray& novo) {
    const qsizetype n = antigo.size();
    if (novo.size() < n || (n > 0 && antigo.back() != '\n')) {
        return false;
    }
    for (qsizetype i = 0; i < n; ++i) {
        if ((antigo.at(i) == '\n') != (novo.at(i) == '\n')) {
            return false;
        }
    }
    return true;
}

qsizetype PrimeiraDiferenca(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a.at(i) == b.at(i)) {
        ++i;
    }
    return i;
}

// What was written is on the disk before the next step is taken.
bool Sincroniza(QFile& arquivo) {
    if (!arquivo.flush()) {
        return false;
    }
#ifdef Q_OS_WIN
    return _commit(arquivo.handle()) == 0;
#else
    return fsync(arquivo.handle()) == 0;
#endif
}

} // namespace

TEscritaNoLugar PlanejaEscritaNoLugar(const QByteArray& antigo, const QByteArray& novo) {
    TEscritaNoLugar escrita;
    escrita.Tamanho = novo.size();
    const qsizetype n = antigo.size();
    const qsizetype diferenca = PrimeiraDiferenca(antigo, novo);
    if (diferenca == n || MesmasLinhas(antigo, novo)) {
        if (novo.size() > n) {
            escrita.Passos.append({n, novo.sliced(n)});
        }
        // Lines of the same length changed in place, one write each.
        qsizetype inicio = diferenca;
        while (inicio > 0 && antigo.at(inicio - 1) != '\n') {
            --inicio;
        }
        while (inicio < n) {
            const qsizetype quebra = antigo.indexOf('\n', inicio);
            const qsizetype fim = quebra < 0 ? n : quebra + 1;
            const QByteArray linha = novo.sliced(inicio, fim - inicio);
            if (linha != QByteArrayView(antigo).sliced(inicio, fim - inicio)) {
                escrita.Passos.append({inicio, linha});
            }
            inicio = fim;
        }
        return escrita;
    }
    // A length differs: from the changed line to the end, then the cut. A
    // file that shrinks gets line breaks over its old end in the same
    // write: until the cut it ends in blank lines, never in a piece of an
    // old line.
    if (diferenca < novo.size()) {
        qsizetype inicio = diferenca;
        while (inicio > 0 && novo.at(inicio - 1) != '\n') {
            --inicio;
        }
        QByteArray dados = novo.sliced(inicio);
        if (novo.size() < n) {
            dados += QByteArray(n - novo.size(), '\n');
        }
        escrita.Passos.append({inicio, dados});
    }
    return escrita;
}

bool EscreveNoLugar(const QString& caminho, const QByteArray& dados, QString& motivo) {
    QFile arquivo(caminho);
    // Unbuffered: each step is one write of the system, in the order planned.
    if (!arquivo.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
        motivo = arquivo.errorString();
        return false;
    }
    const QByteArray antigo = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        motivo = arquivo.errorString();
        return false;
    }
    const TEscritaNoLugar escrita = PlanejaEscritaNoLugar(antigo, dados);
    for (const TPassoNoLugar& passo : escrita.Passos) {
        if (!arquivo.seek(passo.Posicao) || arquivo.write(passo.Dados) != passo.Dados.size() ||
            !Sincroniza(arquivo)) {
            motivo = arquivo.errorString();
            return false;
        }
    }
    if (escrita.Tamanho < antigo.size() &&
        (!arquivo.resize(escrita.Tamanho) || !Sincroniza(arquivo))) {
        motivo = arquivo.errorString();
        return false;
    }
    return true;
}
