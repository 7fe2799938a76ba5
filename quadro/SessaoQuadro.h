#pragma once

// How a teacher's browser stays signed in to a class's board: a session
// cookie holding a random id (the database keeps only its digest), scoped
// to the class's pages; and the check that a request which changes
// something comes from the board's own pages.

#include <QString>

#include <string>

inline constexpr char NomeCookieSessao[] = "orvanta_session";

// A session lasts this long from sign-in, whatever is done with it.
inline constexpr qint64 DuracaoSessaoSegundos = 12 * 60 * 60;

// A new session id: 256 bits from the system's random source in 43
// characters of the URL-safe Base64 alphabet.
QString NovaSessao();

// The pages of the class codigo (as stored): "/classes/CODE/".
QString CaminhoTurma(const QString& codigo);

// The Set-Cookie value that keeps sessao for the class's pages: HttpOnly
// (no script reads it), SameSite=Strict (no other site's page sends it),
// Secure when served over TLS, gone after DuracaoSessaoSegundos.
std::string CookieSessao(const QString& codigo, const QString& sessao, bool seguro);

// The Set-Cookie value that removes it.
std::string CookieRemovido(const QString& codigo, bool seguro);

// The session id in a Cookie header; empty when there is none of the right
// form (a browser sends only the class's own, the path being the class's).
QString SessaoDoCookie(const std::string& cookies);

// True when a request that changes something comes from a page of this
// server: its Origin is this server's (the scheme it serves and the Host the
// request names) or, without an Origin, its Referer is a page of it. A
// request naming neither, or "null", is refused.
bool MesmaOrigem(const std::string& origem, const std::string& referencia,
                 const std::string& host, bool tls);
