// The parameter-block dialog against the emulated printer: every family
// reads its block, writes it back byte for byte and changes only the bytes
// of the control that changed; the family conditions that change what is
// read or written; failed reads and values that cannot be stored.
#include "BlockFamilyPrinters.h"
#include "ParamsFixture.h"
#include "mdlBlockForms.h"
#include "mdlFunction_Permission.h"
#include "mdlHeadlessSession.h"
#include "mdlParaSetBlock.h"
#include "mdlPrinterIdentity.h"
#include "mdlSelvanic.h"

#include <fstream>
#include <set>
#include <sstream>

namespace tolvane::test {
namespace {

using params::TBlockCodec;
using params::TBlockFamily;
using params::TParaSetBlock;
using enum params::TBlockFamily;

class BlockDialogTest : public EmulatedPrinterTest {
  protected:
    // Selects the printer on an emulated printer of that profile and opens
    // the family's dialog as the main window does: created, shown, read.
    TParaSetBlock& Open(TBlockFamily family, const std::string& listName, const std::string& profile,
                        const std::function<void()>& beforeRead = {}) {
        const std::string address = StartPrinter(profile);
        SelectListedPrinter(listName, address);
        if (beforeRead) {
            beforeRead();
        }
        dialog = std::make_unique<TParaSetBlock>(family, params::SelectedPrinterContext());
        dialog->FormCreate();
        dialog->FormShow();
        dialog->StartRead();
        return *dialog;
    }
    TParaSetBlock& Open(const FamilyCase& c) { return Open(c.family, c.listName, c.profile); }

    // Adds a model to a list of the catalogue file before the session starts.
    void AddToCatalogueList(const std::string& key, const std::string& model) {
        const std::string path = app / "files/PrinterTypeList_Label.ini";
        std::ifstream in(path);
        std::ostringstream out;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(key + "=", 0) == 0) {
                line += line.back() == ',' ? model + "," : "," + model + ",";
            }
            out << line << '\n';
        }
        in.close();
        std::ofstream(path) << out.str();
    }

    // Writes the dialog's block and gives the block the printer stored.
    emulator::ConfigBlock SetAndStored() {
        printer->clearRecords();
        dialog->btnSetClick();
        const auto write = printer->waitForCommand("block_write");
        EXPECT_TRUE(write);
        if (write) {
            EXPECT_EQ(write->note, "stored");
        }
        return printer->settings().block;
    }
    bool Wrote() const {
        for (const emulator::Record& record : printer->records()) {
            if (record.command == "block_write") {
                return true;
            }
        }
        return false;
    }
    const params::TControl& C(const char* name) const { return dialog->Form()[name]; }

    std::unique_ptr<TParaSetBlock> dialog;
};

// ---- every family ----

class BlockFamilyTest : public BlockDialogTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(BlockFamilyTest, WritesBackTheBlockItReadByteForByte) {
    TParaSetBlock& block = Open(GetParam());
    ASSERT_TRUE(block.BlockRead);
    ASSERT_TRUE(Boxes("error").empty()) << Boxes("error")[0].text;
    const emulator::ConfigBlock before = printer->settings().block;
    EXPECT_TRUE(std::equal(before.begin(), before.end(), block.Block.begin()));

    EXPECT_EQ(SetAndStored(), before);
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("_ParaSet_OK"));
    EXPECT_TRUE(block.CloseRequested());
    const bool resets = GetParam().family == Oskin || GetParam().family == Fenno;
    EXPECT_EQ(printer->waitForCommand("do", "reset_printer", std::chrono::milliseconds(resets ? 3000 : 50))
                  .has_value(),
              resets);
}

// For every field the dialog reads: a different value in its control
// changes its bytes and no other byte (the paper list also its sensing
// byte); a control the printer does not read or write (never one the user
// can reach) changes nothing.
TEST_P(BlockFamilyTest, ChangingOneControlChangesExactlyItsBytes) {
    TParaSetBlock& block = Open(GetParam());
    ASSERT_TRUE(block.BlockRead);
    const TConfigBlock original = block.Block;
    params::TFormModel& form = block.Form();
    std::set<std::string> tried;
    for (const params::TBlockField& field : block.Fields) {
        const std::string name(field.control);
        if (!tried.insert(name).second) {
            continue;
        }
        block.Block = original;
        block.SplitSetting();
        params::TControl& control = form[name];
        if (control.kind == params::TControlKind::Edit) {
            if (name == "txtVoltageBetweenLabelGap") {
                control.text = control.text == "2.0" ? "1.0" : "2.0";
            } else if (name == "txtBTName") {
                control.text = control.text == "Zed9" ? "Yak8" : "Zed9";
            } else if (name == "txtBTPWD") {
                control.text = control.text == "9876" ? "8765" : "9876";
            } else {
                control.text = std::to_string((std::stoi(control.text) + 1) % 90);
            }
        } else if (control.kind == params::TControlKind::Check) {
            control.index = control.index == 1 ? 0 : 1;
        } else {
            ASSERT_GE(control.items.size(), 2u) << name;
            // The next code page may have the same number ("Default" and "PC437").
            const int step = name == "cmbCodepage" ? 2 : 1;
            control.index = (control.index + step) % static_cast<int>(control.items.size());
        }
        ASSERT_TRUE(block.ReplacePrintSetting()) << name;

        std::set<std::size_t> allowed;
        for (const params::TBlockField& other : block.Fields) {
            if (other.control == field.control) {
                for (std::size_t i = 0; i < other.width; ++i) {
                    allowed.insert(other.offset + i);
                }
            }
        }
        std::set<std::size_t> changed;
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (block.Block[i] != original[i]) {
                changed.insert(i);
            }
        }
        if (!block.Applies(name)) {
            EXPECT_FALSE(form.EffectivelyEnabled(name) && form.EffectivelyVisible(name)) << name;
            EXPECT_TRUE(changed.empty()) << name << " is neither read nor written";
            continue;
        }
        EXPECT_FALSE(changed.empty()) << name;
        for (const std::size_t i : changed) {
            EXPECT_TRUE(allowed.contains(i)) << name << " changed byte " << i;
        }
    }
}

std::string FamilyName(const ::testing::TestParamInfo<FamilyCase>& info) {
    return std::string(params::FamilyToken(info.param.family));
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, BlockFamilyTest, ::testing::ValuesIn(kBlockFamilyPrinters), FamilyName);

// ---- a change end to end ----

TEST_F(BlockDialogTest, AChangedControlReachesThePrinterAndNothingElseDoes) {
    Open(Gulvo, "Gulvo-80", "gulvo_esc.profile");
    const emulator::ConfigBlock before = printer->settings().block;
    dialog->Form().SetIndex("cmbDensity", 3);
    dialog->Form().SetText("txtLabelMaxLength", "60");
    const emulator::ConfigBlock stored = SetAndStored();
    for (std::size_t i = 0; i < 254; ++i) { // 254-255: the sum
        const std::set<std::size_t> expected = {34, 70, 71};
        EXPECT_EQ(stored[i] != before[i], expected.contains(i)) << "byte " << i;
    }
    EXPECT_EQ(stored[34], 3);
    EXPECT_EQ(stored[70], 224);
    EXPECT_EQ(stored[71], 1);
}

TEST_F(BlockDialogTest, PaperTypesWriteTheirSensingByte) {
    struct Case {
        TBlockFamily family;
        const char* listName;
        const char* profile;
        int position;
        uint8_t paper59;
        uint8_t sensing58;
    } cases[] = {
        {Pelso, "Pelso-80", "pelso_esc.profile", 2, 2, 0},  // continuous
        {Pelso, "Pelso-80", "pelso_esc.profile", 3, 3, 2},  // black mark
        {Dovrin, "Tallis", "tallis_tspl.profile", 1, 2, 0}, // continuous
        {Dovrin, "Tallis", "tallis_tspl.profile", 2, 3, 2}, // black mark
    };
    for (const Case& c : cases) {
        Open(c.family, c.listName, c.profile);
        dialog->Form().SetIndex("cmbJudgePaperMode", c.position);
        const emulator::ConfigBlock stored = SetAndStored();
        EXPECT_EQ(stored[59], c.paper59);
        EXPECT_EQ(stored[58], c.sensing58);
        dialog.reset();
        printer.reset();
        EndHeadlessSession();
    }
}

// ---- family conditions ----

// A Bluetooth name "OLDNAME" in the block, and byte 61 set.
void SeedBluetoothName(emulator::Printer& state) {
    emulator::ConfigBlock block = state.block();
    std::copy_n("OLDNAME", 7, block.begin() + 9);
    block[61] = 1;
    emulator::sealBlock(block);
    state.setBlock(block);
}

TEST_F(BlockDialogTest, DapraWithoutBluetoothOrPermissionLeavesThoseBytesAlone) {
    Open(Dapra, "Dapra-D2", "gulvo_esc.profile", [this] { printer->changePrinter(SeedBluetoothName); });
    EXPECT_FALSE(C("gpbBT").visible);
    EXPECT_FALSE(C("cmbProtocolType").enabled);
    EXPECT_EQ(C("cmbProtocolType").index, -1);
    EXPECT_EQ(C("txtTip_ProtocolType").text, params::Txt("Lang_Pos_00010003_11"));
    EXPECT_EQ(C("lblProtocolType").text,
              params::Txt("Lang_All_00210004_12") + params::Txt("Lang_All_00010002_11"));
    EXPECT_EQ(C("txtBTName").text, "") << "not read";
    const int shortHeight = dialog->Form().ClientHeight();

    const emulator::ConfigBlock before = printer->settings().block;
    dialog->Form().SetText("txtBTName", "NEW");
    dialog->Form().SetIndex("cmbProtocolType", 0);
    EXPECT_EQ(SetAndStored(), before);

#ifdef TEST_SELVANIC
    // In the Bluetooth list and with the permission.
    dialog.reset();
    printer.reset();
    EndHeadlessSession();
    AddToCatalogueList("SendoWithBT", "Dapra-D2");
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission")("0142030002", 1);
    Open(Dapra, "Dapra-D2", "gulvo_esc.profile", [this] {
        Selvanic().Bind();
        RefreshPermissions(PrinterIdentity().Model);
        printer->changePrinter(SeedBluetoothName);
    });
    EXPECT_TRUE(C("gpbBT").visible);
    EXPECT_GT(dialog->Form().ClientHeight(), shortHeight) << "the window shrinks without the Bluetooth group";
    EXPECT_EQ(C("txtBTName").text, "OLDNAME");
    EXPECT_TRUE(C("cmbProtocolType").enabled);
    EXPECT_EQ(C("cmbProtocolType").SelectedText(), params::Txt("Lang_All_00010006_14"))
        << "1 stands for TSPL";
    EXPECT_EQ(C("txtTip_ProtocolType").text, params::Txt("Lang_Pos_00010004_11"));
    dialog->Form().SetText("txtBTName", "NEW");
    dialog->Form().SetIndex("cmbProtocolType", 0);
    const emulator::ConfigBlock stored = SetAndStored();
    EXPECT_EQ(std::string(stored.begin() + 9, stored.begin() + 25),
              std::string("NEW") + std::string(13, '\0'));
    EXPECT_EQ(stored[61], 0);
#endif
}

TEST_F(BlockDialogTest, BluetoothPasswordMustHaveFourCharactersWhereBluetoothApplies) {
    struct Case {
        TBlockFamily family;
        const char* listName;
        const char* profile;
        bool inBluetoothList;
        bool checked;
    } cases[] = {
        {Oskin, "Oskin-80BT", "oskin_esc.profile", false, true},
        {Oskin, "Oskin-58", "oskin_esc.profile", false, false},
        {Fenno, "Fenno-58", "gulvo_esc.profile", true, true},
        {Fenno, "Fenno-58", "gulvo_esc.profile", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listName);
        sink.boxes.clear();
        if (c.inBluetoothList) {
            AddToCatalogueList("SendoWithBT", "Fenno-58");
        }
        Open(c.family, c.listName, c.profile);
        EXPECT_EQ(C("txtBTPWD").enabled, c.checked);
        dialog->Form().SetText("txtBTPWD", "12");
        const emulator::ConfigBlock before = printer->settings().block;
        printer->clearRecords();
        dialog->btnSetClick();
        if (c.checked) {
            ASSERT_EQ(Boxes("error").size(), 1u);
            EXPECT_EQ(Boxes("error")[0].text, params::Txt("_Err_BTPWD_Len"));
            EXPECT_FALSE(dialog->CloseRequested());
            EXPECT_FALSE(Wrote());
        } else {
            // Without Bluetooth the password is neither checked nor written.
            EXPECT_TRUE(printer->waitForCommand("block_write"));
            EXPECT_TRUE(Boxes("error").empty());
            EXPECT_EQ(printer->settings().block, before);
        }
        dialog.reset();
        printer.reset();
        EndHeadlessSession();
        std::filesystem::copy_file(TOLVANE_SOURCE_DIR "/files/PrinterTypeList_Label.ini",
                                   app / "files/PrinterTypeList_Label.ini",
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

TEST_F(BlockDialogTest, OskinNameAndPasswordShareTheirBytesWithoutOverlap) {
    Open(Oskin, "Oskin-80BT", "oskin_esc.profile");
    EXPECT_EQ(C("txtBTName").text, "OSK80");
    EXPECT_EQ(C("txtBTPWD").text, "1234");
    dialog->Form().SetText("txtBTName", "ABCDEFGHIJ");
    dialog->Form().SetText("txtBTPWD", "5678");
    const emulator::ConfigBlock stored = SetAndStored();
    EXPECT_EQ(std::string(stored.begin() + 10, stored.begin() + 24), "ABCDEFGHIJ5678");
    EXPECT_TRUE(printer->waitForCommand("do", "reset_printer"));

    // Read back, the name is the name alone.
    dialog.reset();
    dialog = std::make_unique<TParaSetBlock>(Oskin, params::SelectedPrinterContext());
    dialog->FormCreate();
    dialog->FormShow();
    dialog->StartRead();
    EXPECT_EQ(C("txtBTName").text, "ABCDEFGHIJ");
    EXPECT_EQ(C("txtBTPWD").text, "5678");
}

TEST_F(BlockDialogTest, SendoRowsFollowTheModelLists) {
    Open(Sendo, "TessinBT", "tessin_cpcl.profile");
    EXPECT_TRUE(C("gpbBT").visible);
    EXPECT_EQ(C("txtBTName").text, "TessinBT-01");
    EXPECT_EQ(C("chkSimplePairing").index, 1);
    EXPECT_TRUE(C("gpbReprintWhenError").visible);
    EXPECT_TRUE(C("gpbReprintWhenError").enabled) << "detect mode 1";
    dialog->Form().SetIndex("cmbDetectMode", 0);
    dialog->UserChanged("cmbDetectMode");
    EXPECT_FALSE(C("gpbReprintWhenError").enabled);
    EXPECT_FALSE(C("gpbPrintReprint").enabled);
    const int fullHeight = dialog->Form().ClientHeight();
    dialog.reset();
    printer.reset();
    EndHeadlessSession();

    // A model of NoReprintModels: the reprint rows are neither shown, read nor written.
    Open(Sendo, "Tessin-58BT", "tessin_cpcl.profile");
    EXPECT_FALSE(C("gpbReprintWhenError").visible);
    EXPECT_FALSE(C("gpbPrintReprint").visible);
    EXPECT_LT(dialog->Form().ClientHeight(), fullHeight);
    const emulator::ConfigBlock before = printer->settings().block;
    dialog->Form().SetIndex("gpbReprintWhenError", 0);
    dialog->Form().SetIndex("gpbPrintReprint", 1);
    EXPECT_EQ(SetAndStored(), before);
}

TEST_F(BlockDialogTest, QuistTitleAndFixedLanguageModels) {
    Open(Quist, "Quist", "quist_tspl.profile");
    EXPECT_EQ(dialog->Form().Title(), params::Txt("Ostrel_ParaSet"));
    EXPECT_EQ(C("cmbDensity").SelectedText(), "3");
    EXPECT_EQ(C("cmbDensity").items.size(), 6u);
    dialog.reset();
    printer.reset();
    EndHeadlessSession();

    // A model with a fixed language loses its language group and the window shrinks.
    Open(Gulvo, "Gulvo-80", "gulvo_esc.profile");
    const int fullHeight = dialog->Form().ClientHeight();
    EXPECT_TRUE(C("gpbLanguage").visible);
    dialog.reset();
    printer.reset();
    EndHeadlessSession();
    AddToCatalogueList("OnlyChinese", "Gulvo-80");
    Open(Gulvo, "Gulvo-80", "gulvo_esc.profile");
    EXPECT_FALSE(C("gpbLanguage").visible);
    EXPECT_LT(dialog->Form().ClientHeight(), fullHeight);
}

// ---- failures ----

TEST_F(BlockDialogTest, AFailedReadShowsItsMessageAndWritesNothing) {
    struct Case {
        TBlockFamily family;
        const char* listName;
        const char* profile;
        const char* fault;
        const char* messageKey;
    } cases[] = {
        {Gulvo, "Gulvo-80", "gulvo_esc.profile", "block_read=silent", "_Err_ReadData"},
        {Gulvo, "Gulvo-80", "gulvo_esc.profile", "block_read=wrong_sum", "_Err_CheckSum"},
        {Gulvo, "Gulvo-80", "gulvo_esc.profile", "block_read=corrupt", "_Err_ReadData"},
        {Sendo, "TessinBT", "tessin_cpcl.profile", "block_read=wrong_sum", "_Err_CheckSum"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        sink.boxes.clear();
        Open(c.family, c.listName, c.profile, [this, &c] {
            std::string error;
            ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        });
        ASSERT_EQ(Boxes("error").size(), 1u);
        EXPECT_EQ(Boxes("error")[0].text, params::Txt(c.messageKey));
        EXPECT_FALSE(dialog->BlockRead);
        if (c.family == Sendo) {
            EXPECT_FALSE(C("btnSet").enabled);
            EXPECT_FALSE(dialog->Timers().at("Timer1").enabled);
        } else {
            EXPECT_TRUE(dialog->Timers().at("Timer1").enabled);
            EXPECT_EQ(dialog->Timers().at("Timer1").intervalMs, 100);
            dialog->Tick("Timer1");
            EXPECT_TRUE(dialog->CloseRequested());
        }
        dialog->btnSetClick();
        EXPECT_FALSE(Wrote());
        dialog.reset();
        printer.reset();
        EndHeadlessSession();
    }
}

// The block write has no reply: "Set" reports success only when the
// printer reports the block back as it was sent.
TEST_F(BlockDialogTest, ABlockThePrinterDoesNotReportBackIsNotReportedSaved) {
    const struct {
        const char* fault; // in force from the write on
        bool saved;
    } cases[] = {
        {"", true},
        {"block_read=silent", false},
        {"block_read=corrupt", false},
        {"block_read=cut", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        Open(Gulvo, "Gulvo-80", "gulvo_esc.profile");
        ASSERT_TRUE(dialog->BlockRead);
        std::string error;
        ASSERT_TRUE(*c.fault == 0 || printer->addFault(c.fault, error)) << error;
        sink.boxes.clear();
        SetAndStored();
        EXPECT_EQ(Boxes("info").size(), c.saved ? 1u : 0u);
        ASSERT_EQ(Boxes("error").size(), c.saved ? 0u : 1u);
        if (!c.saved) {
            EXPECT_EQ(Boxes("error")[0].text, params::Txt("_Err_ParaSet"));
        }
        dialog.reset();
        printer.reset();
        EndHeadlessSession();
    }
}

TEST_F(BlockDialogTest, AValueThatCannotBeStoredStopsTheWrite) {
    Open(Gulvo, "Gulvo-80", "gulvo_esc.profile");
    dialog->Form().SetIndex("cmbDensity", 2);
    dialog->Form().SetText("txtStopPrint", "");
    printer->clearRecords();
    dialog->btnSetClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_NE(Boxes("error")[0].text.find(params::Txt("FormParaSet_Tramwe_lblStopPrint")), std::string::npos);
    EXPECT_FALSE(Wrote());
    EXPECT_FALSE(dialog->CloseRequested());
}

TEST_F(BlockDialogTest, LeavingAFieldKeepsItInItsRange) {
    Open(Pelso, "Pelso-80", "pelso_esc.profile");
    struct Case {
        const char* field;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"txtLabelMaxLength", "500", "400"},
        {"txtLabelMaxLength", "12", "38"},
        {"txtMarkMaxLength", "", "0"},
        {"txtValleyThresholdRate", "150", "100"},
        {"txtVoltageBetweenLabelGap", "5", "3.3"},
        {"txtVoltageBetweenLabelGap", "2.5", "2.5"},
    };
    for (const Case& c : cases) {
        dialog->Form().SetText(c.field, c.typed);
        dialog->LeaveField(c.field);
        EXPECT_EQ(C(c.field).text, c.kept) << c.field << " " << c.typed;
    }
    EXPECT_TRUE(dialog->AcceptsKey("txtVoltageBetweenLabelGap", '.'));
    EXPECT_FALSE(dialog->AcceptsKey("txtStopPrint", '.'));
    EXPECT_FALSE(dialog->AcceptsKey("txtLabelMaxLength", 'a'));
}

} // namespace
} // namespace tolvane::test
