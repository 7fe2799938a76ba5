#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// A class link as the teacher hands it out: http://HOST:PORT/classes/CODE/
// (or https). The server's address and the class code are all the game
// needs: the class is checked at Base + /api/v1/classes/CODE and the game
// records are sent to .../records.
struct TLinkTurma {
    QUrl Base;      // scheme, host and port only
    QString Codigo; // capitals, as the server keeps codes

    // The link in its one written form: http://host:port/classes/CODE/.
    QString Texto() const;
    QUrl UrlTurma() const;
    QUrl UrlRegistros() const;

    bool operator==(const TLinkTurma&) const = default;

    // Reads a link as a student types or pastes it (surrounding spaces, a
    // missing final slash, a code in small letters). None, with why in one
    // line in motivo, for anything else.
    static std::optional<TLinkTurma> Le(const QString& texto, QString& motivo);
};

// Text from outside (a server's answer, a class name) as one line fit to
// show: control characters and runs of spaces become one space, and text
// beyond maximo characters is cut with an ellipsis.
QString LinhaUnica(const QString& texto, int maximo = 160);
