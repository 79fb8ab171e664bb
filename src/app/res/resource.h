// Identifiers shared by the resource script and the program.
#pragma once

#define IDI_PROGRAM 1
#define IDB_BANNER 2
