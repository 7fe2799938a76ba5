#pragma once

// The tables of a class server, the same for SQLite and PostgreSQL but for
// the few words their dialects spell differently. The schema grows by
// versions: the version a database has reached is kept in its
// schema_version table, and a server brings an older database up to its own
// version at start, one version at a time.

#include "EnderecoBanco.h"

#include <QStringList>

// The version this server writes and reads.
inline constexpr int VersaoEsquema = 2;

// The statements that take a database from version versao - 1 to versao.
QStringList ComandosVersao(int versao, EDialetoBanco dialeto);
