#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>

// Skin pictures come in two sizes: "name.png" drawn for one device pixel per logical pixel and,
// beside it, "name@2x.png" drawn at twice the width and height for dense screens.

// The name of the double-size picture beside `path`: "dir/name@2x.png" for "dir/name.png"
// (the suffix goes before the last extension; a name without one gets "@2x" at its end).
QString doubleSizePicturePath(const QString& path);

// The picture at `path` (a file or a ":/" resource) for a screen of `dpr` device pixels per
// logical pixel: when dpr > 1 and the double-size picture beside it can be read, that one with
// its device pixel ratio set to 2; otherwise the picture at `path` itself (ratio 1). Null when
// the chosen picture cannot be read.
QImage skinImage(const QString& path, qreal dpr);

// The same picture as a pixmap (needs a QGuiApplication).
QPixmap skinPixmap(const QString& path, qreal dpr);
