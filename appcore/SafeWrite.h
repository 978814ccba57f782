#pragma once
// The one safe write of the program lives in the lowest layer, so the picture writers reach it too.
#include "platform/SafeWrite.h"
