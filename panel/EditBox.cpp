#include "panel/EditBox.h"

void EditBox::LimitText(int maximum) const {
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maximum), 0);
}
