#include "mdlFileChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace tolvane {
namespace {

IFileChooser* g_chooser = nullptr;

} // namespace

IFileChooser& FileChooser() {
    static TQtFileChooser qtChooser;
    return g_chooser != nullptr ? *g_chooser : qtChooser;
}

void SetFileChooser(IFileChooser* chooser) {
    g_chooser = chooser;
}

std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                          const std::string& start) {
    return FileChooser().Choose({TFileRequest::TKind::Open, title, filter, start});
}

std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                          const std::string& start) {
    return FileChooser().Choose({TFileRequest::TKind::Save, title, filter, start});
}

std::optional<std::string> ChooseFolder(const std::string& title, const std::string& start) {
    return FileChooser().Choose({TFileRequest::TKind::Folder, title, {}, start});
}

std::optional<std::string> TQtFileChooser::Choose(const TFileRequest& request) {
    QWidget* parent = QApplication::activeWindow();
    const QString title = QString::fromStdString(request.title);
    const QString start = QString::fromStdString(request.start);
    const QString filter = QString::fromStdString(request.filter);
    QString chosen;
    switch (request.kind) {
    case TFileRequest::TKind::Open:
        chosen = QFileDialog::getOpenFileName(parent, title, start, filter);
        break;
    case TFileRequest::TKind::Save:
        chosen = QFileDialog::getSaveFileName(parent, title, start, filter);
        break;
    case TFileRequest::TKind::Folder:
        chosen = QFileDialog::getExistingDirectory(parent, title, start);
        break;
    }
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

std::optional<std::string> TScriptedFileChooser::Choose(const TFileRequest& request) {
    requests.push_back(request);
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace tolvane
