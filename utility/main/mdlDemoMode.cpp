#include "mdlDemoMode.h"

#include "mdlFileUtil.h"
#include "mdlIniFile.h"
#include "mdlPaths.h"
#include "mdlTextLines.h"

#include <QProcess>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/prctl.h>

namespace tolvane {
namespace {

namespace fs = std::filesystem;

constexpr int kEmulatorStartMs = 5000;
constexpr const char* kListeningTcp = "listening tcp 127.0.0.1:";

// Copies the shipped files (not the user's printer list) and links the
// folders the program reads beside them.
void PrepareFolder(const std::string& programFolder, const std::string& folder) {
    std::error_code ignored;
    fs::create_directories(folder + "files", ignored);
    for (const auto& entry : fs::directory_iterator(programFolder + "files", ignored)) {
        if (entry.is_regular_file() && entry.path().filename() != "PrinterList.txt") {
            fs::copy_file(entry.path(), folder + "files/" + entry.path().filename().string(), ignored);
        }
    }
    for (const char* name : {"icons", "PrtDll", "FWUpdate"}) {
        if (fs::exists(programFolder + name)) {
            fs::create_directory_symlink(programFolder + name, folder + name, ignored);
        }
    }
}

std::vector<std::string> Profiles(const std::string& programFolder) {
    std::vector<std::string> profiles;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(programFolder + "emulator-profiles", ignored)) {
        if (entry.is_regular_file() && entry.path().extension() == ".profile") {
            profiles.push_back(entry.path().string());
        }
    }
    std::sort(profiles.begin(), profiles.end());
    return profiles;
}

// The port of the "listening tcp 127.0.0.1:PORT" line the emulator prints.
int ListeningPort(QProcess& process) {
    QByteArray output;
    while (process.waitForReadyRead(kEmulatorStartMs)) {
        output += process.readAllStandardOutput();
        const qsizetype at = output.indexOf(kListeningTcp);
        const qsizetype end = at < 0 ? -1 : output.indexOf('\n', at);
        if (end > at) {
            bool ok = false;
            const qsizetype from = at + static_cast<qsizetype>(std::char_traits<char>::length(kListeningTcp));
            const int port = output.mid(from, end - from).trimmed().toInt(&ok);
            return ok && port > 0 && port < 65536 ? port : -1;
        }
        if (output.size() > 4096) {
            break;
        }
    }
    return -1;
}

} // namespace

std::string DemoListName(const std::string& model, const std::vector<std::string>& offered) {
    if (std::find(offered.begin(), offered.end(), model) != offered.end()) {
        return model;
    }
    for (const std::string& name : offered) {
        if (name.rfind(model + "-", 0) == 0) {
            return name;
        }
    }
    return model;
}

TDemoMode::TDemoMode() = default;

TDemoMode::~TDemoMode() {
    Stop();
}

bool TDemoMode::Start(const std::string& programFolderText, std::string& error) {
    const std::string programFolder = WithSlash(programFolderText);
    const std::string program = programFolder + "printer-emulator";
    if (!FileExists(program)) {
        error = program + ": not found";
        return false;
    }
    std::string pattern = (fs::temp_directory_path() / "tolvane-demo-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        error = "cannot create a temporary folder";
        return false;
    }
    folder_ = pattern + "/";
    PrepareFolder(programFolder, folder_);
    for (const std::string& profile : Profiles(programFolder)) {
        std::string profileError;
        if (!StartEmulator(programFolder, profile, profileError)) {
            error += profileError + "\n";
        }
    }
    if (printers_.empty()) {
        error += "no printer emulator could be started";
        Stop();
        return false;
    }
    if (!WritePrinterList(folder_ + "files/PrinterList.txt", printers_)) {
        error = folder_ + "files/PrinterList.txt: cannot be written";
        Stop();
        return false;
    }
    error.clear();
    SetAppFolder(folder_);
    return true;
}

bool TDemoMode::StartEmulator(const std::string& programFolder, const std::string& profile,
                              std::string& error) {
    const std::string name = fs::path(profile).stem().string();
    auto process = std::make_unique<QProcess>();
    // The emulator ends with the utility, even when the utility is killed.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(QString::fromStdString(programFolder + "printer-emulator"),
                   {"--profile", QString::fromStdString(profile), "--tcp", "127.0.0.1:0", "--state",
                    QString::fromStdString(folder_ + name + ".state"), "--log",
                    QString::fromStdString(folder_ + name + ".log")});
    if (!process->waitForStarted(kEmulatorStartMs)) {
        error = name + ": " + process->errorString().toStdString();
        return false;
    }
    const int port = ListeningPort(*process);
    if (port < 0) {
        error = name + ": " + process->readAllStandardError().trimmed().toStdString();
        process->kill();
        process->waitForFinished(kEmulatorStartMs);
        return false;
    }
    std::string model = IniReadString(profile, "printer", "model");
    if (model.empty()) {
        model = name;
    }
    model = DemoListName(model, ReadTextLines(folder_ + "files/CompanyPrinterList_Label.txt"));
    printers_.push_back({model, "NET", "NET,127.0.0.1," + std::to_string(port), "emulator " + name, "0"});
    emulators_.push_back(std::move(process));
    return true;
}

void TDemoMode::Stop() {
    for (const auto& process : emulators_) {
        process->terminate();
        if (!process->waitForFinished(kEmulatorStartMs)) {
            process->kill();
            process->waitForFinished(kEmulatorStartMs);
        }
    }
    emulators_.clear();
    if (!folder_.empty()) {
        if (WithSlash(AppFolder()) == folder_) {
            SetAppFolder("");
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        folder_.clear();
    }
    printers_.clear();
}

bool TakeDemoSwitch(std::vector<std::string>& args) {
    const auto removed = std::remove(args.begin() + (args.empty() ? 0 : 1), args.end(), "--demo");
    const bool found = removed != args.end();
    args.erase(removed, args.end());
    return found;
}

} // namespace tolvane
