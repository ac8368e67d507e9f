#pragma once

#include "zpmzinputs.h"

// A filled-in ZPMZ tab as a surveyor would leave it before printing.
ZpmzInputs sampleZpmzInputs();
// A logo of the recommended 345 x 180 pixels: red left half, blue right
// half, under a green band across the top fifth.
QImage sampleLogo();
