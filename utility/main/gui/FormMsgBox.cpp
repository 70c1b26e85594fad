#include "FormMsgBox.h"

#include "mdlGlobalObjects.h"
#include "mdlLangFontApply.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvane {
namespace {
constexpr int kClientWidth = 380;
constexpr int kClientHeight = 75;
constexpr int kPanelHeight = 41;
constexpr int kButtonGap = 64;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
} // namespace

TfrmFormMsgBox::TfrmFormMsgBox(QWidget* parent)
    : QDialog(parent), memo_(new QPlainTextEdit(this)), panel_(new QWidget(this)),
      btnOK_(new QPushButton(panel_)), btnCancel_(new QPushButton(panel_)) {
    setObjectName("FormMsgBox");
    memo_->setObjectName("Memo1");
    panel_->setObjectName("Panel1");
    btnOK_->setObjectName("btnOK");
    btnCancel_->setObjectName("btnCancel");

    memo_->setReadOnly(true);
    memo_->setFrameShape(QFrame::NoFrame);
    panel_->setFixedHeight(kPanelHeight);
    btnOK_->resize(kButtonWidth, kButtonHeight);
    btnCancel_->resize(kButtonWidth, kButtonHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(memo_, 1);
    layout->addWidget(panel_);

    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    resize(kClientWidth, kClientHeight);
    PlaceButtons();
}

void TfrmFormMsgBox::SetMessage(const QString& text) {
    const TConstLangV* lang = GlobalObjects().ConstLangV.get();
    if (lang != nullptr) {
        setWindowTitle(QString::fromStdString(lang->MsgTitle_Message));
        btnOK_->setText(QString::fromStdString(lang->Btn_OK));
        btnCancel_->setText(QString::fromStdString(lang->Btn_Cancel));
    }
    memo_->setPlainText(text);
}

int TfrmFormMsgBox::OkLeft(int clientWidth, int okWidth) {
    return (clientWidth - 2 * okWidth - kButtonGap) / 2;
}

int TfrmFormMsgBox::CancelLeft(int okLeft, int okWidth) {
    return okLeft + okWidth + kButtonGap;
}

void TfrmFormMsgBox::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceButtons();
}

void TfrmFormMsgBox::PlaceButtons() {
    const int okWidth = btnOK_->width();
    const int top = (kPanelHeight - btnOK_->height()) / 2;
    const int okLeft = OkLeft(width(), okWidth);
    btnOK_->move(okLeft, top);
    btnCancel_->move(CancelLeft(okLeft, okWidth), top);
}

void ShowFormMsgBox(const std::string& text) {
    TfrmFormMsgBox box;
    box.SetMessage(QString::fromStdString(text));
    ApplyLangFont(&box);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
    box.exec();
}

} // namespace tolvane
