#pragma once

#include <QList>
#include <QString>

#include <utility>

class Catalogue;
struct RadioData;

// The option features as the window shows them, one (caption, value) pair a
// line, in the catalogue's language: every list with the text of its entry,
// Tx Offset, Beep, the protections, the RSSI points, the enabled modes and
// the public channel's settings.
QList<std::pair<QString, QString>> OptionSummary(const RadioData& data, const Catalogue& catalogue);
