// The fixture of the main window tests: the core test fixture (program and
// home folders of their own, a message interface that records every box
// and answers questions from a script), the shipped data files in the
// program folder, the SDK libraries of the bundle, an emulated printer on a
// loopback port, and the main window shown offscreen.
#pragma once

#include "CoreFixture.h"
#include "FormMain_Label.h"
#include "emulator/emulator.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::test {

// The application object of the test program (test_main.cpp).
QApplication& TestApp();

class MainWindowTest : public CoreTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts an emulated printer from a shipped profile; its NET address.
    std::string StartPrinter(const std::string& profile = "kavo_tspl.profile");
    // A NET address on which nothing listens.
    static std::string ClosedAddress();

    void WriteList(const std::string& text) { WriteFiles("PrinterList.txt", text); }
    std::string ListFile() const { return app / "files/PrinterList.txt"; }

    // Runs the start-up and shows the main window (arguments after the
    // program path; English texts by default).
    T_frmMain_Label& OpenWindow(std::initializer_list<const char*> args = {"-EN"});

    // The first record of a command (and key), waiting for it to arrive.
    std::optional<emulator::Record> Wait(const std::string& command, const std::string& key = {});
    // The commands received so far, leaving out link changes.
    std::vector<std::string> Commands() const;

    // The boxes shown so far, and the boxes of one kind.
    std::vector<ShownBox> Boxes(const std::string& kind) const;
    // The text of a language key in the current language.
    static std::string Text(const std::string& key);

    std::unique_ptr<emulator::Emulator> printer;
    std::unique_ptr<T_frmMain_Label> window;
};

} // namespace tolvane::test
