// The headless session: the program's state after the main window's first
// show, without a window, for the command line and the dialog layer.
#include "MainWindowFixture.h"

#include "mdlCatalogueHooks.h"
#include "mdlCatalogueOverlay.h"
#include "mdlCompanyPrinterList.h"
#include "mdlConst_Permission.h"
#include "mdlHeadlessSession.h"
#include "mdlIniFile.h"
#include "mdlModelList.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterSelection.h"

namespace tolvane::test {
namespace {

using HeadlessSession = MainWindowTest;

// What the rest of the program sees of a session.
struct SessionState {
    std::string languageId;
    std::string setWord; // a shared word
    std::string tableText;
    std::string fontName;
    std::string keptFontName;
    std::string catalogueList;
    std::vector<std::string> companyPrinters;
    bool selvanicReady = false;
    int protocolKind = -1;
    std::vector<std::string> identity;
    std::vector<int> permissions;
    bool operator==(const SessionState&) const = default;
};

SessionState Capture() {
    SessionState state;
    state.languageId = Globals().LanguageId;
    state.setWord = LangText("_Set");
    state.tableText = LangAll("Lang_All_00210373_11");
    state.fontName = SharedLangFont().name;
    state.keptFontName = GlobalObjects().OstrelVar ? GlobalObjects().OstrelVar->Font.name : "(none)";
    state.catalogueList = ReadCatalogue("Kavo_ParameterSetting");
    state.companyPrinters = CompanyPrinterList();
    state.selvanicReady = SelvanicAppIsReady();
    state.protocolKind = ProtocolKind;
    const TPrinterIdentity& identity = PrinterIdentity();
    state.identity = {identity.ListName, identity.Model, identity.MapModel, identity.PortAddress};
    for (const std::string_view number : kPermissionQueryOrder) {
        state.permissions.push_back(Permission(number));
    }
    return state;
}

std::ostream& operator<<(std::ostream& out, const SessionState& state) {
    out << state.languageId << " " << state.setWord << " " << state.tableText << " font " << state.fontName
        << "/" << state.keptFontName << " protocol " << state.protocolKind << " identity";
    for (const std::string& field : state.identity) {
        out << " " << field;
    }
    return out;
}

// Ends whichever session ran and clears what the next one starts from.
void ResetProgram() {
    EndHeadlessSession();
    ResetCoreState();
    PrinterIdentity() = {};
    ProtocolKind = kLangTspl;
}

TEST_F(HeadlessSession, GivesTheLanguageAndCatalogueOfTheProgram) {
    StartHeadlessSession(Args({"-EN"}));
    EXPECT_EQ(Globals().LanguageId, "1033");
    EXPECT_EQ(LangText("_Set"), "Set");
    EXPECT_EQ(LangAll("Lang_All_00210373_11"), "Firmware [{0}]");
    EXPECT_TRUE(IsModelInList("Kavo-300", ReadCatalogue("Kavo_ParameterSetting")));
    ASSERT_FALSE(CompanyPrinterList().empty());
    EXPECT_EQ(CompanyPrinterList().front(), "Vorlan");
    EXPECT_EQ(ProtocolKind, kLangTspl);
    ASSERT_TRUE(GlobalObjects().OstrelVar);
    EXPECT_EQ(GlobalObjects().OstrelVar->Font.name, SharedLangFont().name);
    EXPECT_FALSE(SharedLangFont().name.empty());
    EXPECT_TRUE(sink.boxes.empty()) << sink.boxes.front().text;
    EndHeadlessSession();
    EXPECT_FALSE(GlobalObjects().OstrelVar) << "the session's global objects are freed";
    EndHeadlessSession(); // a second end does nothing
}

TEST_F(HeadlessSession, ReachesTheStateOfTheMainWindowAfterItsFirstShow) {
    // Where the edition keeps its saved language.
    StartHeadlessSession(Args({}));
    const std::string sysPmFile = GlobalObjects().OstrelVar->SysPmFile;
    ResetProgram();

    struct Case {
        std::vector<const char*> args;
        const char* savedLanguage; // "ToolLang" of the system parameter file
    } cases[] = {
        {{"-EN"}, ""}, {{"-TW"}, ""}, {{}, ""}, {{}, "1033"}, {{"-TW"}, "2052"},
    };
    const std::string address = ClosedAddress();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.args.empty() ? "" : c.args.front()) + " saved " + c.savedLanguage);
        ASSERT_TRUE(IniWriteString(sysPmFile, "SysPm", "ToolLang", c.savedLanguage));
        WriteList("Kavo-300|NET|" + address + "||0\nVorlan|USB|USB||0\n");
        const std::vector<std::string> args = Args({});
        std::vector<std::string> full = args;
        full.insert(full.end(), c.args.begin(), c.args.end());

        InstallCatalogueHooks();
        StartupInitModules();
        StartupDecideAndCreate(full);
        window = std::make_unique<T_frmMain_Label>(full);
        window->show();
        const SessionState shown = Capture();
        window.reset();
        ResetProgram();

        StartHeadlessSession(full);
        const TSelectionOutcome outcome = SelectPrinter(LoadUserPrinterList().front());
        EXPECT_EQ(outcome.createResult, 0);
        EXPECT_EQ(Capture(), shown);
        ResetProgram();
    }
    EXPECT_TRUE(Boxes("error").empty());
}

} // namespace
} // namespace tolvane::test
