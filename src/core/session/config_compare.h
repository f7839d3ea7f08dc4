#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class RadioModel;

// A configuration as a user compares two: one named value per field, in the
// texts the windows show (English). Channels are named by bank, group and
// number, so records in another order compare equal. Left out: the identity,
// the remembered rows and groups, and the padding of frequency texts.
struct ConfigField {
    QString name;
    QString value;
    QString parent; // a channel's fields belong to the channel: compared only when both have it
};
QList<ConfigField> ConfigFields(const RadioModel& model);

// One line per difference: "NAME: A-VALUE -> B-VALUE", or for a channel only
// one side has, "NAME: only in A (VALUE)"/"only in B". Empty when equal.
QStringList CompareConfigs(const RadioModel& a, const RadioModel& b);
