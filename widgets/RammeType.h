#pragma once

// Kind of a three-dimensional frame: none, raised, sunken, ribbed raised, ribbed sunken.
enum TRammeXType { rtIngen, rtUd, rtInd, rtRifletUd, rtRifletInd };
