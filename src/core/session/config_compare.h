#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/base/file_problem.h"

class Catalogue;
class RadioModel;

// A configuration as a user compares two: one named value per field, in the
// texts the windows show in the catalogue's language. Channels are named by bank, group and
// number, so records in another order compare equal. Left out: the identity,
// the remembered rows and groups, and the padding of frequency texts.
struct ConfigField {
    QString name;
    QString value;
    QString parent; // a channel's fields belong to the channel: compared only when both have it
};
QList<ConfigField> ConfigFields(const RadioModel& model, const Catalogue& catalogue);

// One line per difference: "NAME: A-VALUE -> B-VALUE", or for a channel only
// one side has, "NAME: only in A (VALUE)"/"only in B". Empty when equal.
QStringList CompareConfigs(const RadioModel& a, const RadioModel& b, const Catalogue& catalogue);

// Two configurations decoded from memory images (each model's image is the
// raw image it came from): how many bytes differ in bits that no field of
// either covers, the bytes a write skips included.
int OtherBytesDiffering(const RadioModel& a, const RadioModel& b);

// `path` as a configuration to compare, over `model`: a file of exactly 16384
// bytes is a memory image decoded as a read would, anything else a data file
// pair. False, with why, when it can't be read; `model` is then unchanged.
bool LoadComparedFile(const QString& path, RadioModel& model, FileProblem* problem);
