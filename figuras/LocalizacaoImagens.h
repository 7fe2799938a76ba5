// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>

// A file the program needs could not be read. what() names the full path tried.
class EErroArquivo : public std::runtime_error {
public:
    explicit EErroArquivo(const QString& mensagem) : std::runtime_error(mensagem.toStdString()) {}
};

// Folder holding the running program's file (without a trailing separator),
// as the application object reports it; a program without an application
// object gets its working folder. DefinePastaPrograma overrides it (tests),
// and an empty folder given to it goes back to the application's answer.
QString PastaPrograma();
void DefinePastaPrograma(const QString& pasta);

// Full path of a picture given relative to the program, e.g. "imagens/BigCorvin.bmp":
// the working folder's copy when it exists, otherwise the one beside the
// program, otherwise the installed one in ../share/orvanta relative to the
// program's folder. Empty when none exists.
QString LocalizaImagem(const QString& caminhoRelativo);

// Loads a picture looked up as LocalizaImagem does. Pictures are read once per
// process and shared afterwards (QImage is implicitly shared, so every owner
// still holds its own value). Throws EErroArquivo when the file is unreadable
// (naming its full path) or missing everywhere (naming the path beside the
// program).
QImage CarregaImagem(const QString& caminhoRelativo);

// Loads a picture from beside the program, or else from the installed copy,
// never from the working folder; read and reported as CarregaImagem does.
QImage CarregaImagemDoPrograma(const QString& caminhoRelativo);
