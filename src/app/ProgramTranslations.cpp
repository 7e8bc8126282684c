#include "app/ProgramTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

QString translationsFolderFor(const QString& helpFile)
{
    return QFileInfo(helpFile).path() + QStringLiteral("/translations");
}

ProgramTranslations::ProgramTranslations() = default;

ProgramTranslations::~ProgramTranslations()
{
    for (const auto& t : {own_.get(), qt_.get()})
        if (t)
            QCoreApplication::removeTranslator(t);
}

bool ProgramTranslations::install(const QLocale& locale, const QString& folder)
{
    for (auto* t : {&own_, &qt_}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    QLocale::setDefault(locale);
    auto own = std::make_unique<QTranslator>();
    const bool found = own->load(locale, QStringLiteral("tunesnip"), QStringLiteral("_"), folder);
    // Qt's own texts only with the program's: an English program keeps English buttons.
    if (!found)
        return false;
    QCoreApplication::installTranslator(own.get());
    own_ = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
    return true;
}
