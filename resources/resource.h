#pragma once
// Identifiers shared by the resource script and the program.

#define IDI_APPLICATION_ICON 1 // the main icon: a clock with blue parts
#define IDI_STOP_ICON 2        // the same clock, its blue parts red
#define IDI_BELL_FIRST 11      // the four bell frames, 11 to 14
#define IDI_BUTTON_OK 21
#define IDI_BUTTON_CANCEL 22
#define IDI_BUTTON_CLOSE 23
