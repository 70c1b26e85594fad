// The fixture of the main window tests: the emulated-printer fixture (the
// core test fixture, the shipped data files, the SDK libraries of the
// bundle, an emulated printer on a loopback port) and the main window shown
// offscreen.
#pragma once

#include "FormMain_Label.h"
#include "ParamsFixture.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::test {

// The application object of the test program (test_main.cpp).
QApplication& TestApp();

class MainWindowTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A NET address on which nothing listens.
    static std::string ClosedAddress();

    void WriteList(const std::string& text) { WriteFiles("PrinterList.txt", text); }
    std::string ListFile() const { return app / "files/PrinterList.txt"; }

    // Runs the start-up and shows the main window (arguments after the
    // program path; English texts by default).
    T_frmMain_Label& OpenWindow(std::initializer_list<const char*> args = {"-EN"});

    // The first record of a command (and key), waiting for it to arrive.
    std::optional<emulator::Record> Wait(const std::string& command, const std::string& key = {});
    // The text of a language key in the current language.
    static std::string Text(const std::string& key);

    std::unique_ptr<T_frmMain_Label> window;
};

} // namespace tolvane::test
