#pragma once

#include "core/model/radio_data.h"

#include <QByteArray>

// Byte-exact records of the data file pair: little-endian integers, fixed
// texts padded with blanks, fields packed in their declared order.
constexpr int kRadioDataBytes = 1070;
constexpr int kChannelRecordBytes = 48;

QByteArray WriteRadioData(const RadioData& data);
// False (and `data` untouched) unless `bytes` holds at least one whole record.
bool ReadRadioData(const QByteArray& bytes, RadioData& data);

QByteArray WriteChannelRecord(const ChannelRecord& record);
void AppendChannelRecord(QByteArray& bytes, const ChannelRecord& record);
// Reads the record at `offset`; false when fewer than 48 bytes remain there.
bool ReadChannelRecord(const QByteArray& bytes, qsizetype offset, ChannelRecord& record);
