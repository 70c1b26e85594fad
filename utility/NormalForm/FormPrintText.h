// The test-print and scan-test windows: thin views of the dialogs of
// utility/diagnostics (mdlPrintTextLabel.h, mdlPrintText.h, mdlScanTest.h).
#pragma once

#include "mdlFormView.h"
#include "mdlScanTest.h"

#include <string>

namespace tolvane {

// The TSPL label test print.
class T_frmPrintTextLabel final : public TFormView {
    Q_OBJECT
  public:
    T_frmPrintTextLabel(const params::TParaDialogContext& context, const std::string& maxWidthMm,
                        QWidget* parent = nullptr);
};

// The label test print of the Miro Bluetooth family.
class T_frmPrintTextLabelCpclMirobt final : public TFormView {
    Q_OBJECT
  public:
    T_frmPrintTextLabelCpclMirobt(const params::TParaDialogContext& context, const std::string& maxWidthMm,
                                  QWidget* parent = nullptr);
};

// The test print of every other command language.
class T_frmPrintText final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmPrintText(const params::TParaDialogContext& context, QWidget* parent = nullptr);
};

// The scan test: its attempts run on the window's timers.
class T_frmScanTest final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmScanTest(const params::TParaDialogContext& context, diagnostics::TScanTestTimes times = {},
                           QWidget* parent = nullptr);

    diagnostics::TScanTest& ScanTest() { return static_cast<diagnostics::TScanTest&>(Dialog()); }
};

} // namespace tolvane
