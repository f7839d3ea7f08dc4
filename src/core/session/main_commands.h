#pragma once

#include <functional>

struct BackupEntry;

// Commands whose windows live outside the main window; each is plugged in
// once and run by its menu item, toolbar button and tree node alike.
struct MainCommands {
    std::function<void()> commSet;
    std::function<void()> compareWithRadio;
    // At start, once the window shows: a write that never finished is told.
    std::function<void()> offerUnfinishedWrite;
    std::function<void()> readFromRadio;
    std::function<void()> writeToRadio;
    // A backup's raw image written into the radio as a write sends blocks.
    std::function<void(const BackupEntry&)> restoreBackup;
    std::function<void()> groupWrite;
    std::function<void()> radioInfo;
    std::function<void()> readRmgData;
    std::function<void()> closeLinkPort;
};
