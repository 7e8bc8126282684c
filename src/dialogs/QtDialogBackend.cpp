#include "dialogs/QtDialogBackend.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <utility>

namespace {
void makeModal(QDialog& dialog, QWidget* owner)
{
    dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

std::optional<QString> runFileDialog(QWidget* owner, const FileRequest& request, bool save)
{
    QFileDialog dialog(owner, request.title, request.directory);
    makeModal(dialog, owner);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The descriptions already name their patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    QStringList filters;
    for (const FilterEntry& e : request.filters)
        filters << qtNameFilter(e);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.selectedFilter, filters.first()));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    return files.first();
}
}

QtDialogBackend::QtDialogBackend(std::function<bool()> printerAvailable)
    : printerAvailable_(std::move(printerAvailable))
{
    if (!printerAvailable_)
        printerAvailable_ = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
}

std::optional<QString> QtDialogBackend::getOpenFileName(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, false);
}

std::optional<QString> QtDialogBackend::getSaveFileName(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, true);
}

std::optional<QColor> QtDialogBackend::getColor(QWidget* owner, const QColor& initial, bool fullOpen)
{
    // Qt's colour dialog always shows its full form, so fullOpen changes nothing here.
    Q_UNUSED(fullOpen);
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));
    QColorDialog dialog(initial, owner);
    makeModal(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FontChoice> QtDialogBackend::getFont(QWidget* owner, const FontRequest& request)
{
    QFont font(request.family);
    if (request.pixelHeight > 0)
        font.setPixelSize(request.pixelHeight);
    font.setBold(request.bold);
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    QFontDialog dialog(font, owner);
    makeModal(dialog, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    FontChoice choice;
    choice.family = chosen.family();
    choice.pointSize = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : QFontInfo(chosen).pointSizeF();
    choice.bold = chosen.weight() >= QFont::Bold;
    choice.italic = chosen.italic();
    return choice;
}

std::optional<QString> QtDialogBackend::getExistingDirectory(QWidget* owner, const QString& title)
{
    QFileDialog dialog(owner, title);
    makeModal(dialog, owner);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList dirs = dialog.selectedFiles();
    if (dirs.isEmpty() || dirs.first().isEmpty())
        return std::nullopt;
    return dirs.first();
}

bool QtDialogBackend::print(QWidget* owner)
{
    if (!printerAvailable_())
        return false;
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    makeModal(dialog, owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogBackend::pageSetup(QWidget* owner)
{
    if (!printerAvailable_())
        return false;
    QPrinter printer;
    QPageSetupDialog dialog(&printer, owner);
    makeModal(dialog, owner);
    return dialog.exec() == QDialog::Accepted;
}
