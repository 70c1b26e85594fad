// The stored-file lists against the emulated printer: the key-command
// replies, print and delete with their values and OK polls, the "~!F"
// lists, the RUN lines of the auto list, and the auto label mode switch.
#include "DownloadFixture.h"
#include "mdlDLImage.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"

#include <algorithm>
#include <chrono>

namespace tolvane::test {
namespace {

using download::TDLFileDialog;

void Put(emulator::Emulator& printer, const std::string& kind, char memory, const std::string& name) {
    printer.changePrinter([&](emulator::Printer& p) { p.files().store({kind, memory, name, {1, 2, 3}}); });
}

TEST_F(DownloadTest, ImageListPrintAndDeleteUseTheMemoryPrefixAsTheyShould) {
    Open("Kavo");
    Put(*printer, "bitmaps", 'R', "LOGO.GRF");
    Put(*printer, "bitmaps", 'E', "X.GRF");
    dialog->DoActive_Bitmap("btnGetAllImage");
    EXPECT_EQ(dialog->Form()["lvFonts"].items,
              (std::vector<std::string>{TDLFileDialog::EntryText("RAM", "LOGO.GRF"),
                                        TDLFileDialog::EntryText("Flash", "X.GRF")}));
    printer->clearRecords();
    dialog->Form().SetIndex("lvFonts", 0);
    dialog->DoActive_Bitmap("btnPrintImage");
    dialog->Form().SetIndex("lvFonts", 0);
    sink.answers.push_back(true); // the delete question answered OK
    dialog->DoActive_Bitmap("btnDelCurImage");
    std::vector<std::string> values;
    for (const auto& r : printer->records()) {
        if (r.command == "do") {
            values.push_back(r.key + " " + r.value);
        }
    }
    EXPECT_EQ(values, (std::vector<std::string>{"print \"bitmaps\" \"LOGO.GRF\"",
                                                "delete \"bitmaps\" \"R_LOGO.GRF\""}));
    EXPECT_EQ(dialog->Form()["lvFonts"].items,
              std::vector<std::string>{TDLFileDialog::EntryText("Flash", "X.GRF")});
    EXPECT_FALSE(Stored("bitmaps", "R_LOGO.GRF").has_value());

    // Nothing selected: a warning, nothing sent.
    printer->clearRecords();
    dialog->DoActive_Bitmap("btnPrintImage");
    EXPECT_EQ(Boxes("info").back().text, LangText("msgsi"));
    EXPECT_TRUE(Keys("do").empty());
}

TEST_F(DownloadTest, APrintOrDeleteThePrinterDidNotConfirmIsAnError) {
    struct Case {
        std::string fault;  // "" for none
        std::string button; // btnPrintImage or btnDelCurImage
        std::string name;   // the entry pressed on
        std::string message;
        bool kept; // the entry is still listed afterwards
    };
    const std::vector<Case> cases = {
        {"", "btnPrintImage", "GONE.GRF", "_Err_NotStored", true}, // answered "ER"
        {"do:print=silent/1", "btnPrintImage", "X.GRF", "_Err_ReadData", true},
        {"do:print=cut:1/1", "btnPrintImage", "X.GRF", "_Err_ReadData", true},
        {"do:delete=silent/1", "btnDelCurImage", "X.GRF", "_Err_ReadData", true},
        {"", "btnDelCurImage", "GONE.GRF", "", false}, // "ER": it is not there either
    };
    download::TTransferPacing pacing = FastPacing();
    pacing.okPollRounds = 2;
    Open("Kavo", "kavo_tspl.profile", false, pacing);
    for (const Case& c : cases) {
        Put(*printer, "bitmaps", 'E', "X.GRF");
        dialog->DoActive_Bitmap("btnGetAllImage");
        // An entry the printer no longer has.
        dialog->Form().AddItem("lvFonts", TDLFileDialog::EntryText("Flash", "GONE.GRF"));
        const auto& items = dialog->Form()["lvFonts"].items;
        const auto at = std::find(items.begin(), items.end(), TDLFileDialog::EntryText("Flash", c.name));
        ASSERT_NE(at, items.end());
        dialog->Form().SetIndex("lvFonts", static_cast<int>(at - items.begin()));
        if (!c.fault.empty()) {
            std::string error;
            ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        }
        if (c.button == "btnDelCurImage") {
            sink.answers.push_back(true); // the delete question answered OK
        }
        const size_t errors = Boxes("error").size();
        dialog->DoActive_Bitmap(c.button);
        const std::string where = c.button + " " + c.name + " " + c.fault;
        if (c.message.empty()) {
            EXPECT_EQ(Boxes("error").size(), errors) << where;
        } else {
            ASSERT_EQ(Boxes("error").size(), errors + 1) << where;
            EXPECT_EQ(Boxes("error").back().text, c.message == "_Err_NotStored"
                                                      ? params::TxtWith(c.message, c.name)
                                                      : LangText(c.message))
                << where;
        }
        const auto& after = dialog->Form()["lvFonts"].items;
        EXPECT_EQ(std::count(after.begin(), after.end(), TDLFileDialog::EntryText("Flash", c.name)) == 1,
                  c.kept)
            << where;
        EXPECT_FALSE(PrtLib_ExchangeOpen()) << where;
        printer->clearFaults();
    }
}

TEST_F(DownloadTest, ThePrinterFilesButtonIsOfferedWhereTheTsplFileCommandsAreAnswered) {
    const struct {
        const char* listName;
        const char* profile;
        int language;
        bool offered;
    } cases[] = {{"Kavo", "kavo_tspl.profile", kLangTspl, true},
                 {"Calder", "calder_zpl.profile", kLangZpl, false}};
    for (const auto& c : cases) {
        Open(c.listName, c.profile);
        // Calder prints TSPL or ZPL and is asked; this one reports ZPL.
        EXPECT_EQ(ProtocolKind, c.language) << c.listName;
        EXPECT_EQ(dialog->Form()["btnTspl"].visible, c.offered) << c.listName;
        dialog->FormClose();
        dialog.reset();
    }
}

TEST_F(DownloadTest, DeletingAllImagesWaitsForEachOk) {
    Open("Kavo");
    for (const char* name : {"A.GRF", "B.GRF", "C.GRF"}) {
        Put(*printer, "bitmaps", 'E', name);
    }
    dialog->DoActive_Bitmap("btnGetAllImage");
    printer->clearRecords();
    sink.answers.push_back(true); // the delete question answered OK
    dialog->DoActive_Bitmap("btnDelAllImage");
    EXPECT_EQ(Keys("do"), (std::vector<std::string>{"delete", "delete", "delete"}));
    EXPECT_TRUE(dialog->Form()["lvFonts"].items.empty());
    printer->changePrinter([](emulator::Printer& p) { EXPECT_TRUE(p.files().list("bitmaps").empty()); });
    // Each OK was taken up before the next delete: the list read afterwards is clean.
    Put(*printer, "bitmaps", 'E', "D.GRF");
    dialog->DoActive_Bitmap("btnGetAllImage");
    EXPECT_EQ(dialog->Form()["lvFonts"].items,
              std::vector<std::string>{TDLFileDialog::EntryText("Flash", "D.GRF")});
}

TEST_F(DownloadTest, DirectTsplListsSplitImagesFromProgramsAndRunTheAutoList) {
    Open("Ardel", "ardel_tspl.profile");
    for (const char* name : {"A.BMP", "B.BAS", "C.BMP", "D.BAS"}) {
        Put(*printer, "direct", 'E', name);
    }
    dialog->DoActive_Bitmap("btnGetAllImage");
    dialog->DoActive_Label("btnGetAllTmp");
    EXPECT_EQ(dialog->Form()["lvFonts"].items,
              (std::vector<std::string>{TDLFileDialog::EntryText("Flash", "A.BMP"),
                                        TDLFileDialog::EntryText("Flash", "C.BMP")}));
    EXPECT_EQ(dialog->Form()["ListView1"].items,
              (std::vector<std::string>{TDLFileDialog::EntryText("Flash", "B.BAS"),
                                        TDLFileDialog::EntryText("Flash", "D.BAS")}));
    dialog->DoActive_AutoTmp("btnGetAutoTmp");
    EXPECT_EQ(dialog->AutoList(), "B.BAS,D.BAS");
    printer->clearRecords();
    dialog->Form().SetIndex("lsbAutoTmp", 0);
    dialog->DoActive_AutoTmp("btnPrintAutoTmp");
    const auto records = printer->records();
    std::vector<emulator::Record> runs;
    for (const auto& r : records) {
        if (r.command == "tspl_run") {
            runs.push_back(r);
        }
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].key, "B.BAS");
    EXPECT_EQ(runs[1].key, "D.BAS");
    EXPECT_GE(runs[1].time - runs[0].time, std::chrono::milliseconds(90));

    dialog->Form().SetIndex("lvFonts", 1);
    sink.answers.push_back(true); // the delete question answered OK
    dialog->DoActive_Bitmap("btnDelCurImage");
    EXPECT_FALSE(Stored("direct", "C.BMP").has_value());
}

TEST_F(DownloadTest, AutoTemplatesAndTheAutoLabelModeSwitch) {
    Open("Kavo");
    Put(*printer, "autoform", 'E', "AUTO.zpl.prn");
    dialog->DoActive_AutoTmp("btnGetAutoTmp");
    EXPECT_EQ(dialog->AutoName(), "E_AUTO.zpl.prn");
    EXPECT_EQ(dialog->Form()["lsbAutoTmp"].items, std::vector<std::string>{"E_AUTO.prn"});
    EXPECT_EQ(dialog->Form()["btnSwitchAutoform"].text, LangText("FormDLFile_btnSwitchAutoform1"));
    dialog->DoActive_AutoTmp("btnSwitchAutoform");
    EXPECT_TRUE(printer->waitForCommand("do", "reset_printer").has_value());
    EXPECT_EQ(Written("autoform_switch"), "on");
    EXPECT_TRUE(printer->waitForCommand("do", "save_param").has_value());
    EXPECT_EQ(dialog->Form()["btnSwitchAutoform"].text, LangText("FormDLFile_btnSwitchAutoform2"));
    dialog->Form().SetIndex("lsbAutoTmp", 0);
    sink.answers.push_back(true); // the delete question answered OK
    dialog->DoActive_AutoTmp("btnDeleteAutoTmp");
    EXPECT_FALSE(Stored("autoform", "E_AUTO.zpl.prn").has_value());
    EXPECT_TRUE(dialog->Form()["lsbAutoTmp"].items.empty());
}

TEST_F(DownloadTest, TheImageOnlyVariantPrintsAtItsPositionAndNeedsANumericResolution) {
    Open("Kavo-200", "kavo_tspl.profile", true);
    EXPECT_FALSE(dialog->Form()["cmbFileType"].enabled);
    EXPECT_FALSE(dialog->Form()["btnGetAllTmp"].enabled);
    Put(*printer, "bitmaps", 'E', "LOGO.GRF");
    dialog->DoActive_Bitmap("btnGetAllImage");
    dialog->Form().SetText("edtPrintImagePosition", "24");
    dialog->Form().SetIndex("lvFonts", 0);
    printer->clearRecords();
    dialog->DoActive_Bitmap("btnPrintImage");
    EXPECT_EQ(Commands(), (std::vector<std::string>{"setval pic_start_pos", "do print"}));
    EXPECT_EQ(Written("pic_start_pos"), "24");

    // A resolution reply that is not a number ends the start with a message.
    SetPrinterValue("dpi", "high");
    download::TMonoImage image{8, 1, {0xFF}};
    const std::string path = (std::filesystem::path(home.Path()) / "dot.bmp").string();
    ASSERT_TRUE(download::SaveMonoBmp(path, image));
    ASSERT_TRUE(dialog->ChooseFile(path));
    dialog->btnDLFileClick();
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed);
    EXPECT_FALSE(dialog->Busy());
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    EXPECT_FALSE(Boxes("error").empty());
}

} // namespace
} // namespace tolvane::test

namespace tolvane::test {
namespace {

// Every delete button of the stored-file lists asks first. Cancel sends
// nothing and keeps the list; OK deletes and reads the memory line again,
// which then shows the room the deleted files gave back.
TEST_F(DownloadTest, EveryDeleteAsksFirstAndRefreshesTheMemoryLine) {
    struct TCase {
        const char* button;
        const char* list;
        const char* kind;
        const char* question;
    };
    const TCase cases[] = {
        {"btnDelCurImage", "lvFonts", "bitmaps", "FormDLFile_DelCurrentTip"},
        {"btnDelAllImage", "lvFonts", "bitmaps", "FormDLFile_DelAllTip"},
        {"btnDelCurTmp", "ListView1", "labels", "FormDLFile_DelCurrentTip"},
        {"btnDelAllTmp", "ListView1", "labels", "FormDLFile_DelAllTip"},
    };
    Open("Kavo");
    const auto press = [&](const TCase& c, const std::string& button) {
        if (std::string(c.list) == "lvFonts") {
            dialog->DoActive_Bitmap(button);
        } else {
            dialog->DoActive_Label(button);
        }
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.button);
        printer->changePrinter([&](emulator::Printer& p) {
            p.files().store({c.kind, 'E', "ONE.GRF", emulator::Bytes(6000, 1)});
            p.files().store({c.kind, 'E', "TWO.GRF", emulator::Bytes(6000, 2)});
        });
        press(c, std::string(c.list) == "lvFonts" ? "btnGetAllImage" : "btnGetAllTmp");
        ASSERT_EQ(dialog->Form()[c.list].items.size(), 2u);
        dialog->Form().SetIndex(c.list, 0);
        const std::string spaceBefore = dialog->Form()["lblSpace_File"].text;

        printer->clearRecords();
        sink.boxes.clear();
        press(c, c.button); // answered Cancel
        ASSERT_EQ(Boxes("ask").size(), 1u);
        EXPECT_EQ(Boxes("ask")[0].text, LangText(c.question));
        EXPECT_TRUE(Commands().empty());
        EXPECT_EQ(dialog->Form()[c.list].items.size(), 2u);
        EXPECT_TRUE(Stored(c.kind, "E_ONE.GRF").has_value());

        sink.answers.push_back(true);
        dialog->Form().SetIndex(c.list, 0);
        press(c, c.button);
        EXPECT_FALSE(Stored(c.kind, "E_ONE.GRF").has_value());
        const std::vector<std::string> reads = Keys("getval");
        EXPECT_NE(std::find(reads.begin(), reads.end(), "use_capacity"), reads.end());
        EXPECT_NE(dialog->Form()["lblSpace_File"].text, spaceBefore);
        printer->changePrinter([&](emulator::Printer& p) { p.files().erase(c.kind, "E_TWO.GRF"); });
    }
}

} // namespace
} // namespace tolvane::test
