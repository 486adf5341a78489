// Resource numbers of the About window's pictures and sound.
#pragma once

#define ORLENTA_CURSOR_HAND 201
// The four arrows, numbered 1 left, 2 up, 3 right, 4 down from this base.
#define ORLENTA_CURSOR_ARROW_BASE 210
#define ORLENTA_WAVE_CLICK 1033
