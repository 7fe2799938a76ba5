// The board's sessions and public view in the server's database, through
// TBancoTurmas on this thread: when a session opens its class, and an older
// database brought up to this schema. Run on SQLite, and on PostgreSQL when
// the fixture's cluster is named.

#include "ServidorTeste.h"
#include "servidor/BancoTurmas.h"
#include "servidor/ChavesTurma.h"
#include "servidor/EsquemaBanco.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

class TstSessoesServidor : public QObject {
    Q_OBJECT

    TBancoTeste FBanco;

    TEnderecoBanco Endereco() const {
        if (!FBanco.PostgreSQL()) {
            return EnderecoSQLite(FBanco.Pasta());
        }
        QString erro;
        return *LeEnderecoPostgreSQL(FBanco.Argumentos().at(1), erro);
    }

    TTurma Cria(TBancoTurmas& banco, const QString& nome) {
        TTurma t;
        t.Nome = nome;
        t.DigestoChave = DigestoChave(NovaChaveProfessor());
        do {
            t.Codigo = NovoCodigoTurma();
        } while (!banco.CriaTurma(t));
        return t;
    }

private slots:
    void initTestCase() {
        QVERIFY2(FBanco.Valido(), "the PostgreSQL fixture's state file cannot be read");
    }

    // Guards against a session that opens another class, outlives its end,
    // survives signing out or a new teacher key, or one whose expired
    // neighbours pile up for ever.
    void ASessionOpensItsClassUntilItEnds() {
        TBancoTurmas banco(Endereco());
        banco.PreparaEsquema();
        const TTurma a = Cria(banco, u"A"_s);
        const TTurma b = Cria(banco, u"B"_s);
        QCOMPARE(banco.Turma(a.Codigo)->VistaPublica, u"off"_s);
        const QString sessao = DigestoChave(u"session a"_s);
        const qint64 t0 = 1'700'000'000;
        banco.AbreSessao(a.Id, sessao, t0, t0 + 43200);
        QCOMPARE(banco.TurmaDaSessao(a.Codigo, sessao, t0 + 1)->Id, a.Id);
        QCOMPARE(banco.TurmaDaSessao(a.Codigo, sessao, t0 + 43199)->Nome, u"A"_s);
        QVERIFY(!banco.TurmaDaSessao(a.Codigo, sessao, t0 + 43200));
        QVERIFY(!banco.TurmaDaSessao(b.Codigo, sessao, t0 + 1));
        QVERIFY(!banco.TurmaDaSessao(a.Codigo, DigestoChave(u"session b"_s), t0 + 1));

        // Opening a session forgets those already ended.
        banco.AbreSessao(b.Id, DigestoChave(u"session b"_s), t0 + 50000, t0 + 93200);
        QVERIFY(!banco.TurmaDaSessao(a.Codigo, sessao, t0 + 1));
        QVERIFY(banco.TurmaDaSessao(b.Codigo, DigestoChave(u"session b"_s), t0 + 50001));

        banco.AbreSessao(a.Id, sessao, t0 + 50000, t0 + 93200);
        banco.FechaSessao(sessao);
        QVERIFY(!banco.TurmaDaSessao(a.Codigo, sessao, t0 + 50001));

        banco.AbreSessao(a.Id, sessao, t0 + 50000, t0 + 93200);
        QVERIFY(banco.TrocaChave(a.Codigo, DigestoChave(NovaChaveProfessor())));
        QVERIFY(!banco.TurmaDaSessao(a.Codigo, sessao, t0 + 50001));
        QVERIFY(banco.TurmaDaSessao(b.Codigo, DigestoChave(u"session b"_s), t0 + 50001));

        QVERIFY(banco.DefineVistaPublica(b.Id, u"initials"_s));
        QCOMPARE(banco.TurmaDaSessao(b.Codigo, DigestoChave(u"session b"_s), t0 + 50001)
                     ->VistaPublica,
                 u"initials"_s);
        QVERIFY(!banco.DefineVistaPublica(-1, u"numbers"_s));
    }

    // Guards against a database of the first version (a server already in
    // use) refused, emptied or left without the board's tables.
    void AFirstVersionDatabaseGainsTheBoardsTables() {
        if (FBanco.PostgreSQL()) {
            QSKIP("the fixture's database is shared by every suite: an SQLite file stands for "
                  "an older database");
        }
        QTemporaryDir pasta;
        const TEnderecoBanco endereco = EnderecoSQLite(pasta.path());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"v1"_s);
            db.setDatabaseName(endereco.Arquivo);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(u"CREATE TABLE schema_version (version INTEGER NOT NULL)"_s));
            QVERIFY(q.exec(u"INSERT INTO schema_version (version) VALUES (1)"_s));
            for (const QString& comando : ComandosVersao(1, EDialetoBanco::SQLite)) {
                QVERIFY2(q.exec(comando), qPrintable(comando));
            }
            QVERIFY(q.exec(u"INSERT INTO classes (code, name, key_sha256, created)"
                           " VALUES ('ABCD2345', 'Kept', 'x', '2024-01-01T00:00:00Z')"_s));
        }
        QSqlDatabase::removeDatabase(u"v1"_s);
        TBancoTurmas banco(endereco);
        banco.PreparaEsquema();
        const std::optional<TTurma> turma = banco.Turma(u"ABCD2345"_s);
        QVERIFY(turma);
        QCOMPARE(turma->Nome, u"Kept"_s);
        QCOMPARE(turma->VistaPublica, u"off"_s);
        banco.AbreSessao(turma->Id, u"s"_s, 10, 20);
        QVERIFY(banco.TurmaDaSessao(u"ABCD2345"_s, u"s"_s, 11));
        QCOMPARE(VersaoEsquema, 2);
    }
};

QTEST_GUILESS_MAIN(TstSessoesServidor)
#include "tst_sessoes_servidor.moc"
