// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object of a tool that may draw charts. Charts are widgets
// that are never shown, so no display is needed; Qt's own remarks (a missing
// runtime folder, fonts) are not the tool's, whose standard error holds only
// its own lines.

#include "tools/ExecucaoFerramenta.h"

#include <QApplication>
#include <QCoreApplication>
#include <memory>

// The tool whose line a fatal Qt message is written as.
inline const char* FerramentaAplicacaoGrafica = "";

// A widget application on the offscreen platform when desenha, else a plain
// one; argc and argv are the program's name alone.
inline std::unique_ptr<QCoreApplication> CriaAplicacaoGrafica(int& argc, char** argv,
                                                              const char* ferramenta,
                                                              bool desenha) {
    FerramentaAplicacaoGrafica = ferramenta;
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtFatalMsg) {
            EscreveErroFerramenta(FerramentaAplicacaoGrafica, texto);
        }
    });
    if (!desenha) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}
