// Resource identifiers of Install Zembra 1.0.
#pragma once

#define IDD_INSTALL 101
#define IDI_INSTALL 103

#define IDC_BROWSE 1001
#define IDC_INSTALL_PATH 1002
#define IDC_SUPPORTED_SYSTEMS 1003

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
