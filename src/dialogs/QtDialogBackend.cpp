#include "dialogs/QtDialogBackend.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QTreeView>

#include <utility>

namespace {
void makeModal(QDialog& dialog, QWidget* owner)
{
    dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

// Qt's file dialog reads a name that holds a double quote as a list of quoted names, so
// `we"ird.m4r` came back as `ird.m4r`. A save takes exactly one name: this dialog returns the
// name box's text as typed, byte for byte, and asks about replacing that very file.
class ExactNameFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The name chosen with a quote in it; empty when Qt's own reading was used.
    const QString& exactName() const { return exactName_; }

protected:
    void accept() override
    {
        const QLineEdit* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (acceptMode() != AcceptSave || !edit || !edit->text().contains(QLatin1Char('"'))) {
            QFileDialog::accept();
            return;
        }
        const QString typed = edit->text();
        QString path = QDir::isAbsolutePath(typed) ? typed : directory().absoluteFilePath(typed);
        if (!defaultSuffix().isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + defaultSuffix();
        const QFileInfo info(path);
        if (info.isDir() || !info.dir().exists())
            return;  // as Qt does for a folder or a missing folder: the dialog stays
        if (info.exists() && !testOption(DontConfirmOverwrite) &&
            QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate("QFileDialog",
                                                             "%1 already exists.\nDo you want to replace it?")
                                     .arg(info.fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        exactName_ = path;
        QDialog::accept();
    }

private:
    QString exactName_;
};

// The detail view shows each column whole: the names take what is left after the size, type
// and date columns have their contents' width.
void showColumnsWhole(QFileDialog& dialog)
{
    dialog.setViewMode(QFileDialog::Detail);
    if (auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = tree->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

std::optional<QString> runFileDialog(QWidget* owner, const FileRequest& request, bool save)
{
    ExactNameFileDialog dialog(owner, request.title, request.directory);
    dialog.resize(760, 460);
    showColumnsWhole(dialog);
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
    if (!dialog.exactName().isEmpty())
        return dialog.exactName();
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
