// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <functional>

// A developer's two pictures: the large one of the work hours and developer
// details dialogs, the small one of the team panel, the activity chart, the
// team list and the activity details.
struct TImagensDesenvolvedor {
    QImage Grande;
    QImage Pequena;
};

// Where the developers' pictures come from, asked by the developer's name.
// The model reads no file: the game hands the simulator a source that loads
// the picture files; the tools hand none, and their developers have none.
using TFonteImagens = std::function<TImagensDesenvolvedor(const QString& nome)>;
