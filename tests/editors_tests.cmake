# Tests of the encodings and codecs of the editors subsystem.
