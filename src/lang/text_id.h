#pragma once

// Keys of the text catalogue. Every key has an English and a Chinese text.
enum class TextId {
    // Messages and common buttons
    AllDataCleared,
    DataFile,
    FileError,
    CannotOpenPort,
    ReadConfirm,
    WriteConfirm,
    FileModified,
    FileOverwrite,
    CheckConnection,
    ModelTypeWrong,
    FreqOutOfRange,
    Ok,
    Cancel,
    // Version gate
    VersionIncompatible,
    FirmwareVersionIs,
    DataFileVersionIs,
    SoftwareVersionIs,
    VersionMissing,
    UnknownDataVersion,
    // Main window title
    FileName,
    // Words shared by the editors
    OffWord,   // "Off" entries of tone and option lists
    OffSwitch, // "OFF" of on/off lists
    OnSwitch,  // "ON" of on/off lists
    ReadCompleted,
    WriteCompleted,

    Count_ // keep last
};
