// What the walk does in a window that downloads a file, as a user would:
// the file of the right type through the file chooser, its download, and
// the print of the stored file where the window offers one. The windows
// differ only in their controls' names, so they are one table; the
// printer's stored files and firmware are compared before and after.
#pragma once

#include "emulator/emulator.h"

#include <map>
#include <string>
#include <vector>

namespace tolvane::test {

// The small files the walk downloads, by kind.
enum class WalkFixture { None, Image, Font, TsplProgram, SectionedFirmware, OtaFirmware };

struct DownloadStep {
    const char* window;    // the window's object name
    const char* chooser;   // the button that asks for the file (nullptr: none)
    WalkFixture fixture;   // the file the chooser answers with
    const char* download;  // the button that downloads
    bool ownsSuccess;      // the download ends in this window's own success text
    const char* printList; // the list the stored file is picked from (nullptr: no print)
    const char* print;     // the button that prints it
    const char* thenOpen;  // a button opening a further download window afterwards (nullptr: none)
};

// The step of a window, by its object name; nullptr for the other windows.
const DownloadStep* FindDownloadStep(const std::string& window);

// The fixture files, written once into `folder` (the test's own) or taken
// from the repository's fixtures; their paths by kind.
std::map<WalkFixture, std::string> WriteWalkFixtures(const std::string& folder);

// The printer's stored files and firmware images at one moment.
struct StoredState {
    std::vector<emulator::FileStore::File> files;
    emulator::Bytes otaImage;
    emulator::Bytes sections; // every received section, header and data, in order
    bool sectionsFinished = false;
};
StoredState ReadStoredState(emulator::Emulator& printer);

// What a download left on the printer: the files new or changed since
// `before` ("card F WALK.BAS 240 bytes"), or the firmware image when it
// equals `fixture`; empty when the printer took nothing.
std::string WhatWasStored(const StoredState& before, const StoredState& after, WalkFixture kind,
                          const emulator::Bytes& fixture);

// The records of a print that show a complete job reached the printer
// ("job TSPL", "tspl_run WALK.BAS printed"); empty when none.
std::string PrintedJob(const std::vector<emulator::Record>& records);

} // namespace tolvane::test
