#pragma once

#include <QString>

// The "Read Mode" section as the settings sheet shows it. Only the sheet
// reads and writes it: the reader keeps its own values for a run.
struct ReadModeSettings {
    bool border = false;
    bool centre = true;
    int speed = 1;
    int step = 5;
};

// The stored values, the defaults for missing keys; any flag other than 0 is on.
ReadModeSettings ReadReadModeSettings();

// Writes "Border", "Center", "Speed", "Step" in that order; the flags as "1"
// or "0", the two texts as they are (an empty box gives an empty value).
void WriteReadModeSettings(bool border, bool centre, const QString &speedText, const QString &stepText);
