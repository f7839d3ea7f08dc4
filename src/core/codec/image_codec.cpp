#include "core/codec/image_codec.h"

#include "core/codec/channel_slot_codec.h"
#include "core/codec/option_block_codec.h"
#include "core/codec/tone_block_codec.h"
#include "core/model/radio_model.h"

#include <algorithm>

void DecodeImage(RadioModel& model) {
    DecodeOptionBlock(model.image, model.radio);
    model.ApplyBandFlag();
    DecodeChannels(model.image, model.radio, model.channels);
    DecodeToneBlock(model.image, model.radio.Tones);
}

void EncodeImage(RadioModel& model) {
    RadioImage& image = model.image;
    EncodeChannelTable(image, model.radio, model.channels);
    EncodeOptionBlock(image, model.radio);
    EncodeToneBlock(model.radio.Tones, image);
    std::fill(image.begin() + kEndMarkerStart, image.end(), uint8_t{0x55});
}

void CompleteRead(RadioModel& model) {
    DecodeImage(model);
    model.CurrentFileName = QString::fromLatin1(kUntitledName);
    model.IsUntitled = true;
}
