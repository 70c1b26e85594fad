// The font dialog's test print: the job of the printer's command language
// in the chosen font, written in UTF-8 or the ANSI code page.
#include "mdlDLFont.h"
#include "mdlCodePageText.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

#include "mdlCatalogueOverlay.h"
#include "mdlPaperWidth.h"

#include <charconv>

namespace tolvane::download {

using params::Txt;

std::string FontTestJob(const TFontTestJob& job) {
    const std::string end = "\r\n";
    const std::string& text = job.text;
    if (job.ganlow) {
        return "^XA" + end + "^CI28" + end + "^FO50,50" + end + "^A@N,40,40,E:" + job.fontName + end + "^FD" +
               text + "^FS" + end + "^XZ" + end;
    }
    switch (job.protocol) {
    case 3:
        // The font cannot be named in this label: the printer's own font 9.
        return "! 0 20 20 60 1" + end + "T 9 0 8 8 " + text + end + "FORM" + end + "PRINT" + end;
    case 1:
        return "SIZE " + job.widthMm + " mm," + job.heightMm + " mm" + end + "CLS" + end + "TEXT 10,10,\"" +
               job.fontName + "\",0,48,48,\"" + text + "\"" + end + "PRINT 1,1" + end;
    case 4:
        return "^XA" + end + "^A@N,50,50," + job.prefix + job.fontName + end + "^FO100,100" + end + "^FD" +
               text + "^FS" + end + "^XZ" + end;
    case 5:
        return "N" + end + "A300,10,0,1,2,2,N,\"" + text + "\"" + end + "P1" + end;
    default:
        return text + end;
    }
}

void TDLFontDialog::CheckValue(const std::string& edit) {
    constexpr int kMinMm = 10;
    int limit = 0;
    if (edit == "txtPrintableWidth") {
        const std::string widest = DefaultPaperWidth(context_.model);
        std::from_chars(widest.data(), widest.data() + widest.size(), limit);
    } else if (edit == "txtPrintableHeigh") {
        limit = 210;
    } else {
        return;
    }
    const std::string& text = form_[edit].text;
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        value = -1; // not a number counts as too small
    }
    if (limit >= kMinMm && value > limit) {
        form_.SetText(edit, std::to_string(limit));
    } else if (value < kMinMm) {
        form_.SetText(edit, std::to_string(kMinMm));
    }
}

void TDLFontDialog::btnTestFontClick() {
    const int index = form_["lvFonts"].index;
    if (index < 0 || static_cast<size_t>(index) >= fonts_.size()) {
        return;
    }
    if (!PrtLib_BeginExchange()) {
        return;
    }
    const TFontEntry& font = fonts_[static_cast<size_t>(index)];
    TFontTestJob job;
    job.ganlow = IsModelInList(context_.model, ReadCatalogue("Ganlow_PrintFontText")) ||
                 IsModelInList(context_.listName, ReadCatalogue("Ganlow_PrintFontText"));
    job.protocol = ProtocolKind;
    job.fontName = font.name;
    job.prefix = font.ram ? "R_" : "E_";
    job.text = form_["rtTestText"].text.substr(0, 255);
    CheckValue("txtPrintableWidth");
    CheckValue("txtPrintableHeigh");
    job.widthMm = form_["txtPrintableWidth"].text;
    job.heightMm = form_["txtPrintableHeigh"].text;
    const std::string utf8 = FontTestJob(job);
    const bool asUtf8 = form_["chkLanguage"].index == 1 && form_["cmbLanguage"].index == 0;
    const std::string bytes = asUtf8 ? utf8 : diagnostics::ToCodePage(utf8, diagnostics::AnsiCodePage());
    if (PrtLib_Write(bytes) != 0) {
        MessageSink().ShowError(Txt("_Err_WriteData"), Txt("_MSG_Title_Error"));
    }
    PrtLib_EndExchange();
}

} // namespace tolvane::download
