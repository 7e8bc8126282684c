#pragma once
#include <QList>
#include <QRgb>
#include <QString>

// The rules of the common dialog wrapper that need no window: filter lists, the save dialog's
// starting folder, the cut at NUL, folder and title of a chosen file, font sizes and colours.

// One entry of a file-type list: a description and its patterns ("*.mp3", or several joined
// by ";").
struct FilterEntry {
    QString description;
    QString pattern;
    bool operator==(const FilterEntry&) const = default;
};

// The text before the first NUL character; the whole text when it holds none.
QString cutAtNul(const QString& text);

// The entries of a "description|pattern|description|pattern" list. An empty piece ends the
// list and a description without a pattern is dropped, as in a NUL-separated list.
QList<FilterEntry> filterEntries(const QString& filter);
// The open dialog's list: filterEntries(filter); an empty filter gives no entries.
QList<FilterEntry> openFilterEntries(const QString& filter);
// The save dialog's list: a filter that is blank gives the one entry "*.*" / "*.*".
QList<FilterEntry> saveFilterEntries(const QString& filter);
// Qt's form of an entry: "description (patterns)" with the patterns separated by blanks.
QString qtNameFilter(const FilterEntry& entry);

// The folder the save dialog opens in: `appDir` when `path` is blank or names no existing
// folder, otherwise `path` with a trailing slash.
QString settleSavePath(const QString& path, const QString& appDir);

// The folder part of a chosen file: up to, not including, the last slash ("/music/a.mp3" gives
// "/music", "/a.mp3" gives "/"); an empty text when there is no slash.
QString folderOfFile(const QString& fileName);
// The file part of a chosen file: the text after the last slash.
QString titleOfFile(const QString& fileName);

// Character height in pixels of a `points` font at `dpi` pixels per inch, rounded half away
// from zero (10 pt at 96 dpi gives 13). Returns 0 for a dpi of 0 or less.
int fontPixelHeight(int points, int dpi);
// Whole points of a chosen size: tenths of a point, rounded, then cut (12.5 gives 12).
int wholePoints(double pointSize);
// The face name as the font dialog takes it: at most 31 characters.
QString faceNameForDialog(const QString& name);

// Colours as 0x00BBGGRR values and as Qt's 0xAARRGGBB values (alpha dropped, then opaque).
quint32 colorRefFromRgb(QRgb rgb);
QRgb rgbFromColorRef(quint32 colorRef);
