// The selection row's typed times: the window lays a line edit over the Begin, End or Length
// label; what a typed time does is the session's.
#include "app/SkinLabel.h"
#include "app/TimeFieldEditor.h"
#include "app/frmMain.h"
#include "editor/EditorSession.h"

void frmMain::wireTimeFields()
{
    EditorSession* s = session_.get();
    const std::pair<SkinLabel*, TimeField> fields[3] = {
        {lblSelBegin, TimeField::Begin}, {lblSelEnd, TimeField::End}, {lblSelLength, TimeField::Length}};
    for (int i = 0; i < 3; ++i) {
        auto [label, field] = fields[i];
        label->setToolTip(tr("Click to type a time, as 83.5, 1:23.45 or 1:02:03.5"));
        timeFields_[i] = new TimeFieldEditor(
            label, field, [s](TimeField f, const QString& text) { return s->applyTypedTime(f, text); },
            [s](TimeField f) { return s->typedTimeText(f); },
            [s] { return s->isFileOpen() && !s->isBusy(); }, this);
    }
}
