#pragma once

// The classes and their game records in the server's database, through Qt
// SQL. One TBancoTurmas is one connection, made, used and closed on one
// thread (Qt SQL's rule): every thread that reaches the database has its
// own.

#include "EnderecoBanco.h"
#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

class QSqlDatabase;
class QSqlQuery;

// The database cannot be opened, or a statement failed. One line.
struct EBanco {
    QString mensagem;
};

struct TTurma {
    qint64 Id = 0;
    QString Codigo;
    QString Nome;
    QString DigestoChave; // see DigestoChave
    QString Criada;       // ISO 8601, UTC
    qint64 Registros = 0; // given by Turmas() only
    // Whether the class's results are shown without the key, and how its
    // players are named there: "off", "numbers" or "initials".
    QString VistaPublica = QStringLiteral("off");
};

// A game record as the server keeps it (its bytes apart).
struct TRegistroGuardado {
    qint64 Id = 0;
    // As the class table shows it: Arquivo is the id, Nota the one-line note
    // (a mismatch's two results); Concluido, Dias and Custo always given.
    TLinhaTurma Linha;
    QString Iniciado; // "meta" "started" as the record gives it; empty when absent
    QString Enviado;  // when it arrived, ISO 8601 UTC with milliseconds
    QString Endereco; // the sender's address; empty for a record imported from files
};

class TBancoTurmas {
public:
    // Opens a connection for the calling thread. Throws EBanco naming the
    // database (never its password) and the reason.
    explicit TBancoTurmas(const TEnderecoBanco& endereco);
    ~TBancoTurmas();
    TBancoTurmas(const TBancoTurmas&) = delete;
    TBancoTurmas& operator=(const TBancoTurmas&) = delete;

    // Creates the tables, or brings them up to VersaoEsquema; several servers
    // starting at once on one database take turns. Throws EBanco, also for a
    // database of a newer schema than this server's.
    void PreparaEsquema();

    std::optional<TTurma> Turma(const QString& codigo);
    // Every class, in order of creation, with its count of records.
    QList<TTurma> Turmas();
    // Adds a class (Id set); false when its code is already taken.
    bool CriaTurma(TTurma& turma);
    // Replaces a class's key digest and ends the sessions the old key
    // opened; false when there is no such class.
    bool TrocaChave(const QString& codigo, const QString& digesto);

    std::optional<TRegistroGuardado> RegistroPorDigesto(qint64 turma, const QString& sha256);
    // Keeps a record of the class with its bytes: true with registro.Id set,
    // committed; or false, with registro replaced by the record of the same
    // digest kept before (by this server or another).
    bool GuardaRegistro(qint64 turma, TRegistroGuardado& registro, const QByteArray& conteudo);
    // A class's records in the order they arrived.
    QList<TRegistroGuardado> Registros(qint64 turma);
    // A record's bytes; none when the class holds no record of that id.
    std::optional<QByteArray> Conteudo(qint64 turma, qint64 registro);

    // The teacher's board. Times are seconds since 1970, UTC.
    // Keeps a session of the class by its digest until expira, and forgets
    // the sessions (of every class) that ended before agora.
    void AbreSessao(qint64 turma, const QString& digesto, qint64 agora, qint64 expira);
    // The class of codigo when digesto is one of its sessions still open at
    // agora; none for an unknown class, an unknown session, another class's
    // session or an ended one alike.
    std::optional<TTurma> TurmaDaSessao(const QString& codigo, const QString& digesto,
                                        qint64 agora);
    void FechaSessao(const QString& digesto);
    // Sets TTurma::VistaPublica; false when there is no such class.
    bool DefineVistaPublica(qint64 turma, const QString& vista);
    // Changes whenever a record is added to the class (records are never
    // changed or removed): their count and the newest id, as "N.ID".
    QString VersaoRegistros(qint64 turma);
    // One record of the class; none when the class holds no record of that id.
    std::optional<TRegistroGuardado> Registro(qint64 turma, qint64 registro);

    const TEnderecoBanco& Endereco() const { return FEndereco; }

private:
    class TTransacao;

    QSqlDatabase Banco() const;
    QSqlQuery Executa(const QString& sql, const QVariantList& valores = {});
    [[noreturn]] void Falha(const QString& motivo) const;

    TEnderecoBanco FEndereco;
    QString FConexao;
};
