#pragma once

#define IDI_DURNWICK 1
#define IDI_TRAY 2
#define IDB_SPLASH 101
#define IDR_MAIN_BUTTONS 201
