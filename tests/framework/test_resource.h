#pragma once
// Resources of the framework test programs (framework_test.rc).

#define IDD_TEST 200
#define IDS_TEST_TEXT 300

#define IDC_TEST_BUTTON 1100
#define IDC_TEST_PORT 1101
#define IDC_TEST_TEXT 1102
#define IDC_APP_COMMAND 1200
