#include "BancoTurmas.h"

#include "EsquemaBanco.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <mutex>

namespace {

// SQLite lets one writer at a time in; the others would wait on its busy
// timeout in a loop. Writers of this process queue here instead, and the
// busy timeout is left for other processes (an import beside a server).
std::mutex EscritaSQLite;

std::atomic<quint64> ProximaConexao{0};

QString Motivo(const QSqlError& erro) {
    const QString texto = erro.databaseText().simplified();
    return texto.isEmpty() ? erro.driverText().simplified() : texto;
}

EConferencia ConferenciaPorNome(const QString& nome) {
    for (const EConferencia c : {EConferencia::Verificado, EConferencia::Divergente,
                                 EConferencia::NaoVerificado}) {
        if (NomeConferencia(c) == nome) {
            return c;
        }
    }
    return EConferencia::Ilegivel;
}

const QString ColunasRegistro = QStringLiteral(
    "id, manager, game, concluded, days, cost, check_result, sha256, note, started, uploaded, "
    "client_address");

const QString ColunasTurma =
    QStringLiteral("classes.id, classes.code, classes.name, classes.key_sha256, classes.created,"
                   " classes.public_view");

TTurma LeTurma(const QSqlQuery& q) {
    TTurma t;
    t.Id = q.value(0).toLongLong();
    t.Codigo = q.value(1).toString();
    t.Nome = q.value(2).toString();
    t.DigestoChave = q.value(3).toString();
    t.Criada = q.value(4).toString();
    t.VistaPublica = q.value(5).toString();
    return t;
}

TRegistroGuardado LeRegistro(const QSqlQuery& q) {
    TRegistroGuardado r;
    r.Id = q.value(0).toLongLong();
    TLinhaTurma& l = r.Linha;
    l.Arquivo = QString::number(r.Id);
    l.Gerente = q.value(1).toString();
    if (!q.value(2).isNull()) {
        l.Jogo = q.value(2).toInt();
    }
    l.Concluido = q.value(3).toBool();
    l.Dias = q.value(4).toInt();
    l.Custo = q.value(5).toDouble();
    l.Conferencia = ConferenciaPorNome(q.value(6).toString());
    l.Sha256 = q.value(7).toString();
    l.Nota = q.value(8).toString();
    r.Iniciado = q.value(9).toString();
    r.Enviado = q.value(10).toString();
    r.Endereco = q.value(11).toString();
    return r;
}

// Qt SQL binds a null QString as NULL; empty text is kept as empty text.
QVariant Texto(const QString& texto) {
    return texto.isNull() ? QVariant(QStringLiteral("")) : QVariant(texto);
}

QString Agora() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace

// A transaction that is rolled back unless committed. On SQLite it holds
// the process's write turn from its start, and takes the database's write
// lock at once (BEGIN IMMEDIATE), so that it never has to upgrade a read
// lock another writer is waiting on.
class TBancoTurmas::TTransacao {
public:
    explicit TTransacao(TBancoTurmas& banco) : FBanco(banco) {
        if (banco.FEndereco.Dialeto == EDialetoBanco::SQLite) {
            FVez = std::unique_lock(EscritaSQLite);
            banco.Executa(QStringLiteral("BEGIN IMMEDIATE"));
        } else {
            banco.Executa(QStringLiteral("BEGIN"));
        }
        FAberta = true;
    }
    ~TTransacao() {
        if (FAberta) {
            QSqlQuery(FBanco.Banco()).exec(QStringLiteral("ROLLBACK"));
        }
    }
    TTransacao(const TTransacao&) = delete;
    TTransacao& operator=(const TTransacao&) = delete;

    void Confirma() {
        FBanco.Executa(QStringLiteral("COMMIT"));
        FAberta = false;
    }

private:
    TBancoTurmas& FBanco;
    std::unique_lock<std::mutex> FVez;
    bool FAberta = false;
};

TBancoTurmas::TBancoTurmas(const TEnderecoBanco& endereco)
    : FEndereco(endereco),
      FConexao(QStringLiteral("orvanta-server-%1").arg(ProximaConexao.fetch_add(1))) {
    const bool sqlite = endereco.Dialeto == EDialetoBanco::SQLite;
    const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        throw EBanco{QStringLiteral("the %1 driver of Qt SQL is not installed (Debian: %2)")
                         .arg(driver, sqlite ? QStringLiteral("libqt6sql6-sqlite")
                                             : QStringLiteral("libqt6sql6-psql"))};
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, FConexao);
        if (sqlite) {
            db.setDatabaseName(endereco.Arquivo);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        } else {
            db.setHostName(endereco.Servidor);
            if (endereco.Porta > 0) {
                db.setPort(endereco.Porta);
            }
            db.setDatabaseName(endereco.Banco);
            db.setUserName(endereco.Usuario);
            db.setPassword(endereco.Senha);
            db.setConnectOptions(endereco.Opcoes);
        }
        if (!db.open()) {
            const QString motivo = Motivo(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(FConexao);
            throw EBanco{QStringLiteral("cannot open the database ") + endereco.Descricao +
                         QStringLiteral(": ") + motivo};
        }
    }
    try {
        if (!sqlite) {
            // libpq writes the server's notices ("relation ... already
            // exists, skipping") to standard error; the server's is its own.
            Executa(QStringLiteral("SET client_min_messages TO WARNING"));
        } else {
            // The write-ahead log lets readers go on while one writes; FULL
            // makes every commit reach the disk before it is answered.
            Executa(QStringLiteral("PRAGMA journal_mode=WAL"));
            Executa(QStringLiteral("PRAGMA synchronous=FULL"));
            Executa(QStringLiteral("PRAGMA foreign_keys=ON"));
        }
    } catch (...) {
        QSqlDatabase::database(FConexao, false).close();
        QSqlDatabase::removeDatabase(FConexao);
        throw;
    }
}

TBancoTurmas::~TBancoTurmas() {
    {
        QSqlDatabase db = QSqlDatabase::database(FConexao, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FConexao);
}

QSqlDatabase TBancoTurmas::Banco() const {
    return QSqlDatabase::database(FConexao, false);
}

void TBancoTurmas::Falha(const QString& motivo) const {
    throw EBanco{QStringLiteral("database ") + FEndereco.Descricao + QStringLiteral(": ") + motivo};
}

QSqlQuery TBancoTurmas::Executa(const QString& sql, const QVariantList& valores) {
    QSqlQuery q(Banco());
    q.setForwardOnly(true);
    bool feito = false;
    if (valores.isEmpty()) {
        feito = q.exec(sql);
    } else if (q.prepare(sql)) {
        for (const QVariant& v : valores) {
            q.addBindValue(v);
        }
        feito = q.exec();
    }
    if (!feito) {
        Falha(Motivo(q.lastError()));
    }
    return q;
}

void TBancoTurmas::PreparaEsquema() {
    TTransacao t(*this);
    if (FEndereco.Dialeto == EDialetoBanco::PostgreSQL) {
        // Servers started together on one database migrate one after the other.
        Executa(QStringLiteral("SELECT pg_advisory_xact_lock(7307120)"));
    }
    Executa(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"));
    QSqlQuery q = Executa(QStringLiteral("SELECT version FROM schema_version"));
    int versao = 0;
    if (q.next()) {
        versao = q.value(0).toInt();
    } else {
        Executa(QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"));
    }
    q.finish();
    if (versao > VersaoEsquema) {
        throw EBanco{QStringLiteral("the database %1 has schema version %2; this orvanta-server "
                                    "knows versions up to %3: use a newer orvanta-server")
                         .arg(FEndereco.Descricao, QString::number(versao),
                              QString::number(VersaoEsquema))};
    }
    for (int v = versao + 1; v <= VersaoEsquema; ++v) {
        for (const QString& comando : ComandosVersao(v, FEndereco.Dialeto)) {
            Executa(comando);
        }
        Executa(QStringLiteral("UPDATE schema_version SET version = ?"), {v});
    }
    t.Confirma();
}

std::optional<TTurma> TBancoTurmas::Turma(const QString& codigo) {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasTurma +
                              QStringLiteral(" FROM classes WHERE code = ?"),
                          {codigo});
    if (!q.next()) {
        return std::nullopt;
    }
    return LeTurma(q);
}

QList<TTurma> TBancoTurmas::Turmas() {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasTurma +
                          QStringLiteral(", (SELECT COUNT(*) FROM records r WHERE r.class_id = "
                                         "classes.id) FROM classes ORDER BY id"));
    QList<TTurma> turmas;
    while (q.next()) {
        TTurma turma = LeTurma(q);
        turma.Registros = q.value(6).toLongLong();
        turmas.append(turma);
    }
    return turmas;
}

bool TBancoTurmas::CriaTurma(TTurma& turma) {
    TTransacao t(*this);
    turma.Criada = Agora();
    QSqlQuery q = Executa(QStringLiteral("INSERT INTO classes (code, name, key_sha256, created)"
                                         " VALUES (?, ?, ?, ?) ON CONFLICT (code) DO NOTHING"
                                         " RETURNING id"),
                          {turma.Codigo, Texto(turma.Nome), turma.DigestoChave, turma.Criada});
    const bool criada = q.next();
    if (criada) {
        turma.Id = q.value(0).toLongLong();
    }
    q.finish();
    t.Confirma();
    return criada;
}

bool TBancoTurmas::TrocaChave(const QString& codigo, const QString& digesto) {
    TTransacao t(*this);
    QSqlQuery q = Executa(
        QStringLiteral("UPDATE classes SET key_sha256 = ? WHERE code = ? RETURNING id"),
        {digesto, codigo});
    const bool trocada = q.next();
    const QVariant turma = trocada ? q.value(0) : QVariant();
    q.finish();
    if (trocada) {
        Executa(QStringLiteral("DELETE FROM sessions WHERE class_id = ?"), {turma});
    }
    t.Confirma();
    return trocada;
}

std::optional<TRegistroGuardado> TBancoTurmas::RegistroPorDigesto(qint64 turma,
                                                                 const QString& sha256) {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasRegistro +
                              QStringLiteral(" FROM records WHERE class_id = ? AND sha256 = ?"),
                          {turma, sha256});
    if (!q.next()) {
        return std::nullopt;
    }
    return LeRegistro(q);
}

bool TBancoTurmas::GuardaRegistro(qint64 turma, TRegistroGuardado& registro,
                                  const QByteArray& conteudo) {
    const TLinhaTurma& l = registro.Linha;
    registro.Enviado = Agora();
    const QVariant semTexto(QMetaType::fromType<QString>());
    TTransacao t(*this);
    QSqlQuery q = Executa(
        QStringLiteral(
            "INSERT INTO records (class_id, sha256, body, manager, game, started, concluded,"
            " days, cost, check_result, note, uploaded, client_address)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            " ON CONFLICT (class_id, sha256) DO NOTHING RETURNING id"),
        {turma, l.Sha256, conteudo, Texto(l.Gerente),
         l.Jogo ? QVariant(qint64{*l.Jogo}) : QVariant(QMetaType::fromType<qint64>()),
         registro.Iniciado.isEmpty() ? semTexto : QVariant(registro.Iniciado),
         l.Concluido.value_or(false), l.Dias.value_or(0), l.Custo.value_or(0.0),
         NomeConferencia(l.Conferencia), Texto(l.Nota), registro.Enviado,
         Texto(registro.Endereco)});
    const bool novo = q.next();
    if (novo) {
        registro.Id = q.value(0).toLongLong();
        registro.Linha.Arquivo = QString::number(registro.Id);
    }
    q.finish();
    t.Confirma();
    if (novo) {
        return true;
    }
    std::optional<TRegistroGuardado> anterior = RegistroPorDigesto(turma, l.Sha256);
    if (!anterior) {
        Falha(QStringLiteral("a record refused as already kept is not there"));
    }
    registro = *anterior;
    return false;
}

QList<TRegistroGuardado> TBancoTurmas::Registros(qint64 turma) {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasRegistro +
                              QStringLiteral(" FROM records WHERE class_id = ? ORDER BY id"),
                          {turma});
    QList<TRegistroGuardado> registros;
    while (q.next()) {
        registros.append(LeRegistro(q));
    }
    return registros;
}

std::optional<QByteArray> TBancoTurmas::Conteudo(qint64 turma, qint64 registro) {
    QSqlQuery q = Executa(QStringLiteral("SELECT body FROM records WHERE class_id = ? AND id = ?"),
                          {turma, registro});
    if (!q.next()) {
        return std::nullopt;
    }
    return q.value(0).toByteArray();
}

std::optional<TRegistroGuardado> TBancoTurmas::Registro(qint64 turma, qint64 registro) {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasRegistro +
                              QStringLiteral(" FROM records WHERE class_id = ? AND id = ?"),
                          {turma, registro});
    if (!q.next()) {
        return std::nullopt;
    }
    return LeRegistro(q);
}

QString TBancoTurmas::VersaoRegistros(qint64 turma) {
    QSqlQuery q = Executa(
        QStringLiteral("SELECT COUNT(*), COALESCE(MAX(id), 0) FROM records WHERE class_id = ?"),
        {turma});
    q.next();
    return q.value(0).toString() + u'.' + q.value(1).toString();
}

void TBancoTurmas::AbreSessao(qint64 turma, const QString& digesto, qint64 agora,
                              qint64 expira) {
    TTransacao t(*this);
    Executa(QStringLiteral("DELETE FROM sessions WHERE expires <= ?"), {agora});
    Executa(QStringLiteral("INSERT INTO sessions (sha256, class_id, created, expires)"
                           " VALUES (?, ?, ?, ?)"),
            {digesto, turma, agora, expira});
    t.Confirma();
}

std::optional<TTurma> TBancoTurmas::TurmaDaSessao(const QString& codigo, const QString& digesto,
                                                  qint64 agora) {
    QSqlQuery q = Executa(QStringLiteral("SELECT ") + ColunasTurma +
                              QStringLiteral(" FROM classes JOIN sessions ON sessions.class_id ="
                                             " classes.id WHERE code = ? AND sessions.sha256 = ?"
                                             " AND sessions.expires > ?"),
                          {codigo, digesto, agora});
    if (!q.next()) {
        return std::nullopt;
    }
    return LeTurma(q);
}

void TBancoTurmas::FechaSessao(const QString& digesto) {
    TTransacao t(*this);
    Executa(QStringLiteral("DELETE FROM sessions WHERE sha256 = ?"), {digesto});
    t.Confirma();
}

bool TBancoTurmas::DefineVistaPublica(qint64 turma, const QString& vista) {
    TTransacao t(*this);
    QSqlQuery q = Executa(
        QStringLiteral("UPDATE classes SET public_view = ? WHERE id = ? RETURNING id"),
        {vista, turma});
    const bool feita = q.next();
    q.finish();
    t.Confirma();
    return feita;
}
