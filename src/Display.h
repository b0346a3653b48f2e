#pragma once

#include <QString>

#include <string_view>

// The one place where code page 932 bytes become display text.
QString ToDisplay(std::string_view cp932);
