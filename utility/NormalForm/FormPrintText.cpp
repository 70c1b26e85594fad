#include "FormPrintText.h"

#include "mdlPrintText.h"
#include "mdlPrintTextLabel.h"

namespace tolvane {

T_frmPrintTextLabel::T_frmPrintTextLabel(const params::TParaDialogContext& context,
                                         const std::string& maxWidthMm, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TPrintTextLabel>(context, false, maxWidthMm), parent) {}

T_frmPrintTextLabelCpclMirobt::T_frmPrintTextLabelCpclMirobt(const params::TParaDialogContext& context,
                                                             const std::string& maxWidthMm, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TPrintTextLabel>(context, true, maxWidthMm), parent) {}

T_frmPrintText::T_frmPrintText(const params::TParaDialogContext& context, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TPrintText>(context), parent) {}

T_frmScanTest::T_frmScanTest(const params::TParaDialogContext& context, diagnostics::TScanTestTimes times,
                             QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TScanTest>(context, times), parent) {}

} // namespace tolvane
