#pragma once

class frmSetting;

// Names the settings window's controls for assistive technology (the lists, whose labels are
// part of the artwork, the page tabs, OK, Back and the close glyph) and sets the Tab order of
// the layout: the page tabs (one stop, the page shown; the arrow keys choose the other), the
// shown page's lists top to bottom and left to right, OK, Back. Hidden lists are skipped by Tab.
// Each list gets a hidden label (child of the window) whose buddy it is. Changes nothing else.
void describeSettingsWindow(frmSetting& window);
