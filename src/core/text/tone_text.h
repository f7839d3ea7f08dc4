#pragma once

#include <QString>

// The roger-beep editor's own texts, keyed by number: 10221 and 12014 (its
// menu entry and tree node in the main window), 29000-29007 (captions),
// 29100-29113 (the fourteen element rows), 29200 and 29201 (first list
// entries). Language 2 picks the Chinese text, any other the English one;
// an unknown id gives an empty text.
QString ToneText(int id, int language);
