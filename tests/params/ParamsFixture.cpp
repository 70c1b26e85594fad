#include "ParamsFixture.h"

#include "mdlCatalogueHooks.h"
#include "mdlHeadlessSession.h"
#include "mdlParaDialogModels.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"

#include <filesystem>

namespace tolvane::test {

void EmulatedPrinterTest::SetUp() {
    CoreTest::SetUp();
    static const bool bound = [] {
        std::string error;
        const bool ok = PrtLib_LoadLibrariesFrom(TOLVANE_BUNDLE_DIR, error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    ASSERT_TRUE(bound);
    for (const char* name : {"Option.ini", "UtilityForLabelLanguage.ini", "PrinterTypeList_Label.ini",
                             "ProtocolType.ini", "PrinterMap.ini", "CompanyPrinterList_Label.txt"}) {
        std::string shipped = TOLVANE_SOURCE_DIR;
        shipped.append("/files/").append(name);
        std::filesystem::copy_file(shipped, app / ("files/" + std::string(name)),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

void EmulatedPrinterTest::TearDown() {
    PrtLib_Close(TPrtLib::Escrix);
    PrtLib_Close(TPrtLib::Cobrix);
    PrtLib_Close(TPrtLib::Tsprix);
    printer.reset();
    PrinterIdentity() = {};
    ProtocolKind = kLangTspl;
    CoreTest::TearDown();
}

std::string EmulatedPrinterTest::StartPrinter(const std::string& profile) {
    std::string error;
    std::string path = EMULATOR_PROFILES;
    path.append("/").append(profile);
    const auto loaded = emulator::loadProfile(path, error);
    EXPECT_TRUE(loaded) << error;
    printer = std::make_unique<emulator::Emulator>(loaded.value_or(emulator::defaultProfile()));
    EXPECT_TRUE(printer->listenTcp("127.0.0.1", 0, error) && printer->start(error)) << error;
    return "NET,127.0.0.1," + std::to_string(printer->tcpPort());
}

void EmulatedPrinterTest::SelectListedPrinter(const std::string& listName, const std::string& address,
                                              const char* languageSwitch) {
    WriteFiles("PrinterList.txt", listName + "|NET|" + address + "||\n");
    StartHeadlessSession(Args({languageSwitch}));
    sessionStarted = true;
    TPrinterEntry entry;
    entry.ListName = listName;
    entry.PortKind = "NET";
    entry.PortAddress = address;
    ASSERT_EQ(tolvane::SelectPrinter(entry).createResult, 0);
    ASSERT_TRUE(PrepareDialogOpen());
    printer->clearRecords();
}

std::unique_ptr<params::TParaDialogModel> EmulatedPrinterTest::OpenDialog(const std::string& className) {
    std::unique_ptr<params::TParaDialogModel> dialog =
        params::CreateParaDialogModel(className, params::SelectedPrinterContext());
    EXPECT_NE(dialog, nullptr) << className;
    if (dialog) {
        EXPECT_TRUE(PrtLib_BeginCommand());
        dialog->FormCreate();
        PrtLib_EndCommand();
        dialog->FormShow();
        dialog->StartRead();
    }
    return dialog;
}

void EmulatedPrinterTest::SetPrinterValue(const std::string& key, const std::string& value) {
    printer->changePrinter([&](emulator::Printer& state) { state.setValue(key, value); });
}

void EmulatedPrinterTest::ForgetPrinterValues(const std::vector<std::string>& keys) {
    printer->changePrinter([&](emulator::Printer& state) {
        emulator::PrinterSettings settings = state.settings();
        for (const std::string& key : keys) {
            settings.values.erase(key);
        }
        state.replaceSettings(std::move(settings));
    });
}

void EmulatedPrinterTest::SetPrinterKey(uint8_t group, uint16_t id, emulator::Bytes bytes) {
    printer->changePrinter([&](emulator::Printer& state) {
        state.setNumberedKey({group, id}, std::move(bytes));
    });
}

std::vector<std::string> EmulatedPrinterTest::Commands() const {
    std::vector<std::string> commands;
    for (const emulator::Record& record : printer->records()) {
        if (record.command != "connect" && record.command != "disconnect") {
            commands.push_back(record.command + (record.key.empty() ? "" : " " + record.key));
        }
    }
    return commands;
}

std::vector<std::string> EmulatedPrinterTest::SetVals() const {
    std::vector<std::string> sent;
    for (const emulator::Record& record : printer->records()) {
        if (record.command == "setval") {
            sent.push_back(record.key + "=" + record.value);
        }
    }
    return sent;
}

std::vector<std::string> EmulatedPrinterTest::Keys(const std::string& command) const {
    std::vector<std::string> keys;
    for (const emulator::Record& record : printer->records()) {
        if (record.command == command) {
            keys.push_back(record.key);
        }
    }
    return keys;
}

std::optional<std::string> EmulatedPrinterTest::Written(const std::string& key) const {
    std::optional<std::string> value;
    for (const emulator::Record& record : printer->records()) {
        if (record.command == "setval" && record.key == key) {
            value = record.value;
        }
    }
    return value;
}

std::vector<ShownBox> EmulatedPrinterTest::Boxes(const std::string& kind) const {
    std::vector<ShownBox> boxes;
    for (const ShownBox& box : sink.boxes) {
        if (box.kind == kind) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

} // namespace tolvane::test
