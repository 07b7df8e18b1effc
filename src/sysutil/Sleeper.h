#pragma once

// Blocking pauses of the user-interface thread.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(int milliseconds) = 0;
};
