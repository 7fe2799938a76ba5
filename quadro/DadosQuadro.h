#pragma once

// What the board's pages receive: JSON built from the class's records. The
// pages put every text of it in as text; nothing here is markup.

#include "VistaPublica.h"
#include "servidor/BancoTurmas.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Where students send their games: the link to hand out, and, when the
// server cannot be reached from other machines as it listens, why.
struct TLinkTurma {
    QString Link;
    QString Aviso;
};

// The class link as a browser reaching host (the request's Host header)
// should hand it out. A host of this machine alone (127.0.0.1, localhost,
// ::1) is replaced by this machine's address on the network when the server
// listens on every address (enderecoEscuta 0.0.0.0 or ::); when it listens
// on this machine alone, the link stays and the warning says so.
TLinkTurma LinkTurma(const QString& codigo, const QString& host, bool tls,
                     const QString& enderecoEscuta);

// The board: {"class": {"code", "name", "link", "link_warning"},
// "public_view", "version", "records": [{"id", "manager", "game",
// "concluded", "days", "cost", "check", "note", "sha256", "uploaded"}, ...]}
// in the order the records arrived.
QJsonObject JsonQuadro(const TTurma& turma, const QList<TRegistroGuardado>& registros,
                       const TLinkTurma& link, const QString& versao);

// The public view: the same without names, digests, notes or the records'
// ids: {"class": {"name", "link"}, "version", "records": [{"id" (1, 2, ...
// in order of arrival), "player", "game", "concluded", "days", "cost",
// "check", "uploaded"}, ...]}.
QJsonObject JsonPublico(const TTurma& turma, const QList<TRegistroGuardado>& registros,
                        EVistaPublica vista, const TLinkTurma& link, const QString& versao);

// One game: the board's fields of its record, "started", and the debrief's
// charts: [{"name", "file"}] ("Cost", "cost.svg", ...).
QJsonObject JsonJogo(const TRegistroGuardado& registro, const QStringList& graficos);

// The file name a chart of a game is served as: its name in small letters,
// spaces as "-", ".svg".
QString ArquivoGrafico(const QString& nome);

// The version of what a class's records look like ("N.ID", as
// TBancoTurmas::VersaoRegistros gives it), from the records themselves.
QString VersaoDe(const QList<TRegistroGuardado>& registros);
