#pragma once

#include <QString>

// The user settings of language/mysetup.ini, section "language", as the
// running program holds them.
struct AppSettings {
    int comPort = 1;
    int Handshaking = 0;
    int StopBit = 1;
    int PreviousLanguage = 1;
    // Only English is offered in the language window while this is set.
    int SingleLanguageList = 1;
};

// "0" is false, any other number true; the words True and False are accepted.
// Anything else counts as false.
bool ParseTruth(const QString& text);
