#pragma once

#include <QString>

class Catalogue;
class QWidget;

// What to do about a write that never finished: write its image again, open
// it as data, forget it, or decide later (the window closed: asked again at
// the next start).
enum class UnfinishedChoice { WriteAgain, Open, Dismiss, Later };

UnfinishedChoice AskAboutUnfinishedWrite(const QString& text, const Catalogue& catalogue,
                                         QWidget* parent);
