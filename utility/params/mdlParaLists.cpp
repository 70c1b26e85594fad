#include "mdlParaLists.h"

#include "mdlCatalogueOverlay.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"

namespace tolvane::params {

const std::vector<std::string>& TsplCodePages() {
    static const std::vector<std::string> pages = {"USA(USA)",
                                                   "British(BRI)",
                                                   "German(GER)",
                                                   "French(FRE)",
                                                   "Danish(DAN)",
                                                   "Italian(ITA)",
                                                   "Spanish(SPA)",
                                                   "Swedish(SWE)",
                                                   "Swiss(SWI)",
                                                   "United States(437)",
                                                   "Greek(737)",
                                                   "Multilingual(850)",
                                                   "Greek1(851)",
                                                   "Slavic(852)",
                                                   "Cyrillic(855)",
                                                   "Turkish(857)",
                                                   "Portuguese(860)",
                                                   "Icelandic(861)",
                                                   "Hebrew(862)",
                                                   "Canadian/French(863)",
                                                   "Arabic(864)",
                                                   "Nordic(865)",
                                                   "Russian(866)",
                                                   "Greek2(869)",
                                                   "Central Europe(1250)",
                                                   "Cyrillic(1251)",
                                                   "LatinI(1252)",
                                                   "Greek(1253)",
                                                   "Turkish(1254)",
                                                   "Hebrew(1255)",
                                                   "Arabic(1256)",
                                                   "Baltic(1257)",
                                                   "Vietnam(1258)",
                                                   "Latin1(8859-1)",
                                                   "Latin2(8859-2)",
                                                   "Latin3(8859-3)",
                                                   "Baltic(8859-4)",
                                                   "Cyrillic(8859-5)",
                                                   "Arabic(8859-6)",
                                                   "Greek(8859-7)",
                                                   "Hebrew(8859-8)",
                                                   "Turkish(8859-9)",
                                                   "Latin6(8859-10)",
                                                   "Latin9(8859-15)",
                                                   "Simplified Chinese GBK(936)",
                                                   "Traditional Chinese Big5(950)",
                                                   "Japanese Shift-JIS(932)"};
    return pages;
}

const std::vector<std::string>& ZplCodePages() {
    static const std::vector<std::string> pages = {"USA(USA)",
                                                   "U.K.(BRI)",
                                                   "German(GER)",
                                                   "French(FRE)",
                                                   "Denmark/Norway(DAN)",
                                                   "Italy(ITA)",
                                                   "Spain(SPA)",
                                                   "Sweden/Finland(SWE)",
                                                   "Swiss(SWI)",
                                                   "Latin(850)",
                                                   "Arabic(864)",
                                                   "Central and Eastern European Latin(1250)",
                                                   "Cyrillic(1251)",
                                                   "Latin(1252)",
                                                   "Modern Greek(1253)",
                                                   "Turkish(1254)",
                                                   "Hebrew(1255)",
                                                   "Arabic(1256)",
                                                   "Vietnam(1258)",
                                                   "Simplified Chinese GBK(936)",
                                                   "Shift-JIS(932)"};
    return pages;
}

const std::vector<std::string>& EplCodePages() {
    static const std::vector<std::string> pages = {"USA(USA)",        "British(BRI)",
                                                   "German(GER)",     "French(FRE)",
                                                   "Danish(DAN)",     "Italian(ITA)",
                                                   "Spanish(SPA)",    "Swedish(SWE)",
                                                   "Swiss(SWI)",      "English - US(437)",
                                                   "Greek(737)",      "Latin 1(850)",
                                                   "Greek 1(851)",    "Latin 2 (Cyrillic II/Slavic)(852)",
                                                   "Cyrillic(855)",   "Turkish(857)",
                                                   "Portuguese(860)", "Icelandic(861)",
                                                   "Hebrew(862)",     "French/Canadian(863)",
                                                   "Nordic(865)",     "Cyrillic CIS 1(866)",
                                                   "Greek 2(869)",    "Latin 2(1250)",
                                                   "Cyrillic(1251)",  "Latin 1(1252)",
                                                   "Greek(1253)",     "Turkish(1254)",
                                                   "Hebrew(1255)"};
    return pages;
}

void FillTsplCodePages(TFormModel& form, std::string_view list) {
    form.SetItems(list, TsplCodePages(), 0);
}

void FillZplCodePages(TFormModel& form, std::string_view list) {
    form.SetItems(list, ZplCodePages(), 0);
}

void FillEplCodePages(TFormModel& form, std::string_view list) {
    form.SetItems(list, EplCodePages(), 0);
}

void FillDensityList(TFormModel& form, std::string_view list, int max) {
    std::vector<std::string> items;
    for (int n = 0; n <= max; ++n) {
        items.push_back(std::to_string(n));
    }
    form.SetItems(list, std::move(items), 0);
}

bool ListHasNameComma(std::string_view list, std::string_view name) {
    if (name.empty()) {
        return false;
    }
    return list.find(std::string(name) + ",") != std::string_view::npos;
}

int TopPrintSpeed(const std::string& model) {
    int top = 3;
    for (int n = 3; n <= 10; ++n) {
        if (ListHasNameComma(ReadCatalogue("IPS" + std::to_string(n)), model)) {
            top = n;
            break;
        }
    }
    if (InBuiltInList(lists::Speed4Models, model) || model == "PirvoE") {
        top = 4;
    }
    return top;
}

void FillSpeedList(TFormModel& form, std::string_view list, const std::string& model) {
    std::vector<std::string> items;
    for (int n = 2; n <= TopPrintSpeed(model); ++n) {
        items.push_back(std::to_string(n));
    }
    form.SetItems(list, std::move(items), 0);
}

} // namespace tolvane::params
