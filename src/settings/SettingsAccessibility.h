#pragma once

class frmSetting;

// Names the settings window's controls for assistive technology (the lists, whose labels are
// part of the artwork, the page tabs, OK, Back and the close glyph) and sets the Tab order of
// the layout: the two page tabs, the shown page's lists top to bottom and left to right, OK,
// Back. Hidden lists are skipped by Tab. Changes nothing else.
void describeSettingsWindow(frmSetting& window);
