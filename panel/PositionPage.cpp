#include "panel/PositionPage.h"

#include "panel/SettingsPageFields.h"

PositionPage::PositionPage() : ViewStatePage(PositionPageFields()) {}
