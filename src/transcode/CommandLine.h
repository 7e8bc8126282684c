#pragma once
#include <QString>
#include <QStringList>

// A command line is one string; these turn it into the program's argument vector and back.
// The rules are those of the Windows C runtime, so the command lines keep their familiar form:
// blanks (space, tab) separate arguments outside double quotes; 2n backslashes before a quote
// give n backslashes and the quote opens or closes a quoted part; 2n+1 backslashes before a
// quote give n backslashes and a literal quote; inside a quoted part "" gives a literal quote;
// backslashes not followed by a quote are literal. The program name follows the same rules.

// Splits `commandLine` into arguments; returns an empty list for a blank line.
QStringList splitCommandLine(const QString& commandLine);

// Quotes one argument so that splitCommandLine gives back exactly `argument` as one argument,
// whatever it holds (blanks, quotes, backslashes, a leading dash, shell syntax, non-ASCII).
// NUL characters cannot reach a program's argument vector and end the argument there.
QString quoteArgument(const QString& argument);
