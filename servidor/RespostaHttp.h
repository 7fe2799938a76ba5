#pragma once

// An answer of the server, built apart from the HTTP library: a status, the
// body with its type (always naming its charset), and further headers.

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <string>
#include <utility>
#include <vector>

inline constexpr char TipoJson[] = "application/json; charset=utf-8";
inline constexpr char TipoCsv[] = "text/csv; charset=utf-8; header=present";

struct TRespostaHttp {
    int Status = 200;
    std::string Corpo;
    std::string Tipo = TipoJson;
    std::vector<std::pair<std::string, std::string>> Cabecalhos;
};

// A JSON value as the body (compact, UTF-8).
TRespostaHttp RespostaJson(int status, const QJsonValue& valor);

// {"error": mensagem}: mensagem is one line, put in the JSON as text.
TRespostaHttp RespostaErro(int status, const QString& mensagem);

// Bytes as they are, of the given type.
TRespostaHttp RespostaBytes(const QByteArray& bytes, const char* tipo);
