// T_frmParaSet_Kavo: the parameter window of the key-value printers, a
// view of the dialog TParaSetKavo (utility/params/mdlParaSetKavo.h).
#pragma once

#include "mdlFormView.h"
#include "mdlParaSetKavo.h"

namespace tolvane {

class T_frmParaSet_Kavo final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmParaSet_Kavo(const params::TParaDialogContext& context, QWidget* parent = nullptr);

    params::TParaSetKavo& Kavo() { return static_cast<params::TParaSetKavo&>(Dialog()); }
};

} // namespace tolvane
