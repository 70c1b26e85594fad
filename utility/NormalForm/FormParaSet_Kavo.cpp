#include "FormParaSet_Kavo.h"

namespace tolvane {

T_frmParaSet_Kavo::T_frmParaSet_Kavo(const params::TParaDialogContext& context, QWidget* parent)
    : TFormView(std::make_unique<params::TParaSetKavo>(context), parent) {}

} // namespace tolvane
