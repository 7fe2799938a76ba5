#pragma once

// The HTTP routes of the teacher's board, beside API v1's: the pages under
// /classes/CODE/ and their files under /static/. Paths are matched by plain
// patterns, as the API's are (see RotasServidor.h).

namespace httplib {
class Server;
}

class TApiQuadro;

void RegistraRotasQuadro(httplib::Server& servidor, TApiQuadro& api);
