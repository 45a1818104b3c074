#pragma once

#include <cstddef>
#include <string_view>

// The named constants an expression reads as "$name", replaced in this order.
class ConstantScope {
public:
    virtual std::size_t ConstantCount() const = 0;
    virtual std::string_view ConstantName(std::size_t index) const = 0;
    virtual double ConstantValue(std::size_t index) const = 0;

protected:
    ~ConstantScope() = default;
};
