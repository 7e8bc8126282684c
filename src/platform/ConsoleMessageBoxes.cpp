#include "platform/ConsoleMessageBoxes.h"

MsgResult ConsoleMessageBoxes::show(const QString& text, const QString& title, MsgButtons, MsgIcon)
{
    QString line = title + QStringLiteral(": ") + text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" / ")).replace(QLatin1Char('\n'), QStringLiteral(" / "));
    std::fprintf(out_, "%s\n", line.toLocal8Bit().constData());
    std::fflush(out_);
    return MsgResult::Ok;
}
