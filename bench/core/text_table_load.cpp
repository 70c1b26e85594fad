// Loading the shared text table of one language: from the shipped language
// file, and from a file of the size a fully translated product ships (709
// shared texts and 1500 window texts in eleven languages). Each load starts
// with an empty INI cache, beside a plain read of the same file in the same
// run; the warm load (cache hit) is shown too. Prints medians and ratios and
// fails when a cold load of the shipped file takes 20 ms or more.
#include "mdlFileUtil.h"
#include "mdlGlobal.h"
#include "mdlIniFile.h"
#include "mdlLangTextTable.h"
#include "mdlPaths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 41;

double MedianMs(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

std::string FullSizeLanguageFile() {
    std::string text = "[LanguageCollect]\nList=2052,1033,1028,1041,1049,1046,1034,1042,7,1040,1036\n"
                       "DefaultLanguageID=2052\n";
    char line[160];
    for (const char* id :
         {"2052", "1033", "1028", "1041", "1049", "1046", "1034", "1042", "7", "1040", "1036"}) {
        text.append("[").append(id).append("]\n");
        for (int i = 0; i < 1500; ++i) {
            std::snprintf(line, sizeof line, "FormParaSet_Family%02d_lblControl%04d=Window text number %d\n",
                          i % 40, i, i);
            text += line;
        }
        for (int i = 0; i < 709; ++i) {
            std::snprintf(line, sizeof line, "%s_%04d%04d_%02d=共享文本 shared text number %d\n",
                          i < 9 ? "Lang_Pos" : "Lang_All", i < 58 ? 1 : 21, i, 11 + i % 5, i);
            text += line;
        }
    }
    return text;
}

struct Figures {
    double plainMs, coldMs, warmMs;
    std::size_t texts, bytes;
};

Figures Measure(const std::string& path) {
    using namespace tolvane;
    std::string content;
    ReadWholeFile(path, kIniMaxFileBytes, content);
    Figures f{};
    f.bytes = content.size();
    f.plainMs = MedianMs([&] { ReadWholeFile(path, kIniMaxFileBytes, content); });
    f.coldMs = MedianMs([] {
        IniCacheClear();
        LangTexts().Load("2052");
    });
    f.warmMs = MedianMs([] { LangTexts().Load("2052"); });
    f.texts = LangTexts().Size();
    return f;
}

void Print(const char* name, const Figures& f) {
    std::printf(
        "%-28s %8zu bytes %5zu texts  plain read %.3f ms  cold load %.3f ms (%.1fx)  warm load %.3f ms "
        "(%.1fx)\n",
        name, f.bytes, f.texts, f.plainMs, f.coldMs, f.coldMs / f.plainMs, f.warmMs, f.warmMs / f.plainMs);
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    std::string folder = (fs::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        return 2;
    }
    tolvane::SetAppFolder(folder);
    fs::create_directories(folder + "/files");
    const std::string path = folder + "/files/UtilityForLabelLanguage.ini";
    tolvane::Globals().LanguageId = "2052";

    fs::copy_file(std::string(TOLVANE_SOURCE_DIR "/files/UtilityForLabelLanguage.ini"), path);
    const Figures shipped = Measure(path);
    Print("shipped language file", shipped);

    tolvane::WriteFileAtomic(path, FullSizeLanguageFile());
    const Figures full = Measure(path);
    Print("full-size language file", full);

    fs::remove_all(folder);
    const bool ok = shipped.coldMs < 20.0 && full.coldMs < 20.0;
    std::printf("target: a cold load under 20 ms: %s\n", ok ? "met" : "MISSED");
    return ok ? 0 : 1;
}
