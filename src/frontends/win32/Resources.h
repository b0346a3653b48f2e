#pragma once

// Identifiers shared by the resource script and the code.
#define IDI_TURVANE 1
