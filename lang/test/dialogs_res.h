// Templates of the test language library, used by the dialog framework
// tests the way later dialogs use the shipped library's templates.
#pragma once
#define IDD_TEST_PLAIN 203
#define IDD_TEST_PAGE 204
#define IDC_TEST_EDIT 1001
#define IDC_TEST_BUTTON 1002
