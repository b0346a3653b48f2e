#pragma once

#include <string>

// Names each row of a parameterised test after its case's name field.
struct CaseName {
    template <typename Info> std::string operator()(const Info& info) const {
        return info.param.name;
    }
};
