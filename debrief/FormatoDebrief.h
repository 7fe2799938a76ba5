#pragma once

#include <QLocale>
#include <QString>

// Numbers as the game writes them on screen: whole days and counts "#,##0",
// money "#,##0.00", with the user's separators and thousands grouped (in
// the C locale: "10,796.21").

QLocale LocalDebrief();

// "10,796.21"
QString TextoDinheiro(double valor);
// "1,234": rounded to a whole number (days, errors, people).
QString TextoInteiro(double valor);
// Whole when it is, else with casas decimals: "8", "10.5", "1,234.25".
QString Numero(double valor, int casas = 2);
