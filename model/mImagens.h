#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>

// A file the program needs could not be read. what() names the full path tried.
class EErroArquivo : public std::runtime_error {
public:
    explicit EErroArquivo(const QString& mensagem) : std::runtime_error(mensagem.toStdString()) {}
};

// Folder holding the running program's file (without a trailing separator).
// Taken from the operating system; DefinePastaPrograma overrides it (tests),
// and an empty folder given to it goes back to the operating system's answer.
QString PastaPrograma();
void DefinePastaPrograma(const QString& pasta);

// Full path of a picture given relative to the program, e.g. "imagens/BigCorvin.bmp":
// the working folder's copy when it exists, otherwise the one beside the
// program. Empty when neither exists.
QString LocalizaImagem(const QString& caminhoRelativo);

// Loads a picture looked up as LocalizaImagem does. Pictures are read once per
// process and shared afterwards (QImage is implicitly shared, so every owner
// still holds its own value). Throws EErroArquivo naming the full path tried
// when the file is missing or unreadable.
QImage CarregaImagem(const QString& caminhoRelativo);

// Loads a picture from beside the program only, read and reported as
// CarregaImagem does.
QImage CarregaImagemDoPrograma(const QString& caminhoRelativo);
