#pragma once

// What the board's answers need of a request, apart from the HTTP library.

#include <string>

struct TPedidoQuadro {
    std::string Codigo; // the class code in the path, as typed
    std::string Cookie;
    std::string Autorizacao; // Authorization
    std::string Origem;      // Origin
    std::string Referencia;  // Referer
    std::string Host;
    std::string SeNenhum; // If-None-Match
    std::string AceitaCodificacao; // Accept-Encoding
};
