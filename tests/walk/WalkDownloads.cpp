#include "WalkDownloads.h"

#include "../firmware/FirmwareFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tolvane::test {

namespace {

namespace fs = std::filesystem;

// The download windows. The file window's "Printer files" button opens the
// TSPL file manager, whose download opens the batch window; the stored
// program is printed from the manager afterwards.
constexpr DownloadStep kSteps[] = {
    {"frmDLFile", "Button7", WalkFixture::Image, "btnDLFile", true, "lvFonts", "btnPrintImage", "btnTspl"},
    {"frmDLFile_Kavo", "Button7", WalkFixture::Image, "btnDLFile", true, "lvFonts", "btnPrintImage", nullptr},
    {"frmDLF", "Button2", WalkFixture::Font, "btnDLFont", true, "lvFonts", "btnTestFont", nullptr},
    {"frmDLUF", "Button2", WalkFixture::Font, "btnDownload", true, nullptr, nullptr, nullptr},
    {"_frmTempletManage", nullptr, WalkFixture::None, "btnDownload", false, "lstImagesList", "btnPrint",
     nullptr},
    {"frmDownloadFile_TSPL", "btnAdd", WalkFixture::TsplProgram, "btnDownload", true, nullptr, nullptr,
     nullptr},
    {"frmGDL", "Button2", WalkFixture::SectionedFirmware, "btnDownload", true, nullptr, nullptr, nullptr},
    {"frmDFU_Quistel", "btnBrowse", WalkFixture::OtaFirmware, "btnDownload", true, nullptr, nullptr, nullptr},
};

std::string Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

bool SameFile(const emulator::FileStore::File& a, const emulator::FileStore::File& b) {
    return a.kind == b.kind && a.memory == b.memory && a.name == b.name && a.data == b.data;
}

} // namespace

const DownloadStep* FindDownloadStep(const std::string& window) {
    for (const DownloadStep& step : kSteps) {
        if (window == step.window) {
            return &step;
        }
    }
    return nullptr;
}

std::map<WalkFixture, std::string> WriteWalkFixtures(const std::string& folder) {
    const fs::path source = TOLVANE_SOURCE_DIR;
    // The firmware files the firmware tests use: two sections, and plain
    // data for the OTA packets (a packet and a part of one).
    const fs::path sections = fs::path(folder) / "firmware.bin";
    const fs::path ota = fs::path(folder) / "ota.bin";
    Write(sections, SectionedFile({{"BOOT", "1.0.2", 1, 2500}, {"APP", "2.10", 7, 1024}}));
    Write(ota, Pattern(5000));
    return {
        {WalkFixture::Image, (source / "tests/fuzz/corpus/image_loader/onebit.bmp").string()},
        {WalkFixture::Font, (source / "tests/walk/fixtures/walkfont.ttf").string()},
        {WalkFixture::TsplProgram, (source / "tests/walk/fixtures/WALK.BAS").string()},
        {WalkFixture::SectionedFirmware, sections.string()},
        {WalkFixture::OtaFirmware, ota.string()},
    };
}

StoredState ReadStoredState(emulator::Emulator& printer) {
    StoredState state;
    printer.changePrinter([&](emulator::Printer& p) {
        for (const char* kind : {"bitmaps", "labels", "autoform", "fonts", "userfont", "direct", "card"}) {
            for (const emulator::FileStore::File* file : p.files().list(kind)) {
                state.files.push_back(*file);
            }
        }
        const emulator::FirmwareState& firmware = p.firmware();
        state.otaImage = firmware.otaImage;
        for (const emulator::ReceivedSection& section : firmware.sections) {
            state.sections.insert(state.sections.end(), section.header.begin(), section.header.end());
            state.sections.insert(state.sections.end(), section.data.begin(), section.data.end());
        }
        state.sectionsFinished = firmware.finished;
    });
    return state;
}

std::string WhatWasStored(const StoredState& before, const StoredState& after, WalkFixture kind,
                          const emulator::Bytes& fixture) {
    if (kind == WalkFixture::OtaFirmware) {
        return after.otaImage == fixture ? "OTA image of " + std::to_string(fixture.size()) + " bytes" : "";
    }
    if (kind == WalkFixture::SectionedFirmware) {
        return after.sectionsFinished && after.sections == fixture
                   ? "sectioned firmware of " + std::to_string(fixture.size()) + " bytes"
                   : "";
    }
    std::string stored;
    for (const emulator::FileStore::File& file : after.files) {
        const bool known =
            std::any_of(before.files.begin(), before.files.end(),
                        [&](const emulator::FileStore::File& old) { return SameFile(old, file); });
        if (!known && !file.data.empty()) {
            stored += (stored.empty() ? "" : ", ") + file.kind + " " + std::string(1, file.memory) + " " +
                      file.name + " " + std::to_string(file.data.size()) + " bytes";
        }
    }
    return stored;
}

std::string PrintedJob(const std::vector<emulator::Record>& records) {
    std::string printed;
    for (const emulator::Record& record : records) {
        const bool job = record.command == "job" || (record.command == "cpcl" && record.key == "PRINT");
        const bool stored = record.note == "printed";
        if (job || stored) {
            printed += (printed.empty() ? "" : ", ") + record.command + " " + record.key +
                       (record.note.empty() ? "" : " " + record.note);
        }
    }
    return printed;
}

} // namespace tolvane::test
