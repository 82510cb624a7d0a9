#pragma once

#include <cstdlib>
#include <string>

namespace glowdeck::testing {

// Sets an environment variable for its lifetime, then puts back what was there. An empty value
// unsets it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(name, value);
    }
    ~ScopedEnvironment() { set(name_, old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    static void set(const char* name, const std::string& value) {
        if (value.empty())
            ::unsetenv(name);
        else
            ::setenv(name, value.c_str(), 1);
    }

private:
    const char* name_;
    std::string old_;
};

} // namespace glowdeck::testing
