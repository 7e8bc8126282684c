#include "settings/SetupIni.h"

#include "settings/SettingsFile.h"
#include "platform/NumberText.h"

#include <QList>

namespace {

// Splits the file into its fields: each ends at a comma or a line end (CR LF, CR or LF), so a
// blank line is a field of its own; surrounding blanks and quotes are removed. The text after
// the last line end is a field only when it holds something or follows a comma.
QList<QByteArray> fields(const QByteArray& contents)
{
    QList<QByteArray> out;
    QByteArray current;
    bool afterComma = false;
    auto finish = [&] {
        QByteArray f = current.trimmed();
        if (f.size() >= 2 && f.startsWith('"') && f.endsWith('"'))
            f = f.mid(1, f.size() - 2);
        out << f;
        current.clear();
    };
    for (qsizetype i = 0; i < contents.size(); ++i) {
        const char c = contents.at(i);
        if (c == ',') {
            finish();
            afterComma = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < contents.size() && contents.at(i + 1) == '\n')
                ++i;
            finish();
            afterComma = false;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty() || afterComma)
        finish();
    return out;
}

// Stores the rounded value of `text` into `target` when it fits 16 bits; otherwise leaves it.
void storeField(const QByteArray& text, std::int16_t& target)
{
    const double v = roundHalfEven(leadingNumber(QString::fromLatin1(text)));
    if (v >= -32768 && v <= 32767)
        target = static_cast<std::int16_t>(v);
}

}  // namespace

AfterSaveSettings parseSetupIni(const QByteArray& contents)
{
    AfterSaveSettings s;
    const QList<QByteArray> f = fields(contents);
    // A failed read keeps the text of the previous read, so one record feeds both settings.
    QByteArray text;
    if (!f.isEmpty())
        text = f[0];
    storeField(text, s.openFolderAfterSave);
    if (f.size() > 1)
        text = f[1];
    storeField(text, s.playSoundAfterSave);
    return s;
}

AfterSaveSettings loadSetupIni(const QString& path) { return parseSetupIni(readSettingsFile(path)); }

bool storeSetupIni(const QString& path, const AfterSaveSettings& values)
{
    return writeSettingsFile(path, QByteArray::number(values.openFolderAfterSave) + "\r\n" +
                                       QByteArray::number(values.playSoundAfterSave) + "\r\n");
}
