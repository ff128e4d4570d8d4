#pragma once

#define IDI_DURNWICK 1
#define IDB_SPLASH 101
