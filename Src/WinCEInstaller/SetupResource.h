// Resource identifiers shared by Setup.rc and Setup.cpp: the install dialog,
// its picture and the commands of its two buttons.
#pragma once

#define IDD_INSTALL 103
#define IDB_INSTALL_PICTURE 117
#define IDC_INSTALL 6
#define IDC_CANCEL_INSTALL 2
