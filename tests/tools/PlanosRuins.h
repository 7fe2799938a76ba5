#pragma once

// Bad plans, one of each kind of fault the plan reader finds, with a part
// of the message it gives: the runner refuses them (orvanta-sim's tests),
// and so does the class server (its API's tests).

#include <QByteArray>
#include <QString>
#include <QtTest>

// Adds a row per bad plan to a data-driven test with the columns
// "plano" (QByteArray) and "mensagem" (QString). The message is as read
// from standard input ("standard input: ..." where the reader names the
// source).
inline void LinhasPlanosRuins() {
    // One row for each kind of fault.
    QTest::newRow("malformed") << QByteArray("{\n  \"team\": [\"Corvin\",\n}")
                               << "standard input: malformed JSON at line 3, column 1";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "the plan must be a JSON object";
    QTest::newRow("unknown key in an event")
        << QByteArray(R"({"events": [{"day": 3, "colour": 1}]})")
        << "event for day 3: unknown key \"colour\"";
    QTest::newRow("developer names are exact")
        << QByteArray(R"({"team": ["corvin"]})") << "\"team\": unknown developer \"corvin\"";
    QTest::newRow("unknown activity")
        << QByteArray(R"({"assign": {"17": null}})") << "unknown activity \"17\"";
    QTest::newRow("activity given twice")
        << QByteArray(R"({"assign": {"4": null, "System Architecture": null}})")
        << "activity 4 (\"System Architecture\") is given twice";
    QTest::newRow("assign after leaving")
        << QByteArray(R"({"team": ["Corvin"], "events": [{"day": 2, "team": ["Fennick"]},
                     {"day": 3, "assign": {"3": "Corvin"}}]})")
        << "event for day 3: \"assign\" of activity 3 (\"Students and Registration use "
           "cases\"): \"Corvin\" is not in the team at that moment";
    QTest::newRow("hours out of range")
        << QByteArray(R"({"hours": {"Corvin": 13}})")
        << "\"hours\" of \"Corvin\" is 13, out of range 8 to 12";
    QTest::newRow("hours as text")
        << QByteArray(R"({"hours": {"Corvin": "10"}})") << "must be a whole number, not \"10\"";
    QTest::newRow("inspection hours for a coding")
        << QByteArray(R"({"inspection_hours": {"11": 8}})")
        << "activity 11 (\"Users and Professors Coding\") is not an inspection";
    QTest::newRow("event without a day")
        << QByteArray(R"({"events": [{"team": []}]})") << "event 1 has no \"day\"";
    QTest::newRow("two events on one day")
        << QByteArray(R"({"events": [{"day": 5}, {"day": 5}]})") << "events out of order";
    // Quoted text from the plan is escaped: the line stays whole.
    QTest::newRow("newline in a key") << QByteArray("{\"a\\nb\": 1}")
                                      << "unknown key \"a\\nb\"";
    QTest::newRow("NUL and escape in a name")
        << QByteArray("{\"team\": [\"\\u0000\\u001b[2J\"]}")
        << "unknown developer \"\\u0000\\u001b[2J\"";
}
