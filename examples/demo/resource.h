// Resource identifiers of the demo.
#pragma once

#define IDD_DEMO            100
#define IDI_DEMO            101
#define IDD_RECORDS         102

#define IDC_LIST            1000
#define IDC_FILTER          1001
#define IDC_COPY            1002
#define IDC_FOLDER          1003
#define IDC_VISUALSTYLES    1004
#define IDC_STATUS          1005
#define IDC_FILTER_LABEL    1006
#define IDC_FOLDER_LABEL    1007
#define IDC_RECORDS         1008
#define IDC_RECORDS_LIST    1009
#define IDC_RECORDS_FILTER  1010
#define IDC_RECORDS_STATUS  1011
