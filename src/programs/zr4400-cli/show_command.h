#pragma once

#include <QByteArray>

class RadioModel;

// The configuration in readable form: a text report, or JSON with every
// channel of every group and bank, the options and the tones.
QByteArray ShowText(const RadioModel& model);
QByteArray ShowJson(const RadioModel& model);
