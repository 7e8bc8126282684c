#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The INI text that QSettings (IniFormat) reads and writes, for settings whose values are texts
// or lists of texts: "[group]" lines, each followed by its "key=value" lines. Files written here
// read the same through QSettings, and the other way round, so a history kept by an earlier
// build stays readable. Read from bytes the caller has already read, so it never touches a file.

// Settings by "group/key" (a key outside any group stands alone). A value is a list of texts: a
// single text is a list of one (an empty value a list of one empty text), a missing value an
// empty list.
using IniValues = QMap<QString, QStringList>;

// The settings in `text`. Lines it cannot make sense of are passed over; a key given twice keeps
// its last value. Takes time in proportion to the length of `text`.
IniValues parseIniText(const QByteArray& text);

// The INI text of `values`: groups and keys in order, one blank line between groups; a list of
// one text as that text, of several as "a, b, c", an empty list as "@Invalid()", with the
// quoting and escapes QSettings uses. Empty for no values.
QByteArray iniText(const IniValues& values);
