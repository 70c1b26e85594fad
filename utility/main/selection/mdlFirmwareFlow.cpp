#include "mdlFirmwareFlow.h"

#include "mdlCatalogueOverlay.h"
#include "mdlDialogChoice.h"
#include "mdlMainActions.h"
#include "mdlModelListNames.h"
#include "mdlPaths.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvane {

std::string PreselectedUpdateMethod(const std::string& answer) {
    std::string word = answer;
    for (char& c : word) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (word == "DFU") {
        return kMethodDfu;
    }
    if (word == "BIN") {
        return kMethodBin;
    }
    return {};
}

std::string ReadUpdateMethodAnswer(int& openResult) {
    openResult = PrtLib_Open(TPrtLib::Tsprix, PrinterIdentity().PortAddress);
    if (openResult != 0 && openResult != kAlreadyOpenResult) {
        return {};
    }
    std::string answer = CmdGetValWait(QuoteKey("update_method"), 200);
    if (openResult == 0) {
        PrtLib_Close(TPrtLib::Tsprix);
    }
    return answer;
}

std::optional<std::string> FirmwareDialogAfterMethod(const TPrinterFacts& facts) {
    if (facts.In("IsbtnGDL", facts.model)) {
        return "TfrmGDL";
    }
    if (facts.In("Quistel_DFU", facts.model)) {
        return "TfrmDFU_Quistel";
    }
    if ((facts.InBuiltIn(lists::DfuChoiceModels, facts.model) ||
         facts.InBuiltIn(lists::DfuChoiceModels, facts.listName)) &&
        facts.UsbIdentityHas(kLegacyUsbIdentity)) {
        return "TfrmDFU_Quistel";
    }
    return std::nullopt;
}

TUpdateModeResult EnterUpdateMode(const TPrinterFacts& facts) {
    TUpdateModeResult result;
    const std::optional<TWireCommand> command = DfuModeCommand(facts, ReadCatalogue("DFUWithoutCMD"));
    if (!command) {
        return result;
    }
    result.openResult = PrtLib_Open(TPrtLib::Tsprix, PrinterIdentity().PortAddress);
    if (result.openResult == 0 || result.openResult == kAlreadyOpenResult) {
        result.writeFailed = PrtLib_Write(TPrtLib::Tsprix, command->data) != 0;
    }
    PrtLib_Close(TPrtLib::Tsprix);
    return result;
}

std::string ExternalUpdaterPath() {
    return AppFolder() + "FWUpdate/Brakwell";
}

std::string ProgramProblem(const std::string& program) {
    struct stat info {};
    if (::stat(program.c_str(), &info) != 0) {
        return std::strerror(errno);
    }
    if (!S_ISREG(info.st_mode) || ::access(program.c_str(), X_OK) != 0) {
        return std::strerror(S_ISREG(info.st_mode) ? errno : EACCES);
    }
    return {};
}

std::string StartDetached(const std::string& program) {
    if (std::string problem = ProgramProblem(program); !problem.empty()) {
        return problem;
    }
    // The exec's failure comes back through a pipe that closes on success.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return std::strerror(errno);
    }
    const pid_t first = ::fork();
    if (first < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return std::strerror(error);
    }
    if (first == 0) {
        // A grandchild in a session of its own, so that the program
        // outlives this one and is not left as a zombie.
        ::setsid();
        if (::fork() != 0) {
            ::_exit(0);
        }
        const std::size_t slash = program.rfind('/');
        if (slash != std::string::npos && slash > 0) {
            [[maybe_unused]] const int changed = ::chdir(program.substr(0, slash).c_str());
        }
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        ::execv(program.c_str(), argv);
        const int error = errno;
        [[maybe_unused]] const ssize_t n = ::write(report[1], &error, sizeof(error));
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(first, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof(error));
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == static_cast<ssize_t>(sizeof(error)) ? std::strerror(error) : std::string();
}

} // namespace tolvane
