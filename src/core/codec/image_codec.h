#pragma once

class RadioModel;

// The whole memory image to the working data: options (and with them the
// bank in force), channels, tones.
void DecodeImage(RadioModel& model);

// The working data into the image a write sends, over whatever the image
// held (PrepareImage first for a clean one), end marker included.
void EncodeImage(RadioModel& model);

// A read finished with every block verified: the image becomes the working
// data, untitled as "new.dat".
void CompleteRead(RadioModel& model);
