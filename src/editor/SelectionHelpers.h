#pragma once
#include "analysis/HookScorer.h"
#include "timeline/Selection.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class EditorModel;
class HookSearch;

// The selection helpers of an editor session on the open file's decoded sound: finding the
// hook (the part a listener knows the song by) and trimming the silence at the selection's
// ends. Both run off the user-interface thread (see HookSearch) and tell what they do in the
// hint line. A proposal or a trim becomes the model's selection as one undo step. Owns its
// HookSearch (a child) and the proposals shown; borrows the model.
class SelectionHelpers : public QObject {
    Q_OBJECT
public:
    explicit SelectionHelpers(EditorModel& model, QObject* parent = nullptr);

    // The open file `name`, whose sound is decoded into `wav`: what was found for the same file
    // (the same name, size and time) before is used again.
    void setFile(const QString& name, const QString& wav);
    // The file was closed: a run is cancelled and its end not told; nothing is proposed.
    void clearFile();
    HookSearch& search() { return *search_; }
    // The proposals of the last search and the one shown (-1: none).
    const std::vector<analysis::HookProposal>& proposals() const { return proposals_; }
    int shownProposal() const { return shown_; }
    // The window length the hook finder is asked for now, in ms: the selection's length when
    // it is at least 5 s, else 30 s, never longer than the file.
    std::int64_t hookLengthMs() const;

public Q_SLOTS:
    // H: proposes the best window of hookLengthMs() as the selection, shown in view; pressed
    // again while a proposal is the selection, shows the next one (the third is followed by the
    // first). The file is analysed once; the hint line tells the progress, then which proposal
    // is shown and its score.
    void findHook();
    // T: moves the begin past the selection's leading silence and the end before its trailing
    // silence (the whole file when no selection is set). Says so, and changes nothing, when the
    // selection holds no audible sound.
    void trimSilence();
    // Esc: stops a running analysis (the hint line says so). False when none runs.
    bool cancel();

Q_SIGNALS:
    // A text for the hint line.
    void hint(const QString& text);
    // The beats of the open file, seconds ascending (empty: none known).
    void beatsChanged(const std::vector<double>& beats);
    // Proposal `index` (0 the best) became the selection.
    void proposalShown(int index);
    // A trim found the sound of the selection within [beginMs, endMs]; the selection now holds
    // just that, as precisely as the model keeps times (unchanged when it already did).
    void trimmed(std::int64_t beginMs, std::int64_t endMs);

private:
    enum class Pending { None, Hooks, Trim };

    // Whether the sound can be analysed now; tells why not in the hint line.
    bool readyToAnalyse();
    bool tellWhenRunning();
    void showProposal(int index);
    void hooksFound(const QString& key, std::int64_t lengthMs);
    void trimFound(const QString& key, std::int64_t beginMs, std::int64_t endMs);
    void noSoundFound(const QString& key);
    void stopped(bool cancelled, const QString& why);
    void progress(double fraction);

    EditorModel& model_;
    HookSearch* search_ = nullptr;  // child of this object
    QString key_;                   // the open file, empty while none
    QString wav_;
    Pending pending_ = Pending::None;
    std::int64_t pendingLengthMs_ = 0;
    Selection trimFrom_;            // the selection a running trim measures
    std::vector<analysis::HookProposal> proposals_;
    int shown_ = -1;
    Selection shownSelection_;      // the selection as the shown proposal left it
};
