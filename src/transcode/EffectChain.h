#pragma once
#include "settings/EffectsSettings.h"

#include <QString>

// The transcoder's filter chain (-af, in FFmpeg's syntax) that gives a cut its effects:
// "afade=t=in:st=0:d=1:curve=hsin,afade=t=out:st=29:d=1:curve=hsin,loudnorm=I=-16:TP=-1" for a
// 30-second cut with 1-second fades at -16 LUFS; the empty text when every effect is off. Fades
// follow a half sine (no click where they start or end); a fade longer than half the cut is
// shortened to half of it, so that the two fit. loudnorm is done by the transcoder in two
// passes, with the true-peak ceiling kTruePeakCeiling.
QString effectChain(const EffectsSettings& effects, double lengthSeconds);

// The options that put that chain on a command line, "-af <chain> " (they follow options that end
// with a blank); the empty text when every effect is off.
QString effectOptions(const EffectsSettings& effects, double lengthSeconds);
