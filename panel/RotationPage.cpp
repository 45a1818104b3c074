#include "panel/RotationPage.h"

#include "panel/SettingsPageFields.h"

RotationPage::RotationPage() : ViewStatePage(RotationPageFields()) {}
