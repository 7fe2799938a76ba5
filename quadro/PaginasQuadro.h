#pragma once

// The board's own files (pages, style, scripts, icon), kept in the program
// as Qt resources so that the server needs nothing beside itself and the
// browser nothing from elsewhere; and the headers every board answer has.

#include "servidor/RespostaHttp.h"

#include <string>

inline constexpr char TipoHtml[] = "text/html; charset=utf-8";
inline constexpr char TipoSvg[] = "image/svg+xml; charset=utf-8";

// The pages' policy: their own scripts, styles and pictures only, no inline
// script or style, no frames around them, forms posting only to the server.
inline constexpr char PoliticaPaginas[] =
    "default-src 'self'; base-uri 'none'; form-action 'self'; frame-ancestors 'none'; "
    "object-src 'none'";

// A page of the board: "signin", "board", "game" or "public", with the
// headers of a page (PoliticaPaginas, never kept by caches, never framed).
TRespostaHttp PaginaQuadro(const char* nome, int status = 200);

// The sign-in page telling why the last attempt failed: erro is "wrong" (a
// wrong class code or key) or "busy" (too many attempts at once).
TRespostaHttp PaginaEntrada(const char* erro, int status);

// A file of the pages, by the name the pages ask for under /static/
// ("board.css", "board.js", ...): with its ETag, and 304 when seNenhum (the
// request's If-None-Match) names it. 404 for any other name.
TRespostaHttp ArquivoEstatico(const std::string& nome, const std::string& seNenhum);

// The headers of a board answer that is data (JSON, SVG, CSV, a record):
// never kept by caches, and a policy that runs nothing should it be
// opened as a page.
TRespostaHttp Particular(TRespostaHttp r);

// Compresses a JSON or SVG body (the HTTP library compresses text/* bodies
// itself, and leaves these alone) when the client accepts deflate.
void Comprime(TRespostaHttp& r, const std::string& aceitaCodificacao);

// A redirect (303 See Other) to caminho.
TRespostaHttp Redireciona(const QString& caminho, int status = 303);
