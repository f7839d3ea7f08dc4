#pragma once

// Exit statuses of the command-line tool (the sysexits values).
enum ExitCode : int {
    ExitOk = 0,
    ExitDiffers = 1,          // diff: the two differ; a verify found other bytes
    ExitVerifyUnfinished = 2, // the radio holds the whole write; its read-back did not finish
    ExitUsage = 64,
    ExitBadData = 65,
    ExitNoInput = 66,
    ExitPortUnavailable = 69,
    ExitCannotCreate = 73,
    ExitIoError = 74,
    ExitLinkGaveUp = 75,
    ExitRadioRefused = 76,
};
