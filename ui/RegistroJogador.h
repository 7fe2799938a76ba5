#pragma once

#include <QList>
#include <QString>
#include <utility>

// The player record file, Orvanta.INI beside the program: section "Orvanta"
// with the game counter "NTimes" and the manager's name "Manager", and one
// section "#<n>" per recorded game with its "Cost" and "Time".
//
// Every operation opens the file by its full path, does its reads and writes
// and lets it go; nothing is cached. Reads never fail: a missing file, section
// or key gives the default. The file is read and edited over its own lines
// (TArquivoIni): a write changes or adds only the lines of the keys it
// writes and keeps every other byte. Each write replaces the whole file at
// once (a temporary file in the same folder renamed over the old one), so
// the file is always either the old one or the new one; in a folder that
// refuses new files an existing writable file is written in place, new
// sections first and changed values after them, so that a kill at any
// moment leaves it whole. A file that exists but cannot be read is never
// overwritten.
class TRegistroJogador {
public:
    explicit TRegistroJogador(const QString& caminho = CaminhoPadrao());

    // Orvanta.INI beside the program, or in the user's data folder when the
    // program's folder cannot be written (LocalizaRegistro).
    static QString CaminhoPadrao();
    const QString& Caminho() const { return FCaminho; }
    void DefineCaminho(const QString& caminho) { FCaminho = caminho; }

    // The stored text of chave in secao, or padrao when the key is absent.
    QString LeValor(const QString& secao, const QString& chave, const QString& padrao) const;
    // Stores valor; throws EErroGravacao when the file cannot be written.
    void GravaValor(const QString& secao, const QString& chave, const QString& valor) const;
    // Stores every (key, value) pair into secao, in order, in one write: all
    // of them or, when it throws EErroGravacao, none.
    using TValores = QList<std::pair<QString, QString>>;
    void GravaValores(const QString& secao, const TValores& valores) const;

    // Counts one more game in "NTimes" and returns the new count, the
    // game's number. Throws EErroConversao when the stored count is not a
    // whole number (nothing is written then), EErroGravacao when the file
    // cannot be written. The same as GravaPartidas(ProximaPartida()).
    int IncrementaPartidas() const;
    // The number the next counted game gets: the stored count plus one.
    // Writes nothing; throws EErroConversao as IncrementaPartidas does.
    int ProximaPartida() const;
    // Stores numero as the count. Throws EErroGravacao.
    void GravaPartidas(int numero) const;
    // The stored manager's name; empty when none.
    QString Gerente() const;
    // Stores the name as given. Throws EErroGravacao.
    void DefineGerente(const QString& nome) const;
    // Writes "Cost" then "Time" into section "#" + the stored "NTimes" text,
    // both in one write. Throws EErroGravacao, and then writes neither.
    void RegistraResultado(double custo, double tempo) const;

    // Shortest decimal form with at most 15 significant digits, the regional
    // decimal separator and no grouping: 812.5, 16200, 1.5E20.
    static QString FormataReal(double valor);
    // A signed 32-bit whole decimal number; throws EErroConversao
    // ("'abc' is not a valid integer value") for anything else.
    static int ConverteInteiro(const QString& texto);

    static const QString SecaoJogo;     // "Orvanta"
    static const QString ChavePartidas; // "NTimes"
    static const QString ChaveGerente;  // "Manager"
    static const QString ChaveCusto;    // "Cost"
    static const QString ChaveTempo;    // "Time"

private:
    QString FCaminho;
};
