#pragma once

// Everything the program sets on the application object before it creates
// a window: the style its layouts are drawn in, the font substitutions and the
// accessible interfaces of its own.
// Benchmarks and tests call it too, so they see what users see.
void PrepareApplication();
