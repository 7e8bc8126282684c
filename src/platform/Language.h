#pragma once
#include <QLocale>
#include <QString>

// The language the program speaks: the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or the
// one named by the --lang option; and the file of that language among a file's translations.

// The locale for `code` ("de", "pt_BR", "zh_CN", ...; "en" for English); the desktop's locale
// when `code` is empty. A code Qt does not know gives the "C" locale, which has no translation.
QLocale startLocale(const QString& code);

// The translation of `path` for `locale`: "<folder>/<name>_<lang>.<ext>" for the first of the
// locale's languages, each also without its region ("de_AT", then "de"), for which such a file exists; `path` itself when none
// does (English is the fallback).
QString localizedFile(const QString& path, const QLocale& locale);
