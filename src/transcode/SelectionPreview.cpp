#include "transcode/SelectionPreview.h"

#include "platform/MessageBoxes.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/RunFailure.h"
#include "transcode/TranscodeCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

SelectionPreview::SelectionPreview(MessageBoxes& boxes, QString coderPath, QString tempWav, QString previewWav,
                                   const EffectsSettings& effects)
    : boxes_(boxes), coderPath_(std::move(coderPath)), tempWav_(std::move(tempWav)),
      previewWav_(std::move(previewWav)), effects_(effects), runner_(std::make_unique<ConsoleRunner>(boxes))
{
}

SelectionPreview::~SelectionPreview()
{
    // A rendering still running (the program quits) ends with its runner; its WAV goes too.
    runner_->stop();
    discard();
}

bool SelectionPreview::isRendering() const { return runner_->isRunning(); }

void SelectionPreview::discard() { QFile::remove(previewWav_); }

std::optional<QString> SelectionPreview::prepare(std::int64_t beginMs, std::int64_t endMs)
{
    if (!effects_.any() || endMs <= beginMs)
        return QString();
    if (runner_->isRunning())
        return std::nullopt;
    const QString command = previewCommand(coderPath_, tempWav_, {beginMs, endMs - beginMs}, previewWav_, effects_);
    discard();  // an old preview must not pass for this one if the rendering fails
    runner_->ExecuteCommand(command);
    const RunExit e = runner_->lastExit();
    if (!e.started || e.stopped)
        return std::nullopt;  // not started (the runner has said why) or stopped: nothing to play
    const QFileInfo wav(previewWav_);
    if (e.exited && e.signal == 0 && e.exitCode == 0 && wav.exists() && wav.size() > 44)
        return previewWav_;
    boxes_.show(QCoreApplication::translate("SelectionPreview", "Could not prepare the selection with its fades and loudness.\r\n\r\n") +
                    runFailureDetail(e, runner_->Outputs()),
                QStringLiteral("TuneSnip"), MsgButtons::Ok, MsgIcon::Error);
    discard();
    return std::nullopt;
}
