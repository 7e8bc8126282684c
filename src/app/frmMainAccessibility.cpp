// What assistive technology learns of the main window: the name and role of every control the
// user can reach, the meaning of the time labels, and the feedback link's place in the Tab order.
#include "app/AppAccessible.h"
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "timeline/TimelinePanel.h"

#include <QAction>

void frmMain::describeControls()
{

    const QString panel[8] = {tr("Open"), tr("Save"), tr("Random Cut"), QString(), tr("Send to Friends"),
                              tr("Settings"), tr("Help"), tr("Exit")};
    for (size_t i = 0; i < imgButton.size(); ++i) {
        imgButton[i]->setAccessibleName(panel[i]);
        setAccessibleRole(imgButton[i], panel[i].isEmpty() ? QAccessible::Graphic : QAccessible::Button);
    }
    const QString transport[7] = {tr("Play"), tr("Stop"), tr("Pause"), tr("Select Start Position"),
                                  tr("Select End Position"), tr("Play Selection"), tr("Save Ring Tone")};
    for (size_t i = 0; i < imgCtrlButton.size(); ++i) {
        imgCtrlButton[i]->setAccessibleName(transport[i]);
        setAccessibleRole(imgCtrlButton[i], QAccessible::Button);
    }
    const QString menus[4] = {tr("File"), tr("Tools"), tr("Setting"), tr("About")};
    for (size_t i = 0; i < imgMenu.size(); ++i) {
        imgMenu[i]->setAccessibleName(menus[i]);
        const QString key = actions_.menus[i]->shortcut().toString(QKeySequence::NativeText);
        imgMenu[i]->setAccessibleDescription(tr("Opens the %1 menu (%2)").arg(menus[i], key));
        setAccessibleRole(imgMenu[i], QAccessible::MenuItem);
    }
    imgMin->setAccessibleName(tr("Minimize"));
    imgExit->setAccessibleName(tr("Close"));
    imgExit->setAccessibleDescription(tr("Asks whether to quit"));
    imgOpen->setAccessibleName(tr("Open a Media File"));
    imgFeedback->setAccessibleName(tr("Send Feedback"));
    for (ImageControl* c : {imgMin, imgExit, imgOpen, imgFeedback})
        setAccessibleRole(c, QAccessible::Button);

    setLabelMeaning(lblTime, tr("Current time"));
    setLabelMeaning(lblSelBegin, tr("Selection begin"));
    setLabelMeaning(lblSelEnd, tr("Selection end"));
    setLabelMeaning(lblSelLength, tr("Selection length"));
    setLabelMeaning(lblViewBegin, tr("View begin"));
    setLabelMeaning(lblViewEnd, tr("View end"));
    setLabelMeaning(lblViewLength, tr("View length"));
    setLabelMeaning(lblFileName, tr("File"));
    setLabelMeaning(lblEffects, tr("Ring-tone effects"));
    setLabelMeaning(lblText, tr("Hint"));
    lblFileName->setAccessibleDescription(tr("The open file's path"));

    // The progress panels are progress bars; their percentage is told as the session reports it.
    picPBBack->setAccessibleName(tr("Decoding the file"));
    picPro->setAccessibleName(tr("Saving"));
    for (ImageControl* c : {picPBBack, picPro})
        setProgressRole(c);

    // The feedback link, at the bottom of the window, ends the Tab order.
    imgFeedback->setFocusPolicy(Qt::TabFocus);
    setTabOrder(picOpened, imgFeedback);
}
