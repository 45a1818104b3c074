// Ids of the dialog templates that the shell's unit tests open. Plain #defines: windres reads it.
#pragma once

#define IDD_TEST_PAGE 9001
#define IDC_TEST_BUTTON_A 9101
#define IDC_TEST_BUTTON_B 9102
#define IDC_TEST_LABEL 9103
#define IDC_TEST_EDIT 9104
#define IDC_TEST_PUSH_BUTTON 9105
