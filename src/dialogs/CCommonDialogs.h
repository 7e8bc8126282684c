#pragma once
#include "dialogs/DialogBackend.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <stdexcept>

// Raised by the dialog methods that need an owner window when Init has not given one (or it is
// gone), and by ShowOpen for an initial FileName longer than 260 characters. Nothing has been
// shown and no output changed when it is raised.
class DialogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The standard dialogs behind one object with plain properties: set the inputs, call a Show
// method, and on true read the outputs; on false nothing changed. Holds the owner window weakly
// and uses the backend it is given; owns neither.
class CCommonDialogs {
public:
    // `appDir` is where the save dialog opens when Path names no folder.
    CCommonDialogs(DialogBackend& backend, QString appDir);

    void setFontUnderline(bool value) { fontUnderline_ = value; }
    bool FontUnderline() const { return fontUnderline_; }
    void setFontItalic(bool value) { fontItalic_ = value; }
    bool FontItalic() const { return fontItalic_; }
    void setFontBold(bool value) { fontBold_ = value; }
    bool FontBold() const { return fontBold_; }
    void setFontSize(qint16 points) { fontSize_ = points; }
    qint16 FontSize() const { return fontSize_; }
    void setFontName(const QString& vData) { fontName_ = vData; }
    QString FontName() const { return fontName_; }
    void setColor(quint32 nNew) { color_ = nNew; }  // 0x00BBGGRR
    quint32 Color() const { return color_; }
    void setDefExt(const QString& value) { defExt_ = value; }
    QString DefExt() const { return defExt_; }
    void setTitle(const QString& value) { title_ = value; }
    QString Title() const { return cutAtNul(title_); }
    // Stores the window that owns every dialog; call before the first dialog.
    void Init(QWidget* OwnerForm) { owner_ = OwnerForm; }
    void setPath(const QString& value) { path_ = value; }
    QString Path() const { return cutAtNul(path_); }
    void setFileTitle(const QString& value) { fileTitle_ = value; }
    QString FileTitle() const { return cutAtNul(fileTitle_); }
    QString Filter() const { return filter_; }
    void setFilter(const QString& vNewValue) { filter_ = vNewValue; }
    QString FileName() const { return cutAtNul(fileName_); }
    void setFileName(const QString& sNewVal) { fileName_ = sNewVal; }
    // The folder the open dialog starts in; empty (the default): the process's current folder.
    void setInitDir(const QString& value) { initDir_ = value; }
    QString InitDir() const { return initDir_; }
    // The name the save dialog offers in its name box; empty (the default): the box starts empty.
    void setSuggestedName(const QString& value) { suggestedName_ = value; }
    QString SuggestedName() const { return suggestedName_; }

    // Each returns true when the user confirmed, false when cancelled (outputs unchanged).
    // ShowPrinter, ShowFolder, ShowColor, ShowOpen and ShowSave throw DialogError without owner.
    bool ShowPrinter();
    // Path := the chosen folder; FileName and FileTitle emptied.
    bool ShowFolder();
    // Color := the chosen colour.
    bool ShowColor(bool FullOpen);
    // FontName, FontSize (whole points), FontBold, FontItalic := the choice. Never throws.
    bool ShowFont();
    // Opens in InitDir (or the current folder) with FileName in the name box; FileName, FileTitle, Path :=
    // the chosen file. Throws DialogError for a FileName over 260 characters.
    bool ShowOpen();
    // The printer's page settings. Never throws; false where there is no printer.
    bool ShowPrinterProperties();
    // Settles Path first (kept even on cancel), opens there with SuggestedName in the name box, the Filter's
    // first entry selected and a question before replacing a file; FileName, FileTitle, Path :=
    // the chosen file.
    bool ShowSave();

private:
    QWidget* requireOwner(const char* method) const;
    void takeFile(const QString& chosen);

    DialogBackend& backend_;
    QString appDir_;
    QString fileTitle_;
    QString path_;
    QString filter_;
    QString fileName_;
    QString initDir_;
    QString suggestedName_;
    quint32 color_ = 0;
    QString title_;
    QPointer<QWidget> owner_;
    QString defExt_;
    QString fontName_;
    qint16 fontSize_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    bool fontUnderline_ = false;
};
