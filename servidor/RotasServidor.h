#pragma once

// The HTTP routes of the class server. Paths are matched by plain
// patterns: literal text, a class code (letters and digits, at most 32) and
// a record's number (digits, at most 18), nothing that can match more than
// one way, so a path of any length is matched or refused in linear time.
// Pages for people (the teacher's board) get their routes here beside the API's.

#include "RespostaHttp.h"

namespace httplib {
class Server;
struct Response;
} // namespace httplib

class TApiTurmas;

// Puts an answer into the HTTP library's response.
void AplicaResposta(const TRespostaHttp& resposta, httplib::Response& res);

// Answers every request gets: "X-Content-Type-Options: nosniff", and
// {"error": "..."} with its charset for the refusals the HTTP library
// makes by itself (an unknown path, a body over the limit, a request it
// cannot read) and for a handler that fails.
void RegistraRespostasGerais(httplib::Server& servidor);

// The routes of API v1, /api/v1/classes/...
void RegistraRotasApi(httplib::Server& servidor, TApiTurmas& api);
