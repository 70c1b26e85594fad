#include "mdlIniFile.h"

#include "mdlFileUtil.h"

#include <mutex>
#include <sys/stat.h>
#include <unordered_map>

namespace tolvane {
namespace {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long mtimeSec = 0;
    long mtimeNsec = 0;
    long long ctimeSec = 0;
    long ctimeNsec = 0;

    bool operator==(const FileStamp&) const = default;
};

bool StampOf(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    stamp = FileStamp{st.st_dev,          st.st_ino,         st.st_size,        st.st_mtim.tv_sec,
                      st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
    return true;
}

struct CachedFile {
    FileStamp stamp;
    std::shared_ptr<const IniDocument> doc;
};

std::mutex g_cacheMutex;
std::unordered_map<std::string, CachedFile> g_cache;

const std::shared_ptr<const IniDocument>& EmptyDocument() {
    static const auto empty = std::make_shared<const IniDocument>();
    return empty;
}

void Forget(const std::string& path) {
    std::lock_guard lock(g_cacheMutex);
    g_cache.erase(path);
}

bool IsLineBreakFree(std::string_view text) {
    return text.find_first_of("\r\n", 0) == std::string_view::npos;
}

bool IsStorable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view trimmedKey = IniTrim(key);
    return !trimmedKey.empty() && trimmedKey.find('=') == std::string_view::npos &&
           trimmedKey.front() != '[' && trimmedKey.front() != ';' && trimmedKey.front() != '#' &&
           section.find(']') == std::string_view::npos && value.size() <= kIniMaxValueBytes &&
           IsLineBreakFree(section) && IsLineBreakFree(key) && IsLineBreakFree(value) &&
           std::string_view(section).find('\0') == std::string_view::npos &&
           key.find('\0') == std::string_view::npos && value.find('\0') == std::string_view::npos;
}

// One physical line of the file with its terminator.
struct Line {
    std::string_view text; // without terminator
    std::string_view end;  // "\n", "\r\n" or "" for the last line
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    while (!content.empty()) {
        const auto nl = content.find('\n');
        if (nl == std::string_view::npos) {
            lines.push_back({content, {}});
            break;
        }
        std::string_view text = content.substr(0, nl);
        std::string_view end = content.substr(nl, 1);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            end = content.substr(nl - 1, 2);
        }
        lines.push_back({text, end});
        content.remove_prefix(nl + 1);
    }
    return lines;
}

std::string_view HeaderName(std::string_view trimmed) {
    const auto close = trimmed.find(']');
    return IniTrim(close == std::string_view::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1));
}

// Returns the new content with key=value set as documented in the header.
std::string WithValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string_view bom = content.substr(0, 3) == "\xEF\xBB\xBF" ? content.substr(0, 3) : "";
    const std::vector<Line> lines = SplitLines(content.substr(bom.size()));
    const std::string_view eol = content.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    const std::string foldedSection = IniFoldCase(IniTrim(section));
    const std::string foldedKey = IniFoldCase(IniTrim(key));

    bool inTarget = false; // inside a section with the wanted name
    bool inFirst = false;  // inside the first of them, where a new key goes
    std::ptrdiff_t firstHeader = -1;
    std::ptrdiff_t lastEntry = -1; // last non-blank line of the first wanted section
    std::ptrdiff_t found = -1;
    for (std::size_t i = 0; i < lines.size() && found < 0; ++i) {
        const auto index = static_cast<std::ptrdiff_t>(i);
        const std::string_view trimmed = IniTrim(lines[i].text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            inTarget = IniFoldCase(HeaderName(trimmed)) == foldedSection;
            inFirst = inTarget && firstHeader < 0;
            if (inFirst) {
                firstHeader = index;
                lastEntry = index;
            }
            continue;
        }
        if (!inTarget || trimmed.empty()) {
            continue;
        }
        if (inFirst) {
            lastEntry = index;
        }
        const auto equals = trimmed.find('=');
        if (trimmed.front() != ';' && trimmed.front() != '#' && equals != std::string_view::npos &&
            IniFoldCase(IniTrim(trimmed.substr(0, equals))) == foldedKey) {
            found = index;
        }
    }

    std::string out(bom);
    const std::string newLine = std::string(IniTrim(key)) + "=" + std::string(value);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<std::ptrdiff_t>(i) == found) {
            const std::string_view trimmed = IniTrim(lines[i].text);
            out += IniTrim(trimmed.substr(0, trimmed.find('=')));
            out += '=';
            out += value;
        } else {
            out += lines[i].text;
        }
        std::string_view end = lines[i].end;
        if (found < 0 && static_cast<std::ptrdiff_t>(i) == lastEntry) {
            if (end.empty()) {
                end = eol;
            }
            out += end;
            out += newLine;
        }
        out += end;
    }
    if (found < 0 && firstHeader < 0) {
        if (!out.empty() && out.back() != '\n') {
            out += eol;
        }
        out += '[';
        out += IniTrim(section);
        out += ']';
        out += eol;
        out += newLine;
        out += eol;
    }
    return out;
}

} // namespace

std::shared_ptr<const IniDocument> IniLoad(const std::string& path) {
    FileStamp stamp;
    if (!StampOf(path, stamp)) {
        Forget(path);
        return EmptyDocument();
    }
    {
        std::lock_guard lock(g_cacheMutex);
        const auto it = g_cache.find(path);
        if (it != g_cache.end() && it->second.stamp == stamp) {
            return it->second.doc;
        }
    }
    std::string content;
    if (!ReadWholeFile(path, kIniMaxFileBytes, content)) {
        Forget(path);
        return EmptyDocument();
    }
    auto doc = std::make_shared<const IniDocument>(IniDocument::Parse(std::move(content)));
    FileStamp after;
    // Only a file that did not change while it was read may be cached.
    if (StampOf(path, after) && after == stamp) {
        std::lock_guard lock(g_cacheMutex);
        g_cache[path] = CachedFile{stamp, doc};
    }
    return doc;
}

std::string IniReadString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    const auto doc = IniLoad(path);
    const auto value = doc->Find(section, key);
    return std::string(value ? *value : defaultValue);
}

std::vector<std::string> IniReadSectionNames(const std::string& path) {
    return IniLoad(path)->SectionNames();
}

std::vector<std::string> IniReadKeys(const std::string& path, std::string_view section) {
    return IniLoad(path)->Keys(section);
}

bool IniWriteString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
    if (!IsStorable(section, key, value)) {
        return false;
    }
    std::string content;
    if (FileExists(path) && !ReadWholeFile(path, kIniMaxFileBytes, content)) {
        return false;
    }
    const bool ok = WriteFileAtomic(path, WithValue(content, section, key, value));
    Forget(path);
    return ok;
}

void IniCacheClear() {
    std::lock_guard lock(g_cacheMutex);
    g_cache.clear();
}

} // namespace tolvane
