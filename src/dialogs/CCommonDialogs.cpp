#include "dialogs/CCommonDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <string>
#include <utility>

namespace {
constexpr qsizetype kMaxInitialName = 260;
}

CCommonDialogs::CCommonDialogs(DialogBackend& backend, QString appDir)
    : backend_(backend), appDir_(std::move(appDir))
{
}

QWidget* CCommonDialogs::requireOwner(const char* method) const
{
    if (!owner_)
        throw DialogError(std::string("CCommonDialogs::") + method + ": no owner window (call Init first)");
    return owner_;
}

void CCommonDialogs::takeFile(const QString& chosen)
{
    fileName_ = chosen;
    fileTitle_ = titleOfFile(chosen);
    path_ = folderOfFile(chosen);
}

bool CCommonDialogs::ShowPrinter()
{
    return backend_.print(requireOwner("ShowPrinter"));
}

bool CCommonDialogs::ShowFolder()
{
    QWidget* owner = requireOwner("ShowFolder");
    const std::optional<QString> folder = backend_.getExistingDirectory(owner, Title());
    if (!folder)
        return false;
    path_ = *folder;
    fileName_.clear();
    fileTitle_.clear();
    return true;
}

bool CCommonDialogs::ShowColor(bool FullOpen)
{
    QWidget* owner = requireOwner("ShowColor");
    const std::optional<QColor> chosen = backend_.getColor(owner, QColor::fromRgb(rgbFromColorRef(color_)), FullOpen);
    if (!chosen || !chosen->isValid())
        return false;
    color_ = colorRefFromRgb(chosen->rgb());
    return true;
}

bool CCommonDialogs::ShowFont()
{
    // No owner is no error here: the dialog then belongs to the application.
    FontRequest request;
    request.family = faceNameForDialog(fontName_);
    request.bold = fontBold_;
    request.italic = fontItalic_;
    request.underline = fontUnderline_;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        request.pixelHeight = fontPixelHeight(fontSize_, qRound(screen->logicalDotsPerInchY()));
    const std::optional<FontChoice> chosen = backend_.getFont(owner_.data(), request);
    if (!chosen)
        return false;
    fontName_ = cutAtNul(chosen->family);
    fontBold_ = chosen->bold;
    fontItalic_ = chosen->italic;
    fontSize_ = static_cast<qint16>(wholePoints(chosen->pointSize));
    return true;
}

bool CCommonDialogs::ShowOpen()
{
    const QString initial = FileName();
    if (initial.size() > kMaxInitialName)
        throw DialogError("CCommonDialogs::ShowOpen: FileName is longer than 260 characters");
    QWidget* owner = requireOwner("ShowOpen");
    FileRequest request;
    request.title = Title();
    request.directory = initDir_.isEmpty() ? QDir::currentPath() : initDir_;
    request.initialName = initial;
    request.filters = openFilterEntries(filter_);
    request.defaultSuffix = defExt_;
    const std::optional<QString> chosen = backend_.getOpenFileName(owner, request);
    if (!chosen || chosen->isEmpty())
        return false;
    takeFile(cutAtNul(*chosen));
    return true;
}

bool CCommonDialogs::ShowPrinterProperties()
{
    return backend_.pageSetup(owner_.data());
}

bool CCommonDialogs::ShowSave()
{
    path_ = settleSavePath(Path(), appDir_);
    QWidget* owner = requireOwner("ShowSave");
    FileRequest request;
    request.title = QCoreApplication::translate("CCommonDialogs", "Save");
    request.directory = Path();
    request.initialName = suggestedName_;
    request.filters = saveFilterEntries(filter_);
    request.selectedFilter = 0;
    // Replacing a file the user did not mean to lose is asked about first.
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = backend_.getSaveFileName(owner, request);
    if (!chosen || chosen->isEmpty())
        return false;
    takeFile(cutAtNul(*chosen));
    return true;
}
