// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dialogs' pictures (resources/): the welcome's manager at the chart and
// the concluded project's cup.

#include <QImage>

QImage apresentacao();
QImage projetoConcluido();
