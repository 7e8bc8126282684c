#include "transcode/SaveFormats.h"

#include <QStringList>
#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<SaveFormat, 8> kFormats{{
    {"mp3", QT_TRANSLATE_NOOP("SaveFormats", "MP3 Files(*.mp3)"), " -y -ab 128k -ar 44100 -ac 1 "},
    {"wma", QT_TRANSLATE_NOOP("SaveFormats", "WMA Files(*.wma)"), " -y -acodec wmav1 "},
    {"wav", QT_TRANSLATE_NOOP("SaveFormats", "WAV Files(*.wav)"), " -y "},
    {"amr", QT_TRANSLATE_NOOP("SaveFormats", "AMR Files(*.amr)"), " -y -ar 8000 -ab 7.4k -ac 1 "},
    // AAC-LC at 128 kbit/s, 44.1 kHz stereo in an MP4 of the brand phones take ("M4A ").
    {"m4r", QT_TRANSLATE_NOOP("SaveFormats", "M4R iPhone ring tone(*.m4r)"), " -y -acodec aac -ab 128k -ar 44100 -ac 2 "},
    {"m4a", QT_TRANSLATE_NOOP("SaveFormats", "M4A Files(*.m4a)"), " -y -acodec aac -ab 128k -ar 44100 -ac 2 "},
    {"ogg", QT_TRANSLATE_NOOP("SaveFormats", "OGG Files(*.ogg)"), " -y -acodec libvorbis -ab 128k -ar 44100 -ac 2 "},
    // Lossless: the source's rate and channels stay.
    {"flac", QT_TRANSLATE_NOOP("SaveFormats", "FLAC Files(*.flac)"), " -y -acodec flac "},
}};

}  // namespace

std::span<const SaveFormat> saveFormats() { return kFormats; }

const SaveFormat* saveFormatFor(const QString& outputPath)
{
    const QString name = outputPath.trimmed().toUpper();
    // Three letters first, in the dialog's order, so that no name of the four first formats
    // changes hands; FLAC is the one key of four letters.
    for (const SaveFormat& f : kFormats) {
        const QString key = QString::fromLatin1(f.key).toUpper();
        if (key.size() == 3 && name.right(3) == key)
            return &f;
    }
    for (const SaveFormat& f : kFormats) {
        const QString key = QString::fromLatin1(f.key).toUpper();
        if (key.size() == 4 && name.right(4) == key)
            return &f;
    }
    return nullptr;
}

QString saveDialogFilter()
{
    QStringList parts;
    for (const SaveFormat& f : kFormats)
        parts << QCoreApplication::translate("SaveFormats", f.description) << QStringLiteral("*.") + QString::fromLatin1(f.key);
    return parts.join(QLatin1Char('|'));
}

QString saveExtensionsText()
{
    QStringList exts;
    for (const SaveFormat& f : kFormats)
        exts << QStringLiteral(".") + QString::fromLatin1(f.key);
    const QString last = exts.takeLast();
    return exts.join(QStringLiteral(", ")) + QCoreApplication::translate("SaveFormats", " or ") + last;
}
