#pragma once

// Names for the rows of parameterised tests: the row's name, with anything
// GoogleTest does not allow in a name turned into '_'.

#include <cctype>
#include <string>

#include <gtest/gtest.h>

struct CaseName {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T> &info) const
    {
        std::string name = Of(info.param);
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }

private:
    static std::string Of(const char *s) { return s; }
    template <class T>
    static std::string Of(const T &row)
    {
        return row.name;
    }
};
