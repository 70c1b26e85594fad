// An emulator started in-process and a Cobrix SDK handle open on it, over
// loopback TCP or the emulator's pseudo-terminal.
#pragma once

#include "cobrix.h"
#include "emulator/emulator.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace emutest {

using emulator::Bytes;

enum class Transport { Tcp, Pty };

std::string transportName(const ::testing::TestParamInfo<Transport>& info);

// A shipped profile by file name ("kavo_tspl.profile").
emulator::Profile shippedProfile(const std::string& name);

// ESC FS "& V1 " + verb + text + CR LF.
Bytes privateFrame(const std::string& verb, const std::string& text);
// ESC FS "& V1 " + verb + CR LF + group, id (low first), length [+ value].
Bytes keyFrame(const std::string& verb, uint8_t group, uint16_t id, uint8_t length, const Bytes& value = {});

// A running emulator (TCP and pty) and one SDK handle on it.
class PrinterConnection {
  public:
    PrinterConnection(emulator::Profile profile, emulator::EmulatorOptions options = {});
    ~PrinterConnection();

    emulator::Emulator& printer() { return *printer_; }
    std::u16string address(Transport transport) const;

    // Opens (or reopens) the SDK handle's port.
    void open(Transport transport);
    void close();
    PrinterHandle handle() const { return handle_; }

    void write(const Bytes& bytes);
    void writeText(const std::string& text) { write(emulator::bytesOf(text)); }
    // One ReadData of up to `length` bytes; the bytes that came.
    Bytes read(int length, int* result = nullptr);
    // getval through the SDK: the reply as it came.
    Bytes getval(const std::string& key);

  private:
    std::unique_ptr<emulator::Emulator> printer_;
    PrinterHandle handle_ = nullptr;
};

// Runs each test over TCP and over the pseudo-terminal, on the Kavo profile.
class ExchangeTest : public ::testing::TestWithParam<Transport> {
  protected:
    void SetUp() override;
    void start(emulator::Profile profile, emulator::EmulatorOptions options = {});

    emulator::Emulator& printer() { return connection_->printer(); }
    PrinterConnection& link() { return *connection_; }

    std::unique_ptr<PrinterConnection> connection_;
};

// A fresh folder for files, removed with the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

  private:
    std::string folder_;
};

} // namespace emutest
