#include "mdlMiroCodePages.h"

#include "mdlModelListNames.h"
#include "mdlModelLists.h"

namespace tolvane::params {
namespace {

struct TCodePage {
    int number;
    const char* description; // nullptr: `name` is the whole entry
    const char* name;
};

std::vector<std::string> Build(std::initializer_list<TCodePage> pages) {
    std::vector<std::string> entries;
    for (const TCodePage& page : pages) {
        if (page.description == nullptr) {
            entries.emplace_back(page.name);
            continue;
        }
        const std::string number = std::to_string(page.number);
        entries.push_back(number + "=" + number + " : " + page.description + " : " + page.name);
    }
    return entries;
}

const std::vector<std::string>& ListA() {
    static const std::vector<std::string> list = Build({
        {0, "U.S.A., Standard Europe", "PC437"},
        {16, "Multilingual", "PC850"},
        {18, "Thai", "PC874"},
        {19, "U.S.A., Standard Europe", "PC437"},
        {21, "Portuguese", "PC860"},
        {22, "Canadian-French", "PC863"},
        {23, "Nordic", "PC865"},
        {24, "Cyrillic #2", "PC866"},
        {25, "Latin 2", "PC852"},
        {26, "Euro", "PC858"},
        {27, "Turkish", "PC857"},
        {28, "Greek", "PC737"},
        {29, "WPC1252", "WPC1252"},
        {30, "Arabic", "PC720"},
        {31, "Baltic Rim", "WPC775"},
        {32, nullptr, "32=32 : Cyrillic : PC855 "},
        {33, nullptr, "33=33 : Hebrew: PC862"},
        {34, "Arabic", "PC864"},
        {35, "Latin2", "WPC1250"},
        {36, "Cyrillic", "WPC1251"},
        {37, "Greek", "WPC1253"},
        {38, "Turkish", "WPC1254"},
        {39, "Hebrew", "WPC1255"},
        {40, "Arabic", "WPC1256"},
        {41, "Baltic Rim", "WPC1257"},
        {42, "Vietnamese", "WPC1258"},
        {43, "WPC755", "WPC755"},
        {44, "PC856", "PC856"},
        {45, "West Europe", "ISO-8859-1"},
        {46, "Latin2", "ISO-8859-2"},
        {47, "Latin 3", "ISO-8859-3"},
        {48, "Baltic", "ISO-8859-4"},
        {49, "Cyrillic", "ISO-8859-5"},
        {50, "Arabic", "ISO-8859-6"},
        {51, "Hebrew", "ISO-8859-8"},
        {52, "Turkish", "ISO-8859-9"},
        {53, "Latin9", "ISO-8859-15"},
        {54, "Korea", "Korea"},
        {55, "Traditional Chinese", "Traditional Chinese"},
        {56, "Japanese", "Japanese"},
        {57, "Simplied Chinese", "Simplied Chinese"},
    });
    return list;
}

const std::vector<std::string>& ListB() {
    static const std::vector<std::string> list = Build({
        {0, "U.S.A, Standard Europe", "CP_437"},
        {16, "Multilingual", "CP_850"},
        {17, "WPC1252", "WPC1252"},
        {18, "WPC1253", "WPC1253"},
        {19, nullptr, "19=19 : U.S.A., Standard EuropeCP_437"},
        {21, "Portuguese", "CP_860"},
        {22, "Canadian-French", "CP_863"},
        {23, "Nordic", "CP_865"},
        {24, "Cyrillic #2", "CP_866"},
        {25, "Latin 2", "CP_852"},
        {26, "Euro", "CP_858"},
        {27, "Turkish", "CP_857"},
        {28, "Greek", "CP_737"},
        {29, "WPC1252", "WPC1252"},
        {30, "PC720", "CP_720"},
        {31, "WPC775", "WPC775"},
        {32, "Cyrillic", "CP_855"},
        {33, "Hebrew", "CP_862"},
        {34, "Arabic", "CP_864"},
        {35, "WPC1250", "WPC1250"},
        {36, "Cyrillic", "WPC1251"},
        {37, "WPC1253", "WPC1253"},
        {38, "WPC1254", "WPC1254"},
        {39, "WPC1255", "WPC1255"},
        {40, "WPC1256", "WPC1256"},
        {41, "WPC1257", "WPC1257"},
        {42, "WPC1258", "WPC1258"},
        {43, nullptr, "43=43 : East Europe\xEF\xBC\x8CLatvian 2 : CP_755"},
        {44, "PC856", "PC856"},
        {45, "West Europe", "ISO-8859-1"},
        {46, "Latin2", "ISO8859-2"},
        {47, "Latin 3", "ISO-8859-3"},
        {48, "Baltic", "ISO-8859-4"},
        {49, "Cyrillic", "ISO-8859-5"},
        {50, "Arabic", "ISO-8859-6"},
        {51, "Hebrew", "ISO-8859-8"},
        {52, "Turkish", "ISO-8859-9"},
        {53, "Latin9", "ISO8859-15"},
        {54, "Korea", "Korea"},
        {55, "Traditional Chinese", "Traditional Chinese"},
        {56, "Japanese", "Japanese"},
        {57, "Simplied Chinese", "Simplied Chinese"},
        {58, "Null", "Null"},
    });
    return list;
}

const std::vector<std::string>& ListC() {
    static const std::vector<std::string> list = Build({
        {0, "U.S.A., Standard Europe", "PC437"},
        {1, "Katakana", "Katakana"},
        {2, "Multilingual", "PC850"},
        {3, "Portuguese", "PC860"},
        {4, "Canadian-French", "PC863"},
        {5, "Nordic", "PC865"},
        {13, "Turkish", "PC857"},
        {14, "Greek", "PC737"},
        {16, "WPC1252", "WPC1252"},
        {17, "Cyrillic #2", "PC866"},
        {18, "Latin 2", "PC852"},
        {19, "Euro", "PC858"},
        {32, "PC720", "PC720"},
        {33, "WPC775", "WPC775"},
        {34, "Cyrillic", "PC855"},
        {36, "Hebrew", "PC862"},
        {37, "Arabic", "PC864"},
        {39, "Latin2", "ISO8859-2"},
        {40, "Latin9", "ISO8859-15"},
        {45, "WPC1250", "WPC1250"},
        {46, "Cyrillic", "WPC1251"},
        {47, "WPC1253", "WPC1253"},
        {48, "WPC1254", "WPC1254"},
        {49, "WPC1255", "WPC1255"},
        {50, "WPC1256", "WPC1256"},
        {51, "WPC1257", "WPC1257"},
        {52, "WPC1258", "WPC1258"},
        {59, "West Europe", "ISO-8859-1"},
        {60, "Latin 3", "ISO-8859-3"},
        {61, "Baltic", "ISO-8859-4"},
        {62, "Cyrillic", "ISO-8859-5"},
        {63, "Arabic", "ISO-8859-6"},
        {64, "Hebrew", "ISO-8859-8"},
        {65, "Turkish", "ISO-8859-9"},
        {66, "PC856", "PC856"},
        {110, "Korea", "Korea"},
        {111, "Traditional Chinese", "Traditional Chinese"},
        {112, "Japanese", "Japanese"},
        {113, "Simplied Chinese", "Simplied Chinese"},
    });
    return list;
}

const std::vector<std::string>& ListD() {
    static const std::vector<std::string> list = Build({
        {1, "U.S.A, Standard Europe", "CP_437"},
        {2, "Katakana", "CP_KATAKANA"},
        {3, "Arabic", "CP_720"},
        {4, "Greek", "CP_737"},
        {5, "5", "CP_755"},
        {8, "Baltic", "CP_775"},
        {9, "Multilingual", "CP_850"},
        {12, "Turkish", "CP_853"},
        {14, "Cyrillic", "CP_855"},
        {15, "15", "CP_856"},
        {16, "Turkish", "CP_857"},
        {17, "Euro", "CP_858"},
        {19, "PORTUGUESE", "CP_860"},
        {21, "Hebrew", "CP_862"},
        {22, "Canadian/French", "CP_863"},
        {23, "Arabic", "CP_864"},
        {24, "Nordic", "CP_865"},
        {25, "Cyrillic #2, Russian", "CP_866"},
        {36, "Latin2", "CP_1250"},
        {37, "Cyrillic", "CP_1251"},
        {38, "Latin", "CP_1252"},
        {39, "Greek", "CP_1253"},
        {40, "Turkish", "CP_1254"},
        {41, "Hebrew", "CP_1255"},
        {42, "Arabic", "CP_1256"},
        {43, "Baltic Rim", "CP_1257"},
        {44, "Vietnamese", "CP_1258"},
        {62, "Latin 1", "CP_ISO8859_1"},
        {63, "Latin 2", "CP_ISO8859_2"},
        {64, "Latin 3", "CP_ISO8859_3"},
        {65, "Baltic", "CP_ISO8859_4"},
        {66, "Cyrillic", "CP_ISO8859_5"},
        {67, "Arabic", "CP_ISO8859_6"},
        {68, "Greek", "CP_ISO8859_7"},
        {69, "Hebrew", "CP_ISO8859_8"},
        {70, "Turkish", "CP_ISO8859_9"},
        {73, "Latin 9", "CP_ISO8859_15"},
        {77, nullptr, "77=77 : Thai Character Code 11,  TIS11 : CP_THAI11"},
        {82, nullptr, "82=82 : Thai Character Code 18,  TIS18 : CP_THAI18"},
        {84, "84", "CP_MIK"},
        {85, "85", "CP_IRAN"},
        {86, "86", "CP_IRANII"},
        {87, "87", "CP_LATVIAN"},
    });
    return list;
}

const std::vector<std::string>& ListE() {
    static const std::vector<std::string> list = Build({
        {0, "U.S.A., Standard Europe", "PC437"},
        {2, "Multilingual", "PC850"},
        {3, "Portuguese", "PC860"},
        {4, "Canadian-French", "PC863"},
        {5, "Nordic", "PC865"},
        {13, "Turkish", "PC857"},
        {14, "Greek", "PC737"},
        {16, "WPC1252", "WPC1252"},
        {17, "Cyrillic #2", "PC866"},
        {18, "Latin 2", "PC852"},
        {19, "Euro", "PC858"},
        {20, "Thai", "KU42"},
        {21, "Thai", "TIS11"},
        {32, nullptr, "32=32 : Arabic : PC720 "},
        {33, "Baltic Rim", "WPC775"},
        {34, "Cyrillic", "PC855"},
        {36, "Hebrew", "PC862"},
        {37, "Arabic", "PC864"},
        {39, "Latin2", "ISO8859-2"},
        {40, "Latin9", "ISO8859-15"},
        {45, "Latin2", "WPC1250"},
        {46, "Cyrillic", "WPC1251"},
        {47, "Greek", "WPC1253"},
        {48, "Turkish", "WPC1254"},
        {49, "Hebrew", "WPC1255"},
        {50, "Arabic", "WPC1256"},
        {51, "Baltic Rim", "WPC1257"},
        {52, "Vietnamese", "WPC1258"},
    });
    return list;
}

} // namespace

const std::vector<std::string>& MiroCodePages(TMiroCodePageList list) {
    static const std::vector<std::string> none;
    switch (list) {
    case TMiroCodePageList::A:
        return ListA();
    case TMiroCodePageList::B:
        return ListB();
    case TMiroCodePageList::C:
        return ListC();
    case TMiroCodePageList::D:
        return ListD();
    case TMiroCodePageList::E:
        return ListE();
    case TMiroCodePageList::None:
        break;
    }
    return none;
}

TMiroCodePageList ChooseMiroCodePageList(const std::string& listName, const std::string& model,
                                         const std::string& language) {
    if (InBuiltInList(lists::MiroCodepageModelsA, listName)) {
        return TMiroCodePageList::A;
    }
    if (InBuiltInList(lists::MiroCodepageModelsB, model)) {
        return TMiroCodePageList::B;
    }
    if (InBuiltInList(lists::MiroCodepageModelsC, model)) {
        if (language == "cpcl") {
            return TMiroCodePageList::A;
        }
        return language == "esc" ? TMiroCodePageList::E : TMiroCodePageList::None;
    }
    if (InBuiltInList(lists::MiroCodepageModelsD, model)) {
        return TMiroCodePageList::C;
    }
    return TMiroCodePageList::D;
}

} // namespace tolvane::params
