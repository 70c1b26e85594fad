#include "mdlGlobalVar.h"

#include "mdlClock.h"
#include "mdlDebugLog.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessages.h"
#include "mdlPaths.h"

namespace tolvane {
namespace {

std::mutex g_presenterMutex;
FormMsgBoxPresenter g_presenter;

} // namespace

TGlobalVar::TGlobalVar()
    : Debug(FirstDebugMarkerExists()), DriveRoot(HomeFolder()), MarkerFolder(tolvane::MarkerFolder()),
      AppFolder(tolvane::AppFolder()) {
    DebugBase = MarkerFolder + "Base_Mobile_" + FolderSuffix + PathSeparator;
}

void TGlobalVar::WriteStartLine() {
    if (FirstDebugMarkerExists()) {
        AppendLogLine(DebugBase, "运行时间:" + FormatStampTime(NowLocal()), Lock);
    }
}

void TGlobalVar::ShowMsgBox(const std::string& text) {
    FormMsgBoxPresenter presenter;
    {
        std::lock_guard lock(g_presenterMutex);
        presenter = g_presenter;
    }
    if (presenter) {
        presenter(text);
        return;
    }
    const TConstLangV* constLang = GlobalObjects().ConstLangV.get();
    MessageSink().ShowInfo(text, constLang != nullptr ? constLang->MsgTitle_Message : std::string());
}

void SetFormMsgBoxPresenter(FormMsgBoxPresenter presenter) {
    std::lock_guard lock(g_presenterMutex);
    g_presenter = std::move(presenter);
}

} // namespace tolvane
