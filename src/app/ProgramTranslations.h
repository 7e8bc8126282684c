#pragma once
#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

// The folder of the program's compiled translations (tunesnip_<lang>.qm): "translations" beside
// its help page, in the build's application folder and in an installed tree alike.
QString translationsFolderFor(const QString& helpFile);

// The program's texts and Qt's own (its dialogs and standard buttons) in one language, for as
// long as it lives. Owns the two translators it installs in the application and removes them
// again when it ends.
class ProgramTranslations {
public:
    ProgramTranslations();
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Makes `locale` the default locale and installs tunesnip_<lang>.qm from `folder` and Qt's
    // qtbase_<lang>.qm from Qt's translations folder, replacing what an earlier call installed.
    // Returns whether the program's own translation was found; false for English, which needs
    // none, and for a language without one (the texts stay English).
    bool install(const QLocale& locale, const QString& folder);

private:
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};
