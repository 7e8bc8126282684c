#include "transcode/PhoneLength.h"

#include "platform/MessageBoxes.h"
#include "transcode/SaveFormats.h"

#include <QCoreApplication>

PhoneLength phoneLength(const QString& outputPath, std::int32_t lengthSeconds)
{
    const SaveFormat* format = saveFormatFor(outputPath);
    if (!format || QLatin1String(format->key) != QLatin1String("m4r") || lengthSeconds <= kIphonePlaysSeconds)
        return PhoneLength::Fits;
    return lengthSeconds <= kIphoneTakesSeconds ? PhoneLength::Long : PhoneLength::TooLong;
}

bool confirmPhoneLength(MessageBoxes& boxes, const QString& outputPath, std::int32_t lengthSeconds)
{
    switch (phoneLength(outputPath, lengthSeconds)) {
    case PhoneLength::Fits:
        return true;
    case PhoneLength::Long:
        return boxes.show(QCoreApplication::translate("PhoneLength", "iPhone plays ring tones of up to %1 seconds; this one is %2 seconds long and "
                                         "will stop after %1 seconds when it rings.\r\n\r\nSave it anyway?")
                              .arg(kIphonePlaysSeconds)
                              .arg(lengthSeconds),
                          QCoreApplication::translate("PhoneLength", "Save As"), MsgButtons::YesNo, MsgIcon::Warning) == MsgResult::Ok;
    case PhoneLength::TooLong:
        boxes.show(QCoreApplication::translate("PhoneLength", "An iPhone ring tone may be at most %1 seconds long; this selection is %2 seconds.\r\n\r\n"
                                  "Make the selection %1 seconds or shorter (%3 or less is best), or save it in "
                                  "another format.")
                       .arg(kIphoneTakesSeconds)
                       .arg(lengthSeconds)
                       .arg(kIphonePlaysSeconds),
                   QCoreApplication::translate("PhoneLength", "Save As"), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    return false;
}
