// The GUI layer: texts applied by control name (and every control of the two
// windows having a text in each shipped language), the row layout helper
// and the scripted file chooser.
#include "MainWindowFixture.h"

#include "FormPrinterManage_Label.h"
#include "gui/mdlFileChooser.h"
#include "gui/mdlFormTexts.h"
#include "gui/mdlPrtParaRows.h"
#include "gui/mdlQtMessageSink.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tolvane::test {
namespace {

using TGuiLayer = MainWindowTest;

TEST_F(TGuiLayer, TextsAreAppliedByControlName) {
    WriteFiles("UtilityForLabelLanguage.ini", "[LanguageCollect]\nList=1033\nDefaultLanguageID=1033\n"
                                              "[1033]\nFormDemo_Caption=Demo window\nFormDemo_btnGo=Go\n"
                                              "FormDemo_gpbBox=Box\nFormDemo_lblName=Name\n");
    Globals().LanguageId = "1033";
    QWidget form;
    auto* go = new QPushButton("design", &form);
    go->setObjectName("btnGo");
    auto* box = new QGroupBox(&form);
    box->setObjectName("gpbBox");
    auto* name = new QLabel(box);
    name->setObjectName("lblName");
    auto* other = new QLabel("kept", &form);
    other->setObjectName("lblOther");
    EXPECT_EQ(FormTextKey("Demo", "btnGo"), "FormDemo_btnGo");
    EXPECT_EQ(ApplyFormTexts(&form, "Demo"), 3);
    EXPECT_EQ(form.windowTitle(), "Demo window");
    EXPECT_EQ(go->text(), "Go");
    EXPECT_EQ(box->title(), "Box");
    EXPECT_EQ(name->text(), "Name");
    EXPECT_EQ(other->text(), "kept") << "a key without a text leaves the control as it is";
}

TEST_F(TGuiLayer, EveryControlOfBothWindowsHasATextInEachShippedLanguage) {
    for (const char* language : {"-CN", "-EN", "-TW"}) {
        WriteList("Kavo-300|USB|USB||0\n");
        OpenWindow({language});
        window->PrinterManage()->SetModeAdd(ListFile());
        window->PrinterManage()->show();
        for (QWidget* form :
             {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->PrinterManage())}) {
            EXPECT_FALSE(form->windowTitle().isEmpty()) << language;
            for (const QPushButton* button : form->findChildren<QPushButton*>()) {
                EXPECT_FALSE(button->text().isEmpty())
                    << language << " " << button->objectName().toStdString();
            }
            for (const QLabel* label : form->findChildren<QLabel*>()) {
                EXPECT_FALSE(label->text().isEmpty()) << language << " " << label->objectName().toStdString();
            }
            for (const QGroupBox* group : form->findChildren<QGroupBox*>()) {
                EXPECT_FALSE(group->title().isEmpty())
                    << language << " " << group->objectName().toStdString();
            }
        }
        window->PrinterManage()->hide();
        window.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
        ResetGlobals();
    }
}

TEST(RowLayout, HiddenRowsTakeNoSpace) {
    TestApp();
    QWidget page;
    auto* a = new QLabel(&page);
    auto* b = new QLabel(&page);
    auto* hiddenLabel = new QLabel(&page);
    auto* c = new QLabel(&page);
    a->move(20, 0);
    c->move(180, 0);
    TObj_Ult_PrtParaManage rows;
    rows.Add("A", 20, {a, b});
    rows.Add("Hidden", 30, {hiddenLabel}, false);
    rows.Add("C", 26, {c});
    EXPECT_EQ(rows.Layout(10), 10 + 20 + 6 + 26 + 6);
    EXPECT_EQ(rows.VisibleCount, 2);
    EXPECT_EQ(a->pos(), QPoint(20, 10));
    EXPECT_EQ(b->y(), 10);
    EXPECT_EQ(c->pos(), QPoint(180, 36));
    EXPECT_TRUE(a->isVisibleTo(&page) && c->isVisibleTo(&page));
    EXPECT_FALSE(hiddenLabel->isVisibleTo(&page));

    rows.Items[1]->Visible = true;
    rows.Items[0]->Visible = false;
    EXPECT_EQ(rows.Layout(0), 30 + 6 + 26 + 6);
    EXPECT_FALSE(a->isVisibleTo(&page));
    EXPECT_EQ(hiddenLabel->y(), 0);
    rows.Clear();
    EXPECT_TRUE(rows.Items.empty());
}

TEST(FileChooser, AScriptedChooserAnswersInOrderAndRecordsTheRequests) {
    TScriptedFileChooser scripted;
    scripted.answers = {std::string("/tmp/a.bmp"), std::nullopt};
    SetFileChooser(&scripted);
    EXPECT_EQ(ChooseOpenFile("Image", "Images (*.bmp)", "/tmp"), "/tmp/a.bmp");
    EXPECT_EQ(ChooseSaveFile("Save", "*.txt"), std::nullopt);
    EXPECT_EQ(ChooseFolder("Folder"), std::nullopt) << "an empty script cancels";
    ASSERT_EQ(scripted.requests.size(), 3u);
    EXPECT_EQ(scripted.requests[0].kind, TFileRequest::TKind::Open);
    EXPECT_EQ(scripted.requests[0].filter, "Images (*.bmp)");
    EXPECT_EQ(scripted.requests[2].kind, TFileRequest::TKind::Folder);
    SetFileChooser(nullptr);
    EXPECT_NE(dynamic_cast<TQtFileChooser*>(&FileChooser()), nullptr);
}

} // namespace
} // namespace tolvane::test

namespace tolvane::test {
namespace {

// A message box opens over the dialog that asked, not in the middle of
// the screen.
TEST(QtMessageSink, ABoxOpensOverTheModalDialogThatAsked) {
    QDialog owner;
    owner.open();
    QApplication::processEvents();
    TQtMessageSink sink;
    QWidget* over = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            over = box->parentWidget();
            box->accept();
        }
    });
    sink.ShowInfo("text", "title");
    EXPECT_EQ(over, &owner);
    owner.close();
}

} // namespace
} // namespace tolvane::test
