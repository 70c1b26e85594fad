// Brakwell: the firmware updater for printers in DFU mode that the utility
// starts from its program folder (FWUpdate/Brakwell). It drives dfu-util.
#include "FormBrakwell.h"
#include "mdlLanguageId.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brakwell");
    // The utility's language file, one folder up from FWUpdate/.
    const QString texts =
        QDir(QApplication::applicationDirPath()).absoluteFilePath("../files/UtilityForLabelLanguage.ini");
    const int language = tolvane::MapLanguageId(tolvane::SystemLanguageId());
    const std::string section = language == 2052 || language == 1028 ? std::to_string(language) : "1033";
    tolvane::updater::TfrmBrakwell window(QDir::cleanPath(texts).toStdString(), section);
    window.show();
    return QApplication::exec();
}
