// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>

#include <optional>

// The whole number a JSON value holds: none for anything but a number, and for
// a number with a fraction. Range checks are the caller's (huge exponents read
// as infinities, which are whole here).
std::optional<double> InteiroJson(const QJsonValue& valor);
