#pragma once

#include "core/model/radio_data.h"
#include "core/model/radio_image.h"

#include <QStringList>

// The settings area of the image (0x3C00-0x3FFF outside the channel bitmaps
// and the tone block): group settings, radio-wide options, transmit offset,
// S-meter points and the end marker.

// Battery voltages travel as the radio's converter code: code = tenths of a
// volt x 1024 / 261.5, both ways rounded half to even (97 <-> 380).
int VoltageToCode(int tenths);
int CodeToVoltage(int code);

// Fills OptionRecord, BandFlag, TxOffset, FreqCh, AsqLevel and RssiPoint from
// the image. WorkBand, Rtix and Ttix are not in the image and stay as they
// are. BandFlag becomes the bank in force, 0 or 1; the caller rebuilds the
// band text and limits from it.
void DecodeOptionBlock(const RadioImage& image, RadioData& data);

// Option bytes holding a value the option window never stores, each as
// "0x3F0B = 200 (1-36)": the image is hardly this model's memory.
QStringList OptionBytesOutOfRange(const RadioImage& image);
// Whether the group enable bits mark a group past the last one.
bool MarksGroupsBeyondLast(const RadioImage& image);

// Writes the same fields into a prepared image, and the end marker. Group
// names are normalised in the record (cut at NUL, trailing blanks removed)
// and written NUL-padded.
void EncodeOptionBlock(RadioImage& image, RadioData& data);
